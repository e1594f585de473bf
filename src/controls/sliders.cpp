// The main slider (arrows, ticks and a knob) and the media sliders (movie position, volume, end point):
// drawing, tracking, and where the mouse puts the knob, always within the slider's travel.
#include "controls/custom_controls.h"
#include "controls/custom_tracking.h"

#include "controls/window_callbacks.h"
#include "foundation/popup_items.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "shell/shell.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr SInt16 kArrowWidth = 7;
constexpr SInt16 kArrowHeight = 12;
constexpr UInt32 kArrowFirstDelay = 40; // ticks
constexpr UInt32 kArrowRepeat = 5;
constexpr double kRightArrowLimit = 100.0;

const RGBColor kBlack{0, 0, 0};
const RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};

RGBColor Grey(UInt16 level) {
    return RGBColor{level, level, level};
}

enum class Arrow { None, Left, Right };

Rect LeftArrowRect(const Rect& r) {
    return Rect{SInt16(r.top + 2), r.left, SInt16(r.top + 2 + kArrowHeight), SInt16(r.left + kArrowWidth)};
}
Rect RightArrowRect(const Rect& r) {
    return Rect{SInt16(r.top + 2), SInt16(r.right - kArrowWidth), SInt16(r.top + 2 + kArrowHeight), r.right};
}
Rect TrackRect(const Rect& r) {
    return Rect{r.top, SInt16(r.left + kArrowWidth), SInt16(r.top + 16), SInt16(r.right - kArrowWidth)};
}
Rect KnobRect(const Rect& r, SInt32 position) {
    const SInt16 left = SInt16(r.left + position + 8);
    return Rect{SInt16(r.top + 1), left, SInt16(r.top + 15), SInt16(left + 5)};
}

// A solid triangle pointing left or right, drawn as shrinking vertical strokes so it stays crisp.
void DrawArrow(const Rect& box, bool pointsLeft, bool pressed) {
    RGBForeColor(pressed ? &kBlack : &kWhite);
    PaintRect(&box);
    RGBForeColor(pressed ? &kWhite : &kBlack);
    const SInt16 mid = SInt16((box.top + box.bottom) / 2);
    for (SInt16 i = 0; i < 5; ++i) {
        const SInt16 h = pointsLeft ? SInt16(box.left + 1 + i) : SInt16(box.right - 2 - i);
        MoveTo(h, SInt16(mid - i));
        LineTo(h, SInt16(mid + i - 1));
    }
}

void DrawMainSliderLook(const Rect& r, SInt32 position, Arrow pressed) {
    RGBColor savedInk, savedBack;
    GetForeColor(&savedInk);
    GetBackColor(&savedBack);
    PenState pen;
    GetPenState(&pen);
    PenNormal();
    const Rect track = TrackRect(r);
    RGBBackColor(&kWhite);
    EraseRect(&track);
    const RGBColor tick = Grey(0xB000);
    RGBForeColor(&tick);
    for (SInt16 h = SInt16(track.left + 3); h < track.right; h = SInt16(h + 10)) {
        MoveTo(h, track.top);
        LineTo(h, SInt16(track.top + 14));
    }
    RGBForeColor(&kBlack);
    Rect rule{SInt16(track.top + 7), track.left, SInt16(track.top + 9), track.right};
    PaintRect(&rule);
    DrawArrow(LeftArrowRect(r), true, pressed == Arrow::Left);
    DrawArrow(RightArrowRect(r), false, pressed == Arrow::Right);

    // The knob: a raised face; pinned at an end only its outer half is shaded, to show it can go no further.
    const SInt32 maximum = MainSliderMaximum(&r);
    const bool atLeft = position<0, atRight = position> maximum;
    const Rect knob = KnobRect(r, std::clamp<SInt32>(position, 0, std::max<SInt32>(maximum, 0)));
    const RGBColor face = Grey(0xC000), dark = Grey(0x5000), mid = Grey(0x8000);
    RGBForeColor(&face);
    PaintRect(&knob);
    const SInt16 centre = SInt16(knob.left + 2);
    Rect shade = knob;
    if (atLeft) shade.right = SInt16(centre + 1);
    if (atRight) shade.left = centre;
    RGBForeColor(&mid);
    Rect inner = shade;
    InsetRect(&inner, 1, 1);
    if (!atLeft && !atRight) PaintRect(&inner);
    if (atLeft || atRight) PaintRect(&shade);
    RGBForeColor(&dark);
    FrameRect(&knob);
    RGBForeColor(&face);
    MoveTo(SInt16(knob.left + 1), SInt16(knob.top + 1));
    LineTo(SInt16(knob.left + 1), SInt16(knob.bottom - 2));

    SetPenState(&pen);
    RGBForeColor(&savedInk);
    RGBBackColor(&savedBack);
}

