// The copies of the script kept while the prompter shows a transformed text, so that the user's own text,
// styles, bookmarks and links always come back when the scroll stops.
#include "shell/mode_switching.h"

#include "scroll/bookmarks.h"
#include "shell/shell_globals.h"
#include "texttools/text_tools.h"

Handle gBackupMyTextResource = nullptr;
Handle gBackupMyStyle = nullptr;
Handle gBackupMyBookmarks = nullptr;
Handle gBackupMyHypertext = nullptr;

namespace {

struct BackedUp {
    Handle* working;
    Handle* backup;
};

const BackedUp kBackedUp[] = {
    {&myTextResource, &gBackupMyTextResource},
    {&myStyle, &gBackupMyStyle},
    {&gBookmarkList, &gBackupMyBookmarks},
    {&gHypertextList, &gBackupMyHypertext},
};

} // namespace

void FreeScrollBackups() {
    for (const BackedUp& part : kBackedUp) {
        if (*part.backup) DisposeHandle(*part.backup);
        *part.backup = nullptr;
    }
}

bool MakeScrollBackups() {
    FreeScrollBackups();
    bool complete = true;
    for (const BackedUp& part : kBackedUp) {
        if (!*part.working) continue;
        Handle copy = *part.working;
        if (HandToHand(&copy) == noErr)
            *part.backup = copy;
        else
            complete = false;
    }
    if (!complete) FreeScrollBackups();
    return complete;
}

void RestoreScrollBackups() {
    for (const BackedUp& part : kBackedUp) {
        if (!*part.backup) continue;
        if (*part.working) DisposeHandle(*part.working);
        *part.working = *part.backup;
        *part.backup = nullptr;
    }
}

bool ScrollTextIsTransformed() {
    return gTextHasMerged || gHypertextHasDisplayed || gTextHasFlowed;
}
