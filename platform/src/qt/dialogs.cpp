// Dialogs from 'DLOG' and 'DITL' resources, their items, and the modal loop.
#include "platform/dialogs.h"
#include "qt_text.h"

#include "dialog_record.h"
#include "platform/clock.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "platform/timers.h"
#include "port_internal.h"
#include "window_record.h"

#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

std::unordered_map<WindowPtr, DialogPtr> gDialogsByWindow;
// Dialogs alive now: a pointer that is not one of them (a window or port passed as a dialog) answers null.
std::unordered_set<DialogPtr> gLiveDialogs;

bool IsLiveDialog(DialogPtr dialog) {
    return dialog && gLiveDialogs.count(dialog);
}

DialogItemRecord* ItemOf(DialogPtr dialog, SInt16 item) {
    if (!IsLiveDialog(dialog) || item < 1 || size_t(item) > dialog->items.size()) return nullptr;
    return &dialog->items[size_t(item - 1)];
}

std::span<const UInt8> ResourceBytes(ResType type, SInt16 id) {
    Handle h = GetResource(type, id);
    if (!h) return {};
    return {reinterpret_cast<const UInt8*>(*h), size_t(GetHandleSize(h))};
}

// Modal dialogs sit centred across the main screen, a third of the way down, as alerts do.
Rect PlaceOnMainScreen(const Rect& bounds) {
    Rect screen = GetAvailableBounds(GetMainDevice());
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int left = screen.left + (RectWidth(screen) - width) / 2;
    const int top = screen.top + std::max(0, (RectHeight(screen) - height) / 3);
    return Rect{SInt16(top), SInt16(left), SInt16(top + height), SInt16(left + width)};
}

void ToEventRecord(const PlatformEvent& event, EventRecord* record) {
    EventRecordFromPlatformEvent(event, record);
}

bool ItemAt(DialogPtr dialog, Point local, SInt16* item) {
    for (size_t i = 0; i < dialog->items.size(); ++i) {
        const DialogItemRecord& r = dialog->items[i];
        if (r.visible && !r.widget && PtInRect(local, &r.rect)) {
            *item = SInt16(i + 1);
            return true;
        }
    }
    return false;
}

bool PressKeyItem(DialogPtr dialog, SInt16 item) {
    DialogItemRecord* record = ItemOf(dialog, item);
    if (!record || !IsItemEnabled(*record) || !record->visible) return false;
    HitDialogItem(dialog, item);
    return true;
}

// Everything that reaches the dialog's window: the filter sees it first during a modal loop.
OSStatus DialogEventHandler(const PlatformEvent& event, void* userData) {
    auto* dialog = static_cast<DialogPtr>(userData);
    if (event.kind == EventKind::WindowUpdate) {
        DrawDialog(dialog);
        return noErr;
    }
    if (dialog->modalDepth > 0 && dialog->filter) {
        EventRecord record;
        ToEventRecord(event, &record);
        SInt16 item = 0;
        if (dialog->filter(dialog, &record, &item)) {
            if (item > 0) HitDialogItem(dialog, item);
            return noErr;
        }
    }
    switch (event.kind) {
    case EventKind::KeyDown:
    case EventKind::KeyRepeat:
        if (event.charCode == kReturnCharCode || event.charCode == kEnterCharCode)
            return PressKeyItem(dialog, dialog->defaultItem) ? noErr : OSStatus(eventNotHandledErr);
        if (event.charCode == kEscapeCharCode || ((event.modifiers & cmdKey) && event.charCode == '.'))
            return PressKeyItem(dialog, dialog->cancelItem) ? noErr : OSStatus(eventNotHandledErr);
        return eventNotHandledErr;
    case EventKind::MouseDown: {
        SInt16 item;
        if (ItemAt(dialog, event.localPoint, &item) && IsItemEnabled(dialog->items[size_t(item - 1)])) {
            HitDialogItem(dialog, item);
            return noErr;
        }
        return eventNotHandledErr;
    }
    case EventKind::WindowClose:
        PressKeyItem(dialog, dialog->cancelItem);
        return noErr;
    default:
        return eventNotHandledErr;
    }
}

