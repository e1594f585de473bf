// The edit window: the script edited in its own window beside the prompter, optionally breaking its
// lines where the prompter does, with the offsets of its text mapped to the script's.
#include "scroll/edit_window.h"

#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/window_settings.h"
#include "shell/mode_steps.h"
#include "shell/mode_switching.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "textengine/text_engine.h"

WEReference EditWEHandle = nullptr;

namespace {

constexpr SInt16 kEditWindowID = 129;
constexpr SInt16 kEditTextLeftInset = 2;
constexpr SInt16 kBarWidth = 15;
// How long a control-click waits for the mouse to move before it counts as a click.
constexpr UInt32 kDragWaitTicks = 60;
enum : SInt16 {
    kUpArrowPart = 20,
    kDownArrowPart = 21,
    kPageUpPart = 22,
    kPageDownPart = 23,
    kThumbPart = 129
};

Rect DefaultEditPlace() {
    Rect r = GetDeviceBounds(GetMainDevice());
    r.left = SInt16(r.left + 10);
    r.right = SInt16(r.right - 115);
    r.top = SInt16(r.top + GetMenuBarHeight() + 32);
    r.bottom = SInt16(r.bottom - 94);
    return r;
}

TextFormatBlock EditFormat() {
    return GetPref(gThePreferences, kPrefEditFormat);
}

const TextWindowKind kEditKind{kEditWindowID, kEditWindowReference,
                               kPlaceEdit,    DefaultEditPlace,
                               EditFormat,    kEditTextLeftInset,
                               true,          true,
                               false,         true,
                               true,          false};

bool BreaksLikePrompter() {
    return GetPref(gThePreferences, kPrefEditFollowsPrompterLines) != 0;
}

SInt16 BarPart(const TextWindow& tw, const Rect& bar, Point point) {
    if (point.v < bar.top + kBarWidth) return kUpArrowPart;
    if (point.v >= bar.bottom - kBarWidth) return kDownArrowPart;
    const Rect& thumb = tw.barControl.thumb;
    if (!EmptyRect(&thumb) && point.v < thumb.top) return kPageUpPart;
    if (!EmptyRect(&thumb) && point.v >= thumb.bottom) return kPageDownPart;
    return kThumbPart;
}

} // namespace

TextWindow gEditView{&kEditKind, &myEditWindow, &myEditDevice, &EditWEHandle};

// A click in a text window's scroll bar: the thumb follows the mouse, the arrows and the track step while
// the button is held, faster the longer it is.
void TextWindowBarClick(TextWindow& tw, Point point, ScrollBarGlue glue) {
    const Rect bar = TextWindowScrollBarRect(tw);
    const SInt16 part = BarPart(tw, bar, point);
    if (part == kThumbPart) {
        ScrollLiveScroll(&tw.bar, &bar, point.v, glue);
        DrawTextWindowScrollBar(tw);
        return;
    }
    do
        MyLiveScrollProc(tw.kind->reference, part);
    while (StillDown());
}

void OpenTextEditWindow() {
    if (!OpenTextWindow(gEditView)) return;
    CreateWindowName(1);
}

void CloseEditWindow(SInt16 flag) {
    if (!myEditWindow) return;
    if (gTextHasChanged) GetNewText(0);
    CloseTextWindow(gEditView, flag != 0);
}

bool PutEditTextInBox() {
    return FillTextWindow(gEditView, BreaksLikePrompter()) && (UpdateEditWindow(), true);
}

void UpdateEditWindow() {
    UpdateTextWindow(gEditView);
}

void NewEditWindowSize(SInt16, SInt16) {
    NewTextWindowSize(gEditView);
}

void SetEditWindowTextRect() {
    SetTextWindowTextRect(gEditView);
}

void SetEditSpacing() {
    SetTextWindowSpacing(gEditView);
}

void EditRecalText() {
    TextWindowRecalText(gEditView);
}

void SetEditWindowScrolls() {
    SetTextWindowScrolls(gEditView);
}

void GetCurrentEditPos() {
    GetTextWindowPos(gEditView, true);
    DrawTextWindowScrollBar(gEditView);
}

void EditScrollThisMuch(SInt32 pixels) {
    TextWindowScrollThisMuch(gEditView, pixels, true);
    if (GetPref(gThePreferences, kPrefPrompterFollowsEdit)) SyncScrollToEdit();
}

void EditScrollToCharacter(SInt32 offset) {
    TextWindowScrollToCharacter(gEditView, offset, 0, true);
}

void VEditScrollGlue(SInt16 newValue, SInt16 oldValue) {
    if (newValue == oldValue || !EditWEHandle) return;
    const SInt32 change = SInt32((SInt32(newValue) - oldValue) * gEditView.divisor);
    TextWindowScrollThisMuch(gEditView, -change, false);
    if (GetPref(gThePreferences, kPrefPrompterFollowsEdit)) SyncScrollToEdit();
}

SInt32 GetEditZeroPositionCharacter() {
    return TextWindowZeroPositionCharacter(gEditView);
}

SInt32 GetEditMiddleofScreenCharacter(SInt16 v) {
    return TextWindowMiddleCharacter(gEditView, v);
}

void SaveEditPositionandReset() {
    SaveTextWindowPositionAndReset(gEditView);
}

void RestoreEditPosition() {
    RestoreTextWindowPosition(gEditView);
}

