// Definitions of the prompter window's globals.
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"

GrafPtr myScrollWindowAlias = nullptr;
WEReference ScrollWEHandle = nullptr;
Rect ScrollVerticalScrollRect{};
Rect gScrollTextRect{};
Rect gAvailableRect{};
Rect gScrollDestinationRect{};
Rect gInfoRect{};
Rect gInfoSizeRect{}, gInfoStartRect{}, gInfoFinishRect{}, gInfoTimerRect{}, gInfoModeRect{},
    gInfoPauseRect{}, gInfoEndRect{};
Rect gClickInfoSizeRect{}, gClickInfoStartRect{}, gClickInfoFinishRect{}, gClickInfoTimerRect{},
    gClickInfoModeRect{}, gClickInfoPauseRect{};
SInt16 gScrollSingleSpace = 0;
SInt16 gScrollPixelSpace = 0;
bool gScrollingInAllCAPS = false;
bool gIsFullScreen = false;
SInt16 gUpdateWindowBounds = 0;
bool gInhibitBoundChanged = false;
bool gWaitingForUpdate = false;
bool gQuitting = false;
SInt16 gCueWidth = 0;
bool gCueSpotChanged = true;
Rect gCueRect{};
Rect gPictureRect{};
PicHandle gThePicture = nullptr;
bool gTabBarShowing = false;
