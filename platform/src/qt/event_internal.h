// What the event, polling, timer and window files share: dispatch to handlers, the translation of the
// toolkit's input, and the input state that polling answers from. Private to platform/src/qt.
#pragma once

#include "platform/events.h"

#include <QtCore/qnamespace.h>

#include <bitset>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QInputMethodEvent;

// ---- Dispatch (event_handlers.cpp) ----
// Gives the event to the window's handlers, newest first, then to the application's, until one takes
// it. Records freed during a dispatch wait until no dispatch runs.
OSStatus DispatchPlatformEvent(const PlatformEvent& event);
bool IsDispatching();
// Holds back the freeing of records that handlers dispose of until the outermost scope ends, for code
// that goes on reading windows after calling handlers.
class DispatchScope {
  public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};
// Removes a disposed window's handlers.
void RemoveWindowHandlers(WindowPtr window);
void RemoveAllEventHandlers();

// ---- Translation of toolkit input (event_translation.cpp) ----
void TranslateKeyEvent(WindowPtr window, const QKeyEvent& event);
void TranslateMouseEvent(WindowPtr window, const QMouseEvent& event);
void TranslateWheelEvent(WindowPtr window, const QWheelEvent& event);
void TranslateInputMethodEvent(WindowPtr window, const QInputMethodEvent& event);
void TranslateActivation(WindowPtr window, bool active);
void TranslateApplicationActivation(bool active);
void TranslateCloseRequest(WindowPtr window);
// Fills the fields every event carries: the window, the time and the modifiers.
PlatformEvent MakePlatformEvent(EventKind kind, WindowPtr window);
// The classic modifier bits of the toolkit's modifiers (without alpha lock and the button).
UInt16 ClassicModifiers(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers ToolkitModifiers(UInt16 classicModifiers);

// ---- Input state (polling.cpp) ----
// What the latest input said about the keyboard and the mouse. Synthetic input updates it the same way
// as real input, so tracking loops see the state that synthetic events produced.
struct InputState {
    UInt16 modifiers = 0; // classic bits without btnState
    bool alphaLock = false;
    UInt8 buttons = 0; // bit 0 primary, 1 secondary, 2 middle
    Point globalMouse{};
    bool synthetic = false; // the latest input was posted by the program
    std::bitset<128> keysDown;
    // Click counting.
    UInt32 lastPressTicks = 0;
    Point lastPressPoint{};
    UInt32 lastPressWindowId = 0;
    SInt16 lastPressButton = -1;
    SInt16 clickCount = 0;
    SInt16 pressedAs = 0; // the button the last press was reported as (control-click: secondary)
};
extern InputState gInputState;

// X11's caps lock bit in a key event's native modifiers; synthetic key events set it too.
constexpr quint32 kNativeLockMask = 0x2;

// ---- Cursors (cursors.cpp) ----
void EndCursorObscuring();
void ShutdownCursors();

// ---- Timers (timers.cpp) ----
// Arms the toolkit timer for the earliest due timer.
void ArmEventLoopTimer();
void RemoveAllEventLoopTimers();

// ---- Sound (beep.cpp) ----
void ShutdownSound();

// ---- Screens (screens.cpp) ----
void ShutdownScreens();
void SplitScreenFromEnvironment();

// ---- Text (unicode_layout.cpp) ----
// Ends the painter kept open for drawing text lines and frees the lines kept painted.
void ReleasePaintedLines();

// ---- Start and stop (called by InitPlatform and ShutdownPlatform) ----
void InitWindowing();
void ShutdownWindowing();

// ---- Display frames (display_frames.cpp, timers.cpp) ----
// Whether timers that follow the display are paced by its frames.
bool DisplayFramesPace();
// Whether any installed timer follows the display.
bool AnyTimerFollowsDisplay();
// Asks for the next display frame, unless one is asked for already.
void WantNextDisplayFrame();
// The display began a frame at frameMicros: the timers that follow it and are due fire.
void FireTimersOnDisplayFrame(UInt64 frameMicros);
