// Open and save dialogs: one entry point that records what the dialog is for and starts it; the answer
// comes back later, with the purpose code, through the open-documents handler.
#pragma once

#include "platform/types.h"

// Purpose codes of the choose-folder dialogs of the media folders dialog.
enum : SInt16 { kChooseMusicFolder = -10, kChoosePictureFolder = -11, kChooseMovieFolder = -12 };

// Starts the dialog for the purpose (stored in gIdflag) with the prompt, the default name and the kind
// of file offered ('Dir ' chooses a folder).
void GetFileName(ConstStr255Param prompt, ConstStr255Param defaultName, OSType fileType, SInt16 purpose);
