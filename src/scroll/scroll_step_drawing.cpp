// The frame drawn after each move of the prompter text. Everything here runs on every scroll tick, so
// it allocates nothing and copies only what the move uncovered where the output allows.
#include "scroll/scroll_step_drawing.h"

#include "effects/effects.h"
#include "effects/shapes.h"
#include "foundation/offscreen_copy.h"
#include "foundation/rect_fitting.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/highlight.h"
#include "scroll/prompter_compose.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_position.h"
#include "scroll/text_layer_copy.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>

namespace {

// What the composite world holds after a frame was composed from the text layer alone: the text layer
// as the text world stood then, in that output. Only from there can a tick move the frame with the text
// and copy the strip it uncovers; anything else (a world made anew, another output, text moved or edited
// without a frame) needs the whole layer.
struct ComposedFrame {
    bool valid = false;
    GWorldPtr world = nullptr;
    Rect text{};
    SInt16 mirror = 0, flip = 0, rotation = 0;
    SInt32 textTop = 0;
    UInt32 edits = 0;
};
ComposedFrame gComposedFrame;

ComposedFrame FrameNow(const Rect& text) {
    const PrefsRecord& p = gThePreferences;
    ComposedFrame now;
    now.valid = gOffscreenExtraWindow && ScrollWEHandle;
    now.world = gOffscreenExtraWindow;
    now.text = text;
    now.mirror = GetPref(p, kPrefMirror);
    now.flip = GetPref(p, kPrefFlip);
    now.rotation = gScrollOn ? GetPref(p, kPrefRotation) : 0;
    if (ScrollWEHandle) {
        LongRect destination{};
        WEGetDestRect(&destination, ScrollWEHandle);
        now.textTop = destination.top;
        now.edits = WEGetModCount(ScrollWEHandle);
    }
    return now;
}

// True when the composite world holds the frame of pixels ago: the text layer moved by pixels since.
// Colouring the highlight counts as an edit of the text; its band is drawn on its own, so a frame that
// draws a highlight band does not compare the edit counts.
bool FrameMovesWithText(const Rect& text, SInt32 pixels, bool highlightBand) {
    const ComposedFrame& was = gComposedFrame;
    const ComposedFrame now = FrameNow(text);
    return was.valid && now.valid && was.world == now.world && was.text == now.text &&
           was.mirror == now.mirror && was.flip == now.flip && was.rotation == now.rotation &&
           (was.edits == now.edits || highlightBand) && SInt64(was.textTop) + pixels == SInt64(now.textTop);
}

// The output's quarter turn while the text scrolls: 1 or -1, else 0 (the compositor turns nothing then).
SInt16 OutputTurn() {
    const SInt16 rotation = GetPref(gThePreferences, kPrefRotation);
    return gScrollOn && (rotation == 1 || rotation == -1) ? rotation : 0;
}

// Rows from..to of the text world (counted from its top) as they land in the composite world. Upright
// they stay rows (flip takes them from the bottom); turned they become columns of the text rectangle,
// counted from its right when the turn and the flip put the text world's first row there.
Rect ShownRowsOfTextWorld(const Rect& text, SInt16 turn, bool flip, SInt16 from, SInt16 to) {
    if (turn == 0)
        return flip ? Rect{SInt16(text.bottom - to), text.left, SInt16(text.bottom - from), text.right}
                    : Rect{SInt16(text.top + from), text.left, SInt16(text.top + to), text.right};
    if ((turn == 1) != flip)
        return Rect{text.top, SInt16(text.right - to), text.bottom, SInt16(text.right - from)};
    return Rect{text.top, SInt16(text.left + from), text.bottom, SInt16(text.left + to)};
}

// Copies the rows of the text world that the highlight changed onto the composite world as the output
// shows them, and gives the part of the window they cover. False when the output shapes the text or lays
// overlays over it: the whole layer must then be copied.
bool ComposeHighlightBand(const Rect& band, Rect* shown) {
    const PrefsRecord& p = gThePreferences;
    const SInt16 turn = OutputTurn();
    if (GetPref(p, kPrefTextFlowsInShape) || GetPref(p, kPrefOverlaysOn) ||
        (GetPref(p, kPrefRotation) && gScrollOn && turn == 0))
        return false;
    const Rect text = gScrollTextRect;
    const Rect world = TurnedToTextWorld(text);
    const SInt16 from = SInt16(std::max(band.top, world.top) - world.top);
    const SInt16 to = SInt16(std::min(band.bottom, world.bottom) - world.top);
    *shown = Rect{};
    if (from >= to) return true;
    const bool flip = GetPref(p, kPrefFlip) != 0;
    const Rect source{SInt16(world.top + from), world.left, SInt16(world.top + to), world.right};
    const Rect destination = ShownRowsOfTextWorld(text, turn, flip, from, to);
    SetGWorld(gOffscreenExtraWindow, nullptr);
    CopyOffscreentoOffscreen(gOffscreenScrollWindow, gOffscreenExtraWindow, &source, &destination,
                             GetPref(p, kPrefMirror) != 0, flip, turn, 0, nullptr, kSourceCopy, nullptr,
                             nullptr, kDestinationCopy, nullptr, nullptr, false, 0);
    *shown = destination;
    return true;
}

// Over the plain background with the plain text styles the text layer covers every pixel of the text
// rectangle, so the frame is the text layer alone and can move with the text like the upright one.
bool TextLayerCoversBackground() {
    const PrefsRecord& p = gThePreferences;
    TextLayerStyle style;
    return GetPref(p, kPrefBackgroundKind) == 0 && !GetPref(p, kPrefOverlaysOn) &&
           !GetPref(p, kPrefTextFlowsInShape) && ChooseTextLayerStyle(p, &style) &&
           style.backKind == kSourceCopy && style.colorMode == kDestinationCopy;
}

// The animated backgrounds are drawn upright in gMatrixPort and turned into the background world here.
void ComposeBackgroundWorld() {
    const PrefsRecord& p = gThePreferences;
    const bool overlays = GetPref(p, kPrefOverlaysOn) != 0;
    if (ThisScrollAgainstNeedsMatrixPort(GetPref(p, kPrefBackgroundKind)) && gMatrixPort) {
        SetGWorld(gAnotherOffscreen, nullptr);
        const Rect picture = AtOrigin(gPictureRect);
        CopyTurnedAsOutput(gMatrixPort, gAnotherOffscreen,
                           RotateRect(nullptr, picture, GetPref(p, kPrefRotation), 1), picture, true);
        if (overlays) {
            CopyOverlaysToPort(1);
            CopyOverlaysToPort(2);
        }
    } else if (overlays) {
        SetGWorld(gAnotherOffscreen, nullptr);
        CopyOverlaysToPort(2);
    }
}

void ComposeOverBackground(const Rect& text) {
    // The whole text layer is copied, the highlight's changes with it.
    TakeHighlightBand(nullptr);
    gComposedFrame.valid = false;
    ComposeBackgroundWorld();
    SetGWorld(gOffscreenExtraWindow, nullptr);
    Rect covered{};
    const bool any = SectRect(&gPictureRect, &text, &covered);
    // Where the background covers the whole text rectangle, erasing first would only be written over.
    if (!any || !(covered == text)) {
        const RGBColor back = GetPref(gThePreferences, kPrefPrompterFormat).backColor;
        RGBBackColor(&back);
        EraseRect(&text);
    }
    if (any) {
        Rect from = covered;
        OffsetRect(&from, SInt16(-gPictureRect.left), SInt16(-gPictureRect.top));
        CopyBitsUnchanged(gAnotherOffscreen, gOffscreenExtraWindow, &from, &covered);
    }
    const Rect source = TurnedToTextWorld(text);
    DoScrollToExtraCopy(&source, &text);
}

} // namespace

