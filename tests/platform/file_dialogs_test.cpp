// The file dialogs' answers: a sheet's comes from the event loop, an application-modal one's before
// running returns; terminating gives no answer; without a display nobody is asked and the dialog cancels.
#include "platform/file_dialogs.h"

#include "platform/events.h"
#include "platform/windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Log {
    std::vector<SInt16> actions;
    int terminated = 0;
};

FileDialogRef MakeDialog(Log& log, WindowPtr parent, bool modal) {
    FileDialogOptions options;
    options.kind = FileDialogKind::Open;
    options.parent = parent;
    options.applicationModal = modal;
    FileDialogCallbacks callbacks;
    callbacks.userAction = [&log](FileDialogRef, const FileDialogAnswer& answer) {
        log.actions.push_back(answer.action);
    };
    callbacks.terminated = [&log](FileDialogRef) { ++log.terminated; };
    return CreateFileDialog(options, callbacks);
}

class FileDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        ForgetFileDialogAnswers();
        const Rect bounds = {40, 40, 240, 340};
        const Str255 title = {0};
        window = NewCWindow(nullptr, &bounds, title, true, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DisposeWindow(window); }
    WindowPtr window = nullptr;
};

TEST_F(FileDialogs, SheetIsAnsweredFromTheLoopAndModalBeforeRunningReturns) {
    for (bool modal : {false, true}) {
        SCOPED_TRACE(modal ? "application-modal" : "sheet");
        Log log;
        FileDialogRef dialog = MakeDialog(log, window, modal);
        FileDialogAnswer open;
        open.action = kFileDialogOpen;
        open.files = {"/tmp/a.txt"};
        AnswerNextFileDialog(open);
        ASSERT_EQ(RunFileDialog(dialog), noErr);
        EXPECT_EQ(log.actions.size(), modal ? 1u : 0u);
        EXPECT_EQ(IsFileDialogShowing(dialog), !modal);
        ProcessPendingEvents();
        EXPECT_EQ(log.actions, std::vector<SInt16>{kFileDialogOpen});
        EXPECT_EQ(log.terminated, 1);
        ASSERT_NE(GetFileDialogAnswer(dialog), nullptr);
        EXPECT_EQ(GetFileDialogAnswer(dialog)->files.at(0), "/tmp/a.txt");
        DisposeFileDialog(dialog);
    }
}

TEST_F(FileDialogs, TerminatedDialogGivesNoAnswerAndUnpreparedOneCancelsWithoutADisplay) {
    Log log;
    FileDialogRef dialog = MakeDialog(log, window, false);
    AnswerNextFileDialog(FileDialogAnswer{}); // left showing
    RunFileDialog(dialog);
    ProcessPendingEvents();
    EXPECT_TRUE(IsFileDialogShowing(dialog));
    TerminateFileDialog(dialog);
    EXPECT_FALSE(IsFileDialogShowing(dialog));
    EXPECT_TRUE(log.actions.empty());
    EXPECT_EQ(log.terminated, 1);
    EXPECT_EQ(GetFileDialogAnswer(dialog), nullptr);
    DisposeFileDialog(dialog);

    Log unprepared;
    dialog = MakeDialog(unprepared, nullptr, false); // no parent: application-modal
    RunFileDialog(dialog);
    EXPECT_EQ(unprepared.actions, std::vector<SInt16>{kFileDialogCancel});
    DisposeFileDialog(dialog);
}

} // namespace
