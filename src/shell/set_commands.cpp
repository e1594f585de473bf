// The settings sets as the menus offer them: the user's sets listed in their menu, saved under a name,
// loaded and deleted; the built-in sets listed and loaded; and the settings saved now.
#include "effects/shapes.h"
#include "foundation/dialog_filters.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/menus.h"
#include "prefs/preference_sets.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/scroll_engine.h"
#include "scroll/style_code_dialog.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr SInt32 kNotDone = -1;
constexpr SInt16 kNameDialog = 137, kDeleteDialog = 138;
constexpr SInt16 kOKItem = 1, kCancelItem = 2, kFirstSetBox = 4, kSetBoxCount = 12;
constexpr SInt16 kSaveSetItem = 17, kDeleteSetItem = 18, kSaveNowItem = 20;

// Each set's item: its name followed by its ID, so that two sets of one name can be told apart, or the name
// in double quotes. The text is set as it is: characters that mean something in menu texts stay plain.
void AppendSetItems(MenuRef menu, const std::vector<PreferenceSetEntry>& sets, bool withID) {
    if (!menu) return;
    for (const PreferenceSetEntry& set : sets) {
        const std::string text =
            withID ? set.name + " (" + std::to_string(set.id) + ")" : "\"" + set.name + "\"";
        Str255 item = {0};
        item[0] = UInt8(std::min<size_t>(text.size(), 255));
        std::memcpy(item + 1, text.data(), item[0]);
        AppendMenuItemText(menu, item);
    }
}

// The shape stored with the settings is made again when the text flows in it.
void RemakeShape() {
    gShapeChanged = true;
    if (!GetPref(gThePreferences, kPrefTextFlowsInShape)) return;
    if (specialshapeinfo) DisposeHandle(specialshapeinfo);
    Rect scrolling;
    GetWindowRectIfScrolling(&scrolling);
    specialshapeinfo = MakeShapeFromSpec(gRecentShape, &scrolling);
}

// After a whole record was loaded: its values reach the services and the windows.
void UseLoadedSettings() {
    if (gThePreferences.bytes[kPrefDictionaryName.offset] > 31)
        gThePreferences.bytes[kPrefDictionaryName.offset] = 0;
    CopyPrefsToServiceGlobals();
    RemakeShape();
    gPrefsChanged = false;
    ResetForNewPrefs();
}

// The name typed in the name dialog; false when it was cancelled or could not be shown. A set needs a
// name to be chosen by, so an empty one asks again.
bool AskSetName(Str255 name) {
    for (;;) {
        name[0] = 0;
        if (!GetFontSetName(name, kNameDialog)) return false;
        if (name[0] > 0) return true;
    }
}

SInt32 SaveSettingsAsSet() {
    Str255 name = {0};
    // A running macro names the set; otherwise the user does.
    if (gForceFileName[0] > 0) {
        std::memcpy(name, gForceFileName, size_t(gForceFileName[0]) + 1);
        gForceFileName[0] = 0;
    } else if (!AskSetName(name)) {
        return kNotDone;
    }
    SInt16 width = 0, height = 0;
    if (curEvent.modifiers & optionKey) {
        Rect scrolling;
        GetWindowRectIfScrolling(&scrolling);
        width = SInt16(scrolling.right - scrolling.left);
        height = SInt16(scrolling.bottom - scrolling.top);
    }
    if (SavePreferenceSet(name, width, height, gRecentShape, gShapeName) == 0) return kNotDone;
    SetSetsMenu(MenuResToMenuRef(kUserSetsMenuID), true);
    return 0;
}

