// Object descriptors and handler tables. A descriptor remembers the table its type was found in, so the
// handlers of a record's own table win over the program-wide ones; a type nobody knows gets a framed box
// and the default copying of its own data.
#include "textengine/objects.h"
#include "textengine/engine_internal.h"

#include "platform/drawing.h"
#include "platform/memory.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>

Handle _weGlobalObjectHandlerTable = nullptr;

namespace {

struct HandlerEntry {
    OSType type;
    WEHookProc handlers[5]; // new, free, draw, clik, strm
    SInt32 refCon;
};

struct ObjectDesc {
    OSType type;
    Handle data;
    Point size;
    Handle table; // null when neither table knew the type
    SInt32 index;
    WEReference owner;
    SInt32 refCon;
};

constexpr OSType kSelectors[] = {FourCC("new "), FourCC("free"), FourCC("draw"), FourCC("clik"),
                                 FourCC("strm")};
constexpr OSType kRefConSelector = FourCC("refc");
constexpr Point kDefaultObjectSize{32, 32};

enum HandlerSlot { kNewSlot, kFreeSlot, kDrawSlot, kClickSlot, kStreamSlot };

// The selector's slot; -2 for 'refc', -1 for a selector there is none of.
int SlotOf(OSType selector) {
    if (selector == kRefConSelector) return -2;
    for (int i = 0; i < int(std::size(kSelectors)); ++i)
        if (kSelectors[i] == selector) return i;
    return -1;
}

SInt32 EntryCount(Handle table) {
    return table ? SInt32(GetHandleSize(table) / Size(sizeof(HandlerEntry))) : 0;
}

HandlerEntry* EntriesOf(Handle table) {
    return reinterpret_cast<HandlerEntry*>(*table);
}

ObjectDesc& DescOf(WEObjectReference object) {
    return *reinterpret_cast<ObjectDesc*>(*object);
}

Handle* TableSlot(WEReference we) {
    return we ? &RecordOf(we).objectHandlers : &_weGlobalObjectHandlerTable;
}

WEHookProc HandlerOf(const ObjectDesc& d, HandlerSlot slot) {
    if (!d.table || d.index < 0 || d.index >= EntryCount(d.table)) return nullptr;
    return EntriesOf(d.table)[d.index].handlers[slot];
}

} // namespace

SInt32 _WELookupObjectType(OSType type, Handle table) {
    for (SInt32 i = 0; i < EntryCount(table); ++i)
        if (EntriesOf(table)[i].type == type) return i;
    return -1;
}

OSErr WEInstallObjectHandler(OSType objectType, OSType selector, WEHookProc handler, WEReference we) {
    const int slot = SlotOf(selector);
    if (slot == -1) return paramErr;
    Handle* table = TableSlot(we);
    if (!*table) {
        *table = NewHandle(0);
        if (!*table) return MemError() ? MemError() : OSErr(memFullErr);
    }
    SInt32 index = _WELookupObjectType(objectType, *table);
    if (index < 0) {
        const HandlerEntry entry{objectType, {}, 0};
        index = EntryCount(*table);
        if (const OSErr err = PtrAndHand(&entry, *table, sizeof entry); err != noErr) return err;
    }
    HandlerEntry& entry = EntriesOf(*table)[index];
    if (slot == -2)
        entry.refCon = SInt32(reinterpret_cast<std::intptr_t>(handler));
    else
        entry.handlers[slot] = handler;
    return noErr;
}

OSErr WEGetObjectHandler(OSType objectType, OSType selector, WEHookProc* handler, WEReference we) {
    const int slot = SlotOf(selector);
    if (slot == -1) return paramErr;
    Handle table = *TableSlot(we);
    const SInt32 index = _WELookupObjectType(objectType, table);
    if (index < 0) return weUnknownObjectTypeErr;
    const HandlerEntry& entry = EntriesOf(table)[index];
    *handler = slot == -2 ? reinterpret_cast<WEHookProc>(std::intptr_t(entry.refCon)) : entry.handlers[slot];
    return noErr;
}

OSErr _WEGetIndObjectType(SInt32 index, OSType* type, WEReference we) {
    if (index < 0) return weUnknownObjectTypeErr;
    for (Handle table : {we ? RecordOf(we).objectHandlers : nullptr, _weGlobalObjectHandlerTable}) {
        if (index < EntryCount(table)) {
            *type = EntriesOf(table)[index].type;
            return noErr;
        }
        index -= EntryCount(table);
    }
    return weUnknownObjectTypeErr;
}

