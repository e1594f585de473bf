// The cue marker's icon and its hot spot record, loaded by the ID the preferences name.
#include "scroll/cue_marker.h"

#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/prefs_fields.h"

#include <algorithm>

CIconHandle gTheCue = nullptr;

void SetCueHotFromBytes(const UInt8* data, Size size) {
    std::fill(std::begin(gCueHot), std::end(gCueHot), SInt16(0));
    if (!data || size <= 0) return;
    const Size values = std::min<Size>(size / 2, kCueHotValues);
    for (Size i = 0; i < values; ++i)
        gCueHot[i] = SInt16(ReadBE16(data + 2 * i));
}

void GetCue() {
    const SInt16 id = GetPref(gThePreferences, kPrefCueMarkerIconID);
    if (!gTheCue) gTheCue = GetCIcon(id);
    Rect bounds{};
    gCueWidth = gTheCue ? RectWidth(*GetCIconBounds(gTheCue, &bounds)) : kCueArrowWidth;
    Handle hot = GetResource(FourCC("CHot"), id);
    SetCueHotFromBytes(hot ? reinterpret_cast<const UInt8*>(*hot) : nullptr, hot ? GetHandleSize(hot) : 0);
    if (hot) ReleaseResource(hot);
}

void DisposeCue() {
    DisposeCIcon(gTheCue);
    gTheCue = nullptr;
}
