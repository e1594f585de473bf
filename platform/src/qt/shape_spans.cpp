// Rasterising shapes into spans. Every test is made at pixel centres; ovals compute one inset per row and
// mirror it, so a shape is symmetric whatever its size.
#include "qt/shape_spans.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// How far the covered part of row `row` of an oval width x height starts from the oval's left edge.
int OvalRowInset(int width, int height, int row) {
    const double halfW = width / 2.0, halfH = height / 2.0;
    const double t = (row + 0.5 - halfH) / halfH;
    const double dx = halfW * std::sqrt(std::max(0.0, 1.0 - t * t));
    return std::max(0, int(std::ceil(halfW - 0.5 - dx - 1e-9)));
}

// The covered columns [*left, *right) of local row v of a round shape.
bool RoundShapeRow(const RoundShape& s, int v, int* left, int* right) {
    const QRect& b = s.bounds;
    if (b.isEmpty() || v < b.top() || v > b.bottom()) return false;
    const int w = b.width(), h = b.height();
    const int ow = std::clamp(s.ovalWidth, 0, w), oh = std::clamp(s.ovalHeight, 0, h);
    const int j = v - b.top(), half = oh / 2;
    int inset = 0;
    if (ow > 0 && oh > 0) {
        if (j < half)
            inset = OvalRowInset(ow, oh, j);
        else if (j >= h - half)
            inset = OvalRowInset(ow, oh, j - (h - oh));
    }
    *left = b.left() + inset;
    *right = b.left() + w - inset;
    return *left < *right;
}

void AddSpan(SpanList& out, int v, int left, int right) {
    if (left < right) out.emplace_back(left, v, right - left, 1);
}

// The row spans of a round shape or of its frame, one or two per row.
template <typename Fn> void ForEachShapeSpan(const RoundShape& s, int penW, int penH, Fn&& fn) {
    const bool framed = penW > 0 && penH > 0;
    RoundShape inner;
    if (framed) {
        inner.bounds = s.bounds.adjusted(penW, penH, -penW, -penH);
        inner.ovalWidth = std::max(0, std::min(s.ovalWidth, s.bounds.width()) - 2 * penW);
        inner.ovalHeight = std::max(0, std::min(s.ovalHeight, s.bounds.height()) - 2 * penH);
    }
    for (int v = s.bounds.top(); v <= s.bounds.bottom(); ++v) {
        int a, b;
        if (!RoundShapeRow(s, v, &a, &b)) continue;
        int c, d;
        if (framed && inner.bounds.isValid() && RoundShapeRow(inner, v, &c, &d)) {
            c = std::max(c, a);
            d = std::min(d, b);
            if (c < d) {
                fn(v, a, c);
                fn(v, d, b);
                continue;
            }
        }
        fn(v, a, b);
    }
}

} // namespace

void AppendRectFrame(const QRect& r, int penW, int penH, SpanList& out) {
    if (r.isEmpty() || penW <= 0 || penH <= 0) return;
    if (2 * penW >= r.width() || 2 * penH >= r.height()) {
        out.push_back(r);
        return;
    }
    const int l = r.left(), t = r.top(), w = r.width(), h = r.height();
    out.emplace_back(l, t, w, penH);
    out.emplace_back(l, t + penH, penW, h - 2 * penH);
    out.emplace_back(l + w - penW, t + penH, penW, h - 2 * penH);
    out.emplace_back(l, t + h - penH, w, penH);
}

void AppendRoundShape(const RoundShape& shape, SpanList& out) {
    if (shape.ovalWidth <= 0 || shape.ovalHeight <= 0) {
        if (!shape.bounds.isEmpty()) out.push_back(shape.bounds);
        return;
    }
    ForEachShapeSpan(shape, 0, 0, [&](int v, int a, int b) { AddSpan(out, v, a, b); });
}

void AppendRoundShapeFrame(const RoundShape& shape, int penW, int penH, SpanList& out) {
    if (penW <= 0 || penH <= 0) return;
    if (shape.ovalWidth <= 0 || shape.ovalHeight <= 0) return AppendRectFrame(shape.bounds, penW, penH, out);
    ForEachShapeSpan(shape, penW, penH, [&](int v, int a, int b) { AddSpan(out, v, a, b); });
}

void AppendArc(const QRect& r, int startAngle, int arcAngle, int penW, int penH, const QRect& visible,
               SpanList& out) {
    if (r.isEmpty() || arcAngle == 0) return;
    const bool framed = penW > 0 && penH > 0;
    const RoundShape oval = OvalShape(r);
    if (arcAngle >= 360 || arcAngle <= -360) {
        if (framed)
            AppendRoundShapeFrame(oval, penW, penH, out);
        else
            AppendRoundShape(oval, out);
        return;
    }
    if (arcAngle < 0) {
        startAngle += arcAngle;
        arcAngle = -arcAngle;
    }
    startAngle %= 360;
    if (startAngle < 0) startAngle += 360;
    const double cx = r.left() + r.width() / 2.0, cy = r.top() + r.height() / 2.0;
    const double w = r.width(), h = r.height();
    auto inArc = [&](int x, int v) {
        double angle = std::atan2((x + 0.5 - cx) / w, -(v + 0.5 - cy) / h) * (180.0 / M_PI);
        double rel = std::fmod(angle - startAngle + 720.0, 360.0);
        return rel < arcAngle;
    };
    // Each pixel is tested, so only the visible ones are.
    ForEachShapeSpan(oval, framed ? penW : 0, framed ? penH : 0, [&](int v, int a, int b) {
        if (v < visible.top() || v > visible.bottom()) return;
        a = std::max(a, visible.left());
        b = std::min(b, visible.right() + 1);
        int runStart = -1;
        for (int x = a; x < b; ++x) {
            if (inArc(x, v)) {
                if (runStart < 0) runStart = x;
            } else if (runStart >= 0) {
                AddSpan(out, v, runStart, x);
                runStart = -1;
            }
        }
        if (runStart >= 0) AddSpan(out, v, runStart, b);
    });
}

