// What the text engine's inline-input and object code provide to the storage, editing and layout code
// before they are built, in their least form. Each definition moves to its own
// file when its code is built.
#include "textengine/engine_internal.h"

#include "platform/memory.h"

#include <algorithm>
#include <vector>

void WEStopInlineSession(WEReference) {}

// An object until the object handlers exist: its type, its data and its size.
struct PendingObject {
    OSType type;
    Handle data;
    Point size;
};

OSErr _WENewObject(OSType type, Handle data, WEReference, WEObjectReference* object) {
    Handle h = NewHandleClear(sizeof(PendingObject));
    *object = h;
    if (!h) return memFullErr;
    *reinterpret_cast<PendingObject*>(*h) = PendingObject{type, data, Point{}};
    return noErr;
}

OSErr _WEFreeObject(WEObjectReference object) {
    if (!object) return nilHandleErr;
    if (Handle data = reinterpret_cast<PendingObject*>(*object)->data) DisposeHandle(data);
    DisposeHandle(object);
    return noErr;
}

Point WEGetObjectSize(WEObjectReference object) {
    return reinterpret_cast<PendingObject*>(*object)->size;
}

OSErr WESetObjectSize(WEObjectReference object, Point size) {
    reinterpret_cast<PendingObject*>(*object)->size = size;
    return noErr;
}

// Until object handlers exist, every object streams as its own type and data.
OSErr _WEStreamObject(SInt16, OSType* type, Handle* data, Boolean* handled, WEObjectReference object) {
    if (!object) return nilHandleErr;
    if (*data) DisposeHandle(*data);
    const PendingObject& o = *reinterpret_cast<PendingObject*>(*object);
    *type = o.type;
    *data = o.data;
    *handled = false;
    return noErr;
}
