// Dropping on a text: a drag of its own selection moves it (or copies it with option) as one undoable
// step, another view's text keeps its styles, and another program's plain text, UTF-8 and RTF go in as
// Mac Roman, while data the text cannot take is refused without a change.
#include "engine_fixture.h"

#include "platform/drag.h"
#include "platform/events.h"

namespace {

class DropTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        WEFeatureFlag(weFUndo, 1, we);
    }
    void TearDown() override {
        if (drag) DisposeDrag(drag);
        EngineTest::TearDown();
    }
    // A point inside the character at an offset, or past the end of its line.
    Point PointOf(SInt32 offset, WEReference text) {
        const WERec& r = RecordOf(text);
        const WELineRec& line = LinesOf(r)[WEOffsetToLine(offset, text)];
        return Point{SInt16(line.origin + 2), SInt16((offset - line.start) * kTestAdvance + 3)};
    }
    // Drops the drag at an offset of a text, with the modifiers held at its start and at the drop.
    OSErr DropAt(SInt32 offset, WEReference text, UInt16 modifiers = 0) {
        SetDragMouse(drag, PointOf(offset, text), modifiers);
        return WEReceiveDrag(drag, text);
    }
    // Starts a drag of the text's own selection, as a press inside it does.
    void DragSelection(SInt32 start, SInt32 end) {
        WESetSelection(start, end, 0, we);
        drag = NewDrag();
        ASSERT_EQ(WEMakeSelectionDrag(drag, we), noErr);
        Rec().dragReference = drag;
    }
    void DragMime(const std::vector<MimeFormat>& formats) { drag = NewDragFromMimeData(formats); }
    std::pair<SInt32, SInt32> Selection() {
        SInt32 start, end;
        WEGetSelection(&start, &end, 0, we);
        return {start, end};
    }

    DragRef drag = nullptr;
};

TEST_F(DropTest, TheOwnSelectionMovesOrCopiesAndUndoesInOneStep) {
    struct Case {
        const char* name;
        SInt32 start, end, drop;
        UInt16 modifiers;
        OSErr result;
        const char* text;
        std::pair<SInt32, SInt32> selection;
    } cases[] = {
        {"moved to the end", 4, 8, 13, 0, noErr, "one threetwo ", {9, 13}},
        {"moved to the start", 8, 13, 0, 0, noErr, "threeone two ", {0, 5}},
        {"copied with option", 0, 3, 13, optionKey, noErr, "one two threeone", {13, 16}},
        {"dropped inside itself", 4, 8, 6, 0, weDropRefusedErr, "one two three", {4, 8}},
        {"dropped at its own end", 4, 8, 8, 0, weDropRefusedErr, "one two three", {4, 8}},
    };
    for (const Case& c : cases) {
        Insert(0, "one two three");
        DragSelection(c.start, c.end);
        EXPECT_EQ(DropAt(c.drop, we, c.modifiers), c.result) << c.name;
        EXPECT_EQ(Text(), c.text) << c.name;
        EXPECT_EQ(Selection(), c.selection) << c.name;
        EXPECT_TRUE(RecordIsConsistent(we)) << c.name;
        if (c.result == noErr) {
            Boolean redo = true;
            EXPECT_EQ(WEGetUndoInfo(&redo, we), 6) << c.name;
            ASSERT_EQ(WEUndo(we), noErr) << c.name;
            EXPECT_EQ(Text(), "one two three") << c.name;
            ASSERT_EQ(WEUndo(we), noErr) << c.name;
            EXPECT_EQ(Text(), c.text) << c.name << " (redone)";
        }
        Rec().dragReference = nullptr;
        DisposeDrag(drag);
        drag = nullptr;
        WEClearUndo(we);
        _WEDeleteRange(0, Rec().textLength, we);
    }
}

