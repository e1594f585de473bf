// A plain tool window whose port the custom controls draw into, the fake clock, a record of every
// button and slider action with the tick it came at, and mouse input scheduled on that clock.
#pragma once

#include "controls/custom_controls.h"
#include "controls_fixture.h"
#include "platform/clock.h"
#include "platform/timers.h"
#include "texttools/text_tool_windows.h"

#include <memory>
#include <vector>

struct ControlAction {
    SInt32 code;
    SInt16 phase; // or the arrow step of a slider
    SInt32 position;
    UInt32 tick;
    double value; // what a slider's position stands for
};

inline std::vector<ControlAction> gControlActions;

inline void RecordControlAction(SInt32 code, SInt16 phase, SInt32 position, double value) {
    gControlActions.push_back({code, phase, position, TickCount(), value});
}

class CustomControlsFixture : public ToolWindowFixture {
  protected:
    static constexpr UInt32 kStartTick = 1000;

    void SetUp() override {
        ToolWindowFixture::SetUp();
        UseFakeClock(kStartTick, 0);
        Build(&myFindReplaceWindow, 11, {ItemListBytes({Item(0, {10, 10, 30, 30})})});
        GetGWorld(&savedPort, &savedDevice);
        SetGWorld(port, nullptr);
        const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
        RGBBackColor(&white);
        EraseRect(&dialog->bounds);
        gControlActions.clear();
        SetCustomControlActionObserver(&RecordControlAction);
    }
    void TearDown() override {
        SetCustomControlActionObserver(nullptr);
        for (EventLoopTimerRef timer : timers)
            RemoveEventLoopTimer(timer);
        SetGWorld(savedPort, savedDevice);
        UseRealClock();
        ToolWindowFixture::TearDown();
    }
    void Press(Point at) {
        PostMouseEvent(window, EventKind::MouseDown, at, 0);
        ProcessPendingEvents();
    }
    // Pressed at `from` now, moved to `to` a tick later and released there the tick after: the tracker
    // starts with the mouse where it was pressed.
    void Drag(Point from, Point to) {
        Press(from);
        At(1, to, false);
        At(2, to, true);
    }
    // The mouse moves to `to` (released there when `release`) `ticks` after now, on the fake clock.
    void At(UInt32 ticks, Point to, bool release) {
        auto step = std::make_unique<Scheduled>(Scheduled{window, to, release});
        EventLoopTimerRef timer = nullptr;
        InstallEventLoopTimer(ticks * kEventDurationSecond / 60, 0, &Fire, step.get(), &timer);
        timers.push_back(timer);
        scheduled.push_back(std::move(step));
    }

    CGrafPtr savedPort = nullptr;
    GDHandle savedDevice = nullptr;

  private:
    struct Scheduled {
        WindowPtr window;
        Point to;
        bool release;
    };
    static void Fire(EventLoopTimerRef, void* data) {
        const auto* step = static_cast<Scheduled*>(data);
        PostMouseEvent(step->window, step->release ? EventKind::MouseUp : EventKind::MouseDragged, step->to,
                       0);
    }
    std::vector<EventLoopTimerRef> timers;
    std::vector<std::unique_ptr<Scheduled>> scheduled;
};
