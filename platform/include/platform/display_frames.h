// Pacing by the display's frames. Where the X server offers the display's frame counter (the Present
// extension), a timer that follows the display fires as each frame begins instead of by its own clock,
// so that every frame shown on screen is one step of the scroll; elsewhere the precise timer paces alone.
#pragma once

#include "platform/types.h"

enum class FramePacing : UInt8 { kPreciseTimer, kDisplayFrames };

struct FramePacingChoice {
    FramePacing pacing = FramePacing::kPreciseTimer;
    const char* reason = "";      // a few words for the start-up log: what was found
    UInt64 framePeriodMicros = 0; // the display's frame period, when it was measured
};

// Looks for the display's frame counter and measures its period, once (it waits for up to five frames);
// later calls give the same answer. The timer is chosen on platforms without an X server, without the
// Present extension, when the counter does not move and when the display's rate is not 60 Hz or a whole
// multiple of it (a step per frame would then not be a whole number of ticks).
FramePacingChoice ChooseFramePacing();
// The same without waiting: the frames are looked at through the event loop and the procedure is called
// once the choice is made (at once when it is made already). Timers that follow the display keep their own
// clock until then.
using FramePacingChosenProc = void (*)(const FramePacingChoice& choice);
void ChooseFramePacingSoon(FramePacingChosenProc whenChosen);

// For tests: a display whose frames the test hands over one by one (UseFakeDisplayFrames(0) forgets it).
void UseFakeDisplayFrames(UInt64 periodMicros);
// The fake display reached frame `msc` at `frameMicros` (MonotonicMicroseconds time).
void DeliverFakeDisplayFrame(UInt64 msc, UInt64 frameMicros);
// Whether a frame has been asked for and not yet delivered.
bool IsDisplayFrameWanted();
