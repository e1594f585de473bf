// The program's start: the platform, the hand-over to a copy that already runs, the initialisation of every
// service in its fixed order, the prompter and the start-up document, the handlers, the mode and the timer;
// then the event loop and the quit.
#include "shell/startup.h"

#include "foundation/app_paths.h"
#include "foundation/app_utils.h"
#include "foundation/cursors.h"
#include "foundation/error_dialog.h"
#include "foundation/keyword_dictionary.h"
#include "foundation/machine_features.h"
#include "foundation/menu_bar_and_menus.h"
#include "foundation/program_strings.h"
#include "foundation/script_file_checks.h"
#include "foundation/small_math.h"
#include "macros/macro_services.h"
#include "macros/standard_macro_files.h"
#include "media/media_services.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/display_frames.h"
#include "platform/folders.h"
#include "platform/resources.h"
#include "platform/single_instance.h"
#include "platform/speech.h"
#include "prefs/prefs_fields.h"
#include "resource_names.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/desktop_events.h"
#include "shell/event_handlers.h"
#include "shell/loop_timer.h"
#include "shell/menus.h"
#include "shell/mode_switching.h"
#include "shell/printing.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"

#include <cstdio>
#include <filesystem>
#include <functional>

Handle gToolbarButtonList = nullptr;
EventHandlerRef gAppEventHandler = nullptr;

namespace {

// The scroll's frames follow the display's frame counter where the platform offers one, else the precise
// loop timer. Said once, so that a user chasing a judder knows which clock drives the frames.
void LogFramePacing(const FramePacingChoice& choice) {
    static bool said = false;
    if (said) return;
    said = true;
    if (choice.pacing == FramePacing::kDisplayFrames)
        std::fprintf(stderr, "Orvalis: scroll frames paced by the display's frame counter (%s)\n",
                     choice.reason);
    else
        std::fprintf(stderr, "Orvalis: scroll frames paced by the precise 1/60 s timer (%s)\n",
                     choice.reason);
}

constexpr SInt16 kPictSequenceNameItem = 36;
constexpr SInt16 kMovieNameItem = 37;
constexpr SInt16 kLastStandardMacroFile = 42;
constexpr SInt16 kStartupMacro = 34;
constexpr SInt16 kSecondStartupMacro = 36;
constexpr SInt16 kThirdStartupMacro = 39;

enum : SInt16 {
    kStartupInstructions = 2,
    kStartupLastFile = 3,
    kStartupEmpty = 4,
    kStartupInstructionsScrolling = 5,
    kStartupLastFileAtTop = 6,
};

void HandFilesToOpen(const std::vector<std::string>& files, const HandOverRefusals& refused, void*) {
    if (!files.empty()) OpenDocumentsEvent(files);
    if (refused.cutOff) {
        ReportRefusal(kRefusedHandOverText, {"", "", ""}, "A request to open files was too long to read.");
    } else if (refused.filesLeftOut > 0) {
        const std::string count = std::to_string(refused.filesLeftOut);
        ReportRefusal(kRefusedHandedFilesText,
                      {std::to_string(kMaxHandedPathBytes), count, std::to_string(kMaxHandedFiles)},
                      count + " files handed over were not opened.");
    }
}

void QuitRequested(void*) {
    HandleQuitApp();
}

// Stored values 0 and 1 come from older versions, which read them as "nothing" and "the instructions".
SInt16 StartupDocumentAction() {
    const SInt16 action = GetPref(gThePreferences, kPrefStartupAction);
    if (action >= kStartupInstructions) return action;
    const SInt16 rewritten = action == 0 ? kStartupEmpty : kStartupInstructionsScrolling;
    SetPref(gThePreferences, kPrefStartupAction, rewritten);
    return rewritten;
}

void LoadStartupDocument() {
    SetMyScriptsPath();
    switch (StartupDocumentAction()) {
    case kStartupInstructions:
        ShowInstructions(0);
        break;
    case kStartupLastFile:
        ReloadLastFile(1);
        break;
    case kStartupInstructionsScrolling:
        ShowInstructions(1);
        break;
    case kStartupLastFileAtTop:
        ReloadLastFile(0);
        break;
    default:
        break;
    }
}

void OpenStartupWindows() {
    SetScrollWindowToNormal();
    if (GetPref(gThePreferences, kPrefSeparateEditWindow)) OpenTextEditWindow();
    if (GetPref(gThePreferences, kPrefHideBackground)) OpenHideBackgroundWindow();
}

void RunStartupMacros() {
    if (GetPref(gThePreferences, kPrefSkipStartupMacro34) == 0) RunMacroByID(kStartupMacro);
    if (GetPref(gThePreferences, kPrefSkipStartupMacro36) == 0)
        RunMacroByID(kSecondStartupMacro);
    else if (GetPref(gThePreferences, kPrefSkipStartupMacro39) == 0)
        RunMacroByID(kThirdStartupMacro);
    gNextTimedMacroTime =
        GetPref(gThePreferences, kPrefTimedMacrosOff) ? 0 : GetNextTimedMacro(gTimedMacroName);
}

void LoadExportNames() {
    GetOrvalisString(kProgramTexts, kPictSequenceNameItem, gPictSequenceName);
    GetOrvalisString(kProgramTexts, kMovieNameItem, gMovieName);
    gPictSequencePath.clear();
    gMoviePath.clear();
    gMusicPath.clear();
}

} // namespace

