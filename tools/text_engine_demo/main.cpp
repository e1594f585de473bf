// A window showing the text engine's styled text for a person to look at and edit: faces, colours,
// underlines and strike lines in their own colours, a drop shadow, tab stops of every kind and a justified
// paragraph. Click to place the caret, shift-click or drag to select, type, backspace and delete; command-B
// bolds, command-I slants, command-R reddens the selection, command-Z undoes and redoes; the arrows move
// and scroll. It quits by itself after the number of seconds given as its first argument (8 by default);
// with "script" as the second argument it edits itself step by step and prints "SHOT name" after each
// step, for screenshots.
#include "textengine/engine_internal.h"

#include "platform/application.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "shell/shell_globals.h"
#include "textengine/text_effect_globals.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};

struct Piece {
    const char* text;
    UInt8 face;
    RGBColor color;
    SInt16 size;
};

void AppendPieces(WEReference we, const Piece* pieces, int count) {
    for (int i = 0; i < count; i++) {
        const SInt32 start = RecordOf(we).textLength;
        const SInt32 length = SInt32(std::string(pieces[i].text).size());
        _WEInsertText(start, pieces[i].text, length, we);
        WETextStyle style;
        style.font = kFontTimes;
        style.face = pieces[i].face;
        style.size = pieces[i].size;
        style.color = pieces[i].color;
        _WESetStyleRange(start, start + length, weDoAll, &style, we);
    }
}

void SetTabStops() {
    gTabList = NewHandleClear(sizeof(TabList));
    auto* list = reinterpret_cast<TabList*>(*gTabList);
    const SInt16 kinds[] = {0, 1, 2, 3};
    const SInt16 positions[] = {60, 330, 560, 700};
    list->count = 4;
    for (int i = 0; i < 4; i++) {
        list->kinds[i] = kinds[i];
        list->positions[i] = positions[i];
    }
}

void Quit(EventLoopTimerRef, void*) {
    QuitApplicationEventLoop();
}

WEReference gText = nullptr;
WindowPtr gWindow = nullptr;

void Flush() {
    QDFlushPortBuffer(GetWindowPort(gWindow), nullptr);
}

void ApplyStyle(UInt16 mode, UInt8 face, const RGBColor& color) {
    WETextStyle style;
    style.face = face;
    style.color = color;
    WESetStyle(mode, &style, gText);
}

// Command keys edit; every other key goes to the text.
void HandleKey(const PlatformEvent& event) {
    if (event.modifiers & cmdKey) {
        switch (event.charCode | 0x20) {
        case 'z':
            WEUndo(gText);
            return;
        case 'b':
            ApplyStyle(weDoFace | weDoToggleFace, kWEBold, RGBColor{});
            return;
        case 'i':
            ApplyStyle(weDoFace | weDoToggleFace, kWEItalic, RGBColor{});
            return;
        case 'r':
            ApplyStyle(weDoColor, 0, RGBColor{0xDDDD, 0, 0});
            return;
        default:
            break;
        }
    }
    WEKey(event.charCode, event.modifiers, gText);
}

// A click places the caret, a shift-click or a drag moves the selection's far end.
void HandleMouse(const PlatformEvent& event) {
    const LongPoint point{event.localPoint.v, event.localPoint.h};
    const SInt32 offset = WEGetOffset(&point, nullptr, gText);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, gText);
    const bool extend = event.kind == EventKind::MouseDragged || (event.modifiers & shiftKey);
    const SInt32 anchor = (RecordOf(gText).stateBits & kWEStateAnchorIsEnd) ? end : start;
    if (extend)
        WESetSelection(anchor, offset, 0, gText);
    else
        WESetSelection(offset, offset, 0, gText);
}

OSStatus HandleWindowEvent(const PlatformEvent& event, void*) {
    switch (event.kind) {
    case EventKind::KeyDown:
    case EventKind::KeyRepeat:
        HandleKey(event);
        break;
    case EventKind::MouseDown:
    case EventKind::MouseDragged:
        HandleMouse(event);
        break;
    case EventKind::WindowUpdate:
        WEUpdate(nullptr, gText);
        break;
    default:
        return eventNotHandledErr;
    }
    Flush();
    return noErr;
}

void Blink(EventLoopTimerRef, void*) {
    WEIdle(nullptr, gText);
    Flush();
}

// The scripted session: each step posts its input, and the next tick reports it done.
struct Step {
    const char* name;
    void (*post)();
};

// Special keys are told apart by their key codes, as a keyboard sends them.
UInt8 KeyCodeOf(char c) {
    switch (c) {
    case kBackspaceCharCode:
        return kKeyDelete;
    case kUpArrowCharCode:
        return kKeyUp;
    case kDownArrowCharCode:
        return kKeyDown;
    default:
        return kKeyUnknown;
    }
}

void PostKeys(const char* keys, UInt16 modifiers = 0) {
    for (const char* k = keys; *k; k++)
        PostKeyEvent(gWindow, EventKind::KeyDown, UInt8(*k), KeyCodeOf(*k), modifiers);
}
void PostClick(SInt16 h, SInt16 v, UInt16 modifiers = 0) {
    PostMouseEvent(gWindow, EventKind::MouseDown, Point{v, h}, modifiers);
    PostMouseEvent(gWindow, EventKind::MouseUp, Point{v, h}, modifiers);
}

