// List and pop-up items: their lists and menus, selection by mouse and keys, type-select and the wheel.
#include "controls/list_controls.h"

#include "controls/control_drawing.h"
#include "controls/custom_controls.h"
#include "foundation/checked_wrappers.h"
#include "foundation/global_lists.h"
#include "foundation/list_items.h"
#include "foundation/mac_roman_case.h"
#include "foundation/popup_items.h"
#include "platform/clock.h"
#include "platform/events.h"

#include <algorithm>
#include <string>

namespace {

constexpr UInt32 kTypeSelectPauseTicks = 60;

// What was typed lately for type-select, into which list, and when.
RESETTABLE(std::string, gTypedPrefix, {});
RESETTABLE(ListHandle, gTypedList, nullptr);
RESETTABLE(UInt32, gLastTypedTick, 0);
// The last click, to tell a double click.
RESETTABLE(ListHandle, gLastClickList, nullptr);
RESETTABLE(SInt16, gLastClickRow, -1);
RESETTABLE(UInt32, gLastClickTick, 0);

ListHandle ListOf(const MyControlItem* record) {
    return record && (record->kind & kMyKindMask) == kMyList ? static_cast<ListHandle>(record->object)
                                                             : nullptr;
}

// The list font set around a list call, put back after.
class ListFont {
  public:
    explicit ListFont(ListHandle list) { SetListFont(LGetPort(list), nullptr); }
    ~ListFont() { RestoreFont(); }
    ListFont(const ListFont&) = delete;
    ListFont& operator=(const ListFont&) = delete;
};

void Redraw(MyDialogHandle dialog, MyControlItem* record) {
    if (dialog) DrawAMyDialogButton(dialog->windowReference, dialog, record, false, false);
}

// Keeps the row in view by scrolling as little as needed.
void ShowRow(ListHandle list, SInt16 row) {
    const Rect view = LGetView(list);
    const SInt16 height = std::max<SInt16>(1, LGetCellSize(list).v);
    const SInt16 visible = std::max<SInt16>(1, SInt16(RectHeight(view) / height));
    const SInt16 top = LTopRow(list);
    if (row < top) LScroll(SInt16(row - top), list);
    if (row >= top + visible) LScroll(SInt16(row - (top + visible) + 1), list);
}

void SelectOnly(ListHandle list, SInt16 row) {
    const SInt16 rows = LCountRows(list);
    for (SInt16 r = 0; r < rows; ++r)
        LSetSelect(r == row, Cell{r, 0}, list);
}

std::string RowText(ListHandle list, SInt16 row) {
    char buffer[256];
    SInt16 length = sizeof buffer;
    LGetCell(buffer, &length, Cell{row, 0}, list);
    return std::string(buffer, size_t(std::max<SInt16>(length, 0)));
}

// A new list may take the address of a disposed one: what was typed or clicked before is forgotten.
void ForgetTypingAndClicks() {
    gTypedPrefix.clear();
    gTypedList = nullptr;
    gLastClickList = nullptr;
    gLastClickRow = -1;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (MacRomanToLower(UInt8(text[i])) != MacRomanToLower(UInt8(prefix[i]))) return false;
    return true;
}

} // namespace

void SetMyControlList(WindowReference, MyDialogHandle dialog, MyControlItem* record) {
    if (!record) return;
    if (ListHandle list = ListOf(record)) {
        LDelRow(0, 0, list);
        record->maximum = record->minimum = 0;
        Redraw(dialog, record);
        return;
    }
    if (!record->window) return;
    Rect place = (record->flags & kMyFlagExpanded) ? record->rect : record->collapseRect;
    const Point offset = MyControlOffset(dialog, record);
    OffsetRect(&place, offset.h, offset.v);
    InsetRect(&place, 1, 1);
    ListHandle list = NewV1List(0, &place, GetWindowPort(record->window), nullptr);
    if (!list) return;
    ForgetTypingAndClicks();
    LSetSelFlags(lOnlyOne | lNoNilHilite, list);
    LSetDrawingMode(true, list);
    record->object = list;
    record->maximum = -1;
    record->minimum = 0;
}

