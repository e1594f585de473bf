// Starting and stopping the platform: the toolkit, the windowing system and the program's folders.
#pragma once

#include "platform/types.h"

#include <string>

// Starts the toolkit. With a display it uses X11 (xcb); tests run on the offscreen platform.
void InitPlatform(int argc, char** argv);
bool IsPlatformStarted();
// Started without a display (the offscreen platform): nobody can answer a dialog.
bool IsPlatformHeadless();
void ShutdownPlatform();
// The folder that holds the program and its resource file.
std::string ApplicationFolder();
