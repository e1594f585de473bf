// Reads the names given to resource IDs and item numbers, and writes them out as a C++ header.
#include "rc/number_names.h"

#include "platform/bytes.h"
#include "platform/text_encoding.h"

void TakeNumberName(TokenCursor& cursor, const ResourceHeader& header, SInt32 value,
                    const std::string& what) {
    if (!TakeWord(cursor, "as")) return;
    const Token& token = PeekToken(cursor);
    const std::string name = ExpectWord(cursor, "a name for the number, such as kOkItem");
    if (header.names) header.names->push_back(NumberName{name, value, what, token.line, {}});
}

std::string ResourceLabel(const ResourceHeader& header) {
    UInt8 bytes[4];
    WriteBE32(bytes, header.type);
    return "'" + MacRomanToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), 4)) + "' " +
           std::to_string(header.id);
}

std::string NumberNamesHeader(const std::vector<NumberName>& names) {
    std::string text = "// Resource IDs and item numbers named in the resource sources (resources/*.rdef).\n"
                       "// Written by orvalis-rc; change the sources, not this file.\n"
                       "#pragma once\n\n"
                       "#include \"platform/types.h\"\n\n";
    for (const NumberName& n : names)
        text += "constexpr SInt16 " + n.name + " = " + std::to_string(n.value) + "; // " + n.what + "\n";
    return text;
}
