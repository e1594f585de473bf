// The run colours behind the highlight at the cue: every run's colour is kept before a range is coloured
// and given back afterwards, so neither the prompter nor the script's stored styles keep a highlight.
#include "scroll/highlight.h"

#include "foundation/global_lists.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <vector>

namespace {

struct SavedRun {
    SInt32 start;
    SInt32 end;
    RGBColor color;
};

// The word and line highlighters' runs, and the whole text's runs while the speed reader hides it. Both
// keep their capacity, so following the cue allocates nothing once they have grown.
RESETTABLE(std::vector<SavedRun>, gSavedRuns, {});
RESETTABLE(std::vector<SavedRun>, gHiddenRuns, {});
RESETTABLE(bool, gTextHidden, false);

RESETTABLE(Rect, gBand, {});
RESETTABLE(bool, gBandPending, false);

// Colour changes neither lay the text out again nor draw; the changed lines are drawn once afterwards.
class QuietColouring {
  public:
    explicit QuietColouring(WEReference we) : we_(we) {
        recal_ = WEFeatureFlag(weFInhibitRecal, 1, we);
        redraw_ = WEFeatureFlag(weFInhibitRedraw, 1, we);
        readOnly_ = WEFeatureFlag(weFReadOnly, 0, we);
    }
    ~QuietColouring() {
        WESetSelection(0, 0, 0, we_);
        WEFeatureFlag(weFReadOnly, readOnly_, we_);
        WEFeatureFlag(weFInhibitRedraw, redraw_, we_);
        WEFeatureFlag(weFInhibitRecal, recal_, we_);
    }
    void Colour(SInt32 start, SInt32 end, const RGBColor& color) {
        if (start >= end) return;
        WETextStyle style;
        style.color = color;
        WESetSelection(start, end, 0, we_);
        WESetStyle(weDoColor, &style, we_);
        low_ = std::min(low_, start);
        high_ = std::max(high_, end);
    }
    SInt32 low() const { return low_; }
    SInt32 high() const { return high_; }

  private:
    WEReference we_;
    SInt16 recal_, redraw_, readOnly_;
    SInt32 low_ = 0x7FFFFFFF, high_ = -1;
};

SInt32 TextLength() {
    return ScrollWEHandle ? WEGetTextLength(ScrollWEHandle) : 0;
}

void SaveRuns(std::vector<SavedRun>* runs, SInt32 start, SInt32 end) {
    runs->clear();
    const SInt32 length = TextLength();
    start = std::clamp(start, SInt32(0), length);
    end = std::clamp(end, start, length);
    for (SInt32 offset = start; offset < end;) {
        WERunInfo info;
        WEGetRunInfo(offset, &info, ScrollWEHandle);
        runs->push_back(SavedRun{info.start, info.end, info.style.style.color});
        // A run that does not reach past the offset would never end the walk.
        if (info.end <= offset) break;
        offset = info.end;
    }
}

// Gives each run's part inside start..end its own colour.
void RestoreRuns(QuietColouring* colouring, const std::vector<SavedRun>& runs, SInt32 start, SInt32 end) {
    for (const SavedRun& run : runs)
        colouring->Colour(std::max(run.start, start), std::min(run.end, end), run.color);
}

// Inside a batch the changed text waits to be drawn until the batch ends, so that a word given its colour
// back and the next word coloured on the same line draw that line once.
RESETTABLE(int, gBatchDepth, 0);
RESETTABLE(SInt32, gWaitingStart, 0);
RESETTABLE(SInt32, gWaitingEnd, -1);

// Draws the lines of start..end again in the text's port and keeps the band for the frame.
void DrawLinesNow(SInt32 start, SInt32 end) {
    if (!ScrollWEHandle || start > end) return;
    LongPoint first{}, last{};
    SInt16 height = 0;
    WEGetPoint(start, 0, &first, nullptr, ScrollWEHandle);
    WEGetPoint(std::max(start, end - 1), 0, &last, &height, ScrollWEHandle);
    LongRect view{};
    WEGetViewRect(&view, ScrollWEHandle);
    const SInt32 top = std::max(first.v, view.top);
    const SInt32 bottom = std::min(last.v + height, view.bottom);
    if (top >= bottom) return;
    const Rect band{SInt16(top), SInt16(view.left), SInt16(bottom), SInt16(view.right)};
    GrafPtr saved;
    GetPort(&saved);
    if (myScrollWindowAlias) SetPort(myScrollWindowAlias);
    RGBColor foreSaved, backSaved;
    GetForeColor(&foreSaved);
    GetBackColor(&backSaved);
    const RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    RGBBackColor(&back);
    EraseRect(&band);
    WEDrawRangeLines(start, end, ScrollWEHandle);
    RGBForeColor(&foreSaved);
    RGBBackColor(&backSaved);
    SetPort(saved);
    if (gBandPending)
        UnionRect(&gBand, &band, &gBand);
    else
        gBand = band;
    gBandPending = true;
}

void RedrawLines(SInt32 start, SInt32 end) {
    if (start > end) return;
    if (gBatchDepth == 0) {
        DrawLinesNow(start, end);
        return;
    }
    const bool waiting = gWaitingStart <= gWaitingEnd;
    gWaitingStart = waiting ? std::min(gWaitingStart, start) : start;
    gWaitingEnd = waiting ? std::max(gWaitingEnd, end) : end;
}

RGBColor TextBackColor() {
    RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    GetTextBackgroundColor(0, &back);
    return back;
}

// The colour of the run holding offset: as kept when the text was hidden, else as the document's styles
// hold it, else as the prompter draws it.
RGBColor RunColorAt(SInt32 offset) {
    auto holds = [offset](const SavedRun& run) { return run.end > offset; };
    if (auto run = std::find_if(gHiddenRuns.begin(), gHiddenRuns.end(), holds); run != gHiddenRuns.end())
        return run->color;
    WERunInfo info;
    if (myStyle) {
        WEGetRunInfoFromScrap(offset, &info, myStyle);
        return info.style.style.color;
    }
    WEGetRunInfo(offset, &info, ScrollWEHandle);
    return info.style.style.color;
}

} // namespace

