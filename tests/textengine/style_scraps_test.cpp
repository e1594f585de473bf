// Style scraps and object soups: applying them to text, appending one scrap to another, converting their
// byte order, and refusing damaged ones without reading past them.
#include "engine_fixture.h"

#include "platform/bytes.h"
#include "textengine/style_scrap.h"

#include <cstring>

namespace {

struct Element {
    SInt32 start;
    UInt8 face;
    SInt16 size = 12;
};

// A scrap in the host's order with a 2- or 4-byte header.
Handle MakeScrap(const std::vector<Element>& elements, Size header = 2) {
    Handle h = NewHandleClear(header + Size(elements.size()) * kStyleScrapElementSize);
    UInt16 count = UInt16(elements.size());
    std::memcpy(*h, &count, 2);
    for (size_t i = 0; i < elements.size(); i++) {
        StyleScrapElement element;
        element.start = elements[i].start;
        element.record.style = MakeStyle(elements[i].face, elements[i].size);
        WriteStyleScrapElement(reinterpret_cast<UInt8*>(*h) + header + i * kStyleScrapElementSize, element);
    }
    return h;
}

std::vector<std::pair<SInt32, int>> ScrapFaces(Handle scrap) {
    StyleScrapShape shape;
    EXPECT_EQ(CheckStyleScrap(scrap, &shape), noErr);
    std::vector<std::pair<SInt32, int>> out;
    for (SInt32 i = 0; i < shape.count; i++) {
        StyleScrapElement e = ReadStyleScrapElement(scrap, shape, i);
        out.emplace_back(e.start, e.record.style.face);
    }
    return out;
}

TEST_F(EngineTest, ScrapsWithEitherHeaderApplyAlike) {
    for (Size header : {2, 4}) {
        SCOPED_TRACE(header);
        WEUseText(NewHandle(0), we, false);
        Insert(0, std::string(12, 'x'));
        Handle scrap = MakeScrap({{0, kWEBold}, {4, 0}, {7, kWEItalic}}, header);
        ASSERT_EQ(_WEApplyStyleScrap(2, 12, scrap, we, nullptr, 0), noErr);
        EXPECT_EQ(RunFaces(), (std::vector<std::pair<SInt32, int>>{
                                  {0, StyleAt(0).face}, {2, kWEBold}, {6, 0}, {9, kWEItalic}}));
        EXPECT_TRUE(RecordIsConsistent(we));
        DisposeHandle(scrap);
    }
}

TEST(StyleScraps, CombiningShiftsTheAppendedRunsBehindTheFirstText) {
    Handle appended = MakeScrap({{0, kWEBold}});
    Handle extended = MakeScrap({{0, 0}});
    ASSERT_EQ(WECombineStyles(appended, extended, 5), noErr);
    EXPECT_EQ(ScrapFaces(extended), (std::vector<std::pair<SInt32, int>>{{0, 0}, {5, kWEBold}}));
    // Without a length the runs follow the last run's start.
    Handle more = MakeScrap({{0, kWEItalic}, {2, 0}});
    ASSERT_EQ(WECombineStyles(more, extended, 0), noErr);
    EXPECT_EQ(ScrapFaces(extended),
              (std::vector<std::pair<SInt32, int>>{{0, 0}, {5, kWEBold}, {6, kWEItalic}, {8, 0}}));
    EXPECT_EQ(WECombineStyles(nullptr, extended, 3), noErr);
    for (Handle h : {appended, extended, more})
        DisposeHandle(h);
}

TEST_F(EngineTest, DamagedScrapsAreRefusedBeforeAnythingChanges) {
    Insert(0, std::string(10, 'x'));
    auto withSize = [](Size size, UInt16 count) {
        Handle h = NewHandleClear(size);
        if (size >= 2) std::memcpy(*h, &count, 2);
        return h;
    };
    struct Case {
        const char* name;
        Handle scrap;
    };
    const Case cases[] = {
        {"shorter than its count", withSize(1, 0)},
        {"count says two, one element", withSize(2 + 20, 2)},
        {"count says one, no element", withSize(2, 1)},
        {"a torn element", withSize(2 + 20 + 7, 1)},
        {"four-byte header, wrong count", withSize(4 + 40, 1)},
    };
    Handle good = MakeScrap({{0, kWEBold}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto before = RunFaces();
        EXPECT_EQ(_WEApplyStyleScrap(0, 10, c.scrap, we, nullptr, 0), weBadStyleScrapErr);
        EXPECT_EQ(WEPasteStylesOnly(c.scrap, we, 0, 0), weBadStyleScrapErr);
        EXPECT_EQ(WECombineStyles(c.scrap, good, 3), weBadStyleScrapErr);
        EXPECT_EQ(WECombineStyles(good, c.scrap, 3), weBadStyleScrapErr);
        EXPECT_EQ(RunFaces(), before);
        DisposeHandle(c.scrap);
    }
    EXPECT_EQ(ScrapFaces(good), (std::vector<std::pair<SInt32, int>>{{0, kWEBold}}));
    DisposeHandle(good);
}

TEST(StyleScraps, SwappingTwiceRestoresAndBigEndianFacesAreRecognised) {
    Handle scrap = MakeScrap({{0, kWEBold | kWEItalic, 18}, {70000, kWEUnderline, 9}});
    std::vector<char> original(*scrap, *scrap + GetHandleSize(scrap));
    ASSERT_EQ(SwapStyle(scrap, 0), 1);
    // Stored big-endian by this program: the start is big-endian and the face sits in byte 11.
    const UInt8* p = reinterpret_cast<const UInt8*>(*scrap) + 2;
    EXPECT_EQ(ReadBE32(p + 20), 70000u);
    EXPECT_EQ(p[11], kWEBold | kWEItalic);
    ASSERT_EQ(SwapStyle(scrap, 0), 1);
    EXPECT_EQ(std::vector<char>(*scrap, *scrap + GetHandleSize(scrap)), original);

    // A writer that stored the face in byte 10 of its big-endian element.
    UInt8* q = reinterpret_cast<UInt8*>(*scrap) + 2;
    SwapStyle(scrap, 0);
    for (UInt8* element : {q, q + 20})
        std::swap(element[10], element[11]);
    SwapStyle(scrap, 0);
    StyleScrapShape shape;
    ASSERT_EQ(CheckStyleScrap(scrap, &shape), noErr);
    EXPECT_EQ(ReadStyleScrapElement(scrap, shape, 0).record.style.face, kWEBold | kWEItalic);
    EXPECT_EQ(ReadStyleScrapElement(scrap, shape, 1).record.style.face, kWEUnderline);
    EXPECT_EQ(ReadStyleScrapElement(scrap, shape, 1).record.style.size, 9);
    EXPECT_EQ(SwapStyle(nullptr, 0), 0);
    DisposeHandle(scrap);
}

TEST_F(EngineTest, PastingStylesOnlyRepeatsThePatternOverEveryRange) {
    Insert(0, std::string(20, 'x'));
    SetStyle(0, 20, MakeStyle(0));
    WESetSelection(0, 5, 0, we);
    WESetSelection(10, 16, 1, we);
    Handle pattern = MakeScrap({{0, kWEBold}, {1, kWEItalic}});
    ASSERT_EQ(WEPasteStylesOnly(pattern, we, 8, 1), noErr);
    std::string faces;
    for (SInt32 i = 0; i < 20; i++)
        faces += char('0' + StyleAt(i).face);
    EXPECT_EQ(faces, "12121000001212120000");
    EXPECT_EQ(std::string(*Rec().text, 20), std::string(20, 'x'));
    EXPECT_TRUE(RecordIsConsistent(we));
    DisposeHandle(pattern);
}

// A soup of entries: character offset, type, data bytes, object size; sizes may be falsified.
Handle MakeSoup(const std::vector<std::pair<SInt32, std::string>>& entries, SInt32 badSize = 0) {
    Handle h = NewHandle(0);
    for (const auto& [offset, data] : entries) {
        UInt8 header[24] = {};
        SInt32 size = badSize ? badSize : SInt32(data.size());
        OSType type = FourCC("PICT");
        Point objectSize{20, 30};
        std::memcpy(header, &offset, 4);
        std::memcpy(header + 4, &type, 4);
        std::memcpy(header + 12, &size, 4);
        std::memcpy(header + 16, &objectSize, 4);
        PtrAndHand(header, h, 24);
        PtrAndHand(data.data(), h, Size(data.size()));
    }
    return h;
}

TEST_F(EngineTest, SoupEntriesBecomeObjectsOnTheirCharacters) {
    Insert(0, "a\x01"
              "b\x01");
    Handle soup = MakeSoup({{1, "one"}, {3, "second"}});
    ASSERT_EQ(_WEApplySoup(0, soup, we), noErr);
    ASSERT_NE(StyleAt(1).extra, nullptr);
    ASSERT_NE(StyleAt(3).extra, nullptr);
    EXPECT_EQ(StyleAt(0).extra, nullptr);
    EXPECT_EQ(WEGetObjectSize(StyleAt(3).extra).h, 30);
    EXPECT_TRUE(RecordIsConsistent(we));
    // Deleting an object's character frees the object (the sanitizer sees a leak otherwise).
    ASSERT_EQ(_WEDeleteRange(1, 2, we), noErr);
    EXPECT_TRUE(RecordIsConsistent(we));
    DisposeHandle(soup);
}

TEST_F(EngineTest, SoupEntriesWithImpossibleSizesStopTheWalk) {
    Insert(0, "\x01\x01\x01");
    for (SInt32 bad : {-1, -24, 1000, 0x7FFFFFF0}) {
        SCOPED_TRACE(bad);
        Handle soup = MakeSoup({{0, "data"}}, bad);
        EXPECT_EQ(_WEApplySoup(0, soup, we), weBadStyleScrapErr);
        EXPECT_EQ(StyleAt(0).extra, nullptr);
        DisposeHandle(soup);
    }
    Handle torn = MakeSoup({{0, "data"}});
    SetHandleSize(torn, 10);
    EXPECT_EQ(_WEApplySoup(0, torn, we), weBadStyleScrapErr);
    DisposeHandle(torn);
    EXPECT_TRUE(RecordIsConsistent(we));
}

} // namespace

namespace {

TEST_F(EngineTest, RunInfoDescribesTheRunOfAnOffsetInTextAndInScraps) {
    Insert(0, std::string(10, 'x'));
    SetStyle(0, 10, MakeStyle(0));
    SetStyle(3, 6, MakeStyle(kWEItalic, 18));
    WERunInfo info;
    WEGetRunInfo(4, &info, we);
    EXPECT_EQ(info.start, 3);
    EXPECT_EQ(info.end, 6);
    EXPECT_EQ(info.style.style.size, 18);
    WEGetRunInfo(9, &info, we);
    EXPECT_EQ(info.end, 10);

    Handle scrap = MakeScrap({{0, 0}, {5, kWEBold}, {9, kWEItalic}});
    struct Case {
        SInt32 offset, index, start, end;
        UInt8 face;
    };
    const Case cases[] = {
        {0, 0, 0, 5, 0}, {4, 0, 0, 5, 0}, {5, 1, 5, 9, kWEBold}, {100, 2, 9, kWELastScrapRunEnd, kWEItalic}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(WEOffsetToRunFromScrap(c.offset, scrap), c.index);
        WEGetRunInfoFromScrap(c.offset, &info, scrap);
        EXPECT_EQ(std::make_pair(info.start, info.end), std::make_pair(c.start, c.end));
        EXPECT_EQ(info.style.style.face, c.face);
    }
    DisposeHandle(scrap);
    WEGetRunInfoFromScrap(50, &info, nullptr);
    EXPECT_EQ(std::make_pair(info.start, info.end), std::make_pair(SInt32(0), kWELastScrapRunEnd));
    EXPECT_EQ(WEOffsetToRunFromScrap(50, nullptr), 0);
}

} // namespace
