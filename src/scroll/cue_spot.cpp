// Where the cue marker stands in the cue column: placed by dragging, at a fixed share of the column, or
// at its start, for every rotation and flip of the output.
#include "scroll/cue_marker.h"

#include "prefs/prefs_fields.h"
#include "shell/shell_globals.h"

#include <cmath>

namespace {

constexpr SInt16 kCueKindFromTop = 1;
constexpr SInt16 kCueKindDragged = 7;

// a's top-left and its bottom-right less one lie in b.
bool LiesWithin(const Rect& a, const Rect& b) {
    auto in = [&](SInt16 v, SInt16 h) { return v >= b.top && v < b.bottom && h >= b.left && h < b.right; };
    return in(a.top, a.left) && in(SInt16(a.bottom - 1), SInt16(a.right - 1));
}

Rect Sized(SInt16 top, SInt16 left, SInt16 width, SInt16 height) {
    return Rect{top, left, SInt16(top + height), SInt16(left + width)};
}

// Where the marker would stand before the settings place it: the stored spot at rest, a corner of the
// column while scrolling.
Rect CandidateSpot(SInt16 w, SInt16 h, bool scrolling, SInt16 turn, bool flip) {
    const Rect& cue = gCueRect;
    if (!scrolling || EmptyRect(&cue)) {
        const Rect stored = GetPref(gThePreferences, kPrefCueRect);
        return Sized(stored.top, stored.left, w, h);
    }
    if (turn == -1) return Sized(cue.top, flip ? SInt16(cue.right - h) : cue.left, h, w);
    if (turn == 1) return Sized(cue.top, flip ? cue.left : SInt16(cue.right - h), h, w);
    return Sized(flip ? SInt16(cue.bottom - h) : cue.top, cue.left, w, h);
}

// Moves a dragged marker to its share of the column, from the end the output reads from.
Rect PlaceDragged(Rect c, bool scrolling, SInt16 turn, bool flip) {
    const Rect& cue = gCueRect;
    // A share outside 0 to 1 (or not a number) would move the marker off the column.
    const double share = gCuePositionPercent >= 0 && gCuePositionPercent <= 1 ? gCuePositionPercent : 0;
    if (!scrolling || (turn == 0 && !flip)) {
        OffsetRect(&c, 0, SInt16(cue.top - c.top + SInt16(std::trunc(share * RectHeight(cue)))));
    } else if (turn == 0) {
        OffsetRect(&c, 0, SInt16(cue.bottom - c.bottom - SInt16(std::trunc(share * RectHeight(cue)))));
    } else if ((turn == -1) != flip) {
        OffsetRect(&c, SInt16(cue.left - c.left + SInt16(std::trunc(share * RectWidth(cue)))), 0);
    } else {
        OffsetRect(&c, SInt16(cue.right - c.right - SInt16(std::trunc(share * RectWidth(cue)))), 0);
    }
    return c;
}

// How far along the column a fixed kind places the marker.
SInt16 KindDistance(SInt16 kind, SInt16 length, SInt16 h) {
    switch (kind) {
    case 0:
        return SInt16(length / 2 - h / 2);
    case 2:
        return SInt16(length / 4 - h / 2);
    case 3:
        return SInt16(length / 3 - h / 2);
    case 4:
        return SInt16(2 * length / 3 - h / 2);
    case 5:
        return SInt16(3 * length / 4 - h / 2);
    case 6:
        return SInt16(length - h);
    default:
        return 0;
    }
}

} // namespace

void GetCueSpotRect(Rect* out) {
    if (!out) return;
    if (!gCueSpotChanged) {
        *out = gCueSpot;
        return;
    }
    PrefsRecord& p = gThePreferences;
    const bool scrolling = gScrollOn != kScrollOff;
    const SInt16 turn = GetPref(p, kPrefRotation);
    const bool flip = GetPref(p, kPrefFlip) != 0;
    const bool turned = scrolling && (turn == 1 || turn == -1);
    SInt16 w = kCueArrowWidth, h = kCueArrowHeight;
    if (gTheCue) {
        Rect bounds{};
        GetCIconBounds(gTheCue, &bounds);
        w = RectWidth(bounds);
        h = RectHeight(bounds);
    }
    Rect c = CandidateSpot(w, h, scrolling, turned ? turn : 0, flip);
    // A spot left outside the column (the window shrank) gives up its placing: the kind falls back to 0,
    // so a dragged marker never needs a place of its own outside the column.
    if (!LiesWithin(c, gCueRect)) SetPref(p, kPrefCuePositionKind, 0);
    SInt16 kind = GetPref(p, kPrefCuePositionKind);
    if (kind < 0 || kind > kCueKindDragged) kind = kCueKindFromTop;
    if (kind == kCueKindDragged) {
        *out = PlaceDragged(c, scrolling, turned ? turn : 0, flip);
    } else {
        const Rect& cue = gCueRect;
        *out = turned ? Sized(cue.top, cue.left, h, w) : Sized(cue.top, cue.left, w, h);
        if (GetPref(p, kPrefPositionsFromCue)) {
            const SInt16 d = KindDistance(kind, turned ? RectWidth(cue) : RectHeight(cue), h);
            if (turned)
                OffsetRect(out, d, 0);
            else
                OffsetRect(out, 0, d);
        }
    }
    gCueSpot = *out;
    gCueSpotChanged = false;
}

void AdjustRectCue(const Rect* from, const Rect* to, Rect* r) {
    if (!from || !to || !r || EmptyRect(r)) return;
    const SInt16 dh = SInt16(to->left - from->left);
    SInt16 dv = SInt16(to->top - from->top);
    const SInt32 fromHeight = RectHeight(*from), toHeight = RectHeight(*to);
    // A frame without height has no share to keep: the rectangle moves with the frame's top.
    if (fromHeight != toHeight && fromHeight != 0) {
        const SInt32 d = r->top - from->top;
        dv = SInt16(dv - SInt32(std::trunc(d - double(d) * toHeight / fromHeight)));
    }
    OffsetRect(r, dh, dv);
}
