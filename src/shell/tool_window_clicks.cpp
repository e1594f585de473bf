// Clicks in the list and text tool windows that carry no mouse handler of their own: each window's button
// row, list or text and opacity button, calling that window's own operations.
#include "shell/tool_window_clicks.h"

#include "controls/control_records.h"
#include "controls/custom_controls.h"
#include "controls/edit_fields.h"
#include "foundation/error_dialog.h"
#include "foundation/list_items.h"
#include "foundation/program_strings.h"
#include "foundation/scroll_bar_parts.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_windows.h"
#include "platform/pstring.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_window.h"
#include "shell/event_handlers.h"
#include "shell/file_opening.h"
#include "shell/input_dispatch.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/speech.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"
#include "texttools/search_texts.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"

#include <algorithm>
#include <vector>

namespace {

constexpr SInt16 kMediaQueueReference = 17;
constexpr SInt16 kSortItem = 13;
constexpr SInt16 kTextMergeSpecialStrings = 146;
constexpr SInt16 kTextMergeSpecialItems = 10;
constexpr SInt16 kImportMergePrompt = 25;
// The functions list is drawn in the program's fixed-width text style.
constexpr TextStyle kFunctionsListStyle{4, 0, 9, {}};
// Columns of the functions window's description page, as its fixed-width font sets them.
constexpr double kDescriptionMargin = 5.0;
constexpr double kDescriptionColumnWidth = 5.387;

bool SecondaryClick(const PlatformEvent& event) {
    return event.button != 0 || (event.modifiers & controlKey);
}

Rect BoundsOf(WindowPtr window) {
    Rect bounds{};
    GetPortBounds(GetWindowPort(window), &bounds);
    return bounds;
}

bool InScrollBarColumn(WindowPtr window, Point point) {
    return point.h >= BoundsOf(window).right - kScrollBarWidth;
}

// The size box of a list window belongs to the window handler; a click there should never come here.
bool ReportedCornerClick(WindowPtr window, Point point) {
    const Rect bounds = BoundsOf(window);
    if (point.h < bounds.right - kScrollBarWidth || point.v < bounds.bottom - kScrollBarWidth) return false;
    DoErrorMessageText("I don't expect to get here in DoMouseDown");
    return true;
}

bool Inside(Point point, const Rect& r) {
    return PtInRect(point, &r);
}

// The buttons act only when the mouse is let go inside them.
bool Released(const Rect& button) {
    return TrackMainUpDownButton(&button, 0, 0, kButtonPictures, 30, 6, 0) != 0;
}

void ToggleOpacity(WindowPtr window, SInt16& opacity) {
    opacity = opacity == 100 ? 50 : 100;
    SetWindowAlpha(window, float(opacity) / 100.0f);
}

TextStyle FormatStyle(PrefFormat field) {
    const TextFormatBlock format = GetPref(gThePreferences, field);
    return TextStyle{format.font, SInt16(format.face), format.size, format.textColor};
}

// The click goes to the list in the list's own font; true for a double click.
bool ListClick(ListHandle list, const TextStyle& style, const PlatformEvent& event, Point point) {
    SetListFont(LGetPort(list), &style);
    const bool twice = LClick(point, event.modifiers, event.clickCount, list);
    RestoreFont();
    return twice;
}

SInt16 SelectedRow(ListHandle list) {
    SInt16 row = -1;
    if (list && !GetListChoice(&row, list)) row = -1;
    return row;
}

std::vector<SInt16> SelectedRows(ListHandle list) {
    std::vector<SInt16> rows;
    Cell cell{0, 0};
    while (list && LGetSelect(true, &cell, list)) {
        if (rows.empty() || rows.back() != cell.v) rows.push_back(cell.v);
        cell = Cell{SInt16(cell.v + 1), 0};
    }
    return rows;
}

void SelectOnly(ListHandle list, SInt16 row) {
    for (const SInt16 selected : SelectedRows(list))
        for (SInt16 column = 0; column < LCountColumns(list); ++column)
            LSetSelect(false, Cell{selected, column}, list);
    SetListChoice(row, list);
}

SInt16 VisibleRows(ListHandle list) {
    const Point cell = LGetCellSize(list);
    return cell.v > 0 ? SInt16(std::max(1, RectHeight(LGetView(list)) / cell.v)) : SInt16(1);
}

std::string SelectedText(WEReference text) {
    SInt32 start = 0;
    SInt32 end = 0;
    WEGetSelection(&start, &end, 0, text);
    std::string chosen;
    for (SInt32 offset = start; offset < end; ++offset)
        chosen += char(WEGetChar(offset, text));
    return chosen;
}

std::string WholeText(WEReference text) {
    std::string all;
    const SInt32 length = WEGetTextLength(text);
    all.reserve(size_t(std::max<SInt32>(length, 0)));
    for (SInt32 offset = 0; offset < length; ++offset)
        all += char(WEGetChar(offset, text));
    return all;
}

SInt32 TextOffsetAt(Point point, const Rect& view, WEReference text) {
    if (!text || !Inside(point, view)) return -1;
    const LongPoint at{point.v - view.top, point.h - view.left};
    return WEGetOffset(&at, nullptr, text);
}

void SpeakSelectionWhenAsked(WEReference text, SInt16 source) {
    if (!GetPref(gThePreferences, kPrefSpeakSelections)) return;
    SInt32 start = 0;
    SInt32 end = 0;
    WEGetSelection(&start, &end, 0, text);
    if (start != end) StartSpeakingSelected(start, end, source);
}

// A control or secondary click in a text window: with the hand tool on, the text is dragged; when it did
// not move (or without the hand tool) the text pop-up opens.
void SecondaryTextClick(const PlatformEvent& event, Point point, WindowPtr window,
                        bool (*drag)(Point, bool)) {
    if (GetPref(gThePreferences, kPrefAllowHandTool) && drag(point, true)) return;
    DoTextPopup(point, SInt16(event.modifiers), geeMouseDownTime, window, geeMouseIsDown);
}

// ---- Functions window ----

void CopyFromFunctionsWindow() {
    if (gFunctionsShowInfo == 0)
        CopySelectedFunctionsToMacroEditor();
    else if (gFunctionsShowHelpInstead)
        CopyMacroHelpToClipboard();
    else
        CopyFunctionToMacroEditor(gLastFunctionSelected, gLastFormSelected);
}

// From the list (or the help) to the description of the selected function; from a description back to
// the list.
void ToggleFunctionInfo() {
    const bool description = gFunctionsShowInfo && !gFunctionsShowHelpInstead;
    if (description) {
        gFunctionsShowInfo = 0;
        gFunctionsShowHelpInstead = 0;
        PutFunctionsInList();
        if (gLastFunctionSelected >= 0) SelectFunctionInList(gLastFunctionSelected, gLastFormSelected);
    } else {
        SInt16 function = -1;
        SInt16 form = -1;
        if (GetSelectedFunction(&function, &form)) {
            if (!gFunctionsShowHelpInstead) {
                gLastFunctionSelected = function;
                gLastFormSelected = form;
            }
            gFunctionsShowInfo = 1;
            gFunctionsShowHelpInstead = 0;
            PutFunctionInfoInList(function, form);
        }
    }
    DrawFunctionsButtons();
}

void FunctionsListClick(const PlatformEvent& event, Point point) {
    const bool twice = ListClick(FunctionsListHandle, kFunctionsListStyle, event, point);
    if (gFunctionsShowInfo == 0) {
        SInt16 function = -1;
        SInt16 form = -1;
        if (twice) {
            CopySelectedFunctionsToMacroEditor();
        } else if (GetSelectedFunction(&function, &form)) {
            gLastFunctionSelected = function;
            gLastFormSelected = form;
        }
    } else if (!gFunctionsShowHelpInstead && twice) {
        const SInt16 row = SelectedRow(FunctionsListHandle);
        const double across = point.h - LGetView(FunctionsListHandle).left - kDescriptionMargin;
        if (row >= 0) CopyMacroInfoToMacroEditor(row, SInt16(across / kDescriptionColumnWidth));
    }
}

void FunctionsWindowClick(const PlatformEvent& event, Point point) {
    if (ReportedCornerClick(myFunctionsWindow, point)) return;
    if (FunctionsSearchWEHandle && Inside(point, gFunctionsSearchBoxRect)) {
        gFunctionsSearchHasFocus = true;
        ClickInFunctionsSearchField(point, event.modifiers, geeMouseDownTime);
    } else if (Inside(point, gFunctionsCopyRect)) {
        if (Released(gFunctionsCopyRect)) CopyFromFunctionsWindow();
    } else if (Inside(point, gFunctionsInfoRect)) {
        if (Released(gFunctionsInfoRect)) ToggleFunctionInfo();
    } else if (Inside(point, gFunctionsMoreRect)) {
        if (const SInt16 item = ChooseFunctionsGroup(point)) FunctionsGroupChosen(item);
    } else if (Inside(point, gFunctionsHelpRect)) {
        if (Released(gFunctionsHelpRect)) {
            gFunctionsShowInfo = 1;
            gFunctionsShowHelpInstead = 1;
            PutFunctionHelpInList();
        }
    } else if (Inside(point, gFunctionsOpacityRect)) {
        if (Released(gFunctionsOpacityRect)) {
            ToggleOpacity(myFunctionsWindow, gFunctionsOpacity);
            DrawFunctionsButtons();
        }
    } else if (FunctionsListHandle && Inside(point, gFunctionsListRect)) {
        FunctionsListClick(event, point);
    }
    geeMouseIsDown = false;
    GetCurrentFunctionsPos();
}

// ---- Macro monitor ----

// The information strip shows the selected macro's next line, or nothing without a selection.
void ShowNextMacroLine(SInt16 row) {
    if (row >= 0 && row < kMacroSlots) {
        GetMacroNextLine(row, 0, gInspectOn, gMacroExecutingInfoString[row]);
        UpdateMacroExecutingInfo(row);
    } else {
        UpdateMacroExecutingInfo(-1);
    }
}

void MacroMonitorClick(const PlatformEvent& event, Point point) {
    if (ReportedCornerClick(myMacroMonitorWindow, point)) return;
    const SInt16 row = SelectedRow(MacroMonitorListHandle);
    const bool running = row >= 0 && row < kMacroSlots && MacroSlotInUse(row);
    if (Inside(point, gMacroMonitorKillRect)) {
        if (Released(gMacroMonitorKillRect) && running) {
            FinishMacro(row);
            gPauseUnpause = 0;
            UpdateMacroPauseButton();
        }
    } else if (Inside(point, gMacroMonitorPauseRect)) {
        if (Released(gMacroMonitorPauseRect) && running) {
            const SInt16 state = GetMacroRunState(row) == 0 ? 1 : 0;
            SetMacroRunState(row, state);
            gPauseUnpause = state;
            UpdateMacroPauseButton();
            ChangeMacrosListText(row);
        }
    } else if (Inside(point, gMacroMonitorStepRect)) {
        if (Released(gMacroMonitorStepRect) && running) {
            const SInt16 state = GetMacroRunState(row);
            if (state == 0 || state == 1) SetMacroRunState(row, SInt16(state + 1));
            ChangeMacrosListText(row);
        }
    } else if (Inside(point, gMacroMonitorAutoPauseRect)) {
        if (Released(gMacroMonitorAutoPauseRect)) {
            gMacroMonitorAutoPauseOn = gMacroMonitorAutoPauseOn ? 0 : 1;
            DrawMacroMonitorButtons();
        }
    } else if (Inside(point, gMacroMonitorOpacityRect)) {
        if (Released(gMacroMonitorOpacityRect)) {
            ToggleOpacity(myMacroMonitorWindow, gMacroMonitorOpacity);
            DrawMacroMonitorButtons();
        }
    } else if (Inside(point, gMacroMonitorInspectRect)) {
        // The strip is read while the button is still held, so the click is not over yet.
        if (Released(gMacroMonitorInspectRect)) {
            gInspectOn = gInspectOn ? 0 : 1;
            ShowNextMacroLine(row);
            DrawMacroMonitorButtons();
        }
        return;
    } else if (Inside(point, gMacroMonitorMacroInfoRect)) {
        // The strip only shows.
    } else if (MacroMonitorListHandle && Inside(point, gMacroMonitorListRect)) {
        if (ListClick(MacroMonitorListHandle, TextStyle{}, event, point)) {
            DoErrorMessageText("Not sure what to do when double click macro monitor list");
        } else {
            const SInt16 chosen = SelectedRow(MacroMonitorListHandle);
            if (chosen >= 0) {
                const bool paused =
                    chosen < kMacroSlots && MacroSlotInUse(chosen) && GetMacroRunState(chosen);
                gPauseUnpause = paused ? 1 : 0;
                UpdateMacroPauseButton();
            }
            ShowNextMacroLine(chosen);
        }
    }
    geeMouseIsDown = false;
}

// ---- Macro editor ----

void ToggleFunctionsWindow() {
    if (!myFunctionsWindow)
        OpenFunctionsWindow(false);
    else if (FrontWindow() == myFunctionsWindow)
        CloseFunctionsWindow(0);
    else
        SelectWindow(myFunctionsWindow);
}

void SendMacroTextToCommandWindow() {
    if (!myCommandWindow) OpenCommandWindow();
    if (!MacroEditWEHandle) return;
    GetNewMacroEditorText();
    SInt32 start = 0;
    SInt32 end = 0;
    WEGetSelection(&start, &end, 0, MacroEditWEHandle);
    const std::string text = CommandTextFromSelection(WholeText(MacroEditWEHandle), start, end);
    if (!text.empty()) CopyTextToCommandWindow(text);
}

void CompileFromEditor(SInt16 run) {
    CompileMacro(1, run);
    if (CompileMacro(0, run) != noErr) DoErrorMessageText("Macro not compiled");
}

void MacroEditorTextClick(const PlatformEvent& event, Point point) {
    if (!MacroEditWEHandle) return;
    WEClick(point, event.modifiers, geeMouseDownTime, MacroEditWEHandle);
    if (event.clickCount >= 2) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, MacroEditWEHandle);
        const SInt32 before = start;
        const SInt32 after = end;
        WidenSelectionToBrackets(WholeText(MacroEditWEHandle), &start, &end);
        if (start != before || end != after) WESetSelection(start, end, 0, MacroEditWEHandle);
    }
    SpeakSelectionWhenAsked(MacroEditWEHandle, kSpeakMacroEditor);
    WECalText(MacroEditWEHandle);
    MacroEditorRecalText();
    SetMacroEditorWindowScrolls();
    GetCurrentMacroEditorPos();
}

