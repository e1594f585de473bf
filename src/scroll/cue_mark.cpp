// Drawing the cue marker: the icon (or the arrow) drawn upright in a small world, turned and mirrored as
// the output is, and copied to its spot in the cue column, over the background while scrolling.
#include "foundation/rect_fitting.h"
#include "scroll/cue_marker.h"
#include "shell/offscreen_worlds.h"

#include "foundation/offscreen_copy.h"
#include "prefs/prefs_fields.h"
#include "scroll/background_picture.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "shell/shell_globals.h"

namespace {

// The marker's small worlds are kept between redraws and made again only when the icon's size or the
// depth changes.
enum CueWorldSlot { kUnderSpot, kUpright, kAsOutput, kCueWorldSlots };
struct CueWorld {
    GWorldPtr world = nullptr;
    Rect bounds{};
    SInt16 depth = 0;
};
CueWorld gCueWorlds[kCueWorldSlots];

GWorldPtr GetCueWorld(CueWorldSlot slot, const Rect& bounds) {
    CueWorld& w = gCueWorlds[slot];
    const SInt16 depth = WorldDepth();
    const bool same = w.world && w.depth == depth && RectWidth(w.bounds) == RectWidth(bounds) &&
                      RectHeight(w.bounds) == RectHeight(bounds);
    if (same) return w.world;
    if (w.world) DisposeGWorld(w.world);
    w = CueWorld{};
    const Rect atOrigin{0, 0, RectHeight(bounds), RectWidth(bounds)};
    if (EmptyRect(&atOrigin) || NewGWorld(&w.world, depth, &atOrigin, nullptr, nullptr, 0) != noErr) {
        w.world = nullptr;
        return nullptr;
    }
    w.bounds = atOrigin;
    w.depth = depth;
    return w.world;
}

void CopyTurned(GWorldPtr source, GWorldPtr destination, const Rect& from, const Rect& to, bool mirror,
                bool flip, SInt16 turn) {
    CopyOffscreentoOffscreen(source, destination, &from, &to, mirror, flip, turn, 0, nullptr, kSourceCopy,
                             nullptr, nullptr, kDestinationCopy, nullptr, nullptr, false, 0);
}

// Three lines that make an arrow pointing right, in r's coordinates.
void DrawCueArrow(const Rect& r) {
    MoveTo(r.left, SInt16(r.top + 1));
    LineTo(r.right, SInt16(r.top + 6));
    LineTo(r.left, SInt16(r.bottom - 1));
    MoveTo(r.left, r.top);
    LineTo(r.right, SInt16(r.top + 5));
    MoveTo(r.right, SInt16(r.top + 7));
    LineTo(r.left, r.bottom);
}

} // namespace

void UpdateCueMark() {
    gCueSpotChanged = true;
    GetCueSpotRect(&gCueSpot);
    const PrefsRecord& p = gThePreferences;
    if (!GetPref(p, kPrefCueMarkerShown)) return;
    const Rect spot = gCueSpot;
    GrafPtr start;
    GetPort(&start);
    const RGBColor textColor = GetPref(p, kPrefPrompterFormat).textColor;
    const RGBColor backColor = GetPref(p, kPrefPrompterFormat).backColor;
    RGBForeColor(&textColor);
    RGBBackColor(&backColor);
    const bool scrolling = gScrollOn != kScrollOff;
    const bool overBackground = scrolling && GetPref(p, kPrefBackgroundKind) != 0;
    if (!overBackground) EraseRect(&gCueRect);
    if (EmptyRect(&spot)) return;

    const SInt16 rotation = GetPref(p, kPrefRotation);
    const SInt16 turn = scrolling && (rotation == 1 || rotation == -1) ? rotation : 0;
    const bool mirror = scrolling && GetPref(p, kPrefMirror) != 0;
    const bool flip = scrolling && GetPref(p, kPrefFlip) != 0;
    const Rect upright = AtOrigin(RotateRect(nullptr, spot, turn, 1));
    const Rect spotAtOrigin = AtOrigin(spot);
    GWorldPtr marker = GetCueWorld(kUpright, upright);
    GWorldPtr output = GetCueWorld(kAsOutput, spotAtOrigin);
    GWorldPtr under = overBackground ? GetCueWorld(kUnderSpot, spotAtOrigin) : nullptr;
    if (!marker || !output || (overBackground && !under)) return;

    SetPort(marker);
    RGBBackColor(&backColor);
    if (overBackground) {
        GrabScreen(start, under, &spot, &spotAtOrigin);
        // Turned output exchanges the mirror and the flip on the way back: this undoes the copy below.
        CopyTurned(under, marker, spotAtOrigin, upright, turn ? flip : mirror, turn ? mirror : flip,
                   SInt16(-turn));
    } else {
        EraseRect(&upright);
    }
    if (gTheCue) {
        PlotCIcon(&upright, gTheCue);
    } else {
        RGBForeColor(&textColor);
        PenNormal();
        DrawCueArrow(upright);
    }
    CopyTurned(marker, output, upright, spotAtOrigin, mirror, flip, turn);

    SetPort(start);
    CopyBitsUnchanged(output, start, &spotAtOrigin, &spot);
    RGBForeColor(&textColor);
    RGBBackColor(&backColor);
}

void DrawCueMark() {
    if (!myScrollWindow) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myScrollWindow));
    UpdateCueMark();
    SetPort(saved);
}
