// Mouse-tracked rectangles driven by synthetic input, blinking frames and dimming, on port pixels.
#include "shell/rect_tracking.h"

#include "foundation/error_dialog.h"
#include "platform/events.h"
#include "port_fixture.h"
#include "scroll/scroll_windows.h"
#include "shell/shell_globals.h"

#include <string>
#include <vector>

namespace {

std::vector<UInt32> PortPixels(CGrafPtr port, const Rect& bounds) {
    std::vector<UInt32> all;
    for (SInt16 v = bounds.top; v < bounds.bottom; ++v)
        for (SInt16 h = bounds.left; h < bounds.right; ++h)
            all.push_back(GetPortPixel(port, h, v));
    return all;
}

class RectTracking : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        const Rect bounds{100, 100, 300, 400};
        window = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(window, nullptr);
        port = GetWindowPort(window);
        GetPortBounds(port, &local);
        ProcessPendingEvents();
    }
    void TearDown() override {
        geeLockHorizontal = geeLockVertical = false;
        if (myScrollWindow == window) myScrollWindow = nullptr;
        DisposeWindow(window);
        SetErrorMessageRecording(false);
    }
    // A press at `from`, a drag to `to` and a release there, all handled before the tracking starts:
    // the tracking loop then finds the button up with the mouse at `to`.
    void PressDragRelease(Point from, Point to) {
        PostMouseEvent(window, EventKind::MouseDown, from, 0);
        PostMouseEvent(window, EventKind::MouseDragged, to, 0);
        PostMouseEvent(window, EventKind::MouseUp, to, 0);
        ProcessPendingEvents();
    }
    WindowPtr window = nullptr;
    CGrafPtr port = nullptr;
    Rect local{};
};

TEST_F(RectTracking, DraggedRectanglesFollowTheMouseAndLeaveNoTrace) {
    struct Case {
        const char* name;
        bool lockH, lockV;
        Rect limit;
        bool inside;
        Point to;
        bool moved;
        Rect want;
    } cases[] = {
        {"free", false, false, {}, false, {60, 80}, true, {30, 50, 50, 90}},
        {"horizontal locked", true, false, {}, false, {60, 80}, true, {30, 20, 50, 60}},
        {"both locked", true, true, {}, false, {60, 80}, false, {10, 20, 30, 60}},
        {"kept inside", false, false, {0, 0, 100, 100}, true, {160, 190}, true, {80, 60, 100, 100}},
        {"kept touching", false, false, {0, 0, 100, 100}, false, {160, 190}, true, {99, 99, 119, 139}},
        {"back to the start", false, false, {}, false, {40, 50}, false, {10, 20, 30, 60}},
    };
    for (const Case& c : cases) {
        geeLockHorizontal = c.lockH;
        geeLockVertical = c.lockV;
        const auto before = PortPixels(port, local);
        PressDragRelease(Point{40, 50}, c.to);
        Rect r{10, 20, 30, 60};
        EXPECT_EQ(DragRectangle(window, Point{40, 50}, &r, &c.limit, c.inside), c.moved) << c.name;
        EXPECT_TRUE(EqualRect(&r, &c.want))
            << c.name << ": " << r.top << "," << r.left << "," << r.bottom << "," << r.right;
        EXPECT_EQ(PortPixels(port, local), before) << c.name << ": the outline is erased";
    }
}

TEST_F(RectTracking, RubberBandsSpanFromTheStartToTheMouse) {
    struct Case {
        const char* name;
        Rect initial;
        Rect limit;
        bool lockH, lockV;
        Point to;
        bool result;
        Rect want;
    } cases[] = {
        {"free", {}, {}, false, false, {70, 90}, true, {20, 30, 70, 90}},
        {"up and left of the start", {}, {}, false, false, {5, 10}, true, {5, 10, 20, 30}},
        {"clamped to the limit", {}, {0, 0, 50, 60}, false, false, {170, 190}, true, {20, 30, 50, 60}},
        {"vertical locked keeps the extent",
         {10, 10, 40, 40},
         {},
         false,
         true,
         {70, 90},
         true,
         {10, 30, 40, 90}},
        {"locked from a point is empty", {}, {}, true, false, {70, 90}, false, {20, 30, 70, 30}},
    };
    for (const Case& c : cases) {
        const auto before = PortPixels(port, local);
        PressDragRelease(Point{20, 30}, c.to);
        Rect r = c.initial;
        EXPECT_EQ(NewRubberRect(window, kRubberInWindow, Point{20, 30}, &r, &c.limit, c.lockH, c.lockV),
                  c.result)
            << c.name;
        EXPECT_TRUE(EqualRect(&r, &c.want))
            << c.name << ": " << r.top << "," << r.left << "," << r.bottom << "," << r.right;
        EXPECT_EQ(PortPixels(port, local), before) << c.name << ": the band is erased";
    }
    Rect r{};
    const Rect none{};
    EXPECT_FALSE(NewRubberRect(window, 7, Point{0, 0}, &r, &none, false, false));
    EXPECT_EQ(RecordedErrorMessages(), std::vector<std::string>{"What is this in NewRubberRect?"});
}

TEST_F(RectTracking, BlinkingTwiceRestoresThePrompter) {
    myScrollWindow = window;
    const auto before = PortPixels(port, local);
    const Rect first{20, 20, 80, 120}, second{100, 150, 150, 250};
    BlinkRects(&first, &second, 6);
    EXPECT_NE(PortPixels(port, local), before);
    EXPECT_EQ(GetPortPixel(port, 20, 20) & 0xFFFFFF, 0u) << "the frame's corner";
    EXPECT_EQ(GetPortPixel(port, 26, 26) & 0xFFFFFF, 0u) << "the corner mark";
    EXPECT_EQ(GetPortPixel(port, 150, 100) & 0xFFFFFF, 0u) << "the second frame";
    BlinkRects(&first, &second, 6);
    EXPECT_EQ(PortPixels(port, local), before);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

class Dimming : public PortTest {};

TEST_F(Dimming, TheAreaGoesHalfWayToWhite) {
    Clear();
    const Rect blackArea{10, 10, 60, 60};
    PaintRect(&blackArea);
    const Rect dimmed{20, 20, 40, 80};
    DimRect(world, &dimmed);
    const UInt32 grey = Pixel(25, 25);
    EXPECT_EQ(grey >> 16, grey & 0xFF) << "a grey";
    EXPECT_NEAR(double(grey & 0xFF), 128.0, 1.0);
    EXPECT_EQ(Pixel(70, 25), 0xFFFFFFu) << "white stays white";
    EXPECT_EQ(Pixel(15, 15), 0u) << "outside the area";
    EXPECT_EQ(Pixel(45, 45), 0u) << "outside the area";
    CGrafPtr current;
    GDHandle device;
    GetGWorld(&current, &device);
    EXPECT_EQ(current, world) << "the port is restored";
}

} // namespace
