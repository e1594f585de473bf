// Checks that bytes are a well-formed PNG picture and reads its header, so a broken picture fails the
// build instead of the program.
#pragma once

#include "platform/types.h"

#include <span>
#include <string>

struct PngInfo {
    UInt32 width = 0;
    UInt32 height = 0;
    UInt8 bitDepth = 0;
    UInt8 colorType = 0;
    bool interlaced = false;
};

// Checks the signature, the header chunk (first, 13 bytes, valid values), every chunk's length and
// checksum, at least one image-data chunk, and the end chunk closing the file. On failure, `error` says
// what is wrong.
bool ReadPngInfo(std::span<const UInt8> bytes, PngInfo& info, std::string& error);
