// The redraw of the whole prompter window: the background, the text composed the way the output shows it,
// the cue marker, the ball, the information strip, the tab ruler, and the erasing of whatever nothing
// covers.
#include "scroll/prompter_drawing.h"

#include "effects/effects.h"
#include "effects/shapes.h"
#include "foundation/offscreen_copy.h"
#include "foundation/rect_fitting.h"
#include "media/media_services.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_compose.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_step_drawing.h"
#include "scroll/tab_ruler.h"
#include "scroll/text_layer_copy.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

namespace {

RGBColor BackColor() {
    return GetPref(gThePreferences, kPrefPrompterFormat).backColor;
}

SInt16 BackgroundKind() {
    return GetPref(gThePreferences, kPrefBackgroundKind);
}

bool OverlaysOn() {
    return GetPref(gThePreferences, kPrefOverlaysOn) != 0;
}

Rect ContentLessBarStrip() {
    Rect content = GetScrollWindowContent();
    content.right -= kScrollBarStrip;
    return content;
}

// The column at the right edge where the scroll bar stands.
void EraseBarColumn() {
    Rect column = GetScrollWindowContent();
    column.left = SInt16(column.right - (kScrollBarStrip - 1));
    EraseRect(&column);
}

// Lays the text out again in the text world (or the window when there is none) over the text rectangle
// as the text world holds it: turned back by the output's rotation.
void RedrawTextLayer() {
    SetPort(myScrollWindowAlias);
    const RGBColor back = BackColor();
    RGBBackColor(&back);
    const Rect turned = TurnedToTextWorld(gScrollTextRect);
    EraseRect(&turned);
    static RgnHandle region = NewRgn();
    RectRgn(region, &turned);
    WEUpdate(region, ScrollWEHandle);
}

// The animated background or the live frame into the background world, and the overlays over it.
void FillBackgroundWorld() {
    const SInt16 kind = BackgroundKind();
    const Rect picture = AtOrigin(gPictureRect);
    const SInt16 rotation = GetPref(gThePreferences, kPrefRotation);
    GWorldPtr source = nullptr;
    Rect from{};
    if (ThisScrollAgainstNeedsMatrixPort(kind) && gMatrixPort) {
        source = gMatrixPort;
        from = RotateRect(nullptr, picture, rotation, 1);
    } else if (kind == kPictureKindLiveVideo && gLiveVideoPort && !gQuitting) {
        source = gLiveVideoPort;
        from = gLiveVideoBounds;
    }
    if (source) {
        SetGWorld(gAnotherOffscreen, nullptr);
        CopyTurnedAsOutput(source, gAnotherOffscreen, from, picture, true);
    }
    if (OverlaysOn()) CopyOverlaysToPort(1);
}

// Background and text layer composed in the composite world.
void ComposeOverBackgroundWorld(CGrafPtr windowPort) {
    SetPort(windowPort);
    FillBackgroundWorld();
    SetGWorld(gOffscreenExtraWindow, nullptr);
    const RGBColor back = BackColor();
    RGBBackColor(&back);
    EraseRect(&gScrollTextRect);
    if (BackgroundKind()) {
        const Rect whole = AtOrigin(gPictureRect);
        CopyBitsUnchanged(gAnotherOffscreen, gOffscreenExtraWindow, &whole, &gPictureRect);
    }
    const Rect source = TurnedToTextWorld(gScrollTextRect);
    DoScrollToExtraCopy(&source, &gScrollTextRect);
}

// The tab ruler's band, which the ruler paints itself.
Rect TabRulerRect() {
    return ScrollTabBarRect(ContentLessBarStrip());
}

} // namespace

void UpdateScrollWindow() {
    if (!myScrollWindow) return;
    GrafPtr saved;
    GetPort(&saved);
    CGrafPtr windowPort = GetWindowPort(myScrollWindow);
    SetPort(windowPort);
    const RGBColor back = BackColor();
    RGBBackColor(&back);
    EraseBarColumn();
    if (BackgroundKind()) DrawScrollPicture(0, 0);
    if (ScrollWEHandle && myScrollWindowAlias) RedrawTextLayer();
    SetPort(windowPort);
    if (gOffscreenExtraWindow && gOffscreenScrollWindow) {
        CGrafPtr savedWorld;
        GDHandle savedDevice;
        GetGWorld(&savedWorld, &savedDevice);
        if (gAnotherOffscreen) {
            ComposeOverBackgroundWorld(windowPort);
            NoteWholeFrameComposed();
        } else {
            ComposeTextOnly(gScrollTextRect, 0);
        }
        CopyOffscreenToScrollWindow();
        SetGWorld(savedWorld, savedDevice);
    }
    SetPort(windowPort);
    UpdateCueMark();
    if (gBallsReady) DrawBall();
    const SInt16 info = GetPref(gThePreferences, kPrefShowInformation);
    if (info && !EmptyRect(&gInfoRect))
        UpdateInfoRect(info, 1, GetPref(gThePreferences, kPrefInfoShowsTimes));
    UpdateScrollExtraRects();
    const Rect content = GetScrollWindowContent();
    DrawScrollTabBar(&content);
    DrawPrompterScrollBar(true);
    QDFlushPortBuffer(windowPort, nullptr);
    SetPort(saved);
}

void UpdateScrollExtraRects() {
    if (!myScrollWindow) return;
    const PrefsRecord& p = gThePreferences;
    static RgnHandle region = NewRgn();
    static RgnHandle covered = NewRgn();
    static RgnHandle savedClip = NewRgn();
    const Rect area = ContentLessBarStrip();
    RectRgn(region, &area);
    auto remove = [](const Rect& r) {
        if (EmptyRect(&r)) return;
        RectRgn(covered, &r);
        DiffRgn(region, covered, region);
    };
    // The whole text rectangle is drawn by the text layer (laid out or composed over the background), so
    // the empty part after the text's last line is covered too and must not be erased over a picture.
    remove(gScrollTextRect);
    if (BackgroundKind()) remove(gPictureRect);
    if (GetPref(p, kPrefCueMarkerShown)) remove(gCueRect);
    if (GetPref(p, kPrefShowInformation)) remove(gInfoRect);
    if (gTabBarShowing && !gScrollOn) remove(TabRulerRect());
    GetClip(savedClip);
    SetClip(region);
    const RGBColor back = BackColor();
    RGBBackColor(&back);
    EraseRgn(region);
    SetClip(savedClip);
}

void DrawScrollExtraRects() {
    if (!myScrollWindow) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myScrollWindow));
    UpdateScrollExtraRects();
    SetPort(saved);
}
