// Files that cannot become the script (a folder, a file that cannot be read, one too large to hold, one
// that holds no text) are refused with one message whichever way they are opened, and the script that was
// open stays as it was: its text, its name, its file and whether it has unsaved changes.
#include "foundation/script_file_checks.h"
#include "platform/file_io.h"
#include "shell/desktop_events.h"
#include "shell/file_opening.h"
#include "shell/program_fixture.h"
#include "shell/script_documents.h"
#include "support/prompter_text.h"
#include "texttools/text_tools.h"

#include <filesystem>
#include <fstream>

namespace {

class RefusedFilesTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        folder = home.MakeFolder("scripts");
        home.WriteFile("scripts/Talk.txt", "The script\r");
        ASSERT_EQ(DoOpen(folder + "Talk.txt"), 1);
        ASSERT_EQ(PrompterText(), "The script\r");
        // Were a bad file let through, the question about unsaved changes is cancelled.
        gAutoDialogAnswer = 2;
    }
    void TearDown() override {
        ClearFileFaults();
        gAutoDialogAnswer = 0;
        gIdflag = 0;
        ProgramTest::TearDown();
    }
    void ExpectScriptAsItWas(bool changed) {
        EXPECT_EQ(gOutName, "Talk.txt");
        EXPECT_EQ(gOutPath, folder);
        EXPECT_EQ(gPathSpec, folder + "Talk.txt");
        EXPECT_EQ(PrompterText(), "The script\r");
        EXPECT_EQ(gDontQuitWithoutSaving, changed);
    }
    std::string folder;
};

TEST_F(RefusedFilesTest, EachBadFileIsRefusedWithOneMessageAndTheScriptStaysAsItWas) {
    std::filesystem::create_directory(folder + "Folder.text");
    std::string picture = "\x89PNG\r\n\x1A\n";
    for (int i = 0; i < 4096; ++i)
        picture += char(i * 37 % 256);
    home.WriteFile("scripts/Picture.text", picture);
    home.WriteFile("scripts/Locked.text", "Private words\r");
    MakeFileUnreadable(folder + "Locked.text");
    std::ofstream(folder + "Huge.text").close();
    std::filesystem::resize_file(folder + "Huge.text", kMaxScriptFileBytes + 1); // sparse: no disk used

    struct Case {
        const char* name;
        const char* says;
    };
    const Case cases[] = {
        {"Folder.text", "is a folder, not a script"},
        {"Picture.text", "does not hold text"},
        {"Locked.text", "you do not have permission to read it"},
        {"Huge.text", "it is 17 MB, and Orvalis opens scripts of up to 16 MB"},
    };
    // Opened directly (the open dialog's answer, a macro) and as the desktop or a second start hands it
    // over, which counts a document it opened as saved.
    using Way = void (*)(const std::string&);
    const std::pair<const char*, Way> ways[] = {
        {"DoOpen", [](const std::string& path) { EXPECT_LT(DoOpen(path), 0); }},
        {"handed over", [](const std::string& path) { OpenDocumentsEvent({path}); }},
    };
    for (const Case& c : cases)
        for (const auto& [way, open] : ways)
            for (bool changed : {false, true}) {
                SCOPED_TRACE(std::string(c.name) + ", " + way + (changed ? ", changed" : ""));
                gDontQuitWithoutSaving = changed;
                ClearRecordedErrorMessages();
                open(folder + c.name);
                ASSERT_EQ(RecordedErrorMessages().size(), 1u);
                EXPECT_NE(RecordedErrorMessages()[0].find(c.name), std::string::npos);
                EXPECT_NE(RecordedErrorMessages()[0].find(c.says), std::string::npos)
                    << RecordedErrorMessages()[0];
                ExpectScriptAsItWas(changed);
            }

    // A file found nowhere says nothing, and the changes of the script stay unsaved.
    gDontQuitWithoutSaving = true;
    ClearRecordedErrorMessages();
    OpenDocumentsEvent({folder + "Missing.txt"});
    EXPECT_TRUE(RecordedErrorMessages().empty());
    ExpectScriptAsItWas(true);

    // A file read as text for a purpose is refused the same way before it replaces anything.
    gIdflag = kOpenTextMerge;
    gDontQuitWithoutSaving = false;
    ClearRecordedErrorMessages();
    EXPECT_LT(DoOpen(folder + "Picture.text"), 0);
    EXPECT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_EQ(gNumTextMerge, 0);
    ExpectScriptAsItWas(false);
}

} // namespace
