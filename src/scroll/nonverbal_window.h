// The nonverbal-cue window: a short text of cues for the speaker in its own format, which can sit over the
// prompter's top edge (its bottom edge when the output is flipped), as wide as the prompter and as high as
// its text, and is mirrored, flipped and turned with the prompter's output.
#pragma once

#include "platform/drawing.h"
#include "platform/geometry.h"
#include "platform/types.h"

inline constexpr SInt16 kNonverbalWindowReference = 5;

extern GrafPtr myNonverbalWindowAlias;
extern Rect gNonverbalBoxRect;
extern SInt16 gNonverbalSingleSpace;
extern SInt16 gNonverbalPixelSpace;
extern double gNonverbalCurrentPos;
extern bool gNonverbalHasntMoved;

void OpenNonverbalWindow();
void NewNonverbalWindowSize(SInt16 ignored);
void MoveNonverbalToDisplayPosition(bool show);
void SetNonverbalWindowColor(const RGBColor* colour);
bool CreateNonverbalTextBox();
// Renews myNonverbalText as a copy of the window's whole text.
void GetNonverbalText();
void SetNonverbalSpacing();
// Inserts at the selection; a length of -1 takes the text as length-prefixed. True when inserted.
bool AddNonverbalText(const void* text, SInt32 length);
// A key typed into the window's text at its selection, shown at once (through the mirrored copy when
// there is one).
void TypeIntoNonverbalText(SInt16 key, UInt16 modifiers);
void NonverbalScrollToCharacter(SInt32 offset);
double GetCurrentNonverbalPos();
void CreateOffscreenNonverbalWindows();
void DestroyOffscreenNonverbalWindows();
void CheckNonverbalOffscreenSizes();
