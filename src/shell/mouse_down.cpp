// The mouse-down dispatcher: a click in a window's content goes, by window and then by the region under
// the point, to the prompter's scroll bar, tab bar, information strip, cue column or text, or to the
// bookmark list's buttons and rows.
#include "shell/input_dispatch.h"

#include "foundation/scroll_bar_parts.h"
#include "texttools/text_tools.h"

#include "controls/control_records.h"
#include "controls/edit_fields.h"
#include "effects/effects.h"
#include "foundation/rle_pictures.h"
#include "macros/macro_dialog.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "platform/pstring.h"
#include "shell/event_handlers.h"
#include "texttools/search_texts.h"
#include "texttools/text_tool_windows.h"

#include "shell/context_popups.h"

#include "scroll/pacing.h"

#include "scroll/scroll_engine.h"

#include "macros/macro_services.h"

#include "shell/speech.h"

#include "shell/rect_tracking.h"

#include "foundation/error_dialog.h"
#include "foundation/rect_fitting.h"
#include "platform/clock.h"
#include "platform/lists.h"
#include "platform/memory.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/background_picture.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/edit_window.h"
#include "scroll/pause.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rubber_band.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/style_code_dialog.h"
#include "scroll/tab_ruler.h"
#include "scroll/tab_stops.h"
#include "scroll/toolbar_window.h"
#include "scroll/window_dialogs.h"
#include "scroll/window_settings.h"
#include "shell/commands.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/startup.h"
#include "shell/tool_window_clicks.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

UInt16 curButton = 0;