void MacroEditorClick(const PlatformEvent& event, Point point) {
    if (InScrollBarColumn(myMacroEditorWindow, point)) return TrackMacroEditorScrollBar(point);
    if (SecondaryClick(event))
        return SecondaryTextClick(event, point, myMacroEditorWindow, DragMacroEditorRect);
    if (Inside(point, gMacroCompileRect)) {
        if (Released(gMacroCompileRect)) CompileFromEditor(0);
    } else if (Inside(point, gMacroTestRect)) {
        if (Released(gMacroTestRect)) CompileFromEditor(1);
    } else if (Inside(point, gMacroOpenRect)) {
        if (Released(gMacroOpenRect)) DoOpenMacroSource(std::string());
    } else if (Inside(point, gMacroSaveTextRect)) {
        if (Released(gMacroSaveTextRect)) DoSaveMacroSource(7);
    } else if (Inside(point, gMacroFunctionsRect)) {
        if (Released(gMacroFunctionsRect)) ToggleFunctionsWindow();
    } else if (Inside(point, gMacroToCommandRect)) {
        if (Released(gMacroToCommandRect)) SendMacroTextToCommandWindow();
    } else if (Inside(point, gMacroOpacityRect)) {
        if (Released(gMacroOpacityRect)) {
            ToggleOpacity(myMacroEditorWindow, gMacroEditOpacity);
            DrawMacroEditorButtons();
        }
    } else if (!Inside(point, gMacroExtraRect)) {
        MacroEditorTextClick(event, point);
    }
    geeMouseIsDown = false;
}

