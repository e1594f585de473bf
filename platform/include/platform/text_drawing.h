// Fonts and simple text in ports: family numbers, faces, pixel sizes, integer metrics, measuring and
// drawing Mac Roman text at the pen. Sizes are pixels (72 points to the inch).
//
// Family numbers are stable: the classic numbers for the classic names, mapped onto installed families
// (0 the system font, 1 the application font, 4 the monospace font of controls, 20 a serif, 21 a sans
// serif, 22 a monospace), and a deterministic number for every other installed family.
#pragma once

#include "platform/drawing.h" // GrafPort
#include "platform/geometry.h"
#include "platform/types.h"

#include <string>
#include <vector>

enum : SInt16 {
    systemFont = 0,
    applicationFont = 1,
    kFontNewYork = 2,
    kFontGeneva = 3,
    kFontMonaco = 4,
    kFontTimes = 20,
    kFontHelvetica = 21,
    kFontCourier = 22,
    kFontSymbol = 23
};

// Face bits, with the meaning they have everywhere in the program.
enum : SInt16 {
    normal = 0,
    bold = 1,
    italic = 2,
    underline = 4,
    strikeOut = 8,
    dropShadow = 16,
    condense = 32,
    extend = 64,
};

struct FontInfo {
    SInt16 ascent;
    SInt16 descent;
    SInt16 widMax;
    SInt16 leading;
};

void TextFont(SInt16 family);
void TextFace(SInt16 face);
void TextSize(SInt16 size);
// srcOr (the default) draws only the glyphs; srcCopy fills their box with the back colour first;
// srcXor inverts under the glyphs.
void TextMode(SInt16 mode);
SInt16 GetPortTextFont(GrafPort* port);
SInt16 GetPortTextFace(GrafPort* port);
SInt16 GetPortTextSize(GrafPort* port);
SInt16 GetPortTextMode(GrafPort* port);

// Metrics of the current port's font, face and size.
void GetFontInfo(FontInfo* info);
SInt16 CharWidth(UInt8 ch);
SInt16 StringWidth(ConstStr255Param s);
SInt16 TextWidth(const void* text, SInt16 firstByte, SInt16 byteCount);

// Drawing starts at the pen, on the baseline, and moves the pen by the width drawn.
void DrawChar(UInt8 ch);
void DrawString(ConstStr255Param s);
void DrawText(const void* text, SInt16 firstByte, SInt16 byteCount);

// Family number <-> name. An unknown name gives the serif family's number.
void GetFNum(ConstStr255Param name, SInt16* family);
void GetFontName(SInt16 family, StringPtr name);
bool IsFontFamilyInstalled(SInt16 family);
// Every family the program can use, by number, in name order.
std::vector<SInt16> ListFontFamilies();
// Whether the family draws the pixel size from its own glyphs rather than scaling another size: every size
// of an outline font, only the sizes a bitmap font was made in.
bool RealFont(SInt16 family, SInt16 size);
// Tests fix the sizes a family counts as real; an empty list hands the family back to the font database.
void FixRealFontSizes(SInt16 family, const std::vector<SInt16>& sizes);
