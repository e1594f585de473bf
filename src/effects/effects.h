// State and operations of the visual effects that the other subsystems use.
#pragma once

#include <string>

#include "platform/geometry.h"

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
