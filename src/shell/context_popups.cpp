// The pop-ups of a control-click or secondary click: the text pop-up with the clicked window's own items,
// the tab bar's pop-up, and the four window shortcuts (edit window, functions, prompter, scroll monitor).
#include "shell/context_popups.h"

#include "resource_names.h"
#include "shell/file_opening.h"

#include "foundation/file_dialogs.h"
#include "foundation/program_strings.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "platform/drawing.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/background_picture.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "scroll/tab_stops.h"
#include "scroll/tool_windows.h"
#include "scroll/window_settings.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/speech.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#include <algorithm>

namespace {

constexpr SInt16 kTextPopupMenuID = 375;
constexpr SInt16 kTabPopupMenuID = 383;
constexpr SInt16 kPictureItemsList = 152;
constexpr SInt16 kPopupWidth = 150;
constexpr SInt16 kPopupHeight = 24;
// The edit menu's item that moves the selection to the macro editor (with option: into the script).
constexpr SInt16 kTransferItem = 8;
constexpr SInt32 kNotDoneHere = -1;

void MarkPrefsChanged() {
    gPrefsChanged = true;
}

// Appends an item with the program's text and records the action it stands for.
MenuItemIndex AppendCodedItem(MenuRef menu, SInt16 listId, SInt16 index, SInt16 code) {
    Str255 text;
    GetOrvalisString(listId, index, text);
    if (text[0] == 0) SetPString(text, "?");
    AppendMenuItemText(menu, text);
    const MenuItemIndex item = CountMenuItems(menu);
    if (item < kTextPopupCodes) gInTextPopup[item] = code;
    return item;
}

// Shows a pop-up with its top-left at a point of the window; the item chosen, 0 when none.
MenuItemIndex PopUpAt(WindowPtr window, MenuRef menu, Point point) {
    const Rect place{point.v, point.h, SInt16(point.v + kPopupHeight), SInt16(point.h + kPopupWidth)};
    Point global{place.top, place.left};
    if (window) {
        GrafPtr saved = nullptr;
        GetPort(&saved);
        SetPort(GetWindowPort(window));
        LocalToGlobal(&global);
        SetPort(saved);
    }
    return MenuItemIndex(PopUpMenuSelect(menu, global.v, global.h, 0) & 0xFFFF);
}

WEReference TextOf(WindowPtr window) {
    if (window && window == myScrollWindow) return ScrollWEHandle;
    if (window && window == myEditWindow) return EditWEHandle;
    if (window && window == myMacroEditorWindow) return MacroEditWEHandle;
    return nullptr;
}

// Codes 8 to 12 change how the background picture is placed; the prompter is built again around it.
void ChangeBackgroundPicture(SInt16 code) {
    if (gScrollOn) FlipScreenRects(0);
    DisposeScrollPicture();
    const auto flip = [](PrefShort field) {
        SetPref(gThePreferences, field, GetPref(gThePreferences, field) ? 0 : 1);
    };
    switch (code) {
    case 8:
    case 9: {
        const SInt16 turn = code == 8 ? 1 : 2;
        SetPref(gThePreferences, kPrefPictureRotation,
                GetPref(gThePreferences, kPrefPictureRotation) == turn ? 0 : turn);
        break;
    }
    case 10:
        flip(kPrefPictureFlipH);
        break;
    case 11:
        flip(kPrefPictureFlipV);
        break;
    default: {
        Str255 prompt;
        GetOrvalisString(kProgramTexts, 3, prompt);
        Str255 none = {0};
        GetFileName(prompt, none, kPictureFileType, -1);
        break;
    }
    }
    const Rect content = GetScrollWindowContent();
    ShortNewScrollWindowSize(SInt16(RectWidth(content)), SInt16(RectHeight(content)));
    MarkPrefsChanged();
}

// Extends the window's selection to the click, and speaks it when selections are spoken.
void ExtendSelectionToClick(WindowPtr window, UInt16 modifiers, UInt32 when) {
    const WEReference text = TextOf(window);
    if (!text) return;
    Point hit = geeMouseDownPosition;
    if (window == myScrollWindow) hit = GetScreenPositionTextPoint(hit);
    WEClick(hit, UInt16(modifiers | shiftKey), when, text);
    if (!GetPref(gThePreferences, kPrefSpeakSelections)) return;
    SInt32 start = 0;
    SInt32 end = 0;
    WEGetSelection(&start, &end, 0, text);
    if (start == end) return;
    if (window == myScrollWindow) {
        StartSpeakingSelected(start, end, kSpeakScript);
    } else if (window == myEditWindow) {
        StartSpeakingSelected(GetRealEditPosition(start), GetRealEditPosition(end), kSpeakPrompterScript);
    } else if (window == myMacroEditorWindow) {
        StartSpeakingSelected(start, end, kSpeakMacroEditor);
    }
}

// The window's selection becomes the find text (an empty one keeps the last), matched exactly, and the
// next match is found without the dialog.
void FindSelection(WindowPtr window) {
    if (const WEReference text = TextOf(window)) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, text);
        if (end > start) {
            const SInt32 length = std::min<SInt32>(end - start, 254);
            std::string found(size_t(length), '\0');
            const Handle whole = WEGetText(text);
            if (whole && start + length <= GetHandleSize(whole))
                std::copy_n(*whole + start, length, found.begin());
            gFindReplaceFindString = found;
        }
    }
    SetExactFindOptions();
    if (myFindReplaceWindow) CloseFindReplaceWindow(0);
    FindWithoutDialog(&curEvent, window);
}

