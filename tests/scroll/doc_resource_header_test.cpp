// The document resource header checks: both byte orders, wrong versions, and the conversion of bookmark
// lists older than the header.
#include "macros/macro_services.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "scroll/doc_resource_header.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<UInt8> BigEndian32(std::initializer_list<UInt32> values) {
    std::vector<UInt8> bytes;
    for (UInt32 v : values)
        bytes.insert(bytes.end(), {UInt8(v >> 24), UInt8(v >> 16), UInt8(v >> 8), UInt8(v)});
    return bytes;
}

std::vector<UInt8> Native32(std::initializer_list<UInt32> values) {
    std::vector<UInt8> bytes(values.size() * 4);
    size_t at = 0;
    for (UInt32 v : values) {
        std::memcpy(bytes.data() + at, &v, 4);
        at += 4;
    }
    return bytes;
}

Handle MakeHandle(const std::vector<UInt8>& bytes) {
    Handle h = nullptr;
    PtrToHand(bytes.data(), &h, Size(bytes.size()));
    return h;
}

std::vector<UInt8> Bytes(Handle h) {
    return h ? std::vector<UInt8>(*h, *h + GetHandleSize(h)) : std::vector<UInt8>();
}

class DocResourceHeaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gDontQuitWithoutSaving = false;
        gDoOpenChangedFile = false;
        gFlagDoWordSwap = false;
    }
    void TearDown() override {
        AnswerBookmarkConversionForTesting(false, false, false, false);
        if (myTextResource) DisposeHandle(myTextResource);
        myTextResource = nullptr;
    }
};

