// ConsistifyMenus: before a menu opens and before a command runs, every menu's enabled items, marks and
// texts are brought into line with the program's state and the modifier keys held; commands whose code is
// not written yet stay greyed.
#include "shell/menus.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "foundation/app_paths.h"
#include "foundation/folder_files.h"
#include "foundation/menu_bar_and_menus.h"
#include "foundation/program_colors.h"
#include "foundation/program_strings.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "platform/events.h"
#include "platform/file_io.h"
#include "platform/pstring.h"
#include "platform/speech.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "resource_names.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "scroll/undo.h"
#include "shell/commands.h"
#include "shell/edit_commands.h"
#include "shell/manual.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"
#include "texttools/help_window.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

std::array<WindowPtr, 16> gWindowList{};

namespace {

constexpr SInt16 kWindowNamesList = 151;
constexpr SInt16 kSizeItems[] = {9, 10, 12, 18, 24, 36, 48, 50, 62, 74};

void SetEnabled(MenuRef menu, MenuItemIndex item, bool enabled) {
    if (!menu) return;
    if (enabled)
        EnableMenuItem(menu, item);
    else
        DisableMenuItem(menu, item);
}

void Check(MenuRef menu, MenuItemIndex item, bool checked) {
    if (menu) CheckMenuItem(menu, item, checked);
}

void SetText(MenuRef menu, MenuItemIndex item, SInt16 index) {
    Str255 text;
    if (menu && GetOrvalisString(kProgramTexts, index, text)) SetMenuItemText(menu, item, text);
}

bool PrefSet(PrefShort field) {
    return GetPref(gThePreferences, field) != 0;
}

MenuRef Slot(int slot) {
    return myMenus[size_t(slot)];
}

// Step 1: the undo item and the two save items read differently while shift is held.
void UndoAndSaveItems(bool shift) {
    MenuRef edit = Slot(kEditMenuSlot);
    MenuRef file = Slot(kFileMenuSlot);
    if (!shift) {
        SetText(edit, kUndoItem, 122);
        SetMenuItemModifiers(edit, kUndoItem, kMenuNoModifiers);
        SetEnabled(edit, kUndoItem, gUndoAvailable != 0);
        SetText(file, kSaveItem, 133);
        SetText(file, kSaveSwappedItem, 135);
        SetMenuItemModifiers(file, kSaveItem, kMenuNoModifiers);
        SetMenuItemModifiers(file, kSaveSwappedItem, kMenuNoModifiers);
        return;
    }
    // The undo item offers to repeat the last command under that command's own name.
    MenuRef last =
        gLasttheMenu == kEditMenuID && gLasttheItem == kUndoItem ? nullptr : MenuResToMenuRef(gLasttheMenu);
    if (last && gLasttheItem > 0) {
        Str255 text;
        GetMenuItemText(last, MenuItemIndex(gLasttheItem), text);
        SetMenuItemText(edit, kUndoItem, text);
        SetEnabled(edit, kUndoItem, true);
    } else {
        SetText(edit, kUndoItem, 121);
        SetEnabled(edit, kUndoItem, false);
    }
    SetMenuItemModifiers(edit, kUndoItem, kMenuShiftModifier);
    SetText(file, kSaveItem, 132);
    SetText(file, kSaveSwappedItem, 134);
    SetMenuItemModifiers(file, kSaveItem, kMenuShiftModifier);
    SetMenuItemModifiers(file, kSaveSwappedItem, kMenuShiftModifier);
}

// The edit items follow the view the commands would act on: cut, copy and clear need a selected range,
// paste and swap something on the clipboard, select all a text.
void EditItems() {
    MenuRef edit = Slot(kEditMenuSlot);
    const WEReference target = FocusedTextView();
    bool selected = false;
    for (SInt32 i = 0; target && !selected && i < std::max(WEGetNumberSelections(target), SInt32(1)); ++i) {
        SInt32 start = 0, end = 0;
        WEGetSelection(&start, &end, i, target);
        selected = start != end;
    }
    const bool canPaste = target && WECanPaste(target);
    const bool hasText = target && WEGetTextLength(target) > 0;
    for (MenuItemIndex item : {3, 4, 7})
        SetEnabled(edit, item, selected);
    SetEnabled(edit, 5, canPaste);
    SetEnabled(edit, 6, canPaste);
    const bool listInFront = myBookmarkWindow && BookmarkListHandle && FrontWindow() == myBookmarkWindow;
    SetEnabled(edit, 10, hasText || listInFront);
    auto everyItem = [](MenuRef menu, bool enabled) {
        for (MenuItemIndex item = 1; menu && item <= CountMenuItems(menu); ++item)
            SetEnabled(menu, item, enabled);
    };
    everyItem(Slot(kCopySpecialMenuSlot), selected);
    everyItem(Slot(kSelectionMenuSlot), target != nullptr || listInFront);
    everyItem(Slot(kTextTransformsMenuSlot), hasText);
    Check(Slot(kSelectionMenuSlot), 5, gSelectMultipleMode);
    Check(Slot(kSelectionMenuSlot), 6, gSelectBlockMode);
}

bool PrompterInFront() {
    return myScrollWindow && FrontNonFloatingWindow() == myScrollWindow;
}

void WindowsMenuMarks() {
    MenuRef windows = Slot(kWindowsMenuSlot);
    Check(windows, 2, PrefSet(kPrefBookmarkWindowOpen));
    Check(windows, 3, PrefSet(kPrefCueMarkerShown));
    Check(windows, 4, PrefSet(kPrefToolbarOpen));
    Check(windows, 5, gInstructionsShowing);
    Check(windows, 6, gTabBarShowing);
    const WindowPtr shown[] = {myTextMergeWindow, myRecordWindow,    myMediaQueueWindow,   myCommandWindow,
                               myHypertextWindow, myKeyEquivWindow,  myColorChartWindow,   myEditWindow,
                               myScrollWindow,    myFunctionsWindow, myScrollMonitorWindow};
    for (MenuItemIndex i = 0; i < std::size(shown); ++i)
        Check(windows, MenuItemIndex(7 + i), shown[i] != nullptr);
    Check(windows, 19, PrefSet(kPrefMirror));
    Check(windows, 20, PrefSet(kPrefFlip));
    Check(windows, 21, GetPref(gThePreferences, kPrefRotation) == -1);
    Check(windows, 22, GetPref(gThePreferences, kPrefRotation) == 1);
    Check(windows, 24, myFormatPalWindow != nullptr);
    Check(windows, 25, myOverlayWindow != nullptr);
    Check(windows, 26, mySpirographWindow != nullptr);
}

// Step 11: the font, size, style and colour menus show the format at the start of the selection.
void FormatMarks() {
    if (!ScrollWEHandle) return;
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    WERunInfo run;
    WEGetRunInfo(start, &run, ScrollWEHandle);
    const WETextStyle& style = run.style.style;
    if (MenuRef fonts = Slot(kFontMenuSlot)) {
        for (MenuItemIndex item = 1; item <= CountMenuItems(fonts); ++item)
            CheckMenuItem(fonts, item, false);
        Str255 name;
        GetFontName(style.font, name);
        if (SInt16 item = FindNameInMenu(fonts, name)) CheckMenuItem(fonts, MenuItemIndex(item), true);
    }
    if (MenuRef sizes = Slot(kSizeMenuSlot)) {
        for (MenuItemIndex item = 1; item <= std::size(kSizeItems); ++item) {
            CheckMenuItem(sizes, item, kSizeItems[item - 1] == style.size);
            // Outlined: the font's own design at that size, which every scalable family has.
            SetItemStyle(sizes, item, IsFontFamilyInstalled(style.font) ? 8 : 0);
        }
    }
    if (MenuRef styles = Slot(kStyleMenuSlot)) {
        CheckMenuItem(styles, 1, style.face == 0);
        for (MenuItemIndex item = 2; item <= 8; ++item)
            CheckMenuItem(styles, item, style.face & (1 << (item - 2)));
        FixFormatMenuItems(styles);
    }
    if (MenuRef colors = Slot(kColorMenuSlot)) {
        const SInt16 number = FindColorInClut(&style.color, 0);
        for (MenuItemIndex item = 1; item <= CountMenuItems(colors); ++item)
            CheckMenuItem(colors, item, item == number && item != 8 && item != 9);
    }
}

// Step 14: the macro files of the macro folder, but not the one-letter key macros.
void ListMacroFiles() {
    MenuRef menu = Slot(kMacroFilesMenuSlot);
    if (!menu) return;
    if (CountMenuItems(menu) > 1) DeleteMenuItems(menu, 2, UInt16(CountMenuItems(menu) - 1));
    const std::string folder = GetAppPathFolder(AppPathSlot(13));
    Str255 standard;
    if (folder.empty() || (GetOrvalisString(305, 1, standard) && !DoesFileExist(standard, folder))) return;
    for (const std::string& name : GetFolderFileNames(folder)) {
        const bool macro = name.size() > 6 && name.compare(name.size() - 6, 6, ".macro") == 0;
        const bool keyMacro = name.size() == 7 && name[0] >= 'a' && name[0] <= 'z' && name[1] == '.';
        if (!macro || keyMacro || !FitsPString(name)) continue;
        Str255 text;
        SetPString(text, name);
        AppendMenuItemText(menu, text);
    }
}

// Step 16: the window list names the prompter and then each open tool window.
void ListOpenWindows() {
    MenuRef menu = Slot(kWindowListMenuSlot);
    gWindowList.fill(nullptr);
    gWindowList[0] = myScrollWindow;
    if (!menu) return;
    if (CountMenuItems(menu) > 1) DeleteMenuItems(menu, 2, UInt16(CountMenuItems(menu) - 1));
    const struct {
        WindowPtr window;
        SInt16 name;
    } windows[] = {{myEditWindow, 2},           {myMacroEditorWindow, 3},   {myBookmarkWindow, 4},
                   {myToolbarWindow, 5},        {myHelpWindow, 6},          {myTextMergeWindow, 7},
                   {myRecordWindow, 8},         {myMediaQueueWindow, 9},    {myCommandWindow, 10},
                   {myHypertextWindow, 16},     {myKeyEquivWindow, 11},     {myColorChartWindow, 12},
                   {myScrollMonitorWindow, 13}, {myMacroMonitorWindow, 14}, {myFunctionsWindow, 15}};
    size_t next = 1;
    for (const auto& entry : windows) {
        if (!entry.window || next >= gWindowList.size()) continue;
        Str255 text;
        if (!GetOrvalisString(kWindowNamesList, entry.name, text)) SetPString(text, "?");
        AppendMenuItemText(menu, text);
        gWindowList[next++] = entry.window;
    }
}

} // namespace

