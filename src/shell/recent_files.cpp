// The recent-files list: kept in the preference file so that it survives a restart, shown in the Open
// Recent menu with the files that have gone greyed, and opened again from there or at start-up.
#include "foundation/error_dialog.h"
#include "foundation/file_finding.h"
#include "foundation/folder_files.h"
#include "foundation/program_strings.h"
#include "media/media_services.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_file.h"
#include "resource_names.h"
#include "scroll/scroll_position.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/file_opening.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <string>

namespace {

constexpr SInt16 kFindMissingText = 173;
constexpr UInt16 kQueueEntry = 2;
// The last file, kept apart from the list: its kind, line-end flag, name and folder.
constexpr UInt16 kLastFileKindAt = 66, kLastFileDosAt = 68, kLastFileNameAt = 76, kLastFileFolderAt = 332;

// Folds a Mac Roman letter to its lower-case form without accent, so that names that differ only in
// those compare equal.
UInt8 FoldLetter(UInt8 c) {
    // 0x80-0x9F: Ä Å Ç É Ñ Ö Ü, á à â ä ã å, ç, é è ê ë, í ì î ï, ñ, ó ò ô ö õ, ú ù û ü.
    static constexpr char kAccented[] = "aacenou"
                                        "aaaaaa"
                                        "c"
                                        "eeee"
                                        "iiii"
                                        "n"
                                        "ooooo"
                                        "uuuu";
    static_assert(sizeof(kAccented) == 0x20 + 1, "one letter for each code from 0x80 to 0x9F");
    if (c >= 'A' && c <= 'Z') return UInt8(c - 'A' + 'a');
    if (c >= 0x80 && c <= 0x9F) return UInt8(kAccented[c - 0x80]);
    switch (c) {
    case 0xCB:
    case 0xCC:
    case 0xE5:
    case 0xE7:
        return 'a';
    case 0xE6:
    case 0xE8:
    case 0xE9:
        return 'e';
    case 0xEA:
    case 0xEB:
    case 0xEC:
    case 0xED:
        return 'i';
    case 0xCD:
    case 0xEE:
    case 0xEF:
    case 0xF1:
        return 'o';
    case 0xF2:
    case 0xF3:
    case 0xF4:
        return 'u';
    case 0xD8:
    case 0xD9:
        return 'y';
    default:
        return c;
    }
}

bool SameName(ConstStr255Param a, ConstStr255Param b) {
    if (a[0] != b[0]) return false;
    for (int i = 1; i <= a[0]; ++i)
        if (FoldLetter(a[i]) != FoldLetter(b[i])) return false;
    return true;
}

struct RecentEntry {
    Str255 name = {0};
    Str255 folder = {0};
    UInt16 kind = 0;
    UInt16 dos = 0;
};

RecentEntry ReadEntry(SInt16 index) {
    RecentEntry entry;
    GetRecentEntryName(gRecentPreferences, index, entry.name);
    GetRecentEntryFolder(gRecentPreferences, index, entry.folder);
    entry.kind = GetRecentEntryKind(gRecentPreferences, index);
    entry.dos = GetRecentEntryValue(gRecentPreferences, index);
    return entry;
}

void WriteEntry(SInt16 index, const RecentEntry& entry) {
    SetRecentEntryName(gRecentPreferences, index, entry.name);
    SetRecentEntryFolder(gRecentPreferences, index, entry.folder);
    SetRecentEntryKind(gRecentPreferences, index, entry.kind);
    SetRecentEntryValue(gRecentPreferences, index, entry.dos);
}

SInt16 EntryCount() {
    const SInt16 count = GetRecentCount(gRecentPreferences);
    return count < 0 ? SInt16(0) : count > kRecentEntryCount ? kRecentEntryCount : count;
}

bool EntryExists(const RecentEntry& entry) {
    return entry.name[0] > 0 && DoesFileExist(entry.name, MacRomanToUtf8(PStringView(entry.folder)));
}

// The document or queue now open, as an entry; false when it has no name or its name or folder cannot
// be kept in the list.
bool CurrentEntry(RecentEntry& entry) {
    std::string name = gOutName, folder = gOutPath;
    entry.kind = UInt16(gIsTextFile);
    entry.dos = UInt16(gIsDos);
    if (gQueue) {
        const size_t slash = gPathSpec.rfind('/');
        if (slash == std::string::npos) return false;
        name = gPathSpec.substr(slash + 1);
        folder = gPathSpec.substr(0, slash + 1);
        entry.kind = kQueueEntry;
        entry.dos = 0;
    }
    if (name.empty() || !FitsPString(name) || !FitsPString(folder)) return false;
    SetPString(entry.name, Utf8ToMacRoman(name));
    SetPString(entry.folder, Utf8ToMacRoman(folder));
    return true;
}

// The entry becomes the document to open: its names, folder, kind and line ends.
void MakeEntryCurrent(ConstStr255Param name, ConstStr255Param folder, UInt16 kind, UInt16 dos) {
    gOutName = gFileName = MacRomanToUtf8(PStringView(name));
    gOutPath = gInPath = MacRomanToUtf8(PStringView(folder));
    gIsTextFile = SInt16(kind);
    gIsDos = SInt16(dos);
}

} // namespace

