// Machine feature flags, read once at start-up.
#pragma once

#include "platform/types.h"

// Colour drawing, movie playback and floating windows are available; the menu bar has the modern layout.
extern UInt8 gColorOK;
extern UInt8 gMoviesOK;
extern UInt8 gFloatingWindowsOK;
extern UInt8 gOSXOK;

// Sets the four flags; called once at start-up.
void CheckMachineFeatures();
