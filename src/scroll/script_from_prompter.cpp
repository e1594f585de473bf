// Taking the script back from the prompter's text box after it was typed into, so that saving, speaking
// and the scroll position work on what the user sees.
#include "platform/memory.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <cstring>

bool gTextHasChanged = false;

// The script is taken out of the prompter's text box (the only view of it until the edit window exists),
// with its styles; never from a capitals copy made for scrolling.
void GetNewText(SInt16) {
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
