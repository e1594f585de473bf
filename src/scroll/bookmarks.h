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
