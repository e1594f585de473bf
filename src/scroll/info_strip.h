// The prompter's information strip: window size, start delay, time to finish, time scrolled, mode, pause
// state and document name, or a position bar.
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

// Ticks until the end of the text at the average pace, the start delay included; -1 when the pace
// gives no end (standing or not a number).
SInt32 GetScrollTicksLeft(SInt16 ignored);
// Ticks since scrolling started; 0 when not scrolling.
SInt32 GetScrollTicksPassed();
// The strip redrawn in the prompter window, with port 1 made current and restored.
void DrawInfoRect(SInt16 kind, SInt16 showSize, SInt32 showTimes);

// The fields of the strip, in their order.
enum InfoField : SInt16 { kInfoSize, kInfoStart, kInfoFinish, kInfoTimer, kInfoMode, kInfoPause, kInfoEnd };
// The text a field shows now (Mac Roman, length first); the finish time is "--" when unknown.
void GetInfoFieldText(SInt16 field, Str255 out);
// The position bar's thumb inside a bar of the given length: its offset and length; false when the
// text is too short for one or the thumb would fill the bar.
bool GetInfoThumb(SInt32 barLength, SInt32* offset, SInt32* length);
