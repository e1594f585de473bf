// The size, spacing, colour and mark character dialogs played as the user would, and the Size menu item
// of a size.
#include "scroll/text_format_dialogs.h"

#include "foundation/program_strings.h"
#include "platform/color_picker.h"
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmarks.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "support/dialog_player.h"
#include "support/temp_home.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SizeMenuChoice, TheMenuSizesGiveTheirItemsAndOthersNone) {
    const SInt16 listed[] = {9, 10, 12, 18, 24, 36, 48, 50, 62, 74};
    for (SInt16 item = 1; item <= 10; ++item)
        EXPECT_EQ(TextSizetoSizeMenuChoice(listed[item - 1]), item) << listed[item - 1];
    for (SInt16 size : {0, 1, 11, 13, 72, 75, 32767, -12})
        EXPECT_EQ(TextSizetoSizeMenuChoice(size), 0) << size;
}

class FormatDialogs : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UsePlainOutput();
        gPrefsChanged = false;
        OpenAt(Rect{100, 100, 500, 700});
        SetScript("One line of the script.\rAnother line.\r");
    }
    TempHome home;
};

TEST_F(FormatDialogs, TheSizeTypedIsKeptWithinWhatASizeCanHold) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.size = 36;
    SetPref(gThePreferences, kPrefPrompterFormat, format);
    SetPref(gThePreferences, kPrefStyledText, 0);
    const struct {
        const char* typed;
        SInt16 button; // OK or Cancel
        SInt16 expected;
    } cases[] = {
        {"40000", 1, 32767},
        {"-3", 1, 0},
        {"24", 1, 24},
        {" 18", 1, 18},
        {"abc", 1, 0},
        {"24", 2, 0},
        {"99999999999999", 1, 32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        std::string shown;
        DialogPlayer player({[&](DialogPtr d) {
            shown = ItemTextOf(d, 4);
            TypeInto(d, 4, c.typed);
            PressDialogItem(d, c.button);
            return true;
        }});
        EXPECT_EQ(DoSizeDialog(myScrollWindow, 0), c.expected);
        EXPECT_EQ(shown, "36") << "the prompter's stored size is shown first";
    }
    EXPECT_EQ(DoSizeDialog(nullptr, 0), 0) << "no window, no dialog";
}

TEST_F(FormatDialogs, TheSizeArrowsStepTheFieldAndStyledTextStartsFromTheSelection) {
    SetPref(gThePreferences, kPrefStyledText, 1);
    WESetSelection(4, 8, 0, ScrollWEHandle);
    WETextStyle big;
    big.size = 50;
    WESetStyle(weDoSize, &big, ScrollWEHandle);
    std::vector<std::string> shown;
    DialogPlayer player({
        [&](DialogPtr d) {
            shown.push_back(ItemTextOf(d, 4));
            PressDialogItem(d, 6);
            return true;
        },
        [&](DialogPtr d) {
            shown.push_back(ItemTextOf(d, 4));
            PressDialogItem(d, 7);
            return true;
        },
        [&](DialogPtr d) {
            PressDialogItem(d, 7);
            return true;
        },
        [&](DialogPtr d) {
            shown.push_back(ItemTextOf(d, 4));
            PressDialogItem(d, 1);
            return true;
        },
    });
    EXPECT_EQ(DoSizeDialog(myScrollWindow, 0), 49);
    EXPECT_EQ(shown, (std::vector<std::string>{"50", "51", "49"}));
}

TEST_F(FormatDialogs, SpacingAppliedThenCancelledReturnsTheOldPercent) {
    TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    format.lineSpacing = 120;
    SetPref(gThePreferences, kPrefPrompterFormat, format);
    const struct {
        std::vector<const char*> applied; // typed and applied in turn
        SInt16 button;
        SInt16 expected, stored;
        const char* shownAfterApply;
    } cases[] = {
        {{"150"}, 2, 120, 150, "150"},
        {{}, 2, 0, 120, ""},
        {{"150", "40000"}, 1, 32767, 32767, "32767"},
        {{"-5"}, 1, 0, 0, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.applied.empty() ? "nothing applied" : c.applied.back());
        SetPref(gThePreferences, kPrefPrompterFormat, format);
        std::string shown;
        std::vector<DialogPlayer::Step> steps;
        for (const char* typed : c.applied) {
            steps.push_back([typed](DialogPtr d) {
                TypeInto(d, 4, typed);
                PressDialogItem(d, 5);
                return true;
            });
            steps.push_back([&shown](DialogPtr d) {
                shown = ItemTextOf(d, 4);
                return true;
            });
        }
        steps.push_back([&](DialogPtr d) {
            PressDialogItem(d, c.button);
            return true;
        });
        DialogPlayer player(steps);
        EXPECT_EQ(DoSpacingDialog(myScrollWindow), c.expected);
        EXPECT_EQ(shown, c.shownAfterApply);
        EXPECT_EQ(GetPref(gThePreferences, kPrefPrompterFormat).lineSpacing, c.stored)
            << "the caller puts the old spacing back";
    }
    EXPECT_EQ(DoSpacingDialog(myBookmarkWindow), 0) << "only the prompter and the edit window have one";
}

