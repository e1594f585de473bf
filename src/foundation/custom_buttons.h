// The program's own buttons drawn into the current port: rounded three-dimensional push buttons with a
// title, and buttons made of an up (released) and a down (pressed) picture.
#pragma once

#include "platform/drawing.h"
#include "platform/types.h"

// Title styles of the push buttons: the port's own font and colour; the small label face, black when
// released and white when pressed; the same framed and titled in the program's blue.
enum : SInt16 { k3DTitlePort = 0, k3DTitleLabel = 1, k3DTitleBlue = 2 };
// Where an up/down button's pictures come from: a push button titled by item `down` of string list `up`;
// 'PICT' resources by ID; run-length pictures; the shared button-picture table (never loaded: nothing).
enum : SInt16 { kButtonPush = 0, kButtonPictures = 1, kButtonRLE = 2, kButtonTable = 3 };

// A rounded button with shaded edges in port. With a title the rectangle is erased first and the title
// centred in it (an empty title only erases).
void Main3DButton(CGrafPtr port, const Rect* r, ConstStr255Param title, bool pressed, SInt16 style);
// The up or down picture of a button in the current port. A zero right or bottom of the rectangle takes
// the picture's own size.
void MainUpDownButton(const Rect* r, SInt16 up, SInt16 down, bool pressed, SInt16 source);
