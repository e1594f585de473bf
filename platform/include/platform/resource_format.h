// The resource-file format, as bytes: a 16-byte header (data offset, map offset, data length, map
// length), the data section (each resource a 4-byte length and its bytes), and the map (a copy of the
// header, attributes, the type list with each type's reference list, and the name list). Everything is
// big-endian; data offsets are 24 bits, so the data section holds at most 16 MiB.
//
// Parsing trusts nothing in the file: every offset and length is checked against the bytes at hand, and
// a damaged file yields mapReadErr instead of a read outside it.
//
// Maps beyond 64 KiB: the map's own offsets are 16 bits, which limits a classic map to about 2,700
// resources. A writer with more lays the reference lists and the name list out in order and stores only
// the low 16 bits of each offset; a reader meeting a map longer than 64 KiB resolves each offset to the
// first position at or after the end of what precedes it that has those low bits. Maps that fit in
// 64 KiB are read and written exactly as the classic format says.
#pragma once

#include "platform/types.h"

#include <span>
#include <string>
#include <vector>

// Resource attributes.
enum : UInt8 {
    resSysHeap = 64,
    resPurgeable = 32,
    resLocked = 16,
    resProtected = 8,
    resPreload = 4,
    resChanged = 2,
};

// Map attributes.
enum : UInt16 { mapReadOnly = 128, mapCompact = 64, mapChanged = 32 };

struct ResourceEntry {
    ResType type = 0;
    ResID id = 0;
    bool hasName = false;
    std::string name; // Mac Roman bytes, at most 255
    UInt8 attributes = 0;
    std::span<const UInt8> data; // into the parsed buffer, or the writer's caller's storage
};

struct ResourceForkContents {
    UInt16 mapAttributes = 0;
    // Grouped by type, types in the order of the type list, each type's resources in reference-list order.
    std::vector<ResourceEntry> entries;
};

constexpr size_t kResourceHeaderSize = 16;
constexpr size_t kResourceDataStart = 256; // the data section follows 240 bytes reserved after the header
constexpr size_t kMaxResourceDataSection = 0xFFFFFF;

// Parses a whole resource file. An empty file is resFNotFound; anything inconsistent is mapReadErr.
OSErr ParseResourceFork(std::span<const UInt8> bytes, ResourceForkContents& out);

// Serialises entries (grouped by type in the order given; entries of one type need not be adjacent) into
// a complete file. dataOffsets receives, per entry, the offset in `out` of its data bytes.
// Fails with paramErr for a name over 255 bytes, and with addResFailed when the data section would pass
// 16 MiB.
OSErr SerializeResourceFork(const ResourceForkContents& contents, std::vector<UInt8>& out,
                            std::vector<size_t>* dataOffsets = nullptr);