const Step kSteps[] = {
    {"styled", [] {}},
    {"click", [] { PostClick(300, 40); }},
    {"select", [] { PostClick(520, 130, shiftKey); }},
    {"restyled",
     [] {
         PostKeys("b", cmdKey);
         PostKeys("r", cmdKey);
     }},
    {"typed",
     [] {
         PostClick(140, 40);
         PostKeys("Hello, prompter! ");
     }},
    {"deleted", [] { PostKeys("\b\b\b\b\b\b\b\b\b\b"); }},
    {"undone", [] { PostKeys("z", cmdKey); }},
    {"redone", [] { PostKeys("z", cmdKey); }},
    {"scrolled",
     [] {
         for (int i = 0; i < 18; i++)
             PostKeys("\x1F");
     }},
    {"scrolled-back",
     [] {
         for (int i = 0; i < 5; i++)
             PostKeys("\x1E");
     }},
};
size_t gStep = 0;
bool gStepPosted = false;

void RunScript(EventLoopTimerRef, void*) {
    if (gStep >= sizeof(kSteps) / sizeof(kSteps[0])) {
        QuitApplicationEventLoop();
        return;
    }
    if (!gStepPosted) {
        kSteps[gStep].post();
        gStepPosted = true;
        return;
    }
    // The caret is shown for the picture whenever nothing is selected.
    if (!(RecordOf(gText).stateBits & kWEStateCaretShown)) WEIdle(nullptr, gText);
    SInt32 start, end;
    WEGetSelection(&start, &end, 0, gText);
    if (start == end && !(RecordOf(gText).stateBits & kWEStateCaretShown)) _WEBlinkCaret(gText);
    Flush();
    std::printf("SHOT %s\n", kSteps[gStep].name);
    std::fflush(stdout);
    gStep++;
    gStepPosted = false;
}

} // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 8.0;
    const bool scripted = argc > 2 && std::strcmp(argv[2], "script") == 0;
    const Rect bounds{40, 40, 640, 880};
    Str255 title;
    SetPString(title, "Styled text");
    WindowPtr window = NewCWindow(nullptr, &bounds, title, true, 0, kFirstWindowOfClass, false, 0);
    if (!window) return 1;
    SetPort(GetWindowPort(window));
    RGBBackColor(&kWhite);
    const Rect all{0, 0, 600, 840};
    EraseRect(&all);

    gDropColor = kColorFollowsText;
    gDropWidth = gDropHeight = 8 << 16;
    gDropBlur = 2;
    gStrikeColor = RGBColor{0xDDDD, 0, 0};
    gStrikeCount = 2;
    gUnderlineColor = RGBColor{0, 0x6666, 0xFFFF};
    gUnderlineCount = 2;
    SetTabStops();

    TextFont(kFontTimes);
    TextSize(28);
    LongRect dest{20, 20, 20, 820};
    LongRect view{20, 20, 580, 820};
    WEReference we = nullptr;
    WENew(&dest, &view, (1u << weFAutoScroll) | (1u << weFUndo), &we);
    gText = we;
    gWindow = window;
    const RGBColor black{0, 0, 0}, red{0xCCCC, 0, 0}, green{0, 0x8888, 0}, blue{0, 0, 0xCCCC},
        purple{0x8888, 0, 0xAAAA};
    const Piece pieces[] = {
        {"Plain, ", 0, black, 28},
        {"bold, ", kWEBold, black, 28},
        {"italic, ", kWEItalic, blue, 28},
        {"underlined, ", kWEUnderline, black, 28},
        {"struck out, ", kWEStrikeOut, black, 28},
        {"shadowed", kWEShadow | kWEBold, red, 28},
        {" and ", 0, black, 28},
        {"condensed", kWECondensed, green, 28},
        {" or ", 0, black, 28},
        {"extended.\r", kWEExtended, purple, 28},
        {"\tleft\tcentre\tright\t12.75\r", 0, black, 24},
        {"\tone\ttwo hundred\tthree\t1024.5\r", kWEItalic, blue, 24},
        {"A justified paragraph spreads its words over the whole width of the view, line after line, "
         "until its last line, which keeps its natural spacing like any other.\r",
         0, black, 26},
        {"Big green words", kWEBold, green, 44},
        {" next to small ones.\r", 0, black, 18},
        {"More lines follow, so that the arrow keys have somewhere to scroll to.\r", 0, black, 28},
        {"Line seven of the script.\rLine eight of the script.\rLine nine of the script.\r", kWEItalic, blue,
         28},
        {"Line ten.\rLine eleven.\rLine twelve.\rLine thirteen.\rLine fourteen.\rThe end.", 0, black, 28},
    };
    AppendPieces(we, pieces, int(sizeof(pieces) / sizeof(pieces[0])));
    WESetAlignment(2, we);
    WECalText(we);
    WEUpdate(nullptr, we);
    WEActivate(we);
    QDFlushPortBuffer(GetWindowPort(window), nullptr);
    InstallWindowEventHandler(window, HandleWindowEvent, nullptr);

    EventLoopTimerRef quit = nullptr, blink = nullptr, script = nullptr;
    InstallEventLoopTimer(seconds, 0, Quit, nullptr, &quit);
    if (scripted)
        InstallEventLoopTimer(1.0, 0.7, RunScript, nullptr, &script);
    else
        InstallEventLoopTimer(0.1, 0.1, Blink, nullptr, &blink);
    RunApplicationEventLoop();
    if (blink) RemoveEventLoopTimer(blink);
    if (script) RemoveEventLoopTimer(script);
    WEDispose(we);
    DisposeHandle(gTabList);
    gTabList = nullptr;
    DisposeWindow(window);
    ShutdownPlatform();
    return 0;
}
