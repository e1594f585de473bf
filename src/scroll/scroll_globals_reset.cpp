// Putting the globals of the scroll engine back to their start values; a global added to the subsystem gets
// its line here.
#include "scroll/scroll_globals_reset.h"
#include "scroll/style_code_dialog.h"

#include "scroll/background_picture.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/display_modes.h"
#include "scroll/edit_window.h"
#include "scroll/nonverbal_window.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rubber_band.h"
#include "scroll/scroll_control.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_step_drawing.h"
#include "scroll/tab_ruler.h"
#include "scroll/text_sorting.h"
#include "scroll/tool_windows.h"
#include "scroll/toolbar_window.h"
#include "scroll/undo.h"

#include <algorithm>
#include <iterator>
#include <string>

void ResetScrollGlobals() {
    ForgetComposedFrame();
    gSortSpec = SortSpec{};
    gNumTempBookmarks = 0;
    gNumInReturnStack = 0;
    gNumBookmarks = 0;
    gBookmarksShowingText = false;
    gPausedHere = -1;
    std::fill(std::begin(gCueHot), std::end(gCueHot), SInt16{});
    gCueSpot = Rect{};
    geeLockSquare = false;
    HeyImDraggingARect = false;
    HeyImMovingAUnit = false;
    gRubberlastrect = Rect{};
    gRubberlastpoint = Point{-1, -1};
    gRubberRightToLeft = 0;
    gRubberBottomToTop = 0;
    gWhatsShifting = kShiftingCue;
    gShiftingRect = Rect{};
    gShiftLimitRect = Rect{};
    MoveUnitStart = MoveUnitCurrent = UnitOffset = Point{};
    gCuePositionPercent = 0;
    gScrollDistance = 60.0;
    gAverageScrollDistance = 60.0;
    gSpeedDivisor = 1.0;
    gInhibitScroll = 0;
    gSaveScrollAmount = 0;
    gWantScrollAmount = 0;
    gScrollDif = 0;
    gPaused = false;
    gDelayScroll = 0;
    gTextHasChanged = false;
    gUndoAvailable = 0;
    gInhibitUndo = false;
    ClearScrollState();
    gScrollThis = 0;
    gTimer = 0;
    gBookmarkCharacter = 0xB5;
    ForgetSpecialAnswers();
    gTotalNonverbalWords = 0;
    gNonverbalBoxRect = Rect{};
    gNonverbalSingleSpace = 0;
    gNonverbalPixelSpace = 0;
    gNonverbalCurrentPos = 0;
    gNonverbalHasntMoved = false;
    gToolbarButtonCount = 0;
    gToolbarHorizontalCount = 0;
    gToolbarVerticalCount = 0;
    gToolbarButtonSize = 0;
    ForgetScreenMode();
    ScrollVerticalScrollRect = Rect{};
    gScrollTextRect = Rect{};
    gAvailableRect = Rect{};
    gScrollDestinationRect = Rect{};
    gInfoRect = Rect{};
    gScrollSingleSpace = 0;
    gScrollPixelSpace = 0;
    gScrollingInAllCAPS = false;
    gIsFullScreen = false;
    gUpdateWindowBounds = 0;
    gInhibitBoundChanged = false;
    gWaitingForUpdate = false;
    gQuitting = false;
    gCueWidth = 0;
    gCueSpotChanged = true;
    gCueRect = Rect{};
    gPictureRect = Rect{};
    gTabBarShowing = false;
    gSmoothnessMenuChoice = 0;
    gScrollCurrentPos = 0;
    gNumBlankLinesNeeded = 0;
    gScrollTextHeight = 0;
    gScrollTextRectHeight = 0;
    gScrollExtraHeight = 0;
    gInhibitHightlight = false;
    gVScrollScroll = ScrollBarValues{};
    gVScrollScrollDivisor = 1;
    gScrollPageScrollSize = 0;
    gSaveScrollPositionCount = 0;
    gScrollOffset = 0;
    gTabBarRect = Rect{};
    ResetTextWindow(gEditView);
    ResetTextWindow(gScrollMonitorView);
    gAAAAddedForOverlays.clear();
}
