// The text layer copied onto the composed background with the back and colour styles.
#include "scroll/text_layer_copy.h"

#include "prefs/prefs_fields.h"
#include "shell/shell_globals.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

namespace {

using C = TextLayerColor;

TEST(TextLayerStyle, BackStylesGiveTheCompositorsBackArguments) {
    struct Row {
        SInt16 style, kind;
        C color1, color2;
    };
    const Row rows[] = {
        {0, 1, C::kNone, C::kNone},
        {1, 2, C::kPrompterBack, C::kTextRectBack},
        {2, 3, C::kPrompterBack, C::kNone},
        {3, 4, C::kPrompterBack, C::kNone},
        {4, 5, C::kPrompterBack, C::kNone},
        {5, 6, C::kPrompterBack, C::kNone},
        {6, 5, C::kPrompterBack, C::kBackgroundFade},
    };
    PrefsRecord prefs = gDefaultPreferences;
    SetPref(prefs, kPrefTextColorStyle, 1);
    for (const Row& row : rows) {
        SetPref(prefs, kPrefTextRectBackStyle, row.style);
        TextLayerStyle style;
        ASSERT_TRUE(ChooseTextLayerStyle(prefs, &style)) << row.style;
        EXPECT_EQ(style.backKind, row.kind) << row.style;
        EXPECT_EQ(style.back1, row.color1) << row.style;
        EXPECT_EQ(style.back2, row.color2) << row.style;
    }
}

TEST(TextLayerStyle, ColourStylesGiveTheCompositorsTextArguments) {
    struct Row {
        SInt16 style, mode;
        C color1, color2;
    };
    const Row rows[] = {
        {0, 2, C::kPrompterBack, C::kPrompterBack}, {1, 1, C::kNone, C::kNone},
        {2, 3, C::kPrompterBack, C::kNone},         {3, 4, C::kPrompterBack, C::kNone},
        {4, 5, C::kPrompterBack, C::kNone},         {5, 6, C::kPrompterBack, C::kNone},
        {6, 5, C::kPrompterBack, C::kTextFade},     {7, 2, C::kPrompterBack, C::kTextRectBack},
    };
    PrefsRecord prefs = gDefaultPreferences;
    // The text rectangle's own back colour applies together with the fading text, as with any other style.
    SetPref(prefs, kPrefTextRectBackStyle, 1);
    for (const Row& row : rows) {
        SetPref(prefs, kPrefTextColorStyle, row.style);
        TextLayerStyle style;
        ASSERT_TRUE(ChooseTextLayerStyle(prefs, &style)) << row.style;
        EXPECT_EQ(style.backKind, 2) << row.style;
        EXPECT_EQ(style.colorMode, row.mode) << row.style;
        EXPECT_EQ(style.text1, row.color1) << row.style;
        EXPECT_EQ(style.text2, row.color2) << row.style;
    }
}

class TextLayerCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = gThePreferences;
        SetPref(gThePreferences, kPrefTextRectBackStyle, 0);
        SetPref(gThePreferences, kPrefTextColorStyle, 1);
        SetPref(gThePreferences, kPrefMirror, 0);
        SetPref(gThePreferences, kPrefFlip, 0);
        SetPref(gThePreferences, kPrefRotation, 0);
        SetPref(gThePreferences, kPrefOverlaysOn, 0);
        SetPref(gThePreferences, kPrefTextFlowsInShape, 0);
        text.MakeCurrent();
        RGBForeColor(&kRedRGB);
        const Rect left{0, 0, 20, 10};
        PaintRect(&left);
        gOffscreenScrollWindow = text;
        gOffscreenExtraWindow = composite;
    }
    void TearDown() override {
        gOffscreenScrollWindow = gOffscreenExtraWindow = nullptr;
        gThePreferences = saved;
    }
    PrefsRecord saved;
    TestWorld composite{20, 20};
    TestWorld text{20, 20};
    const Rect all{0, 0, 20, 20};
};

TEST_F(TextLayerCopy, ThePlainStylesCopyTheLayerMirroredAsTheOutputIs) {
    SetPref(gThePreferences, kPrefMirror, 1);
    DoScrollToExtraCopy(&all, &all);
    EXPECT_EQ(composite.At(15, 5), kRedPixel) << "the left half arrives on the right";
    EXPECT_EQ(composite.At(5, 5), kWhitePixel);
}

TEST_F(TextLayerCopy, StylesOutsideTheTablesCopyNothing) {
    for (auto [back, color] : {std::pair<SInt16, SInt16>{7, 1}, {0, 8}, {-1, 1}, {0, -1}}) {
        SetPref(gThePreferences, kPrefTextRectBackStyle, back);
        SetPref(gThePreferences, kPrefTextColorStyle, color);
        DoScrollToExtraCopy(&all, &all);
        EXPECT_EQ(composite.At(5, 5), kWhitePixel) << back << " " << color;
    }
}

} // namespace
