// Mouse-tracked rectangles, blinking frames and dimming.
#include "shell/rect_tracking.h"

#include "foundation/checked_wrappers.h"
#include "foundation/error_dialog.h"
#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "scroll/rubber_band.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"

namespace {

constexpr RGBColor kBlack{0, 0, 0};
constexpr RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};

// Pen and colours of the current port, put back when the drawing is done.
struct PenAndColors {
    PenState pen;
    RGBColor fore, back;
    PenAndColors() {
        GetPenState(&pen);
        GetForeColor(&fore);
        GetBackColor(&back);
    }
    ~PenAndColors() {
        SetPenState(&pen);
        RGBForeColor(&fore);
        RGBBackColor(&back);
    }
};

void UseXorBlackOnWhite() {
    PenNormal();
    PenMode(patXor);
    RGBForeColor(&kBlack);
    RGBBackColor(&kWhite);
}

void FlushCurrentPort() {
    GrafPtr port;
    GetPort(&port);
    QDFlushPortBuffer(port, nullptr);
}

// One pass of a tracking loop: true while the button is held. Waiting a tick between looks lets events
// and the program's timer run without spinning.
bool StillTracking() {
    if (!StillDown()) return false;
    Delay(1, nullptr);
    return true;
}

void KeepWithin(Rect* r, const Rect& limit, bool inside) {
    SInt16 dh = 0, dv = 0;
    if (inside) {
        if (r->right > limit.right) dh = SInt16(limit.right - r->right);
        if (r->left + dh < limit.left) dh = SInt16(limit.left - r->left);
        if (r->bottom > limit.bottom) dv = SInt16(limit.bottom - r->bottom);
        if (r->top + dv < limit.top) dv = SInt16(limit.top - r->top);
    } else {
        // Wholly beyond a side: back until one row or column is inside again.
        if (r->right <= limit.left) dh = SInt16(limit.left + 1 - r->right);
        if (r->left >= limit.right) dh = SInt16(limit.right - 1 - r->left);
        if (r->bottom <= limit.top) dv = SInt16(limit.top + 1 - r->bottom);
        if (r->top >= limit.bottom) dv = SInt16(limit.bottom - 1 - r->top);
    }
    OffsetRect(r, dh, dv);
}

SInt16 Clamp(SInt16 v, SInt16 lo, SInt16 hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

} // namespace

bool DragRectangle(WindowPtr window, Point start, Rect* rectangle, const Rect* limit, bool inside) {
    if (!window || !rectangle) return false;
    const WindowReference saved = GetPortReference();
    GetWindowRefandSetPort(window);
    const Rect original = *rectangle;
    Rect current = original;
    // The outline is this loop's own: no offset of a moved mark applies, nor its clip.
    const Point savedOffset = UnitOffset;
    const Rect savedClip = gShiftLimitRect;
    UnitOffset = Point{0, 0};
    gShiftLimitRect = Rect{};
    const bool limited = limit && !EmptyRect(limit);
    TrackActors(window, &current);
    QDFlushPortBuffer(GetWindowPort(window), nullptr);
    Point mouse = start;
    auto follow = [&] {
        GetMouse(&mouse);
        Rect moved = original;
        OffsetRect(&moved, geeLockHorizontal ? 0 : SInt16(mouse.h - start.h),
                   geeLockVertical ? 0 : SInt16(mouse.v - start.v));
        if (limited) KeepWithin(&moved, *limit, inside);
        if (!EqualRect(&moved, &current)) {
            TrackActors(window, &current);
            current = moved;
            TrackActors(window, &current);
            QDFlushPortBuffer(GetWindowPort(window), nullptr);
        }
    };
    do
        follow();
    while (StillTracking());
    // Where the button was let go: the last movement may have come with the release.
    follow();
    TrackActors(window, &current);
    QDFlushPortBuffer(GetWindowPort(window), nullptr);
    UnitOffset = savedOffset;
    gShiftLimitRect = savedClip;
    SetPortByReference(saved);
    const bool moved = (!geeLockHorizontal && mouse.h != start.h) || (!geeLockVertical && mouse.v != start.v);
    if (moved) *rectangle = current;
    return moved;
}

