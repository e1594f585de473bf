// The resource-file codec: round trips, big maps, and damaged files that must fail cleanly.
#include "platform/bytes.h"
#include "platform/resource_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::span<const UInt8> Bytes(const std::string& s) {
    return {reinterpret_cast<const UInt8*>(s.data()), s.size()};
}

ResourceEntry Entry(ResType type, ResID id, const std::string& data, const char* name = nullptr) {
    ResourceEntry e;
    e.type = type;
    e.id = id;
    e.data = Bytes(data);
    if (name) {
        e.hasName = true;
        e.name = name;
    }
    return e;
}

// One resource 'TEST' 128 "alpha" holding "hello". Offsets into it, for the damage table:
constexpr size_t kMapOffsetField = 4;
constexpr size_t kDataLengthField = 8;
constexpr size_t kResourceLengthField = 256; // the first resource's length word in the data section
constexpr size_t kMapStart = 256 + 9;
constexpr size_t kTypeCountField = kMapStart + 28;
constexpr size_t kRefListOffsetField = kMapStart + 28 + 2 + 6;
constexpr size_t kReference = kMapStart + 28 + 2 + 8;

std::vector<UInt8> OneResourceFile() {
    static const std::string hello = "hello";
    ResourceForkContents c;
    c.entries.push_back(Entry(FourCC("TEST"), 128, hello, "alpha"));
    std::vector<UInt8> out;
    EXPECT_EQ(SerializeResourceFork(c, out), noErr);
    return out;
}

TEST(ResourceFormat, RoundTripKeepsTypesIdsNamesAttributesAndData) {
    std::string a = "first", b = "second", c = std::string(1000, '\xDB'), empty;
    ResourceForkContents in;
    in.mapAttributes = mapReadOnly;
    in.entries.push_back(Entry(FourCC("STR#"), 128, a, "Messages"));
    in.entries.push_back(Entry(FourCC("PICT"), -4000, c));
    in.entries.push_back(Entry(FourCC("STR#"), 129, b)); // a second of one type, not adjacent
    in.entries.push_back(Entry(FourCC("TEXT"), 0, empty, ""));
    in.entries[1].attributes = resPurgeable | resChanged;

    std::vector<UInt8> bytes;
    std::vector<size_t> offsets;
    ASSERT_EQ(SerializeResourceFork(in, bytes, &offsets), noErr);
    EXPECT_EQ(std::string(bytes.begin() + long(offsets[2]), bytes.begin() + long(offsets[2]) + 6), "second");

    ResourceForkContents out;
    ASSERT_EQ(ParseResourceFork(bytes, out), noErr);
    EXPECT_EQ(out.mapAttributes, mapReadOnly);
    ASSERT_EQ(out.entries.size(), 4u);
    // Grouped by type in order of first appearance.
    const ResourceEntry& m = out.entries[0];
    EXPECT_EQ(m.type, FourCC("STR#"));
    EXPECT_EQ(m.id, 128);
    EXPECT_TRUE(m.hasName);
    EXPECT_EQ(m.name, "Messages");
    EXPECT_EQ(std::string(m.data.begin(), m.data.end()), "first");
    EXPECT_EQ(out.entries[1].id, 129);
    EXPECT_FALSE(out.entries[1].hasName);
    EXPECT_EQ(out.entries[2].id, -4000);
    EXPECT_EQ(out.entries[2].attributes, resPurgeable); // the changed bit is not stored
    EXPECT_EQ(out.entries[2].data.size(), 1000u);
    EXPECT_EQ(out.entries[3].data.size(), 0u);
    EXPECT_TRUE(out.entries[3].hasName);
    EXPECT_EQ(out.entries[3].name, "");
}

TEST(ResourceFormat, EmptyForkAndEmptyFile) {
    std::vector<UInt8> bytes;
    ASSERT_EQ(SerializeResourceFork(ResourceForkContents{}, bytes), noErr);
    ResourceForkContents out;
    EXPECT_EQ(ParseResourceFork(bytes, out), noErr);
    EXPECT_TRUE(out.entries.empty());
    EXPECT_EQ(ParseResourceFork({}, out), resFNotFound);
}

