// One running copy per user and settings folder: a second start hands its files to the running copy over
// a local socket and ends. Requests to quit from outside (termination signals) reach the program as a call
// on the event loop.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

// Called on the event loop with the files another start handed over (absolute UTF-8 paths, possibly none).
using HandedFilesProc = void (*)(const std::vector<std::string>& files, void* userData);

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
