// Drawing strings at a point, justified, and wrapped in a box.
#include "foundation/string_drawing.h"

#include "foundation/number_text.h"
#include "foundation/text_search.h"
#include "platform/drawing.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"

#include <cmath>
#include <cstring>

namespace {

constexpr UInt8 kReturn = '\r';

SInt16 MeasureBytes(const UInt8* text, SInt16 length) {
    return length > 0 ? TextWidth(text, 0, length) : 0;
}

void DrawBytesAt(SInt16 x, SInt16 y, const UInt8* text, SInt16 length, SInt16 alignment, bool extraPixel) {
    if (length <= 0) return;
    const SInt16 width = MeasureBytes(text, length);
    SInt16 left = x;
    if (alignment == kAlignRight)
        left = SInt16(x - width - (extraPixel ? 1 : 0));
    else if (alignment == kAlignCentre)
        left = SInt16(x - width / 2);
    MoveTo(left, y);
    DrawText(text, 0, length);
}

void DrawNumberText(SInt16 x, SInt16 y, ConstStringPtr s, SInt16 alignment) {
    DrawBytesAt(x, y, s + 1, s[0], alignment, false);
}

void DrawJustifiedBytes(SInt16 x, SInt16 y, SInt16 width, const UInt8* text, SInt16 length) {
    SInt16 spaces = 0;
    for (SInt16 i = 0; i + 1 < length; ++i)
        if (text[i] == ' ') ++spaces;
    const SInt16 natural = MeasureBytes(text, length);
    if (spaces == 0 || natural == width) {
        DrawBytesAt(x, y, text, length, kAlignLeft, false);
        return;
    }
    const double extra = double(width - natural) / spaces;
    double pen = x;
    for (SInt16 i = 0; i < length; ++i) {
        MoveTo(SInt16(std::lround(pen)), y);
        DrawChar(text[i]);
        pen += CharWidth(text[i]);
        if (text[i] == ' ' && i + 1 < length) pen += extra;
    }
}

// Restores the port's clip and face however the box drawing ends.
struct BoxState {
    RgnHandle savedClip = NewRgn();
    SInt16 savedFace = 0;
    BoxState(const Rect* box) {
        GrafPtr port;
        GetPort(&port);
        savedFace = GetPortTextFace(port);
        GetClip(savedClip);
        RgnHandle clip = NewRgn();
        RectRgn(clip, box);
        SectRgn(clip, savedClip, clip);
        SetClip(clip);
        DisposeRgn(clip);
    }
    ~BoxState() {
        SetClip(savedClip);
        DisposeRgn(savedClip);
        TextFace(savedFace);
    }
};

// How many bytes from `start` (a word or a return) go on one line of the box: whole words while they
// fit, a return ending the line early. A first word wider than the box stands alone, or in the
// word-breaking mode is cut to what fits (at least one character). `next` receives where the following
// line starts and `endsParagraph` whether this is the last line before a return or the end.
SInt16 TakeLine(const UInt8* text, SInt16 length, SInt16 start, SInt16 boxWidth, bool breakWords,
                SInt16* next, bool* endsParagraph) {
    SInt16 lineEnd = start, pos = start;
    while (true) {
        if (pos >= length || text[pos] == kReturn) {
            *endsParagraph = true;
            *next = pos < length ? SInt16(pos + 1) : length;
            return SInt16(lineEnd - start);
        }
        const SInt16 space = SInt16(findspace(text + pos, UInt16(length - pos), false));
        const SInt16 ret = SInt16(findthis(text + pos, kReturn, UInt16(length - pos)));
        const SInt16 wordEnd = SInt16(pos + (ret < space ? ret : space));
        if (MeasureBytes(text + start, SInt16(wordEnd - start)) > boxWidth) {
            if (lineEnd > start) {
                *endsParagraph = false;
                *next = pos;
                return SInt16(lineEnd - start);
            }
            if (breakWords) {
                SInt16 fit = SInt16(wordEnd - start);
                while (fit > 1 && MeasureBytes(text + start, fit) > boxWidth)
                    --fit;
                *endsParagraph = false;
                *next = SInt16(start + fit);
                return fit;
            }
        }
        lineEnd = wordEnd;
        pos = wordEnd;
        while (pos < length && text[pos] == ' ')
            ++pos;
    }
}

} // namespace

