// Parses resource statements and hands each body to the compiler for its type.
//
// Source format (UTF-8 text, one or more resource statements):
//
//   # a comment, to the end of the line
//   resource 'TYPE' ID [as kName] ["name"] [attributes N] { body }
//   resource 'TYPE' ID [as kName] ["name"] [attributes N] file "path"
//
// Tokens: integers (12, -3, 0x1F), decimals (1.5, for fixed fields), four-character codes ('STR#', exactly
// four Mac Roman bytes, also usable as a 32-bit number), strings ("text", escapes \n \r \t \" \' \\ and
// \xHH for a raw Mac Roman byte), braces, brackets and bare words. Line breaks carry no meaning.
// Text is converted to Mac Roman; a character Mac Roman cannot hold is an error.
//
// `as kName` names the ID for the program's code (see number_names.h); dialog items, menu items and the
// strings of a string list take `as kName` too, naming their number in the list.
// ID is -32768..32767; attributes is the attribute byte (purgeable 32, locked 16, protected 8, preload 4,
// system heap 64). `file` stores the bytes of a file found relative to the source's folder; a 'PICT' must
// be a PNG file and is stored as PNG data. Bodies by type:
//   'STR#'  strings                       'STR '  one string
//   'MENU'  see menu_body.h               'DLOG', 'WIND'  see window_bodies.h
//   'DITL'  see item_list_body.h          anything else: typed fields, see record_body.h
#include "rc/compiler.h"

#include "platform/bytes.h"
#include "platform/file_io.h"
#include "platform/text_encoding.h"
#include "rc/item_list_body.h"
#include "rc/lexer.h"
#include "rc/menu_body.h"
#include "rc/number_names.h"
#include "rc/png_info.h"
#include "rc/record_body.h"
#include "rc/resource_header.h"
#include "rc/string_bodies.h"
#include "rc/token_cursor.h"
#include "rc/window_bodies.h"

#include <filesystem>
#include <set>

namespace {

using BodyCompiler = void (*)(TokenCursor&, const ResourceHeader&, ByteWriter&);

struct TypeLayout {
    ResType type;
    BodyCompiler compile;
};

constexpr TypeLayout kTypeLayouts[] = {
    {FourCC("STR#"), CompileStringListBody}, {FourCC("STR "), CompileStringBody},
    {FourCC("MENU"), CompileMenuBody},       {FourCC("DLOG"), CompileDialogBody},
    {FourCC("WIND"), CompileWindowBody},     {FourCC("DITL"), CompileItemListBody},
};

constexpr ResType kPictureType = FourCC("PICT");
// Attribute bits a stored resource never carries: bit 7 and bit 0 are reserved, bit 1 marks a change
// in memory.
constexpr UInt8 kForbiddenAttributes = 0x80 | 0x02 | 0x01;

BodyCompiler FindBodyCompiler(ResType type) {
    for (const TypeLayout& layout : kTypeLayouts)
        if (layout.type == type) return layout.compile;
    return CompileRecordBody;
}

std::string TypeName(ResType type) {
    UInt8 bytes[4];
    WriteBE32(bytes, type);
    return "'" + MacRomanToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), 4)) + "'";
}

std::string Place(const std::string& path, int line) {
    return path + ":" + std::to_string(line);
}

std::string Located(const std::string& path, int line, const std::string& message) {
    return Place(path, line) + ": " + message;
}

std::vector<UInt8> ReadReferencedFile(TokenCursor& cursor, const std::string& sourcePath, ResType type) {
    const Token& pathToken = PeekToken(cursor);
    std::string relative = MacRomanToUtf8(ExpectString(cursor, "a file path"));
    std::filesystem::path full = std::filesystem::path(sourcePath).parent_path() / relative;
    std::vector<UInt8> bytes;
    if (OSErr err = ReadWholeFile(full.string(), bytes))
        FailAt(pathToken, "cannot read \"" + relative + "\": " + DescribeFileError(err));
    if (type == kPictureType) {
        PngInfo info;
        std::string error;
        if (!ReadPngInfo(bytes, info, error))
            FailAt(pathToken, "\"" + relative + "\" is not a usable PNG picture: " + error);
    }
    return bytes;
}