void Initialize() {
    CheckMachineFeatures();
    LoadCursors();
    SetThisCursor(-1);
    InitAEHandlers();
    InitSounds();
    Initialize_Printing();
    InitApputils();
    InitMovies();
    gMBarHidden = false;
    const GDHandle main = GetMainDevice();
    gRealMBarHeight = SInt16(GetAvailableBounds(main).top - GetDeviceBounds(main).top);

    LoadPreferenceRecords();
    // A seed from the clock, so that each run draws its own random sequence.
    SetRandomSeed(CurrentDateTime());

    GetOVPaths();
    for (SInt16 n = 1; n <= kLastStandardMacroFile; ++n)
        VerifyFileAExists(n);
    OpenPatchFiles();
    LoadExportNames();
    InitializeDictionary();
    InitializeMacros();
}

bool StartUp() {
    Initialize();
    SetUpMenus();
    OpenScrollWindow();
    if (!myScrollWindow) return false;
    OpenStartupWindows();
    InitTimers();
    gTimerRunning = true;
    LoadStartupDocument();
    if (GetPref(gThePreferences, kPrefBookmarkWindowOpen)) OpenBookmarkWindow();
    if (GetPref(gThePreferences, kPrefToolbarOpen)) OpenToolbarWindow();
    if (!gChan) gChan = NewSpeechChannel();
    MakeMeTheFrontProcess();
    if (!gAppEventHandler) gAppEventHandler = InstallApplicationEventHandler(MyAppEventHandler, nullptr);
    // The display is looked at while the program starts; the scroll's timer follows its frames once chosen.
    ChooseFramePacingSoon(&LogFramePacing);
    if (GetPref(gThePreferences, kPrefStartScrolling))
        StartScroll(kScrollOn);
    else
        StartEdit();
    // Entering scroll mode installs the faster timer itself.
    if (!gTheTimer) InstallLoopTimer(kEditTimerInterval);
    RunStartupMacros();
    return true;
}

OSStatus MakeMeTheFrontProcess() {
    if (WindowPtr front = FrontNonFloatingWindow()) SelectWindow(front);
    return noErr;
}

SingleInstanceResult ClaimProgramInstance(const std::vector<std::string>& files) {
    return ClaimSingleInstance(SingleInstanceKey(), files, HandFilesToOpen, nullptr);
}

std::string SingleInstanceKey() {
    char key[24];
    std::snprintf(key, sizeof key, "%zx", std::hash<std::string>{}(PreferencesFolder()));
    return key;
}

std::vector<std::string> CommandLineFiles(int argc, char** argv) {
    std::vector<std::string> files;
    std::error_code error;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i] || argv[i][0] == '-' || argv[i][0] == 0) continue;
        // A later start may run in another folder than the copy that opens its files.
        const std::filesystem::path path = std::filesystem::absolute(argv[i], error);
        files.push_back(error ? std::string(argv[i]) : path.lexically_normal().string());
    }
    return files;
}

int OrvalisMain(int argc, char** argv) {
    const std::vector<std::string> files = CommandLineFiles(argc, argv);
    InitPlatform(argc, argv);
    SetErrorMessageLogging(IsPlatformHeadless());
    if (ClaimProgramInstance(files) == kHandedToRunningCopy) {
        ShutdownPlatform();
        return 0;
    }
    const std::string path = ApplicationFolder() + "/Orvalis.rsrc";
    gMainResFileNum = OpenResFile(path, fsRdPerm);
    if (gMainResFileNum < 0) {
        std::fprintf(stderr, "Orvalis: cannot open its resource file %s (error %d)\n", path.c_str(),
                     ResError());
        ReleaseSingleInstance();
        ShutdownPlatform();
        return 1;
    }
    gLastResFile = gMainResFileNum;
    InstallQuitRequestHandler(QuitRequested, nullptr);

    if (StartUp()) {
        if (!files.empty()) OpenDocumentsEvent(files);
        RunApplicationEventLoop();
        QuitProgram();
    } else {
        CloseProgram();
    }

    InstallQuitRequestHandler(nullptr, nullptr);
    ReleaseSingleInstance();
    CloseResFile(gMainResFileNum);
    ShutdownPlatform();
    return 0;
}
