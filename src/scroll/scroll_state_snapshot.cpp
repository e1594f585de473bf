// The save point a macro takes of everything it could disturb (the mode, the preferences, the shape, the
// document with its side data, the selections and positions, the background, the open tool windows), puts
// back later or drops.
#include "scroll/undo.h"

#include "effects/effect_windows.h"
#include "effects/shapes.h"
#include "foundation/error_dialog.h"
#include "foundation/file_dialogs.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/background_picture.h"
#include "scroll/edit_window.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "scroll/state_copies.h"
#include "scroll/tool_windows.h"
#include "shell/command_parts.h"
#include "shell/input_dispatch.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#include <array>
#include <cstring>

bool gScrollStateSaved = false;

namespace {

// The tool windows a macro may open or close, each with its own way of opening and closing; the macro
// monitor comes first because it is put back before the scrolling mode and the others after it.
struct ToolWindow {
    WindowPtr* window;
    void (*open)();
    void (*close)(SInt16 alreadyGone);
};
void OpenFindStyleWindowAsMenu() {
    OpenFindStyleWindow(0);
}
const std::array<ToolWindow, 12> kToolWindows{{
    {&myMacroMonitorWindow, OpenMacroMonitorWindow, CloseMacroMonitorWindow},
    {&myFindReplaceWindow, OpenFindReplaceWindow, CloseFindReplaceWindow},
    {&myFindStyleWindow, OpenFindStyleWindowAsMenu, CloseFindStyleWindow},
    {&myTextMergeWindow, OpenTextMergeWindow, CloseTextMergeWindow},
    {&myMediaQueueWindow, OpenMediaQueueWindow, CloseMediaQueueWindow},
    {&myRecordWindow, OpenRecordWindow, CloseRecordWindow},
    {&myKeyEquivWindow, OpenKeyEquivWindow, CloseKeyEquivWindow},
    {&myCommandWindow, OpenCommandWindow, CloseCommandWindow},
    {&myHypertextWindow, OpenHypertextWindow, CloseHypertextWindow},
    {&myColorChartWindow, OpenColorChartWindow, CloseColorChartWindow},
    {&mySearchDictWindow, OpenSearchDictWindow, CloseSearchDictWindow},
    {&myOverlayWindow, OpenOverlayWindow, CloseOverlayWindow},
}};

void MatchToolWindow(const ToolWindow& tool, bool wanted) {
    if (wanted && !*tool.window) tool.open();
    if (!wanted && *tool.window) tool.close(0);
}

struct ScrollStateSnapshot {
    bool dontQuitWithoutSaving = false;
    bool paused = false;
    SInt16 scrollOn = 0;
    PrefsRecord preferences{};
    Boolean prefsChanged = false;
    PositionPrefsRecord places{};
    Boolean placesChanged = false;
    bool shapeChanged = false;
    std::array<UInt8, kShapeRecordMaxSize> recentShape{};
    HandleBytes shapeInfo;
    KeptText text;
    SInt32 totalLines = 0, totalWords = 0, totalSyllables = 0;
    HandleBytes wordLines;
    HandleBytes syllables;
    KeptBookmarks bookmarks;
    KeptLinks links;
    KeptPlaces selections;
    KeptFileIdentity identity;
    HandleBytes picture;
    Rect pictureRect{};
    std::array<bool, kToolWindows.size()> toolWindowsOpen{};
    SInt16 dontDisplayErrorMessages = 0;
    UInt16 lastKeyPressed = 0;
    bool gotCancelled = false;
    SInt16 autoDialogAnswer = 0;
    bool dontCheckSaveStatus = false;
};

ScrollStateSnapshot& Snapshot() {
    static ScrollStateSnapshot snapshot;
    return snapshot;
}

} // namespace

void SaveScrollState(SInt32) {
    ScrollStateSnapshot& s = Snapshot();
    s.dontQuitWithoutSaving = gDontQuitWithoutSaving;
    s.paused = gPaused;
    s.scrollOn = gScrollOn;
    s.preferences = gThePreferences;
    s.prefsChanged = gPrefsChanged;
    s.places = gPositionPreferences;
    s.placesChanged = gPositionPrefsChanged;
    s.shapeChanged = gShapeChanged;
    std::memcpy(s.recentShape.data(), gRecentShape, s.recentShape.size());
    s.shapeInfo = CopyHandleBytes(specialshapeinfo);
    s.text = KeepText();
    s.totalLines = gTotalLines;
    s.totalWords = gTotalWords;
    s.totalSyllables = gTotalSyllables;
    s.wordLines = CopyHandleBytes(myWordLineArray);
    s.syllables = CopyHandleBytes(mySyllableArray);
    s.bookmarks = KeepBookmarks();
    s.links = KeepLinks();
    s.selections = KeepPlaces();
    s.identity = KeepFileIdentity();
    s.picture = CopyHandleBytes(gThePicture);
    if (gThePicture) s.pictureRect = gPictureRect;
    for (size_t i = 0; i < kToolWindows.size(); ++i)
        s.toolWindowsOpen[i] = *kToolWindows[i].window != nullptr;
    s.dontDisplayErrorMessages = gDontDisplayErrorMessages;
    s.lastKeyPressed = gLastKeyPressed;
    s.gotCancelled = gIGotCancelled;
    s.autoDialogAnswer = gAutoDialogAnswer;
    s.dontCheckSaveStatus = gDontCheckSaveStatus;
    gScrollStateSaved = true;
}

