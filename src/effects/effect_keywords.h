// The keyword tables of the mandala and overlay text files, as the keyword look-up reads them.
#pragma once

#include "platform/types.h"

// 36-byte mandala keyword records (44 of them) and 44-byte overlay keyword records (27): a length-prefixed
// long keyword at the start and a four-character short keyword at bytes 20-23. Null until loaded.
extern Handle gSpiroKeywords;
extern Handle gOverlayKeywords;
inline constexpr Size kSpiroKeywordSize = 36;
inline constexpr SInt32 kSpiroKeywordCount = 44;
inline constexpr Size kOverlayKeywordSize = 44;
inline constexpr SInt32 kOverlayKeywordCount = 27;
inline constexpr Size kEffectShortKeywordAt = 20;
// Loads the mandala keyword table once.
void GetSpiroKeywords();
