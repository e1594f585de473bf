// Slot 0 of the round robin: a command that would replace the text, and quitting, run from the timer after
// the questions to save the text and the queue, never from inside the handler that asked for them.
#include "shell/periodic_timer.h"

#include "foundation/global_lists.h"
#include "macros/macro_services.h"
#include "platform/events.h"
#include "scroll/prompter_window.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/script_documents.h"
#include "shell/shell_globals.h"

namespace {

// Each question is asked at most once per pending command or quit.
RESETTABLE(bool, checkingtext, false);
RESETTABLE(bool, checkingqueue, false);
// A question was answered with go on. Once its save is over (a save dialog may still be up), changes that
// are still unsaved mean the save was cancelled in its dialog or failed: then nothing may replace or close
// them.
RESETTABLE(bool, textanswered, false);
RESETTABLE(bool, queueanswered, false);

// A question is a modal dialog whose loop goes on calling the timer; the flag keeps a call made from inside
// it from asking a second question over the first.
bool AskSaveQuestion(SInt16 dialogID) {
    gSaveQuestionUp = true;
    const bool goOn = DoSaveCancelDialog(dialogID);
    gSaveQuestionUp = false;
    (dialogID == kTextSaveQuestion ? textanswered : queueanswered) = goOn;
    return goOn;
}

bool SaveFellThrough() {
    return (textanswered && gDontQuitWithoutSaving) || (queueanswered && gQueueIsDirty);
}

void RunPendingCommand() {
    if (!gSaveInProgress) {
        if (!checkingtext && gNeedToCheckText && gDontQuitWithoutSaving &&
            !AskSaveQuestion(kTextSaveQuestion))
            gSavedMid = 0;
        checkingtext = true;
        gNeedToCheckText = false;
        if (gSavedMid != 0 && !gSaveInProgress) {
            if (!checkingqueue && gNeedToCheckQueue && gQueueIsDirty && !AskSaveQuestion(kQueueSaveQuestion))
                gSavedMid = 0;
            checkingqueue = true;
            gNeedToCheckQueue = false;
        }
        if (gSavedMid != 0 && !gSaveInProgress && SaveFellThrough()) gSavedMid = 0;
        if (gSavedMid != 0 && !gSaveInProgress) {
            const MenuCommand command = MakeMenuCommand(gSavedMid, gSavedMitem);
            gSavedMid = 0;
            gSavedMitem = 0;
            DoCommand(command);
        }
    }
    gForceCommandFromMacro = 0;
    gNeedOpenModalDialog = false;
    gGlobalSpecPtr = nullptr;
    gForceFileName[0] = 0;
    gIdflag = 0;
}

void RunPendingQuit() {
    if (gSaveInProgress) return;
    if (!checkingtext && gDontQuitWithoutSaving && !AskSaveQuestion(kTextSaveQuestion)) gQuitting = false;
    checkingtext = true;
    if (!gQuitting || gSaveInProgress) return;
    if (!checkingqueue && gQueueIsDirty && !AskSaveQuestion(kQueueSaveQuestion)) gQuitting = false;
    checkingqueue = true;
    if (gQuitting && !gSaveInProgress && SaveFellThrough()) gQuitting = false;
    if (gQuitting && !gSaveInProgress) QuitApplicationEventLoop();
}

// Once nothing waits for them, the questions are over: the next command or quit asks afresh, however soon it
// comes (and after a quit, a new start in the same process does too).
void ForgetAnswers() {
    checkingtext = checkingqueue = textanswered = queueanswered = false;
}

} // namespace

void RunDeferredCommand() {
    if (gSaveQuestionUp) return;
    gAutoDialogAnswer = gSaveAutoDialogAnswer;
    if (gQuitting)
        RunPendingQuit();
    else if (gSavedMid != 0)
        RunPendingCommand();
    if ((!gQuitting && gSavedMid == 0) || IsApplicationEventLoopQuitPending()) ForgetAnswers();
    gSaveAutoDialogAnswer = 0;
    gAutoDialogAnswer = 0;
}
