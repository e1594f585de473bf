// Pacing: the distance per tick of each pacing mode over the whole text and over the cue line, the
// smoothness delays and line glide, and the speed changes with their limits.
#include "scroll/pacing.h"

#include "foundation/text_measure_fixture.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "texttools/text_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

class Pacing : public TextMeasureTest {
  protected:
    void SetUp() override {
        TextMeasureTest::SetUp();
        savedPrefs = gThePreferences;
        savedExtra = gScrollExtraHeight;
        gTextHasChanged = false;
        gPrefsChanged = false;
        gScrollThis = 0;
        gTimer = 0;
        ResetPacingCaches();
        SetPref(gThePreferences, kPrefMomentum, 0);
    }
    void TearDown() override {
        ClearScript();
        gScrollExtraHeight = savedExtra;
        gThePreferences = savedPrefs;
        gScrollThis = 0;
        gTimer = 0;
        TextMeasureTest::TearDown();
    }
    void ClearScript() {
        ScrollWEHandle = nullptr;
        for (Handle* h : {&myTextResource, &myWordLineArray, &mySyllableArray})
            if (*h) DisposeHandle(*h), *h = nullptr;
        if (we) WEDispose(we), we = nullptr;
        gTotalLines = -1;
        gTotalSyllables = 0;
        ResetPacingCaches();
    }
    // The script both as the document text and laid out in the prompter, ten characters to a line.
    void UseScript(const std::string& text) {
        ClearScript();
        Layout(text, 10 * kMeasureAdvance);
        ScrollWEHandle = we;
        if (myTextResource) DisposeHandle(myTextResource);
        myTextResource = NewHandle(Size(text.size()));
        std::copy(text.begin(), text.end(), *myTextResource);
    }
    // Syllable times of the script's syllables, in order (the script must have that many syllables).
    void TimeSyllables(const std::vector<SInt32>& ticks) {
        CalculateScrollDistance();
        ASSERT_EQ(gTotalSyllables, SInt32(ticks.size()));
        for (size_t k = 0; k < ticks.size(); ++k)
            SyllableArraySetter(mySyllableArray, SInt32(k), ticks[k], kSyllableTime);
    }
    double LineHeight(SInt32 line = 0) { return WEGetHeight(line, line + 1, we); }
    void SetMode(SInt16 mode) { SetPref(gThePreferences, kPrefPacingMode, mode); }

    PrefsRecord savedPrefs;
    SInt32 savedExtra = 0;
};

// 30 characters: three lines of ten, six one-syllable words.
const std::string kThreeLines = "cat sits. dog sits. sun sets. ";

struct WholeTextCase {
    const char* name;
    SInt16 mode;
    SInt32 extraHeight;
    SInt16 speed, cps, minutes, seconds;
    SInt32 linesPerMinute;
    bool withScript;
    double expected;
};

TEST_F(Pacing, EachModeGivesItsDistanceOverTheWholeTextAndEveryDivisionByZeroGivesZero) {
    const WholeTextCase cases[] = {
        {"speed 120 pixels a second", kPaceSpeed, 3600, 120, 0, 0, 0, 0, false, 2.0},
        {"speed 0", kPaceSpeed, 3600, 0, 0, 0, 0, 0, false, 0.0},
        {"finish in 1:00", kPaceFinishTime, 3600, 0, 0, 1, 0, 0, false, 1.0},
        {"finish in 0:30", kPaceFinishTime, 3600, 0, 0, 0, 30, 0, false, 2.0},
        {"finish in 0:00", kPaceFinishTime, 3600, 0, 0, 0, 0, 0, false, 0.0},
        {"finish, text shorter than its rectangle", kPaceFinishTime, -200, 0, 0, 1, 0, 0, false, 0.0},
        {"30 characters at 15 a second", kPaceCharactersPerSecond, 120, 0, 15, 0, 0, 0, true, 1.0},
        {"0 characters a second", kPaceCharactersPerSecond, 120, 0, 0, 0, 0, 0, true, 0.0},
        {"characters of no text", kPaceCharactersPerSecond, 120, 0, 16, 0, 0, 0, false, 0.0},
        {"3 lines at 90 a minute", kPaceLinesPerMinute, 240, 0, 0, 0, 0, 90, true, 2.0},
        {"0 lines a minute", kPaceLinesPerMinute, 240, 0, 0, 0, 0, 0, true, 0.0},
        {"lines of no laid-out text", kPaceLinesPerMinute, 240, 0, 0, 0, 0, 120, false, 0.0},
    };
    for (const WholeTextCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.withScript) UseScript(kThreeLines);
        SetMode(c.mode);
        gScrollExtraHeight = c.extraHeight;
        SetPref(gThePreferences, kPrefScrollSpeed, c.speed);
        SetPref(gThePreferences, kPrefCharactersPerSecond, c.cps);
        SetPref(gThePreferences, kPrefFinishMinutes, c.minutes);
        SetPref(gThePreferences, kPrefFinishSeconds, c.seconds);
        SetPref(gThePreferences, kPrefLinesPerMinute, c.linesPerMinute);
        gScrollDistance = 99.0;
        CalculateScrollDistance();
        EXPECT_DOUBLE_EQ(gScrollDistance, c.expected);
        EXPECT_DOUBLE_EQ(gAverageScrollDistance, c.expected);
        ClearScript();
    }
}

