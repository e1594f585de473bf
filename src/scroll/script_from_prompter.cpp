// Taking the script back from the text view it was typed into (the prompter's or the edit window's), so
// that saving, speaking and the scroll position work on what the user sees.
#include "platform/memory.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <cstring>

namespace {

// The edit window's text with its added returns taken out; the styles stay the script's own, the edit
// window showing one format over the whole text.
bool TakeScriptFromEditWindow() {
    Handle text = WEGetText(EditWEHandle);
    const SInt32 length = WEGetTextLength(EditWEHandle);
    Handle copy = nullptr;
    if (!text || PtrToHand(*text, &copy, length) != noErr) return false;
    const SInt32 scriptLength = RemoveFakeReturns(gEditView.fakes, reinterpret_cast<UInt8*>(*copy), length);
    SetHandleSize(copy, scriptLength);
    if (myTextResource) DisposeHandle(myTextResource);
    myTextResource = copy;
    return true;
}

} // namespace

// The script is taken out of the edit window when it is open (unless the prompter is asked for), else out
// of the prompter's text box with its styles; never from a capitals copy made for scrolling.
void GetNewText(SInt16 fromPrompter) {
    if (!fromPrompter && myEditWindow && EditWEHandle) {
        if (TakeScriptFromEditWindow()) gTextHasChanged = false;
        return;
    }
    if (!ScrollWEHandle || gScrollingInAllCAPS) return;
    Handle text = WEGetText(ScrollWEHandle);
    const Size length = Size(WEGetTextLength(ScrollWEHandle));
    Handle copy = nullptr;
    if (!text || PtrToHand(*text, &copy, length) != noErr) return;
    if (myTextResource) DisposeHandle(myTextResource);
    myTextResource = copy;
    // The engine copies runs in the memory form the script keeps: the run count, a format word (3 for the
    // script), then the runs.
    Handle styles = NewHandle(0);
    if (styles && WECopyRange(0, length, nullptr, styles, nullptr, ScrollWEHandle) == noErr &&
        GetHandleSize(styles) >= 4) {
        const UInt16 format = 3;
        std::memcpy(*styles + 2, &format, 2);
        if (myStyle) DisposeHandle(myStyle);
        myStyle = styles;
        styles = nullptr;
    }
    if (styles) DisposeHandle(styles);
}
