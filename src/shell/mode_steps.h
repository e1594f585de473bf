// The steps the scroll and edit mode switches share. Private to the mode switches.
#pragma once

#include "platform/timers.h"
#include "textengine/text_engine_types.h"

// Holds a switch's re-entry flag for the length of one call.
class ReentryGuard {
  public:
    explicit ReentryGuard(bool& flag) : flag_(flag), entered_(!flag) { flag_ = true; }
    ~ReentryGuard() {
        if (entered_) flag_ = false;
    }
    bool Entered() const { return entered_; }

  private:
    bool& flag_;
    bool entered_;
};

void InstallModeTimer(EventTimerInterval interval);
// Tells the open mandala and overlay editors that the mode changed.
void TellEditors();
bool PacingFollowsLines();
// The highlight kind's start (with the line distance of a starting scroll) and end.
void StartScrollHighlight();
void EndScrollHighlight();
// The prompter's opacity while scrolling, from the settings.
float ScrollingOpacity();
void SetScrollOpacity(float alpha);
// The five settings of the screen mode used while scrolling.
void ScreenModeSettings(SInt32 settings[5]);
bool TransformationsAsked();
// Fresh copies of the script before any transformation; false when none is asked or the copies could not
// all be made, and the text must then stay as it is.
bool BackUpBeforeTransforming();
void ShowMergesAndLinks();
void AddLoopingText();
void RemoveLoopingText();
void SaveStartRects();
// Full screen, the set screen size's stored place, or the content size as it is.
void SizeWindowForScrolling();
void ErasePrompter();
void SetAutoScroll(WEReference we, SInt16 on);
