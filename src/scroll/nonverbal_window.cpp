// The nonverbal-cue window: opening at its saved place (or across the main screen under the menu bar),
// its text instance in the nonverbal format, filling and adding text, its place over the prompter, and its
// mirrored copy through two offscreen worlds.
#include "scroll/nonverbal_window.h"

#include "foundation/offscreen_copy.h"
#include "foundation/window_references.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/screens.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "scroll/window_settings.h"
#include "shell/event_handlers.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "shell/window_frames.h"
#include "textengine/text_engine.h"

#include <algorithm>
#include <cstdint>

Handle myNonverbalText = nullptr;
Handle gNonverbalWordLineArray = nullptr;
WEReference NonverbalWEHandle = nullptr;
GrafPtr myNonverbalWindowAlias = nullptr;

namespace {

constexpr SInt16 kNonverbalWindowID = 132;
constexpr SInt16 kDefaultHeight = 100, kDefaultWidth = 480;

TextFormatBlock Format() {
    return GetPref(gThePreferences, kPrefNonverbalFormat);
}

class InPort {
  public:
    explicit InPort(GrafPtr port) {
        GetPort(&saved_);
        if (port) SetPort(port);
    }
    ~InPort() { SetPort(saved_); }
    InPort(const InPort&) = delete;
    InPort& operator=(const InPort&) = delete;

  private:
    GrafPtr saved_ = nullptr;
};

// Drawing goes nowhere while text goes in, so that only the final text is drawn.
class ClippedAway {
  public:
    ClippedAway() : saved_(NewRgn()) {
        if (saved_) GetClip(saved_);
        const Rect none{};
        ClipRect(&none);
    }
    ~ClippedAway() {
        if (!saved_) return;
        SetClip(saved_);
        DisposeRgn(saved_);
    }
    ClippedAway(const ClippedAway&) = delete;
    ClippedAway& operator=(const ClippedAway&) = delete;

  private:
    RgnHandle saved_;
};

void ApplyFormatToAll() {
    const TextFormatBlock format = Format();
    WETextStyle style;
    style.font = format.font;
    style.face = format.face;
    style.size = format.size;
    style.color = format.textColor;
    const SInt16 inhibit = WEFeatureFlag(weFInhibitRecal, 1, NonverbalWEHandle);
    WESetSelection(0, WEGetTextLength(NonverbalWEHandle), 0, NonverbalWEHandle);
    WESetStyle(weDoAll, &style, NonverbalWEHandle);
    WEFeatureFlag(weFInhibitRecal, inhibit, NonverbalWEHandle);
}

void ApplyAlignment() {
    WESetAlignment(SInt8(Format().justification), NonverbalWEHandle);
}

void ContentRect(Rect* content) {
    *content = Rect{};
    if (myNonverbalWindow) GetPortBounds(GetWindowPort(myNonverbalWindow), content);
}

} // namespace

void OpenNonverbalWindow() {
    if (myNonverbalWindow) return;
    WindowPtr window = GetNewCWindow(kNonverbalWindowID, nullptr, kFirstWindowOfClass);
    if (!window) return;
    SetWRefCon(window, kNonverbalWindowReference);
    Rect place = GetWindowPlace(gPositionPreferences, kPlaceNonverbal);
    if (EmptyRect(&place) || !IsRectWithinADeviceRect(&place)) {
        // Below the menu bar, in the middle, clear of the toolbar and the bookmark list at the left.
        const Rect screen = GetAvailableBounds(GetMainDevice());
        const SInt16 top = DefaultToolWindowTop(window);
        const SInt16 width = std::min<SInt16>(kDefaultWidth, RectWidth(screen));
        const SInt16 left = SInt16(screen.left + (RectWidth(screen) - width) / 2);
        place = Rect{top, left, SInt16(top + kDefaultHeight), SInt16(left + width)};
        gPositionPrefsChanged = true;
    }
    place = PlaceWindowInsideScreens(window, place);
    myNonverbalWindow = window;
    myNonverbalDevice = GetMaxDevice(&place);
    myNonverbalWindowAlias = GetWindowPort(window);
    {
        InPort port(myNonverbalWindowAlias);
        const RGBColor back = Format().backColor;
        RGBBackColor(&back);
        CreateNonverbalTextBox();
        if (NonverbalWEHandle) {
            WESetSelection(0, 0, 0, NonverbalWEHandle);
            ApplyFormatToAll();
            WESetSelection(0, 0, 0, NonverbalWEHandle);
            ApplyAlignment();
        }
    }
    InstallWindowHandlers(window);
    // While scrolling the window does not cover the prompter until it is moved to its display place.
    const Rect prompter = GetWindowPlace(gPositionPreferences, kPlacePrompter);
    Rect common{};
    if (!(gScrollOn && SectRect(&place, &prompter, &common))) ShowWindow(window);
    gNonverbalHasntMoved = true;
}

