// The bookmark slots and their names: setting, emptying, cleaning up, sorting, keeping them true to the
// text as it is edited, and the searches for the next one.
#include "scroll/bookmarks.h"

#include "platform/pstring.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

Handle gBookmarkList = nullptr;
Handle gBookmarkNames = nullptr;

namespace {

std::vector<SInt32> ReadSlots() {
    std::vector<SInt32> slots;
    if (!gBookmarkList || gNumBookmarks <= 0) return slots;
    const Size count = std::min(Size(gNumBookmarks), GetHandleSize(gBookmarkList) / 4);
    slots.resize(size_t(count));
    std::memcpy(slots.data(), *gBookmarkList, size_t(count) * 4);
    return slots;
}

// False (and the list as it was) when memory is short.
bool WriteSlots(const std::vector<SInt32>& slots) {
    if (slots.empty()) {
        if (gBookmarkList) DisposeHandle(gBookmarkList);
        gBookmarkList = nullptr;
        gNumBookmarks = 0;
        return true;
    }
    const Size bytes = Size(slots.size()) * 4;
    if (!gBookmarkList) {
        Handle list = nullptr;
        if (PtrToHand(slots.data(), &list, bytes) != noErr) return false;
        gBookmarkList = list;
    } else {
        SetHandleSize(gBookmarkList, bytes);
        if (MemError() != noErr || GetHandleSize(gBookmarkList) != bytes) return false;
        std::memcpy(*gBookmarkList, slots.data(), size_t(bytes));
    }
    gNumBookmarks = SInt32(slots.size());
    return true;
}

std::vector<std::string> ReadNames() {
    std::vector<std::string> names;
    if (!gBookmarkNames || GetHandleSize(gBookmarkNames) < 2) return names;
    SInt16 count;
    std::memcpy(&count, *gBookmarkNames, 2);
    const Size size = GetHandleSize(gBookmarkNames);
    const char* bytes = *gBookmarkNames;
    Size at = 2;
    for (SInt16 i = 0; i < count && at < size; ++i) {
        const Size length = std::min<Size>(UInt8(bytes[at]), size - at - 1);
        names.emplace_back(bytes + at + 1, size_t(length));
        at += 1 + length;
    }
    return names;
}

// Names of no slot are not kept: a list without any name has no names handle.
void WriteNames(std::vector<std::string> names) {
    while (!names.empty() && names.back().empty())
        names.pop_back();
    if (names.empty()) {
        if (gBookmarkNames) DisposeHandle(gBookmarkNames);
        gBookmarkNames = nullptr;
        return;
    }
    std::string bytes(2, '\0');
    const SInt16 count = SInt16(std::min<size_t>(names.size(), 0x7FFF));
    std::memcpy(bytes.data(), &count, 2);
    for (SInt16 i = 0; i < count; ++i) {
        const std::string& name = names[size_t(i)];
        const size_t length = std::min<size_t>(name.size(), 255);
        bytes += char(length);
        bytes.append(name, 0, length);
    }
    Handle handle = nullptr;
    if (PtrToHand(bytes.data(), &handle, Size(bytes.size())) != noErr) return;
    if (gBookmarkNames) DisposeHandle(gBookmarkNames);
    gBookmarkNames = handle;
}

// The current place: the selection's start where the user edits, else the character at the cue.
SInt32 CurrentPlace(bool emptySelectionMeansCue) {
    auto selectionStart = [&](WEReference we, SInt32* start) {
        SInt32 end = 0;
        WEGetSelection(start, &end, 0, we);
        return !(emptySelectionMeansCue && *start == end);
    };
    SInt32 start = 0;
    const WindowPtr front = FrontNonFloatingWindow();
    if (EditWEHandle && myEditWindow && front == myEditWindow) {
        if (selectionStart(EditWEHandle, &start)) return GetRealEditPosition(start);
        return GetScrollAdjustedCharacter();
    }
    if (gEditOn && ScrollWEHandle && selectionStart(ScrollWEHandle, &start)) return start;
    return GetScrollAdjustedCharacter();
}

void ShowSlot(SInt16 slot, SInt32 offset) {
    SetBookmarkMenuItem(offset, SInt16(slot + 1), 0);
    SetBookmarkListText(slot);
}

// Whether a bookmark stands on the line where the last pause ended, so that the search passes over it.
bool StandsWherePaused(SInt32 bookmark) {
    if (gPausedHere < 0) return false;
    if (bookmark == gPausedHere) return true;
    return ScrollWEHandle &&
           GetScrollDistanceToCharacter(bookmark) == GetScrollDistanceToCharacter(gPausedHere);
}

} // namespace

