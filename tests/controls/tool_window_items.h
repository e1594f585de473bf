// The item lists of the test tool window: a first list of buttons, check boxes, a radio group, static
// text and two items that become a colour box and a line; no second list; a third list with a container,
// its members and a long static text.
#pragma once

#include "controls_fixture.h"

enum : SInt16 {
    kOK = 1,
    kMirror = 2,
    kLeft = 3,
    kRight = 4,
    kSpeedLabel = 5,
    kSwatch = 6,
    kRule = 7,
    kOptions = 8,
    kLoop = 9,
    kPad = 10,
    kNote = 11,
    kToolWindowItems = 11,
};

inline const std::string kLongNote(70, 'n');

inline std::vector<std::vector<UInt8>> ToolWindowLists() {
    return {
        ItemListBytes({
            Item(4, {10, 10, 30, 90}, "OK"),
            Item(5, {40, 10, 56, 150}, "Mirror"),
            Item(6, {60, 10, 76, 120}, "Left"),
            Item(6, {80, 10, 96, 120}, "Right"),
            Item(8, {100, 10, 116, 200}, "Speed"),
            Item(0, {120, 10, 140, 60}),
            Item(0, {150, 10, 160, 200}),
        }),
        {},
        ItemListBytes({
            Item(0, {170, 10, 260, 300}, "Options"),
            Item(5, {190, 20, 206, 200}, "Loop"),
            Item(5 | 0x80, {210, 20, 226, 200}, "Pad"),
            Item(8, {270, 10, 286, 390}, kLongNote),
        }),
    };
}
