// What every fuzz harness shares: the platform started offscreen once, the error reporter recording
// instead of showing dialogs, a home folder of the run's own, and scratch files reused from input to input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fuzz {

// Starts Qt on its offscreen platform, turns message recording on, gives the run its own home folder
// (so preference files land there) and opens the application's resource file. Call from
// LLVMFuzzerInitialize.
void StartPlatform(int* argc, char*** argv);
// Only the home folder and the recording, for harnesses that need no windows, drawing or resources.
void StartQuiet();

// The run's scratch folder (ends without '/'), and a path inside it.
const std::string& ScratchFolder();
std::string ScratchPath(std::string_view name);
// Writes the bytes to the path (making its folder), replacing what was there; an empty span leaves an
// empty file.
void WriteScratch(const std::string& path, std::span<const uint8_t> bytes);
void RemoveScratch(const std::string& path);

// Forgets the messages recorded by the last input, so a long run does not grow.
void ClearMessages();

// Reads inputs from the front: a byte, or a piece of a length given by a leading 16-bit count.
class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // A piece whose length comes from the next two bytes (little end first), cut to what is left.
    std::span<const uint8_t> Piece() {
        size_t n = size_t(Byte()) | size_t(Byte()) << 8;
        if (n > size_ - at_) n = size_ - at_;
        std::span<const uint8_t> out(data_ + at_, n);
        at_ += n;
        return out;
    }
    std::span<const uint8_t> Rest() {
        std::span<const uint8_t> out(data_ + at_, size_ - at_);
        at_ = size_;
        return out;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

} // namespace fuzz
