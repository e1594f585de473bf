// The bookmark list window. Its list is rebuilt whenever the bookmarks change in number or order; the
// clicks on its rows and buttons are handled with the program's other mouse-downs.
#include "scroll/bookmark_list_window.h"

#include "controls/custom_controls.h"
#include "foundation/list_items.h"
#include "foundation/program_strings.h"
#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/pstring.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "resource_names.h"
#include "scroll/bookmarks.h"
#include "scroll/cue_marker.h"
#include "scroll/mouse_wheel.h"
#include "scroll/prompter_window.h"
#include "scroll/screens.h"
#include "scroll/scroll_windows.h"
#include "shell/event_handlers.h"
#include "shell/shell_globals.h"
#include "shell/window_frames.h"

#include <algorithm>
#include <cstdint>

ListHandle BookmarkListHandle = nullptr;
Rect gBookmarkListRect{};
Rect gBookmarkExtraRect{}, gBookmarkGotoRect{}, gBookmarkFillinRect{}, gBookmarkRemoveRect{},
    gBookmarkSortRect{}, gBookmarkNamesRect{}, gBookmarkRenameRect{}, gBookmarkOpacityRect{};
SInt16 gBookmarkSingleSpace = 0;
SInt32 gBookmarkListHeight = 0;
SInt16 gBookmarkWindowHeight = 0;
SInt32 gBookmarkExtraHeight = 0;
SInt32 gBookmarkCurrentPos = 0;
SInt16 gBookmarkPageScrollSize = 10;
SInt16 gBookmarkOpacity = 100;

namespace {

// Buttons of the strip from its right end: left and right edges relative to R (the list's right less the
// scroll bar), each 13 pixels high from 2 below the strip's top, 46 wide and 2 apart.
struct StripButton {
    Rect* rect;
    SInt16 left, right;
};
const StripButton kStripButtons[] = {
    {&gBookmarkGotoRect, 48, 2},    {&gBookmarkFillinRect, 96, 50},  {&gBookmarkRemoveRect, 144, 98},
    {&gBookmarkSortRect, 192, 146}, {&gBookmarkNamesRect, 240, 194}, {&gBookmarkRenameRect, 288, 242},
};
// Titles of the strip's buttons in 'STR#' 145, in the order above; the names button's title follows
// whether rows show names or text.
constexpr SInt16 kGotoTitle = 1, kFillinTitle = 3, kRemoveTitle = 2, kSortTitle = 31, kNamesTitle = 32,
                 kRenameTitle = 34;

TextStyle ListStyle() {
    const TextFormatBlock format = GetPref(gThePreferences, kPrefBookmarkFormat);
    return TextStyle{format.font, SInt16(format.face), format.size, format.textColor};
}

// 352 by 153 below the menu bar at the left, under the toolbar's default place (whose frame is as thick
// as this window's).
Rect DefaultBookmarkPlace(WindowPtr window) {
    const Rect screen = GetDeviceBounds(GetMainDevice());
    const Rect frame = GetWindowFrameMargins(window);
    const SInt16 top = SInt16(DefaultToolWindowTop(window) + 37 + frame.top + frame.bottom);
    return Rect{top, SInt16(screen.left + 15), SInt16(top + 153), SInt16(screen.left + 367)};
}

// Draws with the bookmark window's port current, shows what was drawn and puts the caller's port back.
class InBookmarkWindow {
  public:
    InBookmarkWindow() : saved_(GetPortReference()) { SetPortByReference(kBookmarkWindowReference); }
    ~InBookmarkWindow() {
        if (myBookmarkWindow) QDFlushPortBuffer(GetWindowPort(myBookmarkWindow), nullptr);
        SetPortByReference(saved_);
    }
    InBookmarkWindow(const InBookmarkWindow&) = delete;
    InBookmarkWindow& operator=(const InBookmarkWindow&) = delete;

