// The text sizes drawn in the prompter after a file was used, while the size display is on: the text's
// height, the text rectangle's height and the extra height the scroll adds.
#include "foundation/program_strings.h"
#include "platform/drawing.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "resource_names.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "shell/file_opening.h"
#include "shell/periodic_timer.h"

namespace {

constexpr SInt16 kFirstSizeLabel = 9;
constexpr SInt16 kLabelLeft = 195, kValueLeft = 295;
constexpr Rect kSizeArea = {-24, 190, 24, 385}; // about half the text rectangle's height
constexpr SInt16 kLineOffsets[3] = {-12, 6, 22};

} // namespace

void DrawTextSizesIfShown() {
    if (!gShowSpeed) return;
    RgnHandle savedClip = NewRgn();
    GetClip(savedClip);
    ClipRect(&gScrollTextRect);
    const SInt16 half = SInt16((gScrollTextRect.bottom - gScrollTextRect.top) / 2);
    Rect area = kSizeArea;
    area.top = SInt16(area.top + half);
    area.bottom = SInt16(area.bottom + half);
    EraseRect(&area);
    const SInt32 values[3] = {gScrollTextHeight, gScrollTextRectHeight, gScrollExtraHeight};
    for (SInt16 i = 0; i < 3; ++i) {
        Str255 text;
        GetOrvalisString(kProgramTexts, SInt16(kFirstSizeLabel + i), text);
        MoveTo(kLabelLeft, SInt16(half + kLineOffsets[i]));
        DrawString(text);
        NumToString(values[i], text);
        MoveTo(kValueLeft, SInt16(half + kLineOffsets[i]));
        DrawString(text);
    }
    SetClip(savedClip);
    DisposeRgn(savedClip);
    gShowSize = false;
}
