// The text-layer copy: the upright text world onto the composite world, with the back and colour styles
// and the output's mirror, flip and rotation applied in the one pass.
#include "scroll/text_layer_copy.h"

#include "effects/effects.h"
#include "effects/shapes.h"
#include "foundation/offscreen_copy.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "shell/shell_globals.h"

namespace {

using C = TextLayerColor;

struct BackRow {
    SInt16 kind;
    C color1, color2;
};
constexpr BackRow kBackStyles[] = {
    {1, C::kNone, C::kNone},
    {2, C::kPrompterBack, C::kTextRectBack},
    {3, C::kPrompterBack, C::kNone},
    {4, C::kPrompterBack, C::kNone},
    {5, C::kPrompterBack, C::kNone},
    {6, C::kPrompterBack, C::kNone},
    {5, C::kPrompterBack, C::kBackgroundFade},
};
constexpr BackRow kColorStyles[] = {
    {2, C::kPrompterBack, C::kPrompterBack}, {1, C::kNone, C::kNone},
    {3, C::kPrompterBack, C::kNone},         {4, C::kPrompterBack, C::kNone},
    {5, C::kPrompterBack, C::kNone},         {6, C::kPrompterBack, C::kNone},
    {5, C::kPrompterBack, C::kTextFade},     {2, C::kPrompterBack, C::kTextRectBack},
};

// The colours the compositor reads through its key pointers, decoded from the live record on each copy.
struct ColorValues {
    RGBColor prompterBack;
    RGBColor textRectBack;
    SInt16 backgroundFade;
    SInt16 textFade;
};

const void* Resolve(C which, const ColorValues& values) {
    switch (which) {
    case C::kPrompterBack:
        return &values.prompterBack;
    case C::kTextRectBack:
        return &values.textRectBack;
    case C::kBackgroundFade:
        return &values.backgroundFade;
    case C::kTextFade:
        return &values.textFade;
    case C::kNone:
        break;
    }
    return nullptr;
}

} // namespace

bool ChooseTextLayerStyle(const PrefsRecord& prefs, TextLayerStyle* style) {
    const SInt16 back = GetPref(prefs, kPrefTextRectBackStyle);
    const SInt16 color = GetPref(prefs, kPrefTextColorStyle);
    if (!style || back < 0 || back >= SInt16(std::size(kBackStyles)) || color < 0 ||
        color >= SInt16(std::size(kColorStyles)))
        return false;
    const BackRow& b = kBackStyles[back];
    const BackRow& c = kColorStyles[color];
    *style = TextLayerStyle{b.kind, b.color1, b.color2, c.kind, c.color1, c.color2};
    return true;
}

void DoScrollToExtraCopy(const Rect* sourceRect, const Rect* destinationRect) {
    const PrefsRecord& p = gThePreferences;
    if (!sourceRect || !destinationRect || !gOffscreenScrollWindow || !gOffscreenExtraWindow) return;
    if (GetPref(p, kPrefOverlaysOn)) CopyOverlaysToPort(2);
    TextLayerStyle style;
    if (!ChooseTextLayerStyle(p, &style)) return;
    const ColorValues values{GetPref(p, kPrefPrompterFormat).backColor, GetPref(p, kPrefTextRectBackColor),
                             GetPref(p, kPrefBackgroundFade), GetPref(p, kPrefTextFade)};
    Handle shape = specialshapeinfo;
    if (shape) {
        CheckShapeInfoSize(sourceRect);
        shape = specialshapeinfo;
    }
    if (shape) HLock(shape);
    CopyOffscreentoOffscreen(gOffscreenScrollWindow, gOffscreenExtraWindow, sourceRect, destinationRect,
                             GetPref(p, kPrefMirror) != 0, GetPref(p, kPrefFlip) != 0,
                             GetPref(p, kPrefRotation), UInt16(GetPref(p, kPrefTextFlowsInShape)),
                             shape ? *shape : nullptr, style.backKind, Resolve(style.back1, values),
                             Resolve(style.back2, values), style.colorMode, Resolve(style.text1, values),
                             Resolve(style.text2, values), false, 0);
    if (shape) HUnlock(shape);
}
