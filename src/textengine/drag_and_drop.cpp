// Drag and drop of text: dragging the selection out (its text and style runs, or its one object), the
// caret that shows where a drop would go, and taking a drop, which moves the text's own selection or
// inserts another view's or program's text (Mac Roman, UTF-16, UTF-8 or RTF) as one undoable step.
#include "foundation/global_lists.h"
#include "textengine/pasteboard.h"
#include "textengine/rtf_reader.h"
#include "textengine/rtf_writer.h"
#include "textengine/style_scrap.h"
#include "textengine/undo_action.h"
#include "textengine/unicode_conversions.h"

#include "foundation/window_references.h"

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/drag.h"
#include "platform/events.h"
#include "platform/memory.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string FlavorOfType(OSType type) {
    const char name[4] = {char(type >> 24), char(type >> 16), char(type >> 8), char(type)};
    return std::string(name, 4);
}

bool Offers(DragRef drag, int item, const char* flavor) {
    const std::vector<std::string> flavors = GetDragItemFlavors(drag, item);
    return std::find(flavors.begin(), flavors.end(), flavor) != flavors.end();
}

bool OffersText(DragRef drag, int item) {
    return Offers(drag, item, kFlavorMacRomanText) || Offers(drag, item, kFlavorUtf16Text) ||
           Offers(drag, item, kFlavorUtf8Text) || Offers(drag, item, kFlavorRtf);
}

// The first object type registered with the engine that the item offers; 0 when none.
OSType OfferedObjectType(DragRef drag, int item, WEReference we) {
    OSType type = 0;
    for (SInt32 index = 0; _WEGetIndObjectType(index, &type, we) == noErr; index++)
        if (Offers(drag, item, FlavorOfType(type).c_str())) return type;
    return 0;
}

Handle HandleOf(const std::string& bytes) {
    Handle h = NewHandle(Size(bytes.size()));
    if (h && !bytes.empty()) std::memcpy(*h, bytes.data(), bytes.size());
    return h;
}

// An item's text as Mac Roman with its style runs (null when it has none): our own text and runs first,
// else another program's RTF (which keeps its formatting), else its Unicode text.
OSErr ReadItemText(DragRef drag, int item, bool withStyles, Handle* text, Handle* styles) {
    *text = nullptr;
    *styles = nullptr;
    std::string bytes;
    if (GetDragItemFlavorData(drag, item, kFlavorMacRomanText, &bytes)) {
        *text = HandleOf(bytes);
        if (withStyles && GetDragItemFlavorData(drag, item, kFlavorStyles, &bytes)) {
            *styles = HandleOf(bytes);
            StyleScrapShape shape;
            // Damaged runs (another program may offer any bytes) are dropped so that the text still goes in.
            if (*styles && (GetHandleSize(*styles) == 0 || CheckStyleScrap(*styles, &shape) != noErr))
                _WEForgetHandle(styles);
        }
        return *text ? OSErr(noErr) : OSErr(memFullErr);
    }
    if (withStyles && GetDragItemFlavorData(drag, item, kFlavorRtf, &bytes)) {
        Handle rtf = HandleOf(bytes);
        if (!rtf) return memFullErr;
        SInt32 length = SInt32(GetHandleSize(rtf));
        HLock(rtf);
        ProcessRTF(*rtf, &length, styles);
        HUnlock(rtf);
        SetHandleSize(rtf, std::max(length, SInt32(0)));
        if (length > 0) {
            *text = rtf;
            return noErr;
        }
        DisposeHandle(rtf);
        if (*styles) _WEForgetHandle(styles);
    }
    const bool utf16 = GetDragItemFlavorData(drag, item, kFlavorUtf16Text, &bytes);
    if (utf16 || GetDragItemFlavorData(drag, item, kFlavorUtf8Text, &bytes)) {
        Handle raw = HandleOf(bytes);
        if (!raw) return memFullErr;
        *text = utf16 ? ChangeUTF16ToMacRoman(raw) : ChangeUTF8ToMacRoman(raw);
        DisposeHandle(raw);
        return *text ? OSErr(noErr) : OSErr(memFullErr);
    }
    return weBadDragFlavorErr;
}

// The same with its line ends made the engine's own.
OSErr ItemText(DragRef drag, int item, bool withStyles, Handle* text, Handle* styles) {
    const OSErr err = ReadItemText(drag, item, withStyles, text, styles);
    if (err == noErr) _WEFoldLineEnds(*text, *styles);
    return err;
}

bool InView(const WERec& r, Point local) {
    if (r.viewRgn) return PtInRgn(local, r.viewRgn);
    Rect view;
    WELongRectToRect(&r.viewRect, &view);
    return PtInRect(local, &view);
}

// The auto-scroll's start while the text's own drag is outside its view; 0 while it is inside.
RESETTABLE(UInt32, gDragOutsideSince, 0);

} // namespace

