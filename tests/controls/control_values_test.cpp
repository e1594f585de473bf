// Reading and setting items' numbers, checks, radio groups, titles, kinds and rectangles.
#include "controls/control_values.h"

#include "controls/control_drawing.h"
#include "ebook/ebook_windows.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

class ControlValues : public ToolWindowFixture {
  protected:
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11, ToolWindowLists());
    }
};

TEST_F(ControlValues, NumbersSetAreReadBackAndMissingItemsAreLeftAlone) {
    const SInt32 value = 7, maximum = 70, minimum = -7;
    ExternalSetMyControlValues(reference, dialog, kSwatch, &value, &maximum, &minimum);
    SInt32 v = 0, mx = 0, mn = 0;
    ExternalGetMyControlValues(reference, dialog, kSwatch, &v, &mx, &mn);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(mx, 70);
    EXPECT_EQ(mn, -7);
    // A null pointer leaves its number as it was.
    const SInt32 other = 9;
    ExternalSetMyControlValues(reference, dialog, kSwatch, nullptr, &other, nullptr);
    ExternalGetMyControlValues(reference, dialog, kSwatch, &v, &mx, &mn);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(mx, 9);
    EXPECT_EQ(mn, -7);
    // Past the last item nothing is read or written.
    v = mx = mn = 123;
    ExternalSetMyControlValues(reference, dialog, kToolWindowItems + 1, &value, &value, &value);
    ExternalGetMyControlValues(reference, dialog, kToolWindowItems + 1, &v, &mx, &mn);
    EXPECT_EQ(v, 123);
    EXPECT_EQ(GetMyControlKind(reference, dialog, kToolWindowItems + 1), 0);
    EXPECT_EQ(GetMyControlInactive(reference, dialog, kToolWindowItems + 1), 1);
    EXPECT_EQ(GetMyControlInactive(reference, dialog, kOK), 0);
    ExternalGetMyControlValues(reference, nullptr, kOK, &v, nullptr, nullptr); // no dialog: nothing
    EXPECT_EQ(dialog->lockCount, 0);
}

TEST_F(ControlValues, ARadioGroupKeepsExactlyOneOn) {
    // Left and Right are group 1; the long note and the rule become radios of group 2 for the test.
    SetMyControlRadioid(reference, At(kLeft), 1);
    SetMyControlRadioid(reference, At(kRight), 1);
    SetMyControlKind(reference, dialog, kNote, kMyRadioButton, 0);
    SetMyControlRadioid(reference, At(kNote), 2);
    SetMyControlChecked(reference, dialog, At(kNote), true);
    EXPECT_EQ(GetMyControlRadioid(reference, At(kNote)), 2);
    const SInt16 clicks[] = {kLeft, kRight, kRight, kLeft};
    for (SInt16 click : clicks) {
        EXPECT_EQ(DoMyRadio(reference, dialog, click), 1);
        EXPECT_EQ(GetMyControlChecked(At(kLeft)), click == kLeft) << click;
        EXPECT_EQ(GetMyControlChecked(At(kRight)), click == kRight) << click;
        EXPECT_TRUE(GetMyControlChecked(At(kNote))) << "another group is left alone";
    }
    // A check box toggles and tells its new state.
    EXPECT_EQ(DoMyCheck(reference, dialog, At(kMirror)), 1);
    EXPECT_EQ(DoMyCheck(reference, dialog, At(kMirror)), 0);
}

TEST_F(ControlValues, TitlesKindsAndSwitches) {
    SetMyControlTitleByNumber(reference, dialog, kSpeedLabel, -4200);
    EXPECT_EQ(GetMyControlLong(At(kSpeedLabel)), -4200);
    const std::string longTitle(80, 'x');
    Str255 title;
    SetPString(title, longTitle);
    SetMyControlTitle(reference, dialog, kSpeedLabel, title);
    Str255 back;
    GetMyControlTitle(At(kSpeedLabel), back);
    EXPECT_EQ(PStringView(back), longTitle.substr(0, 63));

    // A new kind keeps the hidden and disabled bits.
    MyHideControl(reference, dialog, kRule, true);
    SetMyControlKind(reference, dialog, kRule, kMyKnifeSwitch, 0);
    EXPECT_TRUE(At(kRule)->kind & kMyKindHidden);
    EXPECT_EQ(GetMyControlKind(reference, dialog, kRule), kMyKnifeSwitch);
    SetMyControlChecked(reference, dialog, At(kRule), true);
    EXPECT_EQ(At(kRule)->value, 15);
    SetMyControlChecked(reference, dialog, At(kRule), false);
    EXPECT_EQ(At(kRule)->value, -15);

    SetMyControlKind(reference, dialog, kOptions, kMyContainer, 0);
    EXPECT_EQ(At(kOptions)->value, 50000);
    EXPECT_EQ(At(kOptions)->collapseRect, (Rect{170, 10, 186, 300}));
    EXPECT_EQ(GetMyControlContainer(At(kOptions)), 0);

    // A slider over a 120-pixel item runs 0..100 in 100 thumb positions.
    SetMyControlKind(reference, dialog, kSpeedLabel, kMySlider, 0x10);
    EXPECT_EQ(At(kSpeedLabel)->maximum, 170);
    const SInt32 value = 85, maximum = 340, minimum = 0;
    SetMyControlValues(reference, dialog, At(kSpeedLabel), &value, &maximum, &minimum);
    EXPECT_EQ(GetSliderControlPosition(At(kSpeedLabel)), 42);
    EXPECT_DOUBLE_EQ(GetSliderControlValue(At(kSpeedLabel), 42), 84.0);
    EXPECT_DOUBLE_EQ(GetSliderControlValuePerPosition(reference, dialog, kSpeedLabel, 10), 20.0);
}

TEST_F(ControlValues, RectanglesWithAndWithoutTheContentOffset) {
    dialog->contentOffsetH = 5;
    dialog->contentOffsetV = -40;
    SetMyControlDontScroll(reference, dialog, kOK, true);
    struct Case {
        SInt16 item;
        bool withOffset;
        Rect want;
    } cases[] = {
        {kMirror, false, {40, 10, 56, 150}},
        {kMirror, true, {0, 15, 16, 155}},
        {kOK, true, {10, 10, 30, 90}}, // fixed: never moves
    };
    for (const Case& c : cases) {
        Rect r;
        GetMyControlRect(dialog, c.item, &r, c.withOffset);
        EXPECT_EQ(r, c.want) << c.item << " " << c.withOffset;
        GetMyControlPosition(dialog, c.item, &r, c.withOffset);
        EXPECT_EQ(r, c.want) << c.item << " " << c.withOffset;
    }
    // An inactive item has an empty click rect, still moved by the offset.
    SetMyControlInactive(reference, dialog, kMirror, true);
    Rect r;
    EXPECT_EQ(GetMyControlClickRect(dialog, kMirror, &r), 1);
    EXPECT_EQ(r, (Rect{-40, 5, -40, 5}));
    // A collapsed container answers 0 with its header as the click rect.
    SetMyControlKind(reference, dialog, kOptions, kMyContainer, 0);
    EXPECT_EQ(GetMyControlClickRect(dialog, kOptions, &r), 0);
    EXPECT_EQ(r, (Rect{130, 15, 146, 305}));
}

} // namespace
