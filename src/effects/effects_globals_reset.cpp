// Putting the globals of the effects back to their start values; a global added to the subsystem gets its
// line here.
#include "effects/effects_globals_reset.h"

#include "effects/effects.h"
#include "effects/shape_dialog.h"
#include "effects/shapes.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetEffectsGlobals() {
    gRemapIndex = -1;
    gRemapColor = 0;
    std::fill(std::begin(gRecentShape), std::end(gRecentShape), UInt8{});
    std::fill(std::begin(gShapeName), std::end(gShapeName), UInt8{});
    gShapeChanged = false;
    gSaveStarBackColor = RGBColor{};
    gSaveStarSpeed = 0;
    gPerformingSpiroDesign = false;
    gPerformingOverlayDesign = false;
    gSpiroSettingNow = 0;
    gOverlaySettingNow = 0;
    gTestStarPic = nullptr;
    gTestRect = Rect{};
    gStarsShowColor = false;
    gStarsEraseScreen = false;
    gClickedOnColor = -1;
    gMatrixReady = false;
    gStarsReady = false;
    gStarOffsetX = 0;
    gStarOffsetY = 0;
    gSpirographReady = false;
    gNumPointsSelected = 0;
    gRectFromCaller = Rect{};
    gSampleID = 1;
    gSampleVariant = 0;
    gNumShapeSamples = 0;
    std::fill(std::begin(gnewname), std::end(gnewname), UInt8{});
    gShapeChangedFlag = 0;
}