// While a modal loop runs, the filter hears of idle time too, as a null event every two ticks.
void IdleTimerProc(EventLoopTimerRef, void* userData) {
    auto* dialog = static_cast<DialogPtr>(userData);
    if (dialog->modalDepth == 0 || !dialog->filter || dialog->hit) return;
    EventRecord record;
    record.what = nullEvent;
    record.when = TickCount();
    record.modifiers = GetCurrentKeyModifiers();
    GetGlobalMouse(&record.where);
    SInt16 item = 0;
    if (dialog->filter(dialog, &record, &item) && item > 0) HitDialogItem(dialog, item);
}

} // namespace

void HitDialogItem(DialogPtr dialog, SInt16 item) {
    if (dialog->hit) return;
    dialog->hit = item;
    if (dialog->modalDepth > 0) QuitNestedEventLoop();
}

DialogPtr GetNewDialog(SInt16 dialogID, void* storage, WindowPtr behind) {
    DialogTemplate dlog;
    if (!ParseDialogTemplate(ResourceBytes(FourCC("DLOG"), dialogID), dlog)) return nullptr;
    auto* dialog = new OpaqueDialog;
    if (!ParseItemList(ResourceBytes(FourCC("DITL"), dlog.itemsID), dialog->items)) {
        delete dialog;
        return nullptr;
    }
    Str255 title;
    SetPString(title, dlog.title);
    Rect bounds = dlog.bounds;
    WindowClass windowClass = kModalWindowClass;
    if (dlog.procID % 16 == 0 || dlog.procID / 16 != 0) {
        windowClass = dlog.procID / 16 == 124 ? kFloatingWindowClass : kDocumentWindowClass;
    } else {
        bounds = PlaceOnMainScreen(bounds);
    }
    dialog->window = NewWindowOfClass(windowClass, &bounds, title, dlog.refCon);
    if (!dialog->window) {
        delete dialog;
        return nullptr;
    }
    gDialogsByWindow[dialog->window] = dialog;
    gLiveDialogs.insert(dialog);
    dialog->handler = InstallWindowEventHandler(dialog->window, DialogEventHandler, dialog);
    for (SInt16 item = 1; item <= CountDITL(dialog); ++item)
        MakeItemWidget(dialog, item);
    DrawDialog(dialog);
    if (dlog.visible) ShowWindow(dialog->window);
    return dialog;
}

void DisposeDialog(DialogPtr dialog) {
    if (!IsLiveDialog(dialog)) return;
    RemoveEventHandler(dialog->handler);
    gDialogsByWindow.erase(dialog->window);
    gLiveDialogs.erase(dialog);
    for (DialogItemRecord& r : dialog->items)
        delete r.widget;
    DisposeWindow(dialog->window);
    delete dialog;
    SetMemError(noErr);
}

WindowPtr GetDialogWindow(DialogPtr dialog) {
    return IsLiveDialog(dialog) ? dialog->window : nullptr;
}
CGrafPtr GetDialogPort(DialogPtr dialog) {
    return IsLiveDialog(dialog) ? GetWindowPort(dialog->window) : nullptr;
}

DialogPtr GetDialogFromWindow(WindowPtr window) {
    auto it = gDialogsByWindow.find(window);
    return it == gDialogsByWindow.end() ? nullptr : it->second;
}

SInt16 CountDITL(DialogPtr dialog) {
    return IsLiveDialog(dialog) ? SInt16(dialog->items.size()) : 0;
}

SInt16 GetDialogItemKind(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r ? r->kind : 0;
}

Rect GetDialogItemRect(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r ? r->rect : Rect{};
}

void SetDialogItemRect(DialogPtr dialog, SInt16 item, const Rect* rect) {
    if (DialogItemRecord* r = ItemOf(dialog, item)) {
        r->rect = *rect;
        SyncItemWidget(dialog, item);
    }
}

