// Small services of the shell: the running-time clock switches, the scripts folder, the key test, the
// save dialogs started by kind, closing every tool window, the window titles and the speech channel.
#include "shell/shell_services.h"

#include "ebook/ebook_windows.h"
#include "effects/effect_windows.h"
#include "foundation/app_paths.h"
#include "foundation/cursors.h"
#include "foundation/file_dialogs.h"
#include "foundation/program_strings.h"
#include "macros/macro_services.h"
#include "macros/macro_windows.h"
#include "media/media_services.h"
#include "media/media_windows.h"
#include "platform/events.h"
#include "platform/pstring.h"
#include "platform/speech.h"
#include "platform/text_encoding.h"
#include "resource_names.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/menus.h"
#include "shell/periodic_timer.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "texttools/help_window.h"
#include "texttools/text_tool_windows.h"

#include <string>

namespace {

std::string ProgramText(SInt16 index) {
    Str255 text;
    return GetOrvalisString(kProgramTexts, index, text) ? std::string(PStringView(text)) : std::string();
}

struct SaveKindDialog {
    SInt16 prompt; // item of the program texts
    OSType type;
};

// Indexed by the save kind, 1 to 9.
constexpr SaveKindDialog kSaveDialogs[] = {
    {29, FourCC("TEXT")}, {29, FourCC("TEXT")},  {28, FourCC("TEXT")},
    {30, FourCC("PICT")}, {31, FourCC("MooV")},  {61, FourCC("OMac")},
    {67, FourCC("OMac")}, {177, FourCC("TEXT")}, {214, FourCC("TEXT")},
};

// The name each save dialog offers, Mac Roman: the document's for scripts and queues, the last export's
// for pictures and movies; the macro and effect editors name their own files once they exist.
std::string DefaultSaveName(SInt16 kind) {
    switch (kind) {
    case 4:
        return std::string(PStringView(gPictSequenceName));
    case 5:
        return std::string(PStringView(gMovieName));
    default:
        return Utf8ToMacRoman(gOutName);
    }
}

} // namespace

void InitTimers() {
    gTimer = 0;
}

bool StartTimer() {
    if (!gTimerRunning) gTimerRunning = true;
    return gTimerRunning;
}

void StopTimer() {
    gTimerRunning = false;
}

void SetMyScriptsPath() {
    gOutPath = GetAppPathFolder(AppPathSlot(4));
}

bool KeyPressed() {
    for (int code = 0; code < 128; ++code)
        if (IsKeyDown(UInt8(code))) return true;
    return false;
}

SInt16 GetOutFile(SInt16 kind) {
    if (kind < 1 || kind > 9) return kind;
    const SaveKindDialog& dialog = kSaveDialogs[kind - 1];
    Str255 prompt;
    Str255 name;
    SetPString(prompt, ProgramText(dialog.prompt));
    SetPString(name, DefaultSaveName(kind));
    return SInt16(GetFileName(prompt, name, dialog.type, kind));
}

namespace {

OSStatus StartOpenDialog(SInt16 prompt, SInt16 purpose) {
    InitCursor();
    Str255 text;
    SetPString(text, ProgramText(prompt));
    return DoOpenWindow(purpose, text, nullptr, 0);
}

} // namespace

OSStatus GetFile() {
    return StartOpenDialog(6, -3);
}

OSStatus DoOpenMusic() {
    return StartOpenDialog(54, -5);
}

void CloseAllWindows() {
    if (myEditWindow) CloseEditWindow(0);
    if (myBookmarkWindow) CloseBookmarkWindow(0);
    if (myMacroEditorWindow) CloseMacroEditorWindow(0);
    if (myHideWindow) CloseHideBackgroundWindow();
    if (myNonverbalWindow) CloseNonverbalWindow();
    if (myScrollMonitorWindow) CloseScrollMonitorWindow(0);
    if (myTextMergeWindow) CloseTextMergeWindow(0);
    if (myMediaQueueWindow) CloseMediaQueueWindow(0);
    if (myKeyEquivWindow) CloseKeyEquivWindow(0);
    if (myColorChartWindow) CloseColorChartWindow(0);
    if (myHelpWindow) CloseHelpWindow(0);
    if (myToolbarWindow) CloseToolbarWindow(0);
    if (myFunctionsWindow) CloseFunctionsWindow(0);
    if (myMacroMonitorWindow) CloseMacroMonitorWindow(0);
    if (myFindReplaceWindow) CloseFindReplaceWindow(0);
    if (myFindStyleWindow) CloseFindStyleWindow(0);
    if (myFormatPalWindow) CloseFormatPalWindow(0);
    if (myRecordWindow) CloseRecordWindow(0);
    if (myCommandWindow) CloseCommandWindow(0);
    if (myHypertextWindow) CloseHypertextWindow(0);
    if (mySearchDictWindow) CloseSearchDictWindow(0);
    if (myOverlayWindow) CloseOverlayWindow(0);
    if (mySpirographWindow) CloseSpirographWindow(0);
}

void CreateWindowName(SInt16 alsoEdit) {
    const std::string document = Utf8ToMacRoman(gOutName);
    const std::string script =
        gSelectText > 0 ? Utf8ToMacRoman(GetScriptMenuItemText(SInt16(gSelectText))) : std::string();
    std::string title;
    if (gIsTextFile == kTextDocument)
        title = script.empty() ? document : script;
    else
        title = script.empty() ? document : document + " - " + script;
    if (gTheMusic && !gMusicFileName.empty()) title += " (" + Utf8ToMacRoman(gMusicFileName) + ")";
    std::string mode;
    if (gScrollOn) {
        mode = ProgramText(gScrollOn == 3 ? 171 : 110);
        if (IsPaused()) mode += ProgramText(111);
    }
    title += mode;
    if (PeekReturnBookmark(nullptr, nullptr, nullptr)) title += " - Press cmd-shift-] to return";
    Str255 text;
    SetPString(text, title);
    if (myScrollWindow) SetWTitle(myScrollWindow, text);
    if (alsoEdit && myEditWindow) {
        SetPString(text, ProgramText(109) + mode);
        SetWTitle(myEditWindow, text);
    }
}

void DoSetupSpeech() {
    if (!gChan) gChan = NewSpeechChannel();
}

OSErr NoMorespeech() {
    if (!gChan) return noErr;
    DisposeSpeechChannel(gChan);
    gChan = nullptr;
    return noErr;
}
