// Items of colour menus drawn in the colour they name: item n shows its text in program colour n.
#pragma once

#include "platform/geometry.h"
#include "platform/menus.h"

// Draws the item's text into the current port over textBounds, one pixel to the right, in the program
// colour whose number is the item's index. The port's colour and text settings are kept.
void DrawColorMenuItem(MenuRef menu, MenuItemIndex item, const Rect* textBounds);
