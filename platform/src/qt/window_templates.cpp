// Windows made from 'WIND' resources: bounds, definition ID, visibility, close box, reference constant
// and title, read field by field with every length checked.
#include "platform/windows.h"

#include "platform/bytes.h"
#include "platform/memory.h"
#include "platform/resources.h"

#include <span>
#include <string>

namespace {

constexpr ResType kWindowTemplateType = FourCC("WIND");

struct WindowTemplate {
    Rect bounds;
    SInt16 procID = 0;
    bool visible = false;
    bool goAway = false;
    SInt32 refCon = 0;
    Str255 title{};
};

// The layout: bounds (top, left, bottom, right), definition ID, visible and close-box bytes each with a
// filler byte, reference constant, title, a pad to an even length, then a positioning word that older
// templates lack and that we do not act on.
bool ParseWindowTemplate(std::span<const UInt8> bytes, WindowTemplate* out) {
    ByteReader reader(bytes);
    out->bounds.top = reader.s16();
    out->bounds.left = reader.s16();
    out->bounds.bottom = reader.s16();
    out->bounds.right = reader.s16();
    out->procID = reader.s16();
    out->visible = reader.u8() != 0;
    reader.skip(1);
    out->goAway = reader.u8() != 0;
    reader.skip(1);
    out->refCon = reader.s32();
    std::string title = reader.pstring();
    if (!reader.ok()) return false;
    if (out->bounds.bottom <= out->bounds.top || out->bounds.right <= out->bounds.left) return false;
    out->title[0] = UInt8(title.size());
    title.copy(reinterpret_cast<char*>(out->title + 1), title.size());
    return true;
}

} // namespace

WindowPtr GetNewCWindow(SInt16 windowID, void* storage, WindowPtr behind) {
    Handle resource = GetResource(kWindowTemplateType, windowID);
    if (!resource || !*resource) return nullptr;
    WindowTemplate layout;
    std::span<const UInt8> bytes(reinterpret_cast<const UInt8*>(*resource), size_t(GetHandleSize(resource)));
    if (!ParseWindowTemplate(bytes, &layout)) return nullptr;
    return NewCWindow(storage, &layout.bounds, layout.title, layout.visible, layout.procID, behind,
                      layout.goAway, layout.refCon);
}