void AppendLine(Point from, Point to, int penW, int penH, SpanList& out) {
    if (penW <= 0 || penH <= 0) return;
    int x0 = from.h, y0 = from.v, x1 = to.h, y1 = to.v;
    if (x0 == x1 || y0 == y1) {
        out.emplace_back(std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0) + penW,
                         std::abs(y1 - y0) + penH);
        return;
    }
    // Walk top to bottom, noting the columns of the path's points in each row.
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const int top = y0, pointRows = y1 - y0 + 1;
    static std::vector<std::pair<int, int>> points; // per row: leftmost and rightmost point
    points.assign(size_t(pointRows), {INT32_MAX, INT32_MIN});
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1, dy = y1 - y0;
    int err = dx - dy, x = x0, y = y0;
    while (true) {
        auto& p = points[size_t(y - top)];
        p.first = std::min(p.first, x);
        p.second = std::max(p.second, x);
        if (x == x1 && y == y1) break;
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            ++y;
        }
    }
    // A row is covered by the pens of the points penH rows above it and its own. The path moves one way
    // across, so the leftmost of those is at one end of that run of rows and the rightmost at the other;
    // consecutive points differ by at most one column, so the coverage is one span.
    const bool rightward = sx > 0;
    for (int i = 0; i < pointRows + penH - 1; ++i) {
        const int first = std::max(0, i - penH + 1), last = std::min(i, pointRows - 1);
        const int left = rightward ? points[size_t(first)].first : points[size_t(last)].first;
        const int right = (rightward ? points[size_t(last)].second : points[size_t(first)].second) + penW;
        AddSpan(out, top + i, left, right);
    }
}

void AppendPolygon(const std::vector<Point>& points, SpanList& out) {
    if (points.size() < 3) return;
    int top = points[0].v, bottom = points[0].v;
    for (const Point& p : points) {
        top = std::min<int>(top, p.v);
        bottom = std::max<int>(bottom, p.v);
    }
    static std::vector<double> crossings;
    const size_t n = points.size();
    for (int v = top; v < bottom; ++v) {
        const double yc = v + 0.5;
        crossings.clear();
        for (size_t i = 0; i < n; ++i) {
            const Point& p = points[i];
            const Point& q = points[(i + 1) % n];
            if (p.v == q.v) continue;
            const double ya = std::min(p.v, q.v), yb = std::max(p.v, q.v);
            if (yc < ya || yc >= yb) continue;
            crossings.push_back(p.h + (yc - p.v) * (q.h - p.h) / double(q.v - p.v));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centres lie in [a, b).
            AddSpan(out, v, int(std::ceil(crossings[i] - 0.5)), int(std::ceil(crossings[i + 1] - 0.5)));
        }
    }
}

bool PolygonContainsPixel(const std::vector<Point>& points, int h, int v) {
    if (points.size() < 3) return false;
    const double yc = v + 0.5;
    bool inside = false;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const Point& p = points[i];
        const Point& q = points[(i + 1) % n];
        if (p.v == q.v) continue;
        const double ya = std::min(p.v, q.v), yb = std::max(p.v, q.v);
        if (yc < ya || yc >= yb) continue;
        const double x = p.h + (yc - p.v) * (q.h - p.h) / double(q.v - p.v);
        // The same rule as the fill: a crossing at a <= centre counts.
        if (std::ceil(x - 0.5) <= h) inside = !inside;
    }
    return inside;
}

QRegion RegionFromRowSpans(const SpanList& spans) {
    // Build y-x banded rectangles: merge touching spans within a row, then stack identical
    // consecutive rows into one band, which is the form Qt keeps its regions in.
    std::vector<QRect> bands;
    std::vector<QRect> row, previous;
    size_t previousStart = 0;
    auto flushRow = [&]() {
        if (row.empty()) return;
        const bool stacks =
            !previous.empty() && previous.size() == row.size() &&
            previous.front().bottom() + 1 == row.front().top() &&
            std::equal(row.begin(), row.end(), previous.begin(), [](const QRect& a, const QRect& b) {
                return a.left() == b.left() && a.right() == b.right();
            });
        if (stacks) {
            for (size_t i = 0; i < row.size(); ++i) {
                bands[previousStart + i].setBottom(row[i].bottom());
                previous[i].setBottom(row[i].bottom());
            }
        } else {
            previousStart = bands.size();
            bands.insert(bands.end(), row.begin(), row.end());
            previous = row;
        }
        row.clear();
    };
    for (const QRect& s : spans) {
        if (s.isEmpty()) continue;
        if (!row.empty() && row.back().top() != s.top()) flushRow();
        if (!row.empty() && s.left() <= row.back().right() + 1) {
            row.back().setRight(std::max(row.back().right(), s.right()));
        } else {
            row.push_back(s);
        }
    }
    flushRow();
    QRegion region;
    if (!bands.empty()) region.setRects(bands.data(), int(bands.size()));
    return region;
}
