// Hooks a text view can install on its record: lines that break only at carriage returns, and drawing
// that marks blanks, tabs and returns.
#pragma once

#include "textengine/text_engine_types.h"

OSErr WEInstallCrOnlyHook(WEReference we);
OSErr WERemoveCrOnlyHook(WEReference we);
Boolean WEIsCrOnly(WEReference we);

// Installing keeps the drawing hook it replaces and draws through it; removing puts it back (-50 when
// the record never had the invisibles installed).
OSErr WEInstallShowInvisiblesHook(WEReference we);
OSErr WERemoveShowInvisiblesHook(WEReference we);
Boolean WEIsShowInvisibles(WEReference we);
// The colour of the marks (grey until one is set); -109 for a null record, -50 when none was set.
OSErr WESetInvisiblesColor(const RGBColor* color, WEReference we);
OSErr WEGetInvisiblesColor(RGBColor* color, WEReference we);

// The drawing hook of shown invisibles: draws the text through the kept hook, then its marks.
void _WEShowInvisiblesDrawText(const UInt8* text, SInt32 length, Fixed slop, SInt16 runPosition,
                               WEReference we);
