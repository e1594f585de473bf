// Preference files and preference-set files from outside: the input stands as both files in a fresh
// preferences folder; every kind of record is read from the first, and every set listed in the second
// is loaded.
#include "support/fuzz_support.h"

#include "effects/shapes.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "prefs/companion_records.h"
#include "prefs/preference_sets.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {
std::string gFolder;

void ResetGlobals() {
    CopyPreferences(&gDefaultPreferences, &gThePreferences);
    std::memset(&gRecentPreferences, 0, sizeof gRecentPreferences);
    std::memset(&gPositionPreferences, 0, sizeof gPositionPreferences);
    SelectPrefsKind(kPrefsKindMain);
    gPrefsChanged = false;
    gPositionPrefsChanged = false;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    gFolder = std::string(std::getenv("HOME")) + "/.config/Orvalis";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::error_code ec;
    std::filesystem::remove_all(gFolder, ec);
    std::filesystem::create_directories(gFolder, ec);
    fuzz::WriteScratch(gFolder + "/Orvalis Preferences", {data, size});
    fuzz::WriteScratch(gFolder + "/Orvalis Preference Sets", {data, size});
    ResetGlobals();

    Str255 name;
    PrefsRecord main = gDefaultPreferences;
    DoGetPreferences(&main, kPrefsKindMain, name);
    DoGetPreferences(&gRecentPreferences, kPrefsKindRecent, name);
    DoGetPreferences(&gPositionPreferences, kPrefsKindPosition, name);
    Handle spare = NewHandleClear(kSparePrefsSize);
    DoGetPreferences(spare, kPrefsKindSpare, name);
    DisposeHandle(spare);
    std::vector<UInt8> classes(size_t(kMacroClassesSize), 0);
    DoGetPreferences(classes.data(), kPrefsKindMacroClasses, name);
    static UInt8 shape[kShapeRecordMaxSize];
    std::memcpy(shape, gRecentShape, sizeof shape);
    DoGetPreferences(shape, kPrefsKindShape, name);

    std::vector<PreferenceSetEntry> sets;
    ListPreferenceSets(sets);
    for (size_t i = 0; i < sets.size() && i < 8; ++i)
        LoadPreferenceSet(sets[i].id, shape, name);

    ResetGlobals();
    fuzz::ClearMessages();
    return 0;
}