  private:
    WindowReference saved_;
};

void ComputeMetrics() {
    gBookmarkSingleSpace = BookmarkListHandle ? LGetCellSize(BookmarkListHandle).v : SInt16(0);
    gBookmarkListHeight = SInt32(gBookmarkSingleSpace) * gNumBookmarks;
    Rect content{};
    if (myBookmarkWindow) GetPortBounds(GetWindowPort(myBookmarkWindow), &content);
    gBookmarkWindowHeight = SInt16(content.bottom - content.top);
    const SInt16 rectHeight = SInt16(gBookmarkListRect.bottom - gBookmarkListRect.top);
    gBookmarkExtraHeight = gBookmarkListHeight - rectHeight;
    gBookmarkPageScrollSize = BookmarkPageStep(gBookmarkListHeight, rectHeight, gBookmarkSingleSpace);
}

void DrawStrip() {
    const RGBColor back = GetPref(gThePreferences, kPrefBookmarkFormat).backColor;
    RGBBackColor(&back);
    EraseRect(&gBookmarkExtraRect);
    const SInt16 titles[] = {kGotoTitle,
                             kFillinTitle,
                             kRemoveTitle,
                             kSortTitle,
                             SInt16(kNamesTitle + (gBookmarksShowingText ? 1 : 0)),
                             kRenameTitle};
    for (size_t i = 0; i < std::size(kStripButtons); ++i)
        MainUpDownButton(kStripButtons[i].rect, kBookmarkButtonTitles, titles[i], 0, kButtonPush);
}

} // namespace

SInt16 BookmarkPageStep(SInt32 listHeight, SInt16 rectHeight, SInt16 rowHeight) {
    if (rowHeight <= 0 || listHeight - rectHeight <= 0) return 0;
    return SInt16(rectHeight / rowHeight - 1);
}

void GetBookmarkRects() {
    const SInt16 top = gBookmarkListRect.bottom, left = gBookmarkListRect.left;
    const SInt16 right = SInt16(gBookmarkListRect.right - 15);
    gBookmarkExtraRect = Rect{top, left, SInt16(top + 17), gBookmarkListRect.right};
    for (const StripButton& button : kStripButtons)
        *button.rect = Rect{SInt16(top + 2), SInt16(right - button.left), SInt16(top + 15),
                            SInt16(right - button.right)};
    gBookmarkOpacityRect = Rect{SInt16(top + 2), SInt16(left + 1), SInt16(top + 15), SInt16(left + 14)};
    // In a narrow window the opacity button gives way to the buttons, moving left of the remove button.
    if (gBookmarkOpacityRect.right >= gBookmarkRemoveRect.left)
        OffsetRect(&gBookmarkOpacityRect, SInt16(gBookmarkOpacityRect.left - gBookmarkRemoveRect.right), 0);
}

void CreateBookmarkList() {
    if (!myBookmarkWindow) return;
    if (BookmarkListHandle) LDispose(BookmarkListHandle);
    BookmarkListHandle = nullptr;
    GetPortBounds(GetWindowPort(myBookmarkWindow), &gBookmarkListRect);
    gBookmarkListRect.bottom = SInt16(gBookmarkListRect.bottom - kBookmarkStripHeight);
    const TextStyle style = ListStyle();
    BookmarkListHandle = NewV1List(0, &gBookmarkListRect, GetWindowPort(myBookmarkWindow), &style);
    if (BookmarkListHandle) LSetSelFlags(lOnlyOne | lNoNilHilite, BookmarkListHandle);
    GetBookmarkRects();
}

void SetBookmarkListText(SInt16 slot) {
    if (!BookmarkListHandle) return;
    // Slots came or went (or the caller asks for every row, slot -1): the list is made again.
    if (slot < 0 || LCountRows(BookmarkListHandle) != std::min<SInt32>(gNumBookmarks, 0x7FFF)) {
        PutBookmarksInList();
        return;
    }
    if (slot >= LCountRows(BookmarkListHandle)) return;
    const SInt32 offset = GetBookmarkOffset(slot);
    Str255 text;
    if (offset < 0) {
        GetOrvalisString(kProgramTexts, kEmptySlotLabelItem, text);
    } else {
        StringPtr name = GetBookmarkName(slot);
        if (gBookmarksShowingText || !name || name[0] == 0)
            name = GetScrollTextAtCharacter(offset, kBookmarkRowTextLength);
        CopyPString(name, text, sizeof text);
    }
    const TextStyle style = ListStyle();
    SetListFont(LGetPort(BookmarkListHandle), &style);
    SetListRow(text, slot, 0, BookmarkListHandle);
    RestoreFont();
}

