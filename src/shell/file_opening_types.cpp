// What kind of file a path holds, for opening it: by the name's ending first, then by its first bytes.
#include "foundation/file_types.h"
#include "platform/bytes.h"
#include "platform/file_io.h"
#include "platform/pstring.h"
#include "platform/resource_format.h"
#include "platform/text_encoding.h"
#include "shell/file_opening.h"
#include "shell/script_documents.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr ResType kQueueResourceType = FourCC("OvQu");
// Enough of a text to meet its first line end in any sensible script.
constexpr size_t kLineEndProbeBytes = 64 * 1024;

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
    if (name.size() < ending.size()) return false;
    for (size_t i = 0; i < ending.size(); ++i) {
        char c = name[name.size() - ending.size() + i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != ending[i]) return false;
    }
    return true;
}

// The header's four fields must describe this very file: data and map inside it, the map last. Only then
// is the whole file read and parsed.
OSType GetResourceFileKind(const std::string& path, std::span<const UInt8> start, std::uintmax_t size) {
    if (start.size() < kResourceHeaderSize) return 0;
    const UInt32 dataOffset = ReadBE32(start.data());
    const UInt32 mapOffset = ReadBE32(start.data() + 4);
    const UInt32 dataLength = ReadBE32(start.data() + 8);
    const UInt32 mapLength = ReadBE32(start.data() + 12);
    if (dataOffset < kResourceHeaderSize || mapLength < 28) return 0;
    if (std::uintmax_t(dataOffset) + dataLength > mapOffset) return 0;
    if (std::uintmax_t(mapOffset) + mapLength != size) return 0;
    std::vector<UInt8> bytes;
    ResourceForkContents contents;
    if (ReadWholeFile(path, bytes) != noErr || ParseResourceFork(bytes, contents) != noErr) return 0;
    for (const ResourceEntry& entry : contents.entries)
        if (entry.type == kQueueResourceType) return kQueueFileType;
    return kResourceScriptFileType;
}

// CR-LF at the first line end, in single bytes or in UTF-16 of either order: a text written on another
// system, which has no side file of ours, so it is read as a DOS text whose side resources are not looked
// for.
bool HasDosLineEnds(std::span<const UInt8> bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') return false;
        if (bytes[i] != '\r') continue;
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') return true;
        return i + 2 < bytes.size() && bytes[i + 1] == 0 && bytes[i + 2] == '\n';
    }
    return false;
}

} // namespace

OSType GetFileTypeOfPath(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    if (EndsWithIgnoringCase(name, ".rsrc")) return kResourceScriptFileType;
    if (EndsWithIgnoringCase(name, ".queue")) return kQueueFileType;
    Str255 macName;
    SetPString(macName, Utf8ToMacRoman(name));
    if (IsMovieFile(macName, true)) return kMovieFileType;
    if (IsPictureFile(macName)) return kPictureFileType;

    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::vector<UInt8> start;
    if (error || ReadFileStart(path, kLineEndProbeBytes, start) != noErr) return kTextFileType;
    if (OSType kind = GetResourceFileKind(path, start, size)) return kind;
    return HasDosLineEnds(start) ? kDosTextFileType : kTextFileType;
}

void SetDocumentKindFromType(OSType type) {
    gIsTextFile = type == kResourceScriptFileType ? kResourceScriptFile : kTextDocument;
    gIsDos = type == kDosTextFileType ? 1 : 0;
}