void AddItemToMyControlList(WindowReference, MyDialogHandle dialog, SInt16 item, ConstStr255Param text) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    ListHandle list = ListOf(record);
    if (!list || !text) return;
    ListFont font(list);
    const SInt16 row = LAddRow(1, SInt16(std::clamp<SInt32>(record->minimum, 0, 0x7FFF)), list);
    SetListRow(text, row, 0, list);
    record->minimum = row + 1;
}

void DeleteItemFromMyControlList(WindowReference, MyDialogHandle dialog, SInt16 item, SInt16 row,
                                 SInt16 count) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    ListHandle list = ListOf(record);
    if (!list) return;
    ListFont font(list);
    LDelRow(count, row, list);
    record->minimum = count == 0 ? 0 : std::max<SInt32>(0, record->minimum - count);
    if (count == 0 || record->maximum >= LCountRows(list)) record->maximum = -1;
}

void SelectMyControlList(WindowReference, MyDialogHandle dialog, SInt16 item, SInt16 row, bool select) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    ListHandle list = ListOf(record);
    if (!list || row < 0 || row >= LCountRows(list)) return;
    ListFont font(list);
    LSetSelect(select, Cell{row, 0}, list);
    record->maximum = select ? row : -1;
    if (select) ShowRow(list, row);
}

SInt16 GetMyControlSelect(WindowReference, MyDialogHandle dialog, SInt16 item, SInt16 fromRow) {
    MyDialogLock lock(dialog);
    ListHandle list = ListOf(ControlFromItemNum(dialog, item));
    if (!list) return -1;
    Cell cell{std::max<SInt16>(fromRow, 0), 0};
    return LGetSelect(true, &cell, list) ? cell.v : -1;
}

SInt16 DoMyList(WindowReference, MyDialogHandle dialog, SInt16 item, bool* doubleClick) {
    MyDialogLock lock(dialog);
    const MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!ListOf(record)) return -1;
    if (doubleClick) *doubleClick = record->flags & kMyFlagChecked;
    return SInt16(record->maximum);
}

ListHandle GetMyControlListHandle(WindowReference, const MyControlItem* record) {
    return ListOf(record);
}

void MyControlListScroll(WindowReference, MyDialogHandle dialog, SInt16 item, SInt16 rows, SInt16) {
    MyDialogLock lock(dialog);
    ListHandle list = ListOf(ControlFromItemNum(dialog, item));
    if (!list) return;
    ListFont font(list);
    LScroll(rows, list);
}

namespace {

// Rows the view shows whole (at least one).
SInt16 VisibleRows(ListHandle list) {
    const Rect view = LGetView(list);
    const SInt16 height = LGetCellSize(list).v;
    return height > 0 ? std::max<SInt16>(1, SInt16((view.bottom - view.top) / height)) : SInt16(1);
}

} // namespace

void GeyMyControlListVisibleCells(WindowReference, MyDialogHandle dialog, SInt16 item, Rect* cells) {
    if (!cells) return;
    *cells = Rect{};
    MyDialogLock lock(dialog);
    ListHandle list = ListOf(ControlFromItemNum(dialog, item));
    if (!list) return;
    const SInt16 top = LTopRow(list);
    cells->top = top;
    cells->bottom = SInt16(std::min<SInt32>(SInt32(top) + VisibleRows(list), LCountRows(list)));
    cells->left = 0;
    cells->right = LCountColumns(list);
}

void MyControlListAutoScroll(WindowReference, MyDialogHandle dialog, SInt16 item) {
    MyDialogLock lock(dialog);
    ListHandle list = ListOf(ControlFromItemNum(dialog, item));
    if (!list) return;
    Cell selected{0, 0};
    if (!LGetSelect(true, &selected, list)) return;
    const SInt16 top = LTopRow(list), rows = VisibleRows(list);
    SInt16 by = 0;
    if (selected.v < top)
        by = SInt16(selected.v - top);
    else if (selected.v >= top + rows)
        by = SInt16(selected.v - (top + rows) + 1);
    if (by == 0) return;
    ListFont font(list);
    LScroll(by, list);
}

