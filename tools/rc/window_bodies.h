// Bodies of the window templates: 'DLOG' (a dialog) and 'WIND' (a window).
#pragma once

#include "platform/bytes.h"
#include "rc/resource_header.h"
#include "rc/token_cursor.h"

// Fields, in any order, each at most once; only rect is required:
//   rect T L B R   proc N (1)   visible true|false (true)   goaway true|false (false)
//   refcon N (0)   title "..." ("")   items N (the dialog's item list; DLOG only, default its own ID)
void CompileDialogBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out);
void CompileWindowBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out);
