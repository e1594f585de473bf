// The preferences dialog's drawn items: the pane tabs, the pop-up boxes, the live text sample, the
// miniature of the prompter screen, the sliders, the shadow dial and the small style buttons.
#include "controls/custom_controls.h"
#include "foundation/dialog_items.h"
#include "foundation/error_dialog.h"
#include "foundation/popup_items.h"
#include "foundation/program_strings.h"
#include "foundation/small_math.h"
#include "foundation/string_drawing.h"
#include "media/media_services.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/background_picture.h"
#include "scroll/prompter_window.h"
#include "shell/preferences_dialog.h"
#include "shell/prefs_dialog_items.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr SInt16 kSampleTextsList = 131;
constexpr SInt16 kSliderTrackPicture = 1310, kSliderKnobPicture = 1311;
constexpr const char* kPaneNames[kPrefsPaneCount] = {"Display", "Format", "Layout", "Extras", "Special"};
constexpr RGBColor kBlack{0, 0, 0}, kWhite{0xFFFF, 0xFFFF, 0xFFFF}, kTabGrey{0xDDDD, 0xDDDD, 0xDDDD};

// The port's colours and text settings, put back after a drawing that changes them.
struct PortState {
    GrafPtr port = nullptr;
    RGBColor fore{}, back{};
    SInt16 font = 0, face = 0, size = 0;
    PortState() {
        GetPort(&port);
        GetForeColor(&fore);
        GetBackColor(&back);
        font = GetPortTextFont(port);
        face = GetPortTextFace(port);
        size = GetPortTextSize(port);
    }
    ~PortState() {
        RGBForeColor(&fore);
        RGBBackColor(&back);
        TextFont(font);
        TextFace(face);
        TextSize(size);
    }
};

void DrawTab(DialogPtr dialog, SInt16 item) {
    PortState state;
    const Rect r = GetDialogItemRect(dialog, item);
    const SInt16 pane = SInt16(item - kFirstTabItem);
    const bool current = pane == sWhichSet;
    RGBBackColor(current ? &kWhite : &kTabGrey);
    EraseRect(&r);
    RGBForeColor(&kBlack);
    MoveTo(r.left, r.bottom);
    LineTo(r.left, SInt16(r.top + 3));
    LineTo(SInt16(r.left + 3), r.top);
    LineTo(SInt16(r.right - 4), r.top);
    LineTo(SInt16(r.right - 1), SInt16(r.top + 3));
    LineTo(SInt16(r.right - 1), r.bottom);
    TextFace(current ? kFaceBold : 0);
    Str255 name;
    SetPString(name, kPaneNames[pane]);
    DrawStringInBox(&r, name, 2, 100, true);
}

void DrawFrame(DialogPtr dialog, SInt16) {
    PortState state;
    const Rect r = PrefsPaneFrame(dialog);
    RGBForeColor(&kBlack);
    FrameRect(&r);
}

void DrawPrefsPopup(DialogPtr dialog, SInt16 item) {
    for (size_t i = 0; i < kPrefsPopupCount; ++i)
        if (kPrefsPopups[i].item == item) {
            MenuRef menu = PrefsPopupMenu(item);
            DrawPopup(dialog, item, menu ? SInt16(GetMenuID(menu)) : kPrefsPopups[i].menuID,
                      PrefsPopupChoice(item), menu);
        }
}

void DrawSample(DialogPtr dialog, SInt16 item) {
    PortState state;
    const Rect r = GetDialogItemRect(dialog, item);
    const TextFormatBlock f = GetPref(gPrefsWorking, PrefsDialogFormatField(gScrollEditRadio));
    RGBBackColor(&f.backColor);
    EraseRect(&r);
    RGBForeColor(&f.textColor);
    TextFont(f.font);
    TextSize(f.size);
    TextFace(f.face);
    Str255 text;
    if (gSampleString[0] > 0)
        std::memcpy(text, gSampleString, size_t(gSampleString[0]) + 1);
    else
        GetOrvalisString(kSampleTextsList, 1, text);
    Rect inner = r;
    InsetRect(&inner, 4, 4);
    DrawStringInBox(&inner, text, WEtoMyUtilsJustification(f.justification), f.lineSpacing, false);
    RGBForeColor(&kBlack);
    FrameRect(&r);
}

