// Which bytes of the main preference record form 16-bit and 32-bit units: the one description that the
// byte-order conversion follows and that every named field is checked against when it is compiled.
#pragma once

#include "platform/types.h"

#include <cstddef>

constexpr size_t kPrefsRecordBytes = 4332;

// Unit widths: 1 for bytes that are never converted (text, reserved pairs), 2 and 4 for numbers.
struct PrefsUnitRange {
    UInt16 first; // inclusive
    UInt16 last;  // inclusive
    UInt8 unit;
};

inline constexpr PrefsUnitRange kPrefsTypeMap[] = {
    {0, 3, 4},       {4, 5, 2},       {6, 7, 1},       {8, 11, 4},      {12, 101, 2},    {102, 103, 1},
    {104, 615, 4},   {616, 659, 2},   {660, 661, 1},   {662, 707, 2},   {708, 1987, 1},  {1988, 2243, 2},
    {2244, 4035, 1}, {4036, 4047, 2}, {4048, 4099, 4}, {4100, 4119, 2}, {4120, 4123, 4}, {4124, 4129, 2},
    {4130, 4131, 1}, {4132, 4139, 4}, {4140, 4187, 2}, {4188, 4259, 4}, {4260, 4267, 2}, {4268, 4275, 4},
    {4276, 4291, 2}, {4292, 4331, 4},
};

// The style byte of each text format block shares a 16-bit unit with the reserved byte beside it. The
// style is a byte, so converting that unit would move the face bits into the reserved byte and lose bold
// and italic; these units stay as they are.
inline constexpr UInt16 kFaceByteUnits[] = {18, 40, 62, 1990, 2012, 2034, 2056};

constexpr bool TypeMapCoversRecord() {
    size_t next = 0;
    for (const PrefsUnitRange& r : kPrefsTypeMap) {
        if (r.first != next || r.last < r.first || (r.last - r.first + 1) % r.unit) return false;
        next = size_t(r.last) + 1;
    }
    return next == kPrefsRecordBytes;
}
static_assert(TypeMapCoversRecord(), "the type map must cover the record once, in whole units");

// Whether `length` bytes from `offset` are whole units of width `unit`, each starting on a unit boundary
// of its range.
constexpr bool IsPrefsUnitRun(size_t offset, size_t length, UInt8 unit) {
    if (length == 0 || length % unit || offset + length > kPrefsRecordBytes) return false;
    for (size_t at = offset; at < offset + length; at += unit) {
        bool fits = false;
        for (const PrefsUnitRange& r : kPrefsTypeMap)
            if (at >= r.first && at + unit - 1 <= r.last && r.unit == unit && (at - r.first) % unit == 0)
                fits = true;
        if (!fits) return false;
    }
    return true;
}

constexpr bool IsFaceByteUnit(size_t offset) {
    for (UInt16 unit : kFaceByteUnits)
        if (offset == unit) return true;
    return false;
}
