// Body of a 'MENU' resource: a title and a list of items.
#pragma once

#include "platform/bytes.h"
#include "rc/resource_header.h"
#include "rc/token_cursor.h"

// title "File"
// item "Open…" key "O"      options: key "C", mark "C" or N, icon N, style N, disabled, submenu N
// item "-"                  a separator, always disabled
void CompileMenuBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out);
