// The radial dial that sets a two-dimensional offset (the prompter text's drop shadow, as a share of the
// width of an "A") and the three-position knife switch: drawing, tracking and where the mouse puts them.
#include "controls/custom_controls.h"
#include "controls/custom_tracking.h"

#include "foundation/global_lists.h"
#include "foundation/popup_items.h"
#include "platform/events.h"
#include "platform/text_drawing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFixedOne = 65536.0;
constexpr double kLimit = 100.0;
constexpr SInt16 kHandle = 6;

const RGBColor kBlack{0, 0, 0};
const RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};

// The angle of a zero vector: the last one the dial pointed at.
RESETTABLE(double, gLastAngle, 0.0);

struct Dial {
    double h, v;    // centre
    double outer;   // radius of the rect's circle
    double inner;   // the circle inset 3
    double scale;   // pixels per unit of value
    double pointer; // pointer length at value 100
};

Dial DialOf(const Rect& r) {
    Dial d;
    d.h = (r.left + r.right) / 2.0;
    d.v = (r.top + r.bottom) / 2.0;
    d.outer = std::min(r.right - r.left, r.bottom - r.top) / 2.0;
    d.inner = d.outer - 3;
    d.pointer = std::max(d.inner - 6, 1.0);
    d.scale = d.pointer / kLimit;
    return d;
}

double ToUnits(Fixed f) {
    return f / kFixedOne;
}
Fixed ToFixed(double units) {
    return Fixed(std::lround(units * kFixedOne));
}

// Keeps a component on the side of zero it was on, and within the dial's range.
double KeepSide(double now, Fixed before) {
    if (before > 0) now = std::max(now, 0.0);
    if (before < 0) now = std::min(now, 0.0);
    return std::clamp(now, -kLimit, kLimit);
}

Rect HandleAt(double h, double v) {
    const SInt16 left = SInt16(std::lround(h - kHandle / 2.0)), top = SInt16(std::lround(v - kHandle / 2.0));
    return Rect{top, left, SInt16(top + kHandle), SInt16(left + kHandle)};
}

double AngleOf(Fixed h, Fixed v) {
    return (h == 0 && v == 0) ? gLastAngle : std::atan2(ToUnits(v), ToUnits(h));
}

Point Rounded(double h, double v) {
    return Point{SInt16(std::lround(v)), SInt16(std::lround(h))};
}

Point RimPoint(const Dial& d, double angle) {
    return Rounded(d.h + (d.pointer + 2) * std::cos(angle), d.v + (d.pointer + 2) * std::sin(angle));
}

// Whether p lies on the pointer's shaft: within 2 pixels of the line from the centre to the tip.
bool OnShaft(const Dial& d, Point p, Point tip) {
    const double dx = tip.h - d.h, dy = tip.v - d.v, px = p.h - d.h, py = p.v - d.v;
    const double length2 = dx * dx + dy * dy;
    if (length2 < 1.0) return false;
    const double along = (px * dx + py * dy) / length2;
    if (along < 0.0 || along > 1.0) return false;
    return std::abs(px * dy - py * dx) / std::sqrt(length2) <= 2.0;
}

void Line(double h1, double v1, double h2, double v2) {
    MoveTo(SInt16(std::lround(h1)), SInt16(std::lround(v1)));
    LineTo(SInt16(std::lround(h2)), SInt16(std::lround(v2)));
}

Rect KnifeHandle(const Rect& r, SInt32 value) {
    const SInt16 h = SInt16((r.left + r.right) / 2 + value);
    const bool far = value > 10 || value < -10;
    return Rect{SInt16(r.top + (far ? 0 : 2)), SInt16(h - 1), SInt16(r.top + (far ? 14 : 12)), SInt16(h + 1)};
}

} // namespace

Point RadialTipPoint(const Rect* r, Fixed horizontal, Fixed vertical) {
    if (!r) return Point{};
    const Dial d = DialOf(*r);
    return Rounded(d.h + ToUnits(horizontal) * d.scale, d.v + ToUnits(vertical) * d.scale);
}

void RadialTipDragValue(const Rect* r, Point mouse, Fixed* horizontal, Fixed* vertical) {
    if (!r || !horizontal || !vertical) return;
    const Dial d = DialOf(*r);
    const double h = KeepSide((mouse.h - d.h) / d.scale, *horizontal);
    const double v = KeepSide((mouse.v - d.v) / d.scale, *vertical);
    if (mouse.h != d.h || mouse.v != d.v) gLastAngle = std::atan2(mouse.v - d.v, mouse.h - d.h);
    *horizontal = ToFixed(h);
    *vertical = ToFixed(v);
}