void GetDialogItemText(DialogPtr dialog, SInt16 item, StringPtr text) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    SetPString(text, r ? WidgetText(*r) : std::string());
}

void SetDialogItemText(DialogPtr dialog, SInt16 item, ConstStr255Param text) {
    DialogItemRecord* r = ItemOf(dialog, item);
    if (!r) return;
    r->text = std::string(PStringView(text));
    if (auto* field = qobject_cast<QLineEdit*>(r->widget))
        field->setText(QStringFromMacRoman(r->text));
    else if (r->widget)
        SyncItemWidget(dialog, item);
    else
        DrawDialog(dialog);
}

void SelectDialogItemText(DialogPtr dialog, SInt16 item, SInt16 start, SInt16 end) {
    DialogItemRecord* r = ItemOf(dialog, item);
    auto* field = r ? qobject_cast<QLineEdit*>(r->widget) : nullptr;
    if (!field) return;
    const int length = int(field->text().size());
    const int from = std::clamp(int(start), 0, length);
    const int to = std::clamp(int(end), from, length);
    field->setFocus();
    field->setSelection(from, to - from);
}

void GetDialogItemSelection(DialogPtr dialog, SInt16 item, SInt16* start, SInt16* end) {
    DialogItemRecord* r = ItemOf(dialog, item);
    auto* field = r ? qobject_cast<QLineEdit*>(r->widget) : nullptr;
    SInt16 from = 0, to = 0;
    if (field) {
        from = SInt16(field->hasSelectedText() ? field->selectionStart() : field->cursorPosition());
        to = SInt16(field->hasSelectedText() ? field->selectionEnd() : from);
    }
    if (start) *start = from;
    if (end) *end = to;
}

SInt16 GetDialogKeyboardFocusItem(DialogPtr dialog) {
    if (!dialog) return 0;
    for (size_t i = 0; i < dialog->items.size(); ++i)
        if (dialog->items[i].widget && dialog->items[i].widget->hasFocus()) return SInt16(i + 1);
    return 0;
}

namespace {

QLineEdit* FocusedField(DialogPtr dialog) {
    const SInt16 item = GetDialogKeyboardFocusItem(dialog);
    return item > 0 ? qobject_cast<QLineEdit*>(dialog->items[size_t(item - 1)].widget) : nullptr;
}

} // namespace

void DialogCut(DialogPtr dialog) {
    if (QLineEdit* field = IsLiveDialog(dialog) ? FocusedField(dialog) : nullptr) field->cut();
}

void DialogCopy(DialogPtr dialog) {
    if (QLineEdit* field = IsLiveDialog(dialog) ? FocusedField(dialog) : nullptr) field->copy();
}

SInt16 GetDialogItemValue(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r ? r->value : 0;
}

void SetDialogItemValue(DialogPtr dialog, SInt16 item, SInt16 value) {
    DialogItemRecord* r = ItemOf(dialog, item);
    if (!r) return;
    r->value = std::clamp(value, r->minimum, std::max(r->minimum, r->maximum));
    SyncItemWidget(dialog, item);
}

SInt16 GetDialogItemMinimum(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r ? r->minimum : 0;
}

SInt16 GetDialogItemMaximum(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r ? r->maximum : 0;
}

void SetDialogItemMinimum(DialogPtr dialog, SInt16 item, SInt16 minimum) {
    if (DialogItemRecord* r = ItemOf(dialog, item)) {
        r->minimum = minimum;
        SetDialogItemValue(dialog, item, r->value);
    }
}

void SetDialogItemMaximum(DialogPtr dialog, SInt16 item, SInt16 maximum) {
    if (DialogItemRecord* r = ItemOf(dialog, item)) {
        r->maximum = maximum;
        SetDialogItemValue(dialog, item, r->value);
    }
}

void HiliteDialogItem(DialogPtr dialog, SInt16 item, SInt16 hilite) {
    if (DialogItemRecord* r = ItemOf(dialog, item)) {
        r->hilite = hilite;
        SyncItemWidget(dialog, item);
    }
}

