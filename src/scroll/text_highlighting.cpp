// Colouring the script by its measures for the syllable-sync window: every syllable, alternate words or
// alternate lines. The engine neither lays out nor draws until every unit is coloured; the prompter is
// redrawn once at the end.
#include "scroll/text_highlighting.h"
#include "foundation/error_dialog.h"
#include "foundation/syllable_arrays.h"
#include "scroll/prompter_drawing.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

#include <algorithm>

namespace {

// Runs colour(we) with layout and drawing held off, then shows the result.
template <typename ColourUnits> void ColourQuietly(WEReference we, ColourUnits colourUnits) {
    WEFeatureFlag(weFInhibitRecal, 1, we);
    WEFeatureFlag(weFInhibitRedraw, 1, we);
    colourUnits();
    WEFeatureFlag(weFInhibitRedraw, 0, we);
    WEFeatureFlag(weFInhibitRecal, 0, we);
    WESetSelection(0, 0, 0, we);
    UpdateScrollWindow();
}

void ColourRange(SInt32 start, SInt32 end, const RGBColor& color, WEReference we) {
    WETextStyle style;
    style.color = color;
    WESetSelection(start, end, 0, we);
    WESetStyle(weDoColor, &style, we);
}

// Both word colourings report a missing argument in the same words.
bool HaveWordsAndEngine(WordLineHdl words, WEReference we) {
    if (!words) DoErrorMessageText("No WordLineHdl in HighlightWords");
    if (words && !we) DoErrorMessageText("No WEReference in HighlightWords");
    return words && we;
}

} // namespace

void HighlightSyllables(SyllableHdl syllables, WEReference we, SInt32 first, SInt32 last) {
    if (!syllables) {
        DoErrorMessageText("No SyllableHdl in HighlightSyllables");
        return;
    }
    if (!we) {
        DoErrorMessageText("No WEReference in HighlightSyllables");
        return;
    }
    const SInt32 count = CountSyllableRecords(syllables);
    first = std::max(first, SInt32(0));
    last = last == -1 ? count - 1 : std::min(last, count - 1);
    ColourQuietly(we, [&] {
        for (SInt32 k = first; k <= last; ++k) {
            const SyllableRec& s = SyllablesOf(syllables)[k];
            ColourRange(s.start, s.end, gSylSylsColorValue, we);
        }
    });
}

void HighlightWords(WordLineHdl words, WEReference we) {
    if (!HaveWordsAndEngine(words, we)) return;
    ColourQuietly(we, [&] {
        for (SInt32 k = 0; k < CountWordLineRecords(words); ++k) {
            const WordLineRec& w = WordLinesOf(words)[k];
            ColourRange(w.start, w.end, k % 2 ? gSylWordsColor2Value : gSylWordsColor1Value, we);
        }
    });
}

void HighlightLines(WordLineHdl words, WEReference we) {
    if (!HaveWordsAndEngine(words, we)) return;
    ColourQuietly(we, [&] {
        SInt32 coloured = 0;
        SInt32 lastLine = -1;
        for (SInt32 k = 0; k < CountWordLineRecords(words); ++k) {
            const WordLineRec& w = WordLinesOf(words)[k];
            if (k > 0 && w.line == lastLine) continue;
            lastLine = w.line;
            ColourRange(w.lineStart, w.lineEnd, coloured++ % 2 ? gSylLinesColor2Value : gSylLinesColor1Value,
                        we);
        }
    });
}
