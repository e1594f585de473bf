// The tables between the toolkit's keys and our key codes. Keys that type no text carry a character
// code of their own; text keys get the code of where the key sits on a US keyboard, found from the
// character it types, so a key has the same code on every layout that types the same character.
#include "key_mapping.h"

#include "platform/events.h"
#include "platform/text_encoding.h"

#include <Qt>

#include <array>

namespace {

struct SpecialKey {
    int toolkitKey;
    UInt8 keyCode;
    UInt8 charCode;
    bool modifier;
};

// The first entry of a key code is the one synthetic input uses.
constexpr SpecialKey kSpecialKeys[] = {
    {Qt::Key_Return, kKeyReturn, kReturnCharCode, false},
    {Qt::Key_Enter, kKeyEnter, kEnterCharCode, false},
    {Qt::Key_Tab, kKeyTab, kTabCharCode, false},
    {Qt::Key_Backtab, kKeyTab, kTabCharCode, false},
    {Qt::Key_Space, kKeySpace, kSpaceCharCode, false},
    {Qt::Key_Backspace, kKeyDelete, kBackspaceCharCode, false},
    {Qt::Key_Delete, kKeyForwardDelete, kDeleteCharCode, false},
    {Qt::Key_Escape, kKeyEscape, kEscapeCharCode, false},
    {Qt::Key_Home, kKeyHome, kHomeCharCode, false},
    {Qt::Key_End, kKeyEnd, kEndCharCode, false},
    {Qt::Key_PageUp, kKeyPageUp, kPageUpCharCode, false},
    {Qt::Key_PageDown, kKeyPageDown, kPageDownCharCode, false},
    {Qt::Key_Left, kKeyLeft, kLeftArrowCharCode, false},
    {Qt::Key_Right, kKeyRight, kRightArrowCharCode, false},
    {Qt::Key_Up, kKeyUp, kUpArrowCharCode, false},
    {Qt::Key_Down, kKeyDown, kDownArrowCharCode, false},
    {Qt::Key_F1, kKeyF1, kFunctionKeyCharCode, false},
    {Qt::Key_F2, kKeyF2, kFunctionKeyCharCode, false},
    {Qt::Key_F3, kKeyF3, kFunctionKeyCharCode, false},
    {Qt::Key_F4, kKeyF4, kFunctionKeyCharCode, false},
    {Qt::Key_F5, kKeyF5, kFunctionKeyCharCode, false},
    {Qt::Key_F6, kKeyF6, kFunctionKeyCharCode, false},
    {Qt::Key_F7, kKeyF7, kFunctionKeyCharCode, false},
    {Qt::Key_F8, kKeyF8, kFunctionKeyCharCode, false},
    {Qt::Key_F9, kKeyF9, kFunctionKeyCharCode, false},
    {Qt::Key_F10, kKeyF10, kFunctionKeyCharCode, false},
    {Qt::Key_F11, kKeyF11, kFunctionKeyCharCode, false},
    {Qt::Key_F12, kKeyF12, kFunctionKeyCharCode, false},
    // Command is Ctrl, option is Alt, control is Meta (the Super key on most keyboards).
    {Qt::Key_Control, kKeyCommand, 0, true},
    {Qt::Key_Shift, kKeyShift, 0, true},
    {Qt::Key_Alt, kKeyOption, 0, true},
    {Qt::Key_AltGr, kKeyOption, 0, true},
    {Qt::Key_Meta, kKeyControl, 0, true},
    {Qt::Key_Super_L, kKeyControl, 0, true},
    {Qt::Key_Super_R, kKeyControl, 0, true},
    {Qt::Key_CapsLock, kKeyCapsLock, 0, true},
};

// The characters of the text keys of a US keyboard, indexed by key code, unshifted and shifted; 0 where
// a code belongs to no text key (return, tab and space are special keys above).
constexpr char kUnshiftedKeys[] = "asdfhgzxcv\0bqweryt123465=97-80]ou[ip\0lj'k;\\,/nm.\0\0`";
constexpr char kShiftedKeys[] = "ASDFHGZXCV\0BQWERYT!@#$^%+(&_*)}OU{IP\0LJ\"K:|<?NM>\0\0~";
static_assert(sizeof kUnshiftedKeys == sizeof kShiftedKeys);
static_assert(kUnshiftedKeys[kKeyA] == 'a' && kUnshiftedKeys[kKeyB] == 'b' && kUnshiftedKeys[kKeyM] == 'm' &&
              kUnshiftedKeys[kKey0] == '0' && kUnshiftedKeys[kKey9] == '9' && kShiftedKeys[kKey2] == '@');

// Key codes of the printable ASCII characters, found from the table above.
constexpr std::array<UInt8, 128> MakeTextKeyCodes() {
    std::array<UInt8, 128> codes{};
    for (auto& c : codes)
        c = kKeyUnknown;
    for (size_t code = 0; code + 1 < sizeof kUnshiftedKeys; ++code) {
        if (kUnshiftedKeys[code]) codes[size_t(kUnshiftedKeys[code])] = UInt8(code);
        if (kShiftedKeys[code]) codes[size_t(kShiftedKeys[code])] = UInt8(code);
    }
    codes[' '] = kKeySpace;
    return codes;
}
constexpr std::array<UInt8, 128> kTextKeyCodes = MakeTextKeyCodes();

// The numeric keypad has codes of its own.
UInt8 KeypadKeyCode(int toolkitKey) {
    switch (toolkitKey) {
    case Qt::Key_0:
        return 0x52;
    case Qt::Key_1:
        return 0x53;
    case Qt::Key_2:
        return 0x54;
    case Qt::Key_3:
        return 0x55;
    case Qt::Key_4:
        return 0x56;
    case Qt::Key_5:
        return 0x57;
    case Qt::Key_6:
        return 0x58;
    case Qt::Key_7:
        return 0x59;
    case Qt::Key_8:
        return 0x5B;
    case Qt::Key_9:
        return 0x5C;
    case Qt::Key_Period:
        return 0x41;
    case Qt::Key_Asterisk:
        return 0x43;
    case Qt::Key_Plus:
        return 0x45;
    case Qt::Key_Clear:
        return 0x47;
    case Qt::Key_Slash:
        return 0x4B;
    case Qt::Key_Minus:
        return 0x4E;
    case Qt::Key_Equal:
        return 0x51;
    default:
        return kKeyUnknown;
    }
}

bool IsLatin1UpperLetter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
bool IsLatin1LowerLetter(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

} // namespace

KeyMapping MapToolkitKey(int toolkitKey, bool keypad) {
    for (const SpecialKey& key : kSpecialKeys)
        if (key.toolkitKey == toolkitKey) return KeyMapping{key.keyCode, key.charCode, key.modifier};
    if (keypad) {
        UInt8 code = KeypadKeyCode(toolkitKey);
        if (code != kKeyUnknown) return KeyMapping{code, 0, false};
    }
    if (toolkitKey >= 0 && toolkitKey < 128) return KeyMapping{kTextKeyCodes[size_t(toolkitKey)], 0, false};
    return KeyMapping{kKeyUnknown, 0, false};
}

UInt8 UnmodifiedCharacter(int toolkitKey, bool shifted) {
    if (toolkitKey < 0x20 || toolkitKey > 0xFF || toolkitKey == 0x7F) return 0;
    int c = toolkitKey;
    // The toolkit names letter keys by their capital.
    if (IsLatin1UpperLetter(c) && !shifted) c += 0x20;
    return UnicodeToMacRoman(char32_t(c));
}

int ToolkitKeyForKeyCode(UInt8 keyCode) {
    if (keyCode == kKeySpace) return 0; // space types text
    for (const SpecialKey& key : kSpecialKeys)
        if (key.keyCode == keyCode) return key.toolkitKey;
    return 0;
}

int ToolkitKeyForCharacter(UInt8 charCode, bool* isLetter) {
    int c = int(MacRomanToUnicode(charCode));
    *isLetter = IsLatin1UpperLetter(c) || IsLatin1LowerLetter(c);
    if (IsLatin1LowerLetter(c)) c -= 0x20;
    return c;
}
