// A text engine record made fresh for each input and disposed of after it, holding a little text with a
// selection the input chooses.
#pragma once

#include "fuzz_support.h"

#include "platform/memory.h"
#include "textengine/text_engine.h"

#include <cstring>

namespace fuzz {

class Engine {
  public:
    Engine() {
        const LongRect dest{0, 0, 1000, 200};
        const LongRect view{0, 0, 100, 200};
        if (WENew(&dest, &view, 0, &we_) != noErr) __builtin_trap();
    }
    ~Engine() { WEDispose(we_); }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    WEReference get() const { return we_; }
    // Puts the text in and selects from `start` to `end`, both taken modulo the text's length plus one.
    void Fill(std::string_view text, UInt8 start, UInt8 end) {
        WEInsert(text.data(), SInt32(text.size()), nullptr, nullptr, we_, 0);
        const SInt32 n = SInt32(text.size()) + 1;
        WESetSelection(start % n, end % n, 0, we_);
    }

  private:
    WEReference we_ = nullptr;
};

// A new handle holding the bytes.
inline Handle HandleOf(std::span<const uint8_t> bytes) {
    Handle h = NewHandle(Size(bytes.size()));
    if (h && !bytes.empty()) std::memcpy(*h, bytes.data(), bytes.size());
    return h;
}

} // namespace fuzz
