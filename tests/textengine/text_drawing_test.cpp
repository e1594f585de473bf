// The colours of text effects and what drawing puts into the port: text on its lines, the rest of the
// view erased, effects in their own colours, and updates of a region that leave other pixels alone.
#include "layout_fixture.h"

#include "textengine/text_effects.h"

#include "shell/shell_globals.h"
#include "textengine/text_effect_globals.h"

#include <vector>

namespace {

bool SameColor(const RGBColor& a, const RGBColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST(TextEffects, ShadowColourDerivedFromTheText) {
    const std::pair<RGBColor, RGBColor> cases[] = {
        {{0, 0, 0}, {61440, 61440, 61440}}, // black casts a light grey
        {{20000, 0, 0}, {10000, 0, 0}},     // any component of 16384 or more: halved
        {{65535, 16384, 2}, {32767, 8192, 1}}, {{40, 40, 40}, {900, 900, 900}},  // up to 63: x 20 + 100
        {{63, 0, 1}, {1360, 100, 120}},        {{1000, 64, 0}, {10000, 640, 0}}, // up to 1023: x 10
        {{16383, 1024, 0}, {65532, 4096, 0}},                                    // else x 4
    };
    for (auto [text, shadow] : cases)
        EXPECT_TRUE(SameColor(DerivedShadowColor(text), shadow)) << text.red << "," << text.green;
}

TEST(TextEffects, RunStylesResolveColoursThatFollowTheText) {
    WETextStyle style;
    style.face = kWEShadow | kWEStrikeOut | kWEUnderline;
    style.color = RGBColor{20000, 0, 0};
    gDropColor = kColorFollowsText;
    gStrikeColor = kColorFollowsText;
    gUnderlineColor = RGBColor{0, 0, 65535};
    gStrikeCount = 0; // at least one line is always drawn
    UnicodeRunStyle run;
    FillUnicodeRunStyle(style, 5, &run);
    EXPECT_TRUE(SameColor(run.shadowColor, RGBColor{10000, 0, 0}));
    EXPECT_TRUE(SameColor(run.strikeColor, style.color));
    EXPECT_TRUE(SameColor(run.underlineColor, RGBColor{0, 0, 65535}));
    EXPECT_EQ(run.strikeCount, 1);
    gDropColor = RGBColor{0, 65535, 0};
    FillUnicodeRunStyle(style, 5, &run);
    EXPECT_TRUE(SameColor(run.shadowColor, RGBColor{0, 65535, 0}));
}

class DrawingTest : public LayoutTest {
  protected:
    SInt32 Count(UInt32 color, SInt32 top, SInt32 bottom) {
        SInt32 count = 0;
        for (SInt32 v = top; v < bottom; v++)
            for (SInt32 h = 0; h < kViewWidth; h++)
                count += PixelAt(h, v) == color;
        return count;
    }
    void PaintAll(const RGBColor& color) {
        RGBForeColor(&color);
        const Rect all{0, 0, kViewHeight, kViewWidth};
        PaintRect(&all);
        const RGBColor black{0, 0, 0};
        RGBForeColor(&black);
    }
};

TEST_P(DrawingTest, WholeUpdateDrawsTheLinesAndErasesTheRest) {
    SetText("Hello world\rSecond line");
    PaintAll(RGBColor{0, 0, 65535});
    WEUpdate(nullptr, we);
    const SInt32 textBottom = Line(Rec().lineCount).origin;
    EXPECT_GT(Count(0x000000, 0, textBottom), 20); // glyphs
    EXPECT_EQ(Count(0x0000FF, 0, kViewHeight), 0); // every line erased first, and all below the text
    EXPECT_EQ(Count(0xFFFFFF, textBottom, kViewHeight), (kViewHeight - textBottom) * kViewWidth);
}

TEST_P(DrawingTest, RegionUpdateDrawsWithoutErasing) {
    SetText("Hello world");
    PaintAll(RGBColor{0, 0, 65535});
    RgnHandle region = NewRgn();
    const Rect firstLine{0, 0, SInt16(Line(1).origin), kViewWidth};
    RectRgn(region, &firstLine);
    WEUpdate(region, we);
    DisposeRgn(region);
    EXPECT_GT(Count(0x0000FF, 0, Line(1).origin), 0); // the background was kept under the text
    EXPECT_GT(Count(0x000000, 0, Line(1).origin), 20);
    EXPECT_EQ(Count(0xFFFFFF, Line(1).origin + 1, kViewHeight), 0); // nothing outside the region changed
}

TEST_P(DrawingTest, EffectsAreDrawnInTheirOwnColours) {
    gDropColor = RGBColor{65535, 0, 0};
    gStrikeColor = RGBColor{0, 65535, 0};
    gDropWidth = gDropHeight = 20 << 16; // a fifth of the width of "A"
    SetText("HHHH HHHH");
    WETextStyle style;
    style.face = kWEShadow | kWEStrikeOut;
    ASSERT_EQ(_WESetStyleRange(0, Rec().textLength, weDoFace, &style, we), noErr);
    ASSERT_EQ(WECalText(we), noErr);
    WEUpdate(nullptr, we);
    const SInt32 bottom = Line(1).origin;
    if (GetParam()) {
        // The classic text draws no effects of its own.
        EXPECT_EQ(Count(0x00FF00, 0, bottom), 0);
    } else {
        EXPECT_GT(Count(0xFF0000, 0, bottom), 10);
        EXPECT_GT(Count(0x00FF00, 0, bottom), 10);
    }
}

// Lines with blurred shadows are painted once and copied afterwards, until their paragraph changes.
TEST_P(DrawingTest, BlurredShadowsRepaintOnlyWhenTheirParagraphChanges) {
    if (GetParam()) GTEST_SKIP() << "the classic text draws no shadows of its own";
    gDropColor = kColorFollowsText;
    gDropBlur = 3;
    gDropWidth = gDropHeight = 15 << 16;
    SetText("Shadowed words\rPlain");
    WETextStyle style;
    style.face = kWEShadow;
    style.color = RGBColor{0, 0, 40000};
    ASSERT_EQ(_WESetStyleRange(0, 14, weDoFace | weDoColor, &style, we), noErr);
    ASSERT_EQ(WECalText(we), noErr);
    auto snapshot = [&] {
        PaintAll(RGBColor{65535, 65535, 65535});
        WEUpdate(nullptr, we);
        std::vector<UInt32> pixels;
        for (SInt32 v = 0; v < Line(2).origin; v++)
            for (SInt32 h = 0; h < kViewWidth; h++)
                pixels.push_back(PixelAt(h, v));
        return pixels;
    };
    const std::vector<UInt32> first = snapshot();
    EXPECT_TRUE(snapshot() == first);
    EXPECT_GT(Count(0x000000, Line(1).origin, Line(2).origin), 10); // the plain line is drawn as ever
    style.color = RGBColor{40000, 0, 0};
    ASSERT_EQ(_WESetStyleRange(0, 14, weDoColor, &style, we), noErr);
    ASSERT_EQ(WECalText(we), noErr);
    const std::vector<UInt32> recoloured = snapshot();
    EXPECT_FALSE(recoloured == first);
    EXPECT_EQ(Count(0x00009C, 0, Line(1).origin), 0); // no blue left from the old paint
    EXPECT_GT(Count(0x9C0000, 0, Line(1).origin), 0); // the new colour is drawn
}

TEST_P(DrawingTest, LinesComposedOffscreenMatchLinesDrawnDirectly) {
    WESetAlignment(2, we);
    SetText("Justified text over a few lines, so that every line is drawn and copied on its own.\rEnd");
    auto snapshot = [&] {
        PaintAll(RGBColor{0, 0, 65535});
        WEUpdate(nullptr, we);
        std::vector<UInt32> pixels;
        for (SInt32 v = 0; v < kViewHeight; v++)
            for (SInt32 h = 0; h < kViewWidth; h++)
                pixels.push_back(PixelAt(h, v));
        return pixels;
    };
    const std::vector<UInt32> direct = snapshot();
    WEFeatureFlag(weFDrawOffscreen, 1, we);
    const std::vector<UInt32> composed = snapshot();
    ASSERT_NE(Rec().offscreen, nullptr);
    EXPECT_TRUE(direct == composed);
    EXPECT_GT(Count(0x000000, 0, Line(1).origin), 20);
}

TEST_P(DrawingTest, DrawHookAdvancesThePenByWidthAndSlop) {
    const std::string text = "Tab\tand words";
    const auto* bytes = reinterpret_cast<const UInt8*>(text.data());
    const SInt32 length = SInt32(text.size());
    const SInt32 width = _WEStdCharToPixel(bytes, length, 0, length, 0, 0, we);
    ASSERT_GT(width, 40);
    for (Fixed slop : {Fixed(0), Fixed(12 << 16), Fixed(0x38000)}) {
        MoveTo(10, 50);
        _WEStdDrawText(bytes, length, slop, 0, we);
        Point pen;
        GetPen(&pen);
        EXPECT_EQ(pen.h, 10 + width + ((slop + 0x8000) >> 16)) << slop;
        EXPECT_EQ(pen.v, 50);
    }
}

TEST_P(DrawingTest, RunsFarWiderThanThePortDrawTheirVisiblePartAndStopThePenAtItsLimit) {
    // 200 "WW " at 200 points reach past 65,536 pixels: beyond both a 16.16 pen and a 16-bit column.
    TextSize(200);
    std::string wide;
    for (int i = 0; i < 200; i++)
        wide += "WW ";
    const auto* bytes = reinterpret_cast<const UInt8*>(wide.data());
    const SInt32 length = SInt32(wide.size());
    ASSERT_GT(_WEStdCharToPixel(bytes, length, 0, length, 0, 0, we), 65536 + kViewWidth);
    auto draw = [&](SInt32 count) {
        PaintAll(RGBColor{65535, 65535, 65535});
        MoveTo(10, 300);
        _WEStdDrawText(bytes, count, 0, 0, we);
        std::vector<UInt32> pixels;
        for (SInt32 v = 0; v < kViewHeight; v++)
            for (SInt32 h = 0; h < kViewWidth; h++)
                pixels.push_back(PixelAt(h, v));
        return pixels;
    };
    // The first word alone already runs past the port's right edge.
    const std::vector<UInt32> head = draw(3);
    ASSERT_GT(Count(0x000000, 0, kViewHeight), 1000);
    EXPECT_TRUE(draw(length) == head) << "words beyond the port were drawn into it";
    Point pen;
    GetPen(&pen);
    EXPECT_EQ(pen.h, 32767);
    EXPECT_EQ(pen.v, 300);
    // Hit testing near the start of such a run finds its first character.
    Fixed width = 50 << 16;
    Boolean leading = false;
    EXPECT_EQ(_WEStdPixelToChar(bytes, length, 0, &width, &leading, 0, we), 0);
    EXPECT_LT(width, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, DrawingTest, ::testing::Values(true, false), ModeName);

} // namespace
