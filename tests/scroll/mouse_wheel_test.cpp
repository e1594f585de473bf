// The mouse-wheel handlers: which wheel events are taken, and the slowest-pace test that turns the
// scroll direction round.
#include "scroll/mouse_wheel.h"

#include "foundation/foundation_prefs.h"
#include "prefs/prefs_record.h"
#include "shell/shell_globals.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

PlatformEvent Wheel(SInt16 axis, SInt32 delta) {
    PlatformEvent e;
    e.kind = EventKind::MouseWheel;
    e.wheelAxis = axis;
    e.wheelDelta = delta;
    return e;
}

void* Reference(SInt16 r) {
    return reinterpret_cast<void*>(std::intptr_t(r));
}

class MouseWheel : public ::testing::Test {
  protected:
    void SetUp() override { saved = gThePreferences; }
    void TearDown() override {
        gThePreferences = saved;
        gScrollOn = 0;
    }
    PrefsRecord saved;
};

TEST_F(MouseWheel, WhichEventsAreTaken) {
    struct Case {
        const char* name;
        SInt32 wheelPref;
        SInt16 scrollOn, axis, reference;
        OSStatus want;
    } cases[] = {
        {"vertical over the prompter", 0, 0, 0, 1, noErr},
        {"vertical over a window without a view", 0, 0, 0, 22, noErr},
        {"horizontal", 0, 0, 1, 1, eventNotHandledErr},
        {"speed change passes the wheel on", 1, 1, 0, 1, eventNotHandledErr},
        {"speed change only while scrolling", 1, 0, 0, 1, noErr},
    };
    for (const Case& c : cases) {
        SetFoundationPref(FoundationPref::WheelChangesSpeed, c.wheelPref);
        gScrollOn = c.scrollOn;
        gNothingHappened = 99;
        for (SInt32 delta : {3, -3}) {
            EXPECT_EQ(GetMouseWheelHandler()(Wheel(c.axis, delta), Reference(c.reference)), c.want) << c.name;
            EXPECT_EQ(gNothingHappened, 0) << c.name;
        }
    }
    PlatformEvent key;
    key.kind = EventKind::KeyDown;
    EXPECT_EQ(MouseWheelHandler(key, Reference(1)), eventNotHandledErr);
    EXPECT_EQ(GetKeyEquivMouseWheelHandler()(Wheel(0, 2), nullptr), noErr);
}

TEST_F(MouseWheel, TheSlowestPaceTurnsTheDirection) {
    struct Case {
        SInt32 result;
        SInt16 mode;
        bool limit;
    } cases[] = {{1, 0, true},     {0, 3, true},      {2, 0, false},
                 {32767, 2, true}, {32766, 2, false}, {1, 2, false}};
    for (const Case& c : cases)
        EXPECT_EQ(WheelSlowedToItsLimit(c.result, c.mode), c.limit) << c.result << " " << c.mode;

    for (SInt16 r : {1, 2, 4, 8, 9, 11, 13, 16, 24, 27})
        EXPECT_TRUE(WheelScrollsWindow(r)) << r;
    for (SInt16 r : {0, 3, 5, 6, 7, 10, 12, 14, 22, 28, 33})
        EXPECT_FALSE(WheelScrollsWindow(r)) << r;
}

} // namespace
