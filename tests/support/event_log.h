// An event handler that keeps what it is given, for tests of windows and events.
#pragma once

#include "platform/events.h"

#include <vector>

struct EventLog {
    std::vector<PlatformEvent> events;
    // What the handler answers: by default it lets the event go on to the next handler.
    OSStatus answer = eventNotHandledErr;

    static OSStatus Record(const PlatformEvent& event, void* userData) {
        auto* log = static_cast<EventLog*>(userData);
        log->events.push_back(event);
        return log->answer;
    }

    std::vector<PlatformEvent> OfKind(EventKind kind) const {
        std::vector<PlatformEvent> found;
        for (const PlatformEvent& e : events)
            if (e.kind == kind) found.push_back(e);
        return found;
    }
    size_t Count(EventKind kind) const { return OfKind(kind).size(); }
};