// ---- Help window ----

void HelpButtonPushed(SInt16 button) {
    if (gHelpShowingSearchDict) return ProcessSearchDictHelpButton(SInt16(button - 1));
    if (button == 1 && gInstructionsShowing) {
        if (!gHelpHyperShowing) ReturnHyperToHelp();
        return;
    }
    gHelpButtonPushed = button;
}

void HelpTextClick(const PlatformEvent& event, Point point) {
    if (!HelpWEHandle) return;
    WEClick(point, event.modifiers, geeMouseDownTime, HelpWEHandle);
    if (event.clickCount >= 2) {
        SetHelpWindowScrolls();
        GetCurrentHelpPos();
    }
    if (gNumHypertext > 0) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, HelpWEHandle);
        const SInt32 link = ClickInWhichHyper(gHypertextList, gNumHypertext, start);
        SInt16 type = 0;
        Handle parameter = nullptr;
        if (link >= 0 && GetHypertextLinkAction(link, &type, &parameter)) ExecuteThisHyper(type, parameter);
    }
    SpeakSelectionWhenAsked(HelpWEHandle, kSpeakHelp);
    WECalText(HelpWEHandle);
    HelpRecalText();
    SetHelpWindowScrolls();
    GetCurrentHelpPos();
}

void HelpWindowClick(const PlatformEvent& event, Point point) {
    if (InScrollBarColumn(myHelpWindow, point)) return TrackHelpScrollBar(point);
    if (SecondaryClick(event)) return SecondaryTextClick(event, point, myHelpWindow, DragHelpRect);
    for (SInt16 button = 0; button < kHelpButtons; ++button) {
        if (!Inside(point, gHelpButtonRect[button])) continue;
        if (Released(gHelpButtonRect[button])) HelpButtonPushed(SInt16(button + 1));
        geeMouseIsDown = false;
        return;
    }
    if (gHelpPopupMenuHandle && Inside(point, gHelpPopupRect)) {
        if (const SInt16 item = ChooseHelpPopupItem(point)) ProcessSearchDictHelpPopupButton(item);
    } else if (Inside(point, gHelpOpacityRect)) {
        if (Released(gHelpOpacityRect)) {
            ToggleOpacity(myHelpWindow, gHelpOpacity);
            DrawHelpButtons();
        }
    } else if (Inside(point, gHelpGoBackRect)) {
        if (Released(gHelpGoBackRect)) DoErrorMessageText("Put something here to make help go back");
    } else if (!Inside(point, gHelpExtraRect)) {
        HelpTextClick(event, point);
    }
    geeMouseIsDown = false;
}

