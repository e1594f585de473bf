// The spell checker's languages, as the dictionaries menu lists them.
#pragma once

#include "platform/types.h"

// The dictionaries menu's chosen item (from 1).
extern SInt16 gSpellCheckDictionaryValue;
// The n-th language the spell checker offers (from 0) as a Mac Roman name; false past the last one.
bool GetDictionaryName(SInt16 n, Str255 name);
