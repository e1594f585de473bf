// The key tables: the keys whose meaning depends only on the key, not on the window in front.
#include "shell/key_table.h"

#include "platform/events.h"

namespace {

// The letter keys of a US keyboard by their codes.
struct LetterKey {
    UInt8 keyCode;
    char letter;
};
constexpr LetterKey kUSLetterKeys[] = {
    {kKeyA, 'a'}, {kKeyB, 'b'}, {kKeyC, 'c'}, {kKeyD, 'd'}, {kKeyE, 'e'}, {kKeyF, 'f'}, {kKeyG, 'g'},
    {kKeyH, 'h'}, {kKeyI, 'i'}, {kKeyJ, 'j'}, {kKeyK, 'k'}, {kKeyL, 'l'}, {kKeyM, 'm'}, {kKeyN, 'n'},
    {kKeyO, 'o'}, {kKeyP, 'p'}, {kKeyQ, 'q'}, {kKeyR, 'r'}, {kKeyS, 's'}, {kKeyT, 't'}, {kKeyU, 'u'},
    {kKeyV, 'v'}, {kKeyW, 'w'}, {kKeyX, 'x'}, {kKeyY, 'y'}, {kKeyZ, 'z'},
};

// The characters option and a digit type on a US keyboard, for the digits 1 to 9 and 0.
constexpr UInt8 kOptionDigitCharacters[10] = {0xC1, 0xAA, 0xA3, 0xA2, 0xB0, 0xA4, 0xA6, 0xA5, 0xBB, 0xBC};
constexpr UInt8 kDigitKeys[10] = {kKey1, kKey2, kKey3, kKey4, kKey5, kKey6, kKey7, kKey8, kKey9, kKey0};

} // namespace

SInt16 CommandOptionMacro(UInt8 character, UInt8 keyCode) {
    if (character >= 'a' && character <= 'z') return SInt16(character - 'a' + 1);
    if (character >= 'A' && character <= 'Z') return SInt16(character - 'A' + 1);
    if (character == ',') return 4;
    if (character == '.') return 8;
    // Digits and the bracket and slash keys have meanings of their own.
    if ((character >= '0' && character <= '9') || character == '[' || character == ']' || character == '{' ||
        character == '}' || character == '/')
        return 0;
    for (const LetterKey& key : kUSLetterKeys)
        if (key.keyCode == keyCode) return SInt16(key.letter - 'a' + 1);
    return 0;
}

SInt16 DigitKeySlot(UInt8 keyCode) {
    for (SInt16 slot = 0; slot < 10; ++slot)
        if (kDigitKeys[slot] == keyCode) return slot;
    return -1;
}

SInt16 OptionDigitBookmarkSlot(UInt8 character, UInt8 keyCode) {
    for (SInt16 slot = 0; slot < 10; ++slot)
        if (kOptionDigitCharacters[slot] == character) return slot;
    return DigitKeySlot(keyCode);
}

SInt32 SpeedPresetForDigit(UInt8 character) {
    if (character < '0' || character > '9') return 0;
    return character == '0' ? 300 : SInt32(character - '0') * 30;
}
