// Following a click on an item with synthetic mouse input: a release outside does not act, and the item
// is left drawn as before.
#include "controls/control_drawing.h"

#include "controls/control_values.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

class ControlTracking : public ToolWindowFixture {
  protected:
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11, ToolWindowLists());
        SetMyControlKind(reference, dialog, kOptions, kMyContainer, 0);
        RedrawAll();
    }
    SInt16 Click(SInt16 item, Point from, Point to) {
        PressDragRelease(from, to);
        return TrackAMyDialogButton(reference, dialog, gHasfocus, nullptr, At(item), from);
    }
};

TEST_F(ControlTracking, OnlyAReleaseInsideActs) {
    struct Case {
        const char* name;
        SInt16 item;
        Point from, to;
        SInt16 want;
    } cases[] = {
        {"button, released inside", kOK, {20, 50}, {22, 60}, 1},
        {"button, released outside", kOK, {20, 50}, {120, 250}, 0},
        {"button, out and back in", kOK, {20, 50}, {25, 30}, 1},
        {"check box, released inside", kMirror, {48, 15}, {48, 100}, 1},
        {"radio, released outside", kRight, {88, 15}, {88, 180}, 0},
        {"disabled check box", kPad, {218, 25}, {218, 25}, 0},
        {"container's disclosure box", kOptions, {175, 16}, {176, 17}, 1},
        {"container's header beside the box", kOptions, {178, 100}, {178, 100}, 0},
    };
    const std::string before = Snapshot(dialog->bounds);
    for (const Case& c : cases) {
        EXPECT_EQ(Click(c.item, c.from, c.to), c.want) << c.name;
        const std::string after = Snapshot(dialog->bounds);
        EXPECT_TRUE(after == before) << c.name << ": " << FirstDifference(after, before, dialog->bounds);
    }
    // Tracking never toggles: the window does that after a hit.
    EXPECT_FALSE(GetMyControlChecked(At(kMirror)));
    EXPECT_EQ(dialog->lockCount, 0);
}

TEST_F(ControlTracking, HiddenAndInactiveItemsTakeNoClicks) {
    MyHideControl(reference, dialog, kOK, true);
    EXPECT_EQ(Click(kOK, {20, 50}, {20, 50}), 0);
    SetMyControlInactive(reference, dialog, kMirror, true);
    EXPECT_EQ(Click(kMirror, {48, 15}, {48, 15}), 0);
    EXPECT_EQ(TrackAMyDialogButton(reference, nullptr, nullptr, nullptr, At(kLeft), Point{68, 15}), 0);
    EXPECT_EQ(TrackAMyDialogButton(reference, dialog, nullptr, nullptr, nullptr, Point{68, 15}), 0);
}

} // namespace