void ComposeTextOnly(const Rect& text, SInt32 pixels) {
    const PrefsRecord& p = gThePreferences;
    const bool flip = GetPref(p, kPrefFlip) != 0;
    const bool lineHighlight = GetPref(p, kPrefHighlightKind) == kHighlightLine;
    const bool overlays = GetPref(p, kPrefOverlaysOn) != 0;
    const SInt16 turn = OutputTurn();
    Rect band{};
    const bool highlightChanged = TakeHighlightBand(&band);
    Rect destination = text, source = TurnedToTextWorld(text);
    // What is already composed moves with the text and only the strip it uncovers is copied. A turned
    // output moves the text along the composite world's rows, so its composite shifts sideways.
    const bool strips = !GetPref(p, kPrefTextFlowsInShape) &&
                        !(GetPref(p, kPrefRotation) && gScrollOn && turn == 0) && !lineHighlight &&
                        (flip || !overlays) && !(turn && overlays) && !(highlightChanged && overlays) &&
                        FrameMovesWithText(text, pixels, highlightChanged);
    SetGWorld(gOffscreenExtraWindow, nullptr);
    if (strips && turn == 0 && FindExposedStrip(text, pixels, flip, &destination, &source))
        ScrollRect(&text, 0, SInt16(flip ? -pixels : pixels), gUpdateRgn);
    const Rect world = source;
    Rect rows{};
    if (strips && turn != 0 && FindExposedStrip(world, pixels, false, &rows, &source)) {
        destination = ShownRowsOfTextWorld(text, turn, flip, SInt16(rows.top - world.top),
                                           SInt16(rows.bottom - world.top));
        const bool fromRight = (turn == 1) != flip;
        ScrollRect(&text, SInt16(fromRight ? -pixels : pixels), 0, gUpdateRgn);
    }
    Handle shape = specialshapeinfo;
    if (shape) {
        CheckShapeInfoSize(&destination);
        shape = specialshapeinfo;
    }
    if (shape) HLock(shape);
    if (overlays) CopyOverlaysToPort(2);
    CopyOffscreentoOffscreen(gOffscreenScrollWindow, gOffscreenExtraWindow, &source, &destination,
                             GetPref(p, kPrefMirror) != 0, flip, GetPref(p, kPrefRotation),
                             UInt16(GetPref(p, kPrefTextFlowsInShape)), shape ? *shape : nullptr, kSourceCopy,
                             nullptr, nullptr, kDestinationCopy, nullptr, nullptr, false, 0);
    if (shape) HUnlock(shape);
    // Rows the highlight coloured outside the uncovered strip.
    Rect shown{};
    if (highlightChanged && destination != text) ComposeHighlightBand(band, &shown);
    gComposedFrame = FrameNow(text);
}

