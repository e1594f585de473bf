// Unsaved changes are never lost without asking: quitting, closing and opening another script ask whether
// to save, and Save, Don't Save and Cancel each do what they say, also when the save fails.
#include "program_fixture.h"

#include "foundation/app_paths.h"
#include "foundation/file_dialogs.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/file_io.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/event_handlers.h"
#include "shell/input_dispatch.h"
#include "shell/script_documents.h"
#include "shell/shell.h"
#include "support/prompter_text.h"
#include "textengine/text_engine.h"

#include <filesystem>
#include <string>

namespace {

enum : SInt16 { kSave = 1, kCancel = 2, kDontSave = 3 };

// Presses an item of the first dialog that comes to the front, as the user would, and counts the
// questions seen. It looks again on every pass of the event loop until a dialog shows.
struct Presser {
    SInt16 item = 0;
    int questions = 0;
    SInt32 dialogID = 0;
    EventLoopTimerRef timer = nullptr;

    static void Look(EventLoopTimerRef timer, void* data) {
        auto* self = static_cast<Presser*>(data);
        DialogPtr dialog = GetDialogFromWindow(FrontWindow());
        if (!dialog || !IsWindowVisible(GetDialogWindow(dialog))) {
            SetEventLoopTimerNextFireTime(timer, 0);
            return;
        }
        ++self->questions;
        self->dialogID = GetWRefCon(GetDialogWindow(dialog));
        PressDialogItem(dialog, self->item);
    }
    explicit Presser(SInt16 answer) : item(answer) { InstallEventLoopTimer(0, 0, Look, this, &timer); }
    ~Presser() { RemoveEventLoopTimer(timer); }
};

class SaveQuestions : public ProgramTest {
  protected:
    void TearDown() override {
        gDontQuitWithoutSaving = false;
        gQueueIsDirty = false;
        ForgetFileDialogAnswers();
        ProgramTest::TearDown();
    }
    // Starts the program on a script file and types into it.
    void StartEdited(const std::string& typed = "Hello. ") {
        Start();
        home.WriteFile("News.txt", "Good evening.");
        ASSERT_EQ(OpenDocumentsEvent({News()}), noErr);
        WESetSelection(0, 0, 0, ScrollWEHandle);
        for (char c : typed)
            Key(c, 0);
        ASSERT_TRUE(gDontQuitWithoutSaving);
    }
    std::string News() const { return home.path() + "/News.txt"; }
    static void Key(char c, UInt16 modifiers) {
        PlatformEvent event{};
        event.kind = EventKind::KeyDown;
        event.charCode = UInt8(c);
        event.modifiers = modifiers;
        DoKeyDown(event);
    }
    static std::string FileText(const std::string& path) {
        std::vector<UInt8> bytes;
        ReadWholeFile(path, bytes);
        return std::string(bytes.begin(), bytes.end());
    }
    // Edits the script, asks to quit and answers the question; one more turn lets the quit go through.
    void QuitAnswering(SInt16 answer) {
        StartEdited();
        Key('q', cmdKey);
        ASSERT_TRUE(gQuitting);
        {
            Presser presser(answer);
            TurnToSlotZero();
            EXPECT_EQ(presser.questions, 1);
            EXPECT_EQ(presser.dialogID, kTextSaveQuestion);
        }
        TurnToSlotZero();
    }
    // One turn of the timer's round robin, ending on slot 0, where deferred commands and quits run.
    static void TurnToSlotZero() {
        breakitup = 1;
        for (int call = 0; call < kRoundRobinSlots; ++call)
            TimerAction();
    }
};

TEST_F(SaveQuestions, QuittingWithChangesAsksAndCancelKeepsTheProgramAndTheText) {
    QuitAnswering(kCancel);
    EXPECT_FALSE(IsApplicationEventLoopQuitPending());
    EXPECT_FALSE(gQuitting);
    EXPECT_EQ(FileText(News()), "Good evening.");
    EXPECT_EQ(PrompterText(), "Hello. Good evening.");
    // Asked again on the next quit.
    Key('q', cmdKey);
    Presser presser(kCancel);
    TurnToSlotZero();
    EXPECT_EQ(presser.questions, 1);
}

TEST_F(SaveQuestions, QuittingWithDontSaveQuitsAndLeavesTheFile) {
    QuitAnswering(kDontSave);
    EXPECT_TRUE(IsApplicationEventLoopQuitPending());
    EXPECT_EQ(FileText(News()), "Good evening.");
}

TEST_F(SaveQuestions, QuittingWithSaveSavesTheScriptInItsFileAndQuits) {
    QuitAnswering(kSave);
    EXPECT_TRUE(IsApplicationEventLoopQuitPending());
    EXPECT_EQ(FileText(News()), "Hello. Good evening.");
}

TEST_F(SaveQuestions, ClosingThePrompterAsksLikeQuitting) {
    StartEdited();
    PlatformEvent close{};
    close.kind = EventKind::WindowClose;
    close.window = myScrollWindow;
    MyWindowEventHandler(close, nullptr);
    Presser presser(kCancel);
    TurnToSlotZero();
    EXPECT_EQ(presser.questions, 1);
    EXPECT_FALSE(gQuitting);
    EXPECT_FALSE(IsApplicationEventLoopQuitPending());
}

TEST_F(SaveQuestions, ASaveThatFailsKeepsTheProgramOpenAndTheChanges) {
    StartEdited();
    std::filesystem::remove(News());
    std::filesystem::create_directory(News()); // the script's name is now taken by a folder
    Key('q', cmdKey);
    {
        Presser presser(kSave);
        TurnToSlotZero();
        EXPECT_EQ(presser.questions, 1);
    }
    TurnToSlotZero();
    EXPECT_FALSE(IsApplicationEventLoopQuitPending());
    EXPECT_FALSE(gQuitting);
    EXPECT_TRUE(gDontQuitWithoutSaving);
    EXPECT_EQ(PrompterText(), "Hello. Good evening.");
    EXPECT_FALSE(RecordedErrorMessages().empty()) << "the failed save says why";
}

TEST_F(SaveQuestions, OpeningAnotherScriptWaitsForTheQuestionAndCancelKeepsTheText) {
    StartEdited();
    const int dialogsBefore = CountFileDialogsRun();
    Key('o', cmdKey);
    EXPECT_EQ(CountFileDialogsRun(), dialogsBefore) << "no open dialog before the question";
    {
        Presser presser(kCancel);
        TurnToSlotZero();
        EXPECT_EQ(presser.questions, 1);
    }
    EXPECT_EQ(CountFileDialogsRun(), dialogsBefore);
    EXPECT_EQ(PrompterText(), "Hello. Good evening.");

    // Don't Save: the open dialog follows.
    FileDialogAnswer none; // left unanswered: the dialog stays until it is ended
    AnswerNextFileDialog(none);
    Key('o', cmdKey);
    {
        Presser presser(kDontSave);
        TurnToSlotZero();
        EXPECT_EQ(presser.questions, 1);
    }
    EXPECT_EQ(CountFileDialogsRun(), dialogsBefore + 1);
    EXPECT_FALSE(gDontQuitWithoutSaving);
}

TEST_F(SaveQuestions, AFileHandedInByTheDesktopAsksBeforeItReplacesTheText) {
    StartEdited();
    home.WriteFile("Other.txt", "Other script.");
    {
        Presser presser(kCancel);
        EXPECT_NE(OpenDocumentsEvent({home.path() + "/Other.txt"}), noErr);
        EXPECT_EQ(presser.questions, 1);
    }
    EXPECT_EQ(PrompterText(), "Hello. Good evening.");
    EXPECT_EQ(gOutName, "News.txt");
    {
        Presser presser(kSave);
        EXPECT_EQ(OpenDocumentsEvent({home.path() + "/Other.txt"}), noErr);
        EXPECT_EQ(presser.questions, 1);
    }
    EXPECT_EQ(FileText(News()), "Hello. Good evening.");
    EXPECT_EQ(gOutName, "Other.txt");
    EXPECT_EQ(std::string(*myTextResource, GetHandleSize(myTextResource)), "Other script.");
    EXPECT_EQ(PrompterText(), "Other script.");
}

TEST_F(SaveQuestions, AMacrosAnswerIsTakenWithoutShowingAndAnUntitledScriptIsSavedWithoutADialog) {
    Start();
    gOutName.clear();
    gOutPath.clear();
    gDontQuitWithoutSaving = true;
    gAutoDialogAnswer = kSave;
    const int dialogsBefore = CountFileDialogsRun();
    EXPECT_TRUE(DoSaveCancelDialog(kTextSaveQuestion));
    gAutoDialogAnswer = 0;
    EXPECT_EQ(CountFileDialogsRun(), dialogsBefore);
    EXPECT_EQ(gOutName, "Untitled.text");
    EXPECT_TRUE(FileExists(GetAppPathFolder(16) + "/Untitled.text") ||
                FileExists(GetAppPathFolder(16) + "Untitled.text"));
    EXPECT_FALSE(gDontQuitWithoutSaving);

    // Don't Save on the queue question clears only the queue's flag.
    gDontQuitWithoutSaving = true;
    gQueueIsDirty = true;
    gAutoDialogAnswer = kDontSave;
    EXPECT_TRUE(DoSaveCancelDialog(kQueueSaveQuestion));
    gAutoDialogAnswer = 0;
    EXPECT_FALSE(gQueueIsDirty);
    EXPECT_TRUE(gDontQuitWithoutSaving);
}

TEST_F(SaveQuestions, SavingWithShiftWritesTheScriptsOwnFileWithoutADialog) {
    StartEdited();
    const int dialogsBefore = CountFileDialogsRun();
    curEvent.modifiers = shiftKey;
    EXPECT_EQ(DoCommand(MakeMenuCommand(kFileMenuID, kSaveItem)), 0);
    curEvent.modifiers = 0;
    EXPECT_EQ(CountFileDialogsRun(), dialogsBefore);
    EXPECT_EQ(FileText(News()), "Hello. Good evening.");
    EXPECT_FALSE(gDontQuitWithoutSaving);
}

} // namespace
