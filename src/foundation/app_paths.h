// The folders the program works with, by application path slot.
#pragma once

#include "platform/types.h"

#include <string>

enum : SInt16 { kPictureSequenceSlot = 17 };
// The slot's folder as a path ending in '/', or empty when the folder is not known.
std::string GetAppPathFolder(SInt16 slot);
