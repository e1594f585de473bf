// Keeping the UTF-16 copy of the text in step with the Mac Roman bytes: one unit per byte, spliced at twice
// the text offset.
#include "textengine/engine_internal.h"

#include "foundation/error_dialog.h"
#include "platform/text_encoding.h"

// The copy could not follow an edit: dropping the layout data makes the next layout build it whole again.
static void DropUnicodeCopy(WEReference we) {
    DisposeATSUDataForMe(we);
}

OSErr _WEInsertUnicode(SInt32 offset, const UInt8* text, SInt32 length, WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.atsuInfo) return noErr;
    ATSUInfoRec& info = **r.atsuInfo;
    Ptr block = reinterpret_cast<Ptr>(info.text);
    OSErr err =
        _WESplicePtr(&block, &info.textCapacity, info.textLength * 2, nullptr, length * 2, offset * 2);
    if (err != noErr) {
        DoErrorMessageText("Memory not allocated for unicode in WEInsertText");
        DropUnicodeCopy(we);
        return noErr;
    }
    Boolean moved = block != reinterpret_cast<Ptr>(info.text);
    info.text = reinterpret_cast<UInt16*>(block);
    UInt16* units = info.text + offset;
    for (SInt32 i = 0; i < length; i++)
        units[i] = MacRomanToUnicode(text[i]);
    info.textLength += length;
    if (moved) ATSUSetTextPointerLocation(info.layout, info.text, 0, info.textLength, info.textLength);
    ATSUTextInserted(info.layout, offset, length);
    return noErr;
}

void _WEDeleteUnicode(SInt32 start, SInt32 end, WEReference we) {
    WERec& r = RecordOf(we);
    if (!r.atsuInfo) return;
    ATSUInfoRec& info = **r.atsuInfo;
    Ptr block = reinterpret_cast<Ptr>(info.text);
    if (_WESplicePtr(&block, &info.textCapacity, info.textLength * 2, nullptr, -(end - start) * 2,
                     start * 2) != noErr) {
        DropUnicodeCopy(we);
        return;
    }
    Boolean moved = block != reinterpret_cast<Ptr>(info.text);
    info.text = reinterpret_cast<UInt16*>(block);
    info.textLength -= end - start;
    if (moved) ATSUSetTextPointerLocation(info.layout, info.text, 0, info.textLength, info.textLength);
    ATSUTextDeleted(info.layout, start, end - start);
}
