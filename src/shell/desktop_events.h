// Requests from the desktop: files to open (from the command line, a later start of the program or the
// program's own open dialog) and quitting.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

// An open or save dialog is pending: the timer holds deferred commands and quitting back meanwhile.
extern bool gSaveInProgress;
// Dialogs must be application-modal rather than attached to a window.
extern bool gNeedOpenModalDialog;
// A file a macro named for the next open or save, so that no dialog is shown: its name (empty: none) and
// its full path (null: none).
extern Str255 gForceFileName;
extern const std::string* gGlobalSpecPtr;

void InitAEHandlers();
// Opens the files (absolute UTF-8 paths) for the purpose pending in gIdflag; the status of the last one.
OSErr OpenDocumentsEvent(const std::vector<std::string>& files);
// Asks the program to quit: the timer confirms and ends the event loop.
OSErr HandleQuitApp();
// Ends an open dialog still showing.
void TerminateOpenFileDialog();
