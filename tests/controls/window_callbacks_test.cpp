// Per-window callbacks and their defaults, and the questions answered per window.
#include "controls/window_callbacks.h"

#include "controls/control_values.h"
#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

struct KeySeen {
    int calls = 0;
    EventRecord event{};
    WindowReference reference = 0;
    MyDialogHandle dialog = nullptr;
} gKeySeen;

void RecordKey(const EventRecord* event, WindowReference reference, MyDialogHandle dialog, SInt32) {
    ++gKeySeen.calls;
    gKeySeen.event = *event;
    gKeySeen.reference = reference;
    gKeySeen.dialog = dialog;
}

Rect gUserRect{};
bool gUserPressed = false;
void PaintUserItem(MyControlItem*, bool pressed, const Rect* rect) {
    gUserRect = *rect;
    gUserPressed = pressed;
    const RGBColor green{0, 0xFFFF, 0};
    RGBForeColor(&green);
    PaintRect(rect);
}

class WindowCallbacks : public ToolWindowFixture {
  protected:
    void TearDown() override {
        ClearMyWindowCallbacks(11);
        gFindReplaceDialog = nullptr;
        ToolWindowFixture::TearDown();
    }
};

TEST_F(WindowCallbacks, KeysReachTheWindowsOwnHandlerOnly) {
    Build(&myFindReplaceWindow, 11, ToolWindowLists());
    gFindReplaceDialog = dialog;
    gKeySeen = {};
    SendKeypressToWindow(window, 'a', 0);
    EXPECT_EQ(gKeySeen.calls, 0) << "no handler yet: ignored";
    SetMyWindowCallbacks(11, MyWindowCallbacks{RecordKey, nullptr, nullptr, nullptr});
    SendKeypressToWindow(window, 0xC9, shiftKey);
    ASSERT_EQ(gKeySeen.calls, 1);
    EXPECT_EQ(gKeySeen.event.what, keyDown);
    EXPECT_EQ(gKeySeen.event.message, 0xFFFFFFC9u) << "the character is sign-extended";
    EXPECT_EQ(gKeySeen.event.modifiers, shiftKey);
    EXPECT_EQ(gKeySeen.reference, 11);
    EXPECT_EQ(gKeySeen.dialog, dialog);
    SendKeypressToWindow(nullptr, 'a', 0);
    EXPECT_EQ(gKeySeen.calls, 1);
}

TEST_F(WindowCallbacks, UserItemsAreDrawnByTheirWindowAndFramedByTheLayer) {
    Build(&myFindReplaceWindow, 11, ToolWindowLists());
    SetMyWindowCallbacks(11, MyWindowCallbacks{nullptr, nullptr, PaintUserItem, nullptr});
    dialog->contentOffsetV = 5;
    DrawAMyDialogButton(reference, dialog, At(kSwatch), true, false);
    EXPECT_EQ(gUserRect, (Rect{125, 10, 145, 60})) << "moved by the content offset";
    EXPECT_TRUE(gUserPressed);
    EXPECT_EQ(Pixel(30, 135), kGreenPixel);
    EXPECT_EQ(Pixel(10, 135), kBlackPixel);
}

TEST_F(WindowCallbacks, WindowQuestionsAnswerForTheirWindowsAndDefaultElsewhere) {
    Build(&mySpirographWindow, 24, ToolWindowLists());
    gSpirographDialog = dialog;
    SetMyControlKind(reference, dialog, kNote, kMySlider, 0); // 380 wide: 360 positions
    const SInt32 maximum = 720, minimum = 0;
    SetMyControlValues(reference, dialog, At(kNote), nullptr, &maximum, &minimum);
    struct Case {
        const char* name;
        WindowPtr window;
        WindowReference id;
        bool hasDialog;
        double factor, low, high;
    } cases[] = {
        {"mandala editor", window, 24, true, 2.0, 0.0, 720.0},
        {"a window of no tool", nullptr, 1, false, 1.0, 0.0, 100.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetWindowIDFromWindow(c.window), c.id) << c.name;
        EXPECT_EQ(GetDialogControlsPerWindow(c.window) != nullptr, c.hasDialog) << c.name;
        double low = -1, high = -1;
        EXPECT_DOUBLE_EQ(GetSliderFactorByWindowandID(c.window, kNote, &low, &high), c.factor) << c.name;
        EXPECT_DOUBLE_EQ(low, c.low) << c.name;
        EXPECT_DOUBLE_EQ(high, c.high) << c.name;
    }
    Rect r{1, 2, 3, 4};
    GetMyControlRectbyWindowandID(window, kOK, &r);
    EXPECT_EQ(r, (Rect{10, 10, 30, 90}));
    r = Rect{1, 2, 3, 4};
    GetMyControlRectbyWindowandID(nullptr, kOK, &r);
    EXPECT_EQ(r, (Rect{1, 2, 3, 4})) << "an unlisted window leaves the rect alone";
    gSpirographDialog = nullptr;
    // The find and replace window is a tool window, but not one of those five.
    mySpirographWindow = nullptr;
    myFindReplaceWindow = window;
    EXPECT_EQ(GetWindowIDFromWindow(window), 1);
    myFindReplaceWindow = nullptr;
    mySpirographWindow = window;
}

SInt16 gStripEntry = -1;
void PaintStripEntry(SInt16 entry, const Rect* cell, bool) {
    gStripEntry = entry;
    const RGBColor blue{0, 0, 0xFFFF};
    RGBForeColor(&blue);
    PaintRect(cell);
}

TEST_F(WindowCallbacks, StripEntriesAreDrawnThenFramedRedWhenSelected) {
    TestWorld world(40, 20);
    const Rect cell{2, 2, 18, 38};
    DrawMyScrollingItemCallback(0x19001A, 3, &cell, true);
    EXPECT_EQ(world.At(10, 10), kWhitePixel) << "no drawer: nothing";
    SetMyStripEntryDrawer(0x19001A, PaintStripEntry);
    struct Case {
        bool selected;
        UInt32 frame;
    } cases[] = {{true, 0xFFDD0806}, {false, kBlackPixel}};
    for (const Case& c : cases) {
        DrawMyScrollingItemCallback(0x19001A, 3, &cell, c.selected);
        EXPECT_EQ(gStripEntry, 3);
        EXPECT_EQ(world.At(10, 10), kBluePixel);
        EXPECT_EQ(world.At(2, 2), c.frame);
    }
    SetMyStripEntryDrawer(0x19001A, nullptr);
}

} // namespace
