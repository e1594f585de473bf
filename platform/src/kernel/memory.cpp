// Handles and pointer blocks over malloc, with the memory error of the last call.
#include "platform/memory.h"

#include "handle_block.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

OSErr gMemErr = noErr;
SInt32 gFailureCountdown = -1;
SInt32 gFailuresToCome = 0;

// Every allocation passes here so tests can make memory run out.
bool AllocationAllowed() {
    if (gFailuresToCome > 0) {
        --gFailuresToCome;
        return false;
    }
    if (gFailureCountdown == 0) return false;
    if (gFailureCountdown > 0) --gFailureCountdown;
    return true;
}

void* Allocate(size_t bytes) {
    return AllocationAllowed() ? std::malloc(bytes == 0 ? 1 : bytes) : nullptr;
}

void* Reallocate(void* old, size_t bytes) {
    return AllocationAllowed() ? std::realloc(old, bytes == 0 ? 1 : bytes) : nullptr;
}

// Pointer blocks carry their size and capacity just before the bytes the caller sees.
struct PtrHeader {
    Size size;
    Size capacity;
    UInt32 magic;
    UInt32 pad;
};
static_assert(sizeof(PtrHeader) == 16, "pointer blocks stay 16-byte aligned");
constexpr UInt32 kPtrMagic = 0x50545221;

PtrHeader* HeaderOf(Ptr p) {
    return reinterpret_cast<PtrHeader*>(p) - 1;
}

Handle MakeHandle(Size size, bool clear) {
    if (size < 0) {
        gMemErr = paramErr;
        return nullptr;
    }
    auto* block = static_cast<HandleBlock*>(Allocate(sizeof(HandleBlock)));
    if (!block) {
        gMemErr = memFullErr;
        return nullptr;
    }
    block->data = static_cast<char*>(Allocate(size_t(size)));
    if (!block->data) {
        std::free(block);
        gMemErr = memFullErr;
        return nullptr;
    }
    if (clear) std::memset(block->data, 0, size_t(size));
    block->size = size;
    block->capacity = size;
    block->state = 0;
    block->resource = nullptr;
    gMemErr = noErr;
    return HandleOf(block);
}

Ptr MakePtr(Size size, bool clear) {
    if (size < 0) {
        gMemErr = paramErr;
        return nullptr;
    }
    auto* header = static_cast<PtrHeader*>(Allocate(sizeof(PtrHeader) + size_t(size)));
    if (!header) {
        gMemErr = memFullErr;
        return nullptr;
    }
    header->size = size;
    header->capacity = size;
    header->magic = kPtrMagic;
    header->pad = 0;
    Ptr p = reinterpret_cast<Ptr>(header + 1);
    if (clear) std::memset(p, 0, size_t(size));
    gMemErr = noErr;
    return p;
}

} // namespace

void SetMemError(OSErr err) {
    gMemErr = err;
}
OSErr MemError() {
    return gMemErr;
}
void SetAllocationFailureCountdown(SInt32 count) {
    gFailureCountdown = count;
}
void FailNextAllocations(SInt32 count) {
    gFailuresToCome = count;
}

Handle NewHandle(Size size) {
    return MakeHandle(size, false);
}
Handle NewHandleClear(Size size) {
    return MakeHandle(size, true);
}

Handle TempNewHandle(Size size, OSErr* resultCode) {
    Handle h = MakeHandle(size, false);
    if (resultCode) *resultCode = gMemErr;
    return h;
}

void DisposeHandle(Handle h) {
    if (!h) {
        gMemErr = nilHandleErr;
        return;
    }
    HandleBlock* block = BlockOf(h);
    if (block->resource) ForgetResourceHandle(block->resource);
    std::free(block->data);
    std::free(block);
    gMemErr = noErr;
}

Size GetHandleSize(Handle h) {
    if (!h) {
        gMemErr = nilHandleErr;
        return 0;
    }
    gMemErr = noErr;
    return BlockOf(h)->size;
}

void SetHandleSize(Handle h, Size newSize) {
    if (!h) {
        gMemErr = nilHandleErr;
        return;
    }
    if (newSize < 0) {
        gMemErr = paramErr;
        return;
    }
    HandleBlock* block = BlockOf(h);
    if (newSize > block->capacity) {
        if (block->state & kHandleLockedBit) {
            gMemErr = memFullErr;
            return;
        }
        // Grow with some slack so that appending byte by byte stays linear.
        Size slack = block->size / 8;
        Size wanted = newSize;
        if (wanted <= std::numeric_limits<Size>::max() - slack) wanted += slack;
        char* moved = static_cast<char*>(Reallocate(block->data, size_t(wanted)));
        if (!moved && wanted != newSize) {
            wanted = newSize;
            moved = static_cast<char*>(Reallocate(block->data, size_t(wanted)));
        }
        if (!moved) {
            gMemErr = memFullErr;
            return;
        }
        block->data = moved;
        block->capacity = wanted;
    }
    if (newSize > block->size) std::memset(block->data + block->size, 0, size_t(newSize - block->size));
    block->size = newSize;
    gMemErr = noErr;
}

void EmptyHandle(Handle h) {
    SetHandleSize(h, 0);
}

void HLock(Handle h) {
    if (!h) {
        gMemErr = nilHandleErr;
        return;
    }
    BlockOf(h)->state |= kHandleLockedBit;
    gMemErr = noErr;
}

