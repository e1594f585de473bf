// RTF from files and other programs' clipboards: converted in a buffer of exactly its size, its text and
// runs checked against what the reader promises, then inserted into a text engine record.
#include "support/engine_support.h"

#include "textengine/rtf_reader.h"
#include "textengine/style_scrap.h"

#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    fuzz::WarmUpFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<char> buffer(data, data + size);
    SInt32 length = SInt32(size);
    Handle styles = nullptr;
    ProcessRTF(buffer.data(), &length, &styles);
    if (length < 0 || size_t(length) > size) __builtin_trap();
    if (length == 0 && styles) __builtin_trap();
    if (styles) {
        StyleScrapShape shape;
        if (CheckStyleScrap(styles, &shape) != noErr || shape.count < 1) __builtin_trap();
        SInt32 previous = -1;
        for (SInt32 i = 0; i < shape.count; ++i) {
            const StyleScrapElement e = ReadStyleScrapElement(styles, shape, i);
            if (e.start <= previous || e.start >= length || (i == 0 && e.start != 0)) __builtin_trap();
            previous = e.start;
        }
        fuzz::Engine engine;
        if (WEInsert(buffer.data(), length, styles, nullptr, engine.get(), 0) != noErr) __builtin_trap();
        DisposeHandle(styles);
    }
    fuzz::ClearMessages();
    return 0;
}
