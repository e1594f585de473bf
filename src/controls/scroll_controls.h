// The control layer's own scroll bars: a bar with two arrows, a track and a thumb, holding a value between
// a minimum and a maximum as doubles, so that 32-bit positions pass through unscaled.
#pragma once

#include "controls/control_records.h"
#include "textengine/text_engine_types.h"

struct MyScrollControl {
    UInt32 id = 0; // window reference << 16 | item number
    bool vertical = true;
    double maximum = 0;
    double minimum = 0;
    double value = 0;
    double lineStep = 1.0;
    double pageStep = 16;
    double pixelsPerUnit = 1.0;
    SInt32 action = 0;
    SInt32 reserved = 1;
    Rect bar{};
    Rect firstArrow{};
    Rect secondArrow{};
    Rect track{};
    Rect thumb{};
    RGBColor frameColor{0, 0, 0};
    RGBColor trackColor{0xFFFF, 0xFFFF, 0xFFFF};
    RGBColor arrowColor{0, 0, 0};
    RGBColor thumbColor{0xFFFF, 0, 0};
    WindowRef window = nullptr;
    // The content the bar scrolls, for the thumb's size: a text's height, else the window's.
    WEReference text = nullptr;
};

enum : SInt16 {
    kScrollBarErase = 0,
    kScrollBarNormal = 1,
    kScrollBarFirstPressed = 2,
    kScrollBarSecondPressed = 4
};

MyScrollControl* MyCreateScrollControl(WindowRef window, bool vertical, const Rect* rect, UInt32 id);
void MyDisposeScrollControl(MyScrollControl* bar);
// Stores a number; with redraw, the thumb is placed again and the bar drawn.
void SetMyScrollControlValue(MyScrollControl* bar, WEReference text, double value, bool redraw);
void SetMyScrollControlMaximum(MyScrollControl* bar, WEReference text, double maximum, bool redraw);
void SetMyScrollControlMinimum(MyScrollControl* bar, WEReference text, double minimum, bool redraw);
double GetMyScrollControlValue(const MyScrollControl* bar);
void SetMyScrollControlID(MyScrollControl* bar, UInt32 id);
void SetMyScrollControlAction(MyScrollControl* bar, SInt32 action);
// Keeps the value within the range, sizes and places the thumb and, with redraw, draws the bar.
void RecalMyScrollControl(MyScrollControl* bar, bool redraw, SInt16 mode, WEReference text);
// Draws in the current port; mode kScrollBarErase erases the bar.
void DrawMyScrollControl(const MyScrollControl* bar, SInt16 mode);
// The same in the bar's window's port.
void UpdateMyScrollControl(const MyScrollControl* bar, SInt16 mode);
void MoveMyScrollControl(MyScrollControl* bar, SInt16 dh, SInt16 dv);
// Lays the bar out over a new rect, keeping its numbers.
void PlaceMyScrollControl(MyScrollControl* bar, const Rect& rect);
void HiliteMyScrollControl();
// Follows a click on the bar: the thumb live, the track by pages and the arrows by lines, repeating
// while held. True when the value changed. Scrolling goes to the item's text or its window's scroller.
bool TrackMyScrollbar(MyScrollControl* bar, MyDialogHandle dialog, MyControlItem* record, Point press);

// The bar of a scroll-bar item, made in the item's place when it has none.
void SetMyControlScrollBar(WindowReference reference, MyDialogHandle dialog, SInt16 item, bool vertical);
MyScrollControl* GetMyControlScrollBar(WindowReference reference, const MyControlItem* record);
// Fits the item's bar to the item's place again, its range back to empty.
void ResizeMyControlScrollBar(WindowReference reference, MyDialogHandle dialog, SInt16 item);
// The window's scroller for a bar's id; the result is set to 0 when one took the step.
void MyScrollProcedure(UInt32 id, SInt32 delta, SInt32* result);
