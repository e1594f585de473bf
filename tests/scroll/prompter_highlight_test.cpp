// The highlight at the cue: which range each kind colours, that the frame drawn after a change is the
// frame a full redraw gives in every output, and that every run's own colour comes back.
#include "foundation/word_line_arrays.h"
#include "prefs/prefs_fields.h"
#include "scroll/cue_marker.h"
#include "scroll/highlight.h"
#include "scroll/prompter_drawing.h"
#include "scroll/script_measures.h"
#include "scroll/scroll_step_drawing.h"
#include "shell/mode_switching.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

constexpr RGBColor kBlack{0, 0, 0};
constexpr RGBColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};
constexpr RGBColor kRed{0xFFFF, 0, 0};
constexpr UInt32 kRedPixel = 0xFFFF0000u;

// Four one-syllable words a line, so that the cue's place in a line's height names the word.
const char kScript[] = "cat dog sun map\rbig red hat box\rfox ran far off\rwet mud got hot\r"
                       "old owl sat low\rtin can hit top\r";

class Highlight : public ScrollingPrompterFixture {
  protected:
    void SetUp() override { SetUpScrolling(kBlack, kWhite, 24, kRed); }
    void Open(SInt16 kind, SInt16 mirror = 0, SInt16 rotation = 0) {
        SetPref(gThePreferences, kPrefHighlightKind, kind);
        SetPref(gThePreferences, kPrefMirror, mirror);
        SetPref(gThePreferences, kPrefRotation, rotation);
        OpenAt(Rect{100, 100, 500, 700});
        SetScript(kScript);
        MeasureScriptText();
        ASSERT_GT(CountWordLineRecords(myWordLineArray), 20);
        StartScroll(1);
        ASSERT_TRUE(ScrollWEHandle);
    }
    // Moves the text so that the cue stands at the given share of the line's height.
    static void PutCueInLine(SInt32 line, double share) {
        SInt32 start = 0, end = 0;
        WEGetLineRange(line, &start, &end, ScrollWEHandle);
        LongPoint top{};
        SInt16 height = 0;
        WEGetPoint(start, 0, &top, &height, ScrollWEHandle);
        const SInt32 cue = GetCueScrollRectPosition() + gScrollDestinationRect.top;
        WEScroll(0, SInt32(cue - height * share) - top.v, ScrollWEHandle);
    }
    static RGBColor ColorAt(SInt32 offset) {
        WERunInfo info;
        WEGetRunInfo(offset, &info, ScrollWEHandle);
        return info.style.style.color;
    }
    static SInt32 Find(const char* word) { return SInt32(std::string(kScript).find(word)); }
};

