// The Edit menu and its text submenus on the script: cut, copy, paste, swap and clear in both views with
// the clipboard touched once, select all, undo and repeat, the copy and paste variants, the selection
// commands, the bookmark tools and the text transforms.
#include "shell/edit_commands.h"

#include "foundation/error_dialog.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_services.h"
#include "platform/events.h"
#include "platform/lists.h"
#include "platform/memory.h"
#include "platform/windows.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/undo.h"
#include "scroll/window_dialogs.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr SInt32 kNotDone = -1;

constexpr SInt16 kPasteUnchangedCharacters = 4;
constexpr SInt16 kPasteWithoutStyles = 2;

// The saved ranges of one view, as the engine keeps them; freed when the edit is done.
struct SavedRanges {
    Handle starts = nullptr;
    Handle ends = nullptr;
    SInt32 count = 0;
    SavedRanges(WEReference we, bool toReal) { count = WESaveSelections(&starts, &ends, we, toReal); }
    ~SavedRanges() {
        if (starts) DisposeHandle(starts);
        if (ends) DisposeHandle(ends);
    }
    SavedRanges(const SavedRanges&) = delete;
    SavedRanges& operator=(const SavedRanges&) = delete;
    WESelectionField Starts() const { return {0, starts}; }
    WESelectionField Ends() const { return {0, ends}; }
    // Selects the ranges in another view, converted to its offsets when fromReal.
    void SelectIn(WEReference we, bool fromReal) const {
        if (count > 0) WERestoreSelections(count, Starts(), Ends(), we, 1, fromReal, false, false);
    }
};

bool EditWindowText() {
    return EditWEHandle && myEditWindow;
}

void PrompterChanged() {
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    gTextHasChanged = true;
}

// The one change in one view. The clipboard goes only to the view that should fill or read it.
SInt32 ApplyEdit(SInt16 item, WEReference we, bool useClipboard, SInt16 swapFlags) {
    SInt32 pasted = 0;
    switch (item) {
    case kCutItem:
        if (useClipboard)
            WECut(we);
        else
            WEDelete(we);
        break;
    case kPasteItem:
        WEPaste(we, &pasted, gCopyPasteMode);
        break;
    case kSwapClipboardItem:
        if (useClipboard)
            WESwap(we, &pasted, swapFlags);
        else
            WEPaste(we, &pasted, kPasteWithoutStyles);
        break;
    case kClearItem:
        WEDelete(we);
        break;
    default:
        break;
    }
    return pasted;
}

// Cut, paste, swap and clear on the script. The prompter's text is the script: the view in front changes
// first, the other follows with the same ranges, and the bookmarks and soft returns move with the text.
SInt32 EditScript(SInt16 item, WEReference target) {
    const bool keepsCharacters =
        (item == kPasteItem || item == kSwapClipboardItem) && (gCopyPasteMode & kPasteUnchangedCharacters);
    if (gSyllableArrayCustom && !keepsCharacters) {
        // Item 1 of the question keeps the times and cancels the command.
        if (DoEditCustomWarning(kCustomTimingDialogID)) return 0;
        gSyllableArrayCustom = false;
    }
    SuspendScroll();
    StoreUndoInfo(kUndoText | kUndoBookmarks | kUndoSelections);
    gDontQuitWithoutSaving = true;
    const bool editOpen = EditWindowText();
    SInt32 pasted = 0;
    if (target == ScrollWEHandle) {
        SavedRanges ranges(ScrollWEHandle, false);
        // With the edit window open the prompter takes a plain paste and the edit window makes the one
        // exchange with the clipboard.
        pasted =
            ApplyEdit(item, ScrollWEHandle, !(item == kSwapClipboardItem && editOpen), kPasteWithoutStyles);
        PrompterChanged();
        if (item == kPasteItem) gWaitToUpdateWordCount = 100;
        if (!keepsCharacters) {
            GetNewText(1);
            WEAdjustManyBookmarks(ranges.count, ranges.Starts(), ranges.Ends(), pasted, pasted, false);
        }
        if (editOpen) {
            ranges.SelectIn(EditWEHandle, true);
            ApplyEdit(item == kCutItem ? SInt16(kClearItem) : item, EditWEHandle, true, kPasteWithoutStyles);
            WEAdjustManyFakeReturns(ranges.count, ranges.Starts(), ranges.Ends(), pasted, pasted, false);
            gReformatEditTextCount = 300;
        }
    } else {
        SavedRanges ranges(EditWEHandle, true);
        pasted =
            ApplyEdit(item == kCutItem ? SInt16(kClearItem) : item, EditWEHandle, false, kPasteWithoutStyles);
        WEAdjustManyFakeReturns(ranges.count, ranges.Starts(), ranges.Ends(), pasted, pasted, false);
        // The prompter fills the clipboard, so that a cut takes the script's own characters without the
        // soft returns.
        ranges.SelectIn(ScrollWEHandle, false);
        ApplyEdit(item, ScrollWEHandle, true, kPasteWithoutStyles);
        PrompterChanged();
        GetNewText(1);
        WEAdjustManyBookmarks(ranges.count, ranges.Starts(), ranges.Ends(), pasted, pasted, false);
        gReformatEditTextCount = 300;
    }
    ResumeScroll();
    return 0;
}

