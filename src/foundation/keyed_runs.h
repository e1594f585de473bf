// The compositor's keyed runs in blocks of pixels: text copied over a picture except where it is within
// the key table's tolerance of the back colour. A vector kernel is chosen once at start-up when the
// processor has one, else the plain loop; both give the same pixels.
#pragma once

#include "platform/types.h"

#include <cstddef>

struct KeyRanges;

// For count pixels of a source row: d[i x step] = s[i] unless s[i] matches the table (with invert, unless
// it does not match). step is 1 or -1.
void KeyedRun(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const KeyRanges& ranges, bool invert);
// The plain loop, for comparing and for processors without vectors.
void KeyedRunPlain(const UInt32* s, UInt32* d, ptrdiff_t step, int count, const KeyRanges& ranges,
                   bool invert);
// "avx2", "vector" or "plain": what KeyedRun uses. Tests and benchmarks may force the plain loop.
const char* KeyedRunKind();
void UsePlainKeyedRuns(bool plain);
