// Run-length encoded pictures of colour indexes (tab pictures, picture buttons, star sprites): their
// two-file storage, byte order, drawing plain and scaled, and the colour index of one pixel.
#pragma once

#include "platform/drawing.h"

#include <string>

// Header fields of a picture block (offsets from its start); the run data starts at the header length.
enum : int {
    kRLEHeaderLength = 0, // 32-bit
    kRLEWidth = 4,        // 16-bit
    kRLEBounds = 6,       // top, left, bottom, right
    kRLEDepth = 14,       // 8 or 4
    kRLETransparent = 20, // 16-bit colour index
    kRLERowMap = 24,      // the row map, held by the header of 26 bytes or more
    kRLEEncoding = 28,    // low byte 0 or 1: packed runs (header of 28 bytes or more)
    kRLEHeaderWithMap = 26,
    kRLEHeaderWithEncoding = 28,
};

// The colour index that star sprites leave out besides their own transparent index; -2 leaves out
// nothing, other negative values keep only the low byte of the picture's transparent index.
extern SInt16 gInvisible;

// Reads "<path>.mapf" into a new picture and, when present and not empty, "<path>.rlem" as its row map,
// in the machine's byte order. Null when the picture file cannot be read.
Handle ReadRLEPicture(const std::string& path);
// Disposes of the picture and its row map.
void DisposeRLEPicture(Handle picture);
// The row map of a picture (null when it has none), and attaching one in place of any other (null
// detaches). A picture shorter than 28 bytes or whose header is shorter than 26 has no room for a row map:
// false, and the map stays its caller's to dispose of. A replaced or detached map is the caller's too.
Handle GetRLERowMap(Handle picture);
bool SetRLERowMap(Handle picture, Handle rowMap);

// Swaps the byte order of the header fields and of the row map's entries.
void SwapRLEC(Handle picture);
// Draws the picture into port with its first pixel at (left + 1, top + 1) of the destination, clipped to
// the port. A picture whose runs are damaged is reported once and drawn as far as it reads.
void DrawRLEN(Handle picture, const Rect* destination, CGrafPtr port);
// Draws it scaled by factor, or fitted into the destination when factor is 0.
void DrawRLENScaled(Handle picture, const Rect* destination, CGrafPtr port, double factor);
// The colour index at (h, v) of the frame (null: the picture's own bounds at 0,0), edges included; -1
// outside or for a depth other than 8 and 4, 0 for a picture without its row map.
SInt16 GetRLENPixel(Handle picture, const Rect* frame, SInt16 h, SInt16 v);
