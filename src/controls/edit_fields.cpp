// Edit fields on the program's text engine: their text and numbers, the keyboard focus, Tab between
// fields, the caret, the clipboard, and the check of numeric entries when a field is committed.
#include "controls/edit_fields.h"

#include "controls/control_drawing.h"
#include "controls/control_focus.h"
#include "controls/scroll_controls.h"
#include "controls/window_callbacks.h"
#include "foundation/error_dialog.h"
#include "foundation/number_text.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

SInt16 gLastFindReplaceFocusID = 0;
SInt16 gLastFormatPalFocusID = 0;
SInt16 gLastRecordWinFocusID = 0;
SInt16 gLastCommandWinFocusID = 0;
SInt16 gLastHypertextWinFocusID = 0;
SInt16 gLastSpirographFocusID = 0;
SInt16 gLastOverlayFocusID = 0;
SInt16 gLastSearchDictFocusID = 0;

namespace {

constexpr SInt16 kFieldFont = 4;
constexpr SInt16 kFieldTextSize = 10;
constexpr SInt32 kWholeText = 0x7FFFFFFF;
constexpr size_t kLongestNumberText = 254;

bool IsEditKind(UInt16 kind) {
    kind &= kMyKindMask;
    return kind == kMyEditText || kind == kMyScrollingEditText;
}

WEReference TextOf(const MyControlItem* record) {
    return record && IsEditKind(record->kind) ? static_cast<WEReference>(record->object) : nullptr;
}

// The port of the text made current for the time the guard lives.
class TextPort {
  public:
    explicit TextPort(WindowRef window) {
        GetGWorld(&savedPort_, &savedDevice_);
        if (window) SetGWorld(GetWindowPort(window), nullptr);
    }
    ~TextPort() { SetGWorld(savedPort_, savedDevice_); }
    TextPort(const TextPort&) = delete;
    TextPort& operator=(const TextPort&) = delete;

  private:
    CGrafPtr savedPort_ = nullptr;
    GDHandle savedDevice_ = nullptr;
};

// Where the field's text lies: its place with the content offset, inside the frame, less the bar.
Rect TextPlace(MyDialogHandle dialog, const MyControlItem* record) {
    Rect place = (record->flags & kMyFlagExpanded) ? record->rect : record->collapseRect;
    if (dialog) {
        const Point offset = MyControlOffset(dialog, record);
        OffsetRect(&place, offset.h, offset.v);
    }
    InsetRect(&place, 1, 1);
    if ((record->kind & kMyKindMask) == kMyScrollingEditText) place.right = SInt16(place.right - 9);
    return place;
}

void SetLastFocus(SInt32 reference, SInt16 item) {
    switch (reference) {
    case 11:
        gLastFindReplaceFocusID = item;
        break;
    case 14:
        gLastFormatPalFocusID = item;
        break;
    case 18:
        gLastRecordWinFocusID = item;
        break;
    case 21:
        gLastCommandWinFocusID = item;
        break;
    case 23:
        gLastHypertextWinFocusID = item;
        break;
    case 24:
        gLastSpirographFocusID = item;
        break;
    case 25:
        gLastSearchDictFocusID = item;
        break;
    case 26:
        gLastOverlayFocusID = item;
        break;
    default:
        break;
    }
}

UInt32 ScrollKey(MyDialogHandle dialog, const MyControlItem* record) {
    return UInt32(UInt16(dialog->windowReference)) << 16 | UInt16(record->itemNumber);
}

// A scrolling field tells its bar where its text stands after every change that can move it.
void ReportScroll(MyDialogHandle dialog, const MyControlItem* record) {
    WEReference text = TextOf(record);
    if (!dialog || !text || (record->kind & kMyKindMask) != kMyScrollingEditText) return;
    LongRect view, dest;
    WEGetViewRect(&view, text);
    WEGetDestRect(&dest, text);
    const SInt32 height = WEGetHeight(0, 0x7FFFFFFF, text);
    const SInt32 maximum = std::max<SInt32>(0, height - (view.bottom - view.top));
    MyTXNScrollInfoProc(std::clamp<SInt32>(view.top - dest.top, 0, maximum), maximum, 0,
                        ScrollKey(dialog, record));
}

std::string FieldText(const MyControlItem* record) {
    WEReference text = TextOf(record);
    if (!text) return {};
    Handle h = WEGetText(text);
    const SInt32 length = WEGetTextLength(text);
    if (!h || length <= 0) return {};
    return std::string(reinterpret_cast<const char*>(*h), size_t(length));
}

void ReplaceText(MyDialogHandle dialog, MyControlItem* record, const void* bytes, SInt32 length, SInt32 start,
                 SInt32 count, UInt16 kind) {
    if (!record || !IsEditKind(record->kind)) return;
    if (!record->object) {
        WEReference made = nullptr;
        if (MyCreateTextObject(nullptr, record->window, &made, kind) != noErr || !made) return;
        record->object = made;
        PlaceMyEditText(record, TextPlace(dialog, record));
        if ((kind & kMyKindMask) == kMyScrollingEditText && dialog)
            RegisterMyTextObject(ScrollKey(dialog, record), dialog->windowReference, dialog,
                                 UInt32(record->itemNumber));
    }
    if (record->flags & kMyFlagInactive) return;
    WEReference text = TextOf(record);
    TextPort port(record->window);
    const SInt32 total = WEGetTextLength(text);
    start = std::clamp<SInt32>(start, 0, total);
    const SInt32 end = count >= total - start ? total : start + std::max<SInt32>(count, 0);
    WESetSelection(start, end, 0, text);
    if (end > start) WEDelete(text);
    if (length > 0 && bytes) WEInsert(bytes, length, nullptr, nullptr, text, 0);
    WESetSelection(0, 0, 0, text);
    if (dialog) DrawAMyDialogButton(dialog->windowReference, dialog, record, false, false);
    ReportScroll(dialog, record);
}

std::string RangeText(SInt32 minimum, SInt32 maximum) {
    return "enter a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum);
}

// Reads a whole number from the field's text: spaces around it allowed, a fraction cut off.
enum class NumberRead { kOk, kEmpty, kNotANumber };
NumberRead ReadWholeNumber(std::string text, long long* number) {
    if (text.size() > kLongestNumberText) text.resize(kLongestNumberText);
    size_t first = 0, last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t'))
        --last;
    text = text.substr(first, last - first);
    if (text.empty()) return NumberRead::kEmpty;
    size_t at = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+') at = 1;
    const size_t digitsStart = at;
    long long value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = std::min<long long>(value * 10 + (text[at] - '0'), 1LL << 40);
        ++at;
    }
    if (at == digitsStart) return NumberRead::kNotANumber;
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
    }
    if (at != text.size()) return NumberRead::kNotANumber;
    *number = negative ? -value : value;
    return NumberRead::kOk;
}

