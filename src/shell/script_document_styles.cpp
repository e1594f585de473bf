// Style runs between their stored form (a run count, then 20-byte runs) and the memory form the text
// engine takes (the count, the format word 3, then the same runs), in either byte order on reading.
#include "foundation/error_dialog.h"
#include "platform/bytes.h"
#include "platform/resources.h"
#include "prefs/prefs_fields.h"
#include "shell/script_documents.h"
#include "textengine/font_tables.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr ResType kStyleType = FourCC("styl");
constexpr Size kStyleRunSize = 20;
constexpr SInt16 kStyleFormatWord = 3;

UInt16 ReadHost16(const UInt8* p) {
    UInt16 v;
    std::memcpy(&v, p, 2);
    return v;
}

void SwapUnit(UInt8* p, size_t width) {
    std::reverse(p, p + width);
}

// The face and its filler byte within a run: two single bytes, the same in either byte order.
constexpr size_t kFaceOffset = 10;

// A run: the 32-bit start, then the 16-bit height, ascent, font, size and colour components, each swapped;
// the face and filler bytes stay where they are.
void SwapStyleRuns(UInt8* runs, SInt32 count) {
    for (SInt32 i = 0; i < count; ++i) {
        UInt8* run = runs + i * kStyleRunSize;
        SwapUnit(run, 4);
        for (size_t field = 4; field < size_t(kStyleRunSize); field += 2)
            if (field != kFaceOffset) SwapUnit(run + field, 2);
    }
}

bool CountFits(UInt16 count, Size size) {
    return Size(count) * kStyleRunSize + 2 == size;
}

} // namespace

Handle LoadStyleResource(ResID id, bool onlyIfStyled) {
    Handle styles = Get1Resource(kStyleType, id);
    if (!styles) return nullptr;
    if (onlyIfStyled && GetPref(gThePreferences, kPrefStyledText) == 0) {
        ReleaseResource(styles);
        return nullptr;
    }
    DetachResource(styles);
    const Size size = GetHandleSize(styles);
    if (size < 2) {
        DisposeHandle(styles);
        return nullptr;
    }
    UInt8* bytes = reinterpret_cast<UInt8*>(*styles);
    UInt16 count = ReadHost16(bytes);
    if (!CountFits(count, size)) {
        count = SwapBytes16(count);
        // Neither order describes the bytes: the runs cannot be trusted.
        if (!CountFits(count, size)) {
            DisposeHandle(styles);
            return nullptr;
        }
        std::memcpy(bytes, &count, 2);
        SwapStyleRuns(bytes + 2, count);
    }
    SetHandleSize(styles, size + 2);
    if (MemError() != noErr) {
        DisposeHandle(styles);
        return nullptr;
    }
    bytes = reinterpret_cast<UInt8*>(*styles);
    std::memmove(bytes + 4, bytes + 2, size_t(size - 2));
    const SInt16 format = kStyleFormatWord;
    std::memcpy(bytes + 2, &format, 2);
    return styles;
}

void AddStyleResource(Handle styles) {
    if (!styles || GetHandleSize(styles) < 4) return;
    const UInt8* bytes = reinterpret_cast<const UInt8*>(*styles);
    const UInt16 count = ReadHost16(bytes);
    Size length = Size(count) * kStyleRunSize + 2;
    // A handle shorter than its count says keeps only the whole runs it holds.
    if (length + 2 > GetHandleSize(styles))
        length = ((GetHandleSize(styles) - 4) / kStyleRunSize) * kStyleRunSize + 2;
    Handle stored = NewHandle(length);
    if (!stored) return;
    const UInt16 storedCount = UInt16((length - 2) / kStyleRunSize);
    std::memcpy(*stored, &storedCount, 2);
    std::memcpy(*stored + 2, bytes + 4, size_t(length - 2));
    const UInt8 noName[1] = {0};
    AddResource(stored, kStyleType, 128, noName);
    if (ResError() != noErr) {
        DisposeHandle(stored);
        return;
    }
    WriteResource(stored);
}

void AddFontTableResource(Handle styles) {
    if (!styles) return;
    Handle table = NewHandle(0);
    if (!table) return;
    if (WEBuildStyleScrapFontTable(table, styles) != noErr) {
        DisposeHandle(table);
        return;
    }
    const UInt8 noName[1] = {0};
    AddResource(table, kFontTableTag, 128, noName);
    if (ResError() != noErr) {
        DisposeHandle(table);
        return;
    }
    WriteResource(table);
}

void ApplyStoredFontTable(ResID id, Handle styles, const std::string& documentName) {
    if (!styles) return;
    Handle table = Get1Resource(kFontTableTag, id);
    if (!table) return;
    DetachResource(table);
    Boolean changed = false;
    if (WEUpdateFontTable(table, nullptr, &changed) != noErr)
        DoErrorMessageText("The font table of \"" + documentName +
                           "\" is damaged and was not used; the text keeps its styles with the fonts as they "
                           "were stored.");
    else if (changed)
        WEUpdateStyleScrap(styles, table);
    DisposeHandle(table);
}