// ---- Hypertext drawer ----

void HypertextDrawerClick(const PlatformEvent& event, Point point) {
    if (ReportedCornerClick(hypertextDrawerWindow, point)) return;
    if (HypertextListHandle) {
        ListClick(HypertextListHandle, FormatStyle(kPrefBookmarkFormat), event, point);
        const SInt16 row = SelectedRow(HypertextListHandle);
        if (row >= 0) {
            SelectHypertext(row, 0, 127);
            Cell next{SInt16(row + 1), 0};
            if (LGetSelect(false, &next, HypertextListHandle)) {
                gHypertextCurrentLinkSelected = -1;
                SetHypertextNumAndCurrent();
            }
        }
    }
    geeMouseIsDown = false;
    GetCurrentHypertextDrawerPos();
}

// ---- Text merge window ----

const ListRowOperations& TextMergeRows() {
    static const ListRowOperations rows{RemoveTextMergeText, SwapTextMergeText, PutTextMergeInList, nullptr};
    return rows;
}

// A merge cell holds one length-prefixed string: a longer text is cut at 255 characters.
void PutTextInSelectedMergeCell(std::string_view text) {
    Cell cell{0, 0};
    if (!TextMergeListHandle || !LGetSelect(true, &cell, TextMergeListHandle)) return;
    Str255 entry{};
    entry[0] = UInt8(std::min<size_t>(text.size(), 255));
    std::copy_n(text.begin(), entry[0], entry + 1);
    if (SetTextMergeText(cell.v, cell.h, entry)) PutTextMergeInList();
}

