// Lower-casing Mac Roman bytes: ASCII letters and the accented capitals that have a small letter in the
// character set, so that names and endings compare the same whatever their case.
#pragma once

#include "platform/types.h"

UInt8 MacRomanToLower(UInt8 c);
// The same as a table of 256 bytes, for loops that fold every byte they read.
const UInt8* MacRomanLowerTable();
