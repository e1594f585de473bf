// Window frames: remembering places, keeping windows on a screen, laying windows out after a resize and
// closing them through their own closers.
#include "shell/window_frames.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "platform/events.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "scroll/window_settings.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "texttools/help_window.h"
#include "texttools/text_tool_windows.h"

#include <algorithm>
#include <vector>

namespace {

// How much of a window a screen must show for it to count as on that screen: enough to grab it.
constexpr int kGrabWidth = 48;
constexpr int kGrabHeight = 24;
constexpr SInt16 kMinimumGrowSide = 80;

using SizeOperation = void (*)(SInt16 width, SInt16 height);
using CloseOperation = void (*)(SInt16 alreadyGone);

struct FrameEntry {
    WindowPtr* window;
    WindowPlace place;
    GDHandle* device;
    SizeOperation size;
    CloseOperation close;
};

// In the order the windows are looked for. The nonverbal window has a place but no layout of its own.
const FrameEntry kFrames[] = {
    {&myScrollWindow, kPlacePrompter, &myScrollDevice, NewScrollWindowSize, nullptr},
    {&myEditWindow, kPlaceEdit, &myEditDevice, NewEditWindowSize, nullptr},
    {&myBookmarkWindow, kPlaceBookmark, &myBookmarkDevice, NewBookmarkWindowSize, nullptr},
    {&myToolbarWindow, kPlaceToolbar, &myToolbarDevice, NewToolbarWindowSize, nullptr},
    {&myScrollMonitorWindow, kPlaceScrollMonitor, &myScrollMonitorDevice, NewScrollMonitorWindowSize,
     nullptr},
    {&myMacroEditorWindow, kPlaceMacroEditor, &myMacroEditorDevice, NewMacroEditorWindowSize,
     CloseMacroEditorWindow},
    {&myFunctionsWindow, kPlaceFunctions, &myFunctionsDevice, NewFunctionsWindowSize, CloseFunctionsWindow},
    {&myMacroMonitorWindow, kPlaceMacroMonitor, &myMacroMonitorDevice, NewMacroMonitorWindowSize,
     CloseMacroMonitorWindow},
    {&myFindReplaceWindow, kPlaceFindReplace, &myFindReplaceDevice, NewFindReplaceWindowSize,
     CloseFindReplaceWindow},
    {&mySyllableSyncWindow, kPlaceSyllableSync, &mySyllableSyncDevice, NewSyllableSyncWindowSize,
     CloseSyllableSyncWindow},
    {&myHelpWindow, kPlaceHelp, &myHelpDevice, NewHelpWindowSize, CloseHelpWindow},
    {&myFormatPalWindow, kPlaceFormatPalette, &myFormatPalDevice, NewFormatPalWindowSize,
     CloseFormatPalWindow},
    {&myFindStyleWindow, kPlaceFindStyle, &myFindStyleDevice, NewFindStyleWindowSize, CloseFindStyleWindow},
    {&myTextMergeWindow, kPlaceTextMerge, &myTextMergeDevice, NewTextMergeWindowSize, CloseTextMergeWindow},
    {&myMediaQueueWindow, kPlaceMediaQueue, &myMediaQueueDevice, NewMediaQueueWindowSize,
     CloseMediaQueueWindow},
    {&myRecordWindow, kPlaceRecord, &myRecordDevice, NewRecordWindowSize, CloseRecordWindow},
    {&myKeyEquivWindow, kPlaceKeyEquivalents, &myKeyEquivDevice, NewKeyEquivWindowSize, CloseKeyEquivWindow},
    {&myCommandWindow, kPlaceCommand, &myCommandDevice, NewCommandWindowSize, CloseCommandWindow},
    {&myHypertextWindow, kPlaceHypertext, &myHypertextDevice, NewHypertextWindowSize, CloseHypertextWindow},
    {&myColorChartWindow, kPlaceColorChart, &myColorChartDevice, NewColorChartWindowSize,
     CloseColorChartWindow},
    {&mySpirographWindow, kPlaceMandala, &mySpirographDevice, NewSpirographWindowSize, CloseSpirographWindow},
    {&mySearchDictWindow, kPlaceSearchDictionary, &mySearchDictDevice, NewSearchDictWindowSize,
     CloseSearchDictWindow},
    {&myOverlayWindow, kPlaceOverlay, &myOverlayDevice, NewOverlayWindowSize, CloseOverlayWindow},
};

const FrameEntry* EntryFor(WindowPtr window) {
    if (!window) return nullptr;
    for (const FrameEntry& entry : kFrames)
        if (*entry.window == window) return &entry;
    return nullptr;
}

// The prompter keeps a separate rectangle while it scrolls when the settings ask for one.
bool PrompterUsesScrollingPlace() {
    return GetPref(gThePreferences, kPrefSetScreenSize) != 0 && gScrollOn;
}

// Clears the window, invalidates it and lets its subsystem lay it out for the new size.
void LayOut(WindowPtr window, const FrameEntry& entry, SInt16 width, SInt16 height) {
    WindowReference saved = GetPortReference();
    GetWindowRefandSetPort(window);
    if (entry.window != &myToolbarWindow) InvalGrowBox(window);
    Rect port;
    GetPortBounds(GetWindowPort(window), &port);
    ClipRect(&port);
    EraseRect(&port);
    InvalWindowRect(window, &port);
    entry.size(width, height);
    SetPortByReference(saved);
}

} // namespace

