// Length-prefixed string helpers.
#include "platform/pstring.h"

#include <cstdio>
#include <cstring>

void SetPString(StringPtr dst, std::string_view text) {
    size_t n = text.size() > 255 ? 255 : text.size();
    dst[0] = UInt8(n);
    if (n) std::memcpy(dst + 1, text.data(), n); // an empty view may have no data at all
}

void CopyPString(ConstStringPtr src, StringPtr dst, size_t dstCapacity) {
    if (dstCapacity == 0) return;
    size_t n = src ? src[0] : 0;
    if (n > dstCapacity - 1) n = dstCapacity - 1;
    std::memmove(dst + 1, src + 1, n);
    dst[0] = UInt8(n);
}

bool EqualPStrings(ConstStringPtr a, ConstStringPtr b) {
    return PStringView(a) == PStringView(b);
}

void NumToString(SInt32 n, StringPtr dst) {
    char buffer[16];
    int len = std::snprintf(buffer, sizeof buffer, "%d", int(n));
    SetPString(dst, std::string_view(buffer, size_t(len)));
}
