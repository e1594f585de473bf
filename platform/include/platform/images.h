// Picture files (JPEG, PNG and the other formats the system can read) drawn into ports, and ports
// written out as JPEG files.
#pragma once

#include "platform/drawing.h"

#include <vector>

// The picture's pixel size as stored (the file's orientation marks are not applied); with thumbnail, the
// size of the small preview that DrawImageFile draws. fnfErr for a missing file, ioErr for one that is
// not a readable picture.
OSErr GetImageFileSize(const char* path, bool thumbnail, SInt16* width, SInt16* height);
// Draws the picture into the current port so that it fills target after the orientation is applied:
// mirrorH and mirrorV flip the stored picture, then quarterTurn 1 turns it a quarter counter-clockwise
// and 2 a quarter clockwise (the picture is scaled to target's size with width and height exchanged).
OSErr DrawImageFile(const char* path, bool thumbnail, const Rect* target, bool mirrorH, bool mirrorV,
                    SInt16 quarterTurn);
// The JPEG bytes of a rectangle of a port; quality 0 (smallest) to 100. paramErr for an empty rectangle.
OSErr EncodePortAsJPEG(CGrafPtr port, const Rect* r, int quality, std::vector<UInt8>& out);
