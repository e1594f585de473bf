// List items selected by clicks and keys, type-select and the wheel; pop-up items and their check marks.
#include "controls/list_controls.h"

#include "controls/control_focus.h"
#include "controls/control_values.h"
#include "foundation/list_items.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

const char* const kFruit[] = {"Apple", "Banana", "Blueberry", "Cherry", "Damson"};

class ListControls : public ToolWindowFixture {
  protected:
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11,
              {ItemListBytes({Item(0, {20, 20, 120, 220}), Item(0, {140, 20, 160, 220})})});
        SetMyControlKind(reference, dialog, 1, kMyList, 0);
        for (const char* name : kFruit) {
            Str255 text;
            SetPString(text, name);
            AddItemToMyControlList(reference, dialog, 1, text);
        }
        list = GetMyControlListHandle(reference, At(1));
        ASSERT_NE(list, nullptr);
    }
    SInt16 Selected() { return GetMyControlSelect(reference, dialog, 1, 0); }
    std::string Row(SInt16 row) {
        Str255 text;
        GetListRow(text, row, list);
        return std::string(PStringView(text));
    }
    ListHandle list = nullptr;
};

TEST_F(ListControls, RowsGoInInOrderAndAfterClearingStartAgainAtTheTop) {
    ASSERT_EQ(LCountRows(list), 5);
    for (SInt16 r = 0; r < 5; ++r)
        EXPECT_EQ(Row(r), kFruit[r]);
    DeleteItemFromMyControlList(reference, dialog, 1, 0, 0);
    EXPECT_EQ(LCountRows(list), 0);
    Str255 text;
    SetPString(text, "Elderberry");
    AddItemToMyControlList(reference, dialog, 1, text);
    EXPECT_EQ(Row(0), "Elderberry");
    EXPECT_EQ(GetMyControlSelect(reference, dialog, 2, 0), -1) << "an item without a list";
}

TEST_F(ListControls, KeysAndTypingMoveTheSelection) {
    struct Step {
        const char* name;
        UInt8 key;
        UInt16 modifiers;
        SInt16 want;
    } steps[] = {
        {"down with nothing selected: the first row", kDownArrowCharCode, 0, 0},
        {"down", kDownArrowCharCode, 0, 1},
        {"end", kEndCharCode, 0, 4},
        {"down at the end stays", kDownArrowCharCode, 0, 4},
        {"up", kUpArrowCharCode, 0, 3},
        {"home", kHomeCharCode, 0, 0},
        {"typing c", 'c', 0, 3},
        {"then b: 'cb' starts no row, the selection stays", 'b', 0, 3},
    };
    for (const Step& s : steps) {
        EXPECT_TRUE(KeyInMyControlList(reference, dialog, 1, s.key, s.modifiers)) << s.name;
        EXPECT_EQ(Selected(), s.want) << s.name;
        EXPECT_EQ(DoMyList(reference, dialog, 1, nullptr), s.want) << s.name;
    }
    EXPECT_FALSE(KeyInMyControlList(reference, dialog, 1, 'c', cmdKey)) << "command keys are the window's";
}

TEST_F(ListControls, AFocusedListTakesTheArrowKeysFromTheWindow) {
    SetMyControlKeyFocus(reference, dialog, 1);
    ASSERT_EQ(GetMyControlKeyFocus(dialog), 1);
    bool handled = false;
    EXPECT_EQ(KeyInMyDialogControls(reference, dialog, kDownArrowCharCode, 0, &handled), 1);
    EXPECT_TRUE(handled);
    EXPECT_EQ(Selected(), 0);
    KeyInMyDialogControls(reference, dialog, 'd', 0, &handled);
    EXPECT_EQ(Selected(), 4);
    SetMyControlKeyFocus(reference, dialog, 0);
}

TEST_F(ListControls, TypeSelectMatchesTheStartOfARowWhateverItsCase) {
    // Typing "bl" within the pause picks Blueberry, not Banana.
    EXPECT_TRUE(KeyInMyControlList(reference, dialog, 1, 'B', 0));
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(KeyInMyControlList(reference, dialog, 1, 'l', 0));
    EXPECT_EQ(Selected(), 2);
}

