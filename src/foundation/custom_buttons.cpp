// Drawing of the push and picture buttons. The bevel reads as light from the top left: a released button
// is light on its top and left edges and dark on the others; pressed, the other way round.
#include "foundation/custom_buttons.h"

#include "foundation/menu_bar_and_menus.h"
#include "foundation/program_strings.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"

namespace {

constexpr SInt16 kCorner = 7;
constexpr SInt16 kBlueIndex = 409;

RGBColor Grey(UInt16 level) {
    return RGBColor{level, level, level};
}

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

} // namespace

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
        if (title) DrawTitle(*r, title, pressed, style);
    }
    RGBForeColor(&savedInk);
    SetPort(saved);
}

void MainUpDownButton(const Rect* r, SInt16 up, SInt16 down, bool pressed, SInt16 source) {
    if (!r) return;
    if (source == kButtonPush) {
        Str255 title;
        GetOrvalisString(up, down, title);
        GrafPtr port;
        GetPort(&port);
        Main3DButton(reinterpret_cast<CGrafPtr>(port), r, title, pressed, k3DTitleLabel);
        return;
    }
    if (source != kButtonPictures) return; // no run-length or shared-table buttons are drawn anywhere yet
    PicHandle picture = GetPicture(pressed ? down : up);
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
