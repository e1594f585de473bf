// Tapping syllable times: while the syllable-timing run records, each press of the space bar stamps the
// syllable it waits for with the time it was heard.
#include "shell/key_stages.h"

#include "foundation/syllable_arrays.h"
#include "media/media_services.h"
#include "platform/clock.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_window.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

namespace {

// The media clock in ticks, less the time the key waited before it reached us, so that a late event
// does not make the syllable late.
SInt32 MediaTapTime(Movie movie, double timePerTick, UInt32 pressed, UInt32 now) {
    const SInt32 mediaTicks = SInt32(double(GetMediaTime(movie)) / timePerTick);
    return mediaTicks - SInt32(now - pressed);
}

SInt32 TapTime(const PlatformEvent& event) {
    const UInt32 now = TickCount();
    if (gTheMusic && gMusicTimePerTick > 0)
        return MediaTapTime(gTheMusic, gMusicTimePerTick, event.when, now);
    if (gTheMovie && gMovieTimePerTick > 0)
        return MediaTapTime(gTheMovie, gMovieTimePerTick, event.when, now);
    return SInt32(now);
}

// The tapped syllable takes the prompter's text colour, which tells it from the syllables still waiting.
void ShowTappedSyllable(SInt32 syllable) {
    if (!ScrollWEHandle) return;
    const SInt32 start = SyllableArrayAccessor(mySyllableArray, syllable, kSyllableStart, myWordLineArray);
    const SInt32 end = SyllableArrayAccessor(mySyllableArray, syllable, kSyllableEnd, myWordLineArray);
    WEFeatureFlag(weFAutoScroll, 0, ScrollWEHandle);
    WESetSelection(start, end, 0, ScrollWEHandle);
    WETextStyle style;
    style.color = GetPref(gThePreferences, kPrefPrompterFormat).textColor;
    const SInt16 inhibited = WEFeatureFlag(weFInhibitRecal, 1, ScrollWEHandle);
    WESetStyle(weDoColor, &style, ScrollWEHandle);
    WEFeatureFlag(weFInhibitRecal, inhibited, ScrollWEHandle);
    WESetSelection(0, 0, 0, ScrollWEHandle);
}

} // namespace

bool TapSyllableKey(const PlatformEvent& event) {
    if (!gRecordingTaps || event.charCode != ' ') return false;
    const SInt32 syllable = gSylWaitingForThisTap;
    if (syllable < 0 || syllable >= gTotalSyllables) return false;
    // A tap before the media clock's start is stored as 0; an array shorter than its count takes nothing.
    if (SyllableArraySetter(mySyllableArray, syllable, TapTime(event), kSyllableTime) == 0)
        ShowTappedSyllable(syllable);
    gSylWaitingForThisTap = syllable + 1;
    return true;
}
