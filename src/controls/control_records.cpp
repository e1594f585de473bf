// Building a tool window's item records from its 'DITL' lists, freeing them with what they own, and the
// registry of edit items' text objects. Item lists come from resource files and are checked before use.
#include "controls/control_records.h"

#include "controls/control_previews.h"
#include "controls/edit_fields.h"
#include "controls/scroll_controls.h"
#include "controls/sliding_pictures.h"
#include "foundation/checked_wrappers.h"
#include "foundation/error_dialog.h"
#include "platform/bytes.h"
#include "platform/color_icons.h"
#include "platform/lists.h"
#include "platform/memory.h"
#include "platform/menus.h"
#include "platform/resources.h"

#include <algorithm>
#include <span>
#include <string>

TextControlReg gTextControlRegVals[kMyTextRegistrySize] = {};
MyControlItem* gHasfocus = nullptr;
MyDialogHandle gHasfocusDialog = nullptr;

namespace {

bool gDialogSystemReady = false;

constexpr size_t kItemHeaderBytes = 14;
// Item numbers are 16-bit and the loops over a window's items count up to the last one: well below the
// top of that range, so that no loop's counter runs past it.
constexpr int kMaxItemsPerWindow = 2048;

const RGBColor kDefaultColors[kMyDialogColors] = {
    {0xFFFF, 0xFFFF, 0xFFFF}, {0, 0, 0}, {0x7FFF, 0x7FFF, 0x7FFF}, {0xFFFF, 0xFFFF, 0}, {0, 0, 0},
    {0, 0xFFFF, 0xFFFF},      {0, 0, 0}, {0xFFFF, 0xFFFF, 0xFFFF},
};

// The number of items of a list and where each starts; the items that fit the resource, and whether
// the list claims more than it holds.
struct ListLayout {
    int claimed = 0;
    std::vector<size_t> offsets;
};

ListLayout LayOutItemList(std::span<const UInt8> bytes) {
    ListLayout layout;
    if (bytes.size() < 2) return layout;
    layout.claimed = int(ReadBE16(bytes.data())) + 1;
    size_t at = 2;
    for (int i = 0; i < layout.claimed; ++i) {
        if (at + kItemHeaderBytes > bytes.size()) break;
        const size_t length = bytes[at + 13];
        if (at + kItemHeaderBytes + length > bytes.size()) break;
        layout.offsets.push_back(at);
        at += kItemHeaderBytes + length + (length & 1);
    }
    return layout;
}

void FillFromItem(MyControlItem* record, const UInt8* item, SInt16 itemNumber, WindowRef window,
                  bool loadIcon) {
    *record = MyControlItem{};
    Rect r;
    r.top = SInt16(ReadBE16(item + 4));
    r.left = SInt16(ReadBE16(item + 6));
    r.bottom = SInt16(ReadBE16(item + 8));
    r.right = SInt16(ReadBE16(item + 10));
    record->rect = record->collapseRect = r;
    record->kind = item[12];
    record->itemNumber = itemNumber;
    record->window = window;
    const UInt8 length = item[13];
    const UInt8* data = item + kItemHeaderBytes;
    const UInt8 kept = std::min<UInt8>(length, kMyTitleLength);
    record->title[0] = kept;
    std::copy(data, data + kept, record->title + 1);
    switch (record->kind & kMyKindMask) {
    case kMyButton:
        record->value = 0;
        record->maximum = 1;
        record->minimum = 2;
        break;
    case kMyIcon:
        if (length >= 2) {
            record->value = SInt16(ReadBE16(data));
            if (loadIcon) record->object = GetCIcon(SInt16(record->value));
        }
        break;
    default:
        break;
    }
}

// Stands in for an item a damaged list could not give: present so that later lists keep their numbers,
// but hidden and inactive, so it is never drawn nor clicked.
void FillMissingItem(MyControlItem* record, SInt16 itemNumber, WindowRef window) {
    *record = MyControlItem{};
    record->kind = UInt16(kMyDialogControl) | kMyKindHidden;
    record->flags = kMyFlagInactive;
    record->itemNumber = itemNumber;
    record->window = window;
}

void ReportDamagedList(SInt16 listID, int goodItems, int claimed) {
    DoErrorMessageText("The item list 'DITL' " + std::to_string(listID) + " is damaged: it claims " +
                       std::to_string(claimed) + " items but holds " + std::to_string(goodItems) +
                       "; the window opens without the others");
}

void DisposeOwned(MyControlItem* record, MyDialogHandle dialog) {
    if (gHasfocus == record) {
        gHasfocus = nullptr;
        gHasfocusDialog = nullptr;
    }
    MyDisposeScrollControl(record->scrollBar);
    record->scrollBar = nullptr;
    switch (record->kind & kMyKindMask) {
    case kMyEditText:
    case kMyScrollingEditText:
        if (dialog)
            DeleteMyTextObjectRegistration(UInt32(dialog->windowReference) << 16 |
                                           UInt16(record->itemNumber));
        DisposeMyEditText(record);
        break;
    case kMyList:
        if (record->object) LDispose(static_cast<ListHandle>(record->object));
        record->object = nullptr;
        break;
    case kMyPopup:
        if (record->object) DisposeMenu(static_cast<MenuRef>(record->object));
        record->object = nullptr;
        break;
    case kMySlidingPictures:
        if (record->maximum == 1) MyDisposeScrollingControl(static_cast<MySlidingStrip*>(record->object));
        record->object = nullptr;
        break;
    case kMyPreview:
        DisposeMyPreviewContent(record);
        break;
    case kMyIcon:
        if (record->object) DisposeCIcon(static_cast<CIconHandle>(record->object));
        record->object = nullptr;
        break;
    default:
        break;
    }
}

} // namespace

