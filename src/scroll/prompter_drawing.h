// Drawing the prompter: the redraw of the whole window, the parts of it nothing covers, and (through
// the headers below) the cue marker and the background picture.
#pragma once

#include "platform/drawing.h"
#include "scroll/background_picture.h"
#include "scroll/cue_marker.h"

// The tab ruler shows above the text (edit mode only).
extern bool gTabBarShowing;

void UpdateScrollWindow();
// Erases what nothing covers: outside the text, the picture, the cue column, the strip and the ruler
// (the second with the prompter's port made current).
void UpdateScrollExtraRects();
void DrawScrollExtraRects();
