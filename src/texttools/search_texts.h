// The texts of the help window, the search dictionary and the spelling list that the text search reads:
// each text's handle, the text view that shows it and the word data counted from it.
#pragma once

#include "platform/types.h"
#include "textengine/text_engine_types.h"

// Each is null (and its count 0) while there is no such text or its words are not counted yet.
extern Handle myHelpText;
extern WEReference HelpWEHandle;
extern Handle gHelpWordLineArray;
extern SInt32 gTotalHelpWords;

extern Handle gDictionaryResource;
extern WEReference DictionaryWEHandle;
extern Handle dictionaryWordLineArray;
extern SInt32 gTotalDictionaryWords;

extern Handle gSpellCheckResource;
extern WEReference SpellCheckWEHandle;
extern Handle spellcheckDictionaryWordLineArray;
extern SInt32 gTotalSpellCheckWords;
