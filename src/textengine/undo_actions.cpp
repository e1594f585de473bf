// Undo and redo: recording edits as actions that keep what they replace, performing an action (which
// records its reverse, so that undoing an undo redoes), action blocks and the modification count.
#include "textengine/undo_action.h"

#include "textengine/pasteboard.h"

#include "platform/memory.h"

#include <algorithm>

namespace {

void DisposeAction(Handle action) {
    WEAction& a = ActionOf(action);
    _WEForgetHandle(&a.text);
    _WEForgetHandle(&a.styles);
    _WEForgetHandle(&a.objects);
    if (a.savedCount > 0) {
        _WEForgetHandle(&a.savedStarts.ranges);
        _WEForgetHandle(&a.savedEnds.ranges);
    }
    DisposeHandle(action);
}

void DisposeChain(Handle action) {
    while (action) {
        Handle next = ActionOf(action).next;
        DisposeAction(action);
        action = next;
    }
}

OSErr NewAction(SInt32 start, SInt32 end, SInt32 newLength, SInt16 kind, SInt16 flags, WEReference we,
                Handle* made) {
    WERec& r = RecordOf(we);
    *made = NewHandleClear(sizeof(WEAction));
    if (!*made) return memFullErr;
    WEAction& a = ActionOf(*made);
    a.owner = we;
    a.start = start;
    a.newLength = newLength;
    a.oldLength = end - start;
    a.kind = kind;
    a.flags = flags;
    a.savedCount = r.selCount;
    a.savedStarts.offset = r.selStart.offset;
    a.savedEnds.offset = r.selEnd.offset;
    bool failed = false;
    if (r.selCount > 0) {
        a.savedStarts.ranges = CopyMultipleSelectionRanges(false, nullptr, r.selCount, r.selStart.ranges);
        a.savedEnds.ranges = CopyMultipleSelectionRanges(false, nullptr, r.selCount, r.selEnd.ranges);
        failed = !a.savedStarts.ranges || !a.savedEnds.ranges;
    }
    OSErr err = failed ? OSErr(memFullErr) : OSErr(noErr);
    if (err == noErr && !(flags & kWEActionNoText)) err = _WEAllocate(0, 0, &a.text, 0, __FILE__, __LINE__);
    if (err == noErr && !(flags & kWEActionNoStyles))
        err = _WEAllocate(0, 0, &a.styles, 0, __FILE__, __LINE__);
    if (err == noErr && !(flags & kWEActionNoObjects))
        err = _WEAllocate(0, 0, &a.objects, 0, __FILE__, __LINE__);
    if (err == noErr) err = WECopyRange(start, end, a.text, a.styles, a.objects, we);
    if (err != noErr) {
        DisposeAction(*made);
        *made = nullptr;
    }
    return err;
}

// Links the record's chain after the new one, which becomes the record's.
void PushAction(Handle action, WERec& r) {
    Handle last = action;
    while (ActionOf(last).next)
        last = ActionOf(last).next;
    ActionOf(last).next = UndoActionOf(r);
    r.undoAction = action;
}

void RestoreSavedSelection(const WEAction& a, WEReference we) {
    if (a.savedCount == 0) {
        // The anchor end comes back with the range.
        const bool anchorIsEnd = RecordOf(we).stateBits & kWEStateAnchorIsEnd;
        WESetSelection(anchorIsEnd ? a.savedEnds.offset : a.savedStarts.offset,
                       anchorIsEnd ? a.savedStarts.offset : a.savedEnds.offset, 0, we);
        return;
    }
    for (SInt32 i = 0; i < a.savedCount; i++)
        WESetSelection(RangesOf(a.savedStarts.ranges)[i], RangesOf(a.savedEnds.ranges)[i], i == 0 ? 0 : 1,
                       we);
}

} // namespace

OSErr _WEExtendActionText(Handle action, SInt32 start, SInt32 end, Boolean atFront, WEReference we) {
    WEAction& a = ActionOf(action); // the action's block is never resized, so the reference stays good
    if (a.text) {
        const Size at = atFront ? 0 : GetHandleSize(a.text);
        OSErr err = _WESplice(a.text, TextOf(RecordOf(we)) + start, end - start, at);
        if (err != noErr) return err;
    }
    // Run by run: backwards when adding at the front, so that each piece goes in front of the next.
    const WERec& r = RecordOf(we);
    const SInt32 firstRun = _WEOffsetToRun(r, start);
    const SInt32 lastRun = std::max(firstRun, _WEOffsetToRun(r, end - 1));
    for (SInt32 i = 0; i <= lastRun - firstRun; i++) {
        WERunInfo run;
        _WEGetIndStyle(atFront ? lastRun - i : firstRun + i, &run, we);
        const SInt32 pieceStart = std::max(run.start, start);
        const SInt32 pieceLength = std::min(run.end, end) - pieceStart;
        const SInt32 offset = a.oldLength + pieceStart - start;
        OSErr err = noErr;
        if (a.styles)
            err =
                atFront ? _WEPrependStyle(a.styles, run, pieceLength) : _WEAppendStyle(a.styles, run, offset);
        if (err == noErr && a.objects)
            err = atFront ? _WEPrependObject(a.objects, run, pieceLength)
                          : _WEAppendObject(a.objects, run, offset);
        if (err != noErr) return err;
    }
    a.oldLength += end - start;
    if (atFront) a.start -= end - start;
    return noErr;
}

