// The custom-drawn controls the control layer hands its items to: picture buttons, pop-ups, sliders,
// the radial dial and the knife switch. Each draws into the current port and tracks in the given rect.
#pragma once

#include "platform/geometry.h"
#include "platform/menus.h"
#include "platform/windows.h"

void MainUpDownButton(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 pressed,
                      SInt16 source);
void DrawMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt16 choice, MenuRef menu);
void DrawMainSlider(WindowRef window, const Rect* r, SInt32 position);
void DrawMovieSlider(WindowRef window, const Rect* r, SInt32 position);
void DrawMainRadialControl(WindowRef window, const Rect* r, SInt32 value, SInt32 maximum);
void DrawMainKnifeSwitch(WindowRef window, const Rect* r, SInt32 value, SInt16 pictureID);

// Each returns 1 when the control was hit or changed.
SInt16 TrackMainUpDownRadio(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 source,
                            SInt16 checked);
SInt16 TrackMainUpDownCheck(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 source,
                            SInt16 checked);
SInt16 TrackMainMultiState(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 source,
                           SInt16 states);
SInt16 TrackMainUpDownButton(const Rect* r, SInt32 pictureID, SInt32 pressedPictureID, SInt16 source,
                             SInt16 firstDelay, SInt16 minimumDelay, SInt32 actionCode);
SInt16 TrackMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt32* choice, MenuRef menu);
SInt16 TrackMainRadial(WindowRef window, const Rect* r, SInt32* value, SInt32* maximum);
SInt16 TrackMainSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position);
SInt16 TrackMovieSlider(WindowRef window, SInt16 item, const Rect* r, SInt32* position);
SInt16 TrackMainKnifeSwitch(WindowRef window, SInt16 item, const Rect* r, SInt32* value, SInt16 pictureID);
