// Picture files read into offscreen worlds with their orientation applied, and windows saved as JPEG.
#include "foundation/jpeg_pictures.h"

#include "foundation/app_paths.h"
#include "foundation/checked_wrappers.h"
#include "foundation/exif_orientation.h"
#include "foundation/file_types.h"
#include "foundation/rect_fitting.h"
#include "foundation/window_references.h"
#include "platform/events.h"
#include "platform/file_io.h"
#include "platform/images.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "scroll/scroll_engine.h"
#include "shell/shell_globals.h"

#include <string>
#include <utility>
#include <vector>

namespace {
// The quality the sequence export has always written: small files over fine detail.
constexpr int kSequenceJPEGQuality = 25;
constexpr GWorldFlags kUseTempMemory = 4;

bool IsJPEGName(const char* path) {
    std::string name(path);
    if (const size_t slash = name.rfind('/'); slash != std::string::npos) name.erase(0, slash + 1);
    Str255 macName;
    SetPString(macName, Utf8ToMacRoman(name));
    return IsjpegPictureFile(macName);
}

// The picture's own frame at 0,0, with width and height exchanged for a quarter turn.
Rect NaturalFrame(SInt16 width, SInt16 height, bool turned) {
    return turned ? Rect{0, 0, width, height} : Rect{0, 0, height, width};
}
} // namespace

QDErr NewJPEGWorld(GWorldPtr* world, SInt16 depth, const Rect* rect) {
    if (!world || !rect) return paramErr;
    const WindowReference saved = GetPortReference();
    // Grey depths carry their colour table only as the depth our worlds report.
    if (depth > 32) depth = SInt16(depth - 32);
    QDErr err = MyNewGWorld(world, depth, rect, nullptr, nullptr, 0, 0);
    if (err != noErr) err = MyNewGWorld(world, depth, rect, nullptr, nullptr, kUseTempMemory, 0);
    if (err != noErr) {
        *world = nullptr;
        SetPortByReference(saved);
        return err;
    }
    LockPixels(*world);
    SetGWorld(*world, nullptr);
    NormalColors();
    EraseRect(rect);
    UnlockPixels(*world);
    SetPortByReference(saved);
    return noErr;
}

OSErr drawFile(const char* path, GWorldPtr* inOut, const Rect* rect, bool thumbnail, bool fit,
               SInt16 rotation, SInt16 mirrorH, SInt16 mirrorV) {
    if (!inOut) return paramErr;
    SInt16 width = 0, height = 0;
    if (const OSErr err = GetImageFileSize(path, thumbnail, &width, &height); err != noErr) return err;
    const bool turned = rotation == kPictureTurnLeft || rotation == kPictureTurnRight;
    Rect target = NaturalFrame(width, height, turned);
    if (!rect) {
        Rect limit;
        GetWindowRectIfScrolling(&limit);
        if (target.right > limit.right - limit.left || target.bottom > limit.bottom - limit.top)
            FitRectToRect(&target, &limit, 0, kFitTopLeft);
    } else if (fit) {
        FitRectToRect(&target, rect, 0, kFitTopLeft);
        OffsetRect(&target, rect->left, rect->top);
    } else {
        target = *rect;
    }
    if (EmptyRect(&target)) return paramErr;
    bool madeWorld = false;
    if (!*inOut) {
        if (const QDErr err = NewJPEGWorld(inOut, gMyBitWidth, &target); err != noErr) return err;
        madeWorld = true;
    }
    const WindowReference saved = GetPortReference();
    SetGWorld(*inOut, nullptr);
    const OSErr err =
        DrawImageFile(path, thumbnail, &target, mirrorH != 0, mirrorV != 0, turned ? rotation : 0);
    SetPortByReference(saved);
    if (err != noErr && madeWorld) MyDisposeGWorld(inOut);
    return err;
}

OSErr ReadJPEG(const char* path, GWorldPtr* out, const Rect* rect, bool thumbnail, bool fit, SInt16 rotation,
               SInt16 mirrorH, SInt16 mirrorV) {
    if (!out) return paramErr;
    const WindowReference saved = GetPortReference();
    if (!thumbnail) SetThemeCursor(kThemeWatchCursor);
    PictureOrientation asked{SInt16(mirrorH ? 1 : 0), SInt16(mirrorV ? 1 : 0), rotation};
    if (path && IsJPEGName(path)) {
        if (const SInt16 orientation = getExifOrientation(path); orientation != -1)
            asked = CombineOrientations(OrientationFromExif(orientation), asked);
    }
    GWorldPtr world = nullptr;
    const OSErr err =
        drawFile(path, &world, rect, thumbnail, fit, asked.rotation, asked.mirrorH, asked.mirrorV);
    if (err == noErr && world) *out = world;
    SetPortByReference(saved);
    if (!thumbnail) SetThemeCursor(kThemeArrowCursor);
    return err;
}

void CopyWindowToOffscreen(WindowPtr window, GWorldPtr world, const Rect* rect) {
    if (!window || !world) return;
    const WindowReference saved = GetPortReference();
    SetGWorld(world, nullptr);
    Rect from, to;
    if (rect) {
        from = to = *rect;
    } else {
        GetPortBounds(world, &to);
        GetPortBounds(GetWindowPort(window), &from);
    }
    NormalColors();
    CopyBits(GetWindowPort(window), world, &from, &to, srcCopy, nullptr);
    SetPortByReference(saved);
}

OSErr SaveJPEG(WindowPtr window, SInt16 rightMargin, const char* name, bool nameIsFullPath) {
    if (!window) return memFullErr;
    if (!name || !*name) return paramErr;
    std::string path = name;
    if (!nameIsFullPath) {
        const std::string folder = GetAppPathFolder(kPictureSequenceSlot);
        if (folder.empty()) return dirNFErr;
        path = folder + name;
    }
    Rect bounds;
    GetWindowBounds(window, kWindowContentRgn, &bounds);
    GWorldPtr world = nullptr;
    if (const QDErr err = NewJPEGWorld(&world, gMyBitWidth, &bounds); err != noErr) return err;
    CopyWindowToOffscreen(window, world, nullptr);
    Rect area;
    GetPortBounds(world, &area);
    area.right = SInt16(area.right - rightMargin);
    std::vector<UInt8> bytes;
    OSErr err = EncodePortAsJPEG(world, &area, kSequenceJPEGQuality, bytes);
    // The new file replaces an old one of the name only once it is complete.
    if (err == noErr) err = WriteFileAtomically(path, bytes);
    MyDisposeGWorld(&world);
    return err;
}
