// Operations of the application shell that the other subsystems call.
#pragma once

#include "platform/menus.h"
#include "platform/types.h"

// One step of the main timer: the scroll step, effects and idle work. Safe to call from inside tracking
// loops and delays: a call made while a step is running returns at once.
void TimerAction();
// Brings a colour menu into line with the colour-list length preference.
void CheckColorsInMenu(MenuRef menu);
// Scrolls the view of a window by one arrow step: part 20 up, 21 down. The window is named by its
// window reference; the shell knows which scroll bar or list each one scrolls.
void MyLiveScrollProc(SInt16 windowReference, SInt16 part);
// Sets the prompter's window title from the document and the mode (and the edit window's when asked).
void CreateWindowName(SInt16 alsoEdit);
