// Events: synthetic keys, clicks and wheel turns reaching the right handler with the right characters,
// modifiers and points; the order of handlers; polling inside tracking loops; the event loops; classic
// event records.
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "support/event_log.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Two visible document windows, each with a recording handler, and a recording application handler.
class Events : public ::testing::Test {
  protected:
    void SetUp() override {
        UseFakeClock(1000, 0);
        Rect boundsA = MakeRect(100, 100, 400, 300);
        Rect boundsB = MakeRect(500, 100, 700, 300);
        a = NewWindowOfClass(kDocumentWindowClass, &boundsA, nullptr, 0);
        b = NewWindowOfClass(kDocumentWindowClass, &boundsB, nullptr, 0);
        ShowWindow(a);
        ShowWindow(b);
        handlerA = InstallWindowEventHandler(a, &EventLog::Record, &logA);
        handlerB = InstallWindowEventHandler(b, &EventLog::Record, &logB);
        appHandler = InstallApplicationEventHandler(&EventLog::Record, &appLog);
        ProcessPendingEvents();
        Clear();
    }
    void TearDown() override {
        RemoveEventHandler(appHandler);
        DisposeWindow(a);
        DisposeWindow(b);
        ProcessPendingEvents();
        UseRealClock();
    }
    void Clear() {
        logA.events.clear();
        logB.events.clear();
        appLog.events.clear();
    }

    WindowPtr a = nullptr;
    WindowPtr b = nullptr;
    EventLog logA, logB, appLog;
    EventHandlerRef handlerA = nullptr;
    EventHandlerRef handlerB = nullptr;
    EventHandlerRef appHandler = nullptr;
};

TEST_F(Events, KeysArriveAsMacRomanWithKeyCodesAndModifiers) {
    struct Case {
        const char* what;
        UInt8 charCode, keyCode;
        UInt16 modifiers;
        UInt8 expectedChar; // what the handler sees
    } cases[] = {
        {"letter", 'a', kKeyA, 0, 'a'},
        {"shifted letter", 'A', kKeyA, shiftKey, 'A'},
        {"command letter (Ctrl)", 'q', kKeyQ, cmdKey, 'q'},
        {"command shift letter", 'Q', kKeyQ, cmdKey | shiftKey, 'Q'},
        {"option digit (Alt)", '5', kKey5, optionKey, '5'},
        {"control letter (Meta)", 'k', kKeyK, controlKey, 'k'},
        {"alpha lock", 'B', kKeyB, alphaLock, 'B'},
        {"accented letter", 0x8E, kKeyUnknown, 0, 0x8E},
        {"space", ' ', kKeySpace, 0, ' '},
        {"return", kReturnCharCode, kKeyReturn, 0, kReturnCharCode},
        {"enter", kEnterCharCode, kKeyEnter, 0, kEnterCharCode},
        {"tab", kTabCharCode, kKeyTab, 0, kTabCharCode},
        {"shift tab", kTabCharCode, kKeyTab, shiftKey, kTabCharCode},
        {"escape", kEscapeCharCode, kKeyEscape, 0, kEscapeCharCode},
        {"backspace", kBackspaceCharCode, kKeyDelete, 0, kBackspaceCharCode},
        {"forward delete", kDeleteCharCode, kKeyForwardDelete, 0, kDeleteCharCode},
        {"left arrow", kLeftArrowCharCode, kKeyLeft, shiftKey, kLeftArrowCharCode},
        {"down arrow", kDownArrowCharCode, kKeyDown, cmdKey, kDownArrowCharCode},
        {"page down", kPageDownCharCode, kKeyPageDown, 0, kPageDownCharCode},
        {"home", kHomeCharCode, kKeyHome, 0, kHomeCharCode},
        {"function key", kFunctionKeyCharCode, kKeyF5, 0, kFunctionKeyCharCode},
    };
    for (const Case& c : cases) {
        Clear();
        PostKeyEvent(b, EventKind::KeyDown, c.charCode, c.keyCode, c.modifiers);
        ProcessPendingEvents();
        ASSERT_EQ(logB.events.size(), 1u) << c.what;
        const PlatformEvent& e = logB.events[0];
        EXPECT_EQ(e.kind, EventKind::KeyDown) << c.what;
        EXPECT_EQ(e.window, b) << c.what;
        EXPECT_EQ(e.charCode, c.expectedChar) << c.what;
        EXPECT_EQ(e.keyCode, c.keyCode) << c.what;
        EXPECT_EQ(e.modifiers, c.modifiers) << c.what;
        EXPECT_TRUE(logA.events.empty()) << c.what;
        PostKeyEvent(b, EventKind::KeyUp, c.charCode, c.keyCode, c.modifiers);
        ProcessPendingEvents();
    }
}

