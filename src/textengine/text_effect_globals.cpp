// Definitions of the text effect globals: one plain line of each, no shadow offset, the default tab stops.
#include "textengine/text_effect_globals.h"

Handle gTabList = nullptr;

namespace {
constexpr TabList MakeDefaultTabList() {
    TabList list{};
    list.firstValue = 1;
    list.count = 18;
    for (SInt32 i = 0; i < list.count; ++i)
        list.positions[i] = SInt16(100 * (i + 1));
    return list;
}
} // namespace

const TabList gDefaultTabList = MakeDefaultTabList();
