// Body of a 'DITL' resource: a dialog's item list.
#pragma once

#include "platform/bytes.h"
#include "rc/resource_header.h"
#include "rc/token_cursor.h"

// One item per statement: KIND rect T L B R [ "text" | id N ] [disabled]
//   text kinds: button check radio static edit   (text optional, default "")
//   id kinds:   control icon picture              (id N required)
//   user                                          (no data)
void CompileItemListBody(TokenCursor& cursor, const ResourceHeader& header, ByteWriter& out);
