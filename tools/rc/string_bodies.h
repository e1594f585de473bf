// Bodies of the text resources: 'STR#' (a list of strings) and 'STR ' (one string).
#pragma once

#include "platform/bytes.h"
#include "rc/resource_header.h"
#include "rc/token_cursor.h"

// "a" "b" ... -> u16 count, then each as a length-prefixed string.
void CompileStringListBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out);
// "a" -> one length-prefixed string.
void CompileStringBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out);
