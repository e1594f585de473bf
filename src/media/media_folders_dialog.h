// The media folders dialog: shows the chosen music, picture and movie folders and lets the user choose
// others through the folder dialog.
#pragma once

#include "platform/types.h"

#include <string>

// Runs the dialog on the three folders (UTF-8 paths). True when the user pressed OK: the strings then
// hold the folders as the dialog shows them; after Cancel, or when the dialog cannot be made, they are
// unchanged and the result is false.
bool GetNewPathsDialog(std::string& music, std::string& pictures, std::string& movies);

// The folder dialog's answer for the media folders dialog that is open: the chosen folder goes into the
// line of the purpose awaited (gIdflag -10 music, -11 pictures, -12 movies). noErr when it was shown;
// fnfErr when the choice is not a folder, bdNamErr when
// the line cannot hold its path, paramErr when no media folders dialog awaits it.
OSErr CompleteGettingFolder(const std::string& chosen);
