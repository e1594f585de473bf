// The prompter window for a person to look at: it opens with a script in edit mode, switches to scroll
// mode (in capitals), goes full screen mirrored, and comes back to edit mode in its own place. Each step
// waits `step` seconds (the first argument, 2 by default) and prints its name, so that a script can take a
// picture of the screen between steps. The script is the file given as the second argument; a third
// argument sets the background kind (1 the picture file, 2 to 6 the animated kinds' stills).
#include "foundation/app_paths.h"
#include "platform/application.h"
#include "platform/events.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "platform/timers.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Say(const char* step) {
    std::printf("%s\n", step);
    std::fflush(stdout);
}

void LoadScript(const char* path) {
    std::vector<UInt8> bytes;
    if (!path || ReadWholeFile(path, bytes) != noErr) return;
    std::string text =
        Utf8ToMacRoman(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    for (char& c : text)
        if (c == '\n') c = '\r';
    PtrToHand(text.data(), &myTextResource, Size(text.size()));
}

int gStep = 0;

void NextStep(EventLoopTimerRef, void*) {
    switch (gStep++) {
    case 0:
        Say("edit");
        break;
    case 1:
        SetPref(gThePreferences, kPrefScrollInCapitals, 1);
        StartScroll(1);
        Say("scroll");
        break;
    case 2:
        SetPref(gThePreferences, kPrefFullScreen, 1);
        SetPref(gThePreferences, kPrefMirror, 1);
        RegisterPrefChanges();
        Say("fullscreen");
        break;
    case 3:
        StopScroll();
        Say("back");
        break;
    default:
        QuitApplicationEventLoop();
        break;
    }
}

} // namespace

int main(int argc, char** argv) {
    InitPlatform(argc, argv);
    const double step = argc > 1 ? std::atof(argv[1]) : 2.0;
    const ResFileRefNum resources = OpenResFile(ApplicationFolder() + "/Orvalis.rsrc", fsRdPerm);
    if (resources <= 0) return 1;
    CopyPreferences(&gDefaultPreferences, &gThePreferences);
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.size = 40;
    format.textColor = RGBColor{0xFFFF, 0xFFFF, 0xFFFF};
    format.backColor = RGBColor{0, 0, 0x3333};
    SetPref(gThePreferences, kPrefPrompterFormat, format);
    SetPref(gThePreferences, kPrefFullScreen, 0);
    SetPref(gThePreferences, kPrefMirror, 0);
    SetWindowPlace(gPositionPreferences, kPlacePrompter, Rect{80, 60, 560, 860});
    LoadScript(argc > 2 ? argv[2] : nullptr);
    if (argc > 3) {
        GetOVPaths();
        SetPref(gThePreferences, kPrefBackgroundKind, SInt16(std::atoi(argv[3])));
        SetPref(gThePreferences, kPrefPictureFillsArea, 1);
        // The text's back colour is left out of the composed frame, so the background shows around it.
        SetPref(gThePreferences, kPrefTextRectBackStyle, 2);
    }
    gEditOn = 1;
    OpenScrollWindow();
    if (!myScrollWindow) return 1;
    PutScrollTextInBox(false);
    EventLoopTimerRef timer = nullptr;
    InstallEventLoopTimer(step, step, NextStep, nullptr, &timer);
    RunApplicationEventLoop();
    RemoveEventLoopTimer(timer);
    RemoveLoopTimer();
    CloseScrollWindow();
    CloseResFile(resources);
    ShutdownPlatform();
    return 0;
}
