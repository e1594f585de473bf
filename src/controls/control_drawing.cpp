// Drawing one item by its kind in its window's port, in normal, pressed, disabled and focused looks, and
// following a click on it until the button is released.
#include "controls/control_drawing.h"

#include "controls/control_layout.h"
#include "controls/control_previews.h"
#include "controls/custom_controls.h"
#include "controls/edit_fields.h"
#include "controls/list_controls.h"
#include "controls/scroll_controls.h"
#include "controls/sliding_pictures.h"
#include "controls/window_callbacks.h"
#include "foundation/popup_items.h"
#include "foundation/string_drawing.h"
#include "platform/color_icons.h"
#include "platform/text_drawing.h"

#include <algorithm>

namespace {

constexpr RGBColor kBlack{0, 0, 0};
constexpr RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};
constexpr RGBColor kPressedGrey{0x7FFF, 0x7FFF, 0x7FFF};
constexpr RGBColor kCollapsedHeader{50000, 50000, 50000};
// Disabled items keep their layout but show their lines and text in a light grey.
constexpr RGBColor kDisabledGrey{0xA000, 0xA000, 0xA000};
constexpr RGBColor kFocusBlue{0x1800, 0x5C00, 0xD800};
constexpr SInt16 kControlFont = 4;
constexpr SInt16 kControlTextSize = 10;
constexpr SInt16 kPaletteReference = 14;
constexpr SInt16 kKnifeSwitchPicture = 460;

UInt16 Component(SInt32 v) {
    return UInt16(std::clamp<SInt32>(v, 0, 0xFFFF));
}

RGBColor ItemColor(const MyControlItem* record) {
    return RGBColor{Component(record->value), Component(record->maximum), Component(record->minimum)};
}

const RGBColor& DialogColor(MyDialogHandle dialog, SInt32 index, int fallback) {
    if (index < 0 || index >= kMyDialogColors) index = fallback;
    return dialog->colors[index];
}

bool IsHidden(const MyControlItem* record) {
    return record->kind & kMyKindHidden;
}
bool IsDisabled(const MyControlItem* record) {
    return record->kind & kMyKindDisabled;
}
bool IsInactive(const MyControlItem* record) {
    return record->flags & kMyFlagInactive;
}

// Makes the item's port current; false when its window is gone. The caller restores `saved`.
bool SetItemPort(WindowReference reference, MyDialogHandle dialog, const MyControlItem* record,
                 WindowReference* saved) {
    CGrafPtr port = GetPortByReference(reference);
    WindowRef window = dialog ? dialog->window : record->window;
    if (!port && window) port = GetWindowPort(window);
    if (!port) return false;
    *saved = GetPortReference();
    if (GetPortByReference(reference) == port)
        SetPortByReference(reference);
    else
        SetGWorld(port, nullptr);
    return true;
}

WindowRef ItemWindow(MyDialogHandle dialog, const MyControlItem* record) {
    return dialog && dialog->window ? dialog->window : record->window;
}

// The port's text and colours, kept while an item draws and put back after.
struct PortLook {
    RGBColor fore, back;
    SInt16 font, size, face;
    PortLook() {
        GetForeColor(&fore);
        GetBackColor(&back);
        CGrafPtr port;
        GDHandle device;
        GetGWorld(&port, &device);
        font = GetPortTextFont(port);
        size = GetPortTextSize(port);
        face = GetPortTextFace(port);
    }
    ~PortLook() {
        RGBForeColor(&fore);
        RGBBackColor(&back);
        TextFont(font);
        TextSize(size);
        TextFace(face);
        PenNormal();
    }
};

void DrawTitle(const MyControlItem* record, const Rect& box, SInt16 justification, bool centre,
               SInt16 family = kControlFont) {
    TextFont(family);
    TextSize(kControlTextSize);
    TextFace(0);
    DrawStringInBox(&box, record->title, justification, 100, centre);
}

