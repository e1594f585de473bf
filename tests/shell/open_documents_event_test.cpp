// Files reaching the program: the purpose of the pending dialog decides their use, compiled macros run
// only when they are macros, one open dialog at a time, and save dialogs end in the saver of their kind.
#include "program_fixture.h"

#include "foundation/file_dialogs.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/file_dialogs.h"
#include "shell/desktop_events.h"
#include "shell/script_documents.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

class OpenDocumentsEventTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        ForgetFileDialogAnswers();
        gIdflag = 0;
    }
    void TearDown() override {
        TerminateOpenFileDialog();
        ForgetFileDialogAnswers();
        gIdflag = 0;
        gIGotCancelled = false;
        gSaveInProgress = false;
        gAutoDialogAnswer = 0;
        ProgramTest::TearDown();
    }
    std::string Write(const std::string& name, const std::string& text = "Some words.\n") {
        home.WriteFile("docs/" + name, text);
        return home.path() + "/docs/" + name;
    }
};

TEST_F(OpenDocumentsEventTest, MacroRuleAppliesOnlyToMacrosAndNotToHypertextMandalaOrOverlayFiles) {
    struct Case {
        SInt16 pending;
        const char* name;
        SInt16 purpose;
    } cases[] = {
        {0, "talk.txt", 0},        {0, "run.macro", -6},      {0, "RUN.MACRO", -6},
        {0, "my.macros.txt", 0},   {0, "notes.macro.bak", 0}, {0, ".macro", 0},
        {-9, "run.macro", -6},     {-16, "run.macro", -6},    {3, "run.macro", -6},
        {-8, "talk.txt", -8},      {-17, "link.macro", -17},  {-22, "link.macro", -22},
        {-23, "shape.macro", -23}, {-25, "pic.macro", -25},   {-13, "run.macro", -6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::string(" pending ") + std::to_string(c.pending));
        EXPECT_EQ(PurposeForOpenedFile(c.pending, Write(c.name)), c.purpose);
    }
}

TEST_F(OpenDocumentsEventTest, DroppedDocumentsOpenInTurnAndTheLastStatusIsTheResult) {
    const std::vector<std::string> files = {Write("one.txt"), Write("two.txt"), Write("three.txt")};
    gDontQuitWithoutSaving = true;
    gAutoDialogAnswer = 3; // the changes are not to be saved: the question lets the documents in
    EXPECT_EQ(OpenDocumentsEvent(files), noErr);
    EXPECT_EQ(gOutName, "three.txt");
    EXPECT_FALSE(gDontQuitWithoutSaving);
    EXPECT_EQ(gIdflag, 0);

    // A macro last: its status is the result (no macro can run yet), and the documents before it opened.
    EXPECT_NE(OpenDocumentsEvent({Write("four.txt"), Write("go.macro")}), noErr);
    EXPECT_EQ(gOutName, "four.txt");
    EXPECT_EQ(OpenDocumentsEvent({Write("go.macro"), Write("five.txt")}), noErr);
    EXPECT_EQ(gOutName, "five.txt");
}

TEST_F(OpenDocumentsEventTest, PurposeDecidesTheUseAndIsResetAfterEveryEvent) {
    OpenDocumentsEvent({Write("first.txt")});
    gDontQuitWithoutSaving = true;
    gIdflag = -13; // nothing to do with the file
    EXPECT_EQ(OpenDocumentsEvent({Write("ignored.txt")}), noErr);
    EXPECT_EQ(gOutName, "first.txt");
    EXPECT_EQ(gIdflag, 0);

    gIdflag = -9; // the nonverbal text: the document and its unsaved flag are left alone
    EXPECT_EQ(OpenDocumentsEvent({Write("nonverbal.txt")}), noErr);
    EXPECT_EQ(gOutName, "first.txt");
    EXPECT_TRUE(gDontQuitWithoutSaving);

    gIdflag = -12; // a folder for the media folders dialog, which is not open: an error, still reset
    EXPECT_NE(OpenDocumentsEvent({home.path()}), noErr);
    EXPECT_EQ(gIdflag, 0);

    gIdflag = -2;          // an item that is no file is skipped, the next one still opens
    gAutoDialogAnswer = 3; // the changes are not to be saved: the question lets the document in
    EXPECT_EQ(OpenDocumentsEvent({"relative.txt", Write("after.txt")}), noErr);
    gAutoDialogAnswer = 0;
    EXPECT_EQ(gOutName, "after.txt");
    EXPECT_EQ(gIdflag, 0);
}

