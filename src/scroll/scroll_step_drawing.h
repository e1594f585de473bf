// Drawing the prompter after its text moved: the background and the text layer composed in the composite
// world, then copied onto the window.
#pragma once

#include "platform/geometry.h"

// Draws the frame after the text moved by pixels (negative towards its end).
void DrawScrollStep(SInt32 pixels);

// The rows of the text rectangle that a move of pixels uncovers in the composite world, and the rows of the
// upright text layer that fill them; flip puts the text upside down, so the rows come from the other end.
// False when the whole rectangle has to be copied.
bool FindExposedStrip(const Rect& textRect, SInt32 pixels, bool flip, Rect* destination, Rect* source);

// After a full redraw composed the frame: the next tick may move it with the text.
void NoteWholeFrameComposed();
// The composite world is no longer known to hold a frame of the text layer (start values of the globals).
void ForgetComposedFrame();
