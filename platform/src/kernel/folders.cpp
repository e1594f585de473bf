// The preferences folder from the XDG base-directory variables, with the home folder as fallback.
#include "platform/folders.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr const char* kProgramFolderName = "Orvalis";

// The XDG rules ignore a relative path in these variables.
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = AbsoluteFromEnvironment("HOME");
    if (!home.empty()) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && entry->pw_dir[0] == '/')
        return entry->pw_dir;
    return {};
}

} // namespace

std::string PreferencesFolder() {
    std::string config = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (config.empty()) {
        std::string home = HomeFolder();
        if (home.empty()) return {};
        config = home + "/.config";
    }
    return config + "/" + kProgramFolderName;
}

OSErr MakePreferencesFolder() {
    std::string folder = PreferencesFolder();
    if (folder.empty()) return dirNFErr;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (std::filesystem::is_directory(folder)) return noErr;
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
