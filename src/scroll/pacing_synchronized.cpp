// The synchronised pacing mode: the distance per tick that brings the text, one second from now, to the
// character the recorded syllable times (or the taps being recorded) say is being read.
#include "scroll/pacing.h"

#include "foundation/error_dialog.h"
#include "foundation/global_lists.h"
#include "foundation/syllable_arrays.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/pacing_internal.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cmath>

namespace {

// The tapping target runs this many syllables ahead of the one awaiting its tap.
constexpr SInt32 kTapLead = 4;
// Distances per tick that only a runaway computation gives.
constexpr double kRunawayDistance = -80.0;

RESETTABLE(double, lastthisdistance, 0.33);
RESETTABLE(SInt32, lasttimefrommusic, 0);

bool StopAsked(UInt16 modifiers) {
    return (modifiers & cmdKey) && (modifiers & shiftKey);
}

void ReportStop() {
    DoErrorMessageText("Stopped by user in CalculateSynchronizedDistanceInstantaneous");
}

SInt32 Syllable(SInt32 index, SyllableSelector field) {
    return SyllableArrayAccessor(mySyllableArray, index, field, myWordLineArray);
}

struct LineSpan {
    SInt32 start = 0, end = 0;
    double height = 0;
};

LineSpan SpanOf(SInt32 line) {
    LineSpan s;
    WEGetLineRange(line, &s.start, &s.end, ScrollWEHandle);
    s.height = WEGetHeight(line, line + 1, ScrollWEHandle);
    return s;
}

// How far into its line the offset lies, as a share of the line (0 for an empty line).
double ShareOfLine(SInt32 offset, const LineSpan& s) {
    return FiniteOrZero(double(offset - s.start) / double(s.end - s.start));
}

// Ticks into the recording at which the offset is read, between the syllables k and k + 1 around it.
SInt32 TimeAtOffset(SInt32 offset, SInt32 k) {
    const SInt32 o0 = Syllable(k, kSyllableStart), o1 = Syllable(k + 1, kSyllableStart);
    const SInt32 t0 = Syllable(k, kSyllableTime), t1 = Syllable(k + 1, kSyllableTime);
    if (o1 == o0) return t0;
    return t0 + SInt32(std::trunc(double(offset - o0) / double(o1 - o0) * double(t1 - t0)));
}

double MediaTicks(Movie movie, double perTick, double fallback) {
    const double ticks = std::trunc(GetMediaTime(movie) / perTick);
    return std::isfinite(ticks) ? ticks : fallback;
}

// The character read at tick now, or -1 when the recording has run past its last syllable.
SInt32 CharacterAtTime(SInt32 now) {
    const SInt32 j = Syllable(now, kSyllableBeforeTime);
    if (j < 0 || j + 1 >= gTotalSyllables) return -1;
    const SInt32 start = Syllable(j, kSyllableStart), end = Syllable(j + 1, kSyllableEnd);
    const SInt32 t0 = Syllable(j, kSyllableTime), t1 = Syllable(j + 1, kSyllableTime);
    if (t1 == t0) return end;
    return start + SInt32(std::trunc(double(now - t0) / double(t1 - t0) * double(end - start)));
}

// Signed pixels from the cue to the target: cue line and its unread pixels r, target line and how far
// into it the target lies.
double DistanceToTarget(SInt32 cueLine, double r, SInt32 targetLine, double p) {
    const double hc = SpanOf(cueLine).height;
    if (targetLine == cueLine) return p - (hc - r);
    if (targetLine > cueLine) return r + p + WEGetHeight(cueLine + 1, targetLine, ScrollWEHandle);
    const double h = SpanOf(targetLine).height;
    return (r - hc) - (h - p) - WEGetHeight(targetLine + 1, cueLine, ScrollWEHandle);
}

// The trailing blank lines of looping text: creep while the media still plays, then leave them briskly.
double LoopTailDistance() {
    Movie media = gTheMusic ? gTheMusic : gTheMovie;
    if (media && GetMediaTime(media) < GetMediaDuration(media)) return 0.01;
    return 1.0;
}

double Exhausted(SInt16 flag, UInt16 modifiers) {
    if (StopAsked(modifiers)) ReportStop();
    if (flag == 1) gInhibitScroll = 0;
    return lastthisdistance;
}

} // namespace

void ResetSynchronizedDistance() {
    lastthisdistance = 0.33;
    lasttimefrommusic = 0;
}

double CalculateSynchronizedDistanceInstantaneous(SInt16 flag) {
    const UInt16 modifiers = GetCurrentKeyModifiers();
    if (!ScrollWEHandle || !mySyllableArray) return Exhausted(flag, modifiers);
    if (gTotalLines == -1) gTotalLines = WECountLines(ScrollWEHandle);
    const PrefsRecord& prefs = gThePreferences;

    SInt32 cueLine = 0;
    const SInt32 cueOffset = FindScrollExactOffset(gInhibitScroll, &cueLine);
    const LineSpan cueSpan = SpanOf(cueLine);
    const double r = cueSpan.height - std::trunc(ShareOfLine(cueOffset, cueSpan) * cueSpan.height);
    const SInt32 k = Syllable(cueOffset, kSyllableBeforeOffset);

    SInt32 target = 0;
    if (gRecordingTaps) {
        const SInt32 awaited = std::min(gSylWaitingForThisTap + kTapLead, gTotalSyllables - 1);
        target = Syllable(awaited, kSyllableStart);
        gInhibitScroll = 0;
    } else {
        if (GetPref(prefs, kPrefLoopingText) && GetPref(prefs, kPrefScrollDirection) >= 1 &&
            cueOffset >= WEGetTextLength(ScrollWEHandle) - gNumBlankLinesNeeded)
            return LoopTailDistance();
        if (k < 0 || k + 1 >= gTotalSyllables) return Exhausted(flag, modifiers);
        const SInt32 cueTime = TimeAtOffset(cueOffset, k);
        // The clock is read a second ahead, the second in which the distance is to be covered.
        double now = cueTime;
        if (gTheMusic) {
            now = MediaTicks(gTheMusic, gMusicTimePerTick, cueTime);
            lasttimefrommusic = SInt32(now) + 60;
            EstimateMusicTime();
        } else if (gTheMovie) {
            now = MediaTicks(gTheMovie, gMovieTimePerTick, cueTime);
        }
        target = CharacterAtTime(SInt32(now) + 60);
        if (target < 0) return Exhausted(flag, modifiers);
    }

    const SInt32 targetLine =
        std::min(WEOffsetToLine(target, ScrollWEHandle), std::max(gTotalLines - 1, SInt32(0)));
    const LineSpan targetSpan = SpanOf(targetLine);
    const double p = targetSpan.end == targetSpan.start ? targetSpan.height
                                                        : ShareOfLine(target, targetSpan) * targetSpan.height;
    const double distance = DistanceToTarget(cueLine, r, targetLine, p);
    if (flag == 1) {
        if (targetLine != cueLine) gInhibitScroll = 0;
        return 0;
    }
    double d = FiniteOrZero(distance / kTicksPerSecond);
    if (d == 0) d = cueSpan.height / kTicksPerSecond;
    lastthisdistance = d;
    if (gRecordingTaps && k > gSylWaitingForThisTap)
        ScrollScrollToCharacter(Syllable(gSylWaitingForThisTap, kSyllableStart), 1);
    if (d < kRunawayDistance && StopAsked(modifiers)) ReportStop();
    return d;
}
