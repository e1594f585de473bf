// The hook table's standard entries: line breaking of Roman text, automatic scrolling while the mouse is
// held, erasing, drop hilite and the character classes that word selection and intelligent paste read.
#include "textengine/engine_internal.h"

#include "platform/drawing.h"
#include "platform/events.h"

#include <algorithm>

// Character types as the intelligent paste reads them: bits 0-3 the type, bits 8-11 the punctuation class.
enum : SInt16 {
    kCharPunctuation = 0,
    kCharLetter = 1,
    kCharAccented = 7,
    kPunctNumber = 0x100,
    kPunctSymbol = 0x200,
    kPunctBlank = 0x300
};

static SInt16 ClassifyByte(UInt8 c) {
    if (c <= 32) return kCharPunctuation | kPunctBlank;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return kCharLetter;
    if (c >= '0' && c <= '9') return kCharPunctuation | kPunctNumber;
    if (c >= 128) return kCharAccented;
    static constexpr char kSymbols[] = "$+<=>^`|~#%&*@\\";
    for (const char* s = kSymbols; *s; s++)
        if (UInt8(*s) == c) return kCharPunctuation | kPunctSymbol;
    return kCharPunctuation;
}

static SInt16 _WEStdCharType(const UInt8* text, SInt16 offset, SInt16 script, WEReference we) {
    return ClassifyByte(text[offset]);
}

// Every byte stands alone in the single-byte text this engine holds.
static SInt16 _WEStdCharByte(const UInt8* text, SInt16 offset, SInt16 script, WEReference we) {
    return 0;
}

static bool IsWordByte(UInt8 c) {
    SInt16 type = ClassifyByte(c);
    return (type & 0xF) != kCharPunctuation || (type & 0xF00) == kPunctNumber || c == '\'';
}

// A word is a stretch of letters and digits; any other character is a word of its own.
static void _WEStdWordBreak(const UInt8* text, SInt16 length, SInt16 offset, UInt8 edge, SInt16* offsets,
                            SInt16 script, WEReference we) {
    SInt16 at = (edge == 0 && offset > 0) ? SInt16(offset - 1) : offset;
    if (at >= length) {
        offsets[0] = offsets[1] = length;
        return;
    }
    SInt16 start = at, end = SInt16(at + 1);
    if (IsWordByte(text[at])) {
        while (start > 0 && IsWordByte(text[start - 1]))
            start--;
        while (end < length && IsWordByte(text[end]))
            end++;
    }
    offsets[0] = start;
    offsets[1] = end;
}

static void _WEStdErase(const Rect* rect, WEReference we) {
    EraseRect(rect);
}

static OSErr _WEStdHiliteDropArea(void* drag, Boolean show, WEReference we) {
    return noErr;
}

SInt32 _WEAutoScrollStep(SInt32 mouse, SInt32 viewLow, SInt32 viewHigh, SInt32 scrolled, SInt32 limit) {
    if (mouse < viewLow && scrolled > 0) return std::min({scrolled, viewLow - mouse, SInt32(30)});
    if (mouse > viewHigh && scrolled < limit)
        return std::max({viewHigh - mouse, scrolled - limit, SInt32(-30)});
    return 0;
}

Boolean _WEStdClickLoop(WEReference we) {
    WERec& r = RecordOf(we);
    if (!HasFeature(r, weFAutoScroll) || !(r.stateBits & kWEStateActive)) return true;
    Point mouse;
    GetMouse(&mouse);
    const LongRect& view = r.viewRect;
    const LongRect& dest = r.destRect;
    SInt32 dv = _WEAutoScrollStep(mouse.v, view.top, view.bottom, view.top - dest.top,
                                  (dest.bottom - dest.top) - (view.bottom - view.top));
    SInt32 dh = _WEAutoScrollStep(mouse.h, view.left, view.right, view.left - dest.left,
                                  (dest.right - dest.left) - (view.right - view.left));
    if (dh != 0 || dv != 0) {
        WEScroll(dh, dv, we);
        if (auto scrolledHook = reinterpret_cast<WENotifyProc>(r.hooks[kWEHookScroll])) scrolledHook(we);
    }
    return true;
}

SInt16 _WERomanLineBreak(const UInt8* text, SInt32 textLength, SInt32 runStart, SInt32 runEnd, Fixed* width,
                         SInt32* breakOffset, WEReference we) {
    if (textLength == 0) {
        *breakOffset = 0;
        return 2;
    }
    SInt32 lineEnd = runEnd;
    SInt16 result = 2;
    const UInt8* found = std::find(text + runStart, text + runEnd, UInt8(13));
    if (found != text + runEnd) {
        lineEnd = SInt32(found - text) + 1;
        result = 0;
    }
    Boolean leadingEdge = true;
    auto measure = reinterpret_cast<WEPixelToCharProc>(RecordOf(we).hooks[kWEHookPixelToChar]);
    SInt32 offset = measure(text + runStart, lineEnd - runStart, 0, width, &leadingEdge, 0, we);
    SInt32 candidate = runStart + offset - (leadingEdge ? 0 : 1);
    if (*width >= 0) {
        *breakOffset = lineEnd;
        return result;
    }
    SInt32 blank = candidate - 1;
    while (blank >= 0 && text[blank] > 32)
        blank--;
    if (blank < 0) {
        *breakOffset = candidate;
        return 1;
    }
    SInt32 at = blank + 1;
    // Blanks that would start the next line stay on this one.
    if (at == candidate)
        while (at < lineEnd && text[at] <= 32)
            at++;
    *breakOffset = at;
    return 0;
}

// Only Roman text is enabled on this platform.
static constexpr SInt16 kEnabledScripts = 1;

// The standard procedures are the same for every record; fixed on the first call.
static WEHookProc gStandardHooks[kWEHookCount];

void _WESetStandardHooks(WERec* record) {
    if (!gStandardHooks[kWEHookClickLoop]) {
        gStandardHooks[kWEHookClickLoop] = reinterpret_cast<WEHookProc>(&_WEStdClickLoop);
        gStandardHooks[kWEHookHiliteDrop] = reinterpret_cast<WEHookProc>(&_WEStdHiliteDropArea);
        gStandardHooks[kWEHookDrawText] = reinterpret_cast<WEHookProc>(&_WEStdDrawText);
        gStandardHooks[kWEHookPixelToChar] = reinterpret_cast<WEHookProc>(&_WEStdPixelToChar);
        gStandardHooks[kWEHookCharToPixel] = reinterpret_cast<WEHookProc>(&_WEStdCharToPixel);
        // Roman breaking serves a single enabled script; several scripts need the Unicode breaking.
        gStandardHooks[kWEHookLineBreak] = kEnabledScripts < 2
                                               ? reinterpret_cast<WEHookProc>(&_WERomanLineBreak)
                                               : reinterpret_cast<WEHookProc>(&_WEStdLineBreak);
        gStandardHooks[kWEHookWordBreak] = reinterpret_cast<WEHookProc>(&_WEStdWordBreak);
        gStandardHooks[kWEHookCharByte] = reinterpret_cast<WEHookProc>(&_WEStdCharByte);
        gStandardHooks[kWEHookCharType] = reinterpret_cast<WEHookProc>(&_WEStdCharType);
        gStandardHooks[kWEHookErase] = reinterpret_cast<WEHookProc>(&_WEStdErase);
    }
    for (SInt16 i = 0; i < kWEHookCount; i++)
        if (!record->hooks[i]) record->hooks[i] = gStandardHooks[i];
}
