// The master block behind every handle. Private to the kernel: the resource manager marks its handles here.
#pragma once

#include "platform/types.h"

struct ResourceSlot;

struct HandleBlock {
    char* data; // first member: a Handle is the address of this field
    Size size;
    Size capacity;
    SInt8 state;            // kHandleLockedBit and friends
    ResourceSlot* resource; // the resource this handle holds, or null
};

inline HandleBlock* BlockOf(Handle h) {
    return reinterpret_cast<HandleBlock*>(h);
}
inline Handle HandleOf(HandleBlock* b) {
    return &b->data;
}

// Called by DisposeHandle on a resource's handle so the resource map forgets it.
void ForgetResourceHandle(ResourceSlot* slot);
