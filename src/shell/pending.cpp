// What the shell offers the rest of the program before its own code is written, in the least form that
// is safe. Each definition moves to its own file when that code is built.
#include "shell/shell.h"

// ---- Start-up, the timer and the event handlers reach these before their own code exists ----

#include "foundation/app_paths.h"
#include "foundation/file_dialogs.h"
#include "macros/macro_services.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_control.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/about_box.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/file_opening.h"
#include "shell/input_dispatch.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"

// The per-second figures are not drawn yet; the switch exists for those who draw beside them.
#include "shell/periodic_timer.h"

// ---- Commands of the menus whose code is not written yet: each does nothing and says so ----

#include "shell/command_parts.h"
