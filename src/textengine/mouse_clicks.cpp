// Turning a press in a text into a selection: single clicks place the caret or extend the selection,
// repeated clicks take words and then lines, modifier clicks edit a list of ranges, and a drag extends the
// selection (or, in block mode, selects a rectangle one range per line) while the button is held.
#include "textengine/engine_internal.h"

#include "foundation/window_references.h"

#include "platform/events.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Ranges = std::vector<std::pair<SInt32, SInt32>>;

Ranges CurrentRanges(WEReference we) {
    Ranges ranges;
    for (SInt32 i = 0; i < std::max(RecordOf(we).selCount, SInt32(1)); i++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, i, we);
        ranges.emplace_back(start, end);
    }
    return ranges;
}

// The word (count 1) or the line (count 2 and up) around an offset.
void UnitAround(SInt32 offset, SInt8 edge, UInt8 count, SInt32* start, SInt32* end, WEReference we) {
    if (count == 1)
        WEFindWord(offset, edge, start, end, we);
    else
        WEFindLine(offset, edge, start, end, we);
}

SInt32 OffsetAt(Point point, SInt8* edge, WEReference we) {
    LongPoint p;
    WEPointToLongPoint(point, &p);
    return WEGetOffset(&p, edge, we);
}

struct Tracking {
    WEReference we = nullptr;
    SInt32 anchor = 0;
    SInt16 mode = 0; // 0 set; with a modifier list mode 1 add, 2 toggle, 3 remove
    UInt8 count = 0; // the record's click count: 0 characters, 1 words, 2 and up lines
    bool block = false;
    Point origin{};
    Ranges saved; // the ranges before a modifier click, kept under every pass

    // Rebuilds the selection out of sight: the saved ranges when a modifier mode is active, then the
    // given ranges with the mode (0 set plainly), then the hilites drawn once over the result.
    void Rebuild(const Ranges& ranges, SInt16 rangeMode) const {
        _WEHiliteAllRanges(we);
        const SInt16 wasInhibited = WEFeatureFlag(weFInhibitRedraw, 1, we);
        WESetSelection(0, 0, 0, we);
        bool first = true;
        if (mode != 0)
            for (const auto& [start, end] : saved) {
                WESetSelection(start, end, first ? 0 : 1, we);
                first = false;
            }
        for (const auto& [start, end] : ranges) {
            WESetSelection(start, end, first && rangeMode == 1 ? 0 : rangeMode, we);
            first = false;
        }
        WEFeatureFlag(weFInhibitRedraw, wasInhibited, we);
        _WEHiliteAllRanges(we);
    }

    // One range per text line that the rectangle between the click and the mouse crosses, from the
    // offset under its left edge to the one under its right edge.
    Ranges BlockRanges(Point mouse) const {
        Ranges ranges;
        const SInt16 left = std::min(origin.h, mouse.h), right = std::max(origin.h, mouse.h);
        const SInt16 top = std::min(origin.v, mouse.v), bottom = std::max(origin.v, mouse.v);
        SInt32 previousLine = -1;
        for (SInt16 v = top; v < bottom; v++) {
            SInt8 edge = 0;
            const SInt32 from = OffsetAt(Point{v, left}, &edge, we);
            const SInt32 to = OffsetAt(Point{v, right}, &edge, we);
            SInt32 lineStart = 0;
            WEFindLine(from, edge, &lineStart, nullptr, we);
            const SInt32 line = WEOffsetToLine(lineStart, we);
            if (line == previousLine) continue;
            previousLine = line;
            if (from < to) ranges.emplace_back(from, to);
        }
        return ranges;
    }

    void Pass(Point mouse) {
        WERec& r = RecordOf(we);
        if (block) {
            const bool open = mouse.h != origin.h && mouse.v != origin.v;
            const Ranges ranges = open ? BlockRanges(mouse) : Ranges{};
            Rebuild(ranges, mode != 0 ? mode : SInt16(1));
            return;
        }
        SInt8 edge = 0;
        SInt32 offset = OffsetAt(mouse, &edge, we);
        SInt32 from = anchor;
        if (count > 0) {
            SInt32 start, end;
            UnitAround(offset, edge, count, &start, &end, we);
            if (offset <= r.anchorStart) {
                from = r.anchorEnd;
                offset = start;
            } else {
                from = r.anchorStart;
                offset = end;
            }
        } else if (edge == 2) {
            offset++;
        }
        if (mode == 0)
            WESetSelection(from, offset, 0, we);
        else
            Rebuild({{std::min(from, offset), std::max(from, offset)}}, mode);
        // Selecting resets the count; the series goes on for the whole drag.
        r.clickCount = count;
    }
};

} // namespace

