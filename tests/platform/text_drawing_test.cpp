// Fonts and simple text: family numbers and names, metrics, widths that match the pen's advance, and
// text drawn at the baseline in each text mode.
#include "platform/drawing.h"
#include "platform/font_families.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "support/pascal_name.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string FontName(SInt16 family) {
    Str255 name;
    GetFontName(family, name);
    return std::string(PStringView(name));
}

// The bounding box of the pixels that are not white, or an empty rectangle.
Rect InkBounds(const TestWorld& w) {
    const Rect b = w.Bounds();
    Rect ink{};
    bool any = false;
    for (int v = b.top; v < b.bottom; ++v)
        for (int h = b.left; h < b.right; ++h) {
            if (w.At(h, v) == kWhitePixel) continue;
            if (!any) ink = MakeRect(h, v, h + 1, v + 1);
            ink.left = std::min<SInt16>(ink.left, SInt16(h));
            ink.right = std::max<SInt16>(ink.right, SInt16(h + 1));
            ink.top = std::min<SInt16>(ink.top, SInt16(v));
            ink.bottom = std::max<SInt16>(ink.bottom, SInt16(v + 1));
            any = true;
        }
    return ink;
}

TEST(TextDrawing, ClassicFamilyNumbersAndNamesRoundTrip) {
    for (SInt16 family :
         std::initializer_list<SInt16>{systemFont, applicationFont, kFontNewYork, kFontGeneva, kFontMonaco,
                                       kFontTimes, kFontHelvetica, kFontCourier, kFontSymbol}) {
        EXPECT_TRUE(IsFontFamilyInstalled(family)) << family;
        const std::string name = FontName(family);
        ASSERT_FALSE(name.empty()) << family;
        SInt16 back = -1;
        GetFNum(PName(name.c_str()), &back);
        EXPECT_EQ(back, family) << name;
    }
    SInt16 number = -1;
    GetFNum(PName("monaco"), &number); // names match whatever their case
    EXPECT_EQ(number, kFontMonaco);
    GetFNum(PName("No Such Family Anywhere"), &number);
    EXPECT_EQ(number, kFontTimes);
    EXPECT_FALSE(IsFontFamilyInstalled(-12345));
    EXPECT_EQ(FontName(-12345), "");
}

TEST(TextDrawing, InstalledFamiliesHaveStableDistinctNumbers) {
    const std::vector<SInt16> families = ListFontFamilies();
    ASSERT_FALSE(families.empty());
    std::vector<std::string> names;
    for (SInt16 family : families) {
        const std::string name = FontName(family);
        SInt16 back = -1;
        GetFNum(PName(name.c_str()), &back);
        EXPECT_EQ(back, family) << name;
        names.push_back(name);
    }
    std::vector<SInt16> sorted = families;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    // The project's own fonts are there under numbers of their own.
    SInt16 dejaVu = -1;
    GetFNum(PName("DejaVu Sans"), &dejaVu);
    EXPECT_GE(dejaVu, 1024);
}

TEST(TextDrawing, EachFamilyIsOfferedOnceWhateverItsFoundries) {
    const std::vector<std::string> listed = {
        "Nimbus Sans [URW]",
        "DejaVu Sans",
        "Nimbus Sans [Adobe]",
        "Symbol [B&H] [URW]",
        "Nimbus Sans",
        "Odd [Name",
        "",
        "DejaVu Sans",
    };
    const std::vector<std::string> offered = {"DejaVu Sans", "Nimbus Sans", "Odd [Name", "Symbol [B&H]"};
    EXPECT_EQ(FamilyNamesWithoutFoundries(listed), offered);

    std::vector<std::string> names;
    for (SInt16 family : ListFontFamilies())
        names.push_back(FontName(family));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "a family listed twice";
}

TEST(TextDrawing, SymbolFamiliesAreTold) {
    SInt16 dejaVu = -1;
    GetFNum(PName("DejaVu Sans"), &dejaVu);
    EXPECT_FALSE(IsSymbolFontFamily(dejaVu));
    EXPECT_FALSE(IsSymbolFontFamily(kFontTimes));
    // The symbol and dingbat families of the usual base fonts, where they are installed.
    for (const char* name : {"Standard Symbols PS", "D050000L"}) {
        SInt16 family = -1;
        GetFNum(PName(name), &family);
        if (FontName(family) == name) {
            EXPECT_TRUE(IsSymbolFontFamily(family)) << name;
        }
    }
}

// An outline font has every size as a real one; sizes fixed for a family replace the font database's
// answer until they are handed back.
TEST(TextDrawing, RealSizesOfAFamily) {
    SInt16 dejaVu = -1;
    GetFNum(PName("DejaVu Sans"), &dejaVu);
    const struct {
        SInt16 family, size;
        bool real;
    } cases[] = {{dejaVu, 9, true},  {dejaVu, 13, true},   {dejaVu, 300, true},
                 {dejaVu, 0, false}, {dejaVu, -12, false}, {-12345, 12, false}};
    for (const auto& c : cases)
        EXPECT_EQ(RealFont(c.family, c.size), c.real) << c.family << " at " << c.size;
    FixRealFontSizes(dejaVu, {10, 24});
    EXPECT_TRUE(RealFont(dejaVu, 24));
    EXPECT_FALSE(RealFont(dejaVu, 13));
    FixRealFontSizes(dejaVu, {});
    EXPECT_TRUE(RealFont(dejaVu, 13));
}

