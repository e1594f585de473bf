// File kinds by ending: the cached 'FTyp' tables and the ending tests built on them.
#include "foundation/file_types.h"

#include "foundation/checked_wrappers.h"
#include "foundation/mac_roman_case.h"

#include <cstring>

namespace {

constexpr ResType kFileTypeTableType = FourCC("FTyp");
constexpr SInt16 kFirstTable = kTextFileTypes;
constexpr SInt16 kTableCount = 12;
constexpr Size kEntrySize = 8;
constexpr UInt8 kMaxEndingLength = kEntrySize - 1;

// Each table is detached from its resource file once loaded, so it stays valid for the whole run.
Handle texttypes[kTableCount];
UInt8 filetypestring[kEntrySize];
const UInt8 kEmptyString[1] = {0};

Handle LoadTable(SInt16 tableId) {
    if (tableId < kFirstTable || tableId >= kFirstTable + kTableCount) return nullptr;
    Handle& slot = texttypes[tableId - kFirstTable];
    if (!slot) {
        slot = MyGetResource(kFileTypeTableType, tableId, 0);
        if (slot) MyDetachResource(slot, ORVALIS_HERE);
    }
    return slot;
}

} // namespace

ConstStringPtr GetThisFileTypeFileExt(SInt16 tableId, SInt16 index, SInt16* count) {
    Handle table = LoadTable(tableId);
    if (!table) return kEmptyString;
    const SInt32 entries = GetHandleSize(table) / kEntrySize;
    if (count) *count = SInt16(entries > 0x7FFF ? 0x7FFF : entries);
    if (index < 0 || index >= entries) return kEmptyString;
    std::memcpy(filetypestring, *table + index * kEntrySize, kEntrySize);
    // An entry is at most 7 characters whatever its length byte claims.
    if (filetypestring[0] > kMaxEndingLength) filetypestring[0] = kMaxEndingLength;
    return filetypestring;
}

bool IsFileType(ConstStringPtr ending, ConstStringPtr name) {
    if (!ending || !name || ending[0] == 0 || name[0] == 0) return false;
    SInt32 e = ending[0], n = name[0];
    while (e > 0) {
        if (n == 0) return false;
        const UInt8 want = MacRomanToLower(ending[e]);
        if (MacRomanToLower(name[n]) != want) return false;
        if (want == '.') return true;
        --e;
        --n;
    }
    return true;
}

bool IsFileOfType(ConstStringPtr name, SInt16 tableId) {
    SInt16 count = 0;
    GetThisFileTypeFileExt(tableId, 0, &count);
    for (SInt16 i = 0; i < count; ++i)
        if (IsFileType(GetThisFileTypeFileExt(tableId, i, nullptr), name)) return true;
    return false;
}

bool IsTextFile(ConstStringPtr name) {
    return IsFileOfType(name, kTextFileTypes);
}
bool IsMovieFile(ConstStringPtr name, bool alsoSound) {
    return IsFileOfType(name, kMovieFileTypes) || (alsoSound && IsFileOfType(name, kSoundFileTypes));
}
bool IsSoundFile(ConstStringPtr name) {
    return IsFileOfType(name, kSoundFileTypes);
}
bool IsPictureFile(ConstStringPtr name) {
    return IsFileOfType(name, kPictureFileTypes);
}
bool IsjpegPictureFile(ConstStringPtr name) {
    return IsFileOfType(name, kJpegFileTypes);
}
bool IsSpriteFile(ConstStringPtr name) {
    return IsFileOfType(name, kSpriteFileTypes);
}
bool IsMacroFile(ConstStringPtr name) {
    return IsFileOfType(name, kMacroFileTypes);
}
bool IsColoringBook(ConstStringPtr name) {
    return IsFileOfType(name, kColoringBookFileTypes);
}
bool IsGameFile(ConstStringPtr name) {
    return IsFileOfType(name, kGameFileTypes);
}
bool IsShapeFile(ConstStringPtr name) {
    return IsFileOfType(name, kShapeFileTypes);
}
bool IsPullTabFile(ConstStringPtr name) {
    return IsFileOfType(name, kPullTabFileTypes);
}
bool IsFlapFile(ConstStringPtr name) {
    return IsFileOfType(name, kFlapFileTypes);
}

void ChangeExtension(StringPtr name, ConstStringPtr newEnding) {
    // Only a dot inside the file name itself counts, and not one that starts it (a hidden file's name).
    SInt32 fileStart = 1;
    for (SInt32 i = name[0]; i >= 1; --i)
        if (name[i] == '/' || name[i] == ':') {
            fileStart = i + 1;
            break;
        }
    for (SInt32 i = name[0]; i > fileStart; --i)
        if (name[i] == '.') {
            name[0] = UInt8(i - 1);
            break;
        }
    const size_t add = newEnding ? newEnding[0] : 0;
    const size_t n = add < size_t(255 - name[0]) ? add : size_t(255 - name[0]);
    if (n) std::memcpy(name + 1 + name[0], newEnding + 1, n);
    name[0] = UInt8(name[0] + n);
}

void ForgetFileTypeTables() {
    for (Handle& table : texttypes) {
        if (table) DisposeHandle(table);
        table = nullptr;
    }
}
