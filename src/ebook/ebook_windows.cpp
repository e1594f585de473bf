// Definitions of the window globals of this subsystem.
#include "ebook/ebook_windows.h"

WindowPtr myFormatPalWindow = nullptr;
GDHandle myFormatPalDevice = nullptr;
MyDialogRec* gFormatPalDialog = nullptr;
