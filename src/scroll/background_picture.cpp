// Drawing the background behind the prompter text: straight into the window in edit mode, and while
// scrolling through gAnotherOffscreen, the background made upright to the mirrored or turned output.
#include "scroll/background_picture.h"
#include "effects/effects.h"
#include "foundation/offscreen_copy.h"
#include "foundation/rect_fitting.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_compose.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"

namespace {

// The picture decoded at one size. Decoding is the slow part of drawing a picture, and a redraw mostly
// asks for the same picture at the same size, so the pixels are kept. The picture is recognised by its
// handle and its bytes, since a picture may be disposed of and another made at the same address.
struct DecodedPicture {
    GWorldPtr world = nullptr;
    PicHandle source = nullptr;
    Size bytes = 0;
    UInt32 digest = 0;
};
DecodedPicture gDecoded;

UInt32 DigestPicture(PicHandle picture) {
    UInt32 hash = 2166136261u;
    const Size size = GetHandleSize(picture);
    const UInt8* data = reinterpret_cast<const UInt8*>(*picture);
    for (Size i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

// The picture's pixels at the size (a rectangle at 0,0); null when no world can be made.
GWorldPtr GetDecodedPicture(PicHandle picture, const Rect& size) {
    const Size bytes = GetHandleSize(picture);
    const bool same = gDecoded.world && gDecoded.source == picture && gDecoded.bytes == bytes &&
                      WorldBounds(gDecoded.world) == size && gDecoded.digest == DigestPicture(picture);
    if (same) return gDecoded.world;
    DisposeWorld(&gDecoded.world);
    gDecoded.world = NewWorld(size);
    if (!gDecoded.world) return nullptr;
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(gDecoded.world, nullptr);
    NormalColors();
    EraseRect(&size);
    DrawPicture(picture, &size);
    SetGWorld(savedPort, savedDevice);
    gDecoded = {gDecoded.world, picture, bytes, DigestPicture(picture)};
    return gDecoded.world;
}

bool LiveVideoShows(SInt16 kind) {
    return kind == kPictureKindLiveVideo && gLiveVideoPort && !gQuitting;
}

// Starts the animated background in gMatrixPort, made with the upright size. A background that does not
// start gives the world back, so that its kind shows its still picture instead of an empty world.
void StartAnimatedBackground(SInt16 kind, const Rect& upright) {
    gMatrixPort = NewWorld(upright);
    if (!gMatrixPort) return;
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(gMatrixPort, nullptr);
    CheckOffscreenSizes(&gScrollTextRect, &gPictureRect);
    bool running = false;
    switch (kind) {
    case kPictureKindFalling:
        gMatrixReady ? FixTrixBounds() : InitializeMatrix();
        running = gMatrixReady;
        break;
    case kPictureKindMovie:
        if (gTheMovie) FixMovieBounds();
        running = gTheMovie != nullptr;
        break;
    case kPictureKindStars:
        gStarsReady ? FixStarBounds() : InitializeStars();
        running = gStarsReady;
        break;
    case kPictureKindMandala:
        gSpirographReady ? FixSpirographBounds() : InitializeSpirograph();
        running = gSpirographReady;
        break;
    default:
        break;
    }
    SetGWorld(savedPort, savedDevice);
    if (!running) DisposeWorld(&gMatrixPort);
}

// gAnotherOffscreen at the picture's size, remade only when that size changed.
bool PrepareUprightWorld(const Rect& size) {
    if (gAnotherOffscreen && WorldBounds(gAnotherOffscreen) == size) return true;
    DisposeWorld(&gAnotherOffscreen);
    gAnotherOffscreen = NewWorld(size);
    return gAnotherOffscreen != nullptr;
}

void FillUprightWorld(SInt16 kind, const Rect& picture, const Rect& upright) {
    const SInt16 rotation = GetPref(gThePreferences, kPrefRotation);
    if (ThisScrollAgainstNeedsMatrixPort(kind) && gMatrixPort) {
        CopyTurnedAsOutput(gMatrixPort, gAnotherOffscreen, RotateRect(nullptr, picture, rotation, 1), picture,
                           true);
    } else if (LiveVideoShows(kind)) {
        CopyTurnedAsOutput(gLiveVideoPort, gAnotherOffscreen, gLiveVideoBounds, picture, true);
    } else if (GWorldPtr decoded = GetDecodedPicture(gThePicture, upright)) {
        CopyTurnedAsOutput(decoded, gAnotherOffscreen, upright, picture, true);
    }
    if (GetPref(gThePreferences, kPrefOverlaysOn)) {
        CGrafPtr savedPort;
        GDHandle savedDevice;
        GetGWorld(&savedPort, &savedDevice);
        SetGWorld(gAnotherOffscreen, nullptr);
        CopyOverlaysToPort(1);
        SetGWorld(savedPort, savedDevice);
    }
}

RgnHandle SavedClip() {
    static RgnHandle clip = NewRgn();
    return clip;
}

// Edit mode draws the background straight into the current port, within the area the text may take.
void DrawUnscrolled(SInt16 kind, CGrafPtr port) {
    RgnHandle clip = SavedClip();
    GetClip(clip);
    ClipRect(&gAvailableRect);
    if (LiveVideoShows(kind) && myScrollWindow) {
        CopyOffscreenToWindow(gLiveVideoPort, myScrollWindow, &gLiveVideoBounds, &gPictureRect);
        SetGWorld(port, nullptr);
    } else if (GWorldPtr decoded = GetDecodedPicture(gThePicture, AtOrigin(gPictureRect))) {
        RGBColor back;
        GetBackColor(&back);
        const Rect from = WorldBounds(decoded);
        CopyBitsUnchanged(decoded, port, &from, &gPictureRect);
        RGBBackColor(&back);
    }
    SetClip(clip);
}

void DrawScrolled(SInt16 kind, CGrafPtr port, SInt16 dh, SInt16 dv) {
    CGrafPtr window = myScrollWindow ? GetWindowPort(myScrollWindow) : nullptr;
    if (port != window && GetWindowFromPort(port)) return;
    const Rect picture = AtOrigin(gPictureRect);
    const Rect upright = RotateRect(nullptr, picture, SInt16(-GetPref(gThePreferences, kPrefRotation)), 1);
    if (EmptyRect(&picture)) return;
    if (ThisScrollAgainstNeedsMatrixPort(kind) && !gMatrixPort) StartAnimatedBackground(kind, upright);
    if (kind == kPictureKindLiveVideo && !gQuitting) {
        if (!gLiveCaptureRunning)
            StartLiveCapture(0, 0);
        else
            ResumeLiveCapture();
    }
    if (!PrepareUprightWorld(picture)) return;
    FillUprightWorld(kind, picture, upright);
    SetGWorld(port, nullptr);
    RGBColor back;
    GetBackColor(&back);
    Rect to = WorldBounds(port) == picture ? picture : gPictureRect;
    OffsetRect(&to, dh, dv);
    CopyBitsUnchanged(gAnotherOffscreen, port, &picture, &to);
    if (port == window) {
        const Rect content = GetScrollWindowContent();
        ClipRect(&content);
    }
    RGBBackColor(&back);
}

} // namespace

void DrawScrollPicture(SInt16 dh, SInt16 dv) {
    CGrafPtr port;
    GDHandle device;
    GetGWorld(&port, &device);
    PrefsRecord& p = gThePreferences;
    const SInt16 kind = GetPref(p, kPrefBackgroundKind);
    if (!gThePicture) gThePicture = GetBackgroundPictureForKind(kind);
    SetGWorld(port, device);
    if (!gThePicture) gThePicture = GetBuiltInPicture(kFallbackPictureItem);
    if (!gThePicture) return;

    const bool scrolling = gScrollOn != kScrollOff;
    const bool wasFlipped = isflipped;
    if (scrolling) FlipScreenRects(0);
    const Rect saved = GetPref(p, kPrefPictureRect);
    const SInt16 position =
        GetPictureRect(GetPref(p, kPrefPictureFillsArea) != 0, GetPref(p, kPrefPictureKeepsProportions) != 0,
                       GetPref(p, kPrefPicturePosition), kind, &saved, &gAvailableRect, &gPictureRect,
                       gThePicture, gTheMovie, gVideoChannel);
    SetPref(p, kPrefPicturePosition, position);
    SetGWorld(port, device);
    if (!scrolling) {
        DrawUnscrolled(kind, port);
        return;
    }
    if (wasFlipped) FlipScreenRects(1);
    DrawScrolled(kind, port, dh, dv);
    SetGWorld(port, device);
}

void DisposeScrollPicture() {
    if (gThePicture) DisposeHandle(gThePicture);
    gThePicture = nullptr;
    DisposeWorld(&gDecoded.world);
    gDecoded = {};
}
