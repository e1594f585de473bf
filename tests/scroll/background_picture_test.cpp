// The prompter's background picture: its placement in the frame, reading it from the folders that may
// hold it, the built-in fallback, and its copy made upright to mirrored, flipped or turned output.
#include "shell/mode_switching.h"

#include "prompter_fixture.h"

#include "foundation/app_paths.h"
#include "foundation/error_dialog.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_fields.h"
#include "scroll/background_picture.h"
#include "shell/offscreen_worlds.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

constexpr UInt32 kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhitePixel = 0xFFFFFFFF;
const std::string kData = std::string(ORVALIS_TEST_DATA) + "/scroll/";

std::string ProgramFolder() {
    const std::string resources = ORVALIS_RESOURCE_FILE;
    return resources.substr(0, resources.rfind('/') + 1);
}

Str255 gName, gFolder, gOther;

ConstStringPtr P(Str255& buffer, const std::string& utf8) {
    SetPString(buffer, Utf8ToMacRoman(utf8));
    return buffer;
}

// A world of the size, white, made current by the caller when needed.
GWorldPtr NewWhiteWorld(SInt16 width, SInt16 height) {
    const Rect bounds{0, 0, height, width};
    GWorldPtr world = nullptr;
    EXPECT_EQ(NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0), noErr);
    CGrafPtr port;
    GDHandle device;
    GetGWorld(&port, &device);
    SetGWorld(world, nullptr);
    NormalColors();
    EraseRect(&bounds);
    SetGWorld(port, device);
    return world;
}

PicHandle PictureOfSize(SInt16 width, SInt16 height) {
    GWorldPtr world = NewWhiteWorld(width, height);
    const Rect bounds{0, 0, height, width};
    PicHandle picture = NewPictureFromPort(world, &bounds);
    DisposeGWorld(world);
    return picture;
}

class BackgroundPicture : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        savedProgramFolder = gOVPaths[kInstructionsSlot];
        savedInPath = gInPath;
        gOVPaths[kInstructionsSlot] = ProgramFolder();
        gInPath.clear();
        DisposeScrollPicture();
    }
    void TearDown() override {
        DisposeScrollPicture();
        for (GWorldPtr* world : {&gAnotherOffscreen, &gMatrixPort})
            if (*world) DisposeGWorld(*world), *world = nullptr;
        gOVPaths[kInstructionsSlot] = savedProgramFolder;
        gInPath = savedInPath;
        gScrollOn = 0;
        PrompterFixture::TearDown();
    }
    std::string EmptyFolder() const { return empty.path() + "/"; }

    std::string savedProgramFolder, savedInPath;
    TempDir empty;
};

TEST_F(BackgroundPicture, PlacementByFillProportionsAndPosition) {
    PicHandle picture = PictureOfSize(40, 40);
    const Rect frame{10, 20, 110, 220}; // 200 wide, 100 high
    struct Case {
        const char* name;
        bool fill, keep;
        SInt16 position;
        Rect saved, before, expected;
    };
    const Case cases[] = {
        {"fill", true, false, 0, {}, {}, frame},
        {"fill keeping proportions", true, true, 0, {}, {}, {10, 20, 110, 120}},
        {"drawn rectangle unset: natural size", false, false, -1, {}, {}, {0, 0, 40, 40}},
        {"drawn rectangle", false, false, -1, {30, 30, 50, 90}, {}, {30, 30, 50, 90}},
        {"drawn rectangle keeping proportions", false, true, -1, {30, 30, 50, 90}, {}, {30, 30, 50, 50}},
        {"top left", false, false, 0, {}, {}, {10, 20, 50, 60}},
        {"top right", false, false, 1, {}, {}, {10, 180, 50, 220}},
        {"bottom left", false, false, 2, {}, {}, {70, 20, 110, 60}},
        {"bottom right", false, false, 3, {}, {}, {70, 180, 110, 220}},
        {"middle vertically", false, false, 4, {}, {}, {40, 0, 80, 40}},
        {"middle horizontally", false, false, 5, {}, {}, {0, 100, 40, 140}},
        {"centred", false, false, 6, {}, {}, {40, 100, 80, 140}},
        {"the drawn rectangle's size", false, false, 0, {0, 0, 10, 30}, {}, {10, 20, 20, 50}},
        {"the size it had", false, false, 3, {0, 0, 10, 30}, {0, 0, 5, 5}, {105, 215, 110, 220}},
        {"placed stays", false, false, 8, {}, {33, 44, 55, 66}, {33, 44, 55, 66}},
    };
    for (const Case& c : cases) {
        Rect out = c.before;
        const SInt16 result = GetPictureRect(c.fill, c.keep, c.position, kPictureKindFile, &c.saved, &frame,
                                             &out, picture, nullptr, nullptr);
        EXPECT_EQ(out, c.expected) << c.name;
        EXPECT_EQ(result, c.position) << c.name;
    }
    Rect out{};
    const Rect saved{1, 2, 3, 4};
    EXPECT_EQ(
        GetPictureRect(false, false, 3, kPictureKindFile, &saved, &frame, &out, nullptr, nullptr, nullptr),
        3);
    EXPECT_EQ(out, frame) << "without a picture the frame is the background's place";
    DisposeHandle(picture);
}