namespace {

constexpr SInt16 kRecordStopsAtClick = 34;
constexpr SInt16 kRenameBookmarkDialog = 192;
constexpr SInt16 kPrompterReference = 1;

bool SecondaryClick(const PlatformEvent& event) {
    return event.button != 0 || (event.modifiers & controlKey);
}

// The part of the prompter's bar under the point: the arrows at its ends, the thumb where the position
// puts it, and the pages above and below the thumb.
SInt16 PrompterBarPart(const Rect& bar, Point point) {
    if (point.v < bar.top + kScrollBarWidth) return kScrollUpPart;
    if (point.v >= bar.bottom - kScrollBarWidth) return kScrollDownPart;
    const SInt32 travel = RectHeight(bar) - 3 * kScrollBarWidth;
    const SInt32 maximum = gVScrollScroll.maximum;
    const SInt32 thumbTop = bar.top + kScrollBarWidth +
                            (maximum > 0 && travel > 0 ? SInt32(gVScrollScroll.value) * travel / maximum : 0);
    if (point.v < thumbTop) return kScrollPageUpPart;
    if (point.v >= thumbTop + kScrollBarWidth) return kScrollPageDownPart;
    return kScrollThumbPart;
}

void PrompterBarClick(const Rect& bar, Point point) {
    if (gScrollOn == 0) return; // the bar shows only while scrolling
    const SInt16 part = PrompterBarPart(bar, point);
    if (part == kScrollThumbPart) return PrompterLiveScroll(point.v);
    do
        MyLiveScrollProc(kPrompterReference, part);
    while (StillDown());
    DrawPrompterScrollBar(true);
}

void RelayPrompterText() {
    Rect bounds{};
    GetPortBounds(GetWindowPort(myScrollWindow), &bounds);
    NewScrollWindowSize(SInt16(RectWidth(bounds)), SInt16(RectHeight(bounds)));
    gWaitingForUpdate = true;
    gDontQuitWithoutSaving = true;
    gTabsAreCustom = true;
}

// The mouse where the button was let go.
Point ReleasePoint() {
    while (StillDown()) {
    }
    Point point;
    GetMouse(&point);
    return point;
}

// A tab dragged along the bar moves; dragged off the bar it is gone. With option the tab takes every tab
// after it along. A click away from the tabs adds one. The edit window's bar shows the same stops as the
// prompter's: its points are carried over to the prompter's bar, where the stops are measured.
void TabBarClick(const PlatformEvent& event, Point point, const Rect& bar) {
    const bool editBar = &bar == &gEditTabBarRect;
    if (SecondaryClick(event)) return DoTabPopup(point, editBar ? myEditWindow : myScrollWindow);
    const auto onPrompterBar = [&](Point p) {
        return Point{SInt16(p.v - bar.top + gTabBarRect.top), SInt16(p.h - bar.left + gTabBarRect.left)};
    };
    // From the edit window's bar the prompter is laid out again only while it is not scrolling, and the
    // stops alone do not make the script unsaved.
    const auto relay = [editBar] {
        if (!editBar) return RelayPrompterText();
        gTabsAreCustom = true;
        if (gScrollOn == 0 && myScrollWindow) {
            Rect bounds{};
            GetPortBounds(GetWindowPort(myScrollWindow), &bounds);
            NewScrollWindowSize(SInt16(RectWidth(bounds)), SInt16(RectHeight(bounds)));
            gWaitingForUpdate = true;
        }
        if (!myEditWindow) return;
        Rect bounds{};
        GetPortBounds(GetWindowPort(myEditWindow), &bounds);
        NewEditWindowSize(SInt16(RectWidth(bounds)), SInt16(RectHeight(bounds)));
    };
    Point mark{};
    const SInt16 tab = FindTabInBar(bar, point, &mark);
    if (tab < 0) {
        if (InsertTab(onPrompterBar(point)) >= 0) relay();
        return;
    }
    const SInt16 savedKind = gCurrentTabKind;
    const TabList& tabs = CurrentTabList();
    if (tab < tabs.count) gCurrentTabKind = tabs.kinds[tab];
    const bool group = (event.modifiers & optionKey) != 0;
    if (group) {
        // The default stops have no handle of their own; the group is copied from the list in use.
        Handle current = gTabList;
        if (!current && PtrToHand(&tabs, &current, sizeof tabs) != noErr) current = nullptr;
        gMovingTabsList = DuplicateTabList(current, tab);
        if (current != gTabList) DisposeHandle(current);
    }
    if (RemoveTab(tab) >= 0) {
        Point release{};
        if (group && !editBar) {
            // The group is shown moving as its stops' markers, in a small rectangle under the grabbed
            // stop that stays within the bar and the rows below it.
            const Rect unit{SInt16(bar.top + 4), SInt16(mark.h - 6), SInt16(bar.top + 15),
                            SInt16(mark.h + 5)};
            const Rect limit{bar.top, bar.left, SInt16(bar.bottom + 20), bar.right};
            BeginMovingMark(kShiftingTabs, unit, point, limit);
            FollowPrompterDrag();
            release = Point{mark.v, SInt16(mark.h + (gShiftingRect.left - unit.left))};
        } else if (group) {
            // The group keeps its distance from the tab's mark to the mouse.
            release = ReleasePoint();
            release.h = SInt16(mark.h + (release.h - point.h));
            release.v = mark.v;
        } else {
            release = ReleasePoint();
        }
        const Rect dropArea{bar.top, bar.left, SInt16(bar.bottom + (group ? 20 : 0)), bar.right};
        if (PtInRect(release, &dropArea)) {
            release.v = SInt16(bar.top + 8);
            if (group && gMovingTabsList)
                InsertTabs(gMovingTabsList, onPrompterBar(release));
            else
                InsertTab(onPrompterBar(release));
        }
        relay();
    }
    if (gMovingTabsList) DisposeHandle(gMovingTabsList);
    gMovingTabsList = nullptr;
    gCurrentTabKind = savedKind;
}

void InfoStripClick(Point point) {
    if (PtInRect(point, &gClickInfoSizeRect)) return GetNewWindowSize();
    if (PtInRect(point, &gClickInfoStartRect)) return GetBeginDelay();
    if (PtInRect(point, &gClickInfoFinishRect)) return GetFinishTime();
    if (PtInRect(point, &gClickInfoModeRect)) return gScrollOn ? StartEdit() : StartScroll(1);
    if (PtInRect(point, &gClickInfoPauseRect)) {
        if (!gScrollOn) return;
        IsPaused() ? PauseOff(0) : PauseOn();
    }
}

// Command-dragging the cue marker moves it along its column only; the mouse-up keeps where it was let go
// as its share of the column.
void DragCueMarker(Point point) {
    const bool upright = RectHeight(gCueRect) >= RectWidth(gCueRect);
    geeLockHorizontal = upright;
    geeLockVertical = !upright;
    BeginMovingMark(kShiftingCue, gCueSpot, point, gCueRect);
    FollowPrompterDrag();
    geeLockHorizontal = false;
    geeLockVertical = false;
}

// The rectangle from the corner of r opposite the given one (1 top-left, 2 top-right, 3 bottom-left,
// 4 bottom-right): the corner that stays while the other is dragged.
Point OppositeCorner(const Rect& r, SInt16 corner) {
    switch (corner) {
    case 1:
        return Point{r.bottom, r.right};
    case 2:
        return Point{r.bottom, r.left};
    case 3:
        return Point{r.top, r.right};
    default:
        return Point{r.top, r.left};
    }
}

constexpr SInt16 kCornerSize = 6;

// Option-click over a background: a new text box is spanned outside the box, the box is moved from inside
// it, and a corner drags that corner with the opposite one staying put.
void EditTextBox(Point point) {
    const Rect box = GetPref(gThePreferences, kPrefTextBoxRect);
    const SInt16 corner = EmptyRect(&box) ? SInt16(0) : PtInCorner(&box, point, kCornerSize);
    if (!EmptyRect(&box) && PtInRect(point, &box) && corner == 0) {
        Rect limit = gAvailableRect;
        InsetRect(&limit, 2, 2);
        BeginMovingMark(kShiftingTextBox, box, point, limit);
    } else {
        if (corner != 0) geeMouseDownPosition = OppositeCorner(box, corner);
        BeginPrompterRubberBand(gAvailableRect, kBandMakesTextBox);
    }
    FollowPrompterDrag();
}

// Command-click on the background picture: dragged from inside, resized from a corner.
void PlaceBackgroundPicture(Point point) {
    const SInt16 corner = PtInCorner(&gPictureRect, point, kCornerSize);
    if (corner == 0) {
        Rect limit = gAvailableRect;
        InsetRect(&limit, 2, 2);
        BeginMovingMark(kShiftingPicture, gPictureRect, point, limit);
    } else {
        geeMouseDownPosition = OppositeCorner(gPictureRect, corner);
        BeginPrompterRubberBand(gAvailableRect, kBandMakesPictureRect);
    }
    FollowPrompterDrag();
}

// While the mandala or overlay editor has a design setting active, a plain click on the prompter draws the
// mandala (inside the picture, relative to its corner) or places the overlays. True when it was taken.
bool PlacingDesignClick(const PlatformEvent& event, Point point) {
    if (event.modifiers & (cmdKey | optionKey | controlKey)) return false;
    if (gSpiroSettingNow != 0 && PtInRect(point, &gPictureRect)) {
        PerformSpiroMouseClick(Point{SInt16(point.v - gPictureRect.top), SInt16(point.h - gPictureRect.left)},
                               SInt16(event.modifiers));
        return true;
    }
    if (gOverlaySettingNow != 0) {
        PerformOverlayMouseClick(point, SInt16(event.modifiers));
        return true;
    }
    return false;
}

bool OverStarField() {
    return GetPref(gThePreferences, kPrefBackgroundKind) == kPictureKindStars;
}

bool IsColorWord(const std::string& entry) {
    static const char kWord[] = "color";
    if (entry.size() != sizeof kWord - 1) return false;
    for (size_t i = 0; i < entry.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(entry[i])) != kWord[i]) return false;
    return true;
}

