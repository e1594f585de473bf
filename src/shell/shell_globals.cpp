// Definitions of the shell's shared globals.
#include "shell/shell_globals.h"

#include "foundation/global_lists.h"

#include "foundation/file_dialogs.h"
#include "shell/command_parts.h"
#include "shell/context_popups.h"
#include "shell/desktop_events.h"
#include "shell/edit_commands.h"
#include "shell/event_handlers.h"
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
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "textengine/text_effect_globals.h"

#include <string>
#include <vector>

WindowPtr myHideWindow = nullptr;
GDHandle myHideDevice = nullptr;

GWorldPtr gOffscreenScrollWindow = nullptr;
GWorldPtr gOffscreenExtraWindow = nullptr;
GWorldPtr gOffscreenNonverbalWindow = nullptr;
GWorldPtr gOffscreenExtraNonverbalWindow = nullptr;
GWorldPtr gOffscreenBlankWindow = nullptr;

ResFileRefNum gPatchResFile[kPatchResFileCount] = {kNoResFile, kNoResFile, kNoResFile, kNoResFile,
                                                   kNoResFile, kNoResFile, kNoResFile, kNoResFile,
                                                   kNoResFile, kNoResFile};

Handle myTextResource = nullptr;
Handle myStyle = nullptr;

SpeechChannelRecord* gChan = nullptr;
Ptr gSpeechBuffer = nullptr;

// The globals of the list in shell_globals.def.
#define GLOBAL(...) DEFINE_LISTED_GLOBAL(__VA_ARGS__)
#include "shell/shell_globals.def"
#undef GLOBAL