TEST_F(Pacing, SyllableModesPaceBySyllableCountAndRecordedTimes) {
    UseScript(kThreeLines);
    gScrollExtraHeight = 600;
    SetMode(kPaceSyllablesPerMinute);
    SetPref(gThePreferences, kPrefSyllablesPerMinute, 60);
    CalculateScrollDistance();
    ASSERT_EQ(gTotalSyllables, 6);
    // Six syllables at one a second: 600 pixels in 360 ticks.
    EXPECT_DOUBLE_EQ(gScrollDistance, 600.0 / 360.0);

    SetMode(kPaceSynchronized);
    TimeSyllables({0, 60, 120, 180, 240, 600});
    CalculateScrollDistance();
    EXPECT_DOUBLE_EQ(gScrollDistance, 1.0); // the last syllable at 10 s
    // A recording whose last syllable comes in its first second divides by 0 whole seconds.
    TimeSyllables({0, 1, 2, 3, 4, 59});
    CalculateScrollDistance();
    EXPECT_EQ(gScrollDistance, 0.0);
}

TEST_F(Pacing, SynchronizedModeWithoutSyllablesTurnsIntoSyllablesPerMinute) {
    SetMode(kPaceSynchronized);
    gScrollDistance = 7.0;
    CalculateScrollDistance();
    EXPECT_EQ(GetPref(gThePreferences, kPrefPacingMode), kPaceSyllablesPerMinute);
    // No script either: the syllable mode leaves the distance as it was.
    EXPECT_EQ(gScrollDistance, 7.0);
}

TEST_F(Pacing, TheCueLineModesCarryTheCueLineAtTheirRate) {
    UseScript(kThreeLines);
    const double h = LineHeight();
    ASSERT_GT(h, 0);
    SetPref(gThePreferences, kPrefCharactersPerSecond, 30);
    SetPref(gThePreferences, kPrefLinesPerMinute, 120);
    SetPref(gThePreferences, kPrefSyllablesPerMinute, 360);
    struct {
        SInt16 mode;
        double expected;
    } const cases[] = {
        {kPaceCharactersPerSecond, h * 0.5 / 10}, // the cue line holds ten characters
        {kPaceLinesPerMinute, h * 120 / 3600},
        {kPaceSyllablesPerMinute, h * 0.1 / 2}, // two syllables on it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        SetMode(c.mode);
        EXPECT_DOUBLE_EQ(CalculateScrollDistanceThisLine(1), c.expected);
    }
    SetMode(kPaceFinishTime);
    gScrollDistance = 4.5;
    EXPECT_EQ(CalculateScrollDistanceThisLine(1), 4.5);
}

TEST_F(Pacing, AnEmptyCueLineStandsStillInsteadOfDividingByZero) {
    UseScript("");
    SetMode(kPaceCharactersPerSecond);
    SetPref(gThePreferences, kPrefCharactersPerSecond, 30);
    const double d = CalculateScrollDistanceThisLine(1);
    EXPECT_TRUE(std::isfinite(d));
    EXPECT_EQ(d, 0.0);
}

