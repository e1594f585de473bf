// Sliding-picture strips: sliding within their ends, the entries drawn, and choosing an entry by a click or
// a drag.
#include "controls/sliding_pictures.h"

#include "controls/control_drawing.h"
#include "controls/control_values.h"
#include "controls/window_callbacks.h"
#include "texttools/text_tool_windows.h"
#include "tool_window_items.h"

#include <vector>

namespace {

constexpr SInt32 kStripID = 11 << 16 | 1;
std::vector<SInt16> gDrawn;
SInt16 gDrawnCurrent = -1;
void NoteEntry(SInt16 entry, const Rect*, bool current) {
    gDrawn.push_back(entry);
    if (current) gDrawnCurrent = entry;
}

class SlidingPictures : public ToolWindowFixture {
  protected:
    // Five cells of 60 pixels in a strip 200 wide.
    void SetUp() override {
        ToolWindowFixture::SetUp();
        Build(&myFindReplaceWindow, 11, {ItemListBytes({Item(0, {20, 20, 70, 220})})});
        SetMyControlKind(reference, dialog, 1, kMySlidingPictures, kStripItself);
        const Rect cell{0, 0, 50, 60};
        AddMyScrollingPicturesItem(reference, dialog, 1, &cell, 5, false);
        strip = GetMyScrollingPicturesItem(reference, dialog, 1);
        ASSERT_NE(strip, nullptr);
        SetMyStripEntryDrawer(kStripID, NoteEntry);
    }
    void TearDown() override {
        SetMyStripEntryDrawer(kStripID, nullptr);
        ToolWindowFixture::TearDown();
    }
    MySlidingStrip* strip = nullptr;
};

TEST_F(SlidingPictures, TheStripSlidesBetweenItsEnds) {
    EXPECT_EQ(strip->extent, -300);
    EXPECT_EQ(strip->cellWidth, 60);
    struct Step {
        SInt32 step;
        SInt32 offset;
        SInt32 current;
        SInt32 taken;
    } steps[] = {
        {-50, -50, 0, -50}, {-1000, -300, 4, -250}, {+30, -270, 4, 30}, {+1000, 0, 0, 270}, {0, 0, 0, 0},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(ScrollThisSlidingPictureControl(reference, dialog, 1, s.step), s.taken) << s.step;
        EXPECT_EQ(strip->offset, s.offset) << s.step;
        EXPECT_EQ(GetMyControlScrollingPicsCurrentValue(reference, dialog, 1), s.current) << s.step;
    }
    // Momentum: a speed keeps the strip going until an end stops it.
    strip->speed = -120;
    ScrollThisSlidingPictureControl(reference, dialog, 1, 0);
    ScrollThisSlidingPictureControl(reference, dialog, 1, 0);
    ScrollThisSlidingPictureControl(reference, dialog, 1, 0);
    EXPECT_EQ(strip->offset, -300);
    EXPECT_EQ(strip->speed, 0);
}

TEST_F(SlidingPictures, OnlyTheEntriesInViewAreDrawnTheCurrentOneMarked) {
    struct Case {
        SInt32 select;
        std::vector<SInt16> drawn;
    } cases[] = {{0, {0, 1, 2, 3}}, {2, {2, 3, 4}}, {4, {4}}}; // the chosen cell starts at the left edge
    for (const Case& c : cases) {
        SelectThisSlidingPictureControl(reference, dialog, 1, c.select);
        gDrawn.clear();
        gDrawnCurrent = -1;
        DrawAMyDialogButton(reference, dialog, At(1), false, false);
        EXPECT_EQ(gDrawn, c.drawn) << c.select;
        EXPECT_EQ(gDrawnCurrent, c.select);
        EXPECT_EQ(strip->firstVisible, c.drawn.front());
        EXPECT_EQ(strip->lastVisible, c.drawn.back());
    }
}

TEST_F(SlidingPictures, AClickChoosesAnEntryAndADragSlidesTheStrip) {
    PressDragRelease(Point{40, 95}, Point{40, 95}); // on the second cell
    EXPECT_EQ(TrackAMyDialogButton(reference, dialog, nullptr, nullptr, At(1), Point{40, 95}), 1);
    EXPECT_EQ(strip->current, 1);
    EXPECT_EQ(strip->selected, 1);
    EXPECT_EQ(strip->offset, -60);
    PressDragRelease(Point{40, 150}, Point{40, 110});
    EXPECT_EQ(TrackAMyDialogButton(reference, dialog, nullptr, nullptr, At(1), Point{40, 150}), 1);
    EXPECT_EQ(strip->offset, -100);
    EXPECT_EQ(strip->selected, -1);
    // Removing every entry leaves an empty strip that draws only its frames.
    RemoveMyScrollingPicturesItem(reference, dialog, 1, -1, 0, true);
    EXPECT_TRUE(strip->entries.empty());
    EXPECT_EQ(strip->offset, 0);
    EXPECT_EQ(strip->extent, 0);
}

} // namespace