void CloseNonverbalWindow() {
    if (!myNonverbalWindow) return;
    if (NonverbalWEHandle) WEDispose(NonverbalWEHandle);
    NonverbalWEHandle = nullptr;
    DestroyOffscreenNonverbalWindows();
    DisposeWindow(myNonverbalWindow);
    myNonverbalWindow = nullptr;
    myNonverbalWindowAlias = nullptr;
    myNonverbalDevice = nullptr;
    if (myScrollWindow) SetPort(GetWindowPort(myScrollWindow));
}

bool CreateNonverbalTextBox() {
    if (!myNonverbalWindow) return true;
    if (NonverbalWEHandle) WEDispose(NonverbalWEHandle);
    NonverbalWEHandle = nullptr;
    ContentRect(&gNonverbalBoxRect);
    // The worlds are made again at the new size before the port the text draws in is chosen.
    if (gOffscreenNonverbalWindow) CreateOffscreenNonverbalWindows();
    InPort port(myNonverbalWindowAlias);
    const TextFormatBlock format = Format();
    TextFont(format.font);
    TextFace(format.face);
    TextSize(format.size);
    RGBForeColor(&format.textColor);
    LongRect box;
    WERectToLongRect(&gNonverbalBoxRect, &box);
    WEReference we = nullptr;
    if (WENew(&box, &box, 0, &we) == noErr && we) {
        NonverbalWEHandle = we;
        WECalText(we);
        WEFeatureFlag(weFAutoScroll, 0, we);
    }
    return true;
}

bool PutNonverbalTextInBox() {
    if (!NonverbalWEHandle) return false;
    InPort port(myNonverbalWindowAlias);
    {
        ClippedAway clip;
        // The whole of the old text goes, however long it was.
        WESetSelection(0, WEGetTextLength(NonverbalWEHandle), 0, NonverbalWEHandle);
        WEDelete(NonverbalWEHandle);
        if (myNonverbalText && GetHandleSize(myNonverbalText) > 0) {
            const SInt8 state = HGetState(myNonverbalText);
            HLock(myNonverbalText);
            WEInsert(*myNonverbalText, GetHandleSize(myNonverbalText), nullptr, nullptr, NonverbalWEHandle,
                     0);
            HSetState(myNonverbalText, state);
        }
        SetNonverbalSpacing();
        ApplyFormatToAll();
        WESetSelection(0, 0, 0, NonverbalWEHandle);
        ApplyAlignment();
        WECalText(NonverbalWEHandle);
    }
    UpdateNonverbalWindow();
    return true;
}

void GetNonverbalText() {
    if (myNonverbalText) DisposeHandle(myNonverbalText);
    myNonverbalText = nullptr;
    if (gNonverbalWordLineArray) DisposeHandle(gNonverbalWordLineArray);
    gNonverbalWordLineArray = nullptr;
    gTotalNonverbalWords = 0;
    if (!NonverbalWEHandle) return;
    Handle text = WEGetText(NonverbalWEHandle);
    if (!text) return;
    Handle copy = text;
    if (HandToHand(&copy) != noErr) return;
    HLock(copy);
    myNonverbalText = copy;
}

