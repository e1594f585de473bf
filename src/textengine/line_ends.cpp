// Text that arrives from the clipboard or a drop ends its lines as its writer did; the engine's texts end
// every line with a carriage return alone, so line feeds and CR-LF pairs become one return.
#include "textengine/host_order_bytes.h"
#include "textengine/pasteboard.h"
#include "textengine/style_scrap.h"

#include "platform/memory.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Moves the scrap's runs back by the bytes taken out before them; a run that covered only a taken-out
// byte goes. A damaged scrap is left alone (its reader refuses it anyway).
void MoveRunsBack(Handle styles, const std::vector<SInt32>& removed) {
    StyleScrapShape shape;
    if (!styles || removed.empty() || CheckStyleScrap(styles, &shape) != noErr) return;
    auto* base = reinterpret_cast<UInt8*>(*styles) + shape.headerSize;
    SInt32 kept = 0;
    for (SInt32 i = 0; i < shape.count; i++) {
        UInt8* element = base + i * Size(kStyleScrapElementSize);
        const SInt32 start = ReadHostValue<SInt32>(element);
        const auto before = std::lower_bound(removed.begin(), removed.end(), start) - removed.begin();
        const SInt32 moved = start - SInt32(before);
        // A later run starting at the same place covers what this one did.
        if (kept > 0 && ReadHostValue<SInt32>(base + (kept - 1) * Size(kStyleScrapElementSize)) == moved)
            kept--;
        UInt8* to = base + kept * Size(kStyleScrapElementSize);
        if (to != element) std::memmove(to, element, size_t(kStyleScrapElementSize));
        WriteHostValue<SInt32>(to, moved);
        kept++;
    }
    if (kept == shape.count) return;
    WriteHostValue<UInt16>(reinterpret_cast<UInt8*>(*styles), UInt16(std::min(kept, SInt32(32767))));
    SetHandleSize(styles, shape.headerSize + kept * Size(kStyleScrapElementSize));
}

} // namespace

void _WEFoldLineEnds(Handle text, Handle styles) {
    if (!text || !*text) return;
    const Size length = GetHandleSize(text);
    char* p = *text;
    std::vector<SInt32> removed;
    Size out = 0;
    char previous = 0;
    for (Size i = 0; i < length; i++) {
        const char c = p[i];
        if (c == '\n' && previous == '\r') {
            removed.push_back(SInt32(i));
        } else {
            p[out++] = c == '\n' ? '\r' : c;
        }
        previous = c;
    }
    if (removed.empty()) return;
    SetHandleSize(text, out);
    MoveRunsBack(styles, removed);
}
