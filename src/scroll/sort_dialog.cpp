// The sort dialog: the unit, key and order choices beside a preview box that shows a sample text sorted
// as chosen, and, once the user says OK, the same box as the two-phase progress of the real sort, in which
// holding the mouse down stops the sorting phase.
#include "scroll/text_sorting.h"

#include "foundation/small_math.h"
#include "foundation/text_import.h"
#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"
#include "shell/shell_globals.h"
#include "textengine/style_scrap.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr SInt16 kSortDialogID = 219;
enum : SInt16 {
    kOkItem = 1,
    kCancelItem = 2,
    kFirstUnitItem = 3,
    kLastUnitItem = 6,
    kFirstKeyItem = 7,
    kLastKeyItem = 10,
    kFirstOrderItem = 11,
    kLastOrderItem = 12,
    kBoxItem = 13,
    kDontSortItem = 14,
    kRemoveDuplicatesItem = 15,
};
// A reference constant of the dialog's window at or above this names the preview; below it, progress.
constexpr SInt32 kPreviewShown = 202;
constexpr SInt16 kProgressTextSize = 16;
constexpr SInt16 kPreviewTextSize = 12;
constexpr ResType kSampleType = FourCC("TEXT");
constexpr SInt32 kMostFailedLoads = 200;

// The preview's text instance while the dialog shows it, and the style a plain sample is shown in.
WEReference gSortPreview = nullptr;
WEStyleRecord gPlainSampleStyle;

void SetRadioGroup(DialogPtr dialog, SInt16 first, SInt16 last, SInt16 chosen) {
    for (SInt16 item = first; item <= last; ++item)
        SetDialogItemValue(dialog, item, item == chosen ? 1 : 0);
}

void SetItemsFromSpec(DialogPtr dialog, const SortSpec& spec) {
    SetRadioGroup(dialog, kFirstUnitItem, kLastUnitItem, SInt16(kFirstUnitItem + spec.unit - 1));
    SetRadioGroup(dialog, kFirstKeyItem, kLastKeyItem, SInt16(kFirstKeyItem + spec.key - 1));
    SetRadioGroup(dialog, kFirstOrderItem, kLastOrderItem, SInt16(kFirstOrderItem + spec.order - 1));
    SetDialogItemValue(dialog, kDontSortItem, spec.dontSort ? 1 : 0);
    SetDialogItemValue(dialog, kRemoveDuplicatesItem, spec.removeDuplicates ? 1 : 0);
}

Rect InnerBox(DialogPtr dialog, SInt16 item) {
    Rect r = GetDialogItemRect(dialog, item);
    InsetRect(&r, 1, 1);
    return r;
}

// A new text instance over the box inset by 1, in the dialog's port.
WEReference GetSortWERef(DialogPtr dialog, SInt16 item) {
    const WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    TextFont(0);
    TextFace(0);
    TextSize(kPreviewTextSize);
    const RGBColor black{0, 0, 0};
    RGBForeColor(&black);
    const Rect inner = InnerBox(dialog, item);
    LongRect box;
    WERectToLongRect(&inner, &box);
    WEReference we = nullptr;
    if (WENew(&box, &box, 0, &we) != noErr) we = nullptr;
    if (we) {
        WEFeatureFlag(weFAutoScroll, 0, we);
        WEFeatureFlag(weFUndo, 0, we);
        WERunInfo info;
        WEGetRunInfo(0, &info, we);
        gPlainSampleStyle = info.style;
    }
    SetPortByReference(saved);
    return we;
}

// One run in the preview's own style, so that a plain sample never takes the style a styled one left.
Handle MakePlainSampleScrap() {
    Handle scrap = NewHandleClear(Size(2 + kStyleScrapElementSize));
    if (!scrap) return nullptr;
    const UInt16 count = 1;
    std::memcpy(*scrap, &count, 2);
    StyleScrapElement element;
    element.record = gPlainSampleStyle;
    element.record.style.extra = nullptr;
    WriteStyleScrapElement(reinterpret_cast<UInt8*>(*scrap) + 2, element);
    return scrap;
}

// Replaces the preview's text without drawing, the selection collapsed at the start.
void PutTextInSortWERef(Handle text, WEReference preview, Handle styles) {
    if (!preview) return;
    const SInt16 redraw = WEFeatureFlag(weFInhibitRedraw, 1, preview);
    WESetSelection(0, WEGetTextLength(preview), 0, preview);
    WEDelete(preview);
    if (text && GetHandleSize(text) > 0) {
        Handle plain = styles ? nullptr : MakePlainSampleScrap();
        HLock(text);
        WEInsert(*text, SInt32(GetHandleSize(text)), styles ? styles : plain, nullptr, preview, 0);
        HUnlock(text);
        if (plain) DisposeHandle(plain);
    }
    WESetSelection(0, 0, 0, preview);
    WECalText(preview);
    WEFeatureFlag(weFInhibitRedraw, redraw, preview);
}