OSErr _WENewObject(OSType type, Handle data, WEReference we, WEObjectReference* object) {
    *object = nullptr;
    Handle table = we ? RecordOf(we).objectHandlers : nullptr;
    SInt32 index = _WELookupObjectType(type, table);
    if (index < 0) {
        table = _weGlobalObjectHandlerTable;
        index = _WELookupObjectType(type, table);
    }
    if (index < 0) table = nullptr;
    Handle h = NewHandleClear(sizeof(ObjectDesc));
    if (!h) return MemError() ? MemError() : OSErr(memFullErr);
    ObjectDesc& d = DescOf(h);
    d = ObjectDesc{
        type, data, kDefaultObjectSize, table, index, we, table ? EntriesOf(table)[index].refCon : 0};
    if (auto create = reinterpret_cast<WENewObjectProc>(HandlerOf(d, kNewSlot))) {
        Point size = d.size;
        if (const OSErr err = create(&size, h); err != noErr) {
            DisposeHandle(h);
            return err;
        }
        DescOf(h).size = size;
    }
    *object = h;
    return noErr;
}

OSErr _WEFreeObject(WEObjectReference object) {
    if (!object) return nilHandleErr;
    OSErr err = noErr;
    if (auto dispose = reinterpret_cast<WEDisposeObjectProc>(HandlerOf(DescOf(object), kFreeSlot)))
        err = dispose(object);
    if (Handle data = DescOf(object).data) DisposeHandle(data);
    DisposeHandle(object);
    return err;
}

OSErr _WEDrawObject(WEObjectReference object) {
    if (!object) return nilHandleErr;
    const ObjectDesc& d = DescOf(object);
    Point pen;
    GetPen(&pen);
    const Rect box{SInt16(pen.v - d.size.v), pen.h, pen.v, SInt16(pen.h + d.size.h)};
    PenState saved;
    GetPenState(&saved);
    OSErr err = noErr;
    if (auto draw = reinterpret_cast<WEDrawObjectProc>(HandlerOf(d, kDrawSlot))) {
        err = draw(&box, object);
    } else if (!d.table) {
        PenNormal();
        FrameRect(&box);
    }
    SetPenState(&saved);
    MoveTo(box.right, pen.v);
    return err;
}

Boolean _WEClickObject(Point hitPoint, UInt16 modifiers, UInt32 clickTime, WEObjectReference object) {
    if (!object) return false;
    auto click = reinterpret_cast<WEClickObjectProc>(HandlerOf(DescOf(object), kClickSlot));
    return click ? Boolean(click(hitPoint, modifiers, clickTime, object) & 0xFF) : false;
}

OSErr _WEStreamObject(SInt16 destKind, OSType* type, Handle* data, Boolean* handled,
                      WEObjectReference object) {
    if (!object) return nilHandleErr;
    if (auto stream = reinterpret_cast<WEStreamObjectProc>(HandlerOf(DescOf(object), kStreamSlot))) {
        const bool made = !*data;
        if (made) *data = NewHandle(0);
        const OSErr err = stream(destKind, type, *data, object);
        if (err != weNotHandledErr) {
            if (err != noErr && made) _WEForgetHandle(data);
            *handled = err == noErr;
            return err;
        }
    }
    if (*data) DisposeHandle(*data);
    const ObjectDesc& d = DescOf(object);
    *type = d.type;
    *data = d.data;
    *handled = false;
    return noErr;
}

OSType WEGetObjectType(WEObjectReference object) {
    return DescOf(object).type;
}

Handle WEGetObjectDataHandle(WEObjectReference object) {
    return DescOf(object).data;
}

Point WEGetObjectSize(WEObjectReference object) {
    return DescOf(object).size;
}

OSErr WESetObjectSize(WEObjectReference object, Point size) {
    DescOf(object).size = size;
    return noErr;
}

WEReference WEGetObjectOwner(WEObjectReference object) {
    return DescOf(object).owner;
}

SInt32 WEGetObjectRefCon(WEObjectReference object) {
    return DescOf(object).refCon;
}

void WESetObjectRefCon(WEObjectReference object, SInt32 refCon) {
    DescOf(object).refCon = refCon;
}
