// Definitions of the shell's shared globals.
#include "shell/shell_globals.h"

WindowPtr myHideWindow = nullptr;
GDHandle myHideDevice = nullptr;

GWorldPtr gOffscreenScrollWindow = nullptr;
GWorldPtr gOffscreenExtraWindow = nullptr;
GWorldPtr gOffscreenNonverbalWindow = nullptr;
GWorldPtr gOffscreenExtraNonverbalWindow = nullptr;
GWorldPtr gOffscreenBlankWindow = nullptr;

SInt16 gInModal = 0;
std::string gOutPath;
SInt16 gIdflag = 0;
bool geeMouseIsDown = false;

ResFileRefNum gPatchResFile[kPatchResFileCount] = {kNoResFile, kNoResFile, kNoResFile, kNoResFile,
                                                   kNoResFile, kNoResFile, kNoResFile, kNoResFile,
                                                   kNoResFile, kNoResFile};
ResFileRefNum gMainResFileNum = 0;
ResFileRefNum gLastResFile = 0;

RGBColor gGotColor{};
SInt16 gScrollOn = kScrollOff;
SInt32 gNothingHappened = 0;
bool geeLockHorizontal = false;
bool geeLockVertical = false;
SInt16 gMyBitWidth = 32;
Handle myTextResource = nullptr;
Handle myStyle = nullptr;

SpeechChannelRecord* gChan = nullptr;
Ptr gSpeechBuffer = nullptr;
bool gSpeakingHelpText = false;
