// The Edit menu and its text submenus on the running program's script: each command's text, selection and
// bookmarks, and Undo bringing all three back; styled paste; the items greyed by the script's state.
#include "program_fixture.h"

#include "foundation/word_line_arrays.h"
#include "platform/clipboard.h"
#include "platform/drawing.h"
#include "platform/lists.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/windows.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "scroll/undo.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/edit_commands.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "support/prompter_text.h"
#include "textengine/text_engine.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using Ranges = std::vector<std::pair<SInt32, SInt32>>;

class EditCommands : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        ASSERT_EQ(gScrollOn, 0);
        ClearClipboard();
    }
    void TearDown() override {
        CleanUpBookmarkList(1);
        ProgramTest::TearDown();
    }
    static void Select(const Ranges& ranges) {
        WESetSelection(ranges[0].first, ranges[0].second, 0, ScrollWEHandle);
        for (size_t i = 1; i < ranges.size(); ++i)
            WESetSelection(ranges[i].first, ranges[i].second, 1, ScrollWEHandle);
    }
    static std::pair<SInt32, SInt32> Selection() {
        SInt32 start = 0, end = 0;
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        return {start, end};
    }
    static void SetSlots(const std::vector<SInt32>& slots) {
        CleanUpBookmarkList(1);
        for (size_t i = 0; i < slots.size(); ++i)
            if (slots[i] >= 0) SetBookmark(SInt16(i), slots[i], 0);
    }
    static std::vector<SInt32> Slots() {
        std::vector<SInt32> slots;
        for (SInt16 i = 0; i < gNumBookmarks; ++i)
            slots.push_back(GetBookmarkOffset(i));
        return slots;
    }
    static std::string Clipboard() {
        std::string text;
        return GetClipboardText(&text) ? text : "(none)";
    }
    static SInt32 Run(SInt16 menu, SInt16 item) {
        ConsistifyMenus();
        return DoCommand(MakeMenuCommand(menu, item));
    }
};

