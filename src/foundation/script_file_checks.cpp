// Files refused as a script's text, and the one message that says why, from the texts in string list 160.
#include "foundation/script_file_checks.h"

#include "foundation/error_dialog.h"
#include "foundation/message_params.h"
#include "foundation/program_strings.h"
#include "foundation/text_import.h"
#include "platform/file_io.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr SInt16 kRefusedFileTexts = 160;

// Word-processor files are binary by nature; their converter reads them.
bool IsWordProcessorName(const std::string& path) {
    std::string ending = std::filesystem::path(path).extension().string();
    for (char& c : ending)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return ending == ".doc" || ending == ".cwk";
}

// Whole megabytes, rounded up so that a file just over the limit does not read as the limit itself.
std::string Megabytes(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMegabyte = 1024 * 1024;
    return std::to_string((bytes + kMegabyte - 1) / kMegabyte);
}

} // namespace

OSErr CheckScriptFile(const std::string& path, bool asText) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) return fnfErr;
    if (!std::filesystem::is_regular_file(status)) return kNotAFileErr;
    std::vector<UInt8> start;
    if (OSErr err = ReadFileStart(path, kTextProbeBytes, start); err != noErr) return err;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return ioErr;
    if (size > kMaxScriptFileBytes) return kScriptTooLargeErr;
    if (asText && !IsWordProcessorName(path) && !LooksLikeText(start)) return kNotTextFileErr;
    return noErr;
}

bool ReportScriptFileProblem(const std::string& path, OSErr err) {
    SInt16 item = 0;
    switch (err) {
    case kNotAFileErr:
        item = kRefusedFolderText;
        break;
    case permErr:
        item = kRefusedNotAllowedText;
        break;
    case ioErr:
        item = kRefusedUnreadableText;
        break;
    case kScriptTooLargeErr:
        item = kRefusedTooLargeText;
        break;
    case kNotTextFileErr:
        item = kRefusedNotTextText;
        break;
    default:
        return false;
    }
    const std::string name = Utf8ToMacRoman(std::filesystem::path(path).filename().string());
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const std::string params[3] = {name, error ? std::string("?") : Megabytes(size),
                                   Megabytes(kMaxScriptFileBytes)};
    ReportRefusal(item, params, "\"" + name + "\" could not be opened.");
    return true;
}

void ReportRefusal(SInt16 item, const std::string (&params)[3], const std::string& fallback) {
    Str255 text;
    if (GetOrvalisString(kRefusedFileTexts, item, text) && text[0] > 0)
        DoErrorMessageText(SubstituteMessageParams(std::string(PStringView(text)), params));
    else
        DoErrorMessageText(fallback);
}
