// Cut, paste and swap through the clipboard: styles travel with the text, undo names and reverses each
// command, items can go one per range, and read-only texts refuse all three.
#include "pasteboard_fixture.h"

#include "textengine/undo_action.h"

class CutAndPasteTest : public PasteboardTest {
  protected:
    void SetUp() override {
        PasteboardTest::SetUp();
        WEFeatureFlag(weFUndo, 1, we);
        FillWithBoldMiddle();
    }
    using Runs = std::vector<std::pair<SInt32, int>>;
};

TEST_F(CutAndPasteTest, CutThenPasteMovesStyledTextAndEachUndoes) {
    Select(3, 6);
    ASSERT_EQ(WECut(we), noErr);
    EXPECT_EQ(Text(), "aaaccc");
    EXPECT_EQ(WEGetUndoInfo(nullptr, we), kWEActionCut);
    EXPECT_EQ(Flavor(1, kFlavorMacRomanText), "BBB");

    Select(6, 6);
    SInt32 pasted = -1;
    ASSERT_EQ(WEPaste(we, &pasted, 1), noErr);
    EXPECT_EQ(pasted, 3);
    EXPECT_EQ(Text(), "aaacccBBB");
    EXPECT_EQ(RunFaces(), (Runs{{0, 0}, {6, kWEBold}}));
    EXPECT_EQ(WEGetUndoInfo(nullptr, we), kWEActionPaste);
    EXPECT_TRUE(RecordIsConsistent(we));

    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text(), "aaaccc");
    ASSERT_EQ(WEUndo(we), noErr); // redo
    EXPECT_EQ(Text(), "aaacccBBB");
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(CutAndPasteTest, PasteFlagsChooseTextStylesOrBoth) {
    Select(3, 6);
    ASSERT_EQ(WECopy(we, 0), noErr);
    struct Case {
        SInt16 flags;
        std::string text;
        Runs runs;
        SInt32 pasted;
    } cases[] = {
        {1, "aBBBBBBccc", {{0, 0}, {1, kWEBold}, {7, 0}}, 3},
        {2, "aBBBBBBccc", {{0, 0}, {4, kWEBold}, {7, 0}}, 3},
        // Neither: the clipboard's bold goes over the selection, the text stays.
        {0, "aaaBBBccc", {{0, 0}, {1, kWEBold}, {6, 0}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        Select(1, 3);
        SInt32 pasted = -1;
        ASSERT_EQ(WEPaste(we, &pasted, c.flags), noErr);
        EXPECT_EQ(Text(), c.text);
        EXPECT_EQ(RunFaces(), c.runs);
        EXPECT_EQ(pasted, c.pasted);
        EXPECT_TRUE(RecordIsConsistent(we));
        ASSERT_EQ(WEUndo(we), noErr);
        EXPECT_EQ(Text(), "aaaBBBccc");
    }
}

TEST_F(CutAndPasteTest, StyledTextFromAnotherProgramPastesFromItsRtf) {
    struct Case {
        const char* text;
        const char* rtf;
        SInt16 flags;
        std::string result;
        bool boldThere; // "there" keeps the bold its RTF gave it
    } cases[] = {
        {"Hi there", "{\\rtf1\\ansi Hi {\\b there}}", 1, "aaaHi thereBBBccc", true},
        {"Hi there", "{\\rtf1\\ansi Hi {\\b there}}", 2, "aaaHi thereBBBccc", false},
        // An RTF that gives no text leaves the plain text to paste.
        {"Hi there", "{\\rtf1{\\*\\junk x}}", 1, "aaaHi thereBBBccc", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        SetClipboardTextWithRtf(c.text, c.rtf);
        Select(3, 3);
        SInt32 pasted = -1;
        ASSERT_EQ(WEPaste(we, &pasted, c.flags), noErr);
        EXPECT_EQ(Text(), c.result);
        const Runs runs = RunFaces();
        const auto faceAt = [&](SInt32 offset) {
            int face = 0;
            for (const auto& [start, f] : runs)
                if (start <= offset) face = f;
            return face;
        };
        EXPECT_EQ(faceAt(3), 0);
        EXPECT_EQ(faceAt(6) == kWEBold, c.boldThere);
        EXPECT_TRUE(RecordIsConsistent(we));
        ASSERT_EQ(WEUndo(we), noErr);
        EXPECT_EQ(Text(), "aaaBBBccc");
    }
}

TEST_F(CutAndPasteTest, ItemsGatherWithBlanksOrGoOnePerRange) {
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "x"));
    ASSERT_TRUE(PutPasteboardFlavor(2, kFlavorMacRomanText, "yy"));
    Select(0, 0);
    SInt32 pasted = 0;
    ASSERT_EQ(WEPaste(we, &pasted, 1 | 32), noErr);
    EXPECT_EQ(Text(), "x yy aaaBBBccc");
    EXPECT_EQ(pasted, 5);

    // A damaged style flavour is left out; the text still pastes.
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorStyles, std::string(23, '\x01')));
    Select(0, 1);
    Select(5, 8, 1);
    ASSERT_EQ(WEPaste(we, &pasted, 1 | 16), weNoPasteboardItemErr);
    EXPECT_EQ(Text(), "x yy yyBBBccc");
    EXPECT_EQ(pasted, 3);
    EXPECT_TRUE(RecordIsConsistent(we));
    // One undo takes back both items.
    EXPECT_EQ(WEGetUndoInfo(nullptr, we), kWEActionPaste);
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text(), "x yy aaaBBBccc");
}

TEST_F(CutAndPasteTest, SwapExchangesTheSelectionWithTheClipboardInOneUndo) {
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "XY"));
    Select(3, 6);
    SInt32 pasted = 0;
    ASSERT_EQ(WESwap(we, &pasted, 1), noErr);
    EXPECT_EQ(Text(), "aaaXYccc");
    EXPECT_EQ(pasted, 2);
    EXPECT_EQ(Flavor(1, kFlavorMacRomanText), "BBB");
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text(), "aaaBBBccc");
    EXPECT_EQ(RunFaces(), (Runs{{0, 0}, {3, kWEBold}, {6, 0}}));

    // With nothing selected a swap only pastes, and the clipboard keeps its text.
    Select(0, 0);
    ASSERT_EQ(WESwap(we, &pasted, 1), noErr);
    EXPECT_EQ(Text(), "BBBaaaBBBccc");
    EXPECT_EQ(Flavor(1, kFlavorMacRomanText), "BBB");
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(CutAndPasteTest, ReadOnlyTextsRefuseEveryCommandAndKeepTheClipboard) {
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "kept"));
    WEFeatureFlag(weFReadOnly, 1, we);
    Select(3, 6);
    SInt32 pasted = 0;
    EXPECT_EQ(WECut(we), weReadOnlyErr);
    EXPECT_EQ(WEPaste(we, &pasted, 1), weReadOnlyErr);
    EXPECT_EQ(WESwap(we, &pasted, 1), weReadOnlyErr);
    EXPECT_EQ(Text(), "aaaBBBccc");
    EXPECT_EQ(Flavor(1, kFlavorMacRomanText), "kept");
}
