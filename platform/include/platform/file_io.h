// Whole-file reading and the atomic save that every writer of the program goes through: the new file is
// written beside the old one and renamed over it only once it is complete, so a failed save loses nothing.
#pragma once

#include "platform/types.h"

#include <span>
#include <string>
#include <vector>

// fnfErr when the file does not exist, ioErr when it cannot be read.
OSErr ReadWholeFile(const std::string& path, std::vector<UInt8>& out);
// At most the first count bytes of a file (fewer when it is shorter), without reading the rest.
OSErr ReadFileStart(const std::string& path, size_t count, std::vector<UInt8>& out);
// dirNFErr when the folder does not exist, permErr when it cannot be written, ioErr otherwise.
OSErr WriteFileAtomically(const std::string& path, std::span<const UInt8> bytes);
// The first half of an atomic save, for saves that replace several files together: the bytes go into a new
// complete file beside `path` (with the permissions of the file it will replace), named in tempPath. The
// caller renames it over `path` with RenameFile, or deletes it.
OSErr WriteFileBeside(const std::string& path, std::span<const UInt8> bytes, std::string& tempPath);
// fnfErr when `from` does not exist, permErr when the folder cannot be written.
OSErr RenameFile(const std::string& from, const std::string& to);
OSErr DeleteFile(const std::string& path);
bool FileExists(const std::string& path);
// A short English description of a file error, for messages of build tools and logs.
const char* DescribeFileError(OSErr err);

// For tests only: makes a later step of the writes above fail as the disk would, so that the callers'
// failure paths can be run on any machine and as any user. Opening is the creation of the new file beside
// the old one (permErr), writing its bytes (dskFulErr, after half of them reached the file), syncing them
// (ioErr), and renaming a file (permErr). Reads and deletions never fail this way. `skip` lets that many
// matching steps pass before the one that fails; after failing once the step works again. Costs one test
// of a flag when no fault is armed.
enum class FileFaultStep { kOpen, kWrite, kSync, kRename };
void InjectFileFault(FileFaultStep step, int skip = 0);
// Disarms every fault not yet fired, and makes an unreadable file readable again.
void ClearFileFaults();
// For tests only: every read of this path fails as for a file the user may not read (permErr), until
// ClearFileFaults; tests run as a user who may read everything.
void MakeFileUnreadable(const std::string& path);
// Whether a fault is still armed, i.e. its step has not yet come often enough.
bool FileFaultPending();
