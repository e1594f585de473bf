// Picture files read with Qt's image readers into ports, and ports encoded as JPEG.
#include "platform/images.h"

#include "qt/port_internal.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>

namespace {
// The longest side of a preview; readers that hold no preview of their own scale the picture down to it.
constexpr int kThumbnailSide = 160;

OSErr OpenReader(const char* path, bool thumbnail, QImageReader& reader) {
    if (!path || !QFile::exists(QString::fromUtf8(path))) return fnfErr;
    reader.setFileName(QString::fromUtf8(path));
    // The caller applies the file's orientation itself, combined with its own.
    reader.setAutoTransform(false);
    QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty()) return ioErr;
    if (thumbnail && (size.width() > kThumbnailSide || size.height() > kThumbnailSide))
        reader.setScaledSize(size.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio));
    return noErr;
}
} // namespace

OSErr GetImageFileSize(const char* path, bool thumbnail, SInt16* width, SInt16* height) {
    QImageReader reader;
    if (const OSErr err = OpenReader(path, thumbnail, reader); err != noErr) return err;
    const QSize size = reader.scaledSize().isValid() ? reader.scaledSize() : reader.size();
    if (size.width() > 32767 || size.height() > 32767) return ioErr;
    if (width) *width = SInt16(size.width());
    if (height) *height = SInt16(size.height());
    return noErr;
}

OSErr DrawImageFile(const char* path, bool thumbnail, const Rect* target, bool mirrorH, bool mirrorV,
                    SInt16 quarterTurn) {
    if (!target || EmptyRect(target)) return paramErr;
    QImageReader reader;
    if (const OSErr err = OpenReader(path, thumbnail, reader); err != noErr) return err;
    const QImage image = reader.read();
    if (image.isNull()) return ioErr;

    const bool turned = quarterTurn == 1 || quarterTurn == 2;
    const int width = target->right - target->left, height = target->bottom - target->top;
    // The picture is laid out upright in a frame of w x h, mirrored in that frame, then turned onto target.
    const int w = turned ? height : width, h = turned ? width : height;
    QTransform place;
    place.translate(target->left, target->top);
    if (quarterTurn == 2)
        place = QTransform(0, 1, -1, 0, h, 0) * place; // clockwise
    else if (quarterTurn == 1)
        place = QTransform(0, -1, 1, 0, 0, w) * place; // counter-clockwise
    QTransform mirror;
    if (mirrorH) mirror = mirror * QTransform(-1, 0, 0, 1, w, 0);
    if (mirrorV) mirror = mirror * QTransform(1, 0, 0, -1, 0, h);

    GrafPort* port = CurrentPort();
    QPainter painter(&port->image);
    painter.translate(-port->origin.h, -port->origin.v);
    if (!port->clipIsWideOpen) painter.setClipRegion(port->clip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(mirror * place * painter.transform());
    painter.drawImage(QRect(0, 0, w, h), image);
    return noErr;
}

OSErr EncodePortAsJPEG(CGrafPtr port, const Rect* r, int quality, std::vector<UInt8>& out) {
    out.clear();
    if (!port || !r || EmptyRect(r)) return paramErr;
    const QRect local(r->left, r->top, r->right - r->left, r->bottom - r->top);
    const QRect area = local.translated(-port->origin.h, -port->origin.v) & port->image.rect();
    if (area.isEmpty()) return paramErr;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setQuality(quality);
    if (!writer.write(port->image.copy(area).convertToFormat(QImage::Format_RGB32))) return ioErr;
    out.assign(reinterpret_cast<const UInt8*>(bytes.constData()),
               reinterpret_cast<const UInt8*>(bytes.constData()) + bytes.size());
    return noErr;
}
