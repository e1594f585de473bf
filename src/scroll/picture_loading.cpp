// Reading the background picture from its file: the folder the preferences name, another folder the
// script suggests, the program's picture search, and the built-in pictures beside the program.
#include "foundation/app_paths.h"
#include "foundation/error_dialog.h"
#include "foundation/file_finding.h"
#include "foundation/jpeg_pictures.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_fields.h"
#include "scroll/background_picture.h"
#include "shell/file_opening.h"
#include "shell/offscreen_worlds.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <set>
#include <string>

namespace {

// Names of pictures already reported as unreadable: the background is drawn on every full redraw, and
// the user needs to hear about a damaged file only once.
std::set<std::string> gReportedPictures;

std::string FolderPath(ConstStr255Param folder) {
    std::string path = folder ? MacRomanToUtf8(PStringView(folder)) : std::string();
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

// The error reading the file's information would give: the file, then its folder missing.
OSErr FileInfoError(const std::string& folder, const std::string& name) {
    if (folder.empty() || !FolderExists(folder)) return dirNFErr;
    return FileExists(folder + name) ? OSErr(noErr) : OSErr(fnfErr);
}

constexpr OSErr kNoSuchVolume = -35, kNoSuchDrive = -56;

bool MeansNotThere(OSErr err) {
    return err == kNoSuchVolume || err == fnfErr || err == kNoSuchDrive || err == dirNFErr;
}

void ReportUnreadablePicture(const std::string& macName) {
    if (!gReportedPictures.insert(macName).second) return;
    DoErrorMessageText("The picture file \"" + macName +
                       "\" cannot be read: it is damaged or not a picture the program knows.");
}

// The world's pixels kept as picture data, so that the world itself can go.
PicHandle RecordPicture(GWorldPtr world) {
    Rect bounds{};
    GetPortBounds(world, &bounds);
    return NewPictureFromPort(world, &bounds);
}

} // namespace

PicHandle GetThePicture(ConstStr255Param name, ConstStr255Param folder, ConstStr255Param alternate,
                        Boolean* foundInAlternate, SInt16 rotation, SInt16 flipH, SInt16 flipV) {
    if (foundInAlternate) *foundInAlternate = false;
    if (!name || name[0] == 0) return nullptr;
    const std::string macName(PStringView(name));
    const std::string fileName = MacRomanToUtf8(macName);
    std::string where = FolderPath(folder);
    OSErr err = FileInfoError(where, fileName);
    if (err != noErr && alternate && MeansNotThere(err)) {
        const std::string other = FolderPath(alternate);
        if (FileInfoError(other, fileName) == noErr) {
            where = other;
            err = noErr;
            if (foundInAlternate) *foundInAlternate = true;
        }
    }
    std::string path = where + fileName;
    if (err != noErr) {
        Str255 asked;
        CopyPString(name, asked);
        std::string found;
        if (FindPictureFile(asked, found) != noErr) return nullptr;
        if (!found.empty() && found.back() != '/') found += '/';
        path = found + MacRomanToUtf8(PStringView(asked));
    }
    const WindowReference saved = GetPortReference();
    GWorldPtr world = nullptr;
    err = ReadJPEG(path.c_str(), &world, nullptr, false, false, rotation, flipH, flipV);
    PicHandle picture = nullptr;
    if (err == noErr && world) {
        picture = RecordPicture(world);
        DisposeGWorld(world);
    } else if (err != fnfErr) {
        ReportUnreadablePicture(macName);
    }
    SetPortByReference(saved);
    return picture;
}

PicHandle GetBuiltInPicture(SInt16 item) {
    Str255 name;
    if (!GetOrvalisString(kBuiltInPictureNames, item, name)) return nullptr;
    const std::string folder = GetAppPathFolder(kInstructionsSlot);
    if (folder.empty()) return nullptr;
    Str255 macFolder;
    SetPString(macFolder, Utf8ToMacRoman(folder));
    return GetThePicture(name, macFolder, nullptr, nullptr, 0, 0, 0);
}

namespace {

SInt16 BuiltInItemForKind(SInt16 kind) {
    switch (kind) {
    case kPictureKindFalling:
        return kFallingPictureItem;
    case kPictureKindStars:
        return kStarsPictureItem;
    case kPictureKindLiveVideo:
        return kLiveVideoPictureItem;
    case kPictureKindMandala:
        return kMandalaPictureItem;
    default:
        return 0;
    }
}

PicHandle GetMoviePicture() {
    const PrefsRecord& p = gThePreferences;
    if (!gTheMovie) {
        Str255 name, folder;
        GetPrefString(p, kPrefMovieFileName, name);
        GetPrefString(p, kPrefMovieFolder, folder);
        gTheMovie = GetTheMovie(name, folder, gMatrixPort, true);
    }
    PicHandle picture = gTheMovie ? GetMoviePosterPicture(gTheMovie) : nullptr;
    return picture ? picture : GetBuiltInPicture(kMoviePictureItem);
}

// The picture file the preferences name; a script that brings its pictures along may hold it in its own
// folder, which is then remembered as the picture folder.
PicHandle GetPictureFile() {
    PrefsRecord& p = gThePreferences;
    Str255 name, folder;
    GetPrefString(p, kPrefPictureFileName, name);
    GetPrefString(p, kPrefPictureFolder, folder);
    // The queue's folder with a queue, else the script's own folder.
    std::string second = gQueue ? GetQueueFolder(gQueue) : std::string();
    if (second.empty()) second = gInPath;
    Str255 alternate;
    SetPString(alternate, Utf8ToMacRoman(second));
    Boolean inAlternate = false;
    PicHandle picture = GetThePicture(name, folder, second.empty() ? nullptr : alternate, &inAlternate,
                                      GetPref(p, kPrefPictureRotation), GetPref(p, kPrefPictureFlipH),
                                      GetPref(p, kPrefPictureFlipV));
    if (picture && inAlternate) SetPrefString(p, kPrefPictureFolder, alternate);
    return picture;
}

} // namespace

PicHandle GetBackgroundPictureForKind(SInt16 kind) {
    if (kind == kPictureKindMovie) return GetMoviePicture();
    if (const SInt16 item = BuiltInItemForKind(kind)) return GetBuiltInPicture(item);
    return GetPictureFile();
}