UInt8 WEGetClickCount(WEReference we) {
    return RecordOf(we).clickCount;
}

Boolean WEClick(Point hitPt, UInt16 modifiers, UInt32 clickTime, WEReference we) {
    WEStopInlineSession(we);
    WERec& r = RecordOf(we);
    const Boolean wasLocked = _WESetHandleLock(reinterpret_cast<Handle>(we), true);
    const WindowReference savedPort = GetPortReference();
    if (r.port) SetPort(r.port);
    _WEHideCaret(we);
    SInt8 edge = 0;
    const SInt32 offset = OffsetAt(hitPt, &edge, we);
    const bool series = UInt32(r.clickTime + GetDblTime()) > clickTime && offset == r.clickOffset;
    r.clickTime = clickTime;
    r.clickOffset = offset;
    r.clickFlag = UInt8(edge);

    Tracking t;
    t.we = we;
    t.count = r.clickCount;
    bool done = false;
    WEObjectReference object = nullptr;
    SInt32 selStart, selEnd;
    WEGetSelection(&selStart, &selEnd, 0, we);
    if (WEGetSelectedObject(&object, we) == noErr && _WEOffsetInRange(offset, edge, selStart, selEnd) &&
        _WEClickObject(hitPt, UInt16(modifiers + (series ? 1 : 0)), clickTime, object)) {
        done = true;
    } else if (modifiers & (shiftKey | cmdKey)) {
        if (gSelectMultipleMode) {
            t.saved = CurrentRanges(we);
            t.anchor = offset;
            t.count = 0;
            if (series) {
                t.count = UInt8(std::min(r.clickCount + 1, 255));
                UnitAround(offset, edge, t.count, &r.anchorStart, &r.anchorEnd, we);
                t.anchor = r.anchorStart;
            }
            const bool shift = modifiers & shiftKey, command = modifiers & cmdKey;
            t.mode = shift && command ? 3 : shift ? 1 : 2;
        } else {
            t.anchor = (r.stateBits & kWEStateAnchorIsEnd) ? selEnd : selStart;
            t.count = 0;
        }
    } else if (series) {
        t.count = UInt8(std::min(r.clickCount + 1, 255));
        UnitAround(offset, edge, t.count, &r.anchorStart, &r.anchorEnd, we);
    } else {
        // A press inside the selection may start a drag of it; a release without moving is a click.
        if ((r.stateBits & kWEStateDrag) && HasFeature(r, weFDragAndDrop) && selStart < selEnd &&
            _WEOffsetInRange(offset, edge, selStart, selEnd))
            done = _WEDrag(hitPt, modifiers, clickTime, we) != kWENoDragErr;
        t.count = 0;
        t.anchor = offset;
    }

    if (!done) {
        r.stateBits |= kWEStateTracking;
        t.block = gSelectBlockMode != 0 && !series;
        t.origin = hitPt;
        if (t.block && t.mode == 0) t.saved.clear();
        auto clickLoop = reinterpret_cast<WEClickLoopProc>(r.hooks[kWEHookClickLoop]);
        Point mouse = hitPt;
        for (;;) {
            t.Pass(mouse);
            if ((clickLoop && !clickLoop(we)) || !WaitMouseUp()) break;
            GetMouse(&mouse);
        }
        r.stateBits &= ~kWEStateTracking;
        WEGetSelection(&selStart, &selEnd, 0, we);
        if (selStart == selEnd && r.selCount == 0 && !(r.stateBits & kWEStateCaretShown)) _WEBlinkCaret(we);
        WESelView(we);
    }
    SetPortByReference(savedPort);
    _WESetHandleLock(reinterpret_cast<Handle>(we), wasLocked);
    return series;
}
