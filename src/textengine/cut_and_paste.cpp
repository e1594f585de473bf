// Cutting, pasting and swapping the clipboard with the selection: the clipboard's items gathered into one
// styled text (or inserted item by item into the ranges), and undo kinds that name what was done.
#include "textengine/pasteboard.h"
#include "textengine/style_scrap.h"
#include "textengine/undo_action.h"

#include "platform/memory.h"

#include <algorithm>
#include <vector>

namespace {

// Gives the undo chain made since `before` the kind of the whole command. Outside an action block an edit
// forgets the old chain before recording, so whatever chain there is is new (and may even reuse the old
// one's block).
void NameNewAction(WEReference we, Handle before, SInt16 kind) {
    const WERec& r = RecordOf(we);
    Handle action = UndoActionOf(r);
    if (action && (!(r.stateBits & kWEStateActionOpen) || action != before)) ActionOf(action).kind = kind;
}

// The style runs of a clipboard item: those its RTF gave, else its own; null when it has none. Damaged
// runs (another program may offer any bytes) are dropped so that the text still pastes.
Handle ItemStyles(SInt32 item, Handle rtfStyles) {
    Handle styles = rtfStyles;
    if (!styles && _WEGetScrapHandle(FourCC("styl"), &styles, item, nullptr, 0) != noErr) return nullptr;
    StyleScrapShape shape;
    if (styles && (GetHandleSize(styles) == 0 || CheckStyleScrap(styles, &shape) != noErr))
        _WEForgetHandle(&styles);
    return styles;
}

OSErr InsertHandle(Handle text, Handle styles, WEReference we, SInt32 range) {
    HLock(text);
    OSErr err = WEInsert(*text, SInt32(GetHandleSize(text)), styles, nullptr, we, range);
    HUnlock(text);
    return err;
}

struct Gathered {
    Handle text = nullptr;
    Handle styles = nullptr;
    SInt32 pasted = 0;
};

// Reads the clipboard item by item: gathered into one text and one style scrap, or with flag 16 each
// inserted at once into its own range.
OSErr GatherItems(WEReference we, SInt16 flags, Gathered* g) {
    const bool withStyles = !HasFeature(RecordOf(we), weFMonoStyled) && !(flags & 2);
    const SInt16 choice = SInt8(flags >> 8);
    const SInt32 ranges = std::max(RecordOf(we).selCount, SInt32(1));
    const UInt8 blank = ' ';
    for (SInt32 item = 1;; item++) {
        Handle text = nullptr, rtfStyles = nullptr;
        OSErr err = _WEGetScrapHandle(FourCC("TEXT"), &text, item, withStyles ? &rtfStyles : nullptr, choice);
        if (err != noErr) return err;
        if (flags & 32) err = PtrAndHand(&blank, text, 1);
        Handle styles = withStyles ? ItemStyles(item, rtfStyles) : nullptr;
        _WEFoldLineEnds(text, styles);
        const SInt32 length = SInt32(GetHandleSize(text));
        if (err == noErr && (flags & 16)) {
            // Items beyond the last range have nowhere to go.
            if (item <= ranges) err = InsertHandle(text, styles, we, item);
            if (err == noErr && item <= ranges) g->pasted += length;
        } else if (err == noErr) {
            const SInt32 before = SInt32(GetHandleSize(g->text));
            HLock(text);
            err = PtrAndHand(*text, g->text, length);
            HUnlock(text);
            if (err == noErr && styles) err = WECombineStyles(styles, g->styles, before);
        }
        DisposeHandle(text);
        if (styles) DisposeHandle(styles);
        if (err != noErr) return err;
    }
}

// The clipboard's runs over every selected range, undoable and counted as a change like any style change.
OSErr PasteStylesOnly(Handle styles, WEReference we) {
    WERec& r = RecordOf(we);
    _WEForgetUndoOutsideBlock(we);
    for (SInt32 index = std::max(r.selCount, SInt32(1)) - 1; index >= 0; index--) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        if (start < end)
            _WERecordAction(start, end, end - start, kWEActionStyle, kWEActionNoText | kWEActionNoObjects,
                            we);
    }
    r.modCount++;
    OSErr err = WEPasteStylesOnly(styles, we, 0, 0);
    for (SInt32 index = std::max(r.selCount, SInt32(1)) - 1; index >= 0 && err == noErr; index--) {
        SInt32 start, end;
        WEGetSelection(&start, &end, index, we);
        err = _WERedraw(start, end, we);
    }
    return err;
}

