// Drawing ports: every window and every offscreen world has one persistent 32-bit image that drawing
// changes at once, from anywhere (a timer, a dialog, a tracking loop). Each port carries its own pen,
// colours, text settings, clip region and origin; drawing goes to the current port.
//
// Pixels are 32-bit words 0xAARRGGBB in host order, rows `GetPixRowBytes` apart. Rectangles are
// half-open and frames are drawn inside them. Coordinates are local to the port: the port's bounds
// start at its origin (0,0 unless SetOrigin moved it).
#pragma once

#include "platform/geometry.h"
#include "platform/types.h"

struct GrafPort;
using GrafPtr = GrafPort*;
using CGrafPtr = GrafPort*;
using GWorldPtr = GrafPort*;

// A screen. Null where a call takes a device means "no device".
struct GDevice;
using GDHandle = GDevice*;

struct Region;
using RgnHandle = Region*;

struct Polygon;
using PolyHandle = Polygon*;

using PicHandle = Handle;  // picture data: PNG bytes
using CTabHandle = Handle; // colour table; unused by 32-bit worlds
using GWorldFlags = UInt32;
using QDErr = SInt16;

// ---- The current port ----
void GetPort(GrafPtr* port);
void SetPort(GrafPtr port);
void GetGWorld(CGrafPtr* port, GDHandle* device);
void SetGWorld(CGrafPtr port, GDHandle device);
// The port's bounds in its local coordinates.
Rect* GetPortBounds(CGrafPtr port, Rect* bounds);
// Moves the current port's local coordinates so that its top-left is (h, v). The clip moves with them.
void SetOrigin(SInt16 h, SInt16 v);

// ---- Offscreen worlds ----
enum : GWorldFlags {
    kNoGWorldChange = 0,
    kReallocGWorld = 1,
    kClipGWorld = 2,
    kStretchGWorld = 4,
    kGWorldFlagError = 0x80000000u, // UpdateGWorld failed (no memory, bad bounds); the world is unchanged
};
// depth 0 or 32 makes a 32-bit world; 1 to 16 make a 32-bit world that tells its depth (grey copies).
// The world starts erased to white. memFullErr when the image cannot be made.
QDErr NewGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle table, GDHandle device,
                GWorldFlags flags);
// Resizes a world to new bounds, keeping the pixels that still fit (kClipGWorld) or scaling them
// (kStretchGWorld); otherwise the new world is white. The world keeps its address; its local
// coordinates start at the new bounds' top-left. Returns kReallocGWorld when the pixels were remade,
// kNoGWorldChange when the size was already right, kGWorldFlagError when the world could not be remade.
GWorldFlags UpdateGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle table,
                         GDHandle device, GWorldFlags flags);
void DisposeGWorld(GWorldPtr world);
SInt16 GetPixDepth(CGrafPtr port);
// Direct pixel access: the address of local point (bounds.left, bounds.top). It stays valid while the
// port exists and keeps its size; UpdateGWorld to a new size (or resizing a window) moves it.
UInt32* GetPixBaseAddr(CGrafPtr port);
SInt32 GetPixRowBytes(CGrafPtr port);
bool LockPixels(CGrafPtr port);
void UnlockPixels(CGrafPtr port);

// ---- Pen and colours ----
enum : SInt16 {
    srcCopy = 0,
    srcOr = 1,
    srcXor = 2,
    srcBic = 3,
    notSrcCopy = 4,
    notSrcOr = 5,
    notSrcXor = 6,
    notSrcBic = 7,
    patCopy = 8,
    patOr = 9,
    patXor = 10,
    patBic = 11,
    notPatCopy = 12,
    notPatOr = 13,
    notPatXor = 14,
    notPatBic = 15,
    blend = 32,
    addPin = 33,
    addOver = 34,
    subPin = 35,
    transparent = 36,
    addMax = 37,
    subOver = 38,
    adMin = 39,
    ditherCopy = 64,
    hilite = 50, // exchanges the back colour and the highlight colour; drawing twice restores the pixels
};

struct Pattern {
    UInt8 pat[8];
};
extern const Pattern kBlackPattern;
extern const Pattern kWhitePattern;
extern const Pattern kGrayPattern;
extern const Pattern kLightGrayPattern;
extern const Pattern kDarkGrayPattern;

struct PenState {
    Point pnLoc;
    Point pnSize;
    SInt16 pnMode;
    Pattern pnPat;
};

void PenMode(SInt16 mode);
void PenSize(SInt16 width, SInt16 height);
void PenPat(const Pattern* pattern);
void PenNormal();
void GetPenState(PenState* state);
void SetPenState(const PenState* state);
void GetPen(Point* pt);
void MoveTo(SInt16 h, SInt16 v);
void Move(SInt16 dh, SInt16 dv);
// Lines are drawn with the pen hanging below and to the right of the path.
void LineTo(SInt16 h, SInt16 v);
void Line(SInt16 dh, SInt16 dv);

void RGBForeColor(const RGBColor* color);
void RGBBackColor(const RGBColor* color);
void GetForeColor(RGBColor* color);
void GetBackColor(RGBColor* color);
void HiliteColor(const RGBColor* color);
void GetHiliteColor(RGBColor* color);
// Sets the pen and back colours to the plain black and white that copies need.
void NormalColors();
// Weight of the blend copy mode, per component 0..65535.
void OpColor(const RGBColor* color);
// The complement of a colour, component by component.
void InvertColor(RGBColor* color);

