// The one level of undo: before an edit its caller keeps the parts of the state the edit can change, and
// the Undo command puts them back once.
#include "scroll/undo.h"

#include "scroll/scroll_engine.h"
#include "scroll/state_copies.h"

namespace {

struct UndoInfo {
    KeptText text;
    KeptBookmarks bookmarks;
    KeptLinks links;
    KeptFileIdentity identity;
    KeptPlaces places;
};

UndoInfo& Kept() {
    static UndoInfo kept;
    return kept;
}

} // namespace

void StoreUndoInfo(SInt16 kind) {
    if (gInhibitUndo) return;
    const UInt16 mask = UInt16(kind);
    UndoInfo& kept = Kept();
    if (mask & kUndoText) kept.text = KeepText();
    // Bookmarks and links kept for an earlier edit never outlive the next store.
    kept.bookmarks = {};
    kept.links = {};
    if (mask & kUndoBookmarks) {
        kept.bookmarks = KeepBookmarks();
        kept.links = KeepLinks();
    }
    if (mask & kUndoSelections) kept.places = KeepPlaces();
    if (mask & kUndoFileIdentity) kept.identity = KeepFileIdentity();
    gUndoAvailable = mask;
}

void RestoreUndoInfo() {
    const UInt16 mask = gUndoAvailable;
    if (mask == 0) return;
    UndoInfo& kept = Kept();
    if (mask & kUndoFileIdentity) PutBackFileIdentity(kept.identity);
    if (mask & kUndoText) {
        PutBackText(kept.text);
        kept.text.text.reset();
    }
    if (mask & kUndoSelections) PutBackPlaces(kept.places);
    if (mask & kUndoBookmarks) {
        PutBackBookmarks(kept.bookmarks);
        PutBackLinks(kept.links);
        kept.bookmarks = {};
        kept.links = {};
    }
    gUndoAvailable = 0;
}