void TextMergeWindowClick(const PlatformEvent& event, Point point) {
    if (ReportedCornerClick(myTextMergeWindow, point)) return;
    if (Inside(point, gTextMergeAddRect)) {
        if (Released(gTextMergeAddRect) && AddTextMergeText()) {
            PutTextMergeInList();
            if (TextMergeListHandle && LCountRows(TextMergeListHandle) > 0)
                SelectOnly(TextMergeListHandle, SInt16(LCountRows(TextMergeListHandle) - 1));
        }
    } else if (Inside(point, gTextMergeRemoveRect)) {
        if (Released(gTextMergeRemoveRect)) RemoveSelectedRows(TextMergeListHandle, TextMergeRows());
    } else if (Inside(point, gTextMergeCopyRect)) {
        if (Released(gTextMergeCopyRect) && ScrollWEHandle) {
            const std::string text = SelectedText(ScrollWEHandle);
            if (!text.empty()) PutTextInSelectedMergeCell(text);
        }
    } else if (Inside(point, gTextMergeSpecialRect)) {
        const SInt16 item = ChooseTextMergeSpecial(point);
        if (item >= 1 && item <= kTextMergeSpecialItems) {
            Str255 special{};
            GetOrvalisString(kTextMergeSpecialStrings, item, special);
            PutTextInSelectedMergeCell(PStringView(special));
        }
    } else if (Inside(point, gTextMergeUpRect)) {
        if (Released(gTextMergeUpRect)) MoveSelectedRow(TextMergeListHandle, -1, TextMergeRows());
    } else if (Inside(point, gTextMergeDownRect)) {
        if (Released(gTextMergeDownRect)) MoveSelectedRow(TextMergeListHandle, 1, TextMergeRows());
    } else if (Inside(point, gTextMergeEnableRect)) {
        if (Released(gTextMergeEnableRect)) {
            SetPref(gThePreferences, kPrefAllowTextMerge,
                    GetPref(gThePreferences, kPrefAllowTextMerge) ? 0 : 1);
            gPrefsChanged = true;
            DrawTextMergeButtons();
        }
    } else if (Inside(point, gTextMergeImportRect)) {
        if (Released(gTextMergeImportRect)) StartTextOpenDialog(kImportMergePrompt, kOpenTextMerge);
    } else if (Inside(point, gTextMergeClearRect)) {
        if (Released(gTextMergeClearRect)) ClearTextMergeReplaceWith();
    } else if (Inside(point, gTextMergeOpacityRect)) {
        if (Released(gTextMergeOpacityRect)) {
            ToggleOpacity(myTextMergeWindow, gTextMergeWinOpacity);
            DrawTextMergeButtons();
        }
    } else if (TextMergeListHandle && Inside(point, gTextMergeListRect)) {
        if (ListClick(TextMergeListHandle, FormatStyle(kPrefOtherWindowsFormat), event, point)) {
            Cell cell{0, 0};
            if (LGetSelect(true, &cell, TextMergeListHandle)) EditTextMergeCell(cell.v, cell.h);
        }
    }
    geeMouseIsDown = false;
    GetCurrentTextMergePos();
}

