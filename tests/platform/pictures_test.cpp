// Pictures: PNG data made from ports, its frame read from the header, drawing it scaled and clipped,
// and damaged data drawing nothing.
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "support/port_pixels.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// A 4x2 picture: red left half, blue right half.
PicHandle MakeTwoColourPicture() {
    TestWorld art(4, 2);
    RGBForeColor(&kRedRGB);
    Rect left = MakeRect(0, 0, 2, 2);
    PaintRect(&left);
    RGBForeColor(&kBlueRGB);
    Rect right = MakeRect(2, 0, 4, 2);
    PaintRect(&right);
    Rect all = MakeRect(0, 0, 4, 2);
    return NewPictureFromPort(art, &all);
}

TEST(Pictures, FrameComesFromThePngHeader) {
    PicHandle pic = MakeTwoColourPicture();
    ASSERT_NE(pic, nullptr);
    Rect frame;
    EXPECT_EQ(*QDGetPictureBounds(pic, &frame), MakeRect(0, 0, 4, 2));
    DisposeHandle(pic);
}

TEST(Pictures, DrawsUnscaledExactlyAndScaledIntoItsRectangle) {
    PicHandle pic = MakeTwoColourPicture();
    ASSERT_NE(pic, nullptr);
    TestWorld w(10, 6);
    Rect at = MakeRect(1, 1, 5, 3);
    DrawPicture(pic, &at);
    EXPECT_EQ(w.Art(), Rows({
                           "..........",
                           ".rrbb.....",
                           ".rrbb.....",
                           "..........",
                           "..........",
                           "..........",
                       }));
    // Twice the size: the middle of each half keeps its colour (the seam may be smoothed).
    Rect twice = MakeRect(0, 0, 8, 4);
    DrawPicture(pic, &twice);
    EXPECT_EQ(w.At(1, 1), kRedPixel);
    EXPECT_EQ(w.At(6, 2), kBluePixel);
    EXPECT_EQ(w.At(8, 1), kWhitePixel);
    EXPECT_EQ(w.At(0, 4), kWhitePixel);
    DisposeHandle(pic);
}

TEST(Pictures, HugeTargetsDrawTheVisiblePart) {
    PicHandle pic = MakeTwoColourPicture();
    TestWorld w(4, 2);
    Rect huge = MakeRect(0, 0, 30000, 30000);
    DrawPicture(pic, &huge);
    EXPECT_EQ(w.Count(kRedPixel), 8);
    DisposeHandle(pic);
}

TEST(Pictures, DrawingIsClipped) {
    PicHandle pic = MakeTwoColourPicture();
    TestWorld w(4, 2);
    Rect clip = MakeRect(1, 0, 3, 1);
    ClipRect(&clip);
    Rect at = MakeRect(0, 0, 4, 2);
    DrawPicture(pic, &at);
    EXPECT_EQ(w.Art(), Rows({".rb.", "...."}));
    DisposeHandle(pic);
}

TEST(Pictures, ChangedBytesInTheSameHandleDrawTheNewPicture) {
    PicHandle pic = MakeTwoColourPicture();
    TestWorld w(4, 2);
    Rect at = MakeRect(0, 0, 4, 2);
    DrawPicture(pic, &at);
    EXPECT_EQ(w.At(0, 0), kRedPixel);
    // Replace the handle's bytes with a green picture of the same size.
    PicHandle green;
    {
        TestWorld art(4, 2);
        RGBBackColor(&kGreenRGB);
        EraseRect(&at);
        green = NewPictureFromPort(art, &at);
    }
    SetHandleSize(pic, GetHandleSize(green));
    std::memcpy(*pic, *green, size_t(GetHandleSize(green)));
    DrawPicture(pic, &at);
    EXPECT_EQ(w.Count(kGreenPixel), 8);
    DisposeHandle(pic);
    DisposeHandle(green);
}

TEST(Pictures, DamagedDataDrawsNothing) {
    PicHandle good = MakeTwoColourPicture();
    const Size size = GetHandleSize(good);
    std::vector<std::vector<char>> damaged;
    damaged.push_back({});                                            // empty
    damaged.push_back({'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}); // not a PNG at all
    damaged.push_back(std::vector<char>(*good, *good + 30));          // header, then cut off
    std::vector<char> corrupt(*good, *good + size);                   // right header, scrambled body
    for (size_t i = 33; i < corrupt.size(); ++i)
        corrupt[i] = char(corrupt[i] ^ 0x5A);
    damaged.push_back(corrupt);
    std::vector<char> lying(*good, *good + size); // a header claiming a gigantic picture
    lying[16] = 0x7F;
    damaged.push_back(lying);

    TestWorld w(4, 2);
    Rect at = MakeRect(0, 0, 4, 2);
    for (const auto& bytes : damaged) {
        Handle h = NewHandle(Size(bytes.size()));
        if (!bytes.empty()) std::memcpy(*h, bytes.data(), bytes.size());
        DrawPicture(h, &at);
        EXPECT_EQ(w.Count(kWhitePixel), 8) << "damaged picture of " << bytes.size() << " bytes";
        DisposeHandle(h);
    }
    Rect frame;
    Handle text = NewHandle(9);
    std::memcpy(*text, "not a png", 9);
    EXPECT_EQ(*QDGetPictureBounds(text, &frame), Rect{});
    DisposeHandle(text);
    DrawPicture(nullptr, &at);
    EXPECT_EQ(*QDGetPictureBounds(nullptr, &frame), Rect{});
    DisposeHandle(good);
}

TEST(Pictures, WrittenPngFileDrawsBack) {
    TempDir dir;
    TestWorld art(3, 3);
    SetCPixel(1, 1, &kRedRGB);
    Rect all = MakeRect(0, 0, 3, 3);
    const std::string path = dir.File("shot.png");
    ASSERT_EQ(WritePortToPNG(art, &all, path.c_str()), noErr);
    EXPECT_EQ(WritePortToPNG(art, &all, dir.File("missing/folder.png").c_str()), ioErr);

    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Handle pic = nullptr;
    ASSERT_EQ(PtrToHand(bytes.data(), &pic, Size(bytes.size())), noErr);
    TestWorld w(3, 3);
    DrawPicture(pic, &all);
    EXPECT_EQ(w.Art(), Rows({"...", ".r.", "..."}));
    DisposeHandle(pic);
}

TEST(Pictures, PictureResourcesHoldPng) {
    ResFileRefNum file = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    ASSERT_GT(file, 0) << ORVALIS_RESOURCE_FILE;
    PicHandle pic = GetPicture(128);
    ASSERT_NE(pic, nullptr);
    Rect frame;
    EXPECT_EQ(*QDGetPictureBounds(pic, &frame), MakeRect(0, 0, 8, 8));
    TestWorld w(8, 8);
    DrawPicture(pic, &frame);
    EXPECT_LT(w.Count(kWhitePixel), 64);
    CloseResFile(file);
}

} // namespace
