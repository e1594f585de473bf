// The find family: each kind of file has its own folder orders and its own table of endings to retry.
#include "foundation/file_finding.h"

#include "foundation/app_paths.h"
#include "foundation/file_types.h"
#include "foundation/folder_files.h"
#include "platform/folders.h"
#include "platform/pstring.h"
#include "shell/shell_globals.h"

#include <set>
#include <span>

namespace {

// Slots are listed in the order they are tried; an empty slot is passed over.
struct FindOrder {
    SInt16 fileTypes;
    std::span<const AppPathSlot> direct;
    std::span<const AppPathSlot> recursive;
};

constexpr AppPathSlot kTextDirect[] = {16, 4, 14, 0, 8, 12};
constexpr AppPathSlot kMediaDirect[] = {16, 4, 14, 2, 0, 8, 12, 6};
constexpr AppPathSlot kPictureDirect[] = {17, 5, 0, 11, 14, 8, 12};
constexpr AppPathSlot kDocumentsRecursive[] = {12, 8, 18, 22, 15, 20, 17, 21, 9, 10, 11};
constexpr AppPathSlot kPictureRecursive[] = {21, 12, 8, 11};

bool SearchFolder(ConstStringPtr name, const std::string& folder, std::set<std::string>& seen,
                  std::string& found) {
    const std::string canonical = CanonicalFolder(folder);
    if (canonical.empty() || !seen.insert(canonical).second) return false;
    if (DoesFileExist(name, folder)) {
        found = PathInFolder(folder, name);
        return true;
    }
    for (const std::string& sub : ListFolder(folder, kListSubfolders))
        if (SearchFolder(name, folder + sub + "/", seen, found)) return true;
    return false;
}

OSErr FindInOrder(StringPtr name, std::string& folder, const FindOrder& order) {
    if (!name) return paramErr;
    Str255 asked;
    CopyPString(name, asked);
    std::string fullFolder;
    GetFileandPathFromFullName(asked, name, fullFolder);
    if (fullFolder.empty()) {
        CopyPString(asked, name);
    } else if (DoesFileExist(name, fullFolder)) {
        folder = fullFolder;
        return noErr;
    }
    CopyPString(name, asked);

    SInt16 endings = 0;
    GetThisFileTypeFileExt(order.fileTypes, 0, &endings);
    for (SInt16 pass = 0;; ++pass) {
        if (DoesFileExist(name, gOutPath)) {
            folder = gOutPath;
            return noErr;
        }
        for (AppPathSlot slot : order.direct) {
            if (DoesFileExist(name, gOVPaths[slot])) {
                folder = gOVPaths[slot];
                return noErr;
            }
        }
        for (AppPathSlot slot : order.recursive) {
            std::string found;
            if (!gOVPaths[slot].empty() && FindThisFile(name, gOVPaths[slot], found) == noErr) {
                folder = found.substr(0, found.rfind('/') + 1);
                return noErr;
            }
        }
        if (pass >= endings) break;
        ChangeExtension(name, GetThisFileTypeFileExt(order.fileTypes, pass, nullptr));
    }
    CopyPString(asked, name);
    return fnfErr;
}

} // namespace

OSErr FindThisFile(ConstStringPtr name, const std::string& folder, std::string& found) {
    std::set<std::string> seen;
    return SearchFolder(name, folder, seen, found) ? noErr : fnfErr;
}

OSErr FindTextFile(StringPtr name, std::string& folder) {
    return FindInOrder(name, folder, {kTextFileTypes, kTextDirect, kDocumentsRecursive});
}
OSErr FindMusicFile(StringPtr name, std::string& folder) {
    return FindInOrder(name, folder, {kSoundFileTypes, kMediaDirect, kDocumentsRecursive});
}
OSErr FindMovieFile(StringPtr name, std::string& folder) {
    return FindInOrder(name, folder, {kMovieFileTypes, kMediaDirect, kDocumentsRecursive});
}
OSErr FindPictureFile(StringPtr name, std::string& folder) {
    return FindInOrder(name, folder, {kPictureFileTypes, kPictureDirect, kPictureRecursive});
}
