// The screens the prompter can cover and the display mode while scrolling.
#pragma once

#include "platform/windows.h"

constexpr int kMaxScreenRects = 16;

// The union of the screens the global rectangle touches; count and rects (when given) list them. True
// when the main screen is among them.
bool GetTotalDeviceRectForRect(const Rect* global, Rect* total, SInt16* count, Rect* rects);
// The rectangle lies (at least partly) on a screen; overlap (when given) receives its part on the first
// such screen.
bool IsRectWithinADeviceRect(const Rect* global, Rect* overlap = nullptr);
// The union of every screen's usable area.
void GetAllScreensBounds(Rect* out);
// The first screen holding the rectangle's centre; the main screen when none does.
GDHandle GetRectDevice(const Rect* global);
// After screens came, went or changed size: the prompter and the tool windows left on no screen come
// back onto one that exists, and a full-screen prompter covers its screens again.
void PrompterScreensChanged();
