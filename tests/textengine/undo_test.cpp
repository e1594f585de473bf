// Undo and redo: every edit undone gives back the text, the style runs and the selection exactly, and
// redone gives back what the edit made; typing forms one action; the modification count follows.
#include "engine_fixture.h"

#include "platform/events.h"
#include "textengine/style_scrap.h"

#include <cstring>

#include <functional>
#include <tuple>

namespace {

// What undo must restore: the text, each character's font, face, size and colour, and the selection.
struct Snapshot {
    std::string text;
    std::vector<std::tuple<int, int, int, int>> styles;
    SInt32 selStart = 0;
    SInt32 selEnd = 0;
    SInt32 selCount = 0;
    bool operator==(const Snapshot&) const = default;
};

class UndoTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        WEFeatureFlag(weFUndo, 1, we);
        Insert(0, "The quick brown fox\rjumps over the lazy dog.");
        SetStyle(4, 9, MakeStyle(kWEBold));
        SetStyle(10, 15, MakeStyle(kWEItalic, 18, 4));
        ASSERT_EQ(WECalText(we), noErr);
        Rec().modCount = 0;
    }

  public:
    Snapshot Take() {
        Snapshot s;
        s.text = Text();
        for (SInt32 i = 0; i < Rec().textLength; i++) {
            const WETextStyle& st = StyleAt(i);
            s.styles.emplace_back(st.font, st.face, st.size, st.color.red);
        }
        WEGetSelection(&s.selStart, &s.selEnd, 0, we);
        s.selCount = Rec().selCount;
        return s;
    }
    void Type(const std::string& keys) {
        for (char c : keys)
            ASSERT_EQ(WEKey(UInt8(c), 0, we), noErr);
    }
};

struct EditCase {
    const char* name;
    std::function<void(UndoTest&, WEReference)> edit;
};

TEST_F(UndoTest, UndoAndRedoRestoreTextStylesAndSelection) {
    const WETextStyle red = [] {
        WETextStyle s = MakeStyle(kWEUnderline, 24, 5);
        s.color = RGBColor{0xFFFF, 0, 0};
        return s;
    }();
    const EditCase cases[] = {
        {"typing at a caret",
         [](UndoTest& t, WEReference we) {
             WESetSelection(3, 3, 0, we);
             t.Type("abc");
         }},
        {"typing over a styled selection",
         [](UndoTest& t, WEReference we) {
             WESetSelection(2, 12, 0, we);
             t.Type("xy");
         }},
        {"backspacing past the typed text",
         [](UndoTest& t, WEReference we) {
             WESetSelection(9, 9, 0, we);
             t.Type("ab\b\b\b\b");
         }},
        {"forward delete",
         [](UndoTest& t, WEReference we) {
             WESetSelection(8, 8, 0, we);
             t.Type("\x7F\x7F");
         }},
        {"deleting a selection across the return",
         [](UndoTest&, WEReference we) {
             WESetSelection(15, 25, 0, we);
             WEDelete(we);
         }},
        {"deleting two ranges",
         [](UndoTest&, WEReference we) {
             WESetSelection(2, 5, 0, we);
             WESetSelection(20, 25, 1, we);
             WEDelete(we);
         }},
        {"inserting over a selection",
         [](UndoTest&, WEReference we) {
             WESetSelection(5, 11, 0, we);
             WEInsert("NEW", 3, nullptr, nullptr, we, 0);
         }},
        {"a style over runs",
         [red](UndoTest&, WEReference we) {
             WESetSelection(6, 30, 0, we);
             WESetStyle(weDoAll, &red, we);
         }},
        {"toggling a face",
         [](UndoTest&, WEReference we) {
             WESetSelection(0, 12, 0, we);
             const WETextStyle bold = MakeStyle(kWEBold);
             WESetStyle(weDoFace | weDoToggleFace, &bold, we);
         }},
        {"an action block of two edits",
         [red](UndoTest&, WEReference we) {
             WEBeginAction(we);
             WESetSelection(0, 4, 0, we);
             WEDelete(we);
             WESetSelection(10, 20, 0, we);
             WESetStyle(weDoAll, &red, we);
             WEEndAction(5, we);
         }},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        WESetSelection(1, 1, 0, we);
        const Snapshot before = Take();
        c.edit(*this, we);
        const Snapshot after = Take();
        ASSERT_EQ(WEUndo(we), noErr);
        EXPECT_TRUE(RecordIsConsistent(we));
        EXPECT_EQ(Take().text, before.text);
        EXPECT_EQ(Take().styles, before.styles);
        ASSERT_EQ(WEUndo(we), noErr);
        EXPECT_TRUE(RecordIsConsistent(we));
        EXPECT_EQ(Take().text, after.text);
        EXPECT_EQ(Take().styles, after.styles);
        EXPECT_EQ(Take().selStart, after.selStart);
        EXPECT_EQ(Take().selEnd, after.selEnd);
        ASSERT_EQ(WEUndo(we), noErr);
        EXPECT_EQ(Take().text, before.text);
    }
}

