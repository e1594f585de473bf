// The carriage-return-only line break and the show-invisibles drawing hook, installed through the
// record's hook slots. The drawing hook a record had before is kept in the record's user information by
// its number in a program-wide list, since that list holds 32-bit values.
#include "textengine/custom_hooks.h"
#include "textengine/engine_internal.h"

#include "platform/drawing.h"
#include "platform/text_drawing.h"

#include <algorithm>
#include <vector>

namespace {

constexpr OSType kKeptDrawHookTag = FourCC("icDT");
constexpr OSType kRedGreenTag = FourCC("icRG");
constexpr OSType kBlueTag = FourCC("icB_");
constexpr RGBColor kDefaultMarkColor{0xAAAA, 0xAAAA, 0xAAAA};
constexpr SInt16 kMarkSize = 8;

// Every drawing hook ever replaced, by number (from 1). Hooks are program functions, so the list stays
// as small as the number of distinct ones.
std::vector<WEDrawTextProc>& KeptDrawHooks() {
    static std::vector<WEDrawTextProc> hooks;
    return hooks;
}

SInt32 KeepDrawHook(WEDrawTextProc hook) {
    std::vector<WEDrawTextProc>& hooks = KeptDrawHooks();
    auto found = std::find(hooks.begin(), hooks.end(), hook);
    if (found == hooks.end()) found = hooks.insert(hooks.end(), hook);
    return SInt32(found - hooks.begin()) + 1;
}

WEDrawTextProc KeptDrawHook(WEReference we) {
    SInt32 number = 0;
    if (WEGetUserInfo(kKeptDrawHookTag, &number, we) != noErr) return nullptr;
    const std::vector<WEDrawTextProc>& hooks = KeptDrawHooks();
    return number >= 1 && size_t(number) <= hooks.size() ? hooks[size_t(number - 1)] : nullptr;
}

WEHookProc HookOf(WEReference we, WEHookSlot slot) {
    return RecordOf(we).hooks[slot];
}

OSErr SetHook(WEReference we, const char (&selector)[5], WEHookProc hook) {
    return WESetInfo(FourCC(selector), &hook, we);
}

// A tab: an arrow pointing right along the baseline's upper half.
void DrawTabMark(SInt16 left, SInt16 baseline) {
    const SInt16 mid = SInt16(baseline - kMarkSize / 2);
    MoveTo(left, mid);
    LineTo(SInt16(left + kMarkSize - 2), mid);
    MoveTo(SInt16(left + kMarkSize - 4), SInt16(mid - 2));
    LineTo(SInt16(left + kMarkSize - 2), mid);
    LineTo(SInt16(left + kMarkSize - 4), SInt16(mid + 2));
}

// A return: a hooked arrow that comes down and points left.
void DrawReturnMark(SInt16 left, SInt16 baseline) {
    const SInt16 right = SInt16(left + kMarkSize - 2), bottom = SInt16(baseline - 2);
    MoveTo(right, SInt16(baseline - kMarkSize + 1));
    LineTo(right, bottom);
    LineTo(SInt16(left + 1), bottom);
    MoveTo(SInt16(left + 3), SInt16(bottom - 2));
    LineTo(SInt16(left + 1), bottom);
    LineTo(SInt16(left + 3), SInt16(bottom + 2));
}

} // namespace

OSErr WEInstallCrOnlyHook(WEReference we) {
    return SetHook(we, "lbrk", reinterpret_cast<WEHookProc>(&_WENoWrapLineBreak));
}

OSErr WERemoveCrOnlyHook(WEReference we) {
    return SetHook(we, "lbrk", nullptr);
}

Boolean WEIsCrOnly(WEReference we) {
    return HookOf(we, kWEHookLineBreak) == reinterpret_cast<WEHookProc>(&_WENoWrapLineBreak);
}

OSErr WEInstallShowInvisiblesHook(WEReference we) {
    if (WEIsShowInvisibles(we)) return noErr;
    const auto current = reinterpret_cast<WEDrawTextProc>(HookOf(we, kWEHookDrawText));
    if (const OSErr err = WESetUserInfo(kKeptDrawHookTag, KeepDrawHook(current), we); err != noErr)
        return err;
    return SetHook(we, "draw", reinterpret_cast<WEHookProc>(&_WEShowInvisiblesDrawText));
}

OSErr WERemoveShowInvisiblesHook(WEReference we) {
    SInt32 number = 0;
    if (WEGetUserInfo(kKeptDrawHookTag, &number, we) != noErr) return paramErr;
    return SetHook(we, "draw", reinterpret_cast<WEHookProc>(KeptDrawHook(we)));
}

Boolean WEIsShowInvisibles(WEReference we) {
    return HookOf(we, kWEHookDrawText) == reinterpret_cast<WEHookProc>(&_WEShowInvisiblesDrawText);
}

OSErr WESetInvisiblesColor(const RGBColor* color, WEReference we) {
    if (!we || !color) return nilHandleErr;
    if (const OSErr err = WESetUserInfo(kRedGreenTag, SInt32((UInt32(color->red) << 16) | color->green), we);
        err != noErr)
        return err;
    return WESetUserInfo(kBlueTag, SInt32(color->blue), we);
}

OSErr WEGetInvisiblesColor(RGBColor* color, WEReference we) {
    if (!we || !color) return nilHandleErr;
    SInt32 redGreen = 0, blue = 0;
    if (WEGetUserInfo(kRedGreenTag, &redGreen, we) != noErr || WEGetUserInfo(kBlueTag, &blue, we) != noErr)
        return paramErr;
    *color = RGBColor{UInt16(UInt32(redGreen) >> 16), UInt16(redGreen), UInt16(blue)};
    return noErr;
}

void _WEShowInvisiblesDrawText(const UInt8* text, SInt32 length, Fixed slop, SInt16 runPosition,
                               WEReference we) {
    Point start;
    GetPen(&start);
    if (WEDrawTextProc draw = KeptDrawHook(we); draw && draw != &_WEShowInvisiblesDrawText)
        draw(text, length, slop, runPosition, we);
    Point end;
    GetPen(&end);
    PenState pen;
    GetPenState(&pen);
    RGBColor fore;
    GetForeColor(&fore);

    RGBColor mark = kDefaultMarkColor;
    WEGetInvisiblesColor(&mark, we);
    RGBForeColor(&mark);
    PenNormal();
    const auto toPixel = reinterpret_cast<WECharToPixelProc>(HookOf(we, kWEHookCharToPixel));
    const SInt16 baseline = start.v;
    SInt32 halfBlank = -1;
    for (SInt32 i = 0; i < length; ++i) {
        if (text[i] != ' ' && text[i] != '\t') continue;
        const SInt32 x = start.h + toPixel(text, length, slop, i, 0, runPosition, we);
        if (text[i] == '\t') {
            DrawTabMark(SInt16(x), baseline);
            continue;
        }
        if (halfBlank < 0)
            halfBlank = (start.h + toPixel(text, length, slop, i + 1, 0, runPosition, we) - x) / 2;
        const Rect dot{SInt16(baseline - 3), SInt16(x + halfBlank), SInt16(baseline - 2),
                       SInt16(x + halfBlank + 1)};
        PaintRect(&dot);
    }
    if (length > 0 && text[length - 1] == 13) DrawReturnMark(end.h, baseline);
    RGBForeColor(&fore);
    SetPenState(&pen);
    MoveTo(end.h, end.v);
}
