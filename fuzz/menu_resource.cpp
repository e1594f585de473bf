// 'MENU' resources from outside: the bytes become menu 128 of a resource file opened from memory, in front
// of the program's own, and are read by GetMenu; the menu then goes into the menu bar with the submenus its
// items name, is opened and clicked as the mouse does, has its key equivalents matched and its items drawn.
// The first input byte picks the item clicked, the second the key tried; the rest is the resource.
#include "support/fuzz_support.h"

#include "platform/application.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/resource_format.h"
#include "platform/resources.h"
#include "platform/windows.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr ResID kMenuResource = 128;

WindowPtr gBarWindow = nullptr;

void Chosen(MenuID, MenuItemIndex) {}

// Reads every item as the program does when it fills or checks a menu.
void WalkItems(MenuRef menu) {
    Str255 text;
    GetMenuTitle(menu, text);
    for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item) {
        GetMenuItemText(menu, item, text);
        GetItemMark(menu, item);
        GetItemCmd(menu, item);
        GetItemStyle(menu, item);
        IsMenuItemEnabled(menu, item);
    }
}

void DrawItems(MenuRef menu) {
    const Rect bounds{0, 0, 18, 200};
    GWorldPtr world = nullptr;
    if (NewGWorld(&world, 32, &bounds, nullptr, nullptr, 0) != noErr || !world) return;
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(world, nullptr);
    for (MenuItemIndex item = 1; item <= std::min<UInt16>(CountMenuItems(menu), 64); ++item)
        DrawMenuItem(menu, item, &bounds);
    SetGWorld(savedPort, savedDevice);
    DisposeGWorld(world);
}

// The first click through the menus makes the toolkit's record of the mouse, which it keeps in a static
// of its own that goes at exit before the platform's own stop would run: the bar, its window and the
// platform stop here instead, registered after that static and so run before it goes.
void StopBeforeToolkitStatics() {
    SetMenuBarWindow(nullptr);
    DisposeWindow(gBarWindow);
    gBarWindow = nullptr;
    ProcessPendingEvents();
    ShutdownPlatform();
}

void ClickOnce() {
    MenuRef menu = nullptr;
    if (CreateNewMenu(1, 0, &menu) != noErr) __builtin_trap();
    Str255 text;
    SetPString(text, "Warm up");
    SetMenuTitle(menu, text);
    AppendMenuItemText(menu, text);
    InsertMenu(menu, 0);
    DrawMenuBar();
    ClickMenuBarItem(1, 1);
    ClearMenuBar();
    DrawMenuBar();
    DisposeMenu(menu);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::StartPlatform(argc, argv);
    const Rect bounds{40, 40, 340, 440};
    Str255 title;
    SetPString(title, "menus");
    gBarWindow = NewWindowOfClass(kDocumentWindowClass, &bounds, title, 0);
    if (!gBarWindow) __builtin_trap();
    ShowWindow(gBarWindow);
    SetMenuBarWindow(gBarWindow);
    InstallMenuHandlers(nullptr, Chosen);
    ProcessPendingEvents();
    ClickOnce();
    std::atexit(StopBeforeToolkitStatics);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const UInt8 pick = input.Byte();
    const UInt8 key = input.Byte();
    const std::span<const uint8_t> bytes = input.Rest();

    ResourceEntry entry;
    entry.type = FourCC("MENU");
    entry.id = kMenuResource;
    entry.data = bytes;
    const ResFileRefNum refNum = OpenResFileOfEntries("fuzz menus", {&entry, 1});
    if (refNum <= 0) __builtin_trap();

    std::vector<MenuRef> made;
    if (MenuRef menu = GetMenu(kMenuResource)) {
        made.push_back(menu);
        WalkItems(menu);
        // The submenus its items name come from the program's own file, or are the menu itself.
        for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item) {
            const MenuID sub = GetItemSubmenu(menu, item);
            if (!sub || GetMenuHandle(sub)) continue;
            if (MenuRef submenu = GetMenu(sub)) {
                made.push_back(submenu);
                InsertMenu(submenu, kInsertHierarchicalMenu);
            }
        }
        InsertMenu(menu, 0);
        DrawMenuBar();
        MenuKey(key, UInt16(pick) << 8);
        ClickMenuBarItem(GetMenuID(menu), MenuItemIndex(pick % (CountMenuItems(menu) + 1)));
        DrawItems(menu);
        ClearMenuBar();
        DrawMenuBar();
    }
    // The bar keeps one toolkit menu per menu ID it has shown; a new bar now and then lets them go.
    static unsigned inputs = 0;
    if (++inputs % 256 == 0) {
        SetMenuBarWindow(nullptr);
        SetMenuBarWindow(gBarWindow);
    }
    for (MenuRef menu : made)
        DisposeMenu(menu);
    CloseResFile(refNum);
    ProcessPendingEvents();
    fuzz::ClearMessages();
    return 0;
}
