// Loading colour tables from resources into this machine's byte order, and reading their entries.
#include "foundation/color_table_loading.h"

#include "foundation/byte_swap.h"
#include "foundation/checked_wrappers.h"

#include <cstring>

namespace {

constexpr Size kHeaderSize = 8;
constexpr Size kEntrySize = 8;
constexpr Size kHighestIndexOffset = 6;

UInt16 Load16(Handle table, Size offset) {
    UInt16 v;
    std::memcpy(&v, *table + offset, 2);
    return v;
}

void Store16(Handle table, Size offset, UInt16 v) {
    std::memcpy(*table + offset, &v, 2);
}

UInt16 Swapped(UInt16 v) {
    return UInt16((v >> 8) | (v << 8));
}

void SwapTable(Handle table, SInt32 entries) {
    SwapLong(*table, true);
    SwapShort(*table + 4, true);
    SwapShort(*table + kHighestIndexOffset, true);
    for (SInt32 i = 0; i < entries * 4; ++i)
        SwapShort(*table + kHeaderSize + 2 * i, true);
}

} // namespace

SInt32 ColorTableEntryCount(Handle table) {
    const Size size = table ? GetHandleSize(table) : 0;
    return size < kHeaderSize ? 0 : SInt32((size - kHeaderSize) / kEntrySize);
}

SInt16 ColorTableHighestIndex(Handle table) {
    return table && GetHandleSize(table) >= kHeaderSize ? SInt16(Load16(table, kHighestIndexOffset)) : -1;
}

RGBColor ColorTableEntry(Handle table, SInt16 index) {
    if (index < 0 || index >= ColorTableEntryCount(table)) return RGBColor{};
    const Size at = kHeaderSize + Size(index) * kEntrySize;
    return RGBColor{Load16(table, at + 2), Load16(table, at + 4), Load16(table, at + 6)};
}

Handle LoadColorTable(ResType type, ResID id) {
    Handle table = MyGetResource(type, id, 0);
    if (!table) return nullptr;
    MyDetachResource(table, ORVALIS_HERE);
    if (GetHandleSize(table) < kHeaderSize) {
        DisposeHandle(table);
        return nullptr;
    }
    const SInt32 entries = ColorTableEntryCount(table);
    const SInt16 asStored = SInt16(Load16(table, kHighestIndexOffset));
    const SInt16 asSwapped = SInt16(Swapped(UInt16(asStored)));
    // The highest index must agree with the table's size; that tells the byte order even for short
    // tables, whose highest index read the wrong way round can still look plausible.
    bool swap;
    if (asStored + 1 == entries)
        swap = false;
    else if (asSwapped + 1 == entries)
        swap = true;
    else
        swap = asStored > kHighestProgramColorIndex + 1 || asStored < 0;
    if (swap) SwapTable(table, entries);
    // A highest index past the entries present must never send a reader beyond the block.
    if (ColorTableHighestIndex(table) > entries - 1 || ColorTableHighestIndex(table) < 0)
        Store16(table, kHighestIndexOffset, UInt16(entries - 1));
    return table;
}

bool PadColorTable(Handle table, SInt32 entries, const RGBColor& fill) {
    const SInt32 present = ColorTableEntryCount(table);
    if (present >= entries) return true;
    SetHandleSize(table, kHeaderSize + entries * kEntrySize);
    if (MemError() != noErr) return false;
    for (SInt32 i = 0; i < entries; ++i) {
        const Size at = kHeaderSize + Size(i) * kEntrySize;
        Store16(table, at, UInt16(i));
        if (i >= present) {
            Store16(table, at + 2, fill.red);
            Store16(table, at + 4, fill.green);
            Store16(table, at + 6, fill.blue);
        }
    }
    Store16(table, kHighestIndexOffset, UInt16(entries - 1));
    return true;
}
