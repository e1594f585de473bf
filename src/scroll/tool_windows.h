// The prompter's companion windows as start-up and quit open and close them: the hide-background window,
// the bookmark list, the toolbar, the nonverbal-cue window and the scroll monitor.
#pragma once

#include "platform/types.h"
#include "textengine/text_engine_types.h"

void OpenHideBackgroundWindow();
void CloseHideBackgroundWindow();
void SetHideBackgroundWindowColor();
void OpenBookmarkWindow();
void CloseBookmarkWindow(SInt16 flag);
void OpenToolbarWindow();
void CloseToolbarWindow(SInt16 flag);
void UpdateToolbarWindow();
void CloseNonverbalWindow();
void CloseScrollMonitorWindow(SInt16 flag);
// Brings the scroll monitor's text to where the prompter now stands.
void SyncScrollMonitorToScroll();
// The nonverbal-cue text: a copy of the window's text, and the word data of that copy.
extern Handle myNonverbalText;
extern Handle gNonverbalWordLineArray;
extern SInt32 gTotalNonverbalWords;
// The nonverbal-cue window's text view; null while the window is closed.
extern WEReference NonverbalWEHandle;
// Puts myNonverbalText into the window (true when there was a window's text to fill), and redraws it.
bool PutNonverbalTextInBox();
void UpdateNonverbalWindow();
