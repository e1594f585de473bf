// Stored preference records of every kind taken in: size and version checks, byte-order conversion and
// the version 1 upgrade, over a record of the current version of the kind the first byte picks.
#include "support/fuzz_support.h"

#include "effects/shapes.h"
#include "platform/memory.h"
#include "prefs/companion_records.h"
#include "prefs/host_order.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const SInt16 kind = SInt16(input.Byte() % 6);
    const std::span<const uint8_t> stored = input.Rest();
    if (!SelectPrefsKind(kind)) __builtin_trap();

    // The caller's record as the program holds it: the current version, in this machine's order.
    std::vector<UInt8> record(size_t(kRecentPrefsSize) + 16, 0);
    switch (kind) {
    case kPrefsKindMain:
        std::memcpy(record.data(), gDefaultPreferences.bytes, sizeof gDefaultPreferences.bytes);
        break;
    case kPrefsKindRecent:
        StoreHost32(record.data(), UInt32(kRecentPrefsVersion));
        break;
    case kPrefsKindPosition:
        StoreHost32(record.data(), UInt32(kPositionPrefsVersion));
        break;
    case kPrefsKindShape:
        std::memcpy(record.data(), gRecentShape, sizeof gRecentShape);
        break;
    default:
        StoreHost32(record.data(), 1);
    }
    Boolean sizeBad = false, versionBad = false;
    if (kind == kPrefsKindSpare) {
        Handle h = NewHandleClear(kSparePrefsSize);
        TakeStoredPrefs(stored.data(), Size(stored.size()), h, &sizeBad, &versionBad);
        DisposeHandle(h);
    } else if (TakeStoredPrefs(stored.data(), Size(stored.size()), record.data(), &sizeBad, &versionBad) ==
               noErr) {
        if (kind == kPrefsKindRecent) {
            const auto& recent = *reinterpret_cast<const RecentPrefsRecord*>(record.data());
            Str255 text;
            for (SInt16 i = -1; i <= kRecentEntryCount; ++i) {
                GetRecentEntryKind(recent, i);
                GetRecentEntryName(recent, i, text);
                GetRecentEntryFolder(recent, i, text);
            }
            GetRecentCount(recent);
            GetRecentFolder(recent, kRecentCurrentFolderAt, text);
        }
        if (kind == kPrefsKindPosition) {
            const auto& position = *reinterpret_cast<const PositionPrefsRecord*>(record.data());
            for (UInt16 place = kPlacePrompter; place <= kPlaceFindReplace; place += 8)
                GetWindowPlace(position, WindowPlace(place));
        }
    }
    SelectPrefsKind(kPrefsKindMain);
    fuzz::ClearMessages();
    return 0;
}
