// The configuration and data folders from the XDG base-directory variables, and the user's standard
// folders from the user-dirs.dirs file, with the home folder as fallback.
#include "platform/folders.h"

#include <cstdlib>
#include <fstream>
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

// The XDG folder named by the variable, else the given folder inside the home folder.
std::string BaseFolder(const char* variable, const char* underHome) {
    std::string base = AbsoluteFromEnvironment(variable);
    if (!base.empty()) return base;
    std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/" + underHome;
}

// One line of user-dirs.dirs, XDG_<KEY>_DIR="value", where the value is absolute or starts with $HOME/.
std::string UserDirFromLine(const std::string& line, const std::string& key, const std::string& home) {
    const std::string lead = "XDG_" + key + "_DIR=\"";
    if (line.compare(0, lead.size(), lead) != 0) return {};
    const size_t end = line.find('"', lead.size());
    if (end == std::string::npos) return {};
    std::string value = line.substr(lead.size(), end - lead.size());
    if (value.compare(0, 6, "$HOME/") == 0) return home + value.substr(5);
    if (value == "$HOME") return home;
    return value[0] == '/' ? value : std::string();
}

} // namespace

std::string PreferencesFolder() {
    std::string config = BaseFolder("XDG_CONFIG_HOME", ".config");
    return config.empty() ? config : config + "/" + kProgramFolderName;
}

OSErr MakePreferencesFolder() {
    return MakeFolder(PreferencesFolder());
}

std::string DataFolder() {
    std::string data = BaseFolder("XDG_DATA_HOME", ".local/share");
    return data.empty() ? data : data + "/" + kProgramFolderName;
}

std::string StandardFolder(StandardFolderKind kind) {
    struct Entry {
        const char* key;
        const char* fallback;
    };
    static constexpr Entry kEntries[] = {
        {"DESKTOP", "Desktop"}, {"DOCUMENTS", "Documents"}, {"MUSIC", "Music"},
        {"VIDEOS", "Videos"},   {"PICTURES", "Pictures"},
    };
    if (kind < kDesktopFolder || kind > kPicturesFolder) return {};
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    std::string folder;
    const std::string config = BaseFolder("XDG_CONFIG_HOME", ".config");
    std::ifstream dirs(config + "/user-dirs.dirs");
    for (std::string line; folder.empty() && std::getline(dirs, line);)
        folder = UserDirFromLine(line, kEntries[kind].key, home);
    if (folder.empty()) folder = home + "/" + kEntries[kind].fallback;
    return FolderExists(folder) ? folder : std::string();
}
