// The compositor's call: rectangles checked and fitted to both worlds, keys and percents worked out once,
// then the loop of the mode pair run over the rows.
#include "foundation/offscreen_copy.h"

#include "foundation/error_dialog.h"
#include "foundation/offscreen_copy_rules.h"
#include "foundation/rainbow_colors.h"

#include <array>
#include <cstring>
#include <utility>

namespace {
using CopyFunction = void (*)(const CopyPlan&, CopyContext&);

constexpr int kSourceModes = 7;
constexpr int kDestinationModes = 6;

template <bool Straight, int... I>
constexpr std::array<CopyFunction, sizeof...(I)> MakeCopyTable(std::integer_sequence<int, I...>) {
    return {&CopyWithRule<I / kDestinationModes + 1, I % kDestinationModes + 1, Straight>...};
}
constexpr auto kFullCopies =
    MakeCopyTable<false>(std::make_integer_sequence<int, kSourceModes * kDestinationModes>());
constexpr auto kStraightCopies =
    MakeCopyTable<true>(std::make_integer_sequence<int, kSourceModes * kDestinationModes>());

void Report(const char* text) {
    DoErrorMessageText(text);
}

UInt32 KeyColorOf(const RGBColor& color) {
    return PixelFromHighBytes(color.red, color.green, color.blue);
}

void SetTableEntry(ColorToleranceTable& table, int i, const RGBColor& color, SInt32 tolerance) {
    const int red = color.red >> 8, green = color.green >> 8, blue = color.blue >> 8;
    table.enabled[i] = 1;
    table.redMin[i] = SInt16(red - tolerance);
    table.redMax[i] = SInt16(red + tolerance);
    table.greenMin[i] = SInt16(green - tolerance);
    table.greenMax[i] = SInt16(green + tolerance);
    table.blueMin[i] = SInt16(blue - tolerance);
    table.blueMax[i] = SInt16(blue + tolerance);
}

// A key argument is a plain RGBColor or an overlay's block of four colour keys; entry 0 gives the exact
// key colour either way.
void FillKeyTable(const void* key, SInt32 tolerancePercent, UInt32& keyColor, ColorToleranceTable& table) {
    const auto* bytes = static_cast<const UInt8*>(key);
    OSType tag;
    std::memcpy(&tag, bytes, sizeof tag);
    if (tag != kColorKeyBlockTag) {
        RGBColor color;
        std::memcpy(&color, bytes, sizeof color);
        keyColor = KeyColorOf(color);
        SetTableEntry(table, 0, color, ToleranceFromPercent(tolerancePercent));
        return;
    }
    for (int i = 0; i < 4; ++i) {
        const UInt8* entry = bytes + kColorKeyEntrySize * i;
        SInt32 enabled, uses;
        RGBColor color;
        SInt16 percent;
        std::memcpy(&enabled, entry + 4, sizeof enabled);
        std::memcpy(&uses, entry + 8, sizeof uses);
        std::memcpy(&color, entry + 12, sizeof color);
        std::memcpy(&percent, entry + 18, sizeof percent);
        if (i == 0) keyColor = KeyColorOf(color);
        if (uses < 2 || SInt16(enabled) == 0) continue;
        SetTableEntry(table, i, color, ToleranceFromPercent(percent));
    }
}

void BuildKey(const void* key, SInt32 tolerancePercent, UInt32& keyColor, KeyRanges& ranges) {
    ColorToleranceTable table{};
    FillKeyTable(key, tolerancePercent, keyColor, table);
    ranges = PackKeyTable(table);
}

int ReadPercent(const void* extra) {
    SInt16 percent;
    std::memcpy(&percent, extra, sizeof percent);
    return std::clamp(int(percent), 0, 100);
}

UInt32 ReplacementOf(const void* extra) {
    RGBColor color;
    std::memcpy(&color, extra, sizeof color);
    return kPixelAlphaBits | KeyColorOf(color);
}

// A rectangle in pixel coordinates (the port's top-left at 0, 0), cut to the world's pixels.
Rect PixelRectInWorld(GWorldPtr world, const Rect* rect) {
    Rect bounds;
    GetPortBounds(world, &bounds);
    Rect r = rect ? *rect : bounds;
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    auto cut = [](int value, int limit) { return SInt16(std::clamp(value, 0, limit)); };
    return Rect{cut(r.top - bounds.top, height), cut(r.left - bounds.left, width),
                cut(r.bottom - bounds.top, height), cut(r.right - bounds.left, width)};
}

int Width(const Rect& r) {
    return r.right - r.left;
}
int Height(const Rect& r) {
    return r.bottom - r.top;
}

UInt32 BackPixelOf(GWorldPtr port) {
    GrafPtr saved;
    GetPort(&saved);
    SetPort(port);
    RGBColor back;
    GetBackColor(&back);
    SetPort(saved);
    return kPixelAlphaBits | KeyColorOf(back);
}

// Destination origin and steps of the full copy for rows x columns destination rows and columns.
void PlaceFullCopy(CopyPlan& plan, UInt32* topLeft, ptrdiff_t stride, SInt16 rotation, bool mirror,
                   bool flip) {
    const ptrdiff_t lastRow = plan.rows - 1, lastColumn = plan.columns - 1;
    if (rotation == 1) { // source row r becomes destination column rows - 1 - r, read top to bottom
        plan.destinationOrigin = topLeft + (flip ? 0 : lastRow) + (mirror ? lastColumn * stride : 0);
        plan.rowStep = flip ? 1 : -1;
        plan.columnStep = mirror ? -stride : stride;
    } else if (rotation == -1) { // source row r becomes destination column r, read bottom to top
        plan.destinationOrigin = topLeft + (flip ? lastRow : 0) + (mirror ? 0 : lastColumn * stride);
        plan.rowStep = flip ? -1 : 1;
        plan.columnStep = mirror ? stride : -stride;
    } else {
        plan.destinationOrigin = topLeft + (flip ? lastRow * stride : 0) + (mirror ? lastColumn : 0);
        plan.rowStep = flip ? -stride : stride;
        plan.columnStep = mirror ? -1 : 1;
    }
}
// The two modes of one copy, settled to ones the rules can run.
struct CopyModes {
    SInt16 source;
    SInt16 destination;
};

void CheckRectanglesMatch(const Rect* sourceRect, const Rect* destinationRect, bool turned) {
    if (!sourceRect || !destinationRect) return;
    const bool equal = turned ? Width(*sourceRect) == Height(*destinationRect) &&
                                    Height(*sourceRect) == Width(*destinationRect)
                              : Width(*sourceRect) == Width(*destinationRect) &&
                                    Height(*sourceRect) == Height(*destinationRect);
    if (!equal) Report("Unequal rectangles in CopyOffscreentoOffscreen");
}

void SettleModes(CopyModes& modes) {
    if (modes.source < 1 || modes.source > kSourceModes) modes.source = kSourceCopy;
    if (modes.destination < 1 || modes.destination > kDestinationModes) modes.destination = kDestinationCopy;
    if ((modes.source == kSourceRainbow || modes.destination == kDestinationRainbow) &&
        !EnsureRainbowColors()) {
        // Without colours there is no stripe to paint: the rainbow side copies plainly.
        if (modes.source == kSourceRainbow) modes.source = kSourceCopy;
        if (modes.destination == kDestinationRainbow) modes.destination = kDestinationCopy;
    }
}

void ReadPercents(const CopyModes& modes, const void* sourceExtra, const void* destinationExtra,
                  CopyContext& context) {
    if (modes.source == kSourceBlend && sourceExtra) context.sourcePercent = ReadPercent(sourceExtra);
    if (modes.destination == kDestinationBlend && destinationExtra)
        context.destinationPercent = ReadPercent(destinationExtra);
}

// A rainbow stripe is as long as the destination port is wide, along the direction the copy writes.
int RainbowRunLength(GWorldPtr destination, bool turned) {
    Rect portBounds;
    GetPortBounds(destination, &portBounds);
    return std::max(1, turned ? portBounds.bottom - portBounds.top : portBounds.right - portBounds.left);
}

// Key tables and replacement colours; a mode whose key or colour is missing falls back to a plain copy.
void PrepareKeys(CopyModes& modes, const void* sourceKey, const void* sourceExtra, const void* destinationKey,
                 const void* destinationExtra, SInt32 tolerance, CopyContext& context) {
    if (modes.source != kSourceCopy && !sourceKey) modes.source = kSourceCopy;
    if (sourceKey && modes.source != kSourceCopy)
        BuildKey(sourceKey, tolerance, context.sourceKey, context.sourceTable);
    if (destinationKey && modes.destination != kDestinationCopy)
        BuildKey(destinationKey, tolerance, context.destinationKey, context.destinationTable);
    if (modes.source == kSourceReplace)
        context.sourceReplacement =
            sourceExtra ? ReplacementOf(sourceExtra) : kPixelAlphaBits | context.sourceKey;
    if (modes.destination == kDestinationReplace) {
        if (destinationExtra)
            context.destinationReplacement = ReplacementOf(destinationExtra);
        else
            modes.destination = kDestinationCopy;
    }
}

// A shape gives each destination row a span and the source row it samples.
void FollowShape(CopyPlan& plan, const void* shape, bool wholeRows, const CopyModes& modes,
                 GWorldPtr source) {
    SInt32 shapeRows;
    std::memcpy(&shapeRows, static_cast<const UInt8*>(shape) + kShapeRowCountOffset, sizeof shapeRows);
    if (shapeRows != plan.rows) Report("Shape spec has incorrect height");
    // Rows the shape does not describe are left as they are: no entry past its end is read.
    plan.shape = static_cast<const UInt8*>(shape);
    plan.shapeRows = std::clamp(shapeRows, 0, plan.rows);
    plan.wholeRows = wholeRows;
    plan.paintOutsideSpan = modes.source == kSourceCopy && modes.destination == kDestinationCopy;
    if (plan.paintOutsideSpan) plan.backPixel = BackPixelOf(source);
}
} // namespace

