// The save point a macro takes of everything it could disturb (the mode, the preferences, the document
// with its side data, the selections and positions), puts back later or drops.
#include "scroll/undo.h"

#include "foundation/error_dialog.h"
#include "foundation/file_dialogs.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_services.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
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
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

bool gScrollStateSaved = false;

namespace {

struct ScrollStateSnapshot {
    bool dontQuitWithoutSaving = false;
    bool paused = false;
    SInt16 scrollOn = 0;
    PrefsRecord preferences{};
    Boolean prefsChanged = false;
    PositionPrefsRecord places{};
    Boolean placesChanged = false;
    KeptText text;
    SInt32 totalLines = 0, totalWords = 0, totalSyllables = 0;
    HandleBytes wordLines;
    HandleBytes syllables;
    KeptBookmarks bookmarks;
    KeptLinks links;
    KeptPlaces selections;
    KeptFileIdentity identity;
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
    PutBackText(s.text);
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
    gScrollStateSaved = false;
}
