// Object soups from outside: applied at a selection and inserted with text (and with a style scrap
// taken from the same input).
#include "support/engine_support.h"

#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    fuzz::WarmUpFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 start = input.Byte(), end = input.Byte();
    const std::span<const uint8_t> text = input.Piece();
    const std::span<const uint8_t> scrapBytes = input.Piece();
    const std::span<const uint8_t> soupBytes = input.Rest();
    const std::string_view textView(reinterpret_cast<const char*>(text.data()), text.size());

    Handle soup = fuzz::HandleOf(soupBytes);
    Handle scrap = scrapBytes.empty() ? nullptr : fuzz::HandleOf(scrapBytes);
    if (soup) {
        fuzz::Engine engine;
        engine.Fill(textView, start, end);
        WEUseSoup(soup, engine.get());
        WESetSelection(end, end, 0, engine.get());
        WEInsert(text.data(), SInt32(text.size()), scrap, soup, engine.get(), 0);
        const SInt32 length = WEGetTextLength(engine.get());
        Handle styles = NewHandle(0), objects = NewHandle(0);
        WECopyRange(0, length, nullptr, styles, objects, engine.get());
        DisposeHandle(styles);
        DisposeHandle(objects);
        DisposeHandle(soup);
    }
    if (scrap) DisposeHandle(scrap);
    fuzz::ClearMessages();
    return 0;
}