// Compiles one `resource` statement and adds it to `out`.
void CompileResource(TokenCursor& cursor, const std::string& path, CompiledResources& out) {
    ResourceHeader header;
    header.line = PeekToken(cursor).line;
    if (!TakeWord(cursor, "resource")) FailExpected(cursor, "resource");
    header.type = ExpectFourChar(cursor, "a resource type such as 'STR#'");
    header.id = ResID(ExpectInteger(cursor, -32768, 32767, "resource ID"));
    std::vector<NumberName> names;
    header.names = &names;
    TakeNumberName(cursor, header, header.id, ResourceLabel(header));
    if (PeekIsKind(cursor, TokenKind::String)) {
        header.hasName = true;
        header.name = ExpectShortString(cursor, "the resource name");
    }
    if (PeekIsWord(cursor, "attributes")) {
        NextToken(cursor);
        const Token& token = PeekToken(cursor);
        header.attributes = UInt8(ExpectInteger(cursor, 0, 255, "attributes"));
        if (header.attributes & kForbiddenAttributes)
            FailAt(token, "attributes " + token.text + " sets bits a stored resource cannot have (0x83)");
    }

    std::vector<UInt8> data;
    if (TakeWord(cursor, "file")) {
        data = ReadReferencedFile(cursor, path, header.type);
    } else {
        if (!PeekIsKind(cursor, TokenKind::OpenBrace)) FailExpected(cursor, "'{' or file");
        if (header.type == kPictureType)
            FailAt(PeekToken(cursor), "a 'PICT' resource is a PNG picture: give it with file \"path\"");
        NextToken(cursor);
        ByteWriter writer;
        FindBodyCompiler(header.type)(cursor, header, writer);
        ExpectKind(cursor, TokenKind::CloseBrace, "'}' to close the resource");
        data = writer.take();
    }

    auto [where, added] = out.definedAt.emplace(std::pair(header.type, header.id), Place(path, header.line));
    if (!added)
        throw SourceError{header.line, "duplicate resource " + TypeName(header.type) + " " +
                                           std::to_string(header.id) + "; first defined at " + where->second};
    for (auto name = names.begin(); name != names.end(); ++name) {
        name->where = Place(path, name->line);
        const NumberName* earlier = nullptr;
        for (const NumberName& other : out.names)
            if (!earlier && other.name == name->name) earlier = &other;
        for (auto other = names.begin(); !earlier && other != name; ++other)
            if (other->name == name->name) earlier = &*other;
        if (earlier)
            throw SourceError{name->line,
                              "the name " + name->name + " is already given at " + earlier->where};
    }
    out.names.insert(out.names.end(), names.begin(), names.end());
    out.storage.push_back(std::move(data));
    ResourceEntry entry;
    entry.type = header.type;
    entry.id = header.id;
    entry.hasName = header.hasName;
    entry.name = header.name;
    entry.attributes = header.attributes;
    entry.data = out.storage.back();
    out.contents.entries.push_back(std::move(entry));
}

} // namespace

void CompileResourceSource(const std::string& path, std::string_view text, CompiledResources& out) {
    std::vector<Token> tokens;
    try {
        tokens = TokenizeSource(text);
    } catch (const SourceError& e) {
        out.errors.push_back(Located(path, e.line, e.message));
        return;
    }
    TokenCursor cursor{&tokens, 0};
    while (!PeekIsKind(cursor, TokenKind::End)) {
        size_t start = cursor.pos;
        try {
            CompileResource(cursor, path, out);
        } catch (const SourceError& e) {
            out.errors.push_back(Located(path, e.line, e.message));
            // Go on at the next statement so one run reports every faulty resource.
            cursor.pos = std::max(cursor.pos, start + 1);
            while (!PeekIsKind(cursor, TokenKind::End) && !PeekIsWord(cursor, "resource"))
                NextToken(cursor);
        }
    }
}

void CompileResourceFiles(const std::vector<std::string>& paths, CompiledResources& out) {
    for (const std::string& path : paths) {
        std::vector<UInt8> bytes;
        if (OSErr err = ReadWholeFile(path, bytes)) {
            out.errors.push_back(path + ": cannot read: " + DescribeFileError(err));
            continue;
        }
        CompileResourceSource(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), out);
    }
}

size_t CountResourceTypes(const ResourceForkContents& contents) {
    std::set<ResType> types;
    for (const ResourceEntry& entry : contents.entries)
        types.insert(entry.type);
    return types.size();
}