void SetNonverbalSpacing() {
    InPort port(myNonverbalWindowAlias);
    const TextFormatBlock format = Format();
    TextFont(format.font);
    TextFace(format.face);
    TextSize(format.size);
    FontInfo info{};
    GetFontInfo(&info);
    gNonverbalSingleSpace = SInt16(info.ascent + info.descent + info.leading);
    gNonverbalPixelSpace = SInt16(gNonverbalSingleSpace * format.lineSpacing / 100);
    if (NonverbalWEHandle) WESetSpacing(format.lineSpacing, NonverbalWEHandle);
}

bool AddNonverbalText(const void* text, SInt32 length) {
    if (!NonverbalWEHandle || !text) return false;
    const auto* bytes = static_cast<const UInt8*>(text);
    if (length == -1) {
        length = bytes[0];
        ++bytes;
    }
    if (length < 0) return false;
    OSErr err = noErr;
    {
        InPort port(myNonverbalWindowAlias);
        ClippedAway clip;
        err = WEInsert(bytes, length, nullptr, nullptr, NonverbalWEHandle, 0);
        if (err == noErr) {
            SetNonverbalSpacing();
            ApplyFormatToAll();
            WECalText(NonverbalWEHandle);
        }
    }
    if (err != noErr) return false;
    UpdateNonverbalWindow();
    GetNonverbalText();
    return true;
}

void TypeIntoNonverbalText(SInt16 key, UInt16 modifiers) {
    if (!NonverbalWEHandle) return;
    {
        InPort port(myNonverbalWindowAlias);
        WEKey(key, modifiers, NonverbalWEHandle);
    }
    // Drawn and shown at once: nothing else redraws this window while the prompter stands still.
    UpdateNonverbalWindow();
}

double GetCurrentNonverbalPos() {
    if (!NonverbalWEHandle) return 0;
    LongRect dest{};
    WEGetDestRect(&dest, NonverbalWEHandle);
    gNonverbalCurrentPos = double(dest.top - gNonverbalBoxRect.top);
    return gNonverbalCurrentPos;
}

void NonverbalScrollToCharacter(SInt32 offset) {
    if (offset < 0 || !myNonverbalWindow || !NonverbalWEHandle) return;
    const double position = GetCurrentNonverbalPos();
    InPort port(myNonverbalWindowAlias);
    WEScroll(0, -SInt32(position), NonverbalWEHandle);
    const SInt32 line = WEOffsetToLine(offset, NonverbalWEHandle);
    const SInt32 bottom = WEGetHeight(0, line + 1, NonverbalWEHandle);
    WEScroll(0, gNonverbalPixelSpace - bottom, NonverbalWEHandle);
    GetCurrentNonverbalPos();
}

void UpdateNonverbalWindow() {
    if (!myNonverbalWindow || !NonverbalWEHandle) return;
    {
        InPort port(myNonverbalWindowAlias);
        WEUpdate(nullptr, NonverbalWEHandle);
    }
    if (gOffscreenNonverbalWindow && gOffscreenExtraNonverbalWindow) {
        CopyOffscreentoOffscreen(
            gOffscreenNonverbalWindow, gOffscreenExtraNonverbalWindow, &gNonverbalBoxRect, &gNonverbalBoxRect,
            GetPref(gThePreferences, kPrefMirror) != 0, GetPref(gThePreferences, kPrefFlip) != 0,
            GetPref(gThePreferences, kPrefRotation), 0, nullptr, 0, nullptr, nullptr, 0, nullptr, nullptr,
            false, 0);
        InPort port(GetWindowPort(myNonverbalWindow));
        const Rect whole = WorldBounds(gOffscreenExtraNonverbalWindow);
        CopyBitsUnchanged(gOffscreenExtraNonverbalWindow, GetWindowPort(myNonverbalWindow), &whole,
                          &gNonverbalBoxRect);
        const RGBColor back = Format().backColor;
        RGBBackColor(&back);
    }
    QDFlushPortBuffer(GetWindowPort(myNonverbalWindow), nullptr);
}

