// Printing the script, its selection or the macro editor's text: the page format and settings kept from
// one print to the next, the two dialogs, and the print loop with the script's styles and justification.
#include "shell/printing.h"

#include "foundation/error_dialog.h"
#include "macros/macro_windows.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "shell/command_parts.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <string>
#include <vector>

PrintSessionRef printSession = nullptr;
PageFormatRef pageFormat = nullptr;
PrintSettingsRef printSettings = nullptr;

namespace {

// The styles of a style scrap over a text of the given length, one print run per style run; a missing
// scrap gives the prompter's format over the whole text.
std::vector<PrintTextRun> RunsOfScrap(Handle scrap, SInt32 length) {
    std::vector<PrintTextRun> runs;
    SInt32 offset = 0;
    do {
        WERunInfo info;
        WEGetRunInfoFromScrap(offset, &info, scrap);
        const WETextStyle& s = info.style.style;
        runs.push_back(PrintTextRun{offset, s.font, s.face, s.size, s.color});
        if (info.end <= offset) break;
        offset = info.end;
    } while (offset < length);
    return runs;
}

std::vector<PrintTextRun> RunsOfFormat(const PrefFormat& field) {
    const TextFormatBlock f = GetPref(gThePreferences, field);
    return {PrintTextRun{0, f.font, f.face, f.size, f.textColor}};
}

void ReportPrintingError(OSStatus err, const std::string& what) {
    DoErrorMessageText(what + " (error " + std::to_string(err) + ").");
}

// A record kept from an earlier print is checked; a missing or unusable one is made afresh.
template <typename Ref, typename Create, typename Dispose, typename Fill, typename Validate>
OSStatus KeepOrMake(PrintSessionRef session, Ref* inOut, Create create, Dispose dispose, Fill fill,
                    Validate validate) {
    if (*inOut && validate(session, *inOut) == noErr) return noErr;
    if (*inOut) dispose(*inOut);
    *inOut = create();
    return fill(session, *inOut);
}

} // namespace

bool Initialize_Printing() {
    if (!printSession) printSession = CreatePrintSession();
    return printSession != nullptr;
}

void Close_Printing() {
    DisposePageFormat(pageFormat);
    pageFormat = nullptr;
    DisposePrintSettings(printSettings);
    printSettings = nullptr;
    ReleasePrintSession(printSession);
    printSession = nullptr;
}

OSStatus DoPageSetupDialog(PrintSessionRef session, PageFormatRef* pageFormatInOut) {
    if (!session) return kPrintInvalidSession;
    OSStatus err = KeepOrMake(session, pageFormatInOut, CreatePageFormat, DisposePageFormat,
                              SetDefaultPageFormat, ValidatePageFormat);
    if (err != noErr) return err;
    ++gInModal;
    err = RunPageSetupDialog(session, *pageFormatInOut);
    --gInModal;
    return err;
}

OSStatus DoPrintDialog(PrintSessionRef session, PageFormatRef format, PrintSettingsRef* printSettingsInOut) {
    if (!session) return kPrintInvalidSession;
    OSStatus err = KeepOrMake(session, printSettingsInOut, CreatePrintSettings, DisposePrintSettings,
                              SetDefaultPrintSettings, ValidatePrintSettings);
    if (err == noErr) err = SetPrintPageRange(*printSettingsInOut, 1, 9999);
    if (err != noErr) return err;
    ++gInModal;
    err = RunPrintDialog(session, format, *printSettingsInOut);
    --gInModal;
    return err;
}

void DoPrintLoop(PrintSessionRef session, PageFormatRef format, PrintSettingsRef settings, Handle text,
                 const std::vector<PrintTextRun>& runs) {
    if (!text) return;
    HLock(text);
    PrintTextJob job;
    job.text = reinterpret_cast<const UInt8*>(*text);
    job.length = SInt32(GetHandleSize(text));
    job.runs = runs.data();
    job.runCount = SInt32(runs.size());
    job.justification = GetPref(gThePreferences, kPrefPrompterFormat).justification;
    GrafPtr savedPort = nullptr;
    GetPort(&savedPort);
    const OSStatus err = PrintTextPages(session, format, settings, job, nullptr);
    SetPort(savedPort);
    HUnlock(text);
    if (err != noErr) {
        std::string reason = GetPrintSessionErrorText(session);
        ReportPrintingError(err, reason.empty() ? "The text could not be printed"
                                                : reason.substr(0, reason.size() - 1));
    }
}

SInt16 Do_Print_Choice(SInt32 window) {
    if (!printSession) {
        ReportPrintingError(kPrintInvalidSession, "Printing is not available");
        return 1;
    }
    OSStatus err = noErr;
    if (!pageFormat) err = DoPageSetupDialog(printSession, &pageFormat);
    if (err == noErr) err = DoPrintDialog(printSession, pageFormat, &printSettings);
    if (err != noErr) {
        if (err != kPrintCancelled) ReportPrintingError(err, "The print dialog could not be shown");
        return 1;
    }

    if (window == 0 && myMacroEditorWindow && FrontNonFloatingWindow() == myMacroEditorWindow) {
        GetNewMacroEditorText();
        DoPrintLoop(printSession, pageFormat, printSettings, myMacroEditorText,
                    RunsOfFormat(kPrefMacroEditorFormat));
        return 1;
    }
    if (gTextHasChanged) GetNewText(0);
    SInt32 start = 0;
    SInt32 end = 0;
    if (gPrintSelectionOnly && ScrollWEHandle) WEGetSelection(&start, &end, 0, ScrollWEHandle);
    if (start < end) {
        Handle selection = NewHandle(0);
        Handle styles = NewHandle(0);
        if (selection && styles &&
            WECopyRange(start, end, selection, styles, nullptr, ScrollWEHandle) == noErr)
            DoPrintLoop(printSession, pageFormat, printSettings, selection,
                        RunsOfScrap(styles, SInt32(GetHandleSize(selection))));
        else
            ReportPrintingError(memFullErr, "The selection could not be copied for printing");
        if (selection) DisposeHandle(selection);
        if (styles) DisposeHandle(styles);
        return 1;
    }
    if (myTextResource)
        DoPrintLoop(printSession, pageFormat, printSettings, myTextResource,
                    RunsOfScrap(myStyle, SInt32(GetHandleSize(myTextResource))));
    return 1;
}

void PostPrintingErrors() {}

void DoPageSetup() {
    if (!printSession) {
        ReportPrintingError(kPrintInvalidSession, "Printing is not available");
        return;
    }
    const OSStatus err = DoPageSetupDialog(printSession, &pageFormat);
    if (err != noErr && err != kPrintCancelled)
        ReportPrintingError(err, "The page setup dialog could not be shown");
}

void DoPrint(SInt32 window) {
    Do_Print_Choice(window);
}
