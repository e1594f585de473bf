// Relocatable memory handles and pointer blocks with exact logical sizes.
//
// A handle is a pointer to a master pointer: *h is the block's address, which may change when the block
// grows unless the handle is locked. A locked block never moves, so growing it past its capacity fails
// with memFullErr. Pointer blocks never move: growing one past its capacity fails the same way, and the
// caller allocates a new block. Every call sets MemError().
#pragma once

#include "platform/types.h"

OSErr MemError();
// Parts of the platform that free or make memory outside these calls report through it.
void SetMemError(OSErr err);

Handle NewHandle(Size size);
Handle NewHandleClear(Size size);
Handle TempNewHandle(Size size, OSErr* resultCode);
void DisposeHandle(Handle h);
Size GetHandleSize(Handle h);
// Resizes the block, keeping its contents up to the smaller size; new bytes are zero.
void SetHandleSize(Handle h, Size newSize);
// Empties the block but keeps the handle (a size of 0).
void EmptyHandle(Handle h);

// Handle state bits as HGetState answers them.
enum : SInt8 { kHandleLockedBit = SInt8(0x80), kHandlePurgeableBit = 0x40, kHandleResourceBit = 0x20 };
void HLock(Handle h);
void HUnlock(Handle h);
SInt8 HGetState(Handle h);
void HSetState(Handle h, SInt8 state);
bool IsHandleLocked(Handle h);

// Copies *theHndl into a new handle and stores it back in *theHndl.
OSErr HandToHand(Handle* theHndl);
OSErr PtrToHand(const void* srcPtr, Handle* dstHndl, Size size);
// Appends bytes or another handle's contents to a handle.
OSErr PtrAndHand(const void* ptr, Handle h, Size size);
OSErr HandAndHand(Handle src, Handle dst);
// Replaces removeLength bytes at offset with insertLength bytes from insert (insert may be null when
// insertLength is 0). offset -1 means the end; removeLength -1 means everything from offset on.
OSErr SpliceHandle(Handle h, Size offset, Size removeLength, const void* insert, Size insertLength);

Ptr NewPtr(Size size);
Ptr NewPtrClear(Size size);
void DisposePtr(Ptr p);
Size GetPtrSize(Ptr p);
// Resizes the block in place; fails with memFullErr when it would have to move.
void SetPtrSize(Ptr p, Size newSize);

void BlockMove(const void* src, void* dst, Size count);

// Test support: the next `count` allocations succeed, then every allocation fails with memFullErr until
// the countdown is cleared with -1.
void SetAllocationFailureCountdown(SInt32 count);
// Test support: the next `count` allocations fail, then allocations succeed again.
void FailNextAllocations(SInt32 count);
