// Inline input: composed text stands in the text with the input method's marking in its runs' flags and
// the typing style, confirmed text is plain typing that undoes with the keys typed around it, and a
// session stopped by an edit keeps what was composed.
#include "engine_fixture.h"

namespace {

class InlineInputTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        WEFeatureFlag(weFUndo, 1, we);
        Insert(0, "abcd");
        SetStyle(0, 2, MakeStyle(kWEBold));
        WESetSelection(2, 2, 0, we);
    }
    OSErr Update(const std::string& text, SInt32 confirmed, std::vector<WEInputRange> ranges = {}) {
        return WEUpdateInputArea(reinterpret_cast<const UInt8*>(text.data()), SInt32(text.size()), confirmed,
                                 ranges.data(), SInt16(ranges.size()), we);
    }
    std::pair<SInt32, SInt32> Area() {
        SInt32 start, end;
        WEGetInputArea(&start, &end, we);
        return {start, end};
    }
    std::pair<SInt32, SInt32> Selection() {
        SInt32 start, end;
        WEGetSelection(&start, &end, 0, we);
        return {start, end};
    }
    UInt8 FlagsAt(SInt32 offset) { return StyleAt(offset).faceMask; }
};

TEST_F(InlineInputTest, ComposedTextIsMarkedUntilConfirmedAndUndoesAsTyping) {
    struct Step {
        const char* name;
        std::string text;
        SInt32 confirmed;
        std::vector<WEInputRange> ranges;
        const char* want;
        std::pair<SInt32, SInt32> area, selection;
        UInt8 flagsAt2;
    } steps[] = {
        {"raw input", "ka", 0, {{0, 2, 2}}, "abkacd", {2, 4}, {4, 4}, 16},
        {"converted, caret inside", "KA", 0, {{0, 2, 4}, {1, 1, 1}}, "abKAcd", {2, 4}, {3, 3}, 80},
        {"first part confirmed", "Kx", 1, {{0, 1, 3}}, "abKxcd", {3, 4}, {4, 4}, 0},
        {"the rest confirmed", "y", -1, {}, "abKycd", {-1, -1}, {4, 4}, 0},
    };
    for (const Step& s : steps) {
        ASSERT_EQ(Update(s.text, s.confirmed, s.ranges), noErr) << s.name;
        EXPECT_EQ(Text(), s.want) << s.name;
        EXPECT_EQ(Area(), s.area) << s.name;
        EXPECT_EQ(Selection(), s.selection) << s.name;
        EXPECT_EQ(FlagsAt(2), s.flagsAt2) << s.name;
        // The composed text takes the style of the text before it.
        EXPECT_EQ(StyleAt(2).face, kWEBold) << s.name;
        EXPECT_TRUE(RecordIsConsistent(we)) << s.name;
    }
    EXPECT_EQ(FlagsAt(3), 0);
    // Confirmed text is typing: a key typed after it joins the same undoable step.
    ASSERT_EQ(WEKey('!', 0, we), noErr);
    EXPECT_EQ(Text(), "abKy!cd");
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text(), "abcd");
    EXPECT_EQ(Selection(), (std::pair<SInt32, SInt32>{2, 2}));
}

TEST_F(InlineInputTest, AnEditStopsTheSessionKeepingWhatWasComposed) {
    ASSERT_EQ(Update("xy", 0, {{0, 2, 2}}), noErr);
    ASSERT_EQ(WEKey('!', 0, we), noErr);
    EXPECT_EQ(Text(), "abxy!cd");
    EXPECT_EQ(Area(), (std::pair<SInt32, SInt32>{-1, -1}));
    EXPECT_EQ(FlagsAt(2), 0);
    EXPECT_EQ(FlagsAt(3), 0);
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text(), "abcd");
}

TEST_F(InlineInputTest, ConfirmedTextReplacesTheSelectionAndAReadOnlyTextRefuses) {
    WESetSelection(1, 3, 0, we);
    ASSERT_EQ(Update("Z", -1), noErr);
    EXPECT_EQ(Text(), "aZd");
    EXPECT_EQ(Selection(), (std::pair<SInt32, SInt32>{2, 2}));
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text(), "abcd");
    EXPECT_EQ(Selection(), (std::pair<SInt32, SInt32>{1, 3}));
    WEFeatureFlag(weFReadOnly, 1, we);
    EXPECT_EQ(Update("Q", -1), weReadOnlyErr);
    EXPECT_EQ(Text(), "abcd");
}

} // namespace
