// The other records of the preference file: recent files, window places, and the sizes of the records
// kept there for other subsystems (macro classes, the last shape, the spare block). Like the main record
// they are kept as their stored bytes in this machine's byte order.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

#include <cstddef>
#include <iterator>

// ---- Recent files ('rPrf') ----

constexpr Size kRecentPrefsSize = 8268;
constexpr SInt32 kRecentPrefsVersion = 1;
constexpr SInt16 kRecentEntryCount = 15;

struct RecentPrefsRecord {
    UInt8 bytes[kRecentPrefsSize];
};
static_assert(sizeof(RecentPrefsRecord) == 8268);

enum : UInt16 {
    kRecentVersionAt = 0,         // i32
    kRecentCountAt = 4,           // i16, entries in use (0-15)
    kRecentKindsAt = 6,           // 15 x u16; 2 a queue file, else a document
    kRecentValuesAt = 36,         // 15 x u16
    kRecentFolderSetting1At = 66, // i16, kept by the Preferences dialog
    kRecentFolderSetting2At = 68, // i16, kept by the Preferences dialog
    kRecentStartupValueAt = 72,   // i32, read and written at start-up and quit
    kRecentCurrentFolderAt = 76,  // s256
    kRecentSecondFolderAt = 332,  // s256
    kRecentNamesAt = 588,         // 15 x s256
    kRecentFoldersAt = 4428,      // 15 x s256
};
static_assert(kRecentKindsAt + 2 * kRecentEntryCount == kRecentValuesAt);
static_assert(kRecentValuesAt + 2 * kRecentEntryCount == kRecentFolderSetting1At);
static_assert(kRecentFolderSetting2At + 2 + 2 == kRecentStartupValueAt); // two reserved bytes between
static_assert(kRecentCurrentFolderAt + 256 == kRecentSecondFolderAt);
static_assert(kRecentSecondFolderAt + 256 == kRecentNamesAt);
static_assert(kRecentNamesAt + 256 * kRecentEntryCount == kRecentFoldersAt);
static_assert(kRecentFoldersAt + 256 * kRecentEntryCount == kRecentPrefsSize);

extern RecentPrefsRecord gRecentPreferences;

SInt16 GetRecentCount(const RecentPrefsRecord& r);
void SetRecentCount(RecentPrefsRecord& r, SInt16 count);
// Per-entry values; `entry` counts from 0 and must be below kRecentEntryCount.
UInt16 GetRecentEntryKind(const RecentPrefsRecord& r, SInt16 entry);
void SetRecentEntryKind(RecentPrefsRecord& r, SInt16 entry, UInt16 kind);
UInt16 GetRecentEntryValue(const RecentPrefsRecord& r, SInt16 entry);
void SetRecentEntryValue(RecentPrefsRecord& r, SInt16 entry, UInt16 value);
void GetRecentEntryName(const RecentPrefsRecord& r, SInt16 entry, StringPtr out);
void SetRecentEntryName(RecentPrefsRecord& r, SInt16 entry, ConstStringPtr name);
void GetRecentEntryFolder(const RecentPrefsRecord& r, SInt16 entry, StringPtr out);
void SetRecentEntryFolder(RecentPrefsRecord& r, SInt16 entry, ConstStringPtr folder);
// The 16-bit values at 66 and 68, the 32-bit value at 72 and the two folder paths.
SInt16 GetRecentShort(const RecentPrefsRecord& r, UInt16 offset);
void SetRecentShort(RecentPrefsRecord& r, UInt16 offset, SInt16 value);
SInt32 GetRecentStartupValue(const RecentPrefsRecord& r);
void SetRecentStartupValue(RecentPrefsRecord& r, SInt32 value);
void GetRecentFolder(const RecentPrefsRecord& r, UInt16 offset, StringPtr out);
void SetRecentFolder(RecentPrefsRecord& r, UInt16 offset, ConstStringPtr folder);

// ---- Window places ('pPrf') ----

constexpr Size kPositionPrefsSize = 228;
constexpr SInt32 kPositionPrefsVersion = 3;

