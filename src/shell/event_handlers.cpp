// The application's and the windows' event handlers: each event goes to the dispatcher or the window
// operation that owns it; what the program takes no interest in is passed on to the platform.
#include "shell/event_handlers.h"

#include "scroll/rubber_band.h"
#include "shell/window_update.h"

#include "foundation/cursors.h"
#include "macros/macro_services.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/about_box.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/menus.h"
#include "shell/preferences_dialog.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "shell/window_frames.h"
#include "textengine/text_engine.h"

#include <cstdio>
#include <string>
#include <vector>

WindowPtr gFocusWindowWhenDeactivated = nullptr;

namespace {

// An event nobody expects is a fault of the program, not something the user can act on: it goes to the
// log rather than into a message dialog.
void LogUnexpectedEvent(const char* what, const PlatformEvent& event) {
    std::fprintf(stderr, "Orvalis: %s (event kind %d)\n", what, int(event.kind));
}

void TakeModifiers(const PlatformEvent& event) {
    curEvent.modifiers = event.modifiers;
    curEvent.when = event.when;
}

OSStatus MouseMoved(const PlatformEvent& event) {
    if (inBackground) return eventNotHandledErr;
    WindowPtr front = FrontNonFloatingWindow();
    if (!front) return eventNotHandledErr;
    Rect content;
    if (GetWindowBounds(front, kWindowContentRgn, &content) != noErr) return eventNotHandledErr;
    const Point local{SInt16(event.globalPoint.v - content.top), SInt16(event.globalPoint.h - content.left)};
    AdjustCursor(front, event.modifiers, local);
    return noErr;
}

void ApplicationActivated() {
    inBackground = false;
    UpdateToolbarWindow();
    if (GetPref(gThePreferences, kPrefTimedMacrosOff) == 0) {
        gNextTimedMacroTime = GetNextTimedMacro(gTimedMacroName);
        UpdateMacroExecutingInfo(-1);
    }
}

// Closing the prompter closes the program: it is the program's main window, and the desktop offers no
// other place to quit from when the menu bar is hidden.
void WindowClosed(WindowPtr window) {
    if (window == myScrollWindow)
        HandleQuitApp();
    else
        DoGoAway(window);
}

// The text of a window that the user edits: the prompter's script while editing, and the edit window's.
WEReference EditableTextOf(WindowPtr window, GrafPtr* port) {
    if (window == myScrollWindow && gScrollOn == kScrollOff) {
        *port = myScrollWindowAlias;
        return ScrollWEHandle;
    }
    if (window == myEditWindow && myEditWindow && gScrollOn == kScrollOff) {
        *port = GetWindowPort(myEditWindow);
        return EditWEHandle;
    }
    return nullptr;
}

// A window that gets the focus gives it to its text, so the caret shows there while editing.
void FocusAcquired(WindowPtr window) {
    gFunctionsSearchHasFocus = false;
    if (gFocusWindowWhenDeactivated) {
        window = gFocusWindowWhenDeactivated;
        gFocusWindowWhenDeactivated = nullptr;
    }
    GrafPtr port = nullptr;
    WEReference text = EditableTextOf(window, &port);
    if (!text || !port || WEIsActive(text)) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(port);
    WEActivate(text);
    SetPort(saved);
}

// Drags over an editable text: the text shows where a drop would go and takes the drop.
OSStatus TextDragEvent(const PlatformEvent& event) {
    GrafPtr port = nullptr;
    WEReference text = EditableTextOf(event.window, &port);
    if (!text || !event.drag) return eventNotHandledErr;
    switch (event.kind) {
    case EventKind::DragEntered:
        WETrackDrag(2, event.drag, text);
        WETrackDrag(3, event.drag, text);
        return WECanAcceptDrag(event.drag, text) ? OSStatus(noErr) : OSStatus(eventNotHandledErr);
    case EventKind::DragMoved:
        WETrackDrag(3, event.drag, text);
        return WECanAcceptDrag(event.drag, text) ? OSStatus(noErr) : OSStatus(eventNotHandledErr);
    case EventKind::DragLeft:
        WETrackDrag(4, event.drag, text);
        return noErr;
    default:
        gNothingHappened = 0;
        WETrackDrag(4, event.drag, text);
        return WEReceiveDrag(event.drag, text) == noErr ? OSStatus(noErr) : OSStatus(eventNotHandledErr);
    }
}

// An input method's step types into the focused text: what it confirms as typing, what it still
// composes underlined, with the caret where the input method puts it.
OSStatus TextInputMethodEvent(const PlatformEvent& event) {
    GrafPtr port = nullptr;
    WEReference text = EditableTextOf(event.window, &port);
    const InputMethodText* step = event.inputMethod;
    if (!text || !step) return eventNotHandledErr;
    gNothingHappened = 0;
    std::vector<WEInputRange> ranges;
    for (const InputMethodRange& range : step->ranges)
        ranges.push_back({range.start, range.start + range.length, range.style});
    if (!step->preedit.empty()) ranges.push_back({step->caret, step->caret, 1});
    const std::string all = step->commit + step->preedit;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(port);
    WEUpdateInputArea(reinterpret_cast<const UInt8*>(all.data()), SInt32(all.size()),
                      SInt32(step->commit.size()), ranges.data(), SInt16(ranges.size()), text);
    SetPort(saved);
    return noErr;
}

} // namespace

