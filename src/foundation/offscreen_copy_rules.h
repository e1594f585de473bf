// The compositor's inner loops: one pixel rule per pair of source and destination modes, fixed at
// compile time, and the walks over rows, shaped rows and turned tiles that apply it.
#pragma once

#include "foundation/color_tolerance.h"
#include "foundation/keyed_runs.h"
#include "foundation/offscreen_copy.h"
#include "foundation/offscreen_copy_runs.h"
#include "foundation/pixel_words.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

// A key no pixel's colour bits can equal: a side without a key matches nothing.
constexpr UInt32 kNoKeyColor = 0xFF000000u;

// The enabled entries of a key table, packed so that a test is a few compares per entry.
struct KeyRanges {
    int count = 0;
    int low[4][3];
    unsigned span[4][3]; // maximum - minimum; an empty range never matches
};

inline KeyRanges PackKeyTable(const ColorToleranceTable& table) {
    KeyRanges ranges;
    for (int i = 0; i < 4; ++i) {
        if (table.enabled[i] == 0) continue;
        const int low[3] = {table.redMin[i], table.greenMin[i], table.blueMin[i]};
        const int high[3] = {table.redMax[i], table.greenMax[i], table.blueMax[i]};
        if (high[0] < low[0] || high[1] < low[1] || high[2] < low[2]) continue;
        for (int c = 0; c < 3; ++c) {
            ranges.low[ranges.count][c] = low[c];
            ranges.span[ranges.count][c] = unsigned(high[c] - low[c]);
        }
        ++ranges.count;
    }
    return ranges;
}

inline bool MatchesTable(UInt32 s, const KeyRanges& ranges) {
    const int red = PixelRed(s), green = PixelGreen(s), blue = PixelBlue(s);
    for (int i = 0; i < ranges.count; ++i)
        if (unsigned(red - ranges.low[i][0]) <= ranges.span[i][0] &&
            unsigned(green - ranges.low[i][1]) <= ranges.span[i][1] &&
            unsigned(blue - ranges.low[i][2]) <= ranges.span[i][2])
            return true;
    return false;
}

// Everything the rules read, worked out once per call.
struct CopyContext {
    UInt32 sourceKey = kNoKeyColor;
    UInt32 destinationKey = kNoKeyColor;
    KeyRanges sourceTable{};
    KeyRanges destinationTable{};
    UInt32 sourceReplacement = 0;
    UInt32 destinationReplacement = 0;
    int sourcePercent = -1; // -1: the row ramp
    int destinationPercent = -1;
    int sourceRowPercent = 100; // the percent in force for the current row
    int destinationRowPercent = 100;
    const UInt32* rainbow = nullptr;
    SInt32 rainbowCount = 0;
    SInt32 sourceIndex = 0;
    SInt32 destinationIndex = 0;
    SInt32 pixelCount = 0;
    SInt32 runLength = 1;
};

// Where the pixels go: destination pixel (r, c) is destinationOrigin + r x rowStep + c x columnStep, and
// source row r (or the shape's row) starts at sourceOrigin + row x sourceStride; all in words.
struct CopyPlan {
    const UInt32* sourceOrigin;
    ptrdiff_t sourceStride;
    UInt32* destinationOrigin;
    ptrdiff_t rowStep;
    ptrdiff_t columnStep;
    int rows;
    int columns;
    const UInt8* shape; // null: every row whole and one to one
    int shapeRows;
    bool wholeRows;
    bool paintOutsideSpan;
    UInt32 backPixel;
    bool oneWorld; // source and destination share their pixels: blocks could read what they wrote
};

inline UInt32 BlendPixel(UInt32 s, UInt32 d, int percent) {
    const int rest = 100 - percent;
    const UInt32 red = UInt32((PixelRed(s) * percent + PixelRed(d) * rest) / 100);
    const UInt32 green = UInt32((PixelGreen(s) * percent + PixelGreen(d) * rest) / 100);
    const UInt32 blue = UInt32((PixelBlue(s) * percent + PixelBlue(d) * rest) / 100);
    return (d & kPixelAlphaBits) | (red << 16) | (green << 8) | blue;
}

// The colour at a side's rainbow index; after a run of runLength rainbow pixels that side's index moves on.
inline UInt32 NextRainbowPixel(CopyContext& k, SInt32& index) {
    const UInt32 color = k.rainbow[index];
    if (++k.pixelCount >= k.runLength) {
        k.pixelCount = 0;
        if (++index >= k.rainbowCount) index = 0;
    }
    return color;
}

