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

} // namespace

namespace {

struct PaintScript {
    bool dialogSeenDuringUpdate = false;
    bool updateFinished = false;
    bool dialogSeenAfterUpdate = false;
};
PaintScript gPaint;

OSStatus FailingUpdateHandler(const PlatformEvent& event, void*) {
    if (event.kind != EventKind::WindowUpdate) return eventNotHandledErr;
    DoErrorMessageText("Failure while drawing");
    // Had the dialog run here, its modal loop would have ended before this line.
    gPaint.dialogSeenDuringUpdate = GetDialogFromWindow(FrontWindow()) != nullptr;
    gPaint.updateFinished = true;
    return noErr;
}

void PressOkAfterUpdate(EventLoopTimerRef, void*) {
    DialogPtr dialog = GetDialogFromWindow(FrontWindow());
    if (!dialog) return;
    gPaint.dialogSeenAfterUpdate = gPaint.updateFinished;
    PressDialogItem(dialog, 1);
}

TEST(ErrorDialog, AMessageRaisedWhileAWindowIsRedrawnComesAfterTheRedraw) {
    ResFileRefNum app = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    ASSERT_GT(app, 0);
    SetErrorMessageRecording(false);
    gDontDisplayErrorMessages = 0;
    gPaint = PaintScript{};
    Rect bounds{100, 100, 200, 300};
    WindowPtr window = NewCWindow(nullptr, &bounds, nullptr, true, 0, nullptr, false, 0);
    EventHandlerRef handler = InstallWindowEventHandler(window, FailingUpdateHandler, nullptr);
    EventLoopTimerRef timer;
    InstallEventLoopTimer(0.02, 0.02, PressOkAfterUpdate, nullptr, &timer);
    Rect all{0, 0, 100, 200};
    InvalWindowRect(window, &all);
    for (int i = 0; i < 200 && !gPaint.dialogSeenAfterUpdate; ++i)
        Delay(1, nullptr);
    EXPECT_TRUE(gPaint.updateFinished);
    EXPECT_FALSE(gPaint.dialogSeenDuringUpdate);
    EXPECT_TRUE(gPaint.dialogSeenAfterUpdate);
    RemoveEventLoopTimer(timer);
    RemoveEventHandler(handler);
    DisposeWindow(window);
    CloseResFile(app);
}

} // namespace
