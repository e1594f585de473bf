// FormatDouble and its tables of number words and metric prefixes.
#include "foundation/format_double.h"

#include <cmath>
#include <cstdio>

namespace {

// Names of 10^(3k); the last two entries name 10^99 and 10^100.
constexpr const char* kLargeWords[35] = {
    "",
    "thousand",
    "million",
    "billion",
    "trillion",
    "quadrillion",
    "quintillion",
    "hexillion",
    "heptillion",
    "octillion",
    "nonillion",
    "decillion",
    "unodecillion",
    "duodecillion",
    "tredecillion",
    "quattuordecillion",
    "quindecillion",
    "sexdecillion",
    "septendecillion",
    "octodecillion",
    "novemdecillion",
    "vigintillion",
    "unvigintillion",
    "duovigintillion",
    "tresvigintillion",
    "quattuortillion",
    "quintillion",
    "sestillion",
    "septemtillion",
    "octotillion",
    "novemtillion",
    "trigintillion",
    "untrigintillion",
    "duotrigintillion",
    "googol",
};
// Prefixes of 10^(3k), k = 1 to 11.
constexpr const char* kLargePrefixes[11] = {"kilo",  "mega",  "giga", "tera", "peta", "exa",
                                            "zetto", "yotta", "nea",  "dea",  "una"};
// Names of 10^(-3k), k = 1 to 14.
constexpr const char* kSmallWords[14] = {
    "thousanth",     "millionth",     "billionth",      "trillionth",     "quadrillionth",
    "quintillionth", "sextillionth",  "septillionth",   "odillionth",     "nontillionth",
    "decillionth",   "undecillionth", "duodecillionth", "tredecillionth",
};
// Prefixes of 10^(-3k), k = 1 to 11.
constexpr const char* kSmallPrefixes[11] = {"milli", "micro", "nano", "pico",  "femto", "atto",
                                            "zetto", "yocto", "syto", "tredo", "revo"};

char gResults[2][96];
int gNextResult = 0;

} // namespace

const char* FormatDouble(double value, bool metric) {
    char* out = gResults[gNextResult];
    gNextResult ^= 1;
    const size_t size = sizeof gResults[0];
    if (value == 0) {
        std::snprintf(out, size, "zero");
        return out;
    }
    const char* sign = value < 0 ? "-" : "";
    long double v = std::fabs(static_cast<long double>(value));
    if (!std::isfinite(v) || (v >= 0.001L && v < 1000000.0L)) {
        std::snprintf(out, size, "%s%.12Lg", sign, v);
        return out;
    }
    long double x;
    const char* name;
    if (v >= 1000000.0L) {
        x = v / 1e6L;
        if (metric) {
            int k = 1;
            for (; x >= 1000 && k < 10; ++k)
                x /= 1000;
            name = kLargePrefixes[k];
        } else {
            int k = 0;
            for (; x >= 1000 && k < 31; ++k)
                x /= 1000;
            if (k < 31) {
                name = kLargeWords[k + 2];
            } else if (x < 10) {
                name = kLargeWords[33];
            } else {
                x /= 10;
                name = kLargeWords[34];
            }
        }
    } else {
        x = v * 1e6L;
        const int last = metric ? 10 : 13;
        int k = 1;
        for (; x < 1 && k < last; ++k)
            x *= 1000;
        name = metric ? kSmallPrefixes[k] : kSmallWords[k];
    }
    std::snprintf(out, size, "%s%.12Lg %s", sign, x, name);
    return out;
}
