// The script characters the prompter shows at the cue, at the reading position and under a point of the
// window, found through the text engine in the text's drawing frame.
#include "scroll/cue_marker.h"

#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cmath>

namespace {

SInt32 CharacterAt(SInt32 v, SInt32 h) {
    if (!ScrollWEHandle) return 0;
    const LongPoint point{v, h};
    SInt8 edge = 0;
    return WEGetOffset(&point, &edge, ScrollWEHandle);
}

bool PositionsFromCue() {
    return GetPref(gThePreferences, kPrefPositionsFromCue) != 0;
}

} // namespace

SInt32 GetScrollCuePositionCharacter(SInt16* where) {
    const SInt32 v = GetCueScrollRectPosition() + gScrollDestinationRect.top;
    if (where) *where = SInt16(v);
    return CharacterAt(v, gScrollDestinationRect.left);
}

SInt32 GetScrollReadPositionCharacter() {
    if (!ScrollWEHandle) return 0;
    SInt16 v = gScrollDestinationRect.top;
    const SInt32 character = PositionsFromCue()
                                 ? GetScrollCuePositionCharacter(&v)
                                 : CharacterAt(gScrollDestinationRect.top, gScrollDestinationRect.left);
    LongPoint place;
    SInt16 lineHeight = 0;
    WEGetPoint(character, 0, &place, &lineHeight, ScrollWEHandle);
    SInt32 start = 0, end = 0;
    WEGetLineRange(WEOffsetToLine(character, ScrollWEHandle), &start, &end, ScrollWEHandle);
    const SInt32 count = end - start;
    // An empty line or one without height has no part already read: the character stands as found.
    if (count <= 0 || lineHeight <= 0) return character;
    const double passed = 0.5 / count + double(v - place.v) / lineHeight * count;
    // Below the last line (or above the first) the part read runs past the line: keep to the text.
    return std::clamp<SInt32>(character + SInt32(std::trunc(passed)), 0, WEGetTextLength(ScrollWEHandle));
}

SInt32 GetScrollAdjustedCharacter() {
    if (PositionsFromCue()) return GetScrollMiddleofScreenCharacter(GetCueScrollRectPosition());
    return GetScrollZeroPositionCharacter();
}

Point GetScreenPositionTextPoint(Point p) {
    SInt32 v = p.v, h = p.h;
    if (gScrollOn != kScrollOff) {
        const PrefsRecord& prefs = gThePreferences;
        const bool mirror = GetPref(prefs, kPrefMirror) != 0, flip = GetPref(prefs, kPrefFlip) != 0;
        const SInt16 turn = GetPref(prefs, kPrefRotation);
        const Rect& t = gScrollTextRect;
        // The frame the text rectangle was turned in when the layout placed the text.
        Rect w = GetScrollWindowContent();
        w.right -= kScrollBarStrip;
        if (turn == -1) {
            v = flip ? t.right - p.h + t.left : p.h;
            h = mirror ? (p.v - t.top) + (w.bottom - t.bottom) : w.bottom - p.v;
        } else if (turn == 1) {
            v = flip ? (p.h - t.left) + (w.right - t.right) : w.right - p.h;
            h = mirror ? t.bottom - p.v + t.top : p.v;
        } else {
            v = flip ? t.bottom - p.v + t.top : p.v;
            h = mirror ? t.left + t.right - p.h : p.h;
        }
    }
    const auto fit = [](SInt32 x) { return SInt16(std::clamp<SInt32>(x, -32768, 32767)); };
    return Point{fit(v), fit(h)};
}

SInt32 GetScreenPositionCharacter(Point p) {
    const Point upright = GetScreenPositionTextPoint(p);
    return CharacterAt(upright.v, upright.h);
}
