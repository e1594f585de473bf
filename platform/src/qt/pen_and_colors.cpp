// The pen (position, size, mode, pattern) and the colours of the current port.
#include "qt/port_internal.h"

const Pattern kBlackPattern{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
const Pattern kWhitePattern{{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}};
const Pattern kGrayPattern{{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}};
const Pattern kLightGrayPattern{{0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22}};
const Pattern kDarkGrayPattern{{0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD}};

void PenMode(SInt16 mode) {
    CurrentPort()->penMode = mode;
}

void PenSize(SInt16 width, SInt16 height) {
    CurrentPort()->penSize = Point{height, width};
}

void PenPat(const Pattern* pattern) {
    if (pattern) CurrentPort()->penPattern = *pattern;
}

void PenNormal() {
    GrafPort* port = CurrentPort();
    port->penSize = Point{1, 1};
    port->penMode = patCopy;
    port->penPattern = kBlackPattern;
}

void GetPenState(PenState* state) {
    if (!state) return;
    const GrafPort* port = CurrentPort();
    *state = PenState{port->penLocation, port->penSize, port->penMode, port->penPattern};
}

void SetPenState(const PenState* state) {
    if (!state) return;
    GrafPort* port = CurrentPort();
    port->penLocation = state->pnLoc;
    port->penSize = state->pnSize;
    port->penMode = state->pnMode;
    port->penPattern = state->pnPat;
}

void GetPen(Point* pt) {
    if (pt) *pt = CurrentPort()->penLocation;
}

void MoveTo(SInt16 h, SInt16 v) {
    CurrentPort()->penLocation = Point{v, h};
}

void Move(SInt16 dh, SInt16 dv) {
    Point& pen = CurrentPort()->penLocation;
    pen = Point{SInt16(pen.v + dv), SInt16(pen.h + dh)};
}

void RGBForeColor(const RGBColor* color) {
    if (color) CurrentPort()->foreColor = *color;
}
void RGBBackColor(const RGBColor* color) {
    if (color) CurrentPort()->backColor = *color;
}
void GetForeColor(RGBColor* color) {
    if (color) *color = CurrentPort()->foreColor;
}
void GetBackColor(RGBColor* color) {
    if (color) *color = CurrentPort()->backColor;
}
void HiliteColor(const RGBColor* color) {
    if (color) CurrentPort()->hiliteColor = *color;
}
void GetHiliteColor(RGBColor* color) {
    if (color) *color = CurrentPort()->hiliteColor;
}

void NormalColors() {
    GrafPort* port = CurrentPort();
    port->foreColor = RGBColor{0, 0, 0};
    port->backColor = RGBColor{0xFFFF, 0xFFFF, 0xFFFF};
}

void OpColor(const RGBColor* color) {
    if (color) CurrentPort()->opColor = *color;
}

void InvertColor(RGBColor* color) {
    if (!color) return;
    color->red = UInt16(0xFFFF - color->red);
    color->green = UInt16(0xFFFF - color->green);
    color->blue = UInt16(0xFFFF - color->blue);
}