TEST_F(Events, RepeatsAndReleasesAreTheirOwnKinds) {
    PostKeyEvent(a, EventKind::KeyDown, 'x', kKeyX, 0);
    PostKeyEvent(a, EventKind::KeyRepeat, 'x', kKeyX, 0);
    PostKeyEvent(a, EventKind::KeyUp, 'x', kKeyX, 0);
    ProcessPendingEvents();
    ASSERT_EQ(logA.events.size(), 3u);
    EXPECT_EQ(logA.events[0].kind, EventKind::KeyDown);
    EXPECT_EQ(logA.events[1].kind, EventKind::KeyRepeat);
    EXPECT_EQ(logA.events[2].kind, EventKind::KeyUp);
    EXPECT_EQ(logA.events[2].charCode, 'x');
}

TEST_F(Events, WindowHandlersComeFirstNewestFirstThenTheApplication) {
    // The window handlers decline: the event goes on to the application handler.
    PostKeyEvent(a, EventKind::KeyDown, 'z', kKeyZ, cmdKey);
    ProcessPendingEvents();
    ASSERT_EQ(logA.events.size(), 1u);
    ASSERT_EQ(appLog.events.size(), 1u);
    EXPECT_EQ(appLog.events[0].window, a);
    EXPECT_EQ(appLog.events[0].modifiers, cmdKey);

    // A newer window handler that takes the event stops it before the older one and the application.
    EventLog taker;
    taker.answer = noErr;
    EventHandlerRef takerRef = InstallWindowEventHandler(a, &EventLog::Record, &taker);
    Clear();
    PostKeyEvent(a, EventKind::KeyDown, 'z', kKeyZ, 0);
    ProcessPendingEvents();
    EXPECT_EQ(taker.events.size(), 1u);
    EXPECT_TRUE(logA.events.empty());
    EXPECT_TRUE(appLog.events.empty());

    RemoveEventHandler(takerRef);
    RemoveEventHandler(takerRef); // twice does no harm
    Clear();
    PostKeyEvent(a, EventKind::KeyDown, 'z', kKeyZ, 0);
    ProcessPendingEvents();
    EXPECT_EQ(logA.events.size(), 1u);
    EXPECT_EQ(appLog.events.size(), 1u);
}

TEST_F(Events, AClickHasTheLocalAndGlobalPointButtonAndModifiers) {
    SetPort(GetWindowPort(a));
    SetOrigin(-10, 5); // local (0,0) is 10 px right of the content's left edge, 5 px above its top
    PostMouseEvent(a, EventKind::MouseDown, Point{40, 30}, shiftKey); // v, h
    PostMouseEvent(a, EventKind::MouseUp, Point{40, 30}, shiftKey);
    ProcessPendingEvents();
    SetOrigin(0, 0);

    ASSERT_EQ(logA.events.size(), 2u);
    const PlatformEvent& down = logA.events[0];
    EXPECT_EQ(down.kind, EventKind::MouseDown);
    EXPECT_EQ(down.localPoint, (Point{40, 30}));
    EXPECT_EQ(down.globalPoint, (Point{100 + 40 - 5, 100 + 30 + 10}));
    EXPECT_EQ(down.button, 0);
    EXPECT_EQ(down.clickCount, 1);
    EXPECT_EQ(down.modifiers, shiftKey | btnState);
    const PlatformEvent& up = logA.events[1];
    EXPECT_EQ(up.kind, EventKind::MouseUp);
    EXPECT_EQ(up.modifiers, shiftKey);
    EXPECT_TRUE(logB.events.empty());
    EXPECT_FALSE(Button());
}

TEST_F(Events, ControlClickIsASecondaryClick) {
    PostMouseEvent(a, EventKind::MouseDown, Point{10, 10}, controlKey);
    PostMouseEvent(a, EventKind::MouseUp, Point{10, 10}, controlKey);
    ProcessPendingEvents();
    ASSERT_EQ(logA.events.size(), 2u);
    EXPECT_EQ(logA.events[0].button, 1);
    EXPECT_EQ(logA.events[1].button, 1);
}

