// Keeping a document's text and side file together across saves that were cut short: the side file holds
// the length and checksum of the text it was saved with, a side file saved with another text is not used,
// and the temporary files of an interrupted save are finished or removed.
#include "foundation/script_file_checks.h"
#include "platform/bytes.h"
#include "platform/crc32.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace {

constexpr ResID kTextCheckID = 128;
constexpr size_t kTextCheckSize = 8;
// What a save names its temporary files after: mkstemp's six letters and digits.
constexpr std::string_view kTempMark = ".saving-";
constexpr size_t kTempLetters = 6;

std::array<UInt8, kTextCheckSize> MakeTextCheck(std::span<const UInt8> text) {
    std::array<UInt8, kTextCheckSize> check{};
    WriteBE32(check.data(), UInt32(text.size()));
    WriteBE32(check.data() + 4, Crc32(text));
    return check;
}

// Whether the check in the current resource file was made from the text file at textPath; a side file
// without one (written before checks were kept) goes with any text.
bool CurrentCheckMatches(const std::string& textPath) {
    Handle stored = Get1Resource(kTextCheckType, kTextCheckID);
    if (!stored) return true;
    std::vector<UInt8> check(reinterpret_cast<const UInt8*>(*stored),
                             reinterpret_cast<const UInt8*>(*stored) + GetHandleSize(stored));
    ReleaseResource(stored);
    std::vector<UInt8> text;
    if (check.size() != kTextCheckSize || ReadWholeFile(textPath, text) != noErr) return false;
    const std::array<UInt8, kTextCheckSize> actual = MakeTextCheck(text);
    return std::equal(actual.begin(), actual.end(), check.begin());
}

// Whether the resource file at sidePath holds a check, and one made from the text at textPath.
bool SideFileHasMatchingCheck(const std::string& sidePath, const std::string& textPath) {
    if (!FileExists(sidePath)) return false;
    const ResFileRefNum previous = CurResFile();
    const ResFileRefNum file = OpenResFile(sidePath, fsRdPerm);
    if (file == -1) return false;
    Handle stored = Get1Resource(kTextCheckType, kTextCheckID);
    const bool hasCheck = stored != nullptr;
    if (stored) ReleaseResource(stored);
    const bool matches = hasCheck && CurrentCheckMatches(textPath);
    CloseResFile(file);
    if (previous != 0) UseResFile(previous);
    return matches;
}

bool IsTempLetters(std::string_view letters) {
    if (letters.size() != kTempLetters) return false;
    for (char c : letters)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// A name the saves of the document named `name` give their temporary files: the text's and the side
// file's new and kept copies, and the side file being built and the copy of it its writer makes.
bool IsSaveLeftoverOf(std::string_view entry, const std::string& name) {
    const std::string side = name + ".rsrc";
    const std::string building = side + ".saving";
    if (entry == building) return true;
    for (const std::string& base : {name, side, building})
        if (entry.size() == base.size() + kTempMark.size() + kTempLetters && entry.starts_with(base) &&
            entry.substr(base.size(), kTempMark.size()) == kTempMark &&
            IsTempLetters(entry.substr(base.size() + kTempMark.size())))
            return true;
    return false;
}

} // namespace

void AddTextCheck(std::span<const UInt8> text) {
    const std::array<UInt8, kTextCheckSize> check = MakeTextCheck(text);
    Handle data = nullptr;
    if (PtrToHand(check.data(), &data, Size(check.size())) != noErr) return;
    const UInt8 noName[1] = {0};
    AddResource(data, kTextCheckType, kTextCheckID, noName);
    if (ResError() != noErr) {
        DisposeHandle(data);
        return;
    }
    WriteResource(data);
}

bool SideFileMatchesText(const std::string& textPath) {
    return CurrentCheckMatches(textPath);
}

void ReportSideFileOfOtherText(const std::string& documentPath) {
    const std::string name = Utf8ToMacRoman(std::filesystem::path(documentPath).filename().string());
    ReportRefusal(kRefusedSideFileText, {name, "", ""},
                  "The side file of \"" + name +
                      "\" belongs to another version of its text and was not used.");
}

void CompleteInterruptedSave(const std::string& documentPath) {
    const std::string sidePath = SideFilePath(documentPath);
    const std::string built = sidePath + ".saving";
    // The text was renamed into place and the process ended before its side file followed.
    if (SideFileHasMatchingCheck(built, documentPath) && !SideFileHasMatchingCheck(sidePath, documentPath))
        RenameFile(built, sidePath);
}

void RemoveSaveLeftovers(const std::string& documentPath) {
    const std::filesystem::path path(documentPath);
    const std::string name = path.filename().string();
    if (name.empty()) return;
    std::error_code error;
    std::filesystem::directory_iterator entries(path.has_parent_path() ? path.parent_path() : ".", error);
    if (error) return;
    std::vector<std::string> leftovers;
    for (const std::filesystem::directory_entry& entry : entries) {
        // Only plain files of those names; a link or a folder is somebody else's.
        if (!entry.is_regular_file(error) || entry.is_symlink(error)) continue;
        if (IsSaveLeftoverOf(entry.path().filename().string(), name))
            leftovers.push_back(entry.path().string());
    }
    for (const std::string& leftover : leftovers)
        DeleteFile(leftover);
}
