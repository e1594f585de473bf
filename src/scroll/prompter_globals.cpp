// Definitions of the prompter window's globals.
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"

GrafPtr myScrollWindowAlias = nullptr;
WEReference ScrollWEHandle = nullptr;
Rect gInfoSizeRect{}, gInfoStartRect{}, gInfoFinishRect{}, gInfoTimerRect{}, gInfoModeRect{},
    gInfoPauseRect{}, gInfoEndRect{};
Rect gClickInfoSizeRect{}, gClickInfoStartRect{}, gClickInfoFinishRect{}, gClickInfoTimerRect{},
    gClickInfoModeRect{}, gClickInfoPauseRect{};
PicHandle gThePicture = nullptr;
