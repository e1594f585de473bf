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

// Pasted text keeps one line end, the return, whatever another program ended its lines with; the pasted
// length and the style runs follow the folded text.
TEST_F(CutAndPasteTest, PastedLineEndsBecomeReturns) {
    const auto utf16 = [](std::u16string_view text) {
        return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    };
    struct Case {
        const char* name;
        const char* flavor;
        std::string bytes;
        std::string pasted;
    } cases[] = {
        {"line feeds", kFlavorMacRomanText, "a\nb\n", "a\rb\r"},
        {"returns", kFlavorMacRomanText, "a\rb", "a\rb"},
        {"CR-LF pairs and blank lines", kFlavorUtf8Text, "a\r\n\r\nb\n\nc", "a\r\rb\r\rc"},
        {"a mixture", kFlavorUtf8Text, "a\n\rb\r\r\nc", "a\r\rb\r\rc"},
        {"separators in UTF-8", kFlavorUtf8Text,
         "a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c\xE2\x80\xA6",
         "a\rb\rc\xC9"},
        {"separators in UTF-16", kFlavorUtf16Text, utf16(u"a\u2028b\u2029\r\nc"), "a\rb\r\rc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearPasteboard();
        ASSERT_TRUE(PutPasteboardFlavor(1, c.flavor, c.bytes));
        Select(3, 3);
        SInt32 pasted = -1;
        ASSERT_EQ(WEPaste(we, &pasted, 1), noErr);
        EXPECT_EQ(Text(), "aaa" + c.pasted + "BBBccc");
        EXPECT_EQ(pasted, SInt32(c.pasted.size()));
        EXPECT_TRUE(RecordIsConsistent(we));
        ASSERT_EQ(WEUndo(we), noErr);
        EXPECT_EQ(Text(), "aaaBBBccc");
    }

    // Runs of "x\r\n" "\n" "bold" "\r\n" "x" (the lone line feed plain): each keeps its own characters.
    ClearPasteboard();
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "x\r\n\nbold\r\nx"));
    std::string runs(2, '\0');
    const std::pair<SInt32, UInt8> elements[] = {{0, 0}, {2, kWEItalic}, {3, 0}, {4, kWEBold}, {8, 0}};
    WriteHostValue<UInt16>(reinterpret_cast<UInt8*>(runs.data()), UInt16(std::size(elements)));
    for (const auto& [start, face] : elements) {
        StyleScrapElement element;
        element.start = start;
        element.record.style = MakeStyle(face);
        std::string bytes(size_t(kStyleScrapElementSize), '\0');
        WriteStyleScrapElement(reinterpret_cast<UInt8*>(bytes.data()), element);
        runs += bytes;
    }
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorStyles, runs));
    Select(0, 9);
    SInt32 pasted = -1;
    ASSERT_EQ(WEPaste(we, &pasted, 1), noErr);
    EXPECT_EQ(Text(), "x\r\rbold\rx");
    EXPECT_EQ(pasted, 9);
    EXPECT_EQ(RunFaces(), (Runs{{0, 0}, {3, kWEBold}, {7, 0}}));
    EXPECT_TRUE(RecordIsConsistent(we));
}
