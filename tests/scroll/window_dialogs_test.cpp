// The prompter's small dialogs played as the user would, the first free ID of a list, and which of the
// prompter and the edit window hides when the other comes forward.
#include "scroll/window_dialogs.h"

#include "macros/macro_services.h"
#include "platform/dialogs.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/window_settings.h"
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

TEST(UnusedId, TheFirstIdNotTakenFromTheStart) {
    struct Case {
        std::vector<SInt16> ids;
        SInt16 start, expected;
    };
    const Case cases[] = {
        {{128, 129, 131}, 128, 130},    {{128, 129, 131}, 131, 132}, {{}, 200, 200},
        {{32765, 32766}, 32765, 32767}, {{32767}, 32767, 32767},
    };
    for (const Case& c : cases) {
        Handle ids = NewHandle(Size(c.ids.size() * sizeof(SInt16)));
        if (!c.ids.empty()) std::memcpy(*ids, c.ids.data(), c.ids.size() * sizeof(SInt16));
        EXPECT_EQ(GetUnusedId(ids, c.start), c.expected) << "start " << c.start;
        DisposeHandle(ids);
    }
    EXPECT_EQ(GetUnusedId(nullptr, 140), 140);
}

class WindowDialogs : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UsePlainOutput();
        gPrefsChanged = false;
        gPositionPrefsChanged = false;
        gAutoDialogAnswer = 0;
    }
    void TearDown() override {
        gScrollExtraHeight = 0;
        gScrollCurrentPos = 0;
        PrompterFixture::TearDown();
    }
    TempHome home;
};

TEST_F(WindowDialogs, APrompterSizeUnder80IsRefusedAndTheFieldSelected) {
    OpenAt(Rect{100, 100, 500, 700});
    std::vector<std::string> shown;
    std::vector<SInt16> focus;
    StepPlayer player({
        [&](DialogPtr d) {
            shown = {Text(d, 5), Text(d, 6)};
            Type(d, 5, "79");
            Type(d, 6, "300");
            PressDialogItem(d, 1);
        },
        [&](DialogPtr d) {
            focus.push_back(GetDialogKeyboardFocusItem(d));
            Type(d, 5, "640");
            Type(d, 6, "x");
            PressDialogItem(d, 1);
        },
        [&](DialogPtr d) {
            focus.push_back(GetDialogKeyboardFocusItem(d));
            Type(d, 6, "480");
            PressDialogItem(d, 1);
        },
    });
    GetNewWindowSize();
    EXPECT_EQ(shown, (std::vector<std::string>{"600", "400"}));
    EXPECT_EQ(focus, (std::vector<SInt16>{5, 6}));
    const Rect content = GetScrollWindowContent();
    EXPECT_EQ(RectWidth(content), 640);
    EXPECT_EQ(RectHeight(content), 480);
    EXPECT_TRUE(gPositionPrefsChanged);
}

TEST_F(WindowDialogs, TheFinishTimeCoversTheRestOfTheText) {
    struct Case {
        const char* what;
        SInt16 direction;
        double position;
        std::string typed;
        SInt16 minutes, seconds;
    };
    const Case cases[] = {
        {"half way forward", 1, -1000, "60", 2, 0},
        {"at the start", 1, 0, "90", 1, 30},
        {"half way backward", -1, -1000, "45", 1, 30},
        {"a quarter left", 1, -1500, "10", 0, 40},
    };
    for (const Case& c : cases) {
        gScrollExtraHeight = 2000;
        gScrollCurrentPos = c.position;
        SetPref(gThePreferences, kPrefScrollDirection, c.direction);
        SetPref(gThePreferences, kPrefPacingMode, 0);
        StepPlayer player({[&](DialogPtr d) {
            Type(d, 5, c.typed);
            PressDialogItem(d, 1);
        }});
        GetFinishTime();
        EXPECT_EQ(GetPref(gThePreferences, kPrefPacingMode), 2) << c.what;
        EXPECT_EQ(GetPref(gThePreferences, kPrefFinishMinutes), c.minutes) << c.what;
        EXPECT_EQ(GetPref(gThePreferences, kPrefFinishSeconds), c.seconds) << c.what;
        EXPECT_TRUE(gPrefsChanged) << c.what;
    }
}

