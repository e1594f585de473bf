// Whole-record operations on the main preference record and its change flag.
#include "prefs/prefs_fields.h"

#include <cstring>

void CopyPreferences(const PrefsRecord* from, PrefsRecord* to) {
    if (from && to && from != to) std::memcpy(to->bytes, from->bytes, kPrefsRecordBytes);
}

void CheckPrefsNewColorSettings(PrefsRecord* record) {
    // The long at 2188 spans the search dictionary and found-words colours: both must be 0 as well.
    if (GetPref(*record, kPrefMandalaColors, 0) != 0 ||
        LoadHost32(record->bytes + kPrefSearchDictColor.offset) != 0)
        return;
    const size_t first = kPrefMandalaColors.offset, end = kPrefOverlayColor.offset + 2;
    std::memcpy(record->bytes + first, gDefaultPreferences.bytes + first, end - first);
}
