// The text windows beside the prompter, edit window and scroll monitor alike: opening, filling with the
// script (with returns added where the prompter wraps), measuring, scrolling and drawing.
#include "scroll/text_window.h"

#include "foundation/scroll_bar_parts.h"
#include "foundation/window_references.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/mouse_wheel.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/screens.h"
#include "scroll/scroll_engine.h"
#include "scroll/tab_ruler.h"
#include "scroll/tab_stops.h"
#include "shell/about_box.h"
#include "shell/event_handlers.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "shell/window_frames.h"
#include "textengine/custom_hooks.h"
#include "textengine/style_scrap.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The tab ruler's 16 rows and the row below it that keeps the text off its base line.
constexpr SInt16 kTabBarHeight = 16, kTabBarRoom = 17;
// Text taller than this would overflow the 32-bit arithmetic of positions.
constexpr SInt32 kTallestText = 0x3FFFFFFF;
constexpr SInt16 kTextTooTallNotice = 135;

// Runs with the window's port current and puts the caller's port back.
class InTextWindow {
  public:
    explicit InTextWindow(const TextWindow& tw) : window_(*tw.window) {
        GetPort(&saved_);
        if (window_) SetPort(GetWindowPort(window_));
    }
    ~InTextWindow() {
        if (window_) QDFlushPortBuffer(GetWindowPort(window_), nullptr);
        SetPort(saved_);
    }
    InTextWindow(const InTextWindow&) = delete;
    InTextWindow& operator=(const InTextWindow&) = delete;

  private:
    WindowPtr window_;
    GrafPtr saved_ = nullptr;
};

Rect PortBounds(const TextWindow& tw) {
    Rect bounds{};
    if (*tw.window) GetPortBounds(GetWindowPort(*tw.window), &bounds);
    return bounds;
}

void ApplyFormat(TextWindow& tw) {
    WEReference we = *tw.text;
    const TextFormatBlock format = tw.kind->format();
    const SInt32 length = WEGetTextLength(we);
    if (Handle scrap = MakeFormatScrap(format)) {
        WESetSelection(0, length, 0, we);
        WEPasteStylesOnly(scrap, we, 0, length);
        DisposeHandle(scrap);
    }
    WESetSelection(0, 0, 0, we);
}

// Where the prompter's lines start, in its text's offsets.
std::vector<SInt32> PrompterLineStarts() {
    std::vector<SInt32> starts;
    if (!ScrollWEHandle) return starts;
    const SInt32 lines = WECountLines(ScrollWEHandle);
    starts.reserve(size_t(lines > 0 ? lines : 0));
    for (SInt32 line = 0; line < lines; ++line) {
        SInt32 start = 0, end = 0;
        WEGetLineRange(line, &start, &end, ScrollWEHandle);
        starts.push_back(start);
    }
    return starts;
}

} // namespace

// One run in a format over the whole text, as a style scrap.
Handle MakeFormatScrap(const TextFormatBlock& format) {
    Handle scrap = NewHandleClear(Size(2 + kStyleScrapElementSize));
    if (!scrap) return nullptr;
    StyleScrapElement element;
    element.record.style.font = format.font;
    element.record.style.face = format.face;
    element.record.style.size = format.size;
    element.record.style.color = format.textColor;
    const SInt16 count = 1;
    BlockMove(&count, *scrap, 2);
    WriteStyleScrapElement(reinterpret_cast<UInt8*>(*scrap) + 2, element);
    return scrap;
}

void ResetTextWindow(TextWindow& tw) {
    tw.textRect = Rect{};
    tw.currentPos = tw.textHeight = tw.textRectHeight = tw.extraHeight = 0;
    tw.singleSpace = tw.pixelSpace = 0;
    tw.pageScrollSize = 0;
    tw.divisor = 1;
    tw.bar = ScrollBarValues{};
    tw.barControl = MyScrollControl{};
    tw.fakes.clear();
    tw.savePositionCount = 0;
    tw.savedOffset = 0;
    if (tw.savedClip) DisposeRgn(tw.savedClip);
    tw.savedClip = nullptr;
    if (tw.kind && tw.kind->tabBar) gEditTabBarRect = Rect{};
}