// The prompter screen reduced into the item: the screen, the background picture (its preview when one
// is loaded) and the text box, each scaled by the same factor.
void DrawScreenSample(DialogPtr dialog, SInt16) {
    PortState state;
    const ScreenSampleGeometry g = GetScreenSampleGeometry(dialog);
    const TextFormatBlock f = GetPref(gPrefsWorking, kPrefPrompterFormat);
    RGBBackColor(&kWhite);
    EraseRect(&g.item);
    RGBForeColor(&f.backColor);
    PaintRect(&g.whole);
    RGBForeColor(&kBlack);
    FrameRect(&g.whole);
    const bool liveVideo = GetPref(gPrefsWorking, kPrefBackgroundKind) == kPictureKindLiveVideo;
    if (!EmptyRect(&g.picture)) {
        if (liveVideo && gLiveCaptureRunning && gLiveVideoPort && !EmptyRect(&gLiveVideoBounds)) {
            CopyBits(gLiveVideoPort, GetDialogPort(dialog), &gLiveVideoBounds, &g.picture, srcCopy, nullptr);
        } else if (PicHandle preview = PrefsPreviewPicture()) {
            DrawPicture(preview, &g.picture);
        } else {
            RGBForeColor(&kTabGrey);
            PaintRect(&g.picture);
        }
    }
    RGBForeColor(&f.textColor);
    FrameRect(&g.textBox);
    // The corner that resizes the text box.
    const Rect grip{SInt16(g.textBox.bottom - 4), SInt16(g.textBox.right - 4), g.textBox.bottom,
                    g.textBox.right};
    PaintRect(&grip);
}

// A slider: a track line, and the knob 7 pixels in from the left plus the value (0-100).
SInt16 SliderValue(SInt16 item) {
    switch (item) {
    case kOpacitySliderItem:
        return ssaveScrollWinOpacity;
    case kFadeSliderItem:
        return gFadedSelectRadio ? ssaveFadeTextAmount : ssaveFadeBackAmount;
    default:
        return ssaveMomentumAmount;
    }
}

void Draw3DButton(DialogPtr dialog, SInt16 item) {
    static constexpr const char* kTitles[] = {"U-", "U+", "S-", "S+", "0", "1", "2", "3", "4"};
    const Rect r = GetDialogItemRect(dialog, item);
    Str255 title;
    SetPString(title, kTitles[item - 200]);
    const bool on = item >= 204 && GetPref(gPrefsWorking, kPrefDropShadowBlur) == item - 204;
    Main3DButton(GetDialogPort(dialog), &r, title, on, k3DTitleLabel);
}

void DrawShadowDial(DialogPtr dialog, SInt16 item) {
    const Rect r = GetDialogItemRect(dialog, item);
    DrawMainRadialControl(GetDialogWindow(dialog), &r, GetPref(gPrefsWorking, kPrefDropShadowH),
                          GetPref(gPrefsWorking, kPrefDropShadowV));
}

void DrawUserItem(DialogPtr dialog, SInt16 item) {
    if (item >= kFirstTabItem && item <= kLastTabItem) return DrawTab(dialog, item);
    if (item == 10) return DrawFrame(dialog, item);
    if (item == kTextSampleItem) return DrawSample(dialog, item);
    if (item == kScreenSampleItem) return DrawScreenSample(dialog, item);
    if (item == kCueSampleItem) return DrawCueMarkSample(dialog, item);
    if (item == kOpacitySliderItem || item == kFadeSliderItem || item == kMomentumSliderItem)
        return DrawASliderControl(dialog, item);
    if (item >= 200 && item <= 208) return Draw3DButton(dialog, item);
    if (item == kShadowDialItem) return DrawShadowDial(dialog, item);
    DrawPrefsPopup(dialog, item);
}

} // namespace

