// The orientation mark of JPEG files: a bounded walk over the file's segments and the Exif directories,
// and the way it combines with a rotation and mirrors that a caller asks for.
#pragma once

#include "platform/types.h"

#include <span>

// The orientation (0 to 8) held before the image data, or -1 when there is none that can be used.
SInt16 ScanJPEGForOrientation(std::span<const UInt8> file);
// The orientation of an APP1 segment's data (beginning "Exif", two zero bytes and a TIFF header), or -1.
SInt16 ReadExifOrientation(std::span<const UInt8> segment);
// The orientation of a JPEG file, or -1 when it cannot be opened or holds none.
SInt16 getExifOrientation(const char* path);

// Rotation codes of pictures: none, a quarter turn by -90 degrees, a quarter turn by +90 degrees.
enum : SInt16 { kPictureUpright = 0, kPictureTurnLeft = 1, kPictureTurnRight = 2 };
struct PictureOrientation {
    SInt16 mirrorH;
    SInt16 mirrorV;
    SInt16 rotation;
};
// The mirrors and turn an orientation stands for; values outside 1 to 8 stand for none.
PictureOrientation OrientationFromExif(SInt16 orientation);
// The caller's turn and mirrors applied on top of the file's orientation.
PictureOrientation CombineOrientations(PictureOrientation file, PictureOrientation asked);
