// The dial's values from points and points from values, with drags far outside and single clicks in
// each zone; the knife switch's blade, its snap at release and what it answers.
#include "custom_controls_fixture.h"

#include <cmath>

namespace {

constexpr Rect kDial{20, 20, 120, 120}; // centre (70, 70), outer radius 50, inner 47, pointer 41
constexpr Fixed kOne = 65536;

double Units(Fixed f) {
    return f / 65536.0;
}

class Dial : public CustomControlsFixture {};

TEST_F(Dial, ValuesAndTipPointsMapBothWays) {
    const struct {
        double h, v;
    } values[] = {{0, 0}, {100, 0}, {-100, 0}, {0, 100}, {0, -100}, {50, -25}, {-73, 61}, {100, 100}};
    for (const auto& value : values) {
        const Point tip = RadialTipPoint(&kDial, Fixed(value.h * kOne), Fixed(value.v * kOne));
        Fixed h = value.h < 0 ? -kOne : kOne, v = value.v < 0 ? -kOne : kOne;
        RadialTipDragValue(&kDial, tip, &h, &v);
        // One pixel is 100 / 41 of a unit: the round trip lands within that.
        EXPECT_NEAR(Units(h), value.h, 1.3) << value.h << "," << value.v;
        EXPECT_NEAR(Units(v), value.v, 1.3) << value.h << "," << value.v;
    }
    EXPECT_EQ(RadialTipPoint(&kDial, 0, 0), (Point{70, 70}));
    EXPECT_EQ(RadialTipPoint(&kDial, 100 * kOne, 0), (Point{70, 111}));
}

TEST_F(Dial, DraggingTheTipKeepsEachComponentOnItsSideAndWithinRange) {
    struct Case {
        const char* name;
        double h, v; // before
        Point to;
        double wantH, wantV;
    } cases[] = {
        {"far beyond the bottom right", 10, 10, {30000, 30000}, 100, 100},
        {"far beyond the top left from negatives", -10, -10, {-30000, -30000}, -100, -100},
        {"positive cannot cross zero", 10, 10, {-30000, -30000}, 0, 0},
        {"negative cannot cross zero", -10, -10, {30000, 30000}, 0, 0},
        {"zero may go either way", 0, 0, {-30000, 30000}, 100, -100},
        {"onto the centre", 40, -40, {70, 70}, 0, 0},
    };
    for (const Case& c : cases) {
        Fixed h = Fixed(c.h * kOne), v = Fixed(c.v * kOne);
        RadialTipDragValue(&kDial, c.to, &h, &v);
        EXPECT_DOUBLE_EQ(Units(h), c.wantH) << c.name;
        EXPECT_DOUBLE_EQ(Units(v), c.wantV) << c.name;
    }
}

TEST_F(Dial, TheRimTurnsThePointerAndKeepsItsLength) {
    Fixed h = 30 * kOne, v = 40 * kOne;                   // length 50
    RadialRimDragValue(&kDial, Point{70, -5000}, &h, &v); // straight left, far away
    EXPECT_NEAR(Units(h), -50, 0.01);
    EXPECT_NEAR(Units(v), 0, 0.01);
    h = 100 * kOne, v = 100 * kOne; // longer than the range allows along an axis
    RadialRimDragValue(&kDial, Point{5000, 70}, &h, &v);
    EXPECT_NEAR(Units(h), 0, 0.01);
    EXPECT_DOUBLE_EQ(Units(v), 100);
}

TEST_F(Dial, ASingleClickActsByZone) {
    struct Case {
        const char* name;
        Point at;
        bool changes;
        double wantH, wantV;
    } cases[] = {
        {"inside the inner circle: length and angle", {70, 90}, true, 100.0 * 20 / 41, 0},
        {"at the inner circle's edge: beyond 100, unclamped", {70, 116}, true, 100.0 * 46 / 41, 0},
        {"in the ring: angle only", {21, 70}, true, 0, -50},
        {"outside the dial: nothing", {20, 20}, false, 30, 40},
    };
    for (const Case& c : cases) {
        Fixed h = 30 * kOne, v = 40 * kOne;
        EXPECT_EQ(RadialClickValue(&kDial, c.at, &h, &v), c.changes) << c.name;
        EXPECT_NEAR(Units(h), c.wantH, 0.01) << c.name;
        EXPECT_NEAR(Units(v), c.wantV, 0.01) << c.name;
    }
}

TEST_F(Dial, TrackingTheTipFarOutsideTheWindowStaysInRange) {
    Fixed h = 10 * kOne, v = 10 * kOne;
    const Point tip = RadialTipPoint(&kDial, h, v);
    Drag(tip, Point{32000, 32000});
    EXPECT_EQ(TrackMainRadial(window, &kDial, &h, &v), 1);
    EXPECT_EQ(h, 100 * kOne);
    EXPECT_EQ(v, 100 * kOne);
}

constexpr Rect kSwitch{20, 40, 34, 77}; // centre x = 58

TEST_F(Dial, KnifeSwitchFollowsTheMouseInsideAndSnapsAtRelease) {
    struct Case {
        const char* name;
        SInt32 start;
        Point to;
        SInt32 want;
        SInt16 changed;
    } cases[] = {
        {"just right of centre snaps right", -14, {27, 61}, 14, 1},
        {"at the centre snaps right", -14, {27, 58}, 14, 1},
        {"left of centre stays left", -14, {27, 50}, -14, 0},
        {"right to left", 14, {27, 41}, -14, 1},
        {"released outside keeps the start", -14, {80, 61}, -14, 0},
        {"released far outside keeps the start", 14, {-3000, -3000}, 14, 0},
    };
    for (const Case& c : cases) {
        SInt32 value = c.start;
        Drag(Point{27, SInt16(58 + c.start)}, c.to);
        EXPECT_EQ(TrackMainKnifeSwitch(window, 4, &kSwitch, &value, 0), c.changed) << c.name;
        EXPECT_EQ(value, c.want) << c.name;
    }
    const struct {
        SInt16 h;
        SInt32 want;
    } blade[] = {{40, -14}, {44, -14}, {55, -3}, {58, 0}, {61, 3}, {76, 14}};
    for (const auto& b : blade)
        EXPECT_EQ(KnifeSwitchValueAt(&kSwitch, Point{27, b.h}, 7), b.want) << b.h;
    EXPECT_EQ(KnifeSwitchValueAt(&kSwitch, Point{50, 58}, 7), 7) << "outside keeps the start value";
}

} // namespace
