// The script's bookmarks.
#pragma once

#include "platform/memory.h"

// Bookmark records of the script; null when there are none.
extern Handle gBookmarkList;

// The character at the cue where the last pause ended; the next-bookmark search passes over a bookmark
// standing there, so that a scroll stopped at it can leave it. -1 when none.
extern SInt32 gPausedHere;
// No bookmark ahead in the scroll direction.
constexpr SInt32 kNoBookmarkAhead = 0x7FFFFFFF;
// Signed pixels to the next bookmark in the scroll direction (the sign of gScrollThis for that way), its
// character offset through offset; kNoBookmarkAhead and -1 when there is none.
SInt32 GetDistanceToNextBookmark(SInt32* offset);
// Until the bookmarks are kept, tests give the next-bookmark search its answer; kNoBookmarkAhead restores
// "none".
void SetNextBookmarkForTesting(SInt32 distance, SInt32 offset);
// The next bookmark at or after offset and its line in the prompter text; -1 (and line -1) when none.
SInt32 GetNextPage(SInt32 offset, SInt32* line);

// ---- The bookmark slots as the document code and file opening reach them ----

// Number of slots; gBookmarkList holds exactly that many host-order SInt32 offsets (-1: an empty slot).
extern SInt32 gNumBookmarks;
// Names: a signed 16-bit count, then one length-prefixed string per slot from slot 0; null when no slot
// was ever named.
extern Handle gBookmarkNames;
// The character that marks a bookmark in a document's text when bookmarks are stored as marks; 0 when
// the user has not chosen one.
extern UInt8 gBookmarkCharacter;
// Asks the user for the marker character; false when cancelled.
bool GetMarkCharacter();
// Whether SetBookmark keeps the bookmarks it is given. While it does not, a document's marker characters
// stay in its text, where they are saved again as they came, instead of vanishing.
bool BookmarksAreKept();
// Sets a slot (-1: the first empty one) to the offset (-1: the current place).
void SetBookmark(SInt16 slot, SInt32 offset, SInt16 markChanged);
// Removes every empty slot, or every slot when all is set.
void CleanUpBookmarkList(SInt16 all);
void SetBookmarkName(SInt16 slot, ConstStr255Param name);
// Rewrites the bookmarks menu's item for the slot at the offset, and the slot's line in the list window.
void SetBookmarkMenuItem(SInt32 offset, SInt16 item, SInt16 flag);
void SetBookmarkListText(SInt16 slot);
