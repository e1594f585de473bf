// Arrow buttons: every step function at both ends of its range, and the picture buttons' frames.
#include "dialog_fixture.h"
#include "effects/shape_dialog.h"
#include "foundation/arrow_functions.h"
#include "foundation/dialog_items.h"
#include "foundation/three_d_items.h"
#include "platform/pstring.h"
#include "scroll/scroll_dialogs.h"
#include "shell/preferences_dialog.h"

#include <gtest/gtest.h>

namespace {

TEST(ArrowSteps, StayWithinTheirRange) {
    struct Case {
        SInt32 value;
        int direction;
        SInt32 step, lower, upper, expected;
    };
    const Case cases[] = {
        {5, 1, 1, 0, 59, 6},
        {59, 1, 1, 0, 59, 59},
        {0, -1, 1, 0, 59, 0},
        {70, 1, 1, 0, 59, 59},
        {70, -1, 1, 0, 59, 58},
        {-3, 1, 100, 0, 12, 12},
        {-32767, -1, 1, -32767, 32767, -32767},
        {32767, 1, 1, -32767, 32767, 32767},
        {4, 1, 8, 0, 0, 0},
        {4, 1, 8, 0, -5, 0}, // an empty range holds its lower end
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepWithin(c.value, c.direction, c.step, c.lower, c.upper), c.expected)
            << c.value << " by " << c.direction * c.step << " in [" << c.lower << ", " << c.upper << "]";
}

class ArrowFunctions : public DialogFixture {
  protected:
    void SetUp() override {
        DialogFixture::SetUp();
        std::vector<FixtureItem> items;
        for (int i = 0; i < 240; ++i) {
            const SInt16 top = SInt16(4 + (i / 20) * 16), left = SInt16(4 + (i % 20) * 18);
            items.push_back({editText, {top, left, SInt16(top + 14), SInt16(left + 16)}, ""});
        }
        ASSERT_NE(OpenDialog(items), nullptr);
        gScrollDialog = gSizeDialog = gSpacingDialog = gPrefsDialog = dialog;
    }
    void TearDown() override {
        gScrollDialog = gSizeDialog = gSpacingDialog = gPrefsDialog = nullptr;
        DialogFixture::TearDown();
    }
    SInt32 Value(SInt16 item) {
        SInt32 v = 0;
        IntGetDlgEditValue(dialog, item, &v);
        return v;
    }
};

TEST_F(ArrowFunctions, EveryNumericFieldStopsAtBothEnds) {
    struct Field {
        UInt16 up, down;
        SInt16 item;
        SInt32 lower, upper;
    };
    const Field fields[] = {
        {1, 2, 13, 1, 32767},         {4, 3, 15, 0, 32767},         {6, 5, 18, 0, 59},
        {8, 7, 14, 1, 32767},         {35, 36, 16, 1, 32767},       {37, 38, 17, 1, 32767},
        {9, 10, 4, 1, 32767},         {11, 12, 4, 1, 32767},        {13, 14, 45, 1, 32767},
        {15, 16, 46, 1, 32767},       {17, 18, 133, -32767, 32767}, {19, 20, 134, -32767, 32767},
        {21, 22, 135, 0, 32767},      {23, 24, 136, 0, 32767},      {25, 26, 149, -32767, 32767},
        {27, 28, 150, -32767, 32767}, {29, 30, 151, 0, 32767},      {31, 32, 152, 0, 32767},
        {66, 67, 221, -8191, 32767},  {68, 69, 224, -8191, 32767},  {70, 71, 227, -8191, 32767},
        {72, 73, 230, -8191, 32767},
    };
    for (const Field& f : fields) {
        IntSetDlgEditValue(dialog, f.item, f.lower);
        PerformFunction(f.down);
        EXPECT_EQ(Value(f.item), f.lower) << "code " << f.down;
        PerformFunction(f.up);
        EXPECT_EQ(Value(f.item), f.lower + 1) << "code " << f.up;
        IntSetDlgEditValue(dialog, f.item, f.upper);
        PerformFunction(f.up);
        EXPECT_EQ(Value(f.item), f.upper) << "code " << f.up;
        PerformFunction(f.down);
        EXPECT_EQ(Value(f.item), f.upper - 1) << "code " << f.down;
        PerformFunction(UInt16(f.down | kRepeatedPressBit));
        EXPECT_EQ(Value(f.item), f.upper - 1) << "a quick second press adds nothing";
    }
}

TEST_F(ArrowFunctions, SliderFieldsStepWithinZeroToAHundredAndKeepTheirWorkingValue) {
    struct Slider {
        UInt16 up, down;
        SInt16 item;
        SInt16* working;
    };
    const Slider sliders[] = {{34, 33, 86, &ssaveScrollWinOpacity},
                              {40, 39, 168, &ssaveFadeBackAmount},
                              {42, 41, 168, &ssaveFadeTextAmount},
                              {44, 43, 181, &ssaveMomentumAmount}};
    for (const Slider& s : sliders) {
        IntSetDlgEditValue(dialog, s.item, 100);
        *s.working = -1;
        PerformFunction(s.up);
        EXPECT_EQ(Value(s.item), 100);
        EXPECT_EQ(*s.working, -1) << "nothing stepped, nothing kept";
        IntSetDlgEditValue(dialog, s.item, 0);
        PerformFunction(s.down);
        EXPECT_EQ(Value(s.item), 0);
        PerformFunction(s.up);
        EXPECT_EQ(Value(s.item), 1);
        EXPECT_EQ(*s.working, 1) << "code " << s.up;
    }
}

TEST(ShapeArrows, SampleGroupsAndVariantsStayInRange) {
    struct Case {
        SInt16 group;
        SInt32 variant, samples;
        UInt16 code;
        SInt16 expectedGroup;
        SInt32 expectedVariant;
    };
    const Case cases[] = {
        {1, 0, 40, 45, 1, 0},   {11, 0, 40, 46, 11, 0}, {5, 0, 40, 46, 6, 0},   {5, 0, 40, 45, 4, 0},
        {3, 0, 40, 47, 3, 0},   {3, 31, 40, 48, 3, 32}, {3, 32, 40, 48, 3, 32}, {3, 0, 5, 48, 3, 0},
        {3, 50, 40, 47, 3, 31}, {3, -4, 40, 48, 3, 1},
    };
    for (const Case& c : cases) {
        gSampleID = c.group;
        gSampleVariant = c.variant;
        gNumShapeSamples = c.samples;
        PerformFunction(c.code);
        EXPECT_EQ(gSampleID, c.expectedGroup) << "code " << c.code << " group " << c.group;
        EXPECT_EQ(gSampleVariant, c.expectedVariant) << "code " << c.code << " variant " << c.variant;
    }
}

TEST(PictureButtonTables, EntriesAreReadFromTheirBigEndianBytes) {
    const std::vector<UInt8> table = Words({3, 200, 201, 202, 0, 154, 0, 0});
    PictureButtonEntry e;
    ASSERT_TRUE(ReadPictureButtonEntry(table, 1, &e));
    EXPECT_EQ(e.depth, 3);
    EXPECT_EQ(e.pictures[2], 202);
    ASSERT_TRUE(ReadPictureButtonEntry(table, 2, &e));
    EXPECT_EQ(e.pictures[0], 154);
    EXPECT_FALSE(ReadPictureButtonEntry(table, 3, &e));
    EXPECT_FALSE(ReadPictureButtonEntry(table, 0, &e));
    EXPECT_FALSE(ReadPictureButtonEntry(std::vector<UInt8>(7), 1, &e)) << "a cut entry";
}

class PictureButtons : public DialogFixture {};

TEST_F(PictureButtons, FramesAreSunkenWhenPressedAndAMissingPictureLeavesTheInsideErased) {
    // Item 1: a frame and a picture that does not exist; item 2: the alert picture over the whole item.
    ASSERT_NE(OpenDialog({{userItem, {10, 10, 40, 40}, ""}, {userItem, {10, 60, 42, 92}, ""}},
                         {{FourCC("Pic#"), kTestDialogID, Words({3, 9990, 9991, 9992, 0, 154, 154, 154})}}),
              nullptr);
    CGrafPtr port = GetDialogPort(dialog);
    const auto grey = [](UInt16 level) {
        const UInt32 c = level >> 8;
        return 0xFF000000u | (c << 16) | (c << 8) | c;
    };
    DrawUserSpecial(dialog, 1, kSpecialPressed);
    EXPECT_EQ(GetPortPixel(port, 10, 10), grey(gDarkFrame.red)) << "sunken: dark top-left";
    EXPECT_EQ(GetPortPixel(port, 39, 39), grey(gLightFrame.red));
    const UInt32 inside = GetPortPixel(port, 25, 25);
    DrawUserSpecial(dialog, 1, kSpecialNormal);
    EXPECT_EQ(GetPortPixel(port, 10, 10), grey(gLightFrame.red)) << "raised: light top-left";
    EXPECT_EQ(GetPortPixel(port, 25, 25), inside);

    DrawUserSpecial(dialog, 2, kSpecialNormal);
    int marked = 0;
    for (SInt16 v = 10; v < 42; ++v)
        for (SInt16 h = 60; h < 92; ++h)
            marked += GetPortPixel(port, h, v) != inside;
    EXPECT_GT(marked, 0) << "the picture fills the item";
    EXPECT_NE(GetPortPixel(port, 60, 10), grey(gLightFrame.red)) << "no frame at depth 0";
}

} // namespace