TEST_F(OpenDocumentsEventTest, DesktopRequestsOtherThanOpenAndQuitAreRefused) {
    EXPECT_EQ(HandleDesktopRequest(FourCC("aevt"), FourCC("pdoc"), {Write("print.txt")}),
              errAEEventNotHandled);
    EXPECT_EQ(HandleDesktopRequest(FourCC("aevt"), FourCC("oapp"), {}), errAEEventNotHandled);
    EXPECT_EQ(HandleDesktopRequest(FourCC("core"), FourCC("getd"), {}), errAEEventNotHandled);
    EXPECT_EQ(HandleDesktopRequest(FourCC("aevt"), FourCC("odoc"), {Write("sent.txt")}), noErr);
    EXPECT_EQ(gOutName, "sent.txt");
    EXPECT_EQ(HandleDesktopRequest(FourCC("aevt"), FourCC("quit"), {}), noErr);
    EXPECT_TRUE(gQuitting);
}

TEST_F(OpenDocumentsEventTest, SecondOpenRequestBringsTheShowingDialogForward) {
    AnswerNextFileDialog(FileDialogAnswer{}); // stays showing, unanswered
    const Str255 prompt = {4, 'O', 'p', 'e', 'n'}, noName = {0};
    const int before = CountFileDialogsRun();
    EXPECT_EQ(GetFileName(prompt, noName, FourCC("TEXT"), -2), noErr);
    ASSERT_NE(gOpenFileDialog, nullptr);
    EXPECT_TRUE(gSaveInProgress);
    EXPECT_EQ(LastFileDialogOptions().parent, myScrollWindow);
    EXPECT_EQ(LastFileDialogOptions().filters.at(0).patterns.at(0), "*.txt");
    FileDialogRef shown = gOpenFileDialog;
    EXPECT_EQ(GetFileName(prompt, noName, FourCC("TEXT"), -2), noErr);
    EXPECT_EQ(CountFileDialogsRun(), before + 1);
    EXPECT_EQ(gOpenFileDialog, shown);
    TerminateOpenFileDialog();
    EXPECT_EQ(gOpenFileDialog, nullptr);
    EXPECT_FALSE(gSaveInProgress);
}

TEST_F(OpenDocumentsEventTest, ChosenFilesArriveLaterAsAnEventWithThePurposeStillPending) {
    const std::string chosen = Write("chosen.txt");
    FileDialogAnswer answer;
    answer.action = kFileDialogOpen;
    answer.files = {chosen};
    AnswerNextFileDialog(answer);
    const Str255 noText = {0};
    GetFileName(noText, noText, FourCC("TEXT"), -2);
    EXPECT_NE(gOutName, "chosen.txt");
    EXPECT_EQ(gIdflag, -2);
    ProcessPendingEvents();
    ProcessPendingEvents();
    EXPECT_EQ(gOutName, "chosen.txt");
    EXPECT_EQ(gIdflag, 0);
    EXPECT_EQ(gOpenFileDialog, nullptr);
    EXPECT_FALSE(gSaveInProgress);
}

TEST_F(OpenDocumentsEventTest, SaveDialogAnswerEndsInTheSaverWithTheChosenNameAndFolder) {
    const std::string folder = home.path() + "/saved/";
    std::filesystem::create_directories(folder);
    FileDialogAnswer answer;
    answer.action = kFileDialogSaveAs;
    answer.folder = folder;
    answer.name = "new script.txt";
    AnswerNextFileDialog(answer);
    const Str255 noText = {0}, name = {8, 'd', 'r', 'a', 'f', 't', '.', 't', 'x'};
    EXPECT_EQ(GetFileName(noText, name, FourCC("TEXT"), kSaveScript), noErr);
    EXPECT_EQ(LastFileDialogOptions().defaultName, "draft.tx");
    EXPECT_TRUE(LastFileDialogOptions().formats.empty());
    ProcessPendingEvents();
    EXPECT_EQ(gOutName, "new script.txt");
    EXPECT_EQ(gOutPath, folder);
    EXPECT_FALSE(gSaveInProgress);
    EXPECT_EQ(gOpenFileDialog, nullptr);

    // A picture sequence offers its two formats; choosing PICT sets the sequence's format.
    gChosenSequenceType = 3;
    FileDialogAnswer pict;
    pict.action = kFileDialogCancel;
    pict.format = 1;
    AnswerNextFileDialog(pict);
    GetFileName(noText, name, FourCC("PICT"), kSavePictureSequence);
    EXPECT_EQ(LastFileDialogOptions().formats, (std::vector<std::string>{"JPEG", "PICT"}));
    ProcessPendingEvents();
    EXPECT_EQ(gChosenSequenceType, 1);
    gChosenSequenceType = 3;
}

