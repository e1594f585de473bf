// The program's colour numbers: indexes into its colour table ('cLut' 128) with a few reserved numbers,
// the standard colour table ('clut' 1600) of indexed pictures, and look-ups by colour and by name.
//
// Both tables are colour tables as stored: a 32-bit seed, 16-bit flags, the 16-bit highest index, then
// 8-byte entries (value, red, green, blue). In memory they are kept in this machine's byte order.
#pragma once

#include "foundation/color_table_loading.h"
#include "platform/dialogs.h"
#include "platform/geometry.h"
#include "platform/menus.h"
#include "platform/types.h"

enum : SInt16 {
    kNotAColor = 7,
    kDefaultColor = 8,        // the preferences' default colour; the marker colour {1, 2, 3} stands for it
    kColorListSwitch = 9,     // cycles the length of the colour lists
    kLastChosenColor = 773,   // gGotColor
    kProgramColorCount = 774, // numbers 0 to 773
};

// How GetOVColor treats the default colour 8.
enum : SInt16 { kDefaultAsMarker = 1, kDefaultAsRandom = 2 };

// Colour-list lengths.
enum : SInt32 { kShortColorList = 0, kNamedColorList = 1, kFullColorList = 2 };

// The program colour table; set when it had to be padded to 774 entries.
extern Handle gOVColors;
extern bool gColorsCustom;

// The program table, loaded on first use; null when the resource is missing.
Handle GetMyColorPalette();
// The colour of a program colour number into rgb; true when one was produced. Number 9 cycles the
// colour-list length and answers false.
bool GetOVColor(SInt16 number, RGBColor* rgb, SInt16 mode);
// Makes the colour the current port's foreground colour and copies it out when rgb is given.
void SetOVColor(SInt16 number, RGBColor* rgb);
// The program colour number of an exact colour, or 0.
SInt16 FindColorInClut(const RGBColor* rgb, SInt16 mode);
// The program colour number of a colour name, or -1 (2 with fallback).
SInt16 FindColorByName(ConstStringPtr name, SInt16 mode, bool fallback);
// A random program colour number from 1 to 773, never 7, 8 or 9.
SInt16 GetRandomColorNum();

// Entry `index` of the standard table; with remap, the star pictures' recoloured index gives its
// replacement colour.
bool GetStandardColor(SInt16 index, RGBColor* rgb, bool remap);
// The index of an equal entry of the standard table; else, with nearest, the entry nearest in hue,
// saturation and lightness; else 0.
SInt16 FindColorInStandardClut(const RGBColor* rgb, bool nearest);

// Colour menus whose length follows the colour-list preference: whoever builds one adds it, and takes
// it out before disposing of it.
void AddColorMenu(MenuRef menu);
void RemoveColorMenu(MenuRef menu);

// Draws a sample of the font or colour named in item 14 of the dialog into the item's rectangle.
void DrawSelectedTextSample(DialogPtr dialog, SInt16 item);

// Drops both loaded tables so that the next use reads them again.
void ForgetColorTables();
