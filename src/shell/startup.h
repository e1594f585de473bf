// Start-up and quit: the program's whole life from the command line to the end of the event loop, and the
// state they keep for the rest of the program.
#pragma once

#include "platform/events.h"
#include "platform/single_instance.h"
#include "prefs/prefs_record.h"

#include <string>
#include <vector>

// The preferences as loaded at start-up, taken once; "back to the loaded settings" copies them back.
extern PrefsRecord gSavePreferences;
// Back style of the prompter's text rectangle as loaded.
extern SInt16 gRememberRectBackStyle;
// The toolbar's button list: 16-bit values in this machine's order; an empty handle when the program has
// none.
extern Handle gToolbarButtonList;
// The direction that pause and speed ramping keep and aim for.
extern SInt16 gSaveScrollDir;
extern SInt16 gWantScrollDir;
// The menu bar's height (whether the program hid it is gMBarHidden, menu_bar_and_menus.h).
extern SInt16 gRealMBarHeight;
// The running-time clock advances.
extern bool gTimerRunning;
// The classic record of the event being handled (its modifiers are kept current by the handlers), and the
// last one seen while the button was down.
extern EventRecord curEvent;
extern EventRecord stopEvent;
// The application's event handler, installed at start-up and removed at quit.
extern EventHandlerRef gAppEventHandler;

// The whole life of the program: starts the platform, hands the files named on the command line to a
// copy that already runs (and returns 0) or starts up, runs the event loop and quits. Returns the exit
// status.
int OrvalisMain(int argc, char** argv);

// Everything before the event loop, once the platform is started and the application's resource file is
// open as gMainResFileNum: settings, folders, patch files, menus, the prompter window, the start-up
// document, the handlers, the mode and the timer. False when the prompter window could not be opened;
// the caller then quits without running the loop.
bool StartUp();
void Initialize();
// Reads the preference records over their defaults, keeps the loaded copy and hands the settings to the
// services that keep their own copies.
void LoadPreferenceRecords();
// The drop-shadow defaults and the underline, strike-out and shadow settings, from the live preferences.
void SetTextEffectsFromPrefs();
// Opens patch0.res to patch9.res from the program's folder into gPatchResFile (kNoResFile where one does
// not open), reads the command-window line with the last one current, and makes the application's file
// current again; ClosePatchFiles closes those that are open.
void OpenPatchFiles();
void ClosePatchFiles();
// Everything after the event loop: media and timer stopped, scroll mode left, the changed preference
// records written, windows and patch files closed.
void QuitProgram();
// The end of quit, also taken alone when start-up could not open the prompter: the changed preference
// records written, every window and the patch files closed, nothing left running.
void CloseProgram();
// Writes back the preference records that changed and that the settings say to keep.
void WriteChangedPreferences();

// Brings the program's windows in front of other programs'.
OSStatus MakeMeTheFrontProcess();

// The key under which a running copy serves later starts: one per settings folder, so that copies with
// different homes (tests, other users) never meet.
std::string SingleInstanceKey();
// Hands the files to the copy already serving this settings folder, or makes this copy the one that
// serves it: files handed over later are opened as the desktop's open-documents request.
SingleInstanceResult ClaimProgramInstance(const std::vector<std::string>& files);
// Files named on the command line, made absolute against the current folder.
std::vector<std::string> CommandLineFiles(int argc, char** argv);
// Copies the preference fields that services keep in globals of their own into those globals, after a
// whole preference record was loaded.
void CopyPrefsToServiceGlobals();