TEST_F(Events, ClicksCountByTimeAndDistance) {
    // Each press: how far from the last one and how many ticks after it, and the count it should get.
    struct Press {
        SInt16 dh;
        UInt32 ticksLater;
        SInt16 expected;
    } presses[] = {
        {0, 0, 1},
        {0, 5, 2},
        {2, 5, 3},                // a triple click, a little jitter allowed
        {20, 1, 1},               // too far away: a new first click
        {0, GetDblTime() + 1, 1}, // too late
        {0, GetDblTime(), 2},     // just in time
    };
    SInt16 h = 50;
    for (const Press& p : presses) {
        AdvanceFakeClock(p.ticksLater);
        h = SInt16(h + p.dh);
        PostMouseEvent(a, EventKind::MouseDown, Point{50, h}, 0, 0);
        PostMouseEvent(a, EventKind::MouseUp, Point{50, h}, 0, 0);
        ProcessPendingEvents();
    }
    std::vector<PlatformEvent> downs = logA.OfKind(EventKind::MouseDown);
    ASSERT_EQ(downs.size(), std::size(presses));
    for (size_t i = 0; i < downs.size(); ++i)
        EXPECT_EQ(downs[i].clickCount, presses[i].expected) << "press " << i;
}

TEST_F(Events, WheelTurnsArriveInLinesPerAxis) {
    PostWheelEvent(b, Point{20, 30}, 0, 3, optionKey);
    PostWheelEvent(b, Point{20, 30}, 1, -2, 0);
    ProcessPendingEvents();
    std::vector<PlatformEvent> wheels = logB.OfKind(EventKind::MouseWheel);
    ASSERT_EQ(wheels.size(), 2u);
    EXPECT_EQ(wheels[0].wheelAxis, 0);
    EXPECT_EQ(wheels[0].wheelDelta, 3);
    EXPECT_EQ(wheels[0].modifiers, optionKey);
    EXPECT_EQ(wheels[0].localPoint, (Point{20, 30}));
    EXPECT_EQ(wheels[1].wheelAxis, 1);
    EXPECT_EQ(wheels[1].wheelDelta, -2);
}

TEST_F(Events, MovesAndDragsAreToldApart) {
    PostMouseEvent(a, EventKind::MouseMoved, Point{5, 5}, 0);
    PostMouseEvent(a, EventKind::MouseDown, Point{5, 5}, 0);
    PostMouseEvent(a, EventKind::MouseDragged, Point{9, 12}, 0);
    PostMouseEvent(a, EventKind::MouseUp, Point{9, 12}, 0);
    ProcessPendingEvents();
    ASSERT_EQ(logA.events.size(), 4u);
    EXPECT_EQ(logA.events[0].kind, EventKind::MouseMoved);
    EXPECT_EQ(logA.events[2].kind, EventKind::MouseDragged);
    EXPECT_EQ(logA.events[2].localPoint, (Point{9, 12}));
    EXPECT_EQ(logA.events[2].modifiers, btnState);
}

// ---- Tracking loops ----

struct TrackingState {
    WindowPtr window = nullptr;
    int loops = 0;
    int timerFires = 0;
    Point lastMouse{};
    bool stillDownAfter = true;
};

void CountTimerFire(EventLoopTimerRef, void* userData) {
    ++static_cast<TrackingState*>(userData)->timerFires;
}

void ReleaseButton(EventLoopTimerRef, void* userData) {
    PostMouseEvent(static_cast<TrackingState*>(userData)->window, EventKind::MouseUp, Point{30, 60}, 0);
}

// A mouse-down handler that tracks until the button comes up, time passing a tick per round.
OSStatus TrackUntilRelease(const PlatformEvent& event, void* userData) {
    if (event.kind != EventKind::MouseDown) return eventNotHandledErr;
    auto* state = static_cast<TrackingState*>(userData);
    SetPort(GetWindowPort(event.window));
    while (StillDown() && state->loops < 1000) {
        GetMouse(&state->lastMouse);
        AdvanceFakeClock(1);
        ++state->loops;
    }
    state->stillDownAfter = Button();
    return noErr;
}

TEST_F(Events, TrackingLoopsSeeLaterInputAndKeepTimersFiring) {
    TrackingState state;
    state.window = a;
    EventLoopTimerRef ticker = nullptr;
    EventLoopTimerRef release = nullptr;
    constexpr EventTimerInterval kTick = kEventDurationSecond / 60;
    InstallEventLoopTimer(kTick, kTick, &CountTimerFire, &state, &ticker);
    InstallEventLoopTimer(5 * kTick, 0, &ReleaseButton, &state, &release);
    EventHandlerRef tracker = InstallWindowEventHandler(a, &TrackUntilRelease, &state);

    PostMouseEvent(a, EventKind::MouseDown, Point{10, 10}, 0);
    PostMouseEvent(a, EventKind::MouseDragged, Point{30, 60}, 0);
    ProcessPendingEvents();

    // Five rounds of a tick each; the timer fired in every round after the first tick passed, and the
    // release posted by the other timer ended the loop.
    EXPECT_EQ(state.loops, 5);
    EXPECT_EQ(state.timerFires, 5);
    EXPECT_FALSE(state.stillDownAfter);
    EXPECT_EQ(state.lastMouse, (Point{30, 60}));
    EXPECT_EQ(logA.OfKind(EventKind::MouseUp).size(), 1u);
    RemoveEventLoopTimer(ticker);
    RemoveEventHandler(tracker);
}

