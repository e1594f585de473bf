// Making and resizing the images behind ports.
#pragma once

#include <QImage>
#include <QRegion>

struct GrafPort;

// The largest image a port may have, in pixels: far beyond any screen, well below what would exhaust
// memory (a request past it fails as out of memory instead of thrashing the machine).
constexpr long long kMaxPortPixels = 16384LL * 16384LL;

// Makes a white RGB32 image; false (and a null image) when the size is refused or memory runs out.
bool NewPortImage(QImage* image, int width, int height);
// The same for a window's port: where the X server can read the pixels from shared memory, the image
// lives there, so that showing the window does not copy the frame on our side (shared_port_images.cpp).
bool NewWindowPortImage(QImage* image, int width, int height);
// Shows imageArea of a window port (all of it when empty) straight from shared memory; false when the
// port or its window cannot be shown that way, and the toolkit must repaint instead.
bool PutPortOnScreen(GrafPort* port, const QRegion& imageArea);