struct PositionPrefsRecord {
    UInt8 bytes[kPositionPrefsSize];
};
static_assert(sizeof(PositionPrefsRecord) == 228);

// The byte offset of each window's rectangle (top, left, bottom, right, global coordinates).
enum WindowPlace : UInt16 {
    kPlacePrompter = 4,
    kPlaceEdit = 12,
    kPlaceBookmark = 20,
    kPlaceToolbar = 28,
    kPlaceNonverbal = 36, // at its display place
    kPlaceNonverbalMoved = 44,
    kPlaceScrollMonitor = 52,
    kPlaceSyllableSync = 60,
    kPlaceMacroEditor = 68,
    kPlaceFunctions = 76,
    kPlaceMacroMonitor = 84,
    kPlaceFindReplace = 92,
    kPlacePrompterScrolling = 100, // used while the screen size is set for scrolling
    kPlaceHelp = 108,
    kPlaceFormatPalette = 116,
    kPlaceFindStyle = 124,
    kPlaceTextMerge = 132,
    kPlaceMediaQueue = 140,
    kPlaceRecord = 148,
    kPlaceKeyEquivalents = 156,
    kPlaceCommand = 164,
    kPlaceColorChart = 172,
    kPlaceHypertext = 180,
    kPlaceMandala = 188,
    kPlaceSearchDictionary = 196,
    kPlaceOverlay = 204,
};

// Every named place is one of the record's 28 rectangles, in order and without gaps (212 and 220 belong
// to no window).
constexpr bool WindowPlacesFollowEachOther() {
    constexpr WindowPlace kAll[] = {
        kPlacePrompter,          kPlaceEdit,           kPlaceBookmark,      kPlaceToolbar,
        kPlaceNonverbal,         kPlaceNonverbalMoved, kPlaceScrollMonitor, kPlaceSyllableSync,
        kPlaceMacroEditor,       kPlaceFunctions,      kPlaceMacroMonitor,  kPlaceFindReplace,
        kPlacePrompterScrolling, kPlaceHelp,           kPlaceFormatPalette, kPlaceFindStyle,
        kPlaceTextMerge,         kPlaceMediaQueue,     kPlaceRecord,        kPlaceKeyEquivalents,
        kPlaceCommand,           kPlaceColorChart,     kPlaceHypertext,     kPlaceMandala,
        kPlaceSearchDictionary,  kPlaceOverlay,
    };
    for (size_t i = 0; i < std::size(kAll); ++i)
        if (kAll[i] != 4 + 8 * i) return false;
    return 4 + 8 * (std::size(kAll) + 2) == size_t(kPositionPrefsSize);
}
static_assert(WindowPlacesFollowEachOther());

extern PositionPrefsRecord gPositionPreferences;
// Puts the built-in window places back into gPositionPreferences.
void ResetPositionPreferences();
// Set whenever a rectangle of gPositionPreferences may have changed; quit stores the record then.
extern Boolean gPositionPrefsChanged;

Rect GetWindowPlace(const PositionPrefsRecord& r, WindowPlace place);
void SetWindowPlace(PositionPrefsRecord& r, WindowPlace place, const Rect& rect);

// ---- Records kept for other subsystems ----

// Macro classes ('cPrf'): 1,537 32-bit values.
constexpr Size kMacroClassesSize = 6148;
// The last shape ('Shap'): a 36-byte header (magic, version, kind, width, entry count at 16) and up to
// 100 entries of 32 bytes; stored with only the entries in use.
constexpr Size kShapeHeaderSize = 36;
constexpr Size kShapeEntrySize = 32;
constexpr SInt32 kShapeMaxEntries = 100;
constexpr Size kShapeRecordMaxSize = kShapeHeaderSize + kShapeEntrySize * kShapeMaxEntries;
static_assert(kShapeRecordMaxSize == 3236);
constexpr size_t kShapeVersionAt = 4;
constexpr size_t kShapeCountAt = 16;
// The spare block ('bPrf'): the size of the caller's handle, 6 bytes unless it says otherwise.
constexpr Size kSparePrefsSize = 6;
