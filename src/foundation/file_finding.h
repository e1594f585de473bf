// Finding a file the user or a document names: in the program's folders in a fixed order, then by
// searching folders recursively, then again with each other ending of the file's kind.
#pragma once

#include "platform/types.h"

#include <string>

// Searches the folder and, depth first, its subfolders for a file of the name: 0 with the file's full
// path, or fnfErr. A folder reached twice through links is searched once.
OSErr FindThisFile(ConstStringPtr name, const std::string& folder, std::string& found);

// name: a bare file name or a full path (Mac Roman). On success 0, the name is the bare name as found
// (its ending may have changed) and folder is the folder that holds it. Otherwise fnfErr and the name
// is the bare name that was asked for.
OSErr FindTextFile(StringPtr name, std::string& folder);
OSErr FindMusicFile(StringPtr name, std::string& folder);
OSErr FindMovieFile(StringPtr name, std::string& folder);
OSErr FindPictureFile(StringPtr name, std::string& folder);
