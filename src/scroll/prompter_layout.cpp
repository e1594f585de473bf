// Where the text, the cue column and the information strip go in the prompter, for every rotation,
// mirror and flip of the output.
#include "scroll/prompter_layout.h"

#include "scroll/prompter_window.h"

#include <algorithm>

namespace {

bool Inverted(const Rect& r) {
    return r.right < r.left;
}

// Takes the information strip's 16 pixels from the side where the output will show it.
void CutInfoStrip(Rect* r, const PrompterLayoutSettings& s) {
    const SInt16 turn = s.rotation;
    if (!s.offscreen || !s.scrolling)
        r->bottom -= kInfoStrip;
    else if (turn == 0 && s.flip)
        r->top += kInfoStrip;
    else if ((turn == -1 && !s.flip) || (turn == 1 && s.flip))
        r->right -= kInfoStrip;
    else if (turn != 0)
        r->left += kInfoStrip;
    else
        r->bottom -= kInfoStrip;
}

void CutCueColumn(Rect* r, const PrompterLayoutSettings& s) {
    const SInt16 turn = s.rotation, width = s.cueWidth;
    if (s.offscreen && ((turn == -1 && s.mirror) || (turn == 1 && !s.mirror)))
        r->top += width;
    else if (s.offscreen && turn == 0 && s.mirror)
        r->right -= width;
    else if (s.offscreen && ((turn == -1 && !s.mirror) || (turn == 1 && s.mirror)))
        r->bottom -= width;
    else
        r->left += width;
}

Rect InfoStripInWindow(const PrompterLayoutSettings& s) {
    const Rect& w = s.content;
    if (!s.offscreen || s.rotation == 0) {
        const bool atTop = s.offscreen && s.flip;
        return atTop
                   ? Rect{w.top, w.left, SInt16(w.top + kInfoStrip), SInt16(w.right - kScrollBarStrip)}
                   : Rect{SInt16(w.bottom - kInfoStrip), w.left, w.bottom, SInt16(w.right - kScrollBarStrip)};
    }
    const bool atLeft = (s.rotation == 1) != s.flip;
    if (atLeft) return Rect{w.top, w.left, w.bottom, SInt16(w.left + kInfoStrip)};
    return Rect{w.top, SInt16(w.right - 2 * kScrollBarStrip), w.bottom, SInt16(w.right - kScrollBarStrip)};
}

void LayOutInfoFields(PrompterLayout* layout, const PrompterLayoutSettings& s) {
    const Rect strip = layout->info;
    const bool vertical = s.offscreen && s.rotation != 0;
    const SInt16 length = vertical ? RectHeight(strip) : RectWidth(strip);
    SInt16 at = 0;
    for (int i = 0; i < kInfoFieldCount; ++i) {
        const SInt16 end =
            i < kInfoClickCount ? SInt16(std::min<int>(at + kInfoFieldLengths[i], length)) : length;
        layout->fields[i] = Rect{0, at, kInfoStrip, end};
        at = end;
    }
    // The click fields are where the output shows them: along the strip, from whichever end the mirror
    // and the turn put its start.
    for (int i = 0; i < kInfoClickCount; ++i) {
        const Rect& f = layout->fields[i];
        Rect c = f;
        if (!vertical) {
            const bool mirrored = s.offscreen && s.mirror;
            c.top = strip.top;
            c.bottom = strip.bottom;
            c.left = mirrored ? SInt16(strip.right - f.right) : SInt16(strip.left + f.left);
            c.right = mirrored ? SInt16(strip.right - f.left) : SInt16(strip.left + f.right);
        } else {
            const bool downwards = (s.rotation == 1) != s.mirror;
            c.left = strip.left;
            c.right = strip.right;
            c.top = downwards ? SInt16(strip.top + f.left) : SInt16(strip.bottom - f.right);
            c.bottom = downwards ? SInt16(strip.top + f.right) : SInt16(strip.bottom - f.left);
        }
        layout->clicks[i] = c;
    }
}

Rect CueColumnBeside(const Rect& r, const PrompterLayoutSettings& s) {
    const SInt16 turn = s.rotation, width = s.cueWidth;
    if (s.offscreen && turn == 0 && s.mirror) return Rect{r.top, r.right, r.bottom, SInt16(r.right + width)};
    if (s.offscreen && ((turn == -1 && !s.mirror) || (turn == 1 && s.mirror)))
        return Rect{r.bottom, r.left, SInt16(r.bottom + width), r.right};
    if (s.offscreen && turn != 0) return Rect{SInt16(r.top - width), r.left, r.top, r.right};
    return Rect{r.top, SInt16(r.left - width), r.bottom, r.left};
}

} // namespace

PrompterLayout CalculatePrompterLayout(const PrompterLayoutSettings& s) {
    PrompterLayout layout;
    const Rect& w = s.content;
    if (s.box && Inverted(*s.box)) ++layout.badBoxReports;
    Rect r = w;
    if (s.infoStrip) CutInfoStrip(&r, s);
    r.right -= kScrollBarStrip;
    layout.available = r;
    if (s.box) r = *s.box;
    if (Inverted(r)) ++layout.messedUpReports;
    if (s.cueShown) CutCueColumn(&r, s);
    if (s.infoStrip) {
        // Drawn straight into the window the strip is at the bottom whatever the flip says: the flip needs
        // the offscreen worlds.
        if (s.flip && s.scrolling && s.offscreen)
            r.top = std::max<SInt16>(r.top, SInt16(w.top + kInfoStrip));
        else
            r.bottom = std::min<SInt16>(r.bottom, SInt16(w.bottom - kInfoStrip));
        if (Inverted(r)) ++layout.messedUpReports;
    }
    r.right = std::min<SInt16>(r.right, SInt16(w.right - kScrollBarStrip));
    if (Inverted(r)) ++layout.messedUpReports;
    r.top += s.margins.top;
    r.left += s.margins.left;
    r.bottom -= s.margins.bottom;
    r.right -= s.margins.right;
    if (s.tabRulerShowing && !s.scrolling && s.margins.top >= 0 && s.margins.top <= 16)
        r.top += kTabRulerRoom - s.margins.top;
    if (Inverted(r)) ++layout.messedUpReports;
    // Offscreen worlds are made over the text rectangle; an inverted one would ask for a negative size.
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    layout.text = r;
    if (s.infoStrip) {
        layout.info = InfoStripInWindow(s);
        LayOutInfoFields(&layout, s);
    }
    layout.cue = CueColumnBeside(r, s);
    return layout;
}
