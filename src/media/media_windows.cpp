// Definitions of the window globals of this subsystem.
#include "media/media_windows.h"

WindowPtr myMediaQueueWindow = nullptr;
GDHandle myMediaQueueDevice = nullptr;
WindowPtr myRecordWindow = nullptr;
GDHandle myRecordDevice = nullptr;
WindowPtr myCueLightWindow = nullptr;
GDHandle myCueLightDevice = nullptr;
MyDialogRec* gRecordDialog = nullptr;