void InstallWindowHandlers(WindowPtr window) {
    if (window) InstallWindowEventHandler(window, MyWindowEventHandler, nullptr);
}

OSStatus HandleCommandEvent(UInt32 commandID, MenuID menu, MenuItemIndex item) {
    curEvent.modifiers = GetCurrentKeyModifiers();
    ConsistifyMenus();
    gNothingHappened = 0;
    SInt32 result = 0;
    if (commandID == kCommandPreferences) {
        if (gScrollOn == kScrollOff) DoPreferences();
    } else if (commandID == kCommandAbout) {
        DoAbout(129);
    } else {
        result = DoCommand(MakeMenuCommand(menu, SInt16(item)));
    }
    geeMouseIsDown = false;
    return result == 0 ? OSStatus(noErr) : OSStatus(eventNotHandledErr);
}

OSStatus MyAppEventHandler(const PlatformEvent& event, void*) {
    switch (event.kind) {
    case EventKind::KeyDown:
    case EventKind::KeyRepeat:
        gNothingHappened = 0;
        if (gInModal != 0) return eventNotHandledErr;
        TakeModifiers(event);
        DoKeyDown(event);
        return noErr;
    case EventKind::KeyUp:
        gNothingHappened = 0;
        return gInModal == 0 ? OSStatus(noErr) : OSStatus(eventNotHandledErr);
    case EventKind::MouseMoved:
        gNothingHappened = 0;
        return MouseMoved(event);
    case EventKind::ApplicationActivated:
        gNothingHappened = 0;
        ApplicationActivated();
        return eventNotHandledErr;
    case EventKind::ApplicationDeactivated:
        gNothingHappened = 0;
        inBackground = true;
        return eventNotHandledErr;
    case EventKind::MouseUp: {
        // Every release ends what a press began: a moved mark or a rubber band keeps its result.
        EventRecord release;
        EventRecordFromPlatformEvent(event, &release);
        release.what = mouseUp;
        release.where = event.globalPoint;
        release.when = event.when;
        DoMouseUp(&release);
        return eventNotHandledErr;
    }
    case EventKind::MouseDown:
    case EventKind::MouseDragged:
    case EventKind::MouseWheel:
    case EventKind::DragEntered:
    case EventKind::DragMoved:
    case EventKind::DragLeft:
    case EventKind::DragDropped:
    case EventKind::InputMethod:
    case EventKind::WindowActivated:
    case EventKind::WindowDeactivated:
    case EventKind::WindowUpdate:
    case EventKind::WindowBoundsChanged:
    case EventKind::WindowClose:
        // Window events of windows whose handlers passed them on: the platform's defaults serve.
        return eventNotHandledErr;
    }
    LogUnexpectedEvent("some other action", event);
    return eventNotHandledErr;
}

OSStatus MyWindowEventHandler(const PlatformEvent& event, void*) {
    switch (event.kind) {
    case EventKind::WindowUpdate:
        DoCarbonUpdate(event.window);
        return noErr;
    case EventKind::MouseDown:
        TakeModifiers(event);
        gNothingHappened = 0;
        DoMouseDown(event);
        return noErr;
    case EventKind::WindowBoundsChanged:
        DoBoundsChanged(event.window);
        return eventNotHandledErr;
    case EventKind::WindowClose:
        WindowClosed(event.window);
        return eventNotHandledErr;
    case EventKind::WindowActivated:
        FocusAcquired(event.window);
        return eventNotHandledErr;
    case EventKind::DragEntered:
    case EventKind::DragMoved:
    case EventKind::DragLeft:
    case EventKind::DragDropped:
        return TextDragEvent(event);
    case EventKind::InputMethod:
        return TextInputMethodEvent(event);
    case EventKind::KeyDown:
    case EventKind::KeyRepeat:
    case EventKind::KeyUp:
    case EventKind::MouseUp:
    case EventKind::MouseMoved:
    case EventKind::MouseDragged:
    case EventKind::MouseWheel:
    case EventKind::WindowDeactivated:
    case EventKind::ApplicationActivated:
    case EventKind::ApplicationDeactivated:
        // Keys and movement belong to the application's handler.
        return eventNotHandledErr;
    }
    LogUnexpectedEvent("Should I capture this event?", event);
    return eventNotHandledErr;
}

void DoCarbonUpdate(WindowPtr window) {
    DoUpdate(window);
}

void AdjustCursor(WindowPtr, UInt16, Point) {
    // Links under the mouse and the tab ruler's cursors come with the hypertext and the tab stops.
    SetThisCursor(-1);
}

void DoApp4Event(EventRecord* event) {
    if (!event) return;
    const UInt32 message = event->message;
    event->what = nullEvent;
    if ((message >> 24) != 1) return;
    inBackground = (message & 1) == 0;
    if (WindowPtr front = FrontWindow()) {
        PlatformEvent activate;
        activate.kind = EventKind::WindowActivated;
        activate.window = front;
        EventRecordFromPlatformEvent(activate, event);
        // The old message's low bit says resume, which is the activate record's active flag.
        event->modifiers = UInt16(message);
    }
}

void DoKeyUp() {}