TEST_F(OpenDocumentsEventTest, CancelledSaveAbandonsTheWaitingQuit) {
    FileDialogAnswer cancel;
    cancel.action = kFileDialogCancel;
    AnswerNextFileDialog(cancel);
    const Str255 noText = {0};
    GetFileName(noText, noText, FourCC("TEXT"), kSaveScript);
    gQuitting = true;
    gIGotCancelled = false;
    ProcessPendingEvents();
    EXPECT_TRUE(gIGotCancelled);
    EXPECT_FALSE(gSaveInProgress);
    EXPECT_FALSE(gQuitting);
}

// A saver that fails after creating its file: the new name is left free, an old file of that name stays.
TEST_F(OpenDocumentsEventTest, FailedSaveToANewNameLeavesNoFileBehind) {
    for (bool existed : {false, true}) {
        SCOPED_TRACE(existed ? "replacing" : "new name");
        const std::string path = home.path() + "/target.txt";
        std::filesystem::remove(path);
        if (existed) home.WriteFile("target.txt", "old text");
        FileDialogOptions options;
        options.kind = FileDialogKind::Save;
        options.applicationModal = true;
        FileDialogCallbacks callbacks;
        callbacks.userAction = [&](FileDialogRef dialog, const FileDialogAnswer&) {
            SaveReply reply;
            std::string file;
            ASSERT_EQ(BeginSave(dialog, &reply, &file), noErr);
            EXPECT_EQ(file, path);
            home.WriteFile("target.txt", ""); // the saver got as far as creating the file
            CompleteSave(&reply, file, false);
        };
        callbacks.terminated = [](FileDialogRef dialog) { DisposeFileDialog(dialog); };
        FileDialogAnswer saveAs;
        saveAs.action = kFileDialogSaveAs;
        saveAs.folder = home.path() + "/";
        saveAs.name = "target.txt";
        AnswerNextFileDialog(saveAs);
        RunFileDialog(CreateFileDialog(options, callbacks));
        EXPECT_EQ(std::filesystem::exists(path), existed);
    }
}

TEST_F(OpenDocumentsEventTest, ConfirmSaveTakesTheUsersOrTheMacrosAnswer) {
    const Str255 name = {4, 'T', 'a', 'l', 'k'};
    SInt16 action = 0;
    FileDialogRef dialog = nullptr;
    FileDialogAnswer dontSave;
    dontSave.action = kFileDialogDontSaveChanges;
    AnswerNextFileDialog(dontSave);
    EXPECT_EQ(UniversalConfirmSaveDialog(nullptr, name, true, 0, &dialog, &action), noErr);
    EXPECT_EQ(action, kFileDialogDontSaveChanges);
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(LastFileDialogOptions().message, "Talk");

    const int shown = CountFileDialogsRun();
    gAutoDialogAnswer = 2; // Cancel
    EXPECT_EQ(UniversalConfirmSaveDialog(nullptr, name, false, 0, &dialog, &action), noErr);
    EXPECT_EQ(action, kFileDialogCancel);
    EXPECT_TRUE(gIGotCancelled);
    EXPECT_EQ(CountFileDialogsRun(), shown);
}

} // namespace

namespace {

TEST_F(OpenDocumentsEventTest, OpenPurposesOfferTheirTypesUpToTheListsCapacity) {
    OSType types[3] = {};
    SInt16 count = 3;
    OVGetFileTypes(-1, types, &count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(types[2], FourCC("TIFF"));
    count = 3;
    OVGetFileTypes(-8, types, &count); // any file
    EXPECT_EQ(count, 0);
    ClearRecordedErrorMessages();
    count = 3;
    OVGetFileTypes(0, types, &count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(RecordedErrorMessages(), std::vector<std::string>{"What should we do here?"});
}

} // namespace
