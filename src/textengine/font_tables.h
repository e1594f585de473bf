// The font table kept with stored styled text: the fonts its runs use, by name, so that the runs find the
// same families on a machine that numbers its fonts differently.
#pragma once

#include "textengine/text_engine_types.h"

inline constexpr OSType kFontTableTag = FourCC("FISH");
inline constexpr UInt32 kFontTableVersion = 0x01008000;
inline constexpr OSErr kFontTableVersionErr = -1706;

// Called for each font as the table is built; an error stops the build and is answered.
using WEFontIDToNameProcPtr = OSErr (*)(SInt16 fontID, StringPtr fontName);
// Called for each entry as the table is brought up to date; it may change *newFontID. An error stops the
// update and is answered.
using WEFontNameToIDProcPtr = OSErr (*)(ConstStr255Param fontName, SInt16 oldFontID, SInt16* newFontID);

// Fills the handle with the fonts the record's runs use, once each, in the host's byte order.
OSErr WEBuildFontTable(Handle fontTable, WEFontIDToNameProcPtr filter, WEReference we);
// The same for the runs of a style scrap (either header form): what a stored scrap's fonts are called.
OSErr WEBuildStyleScrapFontTable(Handle fontTable, Handle styleScrap);
// Looks each name up on this machine and records the family found; a name this machine lacks gets the
// application font. *changed (when given) tells whether any family number differs from the stored one.
// Tables in either byte order are read; -1702 for a damaged table, -1706 for a version it does not know.
OSErr WEUpdateFontTable(Handle fontTable, WEFontNameToIDProcPtr filter, Boolean* changed);
// Gives every run of the style scrap the family its stored font maps to in an updated table.
OSErr WEUpdateStyleScrap(Handle styleScrap, Handle fontTable);
