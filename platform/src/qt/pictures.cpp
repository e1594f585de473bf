// Pictures: handles of PNG data (picture resources hold PNG), their frames, drawing them scaled and
// clipped, and making them from ports. Damaged data draws nothing.
#include "platform/memory.h"
#include "platform/resources.h"
#include "qt/port_internal.h"
#include "qt/shape_fill.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kPictureCacheEntries = 16;
// Larger than two full-HD screens: such a picture is scaled while painting instead of into the cache.
constexpr long long kMaxCachedScaledPixels = 4096LL * 1024LL;

// Width and height from the PNG signature and header chunk, without decoding.
bool ReadPngSize(const UInt8* data, size_t size, int* width, int* height) {
    static const UInt8 kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!data || size < 24 || std::memcmp(data, kSignature, 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0)
        return false;
    auto be32 = [](const UInt8* p) {
        return (UInt32(p[0]) << 24) | (UInt32(p[1]) << 16) | (UInt32(p[2]) << 8) | p[3];
    };
    const UInt32 w = be32(data + 16), h = be32(data + 20);
    if (w == 0 || h == 0 || w > 32767 || h > 32767) return false;
    *width = int(w);
    *height = int(h);
    return true;
}

UInt64 HashBytes(const UInt8* data, size_t size) {
    UInt64 hash = 1469598103934665603ull;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

// Decoded pictures, found again by handle, size and content, so that a handle whose bytes changed is
// decoded afresh and a freed handle's address reused for other data can never show stale pixels.
struct CachedPicture {
    const void* handle = nullptr;
    Size size = 0;
    UInt64 hash = 0;
    QImage decoded; // premultiplied ARGB, as painting wants it
    QImage scaled;  // the last size it was drawn at
    UInt64 lastUse = 0;
};

std::vector<CachedPicture> gPictureCache;
UInt64 gPictureUseCount = 0;

// The decoded picture scaled to size, or null when the data is not a picture.
const QImage* DecodedPicture(PicHandle pic, const QSize& size) {
    const Size byteCount = GetHandleSize(pic);
    const auto* bytes = reinterpret_cast<const UInt8*>(*pic);
    int width, height;
    if (!ReadPngSize(bytes, size_t(byteCount), &width, &height)) return nullptr;
    const UInt64 hash = HashBytes(bytes, size_t(byteCount));
    auto found = std::find_if(gPictureCache.begin(), gPictureCache.end(), [&](const CachedPicture& c) {
        return c.handle == pic && c.size == byteCount && c.hash == hash;
    });
    if (found == gPictureCache.end()) {
        QImage decoded;
        if (!decoded.loadFromData(bytes, int(byteCount), "PNG") || decoded.isNull()) return nullptr;
        if (gPictureCache.size() >= size_t(kPictureCacheEntries)) {
            gPictureCache.erase(
                std::min_element(gPictureCache.begin(), gPictureCache.end(),
                                 [](const auto& a, const auto& b) { return a.lastUse < b.lastUse; }));
        }
        // A handle now holding other bytes drops its old entry.
        std::erase_if(gPictureCache, [&](const CachedPicture& c) { return c.handle == pic; });
        CachedPicture entry;
        entry.handle = pic;
        entry.size = byteCount;
        entry.hash = hash;
        entry.decoded = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        gPictureCache.push_back(std::move(entry));
        found = gPictureCache.end() - 1;
    }
    found->lastUse = ++gPictureUseCount;
    if (!size.isValid() || found->decoded.size() == size) return &found->decoded;
    if (found->scaled.size() != size)
        found->scaled = found->decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return found->scaled.isNull() ? nullptr : &found->scaled;
}

// A rectangle of a port as an image of its own; what lies outside the port is white.
QImage PortRectImage(const GrafPort* port, const QRect& local) {
    QImage out(local.size(), QImage::Format_RGB32);
    if (out.isNull()) return out;
    out.fill(0xFFFFFFFFu);
    const QRect inside = local & LocalImageRect(port);
    for (int v = inside.top(); v <= inside.bottom(); ++v)
        std::memcpy(out.scanLine(v - local.top()) + size_t(inside.left() - local.left()) * 4,
                    port->image.constScanLine(ImageY(port, v)) + size_t(ImageX(port, inside.left())) * 4,
                    size_t(inside.width()) * 4);
    return out;
}

} // namespace

PicHandle GetPicture(SInt16 id) {
    return GetResource(FourCC("PICT"), id);
}

Rect* QDGetPictureBounds(PicHandle pic, Rect* frame) {
    if (!frame) return frame;
    *frame = Rect{};
    int width, height;
    if (pic && *pic &&
        ReadPngSize(reinterpret_cast<const UInt8*>(*pic), size_t(GetHandleSize(pic)), &width, &height))
        *frame = Rect{0, 0, SInt16(height), SInt16(width)};
    return frame;
}

void DrawPicture(PicHandle pic, const Rect* r) {
    if (!pic || !*pic || !r || EmptyRect(r)) return;
    GrafPort* port = CurrentPort();
    const DrawableArea area(port);
    const QRect target = ToQRect(*r);
    if (area.IsEmpty() || !target.intersects(area.Bounds())) return;
    // A picture drawn very large is scaled while painting, clipped, instead of into a cached copy.
    const bool huge = static_cast<long long>(target.width()) * target.height() > kMaxCachedScaledPixels;
    const QImage* image = DecodedPicture(pic, huge ? QSize() : target.size());
    if (!image) return;
    QPainter painter(&port->image);
    painter.translate(-port->origin.h, -port->origin.v);
    if (!area.IsRectangle() || area.Bounds() != LocalImageRect(port)) painter.setClipRegion(area.ToRegion());
    if (huge) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, *image);
    } else {
        painter.drawImage(target.topLeft(), *image);
    }
}

PicHandle NewPictureFromPort(CGrafPtr port, const Rect* r) {
    if (!port || !r || EmptyRect(r)) return nullptr;
    const QImage image = PortRectImage(port, ToQRect(*r));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return nullptr;
    Handle h = nullptr;
    if (PtrToHand(bytes.constData(), &h, Size(bytes.size())) != noErr) return nullptr;
    return h;
}

OSErr WritePortToPNG(CGrafPtr port, const Rect* r, const char* path) {
    if (!port || !r || EmptyRect(r) || !path) return paramErr;
    const QImage image = PortRectImage(port, ToQRect(*r));
    if (image.isNull()) return memFullErr;
    return image.save(QString::fromUtf8(path), "PNG") ? noErr : ioErr;
}
