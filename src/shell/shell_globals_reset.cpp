// Putting the globals of the shell back to their start values: those of shell_globals.def, and
// what needs more than an assignment.
#include "shell/shell_globals_reset.h"

#include "foundation/file_dialogs.h"
#include "shell/command_parts.h"
#include "shell/context_popups.h"
#include "shell/desktop_events.h"
#include "shell/edit_commands.h"
#include "shell/event_handlers.h"
#include "shell/frame_clock.h"
#include "shell/input_dispatch.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/periodic_timer.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"
#include "shell/printing.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/scroll_tick.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "textengine/text_effect_globals.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <iterator>
#include <string>

// Globals that no header of the subsystem declares.
extern SInt32 thisloop;
extern SInt32 gThisTick;
extern SInt32 gLoopCount;
extern SInt32 gTickCounter;

void ResetShellGlobals() {
    FreeScrollBackups();
    ForgetFrameTicks();
    for (Handle* script : {&myTextResource, &myStyle}) {
        if (*script) DisposeHandle(*script);
        *script = nullptr;
    }
    if (gTextPopupMenuHdl) DisposeMenu(gTextPopupMenuHdl);
    Close_Printing();
    gPrefsWorking = gDefaultPreferences;
    gSampleString[0] = 0;
    ResetPrefsChoices();
    // Last, so that nothing above leaves a listed global away from its start value.
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "shell/shell_globals.def"
#undef GLOBAL
}
