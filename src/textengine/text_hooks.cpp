// The standard measuring and drawing hooks: the current port's font, face, size and colour, measured the
// classic way (additive integer advances) or by the Unicode layout of the text as one run. Drawing moves
// the pen by the text's width plus the slop in both modes.
#include "textengine/engine_internal.h"

#include "textengine/text_effects.h"

#include "platform/text_drawing.h"
#include "platform/text_encoding.h"
#include "platform/unicode_layout.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Advances of the 256 Mac Roman characters in the port's current font, face and size.
struct AdvanceTable {
    SInt16 font = -1, face = -1, size = -1;
    SInt16 advance[256] = {};
};

// A few tables, since lines alternate between the handful of styles a script uses.
const SInt16* CurrentAdvances() {
    static constexpr int kTables = 8;
    static AdvanceTable tables[kTables];
    static int nextVictim = 0;
    GrafPtr port = nullptr;
    GetPort(&port);
    const SInt16 font = GetPortTextFont(port), face = GetPortTextFace(port), size = GetPortTextSize(port);
    for (AdvanceTable& t : tables)
        if (t.font == font && t.face == face && t.size == size) return t.advance;
    AdvanceTable& table = tables[nextVictim];
    nextVictim = (nextVictim + 1) % kTables;
    for (int c = 0; c < 256; c++)
        table.advance[c] = CharWidth(UInt8(c));
    table.font = font;
    table.face = face;
    table.size = size;
    return table.advance;
}

// One reusable layout of the text the hooks are given, as one run in the port's text state, broken at
// lineWidth pixels (0: one line).
const UnicodeParagraph* LayOutPortText(const UInt8* text, SInt32 length, SInt32 lineWidth = 0) {
    static UnicodeParagraph* paragraph = NewUnicodeParagraph();
    static std::vector<UInt16> units;
    static UnicodeTab tabs[50];
    units.resize(size_t(std::max<SInt32>(length, 0)));
    for (SInt32 i = 0; i < length; i++)
        units[size_t(i)] = MacRomanToUnicode(text[i]);
    GrafPtr port = nullptr;
    GetPort(&port);
    WETextStyle style;
    style.font = GetPortTextFont(port);
    style.face = UInt8(GetPortTextFace(port));
    style.size = GetPortTextSize(port);
    GetForeColor(&style.color);
    UnicodeRunStyle run;
    FillUnicodeRunStyle(style, length, &run);
    UnicodeLayoutOptions options;
    options.tabCount = GetUnicodeTabs(tabs);
    options.tabs = tabs;
    options.lineWidth = lineWidth;
    LayOutUnicodeParagraph(paragraph, units.data(), length, &run, 1, options);
    return paragraph;
}

// Pixel positions of a line can run far past 32,767, where neither a 16.16 value nor a pen column holds
// them; sums are kept in 64 bits and held to the range at the end. What lies that far out is clipped.
constexpr SInt64 kFixedOne = 0x10000;

SInt16 PenColumn(SInt64 fixedX) {
    return SInt16(std::clamp<SInt64>((fixedX + 0x8000) >> 16, -32768, 32767));
}

Fixed ClampedFixed(SInt64 value) {
    return Fixed(std::clamp<SInt64>(value, INT32_MIN, INT32_MAX));
}

SInt32 ClassicWidth(const UInt8* text, SInt32 length) {
    const SInt16* advance = CurrentAdvances();
    SInt32 width = 0;
    for (SInt32 i = 0; i < length; i++)
        width += advance[text[i]];
    return width;
}

// Justification slop goes to the blanks between words, not to those that end the text.
SInt32 VisibleLength(const UInt8* text, SInt32 length) {
    while (length > 0 && text[length - 1] <= 32)
        length--;
    return length;
}

// Where classic drawing puts offset: the advances before it and the share of the slop of the blanks before
// it (all of it at the end of a text without blanks).
SInt32 ClassicX(const UInt8* text, SInt32 length, Fixed slop, SInt32 offset) {
    const SInt32 visible = VisibleLength(text, length);
    const SInt32 blanks = SInt32(std::count(text, text + visible, UInt8(' ')));
    const SInt32 before = SInt32(std::count(text, text + std::min(offset, visible), UInt8(' ')));
    Fixed due = blanks > 0 ? Fixed(SInt64(slop) * before / blanks) : offset == length ? slop : 0;
    return ClassicWidth(text, offset) + ((due + 0x8000) >> 16);
}

// Classic drawing places every word where the additive advances put it, so the pen ends exactly where
// measuring says, and spreads the slop over the blanks (after the text when there are none).
void DrawClassic(const UInt8* text, SInt32 length, Fixed slop) {
    Point pen;
    GetPen(&pen);
    const SInt16* advance = CurrentAdvances();
    const SInt32 visible = VisibleLength(text, length);
    const SInt32 blanks = SInt32(std::count(text, text + visible, UInt8(' ')));
    SInt64 x = pen.h * kFixedOne;
    SInt32 from = 0, blank = 0;
    Fixed given = 0;
    for (SInt32 i = 0; i <= length; i++) {
        if (i < length && text[i] != ' ' && text[i] != '\t') continue;
        if (i > from) {
            // Words that start past the last pen column cannot reach the port.
            if (x < 32767 * kFixedOne) {
                MoveTo(PenColumn(x), pen.v);
                DrawText(text, SInt16(from), SInt16(i - from));
            }
            x += ClassicWidth(text + from, i - from) * kFixedOne;
        }
        if (i < length) {
            x += advance[text[i]] * kFixedOne;
            if (text[i] == ' ' && i < visible) {
                const Fixed due = Fixed(SInt64(slop) * ++blank / blanks);
                x += due - given;
                given = due;
            }
        }
        from = i + 1;
    }
    if (blanks == 0) x += slop;
    MoveTo(PenColumn(x), pen.v);
}

} // namespace