void SetBookmark(SInt16 slot, SInt32 offset, SInt16 markChanged) {
    if (offset == -1) offset = CurrentPlace(false);
    std::vector<SInt32> slots = ReadSlots();
    if (slot < -1) return;
    if (slot == -1) {
        const auto empty = std::find(slots.begin(), slots.end(), -1);
        slot = SInt16(empty - slots.begin());
        if (empty == slots.end()) {
            if (slots.size() >= 0x7FFF) return;
            slots.push_back(-1);
        }
    } else if (size_t(slot) >= slots.size()) {
        slots.resize(size_t(slot) + 1, -1);
    }
    if (markChanged) gDontQuitWithoutSaving = true;
    slots[size_t(slot)] = offset;
    if (!WriteSlots(slots)) {
        SetBookmarkListText(-1);
        return;
    }
    const UInt8 noName[1] = {0};
    SetBookmarkName(slot, noName);
    ShowSlot(slot, offset);
}

void AppendStoredBookmark(SInt32 offset) {
    std::vector<SInt32> slots = ReadSlots();
    if (slots.size() >= 0x7FFF) return;
    slots.push_back(offset < 0 ? -1 : offset);
    if (WriteSlots(slots)) ShowSlot(SInt16(slots.size() - 1), slots.back());
}

void UnsetBookmark(SInt16 slot) {
    std::vector<SInt32> slots = ReadSlots();
    if (slots.empty()) return;
    if (slot == -1) slot = SInt16(slots.size() - 1);
    if (slot >= 0 && size_t(slot) < slots.size()) {
        slots[size_t(slot)] = -1;
        WriteSlots(slots);
        ShowSlot(slot, -1);
    }
    ShortenBookmarkList();
    gDontQuitWithoutSaving = true;
}

void ShortenBookmarkList() {
    std::vector<SInt32> slots = ReadSlots();
    const size_t before = slots.size();
    while (!slots.empty() && slots.back() == -1)
        slots.pop_back();
    if (slots.size() == before) return;
    std::vector<std::string> names = ReadNames();
    if (names.size() > slots.size()) names.resize(slots.size());
    WriteSlots(slots);
    WriteNames(names);
    SetBookmarkListText(-1);
}

void CleanUpBookmarkList(SInt16 all) {
    std::vector<SInt32> slots = ReadSlots();
    std::vector<std::string> names = ReadNames();
    std::vector<SInt32> kept;
    std::vector<std::string> keptNames;
    for (size_t i = 0; i < slots.size(); ++i) {
        if (all || slots[i] == -1) continue;
        kept.push_back(slots[i]);
        keptNames.push_back(i < names.size() ? names[i] : std::string());
    }
    if (all) {
        if (gBookmarkList) DisposeHandle(gBookmarkList);
        gBookmarkList = nullptr;
        gNumBookmarks = 0;
    } else if (kept.size() != slots.size() && !WriteSlots(kept)) {
        return;
    }
    WriteNames(keptNames);
    for (size_t i = 0; i < kept.size() && i < 10; ++i)
        SetBookmarkListText(SInt16(i));
    if (kept.empty()) SetBookmarkListText(-1);
}

void SortBookmarkList() {
    std::vector<SInt32> slots = ReadSlots();
    if (slots.empty()) return;
    std::vector<std::string> names = ReadNames();
    names.resize(slots.size());
    std::vector<std::pair<SInt32, std::string>> pairs;
    for (size_t i = 0; i < slots.size(); ++i)
        pairs.emplace_back(slots[i], names[i]);
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < pairs.size(); ++i) {
        slots[i] = pairs[i].first;
        names[i] = pairs[i].second;
    }
    if (!WriteSlots(slots)) return;
    WriteNames(names);
    for (size_t i = 0; i < slots.size(); ++i)
        ShowSlot(SInt16(i), slots[i]);
}

SInt32 GetBookmarkOffset(SInt16 slot) {
    if (!gBookmarkList || slot < 0 || slot >= gNumBookmarks ||
        Size(slot + 1) * 4 > GetHandleSize(gBookmarkList))
        return -1;
    SInt32 offset;
    std::memcpy(&offset, *gBookmarkList + Size(slot) * 4, 4);
    return offset;
}

void SetBookmarkName(SInt16 slot, ConstStr255Param name) {
    if (slot < 0 || slot >= gNumBookmarks || !name) return;
    std::vector<std::string> names = ReadNames();
    const std::string text(PStringView(name));
    // Slots past the names' count have no name already.
    if (text.empty() && size_t(slot) >= names.size()) return;
    if (names.size() <= size_t(slot)) names.resize(size_t(slot) + 1);
    names[size_t(slot)] = text;
    WriteNames(names);
}

