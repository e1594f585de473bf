// The scroll monitor: a small window showing the script line for line as the prompter lays it out,
// unmirrored and in its own format, following the prompter's reading position while the text scrolls.
#include "scroll/edit_window.h"

#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

WEReference ScrollMonitorWEHandle = nullptr;

namespace {

constexpr SInt16 kScrollMonitorWindowID = 134;

// A 300 by 250 window near the main screen's top-left corner.
Rect DefaultMonitorPlace() {
    const Rect screen = GetDeviceBounds(GetMainDevice());
    const SInt16 top = SInt16(screen.top + GetMenuBarHeight() + 32);
    return Rect{top, SInt16(screen.left + 10), SInt16(top + 250), SInt16(screen.left + 310)};
}

TextFormatBlock MonitorFormat() {
    return GetPref(gThePreferences, kPrefScrollMonitorFormat);
}

const TextWindowKind kMonitorKind{kScrollMonitorWindowID,
                                  kScrollMonitorReference,
                                  kPlaceScrollMonitor,
                                  DefaultMonitorPlace,
                                  MonitorFormat,
                                  0,
                                  false,
                                  false,
                                  true,
                                  false,
                                  false,
                                  true};

} // namespace

TextWindow gScrollMonitorView{&kMonitorKind, &myScrollMonitorWindow, &myScrollMonitorDevice,
                              &ScrollMonitorWEHandle};

void OpenScrollMonitorWindow() {
    OpenTextWindow(gScrollMonitorView);
}

void CloseScrollMonitorWindow(SInt16 flag) {
    if (!myScrollMonitorWindow) return;
    CloseTextWindow(gScrollMonitorView, flag != 0);
}

bool PutScrollMonitorTextInBox() {
    if (!FillTextWindow(gScrollMonitorView, true, gAAAAddedForOverlays)) return false;
    SyncScrollMonitorToScroll();
    UpdateScrollMonitorWindow();
    return true;
}

void UpdateScrollMonitorWindow() {
    UpdateTextWindow(gScrollMonitorView);
}

void NewScrollMonitorWindowSize(SInt16, SInt16) {
    NewTextWindowSize(gScrollMonitorView);
    SyncScrollMonitorToScroll();
}

void SetScrollMonitorWindowColor() {
    if (!myScrollMonitorWindow || !ScrollMonitorWEHandle) return;
    NewTextWindowSize(gScrollMonitorView);
    if (GetPref(gThePreferences, kPrefUseScrollMonitor) && gScrollOn) SyncScrollMonitorToScroll();
}

SInt32 GetRealScrollMonitorPosition(SInt32 monitorOffset) {
    return ViewToScriptOffset(gScrollMonitorView.fakes, monitorOffset);
}

SInt32 SetRealScrollMonitorPosition(SInt32 prompterOffset) {
    return PrompterToMonitorOffset(gScrollMonitorView.fakes, gAAAAddedForOverlays, prompterOffset);
}

void ScrollMonitorScrollToCharacter(SInt32 offset, double fraction) {
    TextWindowScrollToCharacter(gScrollMonitorView, offset, fraction, false);
}

void ScrollMonitorScrollThisMuch(SInt32 pixels) {
    TextWindowScrollThisMuch(gScrollMonitorView, pixels, false);
}

// Called on every real move of the prompter: a few line lookups, nothing allocated.
void SyncScrollMonitorToScroll() {
    if (!myScrollMonitorWindow || !ScrollMonitorWEHandle || !ScrollWEHandle) return;
    const SInt32 top = GetScrollZeroPositionCharacter();
    const double fraction = GetScrollZeroPositionInLine(top);
    ScrollMonitorScrollToCharacter(SetRealScrollMonitorPosition(top), fraction);
}

void OpenScrollMonitorIfUsed() {
    if (!GetPref(gThePreferences, kPrefUseScrollMonitor)) return;
    OpenScrollMonitorWindow();
    PutScrollMonitorTextInBox();
    // The prompter keeps the keys and the front place while it scrolls.
    if (myScrollWindow) SelectWindow(myScrollWindow);
}

void ToggleScrollMonitorShortcut() {
    if (myScrollMonitorWindow) {
        CloseScrollMonitorWindow(0);
        SetPref(gThePreferences, kPrefUseScrollMonitor, 0);
        gPrefsChanged = true;
        return;
    }
    if (!gScrollOn) return;
    SetPref(gThePreferences, kPrefUseScrollMonitor, 1);
    gPrefsChanged = true;
    OpenScrollMonitorWindow();
    PutScrollMonitorTextInBox();
}

void ScrollMonitorClick(Point point) {
    if (!myScrollMonitorWindow) return;
    Rect bounds;
    GetPortBounds(GetWindowPort(myScrollMonitorWindow), &bounds);
    if (point.h < bounds.right - 15 || point.v >= bounds.bottom - 15) return;
    TextWindowBarClick(gScrollMonitorView, point, VScrollMonitorScrollGlue);
}

void VScrollMonitorScrollGlue(SInt16 newValue, SInt16 oldValue) {
    if (newValue == oldValue) return;
    TextWindowScrollThisMuch(gScrollMonitorView,
                             -SInt32((SInt32(newValue) - oldValue) * gScrollMonitorView.divisor), false);
}

TextViewFocus FocusedScriptTextView() {
    const WindowPtr front = FrontNonFloatingWindow();
    if (front && front == myEditWindow && EditWEHandle) return TextViewFocus::kEditWindow;
    if (front && front == myScrollMonitorWindow && ScrollMonitorWEHandle)
        return TextViewFocus::kScrollMonitor;
    if (ScrollWEHandle && (!front || front == myScrollWindow)) return TextViewFocus::kPrompter;
    return TextViewFocus::kNone;
}

WEReference TextViewOfFocus(TextViewFocus focus) {
    switch (focus) {
    case TextViewFocus::kPrompter:
        return ScrollWEHandle;
    case TextViewFocus::kEditWindow:
        return EditWEHandle;
    case TextViewFocus::kScrollMonitor:
        return ScrollMonitorWEHandle;
    default:
        return nullptr;
    }
}
