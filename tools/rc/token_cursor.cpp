// Token-list reading helpers that fail with a located message.
#include "rc/token_cursor.h"

const Token& PeekToken(const TokenCursor& cursor) {
    return (*cursor.tokens)[cursor.pos];
}

const Token& NextToken(TokenCursor& cursor) {
    const Token& token = (*cursor.tokens)[cursor.pos];
    if (token.kind != TokenKind::End) ++cursor.pos;
    return token;
}

bool PeekIsWord(const TokenCursor& cursor, std::string_view word) {
    const Token& token = PeekToken(cursor);
    return token.kind == TokenKind::Word && token.text == word;
}

bool PeekIsKind(const TokenCursor& cursor, TokenKind kind) {
    return PeekToken(cursor).kind == kind;
}

bool TakeWord(TokenCursor& cursor, std::string_view word) {
    if (!PeekIsWord(cursor, word)) return false;
    NextToken(cursor);
    return true;
}

void FailAt(const Token& token, std::string message) {
    throw SourceError{token.line, std::move(message)};
}

void FailExpected(const TokenCursor& cursor, std::string_view what) {
    const Token& token = PeekToken(cursor);
    FailAt(token, "expected " + std::string(what) + ", found " + DescribeToken(token));
}

void ExpectKind(TokenCursor& cursor, TokenKind kind, std::string_view what) {
    if (!PeekIsKind(cursor, kind)) FailExpected(cursor, what);
    NextToken(cursor);
}

std::string ExpectWord(TokenCursor& cursor, std::string_view what) {
    if (!PeekIsKind(cursor, TokenKind::Word)) FailExpected(cursor, what);
    return NextToken(cursor).text;
}

std::string ExpectString(TokenCursor& cursor, std::string_view what) {
    if (!PeekIsKind(cursor, TokenKind::String)) FailExpected(cursor, what);
    return NextToken(cursor).text;
}

std::string ExpectShortString(TokenCursor& cursor, std::string_view what) {
    const Token& token = PeekToken(cursor);
    std::string text = ExpectString(cursor, what);
    if (text.size() > 255)
        FailAt(token, std::string(what) + " is " + std::to_string(text.size()) + " bytes; at most 255 fit");
    return text;
}

OSType ExpectFourChar(TokenCursor& cursor, std::string_view what) {
    if (!PeekIsKind(cursor, TokenKind::FourChar)) FailExpected(cursor, what);
    return OSType(NextToken(cursor).integer);
}

SInt64 ExpectInteger(TokenCursor& cursor, SInt64 min, SInt64 max, std::string_view what, bool allowFourChar) {
    const Token& token = PeekToken(cursor);
    if (token.kind == TokenKind::FourChar && allowFourChar) {
        NextToken(cursor);
        SInt64 value = token.integer;
        // A code fills all 32 bits; a signed field takes the same bits.
        if (min < 0 && value > max) value -= SInt64(1) << 32;
        return value;
    }
    if (token.kind == TokenKind::FourChar)
        FailAt(token, std::string(what) + " takes a number, not a four-character code");
    if (token.kind != TokenKind::Integer) FailExpected(cursor, what);
    if (token.integer < min || token.integer > max)
        FailAt(token, std::string(what) + " " + token.text + " is out of range (" + std::to_string(min) +
                          " to " + std::to_string(max) + ")");
    NextToken(cursor);
    return token.integer;
}

bool ExpectBoolean(TokenCursor& cursor, std::string_view what) {
    if (TakeWord(cursor, "true")) return true;
    if (TakeWord(cursor, "false")) return false;
    FailExpected(cursor, std::string(what) + " (true or false)");
}

SourceRect ExpectRect(TokenCursor& cursor) {
    const Token& first = PeekToken(cursor);
    SourceRect r;
    r.top = SInt16(ExpectInteger(cursor, -32768, 32767, "top"));
    r.left = SInt16(ExpectInteger(cursor, -32768, 32767, "left"));
    r.bottom = SInt16(ExpectInteger(cursor, -32768, 32767, "bottom"));
    r.right = SInt16(ExpectInteger(cursor, -32768, 32767, "right"));
    if (r.bottom < r.top || r.right < r.left)
        FailAt(first, "rect " + std::to_string(r.top) + " " + std::to_string(r.left) + " " +
                          std::to_string(r.bottom) + " " + std::to_string(r.right) +
                          " is upside down (expected top left bottom right)");
    return r;
}
