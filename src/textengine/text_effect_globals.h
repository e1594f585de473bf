// The program-wide text effects that every styled text draws with (drop shadow, strike-through and underline
// lines) and the prompter's tab stops, which every text layout receives.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

// {1, 2, 3} as a strike or underline colour means "the text's own colour" (gDropColor: derived from it).
inline constexpr RGBColor kColorFollowsText{1, 2, 3};

// The drop shadow's colour; kColorFollowsText means "derived from the text colour".
extern RGBColor gDropColor;
extern float gDropBlur;  // blur radius of the drop shadow, pixels
extern Fixed gDropWidth; // shadow offset, percent of the width of "A" in the run's font
extern Fixed gDropHeight;
extern RGBColor gStrikeColor;
extern SInt16 gStrikeCount; // lines drawn, 1 or more
extern RGBColor gUnderlineColor;
extern SInt16 gUnderlineCount;

inline constexpr SInt32 kMaxTabStops = 50;
// The stored form of a list of tab stops (208 bytes).
struct TabList {
    SInt32 firstValue;
    SInt32 count;                   // at most kMaxTabStops
    SInt16 kinds[kMaxTabStops];     // 0 left, 1 centre, 2 right, 3 decimal
    SInt16 positions[kMaxTabStops]; // pixels from the text's left edge
};
static_assert(sizeof(TabList) == 208);

// Handle of the document's own TabList; null while the default stops apply.
extern Handle gTabList;
// 18 left stops every 100 pixels, from 100 to 1800.
extern const TabList gDefaultTabList;
