// The program's modal messages with one button (the about box, the notices and the error message) close on
// Escape and on Return as well as on their button.
#include "foundation/error_dialog.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/resources.h"
#include "platform/windows.h"
#include "shell/about_box.h"
#include "shell/shell_globals.h"
#include "support/dialog_player.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(ModalMessages, EscapeAndReturnCloseMessagesWithOneButton) {
    ResFileRefNum app = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    ASSERT_GT(app, 0);
    gDontDisplayErrorMessages = 0;
    struct Message {
        const char* what;
        std::function<void()> show;
    };
    const Message messages[] = {
        {"about box", [] { DoAbout(129); }},
        {"text too tall notice", [] { DoAbout(135); }},
        {"error message", [] { DoErrorMessageText("\"Opener\" could not be found in the macro folder."); }},
    };
    const struct {
        const char* name;
        UInt8 character, keyCode;
    } keys[] = {{"escape", kEscapeCharCode, kKeyEscape}, {"return", kReturnCharCode, kKeyReturn}};
    const bool recording = IsErrorMessageRecording();
    SetErrorMessageRecording(false);
    for (const Message& message : messages)
        for (const auto& key : keys) {
            bool shown = false, ignored = false;
            int waited = 0;
            {
                DialogPlayer player({[&](DialogPtr dialog) {
                                         shown = true;
                                         PostKeyEvent(GetDialogWindow(dialog), EventKind::KeyDown,
                                                      key.character, key.keyCode, 0);
                                         return true;
                                     },
                                     // Still up a good while after the key: closed by its button.
                                     [&](DialogPtr dialog) {
                                         if (++waited < 40) return false;
                                         ignored = true;
                                         PressDialogItem(dialog, 1);
                                         return true;
                                     }});
                message.show();
            }
            EXPECT_TRUE(shown) << message.what;
            EXPECT_FALSE(ignored) << message.what << " ignores " << key.name;
            EXPECT_EQ(FrontWindow(), nullptr) << message.what;
            EXPECT_EQ(gInModal, 0) << message.what;
        }
    SetErrorMessageRecording(recording);
    CloseResFile(app);
}

} // namespace
