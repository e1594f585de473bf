// Reading and writing the bytes of a resource file. See resource_format.h for the layout and for how
// maps beyond 64 KiB are handled.
#include "platform/resource_format.h"

#include "platform/bytes.h"

#include <unordered_map>

namespace {

constexpr size_t kMapHeaderSize = 28; // header copy, next map, file reference, attributes, two offsets
constexpr size_t kTypeEntrySize = 8;
constexpr size_t kReferenceSize = 12;
constexpr UInt16 kNoName = 0xFFFF;

// A 16-bit offset as stored. In a map over 64 KiB an offset smaller than where its structure can start
// has wrapped; it is taken as the first position at or after lowerBound with the same low 16 bits.
size_t ResolveOffset(UInt16 stored, size_t lowerBound, bool bigMap) {
    if (!bigMap || stored >= lowerBound) return stored;
    size_t candidate = (lowerBound & ~size_t(0xFFFF)) | stored;
    if (candidate < lowerBound) candidate += 0x10000;
    return candidate;
}

} // namespace

OSErr ParseResourceFork(std::span<const UInt8> bytes, ResourceForkContents& out) {
    out = ResourceForkContents{};
    if (bytes.empty()) return resFNotFound;
    if (bytes.size() < kResourceHeaderSize) return mapReadErr;

    const UInt64 fileSize = bytes.size();
    const UInt64 dataOffset = ReadBE32(bytes.data());
    const UInt64 mapOffset = ReadBE32(bytes.data() + 4);
    const UInt64 dataLength = ReadBE32(bytes.data() + 8);
    const UInt64 mapLength = ReadBE32(bytes.data() + 12);
    if (dataOffset + dataLength > fileSize || mapOffset + mapLength > fileSize) return mapReadErr;
    if (mapLength < kMapHeaderSize + 2) return mapReadErr;

    const std::span<const UInt8> map = bytes.subspan(size_t(mapOffset), size_t(mapLength));
    const std::span<const UInt8> data = bytes.subspan(size_t(dataOffset), size_t(dataLength));
    const bool bigMap = mapLength > 0x10000;

    out.mapAttributes = ReadBE16(map.data() + 22);
    const size_t typeList = ResolveOffset(ReadBE16(map.data() + 24), kMapHeaderSize, bigMap);
    if (typeList + 2 > map.size()) return mapReadErr;
    const size_t typeCount = (size_t(ReadBE16(map.data() + typeList)) + 1) & 0xFFFF;
    if (typeList + 2 + typeCount * kTypeEntrySize > map.size()) return mapReadErr;

    // First pass: where each type's reference list lies, and where the last of them ends.
    struct TypeInfo {
        ResType type;
        size_t count;
        size_t references; // from the start of the map
    };
    std::vector<TypeInfo> types(typeCount);
    size_t listsEnd = typeList + 2 + typeCount * kTypeEntrySize;
    size_t totalReferences = 0;
    for (size_t t = 0; t < typeCount; ++t) {
        const UInt8* entry = map.data() + typeList + 2 + t * kTypeEntrySize;
        TypeInfo& info = types[t];
        info.type = ReadBE32(entry);
        info.count = (size_t(ReadBE16(entry + 4)) + 1) & 0xFFFF;
        info.references = typeList + ResolveOffset(ReadBE16(entry + 6), listsEnd - typeList, bigMap);
        if (info.references + info.count * kReferenceSize > map.size()) return mapReadErr;
        if (info.references + info.count * kReferenceSize > listsEnd)
            listsEnd = info.references + info.count * kReferenceSize;
        totalReferences += info.count;
    }

    const size_t nameList = ResolveOffset(ReadBE16(map.data() + 26), listsEnd, bigMap);
    if (nameList > map.size()) return mapReadErr;

    out.entries.reserve(totalReferences);
    size_t namesEnd = 0; // relative to the name list, for wrapped name offsets
    for (const TypeInfo& info : types) {
        for (size_t r = 0; r < info.count; ++r) {
            const UInt8* ref = map.data() + info.references + r * kReferenceSize;
            ResourceEntry entry;
            entry.type = info.type;
            entry.id = SInt16(ReadBE16(ref));
            const UInt16 nameOffset = ReadBE16(ref + 2);
            entry.attributes = ref[4];
            const UInt64 at = ReadBE24(ref + 5);
            if (at + 4 > data.size()) return mapReadErr;
            const UInt64 length = ReadBE32(data.data() + at);
            if (at + 4 + length > data.size()) return mapReadErr;
            entry.data = data.subspan(size_t(at + 4), size_t(length));
            if (nameOffset != kNoName) {
                const size_t name = nameList + ResolveOffset(nameOffset, namesEnd, bigMap);
                if (name >= map.size()) return mapReadErr;
                const size_t nameLength = map[name];
                if (name + 1 + nameLength > map.size()) return mapReadErr;
                entry.hasName = true;
                entry.name.assign(reinterpret_cast<const char*>(map.data() + name + 1), nameLength);
                namesEnd = name + 1 + nameLength - nameList;
            }
            out.entries.push_back(std::move(entry));
        }
    }
    return noErr;
}

