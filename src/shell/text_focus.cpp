// Which view of the script the edit commands act on.
#include "shell/edit_commands.h"

#include "platform/windows.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"

// The prompter's text and the edit window's are the script's editable views; the scroll monitor joins
// them here once it takes the focus. Any other window in front keeps the commands off the script.
WEReference FocusedTextView() {
    if (gEditOn == 0 && gScrollOn != 3) return nullptr;
    const WindowPtr front = FrontNonFloatingWindow();
    if (EditWEHandle && myEditWindow && front == myEditWindow) return EditWEHandle;
    if (ScrollWEHandle && (!front || front == myScrollWindow)) return ScrollWEHandle;
    return nullptr;
}
