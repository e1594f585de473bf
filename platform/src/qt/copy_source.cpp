// Copy sources: direct image access, overlap snapshots and nearest-neighbour maps.
#include "qt/copy_source.h"

#include <algorithm>
#include <cstring>

SourcePixels PortPixels(const GrafPort* port) {
    SourcePixels s;
    s.bits = reinterpret_cast<const UInt32*>(port->image.constBits());
    s.stride = port->image.bytesPerLine() / 4;
    return s;
}

SourcePixels SnapshotPixels(const GrafPort* port, const QRect& imageRect, int slot) {
    static std::vector<UInt32> buffers[2];
    std::vector<UInt32>& buffer = buffers[slot & 1];
    const QRect r = imageRect & port->image.rect();
    // Grows only: a buffer sized once for the largest copy serves every later one.
    if (buffer.size() < size_t(std::max(0, r.width())) * size_t(std::max(0, r.height())))
        buffer.resize(size_t(r.width()) * size_t(r.height()));
    SourcePixels s;
    s.bits = buffer.data();
    s.stride = r.width();
    s.left = r.left();
    s.top = r.top();
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(buffer.data() + size_t(y - r.top()) * size_t(r.width()),
                    port->image.constScanLine(y) + size_t(r.left()) * 4, size_t(r.width()) * 4);
    return s;
}

void NearestMap(int srcStart, int srcLength, int count, std::vector<int>& out) {
    out.resize(size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i)
        out[size_t(i)] = srcStart + int(((2LL * i + 1) * srcLength) / (2LL * count));
}

void ValidMapRange(const std::vector<int>& map, int limit, int* first, int* last) {
    auto lo = std::partition_point(map.begin(), map.end(), [](int v) { return v < 0; });
    auto hi = std::partition_point(lo, map.end(), [&](int v) { return v < limit; });
    *first = int(lo - map.begin());
    *last = int(hi - map.begin());
}
