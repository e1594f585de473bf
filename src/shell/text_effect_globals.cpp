// Definitions of the text effect globals: one plain line of each, no shadow offset, no tab stops.
#include "shell/text_effect_globals.h"

float gDropBlur = 0;
Fixed gDropWidth = 0;
Fixed gDropHeight = 0;
RGBColor gStrikeColor = kColorFollowsText;
SInt16 gStrikeCount = 1;
RGBColor gUnderlineColor = kColorFollowsText;
SInt16 gUnderlineCount = 1;
Handle gTabList = nullptr;
