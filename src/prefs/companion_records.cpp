// The recent-files and window-place records: their start values and field access.
#include "prefs/companion_records.h"

#include "prefs/host_order.h"

#include <cstring>

namespace {

constexpr RecentPrefsRecord BuildRecentDefaults() {
    RecentPrefsRecord r{};
    StoreHost32(r.bytes + kRecentVersionAt, UInt32(kRecentPrefsVersion));
    return r;
}

constexpr PositionPrefsRecord BuildPositionDefaults() {
    PositionPrefsRecord r{};
    StoreHost32(r.bytes, UInt32(kPositionPrefsVersion));
    return r;
}

void CopyStringOut(const UInt8* field, StringPtr out) {
    std::memcpy(out, field, 1 + size_t(field[0]));
}

void CopyStringIn(UInt8* field, ConstStringPtr text) {
    std::memset(field, 0, 256);
    if (text) std::memcpy(field, text, 1 + size_t(text[0]));
}

} // namespace

constinit RecentPrefsRecord gRecentPreferences = BuildRecentDefaults();
constinit PositionPrefsRecord gPositionPreferences = BuildPositionDefaults();

void ResetPositionPreferences() {
    gPositionPreferences = BuildPositionDefaults();
}

SInt16 GetRecentCount(const RecentPrefsRecord& r) {
    return SInt16(LoadHost16(r.bytes + kRecentCountAt));
}
void SetRecentCount(RecentPrefsRecord& r, SInt16 count) {
    StoreHost16(r.bytes + kRecentCountAt, UInt16(count));
}

UInt16 GetRecentEntryKind(const RecentPrefsRecord& r, SInt16 entry) {
    return LoadHost16(r.bytes + kRecentKindsAt + 2 * entry);
}
void SetRecentEntryKind(RecentPrefsRecord& r, SInt16 entry, UInt16 kind) {
    StoreHost16(r.bytes + kRecentKindsAt + 2 * entry, kind);
}
UInt16 GetRecentEntryValue(const RecentPrefsRecord& r, SInt16 entry) {
    return LoadHost16(r.bytes + kRecentValuesAt + 2 * entry);
}
void SetRecentEntryValue(RecentPrefsRecord& r, SInt16 entry, UInt16 value) {
    StoreHost16(r.bytes + kRecentValuesAt + 2 * entry, value);
}

void GetRecentEntryName(const RecentPrefsRecord& r, SInt16 entry, StringPtr out) {
    CopyStringOut(r.bytes + kRecentNamesAt + 256 * entry, out);
}
void SetRecentEntryName(RecentPrefsRecord& r, SInt16 entry, ConstStringPtr name) {
    CopyStringIn(r.bytes + kRecentNamesAt + 256 * entry, name);
}
void GetRecentEntryFolder(const RecentPrefsRecord& r, SInt16 entry, StringPtr out) {
    CopyStringOut(r.bytes + kRecentFoldersAt + 256 * entry, out);
}
void SetRecentEntryFolder(RecentPrefsRecord& r, SInt16 entry, ConstStringPtr folder) {
    CopyStringIn(r.bytes + kRecentFoldersAt + 256 * entry, folder);
}

SInt16 GetRecentShort(const RecentPrefsRecord& r, UInt16 offset) {
    return SInt16(LoadHost16(r.bytes + offset));
}
void SetRecentShort(RecentPrefsRecord& r, UInt16 offset, SInt16 value) {
    StoreHost16(r.bytes + offset, UInt16(value));
}
SInt32 GetRecentStartupValue(const RecentPrefsRecord& r) {
    return SInt32(LoadHost32(r.bytes + kRecentStartupValueAt));
}
void SetRecentStartupValue(RecentPrefsRecord& r, SInt32 value) {
    StoreHost32(r.bytes + kRecentStartupValueAt, UInt32(value));
}
void GetRecentFolder(const RecentPrefsRecord& r, UInt16 offset, StringPtr out) {
    CopyStringOut(r.bytes + offset, out);
}
void SetRecentFolder(RecentPrefsRecord& r, UInt16 offset, ConstStringPtr folder) {
    CopyStringIn(r.bytes + offset, folder);
}

Rect GetWindowPlace(const PositionPrefsRecord& r, WindowPlace place) {
    const UInt8* p = r.bytes + place;
    return Rect{SInt16(LoadHost16(p)), SInt16(LoadHost16(p + 2)), SInt16(LoadHost16(p + 4)),
                SInt16(LoadHost16(p + 6))};
}

void SetWindowPlace(PositionPrefsRecord& r, WindowPlace place, const Rect& rect) {
    UInt8* p = r.bytes + place;
    StoreHost16(p, UInt16(rect.top));
    StoreHost16(p + 2, UInt16(rect.left));
    StoreHost16(p + 4, UInt16(rect.bottom));
    StoreHost16(p + 6, UInt16(rect.right));
}
