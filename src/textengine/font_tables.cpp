// Building, checking and applying the font table of stored styled text. Every offset and count read from a
// table is checked against its size first: tables arrive from documents written elsewhere.
#include "textengine/font_tables.h"
#include "textengine/engine_internal.h"
#include "textengine/style_scrap.h"

#include "foundation/keyword_dictionary.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr Size kHeaderSize = 16;
constexpr Size kEntrySize = 16;

UInt32 Load32(const UInt8* p, bool swapped) {
    UInt32 v;
    std::memcpy(&v, p, 4);
    return swapped ? __builtin_bswap32(v) : v;
}

SInt16 Load16(const UInt8* p, bool swapped) {
    UInt16 v;
    std::memcpy(&v, p, 2);
    return SInt16(swapped ? __builtin_bswap16(v) : v);
}

void Store32(UInt8* p, UInt32 v) {
    std::memcpy(p, &v, 4);
}

void Store16(UInt8* p, SInt16 v, bool swapped) {
    UInt16 u = UInt16(v);
    if (swapped) u = __builtin_bswap16(u);
    std::memcpy(p, &u, 2);
}

struct TableEntry {
    SInt16 oldFont;
    SInt16 newFont;
    Str255 name;
};

// The entries of a table after checking it; swapped tells that it was written in the other byte order.
OSErr ReadTable(Handle table, std::vector<TableEntry>* entries, bool* swapped) {
    if (!table) return nilHandleErr;
    const Size size = GetHandleSize(table);
    if (size < kHeaderSize) return weBadStyleScrapErr;
    const auto* p = reinterpret_cast<const UInt8*>(*table);
    if (Load32(p, false) == kFontTableTag)
        *swapped = false;
    else if (Load32(p, true) == kFontTableTag)
        *swapped = true;
    else
        return weBadStyleScrapErr;
    if ((Load32(p + 4, *swapped) >> 24) != 0x01) return kFontTableVersionErr;
    const UInt32 count = Load32(p + 8, *swapped);
    if (SInt64(count) * kEntrySize > SInt64(size - kHeaderSize)) return weBadStyleScrapErr;
    entries->clear();
    for (UInt32 i = 0; i < count; ++i) {
        const UInt8* e = p + kHeaderSize + i * kEntrySize;
        TableEntry entry{Load16(e, *swapped), Load16(e + 2, *swapped), {0}};
        const UInt32 nameOffset = Load32(e + 12, *swapped);
        if (nameOffset >= UInt32(size) || nameOffset + 1 + p[nameOffset] > UInt32(size))
            return weBadStyleScrapErr;
        std::memcpy(entry.name, p + nameOffset, 1 + p[nameOffset]);
        entries->push_back(entry);
    }
    return noErr;
}

void AddFont(std::vector<SInt16>* fonts, SInt16 font) {
    if (std::find(fonts->begin(), fonts->end(), font) == fonts->end()) fonts->push_back(font);
}

// Fills the handle with a table of the fonts, in their order.
OSErr FillTable(Handle fontTable, const std::vector<SInt16>& fonts, WEFontIDToNameProcPtr filter) {
    std::vector<UInt8> names;
    std::vector<UInt32> nameOffsets;
    for (SInt16 font : fonts) {
        Str255 name;
        GetFontName(font, name);
        if (filter) {
            if (const OSErr err = filter(font, name); err != noErr) return err;
        }
        nameOffsets.push_back(UInt32(names.size()));
        names.insert(names.end(), name, name + 1 + name[0]);
        names.resize((names.size() + 3) & ~size_t(3), 0);
    }
    const Size entriesEnd = kHeaderSize + Size(fonts.size()) * kEntrySize;
    SetHandleSize(fontTable, entriesEnd + Size(names.size()));
    if (const OSErr err = MemError(); err != noErr) return err;
    auto* p = reinterpret_cast<UInt8*>(*fontTable);
    std::memset(p, 0, size_t(entriesEnd));
    Store32(p, kFontTableTag);
    Store32(p + 4, kFontTableVersion);
    Store32(p + 8, UInt32(fonts.size()));
    for (size_t i = 0; i < fonts.size(); ++i) {
        UInt8* e = p + kHeaderSize + i * kEntrySize;
        Store16(e, fonts[i], false);
        Store16(e + 2, fonts[i], false);
        // Every font is read as the program's one script: right-to-left runs are told apart by face.
        Store16(e + 4, 0, false);
        Store32(e + 12, UInt32(entriesEnd) + nameOffsets[i]);
    }
    if (!names.empty()) std::memcpy(p + entriesEnd, names.data(), names.size());
    return noErr;
}

} // namespace

