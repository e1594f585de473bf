// Putting the globals of the text tools back to their start values; a global added to the subsystem gets its
// line here.
#include "texttools/texttools_globals_reset.h"

#include "texttools/spell_dictionaries.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>

void ResetTextToolsGlobals() {
    gNumHypertext = 0;
    gTextMergeUnderline = false;
    gSylSylsColorValue = RGBColor{0xFFFF, 0, 0};
    gSylWordsColor1Value = RGBColor{0, 0, 0xFFFF};
    gSylWordsColor2Value = RGBColor{0, 0x8000, 0};
    gSylLinesColor1Value = RGBColor{0x8000, 0, 0x8000};
    gSylLinesColor2Value = RGBColor{0, 0x8000, 0x8000};
    gLastScrollToHyper = -1;
    gLastReadPositionHyper = -1;
    gRecordingTaps = false;
    gSylWaitingForThisTap = 0;
    gFlagDoWordSwap = false;
    if (gTextMergeList) DisposeHandle(gTextMergeList);
    gTextMergeList = nullptr;
    gNumTextMerge = 0;
    gSylStopThisOffset = -1;
    gFindReplaceFindString.clear();
    gSearchDictShowWhat = 0;
    gSpellCheckDictionaryValue = 1;
    for (Rect* r :
         {&gHelpTextRect, &gHelpExtraRect, &gHelpPopupRect, &gHelpOpacityRect, &gHelpGoBackRect,
          &gTextMergeListRect, &gTextMergeExtraRect, &gTextMergeAddRect, &gTextMergeRemoveRect,
          &gTextMergeCopyRect, &gTextMergeSpecialRect, &gTextMergeUpRect, &gTextMergeDownRect,
          &gTextMergeEnableRect, &gTextMergeImportRect, &gTextMergeClearRect, &gTextMergeOpacityRect})
        *r = Rect{};
    std::fill(std::begin(gHelpButtonRect), std::end(gHelpButtonRect), Rect{});
    gHelpPopupMenuHandle = nullptr;
    gHelpOpacity = 100;
    gHelpButtonPushed = 0;
    gHelpShowingSearchDict = false;
    gHelpHyperShowing = false;
    gHelpMouseClickedVariable = 0;
    gHelpMouseTextPosAtClickVariable = -1;
    HypertextListHandle = nullptr;
    gHypertextCurrentLinkSelected = -1;
    TextMergeListHandle = nullptr;
    gTextMergeWinOpacity = 100;

    gHypertextPageScrollSize = 0;
}
