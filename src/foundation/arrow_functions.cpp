// The arrow buttons' step functions, one table row per numeric field.
#include "foundation/arrow_functions.h"

#include "effects/shape_dialog.h"
#include "foundation/dialog_items.h"
#include "foundation/number_text.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "scroll/scroll_dialogs.h"
#include "shell/preferences_dialog.h"

#include <algorithm>

namespace {

struct NumericField {
    UInt16 up, down;
    DialogPtr* dialog;
    SInt16 item;
    SInt32 lower, upper;
};

const NumericField kNumericFields[] = {
    {1, 2, &gScrollDialog, 13, 1, 32767},        {4, 3, &gScrollDialog, 15, 0, 32767},
    {6, 5, &gScrollDialog, 18, 0, 59},           {8, 7, &gScrollDialog, 14, 1, 32767},
    {35, 36, &gScrollDialog, 16, 1, 32767},      {37, 38, &gScrollDialog, 17, 1, 32767},
    {9, 10, &gSizeDialog, 4, 1, 32767},          {11, 12, &gSpacingDialog, 4, 1, 32767},
    {13, 14, &gPrefsDialog, 45, 1, 32767},       {15, 16, &gPrefsDialog, 46, 1, 32767},
    {17, 18, &gPrefsDialog, 133, -32767, 32767}, {19, 20, &gPrefsDialog, 134, -32767, 32767},
    {21, 22, &gPrefsDialog, 135, 0, 32767},      {23, 24, &gPrefsDialog, 136, 0, 32767},
    {25, 26, &gPrefsDialog, 149, -32767, 32767}, {27, 28, &gPrefsDialog, 150, -32767, 32767},
    {29, 30, &gPrefsDialog, 151, 0, 32767},      {31, 32, &gPrefsDialog, 152, 0, 32767},
    {66, 67, &gPrefsDialog, 221, -8191, 32767},  {68, 69, &gPrefsDialog, 224, -8191, 32767},
    {70, 71, &gPrefsDialog, 227, -8191, 32767},  {72, 73, &gPrefsDialog, 230, -8191, 32767},
};

// Slider text fields of the preferences dialog, 0 to 100, with the slider beside each and the working
// value it keeps.
struct SliderField {
    UInt16 up, down;
    SInt16 textItem, sliderItem;
    SInt16* working;
};

const SliderField kSliderFields[] = {
    {34, 33, 86, 80, &ssaveScrollWinOpacity},
    {40, 39, 168, 167, &ssaveFadeBackAmount},
    {42, 41, 168, 167, &ssaveFadeTextAmount},
    {44, 43, 181, 176, &ssaveMomentumAmount},
};

bool StepNumericField(UInt16 code) {
    for (const NumericField& f : kNumericFields) {
        if (code != f.up && code != f.down) continue;
        DialogPtr dialog = *f.dialog;
        if (!dialog) return true;
        SInt32 value = 0;
        IntGetDlgEditValue(dialog, f.item, &value);
        const SInt32 next = StepWithin(value, code == f.up ? 1 : -1, 1, f.lower, f.upper);
        if (next != value) IntSetDlgEditValue(dialog, f.item, next);
        return true;
    }
    return false;
}

bool StepSliderField(UInt16 code) {
    for (const SliderField& f : kSliderFields) {
        if (code != f.up && code != f.down) continue;
        if (!gPrefsDialog) return true;
        Str255 text;
        GetDText(gPrefsDialog, f.textItem, text);
        const SInt32 value = StringToNum(PStringView(text));
        const SInt32 next = StepWithin(value, code == f.up ? 1 : -1, 1, 0, 100);
        if (next == value) return true;
        NumToString(next, text);
        SetDText(gPrefsDialog, f.textItem, text, false);
        *f.working = SInt16(next);
        DrawASliderControl(gPrefsDialog, f.sliderItem);
        return true;
    }
    return false;
}

void MovePoints(SInt16 dx, SInt16 dy, SInt16 mirrored) {
    if (!gsaveshapespec) return;
    const SInt32 moved =
        MoveShapePoints(gsaveshapespec, &gRectFromCaller, dx, dy, gNumPointsSelected, mirrored);
    if (moved > 0) RegisterShapeChanged(&gShapeChangedFlag, gnewname, moved, 1);
}

void StepShapeDialog(UInt16 code) {
    const UInt16 mods = GetCurrentKeyModifiers();
    const SInt16 s = (mods & optionKey) ? 10 : 1;
    switch (code) {
    case 45:
    case 46: {
        const SInt32 group = StepWithin(gSampleID, code == 46 ? 1 : -1, 1, 1, 11);
        if (group != gSampleID) ChangeSampleShapes(SInt16(group), 0);
        break;
    }
    case 47:
    case 48: {
        // Variants are shown eight at a time: the first shown never passes the last eight.
        const SInt32 step = (mods & controlKey) ? 100 : (mods & optionKey) ? 8 : 1;
        const SInt32 last = std::max<SInt32>(0, gNumShapeSamples - 8);
        const SInt32 variant = StepWithin(gSampleVariant, code == 48 ? 1 : -1, step, 0, last);
        if (variant != gSampleVariant) ChangeSampleShapes(gSampleID, variant);
        break;
    }
    case 49:
        MovePoints(0, SInt16(-s), 0);
        break;
    case 50:
        MovePoints(s, SInt16(-s), 0);
        break;
    case 51:
        MovePoints(s, 0, 0);
        break;
    case 52:
        MovePoints(s, s, 0);
        break;
    case 53:
        MovePoints(0, s, 0);
        break;
    case 54:
        MovePoints(SInt16(-s), s, 0);
        break;
    case 55:
        MovePoints(SInt16(-s), 0, 0);
        break;
    case 56:
        MovePoints(SInt16(-s), SInt16(-s), 0);
        break;
    case 65:
        MovePoints(s, 0, 1);
        break;
    case 63:
    case 64:
        if (!gsaveshapespec) break;
        code == 63 ? SelectPreviousShapePoints(gsaveshapespec) : SelectNextShapePoints(gsaveshapespec);
        if (gShapeDialog) DrawShapeUserItem(gShapeDialog, 6);
        break;
    default:
        break;
    }
}

} // namespace

SInt32 StepWithin(SInt32 value, int direction, SInt32 step, SInt32 lower, SInt32 upper) {
    if (upper < lower) upper = lower;
    const SInt64 start = std::clamp<SInt64>(value, lower, upper);
    return SInt32(std::clamp<SInt64>(start + SInt64(direction) * step, lower, upper));
}

void PerformFunction(UInt16 code) {
    if (code & kRepeatedPressBit) return;
    if (StepNumericField(code) || StepSliderField(code)) return;
    StepShapeDialog(code);
}
