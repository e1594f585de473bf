// The main preference record: every setting of the program in one 4,332-byte block whose byte offsets
// are its stored form. Three copies live in memory: the live settings, the built-in defaults and (owned
// by start-up) the settings as loaded.
//
// The record is kept as the very bytes that are stored, in this machine's byte order, and read through
// typed fields (prefs_fields.h): a field knows its offset and width, and each one is checked against the
// record's type map when it is compiled. Storing the record is then a plain copy of its bytes, and a
// record of the other byte order is converted unit by unit from the type map (prefs_byte_order.h).
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"
#include "prefs/host_order.h"
#include "prefs/prefs_type_map.h"

constexpr Size kPrefsRecordSize = Size(kPrefsRecordBytes);
constexpr SInt32 kPrefsCurrentVersion = 2;

struct PrefsRecord {
    UInt8 bytes[kPrefsRecordBytes];
};
static_assert(sizeof(PrefsRecord) == 4332);

// The live settings, read by nearly every part of the program.
extern PrefsRecord gThePreferences;
// The built-in defaults, a constant image.
extern const PrefsRecord gDefaultPreferences;
// Set by any user action that changes gThePreferences; quit stores the record when it and the
// save-at-quit setting are on.
extern Boolean gPrefsChanged;

// Copies a whole record.
void CopyPreferences(const PrefsRecord* from, PrefsRecord* to);
// A record whose first mandala colour and search dictionary colours are all 0 predates those settings:
// it takes the eight colour numbers at bytes 2178-2193 from the defaults.
void CheckPrefsNewColorSettings(PrefsRecord* record);

// ---- Typed fields ----

struct PrefShort {
    UInt16 offset;
};
struct PrefLong {
    UInt16 offset;
};
struct PrefColor { // red, green, blue: three 16-bit units
    UInt16 offset;
};
struct PrefRect { // top, left, bottom, right: four 16-bit units
    UInt16 offset;
};
struct PrefPoint { // vertical, horizontal
    UInt16 offset;
};
struct PrefShorts {
    UInt16 offset;
    UInt16 count;
};
struct PrefLongs {
    UInt16 offset;
    UInt16 count;
};
// A length-prefixed text in a field of `capacity` bytes (length byte included).
struct PrefString {
    UInt16 offset;
    UInt16 capacity;
};

// The text format of one window. Two field orders exist in the record: the prompter, edit and nonverbal
// blocks put justification and spacing first, the others last.
enum TextFormatOrder : UInt8 { kFormatOrderA, kFormatOrderB };
struct PrefFormat {
    UInt16 offset;
    TextFormatOrder order;
};
constexpr size_t kTextFormatBlockSize = 22;

// Face bits have these meanings everywhere in the program.
enum : UInt8 {
    kFaceBold = 1,
    kFaceItalic = 2,
    kFaceUnderline = 4,
    kFaceStrikeOut = 8,
    kFaceShadow = 16,
    kFaceCondensed = 32,
    kFaceExtended = 64,
};

// Justification as the text engine takes it.
enum : SInt16 {
    kJustifyLeft = -2,
    kJustifyRight = -1,
    kJustifyDefault = 0,
    kJustifyCentre = 1,
    kJustifyFull = 2
};

struct TextFormatBlock {
    SInt16 justification = 0;
    SInt16 lineSpacing = 0; // per cent of single spacing
    SInt16 font = 0;
    UInt8 face = 0;
    SInt16 size = 0;
    RGBColor textColor;
    RGBColor backColor;
};

// Never defined: a field maker that calls it does not compile, which is how a field whose offset or
// width disagrees with the type map is caught.
void PrefsFieldDisagreesWithTypeMap();