// ---- Media queue window ----

const ListRowOperations& MediaQueueRows() {
    static const ListRowOperations rows{MarkMediaInvalid, SwapMediaQueueText, PutMediaInQueueList,
                                        RemoveInvalidMedia};
    return rows;
}

// The add button opens a file as the open command does; the window steps aside for the dialog and comes
// back when there is no dialog to wait for.
void AddToMediaQueue() {
    gMediaQueueHiddenByOpen = true;
    if (DoOpen(std::string()) == noErr) return;
    gMediaQueueHiddenByOpen = false;
    if (!myMediaQueueWindow) return;
    SelectWindow(myMediaQueueWindow);
    SetPortByReference(kMediaQueueReference);
}

void MediaQueueWindowClick(const PlatformEvent& event, Point point) {
    if (ReportedCornerClick(myMediaQueueWindow, point)) return;
    if (Inside(point, gMediaQueueAddRect)) {
        if (Released(gMediaQueueAddRect)) AddToMediaQueue();
    } else if (Inside(point, gMediaQueueRemoveRect)) {
        if (Released(gMediaQueueRemoveRect)) RemoveSelectedRows(MediaQueueListHandle, MediaQueueRows());
    } else if (Inside(point, gMediaQueueUpRect)) {
        if (Released(gMediaQueueUpRect)) MoveSelectedRow(MediaQueueListHandle, -1, MediaQueueRows());
    } else if (Inside(point, gMediaQueueDownRect)) {
        if (Released(gMediaQueueDownRect)) MoveSelectedRow(MediaQueueListHandle, 1, MediaQueueRows());
    } else if (Inside(point, gMediaQueueLoopRect)) {
        if (Released(gMediaQueueLoopRect)) {
            for (const SInt16 row : SelectedRows(MediaQueueListHandle))
                MarkMediaLooped(row);
            DrawMediaQueueButtons();
        }
    } else if (Inside(point, gMediaQueueRepeatRect)) {
        if (Released(gMediaQueueRepeatRect)) {
            gLoopPlayingMovies = !gLoopPlayingMovies;
            DrawMediaQueueButtons();
        }
    } else if (Inside(point, gMediaQueuePauseRect)) {
        if (Released(gMediaQueuePauseRect)) {
            const SInt16 pause = gPausePlayingMovies ? 0 : 1;
            pauseMovies(pause);
            gPausePlayingMovies = pause != 0;
            DrawMediaQueueButtons();
        }
    } else if (Inside(point, gMediaQueueProgressRect)) {
        // The bar follows the mouse for as long as the button is held.
        const SInt32 span = RectWidth(gMediaQueueProgressRect) - 2;
        if (span > 0)
            SetPlayingMovieTimePercentage(
                std::max(0.0, double(point.h - gMediaQueueProgressRect.left - 1) / span));
        return;
    } else if (Inside(point, gMediaQueueOpacityRect)) {
        if (Released(gMediaQueueOpacityRect)) {
            ToggleOpacity(myMediaQueueWindow, gMediaQueueWinOpacity);
            DrawMediaQueueButtons();
        }
    } else if (MediaQueueListHandle && Inside(point, gMediaQueueListRect)) {
        if (ListClick(MediaQueueListHandle, FormatStyle(kPrefOtherWindowsFormat), event, point)) {
            const SInt16 row = SelectedRow(MediaQueueListHandle);
            if (row >= 0) {
                playThisMovieFromQueue(row);
                PutMediaInQueueList();
            }
        }
    }
    geeMouseIsDown = false;
    GetCurrentMediaQueuePos();
}

} // namespace