TEST(ResourceFormat, MapsBeyond64KiBRoundTrip) {
    // 10,000 named resources: the reference lists and names run far past 16-bit offsets.
    std::vector<std::string> data(10000);
    ResourceForkContents in;
    for (int i = 0; i < 10000; ++i) {
        data[size_t(i)] = "value " + std::to_string(i);
        ResourceEntry e = Entry(i % 2 ? FourCC("odd ") : FourCC("even"), ResID(i), data[size_t(i)]);
        e.hasName = true;
        e.name = "name " + std::to_string(i);
        in.entries.push_back(e);
    }
    std::vector<UInt8> bytes;
    ASSERT_EQ(SerializeResourceFork(in, bytes), noErr);
    ResourceForkContents out;
    ASSERT_EQ(ParseResourceFork(bytes, out), noErr);
    ASSERT_EQ(out.entries.size(), 10000u);
    for (const ResourceEntry& e : out.entries) {
        ASSERT_EQ(std::string(e.data.begin(), e.data.end()), "value " + std::to_string(e.id));
        ASSERT_EQ(e.name, "name " + std::to_string(e.id));
        ASSERT_EQ(e.type, e.id % 2 ? FourCC("odd ") : FourCC("even"));
    }
}

TEST(ResourceFormat, OversizedNameIsRefused) {
    std::string data = "x";
    ResourceForkContents in;
    in.entries.push_back(Entry(FourCC("TEST"), 1, data));
    in.entries[0].hasName = true;
    in.entries[0].name = std::string(256, 'n');
    std::vector<UInt8> bytes;
    EXPECT_EQ(SerializeResourceFork(in, bytes), paramErr);
}

TEST(ResourceFormat, DamagedFilesFailWithoutReadingOutside) {
    struct Damage {
        const char* what;
        void (*apply)(std::vector<UInt8>&);
    } cases[] = {
        {"truncated header", [](std::vector<UInt8>& f) { f.resize(10); }},
        {"map offset past the end",
         [](std::vector<UInt8>& f) { WriteBE32(&f[kMapOffsetField], UInt32(f.size())); }},
        {"data length past the end",
         [](std::vector<UInt8>& f) { WriteBE32(&f[kDataLengthField], 0xFFFFFF00); }},
        {"file cut inside the map", [](std::vector<UInt8>& f) { f.resize(f.size() - 1); }},
        {"reference points outside the data",
         [](std::vector<UInt8>& f) { WriteBE24(&f[kReference + 5], 0xFFFFF0); }},
        {"resource length past the end",
         [](std::vector<UInt8>& f) { WriteBE32(&f[kResourceLengthField], 0xFFFFFFF0); }},
        {"name offset past the end", [](std::vector<UInt8>& f) { WriteBE16(&f[kReference + 2], 0x7000); }},
        {"reference list outside the map",
         [](std::vector<UInt8>& f) { WriteBE16(&f[kRefListOffsetField], 0xFFF0); }},
        {"type count beyond the map", [](std::vector<UInt8>& f) { WriteBE16(&f[kTypeCountField], 0x7FFF); }},
        {"name longer than the map", [](std::vector<UInt8>& f) { f[f.size() - 6] = 200; }},
    };
    for (const Damage& d : cases) {
        std::vector<UInt8> file = OneResourceFile();
        d.apply(file);
        ResourceForkContents out;
        EXPECT_EQ(ParseResourceFork(file, out), mapReadErr) << d.what;
        EXPECT_TRUE(out.entries.empty()) << d.what;
    }
}

TEST(ResourceFormat, NoSingleByteDamageReadsOutsideTheFile) {
    // Every byte of a small file set to several values: each parse either succeeds with entries inside
    // the buffer or fails; the sanitizer build catches any read outside.
    std::string a = "abc", b = "defgh";
    ResourceForkContents in;
    in.entries.push_back(Entry(FourCC("AAAA"), 1, a, "one"));
    in.entries.push_back(Entry(FourCC("BBBB"), 2, b, "two"));
    std::vector<UInt8> good;
    ASSERT_EQ(SerializeResourceFork(in, good), noErr);
    for (size_t i = 0; i < good.size(); ++i)
        for (UInt8 v : {UInt8(0x00), UInt8(0x01), UInt8(0x7F), UInt8(0x80), UInt8(0xFF)}) {
            std::vector<UInt8> file = good;
            file[i] = v;
            ResourceForkContents out;
            if (ParseResourceFork(file, out) != noErr) continue;
            for (const ResourceEntry& e : out.entries) {
                ASSERT_GE(e.data.data(), file.data());
                ASSERT_LE(e.data.data() + e.data.size(), file.data() + file.size());
            }
        }
}

} // namespace
