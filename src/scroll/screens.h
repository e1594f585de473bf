// The screens the prompter can cover and the display mode while scrolling.
#pragma once

#include "platform/windows.h"

constexpr int kMaxScreenRects = 16;

// The union of the screens the global rectangle touches; count and rects (when given) list them. True
// when the main screen is among them.
bool GetTotalDeviceRectForRect(const Rect* global, Rect* total, SInt16* count, Rect* rects);
// The rectangle lies (at least partly) on a screen.
bool IsRectWithinADeviceRect(const Rect* global);
// The union of every screen's usable area.
void GetAllScreensBounds(Rect* out);
// on 1 switches the device to the mode of the settings, 0 back to its normal mode.
void ChangeScreenResolution(GDHandle device, const SInt32* settings, SInt16 on);