OSErr SerializeResourceFork(const ResourceForkContents& contents, std::vector<UInt8>& out,
                            std::vector<size_t>* dataOffsets) {
    out.clear();
    const auto& entries = contents.entries;

    // Group by type, keeping the order in which types first appear.
    std::vector<ResType> typeOrder;
    std::unordered_map<ResType, std::vector<size_t>> byType;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name.size() > 255) return paramErr;
        auto [it, inserted] = byType.try_emplace(entries[i].type);
        if (inserted) typeOrder.push_back(entries[i].type);
        it->second.push_back(i);
    }
    if (typeOrder.size() > 0x10000) return addResFailed;

    ByteWriter data;
    std::vector<size_t> placed(entries.size());
    for (ResType type : typeOrder) {
        const auto& members = byType[type];
        if (members.size() > 0x10000) return addResFailed;
        for (size_t i : members) {
            if (data.size() > kMaxResourceDataSection || entries[i].data.size() > 0xFFFFFFFFu)
                return addResFailed;
            placed[i] = data.size();
            data.u32(UInt32(entries[i].data.size()));
            data.bytes(entries[i].data.data(), entries[i].data.size());
        }
    }

    ByteWriter map;
    map.zeros(16); // the header copy, filled in below
    map.u32(0);    // next map
    map.u16(0);    // file reference
    map.u16(UInt16(contents.mapAttributes & ~mapChanged));
    map.u16(UInt16(kMapHeaderSize));
    map.u16(0); // name list offset, patched
    const size_t typeList = map.size();
    map.u16(UInt16(typeOrder.size() - 1));
    std::vector<size_t> typeEntryAt;
    for (ResType type : typeOrder) {
        typeEntryAt.push_back(map.size());
        map.u32(type);
        map.u16(UInt16(byType[type].size() - 1));
        map.u16(0); // reference list offset, patched
    }
    std::vector<size_t> nameFieldAt(entries.size(), 0);
    for (size_t t = 0; t < typeOrder.size(); ++t) {
        map.patch16(typeEntryAt[t] + 6, UInt16(map.size() - typeList));
        for (size_t i : byType[typeOrder[t]]) {
            const ResourceEntry& e = entries[i];
            map.s16(e.id);
            nameFieldAt[i] = map.size();
            map.u16(kNoName);
            map.u8(UInt8(e.attributes & ~resChanged));
            map.u24(UInt32(placed[i]));
            map.u32(0);
        }
    }
    const size_t nameList = map.size();
    map.patch16(26, UInt16(nameList));
    for (ResType type : typeOrder)
        for (size_t i : byType[type]) {
            if (!entries[i].hasName) continue;
            map.patch16(nameFieldAt[i], UInt16(map.size() - nameList));
            map.pstring(entries[i].name);
        }

    const UInt32 dataLength = UInt32(data.size());
    const UInt32 mapOffset = UInt32(kResourceDataStart + dataLength);
    UInt8 header[16];
    WriteBE32(header, UInt32(kResourceDataStart));
    WriteBE32(header + 4, mapOffset);
    WriteBE32(header + 8, dataLength);
    WriteBE32(header + 12, UInt32(map.size()));
    std::copy(header, header + 16, map.data().begin());

    out.reserve(kResourceDataStart + data.size() + map.size());
    out.insert(out.end(), header, header + 16);
    out.resize(kResourceDataStart, 0);
    out.insert(out.end(), data.data().begin(), data.data().end());
    out.insert(out.end(), map.data().begin(), map.data().end());

    if (dataOffsets) {
        dataOffsets->resize(entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
            (*dataOffsets)[i] = kResourceDataStart + placed[i] + 4;
    }
    return noErr;
}
