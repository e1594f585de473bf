// Drawing items by kind on the window's port pixels: normal, pressed, disabled, focused and hidden looks,
// and the format palette's clipping.
#include "controls/control_drawing.h"

#include "controls/control_values.h"
#include "ebook/ebook_windows.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

namespace {

constexpr UInt32 kGreyPixel = 0xFF7F7F7F;
constexpr UInt32 kYellowPixel = 0xFFFFFF00;
constexpr UInt32 kDisabledPixel = 0xFFA0A0A0;
constexpr UInt32 kFocusPixel = 0xFF185CD8;

enum : SInt16 { kGo = 1, kCheck, kRadio, kLight, kBox, kLine, kHiddenText, kUser, kGalleryItems = kUser };

std::vector<std::vector<UInt8>> GalleryLists() {
    return {ItemListBytes({
        Item(4, {10, 10, 34, 90}, "Go"),
        Item(5, {40, 10, 56, 150}, "Check"),
        Item(6, {60, 10, 76, 150}, "Radio"),
        Item(0, {80, 10, 100, 40}),
        Item(0, {80, 50, 100, 80}),
        Item(0, {110, 10, 130, 50}),
        Item(8, {140, 10, 156, 150}, "Hidden"),
        Item(0, {160, 10, 180, 60}),
    })};
}

class ControlDrawing : public ToolWindowFixture {
  protected:
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11, GalleryLists());
        SetMyControlKind(reference, dialog, kLight, kMyIndicatorLight, 0);
        SetMyControlKind(reference, dialog, kBox, kMyColorBox, 0);
        SetMyControlKind(reference, dialog, kLine, kMyLineDown, 0);
        const SInt32 red[] = {0xFFFF, 0, 0}, blue[] = {0, 0, 0xFFFF}, speech[] = {1, 2, 3};
        SetMyControlValues(reference, nullptr, At(kBox), &red[0], &red[1], &red[2]);
        SetMyControlValues(reference, nullptr, At(kLine), &blue[0], &blue[1], &blue[2]);
        SetMyControlValues(reference, nullptr, At(kLight), &speech[0], &speech[1], &speech[2]);
        At(kHiddenText)->kind |= kMyKindHidden;
        RedrawAll();
    }
    void Draw(SInt16 item, bool pressed) { DrawAMyDialogButton(reference, dialog, At(item), pressed, false); }
    int CountPixels(const Rect& r, UInt32 pixel) {
        int n = 0;
        for (int v = r.top; v < r.bottom; ++v)
            for (int h = r.left; h < r.right; ++h)
                n += Pixel(h, v) == pixel;
        return n;
    }
};

TEST_F(ControlDrawing, PushButtonsByColourAndState) {
    struct Case {
        const char* name;
        SInt32 fill;
        bool pressed;
        bool disabled;
        UInt32 topEdge;  // (12, 10): on the frame for small corners, outside it for round ones
        UInt32 midTop;   // (50, 10): the frame
        UInt32 interior; // (14, 22): inside, clear of the title
    } cases[] = {
        {"defaults", 0, false, false, kWhitePixel, kBlackPixel, kWhitePixel},
        {"pressed", 0, true, false, kWhitePixel, kGreyPixel, kGreyPixel},
        {"yellow fill: small corners", 3, false, false, kBlackPixel, kBlackPixel, kYellowPixel},
        {"disabled", 0, false, true, kWhitePixel, kDisabledPixel, kWhitePixel},
    };
    for (const Case& c : cases) {
        At(kGo)->value = c.fill;
        MyDisableControl(reference, dialog, At(kGo), c.disabled);
        Draw(kGo, c.pressed);
        EXPECT_EQ(Pixel(12, 10), c.topEdge) << c.name;
        EXPECT_EQ(Pixel(50, 10), c.midTop) << c.name;
        EXPECT_EQ(Pixel(14, 22), c.interior) << c.name;
        EXPECT_EQ(Pixel(10, 10), kWhitePixel) << c.name << ": the corner is rounded";
    }
}

TEST_F(ControlDrawing, CheckBoxesAndRadiosShowTheirStateAndPress) {
    struct Case {
        const char* name;
        SInt16 item;
        bool checked;
        bool pressed;
        Point probe; // a cross or dot pixel
        UInt32 want;
    } cases[] = {
        {"check box checked", kCheck, true, false, {45, 12}, kBlackPixel},
        {"check box clear", kCheck, false, false, {45, 12}, kWhitePixel},
        {"check box pressed", kCheck, false, true, {44, 12}, kGreyPixel},
        {"radio on", kRadio, true, false, {66, 15}, kBlackPixel},
        {"radio off", kRadio, false, false, {66, 15}, kWhitePixel},
        {"radio pressed", kRadio, false, true, {66, 15}, kGreyPixel},
    };
    for (const Case& c : cases) {
        SetMyControlChecked(reference, nullptr, At(c.item), c.checked);
        Draw(c.item, c.pressed);
        EXPECT_EQ(Pixel(c.probe.h, c.probe.v), c.want) << c.name;
    }
    EXPECT_EQ(Pixel(10, 43), kBlackPixel) << "the box's frame";
}

