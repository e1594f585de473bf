// The distance per tick of each pacing mode: over the whole text (CalculateScrollDistance) and over the
// line at the cue (CalculateScrollDistanceThisLine).
#include "scroll/pacing.h"

#include "foundation/global_lists.h"
#include "foundation/syllable_arrays.h"
#include "foundation/word_line_arrays.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/pacing_internal.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/periodic_timer.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>

namespace {

// The per-line distance is kept while the cue stays on one character, so that a tick there costs no
// text-engine calls.
RESETTABLE(SInt32, lastwhere, -1);
RESETTABLE(double, lastdistance, 0.0);

void TakeNewTextForCounting() {
    if (!gTextHasChanged) return;
    gWaitToUpdateWordCount = 0;
    GetNewText(1);
}

// Pixels per tick that scroll the whole text in the given number of seconds.
double DistanceForSeconds(double seconds) {
    return ScrollableHeight() / seconds / kTicksPerSecond;
}

double WholeTextDistance(SInt16 mode, bool* changed) {
    const PrefsRecord& p = gThePreferences;
    *changed = true;
    switch (mode) {
    case kPaceSpeed:
        return GetPref(p, kPrefScrollSpeed) / kTicksPerSecond;
    case kPaceCharactersPerSecond: {
        TakeNewTextForCounting();
        const double length = myTextResource ? double(GetHandleSize(myTextResource)) : 0.0;
        return DistanceForSeconds(length / GetPref(p, kPrefCharactersPerSecond));
    }
    case kPaceFinishTime:
        return DistanceForSeconds(GetPref(p, kPrefFinishMinutes) * 60.0 + GetPref(p, kPrefFinishSeconds));
    case kPaceLinesPerMinute: {
        const double lines = ScrollWEHandle ? double(WECountLines(ScrollWEHandle)) : 0.0;
        return DistanceForSeconds(lines / GetPref(p, kPrefLinesPerMinute) * 60.0);
    }
    case kPaceSyllablesPerMinute:
        TakeNewTextForCounting();
        if (!myTextResource) break;
        return DistanceForSeconds(TotalSyllables(mySyllableArray) /
                                  double(GetPref(p, kPrefSyllablesPerMinute)) * 60.0);
    case kPaceSynchronized: {
        const SInt32 count = TotalSyllables(mySyllableArray);
        if (count == 0) return ScrollableHeight() / kTicksPerSecond;
        // The last syllable's time, in whole seconds, is how long the recording takes to read the text.
        const UInt32 ticks =
            UInt32(SyllableArrayAccessor(mySyllableArray, count - 1, kSyllableTime, myWordLineArray));
        return DistanceForSeconds(double(ticks / 60));
    }
    }
    *changed = false;
    return gScrollDistance;
}

} // namespace

void MeasureScriptTextIfChanged() {
    if ((!mySyllableArray || gTextHasChanged) && myTextResource) MeasureScriptText();
}

double ScrollableHeight() {
    return std::max(0.0, double(gScrollExtraHeight));
}

void ResetPacingCaches() {
    lastwhere = -1;
    lastdistance = 0.0;
    ResetSynchronizedDistance();
}

void CalculateScrollDistance() {
    MeasureScriptTextIfChanged();
    SInt16 mode = GetPref(gThePreferences, kPrefPacingMode);
    // Following recorded times needs syllables; without them the script is paced by its syllable count.
    if (mode == kPaceSynchronized && !mySyllableArray) {
        mode = kPaceSyllablesPerMinute;
        SetPref(gThePreferences, kPrefPacingMode, mode);
    }
    bool changed = false;
    const double distance = WholeTextDistance(mode, &changed);
    if (changed) gScrollDistance = FiniteOrZero(distance);
    gAverageScrollDistance = gScrollDistance;
}

double CalculateScrollDistanceThisLine(SInt16 callMode) {
    MeasureScriptTextIfChanged();
    const PrefsRecord& p = gThePreferences;
    const SInt16 pacing = GetPref(p, kPrefPacingMode);
    const SInt32 cue = GetScrollCuePositionCharacter(0);
    if (callMode == 2 && cue == lastwhere && !GetPref(p, kPrefMomentum) && pacing != kPaceSynchronized)
        return lastdistance;
    if (!ScrollWEHandle) return gScrollDistance;

    const SInt32 line = WEOffsetToLine(cue, ScrollWEHandle);
    const double height = WEGetHeight(line, line + 1, ScrollWEHandle);
    SInt32 start = 0, end = 0;
    WEGetLineRange(line, &start, &end, ScrollWEHandle);
    double distance = gScrollDistance;
    switch (pacing) {
    case kPaceCharactersPerSecond:
        distance = height * (GetPref(p, kPrefCharactersPerSecond) / 60.0) / double(end - start);
        break;
    case kPaceLinesPerMinute:
        distance = GetPref(p, kPrefLinesPerMinute) / 3600.0 * height;
        break;
    case kPaceSyllablesPerMinute: {
        SInt32 first = 0;
        const SInt32 syllables = mySyllableArray ? SyllablesThisLine(mySyllableArray, start, &first) : 1;
        distance =
            height * (GetPref(p, kPrefSyllablesPerMinute) / 3600.0) / double(std::max(syllables, SInt32(1)));
        break;
    }
    case kPaceSynchronized:
        distance = CalculateSynchronizedDistanceInstantaneous(0);
        break;
    }
    distance = FiniteOrZero(distance);
    lastwhere = -1;
    if (callMode == 3) return distance;
    lastwhere = cue;
    lastdistance = distance;
    return distance;
}
