// Length-prefixed strings: byte 0 holds the length, then up to 255 bytes of Mac Roman text.
#pragma once

#include "platform/types.h"

#include <string>
#include <string_view>

inline std::string_view PStringView(ConstStringPtr s) {
    return s ? std::string_view(reinterpret_cast<const char*>(s + 1), s[0]) : std::string_view();
}
// Copies at most 255 bytes of text into dst (which holds 256 bytes).
void SetPString(StringPtr dst, std::string_view text);
// Copies src into dst, which holds dstCapacity bytes including the length byte; the text is cut to fit.
void CopyPString(ConstStringPtr src, StringPtr dst, size_t dstCapacity = 256);
bool EqualPStrings(ConstStringPtr a, ConstStringPtr b);
// The decimal form of n, as the platform's number-to-text conversion gives it.
void NumToString(SInt32 n, StringPtr dst);
