// Speed changes: the speed and direction asked for (at once, or as the target of the speed ramp), the
// rate of the current pacing mode, and the steps of about 5 per cent of keys, wheel and toolbar.
#include "scroll/pacing.h"

#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/scroll_engine.h"
#include "shell/startup.h"
#include "texttools/text_tools.h"

#include <algorithm>

namespace {

constexpr SInt32 kKeepSpeed = 65535;
constexpr SInt32 kMaxRate = 32767;
// What DoScrollSlower answers where there is no rate: a value at neither of the limits the wheel tests.
constexpr SInt32 kNoRateToSlow = 100;

bool SpeedRamps() {
    return GetPref(gThePreferences, kPrefMomentum) != 0;
}

// About 5 per cent of the current value, at least 1, and no more than the room left before a limit.
SInt32 StepOf(SInt32 value, SInt32 room) {
    return std::min(std::max(value / 20, SInt32(1)), room);
}

SInt32 FinishSeconds() {
    const PrefsRecord& p = gThePreferences;
    return GetPref(p, kPrefFinishMinutes) * 60 + GetPref(p, kPrefFinishSeconds);
}

void SetFinishSeconds(SInt32 seconds) {
    seconds = std::clamp(seconds, SInt32(0), kMaxRate);
    SetPref(gThePreferences, kPrefFinishMinutes, SInt16(seconds / 60));
    SetPref(gThePreferences, kPrefFinishSeconds, SInt16(seconds % 60));
}

// The per-line modes pace by the line at the cue once the whole-text distance is known.
void CalculateLineDistance() {
    CalculateScrollDistance();
    gScrollDistance = CalculateScrollDistanceThisLine(2);
}

// The rate of the characters, lines or syllables mode; 0 for the others.
SInt32 LineRate(SInt16 mode) {
    const PrefsRecord& p = gThePreferences;
    switch (mode) {
    case kPaceCharactersPerSecond:
        return GetPref(p, kPrefCharactersPerSecond);
    case kPaceLinesPerMinute:
        return GetPref(p, kPrefLinesPerMinute);
    case kPaceSyllablesPerMinute:
        return GetPref(p, kPrefSyllablesPerMinute);
    }
    return 0;
}

void SetLineRate(SInt16 mode, SInt32 rate) {
    rate = std::max(rate, SInt32(0));
    switch (mode) {
    case kPaceCharactersPerSecond:
        SetPref(gThePreferences, kPrefCharactersPerSecond, SInt16(std::min(rate, kMaxRate)));
        break;
    case kPaceLinesPerMinute:
        SetPref(gThePreferences, kPrefLinesPerMinute, rate);
        break;
    case kPaceSyllablesPerMinute:
        SetPref(gThePreferences, kPrefSyllablesPerMinute, rate);
        break;
    }
}

// One step of the speed mode; faster is +1, slower -1. Answers the speed asked for.
SInt32 StepSpeed(SInt16 sign) {
    const SInt32 speed = GetPref(gThePreferences, kPrefScrollSpeed);
    if (sign < 0 ? speed < 2 : speed >= kMaxRate) return gWantScrollAmount;
    const SInt32 step = StepOf(gWantScrollAmount, sign < 0 ? speed - 1 : kMaxRate - speed);
    SetScrollAmount(gSaveScrollAmount + sign * step, 0);
    if (!SpeedRamps()) CalculateScrollDistance();
    gPrefsChanged = true;
    return gWantScrollAmount;
}

// One step of the finish-time mode; a longer time is slower. Answers the time in seconds.
SInt32 StepFinishTime(SInt16 sign) {
    SInt32 seconds = FinishSeconds();
    if (sign > 0 ? seconds > kMaxRate - 1 : seconds < 2) return seconds;
    seconds += sign * StepOf(seconds, sign > 0 ? kMaxRate - seconds : seconds - 1);
    SetFinishSeconds(seconds);
    CalculateScrollDistance();
    gPrefsChanged = true;
    return seconds;
}

// One step of a per-line mode; faster is +1, slower -1. Answers the rate.
SInt32 StepLineRate(SInt16 mode, SInt16 sign) {
    SInt32 rate = LineRate(mode);
    if (sign < 0 ? rate < 2 : rate > kMaxRate - 1) return rate;
    rate += sign * StepOf(rate, sign < 0 ? rate - 1 : kMaxRate - rate);
    SetLineRate(mode, rate);
    CalculateLineDistance();
    gPrefsChanged = true;
    return rate;
}

} // namespace

void SetScrollAmount(SInt32 speed, SInt16 direction) {
    const bool keepSpeed = speed == kKeepSpeed;
    // A direction is kept apart from the speed, so a speed below 0 asks for standing still, never for
    // running backwards.
    speed = std::clamp(speed, SInt32(0), kMaxRate);
    if (SpeedRamps()) {
        // The timer moves the speed and direction towards these a step at a time.
        if (!keepSpeed) {
            gSaveScrollAmount = gWantScrollAmount = speed;
            gScrollDif = SInt16(101 - SInt16(GetPref(gThePreferences, kPrefMomentumAmount) & 0xFFFF));
        }
        if (direction != 0) gSaveScrollDir = gWantScrollDir = direction;
        CalculateScrollDistance();
        return;
    }
    if (!keepSpeed) {
        SetPref(gThePreferences, kPrefScrollSpeed, SInt16(speed));
        gSaveScrollAmount = gWantScrollAmount = speed;
        gScrollDif = 0;
    }
    if (direction != 0 && direction != GetPref(gThePreferences, kPrefScrollDirection)) {
        SetPref(gThePreferences, kPrefScrollDirection, direction);
        // Links fire afresh going the other way.
        gLastScrollToHyper = gLastReadPositionHyper = -1;
    }
}

void ChangeScrollSpeed(SInt32 value) {
    const SInt16 mode = GetPref(gThePreferences, kPrefPacingMode);
    switch (mode) {
    case kPaceSpeed:
        SetScrollAmount(value, 0);
        if (!SpeedRamps()) CalculateScrollDistance();
        break;
    case kPaceFinishTime:
        SetFinishSeconds(value);
        CalculateScrollDistance();
        break;
    case kPaceCharactersPerSecond:
    case kPaceLinesPerMinute:
    case kPaceSyllablesPerMinute:
        SetLineRate(mode, value);
        CalculateLineDistance();
        break;
    default:
        return;
    }
    gPrefsChanged = true;
}

void DoScrollFaster() {
    const SInt16 mode = GetPref(gThePreferences, kPrefPacingMode);
    switch (mode) {
    case kPaceSpeed:
        StepSpeed(1);
        break;
    case kPaceFinishTime:
        StepFinishTime(-1);
        break;
    case kPaceCharactersPerSecond:
    case kPaceLinesPerMinute:
    case kPaceSyllablesPerMinute:
        StepLineRate(mode, 1);
        break;
    }
}

SInt32 DoScrollSlower() {
    const SInt16 mode = GetPref(gThePreferences, kPrefPacingMode);
    switch (mode) {
    case kPaceSpeed:
        return StepSpeed(-1);
    case kPaceFinishTime:
        return StepFinishTime(1);
    case kPaceCharactersPerSecond:
    case kPaceLinesPerMinute:
    case kPaceSyllablesPerMinute:
        return StepLineRate(mode, -1);
    }
    return kNoRateToSlow;
}