TEST_F(Pacing, TheCueLineDistanceIsCachedOnlyWhenAskedAndNotWhileRamping) {
    UseScript(kThreeLines);
    SetMode(kPaceLinesPerMinute);
    SetPref(gThePreferences, kPrefLinesPerMinute, 60);
    const double first = CalculateScrollDistanceThisLine(1);
    SetPref(gThePreferences, kPrefLinesPerMinute, 120);
    EXPECT_EQ(CalculateScrollDistanceThisLine(2), first);
    EXPECT_DOUBLE_EQ(CalculateScrollDistanceThisLine(3), 2 * first);
    // Mode 3 left the cache invalid, so this measures afresh.
    SetPref(gThePreferences, kPrefLinesPerMinute, 180);
    EXPECT_DOUBLE_EQ(CalculateScrollDistanceThisLine(2), 3 * first);
    SetPref(gThePreferences, kPrefMomentum, 1);
    SetPref(gThePreferences, kPrefLinesPerMinute, 60);
    EXPECT_EQ(CalculateScrollDistanceThisLine(2), first);
}

TEST_F(Pacing, SmoothnessSettingsGiveTheirTicksBetweenSteps) {
    const std::pair<SInt32, SInt32> cases[] = {{0, 0},   {1, 1},   {6, 6},   {7, 10},  {8, 12},  {9, 15},
                                               {10, 20}, {11, 30}, {12, 60}, {15, 60}, {16, 16}, {-3, -3}};
    for (const auto& [setting, ticks] : cases) {
        gSpeedDivisor = 3.0;
        gInhibitScroll = 1;
        EXPECT_EQ(SaveTimertoTimerDelay(setting, 2), ticks) << "setting " << setting;
        EXPECT_EQ(gSpeedDivisor, 1.0);
        EXPECT_EQ(gInhibitScroll, 0);
    }
}

TEST_F(Pacing, LineByLineHoldsTheTextUntilTheCueLineIsReadThenGlidesInSixSteps) {
    UseScript(kThreeLines);
    SetPref(gThePreferences, kPrefScrollDirection, 1);
    gScrollDistance = 2.0;
    const SInt32 h = SInt32(LineHeight());
    // Starting: the whole cue line is still to be read at 2 pixels a tick.
    EXPECT_EQ(SaveTimertoTimerDelay(kSmoothLineByLine, 1), h / 2);
    EXPECT_EQ(gInhibitScroll, 1);

    // Owing less than the line: held.
    gScrollThis = -(h - 1);
    EXPECT_EQ(SaveTimertoTimerDelay(kSmoothLineByLine, 2), 1);
    EXPECT_EQ(gInhibitScroll, 1);
    // Owing the whole line: the next step glides.
    gScrollThis = -60.0;
    SaveTimertoTimerDelay(kSmoothLineByLine, 2);
    EXPECT_EQ(gInhibitScroll, 1);
    std::vector<double> released;
    for (int k = 0; k < 6; ++k) {
        SaveTimertoTimerDelay(kSmoothLineByLine, 2);
        EXPECT_EQ(gInhibitScroll, 0);
        released.push_back(gScrollThis);
        gScrollThis = 0; // the tick moves what was released
    }
    EXPECT_EQ(released, std::vector<double>(6, -10.0));

    // Reverse: the line height as the delay.
    SetPref(gThePreferences, kPrefScrollDirection, -1);
    EXPECT_EQ(SaveTimertoTimerDelay(kSmoothLineByLine, 1), h);
}

TEST_F(Pacing, LineByLineWithAStandingTextWaitsATickRatherThanForever) {
    UseScript(kThreeLines);
    SetPref(gThePreferences, kPrefScrollDirection, 1);
    gScrollDistance = 0.0;
    EXPECT_EQ(SaveTimertoTimerDelay(kSmoothLineByLine, 1), 1);
}