void NewNonverbalWindowSize(SInt16) {
    if (!myNonverbalWindow) return;
    InPort port(GetWindowPort(myNonverbalWindow));
    const RGBColor back = Format().backColor;
    RGBBackColor(&back);
    CreateNonverbalTextBox();
    PutNonverbalTextInBox();
}

void MoveNonverbalToDisplayPosition(bool show) {
    if (!myNonverbalWindow) return;
    if (RequiresOffscreens()) CreateOffscreenNonverbalWindows();
    GetNonverbalText();
    SInt32 height = 0;
    if (NonverbalWEHandle) {
        const SInt32 lines = WEOffsetToLine(WEGetTextLength(NonverbalWEHandle), NonverbalWEHandle) + 1;
        height = WEGetTextLength(NonverbalWEHandle) > 0 ? WEGetHeight(0, lines, NonverbalWEHandle) : 0;
    }
    const Rect prompter = GetWindowPlace(gPositionPreferences, kPlacePrompter);
    const bool flipped = gOffscreenScrollWindow && GetPref(gThePreferences, kPrefFlip);
    const SInt16 top = flipped ? SInt16(prompter.bottom - height) : prompter.top;
    const Rect moved = GetWindowPlace(gPositionPreferences, kPlaceNonverbalMoved);
    const SInt16 width = RectHeight(moved) != 0 ? RectWidth(moved) : RectWidth(prompter);
    // A window cannot be made zero high: with no text it is one pixel high and stays out of sight.
    SizeWindow(myNonverbalWindow, width, SInt16(std::max<SInt32>(height, 1)), false);
    MoveWindow(myNonverbalWindow, prompter.left, top, false);
    Rect global{};
    GetWindowBounds(myNonverbalWindow, kWindowContentRgn, &global);
    myNonverbalDevice = GetMaxDevice(&global);
    {
        InPort port(GetWindowPort(myNonverbalWindow));
        Rect content{};
        ContentRect(&content);
        ClipRect(&content);
        EraseRect(&content);
        InvalWindowRect(myNonverbalWindow, &content);
    }
    NewNonverbalWindowSize(0);
    if (height == 0)
        HideWindow(myNonverbalWindow);
    else if (show)
        ShowWindow(myNonverbalWindow);
    gWaitingForUpdate = true;
    gNonverbalHasntMoved = false;
}

void SetNonverbalWindowColor(const RGBColor* colour) {
    if (!myNonverbalWindow || !colour) return;
    InPort port(GetWindowPort(myNonverbalWindow));
    RGBBackColor(colour);
    Rect content{};
    ContentRect(&content);
    InvalWindowRect(myNonverbalWindow, &content);
    UpdateNonverbalWindow();
}

void CreateOffscreenNonverbalWindows() {
    DestroyOffscreenNonverbalWindows();
    if (!myNonverbalWindow) return;
    Rect box{};
    ContentRect(&box);
    gOffscreenNonverbalWindow = NewWorld(box);
    if (!gOffscreenNonverbalWindow) return;
    gOffscreenExtraNonverbalWindow = NewWorld(box);
    if (!gOffscreenExtraNonverbalWindow) {
        DisposeWorld(&gOffscreenNonverbalWindow);
        return;
    }
    myNonverbalWindowAlias = gOffscreenNonverbalWindow;
    InPort port(myNonverbalWindowAlias);
    const RGBColor back = Format().backColor;
    RGBBackColor(&back);
    EraseRect(&box);
}

void DestroyOffscreenNonverbalWindows() {
    DisposeWorld(&gOffscreenNonverbalWindow);
    DisposeWorld(&gOffscreenExtraNonverbalWindow);
    myNonverbalWindowAlias = myNonverbalWindow ? GetWindowPort(myNonverbalWindow) : nullptr;
}

void CheckNonverbalOffscreenSizes() {
    if (gOffscreenNonverbalWindow) CreateOffscreenNonverbalWindows();
}
