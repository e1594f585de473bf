// Sliding pictures: a strip of cells (pictures, shapes, texts drawn by the window) that slides sideways
// under the mouse or its arrows, with one current entry. Stepping it allocates nothing.
#pragma once

#include "controls/control_records.h"
#include "textengine/text_engine_types.h"

#include <vector>

struct ScrollingPicsItem {
    SInt32 top = 0, left = 0, bottom = 0, right = 0; // the cell's place along the strip
};

enum : SInt16 { kStripItself = 1, kStripLeftArrow = 2, kStripRightArrow = 3 };

struct MySlidingStrip {
    UInt32 id = 0; // window reference << 16 | item number
    SInt16 mode = kStripItself;
    SInt32 extent = 0; // minus the summed cell widths
    SInt32 offset = 0; // from 0 down to extent
    SInt16 cellWidth = 0;
    UInt32 startDelay = 30;
    UInt32 slideStep = 12;
    SInt32 speed = 0;
    bool snap = false;
    SInt32 current = 0;
    SInt32 selected = -1;
    SInt32 firstVisible = -1;
    SInt32 lastVisible = -1;
    std::vector<ScrollingPicsItem> entries;
    LongRect view{}, leftArrow{}, rightArrow{}, cells{};
    WindowRef window = nullptr;
    RgnHandle savedClip = nullptr; // kept for drawing, so that no step allocates
};

MySlidingStrip* MyCreateScrollingControl(WindowRef window, SInt16 mode, const Rect* rect, UInt32 id);
void MyDisposeScrollingControl(MySlidingStrip* strip);
// Low 16 bits of mode 1: the item gets a strip of its own; 2 and 3: the item is the left or right arrow of
// the strip item whose number is in the high 16 bits.
void SetMyControlSlidingPicts(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 mode);
// Appends count cells (at least one) of the cell's size after the last one.
void AddMyScrollingPicturesItem(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                const Rect* cell, SInt16 count, bool redraw);
// first -1: all. Only removing every entry is settled; a part of them is left as it is.
void RemoveMyScrollingPicturesItem(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                   SInt32 first, SInt32 last, bool redraw);
MySlidingStrip* GetMyScrollingPicturesItem(WindowReference reference, MyDialogHandle dialog, SInt16 item);
SInt32 GetMyControlScrollingPicsCurrentValue(WindowReference reference, MyDialogHandle dialog, SInt16 item);
void SelectThisSlidingPictureControl(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                     SInt32 index);
// Moves the strip by step pixels (0: its sliding speed); returns the step taken.
SInt32 ScrollThisSlidingPictureControl(WindowReference reference, MyDialogHandle dialog, SInt16 item,
                                       SInt32 step);
// Follows a click on a strip or one of its arrows; 1 when an entry was chosen.
SInt16 TrackMySlidingPicts(WindowReference reference, MyDialogHandle dialog, SInt16 item, const Rect* hit,
                           Point press);
// An arrow item of a strip, in the current port.
void DrawMySlidingArrow(const Rect* rect, bool left, bool pressed);
// Draws the strip (or its arrow, by mode) in the current port.
void DrawMyScrollingPicturesItem(const Rect* rect, MySlidingStrip* strip, bool pressed);
