// Event handlers: installing and removing them, and giving an event to the window's handlers (newest
// first) and then to the application's until one takes it. Handlers may install and remove handlers and
// dispose of windows while they run: what they free waits until no dispatch is running.
#include "platform/events.h"

#include "event_internal.h"
#include "window_record.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {

std::vector<EventHandlerSlot*> gApplicationHandlers;
// Every installed handler, so that removing one twice, or one that went with its window, does no harm.
std::unordered_set<EventHandlerSlot*> gLiveHandlers;
// Handlers removed while a dispatch was running, freed when it ends.
std::vector<EventHandlerSlot*> gRemovedHandlers;
int gDispatchDepth = 0;

std::vector<EventHandlerSlot*>& OwnerList(const EventHandlerSlot* slot) {
    return slot->window ? slot->window->handlers : gApplicationHandlers;
}

void Unlink(EventHandlerSlot* slot) {
    auto& list = OwnerList(slot);
    list.erase(std::remove(list.begin(), list.end(), slot), list.end());
}

void Remove(EventHandlerSlot* slot) {
    gLiveHandlers.erase(slot);
    if (gDispatchDepth > 0) {
        slot->proc = nullptr;
        gRemovedHandlers.push_back(slot);
        return;
    }
    Unlink(slot);
    delete slot;
}

void FreeRemovedHandlers() {
    std::vector<EventHandlerSlot*> removed;
    removed.swap(gRemovedHandlers);
    for (EventHandlerSlot* slot : removed) {
        Unlink(slot);
        delete slot;
    }
}

// Indexes, not iterators: handlers installed meanwhile are appended (and not called for this event),
// removed ones stay in place with a null procedure until the dispatch ends.
OSStatus CallHandlers(const std::vector<EventHandlerSlot*>& list, const PlatformEvent& event) {
    for (size_t i = list.size(); i-- > 0;) {
        EventHandlerSlot* slot = list[i];
        if (slot->proc && slot->proc(event, slot->userData) == noErr) return noErr;
    }
    return eventNotHandledErr;
}

} // namespace

DispatchScope::DispatchScope() {
    ++gDispatchDepth;
}

DispatchScope::~DispatchScope() {
    if (--gDispatchDepth > 0) return;
    FreeRemovedHandlers();
    DeleteDisposedWindows();
}

bool IsDispatching() {
    return gDispatchDepth > 0;
}

EventHandlerRef InstallApplicationEventHandler(EventHandlerProc proc, void* userData) {
    if (!proc) return nullptr;
    auto* slot = new EventHandlerSlot{proc, userData, nullptr};
    gApplicationHandlers.push_back(slot);
    gLiveHandlers.insert(slot);
    return slot;
}

EventHandlerRef InstallWindowEventHandler(WindowPtr window, EventHandlerProc proc, void* userData) {
    if (!proc || !window || window->disposed) return nullptr;
    auto* slot = new EventHandlerSlot{proc, userData, window};
    window->handlers.push_back(slot);
    gLiveHandlers.insert(slot);
    return slot;
}

void RemoveEventHandler(EventHandlerRef handler) {
    if (handler && gLiveHandlers.contains(handler)) Remove(handler);
}

void RemoveWindowHandlers(WindowPtr window) {
    std::vector<EventHandlerSlot*> handlers = window->handlers;
    for (EventHandlerSlot* slot : handlers)
        if (gLiveHandlers.contains(slot)) Remove(slot);
}

void RemoveAllEventHandlers() {
    std::vector<EventHandlerSlot*> handlers = gApplicationHandlers;
    for (EventHandlerSlot* slot : handlers)
        if (gLiveHandlers.contains(slot)) Remove(slot);
}

OSStatus DispatchPlatformEvent(const PlatformEvent& event) {
    DispatchScope scope;
    OSStatus result = eventNotHandledErr;
    if (event.window && !event.window->disposed) result = CallHandlers(event.window->handlers, event);
    if (result != noErr) result = CallHandlers(gApplicationHandlers, event);
    return result;
}
