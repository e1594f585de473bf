// The Font, Size, Style, Colour and Justification menus applied to the script in the prompter: to the
// selection, or to the whole text when nothing is selected and the script is not styled text. Each change
// of font, size, style or colour is one step of the text engine's undo.
#include "foundation/global_lists.h"
#include "foundation/program_colors.h"
#include "foundation/window_references.h"
#include "macros/macro_services.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/text_format_dialogs.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <algorithm>

namespace {

constexpr SInt32 kNotDone = -1;
constexpr SInt16 kUndoFormat = 9;
constexpr SInt16 kSizeOfItem[] = {9, 10, 12, 18, 24, 36, 48, 50, 62, 74};
constexpr SInt16 kSmallerBySize = 32001, kLargerBySize = 32002;
constexpr SInt16 kToggleStyle = 32000;
constexpr SInt16 kSmallestSize = 2, kLargestSize = 32766;
constexpr SInt16 kOtherColorItem = 8, kColorListItem = 9;
// Justification items 1-5: default, left, centre, right, full.
constexpr SInt16 kJustificationOfItem[] = {kJustifyDefault, kJustifyLeft, kJustifyCentre, kJustifyRight,
                                           kJustifyFull};

bool StyledText() {
    return GetPref(gThePreferences, kPrefStyledText) != 0;
}

// The prompter's text is the target when the prompter is in front or a macro names it.
bool PrompterIsTarget() {
    if (!ScrollWEHandle || !myScrollWindow) return false;
    if (gForceCommandFromMacro > 6)
        return GetWindowByReference(SInt16(gForceCommandFromMacro), true) == myScrollWindow;
    return gForceCommandFromMacro == 0 && FrontNonFloatingWindow() == myScrollWindow;
}

WETextStyle StyleAtSelectionStart() {
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    WERunInfo run;
    WEGetRunInfo(start, &run, ScrollWEHandle);
    return run.style.style;
}

// The document's style runs follow the text, so that a save stores what the prompter shows.
void KeepStyleRuns() {
    Handle runs = NewHandle(0);
    if (!runs) return;
    if (WECopyRange(0, WEGetTextLength(ScrollWEHandle), nullptr, runs, nullptr, ScrollWEHandle) != noErr) {
        DisposeHandle(runs);
        return;
    }
    if (myStyle) DisposeHandle(myStyle);
    myStyle = runs;
}

void RedrawPrompter() {
    ScrollRecalText();
    SetScrollWindowScrolls();
    if (!myScrollWindow) return;
    Rect content;
    GetPortBounds(GetWindowPort(myScrollWindow), &content);
    InvalWindowRect(myScrollWindow, &content);
    gWaitingForUpdate = true;
}

// Sets the style on the prompter's selection (or its whole text, as above) as one undoable step, keeping
// the scroll position; the preferences take the new format too while the script is not styled text.
void ApplyToScript(UInt16 mode, const WETextStyle& style, bool stopsScrolling,
                   void (*storeInPreferences)(const WETextStyle&)) {
    if (stopsScrolling && !gForceCommandFromMacro && gScrollOn) StopScroll();
    SuspendScroll();
    StoreUndoInfo(kUndoFormat);
    // Only styled text keeps its styles in the document; a plain script's format lives in the
    // preferences, which are saved on their own, so the script itself stays as it was saved.
    if (StyledText()) gDontQuitWithoutSaving = true;
    SaveScrollPositionandReset();
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    const bool wholeText = start == end && !StyledText();
    if (wholeText) WESetSelection(0, WEGetTextLength(ScrollWEHandle), 0, ScrollWEHandle);
    WESetStyle(mode, &style, ScrollWEHandle);
    if (wholeText) WESetSelection(start, end, 0, ScrollWEHandle);
    RestoreScrollPosition();
    RedrawPrompter();
    KeepStyleRuns();
    if (!StyledText() && storeInPreferences) {
        storeInPreferences(style);
        gPrefsChanged = true;
    }
    ResumeScroll();
}

void StoreFont(const WETextStyle& style) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.font = style.font;
    format.face = StyleAtSelectionStart().face;
    SetPref(gThePreferences, kPrefPrompterFormat, format);
}

void StoreColor(const WETextStyle& style) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.textColor = style.color;
    SetPref(gThePreferences, kPrefPrompterFormat, format);
}

RESETTABLE(SInt16, gSizeStep, 0); // the step of an added size, for the preferences
void StoreSize(const WETextStyle& style) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    const SInt32 size = gSizeStep ? format.size + gSizeStep : style.size;
    format.size = SInt16(std::clamp<SInt32>(size, kSmallestSize, kLargestSize));
    SetPref(gThePreferences, kPrefPrompterFormat, format);
}

void StoreFace(const WETextStyle&) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.face = StyleAtSelectionStart().face;
    SetPref(gThePreferences, kPrefPrompterFormat, format);
}

SInt32 FontCommand(SInt16 item) {
    if (!PrompterIsTarget()) return kNotDone;
    MenuRef menu = MenuResToMenuRef(kFontMenuID);
    const SInt16 family = menu ? GetFontFamilyFromMenuSelection(menu, MenuItemIndex(item)) : SInt16(-1);
    if (family < 0) return kNotDone;
    WETextStyle style;
    style.font = family;
    ApplyToScript(weDoFont, style, true, StoreFont);
    return 0;
}

