// The script's bookmarks: numbered slots of character offsets with optional names, the temporary and
// return stacks, and the searches the scroll tick and the jumps use.
#pragma once

#include "platform/memory.h"
#include "platform/types.h"

#include <string>

// Slot offsets of the script (host-order SInt32, -1: an empty slot); null when there are no slots.
extern Handle gBookmarkList;
// Number of slots; gBookmarkList holds exactly that many offsets.
extern SInt32 gNumBookmarks;
// Names: a signed 16-bit count, then one length-prefixed string per slot from slot 0 (an unnamed slot is
// a single zero byte); slots past the count have no name. Null when no slot was ever named.
extern Handle gBookmarkNames;
// The character that marks a bookmark in a document's text when bookmarks are stored as marks; 0 when
// the user has not chosen one.
extern UInt8 gBookmarkCharacter;
// Menu items and list rows show the text at each bookmark instead of its name.
extern bool gBookmarksShowingText;

// The character at the cue where the last pause ended; the next-bookmark search passes over a bookmark
// standing there, so that a scroll stopped at it can leave it. -1 when none.
extern SInt32 gPausedHere;
// No bookmark ahead in the scroll direction.
constexpr SInt32 kNoBookmarkAhead = 0x7FFFFFFF;

// Asks the user for the marker character; false when cancelled.
bool GetMarkCharacter();
// False for a character the script's own text holds (returns, blanks, letters): marks are taken out of
// the text when it is read back, and such a character would go with them.
bool IsUsableMarkCharacter(UInt8 c);

// Sets a slot (-1: the first empty one, else a new slot at the end) to the offset (-1: the current place);
// markChanged marks the document changed.
void SetBookmark(SInt16 slot, SInt32 offset, SInt16 markChanged);
// Appends a slot holding the offset as stored, an empty slot included (a loaded list keeps its slots).
void AppendStoredBookmark(SInt32 offset);
// Empties a slot (-1: the last one) and drops empty slots from the end.
void UnsetBookmark(SInt16 slot);
void ShortenBookmarkList();
// Removes every empty slot, or every slot when all is set; names go with their slots.
void CleanUpBookmarkList(SInt16 all);
// Orders the slots by offset (empty slots first); names follow their bookmarks.
void SortBookmarkList();
// The slot's offset, -1 for an empty or missing slot.
SInt32 GetBookmarkOffset(SInt16 slot);

void SetBookmarkName(SInt16 slot, ConstStr255Param name);
void DeleteBookmarkName(SInt16 slot);
// The slot's name in a buffer that the next call reuses; null when it has none.
StringPtr GetBookmarkName(SInt16 slot);

// Rewrites the bookmarks menu's item for the slot at the offset, and the slot's line in the list window.
void SetBookmarkMenuItem(SInt32 offset, SInt16 item, SInt16 modifiers);
void SetBookmarkListText(SInt16 slot);

// The first set bookmark in slot order at or after the offset (direction 1 or more), or at or before it
// (otherwise); its slot through slot. -1 when none.
SInt32 GetNextBookMark(SInt32 offset, SInt16 direction, SInt16* slot);
// Signed pixels to the next bookmark in the scroll direction (the sign of gScrollThis for that way), its
// character offset through offset; kNoBookmarkAhead and -1 when there is none.
SInt32 GetDistanceToNextBookmark(SInt32* offset);
// The next bookmark at or after offset (before it for the previous page) and its line in the prompter
// text; -1 (and line -1) when none.
SInt32 GetNextPage(SInt32 offset, SInt32* line);
SInt32 GetPreviousPage(SInt32 offset, SInt32* line);
// Brings the slot's bookmark to the cue (or into the edit window when that is where the user works);
// false when the slot holds none.
bool GoToBookmark(SInt16 slot);

// Places the user remembers for a quick return: pushed at the current place, popped (and gone to when go
// is set).
extern SInt32 gNumTempBookmarks;
void SetTemporaryBookmark();
void GoToTemporaryBookmark(SInt16 go);
void ClearAllTemporaryBookmarks();

// Where hypertext jumps came from. offset -1 is the cue character; withDocument remembers the current
// document too, so that the return opens it again.
extern SInt32 gNumInReturnStack;
OSErr SetReturnBookmark(SInt16 withDocument, SInt32 offset);
void GoToReturnBookmark(SInt16 open);
void ClearAllReturnBookmarks();
// The top entry of the return stack (false when empty), for what the title and tests show.
bool PeekReturnBookmark(SInt32* offset, std::string* name, std::string* folder);
