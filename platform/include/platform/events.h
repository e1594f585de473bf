// Events, handlers and the event loop. Qt's input is turned into the program's event records and given
// to the handler of the window it concerns and then, unless that handler takes it, to the application
// handler. Keys carry Mac Roman characters; modifiers use the classic bits, with command = Ctrl,
// option = Alt, control = Meta and shift = Shift.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"
#include "platform/windows.h"

#include <string>
#include <vector>

// Classic event codes and modifier bits.
enum : UInt16 {
    nullEvent = 0,
    mouseDown = 1,
    mouseUp = 2,
    keyDown = 3,
    keyUp = 4,
    autoKey = 5,
    updateEvt = 6,
    activateEvt = 8,
    osEvt = 15,
};
enum : UInt16 {
    activeFlag = 0x0001,
    btnState = 0x0080,
    cmdKey = 0x0100,
    shiftKey = 0x0200,
    alphaLock = 0x0400,
    optionKey = 0x0800,
    controlKey = 0x1000,
};
enum : UInt32 { charCodeMask = 0x000000FF, keyCodeMask = 0x0000FF00 };

// Key codes of the keys the program treats specially.
enum : UInt8 {
    kKeyReturn = 0x24,
    kKeyTab = 0x30,
    kKeySpace = 0x31,
    kKeyDelete = 0x33,
    kKeyEscape = 0x35,
    kKeyEnter = 0x4C,
    kKeyHome = 0x73,
    kKeyPageUp = 0x74,
    kKeyForwardDelete = 0x75,
    kKeyEnd = 0x77,
    kKeyPageDown = 0x79,
    kKeyLeft = 0x7B,
    kKeyRight = 0x7C,
    kKeyDown = 0x7D,
    kKeyUp = 0x7E,
    kKeyF1 = 0x7A,
    kKeyF2 = 0x78,
    kKeyF3 = 0x63,
    kKeyF4 = 0x76,
    kKeyF5 = 0x60,
    kKeyF6 = 0x61,
    kKeyF7 = 0x62,
    kKeyF8 = 0x64,
    kKeyF9 = 0x65,
    kKeyF10 = 0x6D,
    kKeyF11 = 0x67,
    kKeyF12 = 0x6F,
};
// Letter and digit keys have fixed codes by where the key sits on a US keyboard, whatever the layout;
// a key typing a shifted character shares the code of its key.
enum : UInt8 {
    kKeyA = 0x00,
    kKeyS = 0x01,
    kKeyD = 0x02,
    kKeyF = 0x03,
    kKeyH = 0x04,
    kKeyG = 0x05,
    kKeyZ = 0x06,
    kKeyX = 0x07,
    kKeyC = 0x08,
    kKeyV = 0x09,
    kKeyB = 0x0B,
    kKeyQ = 0x0C,
    kKeyW = 0x0D,
    kKeyE = 0x0E,
    kKeyR = 0x0F,
    kKeyY = 0x10,
    kKeyT = 0x11,
    kKey1 = 0x12,
    kKey2 = 0x13,
    kKey3 = 0x14,
    kKey4 = 0x15,
    kKey6 = 0x16,
    kKey5 = 0x17,
    kKey9 = 0x19,
    kKey7 = 0x1A,
    kKey8 = 0x1C,
    kKey0 = 0x1D,
    kKeyO = 0x1F,
    kKeyU = 0x20,
    kKeyI = 0x22,
    kKeyP = 0x23,
    kKeyL = 0x25,
    kKeyJ = 0x26,
    kKeyK = 0x28,
    kKeyN = 0x2D,
    kKeyM = 0x2E,
};
// Modifier keys, for IsKeyDown: command is Ctrl, option Alt, control Meta.
enum : UInt8 {
    kKeyCommand = 0x37,
    kKeyShift = 0x38,
    kKeyCapsLock = 0x39,
    kKeyOption = 0x3A,
    kKeyControl = 0x3B
};
// The code of a key that has none of its own.
constexpr UInt8 kKeyUnknown = 0xFF;
// Character codes of the special keys.
enum : UInt8 {
    kHomeCharCode = 1,
    kEnterCharCode = 3,
    kEndCharCode = 4,
    kBackspaceCharCode = 8,
    kTabCharCode = 9,
    kPageUpCharCode = 11,
    kPageDownCharCode = 12,
    kReturnCharCode = 13,
    kFunctionKeyCharCode = 16,
    kEscapeCharCode = 27,
    kLeftArrowCharCode = 28,
    kRightArrowCharCode = 29,
    kUpArrowCharCode = 30,
    kDownArrowCharCode = 31,
    kSpaceCharCode = 32,
    kDeleteCharCode = 127,
};

