// The preferences dialog's items and the pieces its files share: which pane holds which items, how the
// controls are filled from and read back into the working settings, and the user items' drawing.
#pragma once

#include "platform/dialogs.h"
#include "platform/menus.h"
#include "prefs/prefs_record.h"

#include <optional>

enum : SInt16 {
    kPrefsDialogID = 131,
    kPrefsOKItem = 1,
    kPrefsCancelItem = 2,
    kPrefsUseItem = 3,
    kFirstTabItem = 4,
    kLastTabItem = 8,
    kPrefsPaneCount = 5,
    kSizeEditItem = 45,
    kSpacingEditItem = 46,
    kTextSampleItem = 59,
    kOpacitySliderItem = 80,
    kOpacityTextItem = 86,
    kScreenSampleItem = 123,
    kFadeSliderItem = 167,
    kFadeTextItem = 168,
    kFadeBackRadio = 174,
    kFadeTextRadio = 175,
    kMomentumSliderItem = 176,
    kMomentumTextItem = 181,
    kDefaultsItem = 182,
    kShadowDialItem = 209,
    kLastPrefsItem = 242,
};

// The pop-up boxes and their menus; the menus are loaded while the dialog is open.
struct PrefsPopup {
    SInt16 item;
    SInt16 menuID;
};
extern const PrefsPopup kPrefsPopups[];
extern const size_t kPrefsPopupCount;
MenuRef PrefsPopupMenu(SInt16 item);
void LoadPrefsPopupMenus();
void DisposePrefsPopupMenus();
// The item a pop-up shows for the working settings (0: none matches).
SInt16 PrefsPopupChoice(SInt16 item);
// Marks the items that show the working settings and answers the one shown in the box.
SInt16 MarkPrefsPopupMenu(SInt16 item);
// Sets the working settings from a chosen menu item.
void ChoosePrefsPopupItem(DialogPtr dialog, SInt16 item, SInt16 choice);

// Whether an item belongs to a pane (items 1-10 belong to all).
bool ItemInPane(SInt16 item, SInt16 pane);
// Hides every other pane's items and shows this pane's, each dependent item only in its state.
void ShowHidePrefControls(DialogPtr dialog);
// Fills every control from the working settings.
void SetPrefsControls(DialogPtr dialog);
// A check box, radio button or arrow: the working settings follow; false when the item is not one.
bool HandlePrefsControlItem(DialogPtr dialog, SInt16 item);

// Reads every typed field into the working settings; the first that is not a whole number in its range
// is reported, shown and selected, and the answer is false.
bool ReadPrefsFields(DialogPtr dialog);
// The typed size and spacing as far as they are valid, for the live sample; true when one changed.
bool ReadFormatFieldsQuietly(DialogPtr dialog);
// Writes the format pane's fields for the chosen window.
void SetFormatFields(DialogPtr dialog);

// User items. The pane's frame is drawn from item 10, a line under the tabs, so that it takes no clicks
// from the items inside it.
Rect PrefsPaneFrame(DialogPtr dialog);
void InstallPrefsUserItems(DialogPtr dialog);
void RedrawPrefsItem(DialogPtr dialog, SInt16 item);
void TrackPrefsSlider(DialogPtr dialog, SInt16 item);
void TrackPrefsShadowDial(DialogPtr dialog);
void TrackPrefs3DButton(DialogPtr dialog, SInt16 item);
void GetSampleString();

// Puts the settings just accepted to work: windows, text, menus.
void ApplyPreferencesChanges(const PrefsRecord& before);
