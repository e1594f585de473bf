// The folders the program works with, by application path slot: the program's own folder and its
// support folders, the user's standard folders, the user's copies of the support folders and the three
// media folders chosen in the preferences. Paths are UTF-8 and end in '/'.
#pragma once

#include "platform/types.h"

#include <string>

using AppPathSlot = SInt16;
enum : AppPathSlot {
    kApplicationSlot = 0,  // the folder that holds the program
    kFirstSupportSlot = 1, // 1 to 7: support folders beside the program (read-only installed copies)
    kDesktopSlot = 8,
    kMusicDocumentsSlot = 9,
    kMovieDocumentsSlot = 10,
    kPictureDocumentsSlot = 11,
    kDocumentsSlot = 12,
    kFirstUserSupportSlot = 13, // 13 to 19: the user's own support folders
    kMacroFolderSlot = 13,
    kPictureSequenceSlot = 17,
    kChosenMoviesSlot = 20,
    kChosenPicturesSlot = 21,
    kChosenMusicSlot = 22,
    kInstructionsSlot = 23, // the folder that holds the instructions document
    kAppPathSlotCount = 24,
};
enum : SInt16 { kSupportFolderNames = 304, kSupportFolderCount = 7 };

// Empty where the folder was not found.
extern std::string gOVPaths[kAppPathSlotCount];

// Fills every slot; called once at start-up after the preferences are read. The user's support folders
// (slots 13, 14, 16 and 19) are made in the data folder when missing; those kept among the user's media
// (15 movies, 17 pictures, 18 music) fall back to the matching folder beside the program (3, 5, 6).
void GetOVPaths();

// The slot's folder, or empty when the folder is not known or the slot is out of range.
std::string GetAppPathFolder(AppPathSlot slot);

// Store a newly chosen media folder in the preferences and in slot 20, 21 or 22; an empty path clears
// the choice. The slot stays empty when the folder does not exist. bdNamErr, and nothing changed, when
// the path cannot be kept in the preference field (more than 255 bytes, or characters it cannot hold).
OSErr ChangeMoviePath(const std::string& path);
OSErr ChangePicturePath(const std::string& path);
OSErr ChangeMusicPath(const std::string& path);

// The instructions document installed beside the program; empty when it is not there.
std::string GetInstructionsBundlePath();
// Another of the program's installed files by its (Mac Roman) name; empty when it is not there.
std::string GetOtherFileBundlePath(ConstStringPtr name);
