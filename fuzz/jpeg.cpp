// JPEG pictures and their Exif orientation: the segment walk over the bytes, and the whole file drawn
// into a small world turned and mirrored as its first byte asks.
#include "support/fuzz_support.h"

#include "foundation/exif_orientation.h"
#include "foundation/jpeg_pictures.h"
#include "platform/drawing.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 choice = input.Byte();
    const std::span<const uint8_t> file = input.Rest();

    ScanJPEGForOrientation(file);
    ReadExifOrientation(file);
    OrientationFromExif(SInt16(choice & 15));

    static const std::string path = fuzz::ScratchPath("input.jpg");
    fuzz::WriteScratch(path, file);
    getExifOrientation(path.c_str());
    const Rect rect{0, 0, 48, 64};
    GWorldPtr world = nullptr;
    if (ReadJPEG(path.c_str(), &world, &rect, (choice & 1) != 0, (choice & 2) != 0, SInt16((choice >> 2) % 3),
                 SInt16((choice >> 4) & 1), SInt16((choice >> 5) & 1)) == noErr &&
        world)
        DisposeGWorld(world);
    fuzz::ClearMessages();
    return 0;
}
