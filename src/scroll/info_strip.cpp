// Drawing the prompter's information strip with live values: the fields are drawn upright in a small
// world and turned, mirrored and flipped onto the window as the output is.
#include "scroll/info_strip.h"

#include "foundation/program_strings.h"
#include "foundation/rect_fitting.h"
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "resource_names.h"
#include "scroll/label_font.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_compose.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void Append(Str255 out, const UInt8* text, size_t length) {
    const size_t room = 255 - out[0];
    length = std::min(length, room);
    std::memcpy(out + 1 + out[0], text, length);
    out[0] = UInt8(out[0] + length);
}

void AppendItem(Str255 out, SInt16 item) {
    Str255 text;
    GetOrvalisString(kProgramTexts, item, text);
    Append(out, text + 1, text[0]);
}

void AppendNumber(Str255 out, SInt32 n) {
    Str255 text;
    NumToString(n, text);
    Append(out, text + 1, text[0]);
}

// "<label><seconds> second[s]", seconds rounded up from ticks.
void AppendSeconds(Str255 out, SInt16 label, SInt32 ticks) {
    AppendItem(out, label);
    AppendNumber(out, SInt32((SInt64(ticks) + 59) / 60));
    AppendItem(out, 15);
    if (ticks > 60) AppendItem(out, 16);
}

bool Scrolling() {
    return gScrollOn == kScrollOn || gScrollOn == kScrollOnEditable;
}

const Rect* FieldRect(SInt16 field) {
    const Rect* rects[] = {&gInfoSizeRect, &gInfoStartRect, &gInfoFinishRect, &gInfoTimerRect,
                           &gInfoModeRect, &gInfoPauseRect, &gInfoEndRect};
    return rects[field];
}

// The strip's fields drawn in the strip at `strip` (the field rectangles are laid out from the strip's
// own top-left corner).
void DrawFields(const Rect& strip, bool showSize, bool showTimes) {
    const SInt16 dh = strip.left, dv = strip.top;
    for (SInt16 field = kInfoSize; field <= kInfoEnd; ++field) {
        if (field == kInfoSize && !showSize) continue;
        if ((field == kInfoStart || field == kInfoFinish || field == kInfoTimer) && !showTimes) continue;
        Rect r = *FieldRect(field);
        if (EmptyRect(&r)) continue;
        OffsetRect(&r, dh, dv);
        Str255 text;
        GetInfoFieldText(field, text);
        MoveTo(SInt16(r.left + 5), SInt16(r.bottom - 3));
        DrawString(text);
        if (field == kInfoMode) {
            // The direction the text moves: the arrow's head at the bottom when going back.
            const SInt16 x = SInt16(r.left + 5 + StringWidth(text) + 5);
            const SInt16 top = SInt16(r.top + 2), bottom = SInt16(r.bottom - 2);
            const bool back = GetPref(gThePreferences, kPrefScrollDirection) < 0;
            const SInt16 head = back ? bottom : top, toward = SInt16(back ? -3 : 3);
            MoveTo(x, bottom);
            LineTo(x, top);
            MoveTo(SInt16(x - 3), SInt16(head + toward));
            LineTo(x, head);
            LineTo(SInt16(x + 3), SInt16(head + toward));
        }
    }
}

void DrawStrip(const Rect& strip, SInt16 kind, bool showSize, bool showTimes) {
    const RGBColor black{0, 0, 0};
    const RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    RGBBackColor(&back);
    EraseRect(&strip);
    RGBForeColor(&black);
    FrameRect(&strip);
    const RGBColor text = GetPref(gThePreferences, kPrefPrompterFormat).textColor;
    RGBForeColor(&text);
    if (kind == 2) {
        SInt32 offset = 0, length = 0;
        if (GetInfoThumb(strip.right - strip.left - 2, &offset, &length)) {
            const Rect thumb{SInt16(strip.top + 1), SInt16(strip.left + 1 + offset), SInt16(strip.bottom - 1),
                             SInt16(strip.left + 1 + offset + length)};
            PaintRect(&thumb);
        }
    } else if (kind == 3) {
        MoveTo(strip.left, strip.top);
        LineTo(SInt16(strip.right - 1), SInt16(strip.bottom - 1));
    } else if (kind == 1) {
        const SmallLabelFont labels;
        DrawFields(strip, showSize, showTimes);
    }
    RGBForeColor(&black);
}

bool OutputTransformed() {
    const PrefsRecord& p = gThePreferences;
    return GetPref(p, kPrefMirror) || GetPref(p, kPrefFlip) || (GetPref(p, kPrefRotation) && gScrollOn);
}

} // namespace

