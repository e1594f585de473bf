// The media folders dialog, played by a timer: the folders shown, a folder chosen through the folder
// dialog's answer, and OK and Cancel.
#include "app_resources.h"

#include "foundation/file_dialogs.h"
#include "media/media_folders_dialog.h"
#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "shell/shell_globals.h"
#include "support/temp_home.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// Each tick of the timer runs the next step against the front dialog.
struct UserScript {
    std::vector<std::function<void(DialogPtr)>> steps;
    size_t next = 0;
};

void PlayStep(EventLoopTimerRef, void* data) {
    auto* script = static_cast<UserScript*>(data);
    DialogPtr dialog = GetDialogFromWindow(FrontWindow());
    if (!dialog || script->next >= script->steps.size()) return;
    script->steps[script->next++](dialog);
}

std::string ItemText(DialogPtr dialog, SInt16 item) {
    Str255 text;
    GetDialogItemText(dialog, item, text);
    return std::string(PStringView(text));
}

class MediaFoldersDialog : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        Rect r{0, 0, 8, 8};
        ASSERT_EQ(NewGWorld(&world, 32, &r, nullptr, nullptr, 0), noErr);
        SetGWorld(world, nullptr);
        gIdflag = 0;
    }
    void TearDown() override {
        DisposeGWorld(world);
        gIdflag = 0;
        AppResources::TearDown();
    }
    bool Run(UserScript& script) {
        EventLoopTimerRef timer;
        InstallEventLoopTimer(0.02, 0.02, PlayStep, &script, &timer);
        const bool accepted = GetNewPathsDialog(music, pictures, movies);
        RemoveEventLoopTimer(timer);
        return accepted;
    }
    TempHome home;
    GWorldPtr world = nullptr;
    std::string music = "/srv/music/", pictures = "/srv/pictures/", movies = "/srv/films/";
};

TEST_F(MediaFoldersDialog, AChosenFolderIsShownAndReturnedOnOk) {
    const std::string chosen = home.MakeFolder("Bilder");
    home.WriteFile("plain.txt", "x");
    std::vector<std::string> shown;
    SInt16 modalWhileShown = 0;
    UserScript script;
    script.steps = {
        [&](DialogPtr d) {
            shown = {ItemText(d, 4), ItemText(d, 7), ItemText(d, 10)};
            modalWhileShown = gInModal;
            PressDialogItem(d, 9);
        },
        [&](DialogPtr) {
            EXPECT_EQ(gIdflag, kChoosePictureFolder);
            EXPECT_EQ(CompleteGettingFolder(home.path() + "/plain.txt"), fnfErr);
            EXPECT_EQ(CompleteGettingFolder(chosen.substr(0, chosen.size() - 1)), noErr);
        },
        [&](DialogPtr d) {
            EXPECT_EQ(ItemText(d, 7), chosen);
            PressDialogItem(d, 1);
        },
    };
    ASSERT_TRUE(Run(script));
    EXPECT_EQ(shown, (std::vector<std::string>{"/srv/music/", "/srv/pictures/", "/srv/films/"}));
    EXPECT_EQ(modalWhileShown, 1);
    EXPECT_EQ(gInModal, 0);
    EXPECT_EQ(pictures, chosen);
    EXPECT_EQ(music, "/srv/music/");
    EXPECT_EQ(movies, "/srv/films/");
    // With the dialog gone, a late answer has nowhere to go.
    EXPECT_EQ(CompleteGettingFolder(chosen), paramErr);
}

TEST_F(MediaFoldersDialog, CancelKeepsTheFoldersAsTheyWere) {
    const std::string chosen = home.MakeFolder("Musik");
    UserScript script;
    script.steps = {
        [&](DialogPtr d) { PressDialogItem(d, 6); },
        [&](DialogPtr) { EXPECT_EQ(CompleteGettingFolder(chosen), noErr); },
        [&](DialogPtr d) { PressDialogItem(d, 2); },
    };
    EXPECT_FALSE(Run(script));
    EXPECT_EQ(music, "/srv/music/");
    EXPECT_EQ(gInModal, 0);
}

} // namespace
