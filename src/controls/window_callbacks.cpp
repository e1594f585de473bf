// Per-window callbacks of the control layer, registered by the windows, and the questions of which
// dialog, regions, offsets and slider scale belong to a window.
#include "controls/window_callbacks.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "macros/macro_windows.h"
#include "media/media_windows.h"
#include "platform/clock.h"
#include "texttools/text_tool_windows.h"

#include <map>

namespace {

constexpr WindowReference kHelpReference = 13;
constexpr WindowReference kPaletteReference = 14;
constexpr WindowReference kRecordReference = 18;
constexpr WindowReference kMandalaReference = 24;
constexpr WindowReference kOverlayReference = 26;

MyWindowCallbacks gCallbacks[kLastWindowReference + 1];
std::map<SInt32, MyStripEntryDrawer> gStripDrawers;

const MyWindowCallbacks* CallbacksFor(SInt32 reference) {
    if (reference < kFirstWindowReference || reference > kLastWindowReference) return nullptr;
    return &gCallbacks[reference];
}

// The window's reference among the program's windows; 0 when it is none of them.
WindowReference ReferenceOfWindow(WindowRef window) {
    if (!window) return kNoWindowReference;
    for (WindowReference r = kFirstWindowReference; r <= kLastWindowReference; ++r)
        if (GetWindowByReference(r, true) == window) return r;
    return kNoWindowReference;
}

MyDialogHandle DialogOfReference(WindowReference reference) {
    switch (reference) {
    case 11:
        return gFindReplaceDialog;
    case kHelpReference:
        return myHelpWidgets;
    case kPaletteReference:
        return gFormatPalDialog;
    case 15:
        return gFindStyleDialog;
    case kRecordReference:
        return gRecordDialog;
    case 21:
        return gCommandDialog;
    case 23:
        return gHypertextDialog;
    case kMandalaReference:
        return gSpirographDialog;
    case 25:
        return gSearchDictDialog;
    case kOverlayReference:
        return gOverlayDialog;
    default:
        return nullptr;
    }
}

} // namespace

void SetMyWindowCallbacks(WindowReference reference, const MyWindowCallbacks& callbacks) {
    if (reference >= kFirstWindowReference && reference <= kLastWindowReference)
        gCallbacks[reference] = callbacks;
}

void ClearMyWindowCallbacks(WindowReference reference) {
    SetMyWindowCallbacks(reference, MyWindowCallbacks{});
}

void SetMyStripEntryDrawer(SInt32 stripID, MyStripEntryDrawer drawer) {
    if (drawer)
        gStripDrawers[stripID] = drawer;
    else
        gStripDrawers.erase(stripID);
}

void SendKeypressToWindow(WindowRef window, UInt8 character, UInt16 modifiers) {
    const WindowReference reference = ReferenceOfWindow(window);
    const MyWindowCallbacks* callbacks = CallbacksFor(reference);
    if (!callbacks || !callbacks->key) return;
    EventRecord event;
    event.what = keyDown;
    event.message = UInt32(SInt32(SInt8(character)));
    event.when = TickCount();
    event.where = Point{};
    event.modifiers = modifiers;
    callbacks->key(&event, reference, DialogOfReference(reference), 0);
}

void CommitMyEditControl(MyDialogHandle dialog, SInt16 item) {
    if (!dialog) return;
    const MyWindowCallbacks* callbacks = CallbacksFor(dialog->windowReference);
    if (!callbacks || !callbacks->commit) return;
    MyDialogLock lock(dialog);
    callbacks->commit(dialog, item);
}

void DrawMyUserItemCallback(WindowReference reference, MyDialogHandle, MyControlItem* record, bool pressed,
                            const Rect* rect) {
    const MyWindowCallbacks* callbacks = CallbacksFor(reference);
    if (callbacks && callbacks->userItem) callbacks->userItem(record, pressed, rect);
}

void DrawMyScrollingItemCallback(SInt32 stripID, SInt16 entry, const Rect* cell, bool selected) {
    const auto found = gStripDrawers.find(stripID);
    if (found == gStripDrawers.end() || !cell) return;
    found->second(entry, cell, selected);
    static const RGBColor kRed{0xDD6B, 0x08C2, 0x06A2};
    static const RGBColor kBlack{0, 0, 0};
    RGBForeColor(selected ? &kRed : &kBlack);
    FrameRect(cell);
    RGBForeColor(&kBlack);
}

bool ScrollMyWindowContent(MyDialogHandle dialog, SInt16 item, SInt32 value) {
    if (!dialog) return false;
    const MyWindowCallbacks* callbacks = CallbacksFor(dialog->windowReference);
    return callbacks && callbacks->scroll && callbacks->scroll(dialog, item, value);
}

WindowReference GetWindowIDFromWindow(WindowRef window) {
    if (!window) return 1;
    if (window == mySpirographWindow) return kMandalaReference;
    if (window == myFormatPalWindow) return kPaletteReference;
    if (window == myRecordWindow) return kRecordReference;
    if (window == myHelpWindow) return kHelpReference;
    if (window == myOverlayWindow) return kOverlayReference;
    return 1;
}

MyDialogHandle GetDialogControlsPerWindow(WindowRef window) {
    const WindowReference reference = GetWindowIDFromWindow(window);
    return reference == 1 ? nullptr : DialogOfReference(reference);
}

void GetMyControlRectbyWindowandID(WindowRef window, SInt16 item, Rect* rect) {
    MyDialogHandle dialog = GetDialogControlsPerWindow(window);
    if (!rect || !dialog) return;
    MyDialogLock lock(dialog);
    if (const MyControlItem* record = ControlFromItemNum(dialog, item)) *rect = record->rect;
}

void GetWindowRegionsByWinID(WindowReference reference, RgnHandle* bounds, RgnHandle* inner) {
    MyDialogHandle dialog = reference == kPaletteReference ? gFormatPalDialog : nullptr;
    if (bounds) *bounds = dialog ? dialog->boundsRgn : nullptr;
    if (inner) *inner = dialog ? dialog->innerRgn : nullptr;
}

void GetWindowRegionsByWindow(WindowRef window, RgnHandle* bounds, RgnHandle* inner) {
    MyDialogHandle dialog = nullptr;
    if (window && window == myFormatPalWindow) dialog = gFormatPalDialog;
    if (window && window == myRecordWindow) dialog = gRecordDialog;
    if (bounds) *bounds = dialog ? dialog->boundsRgn : nullptr;
    if (inner) *inner = dialog ? dialog->innerRgn : nullptr;
}

void GetWindowOffsetsByWinID(WindowReference reference, SInt16* h, SInt16* v) {
    MyDialogHandle dialog = reference == kPaletteReference ? gFormatPalDialog : nullptr;
    if (h) *h = dialog ? dialog->contentOffsetH : 0;
    if (v) *v = dialog ? dialog->contentOffsetV : 0;
}

double GetSliderFactorByWindowandID(WindowRef window, SInt16 item, double* minimum, double* maximum) {
    MyDialogHandle dialog = nullptr;
    if (window && window == mySpirographWindow) dialog = gSpirographDialog;
    if (window && window == myOverlayWindow) dialog = gOverlayDialog;
    double low = 0.0, high = 100.0, factor = 1.0;
    if (dialog) {
        MyDialogLock lock(dialog);
        if (const MyControlItem* record = ControlFromItemNum(dialog, item)) {
            low = record->minimum;
            high = record->maximum;
            const int width = RectWidth(record->rect) - 20;
            factor = width > 0 ? (high - low) / width : 0.0;
        }
    }
    if (minimum) *minimum = low;
    if (maximum) *maximum = high;
    return factor;
}
