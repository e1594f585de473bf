// The prompter's scroll position and text metrics: measuring the text, reading the position back from
// the text engine, and the leading edge the position is measured from.
#include "scroll/scroll_position.h"

#include "platform/clock.h"
#include "prefs/prefs_fields.h"
#include "scroll/pacing.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_lines_ahead.h"
#include "shell/about_box.h"
#include "shell/shell_globals.h"
#include "textengine/lines_ahead.h"
#include "textengine/text_engine.h"

#include <algorithm>

namespace {

constexpr SInt32 kTallestText = 0x3FFFFFFF;
constexpr SInt16 kTextTooTallNotice = 135;

bool PositionsFromCue() {
    return GetPref(gThePreferences, kPrefPositionsFromCue) != 0;
}

// Where the first line stands relative to the leading edge (or the cue).
double ReadFirstLinePosition() {
    LongPoint point;
    SInt16 lineHeight = 0;
    WEGetPoint(0, 0, &point, &lineHeight, ScrollWEHandle);
    SInt32 p = point.v - GetScrollLeadingEdge();
    if (PositionsFromCue()) p -= GetCueScrollRectPosition();
    return double(p);
}

} // namespace

// The text engine lays the prompter text out in gScrollDestinationRect, which is the text rectangle
// turned into the text world's frame while rotated output scrolls; its top is therefore the leading edge
// for every rotation, and the text world and the position agree on it.
SInt32 GetScrollLeadingEdge() {
    return gScrollDestinationRect.top;
}

void GetCurrentScrollPos() {
    if (!ScrollWEHandle) {
        gScrollCurrentPos = 0;
        return;
    }
    double p = ReadFirstLinePosition();
    gScrollCurrentPos = p;
    // Text deleted while editing can leave the rest past its end; bring it back so that it ends at the
    // leading edge.
    if (!gScrollOn && p != 0 && -p > gScrollExtraHeight) {
        ScrollScrollThisMuch(SInt32(-p - gScrollExtraHeight), 1);
        gScrollCurrentPos = ReadFirstLinePosition();
    }
    SetScrollWindowScrolls();
}

void ScrollRecalText() {
    if (!ScrollWEHandle) return;
    const SInt32 lines = WECountLines(ScrollWEHandle);
    gScrollTextHeight = WEGetHeight(0, lines, ScrollWEHandle);
    gScrollPixelSpace = gScrollSingleSpace = SInt16(WEGetHeight(0, 1, ScrollWEHandle));
    // The extent of the frame the text is laid out in: the rectangle's height upright, its width while
    // the output is turned.
    gScrollTextRectHeight = RectHeight(gScrollDestinationRect);
    gScrollExtraHeight = PositionsFromCue() ? gScrollTextHeight : gScrollTextHeight - gScrollTextRectHeight;
    if (gScrollTextHeight > kTallestText) DoAbout(kTextTooTallNotice);
    CalculateScrollDistance();
}

void ContinueScrollTextLayout() {
    // Pieces of about a millisecond, for at most 4 ms a timer step standing and 1 ms while the text
    // scrolls, so that the window stays quick to answer and ticks stay on time while the rest is laid out.
    constexpr SInt32 kPiece = 4096, kMostPieces = 16;
    if (!ScrollWEHandle || !WEHasProvisionalLines(ScrollWEHandle)) return;
    const UInt64 start = MonotonicMicroseconds();
    const UInt64 budget = gScrollOn == kScrollOff ? 4000 : 1000;
    for (int piece = 0; piece < (gScrollOn == kScrollOff ? kMostPieces : 2); ++piece)
        if (!WEContinueLayout(kPiece, ScrollWEHandle) || MonotonicMicroseconds() - start >= budget) break;
    if (WEHasProvisionalLines(ScrollWEHandle)) return;
    // The words' line numbers, the text's height and the bar were worked out from the estimates.
    ScrollRecalText();
    if (myTextResource) MeasureScriptText();
    SetScrollWindowScrolls();
}

void PaintScrollLinesAhead() {
    if (!ScrollWEHandle || gScrollOn == kScrollOff) return;
    LongRect view;
    WEGetViewRect(&view, ScrollWEHandle);
    // Both ways, as the text may be scrolled back; a quarter of the view covers many ticks at any speed.
    const SInt32 ahead = std::max<SInt32>(256, (view.bottom - view.top) / 4);
    WEPaintLinesAhead(view.top - ahead, view.bottom + ahead, ScrollWEHandle);
}

bool IsPrintable(UInt8 byte) {
    return byte > 31;
}

bool ThisScrollAgainstNeedsMatrixPort(SInt16 kind) {
    return kind == 2 || kind == 3 || kind == 4 || kind == 6;
}

double ApplyMomentum(double value) {
    static double previous = 0;
    if (value == previous) return value;
    previous = (previous + value) / 2;
    return previous;
}