bool OpenTextWindow(TextWindow& tw) {
    if (*tw.window) {
        SelectWindow(*tw.window);
        return true;
    }
    WindowPtr window = GetNewCWindow(tw.kind->windowID, nullptr, kFirstWindowOfClass);
    if (!window) return false;
    SetWRefCon(window, tw.kind->reference);
    const auto slot = WindowPlace(tw.kind->placeSlot);
    Rect place = GetWindowPlace(gPositionPreferences, slot);
    if (EmptyRect(&place) || !IsRectWithinADeviceRect(&place)) {
        place = tw.kind->defaultPlace();
        SetWindowPlace(gPositionPreferences, slot, place);
        gPositionPrefsChanged = true;
    }
    if (tw.kind->floatsOverPrompter) SetWindowKeptAboveOwner(window, true);
    place = PlaceWindowInsideScreens(window, place);
    *tw.window = window;
    *tw.device = GetMaxDevice(&place);
    ResetTextWindow(tw);
    {
        InTextWindow port(tw);
        const RGBColor back = tw.kind->format().backColor;
        RGBBackColor(&back);
    }
    CreateTextWindowBox(tw);
    InstallWindowHandlers(window);
    if (tw.kind->wheel)
        InstallWindowEventHandler(window, GetMouseWheelHandler(),
                                  reinterpret_cast<void*>(std::intptr_t(tw.kind->reference)));
    ShowWindow(window);
    return true;
}

void CloseTextWindow(TextWindow& tw, bool alreadyGone) {
    if (*tw.text) WEDispose(*tw.text);
    *tw.text = nullptr;
    if (*tw.window && !alreadyGone) DisposeWindow(*tw.window);
    *tw.window = nullptr;
    *tw.device = nullptr;
    ResetTextWindow(tw);
    if (myScrollWindow) SetPort(GetWindowPort(myScrollWindow));
}

bool CreateTextWindowBox(TextWindow& tw) {
    if (!*tw.window) return false;
    InTextWindow port(tw);
    if (*tw.text) WEDispose(*tw.text);
    *tw.text = nullptr;
    SetTextWindowTextRect(tw);
    const TextFormatBlock format = tw.kind->format();
    TextFont(format.font);
    TextFace(format.face);
    TextSize(format.size);
    RGBForeColor(&format.textColor);
    LongRect dest;
    WERectToLongRect(&tw.textRect, &dest);
    WEReference we = nullptr;
    if (WENew(&dest, &dest, 0, &we) != noErr) return false;
    *tw.text = we;
    WEFeatureFlag(weFAutoScroll, 1, we);
    if (tw.kind->editable) {
        WEFeatureFlag(weFMonoStyled, 1, we);
        if (gEditOn) WEActivate(we);
    }
    return true;
}

bool FillTextWindow(TextWindow& tw, bool breakLikePrompter, std::span<const OverlayInsertion> overlays) {
    WEReference we = *tw.text;
    if (!we) return false;
    InTextWindow port(tw);
    WEScroll(0, -tw.currentPos, we);
    tw.currentPos = 0;
    tw.fakes.clear();
    // The edit window shows the script; the monitor shows what the prompter shows (capitals, looping
    // lines and all), so that its lines and offsets are the prompter's.
    Handle source =
        tw.kind->alwaysBreakLikePrompter && ScrollWEHandle ? WEGetText(ScrollWEHandle) : myTextResource;
    if (!source) {
        Handle empty = NewHandle(0);
        if (empty && WEUseText(empty, we, false) != noErr) DisposeHandle(empty);
        return false;
    }
    const Size sourceLength =
        source == myTextResource ? GetHandleSize(source) : WEGetTextLength(ScrollWEHandle);
    const std::span<const UInt8> scriptBytes(reinterpret_cast<const UInt8*>(*source), size_t(sourceLength));
    if (breakLikePrompter) {
        WEInstallCrOnlyHook(we);
        // The prompter's line starts fit only a text the same as its own.
        if (ScrollWEHandle && WEGetTextLength(ScrollWEHandle) == sourceLength)
            tw.fakes = PlanFakeReturns(scriptBytes, PrompterLineStarts());
    } else {
        WERemoveCrOnlyHook(we);
    }
    // The view's text is made whole, with its returns, before the view takes it: one layout, not one per
    // added return.
    std::vector<UInt8> bytes;
    bytes.reserve(scriptBytes.size() + tw.fakes.size());
    size_t next = 0;
    for (size_t i = 0; i < scriptBytes.size(); ++i) {
        while (next < tw.fakes.size() && size_t(tw.fakes[next]) == bytes.size()) {
            bytes.push_back(13);
            ++next;
        }
        bytes.push_back(scriptBytes[i]);
    }
    // Characters the prompter holds only to make room for overlay pictures are left out of the view.
    for (auto overlay = overlays.rbegin(); overlay != overlays.rend(); ++overlay) {
        const SInt32 from = ScriptToViewOffset(tw.fakes, overlay->offset);
        if (from < 0 || size_t(from) >= bytes.size()) continue;
        const size_t to = std::min(bytes.size(), size_t(from) + size_t(std::max<SInt32>(overlay->count, 0)));
        bytes.erase(bytes.begin() + from, bytes.begin() + SInt32(to));
    }
    Handle text = nullptr;
    if (PtrToHand(bytes.data(), &text, Size(bytes.size())) != noErr || !text) return false;
    if (WEUseText(text, we, false) != noErr) {
        DisposeHandle(text);
        tw.fakes.clear();
        return false;
    }
    SetTextWindowSpacing(tw);
    ApplyFormat(tw);
    SetTextWindowSpacing(tw);
    const SInt16 justification = tw.kind->alwaysBreakLikePrompter
                                     ? GetPref(gThePreferences, kPrefPrompterFormat).justification
                                     : tw.kind->format().justification;
    WESetAlignment(SInt8(justification), we);
    WECalText(we);
    TextWindowRecalText(tw);
    SetTextWindowScrolls(tw);
    GetTextWindowPos(tw, tw.kind->editable);
    return true;
}

