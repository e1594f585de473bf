// Putting the settings accepted in the preferences dialog to work: the text effects, the speed, the
// windows that come and go with a setting, the prompter and edit texts laid out again, the styles menu.
#include "effects/shapes.h"
#include "foundation/app_paths.h"
#include "foundation/menu_bar_and_menus.h"
#include "macros/macro_services.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/edit_window.h"
#include "scroll/pacing.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/prefs_dialog_items.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <cstring>

namespace {

bool Changed(const PrefsRecord& before, PrefShort field) {
    return GetPref(before, field) != GetPref(gThePreferences, field);
}

bool Changed(const PrefsRecord& before, PrefLong field) {
    return GetPref(before, field) != GetPref(gThePreferences, field);
}

bool FormatChanged(const PrefsRecord& before, PrefFormat field) {
    return std::memcmp(before.bytes + field.offset, gThePreferences.bytes + field.offset,
                       kTextFormatBlockSize) != 0;
}

// The styles menu stands before the Windows menu while styled text is on.
void ShowStylesMenu(bool shown) {
    MenuRef& slot = myMenus[kStyledTextMenuSlot];
    if (shown && !slot) {
        slot = GetMenu(kStyledTextMenuID);
        if (slot) InsertMenu(slot, kWindowsMenuID);
    } else if (!shown && slot) {
        DeleteMenu(kStyledTextMenuID);
        DisposeMenu(slot);
        slot = nullptr;
    }
    DrawMenuBar();
}

// The media folders chosen in the folder dialog are taken into use.
void ApplyMediaFolders(const PrefsRecord& before) {
    struct Folder {
        PrefString field;
        OSErr (*change)(const std::string&);
    };
    const Folder folders[] = {
        {kPrefMoviesFolder, ChangeMoviePath},
        {kPrefPicturesFolder, ChangePicturePath},
        {kPrefMusicFolder, ChangeMusicPath},
    };
    for (const Folder& f : folders) {
        Str255 was, now;
        GetPrefString(before, f.field, was);
        GetPrefString(gThePreferences, f.field, now);
        if (PStringView(was) != PStringView(now)) f.change(MacRomanToUtf8(PStringView(now)));
    }
}

// The hide-background window stands behind everything while the setting is on, in its colour.
void ApplyHideBackground() {
    if (!GetPref(gThePreferences, kPrefHideBackground)) return CloseHideBackgroundWindow();
    OpenHideBackgroundWindow();
    SetHideBackgroundWindowColor();
}

// The scroll monitor shows only while scrolling: switched off it closes, switched on during a scroll it
// opens at once.
void ApplyScrollMonitor() {
    const bool used = GetPref(gThePreferences, kPrefUseScrollMonitor) != 0;
    if (!used && myScrollMonitorWindow)
        CloseScrollMonitorWindow(0);
    else if (used && gScrollOn && !myScrollMonitorWindow)
        OpenScrollMonitorIfUsed();
}

// The next timed macro is found again, or none is due while timed macros are off.
void RescheduleTimedMacros() {
    gNextTimedMacroTime =
        GetPref(gThePreferences, kPrefTimedMacrosOff) ? 0 : GetNextTimedMacro(gTimedMacroName);
    UpdateMacroExecutingInfo(-1);
}

// Outside a scroll the prompter takes full screen or its normal place at once (the scroll sizes it itself
// when it starts). With a separate edit window, full screen keeps the menu bar.
void ApplyPrompterSize(const PrefsRecord& before) {
    if (gScrollOn || !myScrollWindow) return;
    if (!Changed(before, kPrefFullScreen) && !Changed(before, kPrefSeparateEditWindow)) return;
    SetScrollWindowToNormal();
}

} // namespace

void ApplyPreferencesChanges(const PrefsRecord& before) {
    const PrefsRecord& p = gThePreferences;
    SetTextEffectsFromPrefs();
    // The star field and the text box keep their own copies of these settings.
    gSaveStarSpeed = GetPref(p, kPrefStarSpeed);
    gSaveStarBackColor = GetPref(p, kPrefStarBackColor);
    gRememberRectBackStyle = GetPref(p, kPrefTextRectBackStyle);
    ApplyMediaFolders(before);
    if (Changed(before, kPrefPlainFontMenus)) CheckFontMenus();
    ApplyPrompterSize(before);
    if (Changed(before, kPrefScrollSpeed)) SetScrollAmount(GetPref(p, kPrefScrollSpeed), 0);
    if (Changed(before, kPrefStyledText)) ShowStylesMenu(GetPref(p, kPrefStyledText) != 0);
    if (GetPref(p, kPrefSeparateEditWindow) && !myEditWindow)
        OpenTextEditWindow();
    else if (!GetPref(p, kPrefSeparateEditWindow) && myEditWindow)
        CloseEditWindow(0);
    ApplyScrollMonitor();
    ApplyHideBackground();
    RescheduleTimedMacros();
    // The bookmark list is made again in its new font and colours.
    if (myBookmarkWindow && FormatChanged(before, kPrefBookmarkFormat))
        SetBookmarkWindowColor(GetPref(p, kPrefBookmarkFormat).backColor);
    if (gScrollOn) {
        // A running scroll takes the new settings by being rebuilt around them.
        if (ScrollWEHandle && FormatChanged(before, kPrefPrompterFormat)) PutScrollTextInBox(false);
        RegisterPrefChanges();
        return;
    }
    if (myScrollWindow) {
        SetScrollWindowBackColor();
        if (ScrollWEHandle) PutScrollTextInBox(false);
        ScrollRecalText();
        UpdateScrollWindow();
    }
    if (myEditWindow && (FormatChanged(before, kPrefEditFormat) || Changed(before, kPrefClassicText)))
        PutEditTextInBox();
    CalculateScrollDistance();
}
