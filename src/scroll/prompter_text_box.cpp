// The prompter's text-engine instance: made for the current layout, filled from the script (in capitals
// when asked, always from a copy so the script itself never changes), moved after a resize, and its line
// spacing.
#include "scroll/prompter_window.h"
#include "scroll/text_window.h"

#include "platform/memory.h"
#include "platform/text_drawing.h"
#include "prefs/prefs_fields.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_drawing.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "textengine/style_scrap.h"
#include "textengine/text_engine.h"

Handle MakeCapitalsCopy(Handle text) {
    if (!text) return nullptr;
    const Size length = GetHandleSize(text);
    Handle copy = NewHandle(length);
    if (!copy) return nullptr;
    const UInt8* from = reinterpret_cast<const UInt8*>(*text);
    UInt8* to = reinterpret_cast<UInt8*>(*copy);
    for (Size i = 0; i < length; ++i)
        to[i] = (from[i] >= 'a' && from[i] <= 'z') ? UInt8(from[i] - 'a' + 'A') : from[i];
    return copy;
}

namespace {

Handle CopyOfHandle(Handle text) {
    Handle copy = text;
    return HandToHand(&copy) == noErr ? copy : nullptr;
}

// The text box rectangle is used only with a background picture, and only when it is set.
const Rect* TextBoxForLayout(Rect* storage) {
    *storage = GetPref(gThePreferences, kPrefTextBoxRect);
    return GetPref(gThePreferences, kPrefBackgroundKind) != 0 && !EmptyRect(storage) ? storage : nullptr;
}

// Lays out the window and works out where the text goes in the drawing frame; the alias port is current.
LongRect LayOutForTextBox() {
    Rect box;
    SetScrollWindowTextRect(TextBoxForLayout(&box));
    const TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    RGBBackColor(&format.backColor);
    Rect frame = GetScrollWindowContent();
    frame.right -= kScrollBarStrip;
    gScrollDestinationRect =
        RotateRect(&frame, gScrollTextRect, SInt16(-GetPref(gThePreferences, kPrefRotation)), gScrollOn);
    LongRect dest;
    WERectToLongRect(&gScrollDestinationRect, &dest);
    return dest;
}

// A new instance takes its first style from the port: the prompter's format.
bool MakeInstance(const LongRect& dest) {
    const TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    TextFont(format.font);
    TextFace(format.face);
    TextSize(format.size);
    RGBForeColor(&format.textColor);
    WEReference we = nullptr;
    if (WENew(&dest, &dest, 0, &we) != noErr) we = nullptr;
    ScrollWEHandle = we;
    return we != nullptr;
}

// While editing, a drag past the view scrolls the text and a press in the selection drags it.
void SetEditingFeatures() {
    WEFeatureFlag(weFAutoScroll, gEditOn ? 1 : 0, ScrollWEHandle);
    WEFeatureFlag(weFDragAndDrop, gEditOn ? 1 : 0, ScrollWEHandle);
}

// One run in the prompter's format over the whole text, as a style scrap.
Handle MakePrompterFormatScrap() {
    return MakeFormatScrap(GetPref(gThePreferences, kPrefPrompterFormat));
}

// The text was just put in and its lines are not worked out yet: the whole text counts as one line, and
// hiliting the selection or scrolling it into view would lay all of it out as that line. Recalculation
// stays off until the caller works the lines out once, afterwards.
void ApplyStyles(Handle scrap) {
    const SInt32 length = WEGetTextLength(ScrollWEHandle);
    const SInt16 recal = WEFeatureFlag(weFInhibitRecal, 1, ScrollWEHandle);
    WESetSelection(0, length, 0, ScrollWEHandle);
    WEPasteStylesOnly(scrap, ScrollWEHandle, 0, length);
    WESetSelection(0, 0, 0, ScrollWEHandle);
    WEFeatureFlag(weFInhibitRecal, recal, ScrollWEHandle);
}

} // namespace

