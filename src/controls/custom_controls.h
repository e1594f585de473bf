// The custom-drawn controls the control layer hands its items to: push and picture buttons, pop-ups,
// sliders, the radial dial and the knife switch. Each draws into the current port and tracks in the given
// rect, following the mouse itself until the button comes up.
#pragma once

#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/lists.h"
#include "platform/menus.h"
#include "platform/windows.h"

// Title styles of the push buttons: the port's own font and colour; the small label face, black when
// released and white when pressed; the same framed and titled in the program's blue.
enum : SInt16 { k3DTitlePort = 0, k3DTitleLabel = 1, k3DTitleBlue = 2 };
// Where an up/down button's pictures come from: a push button titled by item `pressed` of string list
// `up`; 'PICT' resources by ID; run-length pictures; the shared button-picture table (never loaded).
enum : SInt16 { kButtonPush = 0, kButtonPictures = 1, kButtonRLE = 2, kButtonTable = 3 };
// Phases an up/down button's action is called in.
enum : SInt16 { kUpDownPress = 0, kUpDownRepeat = 1, kUpDownRelease = 2 };

// A rounded button with shaded edges in port. With a title the rectangle is erased first and the title
// centred in it (an empty title only erases).
void Main3DButton(CGrafPtr port, const Rect* r, ConstStr255Param title, bool pressed, SInt16 style);
// Draws the button pressed while the mouse is over it until the button comes up; true when released inside.
bool Track3DButton(CGrafPtr port, const Rect* r, ConstStr255Param title, SInt16 style);
// The up or down picture of a button. A zero right or bottom of the rectangle takes the picture's size.
void MainUpDownButton(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 pressed,
                      SInt16 source);
void DrawMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt16 choice, MenuRef menu);
void UpdateMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt16 choice, MenuRef menu);
// TrackMainPopup with the timer keeping off the screen meanwhile; answers the choice.
SInt16 DoMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt32* choice, MenuRef menu);
// Pops the menu (loaded by ID when null) at the box with *item marked. A different choice is stored in
// *item and the box redrawn; answers the menu ID of the choice, 0 when nothing was chosen.
SInt16 TrackWindowPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt16* item, MenuRef menu);
// The same for a menu with a submenu: the chosen item and the menu it is in are stored.
SInt16 TrackWindowPopupWithSub(WindowRef window, const Rect* r, SInt16 menuID, SInt16 submenuID, SInt16* item,
                               SInt16* chosenMenu, MenuRef menu, MenuRef submenu);
// A window's own list: one column and no rows in the view less 15 pixels for its bar, one row selected at a
// time, cells as wide as the view.
ListHandle NewWinList(const Rect* view, WindowRef window);
// A 6-pixel bar width pixels long, red (kind 0) or green, lit from above; with width 24 or less the rest of
// the rect is painted in the dark background.
void DrawDamageRect(const Rect* r, SInt16 width, SInt16 kind);
// The shared table of button pictures (source kButtonTable): count pictures from firstPictureID.
void InitButtonPicts(SInt16 count, SInt16 firstPictureID);
void DestroyButtonPicts(SInt16 count);
PicHandle GetButtonPict(SInt32 index);
// save: keeps the text effects, draws a sharp shadow offset by horizontal, vertical (16.16) and sets the
// port's face to shadow; otherwise puts them back and the face to plain.
void SetRestoreStyleForRadial(Fixed horizontal, Fixed vertical, bool save);

// Sliders. A main slider has arrows at both ends, ticks and a knob; its position runs 0 .. width - 20.
// Media sliders carry a square knob as high as the rect; their position runs 0 .. width - height.
enum : SInt16 { kKnobDiamond = 1, kKnobOval = 2 };
void DrawMainSlider(WindowRef window, const Rect* r, SInt32 position);
// The main slider with an arrow held: -1 the left one, 1 the right one.
void DrawMainSliderArrowPressed(const Rect* r, SInt32 position, SInt16 arrow);
void DrawMediaSlider(WindowRef window, const Rect* r, SInt32 position, SInt16 knob, SInt16 colourMode);
void DrawMovieSlider(WindowRef window, const Rect* r, SInt32 position);
void DrawVolumeSlider(WindowRef window, const Rect* r, SInt32 position);
void DrawFinishSlider(WindowRef window, const Rect* r, SInt32 position);
// The dial: `value` and `maximum` hold its horizontal and vertical offsets as Fixed, -100.0 .. 100.0.
void DrawMainRadialControl(WindowRef window, const Rect* r, SInt32 value, SInt32 maximum);
void DrawMainKnifeSwitch(WindowRef window, const Rect* r, SInt32 value, SInt16 pictureID);

