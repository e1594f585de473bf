// Small services of the shell that start-up and the timer use: the running-time countdown and the folder
// scripts are saved in without a dialog.
#pragma once

#include "platform/windows.h"

// Zeroes the countdown to the next scroll step.
void InitTimers();
void SetMyScriptsPath();

// Starts the save dialog for the save kind (the answer saves through the dialog's handler).
void GetOutFile(SInt16 kind);

// ---- What the scroll tick asks of the window dragging and the text pop-up ----
// A turbo drag of the prompter text is running while the button stays down.
extern bool turboing;
// The drag's own step, as the event that started it would give it.
void DoApp1Event();
// Where the button went down in the prompter (local), for the press-and-hold pop-up.
extern Point geeMouseDownPosition;
// The pop-up of text commands at a point of a window.
void DoTextPopup(Point where, SInt16 flag, UInt32 when, WindowPtr window, bool mouseIsDown);