Rect PrefsPaneFrame(DialogPtr dialog) {
    Rect r = GetDialogItemRect(dialog, 10);
    const Rect ok = GetDialogItemRect(dialog, kPrefsOKItem);
    r.bottom = SInt16(ok.top - 10);
    return r;
}

SInt16 WEtoMyUtilsJustification(SInt16 justification) {
    switch (justification) {
    case kJustifyCentre:
        return 2;
    case kJustifyFull:
        return 3;
    case kJustifyRight:
        return 1;
    default:
        return 0;
    }
}

void InstallPrefsUserItems(DialogPtr dialog) {
    for (SInt16 item = 1; item <= CountDITL(dialog); ++item)
        if ((GetDialogItemKind(dialog, item) & ~itemDisable) == userItem)
            SetDialogItemUserProc(dialog, item, DrawUserItem);
}

void RedrawPrefsItem(DialogPtr dialog, SInt16 item) {
    if (!dialog || !IsDialogItemVisible(dialog, item)) return;
    const Rect r = GetDialogItemRect(dialog, item);
    InvalWindowRect(GetDialogWindow(dialog), &r);
}

// A slider: its track picture, and its knob picture centred 7 pixels in from the left plus the value
// (0-100).
void DrawASliderControl(DialogPtr dialog, SInt16 item) {
    if (!dialog) return;
    PicHandle track = GetPicture(kSliderTrackPicture);
    if (!track) return DoErrorMessageText("Can't load Slider Background in DrawASliderControl");
    PicHandle knob = GetPicture(kSliderKnobPicture);
    if (!knob) return DoErrorMessageText("Can't load Slider Knob in DrawASliderControl");
    PortState state;
    const Rect r = GetDialogItemRect(dialog, item);
    EraseRect(&r);
    Rect frame{};
    QDGetPictureBounds(track, &frame);
    const SInt16 middle = SInt16((r.top + r.bottom) / 2);
    const SInt16 top = SInt16(middle - RectHeight(frame) / 2);
    const Rect trackAt{top, r.left, SInt16(top + RectHeight(frame)), SInt16(r.left + RectWidth(frame))};
    DrawPicture(track, &trackAt);
    QDGetPictureBounds(knob, &frame);
    const SInt16 x =
        SInt16(r.left + 7 + std::clamp<SInt16>(SliderValue(item), 0, 100) - RectWidth(frame) / 2);
    const SInt16 knobTop = SInt16(middle - RectHeight(frame) / 2);
    const Rect knobAt{knobTop, x, SInt16(knobTop + RectHeight(frame)), SInt16(x + RectWidth(frame))};
    DrawPicture(knob, &knobAt);
}

ScreenSampleGeometry GetScreenSampleGeometry(DialogPtr dialog) {
    ScreenSampleGeometry g;
    g.item = GetDialogItemRect(dialog, kScreenSampleItem);
    Rect screen{};
    GetWindowBoundsIfScrolling(&screen);
    if (RectWidth(screen) <= 0 || RectHeight(screen) <= 0) screen = Rect{0, 0, 768, 1024};
    g.scale = std::min(double(RectWidth(g.item)) / RectWidth(screen),
                       double(RectHeight(g.item)) / RectHeight(screen));
    auto reduced = [&](const Rect& x) {
        return Rect{SInt16(g.item.top + x.top * g.scale), SInt16(g.item.left + x.left * g.scale),
                    SInt16(g.item.top + x.bottom * g.scale), SInt16(g.item.left + x.right * g.scale)};
    };
    g.whole = reduced(Rect{0, 0, SInt16(RectHeight(screen)), SInt16(RectWidth(screen))});
    Rect picture = GetPref(gPrefsWorking, kPrefPictureRect);
    // A picture without a rectangle of its own stands at the top left in its own size.
    if (EmptyRect(&picture) && PrefsPreviewPicture()) QDGetPictureBounds(PrefsPreviewPicture(), &picture);
    // So does the live video, in the size of its frames.
    if (EmptyRect(&picture) && gLiveCaptureRunning &&
        GetPref(gPrefsWorking, kPrefBackgroundKind) == kPictureKindLiveVideo)
        picture = Rect{0, 0, SInt16(RectHeight(gLiveVideoBounds)), SInt16(RectWidth(gLiveVideoBounds))};
    g.picture = EmptyRect(&picture) ? Rect{} : reduced(picture);
    const Rect box = GetPref(gPrefsWorking, kPrefTextBoxRect);
    g.textBox = EmptyRect(&box) ? g.whole : reduced(box);
    return g;
}

