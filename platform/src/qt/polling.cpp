// Polling for tracking loops: the button, the mouse, the modifiers and held keys as the latest input
// left them, and the user's double-click and caret times. Polling calls that wait handle pending
// events first, so timers fire and drawing reaches the screen while a loop runs.
#include "event_internal.h"
#include "port_internal.h"
#include "window_record.h"

#include <QCursor>
#include <QGuiApplication>
#include <QStyleHints>

#include <algorithm>

InputState gInputState;

namespace {

// Ticks are 1/60 s.
UInt32 TicksFromMilliseconds(int ms) {
    return UInt32(std::max(0, ms) * 60 / 1000);
}

// The caret blinks this slowly when the user turned blinking off.
constexpr UInt32 kNoBlinkCaretTicks = 0x7FFF;

} // namespace

bool Button() {
    return gInputState.buttons & 1;
}

bool StillDown() {
    ProcessPendingEvents();
    return Button();
}

bool WaitMouseUp() {
    return StillDown();
}

void GetGlobalMouse(Point* pt) {
    if (!pt) return;
    // Synthetic input moves no real pointer: the mouse is where it last said.
    if (gInputState.synthetic || !QGuiApplication::instance()) {
        *pt = gInputState.globalMouse;
        return;
    }
    QPoint p = QCursor::pos();
    *pt = Point{ClampToSInt16(p.y()), ClampToSInt16(p.x())};
}

void GetMouse(Point* pt) {
    if (!pt) return;
    GetGlobalMouse(pt);
    GlobalToLocal(pt);
}

UInt16 GetCurrentKeyModifiers() {
    UInt16 modifiers = gInputState.modifiers;
    // The window system knows modifiers pressed while another window had the keyboard.
    if (!gInputState.synthetic && QGuiApplication::instance())
        modifiers = ClassicModifiers(QGuiApplication::queryKeyboardModifiers());
    if (gInputState.alphaLock) modifiers |= alphaLock;
    if (gInputState.buttons) modifiers |= btnState;
    return modifiers;
}

bool IsKeyDown(UInt8 keyCode) {
    if (keyCode >= gInputState.keysDown.size()) return false;
    if (gInputState.keysDown[keyCode]) return true;
    // Modifier keys held since before our window had the keyboard show in the modifiers only.
    UInt16 modifiers = GetCurrentKeyModifiers();
    switch (keyCode) {
    case kKeyCommand:
        return modifiers & cmdKey;
    case kKeyShift:
        return modifiers & shiftKey;
    case kKeyOption:
        return modifiers & optionKey;
    case kKeyControl:
        return modifiers & controlKey;
    default:
        return false;
    }
}

UInt32 GetDblTime() {
    if (!QGuiApplication::instance()) return 30;
    return TicksFromMilliseconds(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

// The toolkit's flash time is a whole on-and-off cycle; the caret time is one half of it.
UInt32 GetCaretTime() {
    if (!QGuiApplication::instance()) return 30;
    int flash = QGuiApplication::styleHints()->cursorFlashTime();
    return flash <= 0 ? kNoBlinkCaretTicks : TicksFromMilliseconds(flash / 2);
}

// The desktop's key-repeat rate sets the interval; the wait before the first repeat follows its
// press-and-hold time, kept to what keyboards commonly use.
void GetAutoRepeatTicks(UInt32* firstDelay, UInt32* interval) {
    UInt32 first = 30;
    UInt32 every = 2;
    if (QGuiApplication::instance()) {
        const int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
        if (rate > 0) every = std::clamp<UInt32>(UInt32(60 / rate), 1, 30);
        first = std::clamp<UInt32>(
            TicksFromMilliseconds(QGuiApplication::styleHints()->mousePressAndHoldInterval()), 15, 60);
    }
    if (firstDelay) *firstDelay = first;
    if (interval) *interval = every;
}