void ClickInMyControlList(WindowReference, MyDialogHandle, MyControlItem* record, Point point,
                          UInt16 modifiers) {
    ListHandle list = ListOf(record);
    if (!list) return;
    ListFont font(list);
    LClick(point, modifiers, 1, list);
    Cell cell{};
    const SInt16 row = LGetSelect(true, &cell, list) ? cell.v : SInt16(-1);
    // A second click on the same row within the double-click time is a double click.
    const UInt32 now = TickCount();
    const bool twice =
        row >= 0 && list == gLastClickList && row == gLastClickRow && now - gLastClickTick <= GetDblTime();
    gLastClickList = list;
    gLastClickRow = twice ? -1 : row;
    gLastClickTick = now;
    if (twice)
        record->flags |= kMyFlagChecked;
    else
        record->flags &= ~UInt32(kMyFlagChecked);
    record->maximum = row;
}

bool KeyInMyControlList(WindowReference, MyDialogHandle dialog, SInt16 item, UInt8 character,
                        UInt16 modifiers) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    ListHandle list = ListOf(record);
    if (!list) return false;
    const SInt16 rows = LCountRows(list);
    if (rows == 0) return false;
    ListFont font(list);
    Cell first{};
    const SInt16 selected = LGetSelect(true, &first, list) ? first.v : SInt16(-1);
    SInt16 target = -1;
    switch (character) {
    case kUpArrowCharCode:
        target = selected < 0 ? SInt16(rows - 1) : SInt16(std::max(0, selected - 1));
        break;
    case kDownArrowCharCode:
        target = selected < 0 ? SInt16(0) : SInt16(std::min<int>(rows - 1, selected + 1));
        break;
    case kHomeCharCode:
        target = 0;
        break;
    case kEndCharCode:
        target = SInt16(rows - 1);
        break;
    default: {
        if (character < ' ' || (modifiers & cmdKey)) return false;
        const UInt32 now = TickCount();
        if (now - gLastTypedTick > kTypeSelectPauseTicks || gTypedList != list) gTypedPrefix.clear();
        gTypedList = list;
        gLastTypedTick = now;
        gTypedPrefix += char(character);
        for (SInt16 r = 0; r < rows; ++r)
            if (StartsWithIgnoringCase(RowText(list, r), gTypedPrefix)) {
                target = r;
                break;
            }
        if (target < 0) return true; // typed, but nothing starts so: the selection stays
        break;
    }
    }
    const bool extend =
        (modifiers & shiftKey) && (character == kUpArrowCharCode || character == kDownArrowCharCode);
    if (extend && selected >= 0) {
        LSetSelect(true, Cell{target, 0}, list);
    } else {
        SelectOnly(list, target);
    }
    record->maximum = target;
    ShowRow(list, target);
    Redraw(dialog, record);
    return true;
}

void WheelInMyControlList(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32 lines) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    ListHandle list = ListOf(record);
    if (!list || lines == 0) return;
    ListFont font(list);
    LScroll(SInt16(std::clamp<SInt32>(-lines, -0x7FFF, 0x7FFF)), list);
    Redraw(dialog, record);
}

void DrawMyControlList(MyControlItem* record) {
    ListHandle list = ListOf(record);
    if (!list) return;
    ListFont font(list);
    LUpdate(list);
}

