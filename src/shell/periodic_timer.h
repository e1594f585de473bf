// The program's heartbeat: each call of TimerAction (shell.h) runs the countdowns, one slot of a
// twelve-slot round robin of idle jobs, the running macros, then the edit-mode chores or the scroll step,
// and once a second the per-second figures and the smoothness calibration.
#pragma once

#include "platform/types.h"

constexpr SInt16 kRoundRobinSlots = 12;

// The slot that runs on the next call; set gForceBreakUpReset to make it slot 0 (the deferred command).
extern SInt16 breakitup;
extern bool gForceBreakUpReset;

// A command deferred to the timer, which asks the save questions first: menu ID (0: none) and item.
extern SInt16 gSavedMid;
extern SInt16 gSavedMitem;
extern bool gNeedToCheckText;
extern bool gNeedToCheckQueue;
// What gAutoDialogAnswer is while the deferred command runs.
extern SInt16 gSaveAutoDialogAnswer;
// A save question is showing (set by whoever asks one): a timer call made from inside it must not ask
// another.
extern bool gSaveQuestionUp;

// Countdowns, one step per call while non-zero.
extern SInt32 gFlagTextPrefsLoaded;
extern SInt32 gDisableScrollClicks;
extern SInt32 gDisableScrollKeys;
extern SInt32 gWaitToUpdateWordCount;
extern SInt32 gReformatEditTextCount;

// The current second: its start, and the calls, the calls with elapsed time and the steps that moved the
// text so far; and the same figures of the last whole second.
extern UInt32 gCurrentTick;
extern SInt32 thisloop, gThisTick, thisscroll;
extern SInt32 gLoopCount, gTickCounter, gScrollsPerSecond;

// The smoothness calibration: on, its remaining seconds (the first ones warm up) and its failed seconds.
extern bool gAutoScrollMode;
extern SInt16 gAutoScrollCount;
extern SInt16 gAutoFailCount;

// A speed change made with shift held lasts while shift is down.
extern bool gArrowandShiftKeyFlag;
extern SInt32 gSpeedBeforeShiftKey;

// Slot jobs and the parts of a call, for the timer's own files.
void RunRoundRobinSlot(SInt16 slot);
void RunDeferredCommand();
void DoEditChores();
void DoOncePerSecond(UInt32 now);
// The stored smoothness with 0 read as 1, the finest setting (0 has no delay of its own).
SInt32 StoredSmoothness();

// The per-second figures and the text sizes are drawn in the prompter; a size display is due.
extern bool gShowSpeed;
extern bool gShowSize;