// Hands the field to its window, after checking a numeric one; a refused entry is not handed on.
void CommitField(MyDialogHandle dialog, MyControlItem* record) {
    if (record->flags & kMyFlagNumericField) {
        SInt32 number = 0;
        if (!CheckMyNumericField(dialog->windowReference, dialog, record->itemNumber, &number)) return;
    }
    CommitMyEditControl(dialog, record->itemNumber);
}

} // namespace

WEReference GetMyControlTXNObject(WindowReference, const MyControlItem* record) {
    return TextOf(record);
}

OSErr MyCreateTextObject(const Rect* rect, WindowRef window, WEReference* object, UInt16 kind) {
    if (!object || !window) return paramErr;
    TextPort port(window);
    TextFont(kFieldFont);
    TextSize(kFieldTextSize);
    TextFace(0);
    const Rect r = rect ? *rect : Rect{};
    const LongRect view{r.top, r.left, r.bottom, r.right};
    LongRect dest = view;
    dest.bottom = dest.top + 2000;
    UInt32 features = (1u << weFAutoScroll) | (1u << weFUndo);
    if ((kind & kMyKindMask) == kMyScrollingEditText) features |= 1u << weFMonoStyled;
    return WENew(&dest, &view, features, object);
}

void DisposeMyEditText(MyControlItem* record) {
    if (!record || !IsEditKind(record->kind) || !record->object) return;
    if (gHasfocus == record) {
        gHasfocus = nullptr;
        gHasfocusDialog = nullptr;
    }
    WEDispose(static_cast<WEReference>(record->object));
    record->object = nullptr;
}

void PlaceMyEditText(MyControlItem* record, const Rect& r) {
    WEReference text = TextOf(record);
    if (!text) return;
    const LongRect view{r.top, r.left, r.bottom, r.right};
    LongRect dest = view;
    dest.bottom = dest.top + 2000;
    WESetViewRect(&view, text);
    WESetDestRect(&dest, text);
    WECalText(text);
}

void DrawMyEditText(MyControlItem* record, const Rect&) {
    if (WEReference text = TextOf(record)) WEUpdate(nullptr, text);
}

