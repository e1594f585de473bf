// Folder existence, creation and listing in a stable order.
#include "platform/folders.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

OSErr MakeFolder(const std::string& path) {
    if (path.empty()) return dirNFErr;
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (FolderExists(path)) return noErr;
    switch (ec.value()) {
    case EACCES:
    case EPERM:
    case EROFS:
        return permErr;
    case ENOSPC:
        return dskFulErr;
    default:
        return ioErr;
    }
}

std::vector<std::string> ListFolder(const std::string& path, FolderEntryKind kind) {
    std::vector<std::string> names;
    std::error_code ec;
    if (path.empty()) return names;
    std::filesystem::directory_iterator it(path, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        // Links count as what they point to, so a linked folder is searched like any other; a broken
        // link, a socket or a device is neither a file nor a folder.
        std::error_code typeEc;
        const bool wanted = kind == kListSubfolders ? std::filesystem::is_directory(it->path(), typeEc)
                                                    : std::filesystem::is_regular_file(it->path(), typeEc);
        if (wanted) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string CanonicalFolder(const std::string& path) {
    std::error_code ec;
    if (!FolderExists(path)) return {};
    std::string canonical = std::filesystem::canonical(path, ec).string();
    return ec ? std::string() : canonical;
}
