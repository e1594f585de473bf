// Copying ranges into scraps: the text, the covering run first at 0, pinned and ordered bounds, memory
// failure, copies from a text kept outside a record, and scraps grown at either end by typing undo.
#include "pasteboard_fixture.h"

TEST_F(PasteboardTest, CopyRangeGivesTheTextAndRunsFromTheCoveringRunOn) {
    FillWithBoldMiddle();
    struct Case {
        SInt32 start, end;
        std::string text;
        std::vector<std::pair<SInt32, int>> runs;
    } cases[] = {
        {4, 8, "BBcc", {{0, kWEBold}, {2, 0}}},
        {8, 4, "BBcc", {{0, kWEBold}, {2, 0}}},                 // reversed bounds
        {-5, 100, "aaaBBBccc", {{0, 0}, {3, kWEBold}, {6, 0}}}, // pinned to the text
        {4, 5, "B", {{0, kWEBold}}},
        {6, 6, "", {{0, 0}}},
    };
    for (const Case& c : cases) {
        Handle text = NewHandle(0), styles = NewHandle(0);
        ASSERT_EQ(WECopyRange(c.start, c.end, text, styles, nullptr, we), noErr);
        EXPECT_EQ(Bytes(text), c.text) << c.start << ".." << c.end;
        // The handle layout: a 4-byte header.
        EXPECT_EQ(GetHandleSize(styles), Size(4 + 20 * c.runs.size()));
        EXPECT_EQ(ScrapFaces(styles), c.runs) << c.start << ".." << c.end;
        DisposeHandle(text);
        DisposeHandle(styles);
    }
    EXPECT_FALSE(IsHandleLocked(reinterpret_cast<Handle>(we)));
}

TEST_F(PasteboardTest, CopyRangeReportsAFailedResizeAndUnlocksTheRecord) {
    FillWithBoldMiddle();
    Handle text = NewHandle(0), styles = NewHandle(0);
    FailNextAllocations(1);
    EXPECT_EQ(WECopyRange(0, 9, text, styles, nullptr, we), memFullErr);
    FailNextAllocations(0);
    EXPECT_FALSE(IsHandleLocked(reinterpret_cast<Handle>(we)));
    EXPECT_EQ(WECopyRange(0, 9, text, styles, nullptr, we), noErr);
    EXPECT_EQ(Bytes(text), "aaaBBBccc");
    DisposeHandle(text);
    DisposeHandle(styles);
}

TEST_F(PasteboardTest, CopyFromATextBlockKeepsTheStyleOfTheRangeStart) {
    FillWithBoldMiddle();
    Handle sourceText = NewHandle(0), sourceStyles = NewHandle(0);
    ASSERT_EQ(WECopyRange(0, 9, sourceText, sourceStyles, nullptr, we), noErr);
    Handle text = NewHandle(0), styles = NewHandle(0);
    ASSERT_EQ(WECopyRangeFromTextStyleBlock(4, 8, text, styles, nullptr, sourceText, sourceStyles), noErr);
    EXPECT_EQ(Bytes(text), "BBcc");
    std::vector<std::pair<SInt32, int>> expected{{0, kWEBold}, {2, 0}};
    EXPECT_EQ(ScrapFaces(styles), expected);

    // A damaged source scrap copies the text and no runs.
    SetHandleSize(sourceStyles, 23);
    SetHandleSize(styles, 0);
    EXPECT_EQ(WECopyRangeFromTextStyleBlock(0, 3, text, styles, nullptr, sourceText, sourceStyles), noErr);
    EXPECT_EQ(Bytes(text), "aaa");
    EXPECT_EQ(GetHandleSize(styles), 0);
    for (Handle h : {sourceText, sourceStyles, text, styles})
        DisposeHandle(h);
}

TEST_F(PasteboardTest, PrependingAndAppendingRunsJoinEqualStyles) {
    FillWithBoldMiddle();
    Handle scrap = NewHandle(0);
    ASSERT_EQ(WECopyRange(4, 5, nullptr, scrap, nullptr, we), noErr); // {0 bold}, covering 1 character
    WERunInfo plain, bold;
    WEGetRunInfo(0, &plain, we);
    WEGetRunInfo(3, &bold, we);

    ASSERT_EQ(_WEPrependStyle(scrap, bold, 1), noErr); // same style: joins
    EXPECT_EQ(ScrapFaces(scrap), (std::vector<std::pair<SInt32, int>>{{0, kWEBold}}));
    ASSERT_EQ(_WEPrependStyle(scrap, plain, 2), noErr); // a new first element, the rest move by 2
    EXPECT_EQ(ScrapFaces(scrap), (std::vector<std::pair<SInt32, int>>{{0, 0}, {2, kWEBold}}));
    ASSERT_EQ(_WEAppendStyle(scrap, bold, 4), noErr); // same as the last: joins
    ASSERT_EQ(_WEAppendStyle(scrap, plain, 5), noErr);
    EXPECT_EQ(ScrapFaces(scrap), (std::vector<std::pair<SInt32, int>>{{0, 0}, {2, kWEBold}, {5, 0}}));
    EXPECT_EQ(GetHandleSize(scrap), 4 + 3 * 20);
    DisposeHandle(scrap);
}

TEST_F(PasteboardTest, BackspacingAcrossRunsThenUndoingRestoresTheirStyles) {
    FillWithBoldMiddle();
    ASSERT_EQ(WEFeatureFlag(weFUndo, 1, we), 0);
    Select(7, 7);
    // Five backspaces take c, B, B, B and a: three runs into the typing action's saved scrap.
    for (int i = 0; i < 5; i++)
        ASSERT_EQ(WEKey(8, 0, we), noErr);
    ASSERT_EQ(Text(), "aacc");
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text(), "aaaBBBccc");
    EXPECT_EQ(RunFaces(), (std::vector<std::pair<SInt32, int>>{{0, 0}, {3, kWEBold}, {6, 0}}));
    EXPECT_TRUE(RecordIsConsistent(we));
}