SInt32 ActionCode(WindowRef window, SInt16 item) {
    return SInt32(UInt32(UInt16(GetWindowIDFromWindow(window))) << 16 | UInt16(item));
}

// Holding an arrow: one step at the press for the right arrow, then after a pause a step every few ticks
// while the mouse stays on the arrow; the prompter keeps scrolling meanwhile.
void TrackArrow(WindowRef window, SInt16 item, const Rect& r, Arrow arrow, SInt32* position) {
    const Rect box = arrow == Arrow::Left ? LeftArrowRect(r) : RightArrowRect(r);
    const SInt32 code = ActionCode(window, item);
    const SInt32 maximum = std::max<SInt32>(MainSliderMaximum(&r), 0);
    double minimum = 0, top = 0;
    const double factor = GetSliderFactorByWindowandID(window, item, &minimum, &top);
    const SInt16 step = arrow == Arrow::Left ? -1 : 1;
    // The left arrow moves by the inverse of the factor, the right one by the factor itself, capped.
    const double delta = arrow == Arrow::Left ? (factor != 0.0 ? -1.0 / factor : 0.0) : factor;
    const SInt32 upper = arrow == Arrow::Left ? maximum : std::min<SInt32>(maximum, SInt32(kRightArrowLimit));
    double exact = *position;
    auto move = [&] {
        exact = std::clamp(exact + delta, 0.0, double(upper));
        *position = std::clamp<SInt32>(SInt32(exact), 0, upper);
    };
    DrawMainSliderLook(r, *position, arrow);
    FlushCurrentPort();
    if (arrow == Arrow::Right) move();
    MySliderProcedure(code, position, step);
    for (bool held = WaitWhileDown(kArrowFirstDelay); held; held = WaitWhileDown(kArrowRepeat)) {
        if (!PtInRect(Mouse(), &box)) continue;
        move();
        TimerAction();
        DrawMainSliderLook(r, *position, arrow);
        FlushCurrentPort();
        MySliderProcedure(code, position, step);
    }
}

void PaintKnob(const Rect& knob, SInt16 shape) {
    if (shape == kKnobDiamond) {
        PolyHandle poly = OpenPoly();
        const SInt16 h = SInt16((knob.left + knob.right) / 2), v = SInt16((knob.top + knob.bottom) / 2);
        MoveTo(h, knob.top);
        LineTo(knob.right, v);
        LineTo(h, knob.bottom);
        LineTo(knob.left, v);
        LineTo(h, knob.top);
        ClosePoly();
        if (poly) {
            PaintPoly(poly);
            KillPoly(poly);
        }
    } else {
        PaintOval(&knob);
    }
}

} // namespace

SInt32 MainSliderMaximum(const Rect* r) {
    return r ? SInt32(r->right - r->left) - 20 : 0;
}

SInt32 MainSliderPositionAt(const Rect* r, Point mouse) {
    if (!r) return 0;
    return std::clamp<SInt32>(mouse.h - (r->left + kArrowWidth) - 3, 0,
                              std::max<SInt32>(MainSliderMaximum(r), 0));
}

SInt32 MainSliderDragPosition(const Rect* r, SInt32 start, SInt16 movement) {
    if (!r) return 0;
    return std::clamp<SInt32>(start + movement, 0, std::max<SInt32>(MainSliderMaximum(r), 0));
}

SInt32 MediaSliderPositionAt(const Rect* r, Point mouse) {
    if (!r) return 0;
    const SInt32 height = r->bottom - r->top, travel = std::max<SInt32>(r->right - r->left - height, 0);
    return std::clamp<SInt32>(mouse.h - r->left - height / 2, 0, travel);
}

SInt32 MediaSliderDragPosition(const Rect* r, SInt32 start, SInt16 movement) {
    if (!r) return 0;
    const SInt32 travel = std::max<SInt32>(r->right - r->left - (r->bottom - r->top), 0);
    return std::clamp<SInt32>(start + movement, 0, travel);
}

void DrawMainSlider(WindowRef, const Rect* r, SInt32 position) {
    if (r) DrawMainSliderLook(*r, position, Arrow::None);
}