void RestoreScrollState(SInt32) {
    if (!gScrollStateSaved) return;
    ScrollStateSnapshot& s = Snapshot();
    if (gScrollOn) StopScroll();
    PutBackFileIdentity(s.identity);
    gThePreferences = s.preferences;
    gPrefsChanged = s.prefsChanged;
    gPositionPreferences = s.places;
    gPositionPrefsChanged = s.placesChanged;
    // The live picture goes even when none was kept; drawing fetches the background again when needed.
    DisposeScrollPicture();
    if (s.picture && PutBackHandle(&gThePicture, s.picture)) gPictureRect = s.pictureRect;
    PutBackText(s.text);
    gShapeChanged = s.shapeChanged;
    std::memcpy(gRecentShape, s.recentShape.data(), s.recentShape.size());
    PutBackHandle(&specialshapeinfo, s.shapeInfo);
    const bool editWindowWanted = GetPref(gThePreferences, kPrefSeparateEditWindow) != 0;
    if (editWindowWanted && !myEditWindow) {
        OpenTextEditWindow();
        PutEditTextInBox();
    } else if (!editWindowWanted && myEditWindow) {
        CloseEditWindow(0);
    }
    PutBackPlaces(s.selections);
    // Hand-recorded syllable times cannot be counted again from the text: they come back as kept.
    if (s.text.customSyllables && s.wordLines && s.syllables) {
        gSyllableArrayCustom = true;
        PutBackHandle(&myWordLineArray, s.wordLines);
        PutBackHandle(&mySyllableArray, s.syllables);
        gTotalLines = s.totalLines;
        gTotalWords = s.totalWords;
        gTotalSyllables = s.totalSyllables;
    }
    PutBackLinks(s.links);
    PutBackBookmarks(s.bookmarks);
    gDontQuitWithoutSaving = s.dontQuitWithoutSaving;
    gTextHasChanged = false;
    MatchToolWindow(kToolWindows[0], s.toolWindowsOpen[0]);
    if (s.scrollOn == 1 || s.scrollOn == 3) {
        StartScroll(s.scrollOn);
        if (!s.paused) PauseOff(0);
    } else {
        SetScrollWindowToNormal();
    }
    // The bookmark list and the toolbar as the restored preferences have them.
    const bool bookmarksWanted = GetPref(gThePreferences, kPrefBookmarkWindowOpen) != 0;
    if (bookmarksWanted && !myBookmarkWindow) OpenBookmarkWindow();
    if (!bookmarksWanted && myBookmarkWindow) CloseBookmarkWindow(0);
    const bool toolbarWanted = GetPref(gThePreferences, kPrefToolbarOpen) != 0;
    if (toolbarWanted && !myToolbarWindow) OpenToolbarWindow();
    if (!toolbarWanted && myToolbarWindow) CloseToolbarWindow(0);
    for (size_t i = 1; i < kToolWindows.size(); ++i)
        MatchToolWindow(kToolWindows[i], s.toolWindowsOpen[i]);
    // The mandala editor shows the background it draws; it is opened afresh on the restored one.
    if (mySpirographWindow && GetPref(gThePreferences, kPrefBackgroundKind) == kPictureKindMandala) {
        CloseSpirographWindow(0);
        OpenSpirographWindow();
    }
    gUpdateWindowBounds = 0;
    SetOtherWindowsToNirmalLocation();
    ClearScrollState();
    gDontDisplayErrorMessages = s.dontDisplayErrorMessages;
    gLastKeyPressed = s.lastKeyPressed;
    gIGotCancelled = s.gotCancelled;
    gAutoDialogAnswer = s.autoDialogAnswer;
    gDontCheckSaveStatus = s.dontCheckSaveStatus;
}

void ClearScrollState() {
    if (!gScrollStateSaved) return;
    ScrollStateSnapshot& s = Snapshot();
    s.text = {};
    s.wordLines.reset();
    s.syllables.reset();
    s.bookmarks = {};
    s.links = {};
    s.picture.reset();
    s.shapeInfo.reset();
    gScrollStateSaved = false;
}
