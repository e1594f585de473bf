// The error dialog itself: the message shown, the check box that silences the rest of the run, and the
// port and modal count restored afterwards.
#include "foundation/error_dialog.h"
#include "foundation/window_references.h"
#include "platform/dialogs.h"
#include "platform/pstring.h"
#include "platform/resources.h"
#include "platform/timers.h"
#include "shell/shell_globals.h"

#include <gtest/gtest.h>

namespace {

struct Script {
    int step = 0;
    std::string shownText;
    SInt16 shownCheck = -1;
    SInt16 modalWhileShown = 0;
};

// Plays the user: reads the dialog, ticks the check box, then presses OK.
void PlayUser(EventLoopTimerRef, void* data) {
    auto* script = static_cast<Script*>(data);
    DialogPtr dialog = GetDialogFromWindow(FrontWindow());
    if (!dialog) return;
    if (script->step == 0) {
        Str255 text;
        GetDialogItemText(dialog, 3, text);
        script->shownText = std::string(PStringView(text));
        script->shownCheck = GetDialogItemValue(dialog, 4);
        script->modalWhileShown = gInModal;
        PressDialogItem(dialog, 4);
    } else if (script->step == 1) {
        EXPECT_EQ(GetDialogItemValue(dialog, 4), 1);
        PressDialogItem(dialog, 1);
    }
    ++script->step;
}

TEST(ErrorDialog, ShowsTheMessageAndItsCheckBoxSilencesTheRest) {
    ResFileRefNum app = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    ASSERT_GT(app, 0);
    SetErrorMessageRecording(false);
    gDontDisplayErrorMessages = 0;
    GWorldPtr home;
    Rect r{0, 0, 8, 8};
    ASSERT_EQ(NewGWorld(&home, 32, &r, nullptr, nullptr, 0), noErr);
    SetGWorld(home, nullptr);

    Script script;
    EventLoopTimerRef timer;
    InstallEventLoopTimer(0.02, 0.02, PlayUser, &script, &timer);
    DoErrorMessageText("No SyllableHdl in HighlightSyllables");
    RemoveEventLoopTimer(timer);

    EXPECT_EQ(script.shownText, "No SyllableHdl in HighlightSyllables");
    EXPECT_EQ(script.shownCheck, 0);
    EXPECT_EQ(script.modalWhileShown, 1);
    EXPECT_EQ(gInModal, 0);
    EXPECT_EQ(gDontDisplayErrorMessages, 1);
    CGrafPtr port;
    GetGWorld(&port, nullptr);
    EXPECT_EQ(port, home);
    EXPECT_EQ(gPortCount, 0);
    EXPECT_EQ(FrontWindow(), nullptr);

    // Silenced: no dialog comes up at all (the test would hang waiting for OK otherwise).
    DoErrorMessageText("Never shown");
    EXPECT_EQ(FrontWindow(), nullptr);

    gDontDisplayErrorMessages = 0;
    DisposeGWorld(home);
    CloseResFile(app);
}

}  // namespace
