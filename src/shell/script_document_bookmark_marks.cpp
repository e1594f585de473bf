// Bookmarks kept as marker characters inside a document's text: inserted for the save, taken out again
// (each becoming a bookmark) after it and after every load.
#include "platform/memory.h"
#include "scroll/bookmarks.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <cstring>
#include <vector>

void AddBookmarksToText() {
    if (!BookmarksAreKept()) return;
    if (!myTextResource || !gBookmarkList || gNumBookmarks <= 0) return;
    const Size slots = std::min(Size(gNumBookmarks), GetHandleSize(gBookmarkList) / 4);
    // Offsets in text order, so that each marker's place can be shifted by the markers before it; empty
    // slots and offsets outside the text get no marker.
    std::vector<SInt32> offsets;
    const Size textSize = GetHandleSize(myTextResource);
    for (Size i = 0; i < slots; ++i) {
        SInt32 offset;
        std::memcpy(&offset, *gBookmarkList + i * 4, 4);
        if (offset >= 0 && offset <= textSize) offsets.push_back(offset);
    }
    std::sort(offsets.begin(), offsets.end());
    Size inserted = 0;
    for (SInt32 offset : offsets) {
        if (SpliceHandle(myTextResource, offset + inserted, 0, &gBookmarkCharacter, 1) != noErr) break;
        ++inserted;
    }
}

void SetBookmarkMenu(bool setBookmarks) {
    // Markers that no bookmark could take over stay in the text.
    if (!BookmarksAreKept()) return;
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
