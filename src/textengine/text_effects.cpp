// Text effects of the Unicode layout: colours that follow the text, shadow offsets in proportion to the
// font, and the tab stops.
#include "textengine/text_effects.h"

#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "textengine/text_effect_globals.h"

#include "platform/memory.h"
#include "platform/text_drawing.h"

#include <algorithm>

bool IsClassicText() {
    return GetPref(gThePreferences, kPrefClassicText) != 0;
}

static bool SameColor(const RGBColor& a, const RGBColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

RGBColor DerivedShadowColor(RGBColor text) {
    const UInt16 largest = std::max({text.red, text.green, text.blue});
    if (largest == 0) return RGBColor{61440, 61440, 61440};
    auto each = [&](auto f) {
        return RGBColor{UInt16(f(text.red)), UInt16(f(text.green)), UInt16(f(text.blue))};
    };
    if (largest >= 16384) return each([](UInt32 c) { return c / 2; });
    if (largest <= 63) return each([](UInt32 c) { return c * 20 + 100; });
    if (largest <= 1023) return each([](UInt32 c) { return c * 10; });
    return each([](UInt32 c) { return c * 4; });
}

RGBColor EffectColor(RGBColor setting, RGBColor text) {
    return SameColor(setting, kColorFollowsText) ? text : setting;
}

// The width of "A" in the style, which the shadow offsets are given in percent of; measured in the current
// port with its text state kept.
static SInt32 WidthOfA(const WETextStyle& style) {
    GrafPtr port = nullptr;
    GetPort(&port);
    if (!port) return 0;
    const SInt16 font = GetPortTextFont(port), face = GetPortTextFace(port), size = GetPortTextSize(port);
    TextFont(style.font);
    TextFace(style.face);
    TextSize(style.size);
    const SInt32 width = CharWidth('A');
    TextFont(font);
    TextFace(face);
    TextSize(size);
    return width;
}

void FillUnicodeRunStyle(const WETextStyle& style, SInt32 length, UnicodeRunStyle* run) {
    run->length = length;
    run->font = style.font;
    run->face = style.face;
    run->size = style.size > 0 ? style.size : 12;
    run->color = style.color;
    run->strikeCount = std::max<SInt16>(gStrikeCount, 1);
    run->strikeColor = EffectColor(gStrikeColor, style.color);
    run->underlineCount = std::max<SInt16>(gUnderlineCount, 1);
    run->underlineColor = EffectColor(gUnderlineColor, style.color);
    run->shadowDx = run->shadowDy = 0;
    run->shadowBlur = 0;
    if (style.face & kWEShadow) {
        run->shadowColor =
            SameColor(gDropColor, kColorFollowsText) ? DerivedShadowColor(style.color) : gDropColor;
        const float a = float(WidthOfA(style));
        run->shadowDx = float(gDropWidth) / 65536.0f / 100.0f * a;
        run->shadowDy = float(gDropHeight) / 65536.0f / 100.0f * a;
        run->shadowBlur = SInt16(std::clamp(gDropBlur, 0.0f, 100.0f));
    }
}

SInt32 GetUnicodeTabs(UnicodeTab* tabs) {
    // Without the document's own stops the text tabs to the defaults the rulers show.
    const bool own = gTabList && *gTabList && GetHandleSize(gTabList) >= Size(sizeof(TabList));
    const TabList& list = own ? *reinterpret_cast<const TabList*>(*gTabList) : gDefaultTabList;
    const SInt32 count = std::clamp<SInt32>(list.count, 0, kMaxTabStops);
    for (SInt32 i = 0; i < count; i++)
        tabs[i] = UnicodeTab{list.positions[i], list.kinds[i]};
    return count;
}
