// Clicking in a text with synthetic mouse input: series of clicks select a caret, a word and a line,
// dragging after them extends by whole words or lines, shift extends from the anchor, and the list and
// block modes build several ranges.
#include "engine_fixture.h"

#include "platform/events.h"
#include "platform/windows.h"

namespace {

// The mouse moves the tracking loop makes, one each time it calls the click loop.
std::vector<std::pair<EventKind, Point>> gMoves;
WindowPtr gWindow = nullptr;
UInt16 gModifiers = 0;

Boolean MoveTheMouse(WEReference) {
    if (gMoves.empty()) return true;
    PostMouseEvent(gWindow, gMoves.front().first, gMoves.front().second, gModifiers);
    gMoves.erase(gMoves.begin());
    ProcessPendingEvents();
    return true;
}

class ClickTest : public EngineTest {
  protected:
    void SetUp() override {
        const Rect bounds{100, 100, 400, 400};
        window = NewWindowOfClass(kDocumentWindowClass, &bounds, nullptr, 0);
        ASSERT_NE(window, nullptr);
        ShowWindow(window);
        GetPort(&savedPort);
        SetPort(GetWindowPort(window));
        EngineTest::SetUp();
        ASSERT_EQ(Rec().port, GetWindowPort(window));
        auto hook = &MoveTheMouse;
        ASSERT_EQ(WESetInfo(FourCC("clik"), &hook, we), noErr);
    }
    void TearDown() override {
        EngineTest::TearDown();
        gSelectMultipleMode = 0;
        gSelectBlockMode = 0;
        SetPort(savedPort);
        DisposeWindow(window);
    }

    void SetText(const std::string& text) {
        Insert(0, text);
        ASSERT_EQ(WECalText(we), noErr);
    }
    // A point inside the character at an offset (every character is kTestAdvance wide).
    Point PointOf(SInt32 offset) {
        const WELineRec& line = LinesOf(Rec())[WEOffsetToLine(offset, we)];
        return Point{SInt16(line.origin + 2), SInt16((offset - line.start) * kTestAdvance + 3)};
    }
    // Presses at `from`, and while the text tracks the press drags to `to` and releases there.
    Boolean ClickAt(Point from, Point to, UInt32 time, UInt16 modifiers = 0) {
        PostMouseEvent(window, EventKind::MouseDown, from, modifiers);
        ProcessPendingEvents();
        gMoves = {{EventKind::MouseDragged, to}, {EventKind::MouseUp, to}};
        gWindow = window;
        gModifiers = modifiers;
        return WEClick(from, modifiers, time, we);
    }
    Boolean Click(SInt32 offset, UInt32 time, SInt32 dragTo = -1, UInt16 modifiers = 0) {
        return ClickAt(PointOf(offset), PointOf(dragTo >= 0 ? dragTo : offset), time, modifiers);
    }
    std::vector<std::pair<SInt32, SInt32>> Ranges() {
        std::vector<std::pair<SInt32, SInt32>> out;
        for (SInt32 i = 0; i < std::max(Rec().selCount, SInt32(1)); i++) {
            SInt32 start, end;
            WEGetSelection(&start, &end, i, we);
            out.emplace_back(start, end);
        }
        return out;
    }