void _WEDisposeUndo(WEReference we) {
    WERec& r = RecordOf(we);
    DisposeChain(UndoActionOf(r));
    r.undoAction = nullptr;
}

void _WEForgetUndoOutsideBlock(WEReference we) {
    if (!(RecordOf(we).stateBits & kWEStateActionOpen)) _WEDisposeUndo(we);
}

OSErr _WERecordAction(SInt32 start, SInt32 end, SInt32 newLength, SInt16 kind, SInt16 flags, WEReference we) {
    WERec& r = RecordOf(we);
    if (!HasFeature(r, weFUndo)) return noErr;
    Handle action = nullptr;
    OSErr err = NewAction(start, end, newLength, kind, flags | kWEActionNoObjects, we, &action);
    if (err == noErr) PushAction(action, r);
    return err;
}

OSErr WEUndo(WEReference we) {
    WERec& r = RecordOf(we);
    Handle chain = UndoActionOf(r);
    if (!chain) return weCantUndoErr;
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    WEStopInlineSession(we);
    _WEHideCaret(we);
    _WEHiliteAllRanges(we);
    r.undoAction = nullptr;
    SInt32 lowest = 0x7FFFFFFF, highest = 0;
    for (Handle action = chain; action; action = ActionOf(action).next) {
        const WEAction a = ActionOf(action);
        if (a.flags & kWEActionRedo)
            r.modCount++;
        else
            r.modCount--;
        if (HasFeature(r, weFUndo)) {
            Handle reverse = nullptr;
            SInt16 flags = SInt16((a.flags ^ kWEActionRedo) | (a.text ? 0 : kWEActionNoText) |
                                  (a.styles ? 0 : kWEActionNoStyles));
            if (NewAction(a.start, a.start + a.newLength, a.oldLength, a.kind, flags, we, &reverse) == noErr)
                PushAction(reverse, r);
        }
        if (a.text) {
            OSErr err = _WEDeleteRange(a.start, a.start + a.newLength, we);
            HLock(a.text);
            if (err == noErr) err = _WEInsertText(a.start, *a.text, a.oldLength, we);
            HUnlock(a.text);
            if (err != noErr) break;
        }
        if (a.styles) _WEApplyStyleScrap(a.start, a.start + a.oldLength, a.styles, we, nullptr, 0);
        lowest = std::min(lowest, a.start);
        highest = std::max(highest, a.start + std::max(a.oldLength, a.newLength));
    }
    Handle last = chain;
    while (ActionOf(last).next)
        last = ActionOf(last).next;
    r.stateBits &= ~kWEStateTypingStyle;
    // Lines are redrawn with a bare caret; the restored selection hilites itself afterwards.
    const WEAction& saved = ActionOf(last);
    ResetSelStartEnd(&r, saved.savedStarts.offset, saved.savedStarts.offset);
    if (saved.savedCount > 0)
        ResetSelStartEnd(&r, RangesOf(saved.savedStarts.ranges)[0], RangesOf(saved.savedStarts.ranges)[0]);
    _WERedraw(lowest, std::min(highest, r.textLength), we);
    RestoreSavedSelection(saved, we);
    DisposeChain(chain);
    return noErr;
}

SInt16 WEGetUndoInfo(Boolean* redo, WEReference we) {
    Handle action = UndoActionOf(RecordOf(we));
    if (redo) *redo = action && (ActionOf(action).flags & kWEActionRedo);
    return action ? ActionOf(action).kind : SInt16(kWEActionNone);
}

OSErr WEBeginAction(WEReference we) {
    WERec& r = RecordOf(we);
    if (r.stateBits & kWEStateActionOpen) return weActionBlockErr;
    r.stateBits |= kWEStateActionOpen;
    _WEDisposeUndo(we);
    return noErr;
}

OSErr WEEndAction(SInt16 kind, WEReference we) {
    WERec& r = RecordOf(we);
    if (!(r.stateBits & kWEStateActionOpen)) return weActionBlockErr;
    r.stateBits &= ~kWEStateActionOpen;
    Handle action = UndoActionOf(r);
    if (!action) return weCantUndoErr;
    ActionOf(action).kind = kind;
    return noErr;
}

void WEClearUndo(WEReference we) {
    _WEForgetUndoOutsideBlock(we);
}

Boolean WEIsTyping(WEReference we) {
    const WERec& r = RecordOf(we);
    Handle action = UndoActionOf(r);
    if (!action || r.selCount > 0) return false;
    const WEAction& a = ActionOf(action);
    return a.kind == kWEActionTyping && !(a.flags & kWEActionRedo) && r.selStart.offset == r.selEnd.offset &&
           r.selStart.offset == a.start + a.newLength;
}

UInt32 WEGetModCount(WEReference we) {
    return RecordOf(we).modCount;
}

void WEResetModCount(WEReference we) {
    RecordOf(we).modCount = 0;
    _WEDisposeUndo(we);
}
