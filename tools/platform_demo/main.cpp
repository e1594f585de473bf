// A small program that shows the platform layer at work: two windows whose ports get shapes and text,
// one of them scrolling a script at 60 frames a second from a timer, the other moving a bar.
//   --seconds N      quit after N seconds
//   --screenshot P   before quitting, save the script window's port to P (and the shapes window's
//                    port beside it, with "-shapes" before the ending)
// Escape, Ctrl-Q or a close box quit too.
#include "platform/application.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/timers.h"
#include "platform/windows.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr SInt16 kScriptWidth = 640;
constexpr SInt16 kScriptHeight = 400;
constexpr SInt16 kShapesWidth = 300;
constexpr SInt16 kShapesHeight = 260;
constexpr SInt16 kCueMargin = 44; // the strip left of the text, where the cue arrow stays
constexpr SInt16 kScrollStep = 2; // pixels per frame
constexpr SInt16 kBarWidth = 40;
constexpr EventTimerInterval kFrame = kEventDurationSecond / 60;

const char* const kScript[] = {
    "Good evening, and welcome.", "Tonight: the platform layer,", "drawing straight into ports",
    "and scrolling sixty times",  "a second from a timer.",       "Windows, events and timers",
    "all share one thread.",      "Press Escape to stop.",        "",
};
constexpr long kScriptLines = long(sizeof kScript / sizeof kScript[0]);

const RGBColor kBlack{0, 0, 0};
const RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};
const RGBColor kAmber{0xFFFF, 0xB000, 0x0000};
const RGBColor kSky{0x3000, 0x8800, 0xFFFF};
const RGBColor kRose{0xE000, 0x3000, 0x6000};
const RGBColor kGrey{0x9000, 0x9000, 0x9000};

struct DemoState {
    WindowPtr script = nullptr;
    WindowPtr shapes = nullptr;
    SInt16 lineHeight = 1;
    SInt16 ascent = 0;
    long scrolled = 0; // pixels of the script scrolled away so far
    long frames = 0;
    std::string screenshot;
    RgnHandle exposed = nullptr;
    RgnHandle savedClip = nullptr;
    RgnHandle barArea = nullptr;
    EventLoopTimerRef animation = nullptr;
    EventLoopTimerRef finish = nullptr;
};
DemoState gDemo;

void DrawCString(const char* text) {
    Str255 s;
    SetPString(s, text);
    DrawString(s);
}

Rect ScriptTextArea() {
    return Rect{0, kCueMargin, kScriptHeight, kScriptWidth};
}
Rect BarTrack() {
    return Rect{SInt16(kShapesHeight - 36), 20, SInt16(kShapesHeight - 20), SInt16(kShapesWidth - 20)};
}

void UseScriptText() {
    TextFont(kFontHelvetica);
    TextFace(bold);
    TextSize(34);
    RGBForeColor(&kWhite);
    RGBBackColor(&kBlack);
}

// Draws the script lines that fall in the window rows [top, bottom), clipped to them, as the text
// stands after `scrolled` pixels; the lines repeat without end.
void DrawScriptRows(SInt16 top, SInt16 bottom) {
    Rect rows{top, kCueMargin, bottom, kScriptWidth};
    GetClip(gDemo.savedClip);
    ClipRect(&rows);
    long first = (gDemo.scrolled + top) / gDemo.lineHeight;
    long last = (gDemo.scrolled + bottom - 1) / gDemo.lineHeight;
    for (long line = first; line <= last; ++line) {
        MoveTo(SInt16(kCueMargin + 16), SInt16(line * gDemo.lineHeight - gDemo.scrolled + gDemo.ascent));
        DrawCString(kScript[line % kScriptLines]);
    }
    SetClip(gDemo.savedClip);
}

void DrawCueArrow() {
    RGBForeColor(&kAmber);
    PolyHandle arrow = OpenPoly();
    MoveTo(8, kScriptHeight / 2 - 14);
    LineTo(32, kScriptHeight / 2);
    LineTo(8, kScriptHeight / 2 + 14);
    LineTo(8, kScriptHeight / 2 - 14);
    ClosePoly();
    PaintPoly(arrow);
    KillPoly(arrow);
    RGBForeColor(&kWhite);
}

void DrawWholeScript() {
    SetPort(GetWindowPort(gDemo.script));
    UseScriptText();
    Rect all{0, 0, kScriptHeight, kScriptWidth};
    EraseRect(&all);
    DrawCueArrow();
    DrawScriptRows(0, kScriptHeight);
}

void DrawBar() {
    Rect track = BarTrack();
    RGBForeColor(&kGrey);
    FrameRect(&track);
    InsetRect(&track, 1, 1);
    RGBBackColor(&kWhite);
    EraseRect(&track);
    SInt16 travel = SInt16(RectWidth(track) - kBarWidth);
    long step = gDemo.frames % (2 * travel);
    SInt16 left = SInt16(track.left + (step < travel ? step : 2 * travel - step));
    Rect bar{track.top, left, track.bottom, SInt16(left + kBarWidth)};
    RGBForeColor(&kAmber);
    PaintRect(&bar);
}

