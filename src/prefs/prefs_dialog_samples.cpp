// The preferences dialog's drawn items: the pane tabs, the pop-up boxes, the live text sample, the
// miniature of the prompter screen, the sliders, the shadow dial and the small style buttons.
#include "controls/custom_controls.h"
#include "foundation/popup_items.h"
#include "foundation/program_strings.h"
#include "foundation/small_math.h"
#include "foundation/string_drawing.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"
#include "prefs/preferences_dialog.h"
#include "prefs/prefs_dialog_items.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr SInt16 kSampleTextsList = 131;
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

// The prompter screen reduced into the item: the screen, the text box and the background picture's
// rectangle, each scaled by the same factor.
void DrawScreenSample(DialogPtr dialog, SInt16 item) {
    PortState state;
    const Rect r = GetDialogItemRect(dialog, item);
    Rect screen{};
    GetWindowBoundsIfScrolling(&screen);
    if (RectWidth(screen) <= 0 || RectHeight(screen) <= 0) screen = Rect{0, 0, 768, 1024};
    const double scale =
        std::min(double(RectWidth(r)) / RectWidth(screen), double(RectHeight(r)) / RectHeight(screen));
    auto reduced = [&](const Rect& x) {
        return Rect{SInt16(r.top + (x.top) * scale), SInt16(r.left + (x.left) * scale),
                    SInt16(r.top + (x.bottom) * scale), SInt16(r.left + (x.right) * scale)};
    };
    const Rect whole = reduced(Rect{0, 0, SInt16(RectHeight(screen)), SInt16(RectWidth(screen))});
    const TextFormatBlock f = GetPref(gPrefsWorking, kPrefPrompterFormat);
    RGBBackColor(&kWhite);
    EraseRect(&r);
    RGBForeColor(&f.backColor);
    PaintRect(&whole);
    RGBForeColor(&kBlack);
    FrameRect(&whole);
    const Rect picture = GetPref(gPrefsWorking, kPrefPictureRect);
    if (!EmptyRect(&picture)) {
        const Rect p = reduced(picture);
        RGBForeColor(&kTabGrey);
        PaintRect(&p);
    }
    const Rect box = GetPref(gPrefsWorking, kPrefTextBoxRect);
    const Rect text = EmptyRect(&box) ? whole : reduced(box);
    RGBForeColor(&f.textColor);
    FrameRect(&text);
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

void DrawASliderControl(DialogPtr dialog, SInt16 item) {
    if (!dialog) return;
    PortState state;
    const Rect r = GetDialogItemRect(dialog, item);
    RGBBackColor(&kWhite);
    EraseRect(&r);
    RGBForeColor(&kBlack);
    const SInt16 middle = SInt16((r.top + r.bottom) / 2);
    MoveTo(SInt16(r.left + 7), middle);
    LineTo(SInt16(r.left + 107), middle);
    const SInt16 x = SInt16(r.left + 7 + std::clamp<SInt16>(SliderValue(item), 0, 100));
    const Rect knob{SInt16(middle - 6), SInt16(x - 4), SInt16(middle + 7), SInt16(x + 5)};
    PaintOval(&knob);
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
