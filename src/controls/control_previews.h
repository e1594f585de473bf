// Preview items: a picture, a styled text, a movie, a nested item or a shape shown in an item's place,
// owned by the item and freed with it.
#pragma once

#include "controls/control_records.h"

// The preview content types, kept in the item's maximum field.
enum : SInt16 {
    kPreviewPicture = 0,
    kPreviewStyledText = 2,
    kPreviewStyledTextToo = 3,
    kPreviewMovie = 4,
    kPreviewPictureToo = 5,
    kPreviewMovieToo = 6,
    kPreviewMovieThree = 7,
    kPreviewStyledTextThree = 8,
    kPreviewPictureThree = 10,
    kPreviewNestedItem = 12,
    kPreviewShape = 14,
    kPreviewPictureFour = 15,
    kPreviewPictureFive = 18,
};

bool IsPreviewPicture(SInt32 type);
bool IsPreviewStyledText(SInt32 type);
bool IsPreviewMovie(SInt32 type);
// Frees what the preview holds, by its type, and leaves it empty.
void DisposeMyPreviewContent(MyControlItem* record);
// A picture of frame (height, width) in r: at its size and centred when it fits, else scaled down to fit
// with its proportions kept, centred.
Rect FitPreviewPicture(const Rect& frame, const Rect& r);
// Draws the content in r (already moved by the content offset) in the current port.
void DrawMyPreviewContent(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                          const Rect& r);
// Places what the preview shows (a styled text's view) at r after the item moved.
void PlaceMyPreviewContent(MyControlItem* record, const Rect& r);
