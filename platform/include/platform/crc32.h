// The CRC-32 of zlib, PNG and gzip (reflected polynomial 0xEDB88320): a quick check that stored bytes are
// the ones that were written.
#pragma once

#include "platform/types.h"

#include <span>

UInt32 Crc32(std::span<const UInt8> bytes);
