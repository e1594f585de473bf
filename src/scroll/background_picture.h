// The prompter's background: the picture (or an animated background's still) behind the text, where it
// lies in the window, and the copies between windows and offscreen worlds that draw it.
#pragma once

#include "platform/drawing.h"

// The frame of the background picture (window coordinates of the unrotated layout).
extern Rect gPictureRect;
// The background picture, null when none.
extern PicHandle gThePicture;

// Draws the background into the current port, offset by h, v while scrolling.
void DrawScrollPicture(SInt16 h, SInt16 v);
