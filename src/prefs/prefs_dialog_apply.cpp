// Putting the settings accepted in the preferences dialog to work: the text effects, the speed, the
// windows that come and go with a setting, the prompter and edit texts laid out again, the styles menu.
#include "foundation/app_paths.h"
#include "foundation/menu_bar_and_menus.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "prefs/prefs_dialog_items.h"
#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/pacing.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/tool_windows.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <cstring>

namespace {

bool Changed(const PrefsRecord& before, PrefShort field) {
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

} // namespace

void ApplyPreferencesChanges(const PrefsRecord& before) {
    const PrefsRecord& p = gThePreferences;
    SetTextEffectsFromPrefs();
    ApplyMediaFolders(before);
    if (Changed(before, kPrefPlainFontMenus)) CheckFontMenus();
    ApplyHideBackground();
    if (Changed(before, kPrefScrollSpeed)) SetScrollAmount(GetPref(p, kPrefScrollSpeed), 0);
    if (Changed(before, kPrefStyledText)) ShowStylesMenu(GetPref(p, kPrefStyledText) != 0);
    if (GetPref(p, kPrefSeparateEditWindow) && !myEditWindow)
        OpenTextEditWindow();
    else if (!GetPref(p, kPrefSeparateEditWindow) && myEditWindow)
        CloseEditWindow(0);
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
    if (myEditWindow && FormatChanged(before, kPrefEditFormat)) PutEditTextInBox();
    CalculateScrollDistance();
}
