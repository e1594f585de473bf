// Putting the globals of the scroll engine back to their start values: those of scroll_globals.def, and
// what needs more than an assignment.
#include "scroll/scroll_globals_reset.h"
#include "scroll/style_code_dialog.h"

#include "scroll/background_picture.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/display_modes.h"
#include "scroll/edit_window.h"
#include "scroll/nonverbal_window.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rubber_band.h"
#include "scroll/scroll_control.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_step_drawing.h"
#include "scroll/tab_ruler.h"
#include "scroll/text_sorting.h"
#include "scroll/tool_windows.h"
#include "scroll/toolbar_window.h"
#include "scroll/undo.h"

#include "foundation/global_lists.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetScrollGlobals() {
    ForgetComposedFrame();
    ClearScrollState();
    ForgetSpecialAnswers();
    ForgetScreenMode();
    ResetPacingCaches();
    ResetTextWindow(gEditView);
    ResetTextWindow(gScrollMonitorView);
    // Last, so that nothing above leaves a listed global away from its start value.
#define GLOBAL(...) RESET_LISTED_GLOBAL(__VA_ARGS__)
#include "scroll/scroll_globals.def"
#undef GLOBAL
}