OSErr WEMakeSelectionDrag(DragRef drag, WEReference we) {
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    WEObjectReference object = nullptr;
    if (WEGetSelectedObject(&object, we) == noErr) {
        OSType type = 0;
        Handle data = nullptr;
        Boolean handled = false;
        OSErr err = _WEStreamObject(1, &type, &data, &handled, object);
        if (err != noErr) return err;
        if (data)
            AddDragItemFlavor(drag, 1, FlavorOfType(type), std::string(*data, size_t(GetHandleSize(data))));
        if (handled && data) DisposeHandle(data);
        return data ? OSErr(noErr) : OSErr(nilHandleErr);
    }
    Handle text = NewHandle(0), styles = NewHandle(0);
    OSErr err = text && styles ? WECopyRange(start, end, text, styles, nullptr, we) : OSErr(memFullErr);
    if (err == noErr) {
        AddDragItemFlavor(drag, 1, kFlavorMacRomanText, std::string(*text, size_t(GetHandleSize(text))));
        // The runs go in the exchanged layout, without the two extra bytes of the 4-byte header.
        std::string runs(*styles, size_t(GetHandleSize(styles)));
        if (runs.size() >= 4) runs.erase(2, 2);
        const bool styled = !HasFeature(RecordOf(we), weFMonoStyled);
        if (styled) AddDragItemFlavor(drag, 1, kFlavorStyles, runs);
        // Other programs take the formatting from RTF.
        HLock(text);
        AddDragItemFlavor(drag, 1, kFlavorRtf,
                          _WEMakeRtf(reinterpret_cast<const UInt8*>(*text), SInt32(GetHandleSize(text)),
                                     styled ? styles : nullptr));
        HUnlock(text);
    }
    if (text) DisposeHandle(text);
    if (styles) DisposeHandle(styles);
    return err;
}

OSErr _WEDrag(Point hitPt, UInt16 modifiers, UInt32, WEReference we) {
    WERec& r = RecordOf(we);
    SetThemeCursor(kThemeArrowCursor);
    Point global = hitPt;
    LocalToGlobal(&global);
    if (!WaitMouseMoved(global)) return kWENoDragErr;
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    if (start >= end) return -108;
    DragRef drag = NewDrag();
    OSErr err = WEMakeSelectionDrag(drag, we);
    if (err == noErr) {
        r.dragReference = drag;
        WindowPtr window = GetWindowFromPort(r.port);
        err = OSErr(TrackDrag(drag, window, modifiers));
        // The record may have moved while the drag ran its own event loop.
        RecordOf(we).dragReference = nullptr;
    }
    DisposeDrag(drag);
    return err;
}

Boolean WECanAcceptDrag(DragRef drag, WEReference we) {
    if (HasFeature(RecordOf(we), weFReadOnly) || CountDragItems(drag) < 1) return false;
    for (int item = 1; item <= CountDragItems(drag); item++)
        if (!OffersText(drag, item) && OfferedObjectType(drag, item, we) == 0) return false;
    return true;
}

void _WEUpdateDragCaret(SInt32 offset, WEReference we) {
    WERec& r = RecordOf(we);
    const bool drawn = r.stateBits & kWEStateDropCaret;
    if (offset != r.dragCaretOffset) {
        if (drawn) _WEDrawCaret(r.dragCaretOffset, we);
        r.stateBits &= ~kWEStateDropCaret;
        r.dragCaretOffset = offset;
        if (offset >= 0) {
            _WEDrawCaret(offset, we);
            r.stateBits |= kWEStateDropCaret;
        }
        r.caretTime = TickCount();
    } else if (offset >= 0 && TickCount() - r.caretTime >= GetCaretTime()) {
        _WEDrawCaret(offset, we);
        r.stateBits ^= kWEStateDropCaret;
        r.caretTime = TickCount();
    }
}

OSErr WETrackDrag(SInt16 message, DragRef drag, WEReference we) {
    WERec& r = RecordOf(we);
    const WindowReference savedPort = GetPortReference();
    if (r.port) SetPort(r.port);
    auto hilite = reinterpret_cast<WEHiliteDropProc>(r.hooks[kWEHookHiliteDrop]);
    auto hideDropArea = [&] {
        if (!(r.stateBits & kWEStateDropHilite)) return;
        if (hilite) hilite(drag, false, we);
        r.stateBits &= ~kWEStateDropHilite;
    };
    if (message == 2) {
        if (WECanAcceptDrag(drag, we))
            r.stateBits |= kWEStateDragAccepted;
        else
            r.stateBits &= ~kWEStateDragAccepted;
        gDragOutsideSince = 0;
    } else if (message == 3 && (r.stateBits & kWEStateDragAccepted)) {
        const Point mouse = GetDragMouse(drag);
        const bool own = r.dragReference == drag;
        if (InView(r, mouse)) {
            if (!GetDragSourceWindow(drag) && !(r.stateBits & kWEStateDropHilite)) {
                if (hilite) hilite(drag, true, we);
                r.stateBits |= kWEStateDropHilite;
            }
            _WEHideCaret(we);
            LongPoint p;
            WEPointToLongPoint(mouse, &p);
            SInt8 edge = 0;
            SInt32 offset = WEGetOffset(&p, &edge, we);
            SInt32 start, end;
            WEGetSelection(&start, &end, 0, we);
            if (own && _WEOffsetInRange(offset, edge, start, end)) offset = -1;
            _WEUpdateDragCaret(offset, we);
            gDragOutsideSince = 0;
        } else {
            hideDropArea();
            _WEUpdateDragCaret(-1, we);
            if (own) {
                if (gDragOutsideSince == 0) gDragOutsideSince = std::max<UInt32>(TickCount(), 1);
                auto clickLoop = reinterpret_cast<WEClickLoopProc>(r.hooks[kWEHookClickLoop]);
                if (TickCount() - gDragOutsideSince > 10 && clickLoop) clickLoop(we);
            }
        }
    } else if (message == 4) {
        hideDropArea();
        _WEUpdateDragCaret(-1, we);
    }
    SetPortByReference(savedPort);
    return noErr;
}