// The star colour test asks for its entry; a confirmed one is applied and the field repainted.
void StarColorTestDialog() {
    Str255 text;
    NumToString(gInvisible, text);
    Str255 message;
    SetPString(message,
               "Enter apfm file, 'color', or 0-255 Invisible, -1->-256 RemapIndex, -1000->-1255 RemapColor");
    if (DoMacroDialog(3, message, text, 30, nullptr) != 1) return;
    ApplyStarColorTestEntry(std::string(PStringView(text)));
}

// A click on the star test picture's colour grid or on the picture itself; the field is then repainted.
void StarColorTestClick(const PlatformEvent& event, Point point) {
    const SInt16 cell = gStarsShowColor ? WhereClickedinStarColor(point) : SInt16(-1);
    if (cell >= 0) {
        if (event.modifiers & optionKey)
            gRemapColor = gRemapColor == cell ? SInt16(-1) : cell;
        else if (event.modifiers & cmdKey)
            gRemapIndex = cell;
        else
            gInvisible = gInvisible == cell ? SInt16(-1) : cell;
    } else if (PtInRect(point, &gTestRect)) {
        gClickedOnColor = GetRLENPixel(gTestStarPic, nullptr, SInt16(point.h - gTestRect.left),
                                       SInt16(point.v - gTestRect.top));
    }
    gStarsEraseScreen = true;
}