SInt32 SizeCommand(SInt16 item) {
    if (!PrompterIsTarget()) return kNotDone;
    SInt16 step = 0, size = 0;
    if (item >= 1 && item <= SInt16(std::size(kSizeOfItem))) {
        size = gGlobalSize = kSizeOfItem[item - 1];
    } else if (item == kOtherSizeItem) {
        size = DoSizeDialog(myScrollWindow, 0);
        if (size <= 0) return 0;
    } else if (item == kLargerItem || (item == 0 && gGlobalSize == kLargerBySize)) {
        step = 1;
    } else if (item == kSmallerItem || (item == 0 && gGlobalSize == kSmallerBySize)) {
        step = -1;
    } else if (item == 0 && gGlobalSize > 0 && gGlobalSize < kSmallerBySize) {
        size = gGlobalSize;
    } else {
        return kNotDone;
    }
    const SInt16 current = StyleAtSelectionStart().size;
    // A text at the smallest or largest size stays there rather than wrapping or vanishing.
    if ((step < 0 && current <= kSmallestSize) || (step > 0 && current >= kLargestSize)) return 0;
    WETextStyle style;
    style.size = step ? step : size;
    gSizeStep = step;
    ApplyToScript(step ? UInt16(weDoSize | weDoAddSize) : UInt16(weDoSize), style, false, StoreSize);
    gSizeStep = 0;
    return 0;
}

// Face bits are changed one at a time through a mask; a face of 0 means plain to the text engine, so a
// bit is cleared by asking for other bits under a mask that lets none of them through.
void ApplyFaceBits(UInt8 bits, bool on) {
    WETextStyle style;
    style.faceMask = bits;
    // The other bits asked for are kept out of condensed and extended where they can be, as asking for
    // either of those takes the other away.
    UInt8 others = UInt8(~bits & 0x1F);
    if (others == 0) others = UInt8(~bits & 0x7F);
    style.face = on ? bits : others;
    ApplyToScript(UInt16(weDoFace | weDoFaceMask), style, true, StoreFace);
}

SInt32 StyleCommand(SInt16 item) {
    if (!PrompterIsTarget()) return kNotDone;
    if (item == 1) {
        ApplyFaceBits(kFaceBold | kFaceItalic | kFaceUnderline | kFaceStrikeOut, false);
        return 0;
    }
    if (item == 0) {
        if (gGlobalStyle == 0 || gGlobalStyle == kToggleStyle) return kNotDone;
        const bool clear = gGlobalStyle < 0;
        const UInt8 bits = UInt8((clear ? ~gGlobalStyle : gGlobalStyle) & 0x7F);
        ApplyFaceBits(bits, !clear);
        return 0;
    }
    if (item < 2 || item > 8) return kNotDone;
    const UInt8 bit = UInt8(1 << (item - 2));
    bool on = !(StyleAtSelectionStart().face & bit);
    if (gForceCommandFromMacro && gGlobalStyle != kToggleStyle) {
        on = gGlobalStyle != 0;
        if (!on) gGlobalStyle = SInt16(~bit);
    }
    ApplyFaceBits(bit, on);
    return 0;
}

SInt32 ColorCommand(SInt16 item) {
    MenuRef menu = MenuResToMenuRef(kColorMenuID);
    if (item == kColorListItem) {
        const SInt32 list = GetPref(gThePreferences, kPrefColorListLength);
        SetPref(gThePreferences, kPrefColorListLength, list >= kFullColorList ? 0 : list + 1);
        gPrefsChanged = true;
        CheckColorsInMenu(menu);
        return 0;
    }
    if (!PrompterIsTarget()) return kNotDone;
    RGBColor color{};
    if (item == 0) {
        color = RGBColor{gGlobalRed, gGlobalGreen, gGlobalBlue};
    } else if (item == kOtherColorItem) {
        color = StyleAtSelectionStart().color;
        if (!GetColorDialog(1, &color)) return 0;
    } else if (item == kNotAColor || item == kDefaultColor || !GetOVColor(item, &color, 0)) {
        return kNotDone;
    }
    gGlobalColors = color;
    gGlobalColorValid = true;
    WETextStyle style;
    style.color = color;
    ApplyToScript(weDoColor, style, true, StoreColor);
    return 0;
}

SInt32 JustificationCommand(SInt16 item) {
    if (item < 0 || item > SInt16(std::size(kJustificationOfItem))) return kNotDone;
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    if (item > 0) {
        format.justification = kJustificationOfItem[item - 1];
        SetPref(gThePreferences, kPrefPrompterFormat, format);
        gPrefsChanged = true;
    }
    if (!ScrollWEHandle) return 0;
    WESetAlignment(SInt8(format.justification & 0xFF), ScrollWEHandle);
    if (!gScrollOn) {
        SaveScrollPositionandReset();
        RestoreScrollPosition();
        RedrawPrompter();
    }
    return 0;
}

} // namespace

SInt32 DoFormatCommand(SInt16 menu, SInt16 item) {
    switch (menu) {
    case kFontMenuID:
        return FontCommand(item);
    case kSizeMenuID:
        return SizeCommand(item);
    case kStyleMenuID:
        return StyleCommand(item);
    case kColorMenuID:
        return ColorCommand(item);
    case kJustificationMenuID:
        return JustificationCommand(item);
    case kUserSetsMenuID:
    case kBuiltInSetsMenuID:
        return DoSetsMenuCommand(menu, item);
    default:
        return kNotDone;
    }
}
