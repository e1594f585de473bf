// Small services of the shell that start-up and the timer use: the running-time countdown and the folder
// scripts are saved in without a dialog.
#pragma once

// Zeroes the countdown to the next scroll step.
void InitTimers();
void SetMyScriptsPath();

// Starts the save dialog for the save kind (the answer saves through the dialog's handler).
void GetOutFile(SInt16 kind);
