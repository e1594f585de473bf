// How a style run looks to the Unicode layout: its font and colours with the program's text effects
// (shadow, strike and underline colours and counts) and the prompter's tab stops.
#pragma once

#include "textengine/text_engine_types.h"

#include "platform/unicode_layout.h"

// Whether text is measured and broken the classic way (additive integer advances, Roman line breaks).
bool IsClassicText();

// The shadow colour derived from a text colour, for a drop colour that follows the text.
RGBColor DerivedShadowColor(RGBColor text);
// A strike or underline colour setting resolved against the text colour.
RGBColor EffectColor(RGBColor setting, RGBColor text);

// The layout style of a run of length units in the given style, effects taken from the current settings.
void FillUnicodeRunStyle(const WETextStyle& style, SInt32 length, UnicodeRunStyle* run);
// Copies the prompter's tab stops into tabs (room for kMaxTabStops); returns their number.
SInt32 GetUnicodeTabs(UnicodeTab* tabs);
