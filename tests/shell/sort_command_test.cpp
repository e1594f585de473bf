// The Sort command on the running program's script, played through its dialog as the user would: the
// sorted script, the choice kept in the preferences, the clipboard left alone, one undo step; Cancel
// changing nothing.
#include "program_fixture.h"

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/memory.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "prefs/prefs_record.h"
#include "scroll/scroll_engine.h"
#include "scroll/text_sorting.h"
#include "scroll/undo.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "textengine/text_engine.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Presses the items in turn, one on each pass of the modal loop that finds a dialog in front.
struct Presses {
    std::vector<SInt16> items;
    size_t next = 0;
    EventLoopTimerRef timer = nullptr;

    static void Look(EventLoopTimerRef timer, void* data) {
        auto* self = static_cast<Presses*>(data);
        DialogPtr dialog = GetDialogFromWindow(FrontWindow());
        if (dialog && IsWindowVisible(GetDialogWindow(dialog)) && self->next < self->items.size())
            PressDialogItem(dialog, self->items[self->next++]);
        if (self->next < self->items.size()) SetEventLoopTimerNextFireTime(timer, 0);
    }
    explicit Presses(std::vector<SInt16> pressed) : items(std::move(pressed)) {
        InstallEventLoopTimer(0, 0, Look, this, &timer);
    }
    ~Presses() { RemoveEventLoopTimer(timer); }
};

class SortCommand : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        ASSERT_EQ(gScrollOn, 0);
    }
    static std::string Script() {
        if (gTextHasChanged) GetNewText(0);
        return std::string(*myTextResource, size_t(GetHandleSize(myTextResource)));
    }
    static SInt32 Run(SInt16 menu, SInt16 item) {
        ConsistifyMenus();
        return DoCommand(MakeMenuCommand(menu, item));
    }
};

TEST_F(SortCommand, SortsTheScriptKeepsTheChoiceAndUndoesInOneStep) {
    const std::string kScript = "pear\rapple\rfig\rapple\r";
    UseScript(kScript);
    SetClipboardText("kept");
    gSortSpec = SortSpec{};
    gPrefsChanged = false;
    ASSERT_TRUE(IsMenuItemEnabled(GetMenuHandle(kTextTransformsMenuID), 7));
    {
        const Presses presses({15, 1}); // remove duplicates, then sort
        EXPECT_EQ(Run(kTextTransformsMenuID, 7), 0);
    }
    EXPECT_EQ(Script(), "apple\rfig\rpear\r");
    EXPECT_GE(WECountLines(ScrollWEHandle), 3) << "the sorted script is laid out again";
    EXPECT_EQ(gSortSpec.removeDuplicates, 1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefSortRemoveDuplicates), 1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefSortUnit), kSortParagraphs);
    EXPECT_TRUE(gPrefsChanged);
    std::string clipboard;
    EXPECT_TRUE(GetClipboardText(&clipboard));
    EXPECT_EQ(clipboard, "kept");
    EXPECT_EQ(gInModal, 0);
    EXPECT_EQ(GetDialogFromWindow(FrontWindow()), nullptr) << "the progress dialog is closed";

    EXPECT_EQ(Run(kEditMenuID, kUndoItem), 0);
    EXPECT_EQ(Script(), kScript);
}

TEST_F(SortCommand, CancelChangesNothing) {
    const std::string kScript = "b a c";
    UseScript(kScript);
    const SortSpec before = gSortSpec;
    {
        const Presses presses({5, 2}); // words, then cancel
        EXPECT_EQ(Run(kTextTransformsMenuID, 7), 0);
    }
    EXPECT_EQ(Script(), kScript);
    EXPECT_EQ(gSortSpec.unit, before.unit);
    EXPECT_EQ(gUndoAvailable, 0);
}

} // namespace
