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

// A request the program does not answer.
enum : OSErr { errAEEventNotHandled = -1708 };

// Installs the answers to the desktop's requests (open documents, print, quit; the rest are refused).
void InitAEHandlers();
// A request by its class and event code ('aevt'/'odoc' opens the files): the handler's status, or
// errAEEventNotHandled for a request without one or before InitAEHandlers.
OSErr HandleDesktopRequest(OSType eventClass, OSType eventID, const std::vector<std::string>& files);
// Opens the files (absolute UTF-8 paths) for the purpose pending in gIdflag, which is 0 afterwards;
// the status of the last one.
OSErr OpenDocumentsEvent(const std::vector<std::string>& files);
// The purpose a file is opened for: a compiled macro (named "*.macro", or holding compiled macro data)
// runs as one (-6) unless a hypertext link, the mandala or the overlay editor asked for a file.
SInt16 PurposeForOpenedFile(SInt16 purpose, const std::string& file);
// Asks the program to quit: the timer confirms and ends the event loop.
OSErr HandleQuitApp();
// Ends an open dialog still showing.
void TerminateOpenFileDialog();
