// The instructions open as an ordinary text document from beside the program, in place of the script.
#include "program_fixture.h"

#include "foundation/app_paths.h"
#include "shell/desktop_events.h"
#include "shell/script_documents.h"
#include "support/prompter_text.h"

namespace {

class Instructions : public ProgramTest {};

TEST_F(Instructions, OpenAsATextDocumentFromBesideTheProgram) {
    Start();
    home.WriteFile("mine.txt", "My own script\n");
    ASSERT_EQ(OpenDocumentsEvent({home.path() + "/mine.txt"}), noErr);
    ASSERT_EQ(gOutName, "mine.txt");
    gIsDos = 1;

    ShowInstructions(0);
    EXPECT_EQ(gOutPath + gOutName, GetInstructionsBundlePath());
    EXPECT_EQ(gOutName, "Orvalis Instructions.txt");
    EXPECT_EQ(gIsTextFile, kTextDocument);
    EXPECT_EQ(gIsDos, 0);
    EXPECT_NE(PrompterText().find("Orvalis"), std::string::npos);
    EXPECT_EQ(PrompterText().find("My own script"), std::string::npos);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

} // namespace
