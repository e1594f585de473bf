// What an up/down button or a slider does, by the window its action code names: the overlay and mandala
// editors move their selection, the format palette steps its fields, the tool windows take slider values.
#include "controls/custom_controls.h"
#include "controls/custom_tracking.h"

#include "controls/control_values.h"
#include "controls/window_callbacks.h"
#include "ebook/format_palette.h"
#include "effects/effects.h"
#include "platform/events.h"
#include "shell/shell.h"

namespace {

constexpr WindowReference kFormatPaletteWindow = 14;
constexpr WindowReference kMandalaWindow = 24;
constexpr WindowReference kOverlayWindow = 26;

// The mandala's path-point buttons: per path, the items that move its points left, up, right and down.
constexpr SInt16 kPathButtons[3][4] = {{122, 119, 124, 123}, {205, 202, 207, 206}, {285, 282, 287, 286}};

void OverlayAction(SInt16 item, SInt16 phase) {
    if (phase == kUpDownRelease) return;
    const SInt16 distance = (GetCurrentKeyModifiers() & optionKey) ? 10 : 1;
    switch (item) {
    case 47:
        MoveSelectedOverlay(SInt16(-distance), 0);
        break;
    case 42:
        MoveSelectedOverlay(0, SInt16(-distance));
        break;
    case 49:
        MoveSelectedOverlay(distance, 0);
        break;
    case 48:
        MoveSelectedOverlay(0, distance);
        break;
    default:
        break;
    }
}

void MandalaAction(SInt16 item) {
    for (SInt16 path = 0; path < 3; ++path)
        for (int side = 0; side < 4; ++side)
            if (kPathButtons[path][side] == item)
                MoveSelectedSpirographPathPoints(path, side == 0, side == 1, side == 2, side == 3);
    TimerAction();
}

} // namespace

void DoMainUpDownButtonAction(SInt32 code, SInt16 phase) {
    if (code == 0) return;
    NotifyCustomControlAction(code, phase, 0, 0.0);
    const WindowReference window = WindowReference(UInt32(code) >> 16);
    const SInt16 item = SInt16(code & 0xFFFF);
    if (window == kOverlayWindow)
        OverlayAction(item, phase);
    else if (window == kMandalaWindow)
        MandalaAction(item);
    else if (window == kFormatPaletteWindow)
        StepFormatPalField(item, phase);
}

SInt16 MySliderProcedure(SInt32 code, SInt32* position, SInt16 arrowStep) {
    if (!position) return 0;
    const WindowReference window = WindowReference(UInt32(code) >> 16);
    const SInt16 item = SInt16(code & 0xFFFF);
    // The position means what the slider item of the window's own controls says it means.
    const double value =
        arrowStep != 0
            ? arrowStep
            : GetSliderControlValuePerPosition(
                  window, GetDialogControlsPerWindow(GetWindowByReference(window, true)), item, *position);
    NotifyCustomControlAction(code, arrowStep, *position, value);
    ApplyToolWindowSlider(window, item, *position, value, arrowStep);
    return 0;
}
