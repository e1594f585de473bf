// The menu bar through the toolkit's own menus: a click on an item reaches the choice handler only once
// the menus have closed, so a command may tear the bar down.
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "support/event_log.h"
#include "support/pascal_name.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr MenuID kBarMenu = 300, kSubmenu = 301;

class MenuBar : public ::testing::Test {
  protected:
    void SetUp() override { Build(); }
    void Build() {
        const Rect bounds{60, 60, 360, 460};
        window = NewWindowOfClass(kDocumentWindowClass, &bounds, PName("bar"), 0);
        windowHandler = InstallWindowEventHandler(window, &EventLog::Record, &keys);
        ASSERT_EQ(CreateNewMenu(kBarMenu, 0, &bar), noErr);
        ASSERT_EQ(CreateNewMenu(kSubmenu, 0, &sub), noErr);
        SetMenuTitle(bar, PName("Things"));
        AppendMenuItemText(bar, PName("First"));
        AppendMenuItemText(bar, PName("More"));
        SetItemSubmenu(bar, 2, kSubmenu);
        AppendMenuItemText(sub, PName("Deep"));
        InsertMenu(sub, kInsertHierarchicalMenu);
        InsertMenu(bar, 0);
        SetMenuBarWindow(window);
        InstallMenuHandlers(nullptr, Chosen);
        ShowWindow(window);
        ProcessPendingEvents();
        EXPECT_TRUE(IsWindowActive(window));
        gTest = this;
    }
    void TearDown() override {
        gTest = nullptr;
        InstallMenuHandlers(nullptr, nullptr);
        if (window) TearDownBar();
        ProcessPendingEvents();
    }

    // What a command that rebuilds its window does to the bar: the menus and the window that held them go.
    void TearDownBar() {
        SetMenuBarWindow(nullptr);
        ClearMenuBar();
        DisposeMenu(bar);
        DisposeMenu(sub);
        RemoveEventHandler(windowHandler);
        DisposeWindow(window);
        window = nullptr;
    }

    static void Chosen(MenuID menu, MenuItemIndex item) {
        gTest->chosen.push_back((SInt32(menu) << 16) | item);
        if (gTest->tearDownOnChoice) gTest->TearDownBar();
    }

    static inline MenuBar* gTest = nullptr;
    WindowPtr window = nullptr;
    MenuRef bar = nullptr;
    MenuRef sub = nullptr;
    EventLog keys;
    EventHandlerRef windowHandler = nullptr;
    std::vector<SInt32> chosen;
    bool tearDownOnChoice = false;
};

TEST_F(MenuBar, AClickedItemMayDisposeOfTheMenusAndTheirWindow) {
    const struct {
        MenuID menu;
        MenuItemIndex item;
    } cases[] = {{kBarMenu, 1}, {kSubmenu, 1}};
    tearDownOnChoice = true;
    for (const auto& c : cases) {
        if (!window) Build();
        chosen.clear();
        ASSERT_TRUE(ClickMenuBarItem(c.menu, c.item)) << c.menu;
        EXPECT_EQ(chosen, (std::vector<SInt32>{(SInt32(c.menu) << 16) | c.item}));
        EXPECT_EQ(window, nullptr);
        ProcessPendingEvents();
    }
}

TEST_F(MenuBar, ItemsThatCannotBeChosenAreNot) {
    DisableMenuItem(bar, 1);
    EXPECT_FALSE(ClickMenuBarItem(kBarMenu, 1)) << "disabled";
    EXPECT_FALSE(ClickMenuBarItem(kBarMenu, 2)) << "opens a submenu";
    EXPECT_FALSE(ClickMenuBarItem(kBarMenu, 3)) << "no such item";
    EXPECT_TRUE(chosen.empty());
}

} // namespace

namespace {

// A menu closed with Escape gives the keyboard back: the next key reaches the window the bar belongs to
// instead of the bar (where a space would open the menu again), and no second Escape is needed.
TEST_F(MenuBar, KeysGoBackToTheWindowWhenAMenuIsClosedWithEscape) {
    const struct {
        const char* name;
        MenuID open;
    } cases[] = {{"bar menu", kBarMenu}, {"submenu", kSubmenu}};
    for (const auto& c : cases) {
        ASSERT_TRUE(OpenMenuBarMenu(c.open)) << c.name;
        ProcessPendingEvents(); // the menu is up a while before the key, as at the keyboard
        // Escape closes one menu level at a time, as it does at the keyboard.
        for (int press = 0; press < 3 && IsMenuBarMenuOpen(); ++press) {
            ASSERT_TRUE(PostKeyboardEvent(EventKind::KeyDown, kEscapeCharCode, kKeyEscape, 0));
            ProcessPendingEvents();
        }
        ASSERT_FALSE(IsMenuBarMenuOpen()) << c.name;
        keys.events.clear();
        ASSERT_TRUE(PostKeyboardEvent(EventKind::KeyDown, ' ', kKeySpace, 0)) << c.name;
        ProcessPendingEvents();
        const auto downs = keys.OfKind(EventKind::KeyDown);
        ASSERT_EQ(downs.size(), 1u) << c.name << ": the space did not reach the window";
        EXPECT_EQ(downs[0].charCode, ' ') << c.name;
        EXPECT_FALSE(IsMenuBarMenuOpen()) << c.name << ": the space opened the menu again";
        EXPECT_TRUE(chosen.empty()) << c.name;
    }
}

} // namespace
