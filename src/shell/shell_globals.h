// Globals of the application shell that the rest of the program reads: the hide-background window, the
// offscreen worlds, the modal and mouse-tracking state, and the resource files in the search chain.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

#include <string>

// The hide-background window (window reference 3) and the screen it is drawn on; null while closed.
extern WindowPtr myHideWindow;
extern GDHandle myHideDevice;

// Offscreen worlds of the prompter (window references 28 to 32); null while absent.
extern GWorldPtr gOffscreenScrollWindow;
extern GWorldPtr gOffscreenExtraWindow;
extern GWorldPtr gOffscreenNonverbalWindow;
extern GWorldPtr gOffscreenExtraNonverbalWindow;
extern GWorldPtr gOffscreenBlankWindow;

// Number of modal loops in progress.
extern SInt16 gInModal;
// A mouse-down is being tracked.
extern bool geeMouseIsDown;

// The optional patch resource files (kNoResFile when not open), the program's own resource file, and the
// file made current again after a search of the patch files.
constexpr ResFileRefNum kNoResFile = ResFileRefNum(-1); // stored as 0xFFFF
constexpr int kPatchResFileCount = 10;
extern ResFileRefNum gPatchResFile[kPatchResFileCount];
extern ResFileRefNum gMainResFileNum;
extern ResFileRefNum gLastResFile;

// The colour the user chose last (program colour 773).
extern RGBColor gGotColor;
// kScrollOff in edit mode, kScrollOn scrolling, kScrollOnEditable scrolling with the text still editable.
extern SInt16 gScrollOn;
inline constexpr SInt16 kScrollOff = 0;
inline constexpr SInt16 kScrollOn = 1;
inline constexpr SInt16 kScrollOnEditable = 3;
// Idle counter: input clears it.
extern SInt32 gNothingHappened;
// A dragged rectangle keeps still along a locked axis.
extern bool geeLockHorizontal;
extern bool geeLockVertical;
// Pixel depth of the offscreen worlds: 32, or above 32 for grey of depth - 32.
extern SInt16 gMyBitWidth;
// The script's text: Mac Roman bytes, no terminator, length = handle size; null while there is none.
extern Handle myTextResource;
// The script's style scrap (a run count and its runs); null for a plain text.
extern Handle myStyle;
// Speech: the channel (null when speech is not set up), the block being spoken (disposed by the timer
// when speech ends) and the flag that the help text is being spoken.
struct SpeechChannelRecord;
extern SpeechChannelRecord* gChan;
extern Ptr gSpeechBuffer;
extern bool gSpeakingHelpText;
// The folder of the current document (UTF-8, ending in '/'; empty when there is none): the find family
// looks there first.
extern std::string gOutPath;
// Purpose code of the open or save dialog whose answer is awaited (save kinds 1 to 9, open kinds
// negative); 0 when none is.
extern SInt16 gIdflag;
