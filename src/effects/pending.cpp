// What the visual effects' Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "effects/effects.h"

// The mandala editor reads the colour list afresh each time it draws, so a change needs nothing here.
void CheckColorsInSpirographWin() {}

void finishmatrix() {}
void finishstars() {}
void finishSpirograph() {}

void CopyOverlaysToPort(SInt16) {}

// Nothing is inserted until overlays exist.
bool DoTextFlowAroundPictures() {
    return false;
}

void DisposeOverlayRectangles() {}

void ExternalSpirographSetValues(SInt16) {}
void ExternalOverlaySetValues(SInt16) {}

#include "effects/shapes.h"

// The shape keeps the size it was made for until shaped text is built.
void CheckShapeInfoSize(const Rect*) {}

// Until shapes are made the text flows in its plain rectangle.
Handle MakeShapeFromSpec(const UInt8*, const Rect*) {
    return nullptr;
}

// The animated backgrounds stand still until they are built.
void MatrixTimerAction() {}
void StarsTimerAction() {}
void SpirographTimerAction() {}
void PerformOverlayMouseClick(Point, SInt16) {}

// Without the star field there is no test picture and no colour grid to click.
void LoadTestPic(ConstStr255Param) {}
SInt16 WhereClickedinStarColor(Point) {
    return -1;
}
void PerformSpiroMouseClick(Point, SInt16) {}

// No animated background starts until they are built, so their kinds show their still pictures.
void InitializeMatrix() {}
void FixTrixBounds() {}
void InitializeStars() {}
void FixStarBounds() {}
void InitializeSpirograph() {}
void FixSpirographBounds() {}

// Until the mandala and overlay editors exist, their files can be neither opened nor saved.
OSErr DoOpenSpiroFile(const std::string&) {
    return paramErr;
}
OSErr DoOpenOverlayFile(const std::string&) {
    return paramErr;
}
OSErr DoOpenOverlayPic(const std::string&) {
    return paramErr;
}
OSErr DoSaveSpiroFile(SInt16) {
    return paramErr;
}
OSErr DoSaveOverlayFile(SInt16) {
    return paramErr;
}

#include "effects/shape_dialog.h"

void ChangeSampleShapes(SInt16 group, SInt32 variant) {
    gSampleID = group;
    gSampleVariant = variant;
}
SInt32 MoveShapePoints(Ptr, const Rect*, SInt16, SInt16, SInt32, SInt16) {
    return 0;
}
void RegisterShapeChanged(SInt32*, ConstStr255Param, SInt32, SInt16) {}
void SelectNextShapePoints(Ptr) {}
void SelectPreviousShapePoints(Ptr) {}
void DrawShapeUserItem(DialogPtr, SInt16) {}
// Until the shape chooser is built the shape stays the one last chosen.
void DoShapeSelectDialog() {}

#include "effects/effect_windows.h"

// Until these windows lay themselves out and close themselves: nothing to lay out, and closing leaves
// the window as it is.
void NewSpirographWindowSize(SInt16, SInt16) {}
void NewOverlayWindowSize(SInt16, SInt16) {}
void CloseSpirographWindow(SInt16) {}
void CloseOverlayWindow(SInt16) {}

// ---- Drawing of windows that are never open until their subsystems are built ----
#include "effects/shape_dialog.h"
void UpdateShapeDialog() {}

// ---- The keyword tables stay empty until the mandala and overlay text files are read ----
#include "effects/effect_keywords.h"

void GetSpiroKeywords() {}

#include "effects/effect_windows.h"
void OpenOverlayWindow() {}
void OpenSpirographWindow() {}

// Without overlays or mandala paths there is no selection to move.
void MoveSelectedOverlay(SInt16, SInt16) {}
void MoveSelectedSpirographPathPoints(SInt16, bool, bool, bool, bool) {}

// ---- Keys for the focused edit field of a window not built yet: the field takes them as it is ----
#include "controls/edit_fields.h"
#include "effects/effect_windows.h"
#include "foundation/pending_calls.h"
void KeyInSpirographWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                           const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
void KeyInOverlayWindow(const EventRecord&, WindowReference reference, MyDialogRec* dialog,
                        const PlatformEvent& key) {
    NOTE_PENDING_CALL();
    KeyInMyEditField(reference, dialog, key.charCode, key.modifiers);
}
