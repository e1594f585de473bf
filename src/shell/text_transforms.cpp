// The text transforms of the Edit menu on the script: letter case over the selected ranges, and joining
// lines, removing blank lines and plain characters over the whole script, one character at a time so that
// every character keeps its style.
#include "shell/edit_commands.h"

#include "macros/macro_services.h"
#include "platform/memory.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/state_copies.h"
#include "scroll/undo.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <string>
#include <vector>

namespace {

enum : SInt16 {
    kUpperCase = 1,
    kSwapCase = 3,
    kJoinLines = 4,
    kRemoveBlankLines = 5,
    kPlainCharacters = 6,
    kSort = 7
};

// One character of the script replaced by another, or deleted (replacement 0).
struct CharacterEdit {
    SInt32 offset;
    char replacement;
};

std::vector<CharacterEdit> EditsFor(SInt16 item, const std::string& text) {
    std::vector<CharacterEdit> edits;
    const SInt32 length = SInt32(text.size());
    auto isReturn = [&](SInt32 i) { return i >= 0 && i < length && text[size_t(i)] == '\r'; };
    auto isLineEnd = [&](SInt32 i) {
        return i >= 0 && i < length && (text[size_t(i)] == '\r' || text[size_t(i)] == '\n');
    };
    for (SInt32 i = 0; i < length; ++i) {
        const UInt8 c = UInt8(text[size_t(i)]);
        switch (item) {
        case kJoinLines:
            // A paragraph break (two returns) stays.
            if (c == '\r' && !isReturn(i - 1) && !isReturn(i + 1)) edits.push_back({i, ' '});
            break;
        case kRemoveBlankLines:
            if (isLineEnd(i) && isLineEnd(i - 1))
                edits.push_back({i, 0});
            else if (c == '\n')
                edits.push_back({i, '\r'});
            break;
        case kPlainCharacters:
            if (c >= 128 || (c < 32 && c != '\r' && c != '\n')) edits.push_back({i, ' '});
            break;
        default:
            break;
        }
    }
    return edits;
}

void ApplyCharacterEdit(WEReference we, SInt32 offset, char replacement) {
    WESetSelection(offset, offset + 1, 0, we);
    if (replacement)
        WEInsert(&replacement, 1, nullptr, nullptr, we, 0);
    else
        WEDelete(we);
}

// From the end back, so that the offsets still to come stay true in both views.
void ApplyCharacterEdits(const std::vector<CharacterEdit>& edits) {
    const bool editOpen = EditWEHandle && myEditWindow;
    std::vector<WEReference> views{ScrollWEHandle};
    if (editOpen) views.push_back(EditWEHandle);
    for (WEReference we : views)
        WEFeatureFlag(weFInhibitRedraw, 1, we);
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        ApplyCharacterEdit(ScrollWEHandle, edit->offset, edit->replacement);
        if (editOpen) ApplyCharacterEdit(EditWEHandle, SetRealEditPosition(edit->offset), edit->replacement);
        if (!edit->replacement) {
            AdjustBookmarks(edit->offset, 0, 1);
            if (editOpen) AdjustFakeReturns(edit->offset, -1);
        }
    }
    for (WEReference we : views)
        WEFeatureFlag(weFInhibitRedraw, 0, we);
}

void ChangeCase(WEReference target, SInt16 mode) {
    if (target != ScrollWEHandle) {
        const ViewSelections edit = SaveViewSelections(EditWEHandle);
        ViewSelections real = edit;
        for (size_t i = 0; i < real.starts.size(); ++i) {
            real.starts[i] = GetRealEditPosition(real.starts[i]);
            real.ends[i] = GetRealEditPosition(real.ends[i]);
        }
        RestoreViewSelections(real, ScrollWEHandle);
    }
    WeSetCase(ScrollWEHandle, mode);
    if (EditWEHandle && myEditWindow) {
        ViewSelections shown = SaveViewSelections(ScrollWEHandle);
        for (size_t i = 0; i < shown.starts.size(); ++i) {
            shown.starts[i] = SetRealEditPosition(shown.starts[i]);
            shown.ends[i] = SetRealEditPosition(shown.ends[i]);
        }
        RestoreViewSelections(shown, EditWEHandle);
        WeSetCase(EditWEHandle, mode);
    }
}

} // namespace

SInt32 DoTextTransform(SInt16 item) {
    if (item == kSort) return DoSortCommand();
    if (item < kUpperCase || item > kPlainCharacters) return -1;
    if (gScrollOn && !gForceCommandFromMacro) StopScroll();
    const WEReference target = FocusedTextView();
    if (!target || !ScrollWEHandle) return -1;
    if (gTextHasChanged) GetNewText(0);
    if (!myTextResource || GetHandleSize(myTextResource) == 0) return 0;
    // Bookmarks are kept too: removing blank lines moves them.
    StoreUndoInfo(kUndoText | kUndoBookmarks | kUndoSelections);
    gDontQuitWithoutSaving = true;
    if (item <= kSwapCase) {
        ChangeCase(target, SInt16(item - kUpperCase));
    } else {
        const std::string text(*myTextResource, size_t(GetHandleSize(myTextResource)));
        const ViewSelections selections = SaveViewSelections(ScrollWEHandle);
        ApplyCharacterEdits(EditsFor(item, text));
        RestoreViewSelections(selections, ScrollWEHandle);
    }
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    gTextHasChanged = true;
    GetNewText(1);
    gReformatEditTextCount = 60;
    return 0;
}
