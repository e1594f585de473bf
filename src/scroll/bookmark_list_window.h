// The bookmark list window: one row per bookmark slot (its name, the text at it, or the empty-slot
// label), a strip of small buttons under the list and an opacity button; the window can be translucent.
#pragma once

#include "platform/lists.h"
#include "platform/types.h"

inline constexpr SInt16 kBookmarkWindowID = 131; // its 'WIND'
inline constexpr SInt16 kBookmarkWindowReference = 4;
inline constexpr SInt16 kBookmarkStripHeight = 16;   // the button strip under the list
inline constexpr SInt16 kBookmarkButtonTitles = 145; // 'STR#' of the strip's button titles
inline constexpr SInt16 kOpacityUpPicture = 327, kOpacityDownPicture = 328;
// Items of the program's texts: the row of an empty slot.
inline constexpr SInt16 kEmptySlotLabelItem = 128;
// Rows showing the text at a bookmark show this many characters.
inline constexpr SInt16 kBookmarkRowTextLength = 45;

extern ListHandle BookmarkListHandle;
extern Rect gBookmarkListRect;
extern Rect gBookmarkExtraRect, gBookmarkGotoRect, gBookmarkFillinRect, gBookmarkRemoveRect,
    gBookmarkSortRect, gBookmarkNamesRect, gBookmarkRenameRect, gBookmarkOpacityRect;
extern SInt16 gBookmarkSingleSpace;    // row height, pixels
extern SInt32 gBookmarkListHeight;     // rows x row height
extern SInt16 gBookmarkWindowHeight;   // content height
extern SInt32 gBookmarkExtraHeight;    // list height less the list rectangle's height
extern SInt32 gBookmarkCurrentPos;     // pixels scrolled: 0 or negative
extern SInt16 gBookmarkPageScrollSize; // rows per page step
extern SInt16 gBookmarkOpacity;        // percent

void OpenBookmarkWindow();
// alreadyGone: the window itself was closed by the desktop; only its list is released.
void CloseBookmarkWindow(SInt16 alreadyGone);
void NewBookmarkWindowSize(SInt16 width, SInt16 height);
void CreateBookmarkList();
// Lays out the button strip under gBookmarkListRect.
void GetBookmarkRects();
// Fills the list with a row per slot; 1 when rows were filled, 0 otherwise.
SInt16 PutBookmarksInList();
// Rewrites the slot's row; when slots came or went, or for slot -1, every row.
void SetBookmarkListText(SInt16 slot);
void SelectBookmark(SInt16 slot);
void BookmarkScrollThisMuch(SInt16 rows);
void GetCurrentBookmarksPos();
void UpdateBookmarkOpacityButton();
void SetBookmarkWindowColor(const RGBColor& color);
// Redraws the list, the strip's buttons and the opacity button (the window's port current).
void DrawBookmarkWindow();

// Rows per page step: one less than the rows the list rectangle shows when the list is taller than it,
// else 0 (also for a row height of 0).
SInt16 BookmarkPageStep(SInt32 listHeight, SInt16 rectHeight, SInt16 rowHeight);
