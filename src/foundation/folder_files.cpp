// Files of a folder by index or by content, unused names, and full names split into folder and file.
#include "foundation/folder_files.h"

#include "platform/bytes.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"

#include <cstdio>
#include <vector>

namespace {

// The entries the program can name, in Mac Roman.
std::vector<std::string> NameableEntries(const std::string& folder, FolderEntryKind kind) {
    std::vector<std::string> names;
    for (const std::string& name : ListFolder(folder, kind))
        if (FitsPString(name)) names.push_back(Utf8ToMacRoman(name));
    return names;
}

ConstStringPtr EntryName(const std::vector<std::string>& names, SInt16 index, Str255 buffer) {
    if (index < 1 || size_t(index) > names.size()) return nullptr;
    SetPString(buffer, names[size_t(index) - 1]);
    return buffer;
}

} // namespace

bool FitsPString(const std::string& utf8) {
    return Utf8FitsMacRoman(utf8) && Utf8ToMacRoman(utf8).size() <= 255;
}

std::string PathInFolder(const std::string& folder, ConstStringPtr name) {
    if (folder.empty() || !name || name[0] == 0) return {};
    const std::string_view text = PStringView(name);
    if (text.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos || text == "." ||
        text == "..")
        return {};
    return folder + MacRomanToUtf8(text);
}

std::vector<std::string> GetFolderFileNames(const std::string& folder) {
    return NameableEntries(folder, kListFiles);
}

bool DoesFileExist(ConstStringPtr name, const std::string& folder) {
    const std::string path = PathInFolder(folder, name);
    return !path.empty() && FileExists(path) && !FolderExists(path);
}

ConstStringPtr GetDirectoryFiles(SInt16 index, const std::string& folder) {
    static Str255 buffer;
    return EntryName(NameableEntries(folder, kListFiles), index, buffer);
}

ConstStringPtr GetDirFiles(const std::string& folder, SInt16 index) {
    static Str255 buffer;
    return EntryName(NameableEntries(folder, kListSubfolders), index, buffer);
}

bool GetNameNumFromDir(const std::string& folder, StringPtr name, SInt16* index, UInt32 magic) {
    if (!index) return false;
    const std::vector<std::string> files = NameableEntries(folder, kListFiles);
    if (*index < 1) *index = 1;
    for (; size_t(*index) <= files.size(); ++*index) {
        std::vector<UInt8> start;
        if (ReadFileStart(folder + MacRomanToUtf8(files[size_t(*index) - 1]), 4, start) != noErr ||
            start.size() < 4)
            continue;
        // Files written on a machine of the other byte order carry the magic swapped.
        const UInt32 read = ReadBE32(start.data());
        const UInt32 swapped =
            (read >> 24) | ((read >> 8) & 0xFF00) | ((read << 8) & 0xFF0000) | (read << 24);
        if (read == magic || swapped == magic) {
            if (name) EntryName(files, *index, name);
            return true;
        }
    }
    return false;
}

OSErr GetNextUnusedName(const std::string& folder, ConstStringPtr prefix, ConstStringPtr suffix,
                        StringPtr name) {
    const std::string head(PStringView(prefix)), tail(PStringView(suffix));
    for (int number = 0; number <= 9999; ++number) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04d", number);
        SetPString(name, head + digits + tail);
        if (!DoesFileExist(name, folder)) return noErr;
    }
    return dupFNErr;
}

void GetFileandPathFromFullName(ConstStringPtr full, StringPtr file, std::string& folder) {
    file[0] = 0;
    folder.clear();
    const std::string_view text = PStringView(full);
    const size_t slash = text.rfind('/');
    if (slash == std::string_view::npos) return;
    folder = MacRomanToUtf8(text.substr(0, slash + 1));
    SetPString(file, text.substr(slash + 1));
}
