// The underline under text that an input method is still composing: gray while it is raw input, black
// once converted, one or two pixels thick as the run's flags say.
#include "textengine/engine_internal.h"

#include "platform/drawing.h"

enum : UInt8 { kWEFlagInputUnderline = 0x10, kWEFlagThickUnderline = 0x20, kWEFlagConvertedText = 0x40 };

Boolean _WEHasInputUnderline(UInt8 flags) {
    return (flags & kWEFlagInputUnderline) != 0;
}

void _WEDrawTSMHilite(const Rect* segment, UInt8 flags) {
    RGBColor savedFore, back;
    GetForeColor(&savedFore);
    GetBackColor(&back);
    // Raw input is underlined in the gray halfway between the background and black.
    const RGBColor pen = (flags & kWEFlagConvertedText)
                             ? RGBColor{0, 0, 0}
                             : RGBColor{UInt16(back.red / 2), UInt16(back.green / 2), UInt16(back.blue / 2)};
    PenNormal();
    RGBForeColor(&pen);
    Rect line = *segment;
    line.left += 1;
    line.right -= 1;
    line.top = SInt16(line.bottom - ((flags & kWEFlagThickUnderline) ? 2 : 1));
    if (line.left < line.right) PaintRect(&line);
    RGBForeColor(&savedFore);
}
