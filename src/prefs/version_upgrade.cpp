// The version 1 to 2 upgrade of the main preference record.
#include "prefs/version_upgrade.h"

#include "prefs/prefs_fields.h"

#include <cstring>

namespace {

struct ByteSpan {
    UInt16 first; // inclusive
    UInt16 last;  // inclusive
};

// What version 2 added or gave a new meaning, taken over from the defaults.
constexpr ByteSpan kAddedInVersion2[] = {
    {622, 623}, {632, 633}, {666, 667}, {1988, 2095}, {2100, 2103}, {2106, 2177}, {2194, 2243}, {4158, 4159},
};

} // namespace

void ConvertMainPrefs1to2(PrefsRecord* record) {
    SetPref(*record, kPrefVersion, kPrefsCurrentVersion);
    for (const ByteSpan& span : kAddedInVersion2)
        std::memcpy(record->bytes + span.first, gDefaultPreferences.bytes + span.first,
                    size_t(span.last - span.first) + 1);
    SetPref(*record, kPrefPlainFontMenus, 0);
    SetPref(*record, kPrefAllowTextMerge, 1);
    SetPref(*record, ShortAt(2104), 1);
    CheckPrefsNewColorSettings(record);
}
