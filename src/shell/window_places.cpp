// Puts the open tool windows back at their remembered places when scrolling ends; a place that lies on
// no screen any more comes back onto the main screen, and an empty one is ignored.
#include "shell/offscreen_worlds.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "prefs/companion_records.h"
#include "scroll/screens.h"
#include "scroll/scroll_windows.h"
#include "shell/window_frames.h"
#include "texttools/text_tool_windows.h"

namespace {

struct RememberedPlace {
    WindowPtr* window;
    WindowPlace place;
};

const RememberedPlace kRememberedPlaces[] = {
    {&myEditWindow, kPlaceEdit},
    {&myBookmarkWindow, kPlaceBookmark},
    {&myToolbarWindow, kPlaceToolbar},
    {&myScrollMonitorWindow, kPlaceScrollMonitor},
    {&mySyllableSyncWindow, kPlaceSyllableSync},
    {&myMacroEditorWindow, kPlaceMacroEditor},
    {&myFunctionsWindow, kPlaceFunctions},
    {&myMacroMonitorWindow, kPlaceMacroMonitor},
    {&myFindReplaceWindow, kPlaceFindReplace},
    {&myHelpWindow, kPlaceHelp},
    {&myFormatPalWindow, kPlaceFormatPalette},
    {&myFindStyleWindow, kPlaceFindStyle},
    {&myTextMergeWindow, kPlaceTextMerge},
    {&myMediaQueueWindow, kPlaceMediaQueue},
    {&myRecordWindow, kPlaceRecord},
    {&myKeyEquivWindow, kPlaceKeyEquivalents},
    {&myCommandWindow, kPlaceCommand},
    {&myColorChartWindow, kPlaceColorChart},
    {&myHypertextWindow, kPlaceHypertext},
    {&mySpirographWindow, kPlaceMandala},
    {&mySearchDictWindow, kPlaceSearchDictionary},
    {&myOverlayWindow, kPlaceOverlay},
};

} // namespace

void SetOtherWindowsToNirmalLocation() {
    for (const RememberedPlace& entry : kRememberedPlaces) {
        WindowPtr window = *entry.window;
        if (!window) continue;
        const Rect stored = GetWindowPlace(gPositionPreferences, entry.place);
        if (EmptyRect(&stored)) continue;
        PlaceWindowInsideScreens(window, KeepRectOnScreen(stored));
    }
    if (myCueLightWindow) PositionCueLightWindow();
}