Rect DraggedSampleRect(const Rect& from, const Rect& screen, SInt16 dh, SInt16 dv, bool resize) {
    Rect r = from;
    if (resize) {
        r.right = std::clamp<SInt16>(SInt16(from.right + dh), SInt16(from.left + 8),
                                     std::max<SInt16>(screen.right, SInt16(from.left + 8)));
        r.bottom = std::clamp<SInt16>(SInt16(from.bottom + dv), SInt16(from.top + 8),
                                      std::max<SInt16>(screen.bottom, SInt16(from.top + 8)));
        return r;
    }
    // A rectangle larger than the screen may still move, but never further out.
    const SInt16 h = std::clamp<SInt16>(dh, SInt16(std::min(0, screen.left - from.left)),
                                        SInt16(std::max(0, screen.right - from.right)));
    const SInt16 v = std::clamp<SInt16>(dv, SInt16(std::min(0, screen.top - from.top)),
                                        SInt16(std::max(0, screen.bottom - from.bottom)));
    OffsetRect(&r, h, v);
    return r;
}

// A press on the text box or the picture in the screen sample drags it; a press on its lower right corner
// resizes it. The rectangle stays on the screen and at least 8 pixels each way, and its fields follow.
void TrackScreenSample(DialogPtr dialog, Point start) {
    const ScreenSampleGeometry g = GetScreenSampleGeometry(dialog);
    if (g.scale <= 0) return;
    auto nearCorner = [&](const Rect& r) {
        return !EmptyRect(&r) && std::abs(start.h - r.right) <= 4 && std::abs(start.v - r.bottom) <= 4;
    };
    bool picture = false, resize = false;
    if (nearCorner(g.textBox)) {
        resize = true;
    } else if (nearCorner(g.picture)) {
        picture = resize = true;
    } else if (PtInRect(start, &g.textBox)) {
    } else if (PtInRect(start, &g.picture)) {
        picture = true;
    } else {
        return;
    }
    const PrefRect field = picture ? kPrefPictureRect : kPrefTextBoxRect;
    const Rect screen{0, 0, SInt16(RectHeight(g.whole) / g.scale), SInt16(RectWidth(g.whole) / g.scale)};
    Rect from = GetPref(gPrefsWorking, field);
    if (EmptyRect(&from))
        from = picture ? Rect{0, 0, SInt16(RectHeight(g.picture) / g.scale),
                              SInt16(RectWidth(g.picture) / g.scale)}
                       : screen;
    const SInt16 firstItem = picture ? 149 : 133;
    // The place of the release counts too.
    for (bool down = true, last = false; !last; down = StillDown()) {
        last = !down;
        Point mouse{};
        GetMouse(&mouse);
        const SInt16 dh = SInt16((mouse.h - start.h) / g.scale), dv = SInt16((mouse.v - start.v) / g.scale);
        const Rect r = DraggedSampleRect(from, screen, dh, dv, resize);
        SetPref(gPrefsWorking, field, r);
        IntSetDlgEditValue(dialog, firstItem, r.top);
        IntSetDlgEditValue(dialog, SInt16(firstItem + 1), r.left);
        IntSetDlgEditValue(dialog, SInt16(firstItem + 2), r.bottom);
        IntSetDlgEditValue(dialog, SInt16(firstItem + 3), r.right);
        DrawScreenSample(dialog, kScreenSampleItem);
        QDFlushPortBuffer(GetDialogPort(dialog), nullptr);
    }
    // A picture placed by hand stands where its rectangle says.
    if (picture) {
        SetPref(gPrefsWorking, kPrefPicturePosition, -1);
        SetPrefsControls(dialog);
    }
    RedrawPrefsItem(dialog, kScreenSampleItem);
}

