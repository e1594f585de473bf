// Putting the globals of the foundation back to their start values; a global added to the subsystem gets its
// line here.
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

#include <algorithm>
#include <iterator>
#include <string>

void ResetFoundationGlobals() {
    SetPendingCallObserver(nullptr);
    std::fill(std::begin(gOVPaths), std::end(gOVPaths), std::string{});
    sFiltered = false;
    gInMovableModal = false;
    scrapDirty = false;
    gDontDisplayErrorMessages = 0;
    gColorOK = 0;
    gMoviesOK = 0;
    gFloatingWindowsOK = 0;
    gOSXOK = 0;
    gMBarHidden = false;
    cursorSet = -1;
    gDontInterruptPopup = false;
    gColorsCustom = false;
    gInvisible = -1;
    std::fill(std::begin(gGlobalFindGetFilename), std::end(gGlobalFindGetFilename), UInt8{});
    savelastitem = 0;
    savelasttick = 0;
    gPortCount = 0;
    // The script's measures are the previous script's until disposed: a later script would be paced by them.
    for (Handle* measure : {&myWordLineArray, &mySyllableArray}) {
        if (*measure) DisposeHandle(*measure);
        *measure = nullptr;
    }
    gTotalWords = 0;
    gTotalLines = -1;
    gTotalSyllables = 0;
    gSyllableArrayCustom = false;
}
