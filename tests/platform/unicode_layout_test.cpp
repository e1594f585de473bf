// Drawing laid-out lines: a line exposed a few rows at a time (as scrolling exposes it) gives the pixels
// of the line drawn at once, a paragraph laid out again draws what it now holds, the clip holds, and a
// range given a new colour draws as if laid out in it.
#include "platform/drawing.h"
#include "platform/text_drawing.h"
#include "platform/unicode_layout.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ParagraphDeleter {
    void operator()(UnicodeParagraph* p) const { DisposeUnicodeParagraph(p); }
};
using Paragraph = std::unique_ptr<UnicodeParagraph, ParagraphDeleter>;

// A paragraph of text in one run of 24-point type in the given colour, wrapped at width (0: one line).
Paragraph LaidOut(const std::string& text, const RGBColor& color, SInt32 width = 0,
                  UnicodeParagraph* reuse = nullptr) {
    Paragraph p(reuse ? reuse : NewUnicodeParagraph());
    const std::vector<UInt16> units(text.begin(), text.end());
    UnicodeRunStyle run;
    run.length = SInt32(units.size());
    run.font = kFontTimes;
    run.size = 24;
    run.color = color;
    UnicodeLayoutOptions options;
    options.lineWidth = width;
    LayOutUnicodeParagraph(p.get(), units.data(), SInt32(units.size()), &run, 1, options);
    return p;
}

TEST(UnicodeLayoutDrawing, ALineExposedInStripsMatchesTheLineDrawnWhole) {
    const Paragraph p = LaidOut("Quick brown jumps; glyphs gj reach down", kBlackRGB, 220);
    ASSERT_GT(CountUnicodeLines(p.get()), 1);
    // Worlds whose local coordinates start elsewhere than 0,0 place the copied rows by their own origin.
    struct Case {
        int left, top, strip;
    } cases[] = {{0, 0, 2}, {-15, 7, 1}, {30, -40, 5}};
    for (const Case& c : cases) {
        TestWorld whole(260, 110, c.left, c.top);
        for (SInt32 line = 0; line < 2; line++)
            DrawUnicodeLine(p.get(), line, c.left + 10, c.top + 30 + 32 * line);
        const std::string expected = whole.Snapshot();
        EXPECT_LT(whole.Count(kWhitePixel), 260 * 110) << "nothing was drawn";

        TestWorld strips(260, 110, c.left, c.top);
        for (int v = c.top; v < c.top + 110; v += c.strip) {
            const Rect band{SInt16(v), SInt16(c.left), SInt16(v + c.strip), SInt16(c.left + 260)};
            ClipRect(&band);
            for (SInt32 line = 0; line < 2; line++)
                DrawUnicodeLine(p.get(), line, c.left + 10, c.top + 30 + 32 * line);
        }
        EXPECT_EQ(strips.Snapshot(), expected) << c.left << "," << c.top << " strips of " << c.strip;
    }
}

TEST(UnicodeLayoutDrawing, AParagraphLaidOutAgainDrawsWhatItNowHolds) {
    Paragraph red = LaidOut("Mm", kRedRGB);
    const Paragraph other = LaidOut("Ww", kGreenRGB);
    TestWorld world(80, 40);
    DrawUnicodeLine(red.get(), 0, 5, 30);
    DrawUnicodeLine(other.get(), 0, 45, 30);
    EXPECT_GT(world.Count(kRedPixel), 0);
    EXPECT_GT(world.Count(kGreenPixel), 0);

    // The same paragraph, its line 0 drawn before, now blue: nothing of the red line may come back.
    const Paragraph blue = LaidOut("Mm", kBlueRGB, 0, red.release());
    TestWorld again(80, 40);
    DrawUnicodeLine(blue.get(), 0, 5, 30);
    EXPECT_EQ(again.Count(kRedPixel), 0);
    EXPECT_GT(again.Count(kBluePixel), 0);
    EXPECT_EQ(again.Count(kGreenPixel), 0) << "another paragraph's line 0 was drawn";
}

TEST(UnicodeLayoutDrawing, ALayoutLetGoKeepsItsLinesAndNeitherMeasuresNorDrawsUntilLaidOutAgain) {
    Paragraph p = LaidOut("Quick brown jumps; glyphs gj reach down", kBlackRGB, 220);
    const SInt32 lines = CountUnicodeLines(p.get());
    UnicodeLineInfo second{};
    GetUnicodeLine(p.get(), 1, &second);
    const SInt32 x = UnicodeOffsetToX(p.get(), 5);
    ASSERT_GT(x, 0);

    ReleaseUnicodeLayout(p.get());
    EXPECT_TRUE(IsUnicodeLayoutReleased(p.get()));
    EXPECT_EQ(CountUnicodeLines(p.get()), lines);
    UnicodeLineInfo kept{};
    GetUnicodeLine(p.get(), 1, &kept);
    EXPECT_EQ(kept.start, second.start);
    EXPECT_EQ(kept.length, second.length);
    EXPECT_EQ(UnicodeLineOfOffset(p.get(), second.start), 1);
    EXPECT_EQ(UnicodeOffsetToX(p.get(), 5), 0);
    TestWorld world(260, 60);
    DrawUnicodeLine(p.get(), 0, 10, 30);
    EXPECT_EQ(world.Count(kWhitePixel), 260 * 60);

    p = LaidOut("Quick brown jumps; glyphs gj reach down", kBlackRGB, 220, p.release());
    EXPECT_FALSE(IsUnicodeLayoutReleased(p.get()));
    EXPECT_EQ(UnicodeOffsetToX(p.get(), 5), x);
}

