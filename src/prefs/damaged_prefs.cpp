// Damaged preference files: the kept copy beside the file, and the one message that tells the user.
#include "prefs/damaged_prefs.h"

#include "foundation/error_dialog.h"
#include "foundation/message_params.h"
#include "foundation/program_strings.h"
#include "platform/file_io.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_file.h"

#include <filesystem>
#include <map>
#include <vector>

namespace {

// The texts of the report, in string list 130.
constexpr SInt16 kBadPrefsTexts = 130;
enum : SInt16 {
    kVersionBadText = 1,
    kSizeBadText = 2,
    kSizeAndVersionBadText = 3,
    kUnreadableFileText = 4,
    kDefaultsKeptText = 5,
    kDefaultsText = 6,
    kKindNamesFirst = 7, // one per PrefsKind, in order
};
constexpr SInt16 kKeptNameAttempts = 99;
// What the report says when its texts are missing from the resources.
constexpr const char* kNoBadPrefsText = "No Bad Preferences Dialog";

std::string ProgramString(SInt16 index) {
    Str255 text;
    return GetOrvalisString(kBadPrefsTexts, index, text) ? std::string(PStringView(text)) : std::string();
}

SInt16 KindIndex(ResType type) {
    constexpr ResType kKinds[] = {kMainPrefsType,  kRecentPrefsType,  kPositionPrefsType,
                                  kSparePrefsType, kMacroClassesType, kShapePrefsType};
    for (SInt16 i = 0; i < SInt16(std::size(kKinds)); ++i)
        if (kKinds[i] == type) return i;
    return 0;
}

void Report(SInt16 problemText, const std::string& kindName, const std::string& where,
            const std::string& keptName) {
    const std::string params[3] = {kindName, where, keptName};
    std::string problem = ProgramString(problemText);
    std::string outcome = ProgramString(keptName.empty() ? kDefaultsText : kDefaultsKeptText);
    if (problem.empty() || outcome.empty()) {
        DoErrorMessageText(kNoBadPrefsText);
        return;
    }
    DoErrorMessageText(SubstituteMessageParams(problem + " " + outcome, params));
}

} // namespace

std::string KeepDamagedPrefsFile(const std::string& folder, const std::string& name, bool moveAway) {
    const std::string from = folder + "/" + MacRomanToUtf8(name);
    // One copy per file and run holds the file as it was before anything in it was replaced.
    static std::map<std::string, std::string> copiesKept;
    if (!moveAway)
        if (auto it = copiesKept.find(from);
            it != copiesKept.end() && FileExists(folder + "/" + MacRomanToUtf8(it->second)))
            return it->second;
    for (SInt16 n = 1; n <= kKeptNameAttempts; ++n) {
        std::string kept = name + (n == 1 ? " (damaged)" : " (damaged " + std::to_string(n) + ")");
        const std::string to = folder + "/" + MacRomanToUtf8(kept);
        if (FileExists(to)) continue;
        if (moveAway) {
            std::error_code ec;
            std::filesystem::rename(from, to, ec);
            return ec ? std::string() : kept;
        }
        std::vector<UInt8> bytes;
        if (ReadWholeFile(from, bytes) != noErr || WriteFileAtomically(to, bytes) != noErr) return {};
        copiesKept[from] = kept;
        return kept;
    }
    return {};
}

void ReportUnreadablePrefsFile(const std::string& name, const std::string& keptName) {
    Report(kUnreadableFileText, std::string(), name, keptName);
}

void DoBadPreferencesDialog(Boolean sizeBad, Boolean versionBad, const std::string& where,
                            const std::string& keptName) {
    const SInt16 problem = sizeBad && versionBad ? kSizeAndVersionBadText
                           : sizeBad             ? kSizeBadText
                                                 : kVersionBadText;
    Report(problem, ProgramString(SInt16(kKindNamesFirst + KindIndex(gThePrefsType))), where, keptName);
}
