// Reading a whole text file for opening or inserting: at most kMaxTextFileBytes, converted by the text
// import into Mac Roman with carriage returns.
#include "foundation/text_import.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "shell/file_opening.h"

#include <cstring>
#include <filesystem>
#include <system_error>

OSErr ReadWholeTextFile(const std::string& path, Handle* text, Handle* styles, bool* wasCut) {
    *text = nullptr;
    if (styles) *styles = nullptr;
    if (wasCut) *wasCut = false;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return fnfErr;
    if (size == 0) return eofErr;
    const size_t wanted = size_t(std::min<std::uintmax_t>(size, kMaxTextFileBytes));
    std::vector<UInt8> bytes;
    if (OSErr readError = ReadFileStart(path, wanted, bytes); readError != noErr) return readError;
    if (bytes.empty()) return eofErr;
    Handle handle = NewHandle(Size(bytes.size()));
    if (!handle) return memFullErr;
    std::memcpy(*handle, bytes.data(), bytes.size());
    bytes = {};

    std::string folder, name;
    SplitFilePath(path, folder, name);
    Str255 macName;
    SetPString(macName, Utf8ToMacRoman(name));
    SInt32 length = SInt32(GetHandleSize(handle));
    Handle runs = nullptr;
    HLock(handle);
    ProcessText(*handle, &length, macName, &runs);
    HUnlock(handle);
    SetHandleSize(handle, std::max<SInt32>(length, 0));
    *text = handle;
    if (styles)
        *styles = runs;
    else if (runs)
        DisposeHandle(runs);
    if (wasCut) *wasCut = size > std::uintmax_t(kMaxTextFileBytes);
    return noErr;
}
