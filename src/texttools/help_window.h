// The help window as the shell closes it at quit.
#pragma once

#include "platform/types.h"

void CloseHelpWindow(SInt16 flag);
