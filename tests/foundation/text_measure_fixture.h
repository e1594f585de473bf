// Measuring texts in tests: the application's character class table loaded, helpers that count a string
// into word-line and syllable arrays, and a text engine record whose characters are all one width so that
// its lines are known.
#pragma once

#include "app_resources.h"

#include "foundation/character_classes.h"
#include "foundation/checked_wrappers.h"
#include "foundation/syllable_arrays.h"
#include "foundation/text_counting.h"
#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "textengine/text_engine.h"

#include <string>
#include <vector>

// Every character is this wide in the fixture's engine record.
inline constexpr SInt32 kMeasureAdvance = 10;

inline SInt32 MeasureFixedAdvance(const UInt8*, SInt32 length, Fixed, Fixed* width, Boolean* leadingEdge,
                                  SInt16, WEReference) {
    const SInt32 pixels = *width >> 16;
    *leadingEdge = true;
    *width -= (length * kMeasureAdvance) << 16;
    return pixels >= length * kMeasureAdvance ? length : pixels / kMeasureAdvance;
}

inline const UInt8* Bytes(const std::string& text) {
    return reinterpret_cast<const UInt8*>(text.data());
}

class TextMeasureTest : public AppResources {
  protected:
    void SetUp() override {
        AppResources::SetUp();
        savedRate = GetPref(gThePreferences, kPrefSyllablesPerMinute);
        savedClassicText = GetPref(gThePreferences, kPrefClassicText);
        SetPref(gThePreferences, kPrefSyllablesPerMinute, 160);
        gSyllableArrayCustom = false;
        ASSERT_TRUE(LoadCharacterClasses());
    }
    void TearDown() override {
        if (words) DisposeHandle(words);
        if (syllables) DisposeHandle(syllables);
        if (we) WEDispose(we);
        gSyllableArrayCustom = false;
        SetPref(gThePreferences, kPrefSyllablesPerMinute, savedRate);
        SetPref(gThePreferences, kPrefClassicText, savedClassicText);
        AppResources::TearDown();
    }

    // Counts words and syllables (lines all 0 unless the text was laid out first with Layout).
    SInt32 Count(const std::string& text) {
        script = text;
        const SInt32 wordCount = CountWords(Bytes(script), SInt32(script.size()), &words);
        if (we) AddLinesToWordLineStruct(words, we, 0);
        syllables = AddSyllablesToSyllableStruct(Bytes(script), SInt32(script.size()), syllables, words,
                                                 &syllableCount);
        return wordCount;
    }
    // Lays the text out in an engine record width pixels wide, bias returns before it.
    void Layout(const std::string& text, SInt32 width, SInt32 bias = 0) {
        SetPref(gThePreferences, kPrefClassicText, 1);
        LongRect dest{0, 0, 1000, width};
        LongRect view{0, 0, 100, width};
        ASSERT_EQ(WENew(&dest, &view, 0, &we), noErr);
        auto hook = &MeasureFixedAdvance;
        ASSERT_EQ(WESetInfo(FourCC("p2c "), &hook, we), noErr);
        const std::string shown = std::string(size_t(bias), '\r') + text;
        Handle h = NewHandle(Size(shown.size()));
        std::copy(shown.begin(), shown.end(), *h);
        ASSERT_EQ(WEUseText(h, we, false), noErr);
        ASSERT_EQ(WECalText(we), noErr);
    }
    void Relayout(SInt32 width) {
        LongRect dest{0, 0, 1000, width};
        WESetDestRect(&dest, we);
        ASSERT_EQ(WECalText(we), noErr);
    }

    std::vector<WordLineRec> WordRecords() {
        const WordLineRec* w = WordLinesOf(words);
        return std::vector<WordLineRec>(w, w + CountWordLineRecords(words) + 1);
    }
    std::vector<SyllableRec> SyllableRecords() {
        const SyllableRec* s = SyllablesOf(syllables);
        return std::vector<SyllableRec>(s, s + CountSyllableRecords(syllables) + 1);
    }
    std::vector<std::string> WordTexts() {
        std::vector<std::string> out;
        for (SInt32 k = 0; k < CountWordLineRecords(words); ++k) {
            const WordLineRec& r = WordLinesOf(words)[k];
            out.push_back(script.substr(size_t(r.start), size_t(r.end - r.start)));
        }
        return out;
    }
    std::vector<SInt32> SyllableStarts() {
        std::vector<SInt32> out;
        for (SInt32 k = 0; k < syllableCount; ++k)
            out.push_back(SyllablesOf(syllables)[k].start);
        return out;
    }

    std::string script;
    WordLineHdl words = nullptr;
    SyllableHdl syllables = nullptr;
    SInt32 syllableCount = -1;
    WEReference we = nullptr;
    SInt32 savedRate = 0;
    SInt32 savedClassicText = 0;
};