TEST_F(ListControls, AClickSelectsTheRowUnderItAndASecondQuickOneIsADoubleClick) {
    const Point size = LGetCellSize(list);
    ASSERT_GT(size.v, 0);
    const Rect view = LGetView(list);
    const Point onThird{SInt16(view.top + size.v * 2 + size.v / 2), SInt16(view.left + 10)};
    PressDragRelease(onThird, onThird);
    EXPECT_EQ(TrackAMyDialogButton(reference, dialog, nullptr, nullptr, At(1), onThird), 1);
    bool twice = true;
    EXPECT_EQ(DoMyList(reference, dialog, 1, &twice), 2);
    EXPECT_FALSE(twice);
    PressDragRelease(onThird, onThird);
    TrackAMyDialogButton(reference, dialog, nullptr, nullptr, At(1), onThird);
    EXPECT_EQ(DoMyList(reference, dialog, 1, &twice), 2);
    EXPECT_TRUE(twice);
    EXPECT_EQ(Selected(), 2);
}

TEST_F(ListControls, TheWheelScrollsALongList) {
    for (int i = 0; i < 40; ++i) {
        Str255 text;
        SetPString(text, "Row " + std::to_string(i));
        AddItemToMyControlList(reference, dialog, 1, text);
    }
    EXPECT_EQ(LTopRow(list), 0);
    WheelInMyControlList(reference, dialog, 1, -3);
    EXPECT_EQ(LTopRow(list), 3);
    WheelInMyControlList(reference, dialog, 1, 10);
    EXPECT_EQ(LTopRow(list), 0);

    // The view's cells, and scrolling just far enough to show the selection, either way.
    Rect cells{};
    GeyMyControlListVisibleCells(reference, dialog, 1, &cells);
    const SInt16 shown = SInt16(cells.bottom - cells.top);
    EXPECT_EQ(cells.top, 0);
    EXPECT_GT(shown, 1);
    EXPECT_EQ(cells.right, 1);
    LSetSelect(true, Cell{30, 0}, list);
    MyControlListAutoScroll(reference, dialog, 1);
    GeyMyControlListVisibleCells(reference, dialog, 1, &cells);
    EXPECT_EQ(cells.bottom, 31) << "the selected row is the last shown";
    LSetSelect(false, Cell{30, 0}, list);
    LSetSelect(true, Cell{2, 0}, list);
    MyControlListAutoScroll(reference, dialog, 1);
    GeyMyControlListVisibleCells(reference, dialog, 1, &cells);
    EXPECT_EQ(cells.top, 2) << "the selected row is the first shown";
    MyControlListAutoScroll(reference, dialog, 1);
    GeyMyControlListVisibleCells(reference, dialog, 1, &cells);
    EXPECT_EQ(cells.top, 2) << "already in view: nothing moves";
}

TEST_F(ListControls, APopupShowsAMenuAndMovesItsCheckMark) {
    SetMyControlKind(reference, dialog, 2, kMyPopup, 0);
    MenuRef menu = nullptr;
    ASSERT_EQ(CreateNewMenu(3300, 0, &menu), noErr);
    for (const char* name : kFruit) {
        Str255 text;
        SetPString(text, name);
        AppendMenuItemText(menu, text);
    }
    At(2)->object = menu;
    At(2)->minimum = 3300;
    SetMyControlPopupChoice(reference, dialog, At(2), 2);
    EXPECT_NE(GetItemMark(menu, 2), 0);
    SetMyControlPopupChoice(reference, dialog, At(2), 4);
    EXPECT_EQ(GetItemMark(menu, 2), 0);
    EXPECT_NE(GetItemMark(menu, 4), 0);
    Str255 text;
    GetMyControlPopupText(reference, At(2), 4, text);
    EXPECT_EQ(PStringView(text), "Cherry");
    // Clicking shows the menu; the item chosen there becomes the choice.
    AnswerNextPopUpMenu(5);
    PressDragRelease(Point{150, 40}, Point{150, 40});
    EXPECT_EQ(TrackAMyDialogButton(reference, dialog, nullptr, nullptr, At(2), Point{150, 40}), 1);
    EXPECT_EQ(DoMyPopup(reference, dialog, 2), 5);
    EXPECT_EQ(GetItemMark(menu, 4), 0);
    EXPECT_NE(GetItemMark(menu, 5), 0);
}

} // namespace