// Straight: the row-for-row copy, where keys are exact and source mode 7 drops every pixel.
template <int S, int D, bool Straight> struct PixelRule {
    CopyContext& k;

    bool SourceTakes(UInt32 s) const {
        if constexpr (S == 1)
            return false;
        else if constexpr (S == 3 && D == 1 && !Straight)
            return MatchesTable(s, k.sourceTable);
        else if constexpr (S == 7 && Straight)
            return true;
        else if constexpr (S == 7 && D == 1)
            return !MatchesTable(s, k.sourceTable);
        else
            return (s & kPixelColorBits) == k.sourceKey;
    }

    void operator()(UInt32 s, UInt32* d) {
        if constexpr (S != 1) {
            if (SourceTakes(s)) {
                if constexpr (S == 2)
                    *d = k.sourceReplacement;
                else if constexpr (S == 4)
                    *d ^= kPixelColorBits;
                else if constexpr (S == 5)
                    *d = BlendPixel(s, *d, k.sourceRowPercent);
                else if constexpr (S == 6)
                    *d = NextRainbowPixel(k, k.sourceIndex);
                return;
            }
        }
        const bool equal = (s & kPixelColorBits) == k.destinationKey;
        if constexpr (D == 1)
            *d = s;
        else if constexpr (D == 2)
            *d = equal ? s : k.destinationReplacement;
        else if constexpr (D == 3) {
            if constexpr (S == 1 && !Straight) {
                if (MatchesTable(s, k.destinationTable)) *d = s;
            } else if (equal)
                *d = s;
        } else if constexpr (D == 4)
            *d = equal ? s : *d ^ kPixelColorBits;
        else if constexpr (D == 5)
            *d = equal ? s : BlendPixel(s, *d, k.destinationRowPercent);
        else if constexpr (D == 6)
            *d = equal ? s : NextRainbowPixel(k, k.destinationIndex);
    }
};

template <class Rule> void ProcessRun(const UInt32* s, UInt32* d, ptrdiff_t step, int count, Rule& rule) {
    for (int i = 0; i < count; ++i, d += step)
        rule(s[i], d);
}

// The source row squeezed by `advance` pixels per written pixel, never past its last pixel.
template <class Rule>
void ProcessSampledRun(const UInt32* s, int lastColumn, UInt32* d, ptrdiff_t step, int count, double advance,
                       Rule& rule) {
    double position = 0;
    for (int i = 0; i < count; ++i, d += step, position += advance)
        rule(s[std::min(int(position), lastColumn)], d);
}

inline void FillRun(UInt32* d, ptrdiff_t step, int count, UInt32 pixel) {
    for (int i = 0; i < count; ++i, d += step)
        *d = pixel;
}

inline int RampPercent(int row, int rows) {
    if (row < 50) return 2 * row;
    if (row > rows - 50) return 2 * (rows - row);
    return 100;
}