TEST_F(Highlight, EachKindColoursTheRangeAtTheCueAndTheFrameMatchesAFullRedraw) {
    struct Case {
        const char* name;
        SInt16 kind, mirror, rotation;
        SInt32 line;
        double share;
        const char* from; // first character coloured
        const char* to;   // last character coloured
    };
    const Case cases[] = {
        {"word, upright", 2, 0, 0, 2, 0.6, "far", "far"},
        {"word, mirrored", 2, 1, 0, 1, 0.1, "big", "big"},
        {"word, turned and mirrored", 2, 1, 1, 3, 0.9, "hot", "hot"},
        {"line, upright", 3, 0, 0, 4, 0.5, "old", "low\r"},
        {"line, turned and mirrored", 3, 1, 1, 1, 0.3, "big", "box\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.kind, c.mirror, c.rotation);
        PutCueInLine(c.line, c.share);
        if (c.kind == 2)
            HighlightWordAtCue(2, 0);
        else
            HighlightLineAtCue(2);
        DrawHighlightChange();
        const SInt32 first = Find(c.from), last = Find(c.to) + SInt32(std::string(c.to).size()) - 1;
        EXPECT_EQ(ColorAt(first), kRed);
        EXPECT_EQ(ColorAt(last), kRed);
        EXPECT_EQ(ColorAt(first - 2), kBlack) << "before the range";
        EXPECT_EQ(ColorAt(last + 2), kBlack) << "after the range";
        const std::vector<UInt32> drawn = WindowPixels();
        EXPECT_NE(std::count(drawn.begin(), drawn.end(), kRedPixel), 0) << "the highlight is shown";
        UpdateScrollWindow();
        EXPECT_EQ(WindowPixels(), drawn) << "the frame after the change is the full frame";
        StopScroll();
        EXPECT_EQ(ColorAt(first), kBlack) << "ending the scroll puts the colour back";
        CloseScrollWindow();
    }
}

// Colours change in the kept lines without laying the text out again: what each kind shows, and what is
// shown when it ends, is what the text laid out again from its styles draws.
TEST_F(Highlight, EveryKindDrawsWhatTheTextLaidOutAgainDraws) {
    struct Case {
        const char* name;
        SInt16 kind, mirror;
        SInt32 line;
        double share;
    } cases[] = {
        {"word", 2, 0, 2, 0.6},           {"word, mirrored", 2, 1, 1, 0.1}, {"line", 3, 0, 4, 0.5},
        {"line, mirrored", 3, 1, 1, 0.3}, {"speed reading", 4, 0, 2, 0.6},
    };
    SetPref(gThePreferences, kPrefSpeedReadingWords, 1);
    SetPref(gThePreferences, kPrefSpeedReadingFade, 3);
    auto differences = [](const std::vector<UInt32>& a, const std::vector<UInt32>& b) {
        size_t n = a.size() == b.size() ? 0 : std::max(a.size(), b.size());
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
            n += a[i] != b[i];
        return n;
    };
    auto laidOutAgain = [] {
        WECalText(ScrollWEHandle);
        UpdateScrollWindow();
        return WindowPixels();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.kind, c.mirror);
        PutCueInLine(c.line, c.share);
        UpdateScrollWindow();
        const std::vector<UInt32> plain = WindowPixels();
        for (SInt16 mode : {SInt16(2), SInt16(3)}) {
            if (c.kind == 2) HighlightWordAtCue(mode, 0);
            if (c.kind == 3) HighlightLineAtCue(mode);
            if (c.kind == 4) HighlightSpeedReading(mode, 0);
            DrawHighlightChange();
            const std::vector<UInt32> shown = WindowPixels();
            EXPECT_EQ(differences(shown, laidOutAgain()), 0u) << "mode " << mode;
            if (mode == 2) {
                EXPECT_NE(differences(shown, plain), 0u) << "the highlight is shown";
            }
        }
        // The speed reader hid the text when the scroll started; the others leave it as it was.
        if (c.kind != 4) {
            EXPECT_EQ(differences(WindowPixels(), plain), 0u) << "every colour came back";
        }
        StopScroll();
        CloseScrollWindow();
    }
}

TEST_F(Highlight, SpeedReadingShowsTheWordsAroundTheCueAndFadesTheRest) {
    SetPref(gThePreferences, kPrefSpeedReadingWords, 1);
    SetPref(gThePreferences, kPrefSpeedReadingFade, 2);
    Open(4);
    PutCueInLine(2, 0.6); // "far"
    HighlightSpeedReading(2, 0);
    DrawHighlightChange();
    const RGBColor hidden = InvisibleTextColor(kWhite);
    EXPECT_EQ(ColorAt(Find("ran")), kBlack);
    EXPECT_EQ(ColorAt(Find("off") + 2), kBlack);
    EXPECT_EQ(ColorAt(Find("ran") - 2), FadeColor(kWhite, kBlack, 1, 2)) << "the first faded character";
    EXPECT_EQ(ColorAt(Find("cat")), hidden);
    EXPECT_EQ(ColorAt(Find("top")), hidden);
    const std::vector<UInt32> drawn = WindowPixels();
    UpdateScrollWindow();
    EXPECT_EQ(WindowPixels(), drawn);
    HighlightSpeedReading(3, 0);
    for (const char* word : {"cat", "far", "top"})
        EXPECT_EQ(ColorAt(Find(word)), kBlack) << word;
}

