// What the scroll engine's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "scroll/scroll_engine.h"

#include "platform/drawing.h"
#include "platform/memory.h"
#include "scroll/prompter_window.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <cstring>

// The rectangle's frame only; the moving tab markers come with the prompter's tab stops.
void TrackActors(WindowPtr window, const Rect* rectangle) {
    if (!window || !rectangle) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(window));
    PenState pen;
    GetPenState(&pen);
    PenNormal();
    PenMode(patXor);
    FrameRect(rectangle);
    SetPenState(&pen);
    SetPort(saved);
}

bool GetColorDialog(SInt16, RGBColor*) {
    return false;
}

// No soft returns until the script's edit window keeps them, so offsets are the same in both.

void AdjustFakeReturns(SInt32, SInt32) {}

SInt32 GetRealEditPosition(SInt32 offset) {
    return offset;
}

SInt32 SetRealEditPosition(SInt32 offset) {
    return offset;
}

// ---- Prompter drawing ----
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

void SyncScrollMonitorToScroll() {}

// ---- Screens ----
#include "scroll/screens.h"

// The display keeps its mode until display modes are built.
void ChangeScreenResolution(GDHandle, const SInt32*, SInt16) {}

// ---- Window settings ----
#include "scroll/window_settings.h"

SInt16 SelectHideOtherWindow(WindowPtr window) {
    if (!window) return 0;
    SelectWindow(window);
    return 1;
}

// ---- Pacing and highlight ----
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"

double gScrollThis = 0;
SInt32 gTimer = 0;

// ---- Edit window and bookmarks ----
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"

WEReference EditWEHandle = nullptr;

void NewEditWindowSize(SInt16, SInt16) {}
void SetEditWindowTextRect() {}

// ---- The companion windows start-up and quit open and close ----

#include "scroll/edit_window.h"
#include "scroll/pause.h"
#include "scroll/tool_windows.h"

void OpenHideBackgroundWindow() {}
void CloseHideBackgroundWindow() {}
void OpenToolbarWindow() {}
void CloseToolbarWindow(SInt16) {}
void UpdateToolbarWindow() {}
void CloseNonverbalWindow() {}
void CloseScrollMonitorWindow(SInt16) {}
void OpenScrollMonitorWindow() {}
#include "scroll/pacing.h"
#include "scroll/prompter_window.h"
void GetNewWindowSize() {}
void GetFinishTime() {}
void PutScrollMonitorTextInBox() {}
void EditWindowAppendMenuItems(MenuRef) {}
void OpenTextEditWindow() {}
void CloseEditWindow(SInt16) {}
void UpdateEditWindow() {}

// ---- The bookmarks menu and the mark character dialog ----
#include "scroll/bookmarks.h"

UInt8 gBookmarkCharacter = 0xB5;
// Without the dialog the character already chosen stands; none chosen counts as a cancel.
bool GetMarkCharacter() {
    return gBookmarkCharacter != 0;
}
void SetBookmarkMenuItem(SInt32, SInt16, SInt16) {}

// Nothing is kept for Undo until snapshots exist.
void StoreUndoInfo(SInt16) {}

#include "scroll/tool_windows.h"
Handle myNonverbalText = nullptr;
Handle gNonverbalWordLineArray = nullptr;
SInt32 gTotalNonverbalWords = 0;
WEReference NonverbalWEHandle = nullptr;
bool PutNonverbalTextInBox() {
    return false;
}
void UpdateNonverbalWindow() {}

#include "scroll/edit_window.h"
void PutEditTextInBox() {}

#include "scroll/scroll_dialogs.h"

// Until the dialogs exist they are never open.
DialogPtr gSizeDialog = nullptr;
DialogPtr gSpacingDialog = nullptr;

#include "scroll/scroll_windows.h"

// Until these windows lay themselves out and close themselves: nothing to lay out, and closing leaves
// the window as it is.
void NewToolbarWindowSize(SInt16, SInt16) {}
void NewScrollMonitorWindowSize(SInt16, SInt16) {}
