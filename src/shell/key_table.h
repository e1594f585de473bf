// What the keys mean apart from any window: the macro of a command-option key, the bookmark of an
// option-digit key and the speed of a digit key while scrolling.
#pragma once

#include "platform/types.h"

// The standard macro (1 to 26) a command-option key runs: a letter runs its place in the alphabet, comma
// 4 and period 8; any other character on a letter key runs the letter at that place of a US keyboard, so
// layouts without Latin letters reach every macro. 0 for other keys.
SInt16 CommandOptionMacro(UInt8 character, UInt8 keyCode);
// The bookmark slot (0 to 9, option-0 the tenth) an option-digit key sets, from the character option and
// the digit type or from the digit's key; -1 for other keys.
SInt16 OptionDigitBookmarkSlot(UInt8 character, UInt8 keyCode);
// The bookmark slot (0 to 9) of a digit key, by its place on the keyboard; -1 for other keys.
SInt16 DigitKeySlot(UInt8 keyCode);
// The scroll amount a digit typed while scrolling presets: 30 per step, 0 the tenth (300); 0 for others.
SInt32 SpeedPresetForDigit(UInt8 character);
