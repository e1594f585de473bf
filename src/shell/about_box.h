// The about box.
#pragma once

#include "platform/types.h"

void DoAbout(SInt16 dialogID);
