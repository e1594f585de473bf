// Style scraps from outside: checked, swapped, read run by run, applied over a selection, pasted as
// styles only, combined with another scrap and inserted with text.
#include "support/engine_support.h"

#include "textengine/style_scrap.h"

#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    fuzz::WarmUpFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 choice = input.Byte(), start = input.Byte(), end = input.Byte();
    const std::span<const uint8_t> text = input.Piece();
    const std::span<const uint8_t> scrapBytes = input.Rest();
    const std::string_view textView(reinterpret_cast<const char*>(text.data()), text.size());

    Handle scrap = fuzz::HandleOf(scrapBytes);
    if (!scrap) return 0;
    StyleScrapShape shape;
    if (CheckStyleScrap(scrap, &shape) == noErr)
        for (SInt32 i = 0; i < shape.count; ++i)
            ReadStyleScrapElement(scrap, shape, i);
    WERunInfo info;
    WEOffsetToRunFromScrap(SInt32(start), scrap);
    WEGetRunInfoFromScrap(SInt32(start), &info, scrap);
    {
        fuzz::Engine engine;
        engine.Fill(textView, start, end);
        WEUseStyleScrap(scrap, engine.get());
        WEPasteStylesOnly(scrap, engine.get(), SInt16(choice & 3), SInt32(end));
        WESetSelection(start, start, 0, engine.get());
        WEInsert(text.data(), SInt32(text.size()), scrap, nullptr, engine.get(), 0);
    }
    Handle copy = fuzz::HandleOf(scrapBytes);
    if (copy) {
        SwapStyle(copy, SInt16(choice & 4 ? 1 : 0));
        Handle other = fuzz::HandleOf(scrapBytes);
        if (other) {
            WECombineStyles(copy, other, SInt32(text.size()));
            DisposeHandle(other);
        }
        DisposeHandle(copy);
    }
    DisposeHandle(scrap);
    fuzz::ClearMessages();
    return 0;
}
