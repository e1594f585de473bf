// The event handlers: command-Q and the prompter's close box ask to quit, events the program takes no
// interest in pass on without a message, and suspend and resume records become activate records.
#include "program_fixture.h"

#include "platform/windows.h"
#include "shell/event_handlers.h"

namespace {

TEST_F(ProgramTest, CommandQAndClosingThePrompterAskToQuit) {
    Start();
    PostKeyEvent(myScrollWindow, EventKind::KeyDown, 'q', kKeyQ, cmdKey);
    ProcessPendingEvents();
    EXPECT_TRUE(gQuitting);
    gQuitting = false;

    PlatformEvent close;
    close.kind = EventKind::WindowClose;
    close.window = myScrollWindow;
    MyWindowEventHandler(close, nullptr);
    EXPECT_TRUE(gQuitting);
    EXPECT_NE(myScrollWindow, nullptr) << "the window stays until quit closes it";
}

TEST_F(ProgramTest, KeysWhileAModalDialogRunsAreLeftToTheDialog) {
    Start();
    PlatformEvent key;
    key.kind = EventKind::KeyDown;
    key.charCode = 'q';
    key.modifiers = cmdKey;
    gInModal = 1;
    EXPECT_EQ(MyAppEventHandler(key, nullptr), eventNotHandledErr);
    gInModal = 0;
    EXPECT_FALSE(gQuitting);
    gNothingHappened = 99;
    EXPECT_EQ(MyAppEventHandler(key, nullptr), noErr);
    EXPECT_TRUE(gQuitting);
    EXPECT_EQ(gNothingHappened, 0) << "input starts the idle count again";
}

TEST_F(ProgramTest, EventsOfNoInterestPassOnWithoutAMessage) {
    Start();
    for (EventKind kind : {EventKind::MouseUp, EventKind::MouseDragged, EventKind::MouseWheel,
                           EventKind::WindowDeactivated, EventKind::ApplicationDeactivated}) {
        PlatformEvent event;
        event.kind = kind;
        event.window = myScrollWindow;
        EXPECT_EQ(MyWindowEventHandler(event, nullptr), eventNotHandledErr);
        EXPECT_EQ(MyAppEventHandler(event, nullptr), eventNotHandledErr);
    }
    EXPECT_TRUE(RecordedErrorMessages().empty());
    EXPECT_TRUE(inBackground);
}

TEST_F(ProgramTest, SuspendAndResumeRecordsBecomeActivateRecordsOfTheFrontWindow) {
    Start();
    // The old record's message, and the kind, modifiers and background flag it leaves.
    const struct {
        UInt32 message;
        UInt16 what;
        bool background;
    } cases[] = {
        {0x01000001, activateEvt, false}, // resume
        {0x01000000, activateEvt, true},  // suspend
        {0xFA000000, nullEvent, false},   // mouse moved: nothing
    };
    for (const auto& c : cases) {
        inBackground = false;
        EventRecord record;
        record.what = osEvt;
        record.message = c.message;
        DoApp4Event(&record);
        EXPECT_EQ(record.what, c.what) << std::hex << c.message;
        EXPECT_EQ(inBackground, c.background) << std::hex << c.message;
        if (c.what == activateEvt) {
            EXPECT_EQ(WindowFromEventMessage(record.message), FrontWindow());
            EXPECT_EQ(record.modifiers & activeFlag, c.message & 1);
        }
    }
}

} // namespace