// ---- Shapes ----
// Paint fills with the pen pattern and fore colour in the pen mode; Erase fills with the back colour;
// Invert flips every colour bit; Frame draws the outline with the pen size inside the shape.
void FrameRect(const Rect* r);
void PaintRect(const Rect* r);
void EraseRect(const Rect* r);
void InvertRect(const Rect* r);
void FillRect(const Rect* r, const Pattern* pattern);
void FrameOval(const Rect* r);
void PaintOval(const Rect* r);
void EraseOval(const Rect* r);
void InvertOval(const Rect* r);
void FrameRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight);
void PaintRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight);
void EraseRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight);
void InvertRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight);
// Angles in degrees clockwise from twelve o'clock.
void FrameArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle);
void PaintArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle);
void EraseArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle);
void InvertArc(const Rect* r, SInt16 startAngle, SInt16 arcAngle);

// ---- Regions ----
RgnHandle NewRgn();
void DisposeRgn(RgnHandle rgn);
void CopyRgn(RgnHandle src, RgnHandle dst);
void SetEmptyRgn(RgnHandle rgn);
void RectRgn(RgnHandle rgn, const Rect* r);
void SetRectRgn(RgnHandle rgn, SInt16 left, SInt16 top, SInt16 right, SInt16 bottom);
void OvalRgn(RgnHandle rgn, const Rect* r);
void PolyRgn(RgnHandle rgn, PolyHandle poly);
void OffsetRgn(RgnHandle rgn, SInt16 dh, SInt16 dv);
void InsetRgn(RgnHandle rgn, SInt16 dh, SInt16 dv);
void SectRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
void UnionRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
void DiffRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
void XorRgn(RgnHandle a, RgnHandle b, RgnHandle dst);
bool EmptyRgn(RgnHandle rgn);
bool EqualRgn(RgnHandle a, RgnHandle b);
bool PtInRgn(Point pt, RgnHandle rgn);
bool RectInRgn(const Rect* r, RgnHandle rgn);
Rect* GetRegionBounds(RgnHandle rgn, Rect* bounds);
bool IsRegionRectangular(RgnHandle rgn);
void FrameRgn(RgnHandle rgn);
void PaintRgn(RgnHandle rgn);
void EraseRgn(RgnHandle rgn);
void InvertRgn(RgnHandle rgn);

// ---- Polygons ----
// Between OpenPoly and ClosePoly, MoveTo, LineTo and Line in the current port add vertices instead of
// drawing.
PolyHandle OpenPoly();
void ClosePoly();
void KillPoly(PolyHandle poly);
void OffsetPoly(PolyHandle poly, SInt16 dh, SInt16 dv);
Rect* GetPolyBounds(PolyHandle poly, Rect* bounds);
bool PtInPoly(Point pt, PolyHandle poly);
void FramePoly(PolyHandle poly);
void PaintPoly(PolyHandle poly);
void ErasePoly(PolyHandle poly);
void InvertPoly(PolyHandle poly);

// ---- Clipping ----
void ClipRect(const Rect* r);
void GetClip(RgnHandle rgn);
void SetClip(RgnHandle rgn);

// ---- Copying and scrolling ----
// Copies srcRect of src into dstRect of dst (scaling when the sizes differ), clipped to dst's clip and
// to maskRgn (in dst's coordinates) when given. Modes: srcCopy (and ditherCopy), srcOr, srcXor, srcBic,
// notSrcCopy, transparent (source pixels of the back colour are skipped), blend (weighted by OpColor),
// addOver, addPin, subOver, subPin, addMax, adMin. src and dst may be one port.
void CopyBits(CGrafPtr src, CGrafPtr dst, const Rect* srcRect, const Rect* dstRect, SInt16 mode,
              RgnHandle maskRgn);
// Copies where the mask port's pixels are not white (a grey mask blends in proportion).
void CopyMask(CGrafPtr src, CGrafPtr mask, CGrafPtr dst, const Rect* srcRect, const Rect* maskRect,
              const Rect* dstRect);
// The final copy of a composed picture: the source turned, then mirrored, as it lands in dstRect.
enum CopyTransform : UInt8 {
    kCopyUpright = 0,
    kCopyRotate90 = 1, // clockwise
    kCopyRotate180 = 2,
    kCopyRotate270 = 3,
    kCopyMirrorBit = 4, // left-right mirror, after turning
};
void CopyBitsTransformed(CGrafPtr src, CGrafPtr dst, const Rect* srcRect, const Rect* dstRect,
                         UInt8 transform);
// Moves the pixels of r by (dh, dv) within the current port; the uncovered strip is erased in the back
// colour and returned in updateRgn (may be null).
void ScrollRect(const Rect* r, SInt16 dh, SInt16 dv, RgnHandle updateRgn);

// ---- Pixels ----
void SetCPixel(SInt16 h, SInt16 v, const RGBColor* color);
void GetCPixel(SInt16 h, SInt16 v, RGBColor* color);
// The 0xAARRGGBB word at a local point of a port, 0 outside it.
UInt32 GetPortPixel(CGrafPtr port, SInt16 h, SInt16 v);

// ---- Pictures ----
// A picture is a resource or handle holding PNG data. Its frame is (0,0)-(height,width).
PicHandle GetPicture(SInt16 id);
Rect* QDGetPictureBounds(PicHandle pic, Rect* frame);
// Draws the picture scaled into r, clipped to the current port's clip.
void DrawPicture(PicHandle pic, const Rect* r);
// Makes PNG picture data from a rectangle of a port.
PicHandle NewPictureFromPort(CGrafPtr port, const Rect* r);
// Saves a rectangle of a port as a PNG file; for tests and screenshots.
OSErr WritePortToPNG(CGrafPtr port, const Rect* r, const char* path);

// ---- Flushing ----
// Shows what was drawn into a window's port: the whole port, or only rgn when given.
void QDFlushPortBuffer(CGrafPtr port, RgnHandle rgn);