TEST_F(WindowDialogs, NoSecondsOrCancelChangeNothing) {
    SetPref(gThePreferences, kPrefPacingMode, 0);
    const PrefsRecord before = gThePreferences;
    std::vector<SInt16> focus;
    StepPlayer player({
        [&](DialogPtr d) {
            Type(d, 5, "0");
            PressDialogItem(d, 1);
        },
        [&](DialogPtr d) {
            focus.push_back(GetDialogKeyboardFocusItem(d));
            Type(d, 5, "99999999");
            PressDialogItem(d, 1);
        },
        [&](DialogPtr d) {
            focus.push_back(GetDialogKeyboardFocusItem(d));
            PressDialogItem(d, 2);
        },
    });
    GetFinishTime();
    EXPECT_EQ(focus, (std::vector<SInt16>{5, 5}));
    EXPECT_EQ(std::memcmp(&before, &gThePreferences, sizeof before), 0);
}

TEST_F(WindowDialogs, SaveOptionsStoreOnlyOnOk) {
    SetPref(gThePreferences, kPrefSaveBookmarks, 0);
    SetPref(gThePreferences, kPrefBookmarkStorage, 1);
    SetPref(gThePreferences, kPrefSaveWithDocument, 0);
    const PrefsRecord before = gThePreferences;
    // Each press is one pass of the dialog's loop.
    auto press = [](SInt16 item) { return [item](DialogPtr d) { PressDialogItem(d, item); }; };
    {
        StepPlayer player({press(3), press(5), press(7), press(2)});
        EXPECT_FALSE(DoSaveOptionsDialog());
        EXPECT_EQ(std::memcmp(&before, &gThePreferences, sizeof before), 0);
        EXPECT_FALSE(gPrefsChanged);
    }
    std::vector<SInt16> values;
    StepPlayer player({[&](DialogPtr d) {
                           values = {GetDialogItemValue(d, 3), GetDialogItemValue(d, 4),
                                     GetDialogItemValue(d, 5), GetDialogItemValue(d, 7)};
                           PressDialogItem(d, 3);
                       },
                       press(5), press(7), press(1)});
    EXPECT_TRUE(DoSaveOptionsDialog());
    EXPECT_EQ(values, (std::vector<SInt16>{0, 1, 0, 0}));
    EXPECT_EQ(GetPref(gThePreferences, kPrefSaveBookmarks), 1);
    EXPECT_EQ(GetPref(gThePreferences, kPrefBookmarkStorage), 2);
    EXPECT_EQ(GetPref(gThePreferences, kPrefSaveWithDocument), 1);
    EXPECT_TRUE(gPrefsChanged);
}

TEST_F(WindowDialogs, ConfirmationsAnswerByTheirItemOrAMacrosPresetAnswer) {
    for (SInt16 item : {SInt16(1), SInt16(2)}) {
        StepPlayer player({[item](DialogPtr d) { PressDialogItem(d, item); }});
        EXPECT_EQ(DoEditCustomWarning(153), item == 1) << "item " << item;
    }
    gAutoDialogAnswer = 1;
    EXPECT_TRUE(DoContainsStyleDialog());
    gAutoDialogAnswer = 2;
    EXPECT_FALSE(DoContainsStyleDialog());
    gAutoDialogAnswer = 0;
    EXPECT_FALSE(DoEditCustomWarning(9999)) << "a dialog that cannot be made";
}

TEST_F(WindowDialogs, WithHidingOnTheWindowBroughtForwardHidesTheOther) {
    OpenAt(Rect{100, 100, 500, 700});
    const Rect editPlace{100, 720, 500, 1100};
    WindowPtr edit = NewCWindow(nullptr, &editPlace, nullptr, true, 0, kFirstWindowOfClass, true, 2);
    ASSERT_NE(edit, nullptr);
    WindowPtr savedEdit = myEditWindow;
    myEditWindow = edit;
    struct Case {
        bool hiding;
        WindowPtr forward;
        bool prompterShown, editShown;
    };
    const Case cases[] = {
        {true, edit, false, true},
        {true, myScrollWindow, true, false},
        {false, edit, true, true},
        {false, myScrollWindow, true, true},
    };
    for (const Case& c : cases) {
        ShowWindow(myScrollWindow);
        ShowWindow(edit);
        SetPref(gThePreferences, kPrefPrompterHidesEdit, c.hiding ? 1 : 0);
        EXPECT_EQ(SelectHideOtherWindow(c.forward), 1);
        EXPECT_EQ(IsWindowVisible(myScrollWindow), c.prompterShown);
        EXPECT_EQ(IsWindowVisible(edit), c.editShown);
    }
    myEditWindow = savedEdit;
    DisposeWindow(edit);
}

} // namespace