OSErr WEBuildFontTable(Handle fontTable, WEFontIDToNameProcPtr filter, WEReference we) {
    if (!fontTable) return nilHandleErr;
    const WERec& r = RecordOf(we);
    std::vector<SInt16> fonts;
    for (SInt32 i = 0; i < r.styleCount; ++i) {
        const WEStyleEntry& entry = StylesOf(r)[i];
        if (entry.refCount != 0) AddFont(&fonts, entry.record.style.font);
    }
    return FillTable(fontTable, fonts, filter);
}

OSErr WEBuildStyleScrapFontTable(Handle fontTable, Handle styleScrap) {
    if (!fontTable) return nilHandleErr;
    StyleScrapShape shape;
    if (const OSErr err = CheckStyleScrap(styleScrap, &shape); err != noErr) return err;
    std::vector<SInt16> fonts;
    for (SInt32 i = 0; i < shape.count; ++i)
        AddFont(&fonts, ReadStyleScrapElement(styleScrap, shape, i).record.style.font);
    return FillTable(fontTable, fonts, nullptr);
}

OSErr WEUpdateFontTable(Handle fontTable, WEFontNameToIDProcPtr filter, Boolean* changed) {
    if (changed) *changed = false;
    std::vector<TableEntry> entries;
    bool swapped = false;
    if (const OSErr err = ReadTable(fontTable, &entries, &swapped); err != noErr) return err;
    Str255 systemName;
    GetFontName(systemFont, systemName);
    for (size_t i = 0; i < entries.size(); ++i) {
        TableEntry& entry = entries[i];
        SInt16 font = FindFontFamilyByName(entry.name, false);
        if (font < 0) {
            const bool isSystem = entry.name[0] == systemName[0] &&
                                  std::memcmp(entry.name + 1, systemName + 1, systemName[0]) == 0;
            font = isSystem ? SInt16(systemFont) : SInt16(applicationFont);
        }
        if (filter) {
            if (const OSErr err = filter(entry.name, entry.oldFont, &font); err != noErr) return err;
        }
        Store16(reinterpret_cast<UInt8*>(*fontTable) + kHeaderSize + i * kEntrySize + 2, font, swapped);
        if (changed && font != entry.oldFont) *changed = true;
    }
    return noErr;
}

OSErr WEUpdateStyleScrap(Handle styleScrap, Handle fontTable) {
    std::vector<TableEntry> entries;
    bool swapped = false;
    if (const OSErr err = ReadTable(fontTable, &entries, &swapped); err != noErr) return err;
    StyleScrapShape shape;
    if (const OSErr err = CheckStyleScrap(styleScrap, &shape); err != noErr) return err;
    // Each run is mapped once from its stored font, so a table that swaps two numbers swaps them.
    std::map<SInt16, SInt16> remap;
    for (const TableEntry& entry : entries)
        if (entry.oldFont != entry.newFont) remap.emplace(entry.oldFont, entry.newFont);
    for (SInt32 i = 0; i < shape.count; ++i) {
        StyleScrapElement element = ReadStyleScrapElement(styleScrap, shape, i);
        const auto found = remap.find(element.record.style.font);
        if (found == remap.end()) continue;
        element.record.style.font = found->second;
        WriteStyleScrapElement(
            reinterpret_cast<UInt8*>(*styleScrap) + shape.headerSize + i * kStyleScrapElementSize, element);
    }
    return noErr;
}