void RadialRimDragValue(const Rect* r, Point mouse, Fixed* horizontal, Fixed* vertical) {
    if (!r || !horizontal || !vertical) return;
    const Dial d = DialOf(*r);
    if (mouse.h == d.h && mouse.v == d.v) return;
    const double length = std::hypot(ToUnits(*horizontal), ToUnits(*vertical));
    gLastAngle = std::atan2(mouse.v - d.v, mouse.h - d.h);
    *horizontal = ToFixed(std::clamp(length * std::cos(gLastAngle), -kLimit, kLimit));
    *vertical = ToFixed(std::clamp(length * std::sin(gLastAngle), -kLimit, kLimit));
}

bool RadialClickValue(const Rect* r, Point mouse, Fixed* horizontal, Fixed* vertical) {
    if (!r || !horizontal || !vertical) return false;
    const Dial d = DialOf(*r);
    const double dx = mouse.h - d.h, dy = mouse.v - d.v, distance = std::hypot(dx, dy);
    const Point tip = RadialTipPoint(r, *horizontal, *vertical);
    if (OnShaft(d, mouse, tip) || distance <= d.inner) {
        // Taken as pointed at, without the drag's limits: a click can reach the inner circle's edge.
        if (distance > 0) gLastAngle = std::atan2(dy, dx);
        *horizontal = ToFixed(dx / d.scale);
        *vertical = ToFixed(dy / d.scale);
        return true;
    }
    if (distance <= d.outer) {
        const double length = std::hypot(ToUnits(*horizontal), ToUnits(*vertical));
        gLastAngle = std::atan2(dy, dx);
        *horizontal = ToFixed(length * std::cos(gLastAngle));
        *vertical = ToFixed(length * std::sin(gLastAngle));
        return true;
    }
    return false;
}

void DrawMainRadialControl(WindowRef, const Rect* r, SInt32 value, SInt32 maximum) {
    if (!r) return;
    GrafPtr port;
    GetPort(&port);
    RGBColor savedInk, savedBack;
    GetForeColor(&savedInk);
    GetBackColor(&savedBack);
    PenState pen;
    GetPenState(&pen);
    const SInt16 font = GetPortTextFont(port), size = GetPortTextSize(port), face = GetPortTextFace(port);
    RgnHandle clip = NewRgn();
    GetClip(clip);
    ClipRect(r);
    PenNormal();
    RGBBackColor(&kWhite);
    EraseRect(r);
    const Dial d = DialOf(*r);

    // The sample letter with its shadow where the dial puts it, as far across as the letter is wide at 100.
    TextFont(4);
    TextSize(18);
    TextFace(0);
    const UInt8 letter[] = {1, 'A'};
    FontInfo info;
    GetFontInfo(&info);
    const double width = StringWidth(letter);
    const SInt16 baseH = SInt16(std::lround(d.h - width / 2));
    const SInt16 baseV = SInt16(std::lround(d.v + (info.ascent - info.descent) / 2.0));
    const RGBColor shadow{0x8000, 0x8000, 0x8000}, red{0xDD00, 0, 0};
    RGBForeColor(&shadow);
    MoveTo(SInt16(baseH + std::lround(ToUnits(value) * width / kLimit)),
           SInt16(baseV + std::lround(ToUnits(maximum) * width / kLimit)));
    DrawString(letter);
    RGBForeColor(&red);
    MoveTo(baseH, baseV);
    DrawString(letter);

    RGBForeColor(&kBlack);
    Rect circle{SInt16(std::lround(d.v - d.outer)), SInt16(std::lround(d.h - d.outer)),
                SInt16(std::lround(d.v + d.outer)), SInt16(std::lround(d.h + d.outer))};
    FrameOval(&circle);
    InsetRect(&circle, 3, 3);
    FrameOval(&circle);

    const double angle = AngleOf(value, maximum);
    const Point tip = RadialTipPoint(r, value, maximum);
    const double nh = -std::sin(angle) * 2, nv = std::cos(angle) * 2;
    const RGBColor blue{0x1800, 0x5C00, 0xD800};
    RGBForeColor(&blue);
    Line(d.h + nh, d.v + nv, tip.h + nh, tip.v + nv);
    Line(d.h - nh, d.v - nv, tip.h - nh, tip.v - nv);
    Rect handle = HandleAt(tip.h, tip.v);
    PaintOval(&handle);
    const Point rim = RimPoint(d, angle);
    handle = HandleAt(rim.h, rim.v);
    RGBForeColor(&kBlack);
    PaintOval(&handle);

    SetClip(clip);
    DisposeRgn(clip);
    TextFont(font);
    TextSize(size);
    TextFace(face);
    SetPenState(&pen);
    RGBForeColor(&savedInk);
    RGBBackColor(&savedBack);
}