void FunctionsGroupChosen(SInt16 item) {
    const bool showingFunctions = gFunctionsShowInfo == 0;
    if (item == kSortItem) {
        gSortFunctions = gSortFunctions ? 0 : 1;
        if (showingFunctions) PutFunctionsInList();
        DrawFunctionsButtons();
        return;
    }
    const SInt16 group = SInt16(item - 1);
    if (group == gFunctionsListSelect) return;
    gFunctionsListSelect = group;
    if (group == kFunctionsSearchGroup) {
        if (showingFunctions) CreateFunctionsSearchField();
    } else {
        RemoveFunctionsSearchField();
    }
    if (showingFunctions) PutFunctionsInList();
    DrawFunctionsButtons();
}

void RemoveSelectedRows(ListHandle list, const ListRowOperations& rows) {
    const std::vector<SInt16> selected = SelectedRows(list);
    if (selected.empty()) return;
    const SInt16 top = LTopRow(list);
    for (auto row = selected.rbegin(); row != selected.rend(); ++row)
        rows.remove(*row);
    if (rows.finishRemoving) rows.finishRemoving();
    rows.refill();
    const SInt16 count = LCountRows(list);
    if (count <= 0) return;
    const SInt16 chosen = std::min<SInt16>(selected.front(), SInt16(count - 1));
    SelectOnly(list, chosen);
    LScroll(SInt16(top - LTopRow(list)), list);
    const SInt16 shown = LTopRow(list);
    if (chosen < shown || chosen >= shown + VisibleRows(list)) LScroll(SInt16(chosen - shown), list);
}