void DrawPushButton(MyDialogHandle dialog, const MyControlItem* record, const Rect& r, bool pressed,
                    SInt16 corner, bool disabled, bool focused, SInt16 family = kControlFont) {
    const RGBColor& fill = DialogColor(dialog, record->value, 0);
    const RGBColor& frame = DialogColor(dialog, record->maximum, 1);
    const RGBColor& pressedFill = DialogColor(dialog, record->minimum, 2);
    RGBBackColor(&fill);
    if (pressed) {
        RGBForeColor(&pressedFill);
        PaintRoundRect(&r, corner, corner);
    } else {
        RGBForeColor(&fill);
        PaintRoundRect(&r, corner, corner);
        RGBForeColor(disabled ? &kDisabledGrey : &frame);
        FrameRoundRect(&r, corner, corner);
    }
    if (focused && !pressed) {
        Rect ring = r;
        InsetRect(&ring, 2, 2);
        RGBForeColor(&kFocusBlue);
        FrameRoundRect(&ring, SInt16(std::max(corner - 2, 2)), SInt16(std::max(corner - 2, 2)));
    }
    RGBForeColor(disabled ? &kDisabledGrey : &frame);
    if (pressed) RGBBackColor(&pressedFill);
    Rect box = r;
    InsetRect(&box, 0, 2);
    TextMode(srcOr);
    DrawTitle(record, box, kAlignCentre, true, family);
}

void DrawCheckBox(const MyControlItem* record, const Rect& r, bool pressed, bool disabled, bool focused) {
    Rect box;
    box.left = r.left;
    box.top = SInt16(r.top + (RectHeight(r) - 10) / 2);
    box.right = SInt16(box.left + 10);
    box.bottom = SInt16(box.top + 10);
    const RGBColor& ink = disabled ? kDisabledGrey : kBlack;
    if (pressed) {
        RGBForeColor(&kPressedGrey);
        PaintRect(&box);
    }
    RGBForeColor(focused ? &kFocusBlue : &ink);
    if (focused) PenSize(2, 2);
    FrameRect(&box);
    PenNormal();
    RGBForeColor(&ink);
    if (record->flags & kMyFlagChecked) {
        MoveTo(box.left, box.top);
        LineTo(SInt16(box.right - 1), SInt16(box.bottom - 1));
        MoveTo(box.left, SInt16(box.bottom - 1));
        LineTo(SInt16(box.right - 1), box.top);
    }
    Rect text = r;
    text.left = SInt16(r.left + 12);
    OffsetRect(&text, 0, 1);
    DrawTitle(record, text, kAlignLeft, false);
}

void DrawRadioButton(const MyControlItem* record, const Rect& r, bool pressed, bool disabled, bool focused) {
    Rect circle;
    circle.left = r.left;
    circle.top = SInt16(r.top + 1);
    circle.right = SInt16(circle.left + 10);
    circle.bottom = SInt16(circle.top + 10);
    const RGBColor& ink = disabled ? kDisabledGrey : kBlack;
    if (pressed) {
        RGBForeColor(&kPressedGrey);
        PaintOval(&circle);
    }
    RGBForeColor(focused ? &kFocusBlue : &ink);
    if (focused) PenSize(2, 2);
    FrameOval(&circle);
    PenNormal();
    RGBForeColor(&ink);
    if (record->flags & kMyFlagChecked) {
        Rect dot = circle;
        InsetRect(&dot, 3, 3);
        PaintOval(&dot);
    }
    Rect text = r;
    text.left = SInt16(r.left + 12);
    OffsetRect(&text, 0, 1);
    DrawTitle(record, text, kAlignLeft, false);
}

