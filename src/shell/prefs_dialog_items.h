// The preferences dialog's items and the pieces its files share: which pane holds which items, how the
// controls are filled from and read back into the working settings, and the user items' drawing.
#pragma once

#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/menus.h"
#include "prefs/prefs_record.h"
#include "resource_names.h"

#include <optional>

enum : SInt16 {
    kFirstTabItem = 4,
    kLastTabItem = 8,
    kLastSharedItem = 10, // items 1-10 belong to every pane
    kPrefsPaneCount = 5,
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

// The choices that reach outside the record's plain fields: sounds, cue markers, the background and its
// file, the shape, the screen size while scrolling, the automatic file and the folder and shape dialogs.
// Opening takes a working copy of the automatic file; closing keeps it when accepted and puts back a
// screen size the dialog switched to.
void OpenPrefsChoices();
void ClosePrefsChoices(bool accepted);
// Back to the state before any opening.
void ResetPrefsChoices();
// Fills a pop-up menu whose items are found when the dialog opens (sounds, cue markers, screen sizes).
void FillPrefsChoiceMenu(SInt16 menuID, MenuRef menu);
// The item a choice pop-up shows (0 none); nullopt when the item is not one of them.
std::optional<SInt16> PrefsChoiceShown(SInt16 item);
// A choice pop-up's item chosen; false when the item is not one of them.
bool ChoosePrefsChoice(DialogPtr dialog, SInt16 item, SInt16 choice);
// The buttons and the kind-dependent check box of the choices; false when the item is not one of them.
bool HandlePrefsChoiceItem(DialogPtr dialog, SInt16 item);
// Brings the items whose text or value follows a choice into line (the background button's title, the
// kind's check box, the automatic file's name).
void SetPrefsChoiceControls(DialogPtr dialog);
// The preview picture of the working background, made again after a change (null while there is none).
PicHandle PrefsPreviewPicture();
void RebuildPrefsPreview();
// The screen sample: where the prompter's screen, the text box and the picture lie reduced into it, and a
// drag in it that moves a rectangle, or resizes it from its lower right corner.
struct ScreenSampleGeometry {
    Rect item{}, whole{}, textBox{}, picture{};
    double scale = 1;
};
ScreenSampleGeometry GetScreenSampleGeometry(DialogPtr dialog);
void TrackScreenSample(DialogPtr dialog, Point start);
// Where a drag by dh, dv (screen pixels) takes the rectangle: moved, or resized from its lower right
// corner to at least 8 pixels each way, and never further off the screen than it started.
Rect DraggedSampleRect(const Rect& from, const Rect& screen, SInt16 dh, SInt16 dv, bool resize);
void DrawCueMarkSample(DialogPtr dialog, SInt16 item);

// Puts the settings just accepted to work: windows, text, menus.
void ApplyPreferencesChanges(const PrefsRecord& before);
