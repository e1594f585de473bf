// The device record behind a GDHandle: a toolkit screen, or a fake screen with its own modes in tests.
#pragma once

#include "platform/screens.h"

#include <QPointer>
#include <QScreen>

#include <vector>

struct GDevice {
    QPointer<QScreen> screen;
    bool fake = false;
    bool listed = true; // a fake screen that was removed stays as a record, unlisted
    Rect fakeBounds{};
    Rect fakeAvailable{};
    std::vector<DisplayMode> fakeModes;
    DisplayMode fakeCurrent{};
};

void ReportScreensChanged();
// The frame thicknesses tests put in the window manager's place; null when the real frames count.
const Rect* FakeWindowFrames();