// The edit window's offsets are mapped to the script's before the prompter is moved: the prompter does
// not hold the added returns.
void SyncScrollToEdit() {
    if (!EditWEHandle || !ScrollWEHandle) return;
    ScrollScrollToCharacter(GetRealEditPosition(GetEditZeroPositionCharacter()), 1);
}

void SetEditWindowBackColor(const RGBColor& color) {
    if (!myEditWindow) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myEditWindow));
    RGBBackColor(&color);
    Rect bounds;
    GetPortBounds(GetWindowPort(myEditWindow), &bounds);
    EraseRect(&bounds);
    SetPort(saved);
    UpdateEditWindow();
}

bool DragEditRect(SInt16 startV, bool waitFirst) {
    if (!EditWEHandle || !myEditWindow) return false;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myEditWindow));
    SInt16 lastV = startV;
    Point mouse{};
    if (waitFirst) {
        // A press held still for a second, or let go, is a click and not a drag.
        GetMouse(&mouse);
        const Point start = mouse;
        const UInt32 until = TickCount() + kDragWaitTicks;
        for (;;) {
            if (!StillDown()) {
                geeMouseIsDown = false;
                SetPort(saved);
                return false;
            }
            GetMouse(&mouse);
            if (mouse.v != start.v || mouse.h != start.h) break;
            if (TickCount() >= until) {
                SetPort(saved);
                return false;
            }
        }
        EditScrollThisMuch(mouse.v - lastV);
        lastV = mouse.v;
    }
    // The text follows the mouse: dragged down, it moves towards its start.
    while (StillDown()) {
        GetMouse(&mouse);
        if (mouse.v == lastV) continue;
        EditScrollThisMuch(mouse.v - lastV);
        lastV = mouse.v;
    }
    SetPort(saved);
    return true;
}

void EditWindowClick(Point point, UInt16 modifiers, bool secondary) {
    if (!myEditWindow) return;
    Rect bounds;
    GetPortBounds(GetWindowPort(myEditWindow), &bounds);
    if (point.h >= bounds.right - kBarWidth) {
        if (point.v < bounds.bottom - kBarWidth) TextWindowBarClick(gEditView, point, VEditScrollGlue);
        return;
    }
    if (!EditWEHandle || !PtInRect(point, &gEditView.textRect)) return;
    const bool contextClick = secondary || (modifiers & controlKey) != 0;
    if (contextClick && GetPref(gThePreferences, kPrefAllowHandTool) != 0) {
        if (DragEditRect(point.v, true)) return;
        if (gEditOn)
            DoTextPopup(point, SInt16(modifiers), TickCount(), myEditWindow, geeMouseIsDown);
        else
            DragEditRect(point.v, false);
        return;
    }
    if (contextClick && gEditOn)
        return DoTextPopup(point, SInt16(modifiers), TickCount(), myEditWindow, geeMouseIsDown);
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myEditWindow));
    if (!gEditOn) {
        SetAutoScroll(EditWEHandle, 1);
        WEActivate(EditWEHandle);
    }
    // The text engine tracks the press: a caret, a word or a line by the click count, extended by the drag,
    // or the selection dragged elsewhere.
    WEClick(point, modifiers, TickCount(), EditWEHandle);
    SetPort(saved);
    EditRecalText();
    SetEditWindowScrolls();
    GetCurrentEditPos();
    if (GetPref(gThePreferences, kPrefPrompterFollowsEdit)) SyncScrollToEdit();
    geeMouseIsDown = false;
    if (!gEditOn) {
        SetAutoScroll(EditWEHandle, 0);
        WEDeactivate(EditWEHandle);
    }
}

SInt32 GetRealEditPosition(SInt32 offset) {
    return ViewToScriptOffset(gEditView.fakes, offset);
}

SInt32 SetRealEditPosition(SInt32 offset) {
    return ScriptToViewOffset(gEditView.fakes, offset);
}

// Callers adjust before or after the script itself is brought up to date, so its length is no bound here;
// KeepFakeReturnsInStep checks the list against both texts once the edit is done.
void AdjustFakeReturns(SInt32 offset, SInt32 delta) {
    ShiftFakeReturns(gEditView.fakes, offset, delta, 0x7FFFFFFF);
}

void ToggleEditWindowShortcut() {
    if (GetPref(gThePreferences, kPrefSeparateEditWindow) == 0 || !myEditWindow) {
        SetPref(gThePreferences, kPrefSeparateEditWindow, 1);
        gPrefsChanged = true;
        OpenTextEditWindow();
        PutEditTextInBox();
        if (gEditOn && EditWEHandle) SetAutoScroll(EditWEHandle, 1);
        return;
    }
    // Editing goes on in the prompter: edit mode is left and entered again around the close, and a
    // full-screen prompter comes back to its window first.
    const bool editing = gEditOn != 0;
    if (editing) StopEdit();
    SetPref(gThePreferences, kPrefSeparateEditWindow, 0);
    gPrefsChanged = true;
    CloseEditWindow(0);
    if (GetPref(gThePreferences, kPrefFullScreen)) {
        SetPref(gThePreferences, kPrefFullScreen, 0);
        SetScrollWindowToNormal();
    }
    if (myScrollWindow) {
        ShowWindow(myScrollWindow);
        SelectHideOtherWindow(myScrollWindow);
    }
    if (editing) StartEdit();
    if (gEditOn && ScrollWEHandle) SetAutoScroll(ScrollWEHandle, 1);
}
