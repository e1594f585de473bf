// Laying out one paragraph of UTF-16 text in styled runs: line breaking at a width, tabs, full
// justification, measuring, hit testing and drawing with text effects, all from one cached layout, so that
// what is measured is exactly what is drawn.
#pragma once

#include "platform/drawing.h"
#include "platform/types.h"

// How one run of the paragraph looks. Bold, italic and underline come from the face; the shadow, the
// strike lines and the extra underlines are drawn over the glyphs in their own colours.
struct UnicodeRunStyle {
    SInt32 length = 0; // in UTF-16 units
    SInt16 font = 0;
    SInt16 face = 0; // bold 1, italic 2, underline 4, strike 8, shadow 16, condensed 32, extended 64
    SInt16 size = 12;
    RGBColor color{0, 0, 0};
    RGBColor shadowColor{0, 0, 0};
    float shadowDx = 0; // pixels
    float shadowDy = 0;
    SInt16 shadowBlur = 0; // pixels of blur radius
    SInt16 strikeCount = 1;
    RGBColor strikeColor{0, 0, 0};
    SInt16 underlineCount = 1; // lines drawn when the face has underline
    RGBColor underlineColor{0, 0, 0};
};

enum UnicodeTabKind : SInt16 { kTabLeft = 0, kTabCentre = 1, kTabRight = 2, kTabDecimal = 3 };

struct UnicodeTab {
    SInt32 position = 0; // pixels from the line's left
    SInt16 kind = kTabLeft;
};

struct UnicodeLayoutOptions {
    SInt32 lineWidth = 0; // pixels; 0 or less lays every paragraph out on one line
    bool justify = false; // every line but the paragraph's last is stretched to the line width
    const UnicodeTab* tabs = nullptr;
    SInt32 tabCount = 0;
};

struct UnicodeLineInfo {
    SInt32 start = 0;  // offset of the line's first unit in the paragraph
    SInt32 length = 0; // units, trailing blanks included
    SInt32 width = 0;  // pixels of the visible text before justification, trailing blanks excluded
};

struct UnicodeParagraph;

UnicodeParagraph* NewUnicodeParagraph();
void DisposeUnicodeParagraph(UnicodeParagraph* paragraph);

// How many text units line breaking has read since the program started, at most: each line its own units
// and, breaking at word boundaries, the word after it, which is read whole to learn that it does not fit.
// Tests compare it with the length of the text laid out, to see that breaking stays in proportion to it.
UInt64 UnicodeBreakingReads();

// Lays out text (copied) in the given runs, whose lengths must add up to length; returns the line count.
// Reusing a paragraph for new text keeps its buffers.
SInt32 LayOutUnicodeParagraph(UnicodeParagraph* paragraph, const UInt16* text, SInt32 length,
                              const UnicodeRunStyle* runs, SInt32 runCount,
                              const UnicodeLayoutOptions& options);
// Gives units from..to of a laid-out paragraph the colour, without laying it out again (colour never
// moves a glyph) and without painting its kept lines again: their glyphs keep their coverage and take the
// new colour. False, and nothing changed, for a paragraph whose layout was let go or a range with shadows,
// underlines or strike lines (whose colours may follow the text's: the paragraph is laid out again then).
bool RecolourUnicodeRange(UnicodeParagraph* paragraph, SInt32 from, SInt32 to, const RGBColor& color);
// Frees the laid-out text and keeps only its lines (CountUnicodeLines, GetUnicodeLine, UnicodeLineOfOffset
// and UnicodeNaturalWidth still answer); measuring x positions and drawing need it laid out again.
void ReleaseUnicodeLayout(UnicodeParagraph* paragraph);
bool IsUnicodeLayoutReleased(const UnicodeParagraph* paragraph);
SInt32 CountUnicodeLines(const UnicodeParagraph* paragraph);
void GetUnicodeLine(const UnicodeParagraph* paragraph, SInt32 line, UnicodeLineInfo* info);
// The line that holds offset (the last line for the paragraph's end).
SInt32 UnicodeLineOfOffset(const UnicodeParagraph* paragraph, SInt32 offset);
// Horizontal position of the caret before offset, from the line's left, justification and tabs included.
SInt32 UnicodeOffsetToX(const UnicodeParagraph* paragraph, SInt32 offset);
// The offset on a line nearest to x; *leading is false when x fell on the trailing half of its glyph.
SInt32 UnicodeXToOffset(const UnicodeParagraph* paragraph, SInt32 line, SInt32 x, bool* leading);
// Width in pixels of the whole paragraph on one line (its visible text, as laid out).
SInt32 UnicodeNaturalWidth(const UnicodeParagraph* paragraph);

// Draws one line into the current port with its left at h and its baseline at v (local coordinates),
// within the port's clip.
void DrawUnicodeLine(const UnicodeParagraph* paragraph, SInt32 line, SInt32 h, SInt32 v);
// Paints a line into the kept lines ahead of its drawing (in idle time), so that drawing it then only copies
// pixels; a line kept already, or too big to keep, is left as it is.
void PaintUnicodeLineAhead(const UnicodeParagraph* paragraph, SInt32 line);
// While on, a paragraph about to be shown makes room for a colour a character (the speed reader's fades), so
// that colouring it while the text scrolls allocates nothing; off, paragraphs keep only a little room, so
// that a long script shown through does not hold that room in every paragraph.
void KeepRoomForCharacterColours(bool on);
