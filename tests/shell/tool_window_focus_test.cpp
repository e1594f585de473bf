// Which window takes a typed key: a tool window whose edit field holds the keyboard focus takes it into
// that field, and a click in another window takes the focus away from the field.
#include "controls/control_focus.h"
#include "controls/edit_fields.h"
#include "controls/tool_window_items.h"
#include "shell/input_dispatch.h"
#include "texttools/text_tool_windows.h"

namespace {

constexpr SInt16 kFindReference = 11;
constexpr SInt16 kFindField = 1;

class ToolWindowFocus : public ToolWindowFixture {
  protected:
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, kFindReference,
              {ItemListBytes({Item(16, {20, 20, 40, 200}, ""), Item(4, {50, 20, 70, 100}, "Find")})});
        gFindReplaceDialog = dialog;
        SetMyControlEditText(reference, dialog, kFindField, "", 0, kMyEditText);
        SetMyControlKeyFocus(reference, dialog, kFindField);
    }
    void TearDown() override {
        gFindReplaceDialog = nullptr;
        if (other) DisposeWindow(other);
        ToolWindowFixture::TearDown();
    }
    std::string FieldText() {
        char buffer[256];
        SInt32 length = sizeof buffer, total = 0;
        if (GetMyControlEditText(reference, dialog, kFindField, 0, 0x7FFFFFFF, buffer, &length, &total) !=
            noErr)
            return "<none>";
        return std::string(buffer, size_t(length));
    }
    static void Type(char character) {
        PlatformEvent key{};
        key.kind = EventKind::KeyDown;
        key.charCode = UInt8(character);
        DoKeyDown(key);
    }
    static void ClickIn(WindowPtr target, Point at) {
        PostMouseEvent(target, EventKind::MouseUp, at, 0);
        PlatformEvent click{};
        click.kind = EventKind::MouseDown;
        click.window = target;
        click.localPoint = at;
        click.clickCount = 1;
        DoMouseDown(click);
        ProcessPendingEvents();
    }
    WindowPtr other = nullptr;
};

TEST_F(ToolWindowFocus, KeysGoToTheFocusedFieldUntilAClickElsewhereTakesTheFocus) {
    Type('a');
    Type('b');
    EXPECT_EQ(FieldText(), "ab");
    // A click in the field's own window leaves it the keys.
    ClickIn(window, Point{150, 300});
    ASSERT_EQ(gHasfocusDialog, dialog);
    Type('c');
    EXPECT_EQ(FieldText(), "abc");
    const Rect bounds{450, 100, 600, 400};
    other = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
    ClickIn(other, Point{20, 20});
    EXPECT_EQ(gHasfocus, nullptr);
    Type('d');
    EXPECT_EQ(FieldText(), "abc");
}

} // namespace
