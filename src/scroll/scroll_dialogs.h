// The scroll-control, size and spacing dialogs while they are open (null otherwise); their numeric
// fields have arrow buttons beside them.
#pragma once

#include "platform/dialogs.h"

extern DialogPtr gScrollDialog;
extern DialogPtr gSizeDialog;
extern DialogPtr gSpacingDialog;