struct EventRecord {
    UInt16 what = nullEvent;
    UInt32 message = 0; // keys: character | key code << 8; update and activate: the window
    UInt32 when = 0;    // ticks
    Point where{};      // global
    UInt16 modifiers = 0;
};

enum class EventKind : UInt8 {
    KeyDown,
    KeyRepeat,
    KeyUp,
    MouseDown,
    MouseUp,
    MouseMoved,
    MouseDragged,
    MouseWheel,
    WindowActivated,
    WindowDeactivated,
    WindowUpdate,
    WindowBoundsChanged,
    WindowClose,
    ApplicationActivated,
    ApplicationDeactivated,
    // A drag over a window (platform/drag.h): a handler answers noErr to enter and move events when the
    // window takes what the drag holds there, and to a drop when it took it.
    DragEntered,
    DragMoved,
    DragLeft,
    DragDropped,
    // A step of an input method composing text in the focused window.
    InputMethod,
};

struct DragRecord;

// A range of the text an input method is composing, by its marking: 2 raw input, 3 raw input selected, 4
// converted, 5 converted selected.
struct InputMethodRange {
    SInt32 start = 0;
    SInt32 length = 0;
    SInt16 style = 2;
};
// An input method's step, Mac Roman: first the text it confirms (replacing what it was composing), then
// the text it is composing now, with the caret's offset in it and its marked ranges.
struct InputMethodText {
    std::string commit;
    std::string preedit;
    SInt32 caret = 0;
    std::vector<InputMethodRange> ranges;
};

struct PlatformEvent {
    EventKind kind{};
    WindowPtr window = nullptr;
    UInt32 when = 0;      // ticks
    UInt16 modifiers = 0; // classic bits, btnState while a button is down
    // Keys.
    UInt8 charCode = 0; // Mac Roman
    UInt8 keyCode = 0;
    // Mouse.
    Point globalPoint{};
    Point localPoint{}; // in the window's port
    SInt16 clickCount = 0;
    SInt16 button = 0; // 0 primary, 1 secondary, 2 middle
    // Wheel: axis 0 vertical, 1 horizontal; delta in lines, positive away from the user (up, left).
    SInt16 wheelAxis = 0;
    SInt32 wheelDelta = 0;
    // Bounds changed: the content in global coordinates before and after; update: what to redraw.
    Rect previousBounds{};
    Rect currentBounds{};
    Rect updateRect{};
    bool sizeChanged = false;
    // Drag events: the drag (localPoint is where it is); input method events: the step, valid while the
    // event is handled.
    DragRecord* drag = nullptr;
    const InputMethodText* inputMethod = nullptr;
};

enum : OSStatus { eventNotHandledErr = -9874, userCanceledErr = -128 };

// A handler returns noErr when it took the event, eventNotHandledErr to pass it on.
using EventHandlerProc = OSStatus (*)(const PlatformEvent& event, void* userData);
struct EventHandlerSlot;
using EventHandlerRef = EventHandlerSlot*;

EventHandlerRef InstallApplicationEventHandler(EventHandlerProc proc, void* userData);
EventHandlerRef InstallWindowEventHandler(WindowPtr window, EventHandlerProc proc, void* userData);
void RemoveEventHandler(EventHandlerRef handler);
// The classic record of an event, as the program's older dispatchers take it. Update and activate
// records carry the window as a number in their message; WindowFromEventMessage gives the window back
// (null once it is disposed).
void EventRecordFromPlatformEvent(const PlatformEvent& event, EventRecord* record);
WindowPtr WindowFromEventMessage(UInt32 message);