TEST_F(FormatDialogs, TheMarkCharacterFollowsTheCodeTypedAndTheCodeTheCharacter) {
    gBookmarkCharacter = '#';
    const struct {
        SInt16 field; // 5 the character, 6 the code
        const char* typed;
        const char* otherShows;
        SInt16 button;
        UInt8 kept;
        bool prefsChanged;
    } cases[] = {
        {6, "42", "*", 1, '*', true},  {5, "@x", "64", 1, '@', true}, {6, "298", "*", 1, '*', true},
        {6, "43", "+", 2, '#', false}, {5, "$", "36", 9, '$', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        gBookmarkCharacter = '#';
        SetPref(gThePreferences, kPrefBookmarkMarkChar, SInt16('#'));
        gPrefsChanged = false;
        const SInt16 other = c.field == 5 ? 6 : 5;
        std::vector<std::string> first;
        std::string followed;
        DialogPlayer player({
            [&](DialogPtr d) {
                first = {ItemTextOf(d, 5), ItemTextOf(d, 6)};
                TypeInto(d, c.field, c.typed);
                return true;
            },
            [&](DialogPtr d) {
                followed = ItemTextOf(d, other);
                if (followed != c.otherShows) return false;
                PressDialogItem(d, c.button);
                return true;
            },
        });
        EXPECT_EQ(GetMarkCharacter(), c.button != 2);
        EXPECT_EQ(first, (std::vector<std::string>{"#", "35"}));
        EXPECT_EQ(followed, c.otherShows);
        EXPECT_EQ(gBookmarkCharacter, c.kept);
        EXPECT_EQ(GetPref(gThePreferences, kPrefBookmarkMarkChar), c.kept);
        EXPECT_EQ(gPrefsChanged, c.prefsChanged) << "OK and Save writes the preferences at once";
    }
}

TEST_F(FormatDialogs, ACodeOfNoCharacterIsRefused) {
    gBookmarkCharacter = '#';
    DialogPlayer player({
        [](DialogPtr d) {
            TypeInto(d, 6, "256");
            PressDialogItem(d, 1);
            return true;
        },
        [](DialogPtr d) {
            TypeInto(d, 6, "37");
            PressDialogItem(d, 1);
            return true;
        },
    });
    EXPECT_TRUE(GetMarkCharacter());
    EXPECT_TRUE(player.Finished()) << "the first OK did not end the dialog";
    EXPECT_EQ(gBookmarkCharacter, '%');
}

// Marks are taken out of the text when it is read back: a character the text itself holds is refused with
// a message, and the dialog stays open for another.
TEST_F(FormatDialogs, AMarkCharacterTheTextHoldsIsRefused) {
    const struct {
        SInt16 field;
        const char* typed;
    } cases[] = {{6, "13"}, {6, "32"}, {5, "a"}, {5, "Z"}, {6, "9"}, {6, "142"} /* é */};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        gBookmarkCharacter = '#';
        ClearRecordedErrorMessages();
        DialogPlayer player({
            [&](DialogPtr d) {
                TypeInto(d, c.field, c.typed);
                PressDialogItem(d, 1);
                return true;
            },
            [](DialogPtr d) {
                TypeInto(d, 5, "%");
                PressDialogItem(d, 1);
                return true;
            },
        });
        EXPECT_TRUE(GetMarkCharacter());
        EXPECT_TRUE(player.Finished()) << "the first OK did not end the dialog";
        ASSERT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_NE(RecordedErrorMessages()[0].find("cannot mark bookmarks"), std::string::npos);
        EXPECT_EQ(gBookmarkCharacter, '%');
    }
    EXPECT_TRUE(IsUsableMarkCharacter(0xB5)) << "the built-in mark";
}

TEST_F(FormatDialogs, TheColourPickerAsksWithThePromptOfTheColourItIsFor) {
    Str255 foreground, background;
    ASSERT_TRUE(GetOrvalisString(129, 22, foreground));
    ASSERT_TRUE(GetOrvalisString(129, 23, background));
    ASSERT_GT(foreground[0], 0);
    ASSERT_GT(background[0], 0);
    const RGBColor start{1, 2, 3}, chosen{0x1111, 0x2222, 0x3333};
    const struct {
        SInt16 which;
        const RGBColor* answer;
        bool confirmed;
        RGBColor result;
        ConstStringPtr prompt;
    } cases[] = {
        {1, &chosen, true, chosen, foreground},
        {0, &chosen, true, chosen, background},
        {1, nullptr, false, start, foreground},
    };
    for (const auto& c : cases) {
        RGBColor color = start;
        AnswerNextColorPicker(c.answer);
        const int runs = CountColorPickersRun();
        EXPECT_EQ(GetColorDialog(c.which, &color), c.confirmed);
        EXPECT_EQ(CountColorPickersRun(), runs + 1);
        EXPECT_TRUE(color == c.result);
        EXPECT_EQ(LastColorPickerPrompt(), std::string(PStringView(c.prompt)));
    }
}

} // namespace