void _WEStdDrawText(const UInt8* text, SInt32 length, Fixed slop, SInt16, WEReference) {
    if (IsClassicText()) {
        DrawClassic(text, length, slop);
        return;
    }
    const UnicodeParagraph* p = LayOutPortText(text, length);
    Point pen;
    GetPen(&pen);
    DrawUnicodeLine(p, 0, pen.h, pen.v);
    MoveTo(PenColumn((SInt64(pen.h) + UnicodeOffsetToX(p, length)) * kFixedOne + slop), pen.v);
}

SInt32 _WEStdPixelToChar(const UInt8* text, SInt32 length, Fixed slop, Fixed* width, Boolean* leadingEdge,
                         SInt16, WEReference) {
    const SInt32 pixels = *width >> 16;
    *leadingEdge = true;
    if (IsClassicText()) {
        const SInt16* advance = CurrentAdvances();
        const SInt32 visible = VisibleLength(text, length);
        const SInt32 blanks = SInt32(std::count(text, text + visible, UInt8(' ')));
        const SInt32 total = ClassicX(text, length, slop, length);
        SInt32 x = 0, advances = 0, blanksBefore = 0;
        for (SInt32 i = 0; i < length; i++) {
            advances += advance[text[i]];
            blanksBefore += text[i] == ' ' && i < visible;
            const Fixed due = blanks > 0        ? Fixed(SInt64(slop) * blanksBefore / blanks)
                              : i + 1 == length ? slop
                                                : 0;
            const SInt32 next = advances + ((due + 0x8000) >> 16);
            if (pixels < next) {
                *width = ClampedFixed(*width - total * kFixedOne);
                if (pixels - x < (next - x) / 2) return i;
                *leadingEdge = false;
                return i + 1;
            }
            x = next;
        }
        *width = ClampedFixed(*width - total * kFixedOne);
        return length;
    }
    const UnicodeParagraph* p = LayOutPortText(text, length);
    const SInt32 total = UnicodeOffsetToX(p, length);
    if (pixels >= total) {
        *width = ClampedFixed(*width - total * kFixedOne);
        return length;
    }
    bool leading = true;
    const SInt32 offset = UnicodeXToOffset(p, 0, std::max<SInt32>(pixels, 0), &leading);
    *width = -(1 << 16);
    if (leading) return offset;
    *leadingEdge = false;
    return offset + 1;
}

SInt32 _WEStdCharToPixel(const UInt8* text, SInt32 length, Fixed slop, SInt32 offset, SInt16, SInt16,
                         WEReference) {
    if (offset <= 0) return 0;
    offset = std::min(offset, length);
    if (IsClassicText()) return ClassicX(text, length, slop, offset);
    // The Unicode drawing puts the slop after the text, where the pen ends.
    return UnicodeOffsetToX(LayOutPortText(text, length), offset) +
           (offset == length ? (slop + 0x8000) >> 16 : 0);
}

SInt16 _WEStdLineBreak(const UInt8* text, SInt32 textLength, SInt32 runStart, SInt32 runEnd, Fixed* width,
                       SInt32* breakOffset, WEReference we) {
    if (IsClassicText()) return _WERomanLineBreak(text, textLength, runStart, runEnd, width, breakOffset, we);
    // The measured text ends after the first return in the run.
    const UInt8* cr = std::find(text + runStart, text + runEnd, UInt8(13));
    const bool endsInReturn = cr != text + runEnd;
    const SInt32 segmentEnd = endsInReturn ? SInt32(cr - text) + 1 : runEnd;
    if (endsInReturn && segmentEnd - runStart == 1) {
        *breakOffset = segmentEnd;
        return 0;
    }
    const SInt32 visible = segmentEnd - runStart - (endsInReturn ? 1 : 0);
    if (visible <= 0) {
        *breakOffset = runStart;
        return 2;
    }
    const SInt32 pixels = *width >> 16;
    SInt32 fits = 0; // units of it on the first line
    const UnicodeParagraph* p = nullptr;
    if (pixels > 0) {
        p = LayOutPortText(text + runStart, visible, pixels);
        UnicodeLineInfo first;
        GetUnicodeLine(p, 0, &first);
        fits = CountUnicodeLines(p) == 1 ? visible : first.length;
    }
    if (fits >= visible) {
        if (endsInReturn) {
            *width = -(1 << 16);
            *breakOffset = segmentEnd;
            return 0;
        }
        *width = ClampedFixed(*width - UnicodeOffsetToX(p, visible) * kFixedOne);
        *breakOffset = segmentEnd;
        return 2;
    }
    *width = -(1 << 16);
    *breakOffset = runStart + fits;
    const SInt32 at = *breakOffset;
    const bool insideWord = at > 0 && at < textLength && text[at - 1] > 32 && text[at] > 32;
    return insideWord ? 1 : 0;
}