void SetTextWindowTextRect(TextWindow& tw) {
    Rect r = PortBounds(tw);
    r.right = SInt16(r.right - (kScrollBarWidth + 1));
    r.left = SInt16(r.left + tw.kind->leftInset);
    if (tw.kind->tabBar && gTabBarShowing) r.top = SInt16(r.top + kTabBarRoom);
    tw.textRect = r;
    WEReference we = *tw.text;
    if (!we) return;
    LongRect rect;
    WERectToLongRect(&r, &rect);
    LongRect dest;
    WEGetDestRect(&dest, we);
    // The dest keeps its vertical place: the text stays where it was scrolled to.
    const SInt32 shift = dest.top - rect.top;
    WESetViewRect(&rect, we);
    dest = rect;
    WEOffsetLongRect(&dest, 0, shift);
    WESetDestRect(&dest, we);
    WECalText(we);
    TextWindowRecalText(tw);
    SetTextWindowScrolls(tw);
    GetTextWindowPos(tw, tw.kind->editable);
    if (*tw.window) InvalWindowRect(*tw.window, &r);
}

void SetTextWindowSpacing(TextWindow& tw) {
    if (!*tw.window) return;
    InTextWindow port(tw);
    const TextFormatBlock format = tw.kind->format();
    TextFont(format.font);
    TextFace(format.face);
    TextSize(format.size);
    FontInfo info{};
    GetFontInfo(&info);
    TextFont(0);
    TextSize(12);
    TextFace(0);
    const SInt32 percent = tw.kind->spacingFromFormat ? format.lineSpacing : 100;
    tw.singleSpace = SInt16(info.ascent + info.descent + info.leading);
    tw.pixelSpace = SInt16(tw.singleSpace * percent / 100);
    if (*tw.text) WESetSpacing(percent, *tw.text);
}

void TextWindowRecalText(TextWindow& tw) {
    WEReference we = *tw.text;
    if (!we) return;
    const SInt32 lines = WECountLines(we);
    tw.textHeight = lines > 0 ? WEGetHeight(0, lines, we) : 0;
    const SInt32 first = lines > 0 ? WEGetHeight(0, 1, we) : 0;
    if (first > 0) tw.pixelSpace = tw.singleSpace = SInt16(first);
    const Rect bounds = PortBounds(tw);
    tw.textRectHeight = bounds.bottom - bounds.top;
    tw.extraHeight = tw.textHeight - tw.textRectHeight;
    if (tw.textHeight > kTallestText) DoAbout(kTextTooTallNotice);
}

void SetTextWindowScrolls(TextWindow& tw) {
    if (tw.extraHeight > 0) {
        tw.bar.minimum = 0;
        tw.bar.maximum = GetScrollAdjustedValues(tw.extraHeight, &tw.divisor);
        tw.bar.value = SInt16(-tw.currentPos / tw.divisor);
        tw.pageScrollSize = RectHeight(tw.textRect) - tw.pixelSpace;
        tw.bar.reference = SInt32(tw.pageScrollSize / tw.divisor);
    } else {
        tw.bar = ScrollBarValues{};
        tw.divisor = 1;
    }
    DrawTextWindowScrollBar(tw);
}

