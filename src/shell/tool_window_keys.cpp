// Which tool window takes a typed key: the functions window's search field while it holds the focus, then
// the first open tool window whose edit field holds the keyboard focus.
#include "shell/tool_window_clicks.h"

#include "controls/control_records.h"
#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "macros/macro_windows.h"
#include "media/media_windows.h"
#include "shell/event_handlers.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "texttools/text_tool_windows.h"

namespace {

using KeyHandler = void (*)(const EventRecord&, WindowReference, MyDialogRec*, const PlatformEvent&);

struct FocusWindow {
    WindowPtr* window;
    MyDialogRec** dialog;
    WindowReference reference;
    KeyHandler handler;
    void (*afterwards)(SInt16);
};

// In the order they are asked.
const FocusWindow kFocusWindows[] = {
    {&myFindReplaceWindow, &gFindReplaceDialog, 11, KeyInFindReplaceWindow, nullptr},
    {&myFindStyleWindow, &gFindStyleDialog, 15, KeyInFindStyleWindow, nullptr},
    {&myFormatPalWindow, &gFormatPalDialog, 14, KeyInFormatPalWindow, nullptr},
    {&myRecordWindow, &gRecordDialog, 18, KeyInRecordWindow, nullptr},
    {&myHelpWindow, &myHelpWidgets, 13, KeyInHelpWindow, nullptr},
    {&myCommandWindow, &gCommandDialog, 21, KeyInCommandWindow, ConsistifyCommandPopup},
    {&myHypertextWindow, &gHypertextDialog, 23, KeyInHypertextWindow, ConsistifyHypertextParameterPopup},
    {&mySpirographWindow, &gSpirographDialog, 24, KeyInSpirographWindow, nullptr},
    {&mySearchDictWindow, &gSearchDictDialog, 25, KeyInSearchDictWindow, nullptr},
    {&myOverlayWindow, &gOverlayDialog, 26, KeyInOverlayWindow, nullptr},
};

} // namespace

void ForgetStaleSearchFocus() {
    if (!FunctionsSearchWEHandle || gFunctionsListSelect != kFunctionsSearchGroup)
        gFunctionsSearchHasFocus = false;
}

bool ToolWindowTakesKey(const PlatformEvent& event) {
    if (gFunctionsSearchHasFocus && KeyInFunctionsSearchField(event)) return true;
    if (!gHasfocusDialog) return false;
    for (const FocusWindow& candidate : kFocusWindows) {
        if (!*candidate.window || !*candidate.dialog || *candidate.dialog != gHasfocusDialog) continue;
        candidate.handler(curEvent, candidate.reference, *candidate.dialog, event);
        if (candidate.afterwards) candidate.afterwards(0);
        return true;
    }
    return false;
}
