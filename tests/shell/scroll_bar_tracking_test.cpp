// Tracking the prompter's scroll bar: steps grow as they come quicker, and a step never passes the ends.
#include "program_fixture.h"

#include "scroll/scroll_position.h"
#include "shell/shell.h"

namespace {

TEST_F(ProgramTest, ArrowStepsGrowAsTheyComeQuickerAndStopAtTheEnds) {
    Start();
    ASSERT_GT(gVScrollScroll.maximum, 100) << "the instructions are longer than the window";
    // Ticks since the step before, and the units the next down-arrow step moves.
    const struct {
        UInt32 pause;
        SInt16 units;
    } steps[] = {{60, 1}, {5, 20}, {5, 50}, {5, 50}, {15, 20}, {30, 5}, {45, 1}};
    for (const auto& s : steps) {
        AdvanceFakeClock(s.pause);
        const SInt16 before = gVScrollScroll.value;
        MyLiveScrollProc(1, 21);
        EXPECT_EQ(gVScrollScroll.value - before, s.units) << "after " << s.pause << " ticks";
    }
    // Quick up-arrow steps come back to the top and no further.
    for (int i = 0; i < 20; ++i) {
        AdvanceFakeClock(2);
        MyLiveScrollProc(1, 20);
    }
    EXPECT_EQ(gVScrollScroll.value, gVScrollScroll.minimum);
    EXPECT_EQ(gScrollCurrentPos, 0.0);
}

} // namespace
