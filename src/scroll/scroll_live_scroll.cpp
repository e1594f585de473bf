// The prompter's scroll bar: drawn in the column at the window's right edge from the scroll position, and
// its thumb tracked live so that the text follows it while the button is held.
#include "controls/scroll_controls.h"
#include "foundation/window_references.h"
#include "platform/events.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/shell_globals.h"

#include <algorithm>

namespace {

constexpr SInt16 kBarWidth = 15;
// The arrows and the thumb's own length take this much of the bar; the rest maps onto the range.
constexpr SInt16 kBarEnds = 45;

} // namespace

void ScrollLiveScroll(ScrollBarValues* bar, const Rect* barRect, SInt16 startV, ScrollBarGlue glue) {
    if (!bar || !barRect || !glue) return;
    const SInt32 start = bar->value, maximum = bar->maximum;
    const SInt32 travel = RectHeight(*barRect) - kBarEnds;
    if (travel <= 0 || maximum <= 0) {
        while (StillDown()) {
        }
        return;
    }
    // Anywhere across, as long as the mouse stays within the bar's height.
    auto follow = [&] {
        Point mouse;
        GetMouse(&mouse);
        if (mouse.v < barRect->top || mouse.v >= barRect->bottom) return;
        const SInt32 value =
            std::clamp<SInt32>(start + SInt32(double(mouse.v - startV) / travel * maximum), 0, maximum);
        if (value == bar->value) return;
        const SInt16 old = bar->value;
        bar->value = SInt16(value);
        glue(bar->value, old);
    };
    while (StillDown())
        follow();
    follow(); // where the button was let go
}

Rect GetPrompterScrollBarRect() {
    Rect bounds{};
    if (myScrollWindow) GetPortBounds(GetWindowPort(myScrollWindow), &bounds);
    bounds.left = SInt16(bounds.right - kBarWidth);
    bounds.bottom = SInt16(bounds.bottom - kBarWidth);
    return bounds;
}

void DrawPrompterScrollBar(bool always) {
    // One bar for the prompter's life, laid out again only when the window's size changes: a scroll tick
    // that draws it allocates nothing.
    static MyScrollControl bar;
    static Rect lastThumb{};
    static bool drawn = false;
    // The bar shows the position while the text scrolls; in edit mode its column stays clear.
    if (!myScrollWindow || gScrollOn == 0) return;
    const Rect place = GetPrompterScrollBarRect();
    if (place.bottom - place.top < 3 * kBarWidth) return;
    if (!EqualRect(&place, &bar.bar) || bar.window != myScrollWindow) {
        bar.window = myScrollWindow;
        PlaceMyScrollControl(&bar, place);
        always = true;
    }
    bar.minimum = 0;
    bar.maximum = gScrollExtraHeight > 0 ? double(gScrollExtraHeight) : 0.0;
    bar.value = -gScrollCurrentPos;
    RecalMyScrollControl(&bar, false, kScrollBarNormal, nullptr);
    if (!always && drawn && EqualRect(&bar.thumb, &lastThumb)) return;
    lastThumb = bar.thumb;
    drawn = true;
    UpdateMyScrollControl(&bar, kScrollBarNormal);
}

void PrompterLiveScroll(SInt16 startV) {
    if (!myScrollWindow) return;
    const WindowReference saved = GetPortReference();
    SetGWorld(GetWindowPort(myScrollWindow), nullptr);
    const Rect bar = GetPrompterScrollBarRect();
    ScrollLiveScroll(&gVScrollScroll, &bar, startV, VScrollScrollGlue);
    SetPortByReference(saved);
    DrawPrompterScrollBar(true);
}
