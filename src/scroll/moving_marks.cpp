// Moving the marks the prompter draws (the cue marker, the background picture, the text box, a group of
// tab stops) with the mouse, and the mouse-up that ends a move or a rubber band and keeps the result.
#include "scroll/rubber_band.h"

#include "effects/effects.h"
#include "foundation/global_lists.h"
#include "foundation/window_references.h"
#include "platform/clock.h"
#include "platform/drawing.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/background_picture.h"
#include "scroll/cue_marker.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tab_ruler.h"
#include "scroll/tab_stops.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "texttools/text_tools.h"

#include <algorithm>

namespace {

constexpr SInt16 kTabMarkSize = 11;

// What the prompter's rubber band is for and where its mouse may go.
RESETTABLE(SInt16, gBandMakes, kBandMakesTextBox);
RESETTABLE(Rect, gBandLimit, {});

// The distance from start to mouse along one axis, kept so that [low, high) stays within [min, max)
// when it fits there.
SInt16 KeptMove(SInt32 distance, SInt16 low, SInt16 high, SInt16 min, SInt16 max) {
    if (min >= max || high - low > max - min) return SInt16(distance);
    return SInt16(std::clamp<SInt32>(distance, min - low, max - high));
}

Point ClampedTo(Point p, const Rect& limit) {
    if (EmptyRect(&limit)) return p;
    p.h = std::clamp(p.h, limit.left, limit.right);
    p.v = std::clamp(p.v, limit.top, limit.bottom);
    return p;
}

Point PrompterMouse() {
    Point p{};
    GetMouse(&p);
    return p;
}

void BandStep(bool first, Point mouse) {
    RubberStepInPort(first, ClampedTo(mouse, gBandLimit), GetWindowPort(myScrollWindow), kRubberRectangle,
                     HeyImDraggingARect);
}

void RelayPrompter() {
    Rect bounds{};
    GetPortBounds(GetWindowPort(myScrollWindow), &bounds);
    NewScrollWindowSize(SInt16(RectWidth(bounds)), SInt16(RectHeight(bounds)));
}

// The share of the cue column a marker at spot stands at, counted from the end the output reads from, as
// the layout places a marker put by hand.
double CueShareOf(const Rect& spot) {
    const Rect& cue = gCueRect;
    const bool scrolling = gScrollOn != 0;
    const SInt16 turn = scrolling ? GetPref(gThePreferences, kPrefRotation) : SInt16(0);
    const bool flip = scrolling && GetPref(gThePreferences, kPrefFlip) != 0;
    const double height = std::max<SInt32>(1, RectHeight(cue));
    const double width = std::max<SInt32>(1, RectWidth(cue));
    if (turn == 0) return flip ? (cue.bottom - spot.bottom) / height : (spot.top - cue.top) / height;
    if ((turn == -1) != flip) return (spot.left - cue.left) / width;
    return (cue.right - spot.right) / width;
}

void PlaceCueMarker(const Rect& spot) {
    SetPref(gThePreferences, kPrefCuePositionKind, 7);
    gCueSpot = spot;
    // At rest the marker stands upright; a turned output's spot is kept as a share only.
    if (gScrollOn == 0 || GetPref(gThePreferences, kPrefRotation) == 0) SetShownLayoutRect(kShownCue, spot);
    gCuePositionPercent = std::clamp(CueShareOf(spot), 0.0, 1.0);
    if (GetPref(gThePreferences, kPrefPositionsFromCue))
        ResetForNewPrefs();
    else
        DrawCueMark();
}

void PlaceBackgroundPicture(const Rect& r) {
    SetShownLayoutRect(kShownPicture, r);
    const WindowReference saved = GetPortReference();
    GetWindowRefandSetPort(myScrollWindow);
    EraseRect(&gAvailableRect);
    InvalWindowRect(myScrollWindow, &gAvailableRect);
    SetPortByReference(saved);
}

// The text box moves to r and the cue marker goes along with it; a box drawn where there was none lets
// the layout place the marker afresh.
void PlaceTextBox(const Rect& r) {
    const Rect old = GetPref(gThePreferences, kPrefTextBoxRect);
    Rect cue = GetPref(gThePreferences, kPrefCueRect);
    if (EmptyRect(&old))
        cue = Rect{};
    else
        AdjustRectCue(&old, &r, &cue);
    SetShownLayoutRect(kShownCue, cue);
    SetShownLayoutRect(kShownTextBox, r);
    RelayPrompter();
}

void FinishMovingMark(Point mouse) {
    ShiftUnits(true, &gShiftingRect);
    // The outline goes; what was moved is drawn where it now stands.
    TrackActors(myScrollWindow, &gShiftingRect);
    QDFlushPortBuffer(GetWindowPort(myScrollWindow), nullptr);
    HeyImMovingAUnit = false;
    const bool moved = UnitOffset.h != 0 || UnitOffset.v != 0;
    Rect r = gShiftingRect;
    OffsetRect(&r, UnitOffset.h, UnitOffset.v);
    if (moved) {
        switch (gWhatsShifting) {
        case kShiftingCue:
            PlaceCueMarker(r);
            break;
        case kShiftingPicture:
            PlaceBackgroundPicture(r);
            break;
        case kShiftingTextBox:
            PlaceTextBox(r);
            break;
        case kShiftingSwatch:
            FinishMovingColorSwatch(mouse);
            break;
        default: // a group of tab stops: the tab bar's click inserts them where the group was let go
            break;
        }
        if (gWhatsShifting != kShiftingTabs) gPrefsChanged = true;
    }
    gShiftingRect = r;
    UnitOffset = Point{0, 0};
}

void FinishRubberBand(Point mouse) {
    HeyImDraggingARect = false;
    BandStep(false, mouse);
    const Rect r = gRubberlastrect;
    if (EmptyRect(&r)) return;
    if (gBandMakes == kBandMakesPictureRect) {
        if (EqualRect(&r, &gPictureRect)) return;
        PlaceBackgroundPicture(r);
        RelayPrompter();
    } else {
        const Rect old = GetPref(gThePreferences, kPrefTextBoxRect);
        if (EqualRect(&r, &old)) return;
        PlaceTextBox(r);
    }
    gPrefsChanged = true;
}

} // namespace