SInt32 GetScrollTicksLeft(SInt16) {
    const double pace = gAverageScrollDistance;
    if (!std::isfinite(pace) || pace <= 0) return -1;
    const SInt64 remaining = GetPref(gThePreferences, kPrefScrollDirection) >= 1
                                 ? SInt64(std::trunc(gScrollCurrentPos)) + gScrollExtraHeight
                                 : -SInt64(std::trunc(gScrollCurrentPos));
    // The delay is already in ticks; only the distance is turned into ticks at the pace.
    const double ticks = double(std::max<SInt64>(remaining, 0)) / pace + std::max<SInt32>(gDelayScroll, 0);
    return ticks >= 0x7FFFFFFF ? -1 : SInt32(ticks);
}

SInt32 GetScrollTicksPassed() {
    return Scrolling() ? SInt32(TickCount() - gTimeScrollStarted) : 0;
}

void GetInfoFieldText(SInt16 field, Str255 out) {
    out[0] = 0;
    switch (field) {
    case kInfoSize: {
        const Rect content = GetScrollWindowContent();
        AppendNumber(out, content.right - content.left);
        AppendItem(out, 13);
        AppendNumber(out, content.bottom - content.top);
        break;
    }
    case kInfoStart:
        AppendSeconds(out, 14, std::max<SInt32>(gDelayScroll, 0));
        break;
    case kInfoFinish:
        if (const SInt32 ticks = GetScrollTicksLeft(0); ticks >= 0) {
            AppendSeconds(out, 17, ticks);
        } else {
            AppendItem(out, 17);
            Append(out, reinterpret_cast<const UInt8*>("--"), 2);
        }
        break;
    case kInfoTimer:
        AppendSeconds(out, 38, GetScrollTicksPassed());
        break;
    case kInfoMode:
        AppendItem(out, gScrollOn == kScrollOn ? 19 : gScrollOn == kScrollOnEditable ? 170 : 18);
        break;
    case kInfoPause:
        AppendItem(out, IsPaused() ? 20 : 21);
        break;
    case kInfoEnd:
        Append(out, reinterpret_cast<const UInt8*>(gFileName.data()), gFileName.size());
        break;
    default:
        break;
    }
}

bool GetInfoThumb(SInt32 bar, SInt32* offset, SInt32* length) {
    if (bar <= 0 || gScrollExtraHeight <= 0) return false;
    const SInt32 thumb = SInt32(std::max<SInt64>(SInt64(bar) * bar / gScrollExtraHeight, 10));
    if (thumb >= bar) return false;
    const SInt64 travelled =
        std::clamp<SInt64>(-SInt64(std::trunc(gScrollCurrentPos)), 0, gScrollExtraHeight);
    *offset = SInt32(travelled * (bar - thumb) / gScrollExtraHeight);
    *length = thumb;
    return true;
}

void UpdateInfoRect(SInt16 kind, SInt16 showSize, SInt32 showTimes) {
    if (kind == 0 || EmptyRect(&gInfoRect)) return;
    GrafPtr port;
    GetPort(&port);
    RGBColor fore, back;
    GetForeColor(&fore);
    GetBackColor(&back);
    GWorldPtr world = nullptr;
    const SInt16 rotation = gScrollOn ? GetPref(gThePreferences, kPrefRotation) : 0;
    const Rect upright = RotateRect(nullptr, AtOrigin(gInfoRect), rotation, 1);
    if (OutputTransformed()) world = NewWorld(upright);
    if (world) {
        CGrafPtr savedWorld;
        GDHandle savedDevice;
        GetGWorld(&savedWorld, &savedDevice);
        SetGWorld(world, nullptr);
        DrawStrip(upright, kind, showSize != 0, showTimes != 0);
        SetGWorld(savedWorld, savedDevice);
        SetPort(port);
        CopyTurnedAsOutput(world, port, upright, gInfoRect, true);
        DisposeWorld(&world);
    } else {
        DrawStrip(gInfoRect, kind, showSize != 0, showTimes != 0);
    }
    RGBForeColor(&fore);
    const RGBColor prompterBack = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
    RGBBackColor(world ? &prompterBack : &back);
}

void DrawInfoRect(SInt16 kind, SInt16 showSize, SInt32 showTimes) {
    if (!myScrollWindow || kind == 0) return;
    GrafPtr saved;
    GetPort(&saved);
    CGrafPtr windowPort = GetWindowPort(myScrollWindow);
    SetPort(windowPort);
    UpdateInfoRect(kind, showSize, showTimes);
    QDFlushPortBuffer(windowPort, nullptr);
    SetPort(saved);
}