TEST(TextDrawing, MetricsAreIntegersThatGrowWithTheSize) {
    TestWorld w(4, 4);
    TextFont(kFontHelvetica);
    TextSize(12);
    FontInfo small;
    GetFontInfo(&small);
    TextSize(48);
    FontInfo large;
    GetFontInfo(&large);
    EXPECT_GT(small.ascent, 0);
    EXPECT_GT(small.descent, 0);
    EXPECT_GE(small.leading, 0);
    EXPECT_GT(large.ascent, 3 * small.ascent);
    EXPECT_GT(large.widMax, small.widMax);
    EXPECT_GE(GetPortTextSize(w), 48);
}

TEST(TextDrawing, WidthEqualsThePensAdvance) {
    TestWorld w(300, 40);
    const PName text("Orvalis scrolls \xA5 smoothly"); // with a Mac Roman bullet
    for (SInt16 face :
         std::initializer_list<SInt16>{normal, bold, italic, underline, condense, extend, bold | italic}) {
        TextFont(kFontTimes);
        TextSize(18);
        TextFace(face);
        MoveTo(5, 30);
        const SInt16 width = StringWidth(text);
        DrawString(text);
        Point pen;
        GetPen(&pen);
        EXPECT_EQ(pen.h, 5 + width) << "face " << face;
        EXPECT_EQ(pen.v, 30);
    }
    // Widths of parts and characters measure the same way.
    const char* chars = "Wide";
    TextFace(normal);
    EXPECT_EQ(TextWidth(chars, 0, 4), TextWidth("xxWidexx", 2, 4));
    EXPECT_EQ(CharWidth('W'), TextWidth("W", 0, 1));
    MoveTo(0, 20);
    DrawChar('W');
    Point pen;
    GetPen(&pen);
    EXPECT_EQ(pen.h, CharWidth('W'));
    // Extended text is wider than condensed text.
    TextFace(extend);
    const SInt16 wide = StringWidth(text);
    TextFace(condense);
    EXPECT_LT(StringWidth(text), wide);
}

TEST(TextDrawing, GlyphsSitOnTheBaselineInTheForeColour) {
    // Small text and prompter-sized text (drawn through a different glyph path) alike.
    for (SInt16 size : std::initializer_list<SInt16>{20, 120}) {
        TestWorld w(size * 6, size * 2);
        TextFont(kFontHelvetica);
        TextSize(size);
        RGBForeColor(&kBlueRGB);
        FontInfo info;
        GetFontInfo(&info);
        const SInt16 baseline = SInt16(size * 3 / 2);
        MoveTo(10, baseline);
        const PName text("HHHH");
        const SInt16 width = StringWidth(text);
        DrawString(text);
        const Rect ink = InkBounds(w);
        ASSERT_FALSE(EmptyRect(&ink)) << size;
        EXPECT_GE(ink.left, 10 - 1) << size;
        EXPECT_LE(ink.right, 10 + width + 1) << size;
        EXPECT_EQ(ink.bottom, baseline) << size; // capital H ends on the baseline
        EXPECT_GE(ink.top, baseline - info.ascent) << size;
        EXPECT_GT(w.Count(kBluePixel), size) << size;
    }
}

TEST(TextDrawing, TextModesOrCopyAndXor) {
    TestWorld w(120, 40);
    TextFont(kFontHelvetica);
    TextSize(20);
    RGBColor yellow{0xFFFF, 0xFFFF, 0};
    RGBForeColor(&yellow);
    Rect box = MakeRect(0, 0, 120, 40);
    PaintRect(&box);
    RGBForeColor(&kBlackRGB);
    const std::string before = w.Snapshot();
    const PName text("Xor me");

    TextMode(srcXor);
    MoveTo(10, 30);
    DrawString(text);
    EXPECT_NE(w.Snapshot(), before);
    MoveTo(10, 30);
    DrawString(text);
    EXPECT_EQ(w.Snapshot(), before);

    // Enormous exclusive-or text renders only the part of its box that shows.
    TextSize(4000);
    MoveTo(-100, 2000);
    DrawString(text);
    MoveTo(-100, 2000);
    DrawString(text);
    EXPECT_EQ(w.Snapshot(), before);
    TextSize(20);

    // srcCopy fills the text's box with the back colour first.
    TextMode(srcCopy);
    MoveTo(10, 30);
    DrawString(text);
    FontInfo info;
    GetFontInfo(&info);
    const SInt16 width = StringWidth(text);
    int yellowInBox = 0;
    for (int v = 30 - info.ascent; v < 30 + info.descent; ++v)
        for (int h = 10; h < 10 + width; ++h)
            yellowInBox += w.At(h, v) == 0xFFFFFF00u;
    EXPECT_EQ(yellowInBox, 0);
    EXPECT_EQ(w.At(10 + width + 2, 30), 0xFFFFFF00u);
}

TEST(TextDrawing, TextIsClippedAndShadowed) {
    TestWorld w(120, 40);
    TextFont(kFontHelvetica);
    TextSize(24);
    Rect clip = MakeRect(0, 0, 30, 40);
    ClipRect(&clip);
    MoveTo(10, 30);
    DrawString(PName("MMMMMM"));
    const Rect ink = InkBounds(w);
    EXPECT_LE(ink.right, 30);
    EXPECT_GT(ink.right, 20);

    // A drop shadow puts grey beside the black.
    Rect all = MakeRect(0, 0, 120, 40);
    ClipRect(&all);
    EraseRect(&all);
    TextFace(dropShadow);
    MoveTo(10, 30);
    DrawString(PName("I"));
    EXPECT_GT(w.Count(0xFF808080u), 0);
    EXPECT_GT(w.Count(kBlackPixel), 0);
}

} // namespace
