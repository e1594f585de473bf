// The Sort command on the script: the sort dialog, then the script sorted as chosen in the prompter's view
// with its styles, one undo step, the edit window refilled and the view back at the top.
#include "shell/edit_commands.h"

#include "macros/macro_services.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/text_sorting.h"
#include "scroll/undo.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <utility>

namespace {

void KeepSortSpecInPrefs(const SortSpec& spec) {
    const std::pair<PrefShort, UInt16> fields[] = {{kPrefSortUnit, spec.unit},
                                                   {kPrefSortKey, spec.key},
                                                   {kPrefSortOrder, spec.order},
                                                   {kPrefSortRemoveDuplicates, spec.removeDuplicates}};
    for (const auto& [field, value] : fields) {
        if (GetPref(gThePreferences, field) == SInt16(value)) continue;
        SetPref(gThePreferences, field, SInt16(value));
        gPrefsChanged = true;
    }
}

} // namespace

SInt32 DoSortCommand() {
    if (gScrollOn && !gForceCommandFromMacro) StopScroll();
    // The macro editor's and the help window's texts are sorted once those windows exist.
    const WEReference target = FocusedTextView();
    if (!target || !ScrollWEHandle) return -1;
    if (gTextHasChanged) GetNewText(0);
    if (!myTextResource || GetHandleSize(myTextResource) == 0) return 0;
    SortSpec spec = gSortSpec;
    SInt16 box = 0;
    DialogPtr progress = DoSortDialog(&spec, &box);
    if (!progress) return 0;
    gSortSpec = spec;
    KeepSortSpecInPrefs(spec);
    StoreUndoInfo(kUndoText | kUndoSelections);
    gDontQuitWithoutSaving = true;
    DoASort(spec, 0, myTextResource, ScrollWEHandle, progress, box);
    DisposeDialog(progress);
    // The lines were not worked out while the units went in.
    WECalText(ScrollWEHandle);
    ScrollRecalText();
    gTextHasChanged = true;
    GetNewText(1);
    if (myEditWindow && EditWEHandle) PutEditTextInBox();
    ScrollScrollToBeginning(0);
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    UpdateScrollWindow();
    return 0;
}
