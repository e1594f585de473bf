// The rainbow colours ('Rnbw' 128: big-endian 0xAARRGGBB words) and the stripes' phase.
#include "foundation/rainbow_colors.h"

#include "foundation/checked_wrappers.h"
#include "foundation/global_lists.h"
#include "foundation/offscreen_copy.h"
#include "platform/bytes.h"

#include <vector>

namespace {
std::vector<UInt32> gRainbowColors;
bool gRainbowColorsLoaded = false;
RESETTABLE(RainbowState, gRainbow, {});

void TakeRainbowColors(Handle colors) {
    gRainbowColors.clear();
    if (!colors || !*colors) return;
    const Size size = GetHandleSize(colors);
    const auto* bytes = reinterpret_cast<const UInt8*>(*colors);
    for (Size at = 0; at + 4 <= size; at += 4)
        gRainbowColors.push_back(ReadBE32(bytes + at));
}
} // namespace

bool EnsureRainbowColors() {
    if (!gRainbowColorsLoaded) {
        gRainbowColorsLoaded = true;
        TakeRainbowColors(MyGetResource(FourCC("Rnbw"), 128, 0));
    }
    return !gRainbowColors.empty();
}

void SetRainbowColors(Handle colors) {
    TakeRainbowColors(colors);
    gRainbowColorsLoaded = true;
    gRainbow = RainbowState{};
}

RainbowState GetRainbowState() {
    return gRainbow;
}

void StartRainbowPhase(CopyContext& context) {
    const SInt32 count = SInt32(gRainbowColors.size());
    if (++gRainbow.callCount >= count) gRainbow.callCount = 0;
    const SInt32 t = gRainbow.callCount;
    gRainbow.destinationIndex = t;
    gRainbow.sourceIndex = t > 0 ? count - t : 0;
    context.rainbow = gRainbowColors.data();
    context.rainbowCount = count;
    context.sourceIndex = gRainbow.sourceIndex;
    context.destinationIndex = gRainbow.destinationIndex;
    context.pixelCount = gRainbow.pixelCount;
}

void StoreRainbowPhase(const CopyContext& context) {
    gRainbow.sourceIndex = context.sourceIndex;
    gRainbow.destinationIndex = context.destinationIndex;
    gRainbow.pixelCount = context.pixelCount;
}
