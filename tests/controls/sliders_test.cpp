// Main and media sliders: where a point puts the knob (ends and beyond included) and where the knob is
// drawn for a position, drags far outside the window, track clicks, and the arrows' auto-repeat limits.
#include "controls/control_values.h"
#include "controls/window_callbacks.h"
#include "custom_controls_fixture.h"
#include "ebook/ebook_windows.h"
#include "tool_window_items.h"

namespace {

constexpr Rect kSlider{40, 20, 56, 140}; // travel 0 .. 100
constexpr Rect kMedia{80, 20, 96, 136};  // knob 16 wide, travel 0 .. 100

class Sliders : public CustomControlsFixture {};

TEST_F(Sliders, PointsMapToPositionsWithinTheTravel) {
    struct Case {
        const char* name;
        SInt16 h;
        SInt32 track, media;
    } cases[] = {
        {"far left of the window", -3000, 0, 0},
        {"on the left arrow", 22, 0, 0},
        {"first track pixel that moves", 31, 1, 3},
        {"middle", 80, 50, 52},
        {"right end", 130, 100, 100},
        {"past the right end", 139, 100, 100},
        {"far right of the window", 32000, 100, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainSliderPositionAt(&kSlider, Point{48, c.h}), c.track) << c.name;
        EXPECT_EQ(MediaSliderPositionAt(&kMedia, Point{88, c.h}), c.media) << c.name;
    }
    const struct {
        SInt32 start;
        SInt16 movement;
        SInt32 want;
    } drags[] = {{50, 0, 50}, {50, 30, 80}, {50, 32767, 100}, {50, -32768, 0}, {0, -1, 0}, {100, 1, 100}};
    for (const auto& d : drags) {
        EXPECT_EQ(MainSliderDragPosition(&kSlider, d.start, d.movement), d.want)
            << d.start << "+" << d.movement;
        EXPECT_EQ(MediaSliderDragPosition(&kMedia, d.start, d.movement), d.want)
            << d.start << "+" << d.movement;
    }
}

TEST_F(Sliders, TheKnobIsDrawnUnderThePointThatChoseIt) {
    for (SInt16 h : {SInt16(35), SInt16(47), SInt16(80), SInt16(125)}) {
        EraseRect(&kSlider);
        const SInt32 position = MainSliderPositionAt(&kSlider, Point{48, h});
        DrawMainSlider(window, &kSlider, position);
        // The rule runs black through the knob's row except where the knob covers it.
        EXPECT_NE(Pixel(h, kSlider.top + 7), 0xFF000000u) << h;
        EXPECT_EQ(Pixel(h + 4, kSlider.top + 7), 0xFF000000u) << h;
        EXPECT_EQ(Pixel(h - 4, kSlider.top + 7), 0xFF000000u) << h;
    }
}

TEST_F(Sliders, DraggingTheKnobStopsAtTheEndsAndReportsEachPosition) {
    const SInt32 code = (SInt32(GetWindowIDFromWindow(window)) << 16) | 5;
    struct Case {
        const char* name;
        SInt16 to;
        SInt32 want;
    } cases[] = {{"far right", 30000, 100}, {"far left", -30000, 0}, {"a little", 90, 60}};
    for (const Case& c : cases) {
        gControlActions.clear();
        SInt32 position = 50;
        Drag(Point{48, 80}, Point{200, c.to});
        bool arrow = true;
        EXPECT_EQ(TrackMainSlider(window, 5, &kSlider, &position, &arrow), 1) << c.name;
        EXPECT_EQ(position, c.want) << c.name;
        EXPECT_FALSE(arrow) << c.name;
        ASSERT_EQ(gControlActions.size(), 1u) << c.name;
        EXPECT_EQ(gControlActions[0].code, code) << c.name;
        EXPECT_EQ(gControlActions[0].position, c.want) << c.name;
        EXPECT_EQ(gControlActions[0].phase, 0) << c.name;
    }
}

// A tool window's slider hands on the value its position stands for in that window's own item.
TEST_F(Sliders, TheProcedureMapsAPositionThroughTheWindowsSlider) {
    Close();
    Build(&myFormatPalWindow, 14, ToolWindowLists());
    gFormatPalDialog = dialog;
    SetMyControlKind(reference, dialog, kSpeedLabel, kMySlider, 0x10);
    const SInt32 value = 0, maximum = 340, minimum = 0; // 2 a pixel over the 170 positions
    SetMyControlValues(reference, dialog, ControlFromItemNum(dialog, kSpeedLabel), &value, &maximum,
                       &minimum);
    const SInt32 code = (SInt32(GetWindowIDFromWindow(window)) << 16) | kSpeedLabel;
    const struct {
        SInt32 position;
        SInt16 step;
        double value;
    } cases[] = {{0, 0, 0.0}, {10, 0, 20.0}, {85, 0, 170.0}, {85, 1, 1.0}, {85, -1, -1.0}};
    for (const auto& c : cases) {
        gControlActions.clear();
        SInt32 position = c.position;
        EXPECT_EQ(MySliderProcedure(code, &position, c.step), 0);
        ASSERT_EQ(gControlActions.size(), 1u);
        EXPECT_DOUBLE_EQ(gControlActions[0].value, c.value) << c.position << " step " << c.step;
    }
    gFormatPalDialog = nullptr;
}

TEST_F(Sliders, AClickOnTheTrackMovesTheKnobWithoutTheProcedure) {
    SInt32 position = 10;
    PressDragRelease(Point{48, 100}, Point{48, 100});
    EXPECT_EQ(TrackMainSlider(window, 5, &kSlider, &position), 1);
    EXPECT_EQ(position, 70);
    EXPECT_TRUE(gControlActions.empty());

    position = 10;
    PressDragRelease(Point{88, 100}, Point{88, 100});
    EXPECT_EQ(TrackMovieSlider(window, 5, &kMedia, &position), 1);
    EXPECT_EQ(position, 72);
    EXPECT_TRUE(gControlActions.empty());
    PressDragRelease(Point{88, 100}, Point{88, 100});
    EXPECT_EQ(TrackMovieSlider(window, 5, &kMedia, &position), 0) << "no change";
}

TEST_F(Sliders, DraggingAMediaKnobFollowsTheMouseWithinItsTravel) {
    SInt32 position = 40;
    Drag(Point{88, 20 + 40 + 8}, Point{88, -5000});
    EXPECT_EQ(TrackVolumeSlider(window, 5, &kMedia, &position), 1);
    EXPECT_EQ(position, 0);
    ASSERT_EQ(gControlActions.size(), 1u);
    EXPECT_EQ(gControlActions[0].position, 0);
}

TEST_F(Sliders, HoldingAnArrowStepsAfterAPauseAndStopsAtItsLimit) {
    struct Case {
        const char* name;
        Point arrow;
        SInt32 start;
        UInt32 hold;
        SInt32 want;
        SInt16 step;
    } cases[] = {
        {"right arrow, a quick click steps once", {48, 317}, 20, 1, 21, 1},
        {"right arrow held stops at 100", {48, 317}, 95, 200, 100, 1},
        {"left arrow, a quick click does not move", {48, 22}, 20, 1, 20, -1},
        {"left arrow held stops at 0", {48, 22}, 5, 200, 0, -1},
        {"left arrow held for the pause and one more repeat", {48, 22}, 50, 48, 48, -1},
    };
    constexpr Rect kWide{40, 20, 56, 320}; // travel 0 .. 280, more than the right arrow may reach
    for (const Case& c : cases) {
        gControlActions.clear();
        SInt32 position = c.start;
        Press(c.arrow);
        At(c.hold, c.arrow, true);
        bool arrow = false;
        EXPECT_EQ(TrackMainSlider(window, 5, &kWide, &position, &arrow), 1) << c.name;
        EXPECT_TRUE(arrow) << c.name;
        EXPECT_EQ(position, c.want) << c.name;
        ASSERT_FALSE(gControlActions.empty()) << c.name;
        for (const ControlAction& a : gControlActions)
            EXPECT_EQ(a.phase, c.step) << c.name;
    }
}

} // namespace
