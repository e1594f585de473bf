// The shape the prompter text may flow in: the last shape the user chose, as stored with the preferences,
// and the scan-line shape made from it for a rectangle.
#pragma once

#include "platform/geometry.h"
#include "prefs/companion_records.h"

extern UInt8 gRecentShape[kShapeRecordMaxSize];
extern Str255 gShapeName;
extern bool gShapeChanged;
// The made shape the text flows in, null when none.
extern Handle specialshapeinfo;
// The colour and speed of the star field as loaded.
extern RGBColor gSaveStarBackColor;
extern SInt32 gSaveStarSpeed;

Handle MakeShapeFromSpec(const UInt8* shapeSpec, const Rect* rect);
// Remakes specialshapeinfo when it was made for a rectangle of another size.
void CheckShapeInfoSize(const Rect* rect);
