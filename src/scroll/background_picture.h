// The prompter's background: the picture (or an animated background's still) behind the text, where it
// lies in the window, and the copies between windows and offscreen worlds that draw it.
#pragma once

#include "media/media_services.h"
#include "platform/drawing.h"
#include "platform/windows.h"

// The frame of the background picture (window coordinates of the unrotated layout).
extern Rect gPictureRect;
// The background picture, null when none.
extern PicHandle gThePicture;

// The background kinds (preference 668).
enum : SInt16 {
    kPictureKindNone = 0,
    kPictureKindFile = 1,
    kPictureKindFalling = 2,
    kPictureKindMovie = 3,
    kPictureKindStars = 4,
    kPictureKindLiveVideo = 5,
    kPictureKindMandala = 6,
};

// The picture positions (preference 672).
enum : SInt16 {
    kPictureAtRect = -1,
    kPictureTopLeft = 0,
    kPictureTopRight = 1,
    kPictureBottomLeft = 2,
    kPictureBottomRight = 3,
    kPictureMiddleV = 4,
    kPictureMiddleH = 5,
    kPictureCentred = 6,
    kPictureRandom = 7,
    kPicturePlaced = 8,
};

// The string list naming the built-in background pictures, and its items.
enum : SInt16 {
    kBuiltInPictureNames = 303,
    kFallingPictureItem = 1,
    kStarsPictureItem = 5,
    kMoviePictureItem = 7,
    kLiveVideoPictureItem = 9,
    kMandalaPictureItem = 51,
    kFallbackPictureItem = 54,
};

// Draws the background into the current port, offset by h, v while scrolling.
void DrawScrollPicture(SInt16 h, SInt16 v);

// Frees the picture and the pixels kept of it; the next draw loads the picture again.
void DisposeScrollPicture();

// Reads folder + name (Mac Roman, the folder ending in '/') as a picture, turned (rotation 1 or 2) and
// flipped as asked. When the file is not there, alternate + name is tried (and *foundInAlternate set),
// then the program's picture search. Null for an empty name, a missing file or one that cannot be read;
// an unreadable file is reported once per name.
PicHandle GetThePicture(ConstStr255Param name, ConstStr255Param folder, ConstStr255Param alternate,
                        Boolean* foundInAlternate, SInt16 rotation, SInt16 flipH, SInt16 flipV);
// The picture for the background kind: the movie's poster, an animated background's still, or the
// picture file the preferences name. Null when there is none.
PicHandle GetBackgroundPictureForKind(SInt16 kind);
// A built-in picture named by an item of the list above, from the program's folder; null when missing.
PicHandle GetBuiltInPicture(SInt16 item);

// The medium's natural size: the movie's, the video's (fitted into the frame when larger), the picture's,
// else the frame.
void GetTheBounds(Rect* out, SInt16 kind, const Rect* frame, PicHandle picture, Movie movie,
                  VideoChannel channel);
bool GotMedia(SInt16 kind, PicHandle picture, Movie movie, VideoChannel channel);
// Places the medium in the frame by fill, proportions and position; returns the position to store back
// (a random place, 7, becomes 8 once made).
SInt16 GetPictureRect(bool fill, bool keepProportions, SInt16 position, SInt16 kind, const Rect* saved,
                      const Rect* frame, Rect* out, PicHandle picture, Movie movie, VideoChannel channel);

// Plain copies between a world and a window: the window's port is left current.
void CopyOffscreenToWindow(GWorldPtr world, WindowPtr window, const Rect* from, const Rect* to);
// Copies a port's pixels into a world, restoring the current port.
void GrabScreen(CGrafPtr source, GWorldPtr destination, const Rect* from, const Rect* to);
// Draws a picture straight into the prompter window; nothing while it is closed.
void DrawPictureToScrollWindow(PicHandle picture, const Rect* r);
