// Opening a web address from a length-prefixed string.
#pragma once

#include "platform/types.h"

// Returns whether the desktop took the address.
bool DoWeb(ConstStr255Param address);
