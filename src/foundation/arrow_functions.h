// The numbered step functions of the arrow buttons beside numeric fields, sliders and the shape editor:
// each code steps one field of one open dialog by one, never leaving the field's range.
#pragma once

#include "platform/types.h"

// Set on a second press of the same button within 20 ticks; such codes do nothing.
constexpr UInt16 kRepeatedPressBit = 0x8000;

// One step of value towards direction (+1 or -1) by step, within [lower, upper]; a value found outside
// the range is brought back to its nearer end first.
SInt32 StepWithin(SInt32 value, int direction, SInt32 step, SInt32 lower, SInt32 upper);
void PerformFunction(UInt16 code);
