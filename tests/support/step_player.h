// Plays a modal dialog step by step: each step runs once against the dialog in front, on the next pass of
// the event loop that finds one shown.
#pragma once

#include "platform/dialogs.h"
#include "platform/timers.h"
#include "platform/windows.h"

#include <functional>
#include <utility>
#include <vector>

struct StepPlayer {
    std::vector<std::function<void(DialogPtr)>> steps;
    size_t next = 0;
    EventLoopTimerRef timer = nullptr;

    static void Look(EventLoopTimerRef timer, void* data) {
        auto* self = static_cast<StepPlayer*>(data);
        DialogPtr dialog = GetDialogFromWindow(FrontWindow());
        if (dialog && IsWindowVisible(GetDialogWindow(dialog)) && self->next < self->steps.size())
            self->steps[self->next++](dialog);
        if (self->next < self->steps.size()) SetEventLoopTimerNextFireTime(timer, 0);
    }
    explicit StepPlayer(std::vector<std::function<void(DialogPtr)>> s) : steps(std::move(s)) {
        InstallEventLoopTimer(0, 0, Look, this, &timer);
    }
    ~StepPlayer() { RemoveEventLoopTimer(timer); }
};