TEST_F(DropTest, TextFromAnotherViewKeepsItsStyles) {
    Insert(0, "plain bold");
    SetStyle(6, 10, MakeStyle(kWEBold));
    WEReference other = nullptr;
    LongRect dest{0, 0, 1000, 200}, view{0, 0, 100, 200};
    ASSERT_EQ(WENew(&dest, &view, 0, &other), noErr);
    auto hook = &FixedAdvancePixelToChar;
    ASSERT_EQ(WESetInfo(FourCC("p2c "), &hook, other), noErr);
    ASSERT_EQ(_WEInsertText(0, "xy", 2, other), noErr);
    // The drag goes out as mime data and comes back in the other view as a drop reads it: whole, or as
    // another program would see it, in RTF alone.
    WESetSelection(4, 10, 0, we);
    DragRef outgoing = NewDrag();
    ASSERT_EQ(WEMakeSelectionDrag(outgoing, we), noErr);
    const std::vector<MimeFormat> mime = MimeDataOfDrag(outgoing);
    DisposeDrag(outgoing);
    std::vector<MimeFormat> rtfOnly;
    for (const MimeFormat& f : mime)
        if (f.type == "text/rtf") rtfOnly.push_back(f);
    ASSERT_EQ(rtfOnly.size(), 1u);
    for (const auto& formats : {mime, rtfOnly}) {
        drag = NewDragFromMimeData(formats);
        EXPECT_EQ(DropAt(1, other), noErr);
        EXPECT_EQ(std::string(*RecordOf(other).text, size_t(RecordOf(other).textLength)), "xn boldy");
        WERunInfo info;
        WEGetRunInfo(2, &info, other);
        EXPECT_EQ(info.style.style.face, 0);
        WEGetRunInfo(4, &info, other);
        EXPECT_EQ(info.style.style.face, kWEBold);
        EXPECT_TRUE(RecordIsConsistent(other));
        DisposeDrag(drag);
        drag = nullptr;
        _WEDeleteRange(1, 7, other);
    }
    EXPECT_EQ(Text(), "plain bold") << "a drop elsewhere leaves the source alone";
    WEDispose(other);
}

TEST_F(DropTest, AnotherProgramsTextGoesInAsMacRoman) {
    struct Case {
        const char* name;
        std::vector<MimeFormat> formats;
        OSErr result;
        const char* text;
        UInt8 faceOfFirst;
    } cases[] = {
        {"plain text in UTF-8", {{"text/plain", "caf\xC3\xA9 au lait"}}, noErr, "[caf\x8E au lait]", 0},
        {"RTF beside its plain text",
         {{"text/plain", "Bold plain"}, {"text/rtf", "{\\rtf1\\ansi {\\b Bold} plain}"}},
         noErr,
         "[Bold plain]",
         kWEBold},
        {"a picture only", {{"image/png", "\x89PNG"}}, weBadDragFlavorErr, "[]", 0},
        // Lines end with one return whatever ended them in the dropped text.
        {"lines of plain text",
         {{"text/plain", "a\r\nb\nc\xE2\x80\xA8"
                         "d"}},
         noErr,
         "[a\rb\rc\rd]",
         0},
    };
    for (const Case& c : cases) {
        Insert(0, "[]");
        DragMime(c.formats);
        EXPECT_EQ(DropAt(1, we), c.result) << c.name;
        EXPECT_EQ(Text(), c.text) << c.name;
        WERunInfo info;
        WEGetRunInfo(1, &info, we);
        EXPECT_EQ(info.style.style.face, c.faceOfFirst) << c.name;
        EXPECT_TRUE(RecordIsConsistent(we)) << c.name;
        DisposeDrag(drag);
        drag = nullptr;
        _WEDeleteRange(0, Rec().textLength, we);
    }
}

TEST_F(DropTest, AReadOnlyTextOrAPointOutsideTheViewTakesNothing) {
    Insert(0, "text");
    DragMime({{"text/plain", "more"}});
    SetDragMouse(drag, Point{500, 10}, 0);
    EXPECT_EQ(WEReceiveDrag(drag, we), weDropRefusedErr);
    WEFeatureFlag(weFReadOnly, 1, we);
    EXPECT_FALSE(WECanAcceptDrag(drag, we));
    EXPECT_EQ(DropAt(2, we), weBadDragFlavorErr);
    EXPECT_EQ(Text(), "text");
}

} // namespace
