// Body of any other resource type: a record of typed fields, written in order.
#pragma once

#include "platform/bytes.h"
#include "rc/resource_header.h"
#include "rc/token_cursor.h"

// Fields:
//   i8 u8 i16 u16 i32 u32 N       big-endian integers, range-checked ('ABCD' allowed for the 32-bit ones)
//   fixed 1.5                     16.16 fixed point
//   pstring "x"                   length byte + text
//   pstring[N] "x"                length byte + text in a field of exactly N bytes, zero-padded
//   chars[N] "x"                  exactly N bytes of text, zero-padded
//   cstring "x"                   text + a zero byte
//   hex "00 11 AA"                raw bytes
//   type 'ABCD'                   a four-character code
//   align N                       zero bytes up to a multiple of N from the start of the resource
//   repeat u8|u16|u32 [minus1] { { fields } { fields } ... }
//                                 the element count (less one with minus1), then each element's fields
void CompileRecordBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out);