void TrackActors(WindowPtr window, const Rect* rectangle) {
    if (!window || !rectangle) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(window));
    PenState pen;
    GetPenState(&pen);
    PenNormal();
    const RGBColor red{0xFFFF, 0, 0}, white{0xFFFF, 0xFFFF, 0xFFFF};
    RGBForeColor(&red);
    RGBBackColor(&white);
    PenMode(patXor);
    Rect r = *rectangle;
    OffsetRect(&r, UnitOffset.h, UnitOffset.v);
    if (gMovingTabsList && GetHandleSize(gMovingTabsList) >= SInt32(sizeof(TabList))) {
        const TabList& tabs = *reinterpret_cast<const TabList*>(*gMovingTabsList);
        const SInt32 count = std::clamp<SInt32>(tabs.count, 0, kMaxTabStops);
        const SInt16 right = EmptyRect(&gShiftLimitRect) ? gTabBarRect.right : gShiftLimitRect.right;
        for (SInt32 i = 0; i < count; ++i) {
            const SInt32 x = r.left + (tabs.positions[i] - tabs.positions[0]);
            if (x > right) break;
            const Rect mark{r.top, SInt16(x), SInt16(r.top + kTabMarkSize), SInt16(x + kTabMarkSize)};
            FrameRect(&mark);
        }
    } else {
        if (!EmptyRect(&gShiftLimitRect)) ClipRect(&gShiftLimitRect);
        FrameRect(&r);
        Rect bounds{};
        GetPortBounds(GetWindowPort(window), &bounds);
        ClipRect(&bounds);
    }
    SetPenState(&pen);
    RestorePrompterColors();
    SetPort(saved);
}