TEST_F(DocResourceHeaderTest, BookmarksFromEitherWriterEndAsNativeOffsets) {
    struct Case {
        const char* writer;
        std::vector<UInt8> stored;
        bool marksChanged;
    };
    const Case cases[] = {
        {"big-endian", BigEndian32({FourCC("BkMk"), kDocResourceVersion, 10, 70000}), true},
        {"little-endian", Native32({FourCC("BkMk"), kDocResourceVersion, 10, 70000}), false},
        // The version is not examined for bookmarks.
        {"little-endian, other version", Native32({FourCC("BkMk"), 0x30303032, 10, 70000}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.writer);
        SetUp();
        Handle h = MakeHandle(c.stored);
        CheckBookmarkCompatibility(&h, true);
        EXPECT_EQ(Bytes(h), Native32({10, 70000}));
        EXPECT_EQ(gDontQuitWithoutSaving, c.marksChanged);
        EXPECT_EQ(gDoOpenChangedFile, c.marksChanged);
        DisposeHandle(h);
    }
}

TEST_F(DocResourceHeaderTest, HeaderOnlyChecksNeedTagAndVersionInEitherOrder) {
    using Check = SInt16 (*)(Handle, bool);
    struct Case {
        const char* name;
        Check check;
        ResType tag;
    };
    const Case cases[] = {
        {"text merge", CheckTextMergeCompatibility, FourCC("MerG")},
        {"hypertext", CheckHypertextCompatibility, FourCC("HyTx")},
        {"mandala", CheckSpiroCompatibility, FourCC("Mndl")},
        {"overlay", CheckOverlayCompatibility, FourCC("Over")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Handle native = MakeHandle(Native32({c.tag, kDocResourceVersion, 1}));
        Handle foreign = MakeHandle(BigEndian32({c.tag, kDocResourceVersion, 1}));
        Handle oldVersion = MakeHandle(Native32({c.tag, 0x30303030, 1}));
        Handle otherTag = MakeHandle(Native32({FourCC("Junk"), kDocResourceVersion, 1}));
        SetUp();
        EXPECT_EQ(c.check(native, true), 1);
        EXPECT_FALSE(gDontQuitWithoutSaving);
        EXPECT_EQ(c.check(foreign, true), 1);
        EXPECT_TRUE(gDontQuitWithoutSaving);
        std::vector<UInt8> headerSwapped = Native32({c.tag, kDocResourceVersion});
        headerSwapped.push_back(0), headerSwapped.push_back(0), headerSwapped.push_back(0),
            headerSwapped.push_back(1);
        EXPECT_EQ(Bytes(foreign), headerSwapped) << "only the header is swapped";
        EXPECT_EQ(c.check(oldVersion, true), 0);
        EXPECT_EQ(c.check(otherTag, true), 0);
        EXPECT_EQ(c.check(nullptr, true), 0);
        for (Handle h : {native, foreign, oldVersion, otherTag})
            DisposeHandle(h);
    }
}

TEST_F(DocResourceHeaderTest, WordSwapTagSetsTheFlagInEitherOrder) {
    for (bool bigEndian : {false, true}) {
        SetUp();
        Handle h = MakeHandle(bigEndian ? BigEndian32({FourCC("Swap"), kDocResourceVersion})
                                        : Native32({FourCC("Swap"), kDocResourceVersion}));
        EXPECT_EQ(CheckTextMergeCompatibility(h, true), 1);
        EXPECT_TRUE(gFlagDoWordSwap);
        DisposeHandle(h);
    }
    EXPECT_EQ(IsNotTextMergeData(FourCC("MerG")), 0);
    EXPECT_EQ(IsNotTextMergeData(FourCC("Tabs")), 1);
}

TEST_F(DocResourceHeaderTest, TabsFromABigEndianWriterSwapTheCountedEntriesOnly) {
    std::vector<UInt8> stored = BigEndian32({FourCC("Tabs"), kDocResourceVersion, 7, 2});
    stored.resize(8 + 208, 0);
    std::memcpy(stored.data() + 16, "\x00\x01\x00\x03\x00\x09", 6);  // kinds 1, 3, then a third past count
    std::memcpy(stored.data() + 116, "\x01\x00\x02\x00\x03\x00", 6); // positions 256, 512, past count
    Handle h = MakeHandle(stored);
    ASSERT_EQ(CheckTabCompatibility(&h, true), 1);
    const UInt8* bytes = reinterpret_cast<const UInt8*>(*h);
    SInt32 first, count;
    SInt16 kinds[3], positions[3];
    std::memcpy(&first, bytes + 8, 4);
    std::memcpy(&count, bytes + 12, 4);
    std::memcpy(kinds, bytes + 16, 6);
    std::memcpy(positions, bytes + 116, 6);
    EXPECT_EQ(first, 7);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(kinds[0], 1);
    EXPECT_EQ(kinds[1], 3);
    EXPECT_EQ(kinds[2], 0x0900) << "entries past the count stay as stored";
    EXPECT_EQ(positions[0], 256);
    EXPECT_EQ(positions[1], 512);
    EXPECT_TRUE(gDontQuitWithoutSaving);
    DisposeHandle(h);
}

TEST_F(DocResourceHeaderTest, BookmarkNamesReportTheirOrder) {
    Handle native = MakeHandle(Native32({FourCC("BkMk"), kDocResourceVersion}));
    Handle foreign = MakeHandle(BigEndian32({FourCC("BkMk"), kDocResourceVersion}));
    EXPECT_FALSE(CheckBookmarkNamesSwapped(&native));
    EXPECT_TRUE(CheckBookmarkNamesSwapped(&foreign));
    Handle none = nullptr;
    EXPECT_FALSE(CheckBookmarkNamesSwapped(&none));
    DisposeHandle(native);
    DisposeHandle(foreign);
}

TEST_F(DocResourceHeaderTest, HeaderlessListsAreJudgedAndConvertedAsTheOperatorChooses) {
    struct Case {
        const char* name;
        std::vector<UInt8> stored;
        bool confirm, widen, swap;
        std::vector<UInt8> expected;
        bool asked;
    };
    const std::vector<UInt8> three16 = {10, 0, 20, 0, 0xFF, 0xFF}; // 10, 20, -1 as native 16-bit
    const std::vector<UInt8> three16BigEndian = {0, 10, 0, 20, 0xFF, 0xFE};
    const Case cases[] = {
        {"16-bit, widened", three16, true, true, false, Native32({10, 20, UInt32(-1)}), true},
        {"16-bit from the other order, swapped and widened", three16BigEndian, true, true, true,
         Native32({10, 20, UInt32(-2)}), true},
        {"descending 32-bit, cancelled", Native32({10, 5}), false, false, false, Native32({10, 5}), true},
        {"32-bit from the other order, swapped", BigEndian32({10, 5}), true, false, true, Native32({10, 5}),
         true},
        {"ascending 32-bit within the text: used as is", Native32({5, 10}), true, true, true,
         Native32({5, 10}), false},
    };
    PtrToHand(std::string(100, 'x').data(), &myTextResource, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnswerBookmarkConversionForTesting(true, c.confirm, c.widen, c.swap);
        Handle h = MakeHandle(c.stored);
        CheckBookmarkCompatibility(&h, true);
        EXPECT_EQ(Bytes(h), c.expected);
        EXPECT_EQ(LastBookmarkConversionQuestion().asked, c.asked);
        DisposeHandle(h);
    }
}

TEST_F(DocResourceHeaderTest, TheQuestionSaysWhatLooksWrong) {
    PtrToHand(std::string(100, 'x').data(), &myTextResource, 100);
    struct Case {
        std::vector<UInt8> stored;
        bool looks16, notAscending, outOfRange;
    };
    const Case cases[] = {
        {Native32({10, 5}), false, true, false},
        {Native32({10, 500}), false, false, true},
        {{1, 0, 2, 0, 3, 0}, true, false, true},
    };
    for (const Case& c : cases) {
        AnswerBookmarkConversionForTesting(true, false, false, false);
        Handle h = MakeHandle(c.stored);
        CheckBookmarkCompatibility(&h, true);
        const BookmarkConversionQuestion asked = LastBookmarkConversionQuestion();
        EXPECT_TRUE(asked.asked);
        EXPECT_EQ(asked.looks16, c.looks16);
        EXPECT_EQ(asked.notAscending, c.notAscending);
        EXPECT_EQ(asked.outOfRange, c.outOfRange);
        DisposeHandle(h);
    }
}

TEST_F(DocResourceHeaderTest, TheDialogTakesAMacrosAnswer) {
    const ResFileRefNum resources = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    ASSERT_GT(resources, 0);
    AnswerBookmarkConversionForTesting(false, false, false, false);
    for (const auto& [answer, expected] : {std::pair{SInt16(1), true}, std::pair{SInt16(2), false}}) {
        gAutoDialogAnswer = answer;
        bool widen = true;
        bool swap = true;
        EXPECT_EQ(PleaseConvertBookmarks(true, false, true, &widen, &swap), expected);
        EXPECT_FALSE(widen);
        EXPECT_FALSE(swap);
    }
    gAutoDialogAnswer = 0;
    CloseResFile(resources);
}

} // namespace
