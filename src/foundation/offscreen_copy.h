// The program's one pixel compositor: a rectangle of a 32-bit world copied into a rectangle of another,
// turned, mirrored, flipped, squeezed into a shape and colour-keyed on the way.
#pragma once

#include "platform/drawing.h"

// Rules for source pixels that match the source key (a side's mode 1 takes nothing) ...
enum : SInt16 {
    kSourceCopy = 1,
    kSourceReplace = 2,
    kSourceDrop = 3,
    kSourceInvert = 4,
    kSourceBlend = 5,
    kSourceRainbow = 6,
    kSourceKeepOnly = 7,
};
// ... and for the pixels the source rule left.
enum : SInt16 {
    kDestinationCopy = 1,
    kDestinationReplace = 2,
    kDestinationKeyOnly = 3,
    kDestinationInvert = 4,
    kDestinationBlend = 5,
    kDestinationRainbow = 6,
};

// A made shape, as the shaped-text code lays it out in memory: the row count at byte 16 and, for each
// destination row, a 32-byte record at 36 + 32 x row holding the span's left x (int32 at +0), its right x
// (int32 at +8, exclusive) and the source row to show there (double at +24).
constexpr int kShapeRowCountOffset = 16;
constexpr int kShapeFirstRowOffset = 36;
constexpr int kShapeRowSize = 32;
constexpr int kShapeRowRightOffset = 8;
constexpr int kShapeRowSourceOffset = 24;

// An overlay's colour keys: the block starts with 'Over'; entry i (0-3) lies at 20 x i and holds an enabled
// flag (int32 at +4), a use count (int32 at +8, below 2 disables the entry), a colour (RGBColor at +12) and a
// tolerance percent (int16 at +18). Any other key argument is a plain RGBColor.
constexpr OSType kColorKeyBlockTag = FourCC("Over");
constexpr int kColorKeyEntrySize = 20;

// The world's rectangle.
Rect WorldBounds(GWorldPtr world);
// A plain copy in black on white, so that the pixels arrive unchanged; the current port keeps those
// colours afterwards.
void CopyBitsUnchanged(CGrafPtr source, CGrafPtr destination, const Rect* from, const Rect* to);

// shapeMode 0 or 1 is the full copy (rotation 1 clockwise or -1 counter-clockwise, mirror, flip, shape and
// row squeezing honoured); 2 or more copies row for row. Keys and extras are read as their mode needs:
// a replacement RGBColor for mode 2, an int16 percent for mode 5 (null: a ramp over the first and last 50
// rows). A side whose key is null matches nothing, and mode 2 without a colour writes the source pixel.
// Rectangles that do not match are reported and the copy covers the part both worlds hold.
void CopyOffscreentoOffscreen(GWorldPtr source, GWorldPtr destination, const Rect* sourceRect,
                              const Rect* destinationRect, bool mirror, bool flip, SInt16 rotation,
                              UInt16 shapeMode, const void* shape, SInt16 sourceMode, const void* sourceKey,
                              const void* sourceExtra, SInt16 destinationMode, const void* destinationKey,
                              const void* destinationExtra, bool wholeRows, SInt32 tolerance);

// The rainbow colours of mode 6 ('Rnbw' 128, loaded on first use) and the stripes' phase, which moves one
// entry per call.
struct RainbowState {
    SInt32 callCount;
    SInt32 sourceIndex;
    SInt32 destinationIndex;
    SInt32 pixelCount;
};
RainbowState GetRainbowState();
// Replaces the colours with those of a 'Rnbw' resource's data (big-endian 0xAARRGGBB words); null or an
// empty block leaves none, and rainbow modes then copy plainly. Restarts the phase.
void SetRainbowColors(Handle colors);
