// The rubber band's shape from the press to the mouse under each lock, and its exclusive-or feedback on
// port pixels: a step that does not move draws nothing, and the last step leaves the port as it was.
#include "scroll/rubber_band.h"

#include "foundation/error_dialog.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Show(const Rect& r) {
    return std::to_string(r.top) + "," + std::to_string(r.left) + "," + std::to_string(r.bottom) + "," +
           std::to_string(r.right);
}

TEST(RubberShape, EachLockShapesTheBandAsTheOperatorExpects) {
    const Point o{100, 100};
    const Rect last{90, 80, 120, 140};
    struct Case {
        const char* name;
        Point mouse;
        SInt16 shape;
        bool lockH, lockV, square;
        Rect want;
    } cases[] = {
        {"free, down and right", {150, 130}, kRubberRectangle, false, false, false, {100, 100, 150, 130}},
        {"free, up and left", {40, 70}, kRubberRectangle, false, false, false, {40, 70, 100, 100}},
        {"no movement", {100, 100}, kRubberRectangle, false, false, false, {100, 100, 100, 100}},
        {"square: 30 across, 50 down",
         {150, 130},
         kRubberRectangle,
         false,
         false,
         true,
         {100, 100, 130, 130}},
        {"square: 30 across, 50 up", {50, 70}, kRubberRectangle, false, false, true, {70, 70, 100, 100}},
        {"square: 50 across, 30 down", {130, 150}, kRubberOval, false, false, true, {100, 100, 130, 130}},
        {"square: 50 left, 30 down", {130, 50}, kRubberOval, false, false, true, {100, 70, 130, 100}},
        {"square: equal sides stay", {140, 140}, kRubberRectangle, false, false, true, {100, 100, 140, 140}},
        {"line: 30 across, 50 down is vertical",
         {150, 130},
         kRubberLine,
         false,
         false,
         true,
         {100, 100, 150, 100}},
        {"line: 50 across, 30 up is horizontal",
         {70, 150},
         kRubberLine,
         false,
         false,
         true,
         {100, 100, 100, 150}},
        {"line unlocked is not ordered", {70, 40}, kRubberLine, false, false, false, {100, 100, 70, 40}},
        {"horizontal lock: height only",
         {150, 130},
         kRubberRectangle,
         true,
         false,
         false,
         {100, 80, 150, 140}},
        {"vertical lock: width only", {150, 130}, kRubberRectangle, false, true, false, {90, 100, 120, 130}},
        {"line under horizontal lock keeps its ends",
         {150, 130},
         kRubberLine,
         true,
         false,
         false,
         {100, 80, 150, 140}},
    };
    for (const Case& c : cases) {
        const Rect r = RubberShapeFor(o, c.mouse, c.shape, last, c.lockH, c.lockV, c.square);
        EXPECT_TRUE(EqualRect(&r, &c.want)) << c.name << ": " << Show(r);
    }
}

class RubberBand : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        const Rect bounds{100, 100, 300, 400};
        window = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(window, nullptr);
        port = GetWindowPort(window);
        GetPortBounds(port, &local);
        SetPort(port);
        const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
        RGBForeColor(&white);
        PaintRect(&local);
        geeMouseDownPosition = Point{20, 30};
    }
    void TearDown() override {
        HeyImDraggingARect = false;
        geeLockSquare = geeLockHorizontal = geeLockVertical = false;
        DisposeWindow(window);
        SetErrorMessageRecording(false);
    }
    std::vector<UInt32> Pixels() const {
        std::vector<UInt32> all;
        for (SInt16 v = local.top; v < local.bottom; ++v)
            for (SInt16 h = local.left; h < local.right; ++h)
                all.push_back(GetPortPixel(port, h, v));
        return all;
    }
    // An event whose mouse is at the window point.
    EventRecord At(Point local) const {
        GrafPtr saved;
        GetPort(&saved);
        SetPort(port);
        LocalToGlobal(&local);
        SetPort(saved);
        EventRecord e{};
        e.what = mouseUp;
        e.where = local;
        return e;
    }
    WindowPtr window = nullptr;
    CGrafPtr port = nullptr;
    Rect local{};
};

TEST_F(RubberBand, AStillMouseDrawsNothingMoreAndTheLastStepTakesTheBandAway) {
    const auto clean = Pixels();
    HeyImDraggingARect = true;
    for (const SInt16 shape : {kRubberRectangle, kRubberOval, kRubberLine}) {
        SCOPED_TRACE(shape);
        EventRecord e = At(Point{20, 30});
        RubberRect(true, &e, window, kRubberPortWindow, shape);
        e = At(Point{70, 90});
        RubberRect(false, &e, window, kRubberPortWindow, shape);
        const auto shown = Pixels();
        EXPECT_NE(shown, clean) << "the band is drawn";
        RubberRect(false, &e, window, kRubberPortWindow, shape);
        EXPECT_EQ(Pixels(), shown) << "the same point again changes nothing";
        EXPECT_EQ(gRubberRightToLeft, 0);
        e = At(Point{10, 5});
        RubberRect(false, &e, window, kRubberPortWindow, shape);
        EXPECT_EQ(gRubberRightToLeft, 1);
        EXPECT_EQ(gRubberBottomToTop, 1);
        HeyImDraggingARect = false;
        RubberRect(false, &e, window, kRubberPortWindow, shape);
        EXPECT_EQ(Pixels(), clean) << "the release leaves no trace";
        // A line runs from the press to the mouse; the other shapes are ordered.
        const Rect want = shape == kRubberLine ? Rect{20, 30, 10, 5} : Rect{10, 5, 20, 30};
        EXPECT_TRUE(EqualRect(&gRubberlastrect, &want)) << Show(gRubberlastrect);
        HeyImDraggingARect = true;
    }
}

TEST_F(RubberBand, AnUnknownPortKindIsReportedAndDrawsNothing) {
    const auto clean = Pixels();
    HeyImDraggingARect = true;
    const EventRecord e = At(Point{70, 90});
    RubberRect(true, &e, window, 3, kRubberRectangle);
    EXPECT_EQ(RecordedErrorMessages(), std::vector<std::string>{"What is this in RubberRect?"});
    EXPECT_EQ(Pixels(), clean);
}

} // namespace
