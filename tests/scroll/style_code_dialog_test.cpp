// The special attribute dialog building each kind of code from its pop-ups, and the name dialog putting
// a code into a name in place of one of the same attribute.
#include "scroll/style_code_dialog.h"

#include "platform/clipboard.h"
#include "platform/color_picker.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "support/dialog_player.h"
#include "support/temp_home.h"
#include "texttools/merge_style_codes.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr SInt16 kMergeTextDialog = 195;

TEST(SpecialAttributeFlags, EachKindGivesTheBitOfItsAttribute) {
    const struct {
        SInt16 kind, flag;
    } cases[] = {
        {0, 0},     {1, kMergeFont}, {2, kMergeSize},   {3, kMergeBold},  {4, kMergeItalic},
        {5, 16},    {6, 32},         {7, 64},           {8, 128},         {9, kMergeExtended},
        {10, 4096}, {11, kMergeRed}, {12, kMergeGreen}, {13, kMergeBlue}, {14, 0},
        {24, 0},    {25, 25},        {-4, -4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpecialToAttributeFlag(c.kind), c.flag) << c.kind;
}

// How the value of a case is given: a choice of the value pop-up, or a typed text.
struct ValueAction {
    SInt16 choice = 0;
    const char* typed = nullptr;
};

// Chooses the kind, gives the value, and presses OK.
std::vector<DialogPlayer::Step> ChooseSteps(SInt16 kind, ValueAction value) {
    std::vector<DialogPlayer::Step> steps;
    steps.push_back([kind](DialogPtr d) {
        AnswerNextPopUpMenu(MenuItemIndex(kind));
        PressDialogItem(d, 4);
        return true;
    });
    if (value.choice > 0)
        steps.push_back([value](DialogPtr d) {
            AnswerNextPopUpMenu(MenuItemIndex(value.choice));
            PressDialogItem(d, 7);
            return true;
        });
    if (value.typed)
        steps.push_back([value](DialogPtr d) {
            TypeInto(d, 6, value.typed);
            return true;
        });
    steps.push_back([](DialogPtr d) {
        PressDialogItem(d, 1);
        return true;
    });
    return steps;
}

class SpecialAttributes : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        ForgetSpecialAnswers();
        SetPref(gThePreferences, kPrefColorListLength, 0);
    }
    TempHome home;
};

