// The format menus on the script: styled text changes only the selection; plain text with nothing selected
// changes the whole script and the stored format. Each change is undone as one step.
#include "program_fixture.h"

#include "foundation/program_colors.h"
#include "platform/color_picker.h"
#include "platform/menus.h"
#include "shell/command_parts.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/menus.h"
#include "shell/script_documents.h"
#include "support/dialog_player.h"
#include "textengine/text_engine.h"

#include <functional>
#include <string>

namespace {

constexpr char kScript[] = "Good evening and welcome to the news at nine.";

WETextStyle StyleAt(SInt32 offset) {
    WERunInfo run;
    WEGetRunInfo(offset, &run, ScrollWEHandle);
    return run.style.style;
}

bool SameStyle(const WETextStyle& a, const WETextStyle& b) {
    return a.font == b.font && a.face == b.face && a.size == b.size && a.color == b.color;
}

class FormatCommands : public ProgramTest {
  protected:
    void StartOn(bool styled) {
        PrefsRecord prefs = gDefaultPreferences;
        SetPref(prefs, kPrefStyledText, styled ? 1 : 0);
        StorePreferences(prefs);
        Start();
        home.WriteFile("News.txt", kScript);
        ASSERT_EQ(OpenDocumentsEvent({home.path() + "/News.txt"}), noErr);
        ASSERT_NE(ScrollWEHandle, nullptr);
        gDontQuitWithoutSaving = false;
        // The text engine keeps the steps to undo here, so that each command is seen to be one step.
        WEFeatureFlag(weFUndo, 1, ScrollWEHandle);
    }
    void TearDown() override {
        gDontQuitWithoutSaving = false;
        ProgramTest::TearDown();
    }
};

// A family of the font menu other than the one the text has, and its item.
SInt16 OtherFontItem(SInt16 font, SInt16* family) {
    MenuRef fonts = MenuResToMenuRef(kFontMenuID);
    for (MenuItemIndex item = 1; fonts && item <= CountMenuItems(fonts); ++item) {
        *family = GetFontFamilyFromMenuSelection(fonts, item);
        if (*family >= 0 && *family != font) return SInt16(item);
    }
    return 0;
}

struct FormatCase {
    const char* name;
    SInt16 menu;
    SInt16 item; // 0: the font menu's first other family
    std::function<void(WETextStyle&)> expect;
};

std::vector<FormatCase> Cases(SInt16 otherFamily) {
    RGBColor red{};
    GetOVColor(3, &red, 0);
    return {
        {"font", kFontMenuID, 0, [=](WETextStyle& s) { s.font = otherFamily; }},
        {"size 24", kSizeMenuID, 5, [](WETextStyle& s) { s.size = 24; }},
        {"larger", kSizeMenuID, kLargerItem, [](WETextStyle& s) { s.size = SInt16(s.size + 1); }},
        {"smaller", kSizeMenuID, kSmallerItem, [](WETextStyle& s) { s.size = SInt16(s.size - 1); }},
        {"bold", kStyleMenuID, 2, [](WETextStyle& s) { s.face ^= kFaceBold; }},
        {"underline", kStyleMenuID, 4, [](WETextStyle& s) { s.face ^= kFaceUnderline; }},
        {"red", kColorMenuID, 3, [=](WETextStyle& s) { s.color = red; }},
    };
}

TEST_F(FormatCommands, StyledTextChangesTheSelectionOnlyAndUndoPutsItBack) {
    StartOn(true);
    const WETextStyle original = StyleAt(0);
    SInt16 family = 0;
    const SInt16 fontItem = OtherFontItem(original.font, &family);
    ASSERT_GT(fontItem, 0) << "the font menu lists no other family";
    const TextFormatBlock stored = GetPref(gThePreferences, kPrefPrompterFormat);
    for (const FormatCase& c : Cases(family)) {
        SCOPED_TRACE(c.name);
        WESetSelection(5, 12, 0, ScrollWEHandle);
        ASSERT_EQ(DoCommand(MakeMenuCommand(c.menu, c.item ? c.item : fontItem)), 0);
        WETextStyle expected = original;
        c.expect(expected);
        EXPECT_TRUE(SameStyle(StyleAt(5), expected));
        EXPECT_TRUE(SameStyle(StyleAt(11), expected));
        EXPECT_TRUE(SameStyle(StyleAt(0), original)) << "before the selection";
        EXPECT_TRUE(SameStyle(StyleAt(12), original)) << "after the selection";
        EXPECT_TRUE(gDontQuitWithoutSaving) << "the script is changed";
        const TextFormatBlock now = GetPref(gThePreferences, kPrefPrompterFormat);
        EXPECT_EQ(now.font, stored.font);
        EXPECT_EQ(now.size, stored.size);
        EXPECT_EQ(now.face, stored.face);
        ASSERT_EQ(WEUndo(ScrollWEHandle), noErr);
        EXPECT_TRUE(SameStyle(StyleAt(5), original)) << "undone";
    }
}

TEST_F(FormatCommands, PlainTextWithNothingSelectedChangesTheWholeScriptAndTheStoredFormat) {
    StartOn(false);
    const WETextStyle original = StyleAt(0);
    SInt16 family = 0;
    const SInt16 fontItem = OtherFontItem(original.font, &family);
    ASSERT_GT(fontItem, 0);
    const SInt32 last = WEGetTextLength(ScrollWEHandle) - 1;
    for (const FormatCase& c : Cases(family)) {
        SCOPED_TRACE(c.name);
        WESetSelection(3, 3, 0, ScrollWEHandle);
        gPrefsChanged = false;
        ASSERT_EQ(DoCommand(MakeMenuCommand(c.menu, c.item ? c.item : fontItem)), 0);
        WETextStyle expected = original;
        c.expect(expected);
        EXPECT_TRUE(SameStyle(StyleAt(0), expected));
        EXPECT_TRUE(SameStyle(StyleAt(last), expected));
        SInt32 start = 0, end = 0;
        WEGetSelection(&start, &end, 0, ScrollWEHandle);
        EXPECT_EQ(start, 3) << "the caret goes back where it was";
        EXPECT_EQ(end, 3);
        const TextFormatBlock now = GetPref(gThePreferences, kPrefPrompterFormat);
        EXPECT_EQ(now.font, expected.font);
        EXPECT_EQ(now.size, expected.size);
        EXPECT_EQ(now.face, expected.face);
        EXPECT_TRUE(now.textColor == expected.color);
        EXPECT_TRUE(gPrefsChanged);
        EXPECT_FALSE(gDontQuitWithoutSaving) << "a plain script keeps no format of its own: nothing to save";
        ASSERT_EQ(WEUndo(ScrollWEHandle), noErr);
        EXPECT_TRUE(SameStyle(StyleAt(0), original)) << "undone";
        EXPECT_TRUE(SameStyle(StyleAt(last), original)) << "undone";
        // The stored format follows the text again for the next case.
        TextFormatBlock back = now;
        back.font = original.font;
        back.size = original.size;
        back.face = original.face;
        back.textColor = original.color;
        SetPref(gThePreferences, kPrefPrompterFormat, back);
    }
}

TEST_F(FormatCommands, PlainClearsTheFourFacesAndSizesStopAtTheirLimits) {
    StartOn(true);
    WESetSelection(0, 10, 0, ScrollWEHandle);
    ASSERT_EQ(DoCommand(MakeMenuCommand(kStyleMenuID, 1)), 0);
    ASSERT_EQ(StyleAt(0).face & 15, 0);
    for (SInt16 item : {2, 3, 4, 7})
        ASSERT_EQ(DoCommand(MakeMenuCommand(kStyleMenuID, item)), 0);
    EXPECT_EQ(StyleAt(0).face, kFaceBold | kFaceItalic | kFaceUnderline | kFaceCondensed);
    ASSERT_EQ(DoCommand(MakeMenuCommand(kStyleMenuID, 1)), 0);
    EXPECT_EQ(StyleAt(0).face, kFaceCondensed) << "plain leaves the faces beyond strike-out";

    gGlobalSize = 2;
    ASSERT_EQ(DoCommand(MakeMenuCommand(kSizeMenuID, 0)), 0);
    EXPECT_EQ(StyleAt(0).size, 2);
    ASSERT_EQ(DoCommand(MakeMenuCommand(kSizeMenuID, kSmallerItem)), 0);
    EXPECT_EQ(StyleAt(0).size, 2) << "never below 2 points";
}

TEST_F(FormatCommands, JustificationIsStoredAndTheColourListCyclesBack) {
    StartOn(false);
    const struct {
        SInt16 item;
        SInt16 justification;
    } cases[] = {{3, kJustifyCentre}, {0, kJustifyCentre}, {4, kJustifyRight},
                 {5, kJustifyFull},   {2, kJustifyLeft},   {1, kJustifyDefault}};
    for (const auto& c : cases) {
        ASSERT_EQ(DoCommand(MakeMenuCommand(kJustificationMenuID, c.item)), 0);
        EXPECT_EQ(GetPref(gThePreferences, kPrefPrompterFormat).justification, c.justification) << c.item;
        EXPECT_EQ(WEGetAlignment(ScrollWEHandle), c.justification) << c.item;
    }

    MenuRef colors = MenuResToMenuRef(kColorMenuID);
    const UInt16 items = CountMenuItems(colors);
    const SInt32 list = GetPref(gThePreferences, kPrefColorListLength);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(DoCommand(MakeMenuCommand(kColorMenuID, 9)), 0);
    EXPECT_EQ(GetPref(gThePreferences, kPrefColorListLength), list);
    EXPECT_EQ(CountMenuItems(colors), items);
}

TEST_F(FormatCommands, OtherSizeAndOtherColourAskAndChangeTheSelectionAsOneStep) {
    StartOn(true);
    const WETextStyle original = StyleAt(0);
    const RGBColor teal{0, 0x8000, 0x8000};
    const struct {
        const char* name;
        SInt16 menu, item;
        const char* typedSize; // the size dialog's answer (null: the colour picker's)
        SInt16 button;
        bool changes;
        std::function<void(WETextStyle&)> expect;
    } cases[] = {
        {"size 30", kSizeMenuID, 15, "30", 1, true, [](WETextStyle& s) { s.size = 30; }},
        {"size cancelled", kSizeMenuID, 15, "30", 2, false, nullptr},
        {"size 0", kSizeMenuID, 15, "0", 1, false, nullptr},
        {"teal", kColorMenuID, 8, nullptr, 1, true, [=](WETextStyle& s) { s.color = teal; }},
        {"colour cancelled", kColorMenuID, 8, nullptr, 2, false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WESetSelection(5, 12, 0, ScrollWEHandle);
        std::vector<DialogPlayer::Step> steps;
        if (c.typedSize)
            steps.push_back([&c](DialogPtr d) {
                TypeInto(d, 4, c.typedSize);
                PressDialogItem(d, c.button);
                return true;
            });
        else
            AnswerNextColorPicker(c.button == 1 ? &teal : nullptr);
        DialogPlayer player(steps);
        ASSERT_EQ(DoCommand(MakeMenuCommand(c.menu, c.item)), 0);
        WETextStyle expected = original;
        if (c.expect) c.expect(expected);
        EXPECT_TRUE(SameStyle(StyleAt(5), expected));
        EXPECT_TRUE(SameStyle(StyleAt(11), expected));
        EXPECT_TRUE(SameStyle(StyleAt(12), original)) << "after the selection";
        if (!c.changes) continue;
        ASSERT_EQ(WEUndo(ScrollWEHandle), noErr);
        EXPECT_TRUE(SameStyle(StyleAt(5), original)) << "undone";
    }
}

} // namespace
