// Compiles a 'MENU' body into the stored menu layout: menu ID, four zero words (width, height, definition
// ID, filler), the u32 enable flags, the title, then per item its text, icon, key, mark and style bytes,
// and a closing zero byte.
#include "rc/menu_body.h"

#include "rc/number_names.h"

#include <vector>

namespace {

constexpr UInt8 kSubmenuKey = 0x1B;  // key byte of an item whose mark byte holds a submenu's ID
constexpr int kMaxFlaggedItems = 31; // the enable flags have room for items 1-31

struct MenuItem {
    std::string text;
    UInt8 icon = 0, key = 0, mark = 0, style = 0;
    bool disabled = false;
    bool hasSubmenu = false;
};

UInt8 ExpectOneCharacter(TokenCursor& cursor, std::string_view what) {
    const Token& token = PeekToken(cursor);
    std::string text = ExpectString(cursor, what);
    if (text.size() != 1) FailAt(token, std::string(what) + " must be one character");
    return UInt8(text[0]);
}

MenuItem ReadItem(TokenCursor& cursor, const Token& itemWord) {
    MenuItem item;
    const Token& textToken = PeekToken(cursor);
    item.text = ExpectShortString(cursor, "the item's text");
    // A zero length byte ends the item list, so an item cannot be empty.
    if (item.text.empty()) FailAt(textToken, "a menu item needs text");
    bool hasKey = false, hasMark = false, hasIcon = false, hasStyle = false;
    auto once = [&](bool& seen, const Token& token) {
        if (seen) FailAt(token, token.text + " given twice for one item");
        seen = true;
    };
    for (;;) {
        const Token& token = PeekToken(cursor);
        if (TakeWord(cursor, "key")) {
            once(hasKey, token);
            item.key = ExpectOneCharacter(cursor, "a key equivalent");
            if (item.key == kSubmenuKey) FailAt(token, "key code 0x1B marks a submenu; use submenu N");
        } else if (TakeWord(cursor, "mark")) {
            once(hasMark, token);
            if (PeekIsKind(cursor, TokenKind::String))
                item.mark = ExpectOneCharacter(cursor, "a mark");
            else
                item.mark = UInt8(ExpectInteger(cursor, 0, 255, "a mark (a character or a code)"));
        } else if (TakeWord(cursor, "icon")) {
            once(hasIcon, token);
            item.icon = UInt8(ExpectInteger(cursor, 0, 255, "icon number"));
        } else if (TakeWord(cursor, "style")) {
            once(hasStyle, token);
            item.style = UInt8(ExpectInteger(cursor, 0, 255, "style"));
        } else if (TakeWord(cursor, "disabled")) {
            once(item.disabled, token);
        } else if (TakeWord(cursor, "submenu")) {
            once(item.hasSubmenu, token);
            item.mark = UInt8(ExpectInteger(cursor, 1, 255, "submenu ID"));
        } else {
            break;
        }
    }
    if (item.hasSubmenu && (hasKey || hasMark))
        FailAt(itemWord, "an item with a submenu can have neither a key nor a mark");
    if (item.hasSubmenu) item.key = kSubmenuKey;
    return item;
}

} // namespace

void CompileMenuBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out) {
    if (!TakeWord(cursor, "title")) FailExpected(cursor, "title");
    std::string title = ExpectShortString(cursor, "the menu title");

    std::vector<MenuItem> items;
    while (PeekIsWord(cursor, "item")) {
        const Token& itemWord = NextToken(cursor);
        MenuItem item = ReadItem(cursor, itemWord);
        const SInt32 number = SInt32(items.size() + 1);
        TakeNumberName(cursor, header, number, ResourceLabel(header) + " item " + std::to_string(number));
        bool separator = item.text == "-";
        if (item.disabled && !separator && int(items.size()) >= kMaxFlaggedItems)
            FailAt(itemWord, "only the first 31 items of a menu can be disabled");
        if (separator) item.disabled = true;
        items.push_back(std::move(item));
    }
    if (!PeekIsKind(cursor, TokenKind::CloseBrace)) FailExpected(cursor, "item or '}'");

    // Bit 0 enables the whole menu, bit i item i; bits of items the menu lacks stay set.
    UInt32 enableFlags = 0xFFFFFFFFu;
    for (size_t i = 0; i < items.size() && int(i) < kMaxFlaggedItems; ++i)
        if (items[i].disabled) enableFlags &= ~(UInt32(1) << (i + 1));

    out.u16(UInt16(header.id));
    out.zeros(8); // width, height, definition ID, filler
    out.u32(enableFlags);
    out.pstring(title);
    for (const MenuItem& item : items) {
        out.pstring(item.text);
        out.u8(item.icon);
        out.u8(item.key);
        out.u8(item.mark);
        out.u8(item.style);
    }
    out.u8(0);
}