SInt32 CopyScript(WEReference target) {
    if (target != ScrollWEHandle) {
        SavedRanges ranges(EditWEHandle, true);
        ranges.SelectIn(ScrollWEHandle, false);
    }
    WECopy(ScrollWEHandle, gCopyPasteMode);
    return 0;
}

ListHandle BookmarkListInFront() {
    // The list floats above the documents: it is in front whenever it is shown.
    return myBookmarkWindow && FrontWindow() == myBookmarkWindow ? BookmarkListHandle : nullptr;
}

// Every row of the list selected (select) or none, or each toggled (invert).
void SelectRows(ListHandle list, bool select, bool invert) {
    // The list keeps one row selected for a click; these commands reach every row.
    LSetSelFlags(lNoNilHilite, list);
    for (SInt16 row = 0; row < LCountRows(list); ++row) {
        Cell cell{row, 0};
        Cell found = cell;
        const bool selected = LGetSelect(false, &found, list);
        LSetSelect(invert ? !selected : select, cell, list);
    }
    LSetSelFlags(lOnlyOne | lNoNilHilite, list);
}

// The script's focused view first; the bookmark list's rows when no text has the focus.
SInt32 SelectAll(WEReference target) {
    if (ListHandle list = target ? nullptr : BookmarkListInFront()) {
        SelectRows(list, true, false);
        return 0;
    }
    // The engine hilites the new range as it sets it, so that what is shown and what is selected agree.
    if (target) WESetSelection(0, WEGetTextLength(target), 0, target);
    return 0;
}

SInt32 UndoOrRepeat() {
    if (!(curEvent.modifiers & shiftKey)) {
        RestoreUndoInfo();
        return 0;
    }
    if (gLasttheMenu == kEditMenuID && gLasttheItem == kUndoItem) {
        DoErrorMessageText("oh oh gonna repeat this forever");
        return 0;
    }
    if (gLasttheMenu == 0) return 0;
    ++gTrickingMenu;
    DoCommand(MakeMenuCommand(gLasttheMenu, gLasttheItem));
    --gTrickingMenu;
    return 0;
}

SInt32 EditMenuCommand(SInt16 item) {
    switch (item) {
    case kUndoItem:
        return UndoOrRepeat();
    case kCutItem:
    case kPasteItem:
    case kSwapClipboardItem:
    case kClearItem: {
        const WEReference target = FocusedTextView();
        return target ? EditScript(item, target) : kNotDone;
    }
    case kCopyItem: {
        const WEReference target = FocusedTextView();
        return target ? CopyScript(target) : kNotDone;
    }
    case kSelectAllItem:
        return SelectAll(FocusedTextView());
    default:
        return kNotDone;
    }
}

// A command of the Edit menu run with the copy and paste flags set for it.
SInt32 WithCopyPasteMode(SInt16 mode, SInt16 item) {
    gCopyPasteMode = mode;
    const SInt32 result = EditMenuCommand(item);
    gCopyPasteMode = 1;
    return result;
}

// Every selected range of the script is written over with the clipboard's text, repeated as often as the
// range needs: the script keeps its length, so bookmarks and soft returns stay where they are.
SInt32 PasteOverSelection() {
    if (gScrollOn && !gForceCommandFromMacro) StopScroll();
    const WEReference target = FocusedTextView();
    if (!target) return kNotDone;
    Handle paste = WEGetPasteText(1);
    const Size pasteLength = paste ? GetHandleSize(paste) : 0;
    if (pasteLength == 0) {
        if (paste) DisposeHandle(paste);
        return 0;
    }
    const std::string pattern(*paste, size_t(pasteLength));
    DisposeHandle(paste);
    if (target != ScrollWEHandle) {
        SavedRanges ranges(EditWEHandle, true);
        ranges.SelectIn(ScrollWEHandle, false);
    }
    StoreUndoInfo(kUndoText | kUndoSelections);
    gDontQuitWithoutSaving = true;
    const SInt32 count = std::max(WEGetNumberSelections(ScrollWEHandle), SInt32(1));
    std::vector<std::pair<SInt32, SInt32>> ranges;
    for (SInt32 i = 0; i < count; ++i) {
        SInt32 start = 0, end = 0;
        WEGetSelection(&start, &end, i, ScrollWEHandle);
        if (start < end) ranges.emplace_back(start, end);
    }
    for (const auto& [start, end] : ranges) {
        std::string text;
        while (SInt32(text.size()) < end - start)
            text += pattern;
        text.resize(size_t(end - start));
        WESetSelection(start, end, 0, ScrollWEHandle);
        WEInsert(text.data(), SInt32(text.size()), nullptr, nullptr, ScrollWEHandle, 0);
    }
    if (!ranges.empty()) WESetSelection(ranges[0].first, ranges[0].second, 0, ScrollWEHandle);
    PrompterChanged();
    GetNewText(1);
    if (EditWindowText()) PutEditTextInBox();
    return 0;
}

