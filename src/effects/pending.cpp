// What the visual effects' Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "effects/effects.h"

SInt16 gRemapIndex = -1;
SInt16 gRemapColor = 0;

// The mandala editor reads the colour list afresh each time it draws, so a change needs nothing here.
void CheckColorsInSpirographWin() {}
