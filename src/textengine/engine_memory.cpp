// Handle and pointer-block utilities that every part of the text engine allocates and splices through.
#include "textengine/engine_internal.h"

#include "platform/memory.h"

#include <cstring>
#include <utility>

OSErr _WEAllocate(Size size, SInt16 flags, Handle* h, SInt16 memOption, const char* file, SInt32 line) {
    Handle block = nullptr;
    if (flags & kWEAllocTempFirst) {
        OSErr err = noErr;
        block = TempNewHandle(size, &err);
    }
    if (!block) block = NewHandle(size);
    *h = block;
    if (!block) return MemError() ? MemError() : OSErr(memFullErr);
    if (flags & kWEAllocClear) std::memset(*block, 0, size_t(size));
    return noErr;
}

void _WEForgetHandle(Handle* h) {
    Handle old = *h;
    if (!old) return;
    *h = nullptr;
    DisposeHandle(old);
}

Boolean _WESetHandleLock(Handle h, Boolean lock) {
    Boolean wasLocked = IsHandleLocked(h);
    if (lock)
        HLock(h);
    else
        HUnlock(h);
    return wasLocked;
}

void _WEReorder(SInt32* a, SInt32* b) {
    if (*a > *b) std::swap(*a, *b);
}

Boolean _WEBlockCmp(const void* a, const void* b, Size length) {
    return std::memcmp(a, b, size_t(length)) == 0;
}

void _WEBlockClr(void* p, Size length) {
    std::memset(p, 0, size_t(length));
}

OSErr _WESplice(Handle h, const void* source, Size length, Size offset) {
    Size size = GetHandleSize(h);
    if (offset == -1) offset = length < 0 ? size + length : size;
    if (offset < 0 || offset > size || (length < 0 && offset - length > size)) return paramErr;
    if (length >= 0 && source) return SpliceHandle(h, offset, 0, source, length);
    if (length >= 0) {
        // Room only: the caller fills the gap.
        SetHandleSize(h, size + length);
        if (MemError() != noErr) return MemError();
        std::memmove(*h + offset + length, *h + offset, size_t(size - offset));
        return noErr;
    }
    return SpliceHandle(h, offset, -length, nullptr, 0);
}

OSErr _WESplicePtr(Ptr* block, Size* capacity, Size used, const void* source, Size length, Size offset) {
    if (offset == -1) offset = length < 0 ? used + length : used;
    if (offset < 0 || offset > used || (length < 0 && offset - length > used)) return paramErr;
    Size newUsed = used + length;
    Size newCapacity = *capacity;
    if (newUsed > *capacity)
        newCapacity = *capacity * 2 + length;
    else if (newUsed < *capacity / 2)
        newCapacity = newUsed + 20;

    Ptr target = *block;
    if (newCapacity != *capacity) {
        target = NewPtr(newCapacity);
        if (!target) return MemError() ? MemError() : OSErr(memFullErr);
    }
    Ptr old = *block;
    if (length >= 0) {
        if (target != old) std::memcpy(target, old, size_t(offset));
        std::memmove(target + offset + length, old + offset, size_t(used - offset));
        if (source) std::memcpy(target + offset, source, size_t(length));
    } else {
        if (target != old) std::memcpy(target, old, size_t(offset));
        std::memmove(target + offset, old + offset - length, size_t(newUsed - offset));
    }
    if (target != old) {
        DisposePtr(old);
        *block = target;
        *capacity = newCapacity;
    }
    return noErr;
}
