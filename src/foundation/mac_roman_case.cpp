// The lower-case table, built once from the platform's Mac Roman mapping rather than written out by hand.
#include "foundation/mac_roman_case.h"

#include "platform/text_encoding.h"

namespace {

char32_t UnicodeToLower(char32_t u) {
    if (u >= U'A' && u <= U'Z') return u + 0x20;
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return u + 0x20; // Latin-1 capitals, not the times sign
    if (u == 0x152) return 0x153;                             // OE ligature
    if (u == 0x178) return 0xFF;                              // Y with diaeresis
    return u;
}

struct LowerTable {
    UInt8 map[256];
    LowerTable() {
        for (int c = 0; c < 256; ++c) {
            UInt8 lower;
            map[c] = UnicodeToMacRomanExact(UnicodeToLower(MacRomanToUnicode(UInt8(c))), &lower) ? lower
                                                                                                 : UInt8(c);
        }
    }
};

} // namespace

const UInt8* MacRomanLowerTable() {
    static const LowerTable table;
    return table.map;
}

UInt8 MacRomanToLower(UInt8 c) {
    return MacRomanLowerTable()[c];
}