bool NewRubberRect(void* target, SInt16 kind, Point start, Rect* rectangle, const Rect* limit,
                   bool lockHorizontal, bool lockVertical) {
    if (kind != kRubberInWindow && kind != kRubberInDialog && kind != kRubberInPort) {
        DoErrorMessageText("What is this in NewRubberRect?");
        return false;
    }
    if (!target || !rectangle) return false;
    const WindowReference saved = GetPortReference();
    if (kind == kRubberInWindow)
        GetWindowRefandSetPort(static_cast<WindowPtr>(target));
    else if (kind == kRubberInDialog)
        GetDialogRefandSetPort(static_cast<DialogPtr>(target));
    else
        GetPortRefandSetPort(static_cast<GrafPtr>(target));
    GrafPtr port;
    GetPort(&port);

    // The band's steps read the drag's origin, locks and last rectangle from the shared rubber band state;
    // whatever drag owns that state now gets it back afterwards.
    const Point savedOrigin = geeMouseDownPosition;
    const Rect savedLast = gRubberlastrect;
    const Point savedPoint = gRubberlastpoint;
    const bool savedH = geeLockHorizontal, savedV = geeLockVertical, savedSquare = geeLockSquare;
    geeMouseDownPosition = start;
    geeLockHorizontal = lockHorizontal;
    geeLockVertical = lockVertical;
    geeLockSquare = false;
    gRubberlastrect = EmptyRect(rectangle) ? Rect{start.v, start.h, start.v, start.h} : *rectangle;
    const bool limited = limit && !EmptyRect(limit);
    const auto mouse = [&] {
        Point p;
        GetMouse(&p);
        if (limited) {
            p.h = Clamp(p.h, limit->left, limit->right);
            p.v = Clamp(p.v, limit->top, limit->bottom);
        }
        return p;
    };
    {
        PenAndColors keep;
        RubberStepInPort(true, mouse(), port, kRubberRectangle, true);
        while (StillTracking())
            RubberStepInPort(false, mouse(), port, kRubberRectangle, true);
        // Where the button was let go; the last step takes the band away.
        RubberStepInPort(false, mouse(), port, kRubberRectangle, false);
    }
    const Rect current = gRubberlastrect;

    geeMouseDownPosition = savedOrigin;
    gRubberlastrect = savedLast;
    gRubberlastpoint = savedPoint;
    geeLockHorizontal = savedH;
    geeLockVertical = savedV;
    geeLockSquare = savedSquare;
    SetPortByReference(saved);
    *rectangle = current;
    return !EmptyRect(&current);
}

void BlinkRects(const Rect* rectangle, const Rect* second, SInt16 markSize) {
    if (!myScrollWindow || !rectangle) return;
    const WindowReference saved = GetPortReference();
    GetAliasRefandSetPort(myScrollWindow);
    {
        PenAndColors keep;
        UseXorBlackOnWhite();
        FrameRect(rectangle);
        if (markSize > 0) {
            const Rect& r = *rectangle;
            const SInt16 m = markSize;
            // Each mark is two strips that do not share a pixel, so exclusive-or leaves no hole.
            const Rect marks[8] = {
                {SInt16(r.top + m), SInt16(r.left + m), SInt16(r.top + m + 1), SInt16(r.left + 2 * m)},
                {SInt16(r.top + m + 1), SInt16(r.left + m), SInt16(r.top + 2 * m), SInt16(r.left + m + 1)},
                {SInt16(r.top + m), SInt16(r.right - 2 * m), SInt16(r.top + m + 1), SInt16(r.right - m)},
                {SInt16(r.top + m + 1), SInt16(r.right - m - 1), SInt16(r.top + 2 * m), SInt16(r.right - m)},
                {SInt16(r.bottom - m - 1), SInt16(r.left + m), SInt16(r.bottom - m), SInt16(r.left + 2 * m)},
                {SInt16(r.bottom - 2 * m), SInt16(r.left + m), SInt16(r.bottom - m - 1),
                 SInt16(r.left + m + 1)},
                {SInt16(r.bottom - m - 1), SInt16(r.right - 2 * m), SInt16(r.bottom - m),
                 SInt16(r.right - m)},
                {SInt16(r.bottom - 2 * m), SInt16(r.right - m - 1), SInt16(r.bottom - m - 1),
                 SInt16(r.right - m)},
            };
            for (const Rect& mark : marks)
                PaintRect(&mark);
        }
        if (second) FrameRect(second);
        FlushCurrentPort();
    }
    SetPortByReference(saved);
}

void DimRect(GrafPtr port, const Rect* rectangle) {
    if (!port || !rectangle || EmptyRect(rectangle)) return;
    const WindowReference saved = GetPortReference();
    const Rect area{0, 0, RectHeight(*rectangle), RectWidth(*rectangle)};
    GWorldPtr white = nullptr, copy = nullptr;
    const SInt16 depth = gMyBitWidth > 32 ? SInt16(gMyBitWidth - 32) : gMyBitWidth;
    if (MyNewGWorld(&white, depth, &area, nullptr, nullptr, 0, 3) == noErr && white &&
        MyNewGWorld(&copy, depth, &area, nullptr, nullptr, 0, 3) == noErr && copy) {
        GetPortRefandSetPort(white);
        EraseRect(&area);
        NormalColors();
        CopyBits(port, copy, rectangle, &area, srcCopy, nullptr);
        GetPortRefandSetPort(copy);
        const RGBColor half{0x8000, 0x8000, 0x8000};
        OpColor(&half);
        NormalColors();
        CopyBits(white, copy, &area, &area, blend, nullptr);
        GetPortRefandSetPort(port);
        RGBColor fore, back;
        GetForeColor(&fore);
        GetBackColor(&back);
        NormalColors();
        CopyBits(copy, port, &area, rectangle, srcCopy, nullptr);
        RGBForeColor(&fore);
        RGBBackColor(&back);
    }
    if (white) MyDisposeGWorld(&white);
    if (copy) MyDisposeGWorld(&copy);
    SetPortByReference(saved);
}
