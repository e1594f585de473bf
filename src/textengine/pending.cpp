// What the text engine's selection, undo, inline-input and object code provide to the storage, editing and
// layout code before they are built, in their least form. Each definition moves to its own
// file when its code is built.
#include "textengine/engine_internal.h"

#include "platform/memory.h"

#include <algorithm>
#include <vector>

void WEStopInlineSession(WEReference) {}
void _WEDisposeUndo(WEReference) {}

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

// Changes the selection as the list operations define; hiliting and scrolling come with the caret code.
OSErr WESetSelection(SInt32 start, SInt32 end, SInt16 mode, WEReference we) {
    WERec& r = RecordOf(we);
    start = std::clamp(start, SInt32(0), r.textLength);
    end = std::clamp(end, SInt32(0), r.textLength);
    _WEReorder(&start, &end);
    switch (mode) {
    case 1:
        r.selCount = AddThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
        break;
    case 2:
        r.selCount = InvertThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
        break;
    case 3:
        r.selCount = NotThisSelection(r.selCount, &r.selStart, &r.selEnd, start, end);
        break;
    default:
        ResetSelStartEnd(&r, start, end);
        break;
    }
    return noErr;
}

OSErr WESelView(WEReference) {
    return noErr;
}
OSErr WEScroll(SInt32, SInt32, WEReference) {
    return noErr;
}

OSErr WEFindWord(SInt32 offset, SInt16 edge, SInt32* start, SInt32* end, WEReference we) {
    WERec& r = RecordOf(we);
    SInt32 contextStart = std::max(SInt32(0), offset - 16383);
    SInt32 contextEnd = std::min(r.textLength, offset + 16383);
    SInt16 offsets[2] = {0, 0};
    auto wordBreak = reinterpret_cast<WEWordBreakProc>(r.hooks[kWEHookWordBreak]);
    wordBreak(TextOf(r) + contextStart, SInt16(contextEnd - contextStart), SInt16(offset - contextStart),
              UInt8(edge), offsets, 0, we);
    *start = contextStart + offsets[0];
    *end = contextStart + offsets[1];
    return noErr;
}
