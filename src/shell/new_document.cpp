// The new document: everything the old script carried goes, and an empty untitled script takes its place
// in the prompter.
#include "shell/command_parts.h"

#include "foundation/program_strings.h"
#include "foundation/word_line_arrays.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "resource_names.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/script_document_parts.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

void ClearKaraokeMode() {
    if (GetPref(gThePreferences, kPrefPacingMode) != 5 || mySyllableArray) return;
    const SInt16 mode = GetPref(gDefaultPreferences, kPrefPacingMode);
    SetPref(gThePreferences, kPrefPacingMode, mode);
    switch (mode) {
    case 0:
        SetPref(gThePreferences, kPrefScrollSpeed, GetPref(gDefaultPreferences, kPrefScrollSpeed));
        break;
    case 1:
        SetPref(gThePreferences, kPrefCharactersPerSecond,
                GetPref(gDefaultPreferences, kPrefCharactersPerSecond));
        break;
    case 2:
        SetPref(gThePreferences, kPrefFinishMinutes, GetPref(gDefaultPreferences, kPrefFinishMinutes));
        SetPref(gThePreferences, kPrefFinishSeconds, GetPref(gDefaultPreferences, kPrefFinishSeconds));
        break;
    case 3:
        SetPref(gThePreferences, kPrefLinesPerMinute, GetPref(gDefaultPreferences, kPrefLinesPerMinute));
        break;
    case 4:
        SetPref(gThePreferences, kPrefSyllablesPerMinute,
                GetPref(gDefaultPreferences, kPrefSyllablesPerMinute));
        break;
    default:
        break;
    }
}

SInt32 DoNewDocument() {
    if (gScrollOn) StopScroll();
    StoreUndoInfo(15);
    gTheMusic = CloseTheMusic(gTheMusic);
    gSyllableArrayCustom = false;
    if (gHypertextList) DisposeHandle(gHypertextList);
    gHypertextList = nullptr;
    gNumHypertext = 0;
    if (gTextMergeList) DisposeHandle(gTextMergeList);
    gTextMergeList = nullptr;
    gNumTextMerge = 0;
    for (SInt32 slot = gNumBookmarks - 1; slot >= 0; --slot)
        UnsetBookmark(SInt16(slot));
    CleanUpBookmarkList(1);
    if (gBookmarkNames) DisposeHandle(gBookmarkNames);
    gBookmarkNames = nullptr;
    if (myTextMergeWindow) CloseTextMergeWindow(0);
    DisposeDocumentText();

    std::string name;
    if (gForceFileName[0] != 0) {
        name = MacRomanToUtf8(PStringView(gForceFileName));
        gForceFileName[0] = 0;
    } else {
        Str255 untitled;
        GetOrvalisString(kProgramTexts, 5, untitled);
        name = MacRomanToUtf8(PStringView(untitled)) + ".text";
    }
    ClearKaraokeMode();
    gOutName = gFileName = gCurrentScriptName = name;
    gOutPath.clear();
    gIsTextFile = kTextDocument;
    myTextResource = NewHandle(0);
    PutScrollTextInBox(true);
    if (GetPref(gThePreferences, kPrefSeparateEditWindow) && myEditWindow) PutEditTextInBox();
    if (myScrollWindow) InvalWindowRect(myScrollWindow, &gCueRect);
    gSelectText = 0;
    SetScriptMenu(true);
    EnableWhenSelect();
    gDontQuitWithoutSaving = false;
    gForceCommandFromMacro = 0;
    return 0;
}
