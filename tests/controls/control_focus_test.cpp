// Keyboard focus among a tool window's items: Tab order, radio groups, Space, and the commit of an edit
// field that loses the focus.
#include "controls/control_focus.h"

#include "controls/control_drawing.h"
#include "controls/control_values.h"
#include "controls/window_callbacks.h"
#include "ebook/ebook_windows.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

class ControlFocus : public ToolWindowFixture {
  protected:
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11, ToolWindowLists());
        SetMyControlKind(reference, dialog, kOptions, kMyContainer, 0);
    }
    void TearDown() override {
        gHasfocus = nullptr;
        gHasfocusDialog = nullptr;
        ToolWindowFixture::TearDown();
    }
    SInt16 Key(UInt8 character, UInt16 modifiers = 0, bool* handled = nullptr) {
        return KeyInMyDialogControls(reference, dialog, character, modifiers, handled);
    }
    SInt16 Focus() { return GetMyControlKeyFocus(dialog); }
};

TEST_F(ControlFocus, TabWalksTheItemsThatTakeTheFocusAndWraps) {
    struct Case {
        const char* name;
        SInt16 checkedRadio; // 0: none
        bool backwards;
        std::vector<SInt16> order;
    } cases[] = {
        // Static text, colour boxes, lines and the disabled check box are passed over.
        {"forwards", 0, false, {kOK, kMirror, kLeft, kRight, kOptions, kLoop, kOK}},
        {"backwards", 0, true, {kLoop, kOptions, kRight, kLeft, kMirror, kOK, kLoop}},
        {"a group with a choice is one stop", kRight, false, {kOK, kMirror, kRight, kOptions, kLoop, kOK}},
    };
    for (const Case& c : cases) {
        SetMyControlKeyFocus(reference, dialog, 0);
        SetMyControlChecked(reference, nullptr, At(kLeft), c.checkedRadio == kLeft);
        SetMyControlChecked(reference, nullptr, At(kRight), c.checkedRadio == kRight);
        for (SInt16 want : c.order) {
            bool handled = false;
            Key(kTabCharCode, c.backwards ? shiftKey : 0, &handled);
            EXPECT_TRUE(handled);
            EXPECT_EQ(Focus(), want) << c.name;
        }
    }
    EXPECT_EQ(dialog->lockCount, 0);
}

TEST_F(ControlFocus, SpaceActsOnTheFocusedItemAndArrowsMoveInARadioGroup) {
    bool handled = true;
    EXPECT_EQ(Key(' ', 0, &handled), 0) << "no focus, nothing to act on";
    EXPECT_FALSE(handled);
    SetMyControlKeyFocus(reference, dialog, kMirror);
    EXPECT_EQ(Key(' ', 0, &handled), kMirror);
    EXPECT_TRUE(handled);
    SetMyControlKeyFocus(reference, dialog, kLeft);
    EXPECT_EQ(Key(kDownArrowCharCode), kRight);
    EXPECT_EQ(Focus(), kRight);
    EXPECT_EQ(Key(kRightArrowCharCode), kLeft) << "wraps within the group";
    EXPECT_EQ(Key(kUpArrowCharCode), kRight);
    EXPECT_EQ(Key('x', 0, &handled), 0);
    EXPECT_FALSE(handled);
    // Items that cannot take the focus are refused; hiding the focused item takes the focus away.
    SetMyControlKeyFocus(reference, dialog, kSpeedLabel);
    EXPECT_EQ(Focus(), kRight);
    SetMyControlKeyFocus(reference, dialog, kPad);
    EXPECT_EQ(Focus(), kRight);
    MyHideControl(reference, dialog, kRight, true);
    EXPECT_EQ(Focus(), 0);
}

int gCommits = 0;
SInt16 gCommittedItem = 0;
void CountCommit(MyDialogHandle, SInt16 item) {
    ++gCommits;
    gCommittedItem = item;
}

TEST_F(ControlFocus, AFieldLosingTheFocusIsCommittedByItsWindowOnly) {
    const std::vector<std::vector<UInt8>> lists = {
        ItemListBytes({Item(16, {10, 10, 30, 200}, "12"), Item(4, {40, 10, 60, 90}, "OK")})};
    struct Case {
        WindowPtr* window;
        WindowReference reference;
        int commits;
    } cases[] = {{&myFormatPalWindow, 14, 1}, {&myFindReplaceWindow, 11, 0}};
    SetMyWindowCallbacks(14, MyWindowCallbacks{nullptr, CountCommit, nullptr, nullptr});
    for (const Case& c : cases) {
        Close();
        Build(c.window, c.reference, lists);
        gCommits = 0;
        gCommittedItem = 0;
        SetMyControlKeyFocus(reference, dialog, 1);
        EXPECT_EQ(gCommits, 0);
        Key(kTabCharCode);
        EXPECT_EQ(Focus(), 2);
        EXPECT_EQ(gCommits, c.commits) << c.reference;
        EXPECT_EQ(gCommittedItem, c.commits ? 1 : 0);
    }
    ClearMyWindowCallbacks(14);
}

} // namespace
