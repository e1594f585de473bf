// Where the background picture (or movie, or live video) lies in the prompter: filling its frame, at the
// rectangle the user drew, at a corner, centred or at a random place made once.
#include "effects/effects.h"
#include "foundation/rect_fitting.h"
#include "foundation/small_math.h"
#include "scroll/background_picture.h"
#include "scroll/prompter_window.h"
#include "shell/offscreen_worlds.h"

#include <algorithm>

namespace {

void MoveTo(Rect* r, SInt32 left, SInt32 top) {
    OffsetRect(r, SInt16(left - r->left), SInt16(top - r->top));
}

// The natural bounds scaled into a rectangle with their proportions, at that rectangle's top-left.
Rect FitBoundsInto(Rect bounds, const Rect& into) {
    FitRectToRect(&bounds, &into, 0, kFitTopLeft);
    MoveTo(&bounds, into.left, into.top);
    return bounds;
}

void PlaceInFrame(Rect* out, SInt16 position, const Rect& frame) {
    const SInt32 width = RectWidth(*out), height = RectHeight(*out);
    const SInt32 middleLeft = frame.left + (RectWidth(frame) - width) / 2;
    const SInt32 middleTop = frame.top + (RectHeight(frame) - height) / 2;
    switch (position) {
    case kPictureTopLeft:
        MoveTo(out, frame.left, frame.top);
        break;
    case kPictureTopRight:
        MoveTo(out, frame.right - width, frame.top);
        break;
    case kPictureBottomLeft:
        MoveTo(out, frame.left, frame.bottom - height);
        break;
    case kPictureBottomRight:
        MoveTo(out, frame.right - width, frame.bottom - height);
        break;
    case kPictureMiddleV:
        MoveTo(out, out->left, middleTop);
        break;
    case kPictureMiddleH:
        MoveTo(out, middleLeft, out->top);
        break;
    case kPictureCentred:
        MoveTo(out, middleLeft, middleTop);
        break;
    case kPictureRandom: {
        // A picture larger than its frame has no room to move: it keeps the frame's top-left rather than
        // being given a negative range, and the place is counted from the frame so it stays inside it.
        const SInt32 roomH = std::max<SInt32>(RectWidth(frame) - width, 0);
        const SInt32 roomV = std::max<SInt32>(RectHeight(frame) - height, 0);
        MoveTo(out, frame.left + rnd(roomH), frame.top + rnd(roomV));
        break;
    }
    default:
        break;
    }
}

// Worlds and animated backgrounds follow the new rectangle.
void RefitBackground(SInt16 kind, const Rect& out) {
    if (kind < kPictureKindNone || kind > kPictureKindMandala) return;
    CheckOffscreenSizes(&gScrollTextRect, &out);
    switch (kind) {
    case kPictureKindFalling:
        FixTrixBounds();
        break;
    case kPictureKindMovie:
        if (gTheMovie) FixMovieBounds();
        break;
    case kPictureKindStars:
        FixStarBounds();
        break;
    case kPictureKindLiveVideo:
        if (gVideoChannel) FixLiveVideoBounds();
        break;
    case kPictureKindMandala:
        FixSpirographBounds();
        break;
    default:
        break;
    }
}

} // namespace

bool GotMedia(SInt16 kind, PicHandle picture, Movie movie, VideoChannel channel) {
    return (kind == kPictureKindMovie && movie) || (kind == kPictureKindLiveVideo && channel) || picture;
}

void GetTheBounds(Rect* out, SInt16 kind, const Rect* frame, PicHandle picture, Movie movie,
                  VideoChannel channel) {
    if (!out) return;
    if (kind == kPictureKindMovie && movie) {
        *out = GetMovieNaturalBounds(movie);
    } else if (kind == kPictureKindLiveVideo && channel) {
        *out = GetVideoSourceBounds(channel);
        if (frame && (RectWidth(*out) > RectWidth(*frame) || RectHeight(*out) > RectHeight(*frame)))
            FitRectToRect(out, frame, 0, kFitTopLeft);
    } else if (picture) {
        QDGetPictureBounds(picture, out);
    } else {
        *out = frame ? *frame : Rect{};
    }
}

SInt16 GetPictureRect(bool fill, bool keepProportions, SInt16 position, SInt16 kind, const Rect* saved,
                      const Rect* frame, Rect* out, PicHandle picture, Movie movie, VideoChannel channel) {
    if (!out || !frame) return position;
    const Rect savedRect = saved ? *saved : Rect{};
    Rect bounds{};
    GetTheBounds(&bounds, kind, frame, picture, movie, channel);
    SInt16 result = position;
    if (fill) {
        *out = keepProportions ? FitBoundsInto(bounds, *frame) : *frame;
    } else if (position == kPictureAtRect) {
        if (EmptyRect(&savedRect)) {
            *out = bounds;
            if (keepProportions) FitRectToRect(out, &bounds, 0, kFitCentred);
        } else {
            *out = keepProportions ? FitBoundsInto(bounds, savedRect) : savedRect;
        }
    } else if (GotMedia(kind, picture, movie, channel)) {
        if (EmptyRect(out)) *out = savedRect;
        if (EmptyRect(out)) *out = bounds;
        if (keepProportions) *out = FitBoundsInto(bounds, *out);
        PlaceInFrame(out, position, *frame);
        if (position == kPictureRandom) result = kPicturePlaced;
    } else {
        *out = *frame;
    }
    RefitBackground(kind, *out);
    return result;
}
