// A text engine record for tests: fixed-advance measuring, helpers to fill it with styled text, and a check
// of every invariant that edits must keep.
#pragma once

#include "textengine/engine_internal.h"

#include "platform/memory.h"
#include "platform/text_encoding.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every character is this wide, so a line of the fixture's 200-pixel width holds 20 characters.
inline constexpr SInt32 kTestAdvance = 10;

inline SInt32 FixedAdvancePixelToChar(const UInt8*, SInt32 length, Fixed, Fixed* width, Boolean* leadingEdge,
                                      SInt16, WEReference) {
    SInt32 pixels = *width >> 16;
    *leadingEdge = true;
    *width -= (length * kTestAdvance) << 16;
    return pixels >= length * kTestAdvance ? length : pixels / kTestAdvance;
}

inline WETextStyle MakeStyle(UInt8 face, SInt16 size = 12, SInt16 font = 3) {
    WETextStyle style;
    style.font = font;
    style.face = face;
    style.size = size;
    return style;
}

// Checks what every edit must leave true of a record; reports the first broken rule with its context.
inline ::testing::AssertionResult RecordIsConsistent(WEReference we) {
    const WERec& r = RecordOf(we);
    auto fail = [](const std::string& what) { return ::testing::AssertionFailure() << what; };
    if (GetHandleSize(r.text) != r.textLength) return fail("text handle size differs from text length");

    const WERunRec* runs = RunsOf(r);
    if (GetHandleSize(r.runs) != Size((r.runCount + 1) * sizeof(WERunRec))) return fail("run array size");
    if (r.runCount < 1 || runs[0].start != 0) return fail("first run does not start at 0");
    if (runs[r.runCount].start != r.textLength + 1 || runs[r.runCount].styleIndex != -1)
        return fail("sentinel");
    std::vector<SInt32> uses(size_t(r.styleCount), 0);
    for (SInt32 i = 0; i < r.runCount; i++) {
        if (runs[i].styleIndex < 0 || runs[i].styleIndex >= r.styleCount) return fail("bad style index");
        uses[size_t(runs[i].styleIndex)]++;
        if (i > 0 && runs[i].start <= runs[i - 1].start)
            return fail("runs not ascending at " + std::to_string(i));
        if (i > 0 && runs[i].start >= r.textLength) return fail("empty run at the end");
        if (i > 0 && runs[i].styleIndex == runs[i - 1].styleIndex)
            return fail("neighbouring runs share a style at " + std::to_string(i));
    }
    const WEStyleEntry* styles = StylesOf(r);
    if (GetHandleSize(r.styles) != Size(r.styleCount * sizeof(WEStyleEntry))) return fail("style table size");
    for (SInt32 i = 0; i < r.styleCount; i++)
        if (styles[i].refCount != uses[size_t(i)])
            return fail("style " + std::to_string(i) + " counts " + std::to_string(styles[i].refCount) +
                        " references, runs use it " + std::to_string(uses[size_t(i)]));

    const WELineRec* lines = LinesOf(r);
    if (GetHandleSize(r.lines) != Size((r.lineCount + 1) * sizeof(WELineRec))) return fail("line array size");
    if (lines[0].start != 0) return fail("first line does not start at 0");
    if (lines[r.lineCount].start != r.textLength) return fail("last line entry is not the text length");
    for (SInt32 i = 1; i < r.lineCount; i++)
        if (lines[i].start <= lines[i - 1].start || lines[i].start > r.textLength) return fail("line starts");

    if (r.atsuInfo) {
        const ATSUInfoRec& info = **r.atsuInfo;
        if (info.textLength != r.textLength) return fail("UTF-16 length differs from the text length");
        if (info.textCapacity < info.textLength * 2) return fail("UTF-16 block smaller than its text");
        for (SInt32 i = 0; i < r.textLength; i++)
            if (info.text[i] != MacRomanToUnicode(TextOf(r)[i]))
                return fail("UTF-16 copy differs at " + std::to_string(i));
    }
    if (r.selCount == 1 || r.selCount < 0) return fail("a selection list of one range");
    if (r.selCount > 1) {
        const SInt32* s = reinterpret_cast<const SInt32*>(*r.selStart.ranges);
        const SInt32* e = reinterpret_cast<const SInt32*>(*r.selEnd.ranges);
        for (SInt32 i = 0; i < r.selCount; i++)
            if (s[i] >= e[i] || (i > 0 && s[i] < e[i - 1])) return fail("selection ranges out of order");
    }
    return ::testing::AssertionSuccess();
}

// The fixed advances measure through the hooks, which the classic text mode uses for breaking lines.
class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedClassicText = GetPref(gThePreferences, kPrefClassicText);
        SetPref(gThePreferences, kPrefClassicText, 1);
        LongRect dest{0, 0, 1000, 200};
        LongRect view{0, 0, 100, 200};
        ASSERT_EQ(WENew(&dest, &view, 0, &we), noErr);
        auto hook = &FixedAdvancePixelToChar;
        ASSERT_EQ(WESetInfo(FourCC("p2c "), &hook, we), noErr);
    }
    void TearDown() override {
        WEDispose(we);
        SetPref(gThePreferences, kPrefClassicText, savedClassicText);
    }

    WERec& Rec() { return RecordOf(we); }

    void Insert(SInt32 offset, const std::string& text) {
        ASSERT_EQ(_WEInsertText(offset, text.data(), SInt32(text.size()), we), noErr);
    }
    void SetStyle(SInt32 start, SInt32 end, const WETextStyle& style, UInt16 mode = weDoAll) {
        ASSERT_EQ(_WESetStyleRange(start, end, mode, &style, we), noErr);
    }
    std::string Text() { return std::string(*Rec().text, size_t(Rec().textLength)); }

    // The runs as (start, face) pairs.
    std::vector<std::pair<SInt32, int>> RunFaces() {
        std::vector<std::pair<SInt32, int>> out;
        for (SInt32 i = 0; i < Rec().runCount; i++)
            out.emplace_back(RunsOf(Rec())[i].start,
                             StylesOf(Rec())[RunsOf(Rec())[i].styleIndex].record.style.face);
        return out;
    }
    const WETextStyle& StyleAt(SInt32 offset) {
        return StylesOf(Rec())[RunsOf(Rec())[_WEOffsetToRun(Rec(), offset)].styleIndex].record.style;
    }

    WEReference we = nullptr;
    SInt32 savedClassicText = 0;
};
