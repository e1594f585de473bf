// Putting the globals of the text engine back to their start values; a global added to the subsystem gets its
// line here.
#include "textengine/textengine_globals_reset.h"

#include "textengine/engine_internal.h"
#include "textengine/text_effect_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetTextEngineGlobals() {
    gLayoutFormatFlag = 1;
    gLazyLayoutLength = kLazyLayoutLength;
    gInhibitWEHiliting = 0;
    gSelectMultipleMode = 0;
    gSelectBlockMode = 0;
    gDropColor = RGBColor{};
    gDropBlur = 0;
    gDropWidth = 0;
    gDropHeight = 0;
    gStrikeColor = kColorFollowsText;
    gStrikeCount = 1;
    gUnderlineColor = kColorFollowsText;
    gUnderlineCount = 1;
}
