// Reading and writing the elements of a style scrap: a 16-bit count (with or without two more header
// bytes) followed by 20-byte elements in the host's byte order.
#pragma once

#include "textengine/text_engine_types.h"

inline constexpr Size kStyleScrapElementSize = 20;

struct StyleScrapShape {
    Size headerSize = 2;
    SInt32 count = 0;
};

// One element: where its run starts in the scrap's text and the style with its metrics (no object).
struct StyleScrapElement {
    SInt32 start = 0;
    WEStyleRecord record;
};

// 0 and the scrap's header size and element count, or -1702 when its size does not fit its count.
OSErr CheckStyleScrap(Handle scrap, StyleScrapShape* shape);
// Reads element index of a checked scrap.
StyleScrapElement ReadStyleScrapElement(Handle scrap, const StyleScrapShape& shape, SInt32 index);
// Writes one element at p, which has room for kStyleScrapElementSize bytes.
void WriteStyleScrapElement(UInt8* p, const StyleScrapElement& element);
