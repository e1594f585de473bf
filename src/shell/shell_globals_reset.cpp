// Putting the globals of the shell back to their start values; a global added to the subsystem gets its
// line here.
#include "shell/shell_globals_reset.h"

#include "foundation/file_dialogs.h"
#include "shell/command_parts.h"
#include "shell/context_popups.h"
#include "shell/desktop_events.h"
#include "shell/edit_commands.h"
#include "shell/event_handlers.h"
#include "shell/input_dispatch.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/periodic_timer.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"
#include "shell/printing.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/scroll_tick.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/startup.h"

#include <algorithm>
#include <iterator>
#include <string>

// Globals that no header of the subsystem declares.
extern SInt32 thisloop;
extern SInt32 gThisTick;
extern SInt32 gLoopCount;
extern SInt32 gTickCounter;

void ResetShellGlobals() {
    FreeScrollBackups();
    gTextHasMerged = false;
    gHypertextHasDisplayed = false;
    gTextHasFlowed = false;
    for (Handle* script : {&myTextResource, &myStyle}) {
        if (*script) DisposeHandle(*script);
        *script = nullptr;
    }
    gSaveAsWordSwapFlag = false;
    gCopyPasteMode = 1;
    gSavedMid = 0;
    gSavedMitem = 0;
    gNeedToCheckText = false;
    gNeedToCheckQueue = false;
    gSaveAutoDialogAnswer = 0;
    gSaveQuestionUp = false;
    inBackground = false;
    gFunctionsSearchHasFocus = false;
    gLastPointAtHyper = -1;
    isflipped = false;
    gEditOn = 0;
    gScrollSuspended = 0;
    gScrollStartScrollingRect = Rect{};
    gScrollStartPictureRect = Rect{};
    gScrollStartRectCue = Rect{};
    gFrontWhenScroll = 1;
    gTimeScrollStarted = 0;
    gSaveLoop = 0;
    gModeTimerInterval = 0;
    gIGotCancelled = false;
    gArrowKeysDuringShift = 0;
    if (gTextPopupMenuHdl) DisposeMenu(gTextPopupMenuHdl);
    gTextPopupMenuHdl = nullptr;
    std::fill(std::begin(gInTextPopup), std::end(gInTextPopup), SInt16(0));
    gMainPopupShowingPicItems = false;
    turboing = false;
    turboloc = Point{};
    turbospeed = 0;
    turbodir = 1;
    turbostarspeed = 0;
    gLastKeyPressed = 0;
    gSaveInProgress = false;
    gNeedOpenModalDialog = false;
    std::fill(std::begin(gForceFileName), std::end(gForceFileName), UInt8{});
    gDontQuitWithoutSaving = false;
    gQueueIsDirty = false;
    Close_Printing();
    gPrintSelectionOnly = false;
    gSelectText = 0;
    gCurrentScriptName = std::string{};
    gDontAddToRecentFiles = false;
    gGlobalSize = 12;
    gGlobalStyle = 0;
    gGlobalRed = gGlobalGreen = gGlobalBlue = 0;
    gGlobalColors = RGBColor{};
    gGlobalColorValid = false;
    gPrefSetResIds.clear();
    gBuiltInSetResIds.clear();
    breakitup = 0;
    gForceBreakUpReset = false;
    gFlagTextPrefsLoaded = 0;
    gDisableScrollClicks = 0;
    gDisableScrollKeys = 0;
    gWaitToUpdateWordCount = 0;
    gReformatEditTextCount = 0;
    gArrowandShiftKeyFlag = false;
    gSpeedBeforeShiftKey = 0;
    gOutName = std::string{};
    gFileName = std::string{};
    gInPath = std::string{};
    gIsTextFile = kTextDocument;
    gIsDos = 0;
    gTabsAreCustom = false;
    gPathSpec = std::string{};
    gDoOpenChangedFile = false;
    gScriptFileFormat = kNewScriptFormat;
    gFileWithUnheldCharacters = std::string{};
    gKeptSideResources.clear();
    gTextHasMerged = false;
    gHypertextHasDisplayed = false;
    gTextHasFlowed = false;
    gCurrentScrollTick = 0;
    gLastScrollTick = 0;
    gLastTicksForTimer = 0;
    gTicksForTimer = 0;
    gIScrolled = 0;
    nexttoskipto = 0;
    skiptonext = false;
    gInModal = 0;
    gOutPath = std::string{};
    gIdflag = 0;
    geeMouseIsDown = false;
    geeMouseDownTime = 0;
    geeMouseDownPosition = Point{};
    gMainResFileNum = 0;
    gLastResFile = 0;
    gGotColor = RGBColor{};
    gScrollOn = kScrollOff;
    gNothingHappened = 0;
    geeLockHorizontal = false;
    geeLockVertical = false;
    gMyBitWidth = 32;
    gSpeakingHelpText = false;
    gSavePreferences = gDefaultPreferences;
    gRememberRectBackStyle = 0;
    gSaveScrollDir = 1;
    gWantScrollDir = 1;
    gRealMBarHeight = 0;
    gTimerRunning = false;
    curEvent = EventRecord{};
    stopEvent = EventRecord{};
    gCurrentTick = 0;
    thisloop = 0;
    gThisTick = 0;
    thisscroll = 0;
    gLoopCount = 0;
    gTickCounter = 0;
    gScrollsPerSecond = 0;
    gAutoScrollMode = false;
    gAutoScrollCount = 0;
    gAutoFailCount = 0;
    // The preferences dialog.
    ssaveScrollWinOpacity = 0;
    ssaveFadeBackAmount = 0;
    ssaveFadeTextAmount = 0;
    ssaveMomentumAmount = 0;
    gPrefsDialog = nullptr;
    sWhichSet = 0;
    gScrollEditRadio = 0;
    gFadedSelectRadio = 0;
    gPrefsWorking = gDefaultPreferences;
    gSampleString[0] = 0;
    ResetPrefsChoices();
}
