// The observer of stand-in operations (see pending_calls.h).
#include "foundation/pending_calls.h"

namespace {
PendingCallObserver sObserver = nullptr;
}

void SetPendingCallObserver(PendingCallObserver observer) {
    sObserver = observer;
}

void NotePendingCall(const char* name) {
    if (sObserver) sObserver(name);
}
