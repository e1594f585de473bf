// The program's own buttons: rounded three-dimensional push buttons, buttons made of an up (released)
// and a down (pressed) picture, and their tracking, with auto-repeat on the program's clock.
#include "controls/custom_controls.h"
#include "controls/custom_tracking.h"

#include "foundation/menu_bar_and_menus.h"
#include "foundation/program_strings.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"

#include <algorithm>

namespace {

constexpr SInt16 kCorner = 7;
constexpr SInt16 kBlueIndex = 409;

RGBColor Grey(UInt16 level) {
    return RGBColor{level, level, level};
}

// The bevel reads as light from the top left: a released button is light on its top and left edges and
// dark on the others; pressed, the other way round.
struct Bevel {
    UInt16 face, outerLight, innerLight, outerDark, innerDark;
};
constexpr Bevel kReleased{0xDD00, 0xF500, 0xDD00, 0x7700, 0xAA00};
constexpr Bevel kPressed{0x4400, 0x4400, 0x5500, 0xAA00, 0x8700};

void EdgeLines(const Rect& r, UInt16 light, UInt16 dark) {
    const RGBColor top = Grey(light), bottom = Grey(dark);
    RGBForeColor(&top);
    MoveTo(SInt16(r.left + 1), SInt16(r.bottom - 2));
    LineTo(SInt16(r.left + 1), SInt16(r.top + 1));
    LineTo(SInt16(r.right - 2), SInt16(r.top + 1));
    RGBForeColor(&bottom);
    MoveTo(SInt16(r.right - 2), SInt16(r.top + 2));
    LineTo(SInt16(r.right - 2), SInt16(r.bottom - 2));
    LineTo(SInt16(r.left + 2), SInt16(r.bottom - 2));
}

void DrawTitle(const Rect& r, ConstStr255Param title, bool pressed, SInt16 style) {
    GrafPtr port;
    GetPort(&port);
    const SInt16 savedFont = GetPortTextFont(port), savedSize = GetPortTextSize(port);
    const SInt16 savedFace = GetPortTextFace(port);
    if (style != k3DTitlePort) {
        TextFont(4);
        TextSize(9);
        TextFace(0);
    }
    RGBColor ink;
    if (style == k3DTitlePort)
        GetForeColor(&ink);
    else if (pressed)
        ink = Grey(0xFFFF);
    else if (style == k3DTitleBlue)
        ink = *ResolveColor(kBlueIndex);
    else
        ink = Grey(0);
    RGBForeColor(&ink);
    FontInfo info;
    GetFontInfo(&info);
    Rect inner = r;
    InsetRect(&inner, 2, 1);
    const SInt16 width = StringWidth(title);
    const SInt16 h = SInt16(inner.left + (inner.right - inner.left - width) / 2);
    const SInt16 v =
        SInt16(inner.top + (inner.bottom - inner.top - (info.ascent + info.descent)) / 2 + info.ascent);
    MoveTo(h, v);
    DrawString(title);
    TextFont(savedFont);
    TextSize(savedSize);
    TextFace(savedFace);
}

bool MouseInside(const Rect* r) {
    Point mouse;
    GetMouse(&mouse);
    return PtInRect(mouse, r);
}

void DrawUpDown(const Rect* r, SInt32 up, SInt32 down, bool pressed, SInt16 source) {
    MainUpDownButton(r, up, down, pressed ? 1 : 0, source);
    FlushCurrentPort();
}

CustomControlActionObserver gObserver = nullptr;

} // namespace

void FlushCurrentPort() {
    CGrafPtr port;
    GDHandle device;
    GetGWorld(&port, &device);
    if (port) QDFlushPortBuffer(port, nullptr);
}

bool WaitWhileDown(UInt32 ticks) {
    const UInt32 until = TickCount() + std::max<UInt32>(ticks, 1);
    while (TickCount() < until) {
        if (!StillDown()) return false;
        UInt32 final = 0;
        Delay(1, &final);
    }
    return StillDown();
}

void NotifyCustomControlAction(SInt32 code, SInt16 phaseOrStep, SInt32 position, double value) {
    if (gObserver) gObserver(code, phaseOrStep, position, value);
}

void SetCustomControlActionObserver(CustomControlActionObserver observer) {
    gObserver = observer;
}

void Main3DButton(CGrafPtr port, const Rect* r, ConstStr255Param title, bool pressed, SInt16 style) {
    if (!r) return;
    GrafPtr saved;
    GetPort(&saved);
    if (port) SetPort(reinterpret_cast<GrafPtr>(port));
    RGBColor savedInk;
    GetForeColor(&savedInk);
    if (title) EraseRect(r);
    if (!title || title[0] > 0) {
        const Bevel& bevel = pressed ? kPressed : kReleased;
        const RGBColor face = Grey(bevel.face);
        RGBForeColor(&face);
        PaintRoundRect(r, kCorner, kCorner);
        Rect inner = *r;
        EdgeLines(inner, bevel.outerLight, bevel.outerDark);
        InsetRect(&inner, 1, 1);
        EdgeLines(inner, bevel.innerLight, bevel.innerDark);
        const RGBColor frame = style == k3DTitleBlue ? *ResolveColor(kBlueIndex) : Grey(0);
        RGBForeColor(&frame);
        FrameRoundRect(r, kCorner, kCorner);
        if (title) {
            RGBForeColor(&savedInk);
            DrawTitle(*r, title, pressed, style);
        }
    }
    RGBForeColor(&savedInk);
    SetPort(saved);
}

