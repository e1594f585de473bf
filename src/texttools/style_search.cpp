// Finding the next run of a given text style in one of the program's text views, forwards or backwards.
#include "texttools/fuzzy_search.h"

#include "foundation/error_dialog.h"
#include "macros/macro_windows.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/tool_windows.h"
#include "textengine/text_engine.h"
#include "texttools/search_texts.h"

#include <algorithm>

namespace {

constexpr SInt16 kMatch = 0;
constexpr SInt16 kNoMatch = 1;

// The face bit each mask bit from 2 on compares.
constexpr UInt8 kFaceBits[] = {1, 2, 4, 8, 16, 32, 64};

bool StyleSourceView(SInt16 source, WEReference* we) {
    switch (source) {
    case kSourceScript:
    case kSourceScriptToo:
        *we = ScrollWEHandle;
        return true;
    case kSourceNonverbal:
        *we = NonverbalWEHandle;
        return true;
    case kSourceMacroEditor:
        *we = MacroEditWEHandle;
        return true;
    case kSourceHelp:
        *we = HelpWEHandle;
        return true;
    case kSourceEditWindow:
        *we = EditWEHandle;
        return true;
    default:
        return false;
    }
}

bool RunMatches(SInt32 offset, const WETextStyle* sample, UInt16 mask, WEReference we, WERunInfo* run) {
    WEGetRunInfo(offset, run, we);
    return IdenticalStyle(&run->style.style, sample, mask) == kMatch;
}

} // namespace

SInt16 IdenticalStyle(const WETextStyle* runStyle, const WETextStyle* sample, UInt16 mask) {
    if (!runStyle || !sample) return kNoMatch;
    if ((mask & 1) && runStyle->font != sample->font) return kNoMatch;
    if ((mask & 2) && runStyle->size != sample->size) return kNoMatch;
    for (size_t i = 0; i < sizeof kFaceBits; ++i)
        if ((mask & (4u << i)) && (runStyle->face & kFaceBits[i]) != (sample->face & kFaceBits[i]))
            return kNoMatch;
    if ((mask & 0x200) &&
        (runStyle->color.red != sample->color.red || runStyle->color.green != sample->color.green ||
         runStyle->color.blue != sample->color.blue))
        return kNoMatch;
    return kMatch;
}

SInt32 FindNextStyleInText(SInt16 source, const WETextStyle* sample, UInt16 mask, SInt32* foundLength,
                           bool backwards, SInt32 start, SInt32 end) {
    WEReference we = nullptr;
    if (!StyleSourceView(source, &we)) {
        DoErrorMessageText("Text type not supported in FindNextStyleInText");
        return -1;
    }
    if (!we || !sample) return -1;
    const SInt32 length = WEGetTextLength(we);
    if (length <= 0) return -1;
    if (start == -1) WEGetSelection(&start, &end, std::max<SInt32>(WEGetNumberSelections(we) - 1, 0), we);
    start = std::clamp(start, SInt32(0), length);
    end = std::clamp(end, start, length);

    // The run at the start is the one already found: the search goes on past it. Either way the match
    // never reaches back over the start, so that repeating a search moves on.
    WERunInfo run;
    SInt32 position = start;
    if (RunMatches(std::min(start, length - 1), sample, mask, we, &run))
        position = backwards ? start - 1 : end;
    const SInt32 limit = backwards ? std::min(start, end) : position;

    SInt32 found = -1, foundEnd = -1;
    while (backwards ? position >= 0 : position < length) {
        const bool matches = RunMatches(position, sample, mask, we, &run);
        const SInt32 runStart = backwards ? run.start : std::max(run.start, limit);
        const SInt32 runEnd = backwards ? std::min(run.end, limit) : std::min(run.end, length);
        if (matches && runEnd > runStart) {
            if (found < 0) {
                found = runStart;
                foundEnd = runEnd;
            } else if (backwards) {
                found = runStart;
            } else {
                foundEnd = runEnd;
            }
        } else if (found >= 0) {
            break;
        }
        // Runs are walked one by one; a run that does not move the position on ends the walk.
        const SInt32 next = backwards ? run.start - 1 : run.end;
        if (backwards ? next >= position : next <= position) break;
        position = next;
    }
    if (found < 0) return -1;
    if (foundLength) *foundLength = foundEnd - found;
    return found;
}
