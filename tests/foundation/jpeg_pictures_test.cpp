// Picture files read into worlds: the orientation mark of real JPEG files (1 to 8) applied, combined
// with the caller's turn and mirrors, the bounded walk over damaged segments, sizing, and saving windows.
#include "app_resources.h"
#include "foundation/exif_orientation.h"
#include "foundation/jpeg_pictures.h"
#include "platform/file_io.h"
#include "platform/images.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;

// Quadrant colours of the stored test picture: top-left, top-right, bottom-left, bottom-right.
enum Quadrant { A, B, C, D };
constexpr UInt32 kQuadrantColors[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
constexpr SInt16 kStoredWidth = 48, kStoredHeight = 32;

std::vector<UInt8> Be16(UInt16 v) {
    return {UInt8(v >> 8), UInt8(v)};
}
std::vector<UInt8> Be32(UInt32 v) {
    return {UInt8(v >> 24), UInt8(v >> 16), UInt8(v >> 8), UInt8(v)};
}
void Append(std::vector<UInt8>& to, const std::vector<UInt8>& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

// An APP1 segment's data: "Exif", two zeros, a big-endian TIFF header and one directory of (tag, type,
// count, value) entries whose value fits the entry.
struct TiffEntry {
    UInt16 tag, type;
    UInt32 count, value;
};
// firstDirectory names another place for the directory than the one it has, at 8.
std::vector<UInt8> ExifData(const std::vector<TiffEntry>& entries, UInt32 firstDirectory = 8) {
    std::vector<UInt8> data{'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42};
    Append(data, Be32(firstDirectory));
    Append(data, Be16(UInt16(entries.size())));
    for (const TiffEntry& e : entries) {
        Append(data, Be16(e.tag));
        Append(data, Be16(e.type));
        Append(data, Be32(e.count));
        Append(data, Be32(e.value));
    }
    Append(data, Be32(0));
    return data;
}
// A SHORT orientation sits in the value's first two bytes.
TiffEntry Orientation(UInt16 value) {
    return {0x0112, 3, 1, UInt32(value) << 16};
}

std::vector<UInt8> Segment(UInt8 marker, const std::vector<UInt8>& data) {
    std::vector<UInt8> bytes{0xFF, marker};
    Append(bytes, Be16(UInt16(data.size() + 2)));
    Append(bytes, data);
    return bytes;
}

// The program's resources tell JPEG files by their names.
class PictureFileTest : public AppResources {
  protected:
    // A real JPEG file of four coloured quadrants with an Exif segment carrying the orientation (none: 0).
    std::string WriteQuadrantJPEG(const std::string& name, UInt16 orientation) {
        GWorldPtr world = nullptr;
        const Rect bounds{0, 0, kStoredHeight, kStoredWidth};
        EXPECT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), noErr);
        auto* pixels = GetPixBaseAddr(world);
        const SInt32 stride = GetPixRowBytes(world) / 4;
        for (int y = 0; y < kStoredHeight; ++y)
            for (int x = 0; x < kStoredWidth; ++x)
                pixels[y * stride + x] =
                    0xFF000000 |
                    kQuadrantColors[(y >= kStoredHeight / 2 ? 2 : 0) + (x >= kStoredWidth / 2 ? 1 : 0)];
        std::vector<UInt8> jpeg;
        EXPECT_EQ(EncodePortAsJPEG(world, &bounds, 95, jpeg), noErr);
        DisposeGWorld(world);
        std::vector<UInt8> file{0xFF, 0xD8};
        if (orientation) Append(file, Segment(0xE1, ExifData({Orientation(orientation)})));
        file.insert(file.end(), jpeg.begin() + 2, jpeg.end());
        const std::string path = folder.File(name);
        EXPECT_EQ(WriteFileAtomically(path, file), noErr);
        return path;
    }
    TempDir folder;
};

// Which stored quadrant a pixel of the world shows, by nearest colour.
int QuadrantAt(GWorldPtr world, int x, int y) {
    Rect bounds;
    GetPortBounds(world, &bounds);
    const UInt32 pixel = GetPortPixel(world, SInt16(bounds.left + x), SInt16(bounds.top + y));
    int best = -1, bestDistance = 1 << 30;
    for (int q = 0; q < 4; ++q) {
        int distance = 0;
        for (int shift : {16, 8, 0})
            distance += std::abs(int((pixel >> shift) & 0xFF) - int((kQuadrantColors[q] >> shift) & 0xFF));
        if (distance < bestDistance) best = q, bestDistance = distance;
    }
    return best;
}
} // namespace

