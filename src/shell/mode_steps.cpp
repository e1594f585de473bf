// The steps the mode switches share: the loop timer's rate, highlights, backups around transformations,
// the looping text, the start rectangles and the prompter's size and opacity while scrolling.
#include "shell/mode_steps.h"

#include "effects/effects.h"
#include "foundation/error_dialog.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/highlight.h"
#include "scroll/pacing.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/screens.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

void InstallModeTimer(EventTimerInterval interval) {
    InstallLoopTimer(interval);
    gModeTimerInterval = interval;
}

void TellEditors() {
    ExternalSpirographSetValues(1);
    ExternalOverlaySetValues(1);
}

bool PacingFollowsLines() {
    const SInt16 mode = GetPref(gThePreferences, kPrefPacingMode);
    return mode == 1 || mode == 3 || mode == 4 || mode == 5;
}

namespace {

// mode 1 starts the highlight kind's work and the line distance of a starting scroll, 3 ends them.
void StepScrollHighlight(SInt16 mode) {
    switch (GetPref(gThePreferences, kPrefHighlightKind)) {
    case kHighlightLine:
        HighlightLineAtCue(mode);
        break;
    case kHighlightWord:
        HighlightWordAtCue(mode, 0);
        break;
    case kHighlightSpeedReading:
        HighlightSpeedReading(mode, 0);
        break;
    }
    if (PacingFollowsLines()) gScrollDistance = CalculateScrollDistanceThisLine(mode);
}

} // namespace

void StartScrollHighlight() {
    StepScrollHighlight(1);
}

void EndScrollHighlight() {
    StepScrollHighlight(3);
}

float ScrollingOpacity() {
    const SInt16 percent = GetPref(gThePreferences, kPrefScrollingOpacity);
    // A prompter of 0 per cent could not be seen or clicked to stop it.
    return percent > 0 && percent <= 100 ? float(percent) / 100.0f : 1.0f;
}

void SetScrollOpacity(float alpha) {
    if (myScrollWindow) SetWindowAlpha(myScrollWindow, alpha);
}

void ScreenModeSettings(SInt32 settings[5]) {
    const PrefLong fields[5] = {kPrefScreenWidth, kPrefScreenHeight, kPrefScreenDepth, kPrefScreenRefreshRate,
                                kPrefDisplayOptions};
    for (int i = 0; i < 5; ++i)
        settings[i] = GetPref(gThePreferences, fields[i]);
}

bool TransformationsAsked() {
    return GetPref(gThePreferences, kPrefAllowTextMerge) || GetPref(gThePreferences, kPrefOverlaysOn) ||
           gHypertextList != nullptr;
}

// Fresh copies of the script before any transformation; false when they could not all be made, and the
// text must then stay as it is.
bool BackUpBeforeTransforming() {
    if (!TransformationsAsked()) return false;
    if (gTextHasMerged) DoErrorMessageText("Text has merged before start scroll");
    if (gHypertextHasDisplayed) DoErrorMessageText("Text has hypertext before start scroll");
    return MakeScrollBackups();
}

void ShowMergesAndLinks() {
    gHypertextHasDisplayed = gHypertextList ? DisplayAllHypertextLinks(0) : false;
    if (GetPref(gThePreferences, kPrefAllowTextMerge) && DoAllTextMerges(gTextMergeUnderline))
        gTextHasMerged = true;
}

// The looping text's blank lines are added and removed with positions measured from the top, so that
// the character found is the one at the top of the text.
void AddLoopingText() {
    if (!GetPref(gThePreferences, kPrefLoopingText)) return;
    const SInt16 fromCue = GetPref(gThePreferences, kPrefPositionsFromCue);
    SetPref(gThePreferences, kPrefPositionsFromCue, 0);
    const SInt32 z = GetScrollZeroPositionCharacter();
    AddScrollLoopingText();
    SetPref(gThePreferences, kPrefPositionsFromCue, fromCue);
    ScrollScrollToCharacter(z + gNumBlankLinesNeeded, 1);
}

void RemoveLoopingText() {
    if (!GetPref(gThePreferences, kPrefLoopingText)) return;
    const SInt16 fromCue = GetPref(gThePreferences, kPrefPositionsFromCue);
    SetPref(gThePreferences, kPrefPositionsFromCue, 0);
    const SInt32 z = GetScrollZeroPositionCharacter();
    RemoveScrollLoopingText();
    ScrollScrollToCharacter(z - gNumBlankLinesNeeded, 1);
    SetPref(gThePreferences, kPrefPositionsFromCue, fromCue);
}

void SaveStartRects() {
    gScrollStartScrollingRect = GetPref(gThePreferences, kPrefTextBoxRect);
    gScrollStartPictureRect = GetPref(gThePreferences, kPrefPictureRect);
    gCueRect = gScrollStartRectCue = GetPref(gThePreferences, kPrefCueRect);
}

void SizeWindowForScrolling() {
    const Rect content = GetScrollWindowContent();
    if (GetPref(gThePreferences, kPrefFullScreen)) {
        SetScrollWindowToFullScreen(true);
        return;
    }
    if (!GetPref(gThePreferences, kPrefSetScreenSize)) {
        NewScrollWindowSize(RectWidth(content), RectHeight(content));
        return;
    }
    const Rect stored = GetWindowPlace(gPositionPreferences, kPlacePrompterScrolling);
    Rect screens{}, common{};
    GetAllScreensBounds(&screens);
    if (!EmptyRect(&stored) && SectRect(&stored, &screens, &common)) {
        gUpdateWindowBounds = 90;
        SizeWindow(myScrollWindow, RectWidth(stored), RectHeight(stored), true);
        MoveWindow(myScrollWindow, stored.left, stored.top, false);
        NewScrollWindowSize(RectWidth(stored), RectHeight(stored));
    } else {
        NewScrollWindowSize(RectWidth(content), RectHeight(content));
        SetWindowPlace(gPositionPreferences, kPlacePrompterScrolling,
                       Rect{0, 0, RectHeight(content), RectWidth(content)});
        gPositionPrefsChanged = true;
    }
}

void ErasePrompter() {
    if (!myScrollWindow) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myScrollWindow));
    const RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    RGBBackColor(&back);
    const Rect content = GetScrollWindowContent();
    EraseRect(&content);
    SetPort(saved);
}

// Editing also lets a press in the selection drag it.
void SetAutoScroll(WEReference we, SInt16 on) {
    if (!we) return;
    WEFeatureFlag(weFAutoScroll, on, we);
    WEFeatureFlag(weFDragAndDrop, on, we);
}
