// Display modes through XRandR, apart from the toolkit so that X's macros meet none of its headers.
#pragma once

#include <string>
#include <vector>

// A mode as XRandR gives it, with the same fields and option bits as DisplayMode; this file keeps to plain
// types because X's headers and the platform's own name some types alike.
struct XrandrMode {
    int width = 0, height = 0, bitsPerPixel = 0, refreshRate = 0, options = 0;
    bool operator==(const XrandrMode&) const = default;
};

// The output is found by its name, else as the one whose picture starts at (x, y). Empty when there is
// no X display with XRandR 1.2 or later, or no such output.
std::vector<XrandrMode> XrandrModes(const std::string& output, int x, int y, XrandrMode* current);
bool XrandrSetMode(const std::string& output, int x, int y, const XrandrMode& mode);
// Puts back every output switched here; safe to call more than once.
void XrandrRestoreAll();
