// Where the program keeps its files and finds the user's: the configuration and data folders of the
// desktop, the user's standard folders, and folder listings.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

// $XDG_CONFIG_HOME/Orvalis, or ~/.config/Orvalis when that variable is unset or not an absolute path;
// empty when no home folder is known either. Only names the folder: nothing is created.
std::string PreferencesFolder();
// Creates the preferences folder (and the folders above it) when it is missing, so that settings can be
// written: noErr when it exists afterwards, dirNFErr when no folder is known, else the error met.
OSErr MakePreferencesFolder();

// $XDG_DATA_HOME/Orvalis, or ~/.local/share/Orvalis; the program's own writable support folders live
// in it. Empty when no home folder is known. Only names the folder: nothing is created.
std::string DataFolder();

// The user's standard folders, as the desktop's user-dirs.dirs file names them (the usual English name
// in the home folder when it names none). Empty when the folder does not exist: they are never made.
enum StandardFolderKind : SInt16 {
    kDesktopFolder,
    kDocumentsFolder,
    kMusicFolder,
    kMoviesFolder,
    kPicturesFolder,
};
std::string StandardFolder(StandardFolderKind kind);

bool FolderExists(const std::string& path);
// Makes the folder and the folders above it: noErr when it exists afterwards, dirNFErr for an empty
// path, permErr or dskFulErr when the file system refuses, else ioErr.
OSErr MakeFolder(const std::string& path);

// The names (UTF-8) of a folder's files or of its subfolders, sorted by byte value so that an index into
// the list names the same entry from one call to the next. Hidden entries (a leading dot) are left out;
// an unreadable or missing folder lists nothing.
enum FolderEntryKind : SInt16 { kListFiles, kListSubfolders };
std::vector<std::string> ListFolder(const std::string& path, FolderEntryKind kind);
// The folder's path with links and "." and ".." resolved, so that two names of one folder compare equal;
// empty when it does not exist.
std::string CanonicalFolder(const std::string& path);