TEST_F(UndoTest, UndoRestoresTheSelectionOfTheEdit) {
    WESetSelection(15, 25, 0, we);
    WEDelete(we);
    ASSERT_EQ(WEUndo(we), noErr);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    EXPECT_EQ(start, 15);
    EXPECT_EQ(end, 25);

    WESetSelection(3, 3, 0, we);
    Type("abc");
    ASSERT_EQ(WEUndo(we), noErr);
    WEGetSelection(&start, &end, 0, we);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 3);
    ASSERT_EQ(WEUndo(we), noErr); // redo
    WEGetSelection(&start, &end, 0, we);
    EXPECT_EQ(start, 6);
    EXPECT_EQ(end, 6);
}

TEST_F(UndoTest, TypingIsOneActionThatBackspaceShrinksAndExtends) {
    WESetSelection(4, 4, 0, we);
    Type("abc\b");
    ASSERT_EQ(WEGetUndoInfo(nullptr, we), 2);
    EXPECT_TRUE(WEIsTyping(we));
    EXPECT_EQ(Text().substr(0, 7), "The abq");
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text().substr(0, 9), "The quick");
    Boolean redo = false;
    EXPECT_EQ(WEGetUndoInfo(&redo, we), 2);
    EXPECT_TRUE(redo);
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text().substr(0, 7), "The abq");

    // Backspacing in front of what was typed saves the removed characters at the action's front.
    WESetSelection(4, 4, 0, we);
    Type("\b\b\bX");
    EXPECT_EQ(Text().substr(0, 4), "TXab");
    ASSERT_EQ(WEUndo(we), noErr);
    EXPECT_EQ(Text().substr(0, 7), "The abq");
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(UndoTest, ModificationCountFollowsEditsUndoAndRedo) {
    EXPECT_EQ(WEGetModCount(we), 0u);
    WESetSelection(2, 2, 0, we);
    Type("abc");
    EXPECT_EQ(WEGetModCount(we), 1u); // one typing action
    WESetSelection(0, 3, 0, we);
    WEDelete(we);
    EXPECT_EQ(WEGetModCount(we), 2u);
    WEUndo(we);
    EXPECT_EQ(WEGetModCount(we), 1u);
    WEUndo(we);
    EXPECT_EQ(WEGetModCount(we), 2u);
    WEResetModCount(we);
    EXPECT_EQ(WEGetModCount(we), 0u);
    EXPECT_EQ(WEUndo(we), weCantUndoErr); // saving forgets the undo action
}

TEST_F(UndoTest, ActionBlocksAndReadOnlyTexts) {
    EXPECT_EQ(WEEndAction(1, we), weActionBlockErr);
    ASSERT_EQ(WEBeginAction(we), noErr);
    EXPECT_EQ(WEBeginAction(we), weActionBlockErr);
    EXPECT_EQ(WEEndAction(1, we), weCantUndoErr); // nothing recorded inside

    WEFeatureFlag(weFReadOnly, 1, we);
    WESetSelection(0, 3, 0, we);
    EXPECT_EQ(WEDelete(we), weReadOnlyErr);
    EXPECT_EQ(WEInsert("x", 1, nullptr, nullptr, we, 0), weReadOnlyErr);
    EXPECT_EQ(WEKey('x', 0, we), noErr); // typing is ignored
    EXPECT_EQ(Text().substr(0, 3), "The");
    EXPECT_EQ(WEGetModCount(we), 0u);
}

