// What the text tools' Parts not yet built provide to the rest of the program, in their least form.
// Each definition moves to its own file when its Part is built.
#include "texttools/text_tools.h"

void CheckColorsInFindStyle() {}

#include "texttools/font_menus.h"

MenuRef GetFindStyleFontMenu() { return nullptr; }

Handle gHypertextList = nullptr;
bool gTextMergeUnderline = false;

bool DisplayAllHypertextLinks(SInt16) {
    return false;
}

bool DoAllTextMerges(bool) {
    return false;
}

void ClearMergeTextRecord() {}

#include "texttools/help_window.h"

void CloseHelpWindow(SInt16) {}

// Until the syllable-sync window lets the user choose them: red syllables, blue and green words, purple
// and teal lines.
RGBColor gSylSylsColorValue = {0xFFFF, 0, 0};
RGBColor gSylWordsColor1Value = {0, 0, 0xFFFF};
RGBColor gSylWordsColor2Value = {0, 0x8000, 0};
RGBColor gSylLinesColor1Value = {0x8000, 0, 0x8000};
RGBColor gSylLinesColor2Value = {0, 0x8000, 0x8000};

SInt32 gLastScrollToHyper = -1;
SInt32 gLastReadPositionHyper = -1;

bool gRecordingTaps = false;
SInt32 gSylWaitingForThisTap = 0;

bool gFlagDoWordSwap = false;

// ---- The text-merge list: nothing is kept until the text-merge tools are built ----
Handle gTextMergeList = nullptr;
SInt32 gNumTextMerge = 0;
bool AddTextMergeText(SInt32) {
    return false;
}
bool SetTextMergeText(SInt32, SInt16, ConstStr255Param) {
    return false;
}
void RemoveTextMergeText(SInt32) {}
void OpenTextMergeWindow() {}
void PutTextMergeInList() {}

// Until the hypertext editor exists, no link waits for a file.
OSErr CompleteGettingHypertextFile(const std::string&) { return paramErr; }
void UnsetHypertext(SInt32) {}
