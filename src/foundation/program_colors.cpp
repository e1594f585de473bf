// Program colour numbers over the program colour table, and the standard colour table of indexed
// pictures.
#include "foundation/program_colors.h"

#include "ebook/format_palette.h"
#include "effects/effects.h"
#include "foundation/foundation_prefs.h"
#include "foundation/keyword_dictionary.h"
#include "foundation/small_math.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "scroll/scroll_engine.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "textengine/text_effect_globals.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

Handle gOVColors = nullptr;

namespace {

constexpr ResType kProgramTableType = FourCC("cLut");
constexpr ResID kProgramTableId = 128;
constexpr ResType kStandardTableType = FourCC("clut");
constexpr ResID kStandardTableId = 1600;
constexpr RGBColor kDefaultMarker{1, 2, 3};

Handle standardColors = nullptr;
std::vector<MenuRef> gColorMenus;

Handle GetStandardColors() {
    if (!standardColors) standardColors = LoadColorTable(kStandardTableType, kStandardTableId);
    return standardColors;
}

// The colour of a number that is neither the default nor the list switch.
bool LookUpProgramColor(Handle table, SInt16 number, RGBColor* rgb) {
    if (number >= 0 && number < ColorTableHighestIndex(table)) {
        *rgb = ColorTableEntry(table, number);
        return true;
    }
    if (number == kLastChosenColor) {
        *rgb = gGotColor;
        return true;
    }
    return false;
}

void CycleColorListLength() {
    const SInt32 length = GetFoundationPref(FoundationPref::ColorListLength);
    SInt32 next = 1;
    if (length == kShortColorList)
        next = kNamedColorList;
    else if (length == kNamedColorList)
        next = kFullColorList;
    else if (length == kFullColorList)
        next = kShortColorList;
    SetFoundationPref(FoundationPref::ColorListLength, next);
    for (MenuRef menu : gColorMenus)
        CheckColorsInMenu(menu);
    CheckColorsInFormatPal();
    CheckColorsInSpirographWin();
    CheckColorsInFindStyle();
}

struct HSL {
    UInt16 hue, saturation, lightness;
};

// Hue, saturation and lightness as 16-bit fractions (hue a fraction of the full circle).
HSL ToHSL(const RGBColor& c) {
    const double r = c.red / 65535.0, g = c.green / 65535.0, b = c.blue / 65535.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const double l = (hi + lo) / 2, d = hi - lo;
    double h = 0, s = 0;
    if (d > 0) {
        s = l < 0.5 ? d / (hi + lo) : d / (2 - hi - lo);
        if (hi == r)
            h = (g - b) / d + (g < b ? 6 : 0);
        else if (hi == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
    }
    auto to16 = [](double v) { return UInt16(std::lround(std::clamp(v, 0.0, 1.0) * 65535.0)); };
    return HSL{to16(h), to16(s), to16(l)};
}

UInt32 HSLDistance(const HSL& a, const HSL& b) {
    const UInt32 dh = UInt32(std::abs(a.hue - b.hue));
    const UInt32 ds = UInt32(std::abs(a.saturation - b.saturation));
    const UInt32 dl = UInt32(std::abs(a.lightness - b.lightness));
    return dh * 65536u + (2 * ds) / 3 + dl / 3;
}

} // namespace

Handle GetMyColorPalette() {
    if (gOVColors) return gOVColors;
    Handle table = LoadColorTable(kProgramTableType, kProgramTableId);
    if (!table) return nullptr;
    if (ColorTableEntryCount(table) < kHighestProgramColorIndex) {
        if (!PadColorTable(table, kProgramColorCount, gDropColor)) {
            DisposeHandle(table);
            return nullptr;
        }
        gColorsCustom = true;
    }
    gOVColors = table;
    return gOVColors;
}

bool GetOVColor(SInt16 number, RGBColor* rgb, SInt16 mode) {
    if (number == kColorListSwitch) {
        CycleColorListLength();
        return false;
    }
    if (!rgb) return false;
    if (number == kDefaultColor) {
        if (mode == kDefaultAsMarker) {
            *rgb = kDefaultMarker;
            return true;
        }
        if (mode != kDefaultAsRandom) return GetColorDialog(0, rgb);
        number = GetRandomColorNum();
    }
    Handle table = GetMyColorPalette();
    return table && LookUpProgramColor(table, number, rgb);
}

void SetOVColor(SInt16 number, RGBColor* rgb) {
    Handle table = GetMyColorPalette();
    if (!table) return;
    if (number == kDefaultColor) number = SInt16(GetFoundationPref(FoundationPref::DefaultColorNumber));
    RGBColor color;
    if (!LookUpProgramColor(table, number, &color)) return;
    RGBForeColor(&color);
    if (rgb) *rgb = color;
}

SInt16 FindColorInClut(const RGBColor* rgb, SInt16 mode) {
    Handle table = GetMyColorPalette();
    if (!table || !rgb) return 0;
    if (mode == kDefaultAsMarker && *rgb == kDefaultMarker) return kDefaultColor;
    const SInt16 highest = ColorTableHighestIndex(table);
    for (SInt16 i = 1; i <= highest; ++i)
        if (ColorTableEntry(table, i) == *rgb) return i;
    if (*rgb == gGotColor) return kLastChosenColor;
    return 0;
}

SInt16 FindColorByName(ConstStringPtr name, SInt16 mode, bool fallback) {
    char word[256] = {};
    if (name) std::copy(name + 1, name + 1 + name[0], word);
    const SInt16 at = matchdict(kColorNameList, kWholeList, kWholeList, word, mode);
    // Names skip the reserved numbers 7, 8 and 9.
    if (at >= 0) return at <= 5 ? SInt16(at + 1) : SInt16(at + 4);
    return fallback ? 2 : -1;
}

SInt16 GetRandomColorNum() {
    SInt32 r;
    do {
        r = (SInt32(Random16()) * 773) >> 16;
    } while (r >= 6 && r <= 8);
    return SInt16(r + 1);
}

bool GetStandardColor(SInt16 index, RGBColor* rgb, bool remap) {
    Handle table = GetStandardColors();
    if (!table || !rgb || index < 0 || index > ColorTableHighestIndex(table)) return false;
    if (remap && index == gRemapIndex) {
        if (gRemapColor > 999) {
            const SInt16 k = SInt16(gRemapColor - 1000);
            return GetOVColor(k < 7 ? k : SInt16(k + 3), rgb, kDefaultAsMarker);
        }
        if (gRemapColor < 0 || gRemapColor > ColorTableHighestIndex(table)) return false;
        index = gRemapColor;
    }
    *rgb = ColorTableEntry(table, index);
    return true;
}

SInt16 FindColorInStandardClut(const RGBColor* rgb, bool nearest) {
    Handle table = GetStandardColors();
    if (!table || !rgb) return 0;
    const SInt16 highest = ColorTableHighestIndex(table);
    for (SInt16 k = 0; k <= highest; ++k)
        if (ColorTableEntry(table, k) == *rgb) return k;
    if (!nearest) return 0;
    const HSL want = ToHSL(*rgb);
    SInt16 best = 0;
    UInt32 bestDistance = 0xFFFFFFFFu;
    for (SInt16 k = 0; k <= highest; ++k) {
        const UInt32 distance = HSLDistance(want, ToHSL(ColorTableEntry(table, k)));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = k;
        }
    }
    return best;
}

void AddColorMenu(MenuRef menu) {
    if (menu && std::find(gColorMenus.begin(), gColorMenus.end(), menu) == gColorMenus.end())
        gColorMenus.push_back(menu);
}

void RemoveColorMenu(MenuRef menu) {
    std::erase(gColorMenus, menu);
}

void ForgetColorTables() {
    if (gOVColors) DisposeHandle(gOVColors);
    if (standardColors) DisposeHandle(standardColors);
    gOVColors = standardColors = nullptr;
    gColorsCustom = false;
}
