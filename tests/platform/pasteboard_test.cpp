// The pasteboard over the toolkit's clipboard: numbered items with flavours that keep any bytes, text for
// other programs beside them, and text from other programs offered as one Unicode item.
#include "platform/clipboard.h"

#include <gtest/gtest.h>

TEST(Pasteboard, ItemsKeepTheirFlavoursInOrderAndAnyBytes) {
    ClearPasteboard();
    EXPECT_EQ(CountPasteboardItems(), 0);
    EXPECT_FALSE(PutPasteboardFlavor(2, kFlavorMacRomanText, "gap")); // items are added one at a time
    const std::string binary("\0\x01\xFF\0", 4);
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "first"));
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorStyles, binary));
    ASSERT_TRUE(PutPasteboardFlavor(2, kFlavorMacRomanText, "old"));
    ASSERT_TRUE(PutPasteboardFlavor(2, kFlavorMacRomanText, "caf\x8E")); // replaces
    EXPECT_EQ(CountPasteboardItems(), 2);
    EXPECT_EQ(GetPasteboardItemFlavors(1), (std::vector<std::string>{kFlavorMacRomanText, kFlavorStyles}));
    EXPECT_EQ(GetPasteboardItemFlavors(2), std::vector<std::string>{kFlavorMacRomanText});
    EXPECT_TRUE(GetPasteboardItemFlavors(3).empty());
    std::string bytes;
    ASSERT_TRUE(CopyPasteboardFlavorData(1, kFlavorStyles, &bytes));
    EXPECT_EQ(bytes, binary);
    EXPECT_FALSE(CopyPasteboardFlavorData(2, kFlavorStyles, &bytes));
    // Other programs read the items' text, one per line.
    ASSERT_TRUE(GetClipboardText(&bytes));
    EXPECT_EQ(bytes, "first\ncaf\x8E");
}

TEST(Pasteboard, TextFromElsewhereIsOneItemInBothUnicodeForms) {
    SetClipboardText("\x8E!"); // e-acute, put as plain text the way another program would
    ASSERT_EQ(CountPasteboardItems(), 1);
    std::string utf8, utf16;
    ASSERT_TRUE(CopyPasteboardFlavorData(1, kFlavorUtf8Text, &utf8));
    ASSERT_TRUE(CopyPasteboardFlavorData(1, kFlavorUtf16Text, &utf16));
    EXPECT_EQ(utf8, "\xC3\xA9!");
    EXPECT_EQ(utf16, std::string(reinterpret_cast<const char*>(u"\u00E9!"), 4));
    EXPECT_FALSE(CopyPasteboardFlavorData(1, kFlavorMacRomanText, nullptr));
    // Putting onto what another program left starts a pasteboard of our own.
    ASSERT_TRUE(PutPasteboardFlavor(1, kFlavorMacRomanText, "ours"));
    EXPECT_EQ(GetPasteboardItemFlavors(1), std::vector<std::string>{kFlavorMacRomanText});
}