TEST_F(SpecialAttributes, EachKindBuildsItsCodeFromTheValue) {
    const RGBColor orange{0xFFFF, 0x8080, 0};
    const struct {
        SInt16 kind;
        ValueAction value;
        const char* code;
    } cases[] = {
        {2, {8, nullptr}, "\\fs24 "},      {2, {0, "30"}, "\\fs30 "},    {1, {0, "Geneva"}, "\\fn\"Geneva\""},
        {10, {3, nullptr}, "\\fc\"Red\""}, {10, {0, "255"}, "\\fc255 "}, {3, {}, "\\b1 "},
        {4, {1, nullptr}, "\\i0 "},        {9, {2, nullptr}, "\\e1 "},   {12, {17, nullptr}, "\\fg65535 "},
        {11, {1, nullptr}, "\\fr0 "},      {14, {}, "<<date>>"},         {23, {}, "<<music>>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        DialogPlayer player(ChooseSteps(c.kind, c.value));
        Str255 code;
        EXPECT_EQ(GetSpecialAttribute(code), c.kind);
        EXPECT_EQ(std::string(PStringView(code)), c.code);
        EXPECT_TRUE(player.Finished());
    }

    // The colour picker gives the colour as six hexadecimal digits.
    AnswerNextColorPicker(&orange);
    DialogPlayer picked(ChooseSteps(10, {8, nullptr}));
    Str255 code;
    EXPECT_EQ(GetSpecialAttribute(code), 10);
    EXPECT_EQ(std::string(PStringView(code)), "\\fc\"$FF8000\"");
}

TEST_F(SpecialAttributes, TheSizeStepsAndTheLastValueOfAKindIsOfferedAgain) {
    std::vector<std::string> shown;
    DialogPlayer player({
        [](DialogPtr d) {
            AnswerNextPopUpMenu(2);
            PressDialogItem(d, 4);
            return true;
        },
        [](DialogPtr d) {
            AnswerNextPopUpMenu(7); // 18
            PressDialogItem(d, 7);
            return true;
        },
        [&](DialogPtr d) {
            shown.push_back(ItemTextOf(d, 6));
            AnswerNextPopUpMenu(1); // one larger
            PressDialogItem(d, 7);
            return true;
        },
        [&](DialogPtr d) {
            shown.push_back(ItemTextOf(d, 6));
            PressDialogItem(d, 1);
            return true;
        },
    });
    Str255 code;
    ASSERT_EQ(GetSpecialAttribute(code), 2);
    EXPECT_EQ(std::string(PStringView(code)), "\\fs19 ");
    EXPECT_EQ(shown, (std::vector<std::string>{"18", "19"}));

    std::string offered;
    DialogPlayer again({[&](DialogPtr d) {
        offered = ItemTextOf(d, 6);
        PressDialogItem(d, 1);
        return true;
    }});
    ASSERT_EQ(GetSpecialAttribute(code), 2) << "the kind chosen last comes back";
    EXPECT_EQ(offered, "18");
}

TEST_F(SpecialAttributes, OkWithoutAValueOnlyBeepsAndCancelGivesNothing) {
    DialogPlayer player({
        [](DialogPtr d) {
            AnswerNextPopUpMenu(2);
            PressDialogItem(d, 4);
            return true;
        },
        [](DialogPtr d) {
            TypeInto(d, 6, "");
            PressDialogItem(d, 1);
            return true;
        },
        [](DialogPtr d) {
            PressDialogItem(d, 2);
            return true;
        },
    });
    Str255 code;
    EXPECT_EQ(GetSpecialAttribute(code), 0);
    EXPECT_EQ(code[0], 0);
    EXPECT_TRUE(player.Finished()) << "OK with nothing typed left the dialog open";
}

TEST_F(SpecialAttributes, TheNameDialogReplacesACodeOfTheSameAttribute) {
    const struct {
        const char* name;
        SInt16 caret;
        SInt16 kind;
        ValueAction value;
        const char* expected;
    } cases[] = {
        {"\\fs12 Hello", 0, 2, {0, "24"}, "\\fs24 Hello"},
        {"Hello", 5, 2, {0, "24"}, "\\fs24 Hello"},
        {"\\fs12 Hello", 8, 3, {}, "\\b1 \\fs12 Hello"},
        {"\\b1 Hello", 9, 2, {0, "24"}, "\\b1 \\fs24 Hello"},
        {"\\b1 \\i1 Hi", 0, 3, {1, nullptr}, "\\b0 \\i1 Hi"},
        {"\\fc\"Red\"Hi", 0, 10, {0, "255"}, "\\fc255 Hi"},
        {"Hi there", 2, 14, {}, "Hi<<date>> there"},
    };
    SetClipboardText("the operator's own");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<DialogPlayer::Step> steps;
        steps.push_back([&c](DialogPtr d) {
            TypeInto(d, 5, c.name);
            SelectDialogItemText(d, 5, c.caret, c.caret);
            PressDialogItem(d, 6);
            return true;
        });
        for (DialogPlayer::Step& step : ChooseSteps(c.kind, c.value))
            steps.push_back(step);
        std::string shown;
        steps.push_back([&shown](DialogPtr d) {
            shown = ItemTextOf(d, 5);
            PressDialogItem(d, 1);
            return true;
        });
        DialogPlayer player(steps);
        Str255 name;
        name[0] = 0;
        ASSERT_TRUE(GetFontSetName(name, kMergeTextDialog));
        EXPECT_EQ(shown, c.expected);
        EXPECT_EQ(std::string(PStringView(name)), c.expected);
    }
    std::string clipboard;
    EXPECT_TRUE(GetClipboardText(&clipboard));
    EXPECT_EQ(clipboard, "the operator's own") << "the code goes into the name, not over the clipboard";
}

TEST_F(SpecialAttributes, TheNameDialogKeepsTheNameWhenTheCodeIsCancelledOrTheNameDialogIs) {
    Str255 name;
    SetPString(name, "Keep me");
    DialogPlayer player({
        [](DialogPtr d) {
            PressDialogItem(d, 6);
            return true;
        },
        [](DialogPtr d) {
            PressDialogItem(d, 2); // the special attribute dialog
            return true;
        },
        [](DialogPtr d) {
            PressDialogItem(d, 1);
            return true;
        },
    });
    ASSERT_TRUE(GetFontSetName(name, kMergeTextDialog));
    EXPECT_EQ(std::string(PStringView(name)), "Keep me");

    DialogPlayer cancel({[](DialogPtr d) {
        TypeInto(d, 5, "Changed");
        PressDialogItem(d, 2);
        return true;
    }});
    EXPECT_FALSE(GetFontSetName(name, kMergeTextDialog));
    EXPECT_EQ(std::string(PStringView(name)), "Keep me");
    EXPECT_FALSE(GetFontSetName(name, 9999)) << "no such dialog";
}

} // namespace
