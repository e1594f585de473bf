// Containers that collapse and expand, items hanging under other items, and moves that carry them along.
#include "controls/control_layout.h"

#include "controls/control_drawing.h"
#include "controls/control_values.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

class ControlLayout : public ToolWindowFixture {
  protected:
    // Options becomes an expanded container holding Loop and Pad; the note hangs under it.
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11, ToolWindowLists());
        SetMyControlKind(reference, dialog, kOptions, kMyContainer, 0);
        SetMyControlContainer(reference, dialog, kLoop, kOptions, kOptions, false);
        SetMyControlContainer(reference, dialog, kPad, kOptions, kLoop, false);
        SetMyControlExpanded(reference, dialog, kOptions, true);
        SetMyControlidabove(reference, dialog, kNote, kOptions);
    }
    bool Hidden(SInt16 item) { return At(item)->kind & kMyKindHidden; }
};

TEST_F(ControlLayout, HangingAnItemKeepsItsGapAndPlacesItUnderTheItemAbove) {
    EXPECT_EQ(At(kNote)->itemAbove, kOptions);
    EXPECT_EQ(At(kNote)->gap, 270 - 260);
    EXPECT_EQ(At(kNote)->rect, (Rect{260, 10, 276, 390}));
    EXPECT_FALSE(Hidden(kLoop));
    EXPECT_FALSE(Hidden(kPad));
}

TEST_F(ControlLayout, CollapsingHidesTheMembersAndPullsUpWhatHangsBelowAndExpandingUndoesIt) {
    RedrawAll();
    const std::string expandedLook = Snapshot(dialog->bounds);
    struct Step {
        bool expandedAfter;
        SInt16 noteTop;
    } steps[] = {{false, 186}, {true, 260}, {false, 186}, {true, 260}};
    for (const Step& s : steps) {
        EXPECT_EQ(DoMyExpand(reference, dialog, kOptions), s.expandedAfter ? 2 : 0);
        EXPECT_EQ(GetMyControlExpanded(At(kOptions)), s.expandedAfter ? 2 : 0);
        EXPECT_EQ(Hidden(kLoop), !s.expandedAfter);
        EXPECT_EQ(Hidden(kPad), !s.expandedAfter);
        EXPECT_EQ(At(kNote)->rect.top, s.noteTop);
        EXPECT_EQ(RectHeight(At(kNote)->rect), 16);
        // Members do not move; nothing else either.
        EXPECT_EQ(At(kLoop)->rect, (Rect{190, 20, 206, 200}));
        EXPECT_EQ(At(kMirror)->rect, (Rect{40, 10, 56, 150}));
    }
    // Collapsed, the window shows the second member nowhere: the note now ends above its place.
    DoMyExpand(reference, dialog, kOptions);
    RedrawAll();
    for (int v = 206; v < 226; ++v)
        EXPECT_EQ(Pixel(20, v), kWhitePixel) << v;
    DoMyExpand(reference, dialog, kOptions);
    RedrawAll();
    const std::string again = Snapshot(dialog->bounds);
    EXPECT_TRUE(again == expandedLook) << FirstDifference(again, expandedLook, dialog->bounds);
    EXPECT_EQ(dialog->lockCount, 0);
}

TEST_F(ControlLayout, MovingAnItemCarriesTheItemsUnderItAndItsMembers) {
    Rect moved = At(kOptions)->rect;
    OffsetRect(&moved, 30, 4);
    SetMyControlRect(reference, dialog, kOptions, &moved, true);
    EXPECT_EQ(At(kLoop)->rect, (Rect{194, 50, 210, 230}));
    EXPECT_EQ(At(kPad)->rect, (Rect{214, 50, 230, 230}));
    EXPECT_EQ(At(kNote)->rect, (Rect{264, 10, 280, 390})) << "the note hangs under it: it moves down only";
    // Growing it pushes the chain below it down; items of no chain stay.
    moved = At(kOptions)->rect;
    moved.bottom = SInt16(moved.bottom + 20);
    SetMyControlRect(reference, dialog, kOptions, &moved, false);
    EXPECT_EQ(At(kNote)->rect, (Rect{284, 10, 300, 390}));
    EXPECT_EQ(At(kMirror)->rect, (Rect{40, 10, 56, 150}));
}

TEST_F(ControlLayout, AnInactiveItemSitsItsGapBelowTheItemAbove) {
    SetMyControlInactive(reference, dialog, kNote, true);
    EXPECT_TRUE(At(kNote)->flags & kMyFlagInactive);
    EXPECT_EQ(At(kNote)->rect.bottom, 260 + 10);
    SetMyControlInactive(reference, dialog, kNote, false);
    EXPECT_EQ(At(kNote)->rect.top, 260 + 10);
}

} // namespace