// ---- The loop ----
void RunApplicationEventLoop();
void QuitApplicationEventLoop();
// A quit of the application's loop was asked for and the loop has not ended yet (or, asked before the
// loop ran, will end it at once).
bool IsApplicationEventLoopQuitPending();
// Handles what is waiting (input, timers, flushes) without blocking; returns after at most maxMillis
// when events keep coming.
void ProcessPendingEvents(SInt32 maxMillis = 0);
// A nested loop that runs until QuitNestedEventLoop is called from inside it. Timers keep firing.
void RunNestedEventLoop();
void QuitNestedEventLoop();
SInt32 NestedEventLoopDepth();
// Waits the given number of ticks while events and timers go on. Under the fake clock it moves the
// clock on tick by tick instead, firing the timers as they fall due.
void Delay(UInt32 ticks, UInt32* finalTicks);
// Whether a window's update event is being handled: the window is being redrawn.
bool IsHandlingUpdateEvent();
// Calls proc(userData) from the event loop once the event being handled now is done.
void CallAfterCurrentEvent(void (*proc)(void* userData), void* userData);

// ---- Polling, for tracking loops ----
// Whether the primary button is down now; StillDown also handles pending events first, so timers and
// drawing go on while the caller loops.
bool Button();
bool StillDown();
// As StillDown: handles pending events, then tells whether the button is still down.
bool WaitMouseUp();
// The mouse in the current port's local coordinates, and in global ones.
void GetMouse(Point* pt);
void GetGlobalMouse(Point* pt);
UInt16 GetCurrentKeyModifiers();
bool IsKeyDown(UInt8 keyCode);
UInt32 GetDblTime();   // ticks
UInt32 GetCaretTime(); // ticks
// The desktop's auto-repeat timing in ticks: the wait before the first repeat and between repeats.
void GetAutoRepeatTicks(UInt32* firstDelay, UInt32* interval);

// Where the text an input method composes stands in a window (local coordinates), so that the input
// method shows its choices beside it.
void SetInputMethodArea(WindowPtr window, const Rect& local);
// Makes the input method forget the text it is composing: the program has kept it as it stands.
void ResetInputMethod();

// ---- Cursors and sound ----
enum ThemeCursor : UInt8 {
    kThemeArrowCursor,
    kThemeIBeamCursor,
    kThemeCrossCursor,
    kThemeWatchCursor,
    kThemePointingHandCursor,
    kThemeOpenHandCursor,
    kThemeClosedHandCursor,
    kThemeResizeLeftRightCursor,
    kThemeResizeUpDownCursor,
    kThemeNotAllowedCursor,
};
void SetThemeCursor(ThemeCursor cursor);
void InitCursor();
// Hides the cursor until the mouse moves.
void ObscureCursor();
void HideCursor();
void ShowCursor();
// Plays the shipped alert sound.
void SysBeep(SInt16 duration);

// ---- Testing support ----
// Synthetic input goes through the same translation as the real thing, when the event loop next runs.
// Points are local to the window. A click count of 0 lets the clicks be counted as real ones are.
void PostKeyEvent(WindowPtr window, EventKind kind, UInt8 charCode, UInt8 keyCode, UInt16 modifiers);
// A key as the keyboard gives it: to whatever holds the keyboard now (an open menu, the menu bar, the
// focused window), rather than to a window of the caller's choosing. False when nothing holds it.
bool PostKeyboardEvent(EventKind kind, UInt8 charCode, UInt8 keyCode, UInt16 modifiers);
void PostMouseEvent(WindowPtr window, EventKind kind, Point localPoint, UInt16 modifiers,
                    SInt16 clickCount = 1);
void PostWheelEvent(WindowPtr window, Point localPoint, SInt16 axis, SInt32 deltaLines, UInt16 modifiers);
// An input method's step for the window, in UTF-8, as the toolkit's input method would send it.
void PostInputMethodEvent(WindowPtr window, const std::string& commitUtf8, const std::string& preeditUtf8,
                          SInt32 caret);
