// Reading position in a token list, with the expect-or-fail helpers every part of the parser uses.
// Each helper throws SourceError at the offending token's line.
#pragma once

#include "rc/lexer.h"

#include <string>
#include <string_view>
#include <vector>

struct TokenCursor {
    const std::vector<Token>* tokens = nullptr;
    size_t pos = 0;
};

const Token& PeekToken(const TokenCursor& cursor);
const Token& NextToken(TokenCursor& cursor);
bool PeekIsWord(const TokenCursor& cursor, std::string_view word);
bool PeekIsKind(const TokenCursor& cursor, TokenKind kind);
// Consumes the next token when it is the given word.
bool TakeWord(TokenCursor& cursor, std::string_view word);

[[noreturn]] void FailAt(const Token& token, std::string message);
// Fails with "expected WHAT, found TOKEN" at the next token.
[[noreturn]] void FailExpected(const TokenCursor& cursor, std::string_view what);

void ExpectKind(TokenCursor& cursor, TokenKind kind, std::string_view what);
std::string ExpectWord(TokenCursor& cursor, std::string_view what);
std::string ExpectString(TokenCursor& cursor, std::string_view what);
// A string that must fit a length byte.
std::string ExpectShortString(TokenCursor& cursor, std::string_view what);
OSType ExpectFourChar(TokenCursor& cursor, std::string_view what);
// An integer in [min, max]; with allowFourChar, a four-character code counts as its 32-bit value.
SInt64 ExpectInteger(TokenCursor& cursor, SInt64 min, SInt64 max, std::string_view what,
                     bool allowFourChar = false);
bool ExpectBoolean(TokenCursor& cursor, std::string_view what);

struct SourceRect {
    SInt16 top = 0, left = 0, bottom = 0, right = 0;
};
// Four 16-bit numbers: top left bottom right; fails when the rect is upside down.
SourceRect ExpectRect(TokenCursor& cursor);
