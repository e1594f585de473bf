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
    {kFileMenuID, 6, 6, "text merge (word swap)"},
    {kFileMenuID, 7, 7, "save options dialog"},
    {kFileMenuID, 9, 12, "media queues"},
    {kFileMenuID, 19, 20, "printing"},
    {kEditMenuID, 1, 16, "edit commands"},
    {kEditMenuID, 17, 20, "preference sets"},
    {kEditMenuID, 21, 21, "preferences dialog"},
    {kWindowsMenuID, 4, 4, "toolbar"},
    {kWindowsMenuID, 5, 5, "help window"},
    {kWindowsMenuID, 7, 7, "text merge window"},
    {kWindowsMenuID, 8, 9, "recording and media queue windows"},
    {kWindowsMenuID, 10, 10, "command window"},
    {kWindowsMenuID, 11, 11, "hypertext window"},
    {kWindowsMenuID, 12, 12, "key-equivalents window"},
    {kWindowsMenuID, 13, 13, "colour chart"},
    {kWindowsMenuID, 14, 14, "edit window shortcut"},
    {kWindowsMenuID, 16, 17, "functions and scroll monitor shortcuts"},
    {kWindowsMenuID, 24, 24, "format palette"},
    {kWindowsMenuID, 25, 26, "overlay and mandala editors"},
    {kScrollMenuID, 9, 9, "bookmark mark character dialog"},
    {kScrollMenuID, 12, 13, "movie and picture export"},
    {kScrollMenuID, 17, 18, "music and the music player"},
    {kRecentFilesMenuID, 0, 0, "recent files"},
    {kFontMenuID, 0, 0, "format commands"},
    {kSizeMenuID, 0, 0, "format commands"},
    {kStyleMenuID, 0, 0, "format commands"},
    {kColorMenuID, 0, 0, "format commands"},
    {kJustificationMenuID, 0, 0, "format commands"},
    {kUserSetsMenuID, 0, 0, "preference sets"},
    {kBuiltInSetsMenuID, 0, 0, "preference sets"},
    {kMacroMenuID, 0, 0, "macro language"},
    {kMacroFilesMenuID, 0, 0, "macro language"},
    {kCopySpecialMenuID, 0, 0, "edit commands"},
    {kPasteSpecialMenuID, 0, 0, "edit commands"},
    {kSelectionMenuID, 0, 0, "edit commands"},
    {kBookmarkToolsMenuID, 0, 0, "edit commands"},
    {kTextTransformsMenuID, 0, 0, "edit commands"},
    {kFindToolsMenuID, 0, 0, "find tools"},
    {kSpellingMenuID, 0, 0, "spelling"},
    {kSpellingDictionariesMenuID, 0, 0, "spelling"},
    {kSpellingOptionsMenuID, 0, 0, "spelling"},
};

} // namespace

const char* CommandWaitsFor(SInt16 menuID, SInt16 item) {
    for (const WaitingCommands& row : kWaiting)
        if (row.menu == menuID && (row.first == 0 || (item >= row.first && item <= row.last)))
            return row.waitsFor;
    return nullptr;
}
