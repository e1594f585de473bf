// The kinds of stored preference record, and taking a stored record in: size and version checks,
// byte-order conversion and the version 1 upgrade.
#include "platform/bytes.h"
#include "platform/memory.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_byte_order.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "prefs/version_upgrade.h"

#include <cstring>

namespace {

struct KindEntry {
    ResType type;
    SInt32 size;
};

constexpr KindEntry kKinds[] = {
    {kMainPrefsType, kPrefsRecordSize},       {kRecentPrefsType, kRecentPrefsSize},
    {kPositionPrefsType, kPositionPrefsSize}, {kSparePrefsType, kSparePrefsSize},
    {kMacroClassesType, kMacroClassesSize},   {kShapePrefsType, kShapeRecordMaxSize},
};

// A version 1 main record, as its version reads in this machine's order after the comparison: the
// value itself when the record is in the other order, its reversal when it is in ours.
constexpr UInt32 kVersion1ReadOtherOrder = 1;
constexpr UInt32 kVersion1ReadOurOrder = 0x01000000;

OSErr TakeSpareBlock(const UInt8* stored, Size storedSize, void* record) {
    Handle h = static_cast<Handle>(record);
    SetHandleSize(h, storedSize);
    if (OSErr err = MemError()) return err;
    if (storedSize) std::memcpy(*h, stored, size_t(storedSize));
    return noErr;
}

// The shape record is checked by its version at byte 4 and holds as many entries as its count says.
OSErr TakeShape(const UInt8* stored, Size storedSize, UInt8* record, Boolean* sizeBad, Boolean* versionBad) {
    if (storedSize < kShapeHeaderSize) {
        *sizeBad = true;
        return badPrefsRecordErr;
    }
    const UInt32 callerVersion = LoadHost32(record + kShapeVersionAt);
    const UInt32 storedVersion = LoadHost32(stored + kShapeVersionAt);
    const bool swapped = storedVersion != callerVersion;
    if (swapped && SwapBytes32(storedVersion) != callerVersion) {
        *versionBad = true;
        return badPrefsRecordErr;
    }
    UInt32 count = LoadHost32(stored + kShapeCountAt);
    if (swapped) count = SwapBytes32(count);
    // The caller's block holds 100 entries: a larger count, or one the stored bytes do not hold, would
    // read or write past one of them.
    if (count > UInt32(kShapeMaxEntries) || kShapeHeaderSize + kShapeEntrySize * Size(count) > storedSize) {
        *sizeBad = true;
        return badPrefsRecordErr;
    }
    const Size length = kShapeHeaderSize + kShapeEntrySize * Size(count);
    std::memcpy(record, stored, size_t(length));
    if (swapped) SwapPrefs(record, kShapePrefsType, length);
    return noErr;
}

} // namespace

Boolean SelectPrefsKind(SInt16 kind) {
    if (kind < 0 || kind >= SInt16(std::size(kKinds))) return false;
    gThePrefsType = kKinds[kind].type;
    gThePrefsSize = kKinds[kind].size;
    return true;
}

OSErr TakeStoredPrefs(const UInt8* stored, Size storedSize, void* record, Boolean* sizeBad,
                      Boolean* versionBad) {
    Boolean sizeWrong = false, versionWrong = false;
    if (!sizeBad) sizeBad = &sizeWrong;
    if (!versionBad) versionBad = &versionWrong;
    *sizeBad = *versionBad = false;
    if (gThePrefsType == kSparePrefsType) return TakeSpareBlock(stored, storedSize, record);
    auto* bytes = static_cast<UInt8*>(record);
    if (gThePrefsType == kShapePrefsType) return TakeShape(stored, storedSize, bytes, sizeBad, versionBad);

    *sizeBad = storedSize != gThePrefsSize;
    const UInt32 callerVersion = LoadHost32(bytes);
    UInt32 compared = storedSize >= 4 ? LoadHost32(stored) : 0;
    bool swapped = false;
    if (compared != callerVersion) {
        compared = SwapBytes32(compared);
        swapped = true;
    }
    *versionBad = compared != callerVersion;

    bool version1 = false;
    if (*sizeBad || *versionBad) {
        if (gThePrefsType != kMainPrefsType || *sizeBad ||
            (compared != kVersion1ReadOtherOrder && compared != kVersion1ReadOurOrder))
            return badPrefsRecordErr;
        // A version 1 record is upgraded. One written in the other byte order is converted first, or every
        // number in it would keep its bytes reversed.
        version1 = true;
        swapped = compared == kVersion1ReadOtherOrder;
        *sizeBad = *versionBad = false;
    }
    std::memcpy(bytes, stored, size_t(gThePrefsSize));
    if (swapped) SwapPrefs(bytes, gThePrefsType, gThePrefsSize);
    if (version1)
        ConvertMainPrefs1to2(reinterpret_cast<PrefsRecord*>(bytes));
    else if (gThePrefsType == kMainPrefsType)
        CheckPrefsNewColorSettings(reinterpret_cast<PrefsRecord*>(bytes));
    return noErr;
}
