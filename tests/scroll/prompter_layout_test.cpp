// The prompter's division into text, cue column and information strip for the combinations of rotation,
// mirror, flip and strips that change where each part goes.
#include "scroll/prompter_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr Rect kContent{0, 0, 400, 600};

struct LayoutCase {
    const char* name;
    bool offscreen, scrolling;
    SInt16 rotation;
    bool mirror, flip, infoStrip;
    SInt16 cueWidth;
    Rect expectedText, expectedCue, expectedInfo;
};

PrompterLayoutSettings SettingsFor(const LayoutCase& c) {
    PrompterLayoutSettings s;
    s.content = kContent;
    s.offscreen = c.offscreen;
    s.scrolling = c.scrolling;
    s.rotation = c.rotation;
    s.mirror = c.mirror;
    s.flip = c.flip;
    s.infoStrip = c.infoStrip;
    s.cueShown = c.cueWidth > 0;
    s.cueWidth = c.cueWidth;
    return s;
}

} // namespace

// Beside Rect itself, where the test framework looks for it.
static void PrintTo(const Rect& r, std::ostream* os) {
    *os << "{" << r.top << "," << r.left << "," << r.bottom << "," << r.right << "}";
}

namespace {

TEST(PrompterLayout, StripSidesAndCueColumnFollowRotationMirrorAndFlip) {
    const LayoutCase cases[] = {
        {"plain", false, false, 0, false, false, false, 0, {0, 0, 400, 584}, {0, 0, 400, 0}, {}},
        {"strip at the bottom",
         false,
         true,
         0,
         false,
         true,
         true,
         0,
         {0, 0, 384, 584},
         {0, 0, 384, 0},
         {384, 0, 400, 584}},
        {"flipped strip at the top",
         true,
         true,
         0,
         false,
         true,
         true,
         0,
         {16, 0, 400, 584},
         {16, 0, 400, 0},
         {0, 0, 16, 584}},
        {"turned right: strip at the left",
         true,
         true,
         1,
         false,
         false,
         true,
         0,
         {0, 16, 384, 584},
         {0, 16, 0, 584},
         {0, 0, 400, 16}},
        {"turned left: strip beside the bar",
         true,
         true,
         -1,
         false,
         false,
         true,
         0,
         {0, 0, 384, 568},
         {384, 0, 384, 568},
         {0, 568, 400, 584}},
        {"cue column at the left",
         false,
         false,
         0,
         false,
         false,
         false,
         30,
         {0, 30, 400, 584},
         {0, 0, 400, 30},
         {}},
        {"mirrored cue column at the right",
         true,
         true,
         0,
         true,
         false,
         false,
         30,
         {0, 0, 400, 554},
         {0, 554, 400, 584},
         {}},
        {"turned right: cue column above",
         true,
         true,
         1,
         false,
         false,
         false,
         30,
         {30, 0, 400, 584},
         {0, 0, 30, 584},
         {}},
        {"turned left: cue column below",
         true,
         true,
         -1,
         false,
         false,
         false,
         30,
         {0, 0, 370, 584},
         {370, 0, 400, 584},
         {}},
        {"not drawn offscreen: the mirror moves nothing",
         false,
         true,
         0,
         true,
         false,
         false,
         30,
         {0, 30, 400, 584},
         {0, 0, 400, 30},
         {}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PrompterLayout layout = CalculatePrompterLayout(SettingsFor(c));
        EXPECT_EQ(layout.text, c.expectedText);
        EXPECT_EQ(layout.cue, c.expectedCue);
        EXPECT_EQ(layout.info, c.expectedInfo);
        EXPECT_EQ(layout.messedUpReports, 0);
    }
}

TEST(PrompterLayout, MarginsAndTabRuler) {
    struct {
        Rect margins;
        bool tabRuler, scrolling;
        Rect expected;
    } cases[] = {
        {{10, 20, 30, 40}, false, false, {10, 20, 370, 544}},
        {{0, 0, 0, 0}, true, false, {17, 0, 400, 584}},  // the ruler needs 17 pixels above the text
        {{5, 0, 0, 0}, true, false, {17, 0, 400, 584}},  // ... of which the margin gives some
        {{20, 0, 0, 0}, true, false, {20, 0, 400, 584}}, // a margin over 16 leaves room enough
        {{0, 0, 0, 0}, true, true, {0, 0, 400, 584}},    // no ruler while scrolling
    };
    for (const auto& c : cases) {
        PrompterLayoutSettings s;
        s.content = kContent;
        s.margins = c.margins;
        s.tabRulerShowing = c.tabRuler;
        s.scrolling = c.scrolling;
        EXPECT_EQ(CalculatePrompterLayout(s).text, c.expected);
    }
}

TEST(PrompterLayout, InfoFieldsAndWhereTheirClicksLand) {
    PrompterLayoutSettings s;
    s.content = kContent;
    s.infoStrip = true;
    s.scrolling = true;
    const PrompterLayout upright = CalculatePrompterLayout(s);
    const SInt16 starts[] = {0, 100, 250, 400, 550, 584};
    for (int i = 0; i < kInfoFieldCount; ++i)
        EXPECT_EQ(upright.fields[i].left, starts[i < 6 ? i : 5]) << "field " << i;
    EXPECT_EQ(upright.fields[6].right, 584); // the end field takes the rest, and the mode field is cut
    EXPECT_EQ(upright.clicks[0], (Rect{384, 0, 400, 100}));

    s.offscreen = true;
    s.mirror = true;
    const PrompterLayout mirrored = CalculatePrompterLayout(s);
    EXPECT_EQ(mirrored.clicks[0], (Rect{384, 484, 400, 584}));
    EXPECT_EQ(mirrored.clicks[1], (Rect{384, 334, 400, 484}));

    s.mirror = false;
    s.rotation = 1;
    const PrompterLayout turned = CalculatePrompterLayout(s);
    EXPECT_EQ(turned.clicks[0], (Rect{0, 0, 100, 16})); // from the top downwards
    s.rotation = -1;
    const PrompterLayout turnedBack = CalculatePrompterLayout(s);
    EXPECT_EQ(turnedBack.clicks[0], (Rect{300, 568, 400, 584})); // from the bottom upwards
}

TEST(PrompterLayout, InvertedRectanglesAreReportedAndClampedToEmpty) {
    const Rect box{0, 300, 100, 200};
    PrompterLayoutSettings s;
    s.content = kContent;
    s.box = &box;
    const PrompterLayout layout = CalculatePrompterLayout(s);
    EXPECT_EQ(layout.badBoxReports, 1);
    EXPECT_GE(layout.messedUpReports, 1);
    EXPECT_GE(layout.text.right, layout.text.left);
    EXPECT_GE(layout.text.bottom, layout.text.top);

    PrompterLayoutSettings tiny;
    tiny.content = Rect{0, 0, 10, 20};
    tiny.margins = Rect{8, 0, 8, 0};
    const PrompterLayout squeezed = CalculatePrompterLayout(tiny);
    EXPECT_TRUE(squeezed.text.bottom >= squeezed.text.top);
}

} // namespace
