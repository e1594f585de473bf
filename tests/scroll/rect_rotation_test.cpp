// Turning rectangles between the upright text layout and the output turned a quarter turn.
#include "scroll/rect_rotation.h"

#include <gtest/gtest.h>

namespace {

struct RotationCase {
    const char* what;
    bool framed;
    Rect frame;
    SInt16 code, on;
    Rect expected;
};

TEST(RotateRect, TurnsWithinTheFrameOrExchangesTheCoordinates) {
    const Rect source{10, 20, 30, 60};
    const RotationCase cases[] = {
        {"a quarter turn in a frame 100 high", true, {0, 0, 100, 200}, 1, 1, {20, 70, 60, 90}},
        {"the other way in a frame 200 wide", true, {0, 0, 100, 200}, -1, 1, {140, 10, 180, 30}},
        {"without a frame, one way", false, {}, 1, 1, {20, 10, 60, 30}},
        {"without a frame, the other way", false, {}, -1, 1, {20, 10, 60, 30}},
        {"not scrolling", true, {0, 0, 100, 200}, 1, 0, source},
        {"no turn", true, {0, 0, 100, 200}, 0, 1, source},
    };
    for (const RotationCase& c : cases) {
        Rect result{-1, -1, -1, -1};
        RotateRect(c.framed ? &c.frame : nullptr, source, &result, c.code, c.on);
        EXPECT_EQ(result, c.expected) << c.what;
    }
}

TEST(RotateRect, AnUnknownCodeLeavesTheResultAsItWas) {
    const Rect frame{0, 0, 100, 200}, before{1, 2, 3, 4};
    Rect result = before;
    RotateRect(&frame, Rect{10, 20, 30, 60}, &result, 2, 1);
    EXPECT_EQ(result, before);
    RotateRect(&frame, Rect{10, 20, 30, 60}, &result, 2, 0);
    EXPECT_EQ(result, (Rect{10, 20, 30, 60})) << "not scrolling copies the source whatever the code";
}

TEST(RotateRect, TurningForthAndBackGivesTheRectangleAgain) {
    const Rect frame{0, 0, 300, 500};
    const Rect source{15, 40, 120, 260};
    for (SInt16 code : {1, -1}) {
        const Rect turned = RotateRect(&frame, source, code, 1);
        const Rect turnedFrame = RotateRect(nullptr, frame, code, 1);
        EXPECT_EQ(RotateRect(&turnedFrame, turned, SInt16(-code), 1), source) << code;
    }
}

} // namespace