// Selects the ranges again, in order, as they were saved.
void Reselect(const std::vector<std::pair<SInt32, SInt32>>& ranges, WEReference we) {
    for (size_t i = 0; i < ranges.size(); i++)
        WESetSelection(ranges[i].first, ranges[i].second, i == 0 ? 0 : 1, we);
}

} // namespace

OSErr WECut(WEReference we) {
    if (HasFeature(RecordOf(we), weFReadOnly)) return weReadOnlyErr;
    Handle before = UndoActionOf(RecordOf(we));
    OSErr err = WECopy(we, 1);
    if (err == noErr) err = WEDelete(we);
    if (err == noErr) NameNewAction(we, before, kWEActionCut);
    return err;
}

OSErr WEPaste(WEReference we, SInt32* pastedLength, SInt16 flags) {
    if (pastedLength) *pastedLength = 0;
    if (HasFeature(RecordOf(we), weFReadOnly)) return weReadOnlyErr;
    Gathered g;
    g.text = NewHandle(0);
    // An empty scrap in the exchanged layout: a count of 0.
    g.styles = NewHandleClear(2);
    Handle before = UndoActionOf(RecordOf(we));
    // Items pasted one per range are undone together.
    const bool ownBlock = (flags & 16) && WEBeginAction(we) == noErr;
    OSErr err = g.text && g.styles ? GatherItems(we, flags, &g) : OSErr(memFullErr);
    if (ownBlock) WEEndAction(kWEActionPaste, we);
    if (flags & 16) {
        if (pastedLength) *pastedLength = g.pasted;
        if (g.pasted > 0 && !ownBlock) NameNewAction(we, before, kWEActionPaste);
    } else if (err == weNoPasteboardItemErr) {
        err = noErr;
        const SInt32 length = SInt32(GetHandleSize(g.text));
        const bool hasStyles = GetHandleSize(g.styles) > 2;
        if (length == 0) {
            // Nothing to paste.
        } else if (flags & 3) {
            err = InsertHandle(g.text, hasStyles && !(flags & 2) ? g.styles : nullptr, we, 0);
            if (err == noErr && pastedLength) *pastedLength = length;
            if (err == noErr) NameNewAction(we, before, kWEActionPaste);
        } else if (hasStyles) {
            err = PasteStylesOnly(g.styles, we);
            if (err == noErr) NameNewAction(we, before, kWEActionPaste);
        }
    }
    if (g.text) DisposeHandle(g.text);
    if (g.styles) DisposeHandle(g.styles);
    return err;
}

OSErr WESwap(WEReference we, SInt32* pastedLength, SInt16 flags) {
    if (pastedLength) *pastedLength = 0;
    WERec& r = RecordOf(we);
    if (HasFeature(r, weFReadOnly)) return weReadOnlyErr;
    std::vector<std::pair<SInt32, SInt32>> ranges;
    for (SInt32 i = 0; i < std::max(r.selCount, SInt32(1)); i++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, i, we);
        if (start < end) ranges.emplace_back(start, end);
    }
    if (ranges.empty()) return WEPaste(we, pastedLength, flags);
    // One undoable step when no caller's block is open.
    const bool ownBlock = WEBeginAction(we) == noErr;
    const SInt32 after = ranges.back().second;
    WESetSelection(after, after, 0, we);
    SInt32 pasted = 0;
    OSErr err = WEPaste(we, &pasted, flags);
    // What follows the pasted text stays put while the old selection, all before it, is cut.
    const SInt32 tail = RecordOf(we).textLength - RecordOf(we).selEnd.offset;
    if (err == noErr) {
        Reselect(ranges, we);
        err = WECut(we);
        const SInt32 caret = RecordOf(we).textLength - tail;
        WESetSelection(caret, caret, 0, we);
    }
    if (ownBlock) WEEndAction(kWEActionPaste, we);
    if (pastedLength) *pastedLength = pasted;
    return err;
}
