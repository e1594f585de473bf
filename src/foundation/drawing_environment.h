// Saving and restoring the drawing environment around drawing into a port that is not the program's
// own: the current port, pen, text settings and (when asked) the foreground colour. Saves nest; only
// the outermost pair records and restores.
#pragma once

#include "platform/drawing.h"

// save true: records the environment (outermost save only) and makes port current with a plain pen and
// text mode srcOr. save false: the last restore puts everything back; a restore without a save is
// reported and changes nothing.
void SaveRestoreQDEnvironment(GrafPtr port, bool withColor, bool save);
