// Copying to the clipboard pasteboard and reading it back: one item per range, the style flavour in the
// exchanged layout, reading by item, text from other programs, and what counts as pasteable.
#include "pasteboard_fixture.h"

#include <cstring>

TEST_F(PasteboardTest, CopyingThreeRangesPutsThreeItemsWithTextAndStyles) {
    FillWithBoldMiddle();
    Select(0, 2);
    Select(3, 5, 1);
    Select(7, 9, 1);
    ASSERT_EQ(WECopy(we, 0), noErr);
    ASSERT_EQ(CountPasteboardItems(), 3);
    const char* texts[] = {"aa", "BB", "cc"};
    for (int item = 1; item <= 3; item++) {
        EXPECT_EQ(Flavor(item, kFlavorMacRomanText), texts[item - 1]);
        SInt32 start, end;
        WEGetSelection(&start, &end, item - 1, we);
        Handle copied = NewHandle(0);
        ASSERT_EQ(WECopyRange(start, end, nullptr, copied, nullptr, we), noErr);
        // Two bytes shorter than the copy's handle, count and elements unchanged.
        const std::string flavor = Flavor(item, kFlavorStyles);
        EXPECT_EQ(Size(flavor.size()), GetHandleSize(copied) - 2);
        EXPECT_EQ(flavor.substr(0, 2), Bytes(copied).substr(0, 2));
        EXPECT_EQ(flavor.substr(2), Bytes(copied).substr(4));
        DisposeHandle(copied);
    }
    // Other programs see the texts one per line.
    std::string plain;
    ASSERT_TRUE(GetClipboardText(&plain));
    EXPECT_EQ(plain, "aa\nBB\ncc");
}

TEST_F(PasteboardTest, PlainTextCopiesPutNoStyleFlavour) {
    FillWithBoldMiddle();
    Select(2, 5);
    struct Case {
        const char* what;
        bool monoStyled;
        SInt16 flags;
    } cases[] = {{"plain-text flag", false, 2}, {"mono-styled text", true, 0}};
    for (const Case& c : cases) {
        WEFeatureFlag(weFMonoStyled, c.monoStyled ? 1 : 0, we);
        ASSERT_EQ(WECopy(we, c.flags), noErr) << c.what;
        EXPECT_EQ(GetPasteboardItemFlavors(1), std::vector<std::string>{kFlavorMacRomanText}) << c.what;
    }
}

TEST_F(PasteboardTest, CopyingAnEmptySelectionLeavesThePasteboardAlone) {
    FillWithBoldMiddle();
    SetClipboardText("kept");
    Select(4, 4);
    EXPECT_EQ(WECopy(we, 0), weEmptySelectionErr);
    std::string plain;
    ASSERT_TRUE(GetClipboardText(&plain));
    EXPECT_EQ(plain, "kept");
}

TEST_F(PasteboardTest, ReadingItemZeroTakesTheLastItemAndItemsPastTheEndFail) {
    for (int item = 1; item <= 3; item++)
        ASSERT_TRUE(
            PutPasteboardFlavor(item, kFlavorMacRomanText, std::string(size_t(item), char('0' + item))));
    EXPECT_EQ(ReadScrap(FourCC("TEXT"), 0), "333");
    EXPECT_EQ(ReadScrap(FourCC("TEXT"), 2), "22");
    // An item without a style flavour reads as an empty scrap.
    EXPECT_EQ(ReadScrap(FourCC("styl"), 2), "");
    Handle h = nullptr;
    EXPECT_EQ(_WEGetScrapHandle(FourCC("TEXT"), &h, 4, nullptr, 0), weNoPasteboardItemErr);
    EXPECT_EQ(h, nullptr);
}