TEST_F(ControlDrawing, ColourBoxesLinesLightsAndUserItems) {
    EXPECT_EQ(Pixel(65, 90), kRedPixel);
    EXPECT_EQ(Pixel(10, 110), kBluePixel);
    EXPECT_EQ(Pixel(49, 129), kBluePixel);
    EXPECT_EQ(Pixel(49, 110), kWhitePixel);
    // A light of colour (1, 2, 3) shows "SP" on white, not a black swatch.
    const Rect light = At(kLight)->rect;
    EXPECT_GT(CountPixels(light, kWhitePixel), RectWidth(light) * RectHeight(light) / 2);
    // A user item with no drawer of its window is only framed.
    EXPECT_EQ(Pixel(10, 160), kBlackPixel);
    EXPECT_EQ(Pixel(30, 170), kWhitePixel);
}

TEST_F(ControlDrawing, HiddenItemsAreNeitherDrawnNorErasedUntilHidingErasesThem) {
    EXPECT_EQ(CountPixels(At(kHiddenText)->rect, kBlackPixel), 0);
    const Rect check = At(kCheck)->rect;
    SetMyControlChecked(reference, dialog, At(kCheck), true);
    ASSERT_GT(CountPixels(check, kBlackPixel), 0);
    MyHideControl(reference, dialog, kCheck, true);
    EXPECT_EQ(CountPixels(check, kWhitePixel), RectWidth(check) * RectHeight(check));
    DrawMyDialogButtons(reference, dialog, 0);
    EXPECT_EQ(CountPixels(check, kWhitePixel), RectWidth(check) * RectHeight(check));
    MyHideControl(reference, dialog, kCheck, false);
    EXPECT_GT(CountPixels(check, kBlackPixel), 0);
}

TEST_F(ControlDrawing, TheFocusedItemWearsABlueRing) {
    struct Case {
        SInt16 item;
        Rect where;
    } cases[] = {{kGo, {12, 10, 32, 90}}, {kCheck, {43, 10, 53, 20}}, {kRadio, {61, 10, 71, 20}}};
    for (const Case& c : cases) {
        EXPECT_EQ(CountPixels(c.where, kFocusPixel), 0) << c.item;
        gHasfocus = At(c.item);
        gHasfocusDialog = dialog;
        Draw(c.item, false);
        EXPECT_GT(CountPixels(c.where, kFocusPixel), 8) << c.item;
        gHasfocus = nullptr;
        gHasfocusDialog = nullptr;
        Draw(c.item, false);
        EXPECT_EQ(CountPixels(c.where, kFocusPixel), 0) << c.item;
    }
}

class PaletteDrawing : public ToolWindowFixture {};

TEST_F(PaletteDrawing, ScrollingItemsNeverDrawOverTheTopStripOrTheRightEdge) {
    Build(&myFormatPalWindow, 14, {ItemListBytes({Item(0, {5, 10, 30, 100}), Item(0, {40, 380, 60, 400})})});
    for (SInt16 item : {1, 2}) {
        SetMyControlKind(reference, dialog, item, kMyColorBox, 0);
        const SInt32 red[] = {0xFFFF, 0, 0};
        SetMyControlValues(reference, dialog, At(item), &red[0], &red[1], &red[2]);
    }
    EXPECT_EQ(Pixel(50, 10), kWhitePixel);
    EXPECT_EQ(Pixel(50, 20), kRedPixel);
    EXPECT_EQ(Pixel(395, 50), kWhitePixel);
    EXPECT_EQ(Pixel(385, 50), kRedPixel);
    // Fixed items own the whole window.
    SetMyControlDontScroll(reference, dialog, 1, true);
    SetMyControlDontScroll(reference, dialog, 2, true);
    EXPECT_EQ(Pixel(50, 10), kRedPixel);
    EXPECT_EQ(Pixel(395, 50), kRedPixel);
    // The content offset moves only the items that are not fixed.
    SetMyControlDontScroll(reference, dialog, 1, false);
    dialog->contentOffsetV = 20;
    RedrawAll();
    EXPECT_EQ(Pixel(50, 45), kRedPixel);
    EXPECT_EQ(Pixel(50, 20), kWhitePixel);
}

} // namespace
