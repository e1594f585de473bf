// PNG structure check: signature, header values and the chunk sequence with its checksums.
#include "rc/png_info.h"

#include "platform/bytes.h"
#include "platform/crc32.h"

#include <algorithm>

namespace {

constexpr UInt8 kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr UInt32 kMaxDimension = 0x7FFFFFFF;

// Allowed bit depths per colour type: grey, RGB, palette, grey+alpha, RGBA.
bool ValidDepthForColorType(UInt8 colorType, UInt8 depth) {
    switch (colorType) {
    case 0:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

} // namespace

bool ReadPngInfo(std::span<const UInt8> bytes, PngInfo& info, std::string& error) {
    if (bytes.size() < 8 || !std::equal(kPngSignature, kPngSignature + 8, bytes.begin()))
        return Fail(error, "no PNG signature");
    size_t pos = 8;
    bool sawHeader = false, sawData = false;
    for (;;) {
        if (pos == bytes.size()) return Fail(error, "no IEND chunk");
        if (bytes.size() - pos < 12) return Fail(error, "truncated: the file ends inside a chunk");
        UInt32 length = ReadBE32(&bytes[pos]);
        if (length > bytes.size() - pos - 12)
            return Fail(error, "truncated: a chunk runs past the end of the file");
        std::span<const UInt8> typeAndData = bytes.subspan(pos + 4, 4 + length);
        std::string type(reinterpret_cast<const char*>(&bytes[pos + 4]), 4);
        const UInt8* data = &bytes[pos + 8];
        if (ReadBE32(&bytes[pos + 8 + length]) != Crc32(typeAndData))
            return Fail(error, "the " + type + " chunk's checksum is wrong");
        pos += 12 + length;

        if (!sawHeader) {
            if (type != "IHDR") return Fail(error, "the first chunk is not IHDR");
            if (length != 13) return Fail(error, "the IHDR chunk is not 13 bytes");
            info.width = ReadBE32(data);
            info.height = ReadBE32(data + 4);
            info.bitDepth = data[8];
            info.colorType = data[9];
            if (info.width == 0 || info.height == 0 || info.width > kMaxDimension ||
                info.height > kMaxDimension)
                return Fail(error,
                            "bad size " + std::to_string(info.width) + "x" + std::to_string(info.height));
            if (!ValidDepthForColorType(info.colorType, info.bitDepth))
                return Fail(error, "bit depth " + std::to_string(info.bitDepth) +
                                       " is not valid for colour type " + std::to_string(info.colorType));
            if (data[10] != 0 || data[11] != 0) return Fail(error, "unknown compression or filter method");
            if (data[12] > 1) return Fail(error, "unknown interlace method");
            info.interlaced = data[12] == 1;
            sawHeader = true;
            continue;
        }
        if (type == "IHDR") return Fail(error, "a second IHDR chunk");
        if (type == "IDAT") sawData = true;
        if (type == "IEND") {
            if (!sawData) return Fail(error, "no IDAT chunk");
            if (pos != bytes.size()) return Fail(error, "bytes after the IEND chunk");
            return true;
        }
    }
}
