// Mapping between the prompter's scroll positions and the characters of its text.
#include "scroll/scroll_position.h"

#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "textengine/text_engine.h"

namespace {

constexpr SInt32 kNoDistance = 0x7FFFFFFF;

SInt32 CharacterAt(SInt32 v, SInt32 h) {
    if (!ScrollWEHandle) return 0;
    const LongPoint point{v, h};
    SInt8 edge = 0;
    return WEGetOffset(&point, &edge, ScrollWEHandle);
}

SInt32 LineTop(SInt32 offset, SInt16* lineHeight) {
    LongPoint point;
    WEGetPoint(offset, 0, &point, lineHeight, ScrollWEHandle);
    return point.v;
}

} // namespace

// The text is laid out in gScrollDestinationRect, whose left edge is the text's own left for every
// rotation.
SInt32 GetScrollMiddleofScreenCharacter(SInt32 dy) {
    return CharacterAt(GetScrollLeadingEdge() + dy, gScrollDestinationRect.left);
}

SInt32 GetScrollZeroPositionCharacter() {
    return CharacterAt(gScrollDestinationRect.top, gScrollDestinationRect.left);
}

double GetScrollZeroPositionInLine(SInt32 offset) {
    if (!ScrollWEHandle) return 0;
    SInt16 lineHeight = 0;
    const SInt32 top = LineTop(offset, &lineHeight);
    if (lineHeight <= 0) return 0;
    return (gScrollDestinationRect.top - top + 0.1) / lineHeight;
}

SInt32 GetScrollDistanceToCharacter(SInt32 offset) {
    if (offset < 0) return kNoDistance;
    if (!ScrollWEHandle) return 0;
    SInt16 lineHeight = 0;
    SInt32 target = GetScrollLeadingEdge();
    if (GetPref(gThePreferences, kPrefPositionsFromCue)) target += GetCueScrollRectPosition();
    return target - LineTop(offset, &lineHeight);
}
