// The table of the program's folders, filled once at start-up, and the media folders the user chooses.
#include "foundation/app_paths.h"

#include "foundation/folder_files.h"
#include "foundation/program_strings.h"
#include "platform/application.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_fields.h"

namespace {

constexpr const char* kInstructionsName = "Orvalis Instructions.txt";

std::string AsFolderPath(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

// Item 1 to 7 of the support folder list; empty when the resource file lacks it.
std::string SupportFolderName(SInt16 item) {
    Str255 name;
    if (!GetOrvalisString(kSupportFolderNames, item, name)) return {};
    return MacRomanToUtf8(PStringView(name));
}

std::string SupportFolderIn(const std::string& parent, SInt16 item) {
    const std::string name = SupportFolderName(item);
    if (parent.empty() || name.empty()) return {};
    return parent + name + "/";
}

// A support folder of the user's: made when it is missing, empty when it cannot be made.
std::string MadeSupportFolder(const std::string& parent, SInt16 item) {
    std::string folder = SupportFolderIn(parent, item);
    return !folder.empty() && MakeFolder(folder) == noErr ? folder : std::string();
}

// A support folder among the user's media, or the installed one beside the program when it is missing.
std::string MediaSupportFolder(StandardFolderKind media, SInt16 item) {
    std::string folder = SupportFolderIn(AsFolderPath(StandardFolder(media)), item);
    return FolderExists(folder) ? folder : gOVPaths[kFirstSupportSlot + item - 1];
}

std::string ChosenFolder(PrefString field) {
    Str255 stored;
    GetPrefString(gThePreferences, field, stored);
    std::string folder = AsFolderPath(MacRomanToUtf8(PStringView(stored)));
    return FolderExists(folder) ? folder : std::string();
}

OSErr ChangeChosenFolder(PrefString field, AppPathSlot slot, const std::string& path) {
    const std::string folder = AsFolderPath(path);
    if (!FitsPString(folder)) return bdNamErr;
    Str255 stored;
    SetPString(stored, Utf8ToMacRoman(folder));
    SetPrefString(gThePreferences, field, stored);
    gOVPaths[slot] = FolderExists(folder) ? folder : std::string();
    gPrefsChanged = true;
    return noErr;
}

} // namespace

void GetOVPaths() {
    for (std::string& path : gOVPaths)
        path.clear();
    gOVPaths[kApplicationSlot] = AsFolderPath(ApplicationFolder());
    const std::string instructions = GetInstructionsBundlePath();
    if (!instructions.empty())
        gOVPaths[kInstructionsSlot] = instructions.substr(0, instructions.rfind('/') + 1);
    for (SInt16 item = 1; item <= kSupportFolderCount; ++item)
        gOVPaths[kFirstSupportSlot + item - 1] = SupportFolderIn(gOVPaths[kApplicationSlot], item);

    gOVPaths[kDesktopSlot] = AsFolderPath(StandardFolder(kDesktopFolder));
    gOVPaths[kMusicDocumentsSlot] = AsFolderPath(StandardFolder(kMusicFolder));
    gOVPaths[kMovieDocumentsSlot] = AsFolderPath(StandardFolder(kMoviesFolder));
    gOVPaths[kPictureDocumentsSlot] = AsFolderPath(StandardFolder(kPicturesFolder));
    gOVPaths[kDocumentsSlot] = AsFolderPath(StandardFolder(kDocumentsFolder));

    // The user's own support folders are the program's to make, so they go in its data folder rather
    // than among the user's documents; those that hold media stay with the user's media.
    const std::string data = AsFolderPath(DataFolder());
    gOVPaths[13] = MadeSupportFolder(data, 1);
    gOVPaths[14] = MadeSupportFolder(data, 2);
    gOVPaths[15] = MediaSupportFolder(kMoviesFolder, 3);
    gOVPaths[16] = MadeSupportFolder(data, 4);
    gOVPaths[17] = MediaSupportFolder(kPicturesFolder, 5);
    gOVPaths[18] = MediaSupportFolder(kMusicFolder, 6);
    gOVPaths[19] = MadeSupportFolder(data, 7);

    gOVPaths[kChosenMoviesSlot] = ChosenFolder(kPrefMoviesFolder);
    gOVPaths[kChosenPicturesSlot] = ChosenFolder(kPrefPicturesFolder);
    gOVPaths[kChosenMusicSlot] = ChosenFolder(kPrefMusicFolder);
}

std::string GetAppPathFolder(AppPathSlot slot) {
    return slot >= 0 && slot < kAppPathSlotCount ? gOVPaths[slot] : std::string();
}

OSErr ChangeMoviePath(const std::string& path) {
    return ChangeChosenFolder(kPrefMoviesFolder, kChosenMoviesSlot, path);
}
OSErr ChangePicturePath(const std::string& path) {
    return ChangeChosenFolder(kPrefPicturesFolder, kChosenPicturesSlot, path);
}
OSErr ChangeMusicPath(const std::string& path) {
    return ChangeChosenFolder(kPrefMusicFolder, kChosenMusicSlot, path);
}

std::string GetInstructionsBundlePath() {
    const std::string path = AsFolderPath(ApplicationFolder()) + kInstructionsName;
    return FileExists(path) ? path : std::string();
}

std::string GetOtherFileBundlePath(ConstStringPtr name) {
    if (!name || name[0] == 0) return {};
    const std::string path = AsFolderPath(ApplicationFolder()) + MacRomanToUtf8(PStringView(name));
    return FileExists(path) ? path : std::string();
}
