// Toolkit keys <-> the program's key codes and character codes. Private to platform/src/qt.
#pragma once

#include "platform/types.h"

struct KeyMapping {
    UInt8 keyCode;  // kKeyUnknown when the key has no code of its own
    UInt8 charCode; // for keys that type no text (arrows, return, function keys...); 0 for text keys
    bool modifier;  // shift, control, alt, meta, caps lock: tracked, never delivered as key events
};

KeyMapping MapToolkitKey(int toolkitKey, bool keypad);
// The Mac Roman character a text key types with no modifier but shift (or alpha lock); 0 for none.
UInt8 UnmodifiedCharacter(int toolkitKey, bool shifted);
// For synthetic input: the toolkit key of a key code that types no text, or 0 for text keys.
int ToolkitKeyForKeyCode(UInt8 keyCode);
// For synthetic input: the toolkit key that types a character, and whether it is a letter.
int ToolkitKeyForCharacter(UInt8 charCode, bool* isLetter);