// Over the star field a press on the picture sets the stars' speed and direction while the button stays
// down.
void StartStarTurboDrag(Point point) {
    if (!OverStarField() || gScrollOn != 1 || gSylSyncDialog || turboing) return;
    if (!PtInRect(point, &gPictureRect)) return;
    turboing = true;
    turboloc = curEvent.where;
    turbostarspeed = double(GetPref(gThePreferences, kPrefStarSpeed)) / 65536.0;
    turbodir = GetPref(gThePreferences, kPrefScrollDirection);
}

// A press in the scrolling text sets the speed and direction from the mouse's distance to it while the
// button stays down; the timer follows it. The click still goes on to the text.
// With a star test picture loaded the press serves the colour test instead.
void StartTurboDrag(const PlatformEvent& event, Point point) {
    if (!GetPref(gThePreferences, kPrefAllowTurbo) || gScrollOn != 1 || gSylSyncDialog) return;
    if (!PtInRect(point, &gScrollTextRect)) return;
    if (gTestStarPic) return StarColorTestClick(event, point);
    if (turboing) return;
    turboing = true;
    turboloc = curEvent.where;
    turbospeed = UInt16(GetPref(gThePreferences, kPrefScrollSpeed));
    turbodir = GetPref(gThePreferences, kPrefScrollDirection);
}

// Redraws the text in place: one pixel on and back.
void NudgePrompterText() {
    const SInt32 first = gScrollCurrentPos == 0 ? 1 : -1;
    ScrollScrollThisMuch(first, 0);
    ScrollScrollThisMuch(-first, 0);
}

// A click in the text goes to the text engine at the place of the upright text it shows (the output may
// be turned or mirrored); while the text only scrolls, it is made active for the click alone.
void PrompterTextClick(const PlatformEvent& event, Point point) {
    if (!ScrollWEHandle || !PtInRect(point, &gScrollTextRect)) return;
    const bool editing = gScrollOn == 0;
    const bool editableScroll = gScrollOn == 3;
    if (!editing) {
        if (!editableScroll) WEFeatureFlag(weFAutoScroll, 1, ScrollWEHandle);
        WEActivate(ScrollWEHandle);
    }
    WEClick(GetScreenPositionTextPoint(point), event.modifiers, geeMouseDownTime, ScrollWEHandle);
    if (editableScroll) NudgePrompterText();
    if (GetPref(gThePreferences, kPrefSpeakSelections)) {
        SInt32 start = 0;
        SInt32 end = 0;
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        if (start != end) StartSpeakingSelected(start, end, kSpeakScript);
    }
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    geeMouseIsDown = false;
    if (editing || editableScroll) return;
    if (gSylSyncDialog) {
        TellSylSyncNewSyl();
    } else {
        WEFeatureFlag(weFAutoScroll, 0, ScrollWEHandle);
        WEDeactivate(ScrollWEHandle);
    }
}

