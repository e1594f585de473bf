// Highlighting the line, the word or the speed-reading words at the cue by changing the colour of the
// prompter text's runs, and putting every run's own colour back afterwards.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

// mode 1 starts, 2 follows the cue, 3 ends. smooth 1 takes the pixels still owed (gScrollThis) into
// account, as the timer's calls do.
void HighlightLineAtCue(SInt16 mode);
void HighlightWordAtCue(SInt16 mode, SInt16 smooth);
void HighlightSpeedReading(SInt16 mode, SInt16 smooth);

// Saves the colours of every run that start..end touches, or (restore) gives each saved run's part inside
// start..end its own colour back and forgets them.
void SaveRestoreRunColor(SInt32 start, SInt32 end, Boolean restore);
// Hides start..end in the invisible colour; the first call keeps every run's colour of the whole text.
void MakeTextInvisible(SInt32 start, SInt32 end);
// Shows the whole text again in the colours kept when it was hidden.
void MakeTextVisible();
// Shows visibleStart..visibleEnd in the colour of its first run, fading from and to the text back colour
// over fadeStart..visibleStart and visibleEnd..fadeEnd.
void EraseRestoreRunColor(SInt32 fadeStart, SInt32 fadeEnd, SInt32 visibleStart, SInt32 visibleEnd,
                          Boolean skip);
// The colour the text is drawn on (text back style 0 or 1): answers 0 and fills out; other styles answer
// the style less 1 and leave out as it was.
SInt16 GetTextBackgroundColor(SInt16 ignored, RGBColor* out);
// Colours start..end in the highlight colour, the colours of its runs saved first.
void ColourHighlightRange(SInt32 start, SInt32 end);
// The colour hidden text is given: the text back colour moved 2000 towards the middle in each component.
RGBColor InvisibleTextColor(const RGBColor& back);
// The colour of the character k (1..count) of a fade from `from` to `to`, exactly `to` at k == count.
RGBColor FadeColor(const RGBColor& from, const RGBColor& to, SInt32 k, SInt32 count);

// Between these the colour changes above draw nothing; the lines they changed are drawn once at the end.
void BeginHighlightBatch();
void EndHighlightBatch();
// Holds a batch open for its scope.
struct HighlightBatch {
    HighlightBatch() { BeginHighlightBatch(); }
    ~HighlightBatch() { EndHighlightBatch(); }
    HighlightBatch(const HighlightBatch&) = delete;
    HighlightBatch& operator=(const HighlightBatch&) = delete;
};

// The part of the text world whose colours changed since the frame was last composed (in the text
// world's coordinates); answers false when nothing changed. Taking it forgets it.
bool TakeHighlightBand(Rect* band);
// Puts a highlight change on the prompter window without composing the whole frame; nothing when
// nothing changed.
void DrawHighlightChange();