void DrawShapes() {
    SetPort(GetWindowPort(gDemo.shapes));
    RGBBackColor(&kWhite);
    Rect all{0, 0, kShapesHeight, kShapesWidth};
    EraseRect(&all);
    PenNormal();
    RGBForeColor(&kBlack);
    Rect frame{12, 12, 120, 140};
    PenSize(3, 3);
    FrameRect(&frame);
    PenNormal();
    RGBForeColor(&kSky);
    Rect oval{24, 24, 108, 128};
    PaintOval(&oval);
    RGBForeColor(&kRose);
    Rect round{12, 160, 120, 288};
    PaintRoundRect(&round, 30, 30);
    RGBForeColor(&kBlack);
    for (SInt16 i = 0; i < 8; ++i) {
        MoveTo(SInt16(12 + i * 34), 136);
        LineTo(SInt16(30 + i * 34), 170);
    }
    TextFont(kFontTimes);
    TextFace(italic);
    TextSize(22);
    MoveTo(14, 204);
    DrawCString("Shapes, lines and text");
    DrawBar();
}

void SaveScreenshots() {
    if (gDemo.screenshot.empty()) return;
    Rect script{0, 0, kScriptHeight, kScriptWidth};
    if (WritePortToPNG(GetWindowPort(gDemo.script), &script, gDemo.screenshot.c_str()) != noErr)
        std::fprintf(stderr, "could not write %s\n", gDemo.screenshot.c_str());
    std::string shapesPath = gDemo.screenshot;
    size_t dot = shapesPath.rfind('.');
    shapesPath.insert(dot == std::string::npos ? shapesPath.size() : dot, "-shapes");
    Rect shapes{0, 0, kShapesHeight, kShapesWidth};
    if (WritePortToPNG(GetWindowPort(gDemo.shapes), &shapes, shapesPath.c_str()) != noErr)
        std::fprintf(stderr, "could not write %s\n", shapesPath.c_str());
}

// One frame: the script moves up by rows and only the uncovered strip is drawn; the bar moves and only
// its track is flushed.
void Animate(EventLoopTimerRef, void*) {
    ++gDemo.frames;
    SetPort(GetWindowPort(gDemo.script));
    UseScriptText();
    Rect text = ScriptTextArea();
    ScrollRect(&text, 0, -kScrollStep, gDemo.exposed);
    gDemo.scrolled += kScrollStep;
    Rect strip;
    GetRegionBounds(gDemo.exposed, &strip);
    DrawScriptRows(strip.top, strip.bottom);
    QDFlushPortBuffer(GetWindowPort(gDemo.script), nullptr);

    SetPort(GetWindowPort(gDemo.shapes));
    DrawBar();
    QDFlushPortBuffer(GetWindowPort(gDemo.shapes), gDemo.barArea);
}

void Finish(EventLoopTimerRef, void*) {
    SaveScreenshots();
    QuitApplicationEventLoop();
}

OSStatus HandleEvent(const PlatformEvent& event, void*) {
    switch (event.kind) {
    case EventKind::KeyDown:
        if (event.charCode == kEscapeCharCode ||
            ((event.modifiers & cmdKey) && (event.charCode | 0x20) == 'q')) {
            Finish(nullptr, nullptr);
            return noErr;
        }
        return eventNotHandledErr;
    case EventKind::WindowClose:
        Finish(nullptr, nullptr);
        return noErr;
    case EventKind::WindowUpdate:
        if (event.window == gDemo.script) DrawWholeScript();
        if (event.window == gDemo.shapes) DrawShapes();
        return noErr;
    default:
        return eventNotHandledErr;
    }
}

bool ParseArguments(int argc, char** argv, double* seconds) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            *seconds = std::atof(argv[++i]);
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            gDemo.screenshot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--seconds N] [--screenshot PATH]\n", argv[0]);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 0;
    if (!ParseArguments(argc, argv, &seconds)) return 2;
    InitPlatform(argc, argv);

    Str255 title;
    SetPString(title, "Script");
    Rect scriptBounds{80, 60, SInt16(80 + kScriptHeight), SInt16(60 + kScriptWidth)};
    gDemo.script = NewCWindow(nullptr, &scriptBounds, title, false, 0, kFirstWindowOfClass, true, 1);
    SetPString(title, "Shapes");
    Rect shapesBounds{80, 740, SInt16(80 + kShapesHeight), SInt16(740 + kShapesWidth)};
    gDemo.shapes = NewWindowOfClass(kFloatingWindowClass, &shapesBounds, title, 2);
    if (!gDemo.script || !gDemo.shapes) {
        std::fprintf(stderr, "could not make the windows\n");
        return 1;
    }
    gDemo.exposed = NewRgn();
    gDemo.savedClip = NewRgn();
    gDemo.barArea = NewRgn();
    Rect track = BarTrack();
    RectRgn(gDemo.barArea, &track);

    SetPort(GetWindowPort(gDemo.script));
    UseScriptText();
    FontInfo info;
    GetFontInfo(&info);
    gDemo.ascent = info.ascent;
    gDemo.lineHeight = SInt16(info.ascent + info.descent + info.leading + 10);
    DrawWholeScript();
    DrawShapes();

    InstallApplicationEventHandler(&HandleEvent, nullptr);
    ShowWindow(gDemo.script);
    ShowWindow(gDemo.shapes);
    InstallEventLoopTimer(kFrame, kFrame, &Animate, nullptr, &gDemo.animation);
    if (seconds > 0) InstallEventLoopTimer(seconds, 0, &Finish, nullptr, &gDemo.finish);

    RunApplicationEventLoop();

    RemoveEventLoopTimer(gDemo.animation);
    if (gDemo.finish) RemoveEventLoopTimer(gDemo.finish);
    DisposeRgn(gDemo.exposed);
    DisposeRgn(gDemo.savedClip);
    DisposeRgn(gDemo.barArea);
    DisposeWindow(gDemo.script);
    DisposeWindow(gDemo.shapes);
    std::printf("%ld frames\n", gDemo.frames);
    ShutdownPlatform();
    return 0;
}
