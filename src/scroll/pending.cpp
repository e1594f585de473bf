// What the scroll engine's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "scroll/scroll_engine.h"

#include "platform/drawing.h"
#include "platform/memory.h"
#include "scroll/prompter_window.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <cstring>

// ---- Prompter drawing ----
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

// ---- Pacing and highlight ----
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"

// ---- The companion windows start-up and quit open and close ----

#include "scroll/pause.h"
#include "scroll/tool_windows.h"

// ---- The bookmarks menu ----
#include "scroll/bookmarks.h"

void SetBookmarkMenuItem(SInt32, SInt16, SInt16) {}

#include "scroll/scroll_windows.h"

// Until these windows lay themselves out and close themselves: nothing to lay out, and closing leaves
// the window as it is.
