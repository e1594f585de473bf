// Small services of the shell: the running-time clock, the folder scripts are saved in without a dialog,
// the save dialogs by kind, closing every tool window and the speech channel.
#pragma once

#include "platform/windows.h"

#include <string>

// Zeroes the countdown to the next scroll step.
void InitTimers();
// The running-time clock goes on (StartTimer returns that it runs) or stands still.
bool StartTimer();
void StopTimer();
void SetMyScriptsPath();
// Any key is down.
bool KeyPressed();

// Starts the save dialog for the save kind 1 to 9 (the answer saves through the dialog's handler) and
// returns its status; any other kind opens no dialog and is returned as it is.
SInt16 GetOutFile(SInt16 kind);
// Starts the open dialog for a script, and for background music; the dialog's status.
OSStatus GetFile();
OSStatus DoOpenMusic();
// Leaves the recorded-syllable pacing for the default pacing when the script has no syllable times.
void ClearKaraokeMode();
// Closes every open tool window; the prompter stays.
void CloseAllWindows();
// Makes the speech channel when there is none; disposes of it.
void DoSetupSpeech();
OSErr NoMorespeech();

// ---- What the scroll tick asks of the window dragging and the text pop-up ----
// A turbo drag of the prompter text is running while the button stays down.
extern bool turboing;
// Where the drag began (the press, in global coordinates), and the speed and direction then.
extern Point turboloc;
extern UInt16 turbospeed;
extern SInt16 turbodir;
// Over the star field: the star speed when the drag began.
extern double turbostarspeed;
// An entry of the star colour test: 0 to 255 the colour the star pictures leave out, -1 to -256 the
// standard colour 0 to 255 they recolour, -1000 to -1255 the colour 0 to 255 it becomes; "color" (any
// case) shows or hides the colour grid, other text names a test picture. The field is then repainted.
void ApplyStarColorTestEntry(const std::string& entry);
// The drag's own step: the mouse's distance above the press (in curEvent) sets speed and direction.
void DoApp1Event();
// The speed and direction a turbo drag gives for a distance moved up from the press: on top of the speed
// when going forward, against it when going back, turning round when it passes zero.
struct TurboSetting {
    SInt16 speed;
    SInt16 direction;
};
TurboSetting TurboSpeedFor(SInt32 distance, SInt32 speed, SInt16 direction);
// Where the button went down (local to the window clicked), and the tick of the latest press or release.
extern Point geeMouseDownPosition;
extern UInt32 geeMouseDownTime;
// The pop-up of text commands at a point of a window.
void DoTextPopup(Point where, SInt16 flag, UInt32 when, WindowPtr window, bool mouseIsDown);
