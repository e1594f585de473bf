// Polygons as the drawing half keeps them, and the hook that records lines into an open polygon.
#pragma once

#include "platform/drawing.h"

#include <vector>

struct Polygon {
    std::vector<Point> points;
};

// While a polygon is open on the port, a line adds its end points instead of drawing; true then.
bool RecordPolygonLine(GrafPort* port, Point from, Point to);
// A port going away stops recording into its polygon.
void ForgetPolygonRecording(GrafPort* port);