Rect KeepRectOnScreens(const Rect& place, std::span<const Rect> screens) {
    if (screens.empty()) return place;
    const int width = std::max(0, int(place.right) - place.left);
    const int height = std::max(0, int(place.bottom) - place.top);
    for (const Rect& screen : screens) {
        const int shownWidth =
            std::min<int>(place.right, screen.right) - std::max<int>(place.left, screen.left);
        const int shownHeight =
            std::min<int>(place.bottom, screen.bottom) - std::max<int>(place.top, screen.top);
        if (shownWidth >= std::min(width, kGrabWidth) && shownHeight >= std::min(height, kGrabHeight) &&
            shownWidth > 0 && shownHeight > 0)
            return place;
    }
    const Rect& main = screens.front();
    const int mainWidth = main.right - main.left;
    const int mainHeight = main.bottom - main.top;
    const int w = std::min(width, mainWidth);
    const int h = std::min(height, mainHeight);
    const int left = main.left + (mainWidth - w) / 2;
    const int top = main.top + (mainHeight - h) / 3;
    return Rect{SInt16(top), SInt16(left), SInt16(top + h), SInt16(left + w)};
}

Rect KeepRectOnScreen(const Rect& place) {
    std::vector<Rect> screens;
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device))
        screens.push_back(GetAvailableBounds(device));
    return KeepRectOnScreens(place, screens);
}

Rect FitFrameInsideAreas(const Rect& place, const Rect& margins, std::span<const Rect> areas) {
    if (areas.empty()) return place;
    const int frameTop = place.top - margins.top, frameLeft = place.left - margins.left;
    const int frameBottom = place.bottom + margins.bottom, frameRight = place.right + margins.right;
    const Rect* area = &areas.front();
    SInt64 best = 0;
    for (const Rect& a : areas) {
        const SInt64 w = std::min<int>(frameRight, a.right) - std::max<int>(frameLeft, a.left);
        const SInt64 h = std::min<int>(frameBottom, a.bottom) - std::max<int>(frameTop, a.top);
        if (w > 0 && h > 0 && w * h > best) {
            best = w * h;
            area = &a;
        }
    }
    // Along one axis: the frame's start and length within the area's start and end.
    auto fit = [](int start, int length, int low, int high) {
        length = std::max(0, std::min(length, high - low));
        start = std::clamp(start, low, std::max(low, high - length));
        return std::pair{start, length};
    };
    const auto [left, width] = fit(frameLeft, frameRight - frameLeft, area->left, area->right);
    const auto [top, height] = fit(frameTop, frameBottom - frameTop, area->top, area->bottom);
    const int contentWidth = std::max(1, width - margins.left - margins.right);
    const int contentHeight = std::max(1, height - margins.top - margins.bottom);
    const int contentLeft = left + margins.left, contentTop = top + margins.top;
    return Rect{SInt16(contentTop), SInt16(contentLeft), SInt16(contentTop + contentHeight),
                SInt16(contentLeft + contentWidth)};
}

Rect PlaceWindowInsideScreens(WindowPtr window, const Rect& place) {
    if (!window) return place;
    std::vector<Rect> areas;
    for (GDHandle device = GetDeviceList(); device; device = GetNextDevice(device))
        areas.push_back(GetAvailableBounds(device));
    const Rect fitted = FitFrameInsideAreas(place, GetWindowFrameMargins(window), areas);
    SizeWindow(window, RectWidth(fitted), RectHeight(fitted), true);
    MoveWindow(window, fitted.left, fitted.top, false);
    return fitted;
}

void GetWindowRect(WindowPtr window, Rect* r) {
    if (window && r) GetWindowBounds(window, kWindowContentRgn, r);
}

void InvalGrowBox(WindowPtr window) {
    if (!window) return;
    Rect port;
    GetPortBounds(GetWindowPort(window), &port);
    const Rect box{SInt16(port.bottom - 15), SInt16(port.right - 15), port.bottom, port.right};
    InvalWindowRect(window, &box);
}

