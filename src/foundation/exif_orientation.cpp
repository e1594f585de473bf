// JPEG orientation marks: every read is checked against the bytes actually present, so a damaged or
// hostile file gives -1 (no orientation) and never a read outside it.
#include "foundation/exif_orientation.h"

#include "platform/file_io.h"

#include <cstring>
#include <vector>

namespace {
constexpr UInt16 kOrientationTag = 0x0112;
constexpr UInt16 kExifDirectoryTag = 0x8769;
constexpr UInt16 kInteroperabilityTag = 0xA005;
constexpr int kDeepestDirectory = 4;
constexpr UInt32 kMostValues = 65536;
constexpr int kEntrySize = 12;
// Bytes per value of TIFF types 1 to 12.
constexpr UInt32 kTypeSizes[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
// Types 2 (text) and 7 (undefined) are no number.
constexpr double kNotANumber = 100;

// The TIFF part of an Exif segment: offsets count from its first byte.
struct TiffBlock {
    const UInt8* bytes;
    UInt32 size;
    bool littleEndian;

    bool Holds(UInt32 offset, UInt32 count) const { return offset <= size && count <= size - offset; }
    UInt16 Get16(UInt32 at) const {
        const UInt8* p = bytes + at;
        return littleEndian ? UInt16(p[0] | (p[1] << 8)) : UInt16((p[0] << 8) | p[1]);
    }
    UInt32 Get32(UInt32 at) const {
        const UInt8* p = bytes + at;
        return littleEndian
                   ? UInt32(p[0]) | (UInt32(p[1]) << 8) | (UInt32(p[2]) << 16) | (UInt32(p[3]) << 24)
                   : (UInt32(p[0]) << 24) | (UInt32(p[1]) << 16) | (UInt32(p[2]) << 8) | UInt32(p[3]);
    }
};

double ValueAsNumber(const TiffBlock& block, UInt16 type, UInt32 at) {
    switch (type) {
    case 1:
        return block.bytes[at];
    case 3:
        return block.Get16(at);
    case 4:
        return block.Get32(at);
    case 5:
    case 10: {
        const auto numerator = SInt32(block.Get32(at)), denominator = SInt32(block.Get32(at + 4));
        return denominator == 0 ? 0 : double(numerator) / double(denominator);
    }
    case 6:
        return SInt8(block.bytes[at]);
    case 8:
        return SInt16(block.Get16(at));
    case 9:
        return SInt32(block.Get32(at));
    case 11: {
        const UInt32 bits = block.Get32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 12: {
        const UInt64 high = block.Get32(at), low = block.Get32(at + 4);
        const UInt64 bits = block.littleEndian ? (low << 32) | high : (high << 32) | low;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    default:
        return kNotANumber;
    }
}

SInt16 OrientationFromNumber(double value) {
    if (!(value > -1 && value < 9)) return 1; // also NaN
    const int whole = int(value);
    return whole >= 0 && whole <= 8 ? SInt16(whole) : 1;
}

SInt16 ReadDirectory(const TiffBlock& block, UInt32 offset, int level, SInt16 orientation) {
    if (level > kDeepestDirectory || !block.Holds(offset, 2)) return orientation;
    const UInt32 count = block.Get16(offset);
    for (UInt32 i = 0; i < count; ++i) {
        const UInt32 entry = offset + 2 + i * kEntrySize;
        if (!block.Holds(entry, kEntrySize)) break;
        const UInt16 tag = block.Get16(entry), type = block.Get16(entry + 2);
        const UInt32 values = block.Get32(entry + 4);
        if (type < 1 || type > 12 || values > kMostValues) continue;
        const UInt32 size = values * kTypeSizes[type];
        UInt32 valueAt = entry + 8;
        if (size > 4) {
            valueAt = block.Get32(entry + 8);
            if (!block.Holds(valueAt, size)) continue;
        }
        if (tag == kExifDirectoryTag || tag == kInteroperabilityTag) {
            const UInt32 inner = block.Get32(entry + 8);
            if (block.Holds(inner, 2)) orientation = ReadDirectory(block, inner, level + 1, orientation);
        } else if (tag == kOrientationTag && orientation == -1 && values > 0 &&
                   block.Holds(valueAt, kTypeSizes[type])) {
            orientation = OrientationFromNumber(ValueAsNumber(block, type, valueAt));
        }
    }
    return orientation;
}
} // namespace

SInt16 ReadExifOrientation(std::span<const UInt8> segment) {
    constexpr UInt32 kTiffStart = 6, kHeaderEnd = 14;
    if (segment.size() < kHeaderEnd || std::memcmp(segment.data(), "Exif\0\0", 6) != 0) return -1;
    const UInt8* order = segment.data() + kTiffStart;
    if (order[0] != order[1] || (order[0] != 'I' && order[0] != 'M')) return -1;
    const TiffBlock block{segment.data() + kTiffStart, UInt32(segment.size() - kTiffStart), order[0] == 'I'};
    // The segment's length field counts itself: the TIFF part is that length less 8.
    const UInt32 length = UInt32(segment.size()) + 2;
    const UInt32 first = block.Get32(4);
    const bool usable = (first >= 8 && first <= 16) || (first > 16 && first <= length - 16);
    if (!usable) return -1;
    return ReadDirectory(block, first, 0, -1);
}

SInt16 ScanJPEGForOrientation(std::span<const UInt8> file) {
    const size_t size = file.size();
    if (size < 2 || file[0] != 0xFF || file[1] != 0xD8) return -1;
    size_t at = 2;
    for (;;) {
        // A marker is the first byte other than 0xFF after a 0xFF; the end of the file ends the scan.
        while (at < size && file[at] != 0xFF)
            ++at;
        while (at < size && file[at] == 0xFF)
            ++at;
        if (at >= size) return -1;
        const UInt8 marker = file[at++];
        if (marker == 0xD9 || marker == 0xDA) return -1; // the image data begins: no orientation before it
        if (size - at < 2) return -1;
        const size_t length = size_t(file[at] << 8 | file[at + 1]);
        if (length < 2 || length - 2 > size - at - 2) return -1;
        const std::span<const UInt8> data = file.subspan(at + 2, length - 2);
        at += length;
        if (marker == 0xE1 && data.size() >= 4 && std::memcmp(data.data(), "Exif", 4) == 0) {
            const SInt16 orientation = ReadExifOrientation(data);
            if (orientation != -1) return orientation;
        }
    }
}

SInt16 getExifOrientation(const char* path) {
    std::vector<UInt8> file;
    if (!path || ReadWholeFile(path, file) != noErr) return -1;
    return ScanJPEGForOrientation(file);
}

PictureOrientation OrientationFromExif(SInt16 orientation) {
    static constexpr PictureOrientation kRows[9] = {
        {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1, 0, 2}, {0, 0, 2}, {1, 0, 1}, {0, 0, 1},
    };
    return orientation >= 1 && orientation <= 8 ? kRows[orientation] : kRows[0];
}

PictureOrientation CombineOrientations(PictureOrientation file, PictureOrientation asked) {
    const SInt16 h = asked.mirrorH ? 1 : 0, v = asked.mirrorV ? 1 : 0;
    if (asked.rotation != 0 && file.rotation != 0) {
        // Two quarter turns the same way make a half turn, which is both mirrors; opposite turns cancel.
        const SInt16 extra = asked.rotation == file.rotation ? 1 : 0;
        return {SInt16(h ^ file.mirrorH ^ extra), SInt16(v ^ file.mirrorV ^ extra), 0};
    }
    if (asked.rotation == 0 && file.rotation == 0)
        return {SInt16(h ^ file.mirrorH), SInt16(v ^ file.mirrorV), 0};
    // One turn: the mirrors were given before turning, so they swap axes.
    return {SInt16(v ^ file.mirrorV), SInt16(h ^ file.mirrorH), SInt16(asked.rotation | file.rotation)};
}
