// The Preferences dialog.
#pragma once

#include "platform/dialogs.h"

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