consteval PrefShort ShortAt(UInt16 offset) {
    if (!IsPrefsUnitRun(offset, 2, 2)) PrefsFieldDisagreesWithTypeMap();
    return PrefShort{offset};
}
consteval PrefLong LongAt(UInt16 offset) {
    if (!IsPrefsUnitRun(offset, 4, 4)) PrefsFieldDisagreesWithTypeMap();
    return PrefLong{offset};
}
consteval PrefColor ColorAt(UInt16 offset) {
    if (!IsPrefsUnitRun(offset, 6, 2)) PrefsFieldDisagreesWithTypeMap();
    return PrefColor{offset};
}
consteval PrefRect RectAt(UInt16 offset) {
    if (!IsPrefsUnitRun(offset, 8, 2)) PrefsFieldDisagreesWithTypeMap();
    return PrefRect{offset};
}
consteval PrefPoint PointAt(UInt16 offset) {
    if (!IsPrefsUnitRun(offset, 4, 2)) PrefsFieldDisagreesWithTypeMap();
    return PrefPoint{offset};
}
consteval PrefShorts ShortsAt(UInt16 offset, UInt16 count) {
    if (!IsPrefsUnitRun(offset, 2 * size_t(count), 2)) PrefsFieldDisagreesWithTypeMap();
    return PrefShorts{offset, count};
}
consteval PrefLongs LongsAt(UInt16 offset, UInt16 count) {
    if (!IsPrefsUnitRun(offset, 4 * size_t(count), 4)) PrefsFieldDisagreesWithTypeMap();
    return PrefLongs{offset, count};
}
consteval PrefString StringAt(UInt16 offset, UInt16 capacity) {
    if (capacity < 2 || capacity > 256 || !IsPrefsUnitRun(offset, capacity, 1))
        PrefsFieldDisagreesWithTypeMap();
    return PrefString{offset, capacity};
}
consteval PrefFormat FormatAt(UInt16 offset, TextFormatOrder order) {
    const size_t face = offset + (order == kFormatOrderA ? 6 : 2);
    for (size_t at = offset; at < offset + kTextFormatBlockSize; at += 2)
        if (at == face ? !IsFaceByteUnit(at) : !IsPrefsUnitRun(at, 2, 2)) PrefsFieldDisagreesWithTypeMap();
    return PrefFormat{offset, order};
}

constexpr SInt16 GetPref(const PrefsRecord& r, PrefShort f) {
    return SInt16(LoadHost16(r.bytes + f.offset));
}
constexpr void SetPref(PrefsRecord& r, PrefShort f, SInt16 v) {
    StoreHost16(r.bytes + f.offset, UInt16(v));
}

constexpr SInt32 GetPref(const PrefsRecord& r, PrefLong f) {
    return SInt32(LoadHost32(r.bytes + f.offset));
}
constexpr void SetPref(PrefsRecord& r, PrefLong f, SInt32 v) {
    StoreHost32(r.bytes + f.offset, UInt32(v));
}

constexpr RGBColor GetPref(const PrefsRecord& r, PrefColor f) {
    const UInt8* p = r.bytes + f.offset;
    return RGBColor{LoadHost16(p), LoadHost16(p + 2), LoadHost16(p + 4)};
}
constexpr void SetPref(PrefsRecord& r, PrefColor f, RGBColor v) {
    UInt8* p = r.bytes + f.offset;
    StoreHost16(p, v.red);
    StoreHost16(p + 2, v.green);
    StoreHost16(p + 4, v.blue);
}

constexpr Rect GetPref(const PrefsRecord& r, PrefRect f) {
    const UInt8* p = r.bytes + f.offset;
    return Rect{SInt16(LoadHost16(p)), SInt16(LoadHost16(p + 2)), SInt16(LoadHost16(p + 4)),
                SInt16(LoadHost16(p + 6))};
}
constexpr void SetPref(PrefsRecord& r, PrefRect f, const Rect& v) {
    UInt8* p = r.bytes + f.offset;
    StoreHost16(p, UInt16(v.top));
    StoreHost16(p + 2, UInt16(v.left));
    StoreHost16(p + 4, UInt16(v.bottom));
    StoreHost16(p + 6, UInt16(v.right));
}

constexpr Point GetPref(const PrefsRecord& r, PrefPoint f) {
    return Point{SInt16(LoadHost16(r.bytes + f.offset)), SInt16(LoadHost16(r.bytes + f.offset + 2))};
}
constexpr void SetPref(PrefsRecord& r, PrefPoint f, Point v) {
    StoreHost16(r.bytes + f.offset, UInt16(v.v));
    StoreHost16(r.bytes + f.offset + 2, UInt16(v.h));
}

