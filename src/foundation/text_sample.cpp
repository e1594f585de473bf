// The sample beside a typed font or colour name: the name drawn in that font, or the box painted in
// that colour.
#include "foundation/program_colors.h"

#include "foundation/keyword_dictionary.h"
#include "foundation/string_drawing.h"
#include "foundation/text_in_place.h"
#include "foundation/text_search.h"
#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/text_drawing.h"

namespace {

constexpr SInt16 kNameItem = 14;
constexpr SInt16 kSampleTextSize = 16;

// The family whose name this is, ignoring case; -1 when no installed family has it.
SInt16 FamilyNamed(ConstStringPtr name) {
    if (name[0] == 0) return -1;
    SInt16 family = 0;
    GetFNum(name, &family);
    Str255 found;
    GetFontName(family, found);
    return MyCompareText(found + 1, name + 1, found[0], name[0]) == 0 ? family : SInt16(-1);
}

} // namespace

void DrawSelectedTextSample(DialogPtr dialog, SInt16 item) {
    if (!dialog) return;
    const WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    Rect box = GetDialogItemRect(dialog, item);
    EraseRect(&box);
    FrameRect(&box);
    InsetRect(&box, 1, 1);

    Str255 name;
    GetDialogItemText(dialog, kNameItem, name);
    SInt16 family = FamilyNamed(name);
    if (family < 0) {
        Str255 joined;
        std::copy(name, name + name[0] + 1, joined);
        RemoveSpaces(joined, nullptr);
        family = FamilyNamed(joined);
    }
    if (family < 0) {
        const SInt16 color = FindColorByName(name, kMatchClosestSameLetters, false);
        if (color > 0) {
            RGBColor fore;
            GetForeColor(&fore);
            SetOVColor(color, nullptr);
            PaintRect(&box);
            RGBForeColor(&fore);
        }
    } else {
        GrafPtr port;
        GetPort(&port);
        const SInt16 font = GetPortTextFont(port), size = GetPortTextSize(port), face = GetPortTextFace(port);
        TextFont(family);
        TextSize(kSampleTextSize);
        TextFace(normal);
        DrawStringInBox(&box, name, kAlignCentre, 100, true);
        TextFont(font);
        TextSize(size);
        TextFace(face);
    }
    SetPortByReference(saved);
}
