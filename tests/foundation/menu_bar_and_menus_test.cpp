// The menu bar's visibility, colour menu items drawn in their colours, font menus in their fonts.
#include "app_resources.h"
#include "foundation/foundation_prefs.h"
#include "foundation/menu_bar_and_menus.h"
#include "foundation/program_colors.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "support/port_pixels.h"

#include <vector>

namespace {

MenuRef MenuOf(std::initializer_list<const char*> items) {
    MenuRef menu = nullptr;
    CreateNewMenu(500, 0, &menu);
    for (const char* text : items) {
        Str255 s;
        SetPString(s, text);
        AppendMenuItemText(menu, s);
    }
    return menu;
}

std::vector<UInt32> Pixels(GWorldPtr world, const Rect& r) {
    std::vector<UInt32> out;
    for (SInt16 v = r.top; v < r.bottom; ++v)
        for (SInt16 h = r.left; h < r.right; ++h)
            out.push_back(GetPortPixel(world, h, v));
    return out;
}

class MenusAndMenuBar : public AppResources {};

TEST_F(MenusAndMenuBar, HidingAndShowingTheMenuBarFollowTheFlag) {
    MyHideMenuBar();
    MyHideMenuBar();
    EXPECT_TRUE(gMBarHidden);
    EXPECT_FALSE(IsMenuBarVisible());
    MyShowMenuBar();
    EXPECT_FALSE(gMBarHidden);
    EXPECT_TRUE(IsMenuBarVisible());
}

TEST_F(MenusAndMenuBar, CustomizedColourItemsAreDrawnInTheirOwnColour) {
    MenuRef menu = MenuOf({"Black", "White", "Red"});
    Rect box{0, 0, 20, 120};
    GWorldPtr plain, custom;
    ASSERT_EQ(NewGWorld(&plain, 32, &box, nullptr, nullptr, 0), noErr);
    ASSERT_EQ(NewGWorld(&custom, 32, &box, nullptr, nullptr, 0), noErr);
    SetGWorld(plain, nullptr);
    DrawMenuItem(menu, 3, &box);
    CustomizeMyMenuItem(menu, 3);
    EXPECT_TRUE(GetMenuItemAttributes(menu, 3) & kMenuItemAttrCustomDraw);
    SetGWorld(custom, nullptr);
    DrawMenuItem(menu, 3, &box);
    // The plain item is black text; the customised one also carries program colour 3.
    RGBColor three;
    ASSERT_TRUE(GetOVColor(3, &three, 0));
    auto hasColourOfThree = [&](const std::vector<UInt32>& pixels) {
        for (UInt32 p : pixels) {
            RGBColor c = RGBFromPixel(p);
            if (c == three) return true;
        }
        return false;
    };
    EXPECT_FALSE(hasColourOfThree(Pixels(plain, box)));
    EXPECT_TRUE(hasColourOfThree(Pixels(custom, box)));
    DisposeGWorld(plain);
    DisposeGWorld(custom);
    DisposeMenu(menu);
}

TEST_F(MenusAndMenuBar, FontMenuItemsTakeTheirFamiliesUnlessMenusArePlain) {
    MenuRef menu = MenuOf({"Times", "Courier"});
    const SInt32 saved = GetFoundationPref(FoundationPref::PlainFontMenus);
    SetFoundationPref(FoundationPref::PlainFontMenus, 0);
    SetFontMenuFonts(menu, true);
    EXPECT_EQ(GetMenuItemFontID(menu, 1), kFontTimes);
    EXPECT_EQ(GetMenuItemFontID(menu, 2), kFontCourier);
    SetFoundationPref(FoundationPref::PlainFontMenus, 1);
    SetFontMenuFonts(menu, true); // only when needed, and plain: left as it is
    EXPECT_EQ(GetMenuItemFontID(menu, 1), kFontTimes);
    SetFontMenuFonts(menu, false);
    EXPECT_EQ(GetMenuItemFontID(menu, 1), 0);
    EXPECT_EQ(GetMenuItemFontID(menu, 2), 0);
    SetFoundationPref(FoundationPref::PlainFontMenus, saved);
    DisposeMenu(menu);
}

TEST_F(MenusAndMenuBar, ResolveColorReadsTheStandardTable) {
    RGBColor expected;
    ASSERT_TRUE(GetStandardColor(35, &expected, false));
    EXPECT_EQ(*ResolveColor(35), expected);
}

} // namespace