void DrawMainSliderArrowPressed(const Rect* r, SInt32 position, SInt16 arrow) {
    if (r) DrawMainSliderLook(*r, position, arrow < 0 ? Arrow::Left : arrow > 0 ? Arrow::Right : Arrow::None);
}

void DrawMediaSlider(WindowRef, const Rect* r, SInt32 position, SInt16 knob, SInt16 colourMode) {
    if (!r) return;
    RGBColor savedInk;
    GetForeColor(&savedInk);
    const SInt16 height = SInt16(r->bottom - r->top);
    const SInt32 travel = std::max<SInt32>(r->right - r->left - height, 0);
    Rect bar = *r;
    InsetRect(&bar, 0, 3);
    const RGBColor barColour = colourMode == 1 ? RGBColor{0, 0xFFFF, 0xFFFF} : kBlack;
    const RGBColor knobColour = colourMode == 1 ? RGBColor{0, 0xC000, 0} : RGBColor{0xFFFF, 0, 0};
    RGBForeColor(&barColour);
    PaintRect(&bar);
    const SInt16 left = SInt16(r->left + std::clamp<SInt32>(position, 0, travel));
    const Rect square{r->top, left, r->bottom, SInt16(left + height)};
    RGBForeColor(&knobColour);
    PaintKnob(square, knob);
    RGBForeColor(&savedInk);
}

void DrawMovieSlider(WindowRef window, const Rect* r, SInt32 position) {
    DrawMediaSlider(window, r, position, kKnobDiamond, 0);
}
void DrawVolumeSlider(WindowRef window, const Rect* r, SInt32 position) {
    DrawMediaSlider(window, r, position, kKnobOval, 0);
}
void DrawFinishSlider(WindowRef window, const Rect* r, SInt32 position) {
    DrawMediaSlider(window, r, position, kKnobOval, 1);
}

SInt16 TrackMainSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position) {
    bool arrow = false;
    return TrackMainSlider(window, item, r, position, &arrow);
}

SInt16 TrackMainSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position, bool* arrowUsed) {
    if (arrowUsed) *arrowUsed = false;
    if (!r || !position) return 0;
    TrackingGuard guard;
    const Point start = Mouse();
    const Rect left = LeftArrowRect(*r), right = RightArrowRect(*r);
    Rect knob = KnobRect(*r, *position);
    if (PtInRect(start, &knob)) {
        const SInt32 from = *position;
        const SInt32 code = ActionCode(window, item);
        for (bool held = true; held;) {
            held = WaitWhileDown(1);
            const SInt32 now = MainSliderDragPosition(r, from, SInt16(Mouse().h - start.h));
            if (now == *position) continue;
            *position = now;
            DrawMainSliderLook(*r, *position, Arrow::None);
            FlushCurrentPort();
            MySliderProcedure(code, position, 0);
        }
    } else if (PtInRect(start, &left) || PtInRect(start, &right)) {
        if (arrowUsed) *arrowUsed = true;
        TrackArrow(window, item, *r, PtInRect(start, &left) ? Arrow::Left : Arrow::Right, position);
    } else {
        *position = MainSliderPositionAt(r, start);
    }
    DrawMainSliderLook(*r, *position, Arrow::None);
    FlushCurrentPort();
    return 1;
}

SInt16 TrackMediaSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position, SInt16 knob) {
    if (!r || !position) return 0;
    TrackingGuard guard;
    const SInt32 before = *position;
    const Point start = Mouse();
    const SInt16 height = SInt16(r->bottom - r->top);
    const SInt16 knobLeft = SInt16(r->left + *position);
    const Rect square{r->top, knobLeft, r->bottom, SInt16(knobLeft + height)};
    if (PtInRect(start, &square)) {
        const SInt32 code = ActionCode(window, item);
        for (bool held = true; held;) {
            held = WaitWhileDown(1);
            const SInt32 now = MediaSliderDragPosition(r, before, SInt16(Mouse().h - start.h));
            if (now == *position) continue;
            *position = now;
            DrawMediaSlider(window, r, *position, knob, 0);
            FlushCurrentPort();
            MySliderProcedure(code, position, 0);
        }
    } else {
        *position = MediaSliderPositionAt(r, start);
        DrawMediaSlider(window, r, *position, knob, 0);
        FlushCurrentPort();
    }
    return *position != before ? 1 : 0;
}

SInt16 TrackMovieSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position) {
    return TrackMediaSlider(window, item, r, position, kKnobDiamond);
}
SInt16 TrackVolumeSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position) {
    return TrackMediaSlider(window, item, r, position, kKnobOval);
}
