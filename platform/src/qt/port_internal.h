// What the drawing and window halves of the platform layer share about ports. Private to platform/src.
#pragma once

#include "platform/drawing.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"

#include <QImage>
#include <QRegion>

class WindowHost; // the widget of a window port (windows half)

struct GrafPort {
    QImage image;      // Format_RGB32 (or ARGB32 for worlds that need alpha); the pixels of the port
    SInt16 depth = 32; // the depth asked for; pixels are 32-bit whatever it is
    Point origin{};    // local coordinates of the image's top-left pixel
    QRegion clip{-32768, -32768, 65535, 65535}; // in local coordinates; every 16-bit point when wide open
    bool clipIsWideOpen = true;

    // Pen.
    Point penLocation{};
    Point penSize{1, 1};
    SInt16 penMode = patCopy;
    Pattern penPattern{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}; // black, as PenNormal sets it
    RGBColor foreColor{0, 0, 0};
    RGBColor backColor{0xFFFF, 0xFFFF, 0xFFFF};
    RGBColor hiliteColor{0xB5B5, 0xD5D5, 0xFFFF};
    RGBColor opColor{0x8000, 0x8000, 0x8000};

    // Text.
    SInt16 textFont = 0;
    SInt16 textFace = 0;
    SInt16 textSize = 12;
    SInt16 textMode = srcOr;

    // Polygon being recorded by OpenPoly, or null.
    Polygon* recordingPolygon = nullptr;

    // Set for a window's port; null for an offscreen world.
    WindowPtr window = nullptr;
    WindowHost* host = nullptr;
};

struct Region {
    QRegion area;
};

// Makes region the one rectangle r. A QRegion of a rectangle is allocated afresh every time one is made,
// and the scroll tick sets the same few rectangles (clips, the scrolled band) on every call: recently made
// rectangle regions are kept and shared instead.
void SetRegionToRect(QRegion& region, const QRect& r);

// The region is exactly the rectangle r.
inline bool RegionIsRect(const QRegion& region, const QRect& r) {
    return region.rectCount() == 1 && region.boundingRect() == r;
}

// Creates the port of a window, erased to white; the windows half owns it and disposes of it with
// DisposeWindowPort.
GrafPort* NewWindowPort(int width, int height, WindowPtr window);
void DisposeWindowPort(GrafPort* port);
// Resizes a port's image, keeping the pixels that still fit; new pixels are white.
void ResizePortImage(GrafPort* port, int width, int height);
// The current port (never null once the platform is started: a screen port stands in).
GrafPort* CurrentPort();
GDHandle CurrentDevice();
// Called when a port is going away, so the current port never dangles.
void ForgetPort(GrafPort* port);

// Local <-> image pixel coordinates of a port.
inline int ImageX(const GrafPort* p, int h) {
    return h - p->origin.h;
}
inline int ImageY(const GrafPort* p, int v) {
    return v - p->origin.v;
}

// The windows half: called by QDFlushPortBuffer to show the port's pixels (the whole port when rgn is
// empty) on screen.
void FlushWindowPort(GrafPort* port, const QRegion& imageArea);
