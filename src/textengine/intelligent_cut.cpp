// The rules for spaces around cut and pasted words: a cut word takes one neighbouring space with it, and
// pasted text is told on which side it needs one.
#include "textengine/engine_internal.h"

Boolean _WEIsPunct(SInt32 offset, WEReference we) {
    WERec& r = RecordOf(we);
    // Outside the text counts as punctuation: no space is wanted at either end of the text.
    if (offset < 0 || offset >= r.textLength) return true;
    auto charType = reinterpret_cast<WECharClassProc>(r.hooks[kWEHookCharType]);
    SInt32 contextStart = offset > 16383 ? offset - 16383 : 0;
    SInt16 type = charType(TextOf(r) + contextStart, SInt16(offset - contextStart), 0, we);
    SInt16 punctClass = (type >> 8) & 0xF;
    return (type & 0xF) == 0 && (punctClass == 0 || punctClass == 3);
}

Boolean _WEIsWordRange(SInt32 start, SInt32 end, WEReference we) {
    SInt32 wordStart, wordEnd;
    WEFindWord(start, 1, &wordStart, &wordEnd, we);
    if (wordStart != start) return false;
    WEFindWord(end, 0, &wordStart, &wordEnd, we);
    return wordEnd == end;
}

void _WEIntelligentCut(SInt32* start, SInt32* end, WEReference we) {
    if (!HasFeature(RecordOf(we), weFIntCutAndPaste)) return;
    if (!_WEIsWordRange(*start, *end, we) || _WEIsPunct(*start, we) || _WEIsPunct(*end - 1, we)) return;
    if (WEGetChar(*start - 1, we) == ' ')
        --*start;
    else if (WEGetChar(*end, we) == ' ')
        ++*end;
}

SInt16 _WEIntelligentPaste(SInt32 start, SInt32 end, WEReference we) {
    if (!HasFeature(RecordOf(we), weFIntCutAndPaste)) return 0;
    if (_WEIsPunct(start, we) || _WEIsPunct(end - 1, we)) return 0;
    Boolean punctBefore = _WEIsPunct(start - 1, we);
    Boolean punctAfter = _WEIsPunct(end, we);
    if (punctBefore && !punctAfter) return 1;
    if (!punctBefore && punctAfter) return -1;
    return 0;
}