void DrawContainer(const MyControlItem* record, Point offset, bool disabled, bool focused) {
    Rect whole = record->rect;
    OffsetRect(&whole, offset.h, offset.v);
    Rect header = whole;
    header.bottom = SInt16(header.top + 16);
    const RGBColor& ink = disabled ? kDisabledGrey : kBlack;
    PolyHandle triangle = OpenPoly();
    const SInt16 l = header.left, t = header.top;
    if (record->flags & kMyFlagExpanded) {
        const RGBColor fill = ItemColor(record);
        RGBForeColor(&fill);
        PaintRect(&header);
        RGBForeColor(&ink);
        if (RectWidth(header) < 17)
            FrameRect(&header);
        else
            FrameRect(&whole);
        MoveTo(SInt16(l + 4), SInt16(t + 4));
        LineTo(SInt16(l + 7), SInt16(t + 10));
        LineTo(SInt16(l + 10), SInt16(t + 4));
        LineTo(SInt16(l + 4), SInt16(t + 4));
    } else {
        RGBForeColor(&kCollapsedHeader);
        PaintRect(&header);
        RGBForeColor(&ink);
        FrameRect(&header);
        MoveTo(SInt16(l + 4), SInt16(t + 4));
        LineTo(SInt16(l + 4), SInt16(t + 10));
        LineTo(SInt16(l + 10), SInt16(t + 7));
        LineTo(SInt16(l + 4), SInt16(t + 4));
    }
    ClosePoly();
    PaintPoly(triangle);
    KillPoly(triangle);
    if (focused) {
        Rect box{SInt16(t + 1), SInt16(l + 1), SInt16(t + 13), SInt16(l + 13)};
        RGBForeColor(&kFocusBlue);
        FrameRect(&box);
        RGBForeColor(&ink);
    }
    Rect text = header;
    text.left = SInt16(l + 15);
    OffsetRect(&text, 0, 1);
    TextMode(srcOr);
    DrawTitle(record, text, kAlignLeft, false);
}

void DrawIndicatorLight(const MyControlItem* record, const Rect& r, bool pressed) {
    const UInt32 shape = record->flags & 3;
    if (record->value == 1 && record->maximum == 2 && record->minimum == 3) {
        EraseRect(&r);
        RGBForeColor(&kBlack);
        static const UInt8 kSpeechMark[] = {2, 'S', 'P'};
        TextFont(kControlFont);
        TextSize(kControlTextSize);
        DrawStringInBox(&r, kSpeechMark, kAlignCentre, 100, true);
    } else {
        const RGBColor colour = ItemColor(record);
        RGBForeColor(&colour);
        if (shape)
            PaintOval(&r);
        else
            PaintRect(&r);
    }
    RGBForeColor(&kBlack);
    if (shape == 0) FrameRect(&r);
    if (shape == 1) FrameOval(&r);
    if (pressed) {
        const bool dark = record->value < 24575 && record->maximum < 24575 && record->minimum < 32767;
        RGBForeColor(dark ? &kWhite : &kBlack);
        Rect inner = r;
        InsetRect(&inner, 1, 1);
        if (shape == 1)
            FrameOval(&inner);
        else
            FrameRect(&inner);
    }
}

// The switch part of a knife switch: beside the split point of its title.
Rect KnifeSwitchRect(const MyControlItem* record, const Rect& r) {
    const int x = (r.left + r.right) / 2 - ((record->title[0] / 2) - record->maximum) * 6;
    return Rect{SInt16(r.top + 1), SInt16(x - 18), SInt16(r.top + 15), SInt16(x + 19)};
}

void DrawKnifeSwitch(const MyControlItem* record, const Rect& r) {
    const int length = record->title[0];
    const int split = std::clamp<SInt32>(record->maximum, 0, length);
    Rect text = r;
    OffsetRect(&text, 0, 1);
    UInt8 part[kMyTitleLength + 1];
    part[0] = UInt8(split);
    std::copy(record->title + 1, record->title + 1 + split, part + 1);
    TextFont(kControlFont);
    TextSize(kControlTextSize);
    DrawStringInBox(&text, part, kAlignLeft, 100, false);
    part[0] = UInt8(length - split);
    std::copy(record->title + 1 + split, record->title + 1 + length, part + 1);
    DrawStringInBox(&text, part, kAlignRight, 100, false);
    const Rect switchRect = KnifeSwitchRect(record, r);
    DrawMainKnifeSwitch(record->window, &switchRect, record->value, kKnifeSwitchPicture);
}

SInt32 SliderPosition(const MyControlItem* record) {
    const int width = RectWidth(record->rect) - 20;
    const double step = width > 0 ? double(record->maximum - record->minimum) / width : 0.0;
    return step != 0.0 ? SInt32((record->value - record->minimum) / step) : 0;
}