void DoBoundsChanged(WindowPtr window) {
    if (gInhibitBoundChanged || !window) return;
    Rect bounds;
    GetWindowRect(window, &bounds);
    const FrameEntry* entry = EntryFor(window);
    if (entry && !gUpdateWindowBounds) {
        // A window dragged or resized off every screen comes back where it can be reached; the move
        // brings another bounds change, which stores the place it ends at.
        const Rect kept = KeepRectOnScreen(bounds);
        if (!(kept == bounds)) {
            SizeWindow(window, RectWidth(kept), RectHeight(kept), true);
            MoveWindow(window, kept.left, kept.top, false);
            bounds = kept;
        }
    }
    gPositionPrefsChanged = true;
    if (!entry) return;
    const SInt16 width = RectWidth(bounds);
    const SInt16 height = RectHeight(bounds);
    bool sizeChanged = true;
    if (entry->window == &myScrollWindow || entry->window == &myEditWindow) {
        const Rect old = GetWindowPlace(gPositionPreferences, entry->place);
        sizeChanged = RectWidth(old) != width || RectHeight(old) != height;
    }
    if (!gUpdateWindowBounds) {
        if (entry->window == &myScrollWindow && PrompterUsesScrollingPlace()) {
            // The scrolling rectangle only ever shrinks to what the window now covers.
            Rect scrolling = GetWindowPlace(gPositionPreferences, kPlacePrompterScrolling);
            scrolling.top = std::max(scrolling.top, bounds.top);
            scrolling.left = std::max(scrolling.left, bounds.left);
            scrolling.bottom = std::min(scrolling.bottom, bounds.bottom);
            scrolling.right = std::min(scrolling.right, bounds.right);
            SetWindowPlace(gPositionPreferences, kPlacePrompterScrolling, scrolling);
        } else {
            SetWindowPlace(gPositionPreferences, entry->place, bounds);
        }
    }
    *entry->device = GetWindowDevice(window);
    if (sizeChanged) LayOut(window, *entry, width, height);
    if (entry->window == &myScrollWindow && myCueLightWindow) PositionCueLightWindow();
}

void DoGrow(WindowPtr window) {
    const FrameEntry* entry = EntryFor(window);
    if (!entry) return;
    Rect start{};
    GetWindowRect(window, &start);
    SInt32 width = RectWidth(start);
    SInt32 height = RectHeight(start);
    Point last;
    GetGlobalMouse(&last);
    while (StillDown()) {
        Point mouse;
        GetGlobalMouse(&mouse);
        if (mouse == last) {
            Delay(1, nullptr);
            continue;
        }
        width = std::max<SInt32>(kMinimumGrowSide, width + mouse.h - last.h);
        height = std::max<SInt32>(kMinimumGrowSide, height + mouse.v - last.v);
        last = mouse;
        SizeWindow(window, SInt16(width), SInt16(height), false);
    }
    // The size kept is one that lies on a screen.
    Rect end{start.top, start.left, SInt16(start.top + height), SInt16(start.left + width)};
    end = KeepRectOnScreen(end);
    SizeWindow(window, RectWidth(end), RectHeight(end), false);
    MoveWindow(window, end.left, end.top, false);
    const bool scrolling = entry->window == &myScrollWindow && PrompterUsesScrollingPlace();
    SetWindowPlace(gPositionPreferences, scrolling ? kPlacePrompterScrolling : entry->place, end);
    LayOut(window, *entry, RectWidth(end), RectHeight(end));
    gPositionPrefsChanged = true;
}

void DoGoAway(WindowPtr window) {
    if (gQuitting || !window) return;
    // The platform leaves a window open when it is asked to close, so every closer disposes the window
    // itself as well as its contents.
    constexpr SInt16 kCloseTheWindowToo = 0;
    if (window == myBookmarkWindow) {
        CloseBookmarkWindow(kCloseTheWindowToo);
        SetPref(gThePreferences, kPrefBookmarkWindowOpen, 0);
        gPrefsChanged = true;
    } else if (window == myEditWindow) {
        const bool wasEditing = gEditOn != 0;
        StopEdit();
        SetPref(gThePreferences, kPrefSeparateEditWindow, 0);
        CloseEditWindow(kCloseTheWindowToo);
        SetScrollWindowToNormal();
        SelectHideOtherWindow(myScrollWindow);
        gPrefsChanged = true;
        if (wasEditing) StartEdit();
    } else if (window == myToolbarWindow) {
        CloseToolbarWindow(kCloseTheWindowToo);
        SetPref(gThePreferences, kPrefToolbarOpen, 0);
        gPrefsChanged = true;
    } else if (window == myScrollMonitorWindow) {
        CloseScrollMonitorWindow(kCloseTheWindowToo);
        gPrefsChanged = true;
    } else if (const FrameEntry* entry = EntryFor(window); entry && entry->close) {
        entry->close(kCloseTheWindowToo);
    }
}
