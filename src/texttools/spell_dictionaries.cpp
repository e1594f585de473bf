// The spell checker's languages, named for the dictionaries menu.
#include "texttools/spell_dictionaries.h"

#include "platform/pstring.h"
#include "platform/spelling.h"
#include "platform/text_encoding.h"

#include <string>

bool GetDictionaryName(SInt16 n, Str255 name) {
    std::string utf8;
    if (!SpellCheckerLanguageName(n, &utf8)) return false;
    SetPString(name, Utf8ToMacRoman(utf8));
    return true;
}