void DeleteBookmarkName(SInt16 slot) {
    std::vector<std::string> names = ReadNames();
    if (slot < 0 || size_t(slot) >= names.size()) return;
    names.erase(names.begin() + slot);
    WriteNames(names);
}

StringPtr GetBookmarkName(SInt16 slot) {
    static Str255 buffer;
    if (!gBookmarkNames || slot < 0) return nullptr;
    const std::vector<std::string> names = ReadNames();
    if (size_t(slot) >= names.size() || names[size_t(slot)].empty()) return nullptr;
    const std::string& name = names[size_t(slot)];
    buffer[0] = UInt8(name.size());
    std::memcpy(buffer + 1, name.data(), name.size());
    return buffer;
}

// An insertion moves what follows it. A deletion moves each bookmark by its own offset: one inside the
// removed run goes to the run's start, one after it moves back by the run's length, and only a bookmark
// that lands where another already stands is dropped.
void AdjustBookmarks(SInt32 offset, SInt32 newLength, SInt32 oldLength) {
    const SInt32 d = newLength - oldLength;
    if (d == 0 || !gBookmarkList || gNumBookmarks <= 0) return;
    SInt32* slots = reinterpret_cast<SInt32*>(*gBookmarkList);
    const SInt32 count = SInt32(std::min(Size(gNumBookmarks), GetHandleSize(gBookmarkList) / 4));
    if (d > 0) {
        for (SInt32 i = 0; i < count; ++i)
            if (slots[i] != -1 && slots[i] > offset) slots[i] += d;
        return;
    }
    const SInt32 end = offset - d;
    bool startTaken = false;
    for (SInt32 i = 0; i < count; ++i)
        startTaken = startTaken || slots[i] == offset;
    for (SInt32 i = 0; i < count; ++i) {
        SInt32& b = slots[i];
        if (b == -1 || b < offset || b == offset) continue;
        const SInt32 moved = b >= end ? b + d : offset;
        if (moved != offset) {
            b = moved;
        } else if (startTaken) {
            b = -1;
        } else {
            b = offset;
            startTaken = true;
        }
    }
}

SInt32 GetNextBookMark(SInt32 offset, SInt16 direction, SInt16* slot) {
    if (slot) *slot = -1;
    if (!gBookmarkList) return -1;
    const SInt32* slots = reinterpret_cast<const SInt32*>(*gBookmarkList);
    const SInt32 count = SInt32(std::min(Size(gNumBookmarks), GetHandleSize(gBookmarkList) / 4));
    if (direction >= 1) {
        for (SInt32 i = 0; i < count; ++i)
            if (slots[i] != -1 && slots[i] >= offset) {
                if (slot) *slot = SInt16(i);
                return slots[i];
            }
    } else {
        for (SInt32 i = count - 1; i >= 0; --i)
            if (slots[i] != -1 && slots[i] <= offset) {
                if (slot) *slot = SInt16(i);
                return slots[i];
            }
    }
    return -1;
}

SInt32 GetDistanceToNextBookmark(SInt32* offset) {
    if (offset) *offset = -1;
    if (!gBookmarkList) return kNoBookmarkAhead;
    const SInt16 direction = GetPref(gThePreferences, kPrefScrollDirection) >= 1 ? 1 : -1;
    SInt32 b = GetNextBookMark(GetScrollAdjustedCharacter(), direction, nullptr);
    // Bookmarks on the line the text paused at are left behind, however many there are.
    for (SInt32 passes = 0; b != -1 && StandsWherePaused(b) && passes < gNumBookmarks; ++passes)
        b = GetNextBookMark(b + direction, direction, nullptr);
    if (b == -1 || StandsWherePaused(b)) return kNoBookmarkAhead;
    if (offset) *offset = b;
    return GetScrollDistanceToCharacter(b);
}

SInt32 GetNextPage(SInt32 offset, SInt32* line) {
    const SInt32 b = GetNextBookMark(offset, 1, nullptr);
    if (line) *line = (b >= 0 && ScrollWEHandle) ? WEOffsetToLine(b, ScrollWEHandle) : -1;
    return b;
}

SInt32 GetPreviousPage(SInt32 offset, SInt32* line) {
    const SInt32 b = GetNextBookMark(offset, -1, nullptr);
    if (line) *line = (b >= 0 && ScrollWEHandle) ? WEOffsetToLine(b, ScrollWEHandle) : -1;
    return b;
}

bool GoToBookmark(SInt16 slot) {
    const SInt32 offset = GetBookmarkOffset(slot);
    if (offset < 0) return false;
    ScrollScrollToCharacter(offset, 0);
    return true;
}
