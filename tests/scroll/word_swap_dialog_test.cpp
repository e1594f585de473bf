// The word swap dialog played as the user would: what each entry takes as its replacement when the user
// moves on, goes back, cancels or leaves the field empty, what the dialog shows, and the timer's step that
// runs it for a document saved for word swapping.
#include "scroll/word_swap_dialog.h"

#include "platform/dialogs.h"
#include "platform/pstring.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "scroll/scroll_windows.h"
#include "support/temp_home.h"
#include "texttools/text_tools.h"

#include "prompter_fixture.h"

#include "support/step_player.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string Text(DialogPtr dialog, SInt16 item) {
    Str255 p;
    GetDialogItemText(dialog, item, p);
    return std::string(PStringView(p));
}

// Types the text into the replacement field and presses the item.
std::function<void(DialogPtr)> TypeAndPress(const std::string& typed, SInt16 item,
                                            std::vector<std::array<std::string, 3>>* seen = nullptr) {
    return [=](DialogPtr d) {
        if (seen) seen->push_back({Text(d, 5), Text(d, 7), Text(d, 1)});
        Str255 p;
        SetPString(p, typed);
        SetDialogItemText(d, 6, p);
        PressDialogItem(d, item);
    };
}

void MakeList(const std::vector<std::array<std::string, 3>>& entries) {
    for (const auto& entry : entries) {
        const SInt32 n = gNumTextMerge;
        ASSERT_TRUE(AddTextMergeText());
        for (SInt16 field = 0; field < 3; ++field) {
            Str255 s;
            SetPString(s, entry[size_t(field)]);
            ASSERT_TRUE(SetTextMergeText(n, field, s));
        }
    }
}

std::string Replacement(SInt16 n) {
    Str255 r;
    return GetTextMergeText(n, nullptr, r, nullptr) ? std::string(PStringView(r)) : "(none)";
}

class WordSwap : public PrompterFixture {
  protected:
    TempHome home;
};

TEST_F(WordSwap, WhatEachEntryKeeps) {
    struct Case {
        const char* what;
        std::vector<std::function<void(DialogPtr)>> steps;
        bool completed;
        std::vector<std::string> replacements;
    };
    const std::vector<std::array<std::string, 3>> kThree = {
        {"CITY", "old city", "Which city?"}, {"HOST", "old host", ""}, {"DAY", "old day", "Which day?"}};
    const Case cases[] = {
        {"one entry: Next saves it and ends at once", {TypeAndPress("Rome", 1)}, true, {"Rome"}},
        {"cancel on the second entry keeps both typed texts",
         {TypeAndPress("Oslo", 1), TypeAndPress("Kim", 2)},
         false,
         {"Oslo", "Kim", "old day"}},
        {"an empty text is stored as an empty replacement", {TypeAndPress("", 1)}, true, {""}},
        {"going back saves the entry left and shows the one before",
         {TypeAndPress("Oslo", 1), TypeAndPress("Kim", 3), TypeAndPress("Bergen", 1), TypeAndPress("Ann", 1),
          TypeAndPress("Friday", 1)},
         true,
         {"Bergen", "Ann", "Friday"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        while (gNumTextMerge > 0)
            RemoveTextMergeText(0);
        if (c.replacements.size() == 1)
            MakeList({{"NAME", "old", "Your name?"}});
        else
            MakeList(kThree);
        const StepPlayer player(c.steps);
        EXPECT_EQ(DoWordSwapDialog(), c.completed);
        for (size_t n = 0; n < c.replacements.size(); ++n)
            EXPECT_EQ(Replacement(SInt16(n)), c.replacements[n]) << "entry " << n;
    }
}

TEST_F(WordSwap, TheDialogShowsThePromptOrKeywordWhichEntryAndTheLastStep) {
    MakeList({{"CITY", "", "Which city?"}, {"HOST", "", ""}, {"DAY", "", "Which day?"}});
    std::vector<std::array<std::string, 3>> seen;
    const StepPlayer player({TypeAndPress("a", 1, &seen), TypeAndPress("b", 1, &seen),
                             TypeAndPress("c", 3, &seen), TypeAndPress("d", 1, &seen),
                             TypeAndPress("e", 1, &seen)});
    EXPECT_TRUE(DoWordSwapDialog());
    const std::vector<std::array<std::string, 3>> expected = {{"Which city?", "1 of 3", "Next"},
                                                              {"HOST", "2 of 3", "Next"},
                                                              {"Which day?", "3 of 3", "Done"},
                                                              {"HOST", "2 of 3", "Next"},
                                                              {"Which day?", "3 of 3", "Done"}};
    EXPECT_EQ(seen, expected);
}

TEST_F(WordSwap, TheTimerRunsItOnceForADocumentSavedForSwapping) {
    OpenAt(Rect{100, 100, 400, 600});
    MakeList({{"NAME", "", "Your name?"}});
    gFlagDoWordSwap = true;
    bool prompterHidden = false;
    {
        const StepPlayer player({[&](DialogPtr d) {
            prompterHidden = !IsWindowVisible(myScrollWindow);
            TypeAndPress("Rome", 2)(d);
        }});
        RunPendingWordSwap();
    }
    EXPECT_TRUE(prompterHidden);
    EXPECT_TRUE(IsWindowVisible(myScrollWindow));
    EXPECT_FALSE(gFlagDoWordSwap);
    EXPECT_EQ(Replacement(0), "Rome");
    EXPECT_EQ(gScrollOn, 0) << "a cancelled swap does not start scrolling";
    RunPendingWordSwap(); // nothing asked a second time: no player answers, so a dialog would hang here

    gFlagDoWordSwap = true;
    {
        const StepPlayer player({TypeAndPress("Paris", 1)});
        RunPendingWordSwap();
    }
    EXPECT_EQ(Replacement(0), "Paris");
    EXPECT_NE(gScrollOn, 0) << "a completed swap starts scrolling";
    StopScroll();
}

} // namespace
