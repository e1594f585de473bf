// Compiles 'DLOG' and 'WIND' bodies. Both store the bounds rect, definition ID, visible and go-away flags
// (a byte each, then a filler byte), the reference constant, a 'DLOG''s item list ID, the title, a pad to
// an even length, and a zero positioning word.
#include "rc/window_bodies.h"

#include <set>

namespace {

struct WindowFields {
    SourceRect rect;
    SInt16 procID = 1;
    bool visible = true;
    bool goAway = false;
    SInt32 refCon = 0;
    SInt16 itemsID = 0;
    std::string title;
};

WindowFields ReadWindowFields(TokenCursor& cursor, const ResourceHeader& header, bool isDialog) {
    WindowFields fields;
    fields.itemsID = header.id;
    std::set<std::string> seen;
    while (!PeekIsKind(cursor, TokenKind::CloseBrace)) {
        const Token& token = PeekToken(cursor);
        std::string word = ExpectWord(cursor, "a field name or '}'");
        if (!seen.insert(word).second) FailAt(token, word + " given twice");
        if (word == "rect") {
            fields.rect = ExpectRect(cursor);
        } else if (word == "proc") {
            fields.procID = SInt16(ExpectInteger(cursor, -32768, 32767, "proc"));
        } else if (word == "visible") {
            fields.visible = ExpectBoolean(cursor, "visible");
        } else if (word == "goaway") {
            fields.goAway = ExpectBoolean(cursor, "goaway");
        } else if (word == "refcon") {
            fields.refCon = SInt32(ExpectInteger(cursor, INT32_MIN, INT32_MAX, "refcon", true));
        } else if (word == "items" && isDialog) {
            fields.itemsID = SInt16(ExpectInteger(cursor, -32768, 32767, "items"));
        } else if (word == "title") {
            fields.title = ExpectShortString(cursor, "title");
        } else {
            FailAt(token, "unknown " + std::string(isDialog ? "dialog" : "window") + " field " + word);
        }
    }
    if (!seen.contains("rect"))
        throw SourceError{header.line, std::string(isDialog ? "a dialog" : "a window") + " needs a rect"};
    return fields;
}

void WriteWindowFields(const WindowFields& fields, bool isDialog, ByteWriter& out) {
    out.s16(fields.rect.top);
    out.s16(fields.rect.left);
    out.s16(fields.rect.bottom);
    out.s16(fields.rect.right);
    out.s16(fields.procID);
    out.u8(fields.visible ? 1 : 0);
    out.u8(0);
    out.u8(fields.goAway ? 1 : 0);
    out.u8(0);
    out.s32(fields.refCon);
    if (isDialog) out.s16(fields.itemsID);
    out.pstring(fields.title);
    out.align(2);
    out.u16(0); // positioning: none
}

} // namespace

void CompileDialogBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out) {
    WriteWindowFields(ReadWindowFields(cursor, header, true), true, out);
}

void CompileWindowBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out) {
    WriteWindowFields(ReadWindowFields(cursor, header, false), false, out);
}
