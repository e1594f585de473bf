// Modal dialog filters: the standard keys, the per-dialog key tables and the modal loop they run in.
// Key tables are read from their stored big-endian bytes on every use and never changed in place, so a
// table reloaded into a reused handle is read the same as the first time.
#include "foundation/dialog_filters.h"

#include "foundation/dialog_items.h"
#include "foundation/error_dialog.h"
#include "foundation/my_delay.h"
#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "shell/startup.h"
#include "textengine/pasteboard.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <utility>

DialogPtr gCurDialog = nullptr;

namespace {

constexpr UInt32 kFlashTicks = 8;

bool IsEnabledItem(DialogPtr dialog, SInt16 item) {
    return item > 0 && item <= CountDITL(dialog) && !(GetDialogItemKind(dialog, item) & itemDisable);
}

void FlashIfButton(DialogPtr dialog, SInt16 item) {
    if ((GetDialogItemKind(dialog, item) & ~itemDisable) != ctrlItem + btnCtrl) return;
    HiliteDialogItem(dialog, item, kControlButtonPart);
    MyDelay(kFlashTicks, nullptr);
    HiliteDialogItem(dialog, item, 0);
}

bool IsKeyEvent(const EventRecord* event) {
    return event->what == keyDown || event->what == autoKey;
}

// Damaged key tables already reported, by ID and content: each is reported once a run.
std::set<std::pair<SInt16, size_t>> gReportedTables;

// The filter a movable-modal loop was given, for the filter that wraps it.
ModalFilterProc gLoopFilter = nullptr;

// Set while a filter runs: a button flash waits with events flowing, and what arrives then must not
// reach the filter a second time (a key would choose twice).
bool gInFilter = false;

bool LoopFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit) {
    *itemHit = 0;
    if (gInFilter) return event->what != nullEvent;
    stopEvent = *event;
    gCurDialog = dialog;
    gInFilter = true;
    const bool handled = (gLoopFilter ? gLoopFilter : ProgramFilter)(dialog, event, itemHit);
    gInFilter = false;
    // A filter that names an item ends the loop with it; one that only consumed the event goes on. An
    // item left behind by a filter that did not take the event (a disabled one) chooses nothing.
    sFiltered = handled && *itemHit != 0;
    return handled;
}

// A clipboard without text (empty, or a picture only) leaves the field as it was.
void PasteIntoItem(DialogPtr dialog, SInt16 item) {
    Handle text = nullptr;
    if (_WEGetScrapHandle(FourCC("TEXT"), &text, 0, nullptr, 1) != noErr || !text) return;
    if (GetHandleSize(text) == 0) return DisposeHandle(text);
    const Size size = std::min<Size>(GetHandleSize(text), 254);
    Str255 value;
    value[0] = UInt8(size);
    std::copy_n(reinterpret_cast<const UInt8*>(*text), size, value + 1);
    SetDText(dialog, item, value, true);
    DisposeHandle(text);
}

} // namespace

bool ParseCommandKeyTable(std::span<const UInt8> bytes, std::vector<CommandKeyEntry>& out) {
    out.clear();
    if (bytes.empty() || bytes.size() % 8 != 0) return false;
    for (size_t at = 0; at + 8 <= bytes.size(); at += 8) {
        const UInt8* p = bytes.data() + at;
        out.push_back({ReadBE16(p), ReadBE16(p + 2), SInt16(ReadBE16(p + 4)), SInt16(ReadBE16(p + 6))});
    }
    return true;
}

SInt16 MatchCommandKey(DialogPtr dialog, const std::vector<CommandKeyEntry>& table, const EventRecord& event,
                       bool* enabled) {
    const SInt16 ch = SInt16(SInt8(UInt8(event.message & charCodeMask)));
    const UInt16 mods = UInt16(event.modifiers >> 8);
    SInt16 item = 0;
    *enabled = false;
    for (const CommandKeyEntry& entry : table) {
        if ((mods & entry.mask) != entry.modifiers || entry.character != ch) continue;
        item = entry.item;
        if (IsEnabledItem(dialog, item)) {
            *enabled = true;
            FlashIfButton(dialog, item);
        }
    }
    return item;
}

