// The update dispatcher. The windows are tried in a fixed order; the first that matches is drawn between
// BeginUpdate and EndUpdate, so that what was not uncovered keeps its pixels.
#include "shell/window_update.h"

#include "effects/shape_dialog.h"
#include "foundation/window_references.h"
#include "macros/macro_windows.h"
#include "media/media_windows.h"
#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_drawing.h"
#include "scroll/scroll_control.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/preferences_dialog.h"
#include "shell/shell_globals.h"
#include "texttools/text_tool_windows.h"

namespace {

void EraseContent(WindowPtr window) {
    Rect bounds;
    GetWindowBoundsNormalized(window, kWindowContentRgn, &bounds);
    EraseRect(&bounds);
}

void EraseAnd(WindowPtr window, void (*draw)()) {
    EraseContent(window);
    draw();
}

void EraseHideWindow(WindowPtr window) {
    const RGBColor back = GetPref(gThePreferences, kPrefHideBackgroundColor);
    RGBBackColor(&back);
    EraseContent(window);
}

void PaintCueLight(WindowPtr window) {
    Rect bounds;
    GetPortBounds(GetWindowPort(window), &bounds);
    RGBColor light, ink;
    GetBackColor(&light);
    GetForeColor(&ink);
    RGBForeColor(&light);
    PaintRect(&bounds);
    RGBForeColor(&ink);
}

// Draws a window of the program with its port current; false when it is none of them.
bool DrawProgramWindow(WindowPtr window) {
    if (window == myScrollWindow) {
        EraseAnd(window, UpdateScrollWindow);
    } else if (window == myEditWindow) {
        EraseAnd(window, UpdateEditWindow);
    } else if (window == myHideWindow) {
        EraseHideWindow(window);
    } else if (gScrollDialog && window == GetDialogWindow(gScrollDialog)) {
        DrawDialog(gScrollDialog);
    } else if (gPrefsDialog && window == GetDialogWindow(gPrefsDialog)) {
        DrawDialog(gPrefsDialog);
    } else if (window == myBookmarkWindow) {
        DrawBookmarkWindow();
    } else if (window == myHypertextWindow) {
        EraseAnd(window, UpdateHypertextWindow);
    } else if (window == hypertextDrawerWindow) {
        UpdateHypertextDrawer();
    } else if (window == myScrollMonitorWindow) {
        EraseAnd(window, UpdateScrollMonitorWindow);
    } else if (window == myNonverbalWindow) {
        EraseAnd(window, UpdateNonverbalWindow);
    } else if (window == myToolbarWindow) {
        EraseAnd(window, UpdateToolbarWindow);
    } else if (window == myMacroEditorWindow) {
        EraseAnd(window, UpdateMacroEditorWindow);
    } else if (window == myFunctionsWindow) {
        UpdateFunctionsWindow();
    } else if (window == myMacroMonitorWindow) {
        UpdateMacroMonitorWindow();
    } else if (gShapeDialog && window == GetDialogWindow(gShapeDialog)) {
        UpdateShapeDialog();
    } else if (window == myHelpWindow) {
        EraseAnd(window, UpdateHelpWindow);
    } else if (window == myTextMergeWindow) {
        UpdateTextMergeWindow();
    } else if (window == myMediaQueueWindow) {
        UpdateMediaQueueWindow();
    } else if (window == myKeyEquivWindow) {
        UpdateKeyEquivWindow();
    } else if (window == myCueLightWindow) {
        PaintCueLight(window);
    } else if (window == myColorChartWindow) {
        UpdateColorChartWindow();
    } else {
        return false;
    }
    return true;
}

} // namespace

void DoUpdate(WindowPtr window) {
    if (!window) return;
    GrafPtr savedPort;
    GetPort(&savedPort);
    SetPort(GetWindowPort(window));
    BeginUpdate(window);
    DrawProgramWindow(window);
    EndUpdate(window);
    SetPort(savedPort);
}
