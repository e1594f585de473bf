// Dialog item helpers: numbers in edit items, radio groups, scroll bar stepping, pop-up boxes and lists.
#include "dialog_fixture.h"
#include "foundation/dialog_items.h"
#include "foundation/list_items.h"
#include "foundation/popup_items.h"
#include "foundation/scroll_items.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

namespace {

std::vector<FixtureItem> HelperItems() {
    return {
        {ctrlItem + btnCtrl, {200, 300, 220, 380}, "OK"},
        {ctrlItem + btnCtrl, {200, 200, 220, 280}, "Cancel"},
        {editText, {10, 10, 30, 120}, ""},
        {ctrlItem + radCtrl, {40, 10, 60, 120}, "One"},
        {ctrlItem + radCtrl, {60, 10, 80, 120}, "Two"},
        {ctrlItem + radCtrl, {80, 10, 100, 120}, "Three"},
        {ctrlItem + resCtrl, {10, 200, 120, 216}, std::string("\x00\x80", 2)}, // a scroll bar
        {userItem, {130, 10, 150, 160}, ""},                                   // a pop-up box
    };
}

struct ScrollCase {
    SInt16 value, maximum;
    SInt32 pageStep;
    SInt16 part, expected;
};

TEST(ScrollParts, StepByArrowAndPageWithinZeroAndTheMaximum) {
    const ScrollCase cases[] = {
        {10, 100, 30, kScrollUpPart, 8},
        {10, 100, 30, kScrollDownPart, 12},
        {10, 100, 30, kScrollPageUpPart, 0},
        {10, 100, 30, kScrollPageDownPart, 40},
        {90, 100, 30, kScrollPageDownPart, 100},
        {99, 100, 30, kScrollDownPart, 100},
        {1, 100, 30, kScrollUpPart, 0},
        {10, 100, 0, kScrollPageDownPart, 10},
        {10, 100, 0, kScrollPageUpPart, 10},
        {10, 100, 30, kScrollThumbPart, 10},
        {10, 100, 30, 0, 10},
        {5, -20, 30, kScrollDownPart, 0}, // never below 0
    };
    for (const ScrollCase& c : cases)
        EXPECT_EQ(ScrollPartValue(c.value, c.maximum, c.pageStep, c.part), c.expected)
            << "value " << c.value << " part " << c.part << " step " << c.pageStep;
}

class DialogItemHelpers : public DialogFixture {};

TEST_F(DialogItemHelpers, NumbersRadioGroupsAndTextLimits) {
    ASSERT_NE(OpenDialog(HelperItems()), nullptr);
    const SInt32 values[] = {0, 42, -32767, 2147483647, -2147483647};
    for (SInt32 v : values) {
        IntSetDlgEditValue(dialog, 3, v);
        SInt32 back = 0;
        IntGetDlgEditValue(dialog, 3, &back);
        EXPECT_EQ(back, v);
    }

    SInt16 choice = 1;
    SetDialogItemValue(dialog, 4, 1);
    DoRadio(dialog, 4, 6, &choice);
    EXPECT_EQ(choice, 3);
    EXPECT_EQ(GetDialogItemValue(dialog, 4), 0);
    EXPECT_EQ(GetDialogItemValue(dialog, 6), 1);

    Str255 text;
    SetPString(text, "abcdefgh");
    SetDText(dialog, 3, text, false);
    LimitTELength(dialog, 3, 8); // not longer: unchanged
    GetDText(dialog, 3, text);
    EXPECT_EQ(PStringView(text), "abcdefgh");
    LimitTELength(dialog, 3, 5);
    GetDText(dialog, 3, text);
    EXPECT_EQ(PStringView(text), "abcde");
}

TEST_F(DialogItemHelpers, ScrollBarItemsKeepTheirPageStepAndGoInactiveWithoutARange) {
    ASSERT_NE(OpenDialog(HelperItems()), nullptr);
    SetScrollItem(dialog, 7, 10, -50, 100, 25);
    EXPECT_EQ(GetDialogItemHilite(dialog, 7), 0);
    DoScrollPart(dialog, 7, kScrollPageDownPart);
    EXPECT_EQ(GetControl(dialog, 7), 35);
    for (int i = 0; i < 5; ++i)
        DoScrollPart(dialog, 7, kScrollPageUpPart);
    EXPECT_EQ(GetControl(dialog, 7), 0) << "the negative minimum is not reached";
    SInt16 kept = -1;
    DoScrollItem(dialog, 7, &kept);
    EXPECT_EQ(kept, 0);
    SetScrollItem(dialog, 7, 0, 0, 0, 25);
    EXPECT_EQ(GetDialogItemHilite(dialog, 7), 255);
}

TEST_F(DialogItemHelpers, PopUpChoiceChangesOnlyForAnotherEnabledItem) {
    ASSERT_NE(OpenDialog(HelperItems()), nullptr);
    MenuRef menu = nullptr;
    ASSERT_EQ(CreateNewMenu(300, 0, &menu), noErr);
    for (const char* name : {"Slow", "Medium", "Fast"}) {
        Str255 s;
        SetPString(s, name);
        AppendMenuItemText(menu, s);
    }
    DisableMenuItem(menu, 3);
    struct Case {
        MenuItemIndex answer;
        SInt16 expected;
    };
    const Case cases[] = {{2, 2}, {2, 2}, {0, 2}, {3, 2}, {9, 2}, {1, 1}};
    SInt16 choice = 1;
    for (const Case& c : cases) {
        AnswerNextPopUpMenu(c.answer);
        DoPopup(dialog, 8, 300, &choice, menu);
        EXPECT_EQ(choice, c.expected) << "answer " << c.answer;
        EXPECT_FALSE(GetItemMark(menu, 1) || GetItemMark(menu, 2)) << "the check mark goes after tracking";
    }
    EXPECT_FALSE(gDontInterruptPopup);
    AnswerNextPopUpMenu(2);
    const Rect box = GetDRect(dialog, 8);
    TrackPopup(dialog, &box, 300, &choice, nullptr);
    EXPECT_EQ(choice, 1) << "no menu: nothing";
    AnswerNextPopUpMenu(0);
    DisposeMenu(menu);
}

TEST(PopUpBoxes, AMissingMenuStillDrawsTheFramedBoxAndShadow) {
    TestWorld world(40, 30);
    const Rect box{5, 5, 25, 35};
    UpdatePopup(&box, 32000, 1, nullptr);     // no such menu
    EXPECT_EQ(world.At(5, 5), kBlackPixel);   // frame, top-left
    EXPECT_EQ(world.At(34, 10), kBlackPixel); // shadow at the right
    EXPECT_EQ(world.At(20, 24), kBlackPixel); // shadow at the bottom
    EXPECT_EQ(world.At(20, 15), kWhitePixel); // nothing inside
}

TEST(ListItems, RowsChoicesAndRemoval) {
    TestWorld world(200, 120);
    const Rect r{10, 10, 110, 190};
    ListHandle list = NewV1List(0, &r, world.get(), nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(LGetView(list).right, 175) << "room for the scroll bar";
    SInt16 row = 7;
    EXPECT_FALSE(GetListChoice(&row, list));
    EXPECT_EQ(row, -1);
    for (const char* name : {"alpha", "beta", "gamma"}) {
        Str255 s;
        SetPString(s, name);
        AddToList(s, list);
    }
    Str255 cell;
    GetListRow(cell, 2, list);
    EXPECT_EQ(PStringView(cell), "gamma");
    GetListRow(cell, 9, list);
    EXPECT_EQ(cell[0], 0) << "no such row reads empty";
    SetListChoice(1, list);
    EXPECT_TRUE(GetListChoice(&row, list));
    EXPECT_EQ(row, 1);
    RemoveFromList(0, list);
    EXPECT_EQ(LCountRows(list), 2);
    EXPECT_TRUE(GetListChoice(&row, list));
    EXPECT_EQ(row, 0) << "the chosen row moves up with its text";
    GetListRow(cell, row, list);
    EXPECT_EQ(PStringView(cell), "beta");
    LDispose(list);
}

TEST(ListItems, NestedFontCallsSaveAndRestoreTheTextStateOnce) {
    TestWorld world(20, 20);
    TextFont(21);
    TextSize(14);
    TextFace(1);
    const TextStyle outer{20, 2, 10, {}};
    const TextStyle inner{0, 4, 12, {}};
    SetListFont(world.get(), &outer);
    SetListFont(world.get(), &inner); // nested: changes nothing
    EXPECT_EQ(ListFontDepth(), 2);
    EXPECT_EQ(GetPortTextFont(world.get()), 20);
    RestoreFont();
    EXPECT_EQ(GetPortTextSize(world.get()), 10) << "the inner restore keeps the outer style";
    RestoreFont();
    EXPECT_EQ(ListFontDepth(), 0);
    EXPECT_EQ(GetPortTextFont(world.get()), 21);
    EXPECT_EQ(GetPortTextSize(world.get()), 14);
    EXPECT_EQ(GetPortTextFace(world.get()), 1);
    SetListFont(world.get(), nullptr);
    EXPECT_EQ(GetPortTextFont(world.get()), 3);
    EXPECT_EQ(GetPortTextSize(world.get()), 9);
    RestoreFont();
}

} // namespace
