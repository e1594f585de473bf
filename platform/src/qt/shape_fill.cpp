// Applying a drawing mode to covered pixels: row loops over rectangles, regions and masks, clipped to the
// port's clip and image. Every shape, line and erase ends here.
#include "qt/shape_fill.h"
#include "qt/pixel_vectors.h"

#include <algorithm>

namespace {

constexpr UInt32 kColourBits = 0x00FFFFFF;

PixelAction Set(UInt32 pixel) {
    return {PixelAction::kSet, pixel};
}
PixelAction Xor(UInt32 bits) {
    return {PixelAction::kXor, bits & kColourBits};
}

void ApplyAction(UInt32* row, int x0, int x1, const PixelAction& a) {
    switch (a.kind) {
    case PixelAction::kNone:
        break;
    case PixelAction::kSet:
        FillPixels(row + x0, x1 - x0, a.value);
        break;
    case PixelAction::kXor:
        XorPixels(row + x0, x1 - x0, a.value);
        break;
    }
}

inline void ApplyToPixel(UInt32* p, const PixelAction& a) {
    if (a.kind == PixelAction::kSet)
        *p = a.value;
    else if (a.kind == PixelAction::kXor)
        *p ^= a.value;
}

inline bool PatternBit(UInt8 patternRow, int h) {
    return (patternRow >> (7 - (h & 7))) & 1;
}

// One row of image pixels x0..x1 whose first pixel is at local h0.
void ApplyRow(UInt32* row, int x0, int x1, int h0, UInt8 patternRow, const PaintOp& op) {
    if (patternRow == 0xFF) return ApplyAction(row, x0, x1, op.onBit);
    if (patternRow == 0x00) return ApplyAction(row, x0, x1, op.offBit);
    for (int x = x0, h = h0; x < x1; ++x, ++h)
        ApplyToPixel(row + x, PatternBit(patternRow, h) ? op.onBit : op.offBit);
}

bool DoesNothing(const PaintOp& op) {
    return op.onBit.kind == PixelAction::kNone && op.offBit.kind == PixelAction::kNone;
}

void ApplyPiece(GrafPort* port, const QRect& piece, const PaintOp& op) {
    QImage& image = port->image;
    const int dx = -port->origin.h, dy = -port->origin.v;
    const int x0 = piece.left() + dx, x1 = piece.right() + 1 + dx;
    UInt32* bits = reinterpret_cast<UInt32*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    for (int v = piece.top(); v <= piece.bottom(); ++v)
        ApplyRow(bits + (v + dy) * stride, x0, x1, piece.left(), op.pattern.pat[v & 7], op);
}

} // namespace

Rect FromQRect(const QRect& r) {
    if (r.isEmpty()) return Rect{};
    auto clamp = [](int n) { return SInt16(std::clamp(n, -32768, 32767)); };
    return Rect{clamp(r.top()), clamp(r.left()), clamp(r.top() + r.height()), clamp(r.left() + r.width())};
}

PaintOp PatternPaintOp(const GrafPort* port, const Pattern& pattern, SInt16 mode) {
    const UInt32 fore = PixelFromRGB(port->foreColor), back = PixelFromRGB(port->backColor);
    PaintOp op;
    op.pattern = pattern;
    // Pen modes given as source modes act as their pattern forms.
    if (mode >= srcCopy && mode <= notSrcBic) mode = SInt16(mode + patCopy);
    switch (mode) {
    case patOr:
        op.onBit = Set(fore);
        break;
    case patXor:
        op.onBit = Xor(kColourBits);
        break;
    case patBic:
        op.onBit = Set(back);
        break;
    case notPatCopy:
        op.onBit = Set(back);
        op.offBit = Set(fore);
        break;
    case notPatOr:
        op.offBit = Set(fore);
        break;
    case notPatXor:
        op.offBit = Xor(kColourBits);
        break;
    case notPatBic:
        op.offBit = Set(back);
        break;
    case hilite:
        op.onBit = Xor(back ^ PixelFromRGB(port->hiliteColor));
        break;
    default: // patCopy, and the copy-only modes, which have no meaning for a pen
        op.onBit = Set(fore);
        op.offBit = Set(back);
        break;
    }
    return op;
}

PaintOp ErasePaintOp(const GrafPort* port) {
    return SolidPaintOp(PixelFromRGB(port->backColor));
}

PaintOp SolidPaintOp(UInt32 pixel) {
    PaintOp op;
    op.onBit = op.offBit = Set(pixel | 0xFF000000u);
    return op;
}

PaintOp InvertPaintOp() {
    PaintOp op;
    op.onBit = op.offBit = Xor(kColourBits);
    return op;
}

DrawableArea::DrawableArea(const GrafPort* port, const QRegion* extra) {
    const QRect image = LocalImageRect(port);
    if (image.isEmpty()) return;
    if (port->clip.rectCount() <= 1 && (!extra || extra->rectCount() <= 1)) {
        single_ = image & port->clip.boundingRect();
        if (extra) single_ &= extra->boundingRect();
        if (single_.isEmpty()) return;
        bounds_ = single_;
        rects_ = &single_;
        count_ = 1;
        return;
    }
    region_ = port->clip & image;
    if (extra) region_ &= *extra;
    count_ = region_.rectCount();
    if (count_ == 0) return;
    bounds_ = region_.boundingRect();
    if (count_ == 1) {
        single_ = bounds_;
        rects_ = &single_;
    } else {
        rects_ = region_.begin();
    }
}

QRegion DrawableArea::ToRegion() const {
    if (count_ == 0) return QRegion();
    if (count_ == 1) return QRegion(single_);
    return region_;
}

void FillRects(GrafPort* port, const QRect* rects, size_t count, const PaintOp& op) {
    if (count == 0 || DoesNothing(op)) return;
    DrawableArea area(port);
    if (area.IsEmpty()) return;
    for (size_t i = 0; i < count; ++i)
        area.ForEachPiece(rects[i], [&](const QRect& piece) { ApplyPiece(port, piece, op); });
}

void FillRegion(GrafPort* port, const QRegion& local, const PaintOp& op) {
    if (local.isEmpty()) return;
    FillRects(port, local.begin(), size_t(local.rectCount()), op);
}

void FillMask(GrafPort* port, int left, int top, int width, int height, const UInt8* mask, int stride,
              const PaintOp& op) {
    if (width <= 0 || height <= 0 || DoesNothing(op)) return;
    DrawableArea area(port);
    QImage& image = port->image;
    const int dx = -port->origin.h, dy = -port->origin.v;
    area.ForEachPiece(QRect(left, top, width, height), [&](const QRect& piece) {
        UInt32* bits = reinterpret_cast<UInt32*>(image.bits());
        const qsizetype rowWords = image.bytesPerLine() / 4;
        for (int v = piece.top(); v <= piece.bottom(); ++v) {
            UInt32* row = bits + (v + dy) * rowWords;
            const UInt8* m = mask + qsizetype(v - top) * stride;
            const UInt8 patternRow = op.pattern.pat[v & 7];
            for (int h = piece.left(); h <= piece.right(); ++h) {
                if (!m[h - left]) continue;
                ApplyToPixel(row + h + dx, PatternBit(patternRow, h) ? op.onBit : op.offBit);
            }
        }
    });
}
