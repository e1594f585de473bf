// Compiles a 'DITL' body: the item count minus one, then per item a zero placeholder long, the rect, the
// type byte (kind, plus 0x80 when disabled) and the item's data as a length byte and bytes padded to even.
#include "rc/item_list_body.h"

#include "rc/number_names.h"

namespace {

enum class ItemData { Text, ResourceID, None };

struct ItemKind {
    const char* word;
    UInt8 code;
    ItemData data;
};

constexpr ItemKind kItemKinds[] = {
    {"button", 4, ItemData::Text},        {"check", 5, ItemData::Text},          {"radio", 6, ItemData::Text},
    {"control", 7, ItemData::ResourceID}, {"static", 8, ItemData::Text},         {"edit", 16, ItemData::Text},
    {"icon", 32, ItemData::ResourceID},   {"picture", 64, ItemData::ResourceID}, {"user", 0, ItemData::None},
};

constexpr UInt8 kItemDisabled = 0x80;

const ItemKind* FindItemKind(std::string_view word) {
    for (const ItemKind& kind : kItemKinds)
        if (word == kind.word) return &kind;
    return nullptr;
}

void CompileItem(TokenCursor& cursor, const ResourceHeader& header, SInt32 number, ByteWriter& out) {
    const Token& kindToken = PeekToken(cursor);
    std::string word = ExpectWord(cursor, "an item kind or '}'");
    const ItemKind* kind = FindItemKind(word);
    if (!kind)
        FailAt(kindToken, "unknown dialog item kind " + word +
                              " (button, check, radio, control, static, edit, icon, picture, user)");
    if (!TakeWord(cursor, "rect")) FailExpected(cursor, "rect");
    SourceRect rect = ExpectRect(cursor);

    std::string text;
    SInt16 resourceID = 0;
    if (kind->data == ItemData::Text) {
        if (PeekIsWord(cursor, "id")) FailAt(PeekToken(cursor), "a " + word + " item takes text, not an id");
        if (PeekIsKind(cursor, TokenKind::String)) text = ExpectShortString(cursor, "the item's text");
    } else if (kind->data == ItemData::ResourceID) {
        if (!TakeWord(cursor, "id")) FailExpected(cursor, "id (a " + word + " item names a resource)");
        resourceID = SInt16(ExpectInteger(cursor, -32768, 32767, "id"));
    }
    bool disabled = TakeWord(cursor, "disabled");
    TakeNumberName(cursor, header, number, ResourceLabel(header) + " item " + std::to_string(number));

    out.u32(0);
    out.s16(rect.top);
    out.s16(rect.left);
    out.s16(rect.bottom);
    out.s16(rect.right);
    out.u8(UInt8(kind->code | (disabled ? kItemDisabled : 0)));
    switch (kind->data) {
    case ItemData::Text:
        out.pstring(text);
        if (text.size() % 2) out.u8(0);
        break;
    case ItemData::ResourceID:
        out.u8(2);
        out.s16(resourceID);
        break;
    case ItemData::None:
        out.u8(0);
        break;
    }
}

} // namespace

void CompileItemListBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out) {
    size_t countAt = out.size();
    out.u16(0);
    UInt32 count = 0;
    while (!PeekIsKind(cursor, TokenKind::CloseBrace)) {
        if (count == 0x10000) FailAt(PeekToken(cursor), "an item list holds at most 65536 items");
        CompileItem(cursor, header, SInt32(count + 1), out);
        ++count;
    }
    if (count == 0) throw SourceError{header.line, "an item list needs at least one item"};
    out.patch16(countAt, UInt16(count - 1));
}
