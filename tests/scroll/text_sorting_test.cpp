// Sorting a styled text by paragraphs, sentences, words and characters: keys, orders, stability, duplicate
// removal, long units, styles carried along, the clipboard left alone, and a stop between merge passes.
#include "scroll/text_sorting.h"

#include "platform/clipboard.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "textengine/text_engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

SortSpec Spec(UInt16 unit, UInt16 key, UInt16 order = kSortAscending, UInt16 removeDuplicates = 0,
              UInt16 dontSort = 0) {
    return SortSpec{unit, key, order, removeDuplicates, dontSort};
}

class TextSorting : public ::testing::Test {
  protected:
    void SetUp() override {
        // The character classes (white space, sentence ends) come from the program's resources.
        resources = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(resources, 0);
        savedClassicText = GetPref(gThePreferences, kPrefClassicText);
        SetPref(gThePreferences, kPrefClassicText, 1);
        LongRect box{0, 0, 2000, 400};
        ASSERT_EQ(WENew(&box, &box, 0, &we), noErr);
    }
    void TearDown() override {
        WEDispose(we);
        SetPref(gThePreferences, kPrefClassicText, savedClassicText);
        if (resources > 0) CloseResFile(resources);
    }
    void Use(const std::string& text) {
        WESetSelection(0, WEGetTextLength(we), 0, we);
        WEDelete(we);
        WEInsert(text.data(), SInt32(text.size()), nullptr, nullptr, we, 0);
    }
    std::string Text() { return std::string(*WEGetText(we), size_t(WEGetTextLength(we))); }
    void Colour(SInt32 start, SInt32 end, RGBColor color) {
        WETextStyle style;
        style.color = color;
        WESetSelection(start, end, 0, we);
        WESetStyle(weDoColor, &style, we);
    }
    RGBColor ColourAt(SInt32 offset) {
        WERunInfo info;
        WEGetRunInfo(offset, &info, we);
        return info.style.style.color;
    }
    std::string Sorted(const std::string& text, const SortSpec& spec,
                       const SortProgress* progress = nullptr) {
        Use(text);
        SortWholeText(spec, WEGetText(we), we, progress);
        return Text();
    }

    WEReference we = nullptr;
    SInt32 savedClassicText = 0;
    ResFileRefNum resources = -1;
};