void SetMyControlEditText(WindowReference, MyDialogHandle dialog, SInt16 item, const void* text,
                          SInt32 length, UInt16 kind) {
    MyDialogLock lock(dialog);
    ReplaceText(dialog, ControlFromItemNum(dialog, item), text, length, 0, kWholeText, kind);
}

void ReplaceMyControlEditText(WindowReference, MyDialogHandle dialog, SInt16 item, const void* text,
                              SInt32 length, SInt32 start, SInt32 count, UInt16 kind) {
    MyDialogLock lock(dialog);
    ReplaceText(dialog, ControlFromItemNum(dialog, item), text, length, start, count, kind);
}

void SetMyControlEditNum(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 number,
                         UInt16 kind) {
    const std::string text = std::to_string(number);
    SetMyControlEditText(reference, dialog, item, text.data(), SInt32(text.size()), kind);
}

void SetMyControlEditFixed(WindowReference reference, MyDialogHandle dialog, SInt16 item, Fixed number,
                           UInt16 kind) {
    Str255 text;
    FixedToString(number, text, 3);
    SetMyControlEditText(reference, dialog, item, text + 1, text[0], kind);
}

void SetMyControlEditDouble(WindowReference reference, MyDialogHandle dialog, SInt16 item, double number,
                            UInt16 kind) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", number);
    std::string text = buffer;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    SetMyControlEditText(reference, dialog, item, text.data(), SInt32(text.size()), kind);
}

OSErr GetMyControlEditText(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32 start, SInt32 end,
                           char* buffer, SInt32* length, SInt32* total) {
    MyDialogLock lock(dialog);
    const MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!TextOf(record)) return paramErr;
    const std::string all = FieldText(record);
    const SInt32 size = SInt32(all.size());
    start = std::clamp<SInt32>(start, 0, size);
    end = std::clamp<SInt32>(end, start, size);
    const SInt32 n = end - start;
    if (total) *total = n;
    const SInt32 capacity = length ? *length : n;
    const SInt32 copied = std::min(capacity, n);
    if (buffer && copied > 0) std::copy(all.begin() + start, all.begin() + start + copied, buffer);
    if (length) *length = std::max<SInt32>(copied, 0);
    return noErr;
}

OSErr GetMyControlEditNum(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                          SInt32 end, SInt32* number) {
    char buffer[kLongestNumberText];
    SInt32 length = SInt32(sizeof buffer), total = 0;
    const OSErr err = GetMyControlEditText(reference, dialog, item, start, end, buffer, &length, &total);
    if (!number) return err;
    *number = 0;
    if (err != noErr) return err;
    std::string text(buffer, size_t(length));
    text = text.substr(0, text.find('.'));
    long long value = 0;
    if (ReadWholeNumber(text, &value) == NumberRead::kOk)
        *number = SInt32(std::clamp<long long>(value, -2147483647LL - 1, 2147483647LL));
    return err;
}

OSErr GetMyControlEditFixed(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                            SInt32 end, Fixed* number) {
    Str255 text;
    SInt32 length = SInt32(kLongestNumberText), total = 0;
    const OSErr err = GetMyControlEditText(reference, dialog, item, start, end,
                                           reinterpret_cast<char*>(text + 1), &length, &total);
    if (!number) return err;
    *number = 0;
    if (err != noErr) return err;
    text[0] = UInt8(length);
    FixedToNum(text, number);
    return err;
}

Handle GetNewTextHandleFromEditControl(Handle old, WindowReference, MyDialogHandle dialog, SInt16 item) {
    MyDialogLock lock(dialog);
    const MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!TextOf(record)) return old;
    // The whole text, however long: a field's text is never cut short on the way out.
    const std::string all = FieldText(record);
    Handle text = NewHandle(Size(all.size()));
    if (!text) return old;
    if (!all.empty()) std::copy(all.begin(), all.end(), reinterpret_cast<char*>(*text));
    if (old) DisposeHandle(old);
    return text;
}

void MyTXNScrollInfoProc(SInt32 value, SInt32 maximum, SInt16, UInt32 key) {
    const SInt16 entry = FindMyTextObject(key);
    if (entry < 0) return;
    const TextControlReg& reg = gTextControlRegVals[entry];
    MyDialogLock lock(reg.dialog);
    MyControlItem* record = ControlFromItemNum(reg.dialog, SInt16(reg.item));
    if (!record || !record->scrollBar) return;
    MyScrollControl* bar = record->scrollBar;
    bar->maximum = double(maximum);
    bar->value = double(value);
    RecalMyScrollControl(bar, true, kScrollBarNormal, TextOf(record));
}