void NoteWholeFrameComposed() {
    // Over the plain background in the plain styles the whole frame is the text layer alone.
    gComposedFrame = FrameNow(gScrollTextRect);
    gComposedFrame.valid = gComposedFrame.valid && TextLayerCoversBackground();
}

void ForgetComposedFrame() {
    gComposedFrame = ComposedFrame{};
}

bool FindExposedStrip(const Rect& textRect, SInt32 pixels, bool flip, Rect* destination, Rect* source) {
    const SInt32 top = textRect.top, bottom = textRect.bottom;
    const SInt32 move = flip ? -SInt64(pixels) : pixels;
    Rect shown = textRect;
    if (move < 0)
        shown.top = SInt16(std::max<SInt64>(bottom + SInt64(move), top));
    else
        shown.bottom = SInt16(std::min<SInt64>(top + SInt64(move), bottom));
    if (shown == textRect || move == 0) return false;
    Rect from = shown;
    if (flip) {
        from = textRect;
        if (move < 0)
            from.bottom = SInt16(std::min<SInt64>(top - SInt64(move), bottom));
        else
            from.top = SInt16(std::max<SInt64>(bottom - SInt64(move), top));
    }
    *destination = shown;
    *source = from;
    return true;
}

void DrawScrollStep(SInt32 pixels) {
    if (!myScrollWindow) return;
    CGrafPtr windowPort = GetWindowPort(myScrollWindow);
    if (!gOffscreenExtraWindow || !gOffscreenScrollWindow) {
        // The text engine drew the move straight into the window; the bar still has to follow it.
        TakeHighlightBand(nullptr);
        DrawPrompterScrollBar(false);
        QDFlushPortBuffer(windowPort, nullptr);
        return;
    }
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    const Rect text = gScrollTextRect;
    if (gAnotherOffscreen && !TextLayerCoversBackground())
        ComposeOverBackground(text);
    else
        ComposeTextOnly(text, pixels);
    CopyOffscreenToScrollWindow();
    DrawPrompterScrollBar(false);
    QDFlushPortBuffer(windowPort, nullptr);
    SetGWorld(savedPort, savedDevice);
}

void DrawHighlightChange() {
    Rect band{};
    if (!myScrollWindow || !TakeHighlightBand(&band)) return;
    CGrafPtr windowPort = GetWindowPort(myScrollWindow);
    // Without offscreen worlds the text engine drew the change straight into the window.
    if (gOffscreenExtraWindow && gOffscreenScrollWindow) {
        CGrafPtr savedPort;
        GDHandle savedDevice;
        GetGWorld(&savedPort, &savedDevice);
        Rect shown{};
        const bool overBackground = gAnotherOffscreen && !TextLayerCoversBackground();
        if (!overBackground && FrameMovesWithText(gScrollTextRect, 0, true) &&
            ComposeHighlightBand(band, &shown)) {
            if (!EmptyRect(&shown)) CopyOffscreenRectToScrollWindow(shown);
        } else {
            if (overBackground)
                ComposeOverBackground(gScrollTextRect);
            else
                ComposeTextOnly(gScrollTextRect, 0);
            CopyOffscreenToScrollWindow();
        }
        SetGWorld(savedPort, savedDevice);
    }
    QDFlushPortBuffer(windowPort, nullptr);
}
