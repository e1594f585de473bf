// The program's menus chosen with the mouse through the toolkit's own menus: every enabled item of every
// menu and submenu can be clicked and the program goes on, the settings sets among them (which put a new
// prompter, and so a new menu bar, in place of the one whose menu was clicked).
#include "program_fixture.h"

#include "platform/dialogs.h"
#include "platform/printing.h"
#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "shell/commands.h"
#include "shell/menus.h"

#include <string>

namespace {

// Answers whatever modal dialog a command opens: the cancel button first, then the default one for the
// dialogs that only end with it.
struct ModalAnswerer {
    EventLoopTimerRef timer = nullptr;
    DialogPtr current = nullptr;
    int presses = 0;
    int answered = 0;

    static void Look(EventLoopTimerRef timer, void* data) {
        auto* self = static_cast<ModalAnswerer*>(data);
        DialogPtr dialog = GetDialogFromWindow(FrontNonFloatingWindow());
        if (dialog && IsWindowVisible(GetDialogWindow(dialog)) && gInModal > 0) {
            if (dialog != self->current) {
                self->current = dialog;
                self->presses = 0;
                ++self->answered;
            }
            PressDialogItem(dialog, self->presses++ % 2 == 0 ? 2 : 1);
        }
        SetEventLoopTimerNextFireTime(timer, 0);
    }
    ModalAnswerer() { InstallEventLoopTimer(0, 0, Look, this, &timer); }
    ~ModalAnswerer() { RemoveEventLoopTimer(timer); }
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;
};

std::string ItemName(MenuRef menu, MenuItemIndex item) {
    Str255 text;
    GetMenuItemText(menu, item, text);
    return std::string(PStringView(text));
}

TEST_F(ProgramTest, EveryBuiltInSetCanBeChosenWithTheMouse) {
    Start();
    MenuRef sets = GetMenuHandle(kBuiltInSetsMenuID);
    ASSERT_NE(sets, nullptr);
    ASSERT_GT(CountMenuItems(sets), 1) << "the built-in sets are listed";
    for (MenuItemIndex item = 1; item <= CountMenuItems(sets); ++item) {
        ASSERT_TRUE(ClickMenuBarItem(kBuiltInSetsMenuID, item)) << ItemName(sets, item);
        ProcessPendingEvents();
        ASSERT_NE(myScrollWindow, nullptr) << ItemName(sets, item);
        EXPECT_EQ(GetMenuBarWindow(), myScrollWindow) << "the new prompter holds the bar";
    }
    // The bar of the last prompter still answers the mouse.
    EXPECT_TRUE(ClickMenuBarItem(kBuiltInSetsMenuID, 1));
}

TEST_F(ProgramTest, EveryEnabledItemOfEveryMenuCanBeClicked) {
    Start();
    UseScript("One line to prompt.\rAnd a second one.\r");
    SetPrintDialogResponder([](PrintDialogKind, PrintChoices*) { return OSStatus(kPrintCancelled); });
    ModalAnswerer answerer;
    int clicked = 0;
    for (int slot = 0; slot < kMenuSlotCount; ++slot) {
        // The menus' contents change as their commands run (fonts, colours, scripts): each is walked as
        // it stands when its turn comes.
        const UInt16 count = myMenus[size_t(slot)] ? CountMenuItems(myMenus[size_t(slot)]) : 0;
        for (MenuItemIndex item = 1; item <= count; ++item) {
            MenuRef menu = myMenus[size_t(slot)];
            if (!menu || item > CountMenuItems(menu)) break;
            const MenuID id = GetMenuID(menu);
            if (id == kFileMenuID && item == kQuitItem) continue;
            SCOPED_TRACE("menu " + std::to_string(id) + " item " + std::to_string(item) + " " +
                         ItemName(menu, item));
            if (ClickMenuBarItem(id, item)) ++clicked;
            PassTicks(2);
            ASSERT_NE(myScrollWindow, nullptr);
        }
    }
    SetPrintDialogResponder(nullptr);
    EXPECT_GT(clicked, 20);
    ClearRecordedErrorMessages();
}

} // namespace
