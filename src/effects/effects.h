// State and operations of the visual effects that the other subsystems use.
#pragma once

#include <string>

#include "platform/geometry.h"
#include "platform/memory.h"

// The standard colour index that star pictures recolour (-1 none) and the colour it becomes: a standard
// index up to 999, or a program colour number plus 1000 above that.
extern SInt16 gRemapIndex;
extern SInt16 gRemapColor;

// The mandala editor's colour-list hook.
void CheckColorsInSpirographWin();

// The animated backgrounds end (each does nothing when it is not running).
void finishmatrix();
void finishstars();
void finishSpirograph();
// Draws the overlay pictures of a layer (1 over the background, 2 over the text) into the current port.
void CopyOverlaysToPort(SInt16 layer);
// Makes the prompter text flow around the overlay pictures; true when it inserted anything.
bool DoTextFlowAroundPictures();
void DisposeOverlayRectangles();
// Refresh the open mandala and overlay editors.
void ExternalSpirographSetValues(SInt16 what);
void ExternalOverlaySetValues(SInt16 what);
// Moves the selected overlay by the distance in pixels.
void MoveSelectedOverlay(SInt16 dh, SInt16 dv);
// Moves the selected points of a mandala path one pixel in the directions flagged.
void MoveSelectedSpirographPathPoints(SInt16 path, bool left, bool up, bool right, bool down);
// One animation step of the falling-characters, stars and mandala backgrounds in gMatrixPort.
void MatrixTimerAction();
void StarsTimerAction();
void SpirographTimerAction();
// A mandala design is being drawn with the mouse on the prompter.
extern bool gPerformingSpiroDesign;
// An overlay is being placed or dragged with the mouse on the prompter; the mouse-up clears it.
extern bool gPerformingOverlayDesign;
// The mandala and overlay editors' current design setting; while one is set (and the text scrolls still
// editable) clicks on the prompter draw the mandala or place the overlays.
extern SInt16 gSpiroSettingNow;
extern SInt16 gOverlaySettingNow;
void PerformOverlayMouseClick(Point where, SInt16 modifiers);
// The star field's picture test tool: the test picture and where it is shown, the colour grid, the
// colour index last clicked in the picture, and the request to repaint the whole field.
extern Handle gTestStarPic;
extern Rect gTestRect;
extern bool gStarsShowColor;
extern bool gStarsEraseScreen;
extern SInt16 gClickedOnColor;
// Loads the named test picture (an empty name removes it).
void LoadTestPic(ConstStr255Param name);
// The colour grid's cell under the point, or -1 outside the grid.
SInt16 WhereClickedinStarColor(Point where);
void PerformSpiroMouseClick(Point where, SInt16 flag);

// The animated backgrounds run in gMatrixPort: started, and re-fitted to a new picture rectangle once
// running. A background that could not start leaves its flag clear.
extern bool gMatrixReady;
extern bool gStarsReady;
// How far the star field is moved aside from its centre (pixels), by the keys while it shows.
extern double gStarOffsetX;
extern double gStarOffsetY;
extern bool gSpirographReady;
void InitializeMatrix();
void FixTrixBounds();
void InitializeStars();
void FixStarBounds();
void InitializeSpirograph();
void FixSpirographBounds();

// Files chosen in the open dialogs of the mandala and overlay editors (absolute paths): a mandala file,
// an overlay file, a picture for the current overlay. 0 when used, else an error.
OSErr DoOpenSpiroFile(const std::string& file);
OSErr DoOpenOverlayFile(const std::string& file);
OSErr DoOpenOverlayPic(const std::string& file);
// Save the mandala or the overlays to gOutPath + gOutName (kind -8, -9) or start the save dialog
// (kind 0 and above); 0 when saved.
OSErr DoSaveSpiroFile(SInt16 kind);
OSErr DoSaveOverlayFile(SInt16 kind);
