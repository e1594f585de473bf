// Colour tolerance tests on 32-bit pixels.
#include "foundation/color_tolerance.h"

#include "foundation/pixel_words.h"

SInt32 ToleranceFromPercent(SInt32 percent) {
    return SInt32(double(percent) * 2.56);
}

bool ColorMatchWithTolerance(const UInt32* pixel, const UInt32* target, long percent) {
    if (!pixel || !target) return false;
    const int tolerance = ToleranceFromPercent(SInt32(percent));
    const auto within = [tolerance](int value, int centre) {
        return value >= centre - tolerance && value <= centre + tolerance;
    };
    return within(PixelRed(*pixel), PixelRed(*target)) && within(PixelGreen(*pixel), PixelGreen(*target)) &&
           within(PixelBlue(*pixel), PixelBlue(*target));
}

bool ColorMatchWithTolerances(const UInt32* pixel, const ColorToleranceTable* table) {
    if (!pixel || !table) return false;
    const int red = PixelRed(*pixel), green = PixelGreen(*pixel), blue = PixelBlue(*pixel);
    for (int i = 0; i < 4; ++i) {
        if (table->enabled[i] == 0) continue;
        if (red >= table->redMin[i] && red <= table->redMax[i] && green >= table->greenMin[i] &&
            green <= table->greenMax[i] && blue >= table->blueMin[i] && blue <= table->blueMax[i])
            return true;
    }
    return false;
}