// A fade wider than the script reaches both of its ends wherever the reading word is: the words shown
// must still follow the cue.
TEST_F(Highlight, SpeedReadingFollowsTheCueWhenTheFadeCoversTheWholeScript) {
    SetPref(gThePreferences, kPrefSpeedReadingWords, 1);
    SetPref(gThePreferences, kPrefSpeedReadingFade, 200);
    Open(4);
    PutCueInLine(1, 0.1); // "big"
    HighlightSpeedReading(2, 0);
    EXPECT_EQ(ColorAt(Find("big")), kBlack);
    EXPECT_NE(ColorAt(Find("old")), kBlack);
    PutCueInLine(4, 0.4); // "owl"
    HighlightSpeedReading(2, 0);
    DrawHighlightChange();
    EXPECT_EQ(ColorAt(Find("owl")), kBlack) << "the reading word moved on";
    EXPECT_NE(ColorAt(Find("big")), kBlack) << "the old words fade";
    const std::vector<UInt32> drawn = WindowPixels();
    UpdateScrollWindow();
    EXPECT_EQ(WindowPixels(), drawn);
}

TEST_F(Highlight, UnsetSpeedReadingWidthsBecomeTheirDefaults) {
    SetPref(gThePreferences, kPrefSpeedReadingWords, 0);
    SetPref(gThePreferences, kPrefSpeedReadingFade, 0);
    HighlightSpeedReading(3, 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefSpeedReadingWords), 5);
    EXPECT_EQ(GetPref(gThePreferences, kPrefSpeedReadingFade), 30);
}

// Thirty runs of different colours (one a single character) under a highlighted line and a hidden text.
TEST_F(Highlight, EveryRunKeepsItsOwnColourThroughHighlightAndSpeedReading) {
    Open(3);
    std::vector<RGBColor> colours;
    for (SInt32 k = 0; k < 30; ++k) {
        const RGBColor colour{UInt16(k * 2000), UInt16(0x8000 - k * 1000), UInt16(k * 777)};
        colours.push_back(colour);
        WETextStyle style;
        style.color = colour;
        WESetSelection(k, k == 29 ? 30 : k + 1, 0, ScrollWEHandle);
        WESetStyle(weDoColor, &style, ScrollWEHandle);
    }
    auto expectIntact = [&](const char* when) {
        for (SInt32 k = 0; k < 30; ++k)
            EXPECT_EQ(ColorAt(k), colours[size_t(k)]) << when << ", character " << k;
    };
    ColourHighlightRange(0, 40);
    EXPECT_EQ(ColorAt(29), kRed);
    SaveRestoreRunColor(0, 40, true);
    expectIntact("after the highlight");
    MakeTextInvisible(0, WEGetTextLength(ScrollWEHandle));
    EraseRestoreRunColor(0, 20, 5, 10, false);
    MakeTextInvisible(0, 20);
    MakeTextVisible();
    expectIntact("after speed reading");
}

TEST(FadeColor, StepsEvenlyAndStaysInRangeBothWays) {
    const RGBColor dark{0, 100, 65535}, light{65535, 0, 0};
    EXPECT_EQ(FadeColor(dark, light, 0, 4), dark);
    EXPECT_EQ(FadeColor(dark, light, 4, 4), light);
    EXPECT_EQ(FadeColor(dark, light, 2, 4), (RGBColor{32767, 50, 32768}));
    EXPECT_EQ(FadeColor(light, dark, 1, 3), (RGBColor{43690, 33, 21845}));
    EXPECT_EQ(FadeColor(dark, light, 9, 4), light) << "past the end";
    EXPECT_EQ(FadeColor(dark, light, 1, 0), light) << "no fade";
    EXPECT_EQ(InvisibleTextColor(RGBColor{0, 32768, 65535}), (RGBColor{2000, 34768, 63535}));
}

} // namespace