void RunEditItem(WindowPtr window, SInt16 item, bool option) {
    gForceCommandFromMacro = window ? 1 : 0;
    const UInt16 saved = curEvent.modifiers;
    if (option)
        curEvent.modifiers |= optionKey;
    else
        curEvent.modifiers &= UInt16(~optionKey);
    DoCommand(MakeMenuCommand(kEditMenuID, item));
    curEvent.modifiers = saved;
    gForceCommandFromMacro = 0;
}

// The tab pop-up's changes re-lay what shows the stops; a change of the document's own stops marks them
// its own and the script unsaved.
void RelayAfterTabChange(bool custom) {
    if (gEditOn) {
        const Rect content = GetScrollWindowContent();
        NewScrollWindowSize(SInt16(RectWidth(content)), SInt16(RectHeight(content)));
    }
    if (myEditWindow) {
        Rect bounds{};
        GetPortBounds(GetWindowPort(myEditWindow), &bounds);
        NewEditWindowSize(SInt16(RectWidth(bounds)), SInt16(RectHeight(bounds)));
    }
    gWaitingForUpdate = true;
    if (!custom) return;
    gTabsAreCustom = true;
    gDontQuitWithoutSaving = true;
}

SInt16 FindTabAt(WindowPtr window, Point point) {
    return window == myEditWindow ? FindEditTab(point, nullptr) : FindScrollTab(point, nullptr);
}

} // namespace

void ScrollWindowAppendMenuItems(MenuRef menu, Point point) {
    if (!menu) return;
    if (gScrollOn) {
        DeleteMenuItems(menu, 1, CountMenuItems(menu));
        AppendCodedItem(menu, kProgramTexts, 220, 19);
        return;
    }
    const MenuItemIndex before = CountMenuItems(menu);
    gMainPopupShowingPicItems =
        GetPref(gThePreferences, kPrefBackgroundKind) == 1 && PtInRect(point, &gPictureRect);
    if (gMainPopupShowingPicItems) {
        for (SInt16 i = 1; i <= 4; ++i)
            AppendCodedItem(menu, kPictureItemsList, i, SInt16(7 + i));
        AppendCodedItem(menu, kProgramTexts, 136, 12);
        if (const SInt16 turn = GetPref(gThePreferences, kPrefPictureRotation))
            CheckMenuItem(menu, MenuItemIndex(before + turn), true);
        if (GetPref(gThePreferences, kPrefPictureFlipH)) CheckMenuItem(menu, MenuItemIndex(before + 3), true);
        if (GetPref(gThePreferences, kPrefPictureFlipV)) CheckMenuItem(menu, MenuItemIndex(before + 4), true);
    }
    // The transfer goes to the macro editor: greyed while the Edit menu's transfer waits for it.
    const MenuItemIndex transfer = AppendCodedItem(menu, kProgramTexts, 218, 18);
    if (CommandWaitsFor(kEditMenuID, kTransferItem)) DisableMenuItem(menu, transfer);
    if (mySearchDictWindow) AppendCodedItem(menu, kProgramTexts, 186, 15);
    if (myFindStyleWindow) AppendCodedItem(menu, kProgramTexts, 188, 16);
    const MenuItemIndex hold = AppendCodedItem(menu, kProgramTexts, 221, 20);
    CheckMenuItem(menu, hold, GetPref(gThePreferences, kPrefHoldOpensPopup) == 1);
}

MenuRef BuildTextPopup(Point point, WindowPtr window) {
    if (gTextPopupMenuHdl) DisposeMenu(gTextPopupMenuHdl);
    gTextPopupMenuHdl = GetMenu(kTextPopupMenuID);
    std::fill(std::begin(gInTextPopup), std::end(gInTextPopup), SInt16(0));
    for (SInt16 i = 0; i < 8; ++i)
        gInTextPopup[i] = i;
    if (!gTextPopupMenuHdl) return nullptr;
    if (window && window == myScrollWindow)
        ScrollWindowAppendMenuItems(gTextPopupMenuHdl, point);
    else if (window && window == myEditWindow)
        EditWindowAppendMenuItems(gTextPopupMenuHdl);
    return gTextPopupMenuHdl;
}

