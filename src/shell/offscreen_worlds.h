// The offscreen worlds the prompter is composed in while it scrolls, the mirrored layout rectangles for
// mirrored or flipped output, and the tool windows' places when scrolling ends.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// The plain background world (used when no background picture is set) and the animated background's.
extern GWorldPtr gAnotherOffscreen;
extern GWorldPtr gMatrixPort;
// The region made with the worlds.
extern RgnHandle gUpdateRgn;
// The layout rectangles are mirrored; their own values are kept in the saved copies.
extern bool isflipped;

// The prompter's world depth (32 unless set), a world of that depth over the rectangle (null when empty
// or out of memory), and disposing one with its pointer cleared.
SInt16 WorldDepth();
GWorldPtr NewWorld(const Rect& bounds);
void DisposeWorld(GWorldPtr* world);

void CreateOffscreenWindows();
// The plain background world over the text rectangle, made when missing and erased with the back colour.
void PreparePlainBackgroundWorld();
void MakeBlankWindow(const Rect* rect);
void CheckOffscreenSizes(const Rect* textRect, const Rect* pictureRect);
void DestroyOffscreenWindows();
void DestroyTheMatrix();
void CopyOffscreenToScrollWindow();
// The same for one part of the composite world (its overlays are not drawn again).
void CopyOffscreenRectToScrollWindow(const Rect& part);
void CopyPictureToScrollWindow(GWorldPtr world, WindowPtr window, const Rect* source, const Rect* dest);
void FlipScreenRects(SInt16 on);
void FlipThisRect(Rect* rect);
// Stores a layout rectangle as the prompter shows it now (the text box, the background picture's frame,
// the cue marker), and while the output is mirrored also as its own, unmirrored, value, which is the one
// kept when the scroll ends.
enum : SInt16 { kShownTextBox = 0, kShownPicture = 1, kShownCue = 2 };
void SetShownLayoutRect(SInt16 which, const Rect& shown);
void SetOtherWindowsToNirmalLocation();

// The mirror and the flip of a rectangle inside a width and height, as the output shows it.
Rect MirrorRectInSize(const Rect& r, SInt16 width, SInt16 height, bool mirror, bool flip);
