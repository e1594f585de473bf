// The eight-byte header that begins the program's own side resources of a script document, and the checks
// that recognise it in either byte order and bring each resource into this machine's order.
#pragma once

#include "platform/memory.h"
#include "platform/types.h"

#include <cstddef>

// Tag and version, each a 32-bit integer in the byte order of the machine that wrote the resource.
struct DocResourceHeader {
    ResType tag;
    UInt32 version;
};
constexpr Size kDocResourceHeaderSize = 8;
constexpr UInt32 kDocResourceVersion = 0x30303031; // "0001"
static_assert(offsetof(DocResourceHeader, tag) == 0 && offsetof(DocResourceHeader, version) == 4);
static_assert(sizeof(DocResourceHeader) == kDocResourceHeaderSize);

// Serialised in this machine's order (the order every save writes).
void WriteDocResourceHeader(UInt8* out, ResType tag);
DocResourceHeader ReadDocResourceHeader(const UInt8* in);

constexpr ResType kBookmarkTag = FourCC("BkMk");
constexpr ResType kTabsTag = FourCC("Tabs");
constexpr ResType kTextMergeTag = FourCC("MerG");
constexpr ResType kWordSwapTag = FourCC("Swap");
constexpr ResType kHypertextTag = FourCC("HyTx");
constexpr ResType kMandalaTag = FourCC("Mndl");
constexpr ResType kOverlayTag = FourCC("Over");

// Leaves the 'BkMk' handle holding the bare bookmark offsets in this machine's order; a list older than
// the header is converted as the operator chooses. Nothing for a null handle.
void CheckBookmarkCompatibility(Handle* handle, bool markChanged);
// True when the 'BmkN' handle came from the other byte order (the caller swaps the names' count word).
bool CheckBookmarkNamesSwapped(Handle* handle);
// 1 when the resource has its tag and version (brought into this machine's order when needed), else 0.
SInt16 CheckTabCompatibility(Handle* handle, bool markChanged);
SInt16 CheckTextMergeCompatibility(Handle handle, bool markChanged);
SInt16 CheckHypertextCompatibility(Handle handle, bool markChanged);
SInt16 CheckSpiroCompatibility(Handle handle, bool markChanged);
SInt16 CheckOverlayCompatibility(Handle handle, bool markChanged);
// 0 for the text merge tags ('Swap' also sets gFlagDoWordSwap), 1 for anything else.
SInt16 IsNotTextMergeData(ResType tag);
// Byte-swaps the handle in place as 16-bit (as16) or 32-bit units from unit `first` to its end.
void SwapBookmarks(Handle handle, bool as16, SInt32 first);
// Asks whether and how to convert a bookmark list without header; true when the operator confirms.
bool PleaseConvertBookmarks(bool looks16, bool notAscending, bool outOfRange, bool* widen, bool* swap);

// Tests answer the question without showing it (answer off shows it again) and read what was asked.
struct BookmarkConversionQuestion {
    bool asked = false;
    bool looks16 = false;
    bool notAscending = false;
    bool outOfRange = false;
};
void AnswerBookmarkConversionForTesting(bool answer, bool confirm, bool widen, bool swap);
BookmarkConversionQuestion LastBookmarkConversionQuestion();
