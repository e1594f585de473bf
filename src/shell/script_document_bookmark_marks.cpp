// Bookmarks kept as marker characters inside a document's text: inserted into the bytes a save writes
// (the text in memory never holds them), taken out again (each becoming a bookmark) after a load.
#include "platform/memory.h"
#include "scroll/bookmarks.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <cstring>
#include <vector>

void AddBookmarksToText(std::vector<UInt8>& text) {
    if (!gBookmarkList || gNumBookmarks <= 0) return;
    const Size slots = std::min(Size(gNumBookmarks), GetHandleSize(gBookmarkList) / 4);
    // Offsets in text order, so that each marker's place can be shifted by the markers before it; empty
    // slots and offsets outside the text get no marker.
    std::vector<SInt32> offsets;
    for (Size i = 0; i < slots; ++i) {
        SInt32 offset;
        std::memcpy(&offset, *gBookmarkList + i * 4, 4);
        if (offset >= 0 && size_t(offset) <= text.size()) offsets.push_back(offset);
    }
    std::sort(offsets.begin(), offsets.end());
    size_t inserted = 0;
    for (SInt32 offset : offsets) {
        text.insert(text.begin() + std::ptrdiff_t(size_t(offset) + inserted), gBookmarkCharacter);
        ++inserted;
    }
}

void SetBookmarkMenu(bool setBookmarks) {
    if (!myTextResource || gBookmarkCharacter == 0) return;
    UInt8* text = reinterpret_cast<UInt8*>(*myTextResource);
    const Size size = GetHandleSize(myTextResource);
    std::vector<SInt32> places;
    Size kept = 0;
    for (Size i = 0; i < size; ++i) {
        if (text[i] == gBookmarkCharacter) {
            places.push_back(SInt32(kept));
            continue;
        }
        text[kept++] = text[i];
    }
    if (places.empty()) return;
    SetHandleSize(myTextResource, kept);
    if (setBookmarks)
        for (SInt32 place : places)
            SetBookmark(-1, place, 0);
}