// The values a macro reads about the latest click in the prompter, and the link a click fires while the
// text scrolls.
void RecordPrompterClickForMacros(Point point) {
    gMouseClickedVariable = 1;
    gMouseXAtClickVariable = point.h;
    gMouseYAtClickVariable = point.v;
    if (!PtInRect(point, &gScrollTextRect)) {
        gMouseTextPosAtClickVariable = -1;
        return;
    }
    const SInt32 offset = GetScreenPositionCharacter(point);
    gMouseTextPosAtClickVariable = offset;
    if (gScrollOn != 1 || gNumHypertext <= 0) return;
    const SInt32 link = ClickInWhichHyper(gHypertextList, gNumHypertext, offset);
    SInt16 type = 0;
    Handle parameter = nullptr;
    if (link >= 0 && GetHypertextLinkAction(link, &type, &parameter)) ExecuteThisHyper(type, parameter);
}

// A control or secondary click: with the hand tool the text is dragged, else (or when it did not move)
// the pop-up opens in edit mode and the text follows the mouse while scrolling. False when the click goes
// on to the other regions.
bool SecondaryPrompterClick(const PlatformEvent& event, Point point) {
    const bool editing = gScrollOn == 0;
    if (GetPref(gThePreferences, kPrefAllowHandTool)) {
        if (DragScrollRect(point, true)) return true;
        if (editing)
            DoTextPopup(point, SInt16(event.modifiers), geeMouseDownTime, myScrollWindow, geeMouseIsDown);
        else if (OverStarField())
            StarColorTestDialog();
        else if (StillDown())
            DragScrollRect(point, false);
        return true;
    }
    if (!editing) return false;
    DoTextPopup(point, SInt16(event.modifiers), geeMouseDownTime, myScrollWindow, geeMouseIsDown);
    return true;
}

void PrompterClick(const PlatformEvent& event, Point point) {
    if (gDisableScrollClicks) return;
    Rect bounds{};
    GetPortBounds(GetWindowPort(myScrollWindow), &bounds);
    if (point.h >= bounds.right - kScrollBarWidth) {
        if (gScrollOn == 0 && point.v >= bounds.bottom - kScrollBarWidth)
            return DoErrorMessageText("I don't expect to get here in DoMouseDown");
        return PrompterBarClick(GetPrompterScrollBarRect(), point);
    }
    if (gScrollOn == kScrollOnEditable && PlacingDesignClick(event, point)) return;
    if (gTabBarShowing && PtInRect(point, &gTabBarRect)) {
        if (SecondaryClick(event)) return DoTabPopup(point, myScrollWindow);
        return TabBarClick(event, point, gTabBarRect);
    }
    if (SecondaryClick(event) && SecondaryPrompterClick(event, point)) return;
    StartTurboDrag(event, point);
    StartStarTurboDrag(point);
    const SInt16 background = GetPref(gThePreferences, kPrefBackgroundKind);
    if ((event.modifiers & optionKey) && background != kPictureKindNone) return EditTextBox(point);
    if (PtInRect(point, &gInfoRect)) return InfoStripClick(point);
    if (PtInRect(point, &gCueRect)) {
        if ((event.modifiers & cmdKey) && PtInRect(point, &gCueSpot)) DragCueMarker(point);
        return;
    }
    if ((event.modifiers & cmdKey) && PtInRect(point, &gPictureRect)) return PlaceBackgroundPicture(point);
    PrompterTextClick(event, point);
}