TEST_F(BackgroundPicture, RandomPlaceIsMadeOnceAndStaysInsideTheFrame) {
    PicHandle small = PictureOfSize(40, 30);
    const Rect frame{10, 20, 110, 220};
    const Rect none{};
    for (int i = 0; i < 200; ++i) {
        Rect out{};
        ASSERT_EQ(GetPictureRect(false, false, kPictureRandom, kPictureKindFile, &none, &frame, &out, small,
                                 nullptr, nullptr),
                  kPicturePlaced);
        ASSERT_EQ(RectWidth(out), 40);
        ASSERT_EQ(RectHeight(out), 30);
        ASSERT_TRUE(out.left >= frame.left && out.top >= frame.top && out.right <= frame.right &&
                    out.bottom <= frame.bottom)
            << out.top << "," << out.left;
    }
    // Larger than its frame in both directions: no room to move, so it stays at the frame's top-left.
    PicHandle large = PictureOfSize(300, 150);
    Rect out{};
    EXPECT_EQ(GetPictureRect(false, false, kPictureRandom, kPictureKindFile, &none, &frame, &out, large,
                             nullptr, nullptr),
              kPicturePlaced);
    EXPECT_EQ(out, (Rect{10, 20, 160, 320}));
    DisposeHandle(small);
    DisposeHandle(large);
}