void DrawByKind(WindowReference reference, MyDialogHandle dialog, MyControlItem* record, const Rect& r,
                Point offset, bool pressed) {
    const bool disabled = IsDisabled(record);
    const bool focused = record == gHasfocus;
    switch (record->kind & kMyKindMask) {
    case kMyUserItem:
        DrawMyUserItemCallback(reference, dialog, record, pressed, &r);
        RGBForeColor(&kBlack);
        FrameRect(&r);
        break;
    case kMyButton:
        DrawPushButton(dialog, record, r, pressed, record->value == 3 ? 4 : 16, disabled, focused);
        break;
    case kMyFontButton: {
        SInt16 family = kControlFont;
        GetFNum(record->title, &family);
        DrawPushButton(dialog, record, r, pressed, record->value == 0 ? 16 : 4, disabled, focused, family);
        break;
    }
    case kMyCheckBox:
        DrawCheckBox(record, r, pressed, disabled, focused);
        break;
    case kMyRadioButton:
        DrawRadioButton(record, r, pressed, disabled, focused);
        break;
    case kMyStaticText:
        RGBForeColor(disabled ? &kDisabledGrey : &kBlack);
        DrawTitle(record, r, SInt16(record->value & 0xFFFF), false);
        break;
    case kMyEditText:
    case kMyScrollingEditText: {
        Rect frame = r;
        if ((record->kind & kMyKindMask) == kMyEditText) InsetRect(&frame, -1, -1);
        DrawMyEditText(record, r);
        RGBForeColor(focused ? &kFocusBlue : disabled ? &kDisabledGrey : &kBlack);
        FrameRect(&frame);
        if (record->scrollBar) DrawMyScrollControl(record->scrollBar, kScrollBarNormal);
        break;
    }
    case kMyIcon:
        if (record->object) PlotCIcon(&r, static_cast<CIconHandle>(record->object));
        break;
    case kMyPreview:
        DrawMyPreviewContent(reference, dialog, record, r);
        RGBForeColor(&kBlack);
        break;
    case kMyPictureButton:
        MainUpDownButton(&r, record->value, record->maximum, pressed, 1);
        break;
    case kMyIndicatorLight:
        DrawIndicatorLight(record, r, pressed);
        break;
    case kMyList:
        RGBForeColor(focused ? &kFocusBlue : &kBlack);
        FrameRect(&r);
        RGBForeColor(&kBlack);
        DrawMyControlList(record);
        break;
    case kMyVerticalScrollBar:
    case kMyHorizontalScrollBar:
        RGBForeColor(&kBlack);
        FrameRect(&r);
        if (record->scrollBar) DrawMyScrollControl(record->scrollBar, kScrollBarNormal);
        break;
    case kMySlidingPictures:
        if (record->maximum == 1)
            DrawMyScrollingPicturesItem(&r, static_cast<MySlidingStrip*>(record->object), pressed);
        else if (record->maximum == kStripLeftArrow || record->maximum == kStripRightArrow)
            DrawMySlidingArrow(&r, record->maximum == kStripLeftArrow, pressed);
        RGBForeColor(&kBlack);
        FrameRect(&r);
        break;
    case kMyPopup:
        DrawMainPopup(record->window, &r, SInt16(record->minimum), SInt16(record->maximum),
                      static_cast<MenuRef>(record->object));
        break;
    case kMySlider:
        if ((record->flags & 0x11) == 0) DrawMainSlider(record->window, &r, SliderPosition(record));
        if ((record->flags & 0x11) == 1) DrawMovieSlider(record->window, &r, SliderPosition(record));
        break;
    case kMyContainer:
        DrawContainer(record, offset, disabled, focused);
        break;
    case kMyColorBox:
    case kMyColorBoxToo:
    case kMyColorSwatch: {
        const RGBColor colour = ItemColor(record);
        RGBForeColor(&colour);
        PaintRect(&r);
        break;
    }
    case kMyLineDown:
    case kMyLineUp: {
        const RGBColor colour = ItemColor(record);
        RGBForeColor(&colour);
        const bool down = (record->kind & kMyKindMask) == kMyLineDown;
        MoveTo(r.left, down ? r.top : SInt16(r.bottom - 1));
        LineTo(SInt16(r.right - 1), down ? SInt16(r.bottom - 1) : r.top);
        break;
    }
    case kMyPictureRadio:
    case kMyPictureCheckBox:
        MainUpDownButton(&r, record->value, record->maximum, SInt16(record->flags & kMyFlagChecked), 1);
        break;
    case kMyRadialDial:
        DrawMainRadialControl(record->window, &r, record->value, record->maximum);
        break;
    case kMyKnifeSwitch:
        DrawKnifeSwitch(record, r);
        break;
    case kMyMultiStatePicture:
        MainUpDownButton(&r, record->value + record->minimum, record->value, 0, 1);
        break;
    default:
        break; // stored, erased, and shown as nothing
    }
}

} // namespace

