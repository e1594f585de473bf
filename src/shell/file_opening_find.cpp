// Finding a file to open or insert that is not where its path says: its name in the program's folders.
#include "shell/file_opening.h"

#include <filesystem>
#include <system_error>

// The user's support folders come before the program's own, then the desktop and documents, then the
// media folders (the chosen ones only when set: an unset slot is empty and passed over).
const AppPathSlot kOpenSearchSlots[11] = {16,
                                          14,
                                          kApplicationSlot,
                                          kDesktopSlot,
                                          kDocumentsSlot,
                                          kChosenMusicSlot,
                                          18,
                                          kChosenMoviesSlot,
                                          15,
                                          kChosenPicturesSlot,
                                          kPictureSequenceSlot};
const AppPathSlot kInsertSearchSlots[5] = {16, 14, kApplicationSlot, kDesktopSlot, kDocumentsSlot};

namespace {

// A folder of the same name is not the file.
bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

void SplitFilePath(const std::string& path, std::string& folder, std::string& name) {
    const size_t slash = path.rfind('/');
    folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

OSErr LocateFile(const std::string& path, std::span<const AppPathSlot> slots, std::string& found) {
    if (path.empty()) return fnfErr;
    if (IsFile(path)) {
        // A name given relative to the working folder (on the command line) still needs its folder, for the
        // scripts menu and the next save.
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(path, error);
        found = error ? path : absolute.lexically_normal().string();
        return noErr;
    }
    std::string folder, name;
    SplitFilePath(path, folder, name);
    if (name.empty() || name == "." || name == "..") return fnfErr;
    for (AppPathSlot slot : slots) {
        const std::string candidate = GetAppPathFolder(slot);
        if (candidate.empty() || !IsFile(candidate + name)) continue;
        found = candidate + name;
        return noErr;
    }
    return fnfErr;
}