bool StandardFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit) {
    if (!dialog || !IsKeyEvent(event)) return false;
    const UInt8 ch = UInt8(event->message & charCodeMask);
    const bool cmd = (event->modifiers & cmdKey) != 0;
    if (cmd && (ch == 'x' || ch == 'c' || ch == 'v')) {
        *itemHit = GetDialogKeyboardFocusItem(dialog);
        if (ch == 'x' || ch == 'c') {
            if (ch == 'x')
                DialogCut(dialog);
            else
                DialogCopy(dialog);
            scrapDirty = *itemHit > 0;
            if (ch == 'c') *itemHit = 0;
        } else if (*itemHit > 0) {
            PasteIntoItem(dialog, *itemHit);
        }
        if (IsEnabledItem(dialog, *itemHit)) return true;
        event->what = nullEvent; // the key is spent: the dialog must not type it
        return false;
    }
    SInt16 chosen;
    if (ch == kReturnCharCode || ch == kEnterCharCode)
        chosen = kStdOkItemIndex;
    else if ((cmd && ch == '.') || ch == kEscapeCharCode)
        chosen = GetDialogCancelItem(dialog) > 0 ? GetDialogCancelItem(dialog) : SInt16(kStdCancelItemIndex);
    else
        return false;
    *itemHit = chosen;
    if (!IsEnabledItem(dialog, chosen)) return false;
    FlashIfButton(dialog, chosen);
    return true;
}

bool FilterModeless(DialogPtr dialog, EventRecord* event, SInt16* itemHit) {
    if (!dialog) return false;
    if (event->what == keyDown) {
        if ((event->message & charCodeMask) == kReturnCharCode) {
            *itemHit = kStdOkItemIndex;
            return true;
        }
        if (event->modifiers & cmdKey) {
            *itemHit = -1;
            return true;
        }
    }
    return StandardFilter(dialog, event, itemHit);
}

bool SpecialFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit) {
    if (!dialog || !IsKeyEvent(event)) return false;
    const SInt16 id = SInt16(GetWRefCon(GetDialogWindow(dialog)));
    Handle h = GetResource(FourCC("Cmd#"), id);
    if (!h) return false;
    std::vector<CommandKeyEntry> table;
    const std::span<const UInt8> bytes{reinterpret_cast<const UInt8*>(*h), size_t(GetHandleSize(h))};
    if (!ParseCommandKeyTable(bytes, table)) {
        const size_t content =
            std::hash<std::string_view>{}({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
        if (gReportedTables.insert({id, content}).second)
            DoErrorMessageText("The key table of dialog " + std::to_string(id) +
                               " is damaged and is not used");
        return false;
    }
    bool enabled = false;
    const SInt16 item = MatchCommandKey(dialog, table, *event, &enabled);
    if (item != 0) *itemHit = item;
    return enabled;
}

bool ProgramFilter(DialogPtr dialog, EventRecord* event, SInt16* itemHit) {
    return SpecialFilter(dialog, event, itemHit) || StandardFilter(dialog, event, itemHit);
}

void SetMessageButton(DialogPtr dialog, SInt16 item) {
    SetDialogDefaultItem(dialog, item);
    SetDialogCancelItem(dialog, item);
}

void MovableDialog(ModalFilterProc filter, SInt16* itemHit) {
    gInMovableModal = true;
    const ModalFilterProc outer = gLoopFilter;
    gLoopFilter = filter;
    sFiltered = false;
    SInt16 item = 0;
    ModalDialog(LoopFilter, &item);
    gLoopFilter = outer;
    gInMovableModal = false;
    if (itemHit) *itemHit = item;
}