TEST_F(Events, PolledModifiersAndKeysFollowTheInput) {
    PostKeyEvent(a, EventKind::KeyDown, 0, kKeyShift, shiftKey);
    PostKeyEvent(a, EventKind::KeyDown, 'G', kKeyG, shiftKey);
    ProcessPendingEvents();
    EXPECT_EQ(GetCurrentKeyModifiers(), shiftKey);
    EXPECT_TRUE(IsKeyDown(kKeyShift));
    EXPECT_TRUE(IsKeyDown(kKeyG));
    EXPECT_FALSE(IsKeyDown(kKeyH));
    // The modifier key itself is no key event for the handlers.
    ASSERT_EQ(logA.events.size(), 1u);
    EXPECT_EQ(logA.events[0].charCode, 'G');

    PostKeyEvent(a, EventKind::KeyUp, 'G', kKeyG, shiftKey);
    PostKeyEvent(a, EventKind::KeyUp, 0, kKeyShift, 0);
    ProcessPendingEvents();
    EXPECT_EQ(GetCurrentKeyModifiers(), 0);
    EXPECT_FALSE(IsKeyDown(kKeyShift));
    EXPECT_FALSE(IsKeyDown(kKeyG));
}

// ---- Handlers that change things while they run ----

struct Rearranger {
    EventHandlerRef self = nullptr;
    EventHandlerRef older = nullptr;
    EventLog* newLog = nullptr;
    EventHandlerRef added = nullptr;
    WindowPtr window = nullptr;
};

OSStatus RearrangeHandlers(const PlatformEvent& event, void* userData) {
    auto* r = static_cast<Rearranger*>(userData);
    RemoveEventHandler(r->self);
    RemoveEventHandler(r->older);
    r->added = InstallWindowEventHandler(r->window, &EventLog::Record, r->newLog);
    return eventNotHandledErr;
}

TEST_F(Events, HandlersMayInstallAndRemoveHandlersWhileRunning) {
    EventLog newLog;
    Rearranger r{nullptr, handlerA, &newLog, nullptr, a};
    r.self = InstallWindowEventHandler(a, &RearrangeHandlers, &r);
    PostKeyEvent(a, EventKind::KeyDown, 'x', kKeyX, 0);
    ProcessPendingEvents();
    EXPECT_TRUE(logA.events.empty());   // removed before its turn
    EXPECT_TRUE(newLog.events.empty()); // installed during this event: from the next one on
    EXPECT_EQ(appLog.events.size(), 1u);

    PostKeyEvent(a, EventKind::KeyDown, 'y', kKeyY, 0);
    ProcessPendingEvents();
    EXPECT_EQ(newLog.events.size(), 1u);
    EXPECT_EQ(appLog.events.size(), 2u);
}

OSStatus DisposeOwnWindow(const PlatformEvent& event, void* userData) {
    DisposeWindow(event.window);
    *static_cast<WindowPtr*>(userData) = nullptr;
    return eventNotHandledErr;
}

TEST_F(Events, AHandlerMayDisposeOfItsOwnWindow) {
    InstallWindowEventHandler(b, &DisposeOwnWindow, &b);
    PostKeyEvent(b, EventKind::KeyDown, 'x', kKeyX, 0);
    PostKeyEvent(a, EventKind::KeyDown, 'y', kKeyY, 0);
    ProcessPendingEvents();
    EXPECT_EQ(b, nullptr);
    EXPECT_TRUE(logB.events.empty()); // its older handler went with the window
    std::vector<PlatformEvent> keys = appLog.OfKind(EventKind::KeyDown);
    ASSERT_EQ(keys.size(), 2u); // the event still reaches the application
    EXPECT_EQ(keys[0].charCode, 'x');
    EXPECT_EQ(keys[1].window, a);
    EXPECT_EQ(FrontNonFloatingWindow(), a);
    EXPECT_EQ(logA.OfKind(EventKind::KeyDown).size(), 1u);
}

// ---- Event loops ----

