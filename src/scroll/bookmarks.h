// The script's bookmarks.
#pragma once

#include "platform/memory.h"

// Bookmark records of the script; null when there are none.
extern Handle gBookmarkList;
