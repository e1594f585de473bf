// What the scroll engine's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "scroll/scroll_engine.h"

#include "platform/drawing.h"

void UpdateInfoRect(SInt16, SInt16, SInt32) {}

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

bool gTextHasChanged = false;

void GetNewText(SInt16) {}

// No bookmarks or soft returns until the script's edit window keeps them, so offsets are the same in both.
void AdjustBookmarks(SInt32, SInt32, SInt32) {}

void AdjustFakeReturns(SInt32, SInt32) {}

SInt32 GetRealEditPosition(SInt32 offset) {
    return offset;
}

SInt32 SetRealEditPosition(SInt32 offset) {
    return offset;
}

// ---- Prompter drawing ----
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "prefs/prefs_fields.h"
#include "textengine/text_engine.h"


void GetCue() {}

// The text on the back colour, and through the offscreen world the way the output shows it; the cue,
// the strip and the background come with the prompter's drawing.
void UpdateScrollWindow() {
    if (!myScrollWindow || !ScrollWEHandle || !myScrollWindowAlias) return;
    GrafPtr saved;
    GetPort(&saved);
    const RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    CGrafPtr windowPort = GetWindowPort(myScrollWindow);
    SetPort(windowPort);
    RGBBackColor(&back);
    const Rect content = GetScrollWindowContent();
    EraseRect(&content);
    SetPort(myScrollWindowAlias);
    RGBBackColor(&back);
    WEUpdate(nullptr, ScrollWEHandle);
    if (myScrollWindowAlias != windowPort) {
        UInt8 transform = kCopyUpright;
        if (GetPref(gThePreferences, kPrefMirror)) transform |= kCopyMirrorBit;
        if (GetPref(gThePreferences, kPrefFlip)) transform = UInt8((transform ^ kCopyMirrorBit) | kCopyRotate180);
        Rect source{};
        GetPortBounds(myScrollWindowAlias, &source);
        SetPort(windowPort);
        CopyBitsTransformed(myScrollWindowAlias, windowPort, &source, &gScrollTextRect, transform);
    }
    QDFlushPortBuffer(windowPort, nullptr);
    SetPort(saved);
}

SInt32 GetScrollCuePositionCharacter(SInt16*) {
    return 0;
}

// The cue column's top as the upright layout places it; flip and rotation come with the cue's drawing.
SInt16 GetCueScrollRectPosition() {
    return SInt16(gCueRect.top - gScrollTextRect.top);
}

void SyncScrollMonitorToScroll() {}

void DrawScrollPicture(SInt16, SInt16) {}

// ---- Screens ----
#include "scroll/screens.h"

bool GetTotalDeviceRectForRect(const Rect* global, Rect* total, SInt16* count, Rect* rects) {
    Rect all{};
    SInt16 found = 0;
    bool mainAmong = false;
    for (GDHandle device = GetDeviceList(); device && global; device = GetNextDevice(device)) {
        const Rect bounds = GetDeviceBounds(device);
        Rect common{};
        if (!SectRect(&bounds, global, &common)) continue;
        if (found == 0)
            all = bounds;
        else
            UnionRect(&all, &bounds, &all);
        if (rects && found < kMaxScreenRects) rects[found] = bounds;
        ++found;
        mainAmong = mainAmong || device == GetMainDevice();
    }
    if (found == 0) {
        all = GetDeviceBounds(GetMainDevice());
        mainAmong = true;
        if (rects) rects[0] = all;
        found = 1;
    }
    if (total) *total = all;
    if (count) *count = SInt16(found < kMaxScreenRects ? found : kMaxScreenRects);
    return mainAmong;
}

bool IsRectWithinADeviceRect(const Rect* global) {
    if (!global) return false;
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device)) {
        const Rect bounds = GetDeviceBounds(device);
        Rect common{};
        if (SectRect(&bounds, global, &common)) return true;
    }
    return false;
}

void GetAllScreensBounds(Rect* out) {
    if (!out) return;
    *out = Rect{};
    bool first = true;
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device)) {
        const Rect bounds = GetAvailableBounds(device);
        if (first)
            *out = bounds;
        else
            UnionRect(out, &bounds, out);
        first = false;
    }
}

// The display keeps its mode until display modes are built.
void ChangeScreenResolution(GDHandle, const SInt32*, SInt16) {}

// ---- Window settings ----
#include "scroll/window_settings.h"

SInt16 SelectHideOtherWindow(WindowPtr window) {
    if (!window) return 0;
    SelectWindow(window);
    return 1;
}

bool RequiresOffscreens() {
    const PrefsRecord& p = gThePreferences;
    return GetPref(p, kPrefMirror) || GetPref(p, kPrefFlip) || GetPref(p, kPrefRotation) ||
           GetPref(p, kPrefBackgroundKind) || GetPref(p, kPrefOverlaysOn);
}

// ---- Pacing, pause and highlight ----
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"

double gScrollThis = 0;
SInt32 gTimer = 0;
SInt32 gDelayScroll = 0;

void PauseOn() {}
void PauseOff(SInt16) {
    SetPausedForTesting(false);
}
void HighlightLineAtCue(SInt16) {}
void HighlightWordAtCue(SInt16, SInt16) {}
void HighlightSpeedReading(SInt16, SInt16) {}

// ---- Edit window and bookmarks ----
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"

WEReference EditWEHandle = nullptr;
Handle gBookmarkList = nullptr;

void NewEditWindowSize(SInt16, SInt16) {}
void SetEditWindowTextRect() {}

// ---- The companion windows start-up and quit open and close ----

#include "scroll/edit_window.h"
#include "scroll/pause.h"
#include "scroll/tool_windows.h"

void OpenHideBackgroundWindow() {}
void CloseHideBackgroundWindow() {}
void OpenBookmarkWindow() {}
void CloseBookmarkWindow(SInt16) {}
void OpenToolbarWindow() {}
void CloseToolbarWindow(SInt16) {}
void UpdateToolbarWindow() {}
void CloseNonverbalWindow() {}
void CloseScrollMonitorWindow(SInt16) {}
void OpenTextEditWindow() {}
void CloseEditWindow(SInt16) {}
void UpdateEditWindow() {}

namespace {
bool gPausedForTesting = false;
} // namespace

void SetPausedForTesting(bool paused) {
    gPausedForTesting = paused;
}

bool IsPaused() {
    return gPausedForTesting;
}


// ---- Bookmark stops ----
#include "scroll/bookmarks.h"

SInt32 gPausedHere = -1;

namespace {
SInt32 gTestBookmarkDistance = kNoBookmarkAhead;
SInt32 gTestBookmarkOffset = -1;
} // namespace

void SetNextBookmarkForTesting(SInt32 distance, SInt32 offset) {
    gTestBookmarkDistance = distance;
    gTestBookmarkOffset = distance == kNoBookmarkAhead ? -1 : offset;
}

SInt32 GetDistanceToNextBookmark(SInt32* offset) {
    if (offset) *offset = gTestBookmarkOffset;
    return gTestBookmarkDistance;
}

// The reading character is the cue's until the reading position is drawn.
SInt32 GetScrollAdjustedCharacter() {
    return GetScrollCuePositionCharacter(0);
}

void UpdateCueMark() {}

// No bookmarks are kept yet, so no page follows.
SInt32 GetNextPage(SInt32, SInt32* line) {
    if (line) *line = -1;
    return -1;
}