SInt16 PutBookmarksInList() {
    if (!BookmarkListHandle) return 0;
    InBookmarkWindow port;
    const TextStyle style = ListStyle();
    SetListFont(LGetPort(BookmarkListHandle), &style);
    gBookmarkCurrentPos = 0;
    LSetDrawingMode(false, BookmarkListHandle);
    LDelRow(0, 0, BookmarkListHandle);
    if (gNumBookmarks <= 0) {
        ComputeMetrics();
        LSetDrawingMode(true, BookmarkListHandle);
        LUpdate(BookmarkListHandle);
        RestoreFont();
        return 0;
    }
    const SInt16 rows = SInt16(std::min<SInt32>(gNumBookmarks, 0x7FFF));
    LAddRow(rows, 0, BookmarkListHandle);
    for (SInt16 slot = 0; slot < rows; ++slot)
        SetBookmarkListText(slot);
    ComputeMetrics();
    GetCurrentBookmarksPos();
    LSetDrawingMode(true, BookmarkListHandle);
    LUpdate(BookmarkListHandle);
    RestoreFont();
    return 1;
}

void SelectBookmark(SInt16 slot) {
    if (!BookmarkListHandle) return;
    Cell cell{0, 0};
    while (LGetSelect(true, &cell, BookmarkListHandle)) {
        LSetSelect(false, cell, BookmarkListHandle);
        ++cell.v;
    }
    if (slot < 0 || slot >= LCountRows(BookmarkListHandle)) return;
    LSetSelect(true, Cell{slot, 0}, BookmarkListHandle);
    // Into view: scroll so that the row is the top one when above, or the bottom one when below.
    const Point cellSize = LGetCellSize(BookmarkListHandle);
    const Rect view = LGetView(BookmarkListHandle);
    const SInt16 visible = cellSize.v > 0 ? SInt16((view.bottom - view.top) / cellSize.v) : SInt16(1);
    const SInt16 top = LTopRow(BookmarkListHandle);
    if (slot < top)
        BookmarkScrollThisMuch(SInt16(slot - top));
    else if (slot >= top + visible)
        BookmarkScrollThisMuch(SInt16(slot - (top + visible) + 1));
}

void BookmarkScrollThisMuch(SInt16 rows) {
    if (!BookmarkListHandle) return;
    InBookmarkWindow port;
    const TextStyle style = ListStyle();
    SetListFont(LGetPort(BookmarkListHandle), &style);
    LScroll(rows, BookmarkListHandle);
    LUpdate(BookmarkListHandle);
    RestoreFont();
    GetCurrentBookmarksPos();
}

void GetCurrentBookmarksPos() {
    if (!BookmarkListHandle) {
        gBookmarkCurrentPos = 0;
        return;
    }
    gBookmarkCurrentPos = -SInt32(LTopRow(BookmarkListHandle)) * LGetCellSize(BookmarkListHandle).v;
    ComputeMetrics();
}

void UpdateBookmarkOpacityButton() {
    if (!myBookmarkWindow) return;
    InBookmarkWindow port;
    EraseRect(&gBookmarkOpacityRect);
    MainUpDownButton(&gBookmarkOpacityRect, kOpacityUpPicture, kOpacityDownPicture,
                     SInt16(gBookmarkOpacity <= 99 ? 1 : 0), kButtonPictures);
}

