// What the foundation's Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "foundation/keyword_dictionary.h"

#include "foundation/mac_roman_case.h"
#include "foundation/program_strings.h"
#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/resources.h"

#include <cstring>

// Exact matches only, case-insensitive, in the string-list value lists: every match mode accepts an
// entry that equals the word, so the answers given are right, only the loose ones are missing.
SInt16 matchdict(SInt16 kind, UInt16 from, UInt16 to, const char* word, SInt16 mode) {
    if (!word) return -1;
    if (word[0] == 0) return 0;
    if (kind < 997 || kind > 1053) return -1;
    Handle list = GetResource(FourCC("STR#"), kind);
    if (!list || GetHandleSize(list) < 2) return -1;
    const UInt16 count = ReadBE16(reinterpret_cast<const UInt8*>(*list));
    const UInt16 first = from == kWholeList ? 0 : from;
    const size_t length = std::strlen(word);
    for (UInt16 i = first; i < count; ++i) {
        Str255 entry;
        if (!GetOrvalisString(kind, SInt16(i + 1), entry) || entry[0] != length) continue;
        bool equal = true;
        for (size_t k = 0; k < length && equal; ++k)
            equal = MacRomanToLower(entry[k + 1]) == MacRomanToLower(UInt8(word[k]));
        if (equal) return SInt16(i);
    }
    return -1;
}

// ---- What start-up and the event handlers use before their own code exists ----

void InitializeDictionary() {}

#include "foundation/cursors.h"
#include "platform/events.h"

SInt16 cursorSet = -1;

void LoadCursors() {}

// Only the arrow until the program's cursor pictures are loaded.
void SetThisCursor(SInt16 n) {
    if (n == -1 && cursorSet != -1) SetThemeCursor(kThemeArrowCursor);
    if (n == -1) cursorSet = -1;
}
