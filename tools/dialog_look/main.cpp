// The text format dialogs, the special attribute dialog and the name dialog shown one after another in
// the running program, for a person (or a screenshot script) to look at. Before each it prints the
// dialog's name; closing a dialog (Escape cancels it) brings the next. It quits after the last.
#include "foundation/app_paths.h"
#include "platform/application.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "scroll/bookmarks.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "scroll/style_code_dialog.h"
#include "scroll/text_format_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <cstdio>

namespace {

void Announce(const char* name) {
    std::printf("showing %s\n", name);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    gMainResFileNum = OpenResFile(ApplicationFolder() + "/Orvalis.rsrc", fsRdPerm);
    if (gMainResFileNum < 0) return 1;
    gLastResFile = gMainResFileNum;
    if (!StartUp()) return 1;
    Announce("size");
    DoSizeDialog(myScrollWindow, 0);
    Announce("spacing");
    DoSpacingDialog(myScrollWindow);
    Announce("mark");
    GetMarkCharacter();
    Announce("special");
    Str255 code;
    GetSpecialAttribute(code);
    Announce("name");
    Str255 name;
    SetPString(name, "\\b1 \\fs24 Welcome");
    GetFontSetName(name, 195);
    Announce("colour");
    RGBColor color{0xFFFF, 0x8080, 0};
    GetColorDialog(1, &color);
    Announce("done");
    ShutdownPlatform();
    return 0;
}
