// The arrow keys: where each key (with option for words and pages, command for line and text ends)
// moves the caret, and moving or extending the selection with it; Home, End and the page keys likewise.
#include "textengine/engine_internal.h"

#include "platform/events.h"

#include <algorithm>

namespace {

// Word moves pass over punctuation and blanks, but not over numbers.
bool SkipsWord(SInt16 type) {
    return (type & 0xF) == 0 && (type & 0xF00) != 0x100;
}

SInt32 WordBefore(SInt32 offset, WEReference we) {
    SInt32 start = offset, end;
    do {
        if (start <= 0) return 0;
        WEFindWord(start, 0, &start, &end, we);
    } while (SkipsWord(WECharType(start, we)));
    return start;
}

SInt32 WordAfter(SInt32 offset, WEReference we) {
    const SInt32 length = RecordOf(we).textLength;
    SInt32 start, end = offset;
    do {
        if (end >= length) return length;
        WEFindWord(end, 1, &start, &end, we);
    } while (SkipsWord(WECharType(start, we)));
    return end;
}

// The first (or, going down, the last) line wholly inside the view when the view's top (bottom) lies at
// v of the dest rect.
SInt32 WholeLineAt(const WERec& r, SInt32 v, bool down) {
    const WELineRec* lines = LinesOf(r);
    SInt32 line = std::min(_WELineAtHeight(r, v), r.lineCount - 1);
    if (!down && lines[line].origin < v && line + 1 < r.lineCount) line++;
    if (down && lines[line + 1].origin > v + 1 && line > 0) line--;
    return line;
}

// Option-up and option-down: the first or last whole line of the view, or a view's height further.
SInt32 PageOffset(SInt32 offset, bool down, WEReference we) {
    const WERec& r = RecordOf(we);
    const WELineRec* lines = LinesOf(r);
    const SInt32 viewTop = r.viewRect.top - r.destRect.top, viewBottom = r.viewRect.bottom - r.destRect.top;
    SInt32 line = WholeLineAt(r, down ? viewBottom - 1 : viewTop, down);
    if (lines[line].start != offset) return lines[line].start;
    const SInt32 lineHeight = lines[line + 1].origin - lines[line].origin;
    const SInt32 step = std::max(viewBottom - viewTop - lineHeight, SInt32(1));
    const SInt32 v =
        down ? std::min(viewBottom - 1 + step, _WETextHeight(r) - 1) : std::max(viewTop - step, 0);
    return lines[WholeLineAt(r, v, down)].start;
}

// Page Up and Page Down: the caret goes as many of its lines as the view holds less one up or down, at
// the same horizontal place, and a text that scrolls itself scrolls as far, so that the caret keeps its
// place in the view and the two keys undo each other.
SInt32 PageMove(SInt32 offset, bool down, WEReference we) {
    const WERec& r = RecordOf(we);
    LongPoint point;
    SInt16 height = 0;
    WEGetPoint(offset, 1, &point, &height, we);
    const SInt32 line = std::max(SInt32(height), SInt32(1));
    const SInt32 page = std::max((r.viewRect.bottom - r.viewRect.top - line) / line, SInt32(1)) * line;
    LongPoint target = point;
    target.v += down ? page : -page;
    const SInt32 offsetThere = WEGetOffset(&target, nullptr, we);
    if (HasFeature(r, weFAutoScroll)) {
        WEGetPoint(offsetThere, 1, &target, nullptr, we);
        WEPinScroll(0, point.v - target.v, we);
    }
    return offsetThere;
}

} // namespace

SInt32 _WEArrowOffset(SInt16 action, SInt32 offset, WEReference we) {
    const WERec& r = RecordOf(we);
    switch (action) {
    case 0:
        if (offset <= 0) return 0;
        return std::max(offset - (WECharByte(offset - 1, we) == 1 ? 2 : 1), SInt32(0));
    case 1:
        if (offset >= r.textLength) return r.textLength;
        return std::min(offset + (WECharByte(offset, we) == -1 ? 2 : 1), r.textLength);
    case 2:
    case 3: {
        LongPoint point;
        SInt16 height = 0;
        WEGetPoint(offset, 1, &point, &height, we);
        point.v += action == 2 ? -1 : height;
        return WEGetOffset(&point, nullptr, we);
    }
    case 4:
        return WordBefore(offset, we);
    case 5:
        return WordAfter(offset, we);
    case 6:
    case 7:
        return PageOffset(offset, action == 7, we);
    case 8:
        return LinesOf(r)[_WEOffsetToLine(r, offset)].start;
    case 9: {
        const SInt32 line = _WEOffsetToLine(r, offset);
        const SInt32 end = LinesOf(r)[line + 1].start;
        if (line == r.lineCount - 1 || end <= LinesOf(r)[line].start) return end;
        return end - (WECharByte(end - 1, we) == 1 ? 2 : 1);
    }
    case 10:
        return 0;
    case 11:
        return r.textLength;
    default:
        return offset;
    }
}

void _WEDoArrowKey(SInt16 key, UInt16 modifiers, WEReference we) {
    const WERec& r = RecordOf(we);
    SInt16 action = SInt16(key - 28);
    if (modifiers & optionKey) action = SInt16(key - 24);
    if (modifiers & cmdKey) action += 8;
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    if (r.selCount > 0) WEGetSelection(&end, &end, r.selCount - 1, we);
    if (modifiers & shiftKey) {
        const bool anchorIsEnd = r.stateBits & kWEStateAnchorIsEnd;
        const SInt32 anchor = anchorIsEnd ? end : start;
        const SInt32 moving = anchorIsEnd ? start : end;
        WESetSelection(anchor, _WEArrowOffset(action, moving, we), 0, we);
        return;
    }
    const bool backward = key == kLeftArrowCharCode || key == kUpArrowCharCode;
    SInt32 target;
    if (start != end)
        target = backward ? start : end;
    else
        target = _WEArrowOffset(action, start, we);
    WESetSelection(target, target, 0, we);
}

void _WEDoMoveKey(SInt16 key, UInt16 modifiers, WEReference we) {
    const WERec& r = RecordOf(we);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, we);
    if (r.selCount > 0) WEGetSelection(&end, &end, r.selCount - 1, we);
    // The key acts at the selection's moving end, as it does when it extends the selection.
    const bool anchorIsEnd = r.stateBits & kWEStateAnchorIsEnd;
    const SInt32 anchor = anchorIsEnd ? end : start;
    const SInt32 moving = anchorIsEnd ? start : end;
    const bool command = modifiers & cmdKey;
    SInt32 target;
    switch (key) {
    case kHomeCharCode:
        target = _WEArrowOffset(command ? 10 : 8, moving, we);
        break;
    case kEndCharCode:
        target = _WEArrowOffset(command ? 11 : 9, moving, we);
        break;
    default:
        target = PageMove(moving, key == kPageDownCharCode, we);
        break;
    }
    WESetSelection((modifiers & shiftKey) ? anchor : target, target, 0, we);
}
