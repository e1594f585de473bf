// A window onto the operations that are still stand-ins: each stand-in that a click or a key reaches names
// itself here, so that a test can see which operation a click asked for before that operation exists.
#pragma once

using PendingCallObserver = void (*)(const char* name);
// Null (the default) sees nothing.
void SetPendingCallObserver(PendingCallObserver observer);
void NotePendingCall(const char* name);

// How every stand-in reports its call: the first line of its body, naming the function it stands in for.
#define NOTE_PENDING_CALL() NotePendingCall(__func__)
