// What the per-tick frame and the full redraw of the prompter share when they compose the text layer and
// the background in the composite world.
#pragma once

#include "platform/drawing.h"

// The text rectangle in the text world's frame: turned back by the output's rotation.
Rect TurnedToTextWorld(const Rect& r);
// A plain copy between worlds, mirrored, flipped and turned as the output is when transform is set.
void CopyTurnedAsOutput(GWorldPtr source, GWorldPtr destination, const Rect& from, const Rect& to,
                        bool transform);
// The text layer alone into the composite world after the text moved by pixels: what is already there
// moves with the text and only the uncovered strip is copied where the output allows (0: all of it).
void ComposeTextOnly(const Rect& text, SInt32 pixels);