SInt32 DeleteSetsDialog() {
    std::vector<PreferenceSetEntry> sets;
    ListPreferenceSets(sets);
    if (sets.empty()) {
        SysBeep(1);
        return kNotDone;
    }
    const WindowReference saved = GetPortReference();
    DialogPtr dialog = GetNewDialog(kDeleteDialog, nullptr, kFirstWindowOfClass);
    if (!dialog) return kNotDone;
    GetDialogRefandSetPort(dialog);
    for (SInt16 box = 0; box < kSetBoxCount; ++box) {
        const SInt16 item = SInt16(kFirstSetBox + box);
        if (size_t(box) < sets.size()) {
            Str255 text = {0};
            text[0] = UInt8(std::min<size_t>(sets[size_t(box)].name.size(), 255));
            std::memcpy(text + 1, sets[size_t(box)].name.data(), text[0]);
            SetDialogItemText(dialog, item, text);
        } else {
            HideDialogItem(dialog, item);
        }
    }
    SetDialogDefaultItem(dialog, kOKItem);
    SetDialogCancelItem(dialog, kCancelItem);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;
    SInt16 item = 0;
    while (item != kOKItem && item != kCancelItem) {
        MovableDialog(nullptr, &item);
        if (item >= kFirstSetBox && item < kFirstSetBox + kSetBoxCount)
            SetDialogItemValue(dialog, item, GetDialogItemValue(dialog, item) ? 0 : 1);
    }
    std::vector<ResID> chosen;
    for (SInt16 box = 0; item == kOKItem && box < kSetBoxCount && size_t(box) < sets.size(); ++box)
        if (GetDialogItemValue(dialog, SInt16(kFirstSetBox + box))) chosen.push_back(sets[size_t(box)].id);
    --gInModal;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    for (ResID id : chosen)
        DeletePreferenceSet(id);
    if (!chosen.empty()) SetSetsMenu(MenuResToMenuRef(kUserSetsMenuID), true);
    return item == kOKItem ? 0 : kNotDone;
}

} // namespace

void SetSetsMenu(MenuRef menu, bool rebuild) {
    std::vector<PreferenceSetEntry> sets;
    ListPreferenceSets(sets);
    // Without rebuild the sets are offered after the menu's own items (a macro's choices): the IDs of the
    // sets menu stay as they are.
    if (!rebuild) {
        AppendSetItems(menu, sets, false);
        return;
    }
    if (menu && CountMenuItems(menu) > 0) DeleteMenuItems(menu, 1, CountMenuItems(menu));
    gPrefSetResIds.clear();
    for (const PreferenceSetEntry& set : sets)
        gPrefSetResIds.push_back(set.id);
    AppendSetItems(menu, sets, true);
}

void SetBuiltInMenu(MenuRef menu) {
    std::vector<PreferenceSetEntry> sets;
    ListBuiltInPreferenceSets(gMainResFileNum, sets);
    gBuiltInSetResIds.assign(1, kStartupSettingsSet);
    for (const PreferenceSetEntry& set : sets)
        gBuiltInSetResIds.push_back(set.id);
    // Item 1, the settings loaded at start-up, is the menu's own.
    if (menu && CountMenuItems(menu) > 1) DeleteMenuItems(menu, 2, UInt16(CountMenuItems(menu) - 1));
    AppendSetItems(menu, sets, false);
}

SInt32 DoSetsMenuCommand(SInt16 menu, SInt16 item) {
    const std::vector<ResID>& ids = menu == kUserSetsMenuID ? gPrefSetResIds : gBuiltInSetResIds;
    if (ids.empty()) return 0;
    if (item < 1 || size_t(item) > ids.size()) return kNotDone;
    const ResID id = ids[size_t(item - 1)];
    const OSErr err = menu == kUserSetsMenuID ? LoadPreferenceSet(id, gRecentShape, gShapeName)
                                              : LoadBuiltInPreferenceSet(id, gRecentShape, gShapeName);
    if (err != noErr) return kNotDone;
    UseLoadedSettings();
    return 0;
}

SInt32 DoSetEditCommand(SInt16 item) {
    switch (item) {
    case kSaveSetItem:
        return SaveSettingsAsSet();
    case kDeleteSetItem:
        return DeleteSetsDialog();
    case kSaveNowItem:
        return SavePreferencesNow() == noErr ? 0 : kNotDone;
    default:
        return kNotDone;
    }
}
