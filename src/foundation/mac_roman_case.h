// Lower-casing Mac Roman bytes: ASCII letters and the accented capitals that have a small letter in the
// character set, so that names and endings compare the same whatever their case.
#pragma once

#include "platform/types.h"

UInt8 MacRomanToLower(UInt8 c);
