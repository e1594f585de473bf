// The toolkit's input on a window turned into the program's events: keys as Mac Roman characters with
// key codes and classic modifier bits, mouse presses with our own click counting, wheel turns in lines,
// activation, closing. Real and synthetic input take this same path.
#include "event_internal.h"
#include "key_mapping.h"
#include "platform/clock.h"
#include "platform/text_encoding.h"
#include "port_internal.h"
#include "synthetic_mouse_event.h"
#include "window_record.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

namespace {

// How far the second press of a double click may land from the first, in pixels each way.
constexpr int kClickSlop = 4;
// One notch of a wheel is 120 units of angle; smooth (pixel) scrolling turns a line per this many pixels.
constexpr int kAngleUnitsPerLine = 120;
constexpr int kPixelsPerLine = 16;

// What wheels turned that did not make a whole line yet, per axis (0 vertical, 1 horizontal).
int gWheelAngleRemainder[2] = {0, 0};
int gWheelPixelRemainder[2] = {0, 0};
bool gApplicationActive = false;

SInt16 ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 0;
    case Qt::RightButton:
        return 1;
    case Qt::MiddleButton:
        return 2;
    default:
        return -1;
    }
}

UInt8 ButtonBits(Qt::MouseButtons buttons) {
    return UInt8(((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0) |
                 ((buttons & Qt::MiddleButton) ? 4 : 0));
}

Point PointFromToolkit(QPointF p, int dh = 0, int dv = 0) {
    return Point{ClampToSInt16(int(std::floor(p.y())) + dv), ClampToSInt16(int(std::floor(p.x())) + dh)};
}

SInt16 CountClick(WindowPtr window, Point global, SInt16 button) {
    const InputState& s = gInputState;
    bool continues = s.clickCount > 0 && s.lastPressWindowId == window->id && s.lastPressButton == button &&
                     TickCount() - s.lastPressTicks <= GetDblTime() &&
                     std::abs(global.h - s.lastPressPoint.h) <= kClickSlop &&
                     std::abs(global.v - s.lastPressPoint.v) <= kClickSlop;
    return continues ? SInt16(s.clickCount + 1) : SInt16(1);
}

void DispatchCharacter(PlatformEvent& event, UInt8 charCode) {
    event.charCode = charCode;
    DispatchPlatformEvent(event);
}

// Lines from one wheel event on one axis, keeping what is left over for the next.
SInt32 WheelLines(int axis, int angle, int pixels) {
    if (angle != 0) {
        gWheelAngleRemainder[axis] += angle;
        int lines = gWheelAngleRemainder[axis] / kAngleUnitsPerLine;
        gWheelAngleRemainder[axis] -= lines * kAngleUnitsPerLine;
        return lines;
    }
    gWheelPixelRemainder[axis] += pixels;
    int lines = gWheelPixelRemainder[axis] / kPixelsPerLine;
    gWheelPixelRemainder[axis] -= lines * kPixelsPerLine;
    return lines;
}

} // namespace

UInt16 ClassicModifiers(Qt::KeyboardModifiers modifiers) {
    UInt16 bits = 0;
    if (modifiers & Qt::ControlModifier) bits |= cmdKey;
    if (modifiers & Qt::ShiftModifier) bits |= shiftKey;
    if (modifiers & Qt::AltModifier) bits |= optionKey;
    if (modifiers & Qt::MetaModifier) bits |= controlKey;
    return bits;
}

Qt::KeyboardModifiers ToolkitModifiers(UInt16 classicModifiers) {
    Qt::KeyboardModifiers modifiers;
    if (classicModifiers & cmdKey) modifiers |= Qt::ControlModifier;
    if (classicModifiers & shiftKey) modifiers |= Qt::ShiftModifier;
    if (classicModifiers & optionKey) modifiers |= Qt::AltModifier;
    if (classicModifiers & controlKey) modifiers |= Qt::MetaModifier;
    return modifiers;
}

PlatformEvent MakePlatformEvent(EventKind kind, WindowPtr window) {
    PlatformEvent event;
    event.kind = kind;
    event.window = window;
    event.when = TickCount();
    event.modifiers = UInt16(gInputState.modifiers | (gInputState.alphaLock ? alphaLock : 0) |
                             (gInputState.buttons ? btnState : 0));
    return event;
}

void TranslateKeyEvent(WindowPtr window, const QKeyEvent& key) {
    DispatchScope scope;
    bool press = key.type() == QEvent::KeyPress;
    gInputState.synthetic = !key.spontaneous();
    gInputState.modifiers = ClassicModifiers(key.modifiers());
    gInputState.alphaLock = (key.nativeModifiers() & kNativeLockMask) != 0;

    KeyMapping mapping = MapToolkitKey(key.key(), key.modifiers() & Qt::KeypadModifier);
    if (mapping.keyCode < gInputState.keysDown.size() && !key.isAutoRepeat())
        gInputState.keysDown[mapping.keyCode] = press;
    if (mapping.modifier) return;
    // Held keys repeat as presses; the releases in between are the window system's bookkeeping.
    if (!press && key.isAutoRepeat()) return;

    EventKind kind = !press               ? EventKind::KeyUp
                     : key.isAutoRepeat() ? EventKind::KeyRepeat
                                          : EventKind::KeyDown;
    PlatformEvent event = MakePlatformEvent(kind, window);
    event.globalPoint = gInputState.globalMouse;
    event.keyCode = mapping.keyCode;
    if (mapping.charCode) {
        DispatchCharacter(event, mapping.charCode);
        return;
    }
    // With Ctrl (command) held the toolkit's text is a control character, so the key's own character
    // stands in for it; likewise for keys that bring no text.
    const QString text = key.text();
    bool textUsable = !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F &&
                      !(gInputState.modifiers & (cmdKey | controlKey));
    if (!textUsable) {
        bool shifted = (gInputState.modifiers & shiftKey) || gInputState.alphaLock;
        UInt8 charCode = UnmodifiedCharacter(key.key(), shifted);
        if (charCode) DispatchCharacter(event, charCode);
        return;
    }
    // An input method can bring several characters with one key: each is a key event of its own.
    for (char32_t ch : text.toUcs4()) {
        if (window->disposed) break;
        DispatchCharacter(event, UnicodeToMacRoman(ch));
    }
}