Point MyControlOffset(MyDialogHandle dialog, const MyControlItem* record) {
    if (!dialog || !record || (record->flags & kMyFlagFixed)) return Point{};
    return Point{dialog->contentOffsetV, dialog->contentOffsetH};
}

Rect MyControlHitRect(MyDialogHandle dialog, const MyControlItem* record) {
    const Point offset = MyControlOffset(dialog, record);
    Rect hit = (record->flags & kMyFlagExpanded) ? record->rect : record->collapseRect;
    OffsetRect(&hit, offset.h, offset.v);
    if ((record->kind & kMyKindMask) == kMyContainer)
        hit = Rect{SInt16(hit.top + 2), SInt16(hit.left + 2), SInt16(hit.top + 12), SInt16(hit.left + 12)};
    return hit;
}

void DrawAMyDialogButton(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                         bool pressed, bool drawHidden) {
    if (!dialog || !record || IsInactive(record) || (IsHidden(record) && !drawHidden)) return;
    WindowReference saved;
    if (!SetItemPort(reference, dialog, record, &saved)) return;
    {
        PortLook look;
        RGBForeColor(&kBlack);
        RGBBackColor(&kWhite);
        RgnHandle savedClip = nullptr;
        if (reference == kPaletteReference && dialog) {
            savedClip = NewRgn();
            GetClip(savedClip);
            SetClip((record->flags & kMyFlagFixed) ? dialog->boundsRgn : dialog->innerRgn);
        }
        const Point offset = MyControlOffset(dialog, record);
        Rect r = record->collapseRect;
        OffsetRect(&r, offset.h, offset.v);
        EraseRect(&r);
        if (IsHidden(record)) {
            if (WindowRef window = ItemWindow(dialog, record)) InvalWindowRect(window, &r);
        } else {
            DrawByKind(reference, dialog, record, r, offset, pressed);
        }
        if (savedClip) {
            SetClip(savedClip);
            DisposeRgn(savedClip);
        }
    }
    SetPortByReference(saved);
}

void DrawMyDialogButtons(WindowReference reference, MyDialogHandle dialog, SInt16 firstIndex) {
    if (!dialog) return;
    MyDialogLock lock(dialog);
    for (size_t i = size_t(std::max<SInt16>(firstIndex, 0)); i < dialog->items.size(); ++i)
        DrawAMyDialogButton(reference, dialog, &dialog->items[i], false, false);
}

void UpdateMyDialogWindow(WindowReference reference, MyDialogHandle dialog, SInt16 firstIndex) {
    if (!dialog || !GetPortByReference(reference)) return;
    const WindowReference saved = GetPortReference();
    SetPortByReference(reference);
    DrawMyDialogButtons(reference, dialog, firstIndex);
    SetPortByReference(saved);
}