TEST(UnicodeLayoutDrawing, InkStaysInsideAClipOfTwoRectangles) {
    const Paragraph p = LaidOut("MMMMMMMM", kBlackRGB);
    TestWorld world(200, 40);
    RgnHandle clip = NewRgn(), second = NewRgn();
    const Rect a{0, 0, 40, 40}, b{0, 100, 40, 140};
    RectRgn(clip, &a);
    RectRgn(second, &b);
    UnionRgn(clip, second, clip);
    SetClip(clip);
    DrawUnicodeLine(p.get(), 0, 2, 30);
    int inside = 0;
    for (int v = 0; v < 40; v++)
        for (int h = 0; h < 200; h++) {
            if (world.At(h, v) == kWhitePixel) continue;
            const bool inClip = h < 40 || (h >= 100 && h < 140);
            EXPECT_TRUE(inClip) << h << "," << v;
            inside += inClip;
        }
    EXPECT_GT(inside, 0);
    DisposeRgn(clip);
    DisposeRgn(second);
}

// A paragraph in 24-point runs: (units, colour, face) each, wrapped at width (0: one line).
struct StyledRun {
    SInt32 units;
    RGBColor color;
    SInt16 face = 0;
};
Paragraph LaidOutRuns(const std::string& text, const std::vector<StyledRun>& runs, SInt32 width) {
    Paragraph p(NewUnicodeParagraph());
    const std::vector<UInt16> units(text.begin(), text.end());
    std::vector<UnicodeRunStyle> styles;
    for (const StyledRun& r : runs) {
        UnicodeRunStyle style;
        style.length = r.units;
        style.font = kFontTimes;
        style.size = 24;
        style.face = r.face;
        style.color = r.color;
        style.underlineColor = r.color;
        styles.push_back(style);
    }
    UnicodeLayoutOptions options;
    options.lineWidth = width;
    LayOutUnicodeParagraph(p.get(), units.data(), SInt32(units.size()), styles.data(), SInt32(styles.size()),
                           options);
    return p;
}

// Every line of the paragraph drawn in a fresh white world, 34 pixels apart: its pixels in row order.
std::vector<UInt32> DrawnLines(const UnicodeParagraph* p) {
    TestWorld world(480, 200);
    for (SInt32 line = 0; line < CountUnicodeLines(p); line++)
        DrawUnicodeLine(p, line, 6, 28 + 34 * line);
    std::vector<UInt32> pixels;
    for (int v = 0; v < 200; v++)
        for (int h = 0; h < 480; h++)
            pixels.push_back(world.At(h, v));
    return pixels;
}

int CountDifferences(const std::vector<UInt32>& a, const std::vector<UInt32>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); i++)
        n += a[i] != b[i];
    return n;
}

