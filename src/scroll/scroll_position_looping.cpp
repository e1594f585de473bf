// Looping text: blank lines before and after the prompter text, so that it scrolls fully in and out and
// can start again from the top.
#include "scroll/scroll_position.h"

#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <string>

namespace {

constexpr char kReturn = 13;

// The blank lines in the script's style; styles too damaged to use leave them plain, since removing the
// looping text later takes away as many characters as were put in.
void InsertReturns(const std::string& returns) {
    const SInt32 length = SInt32(returns.size());
    if (WEInsert(returns.data(), length, myStyle, nullptr, ScrollWEHandle, 0) == weBadStyleScrapErr)
        WEInsert(returns.data(), length, nullptr, nullptr, ScrollWEHandle, 0);
}

// Runs the change with the text at its top and nothing drawn, then lays the text out again and redraws.
template <typename Change> SInt16 ChangeLoopingText(bool inhibitHighlight, Change change) {
    if (!ScrollWEHandle) return 0;
    GrafPtr saved;
    GetPort(&saved);
    if (myScrollWindowAlias) SetPort(myScrollWindowAlias);
    gInhibitHightlight = inhibitHighlight;
    ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 1);
    gScrollCurrentPos = 0;
    gInhibitHightlight = false;
    RgnHandle clip = NewRgn();
    if (clip) GetClip(clip);
    const Rect nothing{};
    ClipRect(&nothing);
    change();
    WESetAlignment(SInt8(GetPref(gThePreferences, kPrefPrompterFormat).justification), ScrollWEHandle);
    WECalText(ScrollWEHandle);
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    if (clip) {
        SetClip(clip);
        DisposeRgn(clip);
    }
    UpdateScrollWindow();
    SetPort(saved);
    return 1;
}

} // namespace

SInt16 AddScrollLoopingText() {
    return ChangeLoopingText(true, [] {
        // A first line of no height would otherwise give no count at all.
        gNumBlankLinesNeeded = gScrollTextRectHeight / std::max<SInt32>(gScrollPixelSpace, 1) + 1;
        const std::string returns(size_t(gNumBlankLinesNeeded), kReturn);
        WESetSelection(0, 0, 0, ScrollWEHandle);
        InsertReturns(returns);
        const SInt32 end = WEGetTextLength(ScrollWEHandle);
        WESetSelection(end, end, 0, ScrollWEHandle);
        InsertReturns(returns);
    });
}

SInt16 RemoveScrollLoopingText() {
    return ChangeLoopingText(false, [] {
        const SInt32 n = std::min(gNumBlankLinesNeeded, WEGetTextLength(ScrollWEHandle) / 2);
        if (n > 0) {
            WESetSelection(0, n, 0, ScrollWEHandle);
            WEDelete(ScrollWEHandle);
            const SInt32 end = WEGetTextLength(ScrollWEHandle);
            WESetSelection(end - n, end, 0, ScrollWEHandle);
            WEDelete(ScrollWEHandle);
        }
        gNumBlankLinesNeeded = 0;
    });
}