TEST_F(EditCommands, EachCommandMovesTextSelectionAndBookmarksAndUndoBringsThemBack) {
    const std::string kScript = "One two three four";
    const struct {
        const char* name;
        std::string script;
        Ranges selected;
        std::vector<SInt32> slots; // -1: an empty slot
        const char* clipboard;     // before the command; null leaves it empty
        SInt16 menu, item;
        std::string text;
        std::pair<SInt32, SInt32> selection; // {-1, -1}: not checked
        std::vector<SInt32> slotsAfter;
        const char* clipboardAfter;
        bool undoable;
    } cases[] = {
        {"cut",
         kScript,
         {{4, 8}},
         {5, -1, 14},
         nullptr,
         kEditMenuID,
         3,
         "One three four",
         {4, 4},
         {4, -1, 10},
         "two ",
         true},
        {"clear keeps the clipboard",
         kScript,
         {{4, 8}},
         {5, -1, 14},
         "keep",
         kEditMenuID,
         7,
         "One three four",
         {4, 4},
         {4, -1, 10},
         "keep",
         true},
        {"paste",
         kScript,
         {{4, 7}},
         {5, -1, 14},
         "XY",
         kEditMenuID,
         5,
         "One XY three four",
         {6, 6},
         {4, -1, 13},
         "XY",
         true},
        {"swap exchanges once",
         kScript,
         {{4, 7}},
         {5, -1, 14},
         "XY",
         kEditMenuID,
         6,
         "One XY three four",
         {-1, -1},
         {4, -1, 13},
         "two",
         true},
        {"copy changes nothing",
         kScript,
         {{4, 7}},
         {5, -1, 14},
         nullptr,
         kEditMenuID,
         4,
         kScript,
         {4, 7},
         {5, -1, 14},
         "two",
         false},
        {"select all",
         kScript,
         {{4, 7}},
         {5},
         nullptr,
         kEditMenuID,
         10,
         kScript,
         {0, 18},
         {5},
         "(none)",
         false},
        {"cut of two ranges moves each bookmark by what went before it",
         kScript,
         {{0, 4}, {8, 14}},
         {5, -1, 14},
         nullptr,
         kEditMenuID,
         3,
         "two four",
         {-1, -1},
         {1, -1, 4},
         nullptr,
         true},
        {"paste over the selection keeps the length",
         kScript,
         {{4, 7}, {8, 13}},
         {5, -1, 14},
         "XY",
         kPasteSpecialMenuID,
         3,
         "One XYX XYXYX four",
         {4, 7},
         {5, -1, 14},
         "XY",
         true},
        {"upper case",
         kScript,
         {{4, 7}},
         {5},
         nullptr,
         kTextTransformsMenuID,
         1,
         "One TWO three four",
         {4, 7},
         {5},
         "(none)",
         true},
        {"join lines keeps paragraph breaks",
         "a\rb\r\rc\rd",
         {{0, 0}},
         {6},
         nullptr,
         kTextTransformsMenuID,
         4,
         "a b\r\rc d",
         {0, 0},
         {6},
         "(none)",
         true},
        {"remove blank lines",
         "a\r\r\rb\nc",
         {{0, 0}},
         {4, 6},
         nullptr,
         kTextTransformsMenuID,
         5,
         "a\rb\rc",
         {0, 0},
         {2, 4},
         "(none)",
         true},
        {"plain characters",
         "caf\x8e\tx",
         {{0, 0}},
         {5},
         nullptr,
         kTextTransformsMenuID,
         6,
         "caf  x",
         {0, 0},
         {5},
         "(none)",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UseScript(c.script);
        SetSlots(c.slots);
        Str255 name;
        SetPString(name, "first");
        SetBookmarkName(0, name);
        ClearClipboard();
        if (c.clipboard) SetClipboardText(c.clipboard);
        Select(c.selected);

        EXPECT_EQ(Run(c.menu, c.item), 0);
        EXPECT_EQ(PrompterText(), c.text);
        ASSERT_NE(myTextResource, nullptr);
        EXPECT_EQ(std::string(*myTextResource, size_t(GetHandleSize(myTextResource))), c.text)
            << "the script follows its view";
        if (c.selection.first >= 0) {
            EXPECT_EQ(Selection(), c.selection);
        }
        EXPECT_EQ(Slots(), c.slotsAfter);
        if (c.clipboardAfter) {
            EXPECT_EQ(Clipboard(), c.clipboardAfter);
        }
        EXPECT_EQ(gUndoAvailable != 0, c.undoable);

        // Undo is greyed after a command that changed nothing.
        EXPECT_EQ(Run(kEditMenuID, kUndoItem), c.undoable ? 0 : -1);
        EXPECT_EQ(PrompterText(), c.undoable ? c.script : c.text) << "after undo";
        if (c.undoable) {
            EXPECT_EQ(Selection(), c.selected[0]) << "after undo";
        }
        EXPECT_EQ(Slots(), c.slots) << "after undo";
        ASSERT_NE(GetBookmarkName(0), nullptr) << "after undo";
        EXPECT_EQ(PStringView(GetBookmarkName(0)), "first");
        EXPECT_EQ(gUndoAvailable, 0);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(EditCommands, PastedTextKeepsItsStylesInTheScript) {
    UseScript("plain BOLD end");
    WESetSelection(6, 10, 0, ScrollWEHandle);
    // The prompter's own format is bold: italic marks the copied word.
    WETextStyle italic{};
    italic.face = 2;
    ASSERT_EQ(WESetStyle(weDoFace, &italic, ScrollWEHandle), noErr);
    Run(kEditMenuID, 4);
    WESetSelection(14, 14, 0, ScrollWEHandle);
    Run(kEditMenuID, 5);
    EXPECT_EQ(PrompterText(), "plain BOLD endBOLD");
    WERunInfo run;
    WEGetRunInfo(15, &run, ScrollWEHandle);
    EXPECT_EQ(run.style.style.face & 2, 2) << "the pasted word is italic";
    WEGetRunInfo(2, &run, ScrollWEHandle);
    EXPECT_EQ(run.style.style.face & 2, 0);

    // The script's own styles say the same once it is shown again from them.
    PutScrollTextInBox(false);
    WEGetRunInfo(15, &run, ScrollWEHandle);
    EXPECT_EQ(run.style.style.face & 2, 2);

    // Text only: the pasted word takes the style where it lands.
    WESetSelection(0, 0, 0, ScrollWEHandle);
    Run(kPasteSpecialMenuID, 2);
    EXPECT_EQ(PrompterText(), "BOLDplain BOLD endBOLD");
    WEGetRunInfo(1, &run, ScrollWEHandle);
    EXPECT_EQ(run.style.style.face & 2, 0);
}

TEST_F(EditCommands, ItemsAreGreyedBySelectionClipboardUndoAndMode) {
    UseScript("One two three four");
    const struct {
        const char* name;
        bool scrolling;
        bool selection;
        const char* clipboard;
        bool undo;
        bool cut, paste, selectAll, undoItem;
    } cases[] = {
        {"nothing selected, empty clipboard", false, false, nullptr, false, false, false, true, false},
        {"a selection", false, true, nullptr, false, true, false, true, false},
        {"text on the clipboard, after an edit", false, false, "XY", true, false, true, true, true},
        {"scrolling", true, true, "XY", false, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.scrolling && gScrollOn == 0) StartScroll(1);
        if (!c.scrolling && gScrollOn != 0) StartEdit();
        ClearClipboard();
        if (c.clipboard) SetClipboardText(c.clipboard);
        WESetSelection(0, c.selection ? 3 : 0, 0, ScrollWEHandle);
        gUndoAvailable = c.undo ? 11 : 0;
        curEvent.modifiers = 0;
        ConsistifyMenus();
        MenuRef edit = GetMenuHandle(kEditMenuID);
        for (MenuItemIndex item : {3, 4, 7})
            EXPECT_EQ(IsMenuItemEnabled(edit, item), c.cut) << "item " << item;
        for (MenuItemIndex item : {5, 6})
            EXPECT_EQ(IsMenuItemEnabled(edit, item), c.paste) << "item " << item;
        EXPECT_EQ(IsMenuItemEnabled(edit, 10), c.selectAll);
        EXPECT_EQ(IsMenuItemEnabled(edit, kUndoItem), c.undoItem);
        EXPECT_EQ(IsMenuItemEnabled(GetMenuHandle(kCopySpecialMenuID), 1), c.cut);
        EXPECT_EQ(IsMenuItemEnabled(GetMenuHandle(kTextTransformsMenuID), 7),
                  IsMenuItemEnabled(GetMenuHandle(kTextTransformsMenuID), 6))
            << "sort is greyed as the other transforms are";
        // A greyed command does nothing when it comes by its key.
        if (!c.cut) {
            EXPECT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, 3)), -1);
        }
    }
}

