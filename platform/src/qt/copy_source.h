// Reading the source of a copy: straight from a port's image, or from a snapshot when source and
// destination overlap, so that every copy behaves as if its whole source were read first.
#pragma once

#include "qt/port_internal.h"

#include <QRect>

#include <vector>

struct SourcePixels {
    const UInt32* bits = nullptr; // the pixel at image coordinates (left, top)
    qsizetype stride = 0;         // in pixels
    int left = 0;
    int top = 0;
    const UInt32* Row(int imageY) const { return bits + (imageY - top) * stride - left; }
};

SourcePixels PortPixels(const GrafPort* port);
// Copies imageRect (within the port's image) into a buffer kept between calls; `slot` picks one of two
// buffers, for copies that read two ports.
SourcePixels SnapshotPixels(const GrafPort* port, const QRect& imageRect, int slot = 0);

// Nearest-neighbour sampling: out[i] = the source position, from srcStart on, that destination position
// i of `count` falls on (pixel centres). Equal lengths give srcStart + i.
void NearestMap(int srcStart, int srcLength, int count, std::vector<int>& out);
// The positions [*first, *last) of map whose entries lie in [0, limit); the map is monotonic.
void ValidMapRange(const std::vector<int>& map, int limit, int* first, int* last);