void AddToRecentFiles() {
    if (gDontAddToRecentFiles) return;
    RecentEntry added;
    if (!CurrentEntry(added)) return;
    SInt16 count = EntryCount();
    for (SInt16 i = 0; i < count; ++i) {
        const RecentEntry entry = ReadEntry(i);
        if (!SameName(entry.name, added.name) || !SameName(entry.folder, added.folder)) continue;
        for (SInt16 j = i; j + 1 < kRecentEntryCount; ++j)
            WriteEntry(j, ReadEntry(SInt16(j + 1)));
        WriteEntry(kRecentEntryCount - 1, RecentEntry{});
        --count;
        break;
    }
    for (SInt16 j = kRecentEntryCount - 1; j > 0; --j)
        WriteEntry(j, ReadEntry(SInt16(j - 1)));
    WriteEntry(0, added);
    SetRecentCount(gRecentPreferences, count < kRecentEntryCount ? SInt16(count + 1) : kRecentEntryCount);
    AddRecentFilesToMenu();
    DoPutPreferences(&gRecentPreferences, kPrefsKindRecent, nullptr);
}

void AddRecentFilesToMenu() {
    MenuRef menu = MenuResToMenuRef(kRecentFilesMenuID);
    if (!menu) return;
    DeleteMenuItems(menu, 1, CountMenuItems(menu));
    bool missing = false;
    const SInt16 count = EntryCount();
    for (SInt16 i = 0; i < count; ++i) {
        const RecentEntry entry = ReadEntry(i);
        if (entry.name[0] == 0) {
            // An empty name would be read as a separator; the slot stays choosable and says it is empty.
            const UInt8 blank[] = {1, ' '};
            AppendMenuItemText(menu, blank);
        } else {
            AppendMenuItemText(menu, entry.name);
        }
        const MenuItemIndex item = CountMenuItems(menu);
        if (EntryExists(entry)) {
            EnableMenuItem(menu, item);
        } else {
            DisableMenuItem(menu, item);
            missing = true;
        }
    }
    if (!missing) return;
    const UInt8 separator[] = {1, '-'};
    AppendMenuItemText(menu, separator);
    Str255 text;
    if (!GetOrvalisString(kProgramTexts, kFindMissingText, text) || text[0] == 0)
        SetPString(text, "Try to find missing files");
    AppendMenuItemText(menu, text);
    EnableMenuItem(menu, CountMenuItems(menu));
}

SInt16 CountRecentFiles() {
    return EntryCount();
}

void TryToFindMissingFiles() {
    bool found = false;
    const SInt16 count = EntryCount();
    for (SInt16 i = 0; i < count; ++i) {
        RecentEntry entry = ReadEntry(i);
        if (entry.name[0] == 0 || EntryExists(entry)) continue;
        std::string folder = MacRomanToUtf8(PStringView(entry.folder));
        if (FindTextFile(entry.name, folder) != noErr || !FitsPString(folder)) continue;
        // The file was found elsewhere: the entry follows it there.
        SetPString(entry.folder, Utf8ToMacRoman(folder));
        WriteEntry(i, entry);
        found = true;
    }
    if (!found) return;
    AddRecentFilesToMenu();
    DoPutPreferences(&gRecentPreferences, kPrefsKindRecent, nullptr);
}

void LoadRecentFile(SInt16 index) {
    if (index < 0 || index >= EntryCount()) return;
    const RecentEntry entry = ReadEntry(index);
    // A file that has gone since the menu was built is said to be gone, and the current script stays.
    if (!EntryExists(entry)) {
        DoErrorMessageText("The file \"" + MacRomanToUtf8(PStringView(entry.name)) +
                           "\" cannot be found. It may have been moved, renamed or removed.");
        AddRecentFilesToMenu();
        return;
    }
    DisposeQueue();
    MakeEntryCurrent(entry.name, entry.folder, entry.kind, entry.dos);
    gPathSpec = gInPath + gFileName;
    if (entry.kind == kQueueEntry) {
        gQueue = LoadQueueFile(gFileName, gInPath);
        if (gQueue && GetQueueElementCount(gQueue) > 0) {
            SetDocumentFromQueueElement(0);
        } else {
            gIsTextFile = kTextDocument;
        }
        gCurrentScriptName.clear();
    } else {
        gCurrentScriptName = gOutName;
    }
    if (SetScriptMenu(true)) EnableWhenFile(false);
    ShowScriptOfScriptsMenu();
    // Opening it again makes it the most recent.
    AddToRecentFiles();
}

void ReloadLastFile(SInt16 which) {
    Str255 name = {0}, folder = {0};
    UInt16 kind = 0, dos = 0;
    if (which == 0) {
        GetRecentFolder(gRecentPreferences, kLastFileNameAt, name);
        GetRecentFolder(gRecentPreferences, kLastFileFolderAt, folder);
        kind = UInt16(GetRecentShort(gRecentPreferences, kLastFileKindAt));
        dos = UInt16(GetRecentShort(gRecentPreferences, kLastFileDosAt));
    } else if (which == 1) {
        if (EntryCount() == 0) return;
        const RecentEntry entry = ReadEntry(0);
        std::copy(entry.name, entry.name + 256, name);
        std::copy(entry.folder, entry.folder + 256, folder);
        kind = entry.kind;
        dos = entry.dos;
    } else {
        SetPString(name, Utf8ToMacRoman(gFileName));
        SetPString(folder, Utf8ToMacRoman(gInPath));
        kind = UInt16(gIsTextFile);
        dos = UInt16(gIsDos);
    }
    if (name[0] == 0) return;
    MakeEntryCurrent(name, folder, kind, dos);
    gDontAddToRecentFiles = true;
    DoOpen(gInPath + gFileName);
    gDontAddToRecentFiles = false;
}