struct LoopState {
    int fires = 0;
    SInt32 depthSeen = 0;
};

void QuitAppLoopOnThird(EventLoopTimerRef, void* userData) {
    auto* s = static_cast<LoopState*>(userData);
    AdvanceFakeClock(1);
    if (++s->fires == 3) QuitApplicationEventLoop();
}

TEST(EventLoop, TheApplicationLoopRunsUntilQuit) {
    UseFakeClock(0, 0);
    LoopState state;
    EventLoopTimerRef timer = nullptr;
    InstallEventLoopTimer(0, kEventDurationSecond / 60, &QuitAppLoopOnThird, &state, &timer);
    RunApplicationEventLoop();
    EXPECT_EQ(state.fires, 3);

    // A quit asked for before the loop runs is not lost.
    RemoveEventLoopTimer(timer);
    QuitApplicationEventLoop();
    RunApplicationEventLoop();
    UseRealClock();
}

OSStatus QuitNestedOnKey(const PlatformEvent& event, void* userData) {
    if (event.kind != EventKind::KeyDown) return eventNotHandledErr;
    static_cast<LoopState*>(userData)->depthSeen = NestedEventLoopDepth();
    QuitNestedEventLoop();
    return noErr;
}

TEST_F(Events, ANestedLoopRunsUntilAHandlerInsideQuitsIt) {
    LoopState state;
    EventHandlerRef quitter = InstallWindowEventHandler(b, &QuitNestedOnKey, &state);
    PostKeyEvent(b, EventKind::KeyDown, 'q', kKeyQ, 0);
    EXPECT_EQ(NestedEventLoopDepth(), 0);
    RunNestedEventLoop();
    EXPECT_EQ(state.depthSeen, 1);
    EXPECT_EQ(NestedEventLoopDepth(), 0);
    RemoveEventHandler(quitter);
}

TEST_F(Events, DelayPassesFakeTicksWhileTimersFire) {
    LoopState state;
    EventLoopTimerRef timer = nullptr;
    InstallEventLoopTimer(
        2 * kEventDurationSecond / 60, 2 * kEventDurationSecond / 60,
        [](EventLoopTimerRef, void* s) { ++static_cast<LoopState*>(s)->fires; }, &state, &timer);
    UInt32 start = TickCount();
    UInt32 final = 0;
    Delay(10, &final);
    EXPECT_EQ(final, start + 10);
    EXPECT_EQ(state.fires, 5);
    RemoveEventLoopTimer(timer);
}

// ---- Classic records ----

TEST_F(Events, ClassicRecordsCarryWhatOlderDispatchersRead) {
    PlatformEvent key = {};
    key.kind = EventKind::KeyRepeat;
    key.charCode = 'r';
    key.keyCode = kKeyR;
    key.modifiers = cmdKey;
    key.when = 77;
    EventRecord record;
    EventRecordFromPlatformEvent(key, &record);
    EXPECT_EQ(record.what, autoKey);
    EXPECT_EQ(record.message, UInt32('r') | (UInt32(kKeyR) << 8));
    EXPECT_EQ(record.modifiers, cmdKey);
    EXPECT_EQ(record.when, 77u);

    PlatformEvent activate = {};
    activate.kind = EventKind::WindowActivated;
    activate.window = a;
    EventRecordFromPlatformEvent(activate, &record);
    EXPECT_EQ(record.what, activateEvt);
    EXPECT_TRUE(record.modifiers & activeFlag);
    EXPECT_EQ(WindowFromEventMessage(record.message), a);

    PlatformEvent update = {};
    update.kind = EventKind::WindowUpdate;
    update.window = b;
    EventRecordFromPlatformEvent(update, &record);
    EXPECT_EQ(record.what, updateEvt);
    UInt32 message = record.message;
    EXPECT_EQ(WindowFromEventMessage(message), b);
    DisposeWindow(b);
    b = nullptr;
    EXPECT_EQ(WindowFromEventMessage(message), nullptr); // a stale message finds no window

    PlatformEvent click = {};
    click.kind = EventKind::MouseDown;
    click.globalPoint = Point{12, 34};
    EventRecordFromPlatformEvent(click, &record);
    EXPECT_EQ(record.what, mouseDown);
    EXPECT_EQ(record.where, (Point{12, 34}));
}

// ---- Sound ----

// Tests and headless runs have no audio output: the beep must neither fail nor hold things up.
TEST(Sound, BeepWithoutAnAudioDeviceIsSilent) {
    SysBeep(30);
    SysBeep(30);
    ProcessPendingEvents();
}

} // namespace
