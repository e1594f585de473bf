// A window showing the text engine's styled text for a person to look at: faces, colours, underlines and
// strike lines in their own colours, a drop shadow, tab stops of every kind and a justified paragraph.
// It quits by itself after the number of seconds given as its argument (8 by default).
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
#include "shell/text_effect_globals.h"

#include <cstdlib>
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

} // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 8.0;
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
    WENew(&dest, &view, 0, &we);
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
        {" next to small ones.", 0, black, 18},
    };
    AppendPieces(we, pieces, int(sizeof(pieces) / sizeof(pieces[0])));
    WESetAlignment(2, we);
    WECalText(we);
    WEUpdate(nullptr, we);
    QDFlushPortBuffer(GetWindowPort(window), nullptr);

    EventLoopTimerRef quit = nullptr;
    InstallEventLoopTimer(seconds, 0, Quit, nullptr, &quit);
    RunApplicationEventLoop();
    WEDispose(we);
    DisposeHandle(gTabList);
    gTabList = nullptr;
    DisposeWindow(window);
    ShutdownPlatform();
    return 0;
}