void InitializeMyDialogSystem() {
    gDialogSystemReady = true;
    std::fill(std::begin(gTextControlRegVals), std::end(gTextControlRegVals), TextControlReg{});
}

MyDialogHandle CreateMyDialogControls(WindowReference reference, WindowRef window, SInt16 firstID,
                                      SInt16 lastID) {
    if (!gDialogSystemReady) InitializeMyDialogSystem();
    auto* dialog = new MyDialogRec;
    dialog->windowReference = reference;
    dialog->window = window;
    std::copy(std::begin(kDefaultColors), std::end(kDefaultColors), dialog->colors);
    if (CGrafPtr port = window ? GetWindowPort(window) : nullptr) {
        GetPortBounds(port, &dialog->bounds);
        OffsetRect(&dialog->bounds, SInt16(-dialog->bounds.left), SInt16(-dialog->bounds.top));
    }
    dialog->boundsRgn = NewRgn();
    RectRgn(dialog->boundsRgn, &dialog->bounds);
    Rect inner = dialog->bounds;
    inner.top = SInt16(inner.top + 16);
    inner.right = SInt16(inner.right - 9);
    dialog->innerRgn = NewRgn();
    RectRgn(dialog->innerRgn, &inner);

    // One message per window: once a list is found damaged, what follows from it is not reported again.
    bool reported = false;
    for (int id = firstID; id <= lastID; ++id) {
        Handle list = MyGetResource(FourCC("DITL"), SInt16(id), 0);
        if (!list) continue;
        HLock(list);
        const std::span<const UInt8> bytes{reinterpret_cast<const UInt8*>(*list),
                                           size_t(GetHandleSize(list))};
        const ListLayout layout = LayOutItemList(bytes);
        const int sofar = int(dialog->items.size());
        int count = layout.claimed;
        if (sofar + count > kMaxItemsPerWindow) count = kMaxItemsPerWindow - sofar;
        const int good = std::min(int(layout.offsets.size()), count);
        if (good < layout.claimed && !reported) {
            ReportDamagedList(SInt16(id), good, layout.claimed);
            reported = true;
        }
        dialog->items.resize(size_t(sofar + count));
        for (int i = 0; i < count; ++i) {
            MyControlItem* record = &dialog->items[size_t(sofar + i)];
            if (i < good)
                FillFromItem(record, bytes.data() + layout.offsets[size_t(i)], SInt16(sofar + i + 1), window,
                             true);
            else
                FillMissingItem(record, SInt16(sofar + i + 1), window);
        }
        HUnlock(list);
        MyReleaseResource(list, __FILE__, __LINE__);
    }
    return dialog;
}

MyControlItem* CreateWidgetFromDITL(SInt16, WindowRef window, SInt16 listID, SInt16 index) {
    if (!gDialogSystemReady) InitializeMyDialogSystem();
    auto* widget = new MyControlItem;
    Handle list = MyGetResource(FourCC("DITL"), listID, 0);
    if (!list) return widget;
    const std::span<const UInt8> bytes{reinterpret_cast<const UInt8*>(*list), size_t(GetHandleSize(list))};
    const ListLayout layout = LayOutItemList(bytes);
    if (index >= 0 && size_t(index) < layout.offsets.size() && index < layout.claimed)
        FillFromItem(widget, bytes.data() + layout.offsets[size_t(index)], SInt16(index + 1), window, false);
    else
        DoErrorMessageText("The item list 'DITL' " + std::to_string(listID) + " has no item " +
                           std::to_string(index + 1));
    MyReleaseResource(list, __FILE__, __LINE__);
    return widget;
}

void DisposeMyWidget(MyControlItem* widget) {
    if (!widget) return;
    DisposeOwned(widget, nullptr);
    delete widget;
}

void DisposeMyDialogControls(MyDialogHandle dialog) {
    if (!dialog) return;
    for (MyControlItem& record : dialog->items)
        DisposeOwned(&record, dialog);
    if (gHasfocusDialog == dialog) {
        gHasfocus = nullptr;
        gHasfocusDialog = nullptr;
    }
    DisposeRgn(dialog->boundsRgn);
    DisposeRgn(dialog->innerRgn);
    delete dialog;
}

MyControlItem* ControlFromItemNum(MyDialogHandle dialog, SInt16 itemNumber) {
    if (!dialog || itemNumber < 1 || size_t(itemNumber) > dialog->items.size()) return nullptr;
    return &dialog->items[size_t(itemNumber - 1)];
}

SInt16 CountMyControls(MyDialogHandle dialog) {
    return dialog ? SInt16(dialog->items.size()) : 0;
}

void SetMyDialogHighightColor(MyDialogHandle dialog, SInt16 index, const RGBColor* color) {
    if (!dialog || !color || index < 0 || index >= kMyDialogColors) return;
    dialog->colors[index] = *color;
}

void RegisterMyTextObject(UInt32 key, WindowReference reference, MyDialogHandle dialog, UInt32 item) {
    for (TextControlReg& entry : gTextControlRegVals) {
        if (entry.key != 0) continue;
        entry = TextControlReg{key, reference, dialog, item};
        return;
    }
    DoErrorMessageText("Need more text reg objects");
}

void DeleteMyTextObjectRegistration(UInt32 key) {
    if (key == 0) return;
    for (TextControlReg& entry : gTextControlRegVals)
        if (entry.key == key) entry = TextControlReg{};
}

SInt16 FindMyTextObject(UInt32 key) {
    if (key == 0) return -1;
    for (SInt16 i = 0; i < kMyTextRegistrySize; ++i)
        if (gTextControlRegVals[i].key == key) return i;
    return -1;
}