TEST_F(UndoTest, TypingStyleSetAtTheCaretGoesToTheNextCharacter) {
    WESetSelection(3, 3, 0, we);
    const WETextStyle big = MakeStyle(kWEItalic, 30);
    ASSERT_EQ(WESetStyle(weDoFace | weDoSize, &big, we), noErr);
    EXPECT_EQ(Text(), "The quick brown fox\rjumps over the lazy dog."); // nothing changed yet
    Type("Z");
    EXPECT_EQ(StyleAt(3).size, 30);
    EXPECT_EQ(StyleAt(3).face, kWEItalic);
    EXPECT_EQ(StyleAt(2).size, 12);
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(UndoTest, InsertIntoEveryRangeLeavesACaretAfterTheFirst) {
    WESetSelection(0, 3, 0, we);
    WESetSelection(10, 15, 1, we);
    ASSERT_EQ(WEGetNumberSelections(we), 2);
    ASSERT_EQ(WEInsert("AB", 2, nullptr, nullptr, we, 0), noErr);
    EXPECT_EQ(Text().substr(0, 16), "AB quick AB fox\r");
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    EXPECT_EQ(WEGetNumberSelections(we), 0);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 2);
    EXPECT_TRUE(RecordIsConsistent(we));
}

// A style scrap of one bold run whose count and size can be falsified.
Handle BoldScrap(UInt16 count = 1, Size extra = 0) {
    Handle h = NewHandleClear(2 + kStyleScrapElementSize + extra);
    std::memcpy(*h, &count, 2);
    StyleScrapElement element;
    element.record.style = MakeStyle(kWEBold);
    WriteStyleScrapElement(reinterpret_cast<UInt8*>(*h) + 2, element);
    return h;
}

// One object soup entry for character 0 whose data size can be falsified.
Handle Soup(SInt32 dataSize, Size size = 24 + 4) {
    Handle h = NewHandleClear(size);
    UInt8 header[24] = {};
    const OSType type = FourCC("PICT");
    std::memcpy(header + 4, &type, 4);
    std::memcpy(header + 12, &dataSize, 4);
    std::memcpy(*h, header, size_t(std::min<Size>(size, 24)));
    return h;
}

TEST_F(UndoTest, InsertWithDamagedStylesOrSoupChangesNothingAndSaysSo) {
    struct Case {
        const char* name;
        Handle scrap;
        Handle soup;
    };
    const Case cases[] = {
        {"scrap count past its end", BoldScrap(2), nullptr},
        {"scrap run torn at its end", BoldScrap(1, 7), nullptr},
        {"soup entry past the soup", BoldScrap(), Soup(1000)},
        {"soup entry of negative size", nullptr, Soup(-1)},
        {"soup header torn", nullptr, Soup(4, 10)},
    };
    WESetSelection(4, 9, 0, we);
    const Snapshot before = Take();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WEInsert("NEW", 3, c.scrap, c.soup, we, 0), weBadStyleScrapErr);
        EXPECT_TRUE(Take() == before);
        EXPECT_EQ(WEGetModCount(we), 0u);
        EXPECT_EQ(WEUndo(we), weCantUndoErr);
        if (c.scrap) DisposeHandle(c.scrap);
        if (c.soup) DisposeHandle(c.soup);
    }
    Handle good = BoldScrap();
    ASSERT_EQ(WEInsert("NEW", 3, good, nullptr, we, 0), noErr);
    EXPECT_EQ(Text().substr(0, 12), "The NEW brow");
    EXPECT_EQ(StyleAt(4).face, kWEBold);
    EXPECT_EQ(StyleAt(6).face, kWEBold);
    EXPECT_EQ(WEGetModCount(we), 1u);
    EXPECT_TRUE(RecordIsConsistent(we));
    DisposeHandle(good);
}

TEST_F(UndoTest, CaseChangesReachEveryRange) {
    WESetSelection(0, 9, 0, we);
    WESetSelection(20, 25, 1, we);
    ASSERT_EQ(WeSetCase(we, 0), noErr);
    EXPECT_EQ(Text(), "THE QUICK brown fox\rJUMPS over the lazy dog.");
    ASSERT_EQ(WeSetCase(we, 2), noErr);
    EXPECT_EQ(Text(), "the quick brown fox\rjumps over the lazy dog.");
    EXPECT_TRUE(RecordIsConsistent(we));
}

} // namespace
