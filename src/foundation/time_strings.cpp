// Duration and clock texts.
#include "foundation/time_strings.h"

#include "foundation/global_lists.h"
#include "platform/clock.h"
#include "platform/pstring.h"

#include <cstdio>

namespace {

RESETTABLE(SInt32, gLastHour, -1);
RESETTABLE(SInt32, gLastMinute, -1);

} // namespace

StringPtr SecondsToTimeString(SInt32 seconds, StringPtr out) {
    const SInt64 magnitude = seconds < 0 ? -SInt64(seconds) : SInt64(seconds);
    char text[32];
    const int n =
        std::snprintf(text, sizeof text, "%s%02lld:%02lld:%02lld", seconds < 0 ? "-" : "",
                      static_cast<long long>(magnitude / 3600), static_cast<long long>(magnitude / 60 % 60),
                      static_cast<long long>(magnitude % 60));
    SetPString(out, std::string_view(text, size_t(n)));
    return out;
}

bool GetTheTime(StringPtr out) {
    const UInt32 now = CurrentDateTime();
    const SInt32 hour = SInt32(now / 3600 % 24), minute = SInt32(now / 60 % 60);
    char text[8];
    const int n = std::snprintf(text, sizeof text, "%d:%02d", int(hour), int(minute));
    SetPString(out, std::string_view(text, size_t(n)));
    const bool changed = hour != gLastHour || minute != gLastMinute;
    gLastHour = hour;
    gLastMinute = minute;
    return changed;
}