// Tracks a button of the bookmark list's strip: true when the mouse is let go inside it.
bool TrackStripButton(const Rect& button) {
    return PtInRect(ReleasePoint(), &button);
}

void GoToSelectedBookmark() {
    Cell cell{0, 0};
    if (!BookmarkListHandle || !LGetSelect(true, &cell, BookmarkListHandle)) return;
    const SInt32 offset = GetBookmarkOffset(cell.v);
    if (offset >= 0) ScrollScrollToCharacter(offset, 0);
}

// Asks for a new name for the selected bookmark, offering its name, or the first words of the text at it
// when it has none.
void RenameSelectedBookmark() {
    Cell cell{0, 0};
    if (!BookmarkListHandle || !LGetSelect(true, &cell, BookmarkListHandle)) return;
    const SInt16 slot = cell.v;
    const SInt32 offset = GetBookmarkOffset(slot);
    if (offset < 0) return;
    Str255 name{};
    if (const StringPtr stored = GetBookmarkName(slot)) {
        std::memcpy(name, stored, size_t(stored[0]) + 1);
    } else if (ScrollWEHandle) {
        constexpr SInt32 kOfferedCharacters = 20;
        const SInt32 end = std::min(WEGetTextLength(ScrollWEHandle), offset + kOfferedCharacters);
        for (SInt32 at = offset; at < end; ++at)
            name[++name[0]] = UInt8(WEGetChar(at, ScrollWEHandle));
    }
    if (!GetFontSetName(name, kRenameBookmarkDialog)) return;
    SetBookmarkName(slot, name);
    SetBookmarkMenuItem(offset, SInt16(slot + 1), 0);
    SetBookmarkListText(slot);
    DrawBookmarkWindow();
}

void ToggleBookmarkNames() {
    gBookmarksShowingText = !gBookmarksShowingText;
    for (SInt16 slot = 0; slot < gNumBookmarks; ++slot) {
        SetBookmarkMenuItem(GetBookmarkOffset(slot), SInt16(slot + 1), 0);
        SetBookmarkListText(slot);
    }
    DrawBookmarkWindow();
}

void ToggleBookmarkOpacity() {
    gBookmarkOpacity = gBookmarkOpacity == 100 ? 50 : 100;
    SetWindowAlpha(myBookmarkWindow, float(gBookmarkOpacity) / 100.0f);
    UpdateBookmarkOpacityButton();
}

void BookmarkListClick(const PlatformEvent& event, Point point) {
    Rect bounds{};
    GetPortBounds(GetWindowPort(myBookmarkWindow), &bounds);
    if (point.h >= bounds.right - kScrollBarWidth && point.v >= bounds.bottom - kScrollBarWidth) {
        DoErrorMessageText("I don't expect to get here in DoMouseDown");
    } else if (PtInRect(point, &gBookmarkGotoRect)) {
        if (TrackStripButton(gBookmarkGotoRect)) GoToSelectedBookmark();
    } else if (PtInRect(point, &gBookmarkFillinRect)) {
        if (TrackStripButton(gBookmarkFillinRect)) CleanUpBookmarkList(0);
    } else if (PtInRect(point, &gBookmarkRemoveRect)) {
        if (TrackStripButton(gBookmarkRemoveRect)) DoCommand(MakeMenuCommand(216, 2));
    } else if (PtInRect(point, &gBookmarkSortRect)) {
        if (TrackStripButton(gBookmarkSortRect)) SortBookmarkList();
    } else if (PtInRect(point, &gBookmarkNamesRect)) {
        if (TrackStripButton(gBookmarkNamesRect)) ToggleBookmarkNames();
    } else if (PtInRect(point, &gBookmarkOpacityRect)) {
        if (TrackStripButton(gBookmarkOpacityRect)) ToggleBookmarkOpacity();
    } else if (PtInRect(point, &gBookmarkRenameRect)) {
        if (TrackStripButton(gBookmarkRenameRect)) RenameSelectedBookmark();
    } else if (BookmarkListHandle && PtInRect(point, &gBookmarkListRect)) {
        if (LClick(point, event.modifiers, event.clickCount, BookmarkListHandle)) GoToSelectedBookmark();
    }
    geeMouseIsDown = false;
    GetCurrentBookmarksPos();
}