// Element `index` (from 0) of a run of units; the caller keeps the index below the field's count.
constexpr SInt16 GetPref(const PrefsRecord& r, PrefShorts f, size_t index) {
    return SInt16(LoadHost16(r.bytes + f.offset + 2 * index));
}
constexpr void SetPref(PrefsRecord& r, PrefShorts f, size_t index, SInt16 v) {
    StoreHost16(r.bytes + f.offset + 2 * index, UInt16(v));
}
constexpr SInt32 GetPref(const PrefsRecord& r, PrefLongs f, size_t index) {
    return SInt32(LoadHost32(r.bytes + f.offset + 4 * index));
}
constexpr void SetPref(PrefsRecord& r, PrefLongs f, size_t index, SInt32 v) {
    StoreHost32(r.bytes + f.offset + 4 * index, UInt32(v));
}

// Copies the field's text out as a length-prefixed string (out holds 256 bytes). A stored length that
// runs past the field is cut to the field.
constexpr void GetPrefString(const PrefsRecord& r, PrefString f, StringPtr out) {
    const UInt8* p = r.bytes + f.offset;
    const size_t length = p[0] < f.capacity ? p[0] : f.capacity - 1;
    out[0] = UInt8(length);
    for (size_t i = 1; i <= length; ++i)
        out[i] = p[i];
}
// Stores a length-prefixed text, cut to fit the field; the rest of the field is cleared.
constexpr void SetPrefString(PrefsRecord& r, PrefString f, ConstStringPtr text) {
    UInt8* p = r.bytes + f.offset;
    const size_t length = text ? (text[0] < f.capacity ? text[0] : f.capacity - 1) : 0;
    p[0] = UInt8(length);
    for (size_t i = 1; i < f.capacity; ++i)
        p[i] = i <= length ? text[i] : 0;
}

constexpr TextFormatBlock GetPref(const PrefsRecord& r, PrefFormat f) {
    const UInt8* p = r.bytes + f.offset;
    auto at16 = [p](size_t o) { return SInt16(LoadHost16(p + o)); };
    auto colourAt = [p](size_t o) {
        return RGBColor{LoadHost16(p + o), LoadHost16(p + o + 2), LoadHost16(p + o + 4)};
    };
    TextFormatBlock b;
    if (f.order == kFormatOrderA) {
        b.justification = at16(0);
        b.lineSpacing = at16(2);
        b.font = at16(4);
        b.face = p[6];
        b.size = at16(8);
        b.textColor = colourAt(10);
        b.backColor = colourAt(16);
    } else {
        b.font = at16(0);
        b.face = p[2];
        b.size = at16(4);
        b.textColor = colourAt(6);
        b.backColor = colourAt(12);
        b.justification = at16(18);
        b.lineSpacing = at16(20);
    }
    return b;
}
// Writes every field of the block; the reserved byte beside the style keeps its value.
constexpr void SetPref(PrefsRecord& r, PrefFormat f, const TextFormatBlock& b) {
    UInt8* p = r.bytes + f.offset;
    auto put16 = [p](size_t o, SInt16 v) { StoreHost16(p + o, UInt16(v)); };
    auto putColour = [p](size_t o, const RGBColor& c) {
        StoreHost16(p + o, c.red);
        StoreHost16(p + o + 2, c.green);
        StoreHost16(p + o + 4, c.blue);
    };
    if (f.order == kFormatOrderA) {
        put16(0, b.justification);
        put16(2, b.lineSpacing);
        put16(4, b.font);
        p[6] = b.face;
        put16(8, b.size);
        putColour(10, b.textColor);
        putColour(16, b.backColor);
    } else {
        put16(0, b.font);
        p[2] = b.face;
        put16(4, b.size);
        putColour(6, b.textColor);
        putColour(12, b.backColor);
        put16(18, b.justification);
        put16(20, b.lineSpacing);
    }
}