TEST_F(PasteboardTest, TextFromOtherProgramsArrivesAsMacRoman) {
    // Put as another program would: Unicode plain text only, with an e-acute and the euro sign.
    SetClipboardText("caf\x8E \xDB");
    ASSERT_EQ(CountPasteboardItems(), 1);
    EXPECT_EQ(ReadScrap(FourCC("TEXT"), 1), "caf\x8E \xDB");
    // Starting the list at its third name (UTF-8) gives the same text by the other conversion.
    EXPECT_EQ(ReadScrap(FourCC("TEXT"), 1, 3), "caf\x8E \xDB");
    // No style flavour is there to read.
    EXPECT_EQ(ReadScrap(FourCC("styl"), 1), "");
    EXPECT_TRUE(WECanPaste(we));
}

TEST_F(PasteboardTest, OnlyMacRomanOrUtf16TextOrStylesArePasteable) {
    struct Case {
        const char* flavor;
        bool pasteable;
    } cases[] = {{kFlavorMacRomanText, true}, {kFlavorUtf16Text, true}, {kFlavorStyles, true},
                 {kFlavorUtf8Text, false},    {kFlavorRtf, false},      {"text/plain", false}};
    for (const Case& c : cases) {
        ClearPasteboard();
        ASSERT_TRUE(PutPasteboardFlavor(1, c.flavor, "x"));
        EXPECT_EQ(WECanPaste(we), c.pasteable) << c.flavor;
    }
    ClearPasteboard();
    EXPECT_FALSE(WECanPaste(we));
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "x"));
    WEFeatureFlag(weFReadOnly, 1, we);
    EXPECT_FALSE(WECanPaste(we));
}

TEST_F(PasteboardTest, PasteTextGathersEveryItem) {
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "one"));
    ASSERT_TRUE(PutPasteboardFlavor(2, kFlavorStyles, std::string(2, '\0'))); // an item without text
    ASSERT_TRUE(PutPasteboardFlavor(3, kFlavorMacRomanText, "three"));
    struct Case {
        SInt16 flags;
        const char* text;
    } cases[] = {{0, "onethree"}, {32, "one three "}, {64, "one"}};
    for (const Case& c : cases) {
        Handle h = WEGetPasteText(c.flags);
        EXPECT_EQ(Bytes(h), c.text) << c.flags;
        if (h) DisposeHandle(h);
    }
    ClearPasteboard();
    EXPECT_EQ(WEGetPasteText(0), nullptr);
}

TEST_F(PasteboardTest, AnObjectIsCopiedInItsOwnFlavourAndRangesCarryItInTheirSoup) {
    FillWithBoldMiddle();
    Select(4, 4);
    Handle data = NewHandle(3);
    std::memcpy(*data, "pic", 3);
    ASSERT_EQ(WEInsertObject(FourCC("PICT"), data, Point{20, 30}, we), noErr);
    Select(4, 5);
    ASSERT_EQ(WECopy(we, 0), noErr);
    EXPECT_EQ(GetPasteboardItemFlavors(1), std::vector<std::string>{"PICT"});
    EXPECT_EQ(Flavor(1, "PICT"), "pic");

    // The object's character lies 2 bytes into the range: one 24-byte header and its data.
    Handle soup = NewHandle(0);
    ASSERT_EQ(WECopyRange(2, 7, nullptr, nullptr, soup, we), noErr);
    ASSERT_EQ(GetHandleSize(soup), 24 + 3);
    const UInt8* p = reinterpret_cast<const UInt8*>(*soup);
    EXPECT_EQ(ReadHostValue<SInt32>(p), 2);
    EXPECT_EQ(ReadHostValue<OSType>(p + 4), FourCC("PICT"));
    EXPECT_EQ(ReadHostValue<SInt32>(p + 12), 3);
    EXPECT_EQ(ReadHostValue<SInt16>(p + 16), 20);
    EXPECT_EQ(ReadHostValue<SInt16>(p + 18), 30);
    // A range that starts after the object leaves the soup empty.
    ASSERT_EQ(WECopyRange(5, 7, nullptr, nullptr, soup, we), noErr);
    EXPECT_EQ(GetHandleSize(soup), 0);
    DisposeHandle(soup);
}
