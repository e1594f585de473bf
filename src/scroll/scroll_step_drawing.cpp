// The frame drawn after each move of the prompter text. Everything here runs on every scroll tick, so
// it allocates nothing and copies only what the move uncovered where the output allows.
#include "scroll/scroll_step_drawing.h"

#include "effects/effects.h"
#include "effects/shapes.h"
#include "foundation/offscreen_copy.h"
#include "foundation/rect_fitting.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/highlight.h"
#include "scroll/prompter_compose.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_position.h"
#include "scroll/text_layer_copy.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"

#include <algorithm>

namespace {

// Copies the rows of the text world that the highlight changed onto the composite world as the output
// shows them, and gives the part of the window they cover. False when the output turns or shapes the
// text or lays overlays over it: the whole layer must then be copied.
bool ComposeHighlightBand(const Rect& band, Rect* shown) {
    const PrefsRecord& p = gThePreferences;
    if (GetPref(p, kPrefTextFlowsInShape) || GetPref(p, kPrefOverlaysOn) ||
        (GetPref(p, kPrefRotation) && gScrollOn))
        return false;
    const Rect text = gScrollTextRect;
    const Rect world = TurnedToTextWorld(text);
    const SInt16 from = SInt16(std::max(band.top, world.top) - world.top);
    const SInt16 to = SInt16(std::min(band.bottom, world.bottom) - world.top);
    *shown = Rect{};
    if (from >= to) return true;
    const bool flip = GetPref(p, kPrefFlip) != 0;
    const Rect source{SInt16(world.top + from), world.left, SInt16(world.top + to), world.right};
    const Rect destination =
        flip ? Rect{SInt16(text.bottom - to), text.left, SInt16(text.bottom - from), text.right}
             : Rect{SInt16(text.top + from), text.left, SInt16(text.top + to), text.right};
    SetGWorld(gOffscreenExtraWindow, nullptr);
    CopyOffscreentoOffscreen(gOffscreenScrollWindow, gOffscreenExtraWindow, &source, &destination,
                             GetPref(p, kPrefMirror) != 0, flip, 0, 0, nullptr, kSourceCopy, nullptr, nullptr,
                             kDestinationCopy, nullptr, nullptr, false, 0);
    *shown = destination;
    return true;
}

// The animated backgrounds are drawn upright in gMatrixPort and turned into the background world here.
void ComposeBackgroundWorld() {
    const PrefsRecord& p = gThePreferences;
    const bool overlays = GetPref(p, kPrefOverlaysOn) != 0;
    if (ThisScrollAgainstNeedsMatrixPort(GetPref(p, kPrefBackgroundKind)) && gMatrixPort) {
        SetGWorld(gAnotherOffscreen, nullptr);
        const Rect picture = AtOrigin(gPictureRect);
        CopyTurnedAsOutput(gMatrixPort, gAnotherOffscreen,
                           RotateRect(nullptr, picture, GetPref(p, kPrefRotation), 1), picture, true);
        if (overlays) {
            CopyOverlaysToPort(1);
            CopyOverlaysToPort(2);
        }
    } else if (overlays) {
        SetGWorld(gAnotherOffscreen, nullptr);
        CopyOverlaysToPort(2);
    }
}

void ComposeOverBackground(const Rect& text) {
    // The whole text layer is copied, the highlight's changes with it.
    TakeHighlightBand(nullptr);
    ComposeBackgroundWorld();
    SetGWorld(gOffscreenExtraWindow, nullptr);
    Rect covered{};
    const bool any = SectRect(&gPictureRect, &text, &covered);
    // Where the background covers the whole text rectangle, erasing first would only be written over.
    if (!any || !(covered == text)) {
        const RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
        RGBBackColor(&back);
        EraseRect(&text);
    }
    if (any) {
        Rect from = covered;
        OffsetRect(&from, SInt16(-gPictureRect.left), SInt16(-gPictureRect.top));
        CopyBitsUnchanged(gAnotherOffscreen, gOffscreenExtraWindow, &from, &covered);
    }
    const Rect source = TurnedToTextWorld(text);
    DoScrollToExtraCopy(&source, &text);
}

} // namespace