SInt16 GetTextBackgroundColor(SInt16, RGBColor* out) {
    const SInt16 style = GetPref(gThePreferences, kPrefTextRectBackStyle);
    if (style == 0 && out) *out = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    if (style == 1 && out) *out = GetPref(gThePreferences, kPrefTextRectBackColor);
    return style == 0 || style == 1 ? 0 : SInt16(style - 1);
}

RGBColor InvisibleTextColor(const RGBColor& back) {
    auto toMiddle = [](UInt16 c) { return UInt16(c < 32769 ? c + 2000 : c - 2000); };
    return RGBColor{toMiddle(back.red), toMiddle(back.green), toMiddle(back.blue)};
}

RGBColor FadeColor(const RGBColor& from, const RGBColor& to, SInt32 k, SInt32 count) {
    if (count <= 0) return to;
    k = std::clamp(k, SInt32(0), count);
    auto mix = [k, count](UInt16 a, UInt16 b) {
        const SInt64 c = SInt64(a) + (SInt64(b) - SInt64(a)) * k / count;
        return UInt16(std::clamp<SInt64>(c, 0, 65535));
    };
    return RGBColor{mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

void SaveRestoreRunColor(SInt32 start, SInt32 end, Boolean restore) {
    if (!ScrollWEHandle) return;
    if (!restore) {
        SaveRuns(&gSavedRuns, start, end);
        return;
    }
    {
        QuietColouring colouring(ScrollWEHandle);
        RestoreRuns(&colouring, gSavedRuns, start, end);
    }
    gSavedRuns.clear();
    RedrawLines(start, end);
}

// Colours start..end in the highlight colour, its runs saved first.
void ColourHighlightRange(SInt32 start, SInt32 end) {
    if (!ScrollWEHandle || start >= end) return;
    SaveRestoreRunColor(start, end, false);
    {
        QuietColouring colouring(ScrollWEHandle);
        colouring.Colour(start, end, GetPref(gThePreferences, kPrefHighlightColor));
    }
    RedrawLines(start, end);
}

void MakeTextInvisible(SInt32 start, SInt32 end) {
    if (!ScrollWEHandle) return;
    const SInt32 length = TextLength();
    start = std::clamp(start, SInt32(0), length);
    end = std::clamp(end, start, length);
    if (!gTextHidden) {
        SaveRuns(&gHiddenRuns, 0, length);
        gTextHidden = true;
    }
    {
        QuietColouring colouring(ScrollWEHandle);
        colouring.Colour(start, end, InvisibleTextColor(TextBackColor()));
    }
    RedrawLines(start, end);
}

void MakeTextVisible() {
    if (!ScrollWEHandle) return;
    const SInt32 length = TextLength();
    {
        QuietColouring colouring(ScrollWEHandle);
        if (gTextHidden) {
            RestoreRuns(&colouring, gHiddenRuns, 0, length);
        } else if (myStyle) {
            // Each run is looked up at its own end, so a one-character run is not stepped over.
            for (SInt32 offset = 0; offset < length;) {
                WERunInfo info;
                WEGetRunInfoFromScrap(offset, &info, myStyle);
                const SInt32 end = std::min(info.end, length);
                colouring.Colour(offset, end, info.style.style.color);
                if (end <= offset) break;
                offset = end;
            }
        }
    }
    gHiddenRuns.clear();
    gTextHidden = false;
    RedrawLines(0, length);
}

void EraseRestoreRunColor(SInt32 fadeStart, SInt32 fadeEnd, SInt32 visibleStart, SInt32 visibleEnd,
                          Boolean skip) {
    if (skip || !ScrollWEHandle) return;
    const SInt32 length = TextLength();
    visibleStart = std::clamp(visibleStart, SInt32(0), length);
    visibleEnd = std::clamp(visibleEnd, visibleStart, length);
    fadeStart = std::clamp(fadeStart, SInt32(0), visibleStart);
    fadeEnd = std::clamp(fadeEnd, visibleEnd, length);
    const RGBColor shown = RunColorAt(visibleStart);
    const RGBColor back = TextBackColor();
    {
        QuietColouring colouring(ScrollWEHandle);
        const SInt32 leading = visibleStart - fadeStart;
        for (SInt32 i = 1; i <= leading; ++i)
            colouring.Colour(fadeStart + i - 1, fadeStart + i, FadeColor(back, shown, i, leading));
        colouring.Colour(visibleStart, visibleEnd, shown);
        const SInt32 trailing = fadeEnd - visibleEnd;
        for (SInt32 k = 1; k <= trailing; ++k)
            colouring.Colour(visibleEnd + k - 1, visibleEnd + k, FadeColor(shown, back, k, trailing));
    }
    RedrawLines(fadeStart, fadeEnd);
}

bool TakeHighlightBand(Rect* band) {
    if (!gBandPending) return false;
    if (band) *band = gBand;
    gBandPending = false;
    return true;
}

void BeginHighlightBatch() {
    ++gBatchDepth;
}

void EndHighlightBatch() {
    if (gBatchDepth == 0 || --gBatchDepth > 0) return;
    const SInt32 start = gWaitingStart, end = gWaitingEnd;
    gWaitingStart = 0;
    gWaitingEnd = -1;
    if (start <= end) DrawLinesNow(start, end);
}