TEST_F(TextSorting, EachUnitKeyAndOrderGivesItsText) {
    struct Case {
        const char* what;
        SortSpec spec;
        std::string text, expected;
    };
    const Case cases[] = {
        {"words, duplicates removed", Spec(kSortWords, kSortKeyText, kSortAscending, 1), "b a b", "a b "},
        {"paragraphs by number", Spec(kSortParagraphs, kSortKeyNumber), "10\r9\r9.5", "9\r9.5\r10\r"},
        {"numbers descending", Spec(kSortParagraphs, kSortKeyNumber, kSortDescending), "-2\r10\r3.5\r",
         "10\r3.5\r-2\r"},
        {"do not sort keeps the first of each set in order",
         Spec(kSortWords, kSortKeyText, kSortAscending, 1, 1), "pear apple Pear fig apple",
         "pear apple fig "},
        {"do not sort without removing changes nothing", Spec(kSortWords, kSortKeyText, kSortAscending, 0, 1),
         "pear apple pear", "pear apple pear"},
        {"characters drop white space", Spec(kSortCharacters, kSortKeyText), "c a\tb\rd", "abcd"},
        {"sentences keep their punctuation", Spec(kSortSentences, kSortKeyText),
         "Zed here. Alpha there! Mid way?", "Alpha there!\rMid way?\rZed here.\r"},
        {"paragraphs keep their sentences whole", Spec(kSortParagraphs, kSortKeyText),
         "Second one. Yes.\rFirst one. Sure.\r", "First one. Sure.\rSecond one. Yes.\r"},
        {"equal keys keep their order ascending", Spec(kSortWords, kSortKeyText), "b B a A b", "a A b B b "},
        {"equal keys keep their order descending", Spec(kSortWords, kSortKeyText, kSortDescending),
         "b B a A b", "b B b a A "},
        {"duplicates ignoring case keep the first", Spec(kSortWords, kSortKeyText, kSortAscending, 1),
         "Lemon lime lemon LEMON", "Lemon lime "},
        {"exact text puts capitals first and keeps both cases",
         Spec(kSortWords, kSortKeyExactText, kSortAscending, 1), "b B a A b", "A B a b "},
        {"a prefix sorts before the longer word", Spec(kSortWords, kSortKeyText), "moonlight moon",
         "moon moonlight "},
        {"an empty text stays empty", Spec(kSortWords, kSortKeyText), "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sorted(c.text, c.spec), c.expected) << c.what;
}

TEST_F(TextSorting, UnitsLongerThanSixteenBitsCompareWhole) {
    // Both pairs agree for more than 65,535 bytes; only a full-length comparison sees where they differ.
    const std::string common(70000, 'a');
    const std::string later = common + "z", earlier = common + "b";
    EXPECT_EQ(Sorted(later + "\r" + earlier, Spec(kSortParagraphs, kSortKeyExactText)),
              earlier + "\r" + later + "\r");
    EXPECT_EQ(
        Sorted(later + "\r" + earlier + "\r" + later, Spec(kSortParagraphs, kSortKeyText, kSortAscending, 1)),
        earlier + "\r" + later + "\r");
    const std::string shorter(40000, 'q');
    EXPECT_EQ(Sorted(shorter + "q\r" + shorter, Spec(kSortParagraphs, kSortKeyText, kSortAscending, 1)),
              shorter + "\r" + shorter + "q\r");
}

TEST_F(TextSorting, StylesTravelWithTheirUnitsAndTheClipboardIsLeftAlone) {
    SetClipboardText("the operator's own clipboard");
    const RGBColor red{0xFFFF, 0, 0}, blue{0, 0, 0xFFFF};
    Use("red blue green");
    Colour(0, 3, red);
    Colour(4, 8, blue);
    SortWholeText(Spec(kSortWords, kSortKeyText), WEGetText(we), we, nullptr);
    ASSERT_EQ(Text(), "blue green red ");
    EXPECT_EQ(ColourAt(0).blue, 0xFFFF);
    EXPECT_EQ(ColourAt(11).red, 0xFFFF);
    EXPECT_EQ(ColourAt(11).blue, 0);
    EXPECT_EQ(ColourAt(5).red, 0);
    std::string clipboard;
    ASSERT_TRUE(GetClipboardText(&clipboard));
    EXPECT_EQ(clipboard, "the operator's own clipboard");

    // By colour: black (0) before blue before red, equal colours in their text order.
    Use("one two three four");
    Colour(0, 3, red);
    Colour(4, 7, blue);
    Colour(8, 13, RGBColor{0, 0, 0});
    Colour(14, 18, red);
    SortWholeText(Spec(kSortWords, kSortKeyColor), WEGetText(we), we, nullptr);
    EXPECT_EQ(Text(), "three two one four ");
}

TEST_F(TextSorting, AnObjectInTheTextTravelsWithItsUnit) {
    Use("zebra\rapple\r");
    WESetSelection(2, 2, 0, we);
    Handle data = NewHandle(3);
    std::memcpy(*data, "obj", 3);
    ASSERT_EQ(WEInsertObject(FourCC("none"), data, Point{20, 20}, we), noErr);
    const std::string zebra = Text().substr(0, 6);
    SortWholeText(Spec(kSortParagraphs, kSortKeyText), WEGetText(we), we, nullptr);
    EXPECT_EQ(Text(), "apple\r" + zebra + "\r");
    WEObjectReference object = nullptr;
    EXPECT_EQ(WEFindNextObject(-1, &object, we), 8) << "the object is still in its word";
    EXPECT_NE(object, nullptr);
}

// Stops after the first merge pass: pairs are ordered, nothing more.
struct StopAfterFirstPass {
    std::vector<SInt16> shown;
    static void Show(void* data, SInt16 value) {
        static_cast<StopAfterFirstPass*>(data)->shown.push_back(value);
    }
    static bool Stop(void* data) { return !static_cast<StopAfterFirstPass*>(data)->shown.empty(); }
};

TEST_F(TextSorting, AStopKeepsTheOrderReachedAndTheAssemblyStillRuns) {
    StopAfterFirstPass stop;
    const SortProgress progress{StopAfterFirstPass::Show, StopAfterFirstPass::Stop, &stop};
    EXPECT_EQ(Sorted("h g f e d c b a", Spec(kSortWords, kSortKeyText), &progress), "g h e f c d a b ");
    ASSERT_FALSE(stop.shown.empty());
    EXPECT_LT(stop.shown.front(), 100);
    EXPECT_EQ(stop.shown.back(), 200);
    for (size_t i = 1; i < stop.shown.size(); ++i)
        EXPECT_LT(stop.shown[i - 1], stop.shown[i]) << "each value is shown once, rising";

    // Without a stop every pass is shown once, then the assembly.
    const SortProgress shownOnly{StopAfterFirstPass::Show, nullptr, &stop};
    stop.shown.clear();
    EXPECT_EQ(Sorted("h g f e d c b a", Spec(kSortWords, kSortKeyText), &shownOnly), "a b c d e f g h ");
    EXPECT_EQ(stop.shown, (std::vector<SInt16>{33, 66, 100, 200}));

    // Removing duplicates after a stop only drops units whose equal stays.
    stop.shown.clear();
    EXPECT_EQ(Sorted("b b a a b", Spec(kSortWords, kSortKeyText, kSortAscending, 1), &progress), "b a b ");
}

TEST_F(TextSorting, PatternFillsTheSelectedRangesInOrder) {
    struct Case {
        std::vector<std::pair<SInt32, SInt32>> ranges;
        std::string pattern, expected;
    };
    const Case cases[] = {
        {{{0, 3}}, "xy", "xyxdefghij"},
        {{{1, 3}, {5, 9}}, "123", "a12de3123j"},
        {{{8, 20}}, "PQ", "abcdefghPQ"},
        {{{2, 4}}, "", "abcdefghij"},
    };
    for (const Case& c : cases) {
        Use("abcdefghij");
        WESetSelection(c.ranges[0].first, c.ranges[0].second, 0, we);
        for (size_t i = 1; i < c.ranges.size(); ++i)
            WESetSelection(c.ranges[i].first, c.ranges[i].second, 1, we);
        Handle bytes = NewHandle(10);
        std::memcpy(*bytes, "abcdefghij", 10);
        Handle pattern = NewHandle(Size(c.pattern.size()));
        if (!c.pattern.empty()) std::memcpy(*pattern, c.pattern.data(), c.pattern.size());
        ReplaceSelectedTextFromHandle(bytes, we, pattern);
        EXPECT_EQ(std::string(*bytes, 10), c.expected) << "pattern " << c.pattern;
        DisposeHandle(bytes);
        DisposeHandle(pattern);
    }
    ReplaceSelectedTextFromHandle(nullptr, we, nullptr);
}

} // namespace
