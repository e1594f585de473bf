// Drawing the tab ruler: a white band above the prompter text with a pixel scale and a marker at each tab
// stop, drawn in edit mode only.
#include "scroll/tab_ruler.h"

#include "effects/effects.h"
#include "foundation/app_paths.h"
#include "foundation/program_strings.h"
#include "foundation/rle_pictures.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/background_picture.h"
#include "scroll/label_font.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/tab_stops.h"
#include "shell/shell_globals.h"

#include <algorithm>
#include <cstring>

Handle gTabPics[kTabKindCount] = {};

namespace {

constexpr SInt16 kRulerHeight = 16;
// A marker spans 6 pixels left and 5 right of its stop, from 4 pixels below the ruler's top.
constexpr SInt16 kMarkerLeft = 6, kMarkerRight = 5, kMarkerTop = 4, kMarkerBottom = 15;
// The markers' drawing index that takes the ruler's tab colour.
constexpr SInt16 kMarkerColorIndex = 255;

std::string TabPictureFolder() {
    std::string folder = GetAppPathFolder(kInstructionsSlot);
    return folder.empty() ? GetAppPathFolder(kApplicationSlot) : folder;
}

void DrawScale(const Rect& ruler) {
    const SmallLabelFont labels;
    const SInt16 base = SInt16(ruler.bottom - 1);
    for (SInt32 step = 0; ruler.left + step < ruler.right; step += 10) {
        const SInt16 x = SInt16(ruler.left + step);
        if (step % 100 == 0) {
            MoveTo(x, base);
            LineTo(x, ruler.top);
            Str255 number;
            NumToString(step, number);
            MoveTo(SInt16(x + 3), SInt16(ruler.top + 8));
            DrawString(number);
        } else {
            MoveTo(x, base);
            LineTo(x, SInt16(base - (step % 50 == 0 ? 6 : 4)));
        }
    }
}

void DrawStops(const Rect& ruler) {
    TabList stops;
    GetScrollTabStops(&stops);
    GrafPtr port;
    GetPort(&port);
    const SInt16 savedIndex = gRemapIndex, savedColor = gRemapColor;
    gRemapIndex = kMarkerColorIndex;
    gRemapColor = SInt16(1000 + GetPref(gThePreferences, kPrefTabBarColor));
    for (SInt32 i = 0; i < stops.count; ++i) {
        const SInt32 x = ruler.left + SInt32(stops.positions[i]);
        if (x - kMarkerLeft > ruler.right) break;
        const SInt16 kind = stops.kinds[i];
        if (kind < 0 || kind >= kTabKindCount || !gTabPics[kind]) continue;
        const Rect marker{SInt16(ruler.top + kMarkerTop), SInt16(x - kMarkerLeft),
                          SInt16(ruler.top + kMarkerBottom), SInt16(x + kMarkerRight)};
        DrawRLEN(gTabPics[kind], &marker, reinterpret_cast<CGrafPtr>(port));
    }
    gRemapIndex = savedIndex;
    gRemapColor = savedColor;
}

} // namespace

Rect ScrollTabBarRect(const Rect& frame) {
    Rect r;
    r.top = frame.top;
    r.bottom = SInt16(frame.top + kRulerHeight);
    r.left = gScrollTextRect.left;
    r.right = std::min(gScrollTextRect.right, gAvailableRect.right);
    return r;
}

void GetScrollTabStops(TabList* out) {
    *out = CurrentTabList();
    out->count = std::clamp<SInt32>(out->count, 0, kMaxTabStops);
}

void DisposeTabPics() {
    for (Handle& picture : gTabPics) {
        DisposeRLEPicture(picture);
        picture = nullptr;
    }
}

void LoadTabPics() {
    DisposeTabPics();
    const std::string folder = TabPictureFolder();
    if (folder.empty()) return;
    for (SInt16 kind = 0; kind < kTabKindCount; ++kind) {
        Str255 name;
        if (!GetOrvalisString(kBuiltInPictureNames, SInt16(kFirstTabPictureItem + kind), name) ||
            name[0] == 0)
            return;
        gTabPics[kind] = ReadRLEPicture(folder + MacRomanToUtf8(PStringView(name)));
        if (!gTabPics[kind]) return;
    }
}

void DrawScrollTabBar(const Rect* frame) {
    if (!myScrollWindow || !gTabBarShowing || gScrollOn) return;
    Rect whole = GetScrollWindowContent();
    whole.right = SInt16(whole.right - kScrollBarStrip);
    gTabBarRect = ScrollTabBarRect(frame ? *frame : whole);
    if (EmptyRect(&gTabBarRect)) return;
    DrawTabRuler(gTabBarRect, gScrollTextRect.right);
}

void DrawTabRuler(const Rect& ruler, SInt16 lineRight) {
    if (!gTabPics[0]) LoadTabPics();
    RGBColor fore;
    GetForeColor(&fore);
    static RgnHandle savedClip = NewRgn();
    static RgnHandle rulerClip = NewRgn();
    GetClip(savedClip);
    RectRgn(rulerClip, &ruler);
    SectRgn(rulerClip, savedClip, rulerClip);
    SetClip(rulerClip);
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF}, black{0, 0, 0};
    RGBForeColor(&white);
    PaintRect(&ruler);
    RGBForeColor(&black);
    MoveTo(ruler.left, SInt16(ruler.bottom - 1));
    LineTo(SInt16(std::min(lineRight, ruler.right) - 1), SInt16(ruler.bottom - 1));
    DrawScale(ruler);
    SetClip(savedClip);
    // The markers stand over the ruler's ends: one at the text's left edge reaches past it.
    DrawStops(ruler);
    RGBForeColor(&fore);
}