TEST_F(Pacing, PageByPageReleasesTheOwedPixelsOnlyOnceTheyReachTheNextPage) {
    UseScript(kThreeLines);
    SetPref(gThePreferences, kPrefScrollDirection, 1);
    const double textHeight = WEGetHeight(0, WECountLines(we), we);
    EXPECT_EQ(SaveTimertoTimerDelay(kSmoothPageByPage, 1), 1);
    // No bookmark ahead: the page ends with the text.
    gScrollThis = -(textHeight - 1);
    SaveTimertoTimerDelay(kSmoothPageByPage, 2);
    EXPECT_EQ(gInhibitScroll, 1);
    gScrollThis = -textHeight;
    SaveTimertoTimerDelay(kSmoothPageByPage, 2);
    EXPECT_EQ(gInhibitScroll, 0);
}

struct StepCase {
    const char* name;
    SInt16 mode;
    SInt32 before;
    bool faster;
    SInt32 after;
};

SInt32 RateOf(SInt16 mode) {
    switch (mode) {
    case kPaceSpeed:
        return GetPref(gThePreferences, kPrefScrollSpeed);
    case kPaceCharactersPerSecond:
        return GetPref(gThePreferences, kPrefCharactersPerSecond);
    case kPaceFinishTime:
        return GetPref(gThePreferences, kPrefFinishMinutes) * 60 +
               GetPref(gThePreferences, kPrefFinishSeconds);
    case kPaceLinesPerMinute:
        return GetPref(gThePreferences, kPrefLinesPerMinute);
    default:
        return GetPref(gThePreferences, kPrefSyllablesPerMinute);
    }
}

void SetRate(SInt16 mode, SInt32 rate) {
    switch (mode) {
    case kPaceSpeed:
        SetPref(gThePreferences, kPrefScrollSpeed, SInt16(rate));
        gSaveScrollAmount = gWantScrollAmount = rate;
        break;
    case kPaceCharactersPerSecond:
        SetPref(gThePreferences, kPrefCharactersPerSecond, SInt16(rate));
        break;
    case kPaceFinishTime:
        SetPref(gThePreferences, kPrefFinishMinutes, SInt16(rate / 60));
        SetPref(gThePreferences, kPrefFinishSeconds, SInt16(rate % 60));
        break;
    case kPaceLinesPerMinute:
        SetPref(gThePreferences, kPrefLinesPerMinute, rate);
        break;
    default:
        SetPref(gThePreferences, kPrefSyllablesPerMinute, rate);
    }
}

TEST_F(Pacing, SpeedStepsAreAboutFivePerCentAndStopAtTheLimits) {
    const StepCase cases[] = {
        {"speed 30 slower", kPaceSpeed, 30, false, 29},
        {"speed 1 slower", kPaceSpeed, 1, false, 1},
        {"speed 200 faster", kPaceSpeed, 200, true, 210},
        {"speed at the top", kPaceSpeed, 32767, true, 32767},
        {"speed near the top", kPaceSpeed, 32760, true, 32767},
        {"finish 0:59 slower", kPaceFinishTime, 59, false, 61},
        {"finish 0:01 faster", kPaceFinishTime, 1, true, 1},
        {"finish 2:00 faster", kPaceFinishTime, 120, true, 114},
        {"finish at the longest", kPaceFinishTime, 32767, false, 32767},
        {"characters 2 slower", kPaceCharactersPerSecond, 2, false, 1},
        {"characters 1 slower", kPaceCharactersPerSecond, 1, false, 1},
        {"characters at the top", kPaceCharactersPerSecond, 32767, true, 32767},
        {"lines 100 faster", kPaceLinesPerMinute, 100, true, 105},
        {"lines 32766 faster", kPaceLinesPerMinute, 32766, true, 32767},
        {"syllables 300 slower", kPaceSyllablesPerMinute, 300, false, 285},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetMode(c.mode);
        SetRate(c.mode, c.before);
        gPrefsChanged = false;
        if (c.faster)
            DoScrollFaster();
        else
            EXPECT_EQ(DoScrollSlower(), c.after);
        EXPECT_EQ(RateOf(c.mode), c.after);
        EXPECT_EQ(bool(gPrefsChanged), c.before != c.after);
    }
}

TEST_F(Pacing, FinishTimeStepsKeepMinutesAndSecondsApart) {
    SetMode(kPaceFinishTime);
    SetRate(kPaceFinishTime, 59);
    gScrollExtraHeight = 3660;
    DoScrollSlower();
    EXPECT_EQ(GetPref(gThePreferences, kPrefFinishMinutes), 1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefFinishSeconds), 1);
    EXPECT_DOUBLE_EQ(gScrollDistance, 1.0);
}

