// Compiles typed-field records, the body of every resource type without a layout of its own.
#include "rc/record_body.h"

#include "platform/text_encoding.h"

#include <cctype>
#include <cstdint>

namespace {

struct IntegerField {
    const char* word;
    int bytes;
    SInt64 min, max;
};

constexpr IntegerField kIntegerFields[] = {
    {"i8", 1, INT8_MIN, INT8_MAX}, {"u8", 1, 0, UINT8_MAX},          {"i16", 2, INT16_MIN, INT16_MAX},
    {"u16", 2, 0, UINT16_MAX},     {"i32", 4, INT32_MIN, INT32_MAX}, {"u32", 4, 0, UINT32_MAX},
};

const IntegerField* FindIntegerField(std::string_view word) {
    for (const IntegerField& field : kIntegerFields)
        if (word == field.word) return &field;
    return nullptr;
}

void WriteInteger(ByteWriter& out, int bytes, UInt32 value) {
    if (bytes == 1) out.u8(UInt8(value));
    if (bytes == 2) out.u16(UInt16(value));
    if (bytes == 4) out.u32(value);
}

// [N] after pstring or chars.
SInt64 ExpectFieldSize(TokenCursor& cursor, SInt64 max) {
    ExpectKind(cursor, TokenKind::OpenBracket, "'['");
    SInt64 size = ExpectInteger(cursor, 1, max, "field size");
    ExpectKind(cursor, TokenKind::CloseBracket, "']'");
    return size;
}

std::vector<UInt8> ParseHexBytes(const Token& token) {
    std::vector<UInt8> bytes;
    const std::string& text = token.text;
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    for (size_t i = 0; i < text.size();) {
        if (isSpace(text[i])) {
            ++i;
            continue;
        }
        size_t start = i;
        for (; i < text.size() && !isSpace(text[i]); ++i)
            if (!std::isxdigit(UInt8(text[i])))
                FailAt(token, "hex: '" + MacRomanToUtf8(text.substr(i, 1)) + "' is not a hex digit");
        if ((i - start) % 2)
            FailAt(token, "hex: " + text.substr(start, i - start) + " has an odd number of digits");
        for (size_t k = start; k < i; k += 2)
            bytes.push_back(UInt8(std::stoi(text.substr(k, 2), nullptr, 16)));
    }
    return bytes;
}

void CompileFields(TokenCursor& cursor, ByteWriter& out);

void CompileRepeat(TokenCursor& cursor, const Token& repeatWord, ByteWriter& out) {
    const Token& countToken = PeekToken(cursor);
    std::string countType = ExpectWord(cursor, "the count's type (u8, u16 or u32)");
    int countBytes = countType == "u8" ? 1 : countType == "u16" ? 2 : countType == "u32" ? 4 : 0;
    if (!countBytes) FailAt(countToken, "a repeat count is u8, u16 or u32, not " + countType);
    bool minusOne = TakeWord(cursor, "minus1");
    ExpectKind(cursor, TokenKind::OpenBrace, "'{' to open the elements");

    size_t countAt = out.size();
    WriteInteger(out, countBytes, 0);
    UInt64 count = 0;
    while (!PeekIsKind(cursor, TokenKind::CloseBrace)) {
        ExpectKind(cursor, TokenKind::OpenBrace, "'{' to open an element, or '}'");
        CompileFields(cursor, out);
        ExpectKind(cursor, TokenKind::CloseBrace, "a field or '}'");
        ++count;
    }
    NextToken(cursor);
    if (minusOne && count == 0) FailAt(repeatWord, "repeat minus1 needs at least one element");
    UInt64 stored = minusOne ? count - 1 : count;
    UInt64 limit = countBytes == 4 ? UINT32_MAX : (UInt64(1) << (8 * countBytes)) - 1;
    if (stored > limit)
        FailAt(repeatWord,
               "repeat has " + std::to_string(count) + " elements, too many for a " + countType + " count");
    if (countBytes == 1) out.data()[countAt] = UInt8(stored);
    if (countBytes == 2) out.patch16(countAt, UInt16(stored));
    if (countBytes == 4) out.patch32(countAt, UInt32(stored));
}

void CompileField(TokenCursor& cursor, ByteWriter& out) {
    const Token& fieldWord = PeekToken(cursor);
    std::string word = ExpectWord(cursor, "a field type or '}'");
    if (const IntegerField* field = FindIntegerField(word)) {
        SInt64 value = ExpectInteger(cursor, field->min, field->max, word, field->bytes == 4);
        WriteInteger(out, field->bytes, UInt32(value));
    } else if (word == "fixed") {
        const Token& token = PeekToken(cursor);
        if (token.kind != TokenKind::Integer && token.kind != TokenKind::Decimal)
            FailExpected(cursor, "a number");
        if (token.decimal < -32768.0 || token.decimal >= 32768.0)
            FailAt(token, "fixed " + token.text + " is out of range (-32768 to 32767.99998)");
        NextToken(cursor);
        out.fixed(DoubleToFixed(token.decimal));
    } else if (word == "pstring") {
        if (!PeekIsKind(cursor, TokenKind::OpenBracket)) {
            out.pstring(ExpectShortString(cursor, "pstring"));
            return;
        }
        SInt64 size = ExpectFieldSize(cursor, 256);
        const Token& token = PeekToken(cursor);
        std::string text = ExpectShortString(cursor, "pstring");
        if (SInt64(text.size()) + 1 > size)
            FailAt(token, "pstring[" + std::to_string(size) + "]: the text is " +
                              std::to_string(text.size()) + " bytes; at most " + std::to_string(size - 1) +
                              " fit");
        out.pstring(text);
        out.zeros(size_t(size) - 1 - text.size());
    } else if (word == "chars") {
        SInt64 size = ExpectFieldSize(cursor, 1 << 24);
        const Token& token = PeekToken(cursor);
        std::string text = ExpectString(cursor, "chars");
        if (SInt64(text.size()) > size)
            FailAt(token, "chars[" + std::to_string(size) + "]: the text is " + std::to_string(text.size()) +
                              " bytes and does not fit");
        out.bytes(text.data(), text.size());
        out.zeros(size_t(size) - text.size());
    } else if (word == "cstring") {
        const Token& token = PeekToken(cursor);
        std::string text = ExpectString(cursor, "cstring");
        if (text.find('\0') != std::string::npos) FailAt(token, "a cstring cannot hold a zero byte");
        out.bytes(text.data(), text.size());
        out.u8(0);
    } else if (word == "hex") {
        const Token& token = PeekToken(cursor);
        ExpectString(cursor, "hex bytes in a string");
        std::vector<UInt8> bytes = ParseHexBytes(token);
        out.bytes(bytes.data(), bytes.size());
    } else if (word == "type") {
        out.u32(ExpectFourChar(cursor, "a four-character code"));
    } else if (word == "align") {
        out.align(size_t(ExpectInteger(cursor, 1, 65536, "align")));
    } else if (word == "repeat") {
        CompileRepeat(cursor, fieldWord, out);
    } else {
        FailAt(fieldWord, "unknown field type " + word);
    }
}

void CompileFields(TokenCursor& cursor, ByteWriter& out) {
    while (!PeekIsKind(cursor, TokenKind::CloseBrace) && !PeekIsKind(cursor, TokenKind::End))
        CompileField(cursor, out);
}

} // namespace

void CompileRecordBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out) {
    CompileFields(cursor, out);
}
