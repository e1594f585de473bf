// The machine's basic types as the program sees them: fixed-width integers, status codes, four-character
// codes, length-prefixed strings, handles and pointer blocks.
#pragma once

#include <cstddef>
#include <cstdint>

using SInt8 = std::int8_t;
using UInt8 = std::uint8_t;
using SInt16 = std::int16_t;
using UInt16 = std::uint16_t;
using SInt32 = std::int32_t;
using UInt32 = std::uint32_t;
using SInt64 = std::int64_t;
using UInt64 = std::uint64_t;

using Boolean = bool;
using OSErr = SInt16;
using OSStatus = SInt32;
using Size = SInt32;   // sizes of memory blocks and resources: at most 2 GiB - 1
using Fixed = SInt32;  // 16.16 fixed point
using OSType = UInt32; // four-character code, first character in the high byte
using ResType = OSType;
using ResID = SInt16;
using ResFileRefNum = SInt16;

using Ptr = char*;
using Handle = char**; // *h is the block's current address; it may move unless the handle is locked

// A length-prefixed string: byte 0 is the length, then up to 255 bytes of Mac Roman text.
using Str255 = unsigned char[256];
using Str63 = unsigned char[64];
using Str31 = unsigned char[32];
using Str15 = unsigned char[16];
using StringPtr = unsigned char*;
using ConstStringPtr = const unsigned char*;
using ConstStr255Param = const unsigned char*;
using StringHandle = unsigned char**;

// Builds a four-character code from a literal: FourCC("STR#").
constexpr OSType FourCC(const char (&s)[5]) {
    return (OSType(UInt8(s[0])) << 24) | (OSType(UInt8(s[1])) << 16) | (OSType(UInt8(s[2])) << 8) |
           OSType(UInt8(s[3]));
}

// Status codes shared by the platform and the program.
enum : OSErr {
    noErr = 0,
    paramErr = -50,
    eofErr = -39,
    fnfErr = -43,
    ioErr = -36,
    bdNamErr = -37,
    dskFulErr = -34,
    dupFNErr = -48,
    permErr = -54,
    wrPermErr = -61,
    dirNFErr = -120,
    memFullErr = -108,
    nilHandleErr = -109,
    memWZErr = -111,
    memLockedErr = -117,
    resNotFound = -192,
    resFNotFound = -193,
    addResFailed = -194,
    rmvResFailed = -196,
    resAttrErr = -198,
    mapReadErr = -199,
};
