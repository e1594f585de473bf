// Colour tables read from resources: byte order settled once on loading, and padding to a length.
#pragma once

#include "platform/geometry.h"
#include "platform/resources.h"
#include "platform/types.h"

// The largest highest-index a program colour table has (indexes 0 to 773).
constexpr SInt16 kHighestProgramColorIndex = 773;

SInt32 ColorTableEntryCount(Handle table);
SInt16 ColorTableHighestIndex(Handle table);
RGBColor ColorTableEntry(Handle table, SInt16 index);
// The table as a detached handle in this machine's byte order, its highest index no larger than its
// entries allow; null when the resource is missing or too short.
Handle LoadColorTable(ResType type, ResID id);
// Grows the table to `entries` entries, numbering every entry by its index and giving the new ones the
// fill colour; the highest index becomes entries - 1. False when memory ran out.
bool PadColorTable(Handle table, SInt32 entries, const RGBColor& fill);
