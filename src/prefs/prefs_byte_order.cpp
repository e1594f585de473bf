// The unit maps of the stored preference records and their conversion to the other byte order.
#include "prefs/prefs_byte_order.h"

#include "prefs/companion_records.h"
#include "prefs/host_order.h"
#include "prefs/prefs_type_map.h"

namespace {

// Reverses `count` units of `width` bytes from `offset`, each only when it lies within the record.
void ReverseUnits(UInt8* record, size_t size, size_t offset, size_t count, size_t width) {
    for (size_t i = 0; i < count; ++i) {
        const size_t at = offset + i * width;
        if (at + width > size) return;
        if (width == 2)
            ReverseUnit16(record + at);
        else
            ReverseUnit32(record + at);
    }
}

void SwapMainPrefs(UInt8* record, size_t size) {
    for (const PrefsUnitRange& range : kPrefsTypeMap) {
        if (range.unit == 1) continue;
        for (size_t at = range.first; at + range.unit - 1 <= range.last; at += range.unit)
            if (!IsFaceByteUnit(at)) ReverseUnits(record, size, at, 1, range.unit);
    }
}

void SwapRecentPrefs(UInt8* record, size_t size) {
    ReverseUnits(record, size, kRecentVersionAt, 1, 4);
    ReverseUnits(record, size, kRecentCountAt, 1, 2);
    ReverseUnits(record, size, kRecentKindsAt, size_t(kRecentEntryCount), 2);
    ReverseUnits(record, size, kRecentValuesAt, size_t(kRecentEntryCount), 2);
    ReverseUnits(record, size, kRecentFolderSetting1At, 2, 2);
    ReverseUnits(record, size, kRecentStartupValueAt, 1, 4);
}

void SwapShape(UInt8* record, size_t size) {
    ReverseUnits(record, size, 0, 5, 4);
    for (size_t entry = size_t(kShapeHeaderSize); entry + size_t(kShapeEntrySize) <= size;
         entry += size_t(kShapeEntrySize))
        ReverseUnits(record, size, entry, 6, 4); // the last 8 bytes of an entry are flags, kept as bytes
}

} // namespace

void SwapPrefs(void* record, ResType type, Size size) {
    if (!record || size <= 0) return;
    auto* bytes = static_cast<UInt8*>(record);
    const size_t n = size_t(size);
    switch (type) {
    case kMainPrefsType:
        SwapMainPrefs(bytes, n);
        break;
    case kRecentPrefsType:
        SwapRecentPrefs(bytes, n);
        break;
    case kPositionPrefsType:
        ReverseUnits(bytes, n, 0, 1, 4);
        ReverseUnits(bytes, n, 4, (size_t(kPositionPrefsSize) - 4) / 2, 2);
        break;
    case kSparePrefsType:
        ReverseUnits(bytes, n, 0, 2, 2);
        break;
    case kMacroClassesType:
        ReverseUnits(bytes, n, 0, n / 4, 4);
        break;
    case kShapePrefsType:
        SwapShape(bytes, n);
        break;
    default:
        break;
    }
}
