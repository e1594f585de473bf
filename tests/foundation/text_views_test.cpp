// Text views through the foundation's conveniences: plain and coloured text, and swapping with the
// clipboard.
#include "foundation/text_views.h"
#include "platform/clipboard.h"
#include "platform/text_drawing.h"
#include "support/port_pixels.h"

#include <gtest/gtest.h>

namespace {

class TextViews : public ::testing::Test {
  protected:
    void SetUp() override {
        Rect bounds{100, 100, 300, 400};
        window = NewCWindow(nullptr, &bounds, nullptr, false, 0, nullptr, false, 0);
        Rect frame{10, 10, 190, 290};
        view = NewTextView(window, &frame);
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override {
        DisposeTextView(view);
        DisposeWindow(window);
    }
    WindowPtr window = nullptr;
    TXNObject view = nullptr;
};

TEST_F(TextViews, SwapExchangesTheSelectionAndTheClipboard) {
    struct Case {
        const char* text;
        SInt32 start, end;
        const char* clipboard;
        const char* after;
        const char* clipboardAfter;
    } cases[] = {
        {"one two three", 4, 7, "2", "one 2 three", "two"},
        {"abc", 3, 3, "!", "abc!", "!"}, // nothing selected: the clipboard is pasted and stays
        {"abc\xCA", 0, 1, "\x8E",
         "\x8E"
         "bc\xCA",
         "a"},                                                        // Mac Roman beyond ASCII both ways
        {"line one\rline two", 5, 8, "1", "line 1\rline two", "one"}, // returns stay returns
    };
    for (const Case& c : cases) {
        SetTextViewText(view, c.text);
        SetClipboardText(c.clipboard);
        SetTextViewSelection(view, c.start, c.end);
        EXPECT_EQ(TXNSwap(view), noErr);
        EXPECT_EQ(GetTextViewText(view), c.after) << c.text;
        std::string clip;
        ASSERT_TRUE(GetClipboardText(&clip));
        EXPECT_EQ(clip, c.clipboardAfter) << c.text;
    }
}

TEST_F(TextViews, ColouredRangesAndPlainText) {
    SetTextViewText(view, "red and plain");
    const RGBColor red{0xFFFF, 0, 0};
    ASSERT_EQ(TXNSetColoredText(view, 0, 3, &red), noErr);
    TextViewStyle style;
    GetTextViewStyle(view, 0, &style);
    EXPECT_EQ(style.color, red);
    GetTextViewStyle(view, 5, &style);
    EXPECT_EQ(style.color, (RGBColor{0, 0, 0}));
    ASSERT_EQ(TXNSetPlainText(view), noErr);
    GetTextViewStyle(view, 0, &style);
    EXPECT_EQ(style.color, (RGBColor{0, 0, 0}));
    EXPECT_EQ(style.size, 12);
    EXPECT_EQ(style.face, normal);
    // Offsets past the end are pinned.
    SetTextViewSelection(view, 5, 1000);
    SInt32 start, end;
    GetTextViewSelection(view, &start, &end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, GetTextViewLength(view));
}

TEST(TextInBox, DrawsInsideTheBoxOnly) {
    TestWorld world(200, 100);
    Rect box{10, 10, 60, 110};
    std::string text = "A line long enough to wrap inside the box several times over";
    DrawCFStringInBox(&box, nullptr); // nothing for no text
    EXPECT_EQ(world.At(20, 20), kWhitePixel);
    DrawCFStringInBox(&box, &text);
    int inside = 0, outside = 0;
    for (int v = 0; v < 100; ++v)
        for (int h = 0; h < 200; ++h) {
            if (world.At(h, v) == kWhitePixel) continue;
            Point p{SInt16(v), SInt16(h)};
            (PtInRect(p, &box) ? inside : outside)++;
        }
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
}

} // namespace
