// Compiles 'STR#' and 'STR ' bodies.
#include "rc/string_bodies.h"

#include "rc/number_names.h"

void CompileStringListBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out) {
    size_t countAt = out.size();
    out.u16(0);
    UInt32 count = 0;
    while (!PeekIsKind(cursor, TokenKind::CloseBrace)) {
        if (!PeekIsKind(cursor, TokenKind::String)) FailExpected(cursor, "a string or '}'");
        if (count == 0xFFFF) FailAt(PeekToken(cursor), "a string list holds at most 65535 strings");
        out.pstring(ExpectShortString(cursor, "a string"));
        ++count;
        TakeNumberName(cursor, header, SInt32(count),
                       ResourceLabel(header) + " string " + std::to_string(count));
    }
    out.patch16(countAt, UInt16(count));
}

void CompileStringBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out) {
    out.pstring(ExpectShortString(cursor, "a string"));
}
