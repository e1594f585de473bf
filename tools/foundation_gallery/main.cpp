// A window that shows the foundation's drawing helpers for a person to look at: strings laid out in
// boxes in every alignment, a rubber band being dragged and a colour menu drawn in program colours.
// It quits by itself after the number of seconds given as its argument (8 by default).
#include "foundation/color_menu_items.h"
#include "foundation/program_colors.h"
#include "foundation/program_strings.h"
#include "foundation/string_drawing.h"
#include "platform/application.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/text_drawing.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "shell/rect_tracking.h"

#include <cstdlib>
#include <string>

namespace {

constexpr RGBColor kBlack{0, 0, 0};
constexpr RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};
constexpr RGBColor kPanel{0xEEEE, 0xEEEE, 0xEEEE};
constexpr RGBColor kMenuBack{0xA0A0, 0xA0A0, 0xA0A0};

WindowPtr gWindow = nullptr;

void Label(SInt16 x, SInt16 y, const char* text) {
    TextFont(kFontHelvetica);
    TextFace(bold);
    TextSize(13);
    RGBForeColor(&kBlack);
    DrawAText(x, y, text, kAlignLeft);
    TextFace(normal);
}

void DrawAlignmentBoxes() {
    const char* kSample =
        "Orvalis keeps the script moving at the pace you set, so the speaker can look up and talk.";
    struct Box {
        const char* title;
        SInt16 alignment;
        bool centre;
    } boxes[] = {
        {"0 left", kAlignLeft, false},
        {"1 right", kAlignRight, false},
        {"2 centre", kAlignCentre, false},
        {"3 justified", kAlignJustified, false},
        {"4 left, words broken", kAlignLeftBreakingWords, false},
        {"centred, one line", kAlignCentre, true},
    };
    Str255 s;
    for (int i = 0; i < 6; ++i) {
        const SInt16 left = SInt16(20 + (i % 3) * 215), top = SInt16(50 + (i / 3) * 170);
        Label(left, SInt16(top - 8), boxes[i].title);
        Rect box{top, left, SInt16(top + 140), SInt16(left + 200)};
        RGBForeColor(&kPanel);
        PaintRect(&box);
        RGBForeColor(&kBlack);
        FrameRect(&box);
        InsetRect(&box, 4, 4);
        TextFont(kFontTimes);
        TextSize(16);
        if (boxes[i].alignment == kAlignLeftBreakingWords)
            SetPString(s, "Teleprompting: unbelievablylongwordsbreakhere too.");
        else if (boxes[i].centre)
            SetPString(s, "Ready to scroll");
        else
            SetPString(s, kSample);
        DrawStringInBox(&box, s, boxes[i].alignment, 100, boxes[i].centre);
    }
}

void DrawColourMenu(MenuRef menu) {
    const SInt16 left = 690, top = 50, width = 170, row = 18;
    Label(left, SInt16(top - 8), "Colour menu");
    const UInt16 count = CountMenuItems(menu);
    Rect panel{top, left, SInt16(top + count * row + 8), SInt16(left + width)};
    RGBForeColor(&kMenuBack);
    PaintRect(&panel);
    RGBForeColor(&kBlack);
    FrameRect(&panel);
    for (UInt16 item = 1; item <= count; ++item) {
        Rect text{SInt16(top + 4 + (item - 1) * row), SInt16(left + 10), SInt16(top + 4 + item * row),
                  SInt16(left + width - 4)};
        Str255 name;
        GetMenuItemText(menu, item, name);
        if (name[0] == 1 && name[1] == '-') {
            RGBForeColor(&kBlack);
            MoveTo(SInt16(left + 4), SInt16((text.top + text.bottom) / 2));
            LineTo(SInt16(left + width - 5), SInt16((text.top + text.bottom) / 2));
            continue;
        }
        DrawColorMenuItem(menu, item, &text);
    }
}

MenuRef MakeColourMenu() {
    MenuRef menu = nullptr;
    if (CreateNewMenu(200, 0, &menu) != noErr || !menu) return nullptr;
    Str255 name;
    auto append = [&](const char* text) {
        SetPString(name, text);
        AppendMenuItemText(menu, name);
    };
    for (SInt16 item = 1; item <= 6; ++item) {
        if (!GetOrvalisString(1001, item, name)) SetPString(name, "?");
        AppendMenuItemText(menu, name);
    }
    append("-");
    append("Default Colour");
    append("More Colours");
    for (SInt16 item = 7; item <= 20; ++item) {
        if (!GetOrvalisString(1001, item, name)) break;
        AppendMenuItemText(menu, name);
    }
    return menu;
}

void ReleaseMouse(EventLoopTimerRef, void*) {
    PostMouseEvent(gWindow, EventKind::MouseUp, Point{560, 520}, 0);
}

void Quit(EventLoopTimerRef, void*) {
    QuitApplicationEventLoop();
}

} // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 8.0;
    const std::string resources = ApplicationFolder() + "/Orvalis.rsrc";
    const ResFileRefNum resourceFile = OpenResFile(resources, fsRdPerm);
    if (resourceFile <= 0) return 1;

    const Rect bounds{40, 40, 640, 920};
    Str255 title;
    SetPString(title, "Foundation gallery");
    gWindow = NewCWindow(nullptr, &bounds, title, true, 0, kFirstWindowOfClass, false, 0);
    if (!gWindow) return 1;
    SetPort(GetWindowPort(gWindow));
    RGBBackColor(&kWhite);
    const Rect all{0, 0, 600, 880};
    EraseRect(&all);

    DrawAlignmentBoxes();
    MenuRef menu = MakeColourMenu();
    if (menu) DrawColourMenu(menu);
    Label(20, 410, "Rubber band (dragging)");
    const Rect area{420, 20, 590, 640};
    RGBForeColor(&kPanel);
    PaintRect(&area);
    RGBForeColor(&kBlack);
    FrameRect(&area);
    QDFlushPortBuffer(GetWindowPort(gWindow), nullptr);
    ProcessPendingEvents();

    // A drag from the top-left of the band to its far corner, released halfway through the run so that
    // a screenshot taken before then shows the band as the user sees it while dragging.
    PostMouseEvent(gWindow, EventKind::MouseDown, Point{450, 60}, 0);
    PostMouseEvent(gWindow, EventKind::MouseDragged, Point{560, 520}, 0);
    EventLoopTimerRef release = nullptr, quit = nullptr;
    InstallEventLoopTimer(seconds / 2, 0, ReleaseMouse, nullptr, &release);
    InstallEventLoopTimer(seconds, 0, Quit, nullptr, &quit);
    Rect band{};
    NewRubberRect(gWindow, kRubberInWindow, Point{450, 60}, &band, &area, false, false);

    RunApplicationEventLoop();
    if (menu) DisposeMenu(menu);
    DisposeWindow(gWindow);
    CloseResFile(resourceFile);
    ShutdownPlatform();
    return 0;
}
