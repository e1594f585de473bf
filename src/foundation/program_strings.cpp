// String-list look-up: the indexed fetch from a 'STR#' resource and the two forms of GetOrvalisString.
#include "foundation/program_strings.h"

#include "foundation/checked_wrappers.h"
#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/resources.h"

#include <cstring>

namespace {

constexpr ResType kStringListType = FourCC("STR#");

// A 'STR#' is a 16-bit big-endian count and that many length-prefixed strings back to back. The list may
// come from a patch file the user supplied, so a count or a length that runs past the end yields the
// empty string rather than bytes from beyond the resource.
void GetIndexedString(StringPtr out, SInt16 listId, SInt16 index) {
    out[0] = 0;
    Handle list = GetResource(kStringListType, listId);
    if (!list || index < 1) return;
    const auto* bytes = reinterpret_cast<const UInt8*>(*list);
    const size_t size = size_t(GetHandleSize(list));
    if (size < 2 || index > ReadBE16(bytes)) return;
    size_t at = 2;
    for (SInt16 item = 1; item < index; ++item) {
        if (at >= size) return;
        at += 1 + size_t(bytes[at]);
    }
    if (at >= size || at + 1 + bytes[at] > size) return;
    std::memcpy(out, bytes + at, 1 + size_t(bytes[at]));
}

} // namespace

StringPtr GetOrvalisString(SInt16 listId, SInt16 index, StringPtr buffer) {
    if (!buffer) return nullptr;
    GetIndexedString(buffer, listId, index);
    return buffer[0] ? buffer : nullptr;
}

StringHandle GetOrvalisString(SInt16 listId, SInt16 index) {
    Str255 text;
    GetIndexedString(text, listId, index);
    if (text[0] == 0) return nullptr;
    Handle h = MyNewHandle(Size(text[0]) + 1, 0);
    if (!h) return nullptr;
    HLock(h);
    std::memcpy(*h, text, size_t(text[0]) + 1);
    return reinterpret_cast<StringHandle>(h);
}