// Each returns 1 when the control was hit or changed.
SInt16 TrackMainUpDownRadio(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 source,
                            SInt16 checked);
SInt16 TrackMainUpDownCheck(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 source,
                            SInt16 checked);
// Shows the picture of the state after `state` (of `stateCount`, from `firstPictureID`) while held.
SInt16 TrackMainMultiState(const Rect* r, SInt32 firstPictureID, SInt32 stateCount, SInt16 source,
                           SInt16 state);
// Auto-repeat: the action runs at the press, again after firstDelay ticks and then after a delay that
// shrinks by a tick each repeat down to minimumDelay while the mouse is inside, and once at the release.
// Answers whether the mouse was last inside.
SInt16 TrackMainUpDownButton(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 source,
                             SInt16 firstDelay, SInt16 minimumDelay, SInt32 actionCode);
SInt16 TrackMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt32* choice, MenuRef menu);
SInt16 TrackMainRadial(WindowRef window, const Rect* r, SInt32* value, SInt32* maximum);
SInt16 TrackMainSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position);
// As above; *arrowUsed tells whether one of the arrows was clicked.
SInt16 TrackMainSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position, bool* arrowUsed);
SInt16 TrackMediaSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position, SInt16 knob);
SInt16 TrackMovieSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position);
SInt16 TrackVolumeSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position);
SInt16 TrackMainKnifeSwitch(WindowRef window, SInt16 item, const Rect* r, SInt32* value, SInt16 pictureID);

// What the buttons and sliders do: an action code holds the window's reference in its high half and the
// item in its low half; code 0 does nothing.
void DoMainUpDownButtonAction(SInt32 code, SInt16 phase);
// arrowStep is 0 while dragging, -1 or 1 for the arrows. Answers 0.
SInt16 MySliderProcedure(SInt32 code, SInt32* position, SInt16 arrowStep);
// Lets a test or the gallery see every action as it happens, with the value a slider's position stands
// for (0 for buttons; null: none).
using CustomControlActionObserver = void (*)(SInt32 code, SInt16 phaseOrStep, SInt32 position, double value);
void SetCustomControlActionObserver(CustomControlActionObserver observer);

// ---- Where the mouse puts each control (points local to the port) ----
SInt32 MainSliderMaximum(const Rect* r);
// A press on the track puts the knob under the mouse; a drag moves it by the mouse's movement.
SInt32 MainSliderPositionAt(const Rect* r, Point mouse);
SInt32 MainSliderDragPosition(const Rect* r, SInt32 start, SInt16 movement);
SInt32 MediaSliderPositionAt(const Rect* r, Point mouse);
SInt32 MediaSliderDragPosition(const Rect* r, SInt32 start, SInt16 movement);
// The dial's pointer tip for a value, and the value a drag of the tip to `mouse` gives: each component
// stays on the side of zero it started on and within -100.0 .. 100.0.
Point RadialTipPoint(const Rect* r, Fixed horizontal, Fixed vertical);
void RadialTipDragValue(const Rect* r, Point mouse, Fixed* horizontal, Fixed* vertical);
// The angle follows the mouse, the length stays.
void RadialRimDragValue(const Rect* r, Point mouse, Fixed* horizontal, Fixed* vertical);
// A single click off the handles; false when it changes nothing (outside the dial).
bool RadialClickValue(const Rect* r, Point mouse, Fixed* horizontal, Fixed* vertical);
// The knife switch's blade: -14 .. 14 across the rect's centre; the start value while outside.
enum : SInt32 { kKnifeLeft = -14, kKnifeRight = 14 };
SInt32 KnifeSwitchValueAt(const Rect* r, Point mouse, SInt32 startValue);