void DrawBookmarkWindow() {
    if (!myBookmarkWindow) return;
    if (BookmarkListHandle) {
        const TextStyle style = ListStyle();
        SetListFont(LGetPort(BookmarkListHandle), &style);
        LUpdate(BookmarkListHandle);
        RestoreFont();
    }
    DrawStrip();
    MainUpDownButton(&gBookmarkOpacityRect, kOpacityUpPicture, kOpacityDownPicture,
                     SInt16(gBookmarkOpacity <= 99 ? 1 : 0), kButtonPictures);
}

void SetBookmarkWindowColor(const RGBColor& color) {
    if (!BookmarkListHandle || !myBookmarkWindow) return;
    InBookmarkWindow port;
    RGBBackColor(&color);
    Rect content;
    GetPortBounds(GetWindowPort(myBookmarkWindow), &content);
    EraseRect(&content);
    InvalWindowRect(myBookmarkWindow, &content);
    CreateBookmarkList();
    PutBookmarksInList();
}

void OpenBookmarkWindow() {
    if (myBookmarkWindow) {
        SelectWindow(myBookmarkWindow);
        return;
    }
    WindowPtr window = GetNewCWindow(kBookmarkWindowID, nullptr, kFirstWindowOfClass);
    if (!window) return;
    SetWRefCon(window, kBookmarkWindowReference);
    Rect place = GetWindowPlace(gPositionPreferences, kPlaceBookmark);
    const bool fallback = EmptyRect(&place) || !IsRectWithinADeviceRect(&place);
    if (fallback) place = DefaultBookmarkPlace(window);
    place = PlaceWindowInsideScreens(window, place);
    if (fallback) {
        SetWindowPlace(gPositionPreferences, kPlaceBookmark, place);
        gPositionPrefsChanged = true;
    }
    myBookmarkWindow = window;
    myBookmarkDevice = GetMaxDevice(&place);
    SetWindowAlpha(window, float(std::clamp<SInt16>(gBookmarkOpacity, 0, 100)) / 100.0f);
    {
        InBookmarkWindow port;
        const RGBColor back = GetPref(gThePreferences, kPrefBookmarkFormat).backColor;
        RGBBackColor(&back);
        Rect content;
        GetPortBounds(GetWindowPort(window), &content);
        InvalWindowRect(window, &content);
    }
    CreateBookmarkList();
    PutBookmarksInList();
    InstallWindowHandlers(window);
    InstallWindowEventHandler(window, GetMouseWheelHandler(),
                              reinterpret_cast<void*>(std::intptr_t(kBookmarkWindowReference)));
    ShowWindow(window);
}

void CloseBookmarkWindow(SInt16 alreadyGone) {
    if (!myBookmarkWindow) return;
    if (BookmarkListHandle) LDispose(BookmarkListHandle);
    BookmarkListHandle = nullptr;
    if (!alreadyGone) DisposeWindow(myBookmarkWindow);
    myBookmarkWindow = nullptr;
    myBookmarkDevice = nullptr;
    if (myScrollWindow) SetPort(GetWindowPort(myScrollWindow));
}

void NewBookmarkWindowSize(SInt16 width, SInt16 height) {
    if (!myBookmarkWindow) return;
    InBookmarkWindow port;
    for (const StripButton& button : kStripButtons)
        EraseRect(button.rect);
    EraseRect(&gBookmarkOpacityRect);
    // The list is made again at the new size, keeping its top row and selection.
    const SInt16 top = BookmarkListHandle ? LTopRow(BookmarkListHandle) : SInt16(0);
    SInt16 selected = -1;
    if (BookmarkListHandle) GetListChoice(&selected, BookmarkListHandle);
    (void)width;
    (void)height;
    CreateBookmarkList();
    PutBookmarksInList();
    if (top > 0) BookmarkScrollThisMuch(top);
    if (selected >= 0) SelectBookmark(selected);
    ComputeMetrics();
    Rect content;
    GetPortBounds(GetWindowPort(myBookmarkWindow), &content);
    InvalWindowRect(myBookmarkWindow, &content);
    gWaitingForUpdate = true;
}