OSErr WEReceiveDrag(DragRef drag, WEReference we) {
    WERec& r = RecordOf(we);
    const Boolean wasLocked = _WESetHandleLock(reinterpret_cast<Handle>(we), true);
    const WindowReference savedPort = GetPortReference();
    if (r.port) SetPort(r.port);
    WEStopInlineSession(we);
    _WEUpdateDragCaret(-1, we);
    const Point mouse = GetDragMouse(drag);
    LongPoint p;
    WEPointToLongPoint(mouse, &p);
    SInt8 edge = 0;
    SInt32 drop = WEGetOffset(&p, &edge, we);
    SInt32 sourceStart, sourceEnd;
    WEGetSelection(&sourceStart, &sourceEnd, 0, we);
    const bool own = r.dragReference == drag;
    OSErr err = noErr;
    if (!WECanAcceptDrag(drag, we))
        err = weBadDragFlavorErr;
    else if (!InView(r, mouse) || (own && drop > sourceStart && drop < sourceEnd))
        err = weDropRefusedErr;
    const bool move = own && !((GetDragStartModifiers(drag) | GetDragModifiers(drag)) & optionKey);
    // Dropping a moved selection at either of its own ends changes nothing.
    if (err == noErr && move && (drop == sourceStart || drop == sourceEnd)) err = weDropRefusedErr;
    if (err != noErr) {
        SetPortByReference(savedPort);
        _WESetHandleLock(reinterpret_cast<Handle>(we), wasLocked);
        return err;
    }

    r.stateBits &= ~kWEStateTypingStyle;
    // The whole drop, the move's deletion included, undoes as one step.
    const bool ownBlock = WEBeginAction(we) == noErr;
    const bool withStyles = !HasFeature(r, weFMonoStyled);
    WESetSelection(drop, drop, 0, we);
    SInt32 inserted = 0;
    for (int item = 1; item <= CountDragItems(drag) && err == noErr; item++) {
        const SInt32 at = drop + inserted;
        WESetSelection(at, at, 0, we);
        if (OSType type = OffersText(drag, item) ? 0 : OfferedObjectType(drag, item, we)) {
            std::string bytes;
            GetDragItemFlavorData(drag, item, FlavorOfType(type).c_str(), &bytes);
            Handle data = HandleOf(bytes);
            err = data ? WEInsertObject(type, data, Point{0, 0}, we) : OSErr(memFullErr);
            if (err == noErr) inserted += 1;
            continue;
        }
        Handle text = nullptr, styles = nullptr;
        err = ItemText(drag, item, withStyles, &text, &styles);
        if (err == noErr) {
            HLock(text);
            err = WEInsert(*text, SInt32(GetHandleSize(text)), styles, nullptr, we, 0);
            HUnlock(text);
        }
        if (text) DisposeHandle(text);
        if (styles) DisposeHandle(styles);
        if (err == noErr) {
            SInt32 caret, ignored;
            WEGetSelection(&caret, &ignored, 0, we);
            inserted = caret - drop;
        }
    }
    SInt32 lowest = drop, highest = drop + inserted;
    if (err == noErr && move) {
        const bool before = drop <= sourceStart;
        if (before) {
            sourceStart += inserted;
            sourceEnd += inserted;
        }
        SInt32 cutStart = sourceStart, cutEnd = sourceEnd;
        _WEIntelligentCut(&cutStart, &cutEnd, we);
        lowest = std::min(lowest, cutStart);
        highest = std::max(highest, cutEnd);
        WESetSelection(cutStart, cutEnd, 0, we);
        err = WEDelete(we);
        if (!before) drop -= cutEnd - cutStart;
    }
    if (ownBlock) WEEndAction(kWEActionDrag, we);
    if (err == noErr) WESetSelection(drop, drop + inserted, 0, we);
    _WERedraw(lowest, std::min(highest, r.textLength), we);
    SetPortByReference(savedPort);
    _WESetHandleLock(reinterpret_cast<Handle>(we), wasLocked);
    return err;
}
