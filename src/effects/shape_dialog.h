// The shape dialog: its sample shapes and the shape being edited, stepped and moved by its arrow buttons.
#pragma once

#include "platform/dialogs.h"

extern DialogPtr gShapeDialog;
// The shape being edited (null while none), its selected points and the rectangle it is drawn in.
extern Ptr gsaveshapespec;
extern SInt32 gNumPointsSelected;
extern Rect gRectFromCaller;
// The sample group (1 to 11) and the first sample variant shown, of gNumShapeSamples.
extern SInt16 gSampleID;
extern SInt32 gSampleVariant;
extern SInt32 gNumShapeSamples;
extern Str255 gnewname;
extern SInt32 gShapeChangedFlag;

void ChangeSampleShapes(SInt16 group, SInt32 variant);
// Moves the (selected) points by dx, dy within the shape area; the number of points moved.
SInt32 MoveShapePoints(Ptr spec, const Rect* rect, SInt16 dx, SInt16 dy, SInt32 onlySelected,
                       SInt16 mirrored);
void RegisterShapeChanged(SInt32* changeCounter, ConstStr255Param name, SInt32 value, SInt16 check);
void SelectNextShapePoints(Ptr spec);
void SelectPreviousShapePoints(Ptr spec);
void DrawShapeUserItem(DialogPtr dialog, SInt16 item);

// The shape chooser: runs the dialog, storing the shape chosen with the preferences.
void DoShapeSelectDialog();

// Redraws the dialog's items and its picture buttons in their states, its port current.
void UpdateShapeDialog();