void ShiftUnits(bool final, const Rect* rectangle) {
    if (!myScrollWindow || !rectangle) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(GetWindowPort(myScrollWindow));
    const Point mouse = PrompterMouse();
    if (final || mouse.h != MoveUnitCurrent.h || mouse.v != MoveUnitCurrent.v) {
        TrackActors(myScrollWindow, rectangle);
        QDFlushPortBuffer(GetWindowPort(myScrollWindow), nullptr);
        const Rect& r = *rectangle;
        const Rect& limit = gShiftLimitRect;
        UnitOffset.h = geeLockHorizontal
                           ? SInt16(0)
                           : KeptMove(mouse.h - MoveUnitStart.h, r.left, r.right, limit.left, limit.right);
        UnitOffset.v = geeLockVertical
                           ? SInt16(0)
                           : KeptMove(mouse.v - MoveUnitStart.v, r.top, r.bottom, limit.top, limit.bottom);
        TrackActors(myScrollWindow, rectangle);
        QDFlushPortBuffer(GetWindowPort(myScrollWindow), nullptr);
        MoveUnitCurrent = mouse;
    }
    SetPort(saved);
}

void BeginMovingMark(UInt16 what, const Rect& rectangle, Point start, const Rect& limit) {
    if (!myScrollWindow) return;
    gWhatsShifting = what;
    gShiftingRect = rectangle;
    gShiftLimitRect = limit;
    MoveUnitStart = MoveUnitCurrent = start;
    UnitOffset = Point{0, 0};
    HeyImMovingAUnit = true;
    TrackActors(myScrollWindow, &gShiftingRect);
    QDFlushPortBuffer(GetWindowPort(myScrollWindow), nullptr);
}

void BeginPrompterRubberBand(const Rect& limit, SInt16 makes) {
    if (!myScrollWindow) return;
    gBandMakes = makes;
    gBandLimit = limit;
    HeyImDraggingARect = true;
    BandStep(true, geeMouseDownPosition);
}

bool FollowPrompterDrag() {
    if (!myScrollWindow || (!HeyImMovingAUnit && !HeyImDraggingARect)) return false;
    const WindowReference saved = GetPortReference();
    GetWindowRefandSetPort(myScrollWindow);
    // The release usually ends the drag from the event loop, inside StillDown; when it never comes as an
    // event (the button found up), the drag ends here.
    while ((HeyImMovingAUnit || HeyImDraggingARect) && StillDown()) {
        GetWindowRefandSetPort(myScrollWindow);
        if (HeyImMovingAUnit) ShiftUnits(false, &gShiftingRect);
        if (HeyImDraggingARect) BandStep(false, PrompterMouse());
        Delay(1, nullptr);
    }
    if (HeyImMovingAUnit || HeyImDraggingARect) {
        GetWindowRefandSetPort(myScrollWindow);
        EventRecord release{};
        release.what = mouseUp;
        release.when = TickCount();
        GetGlobalMouse(&release.where);
        DoMouseUp(&release);
    }
    SetPortByReference(saved);
    return true;
}

void DoMouseUp(const EventRecord* event) {
    geeMouseIsDown = false;
    if (event) geeMouseDownTime = event->when;
    if (myScrollWindow && (HeyImMovingAUnit || HeyImDraggingARect)) {
        const WindowReference saved = GetPortReference();
        GetWindowRefandSetPort(myScrollWindow);
        Point mouse = event ? event->where : Point{};
        if (event)
            GlobalToLocal(&mouse);
        else
            GetMouse(&mouse);
        if (HeyImMovingAUnit) FinishMovingMark(mouse);
        if (HeyImDraggingARect) FinishRubberBand(mouse);
        SetPortByReference(saved);
    }
    HeyImMovingAUnit = false;
    HeyImDraggingARect = false;
    gPerformingOverlayDesign = false;
    gPerformingSpiroDesign = false;
}
