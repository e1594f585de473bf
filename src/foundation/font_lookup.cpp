// Font families by name: the platform answers every name with some family, so a name counts as known only
// when the family found carries that name.
#include "foundation/font_lookup.h"

#include "foundation/mac_roman_case.h"
#include "platform/text_drawing.h"

SInt16 FindFontFamilyByName(ConstStr255Param name, SInt16 fallback) {
    const SInt16 unknown = fallback ? SInt16(kFontTimes) : SInt16(-1);
    if (!name || name[0] == 0) return unknown;
    SInt16 family = 0;
    GetFNum(name, &family);
    Str255 found;
    GetFontName(family, found);
    if (found[0] != name[0]) return unknown;
    for (int i = 1; i <= name[0]; ++i)
        if (MacRomanToLower(found[i]) != MacRomanToLower(name[i])) return unknown;
    return family;
}