template <int S, int D, bool Straight> void CopyWithRule(const CopyPlan& plan, CopyContext& k) {
    PixelRule<S, D, Straight> rule{k};
    constexpr bool kPlainCopy = S == 1 && D == 1;
    constexpr bool kUsesRainbow = S == 6 || D == 6;
    // Pairs whose rules are a blend under an exact key or a plain write.
    constexpr bool kBlendsOnly = (S == 1 || S == 5) && (D == 1 || D == 5) && !kPlainCopy;
    // A side that blends without a percent of its own follows the row ramp; one with a percent keeps it.
    const bool ramp = (S == 5 && k.sourcePercent < 0) || (D == 5 && k.destinationPercent < 0);
    if (k.sourcePercent >= 0) k.sourceRowPercent = k.sourcePercent;
    if (k.destinationPercent >= 0) k.destinationRowPercent = k.destinationPercent;
    const int rows = plan.rows, columns = plan.columns;

    // A turned copy writes down the destination's columns: a tile of rows at a time keeps both the reads
    // and the writes within a few cache lines. Rainbow stripes and the ramp follow row order, so they
    // keep the row walk.
    const bool tiled = !plan.shape && !kUsesRainbow && !ramp && plan.columnStep != 1 && plan.columnStep != -1;
    if constexpr (kPlainCopy) {
        // Square tiles whose source rows and destination lines stay in the first-level cache and touch
        // few pages on either side, turned in blocks.
        if (tiled && !plan.oneWorld && (plan.rowStep == 1 || plan.rowStep == -1)) {
            constexpr int kTileRows = 64, kTileColumns = 64;
            for (int top = 0; top < rows; top += kTileRows) {
                for (int left = 0; left < columns; left += kTileColumns)
                    CopyTileTurned(plan.sourceOrigin + top * plan.sourceStride + left, plan.sourceStride,
                                   plan.destinationOrigin + top * plan.rowStep + left * plan.columnStep,
                                   plan.rowStep, plan.columnStep, std::min(kTileRows, rows - top),
                                   std::min(kTileColumns, columns - left));
            }
            return;
        }
    }
    if (tiled) {
        constexpr int kTileRows = 32;
        for (int top = 0; top < rows; top += kTileRows) {
            const int count = std::min(kTileRows, rows - top);
            const UInt32* s = plan.sourceOrigin + top * plan.sourceStride;
            UInt32* d = plan.destinationOrigin + top * plan.rowStep;
            for (int c = 0; c < columns; ++c, d += plan.columnStep) {
                const UInt32* sc = s + c;
                UInt32* dc = d;
                for (int i = 0; i < count; ++i, sc += plan.sourceStride, dc += plan.rowStep)
                    rule(*sc, dc);
            }
        }
        return;
    }

    const int shapedRows = plan.shape ? plan.shapeRows : rows;
    for (int r = 0; r < shapedRows; ++r) {
        if (ramp) {
            const int percent = RampPercent(r, rows);
            if (k.sourcePercent < 0) k.sourceRowPercent = percent;
            if (k.destinationPercent < 0) k.destinationRowPercent = percent;
        }
        UInt32* d = plan.destinationOrigin + r * plan.rowStep;
        if (!plan.shape) {
            const UInt32* s = plan.sourceOrigin + r * plan.sourceStride;
            if constexpr (kPlainCopy) {
                if (plan.columnStep == 1) {
                    std::memmove(d, s, size_t(columns) * sizeof(UInt32));
                    continue;
                }
                // The mirrored row of a mirrored output.
                if (plan.columnStep == -1 && !plan.oneWorld) {
                    CopyRunReversed(s, d, columns);
                    continue;
                }
            }
            // Text blended into a picture or faded: the blend rules in blocks.
            if constexpr (kBlendsOnly) {
                if ((plan.columnStep == 1 || plan.columnStep == -1) && !plan.oneWorld) {
                    const BlendRunRule blend{S == 5,
                                             D == 5,
                                             k.sourceKey,
                                             k.destinationKey,
                                             k.sourceRowPercent,
                                             k.destinationRowPercent};
                    BlendRun(s, d, plan.columnStep, columns, blend);
                    continue;
                }
            }
            // Text keyed over a picture, the common case of a prompter over a picture, goes in blocks.
            if constexpr ((S == 3 || S == 7) && D == 1 && !Straight) {
                if (plan.columnStep == 1 || plan.columnStep == -1) {
                    KeyedRun(s, d, plan.columnStep, columns, k.sourceTable, S == 7);
                    continue;
                }
            }
            ProcessRun(s, d, plan.columnStep, columns, rule);
            continue;
        }
        const UInt8* entry = plan.shape + kShapeFirstRowOffset + kShapeRowSize * ptrdiff_t(r);
        SInt32 left, right;
        double sourceRow;
        std::memcpy(&left, entry, sizeof left);
        std::memcpy(&right, entry + kShapeRowRightOffset, sizeof right);
        std::memcpy(&sourceRow, entry + kShapeRowSourceOffset, sizeof sourceRow);
        const int spanLeft = std::clamp(left, 0, columns);
        const int spanRight = std::clamp(right, spanLeft, columns);
        const int row =
            sourceRow >= 0 && sourceRow < rows ? int(sourceRow) : (sourceRow >= rows ? rows - 1 : 0);
        const UInt32* s = plan.sourceOrigin + row * plan.sourceStride;
        const int span = spanRight - spanLeft;
        const double advance = span > 0 ? std::max(1.0, double(columns) / span) : 1.0;
        if (plan.wholeRows) {
            ProcessSampledRun(s, columns - 1, d, plan.columnStep, columns, advance, rule);
            continue;
        }
        if (plan.paintOutsideSpan) FillRun(d, plan.columnStep, spanLeft, plan.backPixel);
        ProcessSampledRun(s, columns - 1, d + spanLeft * plan.columnStep, plan.columnStep, span, advance,
                          rule);
        if (plan.paintOutsideSpan)
            FillRun(d + spanRight * plan.columnStep, plan.columnStep, columns - spanRight, plan.backPixel);
    }
}
