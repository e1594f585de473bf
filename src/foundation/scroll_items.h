// Scroll bar items of dialogs: arrow parts step by 2, page parts by the page step kept in the item's
// reference value, and a held click repeats through one shared action routine.
#pragma once

#include "foundation/scroll_bar_parts.h"
#include "platform/dialogs.h"

// Called with the new and the old value whenever a tracked scroll bar's value changes.
using ScrollActionProc = void (*)(DialogPtr dialog, SInt16 item, SInt16 newValue, SInt16 oldValue);

// The value a part click gives: old plus the step, no more than maximum and no less than 0. A page part
// with no page step, or any other part, keeps the old value.
SInt16 ScrollPartValue(SInt16 value, SInt16 maximum, SInt32 pageStep, SInt16 part);
void DoScrollPart(DialogPtr dialog, SInt16 item, SInt16 part);
// Steps once and tells the item's action routine when the value changed.
void ActionGlue(DialogPtr dialog, SInt16 item, SInt16 part, ScrollActionProc action);
// A click in a part: steps at once and, while the button stays down, again at the key-repeat rates.
// The thumb is left to the item's own tracking and only reports the change.
void TrackScroll(DialogPtr dialog, SInt16 item, SInt16 part, ScrollActionProc action);
