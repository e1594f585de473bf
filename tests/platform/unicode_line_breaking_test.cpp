// Breaking long paragraphs into lines: a run with no break opportunity is cut where the width ends, words
// break at their blanks around it, and the work grows with the text, not with its square.
#include "platform/text_drawing.h"
#include "platform/unicode_layout.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ParagraphDeleter {
    void operator()(UnicodeParagraph* p) const { DisposeUnicodeParagraph(p); }
};
using Paragraph = std::unique_ptr<UnicodeParagraph, ParagraphDeleter>;

constexpr SInt32 kWidth = 600;

// The text in one run of 24-pixel Times, wrapped at width (0: one line).
Paragraph LaidOut(const std::string& text, SInt32 width = kWidth) {
    Paragraph p(NewUnicodeParagraph());
    const std::vector<UInt16> units(text.begin(), text.end());
    UnicodeRunStyle run;
    run.length = SInt32(units.size());
    run.font = kFontTimes;
    run.size = 24;
    UnicodeLayoutOptions options;
    options.lineWidth = width;
    LayOutUnicodeParagraph(p.get(), units.data(), SInt32(units.size()), &run, 1, options);
    return p;
}

std::vector<UnicodeLineInfo> LinesOf(const UnicodeParagraph* p) {
    std::vector<UnicodeLineInfo> lines(size_t(CountUnicodeLines(p)));
    for (SInt32 i = 0; i < SInt32(lines.size()); i++)
        GetUnicodeLine(p, i, &lines[size_t(i)]);
    return lines;
}

// Whether a line of these units is too wide for kWidth.
bool Overflows(const std::string& units) {
    return UnicodeNaturalWidth(LaidOut(units, 0).get()) > kWidth;
}

std::string Unbreakable(size_t length) {
    return std::string(length, 'x');
}

std::string Words(size_t length) {
    std::string text;
    for (size_t i = 0; text.size() < length; i++) {
        text.append(2 + i % 7, char('a' + i % 26));
        text += ' ';
    }
    text.resize(length);
    return text;
}

// The same kind of paragraph at 64 and 256 KB: every line fits and ends where it may, no line could have
// taken its next unit, and breaking read a bounded number of units per unit of text at either size.
TEST(UnicodeLineBreaking, LongParagraphsBreakAtTheWidthWithWorkInProportionToTheirLength) {
    struct Case {
        const char* name;
        std::string (*make)(size_t);
    } cases[] = {{"no break opportunity", Unbreakable}, {"short words", Words}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> readsPerUnit;
        for (size_t length : {size_t(64) << 10, size_t(256) << 10}) {
            const std::string text = c.make(length);
            const UInt64 readBefore = UnicodeBreakingReads();
            const Paragraph p = LaidOut(text);
            readsPerUnit.push_back(double(UnicodeBreakingReads() - readBefore) / double(length));
            const std::vector<UnicodeLineInfo> lines = LinesOf(p.get());
            ASSERT_GT(lines.size(), length / 100);
            SInt32 at = 0;
            for (size_t i = 0; i < lines.size(); i++) {
                const UnicodeLineInfo& line = lines[i];
                ASSERT_EQ(line.start, at) << "line " << i;
                ASSERT_LE(line.width, kWidth) << "line " << i;
                at += line.length;
                if (i + 1 == lines.size()) continue;
                // Full: the line and the next unit (or word) would not fit.
                const std::string next =
                    c.make == Unbreakable
                        ? text.substr(size_t(line.start), size_t(line.length) + 1)
                        : text.substr(size_t(line.start), text.find(' ', size_t(at)) - size_t(line.start));
                if (i % 97 == 0) {
                    ASSERT_TRUE(Overflows(next)) << "line " << i;
                }
                if (c.make == Words) {
                    ASSERT_EQ(text[size_t(at) - 1], ' ') << "line " << i;
                }
            }
            EXPECT_EQ(at, SInt32(length));
        }
        EXPECT_LT(readsPerUnit[0], 4);
        EXPECT_LT(readsPerUnit[1], 4);
    }
}

// A word too long for a line starts a line of its own and is cut where the width ends; the words around
// it, and the parts of a long hyphenated run, still break where words may.
TEST(UnicodeLineBreaking, ALongRunIsCutAtTheWidthAndWordsAroundItBreakWhereWordsMay) {
    const std::string run(3000, 'y');
    struct Case {
        const char* name;
        std::string text;
        SInt32 runStart; // where the run with no break opportunity starts, -1 for none
    } cases[] = {
        {"a long word between words", "alpha beta " + run + " gamma delta epsilon zeta eta theta", 11},
        {"a long word ending the paragraph", "alpha beta gamma " + run, 17},
        {"a long hyphenated run",
         [] {
             std::string s;
             for (int i = 0; i < 600; i++)
                 s += "wxyz-";
             return s;
         }(),
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Paragraph p = LaidOut(c.text);
        const std::vector<UnicodeLineInfo> lines = LinesOf(p.get());
        ASSERT_GT(lines.size(), 2u);
        const SInt32 runEnd = c.runStart + SInt32(run.size());
        for (size_t i = 0; i + 1 < lines.size(); i++) {
            const UnicodeLineInfo& line = lines[i];
            const SInt32 end = line.start + line.length;
            EXPECT_LE(line.width, kWidth) << "line " << i;
            if (c.runStart >= 0 && end > c.runStart && end < runEnd) {
                // Cut inside the run: the line starts at the run or inside it and takes as much as fits.
                EXPECT_GE(line.start, c.runStart) << "line " << i;
                EXPECT_TRUE(Overflows(c.text.substr(size_t(line.start), size_t(line.length) + 1)))
                    << "line " << i;
            } else {
                const char last = c.text[size_t(end) - 1];
                EXPECT_TRUE(last == ' ' || last == '-') << "line " << i << " ends in " << last;
            }
        }
    }
}

} // namespace