OSErr GetMyControlEditKey(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                          SInt32 end, OSType* key) {
    char buffer[4] = {' ', ' ', ' ', ' '};
    SInt32 length = 4, total = 0;
    const OSErr err = GetMyControlEditText(reference, dialog, item, start, end, buffer, &length, &total);
    if (!key) return err;
    if (err != noErr) {
        *key = 0x78787878; // 'xxxx'
        return err;
    }
    *key = OSType(UInt8(buffer[0])) << 24 | OSType(UInt8(buffer[1])) << 16 | OSType(UInt8(buffer[2])) << 8 |
           OSType(UInt8(buffer[3]));
    return err;
}

OSErr GetMyControlEditPosition(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32* start,
                               SInt32* end) {
    MyDialogLock lock(dialog);
    WEReference text = TextOf(ControlFromItemNum(dialog, item));
    if (start) *start = 0;
    if (end) *end = 0;
    if (!text) return paramErr;
    SInt32 s = 0, e = 0;
    WEGetSelection(&s, &e, 0, text);
    if (start) *start = s;
    if (end) *end = e;
    return noErr;
}

void SetMyControlEditSetPosition(WindowReference, MyDialogHandle dialog, SInt16 item, SInt32 start,
                                 SInt32 end) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    WEReference text = TextOf(record);
    if (!text) return;
    TextPort port(record->window);
    const SInt32 total = WEGetTextLength(text);
    WESetSelection(std::min(start, total), std::min(end, total), 0, text);
}

void SetMyControlEditReadOnly(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool readOnly) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return;
    if (WEReference text = TextOf(record)) WEFeatureFlag(weFReadOnly, readOnly ? 1 : 0, text);
    if (readOnly) {
        record->flags |= kMyFlagChecked;
        if (gHasfocus == record) SetMyControlKeyFocus(reference, dialog, 0);
    } else {
        record->flags &= ~UInt32(kMyFlagChecked);
    }
}

void SetMyControlEditRange(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32 minimum,
                           SInt32 maximum) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || !IsEditKind(record->kind)) return;
    record->flags |= kMyFlagNumericField;
    record->minimum = std::min(minimum, maximum);
    record->maximum = std::max(minimum, maximum);
    long long value = record->minimum;
    if (ReadWholeNumber(FieldText(record), &value) != NumberRead::kOk || value < record->minimum ||
        value > record->maximum)
        value = record->minimum;
    record->value = SInt32(value);
    SetMyControlEditNum(reference, dialog, item, record->value, record->kind);
}

bool CheckMyNumericField(WindowReference reference, MyDialogHandle dialog, SInt16 item, SInt32* number) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || !TextOf(record)) return false;
    if (!(record->flags & kMyFlagNumericField)) return false;
    const std::string text = FieldText(record);
    long long value = 0;
    std::string problem;
    switch (ReadWholeNumber(text, &value)) {
    case NumberRead::kEmpty:
        problem = "The field is empty: " + RangeText(record->minimum, record->maximum) + ".";
        break;
    case NumberRead::kNotANumber:
        problem = "\"" + text.substr(0, 40) +
                  "\" is not a number: " + RangeText(record->minimum, record->maximum) + ".";
        break;
    case NumberRead::kOk:
        if (value < record->minimum || value > record->maximum) {
            // The entry as typed: a long one would not fit any number the message could show.
            std::string shown = text.substr(0, 40);
            shown.erase(0, shown.find_first_not_of(" \t"));
            shown.erase(shown.find_last_not_of(" \t") + 1);
            problem = shown + " is out of range: " + RangeText(record->minimum, record->maximum) + ".";
        }
        break;
    }
    if (!problem.empty()) {
        DoErrorMessageText(problem);
        const std::string old = std::to_string(record->value);
        ReplaceText(dialog, record, old.data(), SInt32(old.size()), 0, kWholeText, record->kind);
        if (number) *number = record->value;
        return false;
    }
    record->value = SInt32(value);
    if (number) *number = record->value;
    (void)reference;
    return true;
}

void SetMyControlEditFocus(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool focus) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || !IsEditKind(record->kind)) return;
    if (focus)
        SetMyControlKeyFocus(reference, dialog, item);
    else if (gHasfocus == record)
        SetMyControlKeyFocus(reference, dialog, 0);
}