bool CreateScrollTextBox() {
    if (!myScrollWindow || !myScrollWindowAlias) return false;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(myScrollWindowAlias);
    if (gTextHasChanged) GetNewText(0);
    if (ScrollWEHandle) WEDispose(ScrollWEHandle);
    ScrollWEHandle = nullptr;
    const LongRect dest = LayOutForTextBox();
    if (MakeInstance(dest)) {
        SetEditingFeatures();
        if (GetPref(gThePreferences, kPrefPositionsFromCue))
            ScrollScrollThisMuch(gCueRect.top - gScrollTextRect.top, 1);
    }
    SetPort(saved);
    return ScrollWEHandle != nullptr;
}

bool PutScrollTextInBox(bool relayoutEdit) {
    if (!ScrollWEHandle) return false;
    if (gTextHasChanged) GetNewText(0);
    GrafPtr saved;
    GetPort(&saved);
    SetPort(myScrollWindowAlias);
    ScrollScrollThisMuch(-gScrollCurrentPos, 1);
    gScrollCurrentPos = 0;
    // The box always holds a copy: the engine takes the handle it is given, and the script must stay as
    // the user wrote it whatever the box shows.
    Handle text = nullptr;
    gScrollingInAllCAPS = false;
    if (myTextResource && GetPref(gThePreferences, kPrefScrollInCapitals) && gScrollOn) {
        text = MakeCapitalsCopy(myTextResource);
        gScrollingInAllCAPS = text != nullptr;
    }
    if (myTextResource && !text) text = CopyOfHandle(myTextResource);
    if (!text) text = NewHandle(0);
    if (!text || WEUseText(text, ScrollWEHandle, false) != noErr) {
        if (text) DisposeHandle(text);
        gScrollingInAllCAPS = false;
        SetPort(saved);
        return false;
    }
    const bool hasText = myTextResource != nullptr;
    SetScrollSpacing();
    if (hasText) {
        if (myStyle) {
            ApplyStyles(myStyle);
        } else if (Handle scrap = MakePrompterFormatScrap()) {
            ApplyStyles(scrap);
            DisposeHandle(scrap);
        }
        SetScrollSpacing();
    }
    WESetAlignment(SInt8(GetPref(gThePreferences, kPrefPrompterFormat).justification), ScrollWEHandle);
    WECalText(ScrollWEHandle);
    ScrollRecalText();
    SetScrollWindowScrolls();
    GetCurrentScrollPos();
    gTextHasChanged = false;
    UpdateScrollWindow();
    SetPort(saved);
    if (relayoutEdit && myEditWindow && GetPref(gThePreferences, kPrefEditFollowsPrompterLines)) {
        const Rect content = GetScrollWindowContent();
        NewEditWindowSize(RectWidth(content), RectHeight(content));
    }
    return hasText;
}

void MoveScrollTextBox() {
    if (!myScrollWindow || !myScrollWindowAlias) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(myScrollWindowAlias);
    gCueSpotChanged = true;
    const LongRect dest = LayOutForTextBox();
    if (ScrollWEHandle) {
        SetScrollPort(myScrollWindowAlias, ScrollWEHandle);
        WEMoveViewDestRects(&dest, ScrollWEHandle);
        WECalBreaks(ScrollWEHandle);
        ScrollRecalText();
        SetScrollWindowScrolls();
        GetCurrentScrollPos();
        UpdateScrollWindow();
    } else if (!MakeInstance(dest)) {
        SetPort(saved);
        return;
    }
    SetEditingFeatures();
    SetPort(saved);
}

void SetScrollSpacing() {
    if (!myScrollWindowAlias) return;
    GrafPtr saved;
    GetPort(&saved);
    SetPort(myScrollWindowAlias);
    const TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    TextFont(format.font);
    TextFace(format.face);
    TextSize(format.size);
    FontInfo info{};
    GetFontInfo(&info);
    TextFont(0);
    TextSize(12);
    TextFace(0);
    gScrollSingleSpace = SInt16(info.ascent + info.descent + info.leading);
    gScrollPixelSpace = SInt16(gScrollSingleSpace * format.lineSpacing / 100);
    if (ScrollWEHandle) WESetSpacing(format.lineSpacing, ScrollWEHandle);
    SetPort(saved);
}

void ClearScrollSpacing() {
    const SInt32 height = ScrollWEHandle ? WEGetHeight(0, 1, ScrollWEHandle) : 0;
    gScrollSingleSpace = gScrollPixelSpace = SInt16(height);
}
