// Showing the program's instructions, the text document installed beside the program.
#include "foundation/app_paths.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <string>

// The instructions are an ordinary text document, loaded and shown like any script.
void ShowInstructions(SInt16) {
    const std::string path = GetInstructionsBundlePath();
    const size_t slash = path.rfind('/');
    gOutPath = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    gOutName = slash == std::string::npos ? path : path.substr(slash + 1);
    gIsTextFile = kTextDocument;
    gIsDos = 0;
    // The instructions can be scrolled and saved like any opened script.
    if (ShowText(1) && SetScriptMenu(true)) EnableWhenFile(false);
}
