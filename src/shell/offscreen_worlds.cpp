// Making, re-sizing and disposing of the prompter's offscreen worlds, and copying a composed world to
// the prompter window. Worlds are remade only when the layout asks for another size, never per tick.
#include "shell/offscreen_worlds.h"

#include "effects/effects.h"
#include "foundation/offscreen_copy.h"
#include "foundation/rect_fitting.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_compose.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

GWorldPtr gAnotherOffscreen = nullptr;
GWorldPtr gMatrixPort = nullptr;
RgnHandle gUpdateRgn = nullptr;

namespace {

RGBColor PrompterBackColor() {
    return GetPref(gThePreferences, kPrefPrompterFormat).backColor;
}

void EraseWorld(GWorldPtr world, const Rect& area) {
    GrafPtr saved;
    GetPort(&saved);
    SetPort(world);
    const RGBColor back = PrompterBackColor();
    RGBBackColor(&back);
    EraseRect(&area);
    SetPort(saved);
}

// The scroll world covers the text rectangle as the rotated output draws it.
Rect ScrollWorldBounds(const Rect& textRect) {
    Rect frame = GetScrollWindowContent();
    frame.right -= kScrollBarStrip;
    return RotateRect(&frame, textRect, SInt16(-GetPref(gThePreferences, kPrefRotation)), gScrollOn);
}

void AttachPrompterText(GrafPtr port) {
    myScrollWindowAlias = port;
    if (ScrollWEHandle) SetScrollPort(port, ScrollWEHandle);
}

// Replaces the world when it no longer has the wanted bounds; a world that cannot be made leaves the old
// one in place.
bool ReplaceWorldIfResized(GWorldPtr* world, const Rect& wanted) {
    if (!*world || WorldBounds(*world) == wanted) return false;
    GWorldPtr made = NewWorld(wanted);
    if (!made) return false;
    DisposeGWorld(*world);
    *world = made;
    EraseWorld(made, wanted);
    return true;
}

} // namespace

void PreparePlainBackgroundWorld() {
    if (!gAnotherOffscreen) {
        gPictureRect = gScrollTextRect;
        gAnotherOffscreen = NewWorld(AtOrigin(gPictureRect));
    }
    if (gAnotherOffscreen) EraseWorld(gAnotherOffscreen, WorldBounds(gAnotherOffscreen));
}

void CreateOffscreenWindows() {
    if (!myScrollWindow) return;
    if (gOffscreenScrollWindow) {
        CheckOffscreenSizes(&gScrollTextRect, &gPictureRect);
        return;
    }
    const Rect scrollBounds = ScrollWorldBounds(gScrollTextRect);
    gOffscreenScrollWindow = NewWorld(scrollBounds);
    if (!gOffscreenScrollWindow) return;
    gOffscreenExtraWindow = NewWorld(gScrollTextRect);
    if (!gOffscreenExtraWindow) {
        DisposeGWorld(gOffscreenScrollWindow);
        gOffscreenScrollWindow = nullptr;
        return;
    }
    EraseWorld(gOffscreenScrollWindow, scrollBounds);
    AttachPrompterText(gOffscreenScrollWindow);
    if (!gUpdateRgn) gUpdateRgn = NewRgn();
    SetPort(GetWindowPort(myScrollWindow));
    if (GetPref(gThePreferences, kPrefBackgroundKind) == 0) PreparePlainBackgroundWorld();
}

void MakeBlankWindow(const Rect* rect) {
    if (!rect) return;
    if (gOffscreenBlankWindow) DisposeGWorld(gOffscreenBlankWindow);
    const Rect bounds = AtOrigin(*rect);
    gOffscreenBlankWindow = NewWorld(bounds);
    if (!gOffscreenBlankWindow) return;
    EraseWorld(gOffscreenBlankWindow, bounds);
    if (GetPref(gThePreferences, kPrefBackgroundKind) != 0) {
        GrafPtr saved;
        GetPort(&saved);
        SetPort(gOffscreenBlankWindow);
        DrawScrollPicture(0, 0);
        SetPort(saved);
    }
}

