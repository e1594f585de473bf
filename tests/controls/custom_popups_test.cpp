// The window pop-ups, a window's own list, the damage bar, the shared button pictures and the dial's
// sample style.
#include "controls/custom_controls.h"

#include "platform/pstring.h"
#include "platform/resources.h"
#include "shell/shell_globals.h"
#include "support/port_pixels.h"
#include "textengine/text_effect_globals.h"

#include <gtest/gtest.h>

namespace {

class CustomPopups : public ::testing::Test {
  protected:
    void SetUp() override {
        const Rect bounds{100, 100, 300, 400};
        window = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(CreateNewMenu(3400, 0, &menu), noErr);
        for (const char* name : {"Left", "Centre", "Right"}) {
            Str255 text;
            SetPString(text, name);
            AppendMenuItemText(menu, text);
        }
    }
    void TearDown() override {
        DisposeMenu(menu);
        DisposeWindow(window);
    }
    WindowPtr window = nullptr;
    MenuRef menu = nullptr;
};

TEST_F(CustomPopups, AWindowPopupStoresANewChoiceAndAnswersItsMenu) {
    const Rect box{10, 10, 30, 120};
    SInt16 item = 1;
    struct Case {
        MenuItemIndex answer;
        SInt16 result, item;
    } cases[] = {{3, 3400, 3}, {3, 3400, 3}, {0, 0, 3}, {2, 3400, 2}};
    for (const Case& c : cases) {
        AnswerNextPopUpMenu(c.answer);
        EXPECT_EQ(TrackWindowPopup(window, &box, 3400, &item, menu), c.result) << c.answer;
        EXPECT_EQ(item, c.item);
    }
    EXPECT_EQ(GetItemMark(menu, 2), 0) << "the mark shows only while the menu is up";
    SInt16 chosenMenu = 0;
    AnswerNextPopUpMenu(1);
    EXPECT_EQ(TrackWindowPopupWithSub(window, &box, 3400, 3401, &item, &chosenMenu, menu, nullptr), 3400);
    EXPECT_EQ(item, 1);
    EXPECT_EQ(chosenMenu, 3400);
    EXPECT_EQ(GetMenuHandle(3401), nullptr) << "no submenu left behind";
}

TEST_F(CustomPopups, AWindowsOwnListHasOneColumnAndRoomForItsBar) {
    const Rect view{20, 20, 120, 220};
    ListHandle list = NewWinList(&view, window);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(LCountRows(list), 0);
    EXPECT_EQ(LCountColumns(list), 1);
    EXPECT_EQ(LGetView(list).right, 205);
    EXPECT_EQ(LGetCellSize(list).h, 185);
    LDispose(list);
    EXPECT_EQ(NewWinList(&view, nullptr), nullptr);
}

TEST_F(CustomPopups, TheDamageBarIsLitFromAboveOverItsLength) {
    TestWorld world(40, 10);
    const Rect r{0, 0, 10, 24};
    DrawDamageRect(&r, 10, 0);
    EXPECT_EQ((world.At(2, 0) >> 16) & 0xFF, 0xD3u) << "red direct light";
    const UInt32 direct = world.At(2, 0), ambient = world.At(2, 3), shade = world.At(2, 5);
    EXPECT_NE(direct, ambient);
    EXPECT_NE(ambient, shade);
    EXPECT_EQ((ambient >> 16) & 0xFF, 0xB4u) << "red ambient";
    EXPECT_EQ((world.At(15, 2) >> 16) & 0xFF, 0x2Cu) << "past the bar: the dark background";
    EXPECT_EQ((world.At(2, 8) >> 16) & 0xFF, 0x2Cu) << "below the bar too";
    EXPECT_EQ(world.At(30, 2), kWhitePixel) << "outside the rect nothing";
    DrawDamageRect(&r, 24, 1);
    EXPECT_EQ((world.At(2, 3) >> 8) & 0xFF, 0x74u) << "green ambient";
}

TEST_F(CustomPopups, TheDialsSampleStyleIsPutBackAsItWas) {
    const float blur = gDropBlur;
    const Fixed width = gDropWidth, height = gDropHeight;
    gDropBlur = 3;
    TestWorld world(10, 10);
    SetRestoreStyleForRadial(0x00050000, -0x00020000, true);
    EXPECT_EQ(gDropBlur, 0);
    EXPECT_EQ(gDropWidth, 0x00050000);
    EXPECT_EQ(gDropHeight, -0x00020000);
    SetRestoreStyleForRadial(0, 0, false);
    EXPECT_EQ(gDropBlur, 3);
    gDropBlur = blur;
    gDropWidth = width;
    gDropHeight = height;
}

} // namespace