void RecordClick(const PlatformEvent& event) {
    geeMouseIsDown = true;
    gNothingHappened = 0;
    geeMouseDownTime = TickCount();
    geeMouseDownPosition = event.localPoint;
    curEvent.what = mouseDown;
    curEvent.message = UInt32(reinterpret_cast<uintptr_t>(event.window));
    curEvent.when = geeMouseDownTime;
    curEvent.where = event.globalPoint;
    curEvent.modifiers = event.modifiers;
    stopEvent = curEvent;
    curButton = UInt16(event.button + 1);
}

} // namespace

void ApplyStarColorTestEntry(const std::string& entry) {
    char* end = nullptr;
    const long value = entry.empty() ? 0 : std::strtol(entry.c_str(), &end, 10);
    const bool isNumber = !entry.empty() && end && *end == 0;
    if (isNumber && value >= 0) {
        gInvisible = SInt16(std::min<long>(value, 255));
    } else if (isNumber && value > -1000) {
        gRemapIndex = SInt16(std::clamp<long>(-value - 1, 0, 255));
    } else if (isNumber) {
        gRemapColor = SInt16(std::clamp<long>(-value - 1000, 0, 255));
    } else if (IsColorWord(entry)) {
        gStarsShowColor = !gStarsShowColor;
    } else {
        Str255 name;
        SetPString(name, entry);
        LoadTestPic(name);
    }
    gStarsEraseScreen = true;
}

void DoMouseDown(const PlatformEvent& event) {
    RecordClick(event);
    const WindowPtr window = event.window;
    if (!window) return;
    SetPort(GetWindowPort(window));
    const Point point = event.localPoint;
    if (gRecordUntilMouseClick && myRecordWindow && gRecordDialog &&
        (gLiveCaptureRunning || gSoundRecordingRunning))
        MouseInRecordWindow(nullptr, gRecordDialog, point, kRecordStopsAtClick);
    // Click to pause: a plain click anywhere in the scrolling prompter.
    if (window == myScrollWindow && GetPref(gThePreferences, kPrefWheelControl) != 0 && gScrollOn == 1 &&
        !SecondaryClick(event)) {
        IsPaused() ? PauseOff(0) : PauseOn();
        return;
    }
    if (window == myScrollWindow) RecordPrompterClickForMacros(point);
    NoteToolWindowClick(event, point);
    if (ToolWindowClickAnywhere(event, point)) return;
    if (window == myScrollMonitorWindow) return ScrollMonitorClick(point); // elsewhere the desktop drags it
    if (window == myNonverbalWindow) return;                               // the desktop drags it
    // A floating window (the bookmark list) stands above every document window, so it is never behind.
    const bool behind = GetWindowClass(window) != kFloatingWindowClass && window != FrontNonFloatingWindow();
    if (behind && (window == myScrollWindow || window == myEditWindow || window == myBookmarkWindow ||
                   ToolWindowClickNeedsFront(window))) {
        SelectHideOtherWindow(window);
        return;
    }
    if (window == myBookmarkWindow) return BookmarkListClick(event, point);
    if (window == myToolbarWindow) return MouseInToolbar(point);
    if (ToolWindowClickInFront(event, point)) return;
    if (window == myScrollWindow) return PrompterClick(event, point);
    if (window == myEditWindow) {
        if (gTabBarShowing && PtInRect(point, &gEditTabBarRect))
            return TabBarClick(event, point, gEditTabBarRect);
        return EditWindowClick(point, event.modifiers, SecondaryClick(event));
    }
}
