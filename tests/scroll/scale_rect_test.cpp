// Scaling the layout rectangles from the prompter size stored with a document.
#include "scroll/prompter_window.h"

#include "prefs/prefs_fields.h"
#include "scroll/scroll_engine.h"

#include <gtest/gtest.h>

namespace {

TEST(ScaleRect, ScalesTheCornerAndTheSizeAndNeverCollapsesASide) {
    struct {
        Rect in;
        double h, v;
        Rect out;
    } cases[] = {
        {{10, 10, 110, 110}, 2.0, 0.5, {5, 20, 55, 220}}, {{10, 10, 110, 110}, 1.0, 1.0, {10, 10, 110, 110}},
        {{0, 0, 1, 1}, 0.1, 0.1, {0, 0, 1, 1}},         // a side that would vanish keeps one pixel
        {{3, 7, 13, 10}, 0.5, 1.5, {4, 3, 19, 4}},      // whole parts: left 3.5 -> 3, right 3 + 1.5 -> 4
        {{10, 10, 10, 50}, 2.0, 2.0, {10, 10, 10, 50}}, // empty: left alone
        {{20, 20, 20, 20}, 3.0, 3.0, {20, 20, 20, 20}}, // four equal margins form an empty rectangle
    };
    for (const auto& c : cases) {
        Rect r = c.in;
        ScaleRect(&r, c.h, c.v);
        EXPECT_EQ(r, c.out) << c.in.top << "," << c.in.left << "," << c.in.bottom << "," << c.in.right;
    }
}

class ScaleElements : public ::testing::Test {
  protected:
    void SetUp() override { saved = gThePreferences; }
    void TearDown() override { gThePreferences = saved; }
    PrefsRecord saved;
};

TEST_F(ScaleElements, AMissingStoredWidthTakesTheHeightFactor) {
    Rect scrolling{};
    GetWindowRectIfScrolling(&scrolling);
    ASSERT_GT(RectHeight(scrolling), 0);
    SetPref(gThePreferences, kPrefStoredPrompterWidth, 0);
    SetPref(gThePreferences, kPrefStoredPrompterHeight, 500);
    SetPref(gThePreferences, kPrefCueRect, Rect{100, 100, 200, 200});
    SetPref(gThePreferences, kPrefTextMargins, Rect{20, 20, 20, 20});
    ScaleElementsToFit();
    Rect expected{100, 100, 200, 200};
    const double factor = double(RectHeight(scrolling)) / 500;
    ScaleRect(&expected, factor, factor);
    EXPECT_EQ(GetPref(gThePreferences, kPrefCueRect), expected);
    EXPECT_EQ(GetPref(gThePreferences, kPrefTextMargins), (Rect{20, 20, 20, 20}));
}

TEST_F(ScaleElements, NothingStoredNothingScaled) {
    SetPref(gThePreferences, kPrefStoredPrompterWidth, 0);
    SetPref(gThePreferences, kPrefStoredPrompterHeight, 0);
    SetPref(gThePreferences, kPrefCueRect, Rect{100, 100, 200, 200});
    ScaleElementsToFit();
    EXPECT_EQ(GetPref(gThePreferences, kPrefCueRect), (Rect{100, 100, 200, 200}));
}

} // namespace
