// The menu commands whose code is not written yet, with the part of the program each waits for: their
// items stay greyed, and a macro that forces one reaches only that part's stand-in.
#include "shell/commands.h"

namespace {

struct WaitingCommands {
    SInt16 menu;
    SInt16 first; // items first to last; 0 to 0 for every item of the menu
    SInt16 last;
    const char* waitsFor;
};

constexpr WaitingCommands kWaiting[] = {
    {kFileMenuID, 9, 12, "media queues"},
    {kEditMenuID, 8, 8, "macro editor"},
    {kEditMenuID, 11, 11, "find and replace window"},
    {kWindowsMenuID, 5, 5, "help window"},
    {kWindowsMenuID, 7, 7, "text merge window"},
    {kWindowsMenuID, 8, 9, "recording and media queue windows"},
    {kWindowsMenuID, 10, 10, "command window"},
    {kWindowsMenuID, 11, 11, "hypertext window"},
    {kWindowsMenuID, 12, 12, "key-equivalents window"},
    {kWindowsMenuID, 13, 13, "colour chart"},
    {kWindowsMenuID, 16, 16, "functions window shortcut"},
    {kWindowsMenuID, 24, 24, "format palette"},
    {kWindowsMenuID, 25, 26, "overlay and mandala editors"},
    {kScrollMenuID, 12, 13, "movie and picture export"},
    {kScrollMenuID, 17, 18, "music and the music player"},
    {kMacroMenuID, 0, 0, "macro language"},
    {kMacroFilesMenuID, 0, 0, "macro language"},
    {kBookmarkToolsMenuID, 3, 3, "bookmarks from a file"},
    {kFindToolsMenuID, 0, 0, "find tools"},
    {kSpellingMenuID, 0, 0, "spelling"},
    {kSpellingOptionsMenuID, 0, 0, "spelling"},
};

} // namespace

const char* CommandWaitsFor(SInt16 menuID, SInt16 item) {
    for (const WaitingCommands& row : kWaiting)
        if (row.menu == menuID && (row.first == 0 || (item >= row.first && item <= row.last)))
            return row.waitsFor;
    return nullptr;
}