void ComposeTextOnly(const Rect& text, SInt32 pixels) {
    const PrefsRecord& p = gThePreferences;
    const bool flip = GetPref(p, kPrefFlip) != 0;
    const bool lineHighlight = GetPref(p, kPrefHighlightKind) == kHighlightLine;
    const bool overlays = GetPref(p, kPrefOverlaysOn) != 0;
    Rect band{};
    const bool highlightChanged = TakeHighlightBand(&band);
    Rect destination = text, source = TurnedToTextWorld(text);
    // Turned output moves the text across the composite world's rows, so shifting rows would smear it:
    // the whole layer is copied then.
    const bool strips = !GetPref(p, kPrefTextFlowsInShape) && !(GetPref(p, kPrefRotation) && gScrollOn) &&
                        !lineHighlight && (flip || !overlays) && !(highlightChanged && overlays);
    SetGWorld(gOffscreenExtraWindow, nullptr);
    if (strips && FindExposedStrip(text, pixels, flip, &destination, &source))
        ScrollRect(&text, 0, SInt16(flip ? -pixels : pixels), gUpdateRgn);
    Handle shape = specialshapeinfo;
    if (shape) {
        CheckShapeInfoSize(&destination);
        shape = specialshapeinfo;
    }
    if (shape) HLock(shape);
    if (overlays) CopyOverlaysToPort(2);
    CopyOffscreentoOffscreen(gOffscreenScrollWindow, gOffscreenExtraWindow, &source, &destination,
                             GetPref(p, kPrefMirror) != 0, flip, GetPref(p, kPrefRotation),
                             UInt16(GetPref(p, kPrefTextFlowsInShape)), shape ? *shape : nullptr, kSourceCopy,
                             nullptr, nullptr, kDestinationCopy, nullptr, nullptr, false, 0);
    if (shape) HUnlock(shape);
    // Rows the highlight coloured outside the uncovered strip.
    Rect shown{};
    if (highlightChanged && destination != text) ComposeHighlightBand(band, &shown);
}

bool FindExposedStrip(const Rect& textRect, SInt32 pixels, bool flip, Rect* destination, Rect* source) {
    const SInt32 top = textRect.top, bottom = textRect.bottom;
    const SInt32 move = flip ? -SInt64(pixels) : pixels;
    Rect shown = textRect;
    if (move < 0)
        shown.top = SInt16(std::max<SInt64>(bottom + SInt64(move), top));
    else
        shown.bottom = SInt16(std::min<SInt64>(top + SInt64(move), bottom));
    if (shown == textRect || move == 0) return false;
    Rect from = shown;
    if (flip) {
        from = textRect;
        if (move < 0)
            from.bottom = SInt16(std::min<SInt64>(top - SInt64(move), bottom));
        else
            from.top = SInt16(std::max<SInt64>(bottom - SInt64(move), top));
    }
    *destination = shown;
    *source = from;
    return true;
}

void DrawScrollStep(SInt32 pixels) {
    if (!myScrollWindow) return;
    CGrafPtr windowPort = GetWindowPort(myScrollWindow);
    if (!gOffscreenExtraWindow || !gOffscreenScrollWindow) {
        TakeHighlightBand(nullptr);
        QDFlushPortBuffer(windowPort, nullptr);
        return;
    }
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    const Rect text = gScrollTextRect;
    if (gAnotherOffscreen)
        ComposeOverBackground(text);
    else
        ComposeTextOnly(text, pixels);
    CopyOffscreenToScrollWindow();
    DrawPrompterScrollBar(false);
    QDFlushPortBuffer(windowPort, nullptr);
    SetGWorld(savedPort, savedDevice);
}

void DrawHighlightChange() {
    Rect band{};
    if (!myScrollWindow || !TakeHighlightBand(&band)) return;
    CGrafPtr windowPort = GetWindowPort(myScrollWindow);
    // Without offscreen worlds the text engine drew the change straight into the window.
    if (gOffscreenExtraWindow && gOffscreenScrollWindow) {
        CGrafPtr savedPort;
        GDHandle savedDevice;
        GetGWorld(&savedPort, &savedDevice);
        Rect shown{};
        if (!gAnotherOffscreen && ComposeHighlightBand(band, &shown)) {
            if (!EmptyRect(&shown)) CopyOffscreenRectToScrollWindow(shown);
        } else {
            if (gAnotherOffscreen)
                ComposeOverBackground(gScrollTextRect);
            else
                ComposeTextOnly(gScrollTextRect, 0);
            CopyOffscreenToScrollWindow();
        }
        SetGWorld(savedPort, savedDevice);
    }
    QDFlushPortBuffer(windowPort, nullptr);
}