void FlushBox(DialogPtr dialog) {
    QDFlushPortBuffer(GetDialogPort(dialog), nullptr);
}

void DrawCentred(const Rect& r, SInt16 baseline, const char* text) {
    Str255 s;
    SetPString(s, text);
    MoveTo(SInt16((r.left + r.right - StringWidth(s)) / 2), baseline);
    DrawString(s);
}

void DrawProgress(DialogPtr dialog, SInt16 item, SInt32 value) {
    const Rect inner = InnerBox(dialog, item);
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF}, black{0, 0, 0}, red{0xFFFF, 0, 0};
    RGBForeColor(&white);
    PaintRect(&inner);
    TextFont(0);
    TextFace(0);
    TextSize(kProgressTextSize);
    FontInfo font;
    GetFontInfo(&font);
    const SInt16 lineHeight = SInt16(font.ascent + font.descent + font.leading);
    const SInt16 middle = SInt16((inner.top + inner.bottom) / 2);
    const SInt16 width = SInt16(inner.right - inner.left);
    auto bar = [&](SInt16 top, SInt32 percent) {
        const SInt32 wide = std::min<SInt32>(width, SInt32(double(width) * double(percent) / 100.0));
        if (wide <= 0) return;
        const Rect r{top, inner.left, SInt16(top + lineHeight), SInt16(inner.left + wide)};
        RGBForeColor(&red);
        PaintRect(&r);
    };
    const SInt16 upperText = SInt16(inner.top + (middle - inner.top) / 2 - lineHeight / 2);
    RGBForeColor(&black);
    DrawCentred(inner, SInt16(upperText + font.ascent), "Sorting");
    bar(SInt16(upperText + lineHeight + 4), std::min<SInt32>(value, 100));
    const SInt16 lowerText = SInt16(middle + (inner.bottom - middle) / 2 - lineHeight / 2);
    RGBForeColor(&black);
    if (value < 100) {
        DrawCentred(inner, SInt16(lowerText + font.ascent), "Click-hold here to stop");
    } else {
        DrawCentred(inner, SInt16(lowerText + font.ascent), "Assembling sorted text");
        bar(SInt16(lowerText + lineHeight + 4), value - 100);
    }
}

void ShowSortProgress(DialogPtr dialog, SInt16 item, SInt16 value) {
    SetWRefCon(GetDialogWindow(dialog), value);
    DrawSortBox(dialog, item);
}

struct DialogProgress {
    DialogPtr dialog;
    SInt16 item;
};

void ShowInDialog(void* data, SInt16 value) {
    const auto* progress = static_cast<DialogProgress*>(data);
    ShowSortProgress(progress->dialog, progress->item, value);
}

// The mouse held down inside the box stops the sorting phase.
bool MouseHeldInBox(void* data) {
    const auto* progress = static_cast<DialogProgress*>(data);
    ProcessPendingEvents();
    if (!Button()) return false;
    const WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(progress->dialog);
    Point mouse;
    GetMouse(&mouse);
    SetPortByReference(saved);
    const Rect box = GetDialogItemRect(progress->dialog, progress->item);
    return PtInRect(mouse, &box);
}

void SortAndUpdateSortBox(DialogPtr dialog, SInt16 item, const SortSpec& spec, Handle sample,
                          WEReference preview, Handle sampleStyles) {
    if (!preview) return;
    PutTextInSortWERef(sample, preview, sampleStyles);
    if (sample) SortWholeText(spec, sample, preview, nullptr);
    WESetSelection(0, 0, 0, preview);
    const Rect inner = InnerBox(dialog, item);
    InvalWindowRect(GetDialogWindow(dialog), &inner);
    WECalText(preview);
    DrawSortBox(dialog, item);
}

void DisposeSample(Handle* sample, Handle* styles) {
    if (*sample) DisposeHandle(*sample);
    if (*styles) DisposeHandle(*styles);
    *sample = *styles = nullptr;
}

} // namespace

