// The font table of stored styled text: built once per font in use, brought up to date on a machine that
// lacks a family, applied to style scraps, and refused without reading past its end when it is damaged.
#include "engine_fixture.h"

#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "textengine/font_tables.h"
#include "textengine/style_scrap.h"

#include <cstring>

namespace {

struct Entry {
    SInt16 oldFont;
    std::string name;
};

void Put32(std::vector<UInt8>& b, size_t at, UInt32 v, bool swapped) {
    if (swapped) v = __builtin_bswap32(v);
    std::memcpy(b.data() + at, &v, 4);
}

void Put16(std::vector<UInt8>& b, size_t at, SInt16 v, bool swapped) {
    UInt16 u = UInt16(v);
    if (swapped) u = __builtin_bswap16(u);
    std::memcpy(b.data() + at, &u, 2);
}

// A table as another machine may have written it.
std::vector<UInt8> TableBytes(const std::vector<Entry>& entries, bool swapped = false,
                              UInt32 version = kFontTableVersion) {
    std::vector<UInt8> b(16 + 16 * entries.size(), 0);
    Put32(b, 0, kFontTableTag, swapped);
    Put32(b, 4, version, swapped);
    Put32(b, 8, UInt32(entries.size()), swapped);
    for (size_t i = 0; i < entries.size(); i++) {
        Put16(b, 16 + 16 * i, entries[i].oldFont, swapped);
        Put16(b, 16 + 16 * i + 2, entries[i].oldFont, swapped);
        Put32(b, 16 + 16 * i + 12, UInt32(b.size()), swapped);
        b.push_back(UInt8(entries[i].name.size()));
        b.insert(b.end(), entries[i].name.begin(), entries[i].name.end());
        b.resize((b.size() + 3) & ~size_t(3), 0);
    }
    return b;
}

Handle HandleOf(const std::vector<UInt8>& bytes) {
    Handle h = NewHandle(Size(bytes.size()));
    if (!bytes.empty()) std::memcpy(*h, bytes.data(), bytes.size());
    return h;
}

Handle ScrapWithFonts(const std::vector<SInt16>& fonts) {
    Handle h = NewHandleClear(Size(2 + fonts.size() * kStyleScrapElementSize));
    const UInt16 count = UInt16(fonts.size());
    std::memcpy(*h, &count, 2);
    for (size_t i = 0; i < fonts.size(); i++) {
        StyleScrapElement e;
        e.start = SInt32(i * 5);
        e.record.style = MakeStyle(0, 12, fonts[i]);
        WriteStyleScrapElement(reinterpret_cast<UInt8*>(*h) + 2 + i * kStyleScrapElementSize, e);
    }
    return h;
}

std::vector<SInt16> ScrapFonts(Handle scrap) {
    StyleScrapShape shape;
    EXPECT_EQ(CheckStyleScrap(scrap, &shape), noErr);
    std::vector<SInt16> fonts;
    for (SInt32 i = 0; i < shape.count; i++)
        fonts.push_back(ReadStyleScrapElement(scrap, shape, i).record.style.font);
    return fonts;
}

SInt16 NewFontOf(Handle table, size_t entry, bool swapped = false) {
    UInt16 v;
    std::memcpy(&v, *table + 16 + 16 * entry + 2, 2);
    return SInt16(swapped ? __builtin_bswap16(v) : v);
}

std::string Name(SInt16 font) {
    Str255 name;
    GetFontName(font, name);
    return std::string(PStringView(name));
}

class FontTables : public EngineTest {};

TEST_F(FontTables, ATableNamesEachFontInUseOnce) {
    Insert(0, "aaaabbbbccccdddd");
    SetStyle(0, 4, MakeStyle(0, 12, kFontTimes));
    SetStyle(4, 8, MakeStyle(bold, 12, kFontCourier));
    SetStyle(8, 12, MakeStyle(italic, 12, kFontTimes));
    SetStyle(12, 16, MakeStyle(0, 18, kFontCourier));
    Handle table = NewHandle(0);
    ASSERT_EQ(WEBuildFontTable(table, nullptr, we), noErr);
    const std::vector<UInt8> expected =
        TableBytes({{kFontTimes, Name(kFontTimes)}, {kFontCourier, Name(kFontCourier)}});
    ASSERT_EQ(GetHandleSize(table), Size(expected.size()));
    EXPECT_EQ(std::memcmp(*table, expected.data(), expected.size()), 0);
    // A filter's error stops the build.
    EXPECT_EQ(WEBuildFontTable(
                  table, [](SInt16, StringPtr) -> OSErr { return -39; }, we),
              -39);
    EXPECT_EQ(WEBuildFontTable(nullptr, nullptr, we), nilHandleErr);
    DisposeHandle(table);
}

TEST_F(FontTables, AFamilyThisMachineLacksBecomesTheApplicationFontInTheTableAndTheScrap) {
    for (bool swapped : {false, true}) {
        SCOPED_TRACE(swapped ? "written in the other byte order" : "written in ours");
        Handle table = HandleOf(TableBytes({{5000, "Nowhere Grotesk Qz"},
                                            {kFontTimes, "times"},
                                            {4321, Name(kFontCourier)},
                                            {4000, Name(systemFont)}},
                                           swapped));
        Boolean changed = false;
        ASSERT_EQ(WEUpdateFontTable(table, nullptr, &changed), noErr);
        EXPECT_TRUE(changed);
        EXPECT_EQ(NewFontOf(table, 0, swapped), applicationFont);
        EXPECT_EQ(NewFontOf(table, 1, swapped), kFontTimes);
        EXPECT_EQ(NewFontOf(table, 2, swapped), kFontCourier);
        EXPECT_EQ(NewFontOf(table, 3, swapped), systemFont);

        Handle scrap = ScrapWithFonts({5000, kFontTimes, 4321, 5000, 77});
        ASSERT_EQ(WEUpdateStyleScrap(scrap, table), noErr);
        EXPECT_EQ(ScrapFonts(scrap),
                  (std::vector<SInt16>{applicationFont, kFontTimes, kFontCourier, applicationFont, 77}));
        DisposeHandle(scrap);
        DisposeHandle(table);
    }
}

TEST_F(FontTables, AFilterCanSwapTwoFamiliesAndEachRunMovesOnce) {
    Handle table = HandleOf(TableBytes({{kFontTimes, "Times"}, {kFontCourier, "Courier"}}));
    Boolean changed = false;
    const WEFontNameToIDProcPtr swap = [](ConstStr255Param, SInt16 old, SInt16* font) -> OSErr {
        *font = old == kFontTimes ? SInt16(kFontCourier) : SInt16(kFontTimes);
        return noErr;
    };
    ASSERT_EQ(WEUpdateFontTable(table, swap, &changed), noErr);
    EXPECT_TRUE(changed);
    Handle scrap = ScrapWithFonts({kFontTimes, kFontCourier});
    ASSERT_EQ(WEUpdateStyleScrap(scrap, table), noErr);
    EXPECT_EQ(ScrapFonts(scrap), (std::vector<SInt16>{kFontCourier, kFontTimes}));
    DisposeHandle(scrap);

    // A table that maps every font to itself changes nothing.
    DisposeHandle(table);
    table = HandleOf(TableBytes({{kFontTimes, "Times"}}));
    ASSERT_EQ(WEUpdateFontTable(table, nullptr, &changed), noErr);
    EXPECT_FALSE(changed);
    DisposeHandle(table);
}

TEST_F(FontTables, DamagedTablesAreRefusedWithoutReadingPastThem) {
    const std::vector<UInt8> good = TableBytes({{kFontTimes, "Times"}});
    auto with = [&](size_t at, UInt32 value) {
        std::vector<UInt8> b = good;
        Put32(b, at, value, false);
        return b;
    };
    struct Case {
        const char* what;
        std::vector<UInt8> bytes;
        OSErr expected;
    } cases[] = {
        {"shorter than its header", std::vector<UInt8>(good.begin(), good.begin() + 15), weBadStyleScrapErr},
        {"another tag", with(0, FourCC("FOSH")), weBadStyleScrapErr},
        {"version 2", with(4, 0x02000000), kFontTableVersionErr},
        {"more entries than it holds", with(8, 2), weBadStyleScrapErr},
        {"a count that overflows", with(8, 0xFFFFFFFF), weBadStyleScrapErr},
        {"a name past the end", with(28, UInt32(good.size())), weBadStyleScrapErr},
        {"a name running past the end", with(28, 3), weBadStyleScrapErr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Handle table = HandleOf(c.bytes);
        Handle scrap = ScrapWithFonts({kFontTimes});
        EXPECT_EQ(WEUpdateFontTable(table, nullptr, nullptr), c.expected);
        EXPECT_EQ(WEUpdateStyleScrap(scrap, table), c.expected);
        DisposeHandle(scrap);
        DisposeHandle(table);
    }
    EXPECT_EQ(WEUpdateFontTable(nullptr, nullptr, nullptr), nilHandleErr);
}

} // namespace
