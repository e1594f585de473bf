// Creating and disposing of records, the hook table and its selectors, line breaking of Roman text and
// the automatic scrolling step.
#include "engine_fixture.h"

#include "foundation/error_dialog.h"

#include <cstring>

namespace {

TEST(EngineRecord, CreationThatRunsOutOfMemoryLeavesNothingBehind) {
    LongRect dest{0, 0, 100, 100}, view{0, 0, 100, 100};
    // Each allocation of creation failing in turn; the sanitizer reports anything left allocated.
    for (SInt32 succeed = 0; succeed < 6; succeed++) {
        SCOPED_TRACE(succeed);
        WEReference we = reinterpret_cast<WEReference>(1);
        SetAllocationFailureCountdown(succeed);
        OSErr err = WENew(&dest, &view, 1u << weFUseTempMem, &we);
        SetAllocationFailureCountdown(-1);
        EXPECT_EQ(err, memFullErr);
        EXPECT_EQ(we, nullptr);
    }
    WEReference we = nullptr;
    ASSERT_EQ(WENew(&dest, &view, 1u << weFUseTempMem, &we), noErr);
    EXPECT_EQ(RecordOf(we).tsmDocument, nullptr);
    EXPECT_TRUE(RecordIsConsistent(we));
    WEDispose(we);
    WEDispose(nullptr);
}

TEST_F(EngineTest, SelectorsReachFieldsAndEmptyHooksComeBackStandard) {
    WELineBreakProc standard = nullptr;
    ASSERT_EQ(WEGetInfo(FourCC("lbrk"), &standard, we), noErr);
    EXPECT_EQ(standard, &_WERomanLineBreak);
    WELineBreakProc none = nullptr;
    ASSERT_EQ(WESetInfo(FourCC("lbrk"), &none, we), noErr);
    WELineBreakProc now = nullptr;
    WEGetInfo(FourCC("lbrk"), &now, we);
    EXPECT_EQ(now, standard);

    UInt32 refCon = 0xCAFE;
    ASSERT_EQ(WESetInfo(FourCC("refc"), &refCon, we), noErr);
    EXPECT_EQ(Rec().refCon, 0xCAFEu);
    Handle text = nullptr;
    ASSERT_EQ(WEGetInfo(FourCC("text"), &text, we), noErr);
    EXPECT_EQ(text, Rec().text);
    UInt32 untouched = 0x12345678;
    EXPECT_EQ(WEGetInfo(FourCC("zzzz"), &untouched, we), paramErr);
    EXPECT_EQ(WESetInfo(FourCC("zzzz"), &untouched, we), paramErr);
    EXPECT_EQ(untouched, 0x12345678u);
}

TEST_F(EngineTest, RomanLineBreaks) {
    struct Case {
        const char* name;
        const char* text;
        SInt32 width; // pixels: 10 per character
        SInt32 breakOffset;
        SInt16 result;
    };
    const Case cases[] = {
        {"fits and ends in a return", "short\rnext", 200, 6, 0},
        {"text runs out first", "short", 200, 5, 2},
        {"breaks after the last blank that fits", "one two three", 100, 8, 0},
        {"one long word breaks inside it", "abcdefghijklmnop", 50, 5, 1},
        {"blanks at the break stay on this line", "abcd    efgh", 50, 8, 0},
        {"empty text", "", 100, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SInt32 length = SInt32(std::strlen(c.text));
        Fixed width = c.width << 16;
        SInt32 breakOffset = -1;
        SInt16 result = _WERomanLineBreak(reinterpret_cast<const UInt8*>(c.text), length, 0, length, &width,
                                          &breakOffset, we);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(breakOffset, c.breakOffset);
    }
}

TEST_F(EngineTest, LayingOutTheWholeTextFillsTheLineArray) {
    Insert(0, "The quick brown fox jumps over the lazy dog\rand on.");
    SetStyle(4, 9, MakeStyle(kWEBold, 24));
    ASSERT_EQ(WECalText(we), noErr);
    std::vector<SInt32> starts;
    for (SInt32 i = 0; i <= WECountLines(we); i++)
        starts.push_back(WELineToOffset(i, we));
    EXPECT_EQ(starts, (std::vector<SInt32>{0, 20, 40, 44, 51}));
    EXPECT_EQ(WELineToOffset(-1, we), 0);
    EXPECT_EQ(WELineToOffset(99, we), 51);
    // The first line holds the large style and is taller than the others.
    EXPECT_GT(WEGetHeight(0, 1, we), WEGetHeight(1, 2, we));
    EXPECT_EQ(WEGetHeight(3, 1, we), WEGetHeight(1, 3, we));
    EXPECT_EQ(WEGetHeight(0, WECountLines(we), we), WEGetHeight(0, 0x3FFFFFFF, we));
    EXPECT_EQ(WEOffsetToLine(42, we), 2);
    EXPECT_EQ(WEOffsetToLine(1000, we), 3);
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST(EngineRecord, AutoScrollNeverMovesMoreThanThirtyPixelsOrPastTheEnds) {
    struct Case {
        SInt32 mouse, scrolled, limit, step;
    };
    // The view spans 100..300.
    const Case cases[] = {
        {50, 500, 1000, 30},   // above, far scrolled: at most 30
        {90, 500, 1000, 10},   // above by 10
        {50, 4, 1000, 4},      // above, but only 4 left to the top
        {50, 0, 1000, 0},      // at the top already
        {400, 0, 1000, -30},   // below: at most 30 the other way
        {305, 0, 1000, -5},    // below by 5
        {400, 990, 1000, -10}, // only 10 left to the end
        {400, 1000, 1000, 0},  // at the end
        {200, 500, 1000, 0},   // inside
    };
    for (const Case& c : cases)
        EXPECT_EQ(_WEAutoScrollStep(c.mouse, 100, 300, c.scrolled, c.limit), c.step)
            << c.mouse << " " << c.scrolled;
}

TEST_F(EngineTest, FeatureFlagsSetClearToggleAndTest) {
    EXPECT_EQ(WEFeatureFlag(weFReadOnly, 1, we), 0);
    EXPECT_EQ(WEFeatureFlag(weFReadOnly, -1, we), 1); // only tests
    EXPECT_EQ(WEFeatureFlag(weFReadOnly, SInt16(0xFFFE), we), 1);
    EXPECT_EQ(WEFeatureFlag(weFReadOnly, 0, we), 0);
    EXPECT_EQ(Rec().features, 0u);
}

TEST_F(EngineTest, UserInfoListKeepsTaggedValues) {
    SInt32 value = -1;
    EXPECT_EQ(WEGetUserInfo(FourCC("miss"), &value, we), paramErr);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(WESetUserInfo(FourCC("one "), 1, we), noErr);
    ASSERT_EQ(WESetUserInfo(FourCC("two "), 2, we), noErr);
    ASSERT_EQ(WESetUserInfo(FourCC("one "), 11, we), noErr);
    EXPECT_EQ(WEGetUserInfo(FourCC("one "), &value, we), noErr);
    EXPECT_EQ(value, 11);
    EXPECT_EQ(WEGetUserInfo(FourCC("two "), &value, we), noErr);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(GetHandleSize(Rec().userInfo), 24);
}

TEST(EngineRecord, LongRectsNarrowWithPinning) {
    LongRect wide{-100000, 5, 100000, 40000};
    Rect narrow;
    WELongRectToRect(&wide, &narrow);
    EXPECT_EQ(narrow.top, -32767);
    EXPECT_EQ(narrow.left, 5);
    EXPECT_EQ(narrow.bottom, 32767);
    EXPECT_EQ(narrow.right, 32767);
}

TEST_F(EngineTest, UsingANewTextResetsRunsLinesAndSelection) {
    Insert(0, "abcdef");
    SetStyle(2, 4, MakeStyle(kWEBold));
    WESetSelection(1, 2, 0, we);
    WESetSelection(4, 5, 1, we);
    Handle text = NewHandle(9);
    std::memcpy(*text, "new words", 9);
    ASSERT_EQ(WEUseText(text, we, false), noErr);
    EXPECT_EQ(WEGetText(we), text);
    EXPECT_EQ(Rec().runCount, 1);
    EXPECT_EQ(Rec().selCount, 0);
    EXPECT_EQ(WEGetChar(4, we), 'w');
    EXPECT_EQ(WEGetChar(9, we), 0);
    EXPECT_TRUE(RecordIsConsistent(we));
}

} // namespace

namespace {

TEST_F(EngineTest, IntelligentCutTakesOneSpaceAndPasteAsksForOne) {
    Insert(0, "the cat sat. ok");
    SInt32 start = 4, end = 7; // "cat"
    _WEIntelligentCut(&start, &end, we);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(SInt32(4), SInt32(7))); // the feature is off
    WEFeatureFlag(weFIntCutAndPaste, 1, we);
    struct Case {
        SInt32 start, end, cutStart, cutEnd;
    };
    const Case cuts[] = {
        {4, 7, 3, 7},   // "cat": the space before goes with it
        {0, 3, 0, 4},   // "the": no space before, the one after goes
        {5, 7, 5, 7},   // "at" is not a whole word
        {8, 12, 8, 12}, // "sat." ends in punctuation
    };
    for (const Case& c : cuts) {
        start = c.start;
        end = c.end;
        _WEIntelligentCut(&start, &end, we);
        EXPECT_EQ(std::make_pair(start, end), std::make_pair(c.cutStart, c.cutEnd))
            << c.start << ".." << c.end;
    }
    // Pasted text sits at start..end: a word pasted against a word wants a space on that side.
    EXPECT_EQ(_WEIntelligentPaste(4, 7, we), 0);   // " cat " has blanks on both sides
    EXPECT_EQ(_WEIntelligentPaste(5, 7, we), -1);  // "at" follows "c": a space goes before
    EXPECT_EQ(_WEIntelligentPaste(4, 6, we), 1);   // "ca" precedes "t": a space goes after
    EXPECT_EQ(_WEIntelligentPaste(10, 12, we), 0); // ends in punctuation
}

TEST_F(EngineTest, FindingVisibleLinesOfAnUnseenTextIsQuiet) {
    Insert(0, std::string(100, 'a'));
    ASSERT_EQ(WECalText(we), noErr);
    SInt32 first = -1, last = -1, firstOffset = -1, lastOffset = -1;
    ASSERT_EQ(WEFindVisibleLines(we, &first, &last, &firstOffset, &lastOffset), noErr);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(lastOffset, 99);
    // Scrolled far past the text: nothing is visible, nothing is shown to the user, the outputs stay.
    Rec().destRect.top -= 100000;
    Rec().destRect.bottom -= 100000;
    SetErrorMessageRecording(true);
    ClearRecordedErrorMessages();
    first = -1;
    EXPECT_EQ(WEFindVisibleLines(we, &first, &last, &firstOffset, &lastOffset), noErr);
    EXPECT_EQ(first, -1);
    EXPECT_TRUE(RecordedErrorMessages().empty());
    SetErrorMessageRecording(false);
}

} // namespace

namespace {

TEST_F(EngineTest, RedrawAfterAnEditBreaksLinesUnlessInhibited) {
    Insert(0, std::string(50, 'a'));
    WEFeatureFlag(weFInhibitRecal, 1, we);
    ASSERT_EQ(_WERedraw(0, 50, we), noErr);
    EXPECT_EQ(WECountLines(we), 1);
    WEFeatureFlag(weFInhibitRecal, 0, we);
    ASSERT_EQ(_WERedraw(0, 50, we), noErr);
    EXPECT_EQ(WECountLines(we), 3);
    EXPECT_TRUE(Rec().stateBits & kWEStateHeightChanged);
    EXPECT_TRUE(RecordIsConsistent(we));
}

} // namespace