void ConsistifyMenus() {
    const bool shift = curEvent.modifiers & shiftKey;
    const bool option = curEvent.modifiers & optionKey;
    const bool editMode = gScrollOn == 0;
    MenuRef file = Slot(kFileMenuSlot);
    MenuRef edit = Slot(kEditMenuSlot);
    MenuRef scroll = Slot(kScrollMenuSlot);
    MenuRef macro = Slot(kMacroMenuSlot);

    UndoAndSaveItems(shift);

    if (gSynciTunes) {
        SetEnabled(file, kPreviousScriptItem, true);
        SetEnabled(file, kNextScriptItem, true);
    }
    SetEnabled(file, kReturnBookmarkItem, PeekReturnBookmark(nullptr, nullptr, nullptr));

    if (ScrollWEHandle && myTextResource && editMode) {
        MenuRef paste = Slot(kPasteSpecialMenuSlot);
        const bool canPaste = WECanPaste(ScrollWEHandle);
        for (MenuItemIndex item = 1; paste && item <= CountMenuItems(paste); ++item)
            SetEnabled(paste, item, canPaste);
        SetEnabled(edit, 8, true);
    }
    EditItems();

    const WindowPtr front = FrontNonFloatingWindow();
    const bool textInFront =
        (editMode && (front == myScrollWindow || (myEditWindow && front == myEditWindow))) ||
        (myMacroEditorWindow && front == myMacroEditorWindow);
    SetEnabled(edit, 11, textInFront);
    SetEnabled(edit, 13, textInFront);

    SetEnabled(file, kNewQueueItem, gIsTextFile == kTextDocument);
    SetEnabled(file, kOpenIntoQueueItem, gQueue != nullptr);
    SetEnabled(file, kSaveQueueItem, gQueue != nullptr);

    WindowsMenuMarks();
    SetText(scroll, kMusicItem, gTheMusic && option ? 56 : 55);

    SetEnabled(edit, kPreferencesItem, editMode);
    for (MenuItemIndex item = 19; item <= 22; ++item)
        SetEnabled(Slot(kWindowsMenuSlot), item, editMode);
    for (MenuItemIndex item : {8, 12, 13})
        SetEnabled(scroll, item, editMode);

    Check(scroll, kLoopingItem, PrefSet(kPrefLoopingText));
    Check(scroll, 18, gSynciTunes);

    const bool formatTarget = PrompterInFront() || (myMacroEditorWindow && front == myMacroEditorWindow);
    SetEnabled(Slot(kStyledTextMenuSlot), 0, formatTarget);
    if (formatTarget) SetEnabled(Slot(kFontMenuSlot), 0, true);
    FormatMarks();

    Check(scroll, kEditModeItem, editMode);
    Check(scroll, kScrollItem, gScrollOn == 1);
    Check(scroll, kScrollEditableItem, gScrollOn == 3);
    Check(scroll, kSpeakWhileScrollingItem, GetPref(gThePreferences, kPrefSpeakSelections) != 0);

    const bool macroEditorOpen = myMacroEditorWindow != nullptr;
    SetEnabled(macro, 3, macroEditorOpen);
    SetEnabled(macro, 4, macroEditorOpen);
    SetText(macro, 6, option ? 64 : 63);
    SetText(edit, 8, option ? 71 : 70);
    SetEnabled(edit, 8, !option || macroEditorOpen);

    ListMacroFiles();
    for (SInt16 slot = 0; slot < gNumBookmarks && slot < 10; ++slot)
        SetBookmarkMenuItem(GetBookmarkOffset(slot), SInt16(slot + 1), SInt16(curEvent.modifiers));
    ListOpenWindows();
    if (PrefSet(kPrefPlainFontMenus)) CheckFontMenus();

    // The manual opens in the desktop's reader; without the file the item would do nothing.
    SetEnabled(Slot(0), kManualItem, FileExists(ManualPath()));
    // Speaking needs a voice; without one the command is greyed rather than silent.
    SetEnabled(scroll, kSpeakItem, gChan != nullptr && IsSpeechAvailable());
    // Commands whose code is not written yet are never offered.
    for (int slot = 0; slot < kMenuSlotCount; ++slot) {
        MenuRef menu = Slot(slot);
        const SInt16 id = menu ? GetMenuID(menu) : SInt16(0);
        for (MenuItemIndex item = 1; menu && item <= CountMenuItems(menu); ++item)
            if (!GetItemSubmenu(menu, item) && CommandWaitsFor(id, SInt16(item))) DisableMenuItem(menu, item);
    }
    DrawMenuBar();
}