TEST_F(Pacing, SetScrollAmountStoresOrRampsAndNeverStoresANegativeSpeed) {
    SetPref(gThePreferences, kPrefScrollSpeed, 40);
    SetPref(gThePreferences, kPrefScrollDirection, 1);
    gLastScrollToHyper = gLastReadPositionHyper = 5;

    SetScrollAmount(-20, -1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 0);
    EXPECT_EQ(gSaveScrollAmount, 0);
    EXPECT_EQ(gWantScrollAmount, 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), -1);
    EXPECT_EQ(gLastScrollToHyper, -1);
    EXPECT_EQ(gLastReadPositionHyper, -1);

    SetScrollAmount(70000, 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 32767);
    SetScrollAmount(65535, 0); // keep
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 32767);
    EXPECT_EQ(gScrollDif, 0);

    // Ramping: the speed becomes the target, the stored speed waits for the timer.
    SetPref(gThePreferences, kPrefMomentum, 1);
    SetPref(gThePreferences, kPrefMomentumAmount, 96);
    SetPref(gThePreferences, kPrefPacingMode, kPaceSpeed);
    SetPref(gThePreferences, kPrefScrollSpeed, 40);
    SetScrollAmount(20, -1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 40);
    EXPECT_EQ(gWantScrollAmount, 20);
    EXPECT_EQ(gSaveScrollAmount, 20);
    EXPECT_EQ(gWantScrollDir, -1);
    EXPECT_EQ(gScrollDif, 5);
    EXPECT_DOUBLE_EQ(gScrollDistance, 40.0 / 60);
}

TEST_F(Pacing, ChangeScrollSpeedSetsTheRateOfTheCurrentMode) {
    gScrollExtraHeight = 3600;
    SetMode(kPaceFinishTime);
    ChangeScrollSpeed(125);
    EXPECT_EQ(GetPref(gThePreferences, kPrefFinishMinutes), 2);
    EXPECT_EQ(GetPref(gThePreferences, kPrefFinishSeconds), 5);
    EXPECT_DOUBLE_EQ(gScrollDistance, 3600.0 / 125 / 60);
    EXPECT_TRUE(gPrefsChanged);

    SetMode(kPaceSpeed);
    ChangeScrollSpeed(90);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), 90);
    EXPECT_DOUBLE_EQ(gScrollDistance, 1.5);

    UseScript(kThreeLines);
    SetMode(kPaceLinesPerMinute);
    ChangeScrollSpeed(3600);
    EXPECT_EQ(GetPref(gThePreferences, kPrefLinesPerMinute), 3600);
    EXPECT_DOUBLE_EQ(gScrollDistance, LineHeight());

    SetMode(kPaceSynchronized);
    gPrefsChanged = false;
    ChangeScrollSpeed(1);
    EXPECT_FALSE(gPrefsChanged);
}

TEST_F(Pacing, SynchronizedDistanceReachesTheCharacterReadASecondAhead) {
    UseScript(kThreeLines);
    SetMode(kPaceSynchronized);
    gScrollExtraHeight = 600;
    // A syllable a second: a second after the cue's first syllable the second is read, on the same
    // line; the fourth syllable's line lies two lines on.
    TimeSyllables({0, 60, 120, 180, 240, 300});
    const double near = CalculateSynchronizedDistanceInstantaneous(0);
    EXPECT_TRUE(std::isfinite(near));
    TimeSyllables({0, 1, 2, 180, 240, 300});
    const double far = CalculateSynchronizedDistanceInstantaneous(0);
    EXPECT_GT(far, near);
    EXPECT_GT(far, LineHeight() / 60);
    // Equal times around the cue do not divide by zero.
    TimeSyllables({0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(std::isfinite(CalculateSynchronizedDistanceInstantaneous(0)));
}

TEST_F(Pacing, SynchronizedDistanceRunOutOfSyllablesKeepsTheLastOne) {
    UseScript("cat");
    SetMode(kPaceSynchronized);
    TimeSyllables({0});
    EXPECT_DOUBLE_EQ(CalculateSynchronizedDistanceInstantaneous(0), 0.33);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

} // namespace