    WindowPtr window = nullptr;
    GrafPtr savedPort = nullptr;
};

// Lines: 0..17 "alpha beta gamma\r", 17..36 "delta epsilon zeta\r", 36..40 "last".
const char* const kThreeLines = "alpha beta gamma\rdelta epsilon zeta\rlast";

TEST_F(ClickTest, ClickSeriesSelectTheCaretTheWordAndTheLine) {
    SetText(kThreeLines);
    const UInt32 later = 1000 + GetDblTime() + 5;
    struct Step {
        const char* name;
        SInt32 offset;
        UInt32 time;
        bool series;
        SInt32 start, end;
        int count;
    } steps[] = {
        {"single click", 7, 1000, false, 7, 7, 0},
        {"double click", 7, 1001, true, 6, 10, 1},
        {"triple click", 7, 1002, true, 0, 17, 2},
        {"fourth click", 7, 1003, true, 0, 17, 3},
        {"after the double-click time", 7, later, false, 7, 7, 0},
        {"quickly, at another character", 24, later + 1, false, 24, 24, 0},
        {"double click on the next line", 24, later + 2, true, 23, 30, 1},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(Click(s.offset, s.time), s.series) << s.name;
        EXPECT_EQ(Ranges(), (std::vector<std::pair<SInt32, SInt32>>{{s.start, s.end}})) << s.name;
        EXPECT_EQ(WEGetClickCount(we), s.count) << s.name;
    }
    EXPECT_TRUE(RecordIsConsistent(we));
    EXPECT_FALSE(Rec().stateBits & kWEStateTracking);
}

TEST_F(ClickTest, DraggingExtendsByTheUnitOfTheSeries) {
    SetText(kThreeLines);
    struct Case {
        const char* name;
        int clicks;
        SInt32 at, dragTo;
        SInt32 start, end;
        bool anchorIsEnd;
    } cases[] = {
        {"characters", 1, 2, 8, 2, 8, false},       {"characters backwards", 1, 8, 2, 2, 8, true},
        {"words forwards", 2, 7, 26, 6, 30, false}, {"words backwards", 2, 13, 2, 0, 16, true},
        {"lines forwards", 3, 7, 38, 0, 40, false}, {"lines backwards", 3, 38, 20, 17, 40, true},
    };
    UInt32 time = 5000;
    for (const Case& c : cases) {
        time += 1000;
        for (int i = 1; i < c.clicks; i++)
            Click(c.at, time + UInt32(i));
        Click(c.at, time + UInt32(c.clicks), c.dragTo);
        EXPECT_EQ(Ranges(), (std::vector<std::pair<SInt32, SInt32>>{{c.start, c.end}})) << c.name;
        EXPECT_EQ(bool(Rec().stateBits & kWEStateAnchorIsEnd), c.anchorIsEnd) << c.name;
        EXPECT_EQ(WEGetClickCount(we), c.clicks - 1) << c.name;
    }
}

TEST_F(ClickTest, ShiftClickExtendsFromTheAnchor) {
    SetText(kThreeLines);
    struct Case {
        const char* name;
        SInt32 anchor, active, click;
        SInt32 start, end;
    } cases[] = {
        {"made forwards, click after", 10, 20, 30, 10, 30},
        {"made forwards, click before", 10, 20, 3, 3, 10},
        {"made backwards, click before", 20, 10, 3, 3, 20},
        {"made backwards, click after", 20, 10, 30, 20, 30},
    };
    UInt32 time = 1000;
    for (const Case& c : cases) {
        WESetSelection(c.anchor, c.active, 0, we);
        Click(c.click, time += 1000, -1, shiftKey);
        EXPECT_EQ(Ranges(), (std::vector<std::pair<SInt32, SInt32>>{{c.start, c.end}})) << c.name;
    }
}

TEST_F(ClickTest, ModifierDragsEditTheRangeListInMultipleMode) {
    SetText(kThreeLines);
    gSelectMultipleMode = 1;
    WESetSelection(0, 5, 0, we);
    using List = std::vector<std::pair<SInt32, SInt32>>;
    struct Step {
        const char* name;
        UInt16 modifiers;
        SInt32 from, to;
        List want;
    } steps[] = {
        {"command toggles a range on", cmdKey, 11, 16, {{0, 5}, {11, 16}}},
        {"shift adds one", shiftKey, 23, 30, {{0, 5}, {11, 16}, {23, 30}}},
        {"shift and command remove one", UInt16(shiftKey | cmdKey), 11, 16, {{0, 5}, {23, 30}}},
        {"command toggles over a range and beyond", cmdKey, 3, 8, {{0, 3}, {5, 8}, {23, 30}}},
    };
    UInt32 time = 1000;
    for (const Step& s : steps) {
        Click(s.from, time += 1000, s.to, s.modifiers);
        EXPECT_EQ(Ranges(), s.want) << s.name;
        EXPECT_TRUE(RecordIsConsistent(we)) << s.name;
    }
    // Without the mode, command and shift only extend the selection.
    gSelectMultipleMode = 0;
    WESetSelection(6, 10, 0, we);
    Click(20, time += 1000, -1, cmdKey);
    EXPECT_EQ(Ranges(), (List{{6, 20}}));
}

TEST_F(ClickTest, ABlockDragSelectsOneRangePerLine) {
    SetText("0123456789\r0123456789\r0123456789\r0123456789\r0123456789");
    gSelectBlockMode = 1;
    using List = std::vector<std::pair<SInt32, SInt32>>;
    // From column 2 of the first line to column 6 of the fourth, and the same drawn the other way.
    const Point topLeft = PointOf(2), bottomRight = PointOf(39);
    Click(2, 1000, 39);
    EXPECT_EQ(Ranges(), (List{{2, 6}, {13, 17}, {24, 28}, {35, 39}}));
    ClickAt(bottomRight, topLeft, 3000);
    EXPECT_EQ(Ranges(), (List{{2, 6}, {13, 17}, {24, 28}, {35, 39}}));
    EXPECT_TRUE(RecordIsConsistent(we));
    // A release before the rectangle opens leaves a caret at the start.
    Click(25, 5000);
    EXPECT_EQ(Ranges(), (List{{0, 0}}));
    // With a modifier list mode the ranges that were there stay.
    gSelectMultipleMode = 1;
    WESetSelection(44, 50, 0, we);
    Click(2, 7000, 17, shiftKey);
    EXPECT_EQ(Ranges(), (List{{2, 6}, {13, 17}, {44, 50}}));
}

} // namespace