SInt16 GetDialogItemHilite(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r ? r->hilite : 0;
}

SInt32 GetDialogItemReference(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r ? r->reference : 0;
}

void SetDialogItemReference(DialogPtr dialog, SInt16 item, SInt32 reference) {
    if (DialogItemRecord* r = ItemOf(dialog, item)) r->reference = reference;
}

void HideDialogItem(DialogPtr dialog, SInt16 item) {
    if (DialogItemRecord* r = ItemOf(dialog, item); r && r->visible) {
        r->visible = false;
        r->widget ? SyncItemWidget(dialog, item) : DrawDialog(dialog);
    }
}

void ShowDialogItem(DialogPtr dialog, SInt16 item) {
    if (DialogItemRecord* r = ItemOf(dialog, item); r && !r->visible) {
        r->visible = true;
        r->widget ? SyncItemWidget(dialog, item) : DrawDialog(dialog);
    }
}

bool IsDialogItemVisible(DialogPtr dialog, SInt16 item) {
    const DialogItemRecord* r = ItemOf(dialog, item);
    return r && r->visible;
}

void SetDialogItemUserProc(DialogPtr dialog, SInt16 item, UserItemProc proc) {
    if (DialogItemRecord* r = ItemOf(dialog, item)) r->userProc = proc;
}

void SetDialogDefaultItem(DialogPtr dialog, SInt16 item) {
    if (!dialog) return;
    SInt16 old = dialog->defaultItem;
    dialog->defaultItem = item;
    if (ItemOf(dialog, old)) SyncItemWidget(dialog, old);
    if (ItemOf(dialog, item)) SyncItemWidget(dialog, item);
}

void SetDialogCancelItem(DialogPtr dialog, SInt16 item) {
    if (dialog) dialog->cancelItem = item;
}

SInt16 GetDialogCancelItem(DialogPtr dialog) {
    return IsLiveDialog(dialog) ? dialog->cancelItem : 0;
}

void DrawDialog(DialogPtr dialog) {
    if (!IsLiveDialog(dialog)) return;
    GrafPort* port = dialog->window->port;
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(port, nullptr);
    Rect bounds;
    GetPortBounds(port, &bounds);
    const RGBColor background{0xEEEE, 0xEEEE, 0xEEEE};
    RGBColor oldBack;
    GetBackColor(&oldBack);
    RGBBackColor(&background);
    EraseRect(&bounds);
    RGBBackColor(&oldBack);
    SetGWorld(savedPort, savedDevice);
    for (SInt16 item = 1; item <= CountDITL(dialog); ++item)
        DrawPortItem(dialog, item);
    QDFlushPortBuffer(port, nullptr);
}

void ModalDialog(ModalFilterProc filter, SInt16* itemHit) {
    DialogPtr dialog = GetDialogFromWindow(FrontWindow());
    if (!dialog) {
        // No dialog in front: look for the frontmost one at all.
        for (WindowPtr w = GetNextWindow(nullptr); w && !dialog; w = GetNextWindow(w))
            dialog = GetDialogFromWindow(w);
    }
    if (!dialog) {
        if (itemHit) *itemHit = 0;
        return;
    }
    ModalFilterProc savedFilter = dialog->filter;
    dialog->filter = filter;
    ++dialog->modalDepth;
    EventLoopTimerRef idle = nullptr;
    if (filter) InstallEventLoopTimer(2.0 / 60, 2.0 / 60, IdleTimerProc, dialog, &idle);
    while (!dialog->hit)
        RunNestedEventLoop();
    if (idle) RemoveEventLoopTimer(idle);
    --dialog->modalDepth;
    dialog->filter = savedFilter;
    if (itemHit) *itemHit = dialog->hit;
    dialog->hit = 0;
}

void PressDialogItem(DialogPtr dialog, SInt16 item) {
    if (dialog && ItemOf(dialog, item)) HitDialogItem(dialog, item);
}