void GetTextWindowPos(TextWindow& tw, bool pullBack) {
    WEReference we = *tw.text;
    if (!we) {
        tw.currentPos = 0;
        return;
    }
    LongRect dest;
    WEGetDestRect(&dest, we);
    tw.currentPos = dest.top - tw.textRect.top;
    const SInt32 past = -tw.currentPos - std::max<SInt32>(tw.extraHeight, 0);
    if (pullBack && tw.currentPos != 0 && past > 0) {
        InTextWindow port(tw);
        WEScroll(0, past, we);
        WEGetDestRect(&dest, we);
        tw.currentPos = dest.top - tw.textRect.top;
    }
    if (tw.extraHeight > 0) tw.bar.value = SInt16(-tw.currentPos / tw.divisor);
}

void TextWindowScrollThisMuch(TextWindow& tw, SInt32 pixels, bool clamp) {
    WEReference we = *tw.text;
    if (!we) return;
    if (clamp) {
        if (tw.extraHeight < 0) return;
        if (pixels < 0 && tw.currentPos + pixels < -tw.extraHeight) pixels = -tw.extraHeight - tw.currentPos;
        if (pixels > 0 && pixels > -tw.currentPos) pixels = -tw.currentPos;
    }
    if (pixels == 0) return;
    {
        InTextWindow port(tw);
        WEScroll(0, pixels, we);
    }
    tw.currentPos += pixels;
    tw.bar.value = SInt16(-tw.currentPos / tw.divisor);
    DrawTextWindowScrollBar(tw);
}

void TextWindowScrollToCharacter(TextWindow& tw, SInt32 offset, double fraction, bool fromTop) {
    WEReference we = *tw.text;
    if (!we || offset < 0 || !*tw.window) return;
    {
        InTextWindow port(tw);
        if (fromTop) {
            WEScroll(0, -tw.currentPos, we);
            tw.currentPos = 0;
        }
        LongPoint point;
        SInt16 lineHeight = 0;
        WEGetPoint(offset, 0, &point, &lineHeight, we);
        // The line's bottom one line below the text rect's top, raised by the fraction of the line.
        const SInt32 by =
            tw.pixelSpace - (point.v + lineHeight - tw.textRect.top) - SInt32(lineHeight * fraction);
        if (by != 0) WEScroll(0, by, we);
    }
    GetTextWindowPos(tw, false);
    DrawTextWindowScrollBar(tw);
}

SInt32 TextWindowZeroPositionCharacter(const TextWindow& tw) {
    return TextWindowMiddleCharacter(tw, tw.textRect.top);
}

SInt32 TextWindowMiddleCharacter(const TextWindow& tw, SInt16 v) {
    if (!*tw.text) return 0;
    const LongPoint point{v, tw.textRect.left};
    SInt8 edge = 0;
    return WEGetOffset(&point, &edge, *tw.text);
}

Rect TextWindowScrollBarRect(const TextWindow& tw) {
    Rect bounds = PortBounds(tw);
    bounds.left = SInt16(bounds.right - kScrollBarWidth);
    bounds.bottom = SInt16(bounds.bottom - kScrollBarWidth);
    return bounds;
}

void DrawTextWindowScrollBar(TextWindow& tw) {
    if (!*tw.window) return;
    const Rect place = TextWindowScrollBarRect(tw);
    if (place.bottom - place.top < 3 * kScrollBarWidth) return;
    MyScrollControl& bar = tw.barControl;
    if (!EqualRect(&place, &bar.bar) || bar.window != *tw.window) {
        bar.window = *tw.window;
        PlaceMyScrollControl(&bar, place);
    }
    bar.minimum = 0;
    bar.maximum = tw.extraHeight > 0 ? double(tw.extraHeight) : 0.0;
    bar.value = -double(tw.currentPos);
    RecalMyScrollControl(&bar, false, kScrollBarNormal, nullptr);
    UpdateMyScrollControl(&bar, kScrollBarNormal);
}

