// Tokenizer for resource sources: comments, numbers, quoted strings and codes, braces and bare words.
#include "rc/lexer.h"

#include "platform/bytes.h"
#include "platform/text_encoding.h"

#include <cstdio>

namespace {

struct Scanner {
    std::string_view text;
    size_t pos = 0;
    int line = 1;
};

[[noreturn]] void Fail(int line, std::string message) {
    throw SourceError{line, std::move(message)};
}

std::string CodePointName(char32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", unsigned(c));
    return buf;
}

bool IsWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsWordChar(char c) {
    return IsWordStart(c) || IsDigit(c);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes one UTF-8 character at text[pos]; returns its length, or 0 for a malformed sequence
// (overlong forms, surrogates and values past U+10FFFF included).
size_t DecodeUtf8(std::string_view text, size_t pos, char32_t& out) {
    UInt8 b0 = UInt8(text[pos]);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    size_t length;
    char32_t c;
    char32_t minimum;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, c = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, c = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, c = b0 & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        UInt8 b = UInt8(text[pos + i]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    out = c;
    return length;
}

// Reads a quoted string or code after its opening quote, converting to Mac Roman as it goes.
std::string ReadQuoted(Scanner& s, char quote) {
    int startLine = s.line;
    const char* what = quote == '"' ? "string" : "four-character code";
    std::string out;
    for (;;) {
        if (s.pos >= s.text.size() || s.text[s.pos] == '\n')
            Fail(startLine, std::string("unterminated ") + what);
        char c = s.text[s.pos];
        if (c == quote) {
            ++s.pos;
            return out;
        }
        if (c == '\\') {
            if (s.pos + 1 >= s.text.size()) Fail(startLine, std::string("unterminated ") + what);
            char e = s.text[s.pos + 1];
            s.pos += 2;
            switch (e) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '"':
                out += '"';
                break;
            case '\'':
                out += '\'';
                break;
            case '\\':
                out += '\\';
                break;
            case 'x': {
                int hi = s.pos < s.text.size() ? HexValue(s.text[s.pos]) : -1;
                int lo = s.pos + 1 < s.text.size() ? HexValue(s.text[s.pos + 1]) : -1;
                if (hi < 0 || lo < 0) Fail(s.line, "\\x needs two hex digits");
                out += char(hi * 16 + lo);
                s.pos += 2;
                break;
            }
            default:
                if (UInt8(e) < 0x80 && e >= ' ') Fail(s.line, std::string("unknown escape \\") + e);
                Fail(s.line, "unknown escape after \\");
            }
            continue;
        }
        char32_t cp;
        size_t length = DecodeUtf8(s.text, s.pos, cp);
        if (length == 0) Fail(s.line, std::string("invalid UTF-8 in ") + what);
        UInt8 macRoman;
        if (!UnicodeToMacRomanExact(cp, &macRoman))
            Fail(s.line, "character " + CodePointName(cp) + " has no Mac Roman form");
        out += char(macRoman);
        s.pos += length;
    }
}

Token ReadNumber(Scanner& s) {
    Token token;
    token.line = s.line;
    size_t start = s.pos;
    bool negative = s.text[s.pos] == '-';
    if (negative) ++s.pos;
    UInt64 magnitude = 0;
    bool overflow = false;
    bool hex = s.text.size() - s.pos > 2 && s.text[s.pos] == '0' &&
               (s.text[s.pos + 1] == 'x' || s.text[s.pos + 1] == 'X') && HexValue(s.text[s.pos + 2]) >= 0;
    int base = hex ? 16 : 10;
    if (hex) s.pos += 2;
    while (s.pos < s.text.size() && (hex ? HexValue(s.text[s.pos]) >= 0 : IsDigit(s.text[s.pos]))) {
        if (magnitude > (UInt64(1) << 63) / base) overflow = true;
        if (!overflow) magnitude = magnitude * base + UInt64(HexValue(s.text[s.pos]));
        if (magnitude > (UInt64(1) << 63)) overflow = true;
        ++s.pos;
    }
    token.kind = TokenKind::Integer;
    if (!hex && s.pos + 1 < s.text.size() && s.text[s.pos] == '.' && IsDigit(s.text[s.pos + 1])) {
        ++s.pos;
        while (s.pos < s.text.size() && IsDigit(s.text[s.pos]))
            ++s.pos;
        token.kind = TokenKind::Decimal;
    }
    token.text = std::string(s.text.substr(start, s.pos - start));
    if (s.pos < s.text.size() && (IsWordChar(s.text[s.pos]) || s.text[s.pos] == '.'))
        Fail(s.line, "malformed number " + token.text + s.text[s.pos]);
    if (token.kind == TokenKind::Decimal) {
        token.decimal = std::stod(token.text);
        return token;
    }
    if (overflow || (!negative && magnitude > (UInt64(1) << 63) - 1))
        Fail(s.line, "number too large: " + token.text);
    token.integer = negative ? SInt64(0 - magnitude) : SInt64(magnitude);
    token.decimal = double(token.integer);
    return token;
}

} // namespace

std::vector<Token> TokenizeSource(std::string_view text) {
    Scanner s{text};
    if (text.starts_with("\xEF\xBB\xBF")) s.pos = 3;
    std::vector<Token> tokens;
    for (;;) {
        while (s.pos < text.size()) {
            char c = text[s.pos];
            if (c == '\n') {
                ++s.line;
                ++s.pos;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++s.pos;
            } else if (c == '#') {
                while (s.pos < text.size() && text[s.pos] != '\n')
                    ++s.pos;
            } else {
                break;
            }
        }
        Token token;
        token.line = s.line;
        if (s.pos >= text.size()) {
            tokens.push_back(token);
            return tokens;
        }
        char c = text[s.pos];
        if (IsDigit(c) || (c == '-' && s.pos + 1 < text.size() && IsDigit(text[s.pos + 1]))) {
            tokens.push_back(ReadNumber(s));
            continue;
        }
        if (IsWordStart(c)) {
            size_t start = s.pos;
            while (s.pos < text.size() && IsWordChar(text[s.pos]))
                ++s.pos;
            token.kind = TokenKind::Word;
            token.text = std::string(text.substr(start, s.pos - start));
        } else if (c == '"') {
            ++s.pos;
            token.kind = TokenKind::String;
            token.text = ReadQuoted(s, '"');
        } else if (c == '\'') {
            ++s.pos;
            token.kind = TokenKind::FourChar;
            token.text = ReadQuoted(s, '\'');
            if (token.text.size() != 4)
                Fail(token.line,
                     "a four-character code must be 4 characters, not " + std::to_string(token.text.size()));
            token.integer = SInt64(ReadBE32(reinterpret_cast<const UInt8*>(token.text.data())));
        } else if (c == '{' || c == '}' || c == '[' || c == ']') {
            ++s.pos;
            token.kind = c == '{'   ? TokenKind::OpenBrace
                         : c == '}' ? TokenKind::CloseBrace
                         : c == '[' ? TokenKind::OpenBracket
                                    : TokenKind::CloseBracket;
            token.text = std::string(1, c);
        } else {
            char32_t cp;
            size_t length = DecodeUtf8(text, s.pos, cp);
            if (length == 0) Fail(s.line, "invalid UTF-8");
            if (cp >= 0x21 && cp < 0x7F) Fail(s.line, std::string("unexpected character '") + c + "'");
            Fail(s.line, "unexpected character " + CodePointName(cp));
        }
        tokens.push_back(std::move(token));
    }
}

std::string DescribeToken(const Token& token) {
    switch (token.kind) {
    case TokenKind::Word:
    case TokenKind::Integer:
    case TokenKind::Decimal:
        return token.text;
    case TokenKind::FourChar:
        return "'" + MacRomanToUtf8(token.text) + "'";
    case TokenKind::String:
        return "a string";
    case TokenKind::OpenBrace:
    case TokenKind::CloseBrace:
    case TokenKind::OpenBracket:
    case TokenKind::CloseBracket:
        return "'" + token.text + "'";
    case TokenKind::End:
        break;
    }
    return "end of file";
}