TEST_F(EditCommands, RepeatRunsTheLastCommandAgainButNeverItself) {
    UseScript("abcdef");
    WESetSelection(0, 2, 0, ScrollWEHandle);
    Run(kEditMenuID, kClearItem);
    EXPECT_EQ(PrompterText(), "cdef");
    WESetSelection(0, 2, 0, ScrollWEHandle);
    curEvent.modifiers = shiftKey;
    Run(kEditMenuID, kUndoItem);
    EXPECT_EQ(PrompterText(), "ef") << "clear again";
    EXPECT_TRUE(RecordedErrorMessages().empty());

    // The menu greys the item then; only a macro forcing the command reaches it.
    gLasttheMenu = kEditMenuID;
    gLasttheItem = kUndoItem;
    DoEditCommand(kEditMenuID, kUndoItem);
    curEvent.modifiers = 0;
    EXPECT_EQ(PrompterText(), "ef");
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "oh oh gonna repeat this forever");
}

TEST_F(EditCommands, AnEditThatWouldLoseRecordedTimingsAsksFirst) {
    UseScript("abcdef");
    const struct {
        SInt16 answer;
        const char* text;
        bool customAfter;
    } cases[] = {{1, "abcdef", true}, {2, "cdef", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        UseScript("abcdef");
        gSyllableArrayCustom = true;
        gAutoDialogAnswer = c.answer;
        WESetSelection(0, 2, 0, ScrollWEHandle);
        Run(kEditMenuID, kClearItem);
        EXPECT_EQ(PrompterText(), c.text);
        EXPECT_EQ(gSyllableArrayCustom, c.customAfter);
    }
    gAutoDialogAnswer = 0;
    gSyllableArrayCustom = false;
}

TEST_F(EditCommands, WithTheBookmarkListInFrontSelectionAndRemovalWorkOnItsRows) {
    UseScript("One two three four");
    SetSlots({0, 4, 8, 14});
    OpenBookmarkWindow();
    ASSERT_NE(BookmarkListHandle, nullptr);
    SelectWindow(myBookmarkWindow);
    // While the script is being edited the commands go to its text; while it scrolls, to the list.
    Run(kEditMenuID, 10);
    EXPECT_EQ(Selection(), (std::pair<SInt32, SInt32>{0, 18}));
    StartScroll(1);
    auto selectedRows = [] {
        std::vector<SInt16> rows;
        for (SInt16 row = 0; row < LCountRows(BookmarkListHandle); ++row) {
            Cell cell{row, 0};
            if (LGetSelect(false, &cell, BookmarkListHandle)) rows.push_back(row);
        }
        return rows;
    };
    Run(kEditMenuID, 10);
    EXPECT_EQ(selectedRows(), (std::vector<SInt16>{0, 1, 2, 3}));
    Run(kSelectionMenuID, 2);
    EXPECT_TRUE(selectedRows().empty());
    LSetSelect(true, Cell{1, 0}, BookmarkListHandle);
    Run(kSelectionMenuID, 3);
    EXPECT_EQ(selectedRows(), (std::vector<SInt16>{0, 2, 3}));
    LSetSelect(false, Cell{0, 0}, BookmarkListHandle);
    Run(kBookmarkToolsMenuID, 2);
    EXPECT_EQ(Slots(), (std::vector<SInt32>{0, 4})) << "rows 2 and 3 unset, the empty tail dropped";
    EXPECT_EQ(PrompterText(), "One two three four") << "the script is not the target";
    StopScroll();
    CloseBookmarkWindow(0);
}

// A stand-in edit window: a window of its own with a second text of the script, in front.
class EditCommandsWithEditWindow : public EditCommands {
  protected:
    void SetUp() override {
        EditCommands::SetUp();
        const Rect bounds{100, 100, 300, 400};
        Str255 title;
        SetPString(title, "Edit");
        myEditWindow = NewCWindow(nullptr, &bounds, title, true, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(myEditWindow, nullptr);
        SetPort(GetWindowPort(myEditWindow));
        LongRect rect;
        WESetLongRect(&rect, 0, 0, 300, 200);
        ASSERT_EQ(WENew(&rect, &rect, 0, &EditWEHandle), noErr);
    }
    void TearDown() override {
        if (EditWEHandle) WEDispose(EditWEHandle);
        EditWEHandle = nullptr;
        if (myEditWindow) DisposeWindow(myEditWindow);
        myEditWindow = nullptr;
        EditCommands::TearDown();
    }
    static void UseScriptInBoth(const std::string& script) {
        UseScript(script);
        WESetSelection(0, WEGetTextLength(EditWEHandle), 0, EditWEHandle);
        WEInsert(script.data(), SInt32(script.size()), nullptr, nullptr, EditWEHandle, 0);
    }
    static std::string EditText() {
        Handle text = WEGetText(EditWEHandle);
        return std::string(*text, size_t(WEGetTextLength(EditWEHandle)));
    }
};

TEST_F(EditCommandsWithEditWindow, BothViewsChangeAlikeAndTheClipboardIsTouchedOnce) {
    const struct {
        const char* name;
        bool editInFront;
        SInt16 item;
        const char* text;
        const char* clipboardAfter;
        SInt32 bookmarkAfter;
    } cases[] = {
        {"swap in the prompter", false, 6, "One XY three four", "two", 13},
        {"swap in the edit window", true, 6, "One XY three four", "two", 13},
        {"cut in the edit window", true, 3, "One  three four", "two", 11},
        {"paste in the edit window", true, 5, "One XY three four", "XY", 13},
        {"clear in the prompter", false, 7, "One  three four", "XY", 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UseScriptInBoth("One two three four");
        SetSlots({14});
        SetClipboardText("XY");
        WESetSelection(4, 7, 0, ScrollWEHandle);
        WESetSelection(4, 7, 0, EditWEHandle);
        SelectWindow(c.editInFront ? myEditWindow : myScrollWindow);
        ASSERT_EQ(FocusedTextView(), c.editInFront ? EditWEHandle : ScrollWEHandle);

        EXPECT_EQ(Run(kEditMenuID, c.item), 0);
        EXPECT_EQ(PrompterText(), c.text);
        EXPECT_EQ(EditText(), c.text);
        EXPECT_EQ(Clipboard(), c.clipboardAfter);
        EXPECT_EQ(Slots(), std::vector<SInt32>{c.bookmarkAfter});
    }
}

} // namespace
