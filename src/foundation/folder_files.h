// Files of a folder by index or by content, names made unique in a folder, and full names split into
// folder and file. Folders are UTF-8 paths ending in '/'; file names are Mac Roman length-prefixed strings.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

// Whether a UTF-8 name or path can be kept in a length-prefixed Mac Roman string: every character has
// a Mac Roman byte and there are at most 255 of them.
bool FitsPString(const std::string& utf8);

// The folder's path joined with the name, or empty when the name could step out of the folder (a '/' or
// a ".." name), is empty, or either part is missing.
std::string PathInFolder(const std::string& folder, ConstStringPtr name);

// Whether folder + name is a file that exists.
bool DoesFileExist(ConstStringPtr name, const std::string& folder);

// The names of the folder's files in name order, in Mac Roman; files whose names Mac Roman cannot hold
// (in at most 255 bytes) are left out, as the program could not name them.
std::vector<std::string> GetFolderFileNames(const std::string& folder);

// The name of the index-th file of the folder (from 1, in name order), in a buffer the next call
// overwrites; null past the end. Files whose names Mac Roman cannot hold are not counted.
ConstStringPtr GetDirectoryFiles(SInt16 index, const std::string& folder);
// The name of the folder's index-th subfolder (from 1) in a shared buffer, or null when there is none.
ConstStringPtr GetDirFiles(const std::string& folder, SInt16 index);

// From *index on, the first file whose first four bytes are the magic, read in either byte order: true,
// with its name and *index set to it. At the end of the folder *index is left past the last file.
bool GetNameNumFromDir(const std::string& folder, StringPtr name, SInt16* index, UInt32 magic);

// prefix + four digits + suffix, the lowest number from 0000 whose name is not yet taken in the folder.
// dupFNErr, with the name for 9999, when every number is taken.
OSErr GetNextUnusedName(const std::string& folder, ConstStringPtr prefix, ConstStringPtr suffix,
                        StringPtr name);

// Splits a full name at its last '/': the folder keeps the slash, the file gets the rest. Without a
// slash both come back empty.
void GetFileandPathFromFullName(ConstStringPtr full, StringPtr file, std::string& folder);
