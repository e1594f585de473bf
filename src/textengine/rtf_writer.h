// Styled text as RTF for other programs.
#pragma once

#include "textengine/text_engine_types.h"

#include <string>

// RTF of Mac Roman text and its style runs (a style scrap with either header; null: the default style).
std::string _WEMakeRtf(const UInt8* text, SInt32 length, Handle styles);
