// A script opened from a file, typed into in the prompter, saved and opened again: the new text and its
// styles come back as they were on screen.
#include "program_fixture.h"

#include "platform/memory.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/script_documents.h"
#include "support/prompter_text.h"
#include "textengine/text_engine.h"

#include <string>

namespace {

class EditSaveReopen : public ProgramTest {
  protected:
    static WERunInfo FirstRun() {
        WERunInfo info{};
        WEGetRunInfo(0, &info, ScrollWEHandle);
        return info;
    }
    static void Type(const std::string& keys) {
        for (char c : keys) {
            PlatformEvent event{};
            event.kind = EventKind::KeyDown;
            event.charCode = UInt8(c);
            DoKeyDown(event);
        }
    }
};

TEST_F(EditSaveReopen, TypedTextAndItsStylesComeBack) {
    Start();
    home.WriteFile("News.txt", "Good evening.\nThe weather.\n");
    const std::string path = home.path() + "/News.txt";
    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    ASSERT_EQ(PrompterText(), "Good evening.\rThe weather.\r");
    const WERunInfo before = FirstRun();

    WESetSelection(0, 0, 0, ScrollWEHandle);
    Type("Hello. ");
    ASSERT_EQ(PrompterText(), "Hello. Good evening.\rThe weather.\r");
    PlatformEvent save{};
    save.kind = EventKind::KeyDown;
    // Command-shift-S saves at once where the script came from (command-S asks where).
    save.charCode = 'S';
    save.modifiers = cmdKey | shiftKey;
    DoKeyDown(save);
    EXPECT_FALSE(gDontQuitWithoutSaving);

    ASSERT_EQ(OpenDocumentsEvent({path}), noErr);
    EXPECT_EQ(PrompterText(), "Hello. Good evening.\rThe weather.\r");
    const WERunInfo after = FirstRun();
    EXPECT_EQ(after.style.style.size, before.style.style.size);
    EXPECT_EQ(after.style.style.font, before.style.style.font);
    EXPECT_EQ(after.style.style.face, before.style.style.face);
}

} // namespace
