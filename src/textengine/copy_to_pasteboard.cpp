// Copying the selection to the clipboard: one pasteboard item per selected range with its text and its
// style runs, or the one selected embedded object in its own flavour.
#include "textengine/pasteboard.h"

#include "platform/clipboard.h"
#include "platform/memory.h"

#include <algorithm>

namespace {

std::string FlavorOfType(OSType type) {
    const char name[4] = {char(type >> 24), char(type >> 16), char(type >> 8), char(type)};
    return std::string(name, 4);
}

OSErr CopyObject(WEObjectReference object) {
    OSType type = 0;
    Handle data = nullptr;
    Boolean handled = false;
    OSErr err = _WEStreamObject(0, &type, &data, &handled, object);
    if (err != noErr) return err;
    err = data ? _WEPutScrapHandle(FlavorOfType(type), 1, data, true) : OSErr(nilHandleErr);
    if (handled && data) DisposeHandle(data);
    return err;
}

OSErr CopyRanges(WEReference we, SInt16 flags) {
    const WERec& r = RecordOf(we);
    const bool withStyles = !HasFeature(r, weFMonoStyled) && !(flags & 2);
    Handle scratch = NewHandle(0);
    if (!scratch) return memFullErr;
    OSErr err = noErr;
    const SInt32 ranges = std::max(r.selCount, SInt32(1));
    for (SInt32 i = 0; i < ranges && err == noErr; i++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, i, we);
        err = WECopyRange(start, end, scratch, nullptr, nullptr, we);
        if (err == noErr) err = _WEPutScrapHandle(kFlavorMacRomanText, i + 1, scratch, i == 0);
        if (err == noErr && withStyles) err = WECopyRange(start, end, nullptr, scratch, nullptr, we);
        if (err == noErr && withStyles) err = _WEPutScrapHandle(kFlavorStyles, i + 1, scratch, false);
    }
    DisposeHandle(scratch);
    return err;
}

} // namespace

OSErr WECopy(WEReference we, SInt16 flags) {
    const Boolean wasLocked = _WESetHandleLock(reinterpret_cast<Handle>(we), true);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    OSErr err = weEmptySelectionErr;
    if (start != end) {
        ClearPasteboard();
        WEObjectReference object = nullptr;
        err = WEGetSelectedObject(&object, we) == noErr ? CopyObject(object) : CopyRanges(we, flags);
    }
    _WESetHandleLock(reinterpret_cast<Handle>(we), wasLocked);
    return err;
}
