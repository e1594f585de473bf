// Text drawn in the current port with its font and face: at a point with an alignment, justified to a
// width, and laid out in a box with wrapping, condensing and vertical centring.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

enum : SInt16 {
    kAlignLeft = 0,
    kAlignRight = 1, // the text ends one pixel left of x
    kAlignCentre = 2,
    kAlignJustified = 3, // in a box; at a point it draws from x
    kAlignLeftBreakingWords = 4,
};

// The width of a string as the prompter's text measures it.
SInt16 MeasureAString(ConstStringPtr string);
void DrawAString(SInt16 x, SInt16 y, ConstStringPtr string, SInt16 alignment);
// Numbers drawn the same way; right alignment ends at x without the extra pixel.
void DrawALong(SInt16 x, SInt16 y, SInt32 number, SInt16 alignment);
void DrawADouble(SInt16 x, SInt16 y, double number, SInt16 alignment);
// A zero-terminated string of at most 255 bytes.
void DrawAText(SInt16 x, SInt16 y, const char* text, SInt16 alignment);
// Spreads the string over width by widening its spaces; drawn plainly when it has none.
void DrawJustifiedString(SInt16 x, SInt16 y, SInt16 width, ConstStringPtr string);
// Lays the string out in the box, clipped to it: on one line when it fits (condensed first when the box
// holds only one line), else wrapped at spaces and carriage returns with the line step `percent` of the
// font's line height; `centre` centres a single line vertically.
void DrawStringInBox(const Rect* box, ConstStringPtr string, SInt16 alignment, SInt16 percent, bool centre);
// The first 255 bytes of a text; nothing for a length of 0.
void DrawTextBlockInBox(const Rect* box, const void* text, SInt32 length, SInt16 alignment, SInt16 percent,
                        bool centre);