SInt32 PasteSpecial(SInt16 item) {
    static constexpr SInt16 kModes[] = {1, 2, 0, 4, 12, 17, 33};
    if (item == 3) return PasteOverSelection();
    if (item < 1) return kNotDone;
    if (item <= 7) return kModes[item - 1] ? WithCopyPasteMode(kModes[item - 1], kPasteItem) : kNotDone;
    return WithCopyPasteMode(SInt16((item - 7) * 256 + 1), kPasteItem);
}

// Every gap between the selected ranges, the tail included, becomes the selection; everything when
// nothing is selected.
void InvertSelection(WEReference we) {
    const SInt32 length = WEGetTextLength(we);
    const SInt32 count = std::max(WEGetNumberSelections(we), SInt32(1));
    std::vector<std::pair<SInt32, SInt32>> gaps;
    SInt32 from = 0;
    for (SInt32 i = 0; i < count; ++i) {
        SInt32 start = 0, end = 0;
        WEGetSelection(&start, &end, i, we);
        if (start == end) continue;
        if (start > from) gaps.emplace_back(from, start);
        from = std::max(from, end);
    }
    if (from < length) gaps.emplace_back(from, length);
    if (gaps.empty()) {
        WESetSelection(0, 0, 0, we);
        return;
    }
    ++gInhibitWEHiliting;
    WESetSelection(gaps[0].first, gaps[0].second, 0, we);
    for (size_t i = 1; i < gaps.size(); ++i)
        WESetSelection(gaps[i].first, gaps[i].second, 1, we);
    --gInhibitWEHiliting;
    WESetSelection(gaps[0].first, gaps[0].second, 4, we);
}

SInt32 SelectionCommand(SInt16 item) {
    const WEReference target = FocusedTextView();
    ListHandle list = target ? nullptr : BookmarkListInFront();
    switch (item) {
    case 1:
        return SelectAll(target);
    case 2:
        if (list)
            SelectRows(list, false, false);
        else if (target)
            WESetSelection(0, 0, 0, target);
        return 0;
    case 3:
        if (list)
            SelectRows(list, false, true);
        else if (target)
            InvertSelection(target);
        return 0;
    case 5:
        gSelectMultipleMode = gSelectMultipleMode ? 0 : 1;
        return 0;
    case 6:
        gSelectBlockMode = gSelectBlockMode ? 0 : 1;
        return 0;
    default:
        return kNotDone;
    }
}

SInt32 BookmarkTool(SInt16 item) {
    switch (item) {
    case 1:
        SetBookmark(-1, -1, 1);
        return 0;
    case 2:
        if (ListHandle list = BookmarkListInFront()) {
            // The rows are read first: emptying a slot can rebuild the list and lose its selection.
            std::vector<SInt16> rows;
            for (SInt16 row = 0; row < LCountRows(list); ++row) {
                Cell cell{row, 0};
                if (LGetSelect(false, &cell, list)) rows.push_back(row);
            }
            for (auto row = rows.rbegin(); row != rows.rend(); ++row)
                UnsetBookmark(*row);
        } else {
            UnsetBookmark(-1);
        }
        return 0;
    case 4: {
        if (gTextHasChanged) GetNewText(0);
        CleanUpBookmarkList(1);
        if (gBookmarkNames) DisposeHandle(gBookmarkNames);
        gBookmarkNames = nullptr;
        if (!myTextResource) return 0;
        const UInt8* text = reinterpret_cast<const UInt8*>(*myTextResource);
        const SInt32 length = SInt32(GetHandleSize(myTextResource));
        SInt16 slot = 0;
        for (SInt32 start = 0; start < length && slot < 0x7FFF;) {
            SInt32 end = start;
            while (end < length && text[end] != '\r' && text[end] != '\n')
                ++end;
            SInt32 first = start;
            while (first < end && (text[first] == ' ' || text[first] == '\t'))
                ++first;
            if (first < end) SetBookmark(slot++, first, 1);
            start = end + 1;
        }
        return 0;
    }
    default:
        return kNotDone;
    }
}

} // namespace

SInt32 DoTextTransform(SInt16 item);

SInt32 DoEditCommand(SInt16 menu, SInt16 item) {
    switch (menu) {
    case kEditMenuID:
        return EditMenuCommand(item);
    case kCopySpecialMenuID:
        return item == 1 || item == 2 ? WithCopyPasteMode(item, kCopyItem) : kNotDone;
    case kPasteSpecialMenuID:
        return PasteSpecial(item);
    case kSelectionMenuID:
        return SelectionCommand(item);
    case kBookmarkToolsMenuID:
        return BookmarkTool(item);
    case kTextTransformsMenuID:
        return DoTextTransform(item);
    default:
        return kNotDone;
    }
}
