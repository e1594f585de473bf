// Strings drawn at a point, justified and in a box, checked on the port's pixels.
#include "foundation/string_drawing.h"

#include "platform/pstring.h"
#include "port_fixture.h"

#include <string>

namespace {

class StringDrawing : public PortTest {
  protected:
    // The pixels one drawing leaves on a cleared port.
    template <typename Draw> std::vector<UInt32> Drawn(Draw draw) {
        Clear();
        draw();
        return Pixels();
    }
    Str255 s;
    FontInfo info{};
    SInt16 LineHeight() {
        GetFontInfo(&info);
        return SInt16(info.ascent + info.descent + info.leading);
    }
};

TEST_F(StringDrawing, AlignmentsPlaceTheTextAgainstTheAnchor) {
    SetPString(s, "Anchor");
    const SInt16 width = StringWidth(s);
    ASSERT_GT(width, 20);
    struct Case {
        SInt16 alignment, left;
    } cases[] = {
        {kAlignLeft, 150}, {kAlignRight, SInt16(150 - width - 1)}, {kAlignCentre, SInt16(150 - width / 2)}};
    for (const Case& c : cases) {
        const auto expected = Drawn([&] {
            MoveTo(c.left, 50);
            DrawString(s);
        });
        EXPECT_EQ(Drawn([&] { DrawAString(150, 50, s, c.alignment); }), expected) << c.alignment;
        EXPECT_TRUE(HasInk(Rect{0, 0, kHeight, kWidth})) << "something was drawn";
    }
    // Numbers align right without the extra pixel.
    SetPString(s, "-1234");
    const SInt16 numberWidth = StringWidth(s);
    const auto number = Drawn([&] {
        MoveTo(SInt16(150 - numberWidth), 50);
        DrawString(s);
    });
    EXPECT_EQ(Drawn([&] { DrawALong(150, 50, -1234, kAlignRight); }), number);
    SetPString(s, "2.5");
    const SInt16 doubleWidth = StringWidth(s);
    const auto twoAndAHalf = Drawn([&] {
        MoveTo(SInt16(150 - doubleWidth), 50);
        DrawString(s);
    });
    EXPECT_EQ(Drawn([&] { DrawADouble(150, 50, 2.5, kAlignRight); }), twoAndAHalf);
}

TEST_F(StringDrawing, JustifiedTextSpansTheWidth) {
    SetPString(s, "a b c");
    Clear();
    DrawJustifiedString(10, 50, 200, s);
    const Rect ink = Ink();
    EXPECT_LE(ink.left, 14);
    EXPECT_GE(ink.right, 200);
    EXPECT_LE(ink.right, 211);

    SetPString(s, "nospaces");
    const auto plain = Drawn([&] {
        MoveTo(10, 50);
        DrawString(s);
    });
    EXPECT_EQ(Drawn([&] { DrawJustifiedString(10, 50, 200, s); }), plain) << "nothing to widen";
}

TEST_F(StringDrawing, AShortStringSitsOnTheFirstLineOrInTheMiddle) {
    SetPString(s, "Short");
    const Rect box{20, 30, 120, 300};
    const SInt16 top = SInt16(box.top + LineHeight() - info.descent);
    const auto firstLine = Drawn([&] {
        MoveTo(box.left, top);
        DrawString(s);
    });
    EXPECT_EQ(Drawn([&] { DrawStringInBox(&box, s, kAlignLeft, 100, false); }), firstLine);

    const SInt16 middle = SInt16(top + (box.bottom - top) / 2);
    const auto centred = Drawn([&] {
        MoveTo(box.left, middle);
        DrawString(s);
    });
    EXPECT_EQ(Drawn([&] { DrawStringInBox(&box, s, kAlignLeft, 100, true); }), centred);

    const auto right = Drawn([&] { DrawAString(box.right, top, s, kAlignRight); });
    EXPECT_EQ(Drawn([&] { DrawStringInBox(&box, s, kAlignRight, 100, false); }), right);

    SetPString(s, "");
    Clear();
    DrawStringInBox(&box, s, kAlignLeft, 100, true);
    EXPECT_FALSE(HasInk(Rect{0, 0, kHeight, kWidth}));
}

TEST_F(StringDrawing, LongTextWrapsInsideTheBoxAndNeverOutside) {
    SetPString(s, "The quick brown fox jumps over the lazy dog and keeps on running far away");
    const Rect box{10, 10, 190, 150};
    const SInt16 height = LineHeight();
    Clear();
    DrawStringInBox(&box, s, kAlignLeft, 100, false);
    const Rect ink = Ink();
    EXPECT_GE(ink.left, box.left);
    EXPECT_LE(ink.right, box.right);
    EXPECT_GE(ink.top, box.top);
    EXPECT_LE(ink.bottom, box.bottom);
    for (SInt16 line = 0; line < 3; ++line) {
        const Rect band{SInt16(box.top + line * height), box.left, SInt16(box.top + (line + 1) * height),
                        box.right};
        EXPECT_TRUE(HasInk(band)) << "line " << line;
    }

    // Double spacing puts the second line two line heights down, leaving the band between empty.
    Clear();
    DrawStringInBox(&box, s, kAlignLeft, 200, false);
    EXPECT_FALSE(
        HasInk(Rect{SInt16(box.top + height + 2), box.left, SInt16(box.top + 2 * height - 2), box.right}));
    EXPECT_TRUE(
        HasInk(Rect{SInt16(box.top + 2 * height), box.left, SInt16(box.top + 3 * height), box.right}));

    // A small box clips what does not fit.
    const Rect small{50, 50, 80, 110};
    Clear();
    DrawStringInBox(&small, s, kAlignLeft, 100, false);
    const Rect clipped = Ink();
    EXPECT_GE(clipped.left, small.left);
    EXPECT_LE(clipped.right, small.right);
    EXPECT_GE(clipped.top, small.top);
    EXPECT_LE(clipped.bottom, small.bottom);
}

TEST_F(StringDrawing, ReturnsStartNewLines) {
    SetPString(s, "A\rB");
    const Rect box{10, 10, 190, 300};
    const SInt16 height = LineHeight();
    Clear();
    DrawStringInBox(&box, s, kAlignLeft, 100, true);
    EXPECT_TRUE(HasInk(Rect{box.top, box.left, SInt16(box.top + height), box.right}));
    EXPECT_TRUE(HasInk(Rect{SInt16(box.top + height), box.left, SInt16(box.top + 2 * height), box.right}));
    EXPECT_FALSE(HasInk(Rect{SInt16(box.top + 2 * height), box.left, box.bottom, box.right}));
}

TEST_F(StringDrawing, OnlyTheWordBreakingModeCutsAWordWiderThanTheBox) {
    SetPString(s, "Supercalifragilistic");
    const Rect box{10, 10, 190, 90};
    const SInt16 height = LineHeight();
    const Rect secondLine{SInt16(box.top + height), box.left, SInt16(box.top + 2 * height), box.right};
    Clear();
    DrawStringInBox(&box, s, kAlignLeft, 100, false);
    EXPECT_FALSE(HasInk(secondLine)) << "the word stands alone, clipped";
    Clear();
    DrawStringInBox(&box, s, kAlignLeftBreakingWords, 100, false);
    EXPECT_TRUE(HasInk(secondLine)) << "the rest of the word goes on";
}

TEST_F(StringDrawing, JustifiedLinesFillTheBoxButTheLastLineDoesNot) {
    SetPString(s, "one two three four five six seven eight nine ten");
    const Rect box{10, 10, 190, 200};
    const SInt16 height = LineHeight();
    Clear();
    DrawStringInBox(&box, s, kAlignJustified, 100, false);
    const Rect first = Ink(Rect{box.top, box.left, SInt16(box.top + height), box.right});
    EXPECT_GE(first.right, box.right - 12);
    SInt16 lastTop = box.top;
    while (HasInk(Rect{SInt16(lastTop + height), box.left, SInt16(lastTop + 2 * height), box.right}))
        lastTop += height;
    ASSERT_GT(lastTop, box.top);
    const Rect last = Ink(Rect{lastTop, box.left, SInt16(lastTop + height), box.right});
    EXPECT_LT(last.right, box.right - 30);
}

TEST_F(StringDrawing, TheFaceAndClipAreKeptAndOneLineBoxesCondense) {
    SetPString(s, "A string wider than its box");
    const SInt16 natural = StringWidth(s);
    const Rect box{20, 10, SInt16(20 + LineHeight() + 2), SInt16(10 + natural - 4)};
    TextFace(bold);
    SetPString(s, "A string wider than its box");
    Clear();
    DrawStringInBox(&box, s, kAlignLeft, 100, false);
    GrafPtr port;
    GetPort(&port);
    EXPECT_EQ(GetPortTextFace(port), bold);
    // The clip is the whole port again: drawing outside the box shows.
    MoveTo(250, 150);
    DrawString(s);
    EXPECT_TRUE(HasInk(Rect{130, 240, 160, kWidth}));
    // Condensed, the text is narrower than it would be plain.
    TextFace(normal);
    Clear();
    DrawStringInBox(&box, s, kAlignLeft, 100, false);
    const Rect condensed = Ink();
    Clear();
    MoveTo(10, 40);
    DrawString(s);
    EXPECT_LT(condensed.right - condensed.left, Ink().right - Ink().left);
}

TEST_F(StringDrawing, TextBlocksUseTheirFirst255Bytes) {
    const Rect box{10, 10, 190, 300};
    Clear();
    DrawTextBlockInBox(&box, "Hidden", 0, kAlignLeft, 100, false);
    EXPECT_FALSE(HasInk(Rect{0, 0, kHeight, kWidth}));
    SetPString(s, "Block");
    const auto asString = Drawn([&] { DrawStringInBox(&box, s, kAlignLeft, 100, false); });
    EXPECT_EQ(Drawn([&] { DrawTextBlockInBox(&box, "Block and more", 5, kAlignLeft, 100, false); }),
              asString);
}

} // namespace
