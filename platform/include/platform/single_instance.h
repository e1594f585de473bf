// One running copy per user and settings folder: a second start hands its files to the running copy over
// a local socket and ends. Requests to quit from outside (termination signals) reach the program as a call
// on the event loop.
#pragma once

#include "platform/types.h"

#include <span>
#include <string>
#include <vector>

// What one hand-over may carry: the files a desktop passes in one go, each path no longer than the system
// allows; a request is read no further than that many full-length paths.
constexpr size_t kMaxHandedFiles = 100;
constexpr size_t kMaxHandedPathBytes = 4096;
constexpr size_t kMaxHandedBytes = kMaxHandedFiles * (kMaxHandedPathBytes + 1);

// What a hand-over held beyond those bounds: paths left out (past the first kMaxHandedFiles, or longer
// than a path can be), and whether the request was longer than kMaxHandedBytes (its rest was not read).
struct HandOverRefusals {
    size_t filesLeftOut = 0;
    bool cutOff = false;
};

// Called on the event loop with the files another start handed over (absolute UTF-8 paths, possibly none)
// and what was refused of the request.
using HandedFilesProc = void (*)(const std::vector<std::string>& files, const HandOverRefusals& refused,
                                 void* userData);

// The paths of a request's bytes (each ended by a zero byte; an unended last one counts when the request
// was read whole), within the bounds above; `cutOff` tells that the bytes are the request's first
// kMaxHandedBytes and not all of it, so that a last unended path is a fragment.
std::vector<std::string> SplitHandedPaths(std::span<const UInt8> bytes, bool cutOff,
                                          HandOverRefusals& refused);

enum SingleInstanceResult : SInt16 {
    kFirstInstance,          // this copy now serves `key`; handed files arrive through the procedure
    kHandedToRunningCopy,    // another copy serves `key` and has been given the files
    kSingleInstanceUnusable, // neither worked (no socket could be made): run on alone
};

// Connects to the copy serving `key` and gives it `files`; when none answers, serves `key` itself.
SingleInstanceResult ClaimSingleInstance(const std::string& key, const std::vector<std::string>& files,
                                         HandedFilesProc proc, void* userData);
// Gives `files` to the copy serving `key` and waits until they are sent: noErr, or fnfErr when no copy
// serves it.
OSErr HandFilesToRunningCopy(const std::string& key, const std::vector<std::string>& files);
// Stops serving; nothing when this copy serves nothing.
void ReleaseSingleInstance();

// Termination, interrupt and hang-up signals call `proc` from the event loop instead of ending the
// process, so the program can quit in its own way. Null restores the default handling.
using QuitRequestProc = void (*)(void* userData);
void InstallQuitRequestHandler(QuitRequestProc proc, void* userData);
