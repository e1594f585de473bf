// How a 32-bit world's pixel word (0xAARRGGBB in host order) holds its colour: the one place that
// turns the byte view of a pixel (alpha, red, green, blue) into masks and shifts on words.
#pragma once

#include "platform/types.h"

constexpr UInt32 kPixelColorBits = 0x00FFFFFFu;
constexpr UInt32 kPixelAlphaBits = 0xFF000000u;

inline int PixelRed(UInt32 pixel) {
    return int((pixel >> 16) & 0xFF);
}
inline int PixelGreen(UInt32 pixel) {
    return int((pixel >> 8) & 0xFF);
}
inline int PixelBlue(UInt32 pixel) {
    return int(pixel & 0xFF);
}
// A pixel of alpha 0 from the high bytes of 16-bit colour components.
inline UInt32 PixelFromHighBytes(UInt16 red, UInt16 green, UInt16 blue) {
    return (UInt32(red >> 8) << 16) | (UInt32(green >> 8) << 8) | UInt32(blue >> 8);
}
