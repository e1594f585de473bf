// The font menu of the find-by-style window.
#pragma once

#include "platform/menus.h"

// Null while the window has no font menu.
MenuRef GetFindStyleFontMenu();