SInt16 TrackMainRadial(WindowRef window, const Rect* r, SInt32* value, SInt32* maximum) {
    if (!r || !value || !maximum) return 0;
    TrackingGuard guard;
    const Dial d = DialOf(*r);
    const Point start = Mouse();
    const Point tip = RadialTipPoint(r, *value, *maximum);
    const Point rim = RimPoint(d, AngleOf(*value, *maximum));
    const Rect tipHandle = HandleAt(tip.h, tip.v), rimHandle = HandleAt(rim.h, rim.v);
    const bool onTip = PtInRect(start, &tipHandle), onRim = !onTip && PtInRect(start, &rimHandle);
    if (!onTip && !onRim) return RadialClickValue(r, start, value, maximum) ? 1 : 0;
    for (bool held = true; held;) {
        held = WaitWhileDown(1);
        const Fixed h = *value, v = *maximum;
        if (onTip)
            RadialTipDragValue(r, Mouse(), value, maximum);
        else
            RadialRimDragValue(r, Mouse(), value, maximum);
        if (*value == h && *maximum == v) continue;
        DrawMainRadialControl(window, r, *value, *maximum);
        FlushCurrentPort();
    }
    return 1;
}

SInt32 KnifeSwitchValueAt(const Rect* r, Point mouse, SInt32 startValue) {
    if (!r || !PtInRect(mouse, r)) return startValue;
    return std::clamp<SInt32>(mouse.h - (r->left + r->right) / 2, kKnifeLeft, kKnifeRight);
}

void DrawMainKnifeSwitch(WindowRef, const Rect* r, SInt32 value, SInt16 pictureID) {
    if (!r) return;
    RGBColor savedInk;
    GetForeColor(&savedInk);
    value = std::clamp<SInt32>(value, kKnifeLeft, kKnifeRight);
    const SInt16 centre = SInt16((r->left + r->right) / 2);
    if (PicHandle base = GetPicture(pictureID)) {
        DrawPicture(base, r);
    } else {
        // No base picture: a plate with a contact at each end and the hinge in the middle.
        const RGBColor plate{0xEC00, 0xEC00, 0xE400}, edge{0x9000, 0x9000, 0x8800};
        const RGBColor copper{0xB800, 0x7000, 0x3000};
        RGBForeColor(&plate);
        PaintRoundRect(r, 6, 6);
        RGBForeColor(&edge);
        FrameRoundRect(r, 6, 6);
        RGBForeColor(&copper);
        const Rect contacts[] = {
            {SInt16(r->top + 3), SInt16(r->left + 1), SInt16(r->top + 11), SInt16(r->left + 4)},
            {SInt16(r->top + 3), SInt16(r->right - 4), SInt16(r->top + 11), SInt16(r->right - 1)},
            {SInt16(r->top + 4), SInt16(centre - 2), SInt16(r->top + 10), SInt16(centre + 3)},
        };
        for (const Rect& c : contacts)
            PaintRect(&c);
    }
    // The blade: a steel bar between its two edge lines, from the hinge to the handle.
    const RGBColor steel{0xC800, 0xC800, 0xD000};
    RGBForeColor(&steel);
    const Rect bar{SInt16(r->top + 4), SInt16(std::min<SInt32>(centre, centre + value)), SInt16(r->top + 10),
                   SInt16(std::max<SInt32>(centre, centre + value) + 1)};
    PaintRect(&bar);
    const RGBColor grey{0x8000, 0x8000, 0x8000};
    RGBForeColor(&grey);
    for (SInt16 row : {SInt16(r->top + 3), SInt16(r->top + 10)}) {
        MoveTo(centre, row);
        LineTo(SInt16(centre + value), row);
    }
    RGBForeColor(&kBlack);
    const Rect handle = KnifeHandle(*r, value);
    PaintRect(&handle);
    RGBForeColor(&savedInk);
}

SInt16 TrackMainKnifeSwitch(WindowRef window, SInt16, const Rect* r, SInt32* value, SInt16 pictureID) {
    if (!r || !value) return 0;
    TrackingGuard guard;
    const SInt32 start = *value;
    SInt32 shown = start;
    for (bool held = true; held;) {
        held = WaitWhileDown(1);
        const SInt32 now = KnifeSwitchValueAt(r, Mouse(), start);
        if (now == shown) continue;
        shown = now;
        EraseRect(r);
        DrawMainKnifeSwitch(window, r, shown, pictureID);
        FlushCurrentPort();
    }
    if (!PtInRect(Mouse(), r)) {
        *value = start;
        EraseRect(r);
        DrawMainKnifeSwitch(window, r, start, pictureID);
        return 0;
    }
    *value = shown < 0 ? kKnifeLeft : kKnifeRight;
    EraseRect(r);
    DrawMainKnifeSwitch(window, r, *value, pictureID);
    FlushCurrentPort();
    return (*value < 0) != (start < 0) ? 1 : 0;
}
