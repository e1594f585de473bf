// Typing: keys become characters inserted in the typing style, backspace and forward delete remove one
// character, and a run of typing forms one undoable action that grows and shrinks with the keys.
#include "textengine/undo_action.h"

#include "platform/events.h"

#include <algorithm>

namespace {

// The typing action that the next key continues, or null.
Handle TypingAction(WEReference we) {
    return WEIsTyping(we) ? UndoActionOf(RecordOf(we)) : nullptr;
}

bool HasSelectedText(const WERec& r) {
    return r.selCount > 0 || r.selStart.offset != r.selEnd.offset;
}

// Deletes every selected range and redraws from the lowest one; the caret ends at the first range's start.
OSErr DeleteSelectedText(WEReference we) {
    SInt32 lowest, highest;
    OSErr err = WEDeleteSelections(we, &lowest, &highest);
    if (err != noErr) return err;
    return _WERedraw(lowest, std::min(highest, RecordOf(we).textLength), we);
}

OSErr TypeChar(UInt8 c, WEReference we) {
    WERec& r = RecordOf(we);
    SInt32 lowest = 0, highest = 0; // where deleted ranges lay, for the lines to redraw
    if (HasSelectedText(r)) {
        OSErr err = WEDeleteSelections(we, &lowest, &highest);
        if (err != noErr) return err;
    }
    _WESynchNullStyle(we);
    const SInt32 offset = r.selStart.offset;
    OSErr err = _WEInsertText(offset, &c, 1, we);
    if (err != noErr) return err;
    if (r.atsuInfo && (*r.atsuInfo)->nullStyle) {
        // A style set at the caret for the Unicode layout goes to the character typed there.
        SetLayoutRunWithThisStyle(offset, offset + 1, (*r.atsuInfo)->nullStyle, we);
        ClearATSUNullStyle(we);
    }
    if (Handle action = UndoActionOf(r); action && ActionOf(action).kind == kWEActionTyping)
        ActionOf(action).newLength += 1;
    r.stateBits &= ~kWEStateTypingStyle;
    ResetSelStartEnd(&r, offset + 1, offset + 1);
    return _WERedraw(offset, std::clamp(highest, offset + 1, r.textLength), we);
}

OSErr Backspace(WEReference we) {
    WERec& r = RecordOf(we);
    if (HasSelectedText(r)) return DeleteSelectedText(we);
    const SInt32 offset = r.selStart.offset;
    if (offset == 0) return noErr;
    const SInt32 count = WECharByte(offset - 1, we) == 1 ? 2 : 1;
    if (Handle action = TypingAction(we)) {
        WEAction& a = ActionOf(action);
        if (a.newLength > 0)
            a.newLength = std::max(a.newLength - count, SInt32(0));
        else
            _WEExtendActionText(action, offset - count, offset, true, we);
    }
    OSErr err = _WEDeleteRange(offset - count, offset, we);
    if (err != noErr) return err;
    ResetSelStartEnd(&r, offset - count, offset - count);
    return _WERedraw(offset - count, offset - count, we);
}

OSErr ForwardDelete(WEReference we) {
    WERec& r = RecordOf(we);
    if (HasSelectedText(r)) return DeleteSelectedText(we);
    const SInt32 offset = r.selStart.offset;
    if (offset >= r.textLength) return noErr;
    const SInt32 count = WECharByte(offset, we) == -1 ? 2 : 1;
    if (Handle action = TypingAction(we)) _WEExtendActionText(action, offset, offset + count, false, we);
    OSErr err = _WEDeleteRange(offset, offset + count, we);
    if (err != noErr) return err;
    return _WERedraw(offset, offset, we);
}

} // namespace

void _WESynchNullStyle(WEReference we) {
    WERec& r = RecordOf(we);
    if (r.stateBits & kWEStateTypingStyle) return;
    const SInt32 offset = r.selStart.offset;
    const WERunRec& run = RunsOf(r)[_WEOffsetToRun(r, offset > 0 ? offset - 1 : 0)];
    r.typingStyle = StylesOf(r)[run.styleIndex].record;
    r.typingStyle.style.extra = nullptr;
    r.stateBits |= kWEStateTypingStyle;
}

OSErr WEKey(SInt16 key, UInt16 modifiers, WEReference we) {
    WERec& r = RecordOf(we);
    // A key while an input method composes keeps what it composed, as it stands.
    WEStopInlineSession(we);
    _WEHideCaret(we);
    ObscureCursor();
    if (key >= kLeftArrowCharCode && key <= kDownArrowCharCode) {
        _WEDoArrowKey(key, modifiers, we);
        return noErr;
    }
    if (key == kHomeCharCode || key == kEndCharCode || key == kPageUpCharCode || key == kPageDownCharCode) {
        _WEDoMoveKey(key, modifiers, we);
        return noErr;
    }
    if (HasFeature(r, weFReadOnly)) return noErr;
    // A key that removes nothing changes nothing and starts no action.
    const bool selected = HasSelectedText(r);
    if (!selected && ((key == kBackspaceCharCode && r.selStart.offset == 0) ||
                      (key == kDeleteCharCode && r.selStart.offset >= r.textLength)))
        return noErr;
    if (!WEIsTyping(we)) {
        r.modCount++;
        _WEForgetUndoOutsideBlock(we);
        SInt32 start, end;
        WEGetSelection(&start, &end, 0, we);
        _WERecordAction(start, end, 0, kWEActionTyping, 0, we);
    }
    gLayoutFormatFlag |= 8;
    if (key == kBackspaceCharCode) return Backspace(we);
    if (key == kDeleteCharCode) return ForwardDelete(we);
    return TypeChar(UInt8(key), we);
}