void MoveSelectedRow(ListHandle list, SInt16 direction, const ListRowOperations& rows) {
    const SInt16 row = SelectedRow(list);
    if (row < 0) return;
    const SInt16 other = SInt16(row + (direction < 0 ? -1 : 1));
    if (other < 0 || other >= LCountRows(list)) return;
    if (!rows.swap(row, other)) return;
    rows.refill();
    SelectOnly(list, other);
}

std::string CommandTextFromSelection(std::string_view text, SInt32 start, SInt32 end) {
    const SInt32 size = SInt32(text.size());
    start = std::clamp<SInt32>(start, 0, size);
    end = std::clamp<SInt32>(end, start, size);
    if (start != end) return std::string(text.substr(size_t(start), size_t(end - start)));
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    SInt32 first = start;
    while (first > 0 && !isBreak(text[size_t(first - 1)]))
        --first;
    SInt32 last = start;
    while (last < size && !isBreak(text[size_t(last)]))
        ++last;
    return std::string(text.substr(size_t(first), size_t(last - first)));
}

void WidenSelectionToBrackets(std::string_view text, SInt32* start, SInt32* end) {
    const SInt32 size = SInt32(text.size());
    if (*start > 0 && *start <= size && text[size_t(*start - 1)] == '[') --*start;
    if (*end >= 0 && *end < size && text[size_t(*end)] == ']') ++*end;
}

void NoteToolWindowClick(const PlatformEvent& event, Point point) {
    const WindowPtr window = event.window;
    // The edit field of another window gives up the keys.
    if (gHasfocus && gHasfocusDialog && gHasfocusDialog->window != window)
        SetMyControlEditFocus(WindowReference(gHasfocusDialog->windowReference), gHasfocusDialog,
                              gHasfocus->itemNumber, false);
    gFunctionsSearchHasFocus = window && window == myFunctionsWindow && FunctionsSearchWEHandle;
    if (gFunctionsSearchHasFocus) WEActivate(FunctionsSearchWEHandle);
    if (window && window == myMacroEditorWindow) {
        gMEMouseClickedVariable = 1;
        gMEMouseTextPosAtClickVariable = TextOffsetAt(point, gMacroEditTextRect, MacroEditWEHandle);
    } else if (window && window == myHelpWindow) {
        if (myHelpWidgets) {
            MouseInHelpWindow(curEvent, myHelpWidgets, point, 0);
        } else if (!(GetPref(gThePreferences, kPrefAllowHandTool) && SecondaryClick(event))) {
            gHelpMouseClickedVariable = 1;
            gHelpMouseTextPosAtClickVariable = TextOffsetAt(point, gHelpTextRect, HelpWEHandle);
            if (gInstructionsShowing && gHelpHyperShowing) ClickInHelpHyper(gHelpMouseTextPosAtClickVariable);
        }
    }
}

bool ToolWindowClickAnywhere(const PlatformEvent& event, Point point) {
    const WindowPtr window = event.window;
    if (!window) return false;
    if (window == myFunctionsWindow) return FunctionsWindowClick(event, point), true;
    if (window == myMacroMonitorWindow) return MacroMonitorClick(event, point), true;
    if (window == myHelpWindow) return HelpWindowClick(event, point), true;
    if (window == hypertextDrawerWindow) return HypertextDrawerClick(event, point), true;
    return false;
}

bool ToolWindowClickNeedsFront(WindowPtr window) {
    return window &&
           (window == myMacroEditorWindow || window == myTextMergeWindow || window == myMediaQueueWindow);
}

bool ToolWindowClickInFront(const PlatformEvent& event, Point point) {
    const WindowPtr window = event.window;
    if (!window) return false;
    if (window == myMacroEditorWindow) return MacroEditorClick(event, point), true;
    if (window == myTextMergeWindow) return TextMergeWindowClick(event, point), true;
    if (window == myMediaQueueWindow) return MediaQueueWindowClick(event, point), true;
    return false;
}
