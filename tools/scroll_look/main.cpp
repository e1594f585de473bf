// The program as it runs, scrolling the instructions in the settings given on the command line, for a
// person (or a screenshot script) to look at: pacing mode 0-5, the output (upright, mirror, flip, turn or
// turn-back, or several joined, as mirror-turn), the background kind, the highlight kind at the cue and the
// information strip's kind, and with "stops" named bookmarks that the text stops at for two seconds after a
// start delay of two seconds.
// It starts the program normally, applies the settings, starts scrolling and prints "scrolling"; it quits
// on SIGTERM like the program.
//   scroll_look [pacing] [output] [background kind] [highlight kind] [strip kind] [stops]
#include "foundation/app_paths.h"
#include "platform/application.h"
#include "platform/resources.h"
#include "platform/single_instance.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "textengine/text_engine.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void ApplyOutput(const char* output) {
    PrefsRecord& p = gThePreferences;
    // "mirror-turn" and the like put several together.
    const std::string o = output;
    SetPref(p, kPrefMirror, o.find("mirror") != std::string::npos);
    SetPref(p, kPrefFlip, o.find("flip") != std::string::npos);
    SInt16 rotation = 0;
    if (o.find("turn") != std::string::npos) rotation = 1;
    if (o.find("turn-back") != std::string::npos) rotation = -1;
    SetPref(p, kPrefRotation, rotation);
}

// Bookmarks at the starts of a few lines, named, and the text stopping at each for two seconds.
void SetStops() {
    SetPref(gThePreferences, kPrefPauseAtBookmarks, 1);
    SetPref(gThePreferences, kPrefSecondsToPause, 2);
    const char* names[] = {"\x0A"
                           "First stop",
                           "\x0B"
                           "Second stop"};
    for (SInt16 slot = 0; slot < 2; ++slot) {
        SInt32 start = 0, end = 0;
        WEGetLineRange(8 + slot * 8, &start, &end, ScrollWEHandle);
        SetBookmark(slot, start, 0);
        SetBookmarkName(slot, reinterpret_cast<ConstStr255Param>(names[slot]));
    }
}

void Quit(void*) {
    gQuitting = true;
    QuitApplicationEventLoop();
}

} // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    gMainResFileNum = OpenResFile(ApplicationFolder() + "/Orvalis.rsrc", fsRdPerm);
    if (gMainResFileNum < 0) return 1;
    gLastResFile = gMainResFileNum;
    InstallQuitRequestHandler(Quit, nullptr);
    if (!StartUp()) return 1;
    PrefsRecord& p = gThePreferences;
    SetPref(p, kPrefPacingMode, SInt16(argc > 1 ? std::atoi(argv[1]) : 0));
    ApplyOutput(argc > 2 ? argv[2] : "upright");
    const SInt16 background = SInt16(argc > 3 ? std::atoi(argv[3]) : 0);
    SetPref(p, kPrefBackgroundKind, background);
    if (background) {
        // The picture fills the screen and the white text lies on it: its black back is left out.
        SetPref(p, kPrefPictureFillsArea, 1);
        SetPref(p, kPrefTextRectBackStyle, 2);
        TextFormatBlock format = GetPref(p, kPrefPrompterFormat);
        format.textColor = RGBColor{0xFFFF, 0xFFFF, 0xFFFF};
        format.backColor = RGBColor{0, 0, 0};
        SetPref(p, kPrefPrompterFormat, format);
    }
    const auto number = [&](int at) { return argc > at && std::isdigit(UInt8(argv[at][0])); };
    if (number(4)) SetPref(p, kPrefHighlightKind, SInt16(std::atoi(argv[4])));
    if (number(5)) SetPref(p, kPrefShowInformation, SInt16(std::atoi(argv[5])));
    SetPref(p, kPrefCueMarkerShown, 1);
    PutScrollTextInBox(false);
    SetPref(p, kPrefFullScreen, 1);
    const bool stops = std::strcmp(argv[argc - 1], "stops") == 0;
    if (stops) SetStops();
    StartScroll(1);
    if (stops)
        DelayScrollStart(2);
    else
        PauseOff(0);
    std::printf("scrolling\n");
    std::fflush(stdout);
    RunApplicationEventLoop();
    QuitProgram();
    InstallQuitRequestHandler(nullptr, nullptr);
    CloseResFile(gMainResFileNum);
    ShutdownPlatform();
    return 0;
}