Rect WorldBounds(GWorldPtr world) {
    Rect bounds{};
    if (world) GetPortBounds(world, &bounds);
    return bounds;
}

void CopyBitsUnchanged(CGrafPtr source, CGrafPtr destination, const Rect* from, const Rect* to) {
    NormalColors();
    CopyBits(source, destination, from, to, srcCopy, nullptr);
}

void CopyOffscreentoOffscreen(GWorldPtr source, GWorldPtr destination, const Rect* sourceRect,
                              const Rect* destinationRect, bool mirror, bool flip, SInt16 rotation,
                              UInt16 shapeMode, const void* shape, SInt16 sourceMode, const void* sourceKey,
                              const void* sourceExtra, SInt16 destinationMode, const void* destinationKey,
                              const void* destinationExtra, bool wholeRows, SInt32 tolerance) {
    if (rotation != 1 && rotation != -1) rotation = 0;
    const bool straight = shapeMode >= 2;
    const bool turned = rotation != 0 && !straight;
    CheckRectanglesMatch(sourceRect, destinationRect, turned);
    CopyModes modes{sourceMode, destinationMode};
    SettleModes(modes);
    CopyContext context;
    StartRainbowPhase(context);
    ReadPercents(modes, sourceExtra, destinationExtra, context);
    if (!source || !destination) return;

    Rect from = PixelRectInWorld(source, sourceRect), to = PixelRectInWorld(destination, destinationRect);
    // Both rectangles keep their top-left and shrink to the size both worlds can hold.
    const int columns = turned ? std::min(Width(from), Height(to)) : std::min(Width(from), Width(to));
    const int sourceRows = turned ? std::min(Height(from), Width(to)) : std::min(Height(from), Height(to));
    if (columns <= 0 || sourceRows <= 0) return;

    if (!LockPixels(source)) Report("The sourceBase pixels are gone");
    if (!LockPixels(destination)) Report("The destBase pixels are gone");
    UInt32* sourceBase = GetPixBaseAddr(source);
    UInt32* destinationBase = GetPixBaseAddr(destination);
    if (sourceBase && destinationBase) {
        context.runLength = RainbowRunLength(destination, turned);
        PrepareKeys(modes, sourceKey, sourceExtra, destinationKey, destinationExtra, tolerance, context);

        const ptrdiff_t sourceStride = (GetPixRowBytes(source) & 0x7FFFFFFF) / 4;
        const ptrdiff_t destinationStride = (GetPixRowBytes(destination) & 0x7FFFFFFF) / 4;
        CopyPlan plan{};
        plan.sourceOrigin = sourceBase + from.top * sourceStride + from.left;
        plan.sourceStride = sourceStride;
        plan.rows = sourceRows;
        plan.columns = columns;
        plan.oneWorld = sourceBase == destinationBase;
        UInt32* topLeft = destinationBase + to.top * destinationStride + to.left;
        if (straight) {
            plan.destinationOrigin = topLeft;
            plan.rowStep = destinationStride;
            plan.columnStep = 1;
        } else {
            PlaceFullCopy(plan, topLeft, destinationStride, rotation, mirror, flip);
            if (shape) FollowShape(plan, shape, wholeRows, modes, source);
        }
        const int pair = (modes.source - 1) * kDestinationModes + (modes.destination - 1);
        (straight ? kStraightCopies : kFullCopies)[pair](plan, context);
        StoreRainbowPhase(context);
    }
    UnlockPixels(source);
    UnlockPixels(destination);
}
