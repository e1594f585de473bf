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

// Lays out styled text once before the first input, so that the font caches Qt fills on first use (and
// keeps for the life of the process) are not taken for a leak of that input.
inline void WarmUpFonts() {
    Engine engine;
    engine.Fill("Warm up: plain, bold, italic and large text.", 0, 0);
    for (UInt8 face = 0; face < 8; ++face) {
        WETextStyle style;
        style.face = face;
        style.size = SInt16(9 + 3 * face);
        WESetSelection(face * 4, face * 4 + 4, 0, engine.get());
        WESetStyle(weDoFace | weDoSize, &style, engine.get());
    }
}

// A new handle holding the bytes.
inline Handle HandleOf(std::span<const uint8_t> bytes) {
    Handle h = NewHandle(Size(bytes.size()));
    if (h && !bytes.empty()) std::memcpy(*h, bytes.data(), bytes.size());
    return h;
}

} // namespace fuzz
