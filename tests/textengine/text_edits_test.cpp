// Inserting, deleting and restyling text keeps the text, runs, style table, lines and UTF-16 copy in step.
#include "engine_fixture.h"

#include "foundation/error_dialog.h"

#include <random>

namespace {

using Runs = std::vector<std::pair<SInt32, int>>;

TEST_F(EngineTest, NewRecordHoldsOneEmptyLineRunAndStyle) {
    EXPECT_EQ(Rec().textLength, 0);
    EXPECT_EQ(Rec().lineCount, 1);
    EXPECT_EQ(Rec().runCount, 1);
    EXPECT_EQ(RunsOf(Rec())[1].start, 1);
    EXPECT_EQ(Rec().styleCount, 1);
    EXPECT_EQ(StylesOf(Rec())[0].refCount, 1);
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, InsertingAtTheStartOfABoldRunTakesTheTypingStyle) {
    Insert(0, "hello");
    SetStyle(0, 5, MakeStyle(kWEBold));
    Rec().typingStyle.style = MakeStyle(0);
    Rec().stateBits |= kWEStateTypingStyle;
    Insert(0, "ab");
    EXPECT_EQ(Text(), "abhello");
    EXPECT_EQ(RunFaces(), (Runs{{0, 0}, {2, kWEBold}}));
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, InsertingInsideOrAfterARunWithoutTypingStyleExtendsIt) {
    Insert(0, "aaaabbbb");
    SetStyle(4, 8, MakeStyle(kWEItalic));
    Insert(2, "xx"); // inside the first run
    Insert(6, "yy"); // at the boundary: joins the run before it
    EXPECT_EQ(Text(), "aaxxaayybbbb");
    EXPECT_EQ(RunFaces(), (Runs{{0, StyleAt(0).face}, {8, kWEItalic}}));
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, DeletingJoinsRunsAndDropsWholeRuns) {
    struct Case {
        const char* name;
        SInt32 start, end;
        Runs runs;
    };
    // The fixture text is 15 characters: plain 0..5, bold 5..10, plain 10..15.
    const Case cases[] = {
        {"whole middle run", 5, 10, {{0, 0}}},
        {"across both boundaries", 3, 12, {{0, 0}}},
        {"front of the bold run", 5, 7, {{0, 0}, {5, kWEBold}, {8, 0}}},
        {"tail of the text", 12, 15, {{0, 0}, {5, kWEBold}, {10, 0}}},
        {"from the start into the bold run", 0, 7, {{0, kWEBold}, {3, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WEUseText(NewHandle(0), we, false);
        Insert(0, "aaaaabbbbbccccc");
        SetStyle(0, 15, MakeStyle(0));
        SetStyle(5, 10, MakeStyle(kWEBold));
        ASSERT_EQ(_WEDeleteRange(c.start, c.end, we), noErr);
        EXPECT_EQ(RunFaces(), c.runs);
        EXPECT_EQ(Rec().textLength, 15 - (c.end - c.start));
        EXPECT_TRUE(RecordIsConsistent(we));
    }
}

TEST_F(EngineTest, DeletingEverythingKeepsTheFirstStyleForTyping) {
    Insert(0, "abcdef");
    SetStyle(0, 3, MakeStyle(kWEBold));
    SetStyle(3, 6, MakeStyle(kWEItalic));
    ASSERT_EQ(_WEDeleteRange(0, 6, we), noErr);
    EXPECT_EQ(Rec().runCount, 1);
    EXPECT_EQ(RunsOf(Rec())[0].start, 0);
    EXPECT_EQ(RunsOf(Rec())[1].start, 1);
    EXPECT_EQ(Rec().typingStyle.style.face, kWEBold);
    EXPECT_TRUE(Rec().stateBits & kWEStateTypingStyle);
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, StyleRangesSplitAndJoinRuns) {
    struct Step {
        SInt32 start, end;
        UInt8 face;
        Runs runs;
    };
    // Applied one after another to 20 plain characters.
    const Step steps[] = {
        {5, 10, kWEBold, {{0, 0}, {5, kWEBold}, {10, 0}}},
        {10, 15, kWEBold, {{0, 0}, {5, kWEBold}, {15, 0}}}, // joins the run before
        {2, 5, kWEBold, {{0, 0}, {2, kWEBold}, {15, 0}}},   // joins the run after
        {2, 4, 0, {{0, 0}, {4, kWEBold}, {15, 0}}},         // only the front of the run joins the one before
        {6, 8, kWEItalic, {{0, 0}, {4, kWEBold}, {6, kWEItalic}, {8, kWEBold}, {15, 0}}},
        {0, 20, 0, {{0, 0}}},
    };
    Insert(0, std::string(20, 'x'));
    SetStyle(0, 20, MakeStyle(0));
    for (const Step& s : steps) {
        SCOPED_TRACE(::testing::Message() << s.start << ".." << s.end);
        SetStyle(s.start, s.end, MakeStyle(s.face));
        EXPECT_EQ(RunFaces(), s.runs);
        EXPECT_TRUE(RecordIsConsistent(we));
    }
}

TEST_F(EngineTest, TogglingAFaceWorksAgainstTheFaceCommonToTheRange) {
    Insert(0, "abcdef");
    SetStyle(0, 6, MakeStyle(0));
    SetStyle(0, 3, MakeStyle(kWEBold));
    // Not bold throughout: toggling makes it bold everywhere; then bold throughout: toggling clears it.
    SetStyle(0, 6, MakeStyle(kWEBold), weDoFace | weDoToggleFace);
    EXPECT_EQ(RunFaces(), (Runs{{0, kWEBold}}));
    SetStyle(0, 6, MakeStyle(kWEBold), weDoFace | weDoToggleFace);
    EXPECT_EQ(RunFaces(), (Runs{{0, 0}}));
}

TEST_F(EngineTest, UnicodeCopyFollowsEveryEdit) {
    Insert(0, "caf\x8E au lait");
    ASSERT_NE(CreateATSUInfo(nullptr, nullptr, we), nullptr);
    for (int i = 0; i < 40; i++)
        Insert(3 + i, "\xA5");                   // grows the block past its first capacity
    ASSERT_EQ(_WEDeleteRange(2, 40, we), noErr); // shrinks it again
    EXPECT_EQ((*Rec().atsuInfo)->text[2], u'\u2022');
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, UnicodeCopyThatCannotGrowIsDroppedNotLeftBehind) {
    Insert(0, "abc");
    ASSERT_NE(CreateATSUInfo(nullptr, nullptr, we), nullptr);
    // Room for the text to grow in place, while the UTF-16 block must move and cannot.
    SetHandleSize(Rec().text, 4000);
    SetHandleSize(Rec().text, 3);
    std::string more(size_t((*Rec().atsuInfo)->textCapacity), 'y');
    SetErrorMessageRecording(true);
    ClearRecordedErrorMessages();
    SetAllocationFailureCountdown(0);
    OSErr err = _WEInsertText(0, more.data(), SInt32(more.size()), we);
    SetAllocationFailureCountdown(-1);
    SetErrorMessageRecording(false);
    ASSERT_EQ(err, noErr);
    EXPECT_EQ(Text(), more + "abc");
    EXPECT_EQ(Rec().atsuInfo, nullptr);
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(RecordedErrorMessages()[0], "Memory not allocated for unicode in WEInsertText");
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, DeletingTextAfterAnObjectAtTheEndKeepsTheObject) {
    Insert(0, "ab\x01"
              "cd");
    WEObjectReference object = nullptr;
    ASSERT_EQ(_WENewObject(FourCC("PICT"), NewHandle(4), we, &object), noErr);
    WETextStyle withObject;
    withObject.extra = object;
    SetStyle(2, 3, withObject, weDoExtra);
    ASSERT_EQ(_WEDeleteRange(3, 5, we), noErr);
    EXPECT_EQ(StyleAt(2).extra, object);
    EXPECT_EQ(Rec().typingStyle.style.extra, nullptr);
    // Typing after the object must not copy its reference onto the new text.
    Insert(3, "z");
    EXPECT_EQ(StyleAt(3).extra, nullptr);
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, LinesFollowInsertionsAndDeletions) {
    Insert(0, std::string(50, 'a')); // three lines of 20, 20 and 10
    ASSERT_EQ(WECalText(we), noErr);
    ASSERT_EQ(Rec().lineCount, 3);
    Insert(25, "12345");
    EXPECT_EQ(LinesOf(Rec())[1].start, 20);
    EXPECT_EQ(LinesOf(Rec())[2].start, 45);
    ASSERT_EQ(_WEDeleteRange(10, 50, we), noErr); // from the first line into the last
    EXPECT_EQ(Rec().lineCount, 1);
    EXPECT_EQ(LinesOf(Rec())[1].start, 15);
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, FluxHookHearsEveryChange) {
    static std::vector<std::pair<SInt32, SInt32>> heard;
    heard.clear();
    WEFluxProc flux = [](SInt32 offset, SInt32 delta, WEReference) { heard.emplace_back(offset, delta); };
    ASSERT_EQ(WESetInfo(FourCC("flux"), &flux, we), noErr);
    Insert(0, "abcdef");
    ASSERT_EQ(_WEDeleteRange(1, 4, we), noErr);
    EXPECT_EQ(heard, (std::vector<std::pair<SInt32, SInt32>>{{0, 6}, {1, -3}}));
}

// A scripted sequence of random edits against a model that keeps one face per character; after every
// step the text, each character's face and every invariant of the record must agree.
TEST_F(EngineTest, RandomEditsAgreeWithACharacterModel) {
    std::mt19937 random(20261210);
    auto pick = [&](SInt32 low, SInt32 high) {
        return std::uniform_int_distribution<SInt32>(low, high)(random);
    };
    const UInt8 faces[] = {0, kWEBold, kWEItalic, kWEUnderline, kWEBold | kWEItalic};

    ASSERT_NE(CreateATSUInfo(nullptr, nullptr, we), nullptr);
    SetStyle(0, 0, MakeStyle(0));
    std::string text;
    std::vector<UInt8> face;
    UInt8 emptyFace = 0;
    for (int step = 0; step < 3000; step++) {
        SCOPED_TRACE(step);
        int op = pick(0, 9);
        std::string lastOp;
        SInt32 length = SInt32(text.size());
        if (op <= 4) {
            SInt32 offset = pick(0, length);
            std::string piece;
            for (SInt32 n = pick(1, 6); n > 0; n--)
                piece += char(pick(32, 255));
            if (pick(0, 2) == 0) Rec().stateBits &= ~kWEStateTypingStyle;
            UInt8 newFace;
            if (Rec().stateBits & kWEStateTypingStyle)
                newFace = Rec().typingStyle.style.face;
            else
                newFace = length == 0 ? emptyFace : face[size_t(std::max(offset - 1, SInt32(0)))];
            lastOp = "insert " + std::to_string(piece.size()) + " at " + std::to_string(offset);
            Insert(offset, piece);
            text.insert(size_t(offset), piece);
            face.insert(face.begin() + offset, piece.size(), newFace);
        } else if (op <= 6 && length > 0) {
            SInt32 start = pick(0, length - 1), end = pick(start + 1, std::min(length, start + 30));
            lastOp = "delete " + std::to_string(start) + ".." + std::to_string(end);
            ASSERT_EQ(_WEDeleteRange(start, end, we), noErr);
            UInt8 first = face[size_t(start)];
            text.erase(size_t(start), size_t(end - start));
            face.erase(face.begin() + start, face.begin() + end);
            EXPECT_EQ(Rec().typingStyle.style.face, first);
            if (text.empty()) emptyFace = first;
        } else if (length > 0) {
            SInt32 start = pick(0, length - 1), end = pick(start + 1, length);
            UInt8 f = faces[pick(0, 4)];
            bool toggle = op == 9;
            lastOp =
                "face " + std::to_string(f) + " on " + std::to_string(start) + ".." + std::to_string(end);
            SetStyle(start, end, MakeStyle(f),
                     toggle ? weDoFace | weDoToggleFace : weDoFace | weDoReplaceFace);
            UInt8 common = 0xFF;
            for (SInt32 i = start; i < end; i++)
                common &= face[size_t(i)];
            for (SInt32 i = start; i < end; i++) {
                UInt8& c = face[size_t(i)];
                c = f == 0 ? 0 : toggle ? UInt8((c & ~(f & common)) | (f & ~common)) : f;
            }
        }
        ASSERT_EQ(Text(), text);
        ASSERT_TRUE(RecordIsConsistent(we)) << lastOp;
        for (SInt32 i = 0; i < SInt32(face.size()); i++)
            ASSERT_EQ(StyleAt(i).face, face[size_t(i)]) << "at " << i << " after " << lastOp;
    }
}

} // namespace