void TranslateMouseEvent(WindowPtr window, const QMouseEvent& mouse) {
    DispatchScope scope;
    const auto* synthetic = dynamic_cast<const SyntheticMouseEvent*>(&mouse);
    gInputState.synthetic = !mouse.spontaneous();
    gInputState.modifiers = ClassicModifiers(mouse.modifiers());
    if (synthetic) gInputState.alphaLock = synthetic->alphaLock;
    gInputState.buttons = ButtonBits(mouse.buttons());
    Point global = PointFromToolkit(mouse.globalPosition());
    gInputState.globalMouse = global;

    PlatformEvent event;
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        SInt16 button = ButtonNumber(mouse.button());
        if (button < 0) return;
        window->ignoreShowActivation = false;
        // Control-click is the one-button way to ask for a contextual menu.
        SInt16 reported = button == 0 && (gInputState.modifiers & controlKey) ? SInt16(1) : button;
        SInt16 count = synthetic && synthetic->clickCount > 0 ? synthetic->clickCount
                                                              : CountClick(window, global, reported);
        gInputState.lastPressTicks = TickCount();
        gInputState.lastPressPoint = global;
        gInputState.lastPressWindowId = window->id;
        gInputState.lastPressButton = reported;
        gInputState.clickCount = count;
        gInputState.pressedAs = reported;
        event = MakePlatformEvent(EventKind::MouseDown, window);
        event.button = reported;
        event.clickCount = count;
        break;
    }
    case QEvent::MouseButtonRelease: {
        SInt16 button = ButtonNumber(mouse.button());
        if (button < 0) return;
        event = MakePlatformEvent(EventKind::MouseUp, window);
        event.button = button == 0 ? gInputState.pressedAs : button;
        event.clickCount = gInputState.clickCount;
        break;
    }
    case QEvent::MouseMove:
        EndCursorObscuring();
        event =
            MakePlatformEvent(gInputState.buttons ? EventKind::MouseDragged : EventKind::MouseMoved, window);
        break;
    default:
        return;
    }
    event.globalPoint = global;
    const GrafPort* port = window->port;
    event.localPoint = PointFromToolkit(mouse.position(), port ? port->origin.h : 0,
                                        (port ? port->origin.v : 0) - MenuBarInset(window));
    DispatchPlatformEvent(event);
}

void TranslateWheelEvent(WindowPtr window, const QWheelEvent& wheel) {
    DispatchScope scope;
    gInputState.synthetic = !wheel.spontaneous();
    gInputState.modifiers = ClassicModifiers(wheel.modifiers());
    gInputState.buttons = ButtonBits(wheel.buttons());
    Point global = PointFromToolkit(wheel.globalPosition());
    gInputState.globalMouse = global;
    const GrafPort* port = window->port;
    Point local = PointFromToolkit(wheel.position(), port ? port->origin.h : 0,
                                   (port ? port->origin.v : 0) - MenuBarInset(window));
    const QPoint angle = wheel.angleDelta();
    const QPoint pixels = wheel.pixelDelta();
    const int angles[2] = {angle.y(), angle.x()};
    const int pixelDeltas[2] = {pixels.y(), pixels.x()};
    for (SInt16 axis = 0; axis < 2; ++axis) {
        SInt32 lines = WheelLines(axis, angles[axis], pixelDeltas[axis]);
        if (lines == 0 || window->disposed) continue;
        PlatformEvent event = MakePlatformEvent(EventKind::MouseWheel, window);
        event.globalPoint = global;
        event.localPoint = local;
        event.wheelAxis = axis;
        event.wheelDelta = lines;
        DispatchPlatformEvent(event);
    }
}

void TranslateActivation(WindowPtr window, bool active) {
    DispatchScope scope;
    if (active && !NoteWindowActivated(window)) return;
    if (window->reportedActive == active) return;
    window->reportedActive = active;
    DispatchPlatformEvent(
        MakePlatformEvent(active ? EventKind::WindowActivated : EventKind::WindowDeactivated, window));
}

void TranslateApplicationActivation(bool active) {
    if (active == gApplicationActive) return;
    gApplicationActive = active;
    // Keys released while another program had the keyboard never reach us.
    if (!active) gInputState.keysDown.reset();
    DispatchPlatformEvent(MakePlatformEvent(
        active ? EventKind::ApplicationActivated : EventKind::ApplicationDeactivated, nullptr));
}

void TranslateCloseRequest(WindowPtr window) {
    DispatchPlatformEvent(MakePlatformEvent(EventKind::WindowClose, window));
}
