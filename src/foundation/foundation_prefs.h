// The preference settings that the foundation utilities read and change, reached through one accessor
// so that the rest of this folder never depends on where or how the preference record keeps them.
#pragma once

#include "platform/types.h"

enum class FoundationPref : UInt8 {
    ScrollDirection, // +1 towards the end of the script, -1 back; also the sense of the mouse wheel
    PacingMode,      // 2 is the finish-time mode
    ShowInformation, // the two fields handed to UpdateInfoRect
    InfoShowsTimes,
    DefaultColorNumber, // the program colour that colour 8 (the default colour) stands for
    PlainFontMenus,     // font menus drawn in the system font
    ColorListLength,    // 0 short list, 1 named list, 2 full list
    ClassicText,        // text measured and drawn plainly through the port
    WheelChangesSpeed,  // the mouse wheel changes the speed while the prompter scrolls
};

SInt32 GetFoundationPref(FoundationPref field);
// Stores the value and marks the preferences changed so that they are saved at quit.
void SetFoundationPref(FoundationPref field, SInt32 value);
