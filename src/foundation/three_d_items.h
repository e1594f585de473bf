// Picture buttons drawn as dialog user items inside a bevelled frame (the little arrows beside numeric
// fields and sliders), their press tracking with auto-repeat, and engraved separator lines. Each dialog's
// buttons are described by its 'Pic#' table, named by its window's reference constant.
#pragma once

#include "platform/dialogs.h"

#include <span>

enum : SInt16 { kSpecialNormal = 0, kSpecialPressed = 1, kSpecialInactive = 2 };

// One item's entry of a 'Pic#' table: the frame depth (0: no frame) and the pictures of the three states
// (0: none).
struct PictureButtonEntry {
    SInt16 depth = 0;
    SInt16 pictures[3] = {};
};

// Reads item n's entry (8 big-endian bytes at (n - 1) x 8); false when the table has none for it.
bool ReadPictureButtonEntry(std::span<const UInt8> bytes, SInt16 item, PictureButtonEntry* out);

extern const RGBColor gStandardFrame;
extern const RGBColor gDarkFrame;
extern const RGBColor gLightFrame;
// The item and tick of the last arrow press, so that a quick second press is recognised.
extern SInt16 savelastitem;
extern UInt32 savelasttick;

void DrawUserSpecial(DialogPtr dialog, SInt16 item, SInt16 state);
// Normal, or inactive when the item is disabled.
void DrawUserSpecialUpdate(DialogPtr dialog, SInt16 item);
// Follows a press until the button is released; true when released inside.
bool TrackUserSpecial(DialogPtr dialog, SInt16 item);
// As TrackUserSpecial, performing code at once and again, at the desktop's key-repeat rates, while the
// mouse is held inside.
bool TrackUserSpecialWithFunction(DialogPtr dialog, SInt16 item, UInt16 code);
// A bevelled frame depth pixels deep: raised (light top and left) or sunken (dark top and left).
void DrawShadowRect(const Rect* r, bool sunken, SInt16 depth);
// Two-pixel engraved lines along the item's left or top edge.
void Draw3DVerticalLine(DialogPtr dialog, SInt16 item);
void Draw3DHorizontalLine(DialogPtr dialog, SInt16 item);
