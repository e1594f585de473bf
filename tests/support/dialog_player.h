// Plays a modal dialog as the user would: each step runs against the dialog in front, on a pass of the
// event loop that finds one shown, and a step that answers false is tried again on a later pass (for
// dialogs that follow typing on their own time).
#pragma once

#include "platform/dialogs.h"
#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

struct DialogPlayer {
    using Step = std::function<bool(DialogPtr)>;
    std::vector<Step> steps;
    size_t next = 0;
    int tries = 0;
    EventLoopTimerRef timer = nullptr;

    static void Look(EventLoopTimerRef timer, void* data) {
        auto* self = static_cast<DialogPlayer*>(data);
        // Floating tool windows stay above a dialog in the window order; the dialog leads the others.
        DialogPtr dialog = GetDialogFromWindow(FrontNonFloatingWindow());
        if (dialog && IsWindowVisible(GetDialogWindow(dialog)) && self->next < self->steps.size()) {
            // A step that keeps failing is given up after a few seconds of passes, so a test cannot hang.
            if (self->steps[self->next](dialog) || ++self->tries > 600) {
                ++self->next;
                self->tries = 0;
            }
        }
        // Until a dialog shows, look again on the very next pass: under the fake clock a delay would never
        // come due while the program waits in the dialog.
        const bool waiting = !dialog || !IsWindowVisible(GetDialogWindow(dialog));
        if (self->next < self->steps.size()) SetEventLoopTimerNextFireTime(timer, waiting ? 0 : 1.0 / 120);
    }
    explicit DialogPlayer(std::vector<Step> s) : steps(std::move(s)) {
        InstallEventLoopTimer(0, 0, Look, this, &timer);
    }
    ~DialogPlayer() { RemoveEventLoopTimer(timer); }
    DialogPlayer(const DialogPlayer&) = delete;
    DialogPlayer& operator=(const DialogPlayer&) = delete;
    bool Finished() const { return next == steps.size(); }
};

inline void TypeInto(DialogPtr dialog, SInt16 item, const std::string& text) {
    Str255 p;
    p[0] = UInt8(text.size());
    std::memcpy(p + 1, text.data(), text.size());
    SetDialogItemText(dialog, item, p);
}

inline std::string ItemTextOf(DialogPtr dialog, SInt16 item) {
    Str255 p;
    GetDialogItemText(dialog, item, p);
    return std::string(PStringView(p));
}
