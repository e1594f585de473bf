// The 'DLOG' and 'DITL' layouts, read with every length checked.
#include "dialog_record.h"

#include "platform/bytes.h"

namespace {

// No dialog is taller or wider than this, and none holds more items: a template or list past these is
// damaged, and building it would allocate a window image of gigabytes or one widget per item by the ten
// thousand (and the item numbers, 16 bits, would not reach them all).
constexpr int kMaxDialogSide = 4096;
constexpr int kMaxDialogItems = 2048;

Rect ReadRect(ByteReader& r) {
    Rect rect;
    rect.top = r.s16();
    rect.left = r.s16();
    rect.bottom = r.s16();
    rect.right = r.s16();
    return rect;
}

} // namespace

// Bounds, definition ID, visible and close-box flags (each a byte and a filler), reference constant,
// item list ID, title.
bool ParseDialogTemplate(std::span<const UInt8> bytes, DialogTemplate& out) {
    ByteReader r(bytes);
    out.bounds = ReadRect(r);
    out.procID = r.s16();
    out.visible = r.u8() != 0;
    r.skip(1);
    out.goAway = r.u8() != 0;
    r.skip(1);
    out.refCon = r.s32();
    out.itemsID = r.s16();
    out.title = r.pstring();
    const int height = int(out.bounds.bottom) - out.bounds.top;
    const int width = int(out.bounds.right) - out.bounds.left;
    return r.ok() && height >= 0 && width >= 0 && height <= kMaxDialogSide && width <= kMaxDialogSide;
}

// Count - 1, then per item: a placeholder word, the rectangle, the kind byte and its data (a length byte
// and the bytes, padded to an even length).
bool ParseItemList(std::span<const UInt8> bytes, std::vector<DialogItemRecord>& out) {
    out.clear();
    ByteReader r(bytes);
    const int count = int(r.s16()) + 1;
    if (!r.ok() || count < 0 || count > kMaxDialogItems) return false;
    for (int i = 0; i < count && r.ok(); ++i) {
        DialogItemRecord item;
        r.skip(4);
        item.rect = ReadRect(r);
        item.kind = r.u8();
        const UInt8 length = r.u8();
        std::span<const UInt8> data = r.span(length);
        if (length & 1) r.skip(1);
        if (!r.ok()) return false;
        const SInt16 base = item.kind & ~itemDisable;
        if (base == ctrlItem + resCtrl || base == iconItem || base == picItem) {
            if (data.size() >= 2) item.resourceID = SInt16(ReadBE16(data.data()));
        } else {
            item.text.assign(data.begin(), data.end());
        }
        if (base == ctrlItem + chkCtrl || base == ctrlItem + radCtrl) item.maximum = 1;
        out.push_back(std::move(item));
    }
    return r.ok();
}