void UpdateTextWindow(TextWindow& tw) {
    if (!*tw.window) return;
    InTextWindow port(tw);
    const RGBColor back = tw.kind->format().backColor;
    RGBBackColor(&back);
    const Rect bounds = PortBounds(tw);
    // The strip along the bottom and the room beside the text.
    Rect strip = bounds;
    strip.top = SInt16(bounds.bottom - kScrollBarWidth);
    EraseRect(&strip);
    Rect side = bounds;
    side.right = tw.textRect.left;
    EraseRect(&side);
    Rect above = bounds;
    above.right = SInt16(bounds.right - (kScrollBarWidth + 1));
    above.bottom = tw.textRect.top;
    EraseRect(&above);
    if (*tw.text) WEUpdate(nullptr, *tw.text);
    DrawTextWindowScrollBar(tw);
    if (tw.kind->tabBar) {
        gEditTabBarRect = TextWindowTabBarRect(tw);
        if (!EmptyRect(&gEditTabBarRect)) DrawTabRuler(gEditTabBarRect, tw.textRect.right);
    }
}

void SaveTextWindowPositionAndReset(TextWindow& tw) {
    if (!*tw.window || tw.savePositionCount != 0) return SysBeep(10);
    tw.savePositionCount = 1;
    {
        InTextWindow port(tw);
        tw.savedClip = NewRgn();
        if (tw.savedClip) GetClip(tw.savedClip);
        const Rect nothing{};
        ClipRect(&nothing);
    }
    tw.savedOffset = TextWindowZeroPositionCharacter(tw);
    if (*tw.text) {
        InTextWindow port(tw);
        WEScroll(0, -tw.currentPos, *tw.text);
    }
    tw.currentPos = 0;
}

void RestoreTextWindowPosition(TextWindow& tw) {
    if (tw.savePositionCount != 1) return SysBeep(10);
    tw.savePositionCount = 0;
    if (!*tw.window) return; // closed meanwhile: its port and clip went with it
    TextWindowScrollToCharacter(tw, tw.savedOffset, 0, true);
    {
        InTextWindow port(tw);
        if (tw.savedClip) {
            SetClip(tw.savedClip);
            DisposeRgn(tw.savedClip);
        } else {
            const Rect bounds = PortBounds(tw);
            ClipRect(&bounds);
        }
        tw.savedClip = nullptr;
        // A text shorter than the window leaves rows below it that the redraw does not cover.
        if (tw.extraHeight < 0) {
            const Rect bounds = PortBounds(tw);
            EraseRect(&bounds);
        }
    }
    UpdateTextWindow(tw);
}

Rect TextWindowTabBarRect(const TextWindow& tw) {
    if (!tw.kind->tabBar || !gTabBarShowing || !*tw.window) return Rect{};
    const Rect bounds = PortBounds(tw);
    return Rect{bounds.top, tw.textRect.left, SInt16(bounds.top + kTabBarHeight), tw.textRect.right};
}

void NewTextWindowSize(TextWindow& tw) {
    if (!*tw.window) return;
    const SInt32 top = TextWindowZeroPositionCharacter(tw);
    if (*tw.text) {
        InTextWindow port(tw);
        WEScroll(0, -tw.currentPos, *tw.text);
        tw.currentPos = 0;
    }
    tw.barControl = MyScrollControl{};
    CreateTextWindowBox(tw);
    FillTextWindow(tw, tw.kind->alwaysBreakLikePrompter ||
                           GetPref(gThePreferences, kPrefEditFollowsPrompterLines) != 0);
    TextWindowScrollToCharacter(tw, top, 0, false);
    UpdateTextWindow(tw);
}

void KeepFakeReturnsInStep(TextWindow& tw) {
    WEReference we = *tw.text;
    if (!we || !ScrollWEHandle || gScrollingInAllCAPS) return;
    Handle view = WEGetText(we);
    Handle script = WEGetText(ScrollWEHandle);
    if (!view || !script) return;
    const std::span<const UInt8> viewBytes(reinterpret_cast<const UInt8*>(*view),
                                           size_t(WEGetTextLength(we)));
    const std::span<const UInt8> scriptBytes(reinterpret_cast<const UInt8*>(*script),
                                             size_t(WEGetTextLength(ScrollWEHandle)));
    // The list is right when it names as many returns as the view has to spare, each on a return.
    bool inStep = viewBytes.size() == scriptBytes.size() + tw.fakes.size();
    for (size_t i = 0; inStep && i < tw.fakes.size(); ++i)
        inStep = tw.fakes[i] >= 0 && size_t(tw.fakes[i]) < viewBytes.size() &&
                 viewBytes[size_t(tw.fakes[i])] == 13 && (i == 0 || tw.fakes[i] > tw.fakes[i - 1]);
    if (inStep) return;
    FindFakeReturns(viewBytes, scriptBytes, &tw.fakes);
}
