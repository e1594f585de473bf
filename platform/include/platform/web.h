// Opening web and mail addresses with the desktop's default programs.
#pragma once

#include "platform/types.h"

// The address is UTF-8 text; false when it is not a usable address or nothing could open it.
bool OpenURL(const char* address);
