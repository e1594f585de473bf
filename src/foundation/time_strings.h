// Times of day and durations as text.
#pragma once

#include "platform/types.h"

// "01:02:05" for 3725: hours, minutes and seconds of at least two digits each; hours may pass 99.
StringPtr SecondsToTimeString(SInt32 seconds, StringPtr out);
// The local time as hour ":" minute ("9:05"); true when hour or minute differ from the last call.
bool GetTheTime(StringPtr out);
