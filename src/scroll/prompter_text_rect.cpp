// Lays out the prompter window from the settings: the text rectangle, the cue column, the information
// strip and its fields, then moves the text into its new rectangle.
#include "scroll/prompter_window.h"

#include "foundation/error_dialog.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_layout.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

namespace {

PrompterLayoutSettings CurrentLayoutSettings(const Rect* box) {
    const PrefsRecord& p = gThePreferences;
    PrompterLayoutSettings s;
    s.content = GetScrollWindowContent();
    s.offscreen = gOffscreenExtraWindow != nullptr;
    s.scrolling = gScrollOn != kScrollOff;
    s.rotation = GetPref(p, kPrefRotation);
    s.mirror = GetPref(p, kPrefMirror) != 0;
    s.flip = GetPref(p, kPrefFlip) != 0;
    s.infoStrip = GetPref(p, kPrefShowInformation) != 0;
    s.cueShown = GetPref(p, kPrefCueMarkerShown) != 0;
    s.cueWidth = gCueWidth;
    s.margins = GetPref(p, kPrefTextMargins);
    s.tabRulerShowing = gTabBarShowing;
    s.box = box;
    return s;
}

void Report(const char* message, int times) {
    for (int i = 0; i < times; ++i)
        DoErrorMessageText(message);
}

} // namespace

void SetScrollWindowTextRect(const Rect* box) {
    if (!myScrollWindow) return;
    GetCue();
    gCueSpotChanged = true;
    PrompterLayoutSettings settings = CurrentLayoutSettings(box);
    PrompterLayout layout = CalculatePrompterLayout(settings);
    Report("Bad rect in SetScrollWindowtextRect", layout.badBoxReports);
    Report("winrect messed up", layout.messedUpReports);
    gAvailableRect = layout.available;
    gScrollTextRect = layout.text;
    CheckOffscreenSizes(&gScrollTextRect, &gPictureRect);
    // The worlds may have come or gone: the sides the strips take depend on them.
    if ((gOffscreenExtraWindow != nullptr) != settings.offscreen) {
        settings.offscreen = gOffscreenExtraWindow != nullptr;
        layout = CalculatePrompterLayout(settings);
    }
    if (settings.infoStrip) FlipScreenRects(0);
    gInfoRect = layout.info;
    Rect* fields[kInfoFieldCount] = {&gInfoSizeRect, &gInfoStartRect, &gInfoFinishRect, &gInfoTimerRect,
                                     &gInfoModeRect, &gInfoPauseRect, &gInfoEndRect};
    Rect* clicks[kInfoClickCount] = {&gClickInfoSizeRect,  &gClickInfoStartRect, &gClickInfoFinishRect,
                                     &gClickInfoTimerRect, &gClickInfoModeRect,  &gClickInfoPauseRect};
    for (int i = 0; i < kInfoFieldCount; ++i)
        *fields[i] = layout.fields[i];
    for (int i = 0; i < kInfoClickCount; ++i)
        *clicks[i] = layout.clicks[i];
    gCueRect = layout.cue;
    Rect frame = settings.content;
    frame.right -= kScrollBarStrip;
    gScrollDestinationRect = RotateRect(&frame, gScrollTextRect, SInt16(-settings.rotation), gScrollOn);
    if (!ScrollWEHandle) {
        UpdateScrollWindow();
        return;
    }
    if (gScrollTextRect.left > gScrollTextRect.right)
        Report("gScrollTextRect.left > gScrollTextRect.right", 1);
    LongRect view;
    WERectToLongRect(&gScrollDestinationRect, &view);
    WEMoveViewDestRects(&view, ScrollWEHandle);
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    InvalWindowRect(myScrollWindow, &settings.content);
}
