// The windows of the text tools.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Each window is null while closed; its device is the screen it is drawn on.
extern WindowPtr myFindReplaceWindow;
extern GDHandle myFindReplaceDevice;
extern WindowPtr mySyllableSyncWindow;
extern GDHandle mySyllableSyncDevice;
extern WindowPtr myHelpWindow;
extern GDHandle myHelpDevice;
extern WindowPtr myFindStyleWindow;
extern GDHandle myFindStyleDevice;
extern WindowPtr myTextMergeWindow;
extern GDHandle myTextMergeDevice;
extern WindowPtr myColorChartWindow;
extern GDHandle myColorChartDevice;
extern WindowPtr myHypertextWindow;
extern GDHandle myHypertextDevice;
extern WindowPtr mySearchDictWindow;
extern GDHandle mySearchDictDevice;
extern WindowPtr hypertextDrawerWindow;
extern GDHandle myHypertextDrawerDevice;