// A range given a colour after its lines were drawn (and kept) draws exactly what a paragraph laid out in
// those colours from the start draws, and given its colour back draws what it drew before.
TEST(UnicodeLayoutRecolour, ARecolouredRangeDrawsAsIfLaidOutInItsColours) {
    const std::string text = "Quick brown fox, jumps over lazy dogs";
    struct Case {
        const char* name;
        SInt32 width;
        const char* word; // the range coloured, found in text
        RGBColor color;
    } cases[] = {
        {"a word inside the line", 0, "brown", kRedRGB},
        {"the first word", 0, "Quick", kBlueRGB},
        {"the last word", 0, "dogs", kGreenRGB},
        {"two words", 0, "fox, jumps", kRedRGB},
        {"the whole text", 0, "Quick brown fox, jumps over lazy dogs", kBlueRGB},
        {"a word of a wrapped line", 150, "jumps", kRedRGB},
        {"a range over a line break", 150, "fox, jumps over", kGreenRGB},
        {"part of a word", 0, "row", kRedRGB},
        {"a word beside a comma", 0, "fox", kBlueRGB},
        {"a range with blanks at its ends", 0, " lazy ", kGreenRGB},
        {"a comma alone", 0, ",", kRedRGB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SInt32 from = SInt32(text.find(c.word)), to = from + SInt32(std::string(c.word).size());
        const SInt32 length = SInt32(text.size());
        const Paragraph p = LaidOutRuns(text, {{length, kBlackRGB}}, c.width);
        const std::vector<UInt32> before = DrawnLines(p.get());
        ASSERT_TRUE(RecolourUnicodeRange(p.get(), from, to, c.color));
        const std::vector<UInt32> coloured = DrawnLines(p.get());

        std::vector<StyledRun> runs;
        if (from > 0) runs.push_back({from, kBlackRGB});
        runs.push_back({to - from, c.color});
        if (to < length) runs.push_back({length - to, kBlackRGB});
        const Paragraph fresh = LaidOutRuns(text, runs, c.width);
        EXPECT_EQ(CountDifferences(coloured, DrawnLines(fresh.get())), 0);
        EXPECT_GT(CountDifferences(coloured, before), 0) << "the colour is shown";

        ASSERT_TRUE(RecolourUnicodeRange(p.get(), from, to, kBlackRGB));
        EXPECT_EQ(CountDifferences(DrawnLines(p.get()), before), 0) << "the colour given back";
    }
}

// A colour for every character, as a fade gives, falls between glyphs that share columns (kerned pairs,
// italics' overhang, ligatures), so the kept lines are painted again from their kept glyphs: the pixels
// are still those of the paragraph laid out in those colours, however often the fade moves on.
TEST(UnicodeLayoutRecolour, AColourForEveryCharacterDrawsAsIfLaidOutInThoseColours) {
    struct Case {
        const char* name;
        const char* text;
        SInt32 width;
    } cases[] = {
        {"kerned pairs", "AVATAR Wave To LYnx", 0},
        {"ligature pairs", "office affluent fifty flow", 0},
        {"a wrapped paragraph", "Quick brown fox, jumps over lazy dogs", 150},
    };
    auto fade = [](SInt32 i) {
        return RGBColor{UInt16(i * 2111 % 65536), UInt16(65535 - i * 1733 % 65536), UInt16(i * 977 % 65536)};
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = c.text;
        const SInt32 length = SInt32(text.size());
        const Paragraph p = LaidOutRuns(text, {{length, kBlackRGB}}, c.width);
        const std::vector<UInt32> before = DrawnLines(p.get());
        // The fade moves along the text twice, each move leaving every character a new colour.
        for (SInt32 shift : {0, 5}) {
            std::vector<StyledRun> runs;
            for (SInt32 i = 0; i < length; i++) {
                ASSERT_TRUE(RecolourUnicodeRange(p.get(), i, i + 1, fade(i + shift)));
                runs.push_back({1, fade(i + shift)});
            }
            const std::vector<UInt32> coloured = DrawnLines(p.get());
            const Paragraph fresh = LaidOutRuns(text, runs, c.width);
            EXPECT_EQ(CountDifferences(coloured, DrawnLines(fresh.get())), 0) << "shift " << shift;
        }
        ASSERT_TRUE(RecolourUnicodeRange(p.get(), 0, length, kBlackRGB));
        EXPECT_EQ(CountDifferences(DrawnLines(p.get()), before), 0) << "the colour given back";
    }
}

// What a new colour cannot reach without laying the paragraph out again is left alone and refused: a layout
// let go, and underlines, strike lines and shadows, whose colours may follow the text's.
TEST(UnicodeLayoutRecolour, ALayoutLetGoOrDrawnEffectsAreRefusedAndARangeOutsideTheTextIsPinned) {
    const Paragraph p = LaidOutRuns("Mm Ww", {{5, kBlackRGB}}, 0);
    ReleaseUnicodeLayout(p.get());
    EXPECT_FALSE(RecolourUnicodeRange(p.get(), 0, 2, kRedRGB));
    for (SInt16 face : {SInt16(underline), SInt16(strikeOut), SInt16(dropShadow)}) {
        const Paragraph effects = LaidOutRuns("Mm Ww", {{3, kBlackRGB}, {2, kBlackRGB, face}}, 0);
        const std::vector<UInt32> before = DrawnLines(effects.get());
        EXPECT_FALSE(RecolourUnicodeRange(effects.get(), 2, 4, kRedRGB)) << face;
        EXPECT_EQ(CountDifferences(DrawnLines(effects.get()), before), 0) << face;
        EXPECT_TRUE(RecolourUnicodeRange(effects.get(), 0, 2, kRedRGB)) << "runs without effects, " << face;
    }

    const Paragraph q = LaidOutRuns("Mm Ww", {{5, kBlackRGB}}, 0);
    EXPECT_TRUE(RecolourUnicodeRange(q.get(), 3, 99, kRedRGB));
    EXPECT_TRUE(RecolourUnicodeRange(q.get(), -7, -1, kBlueRGB));
    const Paragraph fresh = LaidOutRuns("Mm Ww", {{3, kBlackRGB}, {2, kRedRGB}}, 0);
    EXPECT_EQ(CountDifferences(DrawnLines(q.get()), DrawnLines(fresh.get())), 0);
}

} // namespace
