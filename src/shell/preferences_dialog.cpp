// Running the preferences dialog: opening it on a working copy of the settings, the modal loop, and
// OK, Use, Cancel and Defaults. Nothing reaches the live settings before OK or Use, and nothing typed
// that is out of range reaches them at all.
#include "shell/preferences_dialog.h"

#include "foundation/global_lists.h"
#include "foundation/window_references.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "shell/prefs_dialog_items.h"
#include "shell/shell_globals.h"

PrefsRecord gPrefsWorking{};
Str255 gSampleString = {0};

namespace {

// Where the last press in the dialog was, in its port: a drag starts there, wherever the mouse is now.
RESETTABLE(Point, gPressedAt, {});

// Typed size and spacing show in the sample as they are typed; on the special pane the background
// button's title follows the option key (held, it fits the rectangle to the source).
bool FilterDoPref(DialogPtr dialog, EventRecord* event, SInt16*) {
    if (event->what == mouseDown) {
        gPressedAt = event->where;
        GlobalToLocal(&gPressedAt);
    }
    if (event->what == nullEvent && sWhichSet == 1 && ReadFormatFieldsQuietly(dialog))
        RedrawPrefsItem(dialog, kTextSampleItem);
    static bool optionWas = false;
    const bool option = (GetCurrentKeyModifiers() & optionKey) != 0;
    if (sWhichSet == 4 && option != optionWas) SetPrefsChoiceControls(dialog);
    optionWas = option;
    // The screen sample shows the live picture while the capture runs.
    if (sWhichSet == 4 && gLiveCaptureRunning && !gLiveVideoPaused) {
        LiveCaptureUpdate();
        RedrawPrefsItem(dialog, kScreenSampleItem);
    }
    return false;
}

bool IsPopupItem(SInt16 item) {
    for (size_t i = 0; i < kPrefsPopupCount; ++i)
        if (kPrefsPopups[i].item == item) return true;
    return false;
}

void RedrawAllPrefsItems(DialogPtr dialog) {
    const Rect r = PrefsPaneFrame(dialog);
    InvalWindowRect(GetDialogWindow(dialog), &r);
    for (SInt16 item = kFirstTabItem; item <= kLastTabItem; ++item)
        RedrawPrefsItem(dialog, item);
}

void ChoosePane(DialogPtr dialog, SInt16 pane) {
    sWhichSet = pane;
    ShowHidePrefControls(dialog);
    RedrawAllPrefsItems(dialog);
}

// The working settings become the live ones. A highlight kind other than none is also remembered as the
// last one used, so that switching the highlight off and on again brings it back.
void StoreWorkingSettings(bool save) {
    const SInt16 kind = GetPref(gPrefsWorking, kPrefHighlightKind);
    if (kind != 0 && kind != GetPref(gThePreferences, kPrefHighlightKind))
        SetPref(gPrefsWorking, kPrefLastHighlightKind, kind);
    CopyPreferences(&gPrefsWorking, &gThePreferences);
    DoPutPreferences(&gRecentPreferences, kPrefsKindRecent, nullptr);
    if (save) {
        DoPutPreferences(&gThePreferences, kPrefsKindMain, nullptr);
        gPrefsChanged = false;
    } else {
        gPrefsChanged = true;
    }
}

} // namespace

PrefFormat PrefsDialogFormatField(SInt16 window) {
    switch (window) {
    case 1:
        return kPrefEditFormat;
    case 2:
        return kPrefNonverbalFormat;
    case 3:
        return kPrefBookmarkFormat;
    case 4:
        return kPrefScrollMonitorFormat;
    case 5:
        return kPrefMacroEditorFormat;
    case 6:
        return kPrefOtherWindowsFormat;
    default:
        return kPrefPrompterFormat;
    }
}

void DoPreferences() {
    if (gPrefsDialog) return;
    InitCursor();
    const WindowReference saved = GetPortReference();
    DialogPtr dialog = GetNewDialog(kPrefsDialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SysBeep(10);
        return;
    }
    SetWRefCon(GetDialogWindow(dialog), kPrefsDialogID);
    GetDialogRefandSetPort(dialog);
    gPrefsDialog = dialog;
    CopyPreferences(&gThePreferences, &gPrefsWorking);
    OpenPrefsChoices();
    if (sWhichSet < 0 || sWhichSet >= kPrefsPaneCount) sWhichSet = 0;
    if (gScrollEditRadio < 0 || gScrollEditRadio > 6) gScrollEditRadio = 0;
    LoadPrefsPopupMenus();
    InstallPrefsUserItems(dialog);
    SetPrefsControls(dialog);
    ShowHidePrefControls(dialog);
    SetDialogDefaultItem(dialog, kPrefsOKItem);
    SetDialogCancelItem(dialog, kPrefsCancelItem);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    ++gInModal;

    const PrefsRecord before = gThePreferences;
    SInt16 ended = 0;
    while (ended == 0) {
        SInt16 item = 0;
        ModalDialog(FilterDoPref, &item);
        CheckSoundsDone();
        if (item == kPrefsOKItem || item == kPrefsUseItem) {
            if (ReadPrefsFields(dialog)) ended = item;
        } else if (item == kPrefsCancelItem) {
            ended = item;
        } else if (item >= kFirstTabItem && item <= kLastTabItem) {
            ChoosePane(dialog, SInt16(item - kFirstTabItem));
        } else if (item == kDefaultsItem) {
            CopyPreferences(&gDefaultPreferences, &gPrefsWorking);
            RebuildPrefsPreview();
            SetPrefsControls(dialog);
            ChoosePane(dialog, sWhichSet);
        } else if (IsPopupItem(item)) {
            // A typed size or spacing counts before another window's format is shown.
            ReadFormatFieldsQuietly(dialog);
            const MenuRef menu = PrefsPopupMenu(item);
            if (!menu) continue;
            const SInt16 shown = MarkPrefsPopupMenu(item);
            const Rect r = GetDialogItemRect(dialog, item);
            Point where{r.top, r.left};
            LocalToGlobal(&where);
            const SInt32 answer = PopUpMenuSelect(menu, where.v, where.h, MenuItemIndex(shown));
            if ((answer & 0xFFFF) != 0) ChoosePrefsPopupItem(dialog, item, SInt16(answer & 0xFFFF));
        } else if (item == kOpacitySliderItem || item == kFadeSliderItem || item == kMomentumSliderItem) {
            TrackPrefsSlider(dialog, item);
        } else if (item == kShadowDialItem) {
            TrackPrefsShadowDial(dialog);
        } else if (item >= 200 && item <= 208) {
            TrackPrefs3DButton(dialog, item);
        } else if (item == kScreenSampleItem) {
            TrackScreenSample(dialog, gPressedAt);
        } else if (item == kTextSampleItem) {
            GetSampleString();
            RedrawPrefsItem(dialog, kTextSampleItem);
        } else if (item > 0 && item <= kLastPrefsItem) {
            HandlePrefsControlItem(dialog, item);
        }
    }

    --gInModal;
    ClosePrefsChoices(ended != kPrefsCancelItem);
    DisposePrefsPopupMenus();
    gPrefsDialog = nullptr;
    DisposeDialog(dialog);
    SetPortByReference(saved);
    if (ended == kPrefsCancelItem) {
        // The colour menus' length changes while the dialog is open, for its own colour pop-ups to show it;
        // cancelled, it goes back as well.
        SetPref(gThePreferences, kPrefColorListLength, GetPref(before, kPrefColorListLength));
        return;
    }
    StoreWorkingSettings(ended == kPrefsOKItem);
    ApplyPreferencesChanges(before);
}