bool Track3DButton(CGrafPtr port, const Rect* r, ConstStr255Param title, SInt16 style) {
    if (!r) return false;
    GrafPtr saved;
    GetPort(&saved);
    if (port) SetPort(reinterpret_cast<GrafPtr>(port));
    bool inside = true;
    Main3DButton(port, r, title, true, style);
    FlushCurrentPort();
    for (bool down = true; down;) {
        down = WaitWhileDown(1);
        const bool now = MouseInside(r);
        if (now != inside) {
            inside = now;
            Main3DButton(port, r, title, inside, style);
            FlushCurrentPort();
        }
    }
    Main3DButton(port, r, title, false, style);
    SetPort(saved);
    return inside;
}

void MainUpDownButton(const Rect* r, SInt32 up, SInt32 down, SInt16 pressed, SInt16 source) {
    if (!r) return;
    if (source == kButtonPush) {
        Str255 title;
        GetOrvalisString(SInt16(up), SInt16(down), title);
        GrafPtr port;
        GetPort(&port);
        Main3DButton(reinterpret_cast<CGrafPtr>(port), r, title, pressed != 0, k3DTitleLabel);
        return;
    }
    if (source != kButtonPictures && source != kButtonTable) return; // run-length buttons are never used
    PicHandle picture =
        source == kButtonTable ? GetButtonPict(pressed ? down : up) : GetPicture(SInt16(pressed ? down : up));
    if (!picture) return;
    Rect place = *r;
    if (place.right == 0 || place.bottom == 0) {
        Rect frame;
        QDGetPictureBounds(picture, &frame);
        if (place.right == 0) place.right = SInt16(place.left + frame.right - frame.left);
        if (place.bottom == 0) place.bottom = SInt16(place.top + frame.bottom - frame.top);
    }
    DrawPicture(picture, &place);
}

SInt16 TrackMainUpDownRadio(const Rect* r, SInt32 up, SInt32 down, SInt16 source, SInt16 checked) {
    if (!r) return 0;
    bool inside = MouseInside(r);
    DrawUpDown(r, up, down, inside || checked, source);
    for (bool held = WaitWhileDown(1); held; held = WaitWhileDown(1)) {
        const bool now = MouseInside(r);
        if (now != inside) DrawUpDown(r, up, down, now || checked, source);
        inside = now;
    }
    inside = MouseInside(r);
    DrawUpDown(r, up, down, checked != 0, source);
    return inside ? 1 : 0;
}

SInt16 TrackMainUpDownCheck(const Rect* r, SInt32 up, SInt32 down, SInt16 source, SInt16 checked) {
    if (!r) return 0;
    // While the mouse is over it the box shows what a release would make of it.
    bool inside = MouseInside(r);
    DrawUpDown(r, up, down, inside ? !checked : checked != 0, source);
    for (bool held = WaitWhileDown(1); held; held = WaitWhileDown(1)) {
        const bool now = MouseInside(r);
        if (now != inside) DrawUpDown(r, up, down, now ? !checked : checked != 0, source);
        inside = now;
    }
    inside = MouseInside(r);
    DrawUpDown(r, up, down, checked != 0, source);
    return inside ? 1 : 0;
}

SInt16 TrackMainMultiState(const Rect* r, SInt32 firstPictureID, SInt32 stateCount, SInt16 source,
                           SInt16 state) {
    if (!r) return 0;
    const SInt32 next = stateCount > 0 ? (state + 1) % stateCount : 0;
    MainUpDownButton(r, firstPictureID + next, firstPictureID + next, 0, source);
    FlushCurrentPort();
    while (WaitWhileDown(1)) {
    }
    return 1;
}

SInt16 TrackMainUpDownButton(const Rect* r, SInt32 up, SInt32 down, SInt16 source, SInt16 firstDelay,
                             SInt16 minimumDelay, SInt32 actionCode) {
    if (!r) return 0;
    bool inside = true;
    DrawUpDown(r, up, down, true, source);
    DoMainUpDownButtonAction(actionCode, kUpDownPress);
    SInt32 delay = std::max<SInt32>(firstDelay, 1);
    const SInt32 fastest = std::max<SInt32>(minimumDelay, 1);
    for (bool held = WaitWhileDown(UInt32(delay)); held; held = WaitWhileDown(UInt32(delay))) {
        const bool now = MouseInside(r);
        if (now != inside) DrawUpDown(r, up, down, now, source);
        inside = now;
        if (inside) DoMainUpDownButtonAction(actionCode, kUpDownRepeat);
        delay = std::max(delay - 1, fastest);
    }
    inside = MouseInside(r);
    DrawUpDown(r, up, down, false, source);
    DoMainUpDownButtonAction(actionCode, kUpDownRelease);
    return inside ? 1 : 0;
}
