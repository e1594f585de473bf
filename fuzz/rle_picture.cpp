// Run-length pictures and their row maps read from files: the input is split into the picture and the
// row map, both written beside each other, read, drawn plain and scaled into a small world and probed
// pixel by pixel.
#include "support/fuzz_support.h"

#include "foundation/rle_pictures.h"
#include "platform/drawing.h"

namespace {
GWorldPtr gWorld = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    const Rect bounds{0, 0, 32, 48};
    if (NewGWorld(&gWorld, 32, &bounds, nullptr, nullptr, 0) != noErr) __builtin_trap();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 choice = input.Byte();
    const std::span<const uint8_t> picture = input.Piece();
    const std::span<const uint8_t> rowMap = input.Rest();

    static const std::string path = fuzz::ScratchPath("picture");
    fuzz::WriteScratch(path + ".mapf", picture);
    fuzz::WriteScratch(path + ".rlem", rowMap);
    Handle h = ReadRLEPicture(path);
    if (h) {
        const Rect destination{SInt16(choice & 7), SInt16((choice >> 3) & 7), 30, 46};
        gInvisible = SInt16(choice & 0x80 ? -2 : -1);
        DrawRLEN(h, &destination, gWorld);
        DrawRLENScaled(h, &destination, gWorld, (choice & 0x40) ? 0.0 : 1.5);
        for (SInt16 v = -1; v < 4; ++v)
            for (SInt16 hPos = -1; hPos < 4; ++hPos)
                GetRLENPixel(h, nullptr, hPos, v);
        DisposeRLEPicture(h);
    }
    gInvisible = -1;
    fuzz::ClearMessages();
    return 0;
}
