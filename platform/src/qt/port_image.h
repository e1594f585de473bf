// Making and resizing the images behind ports.
#pragma once

#include <QImage>

// The largest image a port may have, in pixels: far beyond any screen, well below what would exhaust
// memory (a request past it fails as out of memory instead of thrashing the machine).
constexpr long long kMaxPortPixels = 16384LL * 16384LL;

// Makes a white RGB32 image; false (and a null image) when the size is refused or memory runs out.
bool NewPortImage(QImage* image, int width, int height);