void DrawSortBox(DialogPtr dialog, SInt16 item) {
    if (!dialog) return;
    const WindowReference saved = GetPortReference();
    GetDialogRefandSetPort(dialog);
    const Rect box = GetDialogItemRect(dialog, item);
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF}, black{0, 0, 0};
    RGBBackColor(&white);
    EraseRect(&box);
    RGBForeColor(&black);
    FrameRect(&box);
    const SInt32 shown = GetWRefCon(GetDialogWindow(dialog));
    if (shown >= kPreviewShown) {
        if (gSortPreview) WEUpdate(nullptr, gSortPreview);
    } else {
        DrawProgress(dialog, item, shown);
    }
    FlushBox(dialog);
    SetPortByReference(saved);
}

Handle GetSortText(Handle* outStyles, SInt16 first, SInt16 count) {
    static SInt32 previous = -1;
    if (outStyles) *outStyles = nullptr;
    if (count <= 0) return nullptr;
    Handle text = nullptr;
    for (SInt32 failures = 0; failures < kMostFailedLoads;) {
        const SInt32 id = first + rnd(count);
        // With one sample there is nothing else to take.
        if (id == previous && count > 1) continue;
        text = GetResource(kSampleType, ResID(id));
        if (!text) {
            ++failures;
            continue;
        }
        previous = id;
        break;
    }
    if (!text) return nullptr;
    DetachResource(text);
    SInt32 length = SInt32(GetHandleSize(text));
    Str255 name;
    SetPString(name, "text.rtf");
    Handle styles = nullptr;
    HLock(text);
    ProcessText(*text, &length, name, &styles);
    HUnlock(text);
    SetHandleSize(text, length);
    if (outStyles)
        *outStyles = styles;
    else if (styles)
        DisposeHandle(styles);
    return text;
}

DialogPtr DoSortDialog(SortSpec* spec, SInt16* outItem) {
    if (outItem) *outItem = 0;
    if (!spec) return nullptr;
    const WindowReference saved = GetPortReference();
    DialogPtr dialog = GetNewDialog(kSortDialogID, nullptr, kFirstWindowOfClass);
    if (!dialog) {
        SetPortByReference(saved);
        return nullptr;
    }
    SetDialogItemUserProc(dialog, kBoxItem, DrawSortBox);
    SetDialogDefaultItem(dialog, kOkItem);
    SetDialogCancelItem(dialog, kCancelItem);
    Handle styles = nullptr;
    Handle sample = GetSortText(&styles);
    gSortPreview = GetSortWERef(dialog, kBoxItem);
    SetWRefCon(GetDialogWindow(dialog), kPreviewShown);
    ShowWindow(GetDialogWindow(dialog));
    SelectWindow(GetDialogWindow(dialog));
    SetItemsFromSpec(dialog, *spec);
    SortAndUpdateSortBox(dialog, kBoxItem, *spec, sample, gSortPreview, styles);
    ++gInModal;
    SInt16 item = 0;
    while (item != kOkItem && item != kCancelItem) {
        ModalDialog(nullptr, &item);
        if (item >= kFirstUnitItem && item <= kLastUnitItem) {
            spec->unit = UInt16(item - kFirstUnitItem + 1);
        } else if (item >= kFirstKeyItem && item <= kLastKeyItem) {
            spec->key = UInt16(item - kFirstKeyItem + 1);
        } else if (item >= kFirstOrderItem && item <= kLastOrderItem) {
            spec->order = UInt16(item - kFirstOrderItem + 1);
        } else if (item == kDontSortItem) {
            spec->dontSort = spec->dontSort ? 0 : 1;
        } else if (item == kRemoveDuplicatesItem) {
            spec->removeDuplicates = spec->removeDuplicates ? 0 : 1;
        } else if (item == kBoxItem) {
            DisposeSample(&sample, &styles);
            sample = GetSortText(&styles);
        } else {
            continue;
        }
        SetItemsFromSpec(dialog, *spec);
        SortAndUpdateSortBox(dialog, kBoxItem, *spec, sample, gSortPreview, styles);
    }
    --gInModal;
    DisposeSample(&sample, &styles);
    if (gSortPreview) WEDispose(gSortPreview);
    gSortPreview = nullptr;
    if (item == kCancelItem) {
        DisposeDialog(dialog);
        SetPortByReference(saved);
        return nullptr;
    }
    ShowSortProgress(dialog, kBoxItem, 0);
    if (outItem) *outItem = kBoxItem;
    SetPortByReference(saved);
    return dialog;
}

SInt16 DoASort(const SortSpec& spec, SInt16 /*kind*/, Handle text, WEReference target,
               DialogPtr progressDialog, SInt16 boxItem) {
    if (!progressDialog) return SortWholeText(spec, text, target, nullptr);
    DialogProgress state{progressDialog, boxItem};
    const SortProgress progress{ShowInDialog, MouseHeldInBox, &state};
    return SortWholeText(spec, text, target, &progress);
}
