// The rubber band: a rectangle, oval or line spanned from the press to the mouse, drawn a step at a time
// in exclusive-or on the prompter, in a dialog or in a port.
#include "scroll/rubber_band.h"

#include "foundation/error_dialog.h"
#include "foundation/window_references.h"
#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"

#include <algorithm>
#include <cstdlib>

namespace {

void DrawShape(const Rect& r, SInt16 shape) {
    if (shape == kRubberOval) return FrameOval(&r);
    if (shape == kRubberLine) {
        MoveTo(r.left, r.top);
        return LineTo(r.right, r.bottom);
    }
    FrameRect(&r);
}

} // namespace

void RestorePrompterColors() {
    const TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    RGBForeColor(&format.textColor);
    RGBBackColor(&format.backColor);
}

Rect RubberShapeFor(Point o, Point p, SInt16 shape, const Rect& last, bool lockHorizontal, bool lockVertical,
                    bool lockSquare) {
    Rect r = last;
    if (lockSquare) {
        const SInt16 dh = SInt16(std::abs(o.h - p.h));
        const SInt16 dv = SInt16(std::abs(o.v - p.v));
        if (shape == kRubberLine) {
            if (dh < dv)
                p.h = o.h;
            else
                p.v = o.v;
        } else if (dh < dv) {
            p.v = SInt16(o.v > p.v ? o.v - dh : o.v + dh);
        } else if (dh > dv) {
            p.h = SInt16(o.h > p.h ? o.h - dv : o.h + dv);
        }
    }
    if (shape == kRubberLine) {
        if (!lockHorizontal) {
            r.left = o.h;
            r.right = p.h;
        }
        if (!lockVertical) {
            r.top = o.v;
            r.bottom = p.v;
        }
        return r;
    }
    if (!lockHorizontal) {
        r.left = std::min(o.h, p.h);
        r.right = std::max(o.h, p.h);
    }
    if (!lockVertical) {
        r.top = std::min(o.v, p.v);
        r.bottom = std::max(o.v, p.v);
    }
    return r;
}

void RubberStepInPort(bool first, Point p, GrafPtr port, SInt16 shape, bool draw) {
    GrafPtr saved;
    GetPort(&saved);
    SetPort(port);
    const Point o = geeMouseDownPosition;
    gRubberRightToLeft = o.h > p.h ? 1 : 0;
    gRubberBottomToTop = o.v > p.v ? 1 : 0;
    PenState pen;
    GetPenState(&pen);
    PenNormal();
    const RGBColor black{0, 0, 0}, white{0xFFFF, 0xFFFF, 0xFFFF};
    RGBForeColor(&black);
    RGBBackColor(&white);
    PenMode(patXor);
    if (first) {
        gRubberlastpoint = Point{-1, -1};
        if (!geeLockHorizontal && !geeLockVertical) gRubberlastrect = Rect{};
    }
    const bool still = p.h == gRubberlastpoint.h && p.v == gRubberlastpoint.v;
    if (!(still && draw)) {
        if (!first) {
            DrawShape(gRubberlastrect, shape);
            QDFlushPortBuffer(port, nullptr);
        }
        gRubberlastrect =
            RubberShapeFor(o, p, shape, gRubberlastrect, geeLockHorizontal, geeLockVertical, geeLockSquare);
        if (draw) {
            DrawShape(gRubberlastrect, shape);
            QDFlushPortBuffer(port, nullptr);
        }
        gRubberlastpoint = p;
    }
    SetPenState(&pen);
    RestorePrompterColors();
    SetPort(saved);
}

void RubberRect(bool first, const EventRecord* event, void* window, SInt16 portKind, SInt16 shape) {
    if (portKind != kRubberPortWindow && portKind != kRubberPortDialog) {
        DoErrorMessageText("What is this in RubberRect?");
        return;
    }
    if (!event || !window) return;
    const GrafPtr port = portKind == kRubberPortWindow ? GetWindowPort(static_cast<WindowPtr>(window))
                                                       : GetDialogPort(static_cast<DialogPtr>(window));
    GrafPtr saved;
    GetPort(&saved);
    SetPort(port);
    Point p = event->where;
    GlobalToLocal(&p);
    SetPort(saved);
    RubberStepInPort(first, p, port, shape, HeyImDraggingARect);
}