// The edit window adds one item: the script's words to the search dictionary, while that window is open.
void EditWindowAppendMenuItems(MenuRef menu) {
    if (!menu || !mySearchDictWindow) return;
    AppendCodedItem(menu, kProgramTexts, 186, 14);
}

void DoTextPopupAction(SInt16 code, WindowPtr window, UInt16 modifiers, UInt32 when) {
    switch (code) {
    case 0:
        return;
    case 4:
        return ExtendSelectionToClick(window, modifiers, when);
    case 6:
        return FindSelection(window);
    case 7:
        // The colour under the click becomes the last colour chosen.
        if (window) {
            GrafPtr saved = nullptr;
            GetPort(&saved);
            SetPort(GetWindowPort(window));
            GetCPixel(geeMouseDownPosition.h, geeMouseDownPosition.v, &gGotColor);
            SetPort(saved);
        }
        return;
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
        return ChangeBackgroundPicture(code);
    case 13:
        if (gSearchDictShowWhat == 1) RemoveFromDictionary();
        if (gSearchDictShowWhat == 4) RemoveFromIgnored();
        return;
    case 14:
    case 15:
        return CopyScrollWordsToDictionary(window);
    case 16:
        GetStyleForFindStyleDialog();
        SetFindStyleWindowForHypertext();
        return;
    case 17:
        return RunEditItem(window, kTransferItem, true);
    case 18:
        return RunEditItem(window, kTransferItem, false);
    case 19:
        return StopScroll();
    case 20:
        SetPref(gThePreferences, kPrefHoldOpensPopup, GetPref(gThePreferences, kPrefHoldOpensPopup) ? 0 : 1);
        MarkPrefsChanged();
        return;
    default:
        // Cut, copy, paste, clear and any other item of the text's own: the edit menu's item for it.
        return RunEditItem(window, SInt16(code + 2), (modifiers & optionKey) != 0);
    }
}

void DoTextPopup(Point where, SInt16 modifiers, UInt32 when, WindowPtr window, bool) {
    MenuRef menu = BuildTextPopup(where, window);
    if (!menu) return;
    const MenuItemIndex item = PopUpAt(window, menu, where);
    const SInt16 code = item > 0 && item < kTextPopupCodes ? gInTextPopup[item] : 0;
    DoTextPopupAction(code, window, UInt16(modifiers), when);
}

void DoTabPopupItem(MenuItemIndex item, Point point, WindowPtr window) {
    if (item >= 1 && item <= 4) {
        gCurrentTabKind = SInt16(item - 1);
        return;
    }
    switch (item) {
    case 5:
        if (InsertTab(point) >= 0) RelayAfterTabChange(true);
        return;
    case 6: {
        // Back to the default stops; stops of the document's own leave the script unsaved.
        if (gTabList) {
            DisposeHandle(gTabList);
            gTabList = nullptr;
        }
        if (gTabsAreCustom) {
            gTabsAreCustom = false;
            gDontQuitWithoutSaving = true;
        }
        RelayAfterTabChange(false);
        return;
    }
    case 7: {
        const SInt16 tab = FindTabAt(window, point);
        if (tab >= 0 && RemoveTab(tab) >= 0) RelayAfterTabChange(true);
        return;
    }
    case 8: {
        if (CurrentTabList().count == 0) return;
        TabList none{};
        Handle empty = nullptr;
        if (PtrToHand(&none, &empty, sizeof none) != noErr) return;
        if (gTabList) DisposeHandle(gTabList);
        gTabList = empty;
        RelayAfterTabChange(true);
        return;
    }
    default:
        return;
    }
}

void DoTabPopup(Point where, WindowPtr window) {
    MenuRef menu = GetMenu(kTabPopupMenuID);
    if (!menu) return;
    if (gTextPopupMenuHdl) DisposeMenu(gTextPopupMenuHdl);
    gTextPopupMenuHdl = menu;
    CheckMenuItem(menu, MenuItemIndex(gCurrentTabKind + 1), true);
    DoTabPopupItem(PopUpAt(window, menu, where), where, window);
}

SInt32 DoCmdShiftFunction(char letter) {
    switch (letter) {
    case 'E':
    case 'e':
        ToggleEditWindowShortcut();
        return 0;
    case 'F':
    case 'f':
        if (myFunctionsWindow) {
            CloseFunctionsWindow(0);
        } else {
            OpenFunctionsWindow(true);
            if (myCommandWindow) SelectWindow(myCommandWindow);
        }
        return 0;
    case 'L':
    case 'l':
        if (myScrollWindow) {
            ShowWindow(myScrollWindow);
            SelectHideOtherWindow(myScrollWindow);
        }
        return 0;
    case 'M':
    case 'm':
        ToggleScrollMonitorShortcut();
        return 0;
    default:
        return kNotDoneHere;
    }
}
