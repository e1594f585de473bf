// Line metrics of a style from its font: height = ascent + descent + leading, all whole pixels.
#include "textengine/engine_internal.h"

#include "platform/text_drawing.h"

void _WEFillFontInfo(GrafPort* port, WEStyleRecord* record) {
    if (record->style.size == 0) record->style.size = 12;
    GrafPtr saved = nullptr;
    GetPort(&saved);
    if (port) SetPort(port);
    FontInfo info{};
    GrafPtr current = nullptr;
    GetPort(&current);
    if (current) {
        const SInt16 font = GetPortTextFont(current), face = GetPortTextFace(current),
                     size = GetPortTextSize(current);
        TextFont(record->style.font);
        TextFace(record->style.face);
        TextSize(record->style.size);
        GetFontInfo(&info);
        TextFont(font);
        TextFace(face);
        TextSize(size);
    }
    if (port) SetPort(saved);
    if (info.ascent <= 0) {
        // No fonts to measure (the toolkit is not started): metrics in proportion to the size.
        const SInt16 size = record->style.size;
        info = FontInfo{SInt16((size * 3 + 3) / 4), SInt16(size / 4 + 1), size, 0};
    }
    record->ascent = info.ascent;
    record->height = SInt16(info.ascent + info.descent + info.leading);
}
