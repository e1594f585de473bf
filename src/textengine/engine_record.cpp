// Creating and disposing of a text engine record with its line, style and run arrays.
#include "textengine/engine_internal.h"

#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"

#include <new>

// Frees what a record owns; every field may still be empty when creation failed half way.
static void FreeRecordArrays(WERec& r) {
    _WEForgetHandle(&r.objectHandlers);
    _WEForgetHandle(&r.text);
    _WEForgetHandle(&r.lines);
    _WEForgetHandle(&r.styles);
    _WEForgetHandle(&r.runs);
    _WEForgetHandle(&r.userInfo);
    if (r.viewRgn) DisposeRgn(r.viewRgn);
    r.viewRgn = nullptr;
}

static OSErr AllocateRecordArrays(WERec& r) {
    SInt16 flags = kWEAllocClear | (HasFeature(r, weFUseTempMem) ? kWEAllocTempFirst : 0);
    OSErr err = _WEAllocate(0, flags, &r.text, 0, __FILE__, __LINE__);
    if (err == noErr) err = _WEAllocate(2 * sizeof(WELineRec), flags, &r.lines, 0, __FILE__, __LINE__);
    if (err == noErr) err = _WEAllocate(sizeof(WEStyleEntry), flags, &r.styles, 0, __FILE__, __LINE__);
    if (err == noErr) err = _WEAllocate(2 * sizeof(WERunRec), flags, &r.runs, 0, __FILE__, __LINE__);
    if (err == noErr) err = _WEAllocate(8, flags, &r.userInfo, 0, __FILE__, __LINE__);
    return err;
}

// This platform always draws in colour; drags, input methods and further scripts come later.
static UInt32 CapabilityBits() {
    return kWEStateColor | kWEStateDrag | kWEStateInputMethods;
}

static void MakeFirstStyle(WERec& r) {
    WEStyleEntry& entry = StylesOf(r)[0];
    entry = WEStyleEntry{};
    entry.refCount = 1;
    WETextStyle& style = entry.record.style;
    if (r.port) {
        style.font = GetPortTextFont(r.port);
        style.face = UInt8(GetPortTextFace(r.port));
        style.size = GetPortTextSize(r.port);
        if (r.stateBits & kWEStateColor) GetForeColor(&style.color);
    }
    _WEFillFontInfo(r.port, &entry.record);
}

OSErr WENew(const LongRect* destRect, const LongRect* viewRect, UInt32 features, WEReference* we) {
    *we = nullptr;
    Handle h = NewHandleClear(sizeof(WERec));
    if (!h) return MemError() ? MemError() : OSErr(memFullErr);
    HLock(h);
    WEReference ref = reinterpret_cast<WEReference>(h);
    WERec& r = *new (*h) WERec{};
    GDHandle device = nullptr;
    GetGWorld(&r.port, &device);
    r.features = features;

    OSErr err = AllocateRecordArrays(r);
    if (err == noErr) {
        r.stateBits = CapabilityBits();
        r.lineCount = 1;
        r.styleCount = 1;
        r.runCount = 1;
        r.viewRect = *viewRect;
        r.destRect = *destRect;
        r.direction = 1;
        r.inputAreaStart = r.inputAreaEnd = r.dragCaretOffset = -1;
        r.lineSpacing = 100;
        _WESetStandardHooks(&r);
        Rect view;
        WELongRectToRect(viewRect, &view);
        r.viewRgn = NewRgn();
        if (r.viewRgn) RectRgn(r.viewRgn, &view);
        RunsOf(r)[0] = WERunRec{0, 0};
        RunsOf(r)[1] = WERunRec{1, -1};
        MakeFirstStyle(r);
        err = WECalText(ref);
    }
    if (err == noErr) err = _WERegisterWithTSM(ref);
    if (err != noErr) {
        FreeRecordArrays(r);
        DisposeHandle(h);
        return err;
    }
    HUnlock(h);
    *we = ref;
    return noErr;
}

OSErr _WERegisterWithTSM(WEReference we) {
    // Input methods reach the text through the platform's own input events; no document to register.
    RecordOf(we).tsmDocument = nullptr;
    return noErr;
}

void _WEResetStyleTable(WEReference we) {
    WERec& r = RecordOf(we);
    WEStyleEntry* styles = StylesOf(r);
    for (SInt32 i = 0; i < r.styleCount; i++) {
        if (styles[i].refCount > 0 && styles[i].record.style.extra) {
            WEObjectReference object = styles[i].record.style.extra;
            styles[i].record.style.extra = nullptr;
            _WEFreeObject(object);
        }
        styles[i].refCount = 0;
    }
}

void WEDispose(WEReference we) {
    if (!we) return;
    WERec& r = RecordOf(we);
    HLock(reinterpret_cast<Handle>(we));
    _WEDisposeUndo(we);
    r.tsmDocument = nullptr;
    DisposeATSUDataForMe(we);
    if (r.selCount > 0) {
        _WEForgetHandle(&r.selStart.ranges);
        _WEForgetHandle(&r.selEnd.ranges);
    }
    if (r.offscreen) DisposeGWorld(r.offscreen);
    r.offscreen = nullptr;
    _WEResetStyleTable(we);
    FreeRecordArrays(r);
    DisposeHandle(reinterpret_cast<Handle>(we));
}
