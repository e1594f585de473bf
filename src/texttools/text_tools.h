// Operations of the text tools that the other subsystems call.
#pragma once

#include "platform/geometry.h"

// Brings the find-style window's colour controls into line with the colour-list length.
void CheckColorsInFindStyle();

#include "platform/memory.h"

// The script's hypertext links; null when there are none.
extern Handle gHypertextList;
// Applies the links' styles to the prompter text; true when any was displayed.
bool DisplayAllHypertextLinks(SInt16 which);
// Replaces every text-merge keyword in the prompter text (underlined when asked); true when anything was
// replaced. ClearMergeTextRecord forgets the merges made.
bool DoAllTextMerges(bool underline);
void ClearMergeTextRecord();
extern bool gTextMergeUnderline;

// Colours the syllable-sync window gives the syllables, alternate words and alternate lines when it
// colours the script.
extern RGBColor gSylSylsColorValue;
extern RGBColor gSylWordsColor1Value;
extern RGBColor gSylWordsColor2Value;
extern RGBColor gSylLinesColor1Value;
extern RGBColor gSylLinesColor2Value;

// The link last fired on entering the view and on reaching the reading position; -1 tests them afresh.
extern SInt32 gLastScrollToHyper;
extern SInt32 gLastReadPositionHyper;
// Syllable times are being tapped, and the syllable whose tap is awaited.
extern bool gRecordingTaps;
extern SInt32 gSylWaitingForThisTap;
