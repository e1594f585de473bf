// The text merge list: appending, reading with the remembered walk, changing, removing and swapping
// entries, a damaged list refused unchanged, and the test for entries still waiting for their values.
#include "texttools/text_tools.h"

#include "platform/memory.h"
#include "platform/pstring.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Entry = std::array<std::string, 3>;

std::string Str(const Str255 s) {
    return std::string(PStringView(s));
}

void Set(SInt32 n, SInt16 field, const std::string& text) {
    Str255 s;
    SetPString(s, text);
    ASSERT_TRUE(SetTextMergeText(n, field, s)) << "entry " << n << " field " << field;
}

void MakeList(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        const SInt32 n = gNumTextMerge;
        ASSERT_TRUE(AddTextMergeText());
        for (SInt16 field = 0; field < 3; ++field)
            Set(n, field, entry[size_t(field)]);
    }
}

Entry Read(SInt16 n) {
    Str255 k, r, p;
    EXPECT_TRUE(GetTextMergeText(n, k, r, p)) << "entry " << n;
    return {Str(k), Str(r), Str(p)};
}

std::vector<Entry> All() {
    std::vector<Entry> out;
    for (SInt16 n = 0; n < gNumTextMerge; ++n)
        out.push_back(Read(n));
    return out;
}

const std::vector<Entry> kSix = {
    {"NAME", "", "Your name?"},     {"CITY", "Lyon", "Which city?"}, {"DAY", "", ""},
    {"TIME", "8", "At what time?"}, {"HOST", "Ana", "Host?"},        {"SHOW", "", "Which show?"}};

TEST(TextMergeList, TheFirstEntryMakesTheListAndReadingContinuesAcrossChanges) {
    ASSERT_EQ(gTextMergeList, nullptr);
    ASSERT_TRUE(AddTextMergeText());
    EXPECT_EQ(gNumTextMerge, 1);
    EXPECT_EQ(GetHandleSize(gTextMergeList), 3);
    EXPECT_EQ(Read(0), (Entry{"", "", ""}));
    Set(0, 0, "NAME");
    ASSERT_TRUE(RemoveTextMergeText(0));

    MakeList(kSix);
    EXPECT_EQ(Read(3), kSix[3]);
    EXPECT_EQ(Read(5), kSix[5]) << "continues from entry 3";
    Set(1, 0, "A MUCH LONGER KEYWORD THAN BEFORE");
    EXPECT_EQ(Read(5), kSix[5]) << "the remembered place is dropped when the list changes";
    EXPECT_EQ(Read(1)[0], "A MUCH LONGER KEYWORD THAN BEFORE");
    Set(1, 0, "");
    EXPECT_EQ(Read(4), kSix[4]);
    Str255 only;
    ASSERT_TRUE(GetTextMergeText(2, nullptr, nullptr, only));
    EXPECT_EQ(Str(only), "");
    EXPECT_FALSE(GetTextMergeText(6, only, nullptr, nullptr));
    EXPECT_FALSE(GetTextMergeText(-1, only, nullptr, nullptr));
}

TEST(TextMergeList, RemovingSwappingAndRefusals) {
    MakeList(kSix);
    ASSERT_TRUE(SwapTextMergeText(0, 1));
    EXPECT_EQ(Read(0), kSix[1]);
    EXPECT_EQ(Read(1), kSix[0]);
    ASSERT_TRUE(SwapTextMergeText(0, 1));
    EXPECT_EQ(All(), kSix) << "swapping twice restores the list";
    EXPECT_FALSE(SwapTextMergeText(0, 6));

    ASSERT_TRUE(RemoveTextMergeText(2));
    std::vector<Entry> expected = kSix;
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(All(), expected);
    ASSERT_TRUE(RemoveTextMergeText(4));
    expected.pop_back();
    EXPECT_EQ(All(), expected) << "the last entry is cut off";
    Str255 text;
    SetPString(text, "x");
    EXPECT_FALSE(SetTextMergeText(4, 0, text));
    EXPECT_FALSE(SetTextMergeText(0, 3, text));
    EXPECT_FALSE(RemoveTextMergeText(4));
    while (gNumTextMerge > 0)
        ASSERT_TRUE(RemoveTextMergeText(0));
    EXPECT_EQ(gTextMergeList, nullptr) << "removing the only entry frees the list";

    // A string that runs past the end of the handle: changes are refused and nothing moves.
    MakeList({{"A", "B", "C"}, {"D", "E", "F"}});
    (*gTextMergeList)[6] = 40;
    const std::string before(*gTextMergeList, size_t(GetHandleSize(gTextMergeList)));
    EXPECT_FALSE(SetTextMergeText(1, 1, text));
    EXPECT_FALSE(RemoveTextMergeText(1));
    EXPECT_EQ(std::string(*gTextMergeList, size_t(GetHandleSize(gTextMergeList))), before);
}

TEST(TextMergeList, EntriesWaitForValuesUntilOneHasAReplacement) {
    EXPECT_FALSE(CheckForTextMergeFunction(nullptr, 0));
    MakeList({{"A", "", "a?"}, {"B", "", "b?"}});
    EXPECT_TRUE(CheckForTextMergeFunction(gTextMergeList, gNumTextMerge));
    Set(1, 1, "bee");
    EXPECT_FALSE(CheckForTextMergeFunction(gTextMergeList, gNumTextMerge));
    ClearTextMergeReplaceWith();
    EXPECT_TRUE(CheckForTextMergeFunction(gTextMergeList, gNumTextMerge));
}

} // namespace
