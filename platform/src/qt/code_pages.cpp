// Code page bytes to Unicode through the C library's converters, one 256-entry table per code page, built
// on first use. Windows Latin and Mac Roman do not depend on the converters being installed.
#include "platform/code_pages.h"
#include "platform/text_encoding.h"

#include <iconv.h>

#include <array>
#include <map>
#include <string>

namespace {

using CodePageTable = std::array<char32_t, 128>;

constexpr char32_t kNoCharacter = 0xFFFD;
// A document may name any number as its code page; past this many distinct ones the rest are unknown,
// so a hostile file cannot make the cache grow.
constexpr size_t kMostCodePages = 32;

// Windows Latin's 0x80..0x9F, where it differs from ISO Latin 1.
constexpr char32_t kWindowsLatinHigh[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                            0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

CodePageTable WindowsLatinTable() {
    CodePageTable table{};
    for (int i = 0; i < 128; ++i)
        table[size_t(i)] = i < 32 ? kWindowsLatinHigh[i] : char32_t(0x80 + i);
    return table;
}

CodePageTable ConverterTable(int codePage, bool* known) {
    CodePageTable table;
    table.fill(kNoCharacter);
    *known = false;
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t converter = iconv_open("UTF-32LE", name.c_str());
    if (converter == iconv_t(-1)) return table;
    *known = true;
    for (int i = 0; i < 128; ++i) {
        char in = char(0x80 + i);
        unsigned char out[8] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || outLeft != 4) continue;
        table[size_t(i)] = char32_t(out[0] | (out[1] << 8) | (out[2] << 16) | (UInt32(out[3]) << 24));
    }
    iconv_close(converter);
    return table;
}

const CodePageTable* TableFor(int codePage) {
    static std::map<int, CodePageTable> tables;
    static std::map<int, bool> unknown;
    if (auto found = tables.find(codePage); found != tables.end()) return &found->second;
    if (unknown.count(codePage)) return nullptr;
    if (tables.size() + unknown.size() >= kMostCodePages) return nullptr;
    bool known = true;
    CodePageTable table =
        codePage == kCodePageWindowsLatin ? WindowsLatinTable() : ConverterTable(codePage, &known);
    if (!known) {
        unknown[codePage] = true;
        return nullptr;
    }
    return &tables.emplace(codePage, table).first->second;
}

} // namespace

char32_t CodePageCharacter(int codePage, UInt8 byte) {
    if (byte < 0x80) return byte;
    if (codePage == kCodePageMacRoman) return MacRomanToUnicode(byte);
    const CodePageTable* table = TableFor(codePage);
    return table ? (*table)[byte - 0x80] : kNoCharacter;
}