void HUnlock(Handle h) {
    if (!h) {
        gMemErr = nilHandleErr;
        return;
    }
    BlockOf(h)->state &= SInt8(~kHandleLockedBit);
    gMemErr = noErr;
}

SInt8 HGetState(Handle h) {
    if (!h) {
        gMemErr = nilHandleErr;
        return 0;
    }
    gMemErr = noErr;
    HandleBlock* block = BlockOf(h);
    return SInt8(block->state | (block->resource ? kHandleResourceBit : 0));
}

void HSetState(Handle h, SInt8 state) {
    if (!h) {
        gMemErr = nilHandleErr;
        return;
    }
    // The resource bit says what the handle is; it cannot be set or cleared from outside.
    BlockOf(h)->state = SInt8(state & (kHandleLockedBit | kHandlePurgeableBit));
    gMemErr = noErr;
}

bool IsHandleLocked(Handle h) {
    return h && (BlockOf(h)->state & kHandleLockedBit);
}

OSErr HandToHand(Handle* theHndl) {
    if (!theHndl || !*theHndl) return gMemErr = nilHandleErr;
    Handle src = *theHndl;
    Size size = BlockOf(src)->size;
    Handle copy = MakeHandle(size, false);
    if (!copy) return gMemErr;
    std::memcpy(*copy, *src, size_t(size));
    *theHndl = copy;
    return gMemErr = noErr;
}

OSErr PtrToHand(const void* srcPtr, Handle* dstHndl, Size size) {
    if (!dstHndl) return gMemErr = paramErr;
    Handle h = MakeHandle(size, false);
    *dstHndl = h;
    if (!h) return gMemErr;
    if (size > 0) std::memcpy(*h, srcPtr, size_t(size));
    return gMemErr = noErr;
}

OSErr PtrAndHand(const void* ptr, Handle h, Size size) {
    return SpliceHandle(h, -1, 0, ptr, size);
}

OSErr HandAndHand(Handle src, Handle dst) {
    if (!src || !dst) return gMemErr = nilHandleErr;
    if (src == dst) {
        // Appending a handle to itself: the source moves while the destination grows.
        Size size = BlockOf(src)->size;
        SetHandleSize(dst, size * 2);
        if (gMemErr) return gMemErr;
        std::memcpy(*dst + size, *dst, size_t(size));
        return gMemErr = noErr;
    }
    return SpliceHandle(dst, -1, 0, *src, BlockOf(src)->size);
}

OSErr SpliceHandle(Handle h, Size offset, Size removeLength, const void* insert, Size insertLength) {
    if (!h) return gMemErr = nilHandleErr;
    HandleBlock* block = BlockOf(h);
    Size size = block->size;
    if (offset == -1) offset = size;
    if (removeLength == -1) removeLength = size - (offset < 0 ? 0 : offset);
    if (offset < 0 || offset > size || removeLength < 0 || removeLength > size - offset || insertLength < 0 ||
        (insertLength > 0 && !insert))
        return gMemErr = paramErr;
    Size tail = size - offset - removeLength;
    if (insertLength > std::numeric_limits<Size>::max() - (size - removeLength)) return gMemErr = memFullErr;
    Size newSize = size - removeLength + insertLength;

    // The inserted bytes may live inside the block itself; keep a copy before it can move.
    const char* source = static_cast<const char*>(insert);
    char* ownCopy = nullptr;
    if (insertLength > 0 && source >= block->data && source < block->data + block->capacity) {
        ownCopy = static_cast<char*>(std::malloc(size_t(insertLength)));
        if (!ownCopy) return gMemErr = memFullErr;
        std::memcpy(ownCopy, source, size_t(insertLength));
        source = ownCopy;
    }

    if (newSize > size) {
        SetHandleSize(h, newSize);
        if (gMemErr) {
            std::free(ownCopy);
            return gMemErr;
        }
    }
    char* data = block->data;
    std::memmove(data + offset + insertLength, data + offset + removeLength, size_t(tail));
    if (insertLength > 0) std::memcpy(data + offset, source, size_t(insertLength));
    std::free(ownCopy);
    if (newSize < size) SetHandleSize(h, newSize);
    return gMemErr = noErr;
}

Ptr NewPtr(Size size) {
    return MakePtr(size, false);
}
Ptr NewPtrClear(Size size) {
    return MakePtr(size, true);
}

void DisposePtr(Ptr p) {
    if (!p) {
        gMemErr = nilHandleErr;
        return;
    }
    PtrHeader* header = HeaderOf(p);
    if (header->magic != kPtrMagic) {
        gMemErr = memWZErr;
        return;
    }
    header->magic = 0;
    std::free(header);
    gMemErr = noErr;
}

Size GetPtrSize(Ptr p) {
    if (!p) {
        gMemErr = nilHandleErr;
        return 0;
    }
    gMemErr = noErr;
    return HeaderOf(p)->size;
}

void SetPtrSize(Ptr p, Size newSize) {
    if (!p) {
        gMemErr = nilHandleErr;
        return;
    }
    if (newSize < 0) {
        gMemErr = paramErr;
        return;
    }
    PtrHeader* header = HeaderOf(p);
    if (newSize > header->capacity) {
        gMemErr = memFullErr;
        return;
    }
    if (newSize > header->size) std::memset(p + header->size, 0, size_t(newSize - header->size));
    header->size = newSize;
    gMemErr = noErr;
}

void BlockMove(const void* src, void* dst, Size count) {
    if (count > 0) std::memmove(dst, src, size_t(count));
}
