// The tab stop list edits. The current list is gTabList; while the document has none of its own the
// defaults stand, and the first edit starts the document's own list from a copy of them.
#include "scroll/tab_stops.h"

#include "scroll/tab_ruler.h"
#include "shell/script_documents.h"

#include <algorithm>
#include <cstring>

SInt16 gCurrentTabKind = 0;
Handle gMovingTabsList = nullptr;
Rect gEditTabBarRect{};

namespace {

// A stop's hit area runs from 6 pixels left of it to 5 right (exclusive), below the bar's top 5 rows.
constexpr SInt16 kHitLeft = 6, kHitRight = 5, kHitTopInset = 5;
constexpr SInt16 kMarkerPointDown = 8;

bool HoldsList(Handle list) {
    return list && *list && GetHandleSize(list) >= Size(sizeof(TabList));
}

TabList& ListIn(Handle list) {
    return *reinterpret_cast<TabList*>(*list);
}

// The document's own list, started from the defaults when it has none; null when memory ran out.
TabList* EditableList() {
    if (!HoldsList(gTabList)) {
        if (gTabList) DisposeHandle(gTabList);
        gTabList = NewHandle(sizeof(TabList));
        if (!gTabList) return nullptr;
        std::memcpy(*gTabList, &gDefaultTabList, sizeof(TabList));
    }
    TabList& list = ListIn(gTabList);
    list.count = std::clamp<SInt32>(list.count, 0, kMaxTabStops);
    return &list;
}

} // namespace

const TabList& CurrentTabList() {
    return HoldsList(gTabList) ? ListIn(gTabList) : gDefaultTabList;
}

SInt16 FindTabInBar(const Rect& bar, Point point, Point* where) {
    const TabList& list = CurrentTabList();
    const SInt32 count = std::clamp<SInt32>(list.count, 0, kMaxTabStops);
    for (SInt32 i = 0; i < count; ++i) {
        const SInt32 x = bar.left + SInt32(list.positions[i]);
        const bool inside = point.v >= bar.top + kHitTopInset && point.v < bar.bottom &&
                            point.h >= x - kHitLeft && point.h < x + kHitRight;
        if (!inside) continue;
        if (where) *where = Point{SInt16(bar.top + kMarkerPointDown), SInt16(x)};
        return SInt16(i);
    }
    return -1;
}

SInt16 FindScrollTab(Point point, Point* where) {
    return FindTabInBar(gTabBarRect, point, where);
}

SInt16 FindEditTab(Point point, Point* where) {
    return FindTabInBar(gEditTabBarRect, point, where);
}

SInt16 InsertTab(Point point) {
    TabList* list = EditableList();
    if (!list || list->count >= kMaxTabStops) return -1;
    // Stops stand at or right of the bar's left edge.
    const SInt32 x = std::clamp<SInt32>(point.h - gTabBarRect.left, 0, 0x7FFF);
    SInt32 i = 0;
    while (i < list->count && x > list->positions[i])
        ++i;
    gTabsAreCustom = true;
    if (i < list->count && x == list->positions[i]) {
        list->kinds[i] = gCurrentTabKind;
        return -1;
    }
    std::move_backward(list->kinds + i, list->kinds + list->count, list->kinds + list->count + 1);
    std::move_backward(list->positions + i, list->positions + list->count, list->positions + list->count + 1);
    list->kinds[i] = gCurrentTabKind;
    list->positions[i] = SInt16(x);
    ++list->count;
    return SInt16(i);
}

SInt32 InsertTabs(Handle list, Point point) {
    if (!HoldsList(list)) return 0;
    const TabList stops = ListIn(list);
    const SInt32 count = std::clamp<SInt32>(stops.count, 0, kMaxTabStops);
    const SInt16 savedKind = gCurrentTabKind;
    for (SInt32 i = 0; i < count; ++i) {
        gCurrentTabKind = stops.kinds[i];
        InsertTab(Point{point.v, SInt16(point.h + stops.positions[i] - stops.positions[0])});
    }
    gCurrentTabKind = savedKind;
    return count;
}

SInt16 RemoveTab(SInt16 index) {
    TabList* list = EditableList();
    if (!list || index < 0 || index >= list->count) return -1;
    gTabsAreCustom = true;
    if (gMovingTabsList) {
        list->count = index;
        return index;
    }
    std::move(list->kinds + index + 1, list->kinds + list->count, list->kinds + index);
    std::move(list->positions + index + 1, list->positions + list->count, list->positions + index);
    --list->count;
    return index;
}

Handle DuplicateTabList(Handle list, SInt32 from) {
    if (!HoldsList(list)) return nullptr;
    const SInt32 count = std::clamp<SInt32>(ListIn(list).count, 0, kMaxTabStops);
    if (from < 0 || from >= count) return nullptr;
    Handle copy = NewHandleClear(sizeof(TabList));
    if (!copy) return nullptr;
    TabList& out = ListIn(copy);
    const TabList& in = ListIn(list);
    out.firstValue = in.firstValue;
    out.count = count - from;
    std::copy(in.kinds + from, in.kinds + count, out.kinds);
    std::copy(in.positions + from, in.positions + count, out.positions);
    return copy;
}

bool TabListIsSound(const TabList& list) {
    if (list.count < 0 || list.count > kMaxTabStops) return false;
    for (SInt32 i = 0; i < list.count; ++i) {
        if (list.kinds[i] < 0 || list.kinds[i] >= kTabKindCount) return false;
        if (i > 0 && list.positions[i] <= list.positions[i - 1]) return false;
    }
    return true;
}
