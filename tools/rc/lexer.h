// Splits a resource source (UTF-8 text) into tokens. Strings and four-character codes come out as Mac
// Roman bytes, so everything after the lexer works in the encoding the resource file stores.
#pragma once

#include "platform/types.h"

#include <string>
#include <string_view>
#include <vector>

enum class TokenKind {
    Word,
    Integer,
    Decimal,
    FourChar,
    String,
    OpenBrace,
    CloseBrace,
    OpenBracket,
    CloseBracket,
    End
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;   // a word's or number's spelling; a string's or code's Mac Roman bytes
    SInt64 integer = 0; // Integer and FourChar tokens
    double decimal = 0; // Decimal tokens (and Integer tokens, as a double)
    int line = 0;
};

// A fault in a source, at a line of it. Raised by the lexer and the parsers, caught per source file.
struct SourceError {
    int line = 0;
    std::string message;
};

// Tokenizes a whole source; the last token is always End. Throws SourceError on the first bad token.
std::vector<Token> TokenizeSource(std::string_view text);

// How a token reads in an error message: foo, 12, 'STR#', a string, '{', end of file.
std::string DescribeToken(const Token& token);