SInt16 MeasureAString(ConstStringPtr string) {
    // The prompter's text engine measures when the preferences ask for its layout; until the engine is
    // there the port's measuring serves both ways.
    return string ? MeasureBytes(string + 1, string[0]) : 0;
}

void DrawAString(SInt16 x, SInt16 y, ConstStringPtr string, SInt16 alignment) {
    if (string) DrawBytesAt(x, y, string + 1, string[0], alignment, true);
}

void DrawALong(SInt16 x, SInt16 y, SInt32 number, SInt16 alignment) {
    Str255 s;
    NumToString(number, s);
    DrawNumberText(x, y, s, alignment);
}

void DrawADouble(SInt16 x, SInt16 y, double number, SInt16 alignment) {
    Str255 s;
    DoubleToNum(number, s, true);
    DrawNumberText(x, y, s, alignment);
}

void DrawAText(SInt16 x, SInt16 y, const char* text, SInt16 alignment) {
    if (!text) return;
    Str255 s;
    SetPString(s, std::string_view(text, strnlen(text, 255)));
    DrawAString(x, y, s, alignment);
}

void DrawJustifiedString(SInt16 x, SInt16 y, SInt16 width, ConstStringPtr string) {
    if (string) DrawJustifiedBytes(x, y, width, string + 1, string[0]);
}

void DrawStringInBox(const Rect* box, ConstStringPtr string, SInt16 alignment, SInt16 percent, bool centre) {
    if (!box || !string || string[0] == 0) return;
    const UInt8* text = string + 1;
    const SInt16 length = string[0];
    BoxState state(box);

    FontInfo info;
    GetFontInfo(&info);
    const SInt16 lineHeight = SInt16(info.ascent + info.descent + info.leading);
    const SInt16 step = SInt16(lineHeight * percent / 100);
    SInt16 baseline = SInt16(box->top + lineHeight - info.descent);
    const SInt16 boxWidth = RectWidth(*box);
    SInt16 anchor = box->left;
    if (alignment == kAlignRight)
        anchor = box->right;
    else if (alignment == kAlignCentre)
        anchor = SInt16((box->left + box->right) / 2);
    const SInt16 lineAlignment =
        alignment == kAlignRight || alignment == kAlignCentre ? alignment : SInt16(kAlignLeft);

    const bool hasReturn = findthis(text, kReturn, UInt16(length)) < length;
    SInt16 width = MeasureBytes(text, length);
    if (width > boxWidth && RectHeight(*box) < step + lineHeight) {
        TextFace(SInt16(state.savedFace | condense));
        width = MeasureBytes(text, length);
    }
    if (width <= boxWidth && !hasReturn) {
        if (centre) baseline = SInt16(baseline + (box->bottom - baseline) / 2);
        DrawBytesAt(anchor, baseline, text, length, lineAlignment, true);
        return;
    }

    SInt16 at = 0;
    while (baseline - info.ascent < box->bottom) {
        while (at < length && text[at] == ' ')
            ++at;
        if (at >= length) break;
        SInt16 next = at;
        bool endsParagraph = false;
        const SInt16 count =
            TakeLine(text, length, at, boxWidth, alignment == kAlignLeftBreakingWords, &next, &endsParagraph);
        // The last line of a paragraph keeps its natural spacing.
        if (alignment == kAlignJustified && !endsParagraph)
            DrawJustifiedBytes(anchor, baseline, boxWidth, text + at, count);
        else
            DrawBytesAt(anchor, baseline, text + at, count, lineAlignment, true);
        baseline = SInt16(baseline + step);
        at = next;
    }
}

void DrawTextBlockInBox(const Rect* box, const void* text, SInt32 length, SInt16 alignment, SInt16 percent,
                        bool centre) {
    if (!text || length <= 0) return;
    Str255 s;
    SetPString(s, std::string_view(static_cast<const char*>(text), size_t(length > 255 ? 255 : length)));
    DrawStringInBox(box, s, alignment, percent, centre);
}
