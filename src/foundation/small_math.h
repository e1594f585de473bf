// The program's random numbers and its integer square root.
#pragma once

#include "platform/types.h"

// A pseudo-random 16-bit number; the sequence follows from the seed.
UInt16 Random16();
void SetRandomSeed(UInt32 seed);
// An integer from 0 to n - 1: (n x a 16-bit random number) / 65536.
SInt32 rnd(SInt32 n);
// The square root rounded to the nearest integer.
UInt32 SquareRoot(UInt32 n);
