// The program as it runs, scrolling the instructions in the settings given on the command line, for a
// person (or a screenshot script) to look at: pacing mode 0-5, the output (upright, mirror, flip, turn or
// turn-back), the background kind, the highlight kind at the cue and the information strip's kind. It
// starts the program normally, applies the settings, starts scrolling and prints "scrolling"; it quits on
// SIGTERM like the program.
//   scroll_look [pacing] [output] [background kind] [highlight kind] [strip kind]
#include "foundation/app_paths.h"
#include "platform/application.h"
#include "platform/resources.h"
#include "platform/single_instance.h"
#include "prefs/prefs_fields.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void ApplyOutput(const char* output) {
    PrefsRecord& p = gThePreferences;
    SetPref(p, kPrefMirror, std::strcmp(output, "mirror") == 0);
    SetPref(p, kPrefFlip, std::strcmp(output, "flip") == 0);
    SInt16 rotation = 0;
    if (std::strcmp(output, "turn") == 0) rotation = 1;
    if (std::strcmp(output, "turn-back") == 0) rotation = -1;
    SetPref(p, kPrefRotation, rotation);
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
    if (argc > 4) SetPref(p, kPrefHighlightKind, SInt16(std::atoi(argv[4])));
    if (argc > 5) SetPref(p, kPrefShowInformation, SInt16(std::atoi(argv[5])));
    SetPref(p, kPrefCueMarkerShown, 1);
    PutScrollTextInBox(false);
    SetPref(p, kPrefFullScreen, 1);
    StartScroll(1);
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