TEST_F(BackgroundPicture, PictureIsReadFromItsFolderOrTheAlternateOne) {
    Boolean inAlternate = true;
    PicHandle first = GetThePicture(P(gName, "corners.png"), P(gFolder, kData), P(gOther, EmptyFolder()),
                                    &inAlternate, 0, 0, 0);
    ASSERT_TRUE(first);
    EXPECT_FALSE(inAlternate);
    Rect bounds{};
    EXPECT_EQ(*QDGetPictureBounds(first, &bounds), (Rect{0, 0, 4, 6}));
    DisposeHandle(first);

    PicHandle second = GetThePicture(P(gName, "corners.png"), P(gFolder, EmptyFolder()), P(gOther, kData),
                                     &inAlternate, 0, 0, 0);
    EXPECT_TRUE(second);
    EXPECT_TRUE(inAlternate);
    if (second) DisposeHandle(second);

    // A missing folder is "not there" as much as a missing file.
    second = GetThePicture(P(gName, "corners.png"), P(gFolder, EmptyFolder() + "gone/"), P(gOther, kData),
                           &inAlternate, 0, 0, 0);
    EXPECT_TRUE(second);
    EXPECT_TRUE(inAlternate);
    if (second) DisposeHandle(second);

    EXPECT_FALSE(GetThePicture(P(gName, ""), P(gFolder, kData), nullptr, &inAlternate, 0, 0, 0));
    EXPECT_FALSE(inAlternate);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(BackgroundPicture, DamagedPictureGivesNothingAndIsReportedOnce) {
    for (int redraw = 0; redraw < 3; ++redraw)
        EXPECT_FALSE(GetThePicture(P(gName, "damaged.jpg"), P(gFolder, kData), nullptr, nullptr, 0, 0, 0));
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_NE(RecordedErrorMessages()[0].find("damaged.jpg"), std::string::npos);

    // Drawn as the background it is reported no more, and nothing but the fallback is drawn.
    SetPref(gThePreferences, kPrefBackgroundKind, kPictureKindFile);
    SetPrefString(gThePreferences, kPrefPictureFileName, P(gName, "damaged.jpg"));
    SetPrefString(gThePreferences, kPrefPictureFolder, P(gFolder, kData));
    GWorldPtr world = NewWhiteWorld(16, 9);
    SetGWorld(world, nullptr);
    gAvailableRect = Rect{0, 0, 9, 16};
    SetPref(gThePreferences, kPrefPictureFillsArea, 1);
    DrawScrollPicture(0, 0);
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
    DisposeGWorld(world);
}

TEST_F(BackgroundPicture, PictureFoundBesideTheScriptMovesThePictureFolderThere) {
    SetPref(gThePreferences, kPrefBackgroundKind, kPictureKindFile);
    SetPrefString(gThePreferences, kPrefPictureFileName, P(gName, "corners.png"));
    SetPrefString(gThePreferences, kPrefPictureFolder, P(gFolder, EmptyFolder()));
    gInPath = kData;
    GWorldPtr world = NewWhiteWorld(6, 4);
    SetGWorld(world, nullptr);
    gAvailableRect = Rect{0, 0, 4, 6};
    SetPref(gThePreferences, kPrefPictureFillsArea, 1);
    DrawScrollPicture(0, 0);
    Str255 stored;
    GetPrefString(gThePreferences, kPrefPictureFolder, stored);
    EXPECT_EQ(MacRomanToUtf8(PStringView(stored)), kData);
    EXPECT_EQ(GetPortPixel(world, 0, 0), kRed);
    EXPECT_EQ(GetPortPixel(world, 5, 0), kGreen);
    DisposeGWorld(world);
}

TEST_F(BackgroundPicture, FallbackPictureIsDrawnWhenNoOtherExistsAndNothingWithoutIt) {
    SetPref(gThePreferences, kPrefBackgroundKind, kPictureKindFile);
    SetPrefString(gThePreferences, kPrefPictureFileName, P(gName, ""));
    SetPref(gThePreferences, kPrefPictureFillsArea, 1);
    gAvailableRect = Rect{0, 0, 9, 16};
    for (const bool installed : {true, false}) {
        SCOPED_TRACE(installed ? "installed" : "missing");
        DisposeScrollPicture();
        gOVPaths[kInstructionsSlot] = installed ? ProgramFolder() : EmptyFolder();
        GWorldPtr world = NewWhiteWorld(16, 9);
        SetGWorld(world, nullptr);
        DrawScrollPicture(0, 0);
        EXPECT_EQ(gThePicture != nullptr, installed);
        // The fallback is a dark picture under white text; without it the port is left as it was.
        const UInt32 middle = GetPortPixel(world, 8, 4);
        if (installed)
            EXPECT_LT(middle & 0xFF, 0x80u);
        else
            EXPECT_EQ(middle, kWhitePixel);
        DisposeGWorld(world);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(BackgroundPicture, ScrollingBackgroundIsMadeUprightToTheOutput) {
    SetPref(gThePreferences, kPrefBackgroundKind, kPictureKindFile);
    SetPrefString(gThePreferences, kPrefPictureFileName, P(gName, "corners.png"));
    SetPrefString(gThePreferences, kPrefPictureFolder, P(gFolder, kData));
    SetPref(gThePreferences, kPrefPictureFillsArea, 1);
    // Output corners top-left, top-right, bottom-left, bottom-right of the 6 x 4 picture marked red at its
    // top-left and green at its top-right.
    struct Case {
        const char* name;
        SInt16 mirror, flip, rotation;
        UInt32 corners[4];
    };
    const Case cases[] = {
        {"upright", 0, 0, 0, {kRed, kGreen, kBlue, kBlue}},
        {"mirrored", 1, 0, 0, {kGreen, kRed, kBlue, kBlue}},
        {"flipped", 0, 1, 0, {kBlue, kBlue, kRed, kGreen}},
        {"turned clockwise", 0, 0, 1, {kBlue, kRed, kBlue, kGreen}},
        {"turned counter-clockwise", 0, 0, -1, {kGreen, kBlue, kRed, kBlue}},
    };
    gScrollOn = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPref(gThePreferences, kPrefMirror, c.mirror);
        SetPref(gThePreferences, kPrefFlip, c.flip);
        SetPref(gThePreferences, kPrefRotation, c.rotation);
        const SInt16 width = c.rotation ? 4 : 6, height = c.rotation ? 6 : 4;
        gAvailableRect = Rect{0, 0, height, width};
        GWorldPtr world = NewWhiteWorld(width, height);
        SetGWorld(world, nullptr);
        DrawScrollPicture(0, 0);
        ASSERT_TRUE(gAnotherOffscreen);
        const Point at[4] = {
            {0, 0}, {0, SInt16(width - 1)}, {SInt16(height - 1), 0}, {SInt16(height - 1), SInt16(width - 1)}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(GetPortPixel(gAnotherOffscreen, at[i].h, at[i].v), c.corners[i]) << "corner " << i;
            EXPECT_EQ(GetPortPixel(world, at[i].h, at[i].v), c.corners[i]) << "window corner " << i;
        }
        DisposeGWorld(world);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

} // namespace
