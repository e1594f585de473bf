// Menus read from 'MENU' resources: a damaged or absurd resource gives no menu rather than one that
// cannot be walked.
#include "platform/bytes.h"
#include "platform/menus.h"
#include "platform/resource_format.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr SInt16 kMenuResource = 128;

// A menu's bytes: ID, width, height, procedure, filler, enable flags, title, then `items` items named
// "x" and the zero that ends the list.
std::vector<UInt8> MenuBytes(int items) {
    ByteWriter w;
    w.s16(kMenuResource);
    w.zeros(8);
    w.u32(0xFFFFFFFF);
    w.pstring("Many");
    for (int i = 0; i < items; ++i) {
        w.pstring("x");
        w.zeros(4);
    }
    w.u8(0);
    return w.take();
}

// Reads the bytes as menu 128 of a resource file held in memory.
MenuRef MenuFrom(const std::vector<UInt8>& bytes) {
    ResourceEntry entry;
    entry.type = FourCC("MENU");
    entry.id = kMenuResource;
    entry.data = bytes;
    const ResFileRefNum refNum = OpenResFileOfEntries("menus", {&entry, 1});
    EXPECT_GT(refNum, 0);
    MenuRef menu = GetMenu(kMenuResource);
    CloseResFile(refNum);
    return menu;
}

TEST(MenuResources, AMenuOfTensOfThousandsOfItemsIsRefused) {
    // Item numbers are 16-bit: a menu of 65535 items could not be walked item by item to its end.
    struct Case {
        int items;
        bool read;
    } cases[] = {{3, true}, {2048, true}, {2049, false}, {65535, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items);
        MenuRef menu = MenuFrom(MenuBytes(c.items));
        EXPECT_EQ(menu != nullptr, c.read);
        if (menu) {
            EXPECT_EQ(CountMenuItems(menu), c.items);
        }
        DisposeMenu(menu);
    }
}

} // namespace
