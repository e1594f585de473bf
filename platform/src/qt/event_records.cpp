// The classic record of an event, for the program's older dispatchers. Its message is 32 bits wide, so
// a window travels in it as the window's number, which WindowFromEventMessage turns back.
#include "platform/events.h"

#include "event_internal.h"
#include "window_record.h"

namespace {

// Operating-system events carry their kind in the message's high byte.
constexpr UInt32 kMouseMovedMessage = 0xFA000000u;
constexpr UInt32 kSuspendResumeMessage = 0x01000000u;
constexpr UInt32 kResumeFlag = 0x00000001u;

UInt32 WindowMessage(WindowPtr window) {
    return window ? window->id : 0;
}

} // namespace

void EventRecordFromPlatformEvent(const PlatformEvent& event, EventRecord* record) {
    if (!record) return;
    // Events with no classic form stay null events with the time, the modifiers and the mouse.
    *record = EventRecord{};
    record->when = event.when;
    record->modifiers = event.modifiers;
    // Only mouse events carry a point; the others have the mouse where it was last seen.
    record->where = gInputState.globalMouse;
    switch (event.kind) {
    case EventKind::KeyDown:
    case EventKind::KeyRepeat:
    case EventKind::KeyUp:
        record->what = event.kind == EventKind::KeyDown ? keyDown
                       : event.kind == EventKind::KeyUp ? keyUp
                                                        : autoKey;
        record->message = UInt32(event.charCode) | (UInt32(event.keyCode) << 8);
        break;
    case EventKind::MouseDown:
        record->what = mouseDown;
        record->where = event.globalPoint;
        break;
    case EventKind::MouseUp:
        record->what = mouseUp;
        record->where = event.globalPoint;
        break;
    case EventKind::MouseMoved:
    case EventKind::MouseDragged:
        record->what = osEvt;
        record->message = kMouseMovedMessage;
        record->where = event.globalPoint;
        break;
    case EventKind::WindowUpdate:
        record->what = updateEvt;
        record->message = WindowMessage(event.window);
        break;
    case EventKind::WindowActivated:
    case EventKind::WindowDeactivated:
        record->what = activateEvt;
        record->message = WindowMessage(event.window);
        if (event.kind == EventKind::WindowActivated) record->modifiers |= activeFlag;
        break;
    case EventKind::ApplicationActivated:
        record->what = osEvt;
        record->message = kSuspendResumeMessage | kResumeFlag;
        break;
    case EventKind::ApplicationDeactivated:
        record->what = osEvt;
        record->message = kSuspendResumeMessage;
        break;
    case EventKind::MouseWheel:
        record->where = event.globalPoint;
        break;
    case EventKind::WindowBoundsChanged:
    case EventKind::WindowClose:
    case EventKind::DragEntered:
    case EventKind::DragMoved:
    case EventKind::DragLeft:
    case EventKind::DragDropped:
    case EventKind::InputMethod:
        // Drags and input methods have no classic record of their own.
        break;
    }
}

WindowPtr WindowFromEventMessage(UInt32 message) {
    return WindowFromId(message);
}