void SetMyControlEditNextFocus(WindowReference reference, MyDialogHandle dialog, SInt16 step) {
    if (!dialog || gHasfocusDialog != dialog || !gHasfocus || step == 0) return;
    MyDialogLock lock(dialog);
    const SInt16 count = CountMyControls(dialog);
    const SInt16 old = gHasfocus->itemNumber;
    SInt16 n = old;
    do {
        n = SInt16(n + step);
        if (n > count) n = 1;
        if (n < 1) n = count;
        const MyControlItem* record = ControlFromItemNum(dialog, n);
        if (IsEditKind(record->kind) && MyControlTakesFocus(record)) break;
    } while (n != old);
    if (n != old) SetMyControlKeyFocus(reference, dialog, n);
    SetMyControlEditSetPosition(reference, dialog, n, 0, kWholeText);
}

bool KeyInMyEditField(WindowReference reference, MyDialogHandle dialog, UInt8 character, UInt16 modifiers) {
    if (!dialog || gHasfocusDialog != dialog || !TextOf(gHasfocus)) return false;
    MyDialogLock lock(dialog);
    MyControlItem* record = gHasfocus;
    WEReference text = TextOf(record);
    if (character == kTabCharCode) {
        SetMyControlEditNextFocus(reference, dialog, (modifiers & shiftKey) ? -1 : 1);
        return true;
    }
    if (character == kReturnCharCode || character == kEnterCharCode) {
        CommitField(dialog, record);
        SetMyControlEditSetPosition(reference, dialog, record->itemNumber, 0, kWholeText);
        return true;
    }
    TextPort port(record->window);
    // Command with an arrow, Home or End moves the caret to a line's or the text's end.
    const bool movement = (character >= kLeftArrowCharCode && character <= kDownArrowCharCode) ||
                          character == kHomeCharCode || character == kEndCharCode ||
                          character == kPageUpCharCode || character == kPageDownCharCode;
    if ((modifiers & cmdKey) && !movement) {
        switch (std::tolower(character)) {
        case 'a':
            WESetSelection(0, kWholeText, 0, text);
            break;
        case 'c':
            WECopy(text, 0);
            break;
        case 'x':
            if (!(record->flags & kMyFlagChecked)) WECut(text);
            break;
        case 'v':
            if (!(record->flags & kMyFlagChecked)) WEPaste(text, nullptr, 0);
            break;
        default:
            return false;
        }
    } else if (!(record->flags & kMyFlagChecked)) {
        WEKey(character, modifiers, text);
    }
    ReportScroll(dialog, record);
    QDFlushPortBuffer(GetWindowPort(record->window), nullptr);
    return true;
}

void ClickInMyEditField(WindowReference reference, MyDialogHandle dialog, MyControlItem* record, Point point,
                        UInt16 modifiers) {
    if (!record || !TextOf(record) || (record->flags & kMyFlagChecked)) return;
    if (gHasfocus != record) SetMyControlKeyFocus(reference, dialog, record->itemNumber);
    WEReference text = TextOf(record);
    TextPort port(record->window);
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, text);
    const LongPoint at{point.v, point.h};
    const SInt32 anchor = (modifiers & shiftKey) ? start : WEGetOffset(&at, nullptr, text);
    SInt32 offset = WEGetOffset(&at, nullptr, text);
    WESetSelection(anchor, offset, 0, text);
    while (StillDown()) {
        Point mouse;
        GetMouse(&mouse);
        const LongPoint now{mouse.v, mouse.h};
        const SInt32 next = WEGetOffset(&now, nullptr, text);
        if (next != offset) {
            offset = next;
            WESetSelection(anchor, offset, 0, text);
            QDFlushPortBuffer(GetWindowPort(record->window), nullptr);
        }
    }
    ReportScroll(dialog, record);
}

void IdleMyEditFields() {
    WEReference text = TextOf(gHasfocus);
    if (!text) return;
    TextPort port(gHasfocus->window);
    WEIdle(nullptr, text);
    QDFlushPortBuffer(GetWindowPort(gHasfocus->window), nullptr);
}

void MyEditFieldFocusChanged(MyDialogHandle dialog, MyControlItem* record, bool gained) {
    WEReference text = TextOf(record);
    if (!gained) CommitField(dialog, record);
    if (!text) return;
    TextPort port(record->window);
    if (gained) {
        WEActivate(text);
        SetLastFocus(dialog->windowReference, record->itemNumber);
    } else {
        WESetSelection(0, 0, 0, text);
        WEDeactivate(text);
    }
}