TEST_F(PictureFileTest, EachExifOrientationOfARealFileIsShownUpright) {
    // The stored quadrants seen at the shown top-left, top-right, bottom-left and bottom-right.
    struct Case {
        UInt16 orientation;
        bool turned;
        int corners[4];
    };
    const Case cases[] = {
        {1, false, {A, B, C, D}}, {2, false, {B, A, D, C}}, {3, false, {D, C, B, A}},
        {4, false, {C, D, A, B}}, {5, true, {A, C, B, D}},  {6, true, {C, A, D, B}},
        {7, true, {D, B, C, A}},  {8, true, {B, D, A, C}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.orientation);
        const std::string path =
            WriteQuadrantJPEG("o" + std::to_string(test.orientation) + ".jpg", test.orientation);
        EXPECT_EQ(getExifOrientation(path.c_str()), test.orientation);
        GWorldPtr world = nullptr;
        ASSERT_EQ(ReadJPEG(path.c_str(), &world, nullptr, false, false, 0, 0, 0), noErr);
        ASSERT_NE(world, nullptr);
        Rect bounds;
        GetPortBounds(world, &bounds);
        const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
        EXPECT_EQ(width, test.turned ? kStoredHeight : kStoredWidth);
        EXPECT_EQ(height, test.turned ? kStoredWidth : kStoredHeight);
        const int corners[4] = {QuadrantAt(world, 3, 3), QuadrantAt(world, width - 4, 3),
                                QuadrantAt(world, 3, height - 4), QuadrantAt(world, width - 4, height - 4)};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(corners[i], test.corners[i]) << "corner " << i;
        DisposeGWorld(world);
    }
}

TEST_F(PictureFileTest, CallersTurnCombinesWithTheFilesOrientation) {
    // Orientation 6 turned +90 more is upside down; turned -90 it is as stored.
    const std::string path = WriteQuadrantJPEG("six.jpg", 6);
    struct Case {
        SInt16 rotation;
        int topLeft, bottomRight;
        bool turned;
    };
    for (const Case& test : {Case{kPictureTurnRight, D, A, false}, Case{kPictureTurnLeft, A, D, false}}) {
        GWorldPtr world = nullptr;
        ASSERT_EQ(ReadJPEG(path.c_str(), &world, nullptr, false, false, test.rotation, 0, 0), noErr);
        Rect bounds;
        GetPortBounds(world, &bounds);
        EXPECT_EQ(bounds.right - bounds.left, kStoredWidth);
        EXPECT_EQ(QuadrantAt(world, 3, 3), test.topLeft) << test.rotation;
        EXPECT_EQ(QuadrantAt(world, kStoredWidth - 4, kStoredHeight - 4), test.bottomRight) << test.rotation;
        DisposeGWorld(world);
    }
    const PictureOrientation six = OrientationFromExif(6);
    EXPECT_EQ(CombineOrientations(six, {0, 0, 0}).rotation, kPictureTurnRight);
    const PictureOrientation mirrored = CombineOrientations(six, {1, 0, 0});
    EXPECT_EQ(mirrored.mirrorH, 0);
    EXPECT_EQ(mirrored.mirrorV, 1);
}

