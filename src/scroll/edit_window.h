// The edit window's text as the prompter's layout reaches it.
#pragma once

#include "platform/menus.h"
#include "platform/types.h"
#include "textengine/text_engine_types.h"

extern WEReference EditWEHandle;

void NewEditWindowSize(SInt16 width, SInt16 height);
void SetEditWindowTextRect();

// Opening, closing and redrawing the edit window.
void OpenTextEditWindow();
void CloseEditWindow(SInt16 flag);
void UpdateEditWindow();
// Fills the edit window with the script text.
void PutEditTextInBox();
// Appends the edit window's own items to the text pop-up, recording their actions in gInTextPopup.
void EditWindowAppendMenuItems(MenuRef menu);