void TrackPrefsSlider(DialogPtr dialog, SInt16 item) {
    const Rect r = GetDialogItemRect(dialog, item);
    const SInt16 textItem = item == kOpacitySliderItem ? kOpacityTextItem
                            : item == kFadeSliderItem  ? kFadeTextItem
                                                       : kMomentumTextItem;
    do {
        Point mouse{};
        GetMouse(&mouse);
        const SInt16 value = std::clamp<SInt16>(SInt16(mouse.h - r.left - 7), 0, 100);
        Str255 text;
        NumToString(value, text);
        SetDialogItemText(dialog, textItem, text);
        if (item == kOpacitySliderItem) {
            ssaveScrollWinOpacity = value;
            SetPref(gPrefsWorking, kPrefScrollingOpacity, value);
        } else if (item == kFadeSliderItem) {
            (gFadedSelectRadio ? ssaveFadeTextAmount : ssaveFadeBackAmount) = value;
            SetPref(gPrefsWorking, gFadedSelectRadio ? kPrefTextFade : kPrefBackgroundFade, value);
        } else {
            ssaveMomentumAmount = value;
            SetPref(gPrefsWorking, kPrefMomentumAmount, SInt32(value));
        }
        DrawASliderControl(dialog, item);
        QDFlushPortBuffer(GetDialogPort(dialog), nullptr);
    } while (StillDown());
}

void TrackPrefsShadowDial(DialogPtr dialog) {
    const Rect r = GetDialogItemRect(dialog, kShadowDialItem);
    SInt32 h = GetPref(gPrefsWorking, kPrefDropShadowH), v = GetPref(gPrefsWorking, kPrefDropShadowV);
    if (TrackMainRadial(GetDialogWindow(dialog), &r, &h, &v)) {
        SetPref(gPrefsWorking, kPrefDropShadowH, h);
        SetPref(gPrefsWorking, kPrefDropShadowV, v);
        RedrawPrefsItem(dialog, kShadowDialItem);
        RedrawPrefsItem(dialog, kTextSampleItem);
    }
}

void TrackPrefs3DButton(DialogPtr dialog, SInt16 item) {
    const Rect r = GetDialogItemRect(dialog, item);
    Str255 title = {0};
    if (!Track3DButton(GetDialogPort(dialog), &r, title, k3DTitleLabel)) return;
    PrefsRecord& p = gPrefsWorking;
    auto step = [&](PrefShort field, SInt16 by) {
        SetPref(p, field, std::clamp<SInt16>(SInt16(GetPref(p, field) + by), 0, 4));
    };
    if (item == 200 || item == 201) step(kPrefUnderlinesLessOne, item == 200 ? -1 : 1);
    if (item == 202 || item == 203) step(kPrefStrikeLinesLessOne, item == 202 ? -1 : 1);
    if (item >= 204) SetPref(p, kPrefDropShadowBlur, SInt16(item - 204));
    for (SInt16 each = 200; each <= 208; ++each)
        RedrawPrefsItem(dialog, each);
    RedrawPrefsItem(dialog, kTextSampleItem);
}

// A random sample text that is not empty.
void GetSampleString() {
    Str255 text;
    for (int tries = 0; tries < 200; ++tries)
        if (GetOrvalisString(kSampleTextsList, SInt16(rnd(5) + 1), text)) {
            std::memcpy(gSampleString, text, size_t(text[0]) + 1);
            return;
        }
}