void EraseAMyDialogButton(WindowReference reference, MyControlItem* record) {
    if (!record || IsHidden(record)) return;
    WindowReference saved;
    if (!SetItemPort(reference, nullptr, record, &saved)) return;
    MyDialogHandle dialog =
        reference == kPaletteReference ? GetDialogControlsPerWindow(record->window) : nullptr;
    const Point offset = MyControlOffset(dialog, record);
    Rect r = record->collapseRect;
    OffsetRect(&r, offset.h, offset.v);
    RGBColor back;
    GetBackColor(&back);
    RGBBackColor(&kWhite);
    RgnHandle savedClip = nullptr;
    if (dialog) {
        savedClip = NewRgn();
        GetClip(savedClip);
        SetClip((record->flags & kMyFlagFixed) ? dialog->boundsRgn : dialog->innerRgn);
    }
    EraseRect(&r);
    if (savedClip) {
        SetClip(savedClip);
        DisposeRgn(savedClip);
    }
    RGBBackColor(&back);
    if (record->window) InvalWindowRect(record->window, &r);
    SetPortByReference(saved);
}

SInt16 TrackAMyDialogButton(WindowReference reference, MyDialogHandle dialog, MyControlItem* focus,
                            const EventRecord* event, MyControlItem* record, Point point) {
    if (!dialog || !record || IsDisabled(record) || IsHidden(record) || IsInactive(record)) return 0;
    WindowReference saved;
    if (!SetItemPort(reference, dialog, record, &saved)) return 0;
    const Point offset = MyControlOffset(dialog, record);
    const Rect hit = MyControlHitRect(dialog, record);
    Rect tracking = record->rect;
    OffsetRect(&tracking, offset.h, offset.v);
    SInt16 result = 0;
    const UInt16 kind = record->kind & kMyKindMask;
    switch (kind) {
    case kMyList:
        ClickInMyControlList(reference, dialog, record, point, GetCurrentKeyModifiers());
        result = 1;
        break;
    case kMyEditText:
    case kMyScrollingEditText:
        if (record->scrollBar && PtInRect(point, &record->scrollBar->bar))
            TrackMyScrollbar(record->scrollBar, dialog, record, point);
        else
            ClickInMyEditField(reference, dialog, record, point, GetCurrentKeyModifiers());
        result = 1;
        break;
    case kMyVerticalScrollBar:
    case kMyHorizontalScrollBar:
        result = record->scrollBar && PtInRect(point, &record->scrollBar->bar)
                     ? SInt16(TrackMyScrollbar(record->scrollBar, dialog, record, point) ? 1 : 0)
                     : 1;
        break;
    case kMySlidingPictures:
        result = TrackMySlidingPicts(reference, dialog, record->itemNumber, &hit, point);
        break;
    case kMyPictureRadio:
        result = TrackMainUpDownRadio(&tracking, record->value, record->maximum, 1,
                                      SInt16(record->flags & kMyFlagChecked));
        break;
    case kMyPictureCheckBox:
        result = TrackMainUpDownCheck(&tracking, record->value, record->maximum, 1,
                                      SInt16(record->flags & kMyFlagChecked));
        break;
    case kMyMultiStatePicture:
        result =
            TrackMainMultiState(&tracking, record->value, record->maximum, 1, SInt16(record->flags & 0xFFFF));
        break;
    case kMyPictureButton:
        result = TrackMainUpDownButton(&tracking, record->value, record->maximum, 1, 30, 6,
                                       SInt32(UInt32(reference) << 16 | UInt16(record->itemNumber)));
        break;
    case kMyPopup: {
        gDontInterruptPopup = true;
        SInt32 choice = record->maximum;
        result = TrackMainPopup(record->window, &tracking, SInt16(record->minimum), &choice,
                                static_cast<MenuRef>(record->object));
        record->maximum = choice;
        gDontInterruptPopup = false;
        break;
    }
    case kMyRadialDial:
        result = TrackMainRadial(record->window, &tracking, &record->value, &record->maximum);
        break;
    case kMySlider: {
        SInt32 position = SliderPosition(record);
        const UInt32 variant = record->flags & 0x11;
        if (variant > 1) {
            result = 1;
            break;
        }
        result = variant == 0 ? TrackMainSlider(record->window, record->itemNumber, &tracking, &position)
                              : TrackMovieSlider(record->window, record->itemNumber, &tracking, &position);
        const int width = RectWidth(record->rect) - 20;
        if (result && width > 0)
            record->value =
                SInt32(double(record->maximum - record->minimum) / width * position + record->minimum);
        break;
    }
    case kMyKnifeSwitch: {
        const Rect switchRect = KnifeSwitchRect(record, tracking);
        result = TrackMainKnifeSwitch(record->window, record->itemNumber, &switchRect, &record->value,
                                      kKnifeSwitchPicture);
        break;
    }
    default: {
        // Pressed exactly while the mouse is over the item; the release decides.
        CGrafPtr port;
        GDHandle device;
        GetGWorld(&port, &device);
        bool inside = PtInRect(point, &hit);
        DrawAMyDialogButton(reference, dialog, record, inside, false);
        QDFlushPortBuffer(port, nullptr);
        while (StillDown()) {
            Point mouse;
            GetMouse(&mouse);
            const bool now = PtInRect(mouse, &hit);
            if (now != inside) {
                inside = now;
                DrawAMyDialogButton(reference, dialog, record, inside, false);
                QDFlushPortBuffer(port, nullptr);
            }
        }
        Point last;
        GetMouse(&last);
        result = PtInRect(last, &hit) ? 1 : 0;
        break;
    }
    }
    (void)focus;
    (void)event;
    if (kind != kMyMultiStatePicture) DrawAMyDialogButton(reference, dialog, record, false, false);
    CGrafPtr port;
    GDHandle device;
    GetGWorld(&port, &device);
    QDFlushPortBuffer(port, nullptr);
    SetPortByReference(saved);
    return result;
}

