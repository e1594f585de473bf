// Putting the globals of the foundation back to their start values: those of foundation_globals.def, and
// what needs more than an assignment.
#include "foundation/foundation_globals_reset.h"

#include "foundation/app_paths.h"
#include "foundation/cursors.h"
#include "foundation/dialog_filters.h"
#include "foundation/error_dialog.h"
#include "foundation/machine_features.h"
#include "foundation/menu_bar_and_menus.h"
#include "foundation/pending_calls.h"
#include "foundation/popup_items.h"
#include "foundation/program_colors.h"
#include "foundation/rle_pictures.h"
#include "foundation/text_import.h"
#include "foundation/three_d_items.h"
#include "foundation/window_references.h"
#include "foundation/word_line_arrays.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetFoundationGlobals() {
    SetPendingCallObserver(nullptr);
    // And the state the program's files keep to themselves.
    ResetFileState();
    // The script's measures are the previous script's until disposed: a later script would be paced by them.
    for (Handle* measure : {&myWordLineArray, &mySyllableArray}) {
        if (*measure) DisposeHandle(*measure);
        *measure = nullptr;
    }
    // Last, so that nothing above leaves a listed global away from its start value.
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "foundation/foundation_globals.def"
#undef GLOBAL
}
