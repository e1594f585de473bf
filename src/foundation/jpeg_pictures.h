// Picture files read into new offscreen worlds (turned and mirrored as the file and the caller ask), and
// windows written out as JPEG files.
#pragma once

#include "platform/drawing.h"
#include "platform/windows.h"

// Draws the picture file (a UTF-8 path) into a new world stored in *out. Without a rectangle the world
// has the picture's size, scaled down into the prompter's scrolling area when larger; with one and fit,
// the picture is scaled into it keeping its proportions; with one and no fit, it fills it. A JPEG file's
// orientation mark is combined with rotation (1: -90 degrees, 2: +90 degrees) and the mirrors.
OSErr ReadJPEG(const char* path, GWorldPtr* out, const Rect* rect, bool thumbnail, bool fit, SInt16 rotation,
               SInt16 mirrorH, SInt16 mirrorV);
// The drawing step of ReadJPEG: into *inOut, or into a new world stored there when it is null.
OSErr drawFile(const char* path, GWorldPtr* inOut, const Rect* rect, bool thumbnail, bool fit,
               SInt16 rotation, SInt16 mirrorH, SInt16 mirrorV);
// A new world of the depth (above 32: grey of depth - 32) over the rectangle, erased to white.
QDErr NewJPEGWorld(GWorldPtr* world, SInt16 depth, const Rect* rect);
// Copies a window's pixels (its whole content, or the rectangle in both) into the world.
void CopyWindowToOffscreen(WindowPtr window, GWorldPtr world, const Rect* rect);
// Writes the window's content, less rightMargin columns at the right, as a JPEG file: at the UTF-8 path
// name when nameIsFullPath, else under that name in the picture-sequence folder.
OSErr SaveJPEG(WindowPtr window, SInt16 rightMargin, const char* name, bool nameIsFullPath);