void MyHideControl(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool hide) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record) return;
    if (hide) {
        if (gHasfocus == record) {
            gHasfocus = nullptr;
            gHasfocusDialog = nullptr;
        }
        record->kind |= kMyKindHidden;
    } else {
        record->kind &= UInt16(~kMyKindHidden);
    }
    DrawAMyDialogButton(reference, dialog, record, false, true);
}

void MyDisableControl(WindowReference reference, MyDialogHandle dialog, MyControlItem* record, bool disable) {
    if (!record) return;
    if (disable) {
        record->kind |= kMyKindDisabled;
        if (gHasfocus == record) {
            gHasfocus = nullptr;
            gHasfocusDialog = nullptr;
        }
    } else {
        record->kind &= UInt16(~kMyKindDisabled);
    }
    DrawAMyDialogButton(reference, dialog, record, false, false);
}

void SetMyControlInactive(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool inactive) {
    MyDialogLock lock(dialog);
    MyControlItem* record = ControlFromItemNum(dialog, item);
    if (!record || IsInactive(record) == inactive) return;
    Rect above{};
    if (record->itemAbove > 0)
        if (MyControlItem* over = ControlFromItemNum(dialog, record->itemAbove)) above = MyControlPlace(over);
    Rect place = record->rect;
    if (inactive) {
        EraseAMyDialogButton(reference, record);
        record->flags |= kMyFlagInactive;
        if (gHasfocus == record) {
            gHasfocus = nullptr;
            gHasfocusDialog = nullptr;
        }
        if (record->itemAbove != -1) OffsetRect(&place, 0, SInt16(above.bottom + record->gap - place.bottom));
    } else {
        record->flags &= ~UInt32(kMyFlagInactive);
        if (record->itemAbove != -1) OffsetRect(&place, 0, SInt16(above.bottom + record->gap - place.top));
    }
    if (record->itemAbove != -1) MoveMyControl(reference, dialog, item, place, false, false);
}

void SetMyCollapseRect(WindowReference reference, MyDialogHandle dialog, MyControlItem* record,
                       const Rect* rect) {
    if (!record || !rect) return;
    const UInt16 kind = record->kind;
    record->kind |= kMyKindHidden;
    DrawAMyDialogButton(reference, dialog, record, false, true);
    record->kind = kind;
    record->collapseRect = *rect;
    DrawAMyDialogButton(reference, dialog, record, false, false);
}

void ActivateMyDialogItems() {}
