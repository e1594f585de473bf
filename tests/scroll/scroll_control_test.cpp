// The scroll control and start delay dialogs, played by a timer as the user would: the fields of the
// chosen pacing mode, rates and smoothness applied, stored or cancelled, and bad values refused.
#include "scroll/scroll_control.h"

#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "prefs/prefs_record.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/scroll_engine.h"
#include "support/temp_home.h"

#include "prompter_fixture.h"

#include "support/step_player.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

void Type(DialogPtr dialog, SInt16 item, const std::string& text) {
    Str255 p;
    p[0] = UInt8(text.size());
    std::memcpy(p + 1, text.data(), text.size());
    SetDialogItemText(dialog, item, p);
}

std::string Text(DialogPtr dialog, SInt16 item) {
    Str255 p;
    GetDialogItemText(dialog, item, p);
    return std::string(PStringView(p));
}

class ScrollControl : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        SetPref(gThePreferences, kPrefMomentum, 0);
        SetPref(gThePreferences, kPrefPacingMode, 0);
        SetPref(gThePreferences, kPrefScrollSmoothness, 3);
        SetScrollAmount(60, 0);
        gPrefsChanged = false;
    }
    void TearDown() override {
        PauseOff(0);
        gDelayScroll = 0;
        PrompterFixture::TearDown();
    }
    TempHome home;
};

TEST_F(ScrollControl, OnlyTheChosenModesFieldsShow) {
    struct Case {
        SInt16 radio;
        std::vector<SInt16> shown;
    };
    const std::vector<Case> cases = {
        {7, {13, 19, 20, 31}},
        {9, {15, 18, 23, 24, 29, 30, 33, 36}},
        {11, {17, 27, 28, 35}},
        {12, {38}},
    };
    std::vector<std::vector<SInt16>> seen;
    std::vector<std::function<void(DialogPtr)>> steps;
    for (const Case& c : cases) {
        steps.push_back([radio = c.radio](DialogPtr d) { PressDialogItem(d, radio); });
        steps.push_back([&](DialogPtr d) {
            std::vector<SInt16> shown;
            for (SInt16 item = 13; item <= 38; ++item)
                if (item != 37 && IsDialogItemVisible(d, item)) shown.push_back(item);
            seen.push_back(shown);
        });
    }
    steps.push_back([](DialogPtr d) { PressDialogItem(d, 2); });
    const PrefsRecord before = gThePreferences;
    StepPlayer player(steps);
    DoScrollControl();
    ASSERT_EQ(seen.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(seen[i], cases[i].shown) << "radio " << cases[i].radio;
    EXPECT_EQ(std::memcmp(&before, &gThePreferences, sizeof before), 0) << "cancel changes no preference";
    EXPECT_EQ(gScrollDialog, nullptr);
}

TEST_F(ScrollControl, RatesAndSmoothnessAreAppliedOrStored) {
    std::string shownSpeed;
    StepPlayer use({[&](DialogPtr d) {
                        shownSpeed = Text(d, 13);
                        PressDialogItem(d, 19);
                    },
                    [&](DialogPtr d) { PressDialogItem(d, 8); },
                    [&](DialogPtr d) {
                        Type(d, 14, "17");
                        PressDialogItem(d, 6);
                    },
                    [&](DialogPtr d) { PressDialogItem(d, 3); }});
    DoScrollControl();
    EXPECT_EQ(shownSpeed, "60");
    EXPECT_EQ(GetPref(gThePreferences, kPrefPacingMode), 1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefCharactersPerSecond), 17);
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSmoothness), 4);
    EXPECT_EQ(gSaveScrollAmount, 61);
    EXPECT_TRUE(gPrefsChanged) << "applied until quit";

    StepPlayer store({[&](DialogPtr d) { PressDialogItem(d, 9); },
                      [&](DialogPtr d) {
                          Type(d, 15, "2");
                          Type(d, 18, "30");
                          PressDialogItem(d, 1);
                      }});
    DoScrollControl();
    EXPECT_FALSE(gPrefsChanged) << "stored at once";
    PrefsRecord stored = gDefaultPreferences;
    ASSERT_EQ(DoGetPreferences(&stored, 0, nullptr), noErr);
    EXPECT_EQ(GetPref(stored, kPrefPacingMode), 2);
    EXPECT_EQ(GetPref(stored, kPrefFinishMinutes), 2);
    EXPECT_EQ(GetPref(stored, kPrefFinishSeconds), 30);
    EXPECT_EQ(GetPref(stored, kPrefCharactersPerSecond), 17);
}

TEST_F(ScrollControl, RatesThatCannotMoveTheTextAreRefused) {
    struct Case {
        SInt16 radio, field;
        const char* typed;
    };
    const std::vector<Case> cases = {
        {7, 13, "0"},   {7, 13, "-5"}, {8, 14, "abc"}, {10, 16, ""},
        {11, 17, "-1"}, {9, 18, "75"}, {9, 15, "-1"},
    };
    for (const Case& c : cases) {
        ClearRecordedErrorMessages();
        const PrefsRecord before = gThePreferences;
        SInt16 focus = 0;
        StepPlayer player({[&](DialogPtr d) { PressDialogItem(d, c.radio); },
                           [&](DialogPtr d) {
                               Type(d, c.field, c.typed);
                               PressDialogItem(d, 3);
                           },
                           [&](DialogPtr d) {
                               focus = GetDialogKeyboardFocusItem(d);
                               PressDialogItem(d, 2);
                           }});
        DoScrollControl();
        EXPECT_EQ(RecordedErrorMessages().size(), 1u) << c.typed;
        EXPECT_EQ(focus, c.field) << "the refused field is selected again";
        EXPECT_EQ(std::memcmp(&before, &gThePreferences, sizeof before), 0) << c.typed;
    }
    ClearRecordedErrorMessages();
    StepPlayer player({[&](DialogPtr d) { PressDialogItem(d, 9); },
                       [&](DialogPtr d) {
                           Type(d, 15, "0");
                           Type(d, 18, "0");
                           PressDialogItem(d, 3);
                       },
                       [](DialogPtr d) { PressDialogItem(d, 2); }});
    DoScrollControl();
    EXPECT_EQ(RecordedErrorMessages().size(), 1u) << "a finish time of nothing";
}

TEST_F(ScrollControl, TheStartDelayPausesForItsSecondsAndRefusesOthers) {
    std::vector<std::string> shown;
    StepPlayer player({[&](DialogPtr d) {
                           shown.push_back(Text(d, 5));
                           Type(d, 5, "-2");
                           PressDialogItem(d, 1);
                       },
                       [&](DialogPtr d) {
                           Type(d, 5, "5");
                           PressDialogItem(d, 1);
                       }});
    GetBeginDelay();
    EXPECT_EQ(shown, std::vector<std::string>{"0"});
    EXPECT_EQ(gDelayScroll, 300);
    EXPECT_TRUE(gPaused);

    StepPlayer huge({[&](DialogPtr d) {
        shown.push_back(Text(d, 5));
        Type(d, 5, "99999999999");
        PressDialogItem(d, 1);
    }});
    GetBeginDelay();
    EXPECT_EQ(shown.back(), "5");
    EXPECT_EQ(gDelayScroll, kMaxDelaySeconds * 60) << "clamped, not wrapped";
}

} // namespace
