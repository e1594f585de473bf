// The display mode the prompter's screen takes while scrolling, and the list of modes a screen offers for
// the Preferences dialog's screen-size menu.
#pragma once

#include "platform/menus.h"
#include "platform/windows.h"

// Actions of ChangeScreenResolution.
enum : SInt16 { kModeQuery = -1, kModeRestore = 0, kModeSwitchOnce = 1, kModeSwitchAgain = 2 };

// values: width, height, bits per pixel, refresh rate, option bits. Query fills them with the present
// mode; restore puts back the mode the first switch found (on the screen it switched); switch once does
// nothing while a mode is set; switch again keeps the first saved mode as the one to restore.
void ChangeScreenResolution(GDHandle device, SInt32* values, SInt16 action);
// Whether a mode set by the program is waiting to be restored.
bool ScreenModeIsSet();
// Forgets a set mode of a screen that is no longer there, so that nothing tries to restore it.
void ForgetModeOfVanishedScreen();
// Forgets any set mode without restoring it (a fresh start).
void ForgetScreenMode();

// The mode at index (from 0) of the screen's list: fills the five values given and returns a non-zero
// reference to the mode, or 0 past the list.
SInt32 GetScreenResolutionItem(GDHandle device, SInt32* width, SInt32* height, SInt32* bits, SInt32* refresh,
                               SInt32* options, SInt16 index);
// The first listed mode equal in all five values; 0 when none is.
SInt32 MyDisplayBestModeForParameters(GDHandle device, SInt32 width, SInt32 height, SInt32 bits,
                                      SInt32 refresh, SInt32 options);
void AddWidthHeightToMenu(MenuRef menu, SInt32 width, SInt32 height, SInt32 bits, SInt32 refresh,
                          SInt32 options);

// A list of the screen's modes: 24-byte records of mode reference, width, height, bits, refresh, options.
constexpr Size kScreenSizeRecordSize = 24;
// Appends one menu item per mode when a menu is given; with makeList, appends the records to the list
// given (or a new one) and returns it. Once the list cannot grow, no record is written past its end; the
// menu still gets every mode. count receives the number of modes walked.
Handle AddScreenSizesToMenu(MenuRef menu, GDHandle device, SInt16 ignored, Handle list, bool makeList,
                            SInt16* count);
// Copies record index (from 0) into the outputs given; false past the list.
bool GetWidthHeightFromScreenSizeList(Handle list, SInt16 index, SInt32* mode, SInt32* width, SInt32* height,
                                      SInt32* bits, SInt32* refresh, SInt32* options);