void CheckOffscreenSizes(const Rect* textRect, const Rect* pictureRect) {
    if (!textRect) return;
    GrafPtr saved;
    GetPort(&saved);
    if (ReplaceWorldIfResized(&gOffscreenScrollWindow, ScrollWorldBounds(*textRect))) {
        if (saved != GetWindowPort(myScrollWindow) && saved == myScrollWindowAlias)
            saved = gOffscreenScrollWindow;
        AttachPrompterText(gOffscreenScrollWindow);
    }
    ReplaceWorldIfResized(&gOffscreenExtraWindow, *textRect);
    const bool pictureKind = GetPref(gThePreferences, kPrefBackgroundKind) != 0;
    const Rect background = AtOrigin(pictureKind && pictureRect ? *pictureRect : *textRect);
    ReplaceWorldIfResized(&gAnotherOffscreen, background);
    SetPort(saved);
}

void DestroyOffscreenWindows() {
    GrafPtr current;
    GetPort(&current);
    const bool portGoes = current && (current == gAnotherOffscreen || current == gOffscreenBlankWindow ||
                                      current == gOffscreenScrollWindow || current == gOffscreenExtraWindow);
    if (portGoes && myScrollWindow) SetPort(GetWindowPort(myScrollWindow));
    for (GWorldPtr* world : {&gAnotherOffscreen, &gOffscreenBlankWindow, &gOffscreenScrollWindow})
        DisposeWorld(world);
    myScrollWindowAlias = myScrollWindow ? GetWindowPort(myScrollWindow) : nullptr;
    DisposeWorld(&gOffscreenExtraWindow);
    if (gUpdateRgn) DisposeRgn(gUpdateRgn);
    gUpdateRgn = nullptr;
    if (ScrollWEHandle && myScrollWindowAlias) SetScrollPort(myScrollWindowAlias, ScrollWEHandle);
}

void DestroyTheMatrix() {
    finishmatrix();
    finishstars();
    finishSpirograph();
    DisposeWorld(&gMatrixPort);
}

namespace {

// Copies a world onto the prompter in plain colours so that the pixels arrive unchanged, then gives the
// prompter its back colour again.
void CopyWorldOntoPort(GWorldPtr world, CGrafPtr port, const Rect& source, const Rect& dest) {
    CopyBitsUnchanged(world, port, &source, &dest);
    const RGBColor back = PrompterBackColor();
    RGBBackColor(&back);
}

} // namespace

void CopyOffscreenToScrollWindow() {
    if (!gOffscreenExtraWindow || !myScrollWindow) return;
    if (GetPref(gThePreferences, kPrefOverlaysOn)) CopyOverlaysToPort(1);
    CopyOffscreenRectToScrollWindow(WorldBounds(gOffscreenExtraWindow));
}

void CopyOffscreenRectToScrollWindow(const Rect& part) {
    if (!gOffscreenExtraWindow || !myScrollWindow) return;
    SetPort(GetWindowPort(myScrollWindow));
    Rect clip = GetScrollWindowContent();
    clip.right -= kScrollBarStrip;
    if (GetPref(gThePreferences, kPrefShowInformation)) {
        if (GetPref(gThePreferences, kPrefFlip))
            clip.top += kInfoStrip;
        else
            clip.bottom -= kInfoStrip;
    }
    // Runs every tick: the region that keeps the clip is made once.
    static RgnHandle savedClip = NewRgn();
    GetClip(savedClip);
    ClipRect(&clip);
    CopyWorldOntoPort(gOffscreenExtraWindow, GetWindowPort(myScrollWindow), part, part);
    SetClip(savedClip);
}

void CopyPictureToScrollWindow(GWorldPtr world, WindowPtr window, const Rect* source, const Rect* dest) {
    if (!world || !window || !source || !dest) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(window));
    CopyWorldOntoPort(world, GetWindowPort(window), *source, *dest);
    SetPort(saved);
}

SInt16 WorldDepth() {
    return gMyBitWidth > 0 ? gMyBitWidth : 32;
}

GWorldPtr NewWorld(const Rect& bounds) {
    if (EmptyRect(&bounds)) return nullptr;
    GWorldPtr world = nullptr;
    if (NewGWorld(&world, WorldDepth(), &bounds, nullptr, nullptr, 0) != noErr) return nullptr;
    return world;
}

void DisposeWorld(GWorldPtr* world) {
    if (*world) DisposeGWorld(*world);
    *world = nullptr;
}
