// The optional patch resource files beside the program: up to ten files whose resources come before the
// application's own in every search, so that texts and pictures can be replaced without rebuilding.
#include "shell/startup.h"

#include "foundation/app_paths.h"
#include "macros/macro_services.h"
#include "platform/resources.h"
#include "shell/shell_globals.h"

#include <string>

void OpenPatchFiles() {
    const std::string folder = GetAppPathFolder(kApplicationSlot);
    for (int i = 0; i < kPatchResFileCount; ++i) {
        gPatchResFile[i] = kNoResFile;
        if (folder.empty()) continue;
        const ResFileRefNum file = OpenResFile(folder + "patch" + std::to_string(i) + ".res", fsCurPerm);
        if (file >= 0) gPatchResFile[i] = file;
    }
    // The command-window line is looked up while the last patch file is current, so a patch wins.
    LoadCmdOpSlash();
    UseResFile(gMainResFileNum);
}

void ClosePatchFiles() {
    for (ResFileRefNum& file : gPatchResFile) {
        if (file == kNoResFile) continue;
        CloseResFile(file);
        file = kNoResFile;
    }
    UseResFile(gMainResFileNum);
}
