// The Preferences dialog: five panes of controls over a working copy of the settings, which reach the
// live settings only through OK or Use.
#pragma once

#include "platform/dialogs.h"
#include "prefs/prefs_record.h"

#include <string>

void DoPreferences();

// The preferences dialog while it is open, else null.
extern DialogPtr gPrefsDialog;
// Files chosen from the preferences dialog (absolute paths): the automatic file, the background picture.
OSErr CompleteGettingAutoFile(const std::string& file);
OSErr CompleteGettingPrefPicture(const std::string& file);

// Working values of the dialog's sliders (0 to 100) while it is open.
extern SInt16 ssaveScrollWinOpacity;
extern SInt16 ssaveFadeBackAmount;
extern SInt16 ssaveFadeTextAmount;
extern SInt16 ssaveMomentumAmount;
// Draws a slider user item of the dialog at its current value.
void DrawASliderControl(DialogPtr dialog, SInt16 item);

// The pane shown: 0 display, 1 format, 2 layout, 3 extras, 4 special; kept from one opening to the next.
extern SInt16 sWhichSet;
// The window whose text format the format pane edits: 0 prompter, 1 edit, 2 nonverbal, 3 bookmarks,
// 4 scroll monitor, 5 macro editor, 6 other windows.
extern SInt16 gScrollEditRadio;
// Which fade the format pane's slider sets: 0 the background's, 1 the text's.
extern SInt16 gFadedSelectRadio;
// The settings being edited while the dialog is open.
extern PrefsRecord gPrefsWorking;
// The text the format pane's sample shows (length-prefixed; empty until one is picked).
extern Str255 gSampleString;

// The format block of window choice 0-6 (as gScrollEditRadio).
PrefFormat PrefsDialogFormatField(SInt16 window);
// Turns the text engine's justification into the string drawer's alignment.
SInt16 WEtoMyUtilsJustification(SInt16 justification);
