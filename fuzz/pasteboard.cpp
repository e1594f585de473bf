// Pasteboard flavours from outside: the input puts one or two items of Mac Roman, UTF-16, UTF-8, RTF
// text, style runs and objects on the pasteboard, and the engine reads them as text and style scraps and
// pastes them in every way.
#include "support/engine_support.h"

#include "platform/clipboard.h"
#include "textengine/pasteboard.h"

#include <string>

namespace {
const char* const kFlavors[] = {kFlavorMacRomanText, kFlavorUtf16Text, kFlavorUtf8Text,
                                kFlavorRtf,          kFlavorStyles,    kFlavorObjects};

void Read(OSType type, SInt32 item, SInt16 flavorChoice) {
    Handle h = nullptr, rtfStyles = nullptr;
    _WEGetScrapHandle(type, &h, item, &rtfStyles, flavorChoice);
    if (h) DisposeHandle(h);
    if (rtfStyles) DisposeHandle(rtfStyles);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    fuzz::WarmUpFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 present = input.Byte(), flags = input.Byte();
    ClearPasteboard();
    for (int item = 1; item <= ((present & 0x80) ? 2 : 1); ++item)
        for (int f = 0; f < 6; ++f) {
            if (!(present & (1 << f))) continue;
            const std::span<const uint8_t> piece = input.Piece();
            PutPasteboardFlavor(item, kFlavors[f],
                                std::string(reinterpret_cast<const char*>(piece.data()), piece.size()));
        }

    for (SInt32 item = 0; item <= 2; ++item) {
        Read(FourCC("TEXT"), item, SInt16(flags >> 6));
        Read(FourCC("styl"), item, 0);
    }
    if (Handle text = WEGetPasteText(SInt16(flags & 0x73))) DisposeHandle(text);
    fuzz::Engine engine;
    engine.Fill("paste here", flags, flags >> 4);
    WECanPaste(engine.get());
    SInt32 pasted = 0;
    WEPaste(engine.get(), &pasted, SInt16(flags & 0x33));
    ClearPasteboard();
    fuzz::ClearMessages();
    return 0;
}
