// Converting a stored preference record to the other byte order. Records are stored in the order of the
// machine that wrote them; a reader that meets the other order converts the record in place.
#pragma once

#include "platform/types.h"

constexpr ResType kMainPrefsType = FourCC("pref");
constexpr ResType kRecentPrefsType = FourCC("rPrf");
constexpr ResType kPositionPrefsType = FourCC("pPrf");
constexpr ResType kSparePrefsType = FourCC("bPrf");
constexpr ResType kMacroClassesType = FourCC("cPrf");
constexpr ResType kShapePrefsType = FourCC("Shap");

// Reverses every 16- and 32-bit unit of a record of the given type that lies within its first `size`
// bytes; text, reserved bytes and the style byte of each text format block stay where they are. Doing it
// twice gives back the same bytes.
void SwapPrefs(void* record, ResType type, Size size);
