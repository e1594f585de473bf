// The command-W key: the window it closes, by kind, each by the close operation of its own.
#include "shell/key_stages.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_windows.h"
#include "platform/windows.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/edit_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/shell_globals.h"
#include "texttools/help_window.h"
#include "texttools/text_tool_windows.h"

namespace {

struct ClosableWindow {
    WindowPtr* window;
    void (*close)();
};

// Windows that stand among the documents, in the order they are compared.
const ClosableWindow kDocumentWindows[] = {
    {&myEditWindow, [] { CloseEditWindow(0); }},
    {&myBookmarkWindow, [] { CloseBookmarkWindow(0); }},
    {&myMacroEditorWindow, [] { CloseMacroEditorWindow(0); }},
    {&myHideWindow, [] { CloseHideBackgroundWindow(); }},
    {&myNonverbalWindow, [] { CloseNonverbalWindow(); }},
    {&myScrollMonitorWindow, [] { CloseScrollMonitorWindow(0); }},
    {&myTextMergeWindow, [] { CloseTextMergeWindow(0); }},
    {&myMediaQueueWindow, [] { CloseMediaQueueWindow(0); }},
    {&myKeyEquivWindow, [] { CloseKeyEquivWindow(0); }},
    {&myColorChartWindow, [] { CloseColorChartWindow(0); }},
};

// Tool windows that float over the prompter; the hypertext drawer goes with the hypertext window.
const ClosableWindow kFloatingWindows[] = {
    {&myHelpWindow, [] { CloseHelpWindow(0); }},
    {&myToolbarWindow, [] { CloseToolbarWindow(0); }},
    {&myFunctionsWindow, [] { CloseFunctionsWindow(0); }},
    {&myMacroMonitorWindow, [] { CloseMacroMonitorWindow(0); }},
    {&myFindReplaceWindow, [] { CloseFindReplaceWindow(0); }},
    {&myFindStyleWindow, [] { CloseFindStyleWindow(0); }},
    {&myFormatPalWindow, [] { CloseFormatPalWindow(0); }},
    {&myRecordWindow, [] { CloseRecordWindow(0); }},
    {&myCommandWindow, [] { CloseCommandWindow(0); }},
    {&myHypertextWindow, [] { CloseHypertextWindow(0); }},
    {&hypertextDrawerWindow, [] { CloseHypertextWindow(0); }},
    {&mySearchDictWindow, [] { CloseSearchDictWindow(0); }},
    {&myOverlayWindow, [] { CloseOverlayWindow(0); }},
    {&mySpirographWindow, [] { CloseSpirographWindow(0); }},
};

template <size_t N> bool CloseIfFront(const ClosableWindow (&windows)[N], WindowPtr front) {
    for (const ClosableWindow& w : windows) {
        if (*w.window && *w.window == front) {
            w.close();
            return true;
        }
    }
    return false;
}

} // namespace

void CloseFrontWindowByKey() {
    const WindowPtr front = FrontNonFloatingWindow();
    if (!front) return;
    if (CloseIfFront(kDocumentWindows, front)) return;
    if (front != myScrollWindow) return;
    // The bookmark list and the nonverbal window float here, so the front window of all can be one of
    // the first list as well.
    const WindowPtr floating = FrontWindow();
    if (!floating || floating == myScrollWindow) return;
    if (!CloseIfFront(kDocumentWindows, floating)) CloseIfFront(kFloatingWindows, floating);
}
