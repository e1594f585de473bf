// Filling the selected ranges of a text, in a buffer laid out like it, with a repeated pattern of bytes.
#include "scroll/text_sorting.h"

#include "platform/memory.h"
#include "textengine/text_engine.h"

#include <algorithm>

void ReplaceSelectedTextFromHandle(Handle bytes, WEReference text, Handle pattern) {
    if (!bytes || !text || !pattern) return;
    const Size patternLength = GetHandleSize(pattern);
    const Size bufferLength = GetHandleSize(bytes);
    if (patternLength <= 0) return;
    Size next = 0;
    const SInt32 ranges = WEGetRealNumberSelections(text);
    for (SInt32 range = 0; range < ranges; ++range) {
        SInt32 start = 0, end = 0;
        WEGetSelection(&start, &end, range, text);
        // A range reaching past the buffer fills only what the buffer holds.
        for (Size at = std::max<Size>(start, 0); at < std::min<Size>(end, bufferLength); ++at) {
            (*bytes)[at] = (*pattern)[next];
            if (++next == patternLength) next = 0;
        }
    }
}
