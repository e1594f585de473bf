// Moving the prompter text to its beginning, its end or a character, and the animated jump.
#include "scroll/scroll_position.h"

#include "media/media_services.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/prompter_window.h"
#include "textengine/text_engine.h"

#include <array>
#include <cstdlib>

SInt32 ScrollScrollToBeginning(SInt16 mode) {
    return ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), mode);
}

SInt32 ScrollScrollToEnd(SInt16 mode) {
    return ScrollScrollThisMuch(-(SInt32(gScrollCurrentPos) + gScrollExtraHeight), mode);
}

void ScrollScrollToCharacter(SInt32 offset, SInt16 mode) {
    if (offset < 0) return;
    GrafPtr saved;
    GetPort(&saved);
    if (myScrollWindowAlias) SetPort(myScrollWindowAlias);
    ScrollScrollThisMuch(SInt32(CalculateExactDistanceToChar(offset)), mode);
    SetPort(saved);
    GetCurrentScrollPos();
}

// The steps double up to the turn point and come down again after it, so that the move starts and ends
// gently. On the way down a step is kept while at least twice its size remains: halving at every step
// regardless would leave most of a long jump to steps of one pixel.
SInt32 PlanJumpScroll(SInt32 pixels, std::span<SInt32> steps) {
    SInt64 left = std::llabs(SInt64(pixels));
    SInt64 limit = 2, turn = 1;
    while (left > limit) {
        limit += 4 * turn;
        turn *= 2;
    }
    const SInt32 sign = pixels > 0 ? 1 : -1;
    SInt64 step = 1;
    bool down = false;
    SInt32 count = 0;
    while (left > 0 && count < SInt32(steps.size())) {
        const SInt64 s = step < left ? step : left;
        left -= s;
        steps[size_t(count++)] = SInt32(sign * s);
        down = down || left <= turn;
        if (!down)
            step = 2 * s;
        else if (left < 2 * s)
            step = s < 2 ? s : s / 2;
    }
    return count;
}

void JumpScroll(SInt32 pixels) {
    std::array<SInt32, kMostJumpSteps> steps;
    const SInt32 count = PlanJumpScroll(pixels, steps);
    for (SInt32 i = 0; i < count; ++i)
        ScrollScrollThisMuch(steps[size_t(i)], 0);
}

// The search passes over a bookmark already standing at the cue, so that repeated jumps walk on from one
// bookmark to the next.
void ScrollJumpToBookmark(SInt16 direction) {
    const SInt16 savedDirection = GetPref(gThePreferences, kPrefScrollDirection);
    SetPref(gThePreferences, kPrefScrollDirection, direction);
    SInt32 offset = -1;
    SInt32 distance = GetDistanceToNextBookmark(&offset);
    const bool atCue = distance != kNoBookmarkAhead && ScrollWEHandle &&
                       WEOffsetToLine(offset, ScrollWEHandle) ==
                           WEOffsetToLine(GetScrollAdjustedCharacter(), ScrollWEHandle);
    if (distance == 0 || atCue) {
        const SInt32 savedPausedHere = gPausedHere;
        gPausedHere = offset;
        distance = GetDistanceToNextBookmark(&offset);
        gPausedHere = savedPausedHere;
    }
    SetPref(gThePreferences, kPrefScrollDirection, savedDirection);
    if (distance != kNoBookmarkAhead) ScrollScrollToCharacter(offset, 0);
}
