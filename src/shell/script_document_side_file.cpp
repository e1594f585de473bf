// A document's side file: where it lies beside the text, its AppleDouble form, and reading it without
// ever writing into it.
#include "foundation/error_dialog.h"
#include "platform/bytes.h"
#include "platform/file_io.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"

#include <algorithm>

namespace {

constexpr UInt32 kAppleDoubleMagic = 0x00051607;
constexpr UInt32 kAppleDoubleResourceFork = 2;
constexpr size_t kAppleDoubleHeaderSize = 26;
constexpr size_t kAppleDoubleEntrySize = 12;

// The folder part (with its '/') and the name part of a path.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The resource fork carried in an AppleDouble file; empty when the file is not one or has none.
std::vector<UInt8> ExtractAppleDoubleFork(const std::vector<UInt8>& file) {
    if (file.size() < kAppleDoubleHeaderSize || ReadBE32(file.data()) != kAppleDoubleMagic) return {};
    const size_t count = ReadBE16(file.data() + 24);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kAppleDoubleHeaderSize + i * kAppleDoubleEntrySize;
        if (at + kAppleDoubleEntrySize > file.size()) break;
        if (ReadBE32(file.data() + at) != kAppleDoubleResourceFork) continue;
        const size_t offset = ReadBE32(file.data() + at + 4);
        const size_t length = ReadBE32(file.data() + at + 8);
        if (offset > file.size() || length > file.size() - offset) return {};
        return {file.begin() + long(offset), file.begin() + long(offset + length)};
    }
    return {};
}

void ReportUnreadableSideFile(const std::string& documentPath) {
    DoErrorMessageText("The side data of \"" + SplitPath(documentPath).second +
                       "\" is damaged and was not read; the text is open, and the side file stays as it "
                       "is until the document is saved.");
}

} // namespace

std::string SideFilePath(const std::string& documentPath) {
    return documentPath + ".rsrc";
}

std::string EarlierSideFilePath(const std::string& documentPath) {
    const auto [folder, name] = SplitPath(documentPath);
    const size_t dot = name.rfind('.');
    // A leading dot marks a hidden file, not an ending; such names and names without an ending were
    // already named as they are now.
    if (dot == std::string::npos || dot == 0) return std::string();
    const std::string earlier = folder + name.substr(0, dot + 1) + "rsrc";
    return earlier == documentPath ? std::string() : earlier;
}

std::string AppleDoublePath(const std::string& documentPath) {
    const auto [folder, name] = SplitPath(documentPath);
    return folder + "._" + name;
}

namespace {

// A side file saved with another text than the one on disk (changed elsewhere, or a save cut short between
// its two renames) would put its styles and bookmarks on the wrong words: it is not used.
ResFileRefNum UnlessSavedWithOtherText(ResFileRefNum refNum, const std::string& path, bool reportDamage) {
    if (refNum == -1 || SideFileMatchesText(path)) return refNum;
    CloseResFile(refNum);
    if (reportDamage) ReportSideFileOfOtherText(path);
    return -1;
}

} // namespace

ResFileRefNum OpenDocumentResources(const std::string& path, bool resourceScriptFile, bool reportDamage) {
    const std::string sidePath = resourceScriptFile ? path : SideFilePath(path);
    ResFileRefNum refNum = -1;
    if (FileExists(sidePath)) {
        refNum = OpenResFile(sidePath, fsRdPerm);
        // An empty side file is a document without side data, not a damaged one.
        if (refNum == -1 && ResError() != resFNotFound && reportDamage) ReportUnreadableSideFile(path);
        return resourceScriptFile ? refNum : UnlessSavedWithOtherText(refNum, path, reportDamage);
    }
    if (resourceScriptFile) return -1;
    // A side file under the earlier name is read when it is a resource file; anything else of that name
    // is another document ("Talk.rsrc" beside "Talk.txt") and is left alone without a word.
    if (const std::string earlier = EarlierSideFilePath(path); !earlier.empty() && FileExists(earlier)) {
        refNum = OpenResFile(earlier, fsRdPerm);
        if (refNum != -1) return refNum;
    }
    std::vector<UInt8> appleDouble;
    if (ReadWholeFile(AppleDoublePath(path), appleDouble) != noErr) return -1;
    std::vector<UInt8> fork = ExtractAppleDoubleFork(appleDouble);
    if (fork.empty()) return -1;
    refNum = OpenResFileFromBytes(AppleDoublePath(path), std::move(fork));
    if (refNum == -1 && reportDamage) ReportUnreadableSideFile(path);
    return refNum;
}

void CloseDocumentResources(ResFileRefNum refNum, ResFileRefNum previous) {
    if (refNum != -1) CloseResFile(refNum);
    if (previous != 0) UseResFile(previous);
}

const KeptSideResource* FindKeptSideResource(ResType type, ResID id) {
    for (const KeptSideResource& kept : gKeptSideResources)
        if (kept.type == type && kept.id == id) return &kept;
    return nullptr;
}

void KeepCurrentFileResources(std::span<const ResType> types, bool onlyThese) {
    for (SInt16 t = 1; t <= Count1Types(); ++t) {
        ResType type = 0;
        Get1IndType(&type, t);
        if ((std::find(types.begin(), types.end(), type) != types.end()) != onlyThese) continue;
        for (SInt16 i = 1; i <= Count1Resources(type); ++i) {
            Handle resource = Get1IndResource(type, i);
            if (!resource) continue;
            KeptSideResource kept;
            Str255 name = {0};
            ResType ignored = 0;
            GetResInfo(resource, &kept.id, &ignored, name);
            kept.type = type;
            kept.hasName = name[0] > 0;
            kept.name.assign(PStringView(name));
            const UInt8* bytes = reinterpret_cast<const UInt8*>(*resource);
            kept.data.assign(bytes, bytes + GetHandleSize(resource));
            ReleaseResource(resource);
            gKeptSideResources.push_back(std::move(kept));
        }
    }
}
