// Standard macro files: written from the program's built-in copies when missing or out of date.
#include "macros/standard_macro_files.h"

#include "foundation/app_paths.h"
#include "foundation/folder_files.h"
#include "foundation/program_strings.h"
#include "macros/macro_file_version.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/resources.h"

#include <span>
#include <vector>

namespace {

SInt32 VersionOfBytes(const std::vector<UInt8>& bytes) {
    Handle data = NewHandle(Size(bytes.size()));
    if (!data) return 0;
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<UInt8*>(*data));
    const SInt32 version = GetMacroFileVersion(-1, data);
    DisposeHandle(data);
    return version;
}

} // namespace

void VerifyFileAExists(SInt16 macroID) {
    Str255 name;
    if (!GetOrvalisString(kStandardMacroNames, macroID, name)) return;
    const std::string path = PathInFolder(GetAppPathFolder(kMacroFolderSlot), name);
    if (path.empty()) return;
    Handle builtIn = GetResource(FourCC("Mcro"), ResID(kFirstBuiltInMacro + macroID));
    if (!builtIn) return;

    std::vector<UInt8> existing;
    const OSErr readErr = ReadWholeFile(path, existing);
    bool write = readErr != noErr;
    if (!write) write = GetMacroFileVersion(-1, builtIn) > VersionOfBytes(existing);
    if (write) {
        // The new copy replaces the old file only once it is complete.
        const auto* bytes = reinterpret_cast<const UInt8*>(*builtIn);
        WriteFileAtomically(path, std::span<const UInt8>(bytes, size_t(GetHandleSize(builtIn))));
    }
    ReleaseResource(builtIn);
}