void PlaceMyControlList(MyControlItem* record, const Rect& place) {
    ListHandle list = ListOf(record);
    if (!list) return;
    // A list cannot be moved in place: it is made again at the new place with its rows and selection.
    std::vector<std::string> rows;
    for (SInt16 r = 0; r < LCountRows(list); ++r)
        rows.push_back(RowText(list, r));
    Cell cell{};
    const SInt16 selected = LGetSelect(true, &cell, list) ? cell.v : SInt16(-1);
    Rect inner = place;
    InsetRect(&inner, 1, 1);
    ListHandle moved = NewV1List(0, &inner, LGetPort(list), nullptr);
    if (!moved) return;
    ForgetTypingAndClicks();
    LSetSelFlags(lOnlyOne | lNoNilHilite, moved);
    for (const std::string& text : rows)
        LSetCell(text.data(), SInt16(text.size()), Cell{LAddRow(1, 0x7FFF, moved), 0}, moved);
    if (selected >= 0) LSetSelect(true, Cell{selected, 0}, moved);
    LSetDrawingMode(true, moved);
    LDispose(list);
    record->object = moved;
}

void SetMyControlPopupMenu(WindowReference, MyControlItem* record, SInt16 menuID) {
    if (!record) return;
    MenuRef menu = MyGetMenu(menuID, 0);
    if (!menu) return;
    if (record->object) DisposeMenu(static_cast<MenuRef>(record->object));
    record->object = menu;
    record->minimum = menuID;
    record->maximum = 1;
    CheckMenuItem(menu, 1, true);
}

void SetMyControlPopupChoice(WindowReference, MyDialogHandle dialog, MyControlItem* record, SInt16 choice) {
    if (!record) return;
    if (MenuRef menu = static_cast<MenuRef>(record->object)) {
        if (record->maximum > 0) CheckMenuItem(menu, MenuItemIndex(record->maximum), false);
        if (choice > 0) CheckMenuItem(menu, MenuItemIndex(choice), true);
    }
    record->maximum = choice;
    Redraw(dialog, record);
}

void CheckMyControlPopupMultiple(WindowReference, MyDialogHandle dialog, MyControlItem* record,
                                 SInt16 menuItem, bool checked, bool redraw) {
    if (!record || !record->object || menuItem < 1) return;
    CheckMenuItem(static_cast<MenuRef>(record->object), MenuItemIndex(menuItem), checked);
    if (redraw) Redraw(dialog, record);
}

MenuRef GetMyControlPopupMenu(WindowReference, const MyControlItem* record) {
    return record && (record->kind & kMyKindMask) == kMyPopup ? static_cast<MenuRef>(record->object)
                                                              : nullptr;
}

void GetMyControlPopupText(WindowReference reference, const MyControlItem* record, SInt16 menuItem,
                           StringPtr text) {
    if (!text) return;
    text[0] = 0;
    if (MenuRef menu = GetMyControlPopupMenu(reference, record))
        GetMenuItemText(menu, MenuItemIndex(menuItem), text);
}

SInt16 DoMyPopup(WindowReference, MyDialogHandle dialog, SInt16 item) {
    MyDialogLock lock(dialog);
    const MyControlItem* record = ControlFromItemNum(dialog, item);
    return record ? SInt16(record->maximum) : 0;
}

// The pop-up box and its menu: the chosen item's text in a shadowed box, the menu shown over it.
void DrawMainPopup(WindowRef, const Rect* r, SInt16 menuID, SInt16 choice, MenuRef menu) {
    if (r) UpdatePopup(r, menuID, choice, menu);
}

SInt16 TrackMainPopup(WindowRef window, const Rect* r, SInt16 menuID, SInt32* choice, MenuRef menu) {
    if (!r || !choice || !window) return 0;
    MenuRef shown = menu ? menu : MyGetMenu(menuID, 0);
    if (!shown) return 0;
    Point corner{r->top, r->left};
    LocalToGlobal(&corner);
    const SInt32 picked =
        PopUpMenuSelect(shown, corner.v, corner.h, MenuItemIndex(std::max<SInt32>(*choice, 1)));
    const SInt16 item = SInt16(picked & 0xFFFF);
    SInt16 result = 0;
    if (item > 0 && item != *choice) {
        if (*choice > 0) CheckMenuItem(shown, MenuItemIndex(*choice), false);
        CheckMenuItem(shown, MenuItemIndex(item), true);
        *choice = item;
        result = 1;
    }
    if (!menu) DisposeMenu(shown);
    return result;
}