TEST_F(PictureFileTest, PicturesAreSizedByTheirRectangleAndFit) {
    const std::string path = WriteQuadrantJPEG("plain.jpg", 0);
    struct Case {
        const char* name;
        bool withRect, fit;
        Rect rect, expected;
    };
    const Case cases[] = {
        {"natural size", false, false, {}, {0, 0, kStoredHeight, kStoredWidth}},
        {"filled rectangle", true, false, {10, 20, 30, 120}, {10, 20, 30, 120}},
        {"fitted, proportions kept", true, true, {0, 0, 200, 96}, {0, 0, 64, 96}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        GWorldPtr world = nullptr;
        ASSERT_EQ(
            ReadJPEG(path.c_str(), &world, test.withRect ? &test.rect : nullptr, false, test.fit, 0, 0, 0),
            noErr);
        Rect bounds;
        GetPortBounds(world, &bounds);
        EXPECT_EQ(bounds.right - bounds.left, test.expected.right - test.expected.left);
        EXPECT_EQ(bounds.bottom - bounds.top, test.expected.bottom - test.expected.top);
        EXPECT_EQ(QuadrantAt(world, 1, 1), A);
        DisposeGWorld(world);
    }
    GWorldPtr world = nullptr;
    EXPECT_EQ(ReadJPEG(path.c_str(), nullptr, nullptr, false, false, 0, 0, 0), paramErr);
    EXPECT_EQ(ReadJPEG(folder.File("missing.jpg").c_str(), &world, nullptr, false, false, 0, 0, 0), fnfErr);
    EXPECT_EQ(world, nullptr);
    const std::string junk = folder.File("junk.jpg");
    ASSERT_EQ(WriteFileAtomically(junk, std::vector<UInt8>{0xFF, 0xD8, 0xFF, 0xE0, 0x00}), noErr);
    EXPECT_EQ(ReadJPEG(junk.c_str(), &world, nullptr, false, false, 0, 0, 0), ioErr);
    EXPECT_EQ(world, nullptr);
}

TEST(ExifOrientationTest, DirectoriesAreReadWithinTheirSegment) {
    auto little = [](UInt16 orientation) {
        std::vector<UInt8> d{'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0};
        Append(d, {0x12, 0x01, 3, 0, 1, 0, 0, 0, UInt8(orientation), 0, 0, 0});
        return d;
    };
    // An Exif sub-directory at offset 26 holding the orientation.
    auto nested = [](UInt32 inner) {
        std::vector<UInt8> d = ExifData({{0x8769, 4, 1, inner}});
        d.resize(6 + 26, 0);
        Append(d, Be16(1));
        Append(d, {0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 8, 0, 0});
        return d;
    };
    struct Case {
        const char* name;
        std::vector<UInt8> data;
        SInt16 orientation;
    };
    const Case cases[] = {
        {"big-endian short", ExifData({Orientation(6)}), 6},
        {"little-endian short", little(3), 3},
        {"out of range becomes 1", ExifData({Orientation(9)}), 1},
        {"zero is kept", ExifData({Orientation(0)}), 0},
        {"the first of two counts", ExifData({Orientation(8), Orientation(2)}), 8},
        {"a signed long", ExifData({{0x0112, 9, 1, 5}}), 5},
        {"text is no number", ExifData({{0x0112, 2, 1, 0x36000000}}), 1},
        {"a rational outside the segment is passed over", ExifData({{0x0112, 5, 1, 4000}}), -1},
        {"an unknown type is passed over", ExifData({{0x0112, 13, 1, 6 << 16}}), -1},
        {"in the Exif sub-directory", nested(26), 8},
        {"a sub-directory outside the segment", nested(5000), -1},
        {"a directory that holds itself", ExifData({{0x8769, 4, 1, 8}}), -1},
        {"first directory at 4 is refused", ExifData({Orientation(6)}, 4), -1},
        {"first directory past the segment", ExifData({Orientation(6)}, 400), -1},
        {"no byte order", {'E', 'x', 'i', 'f', 0, 0, 'X', 'X', 0, 42, 0, 0, 0, 8, 0, 0}, -1},
        {"cut inside the header", {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0}, -1},
    };
    for (const Case& test : cases) {
        // An exact-size copy: a read past the segment's end is caught by the address checker.
        const std::vector<UInt8> exact(test.data);
        EXPECT_EQ(ReadExifOrientation(exact), test.orientation) << test.name;
    }
    // Entries counted beyond the data: only the ones present are read.
    std::vector<UInt8> overcounted = ExifData({Orientation(7)});
    overcounted[15] = 200;
    overcounted.resize(overcounted.size() - 4);
    EXPECT_EQ(ReadExifOrientation(overcounted), 7);
}

TEST(ExifOrientationTest, SegmentScanStopsAtTheImageDataOrTheFilesEnd) {
    auto file = [](std::vector<std::vector<UInt8>> parts) {
        std::vector<UInt8> bytes;
        for (const auto& p : parts)
            Append(bytes, p);
        return bytes;
    };
    const std::vector<UInt8> soi{0xFF, 0xD8};
    const auto exif6 = Segment(0xE1, ExifData({Orientation(6)}));
    struct Case {
        const char* name;
        std::vector<UInt8> bytes;
        SInt16 orientation;
    };
    const Case cases[] = {
        {"after other segments",
         file({soi, Segment(0xE0, {'J', 'F', 'I', 'F', 0}), Segment(0xFE, {'h', 'i'}), exif6}), 6},
        {"after an APP1 that is not Exif", file({soi, Segment(0xE1, {'h', 't', 't', 'p'}), exif6}), 6},
        {"after a damaged Exif block", file({soi, Segment(0xE1, {'E', 'x', 'i', 'f', 0, 0}), exif6}), 6},
        {"behind the image data", file({soi, Segment(0xDA, {0, 1, 2}), exif6}), -1},
        {"behind the end of image", file({soi, {0xFF, 0xD9}, exif6}), -1},
        {"not a JPEG file", file({{0xFF, 0xD9}, exif6}), -1},
        {"fill bytes up to the end", file({soi, {0xFF, 0xFF, 0xFF}}), -1},
        {"no marker before the end", file({soi, {0x00, 0x01, 0x02}}), -1},
        {"a length past the end", file({soi, {0xFF, 0xE1, 0x40, 0x00, 'E', 'x', 'i', 'f'}}), -1},
        {"a length below 2", file({soi, {0xFF, 0xE1, 0x00, 0x01}, exif6}), -1},
        {"a length cut off", file({soi, {0xFF, 0xE1, 0x00}}), -1},
        {"empty", {}, -1},
    };
    for (const Case& test : cases) {
        const std::vector<UInt8> exact(test.bytes);
        EXPECT_EQ(ScanJPEGForOrientation(exact), test.orientation) << test.name;
    }
    EXPECT_EQ(getExifOrientation("/nonexistent/picture.jpg"), -1);
}

TEST_F(PictureFileTest, SavedWindowLeavesOutTheRightMarginAndReplacesTheFile) {
    const Rect bounds{100, 100, 180, 260};
    WindowPtr window = NewCWindow(nullptr, &bounds, nullptr, false, 0, nullptr, false, 0);
    ASSERT_NE(window, nullptr);
    const std::string path = folder.File("frame.jpg");
    ASSERT_EQ(WriteFileAtomically(path, std::vector<UInt8>{'o', 'l', 'd'}), noErr);
    EXPECT_EQ(SaveJPEG(window, 16, path.c_str(), true), noErr);
    SInt16 width = 0, height = 0;
    EXPECT_EQ(GetImageFileSize(path.c_str(), false, &width, &height), noErr);
    EXPECT_EQ(width, 160 - 16);
    EXPECT_EQ(height, 80);
    // Without a known picture-sequence folder a bare name has nowhere to go.
    EXPECT_EQ(SaveJPEG(window, 0, "frame.jpg", false), dirNFErr);
    EXPECT_EQ(SaveJPEG(nullptr, 0, path.c_str(), true), memFullErr);
    DisposeWindow(window);
}
