// The preferences dialog played as the user would, from a timer: every pane's controls reach the live
// settings and the prompter through Use and OK, Cancel and Defaults change nothing, typed values out of
// range are refused, and the dialog opened while scrolling leaves the scroll running.
#include "shell/preferences_dialog.h"

#include "effects/shapes.h"
#include "foundation/file_dialogs.h"
#include "foundation/program_colors.h"
#include "macros/macro_services.h"
#include "media/media_services.h"
#include "platform/drawing.h"
#include "platform/events.h"
#include "platform/file_dialogs.h"
#include "platform/menus.h"
#include "platform/pstring.h"
#include "platform/text_drawing.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/background_picture.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_dialogs.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "shell/commands.h"
#include "shell/loop_timer.h"
#include "shell/menus.h"
#include "shell/prefs_dialog_items.h"
#include "shell/script_documents.h"
#include "support/temp_home.h"

#include "scroll/prompter_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Step = std::function<void(DialogPtr)>;

// A step for the size dialog the size menu's last item opens: the size it starts from is noted, a size
// typed, then OK (1) or Cancel (2).
struct SizeDialogStep {
    std::string typed;
    SInt16 button;
    std::string* startedAt;
    void operator()(DialogPtr d) const {
        Str255 p;
        GetDialogItemText(d, 4, p);
        if (startedAt) *startedAt = std::string(PStringView(p));
        p[0] = UInt8(typed.size());
        std::memcpy(p + 1, typed.data(), typed.size());
        SetDialogItemText(d, 4, p);
        PressDialogItem(d, button);
    }
};

// Runs the next step against the dialog in front on each pass of the modal loop that finds it shown: the
// preferences dialog, or the size dialog it opens.
struct Player {
    std::vector<Step> steps;
    size_t next = 0;
    EventLoopTimerRef timer = nullptr;

    static void Look(EventLoopTimerRef timer, void* data) {
        auto* self = static_cast<Player*>(data);
        DialogPtr dialog = GetDialogFromWindow(FrontWindow());
        // A size dialog step waits for the size dialog; every other step for the preferences dialog alone.
        const bool forSize =
            self->next < self->steps.size() && self->steps[self->next].target<SizeDialogStep>();
        const DialogPtr wanted = forSize ? gSizeDialog : gSizeDialog ? nullptr : gPrefsDialog;
        if (dialog && dialog == wanted && IsWindowVisible(GetDialogWindow(dialog)) &&
            self->next < self->steps.size())
            self->steps[self->next++](dialog);
        if (self->next < self->steps.size()) SetEventLoopTimerNextFireTime(timer, 0);
    }
    explicit Player(std::vector<Step> s) : steps(std::move(s)) {
        InstallEventLoopTimer(0, 0, Look, this, &timer);
    }
    ~Player() { RemoveEventLoopTimer(timer); }
};

Step Press(SInt16 item) {
    return [item](DialogPtr d) { PressDialogItem(d, item); };
}
Step Tab(SInt16 pane) {
    return Press(SInt16(4 + pane));
}
Step Pick(SInt16 popup, MenuItemIndex choice) {
    return [popup, choice](DialogPtr d) {
        AnswerNextPopUpMenu(choice);
        PressDialogItem(d, popup);
    };
}
Step Type(SInt16 item, const std::string& text) {
    return [item, text](DialogPtr d) {
        Str255 p;
        p[0] = UInt8(text.size());
        std::memcpy(p + 1, text.data(), text.size());
        SetDialogItemText(d, item, p);
    };
}

Step InSizeDialog(const std::string& typed, SInt16 button, std::string* startedAt = nullptr) {
    return SizeDialogStep{typed, button, startedAt};
}

// Picks a pop-up's item by its text.
Step PickNamed(SInt16 popup, std::string name) {
    return [popup, name](DialogPtr d) {
        MenuRef menu = PrefsPopupMenu(popup);
        ASSERT_NE(menu, nullptr);
        for (UInt16 i = 1; i <= CountMenuItems(menu); ++i) {
            Str255 text;
            GetMenuItemText(menu, i, text);
            if (std::string(PStringView(text)) == name) {
                AnswerNextPopUpMenu(i);
                PressDialogItem(d, popup);
                return;
            }
        }
        ADD_FAILURE() << name << " is not in the pop-up";
    };
}
// Lets the event loop deliver what the last step started (an open dialog's answer, a redraw).
Step Wait() {
    return [](DialogPtr) {};
}
std::string ItemText(DialogPtr d, SInt16 item) {
    Str255 t;
    GetDialogItemText(d, item, t);
    return std::string(PStringView(t));
}
// Pixels of the colour inside a dialog item, as drawn.
int PixelsInItem(DialogPtr d, SInt16 item, UInt32 argb) {
    const Rect r = GetDialogItemRect(d, item);
    int count = 0;
    for (SInt16 v = r.top; v < r.bottom; ++v)
        for (SInt16 h = r.left; h < r.right; ++h)
            count += GetPortPixel(GetDialogPort(d), h, v) == argb;
    return count;
}
std::string PrefText(const PrefsRecord& p, PrefString field) {
    Str255 t;
    GetPrefString(p, field, t);
    return std::string(PStringView(t));
}
// The open dialog the dialog starts answers later, through the open-documents event; here the answer is
// handed over as that event would, checked to be awaited for the purpose.
Step ChosenInOpenDialog(SInt16 purpose, std::string file) {
    return [purpose, file](DialogPtr) {
        EXPECT_EQ(gIdflag, purpose);
        EXPECT_EQ(purpose == -1 ? CompleteGettingPrefPicture(file) : CompleteGettingAutoFile(file), noErr);
    };
}
void CancelNextOpenDialog() {
    FileDialogAnswer cancel;
    cancel.action = kFileDialogCancel;
    AnswerNextFileDialog(cancel);
}

// Runs the dialog to its end with the steps, then the closing item.
void RunDialog(std::vector<Step> steps, SInt16 closing) {
    steps.push_back(Press(closing));
    Player player(std::move(steps));
    DoPreferences();
    ASSERT_EQ(gPrefsDialog, nullptr);
    ASSERT_EQ(player.next, player.steps.size()) << "every step ran";
}

RGBColor ProgramColor(SInt16 number) {
    RGBColor rgb{};
    GetOVColor(number, &rgb, 0);
    return rgb;
}

class PreferencesDialog : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UsePlainOutput();
        SetPref(gThePreferences, kPrefFullScreen, 0);
        SetPref(gThePreferences, kPrefStyledText, 0);
        SetPref(gThePreferences, kPrefSeparateEditWindow, 0);
        SetPref(gThePreferences, kPrefMomentum, 0);
        SetPref(gThePreferences, kPrefShowInformation, 0);
        OpenAt(Rect{80, 80, 400, 620});
        std::string script;
        while (script.size() < 2000)
            script += "Good evening, here is the news.\r";
        SetScript(script);
        UpdateScrollWindow();
        gPrefsChanged = false;
    }
    void TearDown() override {
        if (gScrollOn) StopScroll();
        // Styled text switched on puts the styles menu in the bar.
        if (MenuRef& styles = myMenus[kStyledTextMenuSlot]) {
            DeleteMenu(kStyledTextMenuID);
            DisposeMenu(styles);
            styles = nullptr;
        }
        PrompterFixture::TearDown();
    }
    // The prompter's pixels.
    static std::vector<UInt32> Pixels() {
        CGrafPtr port = GetWindowPort(myScrollWindow);
        Rect bounds{};
        GetPortBounds(port, &bounds);
        const UInt32* base = GetPixBaseAddr(port);
        const SInt32 stride = GetPixRowBytes(port) / 4;
        std::vector<UInt32> out;
        for (SInt16 v = 0; v < RectHeight(bounds); ++v)
            out.insert(out.end(), base + v * stride, base + v * stride + RectWidth(bounds));
        return out;
    }
    static bool PrompterShows(const RGBColor& c) {
        const UInt32 want =
            0xFF000000u | UInt32(c.red >> 8) << 16 | UInt32(c.green >> 8) << 8 | (c.blue >> 8);
        const std::vector<UInt32> pixels = Pixels();
        return std::count(pixels.begin(), pixels.end(), want) > 20;
    }
    static TextFormatBlock Prompter() { return GetPref(gThePreferences, kPrefPrompterFormat); }
    TempHome home;
};

TEST_F(PreferencesDialog, EachPanesControlsReachTheSettingsAndThePrompter) {
    struct Case {
        const char* change;
        std::vector<Step> steps;
        std::function<bool()> reached;
        std::function<bool()> seen; // the visible effect, where the prompter shows one in edit mode
    };
    const std::vector<Case> cases = {
        {"format: text colour red",
         {Tab(1), Pick(43, 3)},
         [] { return Prompter().textColor == ProgramColor(3); },
         [] { return PrompterShows(ProgramColor(3)); }},
        {"format: background blue",
         {Tab(1), Pick(44, 5)},
         [] { return Prompter().backColor == ProgramColor(5); },
         [] { return PrompterShows(ProgramColor(5)); }},
        {"format: size typed 40",
         {Tab(1), Type(45, "40")},
         [] { return Prompter().size == 40; },
         [] { return gScrollSingleSpace >= 40; }},
        {"format: size from the menu",
         {Tab(1), Pick(39, 1)},
         [] { return Prompter().size == 9; },
         [] { return gScrollSingleSpace < 20; }},
        {"format: bold",
         {Tab(1), Pick(40, 1), Pick(40, 2)},
         [] { return Prompter().face == kFaceBold; },
         nullptr},
        {"format: double spacing",
         {Tab(1), Pick(41, 4)},
         [] { return Prompter().lineSpacing == 200; },
         nullptr},
        {"format: centred",
         {Tab(1), Pick(42, 2)},
         [] { return Prompter().justification == kJustifyCentre; },
         nullptr},
        {"format: the edit window's size, not the prompter's",
         {Tab(1), Pick(219, 2), Type(45, "21")},
         [] { return GetPref(gThePreferences, kPrefEditFormat).size == 21 && Prompter().size != 21; },
         nullptr},
        {"format: size from the size dialog",
         {Tab(1), Pick(219, 1), Pick(39, 15), InSizeDialog("33", 1)},
         [] { return Prompter().size == 33; },
         [] { return gScrollSingleSpace >= 33; }},
        {"display: start scrolling",
         {Tab(0), Press(12)},
         [] { return GetPref(gThePreferences, kPrefStartScrolling) == 1; },
         nullptr},
        {"display: information fields",
         {Tab(0), Press(210)},
         [] { return GetPref(gThePreferences, kPrefShowInformation) == 1; },
         nullptr},
        {"display: start-up action",
         {Tab(0), Press(213)},
         [] { return GetPref(gThePreferences, kPrefStartupAction) == 6; },
         nullptr},
        {"layout: mirror",
         {Tab(2), Press(87)},
         [] { return GetPref(gThePreferences, kPrefMirror) == 1; },
         nullptr},
        {"layout: speed 123",
         {Tab(2), Type(90, "123")},
         [] { return GetPref(gThePreferences, kPrefScrollSpeed) == 123; },
         [] { return gWantScrollAmount == 123; }},
        {"layout: left margin",
         {Tab(2), Type(224, "30")},
         [] { return GetPref(gThePreferences, kPrefTextMargins).left == 30; },
         nullptr},
        {"layout: opacity by its arrow",
         {Tab(2), Type(86, "50"), Press(83)},
         [] { return GetPref(gThePreferences, kPrefScrollingOpacity) == 49; },
         nullptr},
        {"layout: word highlight",
         {Tab(2), Pick(68, 3)},
         [] { return GetPref(gThePreferences, kPrefHighlightKind) == kHighlightWord; },
         nullptr},
        {"extras: turbo clears the wheel control",
         {Tab(3), Press(99), Press(101)},
         [] {
             return GetPref(gThePreferences, kPrefWheelControl) == 0 &&
                    GetPref(gThePreferences, kPrefAllowTurbo) != 0;
         },
         nullptr},
        {"extras: the own screen saver off and on keeps its choice",
         {Tab(3), Press(108), Press(108)},
         [] { return GetPref(gThePreferences, kPrefOwnScreenSaver) == 3; },
         nullptr},
        {"extras: seconds to pause",
         {Tab(3), Type(242, "12")},
         [] { return GetPref(gThePreferences, kPrefSecondsToPause) == 12; },
         nullptr},
        {"extras: timed macros off",
         {Tab(3), Press(189)},
         [] { return GetPref(gThePreferences, kPrefTimedMacrosOff) == 1; },
         nullptr},
        {"special: picture bottom left",
         {Tab(4), Press(126)},
         [] { return GetPref(gThePreferences, kPrefPicturePosition) == 2; },
         nullptr},
        {"special: the rectangles' edges by their arrows",
         {Tab(4), Type(133, "10"), Type(135, "100"), Type(136, "90"), Press(141), Type(151, "50"),
          Type(152, "60"), Press(158)},
         [] {
             return GetPref(gThePreferences, kPrefTextBoxRect).top == 11 &&
                    GetPref(gThePreferences, kPrefPictureRect).bottom == 49;
         },
         nullptr},
        {"special: text box",
         {Tab(4), Type(133, "10"), Type(134, "20"), Type(135, "110"), Type(136, "220")},
         [] {
             const Rect r = GetPref(gThePreferences, kPrefTextBoxRect);
             return r.top == 10 && r.left == 20 && r.bottom == 110 && r.right == 220;
         },
         nullptr},
    };
    SetPref(gThePreferences, kPrefAllowTurbo, 0);
    SetPref(gThePreferences, kPrefTimedMacrosOff, 0);
    SetPref(gThePreferences, kPrefPicturePosition, -1);
    SetPref(gThePreferences, kPrefOwnScreenSaver, 3);
    const PrefsRecord start = gThePreferences;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        gThePreferences = start;
        SetScript("Good evening, here is the news.\r");
        UpdateScrollWindow();
        RunDialog(c.steps, 3);
        EXPECT_TRUE(c.reached()) << "the setting";
        if (c.seen) {
            EXPECT_TRUE(c.seen()) << "the prompter";
        }
        EXPECT_TRUE(gPrefsChanged);
        EXPECT_TRUE(RecordedErrorMessages().empty());
    }
}

// A click goes to the first drawn item under the mouse: on no pane may an earlier item lie over a pop-up,
// a sample or a slider and take its clicks.
TEST_F(PreferencesDialog, NoItemCoversTheClickableItemsOfItsPane) {
    auto drawn = [](DialogPtr d, SInt16 item) {
        const SInt16 kind = SInt16(GetDialogItemKind(d, item) & ~itemDisable);
        return IsDialogItemVisible(d, item) && kind != ctrlItem + btnCtrl && kind != ctrlItem + chkCtrl &&
               kind != ctrlItem + radCtrl && kind != editText;
    };
    std::vector<std::string> covered;
    std::vector<Step> steps;
    for (SInt16 pane = 0; pane < 5; ++pane) {
        steps.push_back(Tab(pane));
        steps.push_back([&, pane](DialogPtr d) {
            for (SInt16 item = 11; item <= CountDITL(d); ++item) {
                if (!drawn(d, item) || GetDialogItemKind(d, item) != userItem) continue;
                const Rect r = GetDialogItemRect(d, item);
                const Point middle{SInt16((r.top + r.bottom) / 2), SInt16((r.left + r.right) / 2)};
                for (SInt16 earlier = 1; earlier < item; ++earlier) {
                    const Rect e = GetDialogItemRect(d, earlier);
                    if (drawn(d, earlier) && PtInRect(middle, &e))
                        covered.push_back("pane " + std::to_string(pane) + ": item " + std::to_string(item) +
                                          " under " + std::to_string(earlier));
                }
            }
        });
    }
    RunDialog(steps, 2);
    EXPECT_EQ(covered, std::vector<std::string>{});
}

TEST_F(PreferencesDialog, CancelChangesNothingAfterChangesOrAfterUse) {
    const std::vector<UInt32> pixelsBefore = Pixels();
    const PrefsRecord before = gThePreferences;
    RunDialog({Tab(1), Pick(43, 3), Pick(44, 9), Press(193), Type(45, "50"), Tab(2), Press(87), Press(182)},
              2);
    EXPECT_EQ(std::memcmp(&before, &gThePreferences, sizeof before), 0);
    EXPECT_EQ(Pixels(), pixelsBefore) << "the prompter's look";
    EXPECT_FALSE(gPrefsChanged);

    // Use puts the change to work but stores only the recent-files record; a later Cancel keeps it.
    DoPutPreferences(&gThePreferences, kPrefsKindMain, nullptr);
    RunDialog({Tab(1), Pick(44, 5)}, 3);
    const PrefsRecord afterUse = gThePreferences;
    EXPECT_EQ(Prompter().backColor, ProgramColor(5));
    EXPECT_TRUE(gPrefsChanged);
    PrefsRecord stored = gDefaultPreferences;
    DoGetPreferences(&stored, kPrefsKindMain, nullptr);
    EXPECT_EQ(std::memcmp(&stored, &before, sizeof before), 0) << "Use does not store the settings";
    RunDialog({Tab(1), Pick(44, 3), Pick(43, 5)}, 2);
    EXPECT_EQ(std::memcmp(&afterUse, &gThePreferences, sizeof afterUse), 0);
    EXPECT_TRUE(PrompterShows(ProgramColor(5)));

    // OK stores them.
    RunDialog({Tab(2), Press(88)}, 1);
    EXPECT_FALSE(gPrefsChanged);
    stored = gDefaultPreferences;
    DoGetPreferences(&stored, kPrefsKindMain, nullptr);
    EXPECT_EQ(GetPref(stored, kPrefFlip), 1);
    EXPECT_EQ(GetPref(stored, kPrefPrompterFormat).backColor, ProgramColor(5));
}

TEST_F(PreferencesDialog, DefaultsResetEveryPaneOnlyWhenAccepted) {
    SetPref(gThePreferences, kPrefMirror, 1);
    SetPref(gThePreferences, kPrefScrollSpeed, 222);
    TextFormatBlock odd = Prompter();
    odd.size = 77;
    SetPref(gThePreferences, kPrefPrompterFormat, odd);
    const PrefsRecord before = gThePreferences;
    RunDialog({Press(182)}, 2);
    EXPECT_EQ(std::memcmp(&before, &gThePreferences, sizeof before), 0);
    std::string shownSize;
    RunDialog({Press(182), Tab(1),
               [&](DialogPtr d) {
                   Str255 t;
                   GetDialogItemText(d, 45, t);
                   shownSize.assign(PStringView(t));
               }},
              1);
    EXPECT_EQ(shownSize, std::to_string(GetPref(gDefaultPreferences, kPrefPrompterFormat).size));
    EXPECT_EQ(std::memcmp(&gDefaultPreferences, &gThePreferences, sizeof before), 0);
}

TEST_F(PreferencesDialog, TypedValuesOutOfRangeAreRefusedWithAMessage) {
    struct Case {
        SInt16 pane;
        std::vector<Step> typing;
        const char* message;
    };
    const std::vector<Case> cases = {
        {1, {Type(45, "0")}, "The text size must be a whole number from 1 to 32767."},
        {1, {Type(46, "12x")}, "The line spacing must be a whole number from 10 to 1000."},
        {2, {Type(90, "")}, "The speed must be a whole number from 1 to 32767."},
        {2, {Type(86, "101")}, "The opacity must be a whole number from 0 to 100."},
        {3, {Type(242, "-1")}, "The seconds to pause must be a whole number from 0 to 3600."},
        {4, {Type(133, "50"), Type(135, "20")}, "The text box’s bottom must not be above its top."},
    };
    const PrefsRecord before = gThePreferences;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ClearRecordedErrorMessages();
        std::vector<Step> steps = {Tab(c.pane)};
        steps.insert(steps.end(), c.typing.begin(), c.typing.end());
        // Accepted from another pane, the dialog stays open and brings the field's pane back.
        steps.push_back(Tab(SInt16((c.pane + 1) % 5)));
        steps.push_back(Press(1));
        SInt16 paneShown = -1;
        steps.push_back([&](DialogPtr) { paneShown = sWhichSet; });
        RunDialog(steps, 2);
        ASSERT_EQ(RecordedErrorMessages().size(), 1u);
        EXPECT_EQ(RecordedErrorMessages()[0], c.message);
        EXPECT_EQ(paneShown, c.pane);
        EXPECT_EQ(std::memcmp(&before, &gThePreferences, sizeof before), 0);
    }
}

TEST_F(PreferencesDialog, ThePaneAndTheLastHighlightAreRemembered) {
    RunDialog({Tab(3)}, 2);
    bool extrasShown = false, displayShown = true;
    RunDialog({[&](DialogPtr d) {
                  extrasShown = IsDialogItemVisible(d, 96);
                  displayShown = IsDialogItemVisible(d, 11);
              }},
              2);
    EXPECT_TRUE(extrasShown);
    EXPECT_FALSE(displayShown);

    // Choosing no highlight keeps the last one in use for turning it on again.
    RunDialog({Tab(2), Pick(68, 4)}, 3);
    EXPECT_EQ(GetPref(gThePreferences, kPrefLastHighlightKind), kHighlightLine);
    RunDialog({Tab(2), Pick(68, 1)}, 3);
    EXPECT_EQ(GetPref(gThePreferences, kPrefHighlightKind), kHighlightNone);
    EXPECT_EQ(GetPref(gThePreferences, kPrefLastHighlightKind), kHighlightLine);
}

TEST_F(PreferencesDialog, OpenedWhileScrollingTheScrollGoesOnWithTheNewSettings) {
    StartScroll(1);
    ASSERT_TRUE(gScrollOn);
    std::vector<Step> steps = {Tab(2), Press(87), Type(90, "150"), Press(3)};
    Player player(steps);
    DoCommand(MakeMenuCommand(kEditMenuID, kPreferencesItem));
    EXPECT_EQ(player.next, steps.size());
    EXPECT_TRUE(gScrollOn);
    EXPECT_EQ(gScrollSuspended, 0);
    EXPECT_EQ(gModeTimerInterval, kScrollTimerInterval);
    EXPECT_EQ(GetPref(gThePreferences, kPrefMirror), 1);
    EXPECT_EQ(gWantScrollAmount, 150);
}

// The choices that list resources, ask for files or change what stands behind the text: each reaches its
// fields through Use, and shows in the dialog or the prompter where it has a look.
TEST_F(PreferencesDialog, EachChoiceBeyondPlainFieldsReachesItsSettings) {
    const std::string picture = std::string(ORVALIS_TEST_DATA) + "/scroll/corners.png";
    const std::string autoFolder = home.MakeFolder("scripts");
    struct Case {
        const char* change;
        std::function<void()> before;
        std::vector<Step> steps;
        std::function<bool()> reached;
    };
    bool seen = true;
    auto look = [&seen](std::function<bool(DialogPtr)> test) {
        return Step([&seen, test](DialogPtr d) { seen = test(d); });
    };
    const std::vector<Case> cases = {
        {"layout: the cue marker by its name, drawn in its sample",
         [] { SetPref(gThePreferences, kPrefCueMarkerShown, 1); },
         {Tab(2), PickNamed(73, "Dot"), Wait(),
          look([](DialogPtr d) { return PixelsInItem(d, 72, 0xFFFFFFFFu) < 24 * 24; })},
         [] {
             return GetPref(gThePreferences, kPrefCueMarkerIconID) == 129 &&
                    PrefText(gThePreferences, kPrefCueMarkerName) == "Dot";
         }},
        {"extras: the chime's sound",
         [] { SetPref(gThePreferences, kPrefChime, 1); },
         {Tab(3), PickNamed(98, "Bell")},
         [] {
             return GetPref(gThePreferences, kPrefChimeSound) == 129 &&
                    PrefText(gThePreferences, kPrefChimeName) == "Bell";
         }},
        {"extras: the own screen saver's choice",
         [] { SetPref(gThePreferences, kPrefOwnScreenSaver, 1); },
         {Tab(3), Pick(112, 3)},
         [] { return GetPref(gThePreferences, kPrefOwnScreenSaver) == 3; }},
        {"special: the text flows in the shape",
         nullptr,
         {Tab(4), Pick(115, 2)},
         [] { return GetPref(gThePreferences, kPrefTextFlowsInShape) == 1; }},
        {"special: the star field's check box is its warp",
         nullptr,
         {Tab(4), Pick(117, 5), look([](DialogPtr d) { return ItemText(d, 120) == "Warp the stars"; }),
          Press(120)},
         [] {
             return GetPref(gThePreferences, kPrefBackgroundKind) == 4 &&
                    GetPref(gThePreferences, kPrefStarWarp) == 1 &&
                    GetPref(gThePreferences, kPrefCropPicture) == 0;
         }},
        {"special: falling characters and their options",
         nullptr,
         {Tab(4), Pick(117, 3), Pick(161, 2), Pick(164, 3)},
         [] {
             return GetPref(gThePreferences, kPrefBackgroundKind) == 2 &&
                    GetPref(gThePreferences, kPrefFallingOption1) == 1 &&
                    GetPref(gThePreferences, kPrefFallingOption2) == 2;
         }},
        {"special: a picture file chosen, shown in the screen sample",
         [&] {
             SetPref(gThePreferences, kPrefPictureRect, Rect{0, 0, 384, 512});
             CancelNextOpenDialog();
         },
         {Tab(4), Pick(117, 2), ChosenInOpenDialog(-1, picture), Wait(),
          look([](DialogPtr d) { return PixelsInItem(d, 123, 0xFF0000FFu) > 100; })},
         [&] {
             return GetPref(gThePreferences, kPrefBackgroundKind) == 1 &&
                    PrefText(gThePreferences, kPrefPictureFileName) == "corners.png" &&
                    PrefText(gThePreferences, kPrefPictureFolder) + "corners.png" == picture;
         }},
        {"display: the automatic file",
         CancelNextOpenDialog,
         {Tab(0), Press(215), ChosenInOpenDialog(-14, autoFolder + "news.txt"),
          look([](DialogPtr d) { return ItemText(d, 214) == "news.txt"; })},
         [&] {
             Str255 name, folder;
             GetRecentFolder(gRecentPreferences, kRecentCurrentFolderAt, name);
             GetRecentFolder(gRecentPreferences, kRecentSecondFolderAt, folder);
             return std::string(PStringView(name)) == "news.txt" &&
                    std::string(PStringView(folder)) == autoFolder;
         }},
        {"format: a colour of the longer list, seen in the prompter",
         nullptr,
         {Tab(1), Pick(43, 9), Pick(43, 12)},
         [] { return Prompter().textColor == ProgramColor(12) && PrompterShows(ProgramColor(12)); }},
    };
    const PrefsRecord start = gThePreferences;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        gThePreferences = start;
        seen = true;
        if (c.before) c.before();
        RunDialog(c.steps, 3);
        EXPECT_TRUE(c.reached()) << "the settings";
        EXPECT_TRUE(seen) << "the look";
        EXPECT_TRUE(RecordedErrorMessages().empty());
    }
    SetPref(gThePreferences, kPrefColorListLength, kShortColorList);
}

// The automatic file is kept only when the dialog is accepted, and a name the record cannot hold is
// refused without changing the one shown.
TEST_F(PreferencesDialog, TheAutomaticFileFollowsOkAndCancel) {
    const std::string folder = home.MakeFolder("scripts");
    const RecentPrefsRecord before = gRecentPreferences;
    CancelNextOpenDialog();
    RunDialog({Tab(0), Press(215), ChosenInOpenDialog(-14, folder + "first.txt")}, 2);
    EXPECT_EQ(std::memcmp(&before, &gRecentPreferences, sizeof before), 0);

    OSErr tooLong = noErr;
    std::string shown;
    CancelNextOpenDialog();
    RunDialog({Tab(0), Press(215), ChosenInOpenDialog(-14, folder + "first.txt"),
               [&](DialogPtr d) {
                   tooLong = CompleteGettingAutoFile(folder + std::string(300, 'x'));
                   shown = ItemText(d, 214);
               }},
              1);
    EXPECT_EQ(tooLong, bdNamErr);
    EXPECT_EQ(shown, "first.txt");
    Str255 name;
    GetRecentFolder(gRecentPreferences, kRecentCurrentFolderAt, name);
    EXPECT_EQ(std::string(PStringView(name)), "first.txt");
    EXPECT_EQ(CompleteGettingAutoFile(folder + "later.txt"), paramErr) << "no dialog awaits it";
}

// A drag in the screen sample moves a rectangle or resizes it from its lower right corner, on the screen.
// The size menu's last item asks with the size dialog, starting from the size being edited (typed or not
// yet accepted); a size chosen there is shown in the size field, and 0 or Cancel keeps the size.
TEST_F(PreferencesDialog, TheSizeMenusLastItemAsksForTheSize) {
    const struct {
        const char* typed;
        SInt16 button;
        SInt16 expected;
    } cases[] = {{"33", 1, 33}, {"0", 1, 30}, {"55", 2, 30}, {"40000", 1, 32767}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        std::string startedAt, field;
        RunDialog({Tab(1), Pick(219, 1), Type(45, "30"), Pick(39, 15),
                   InSizeDialog(c.typed, c.button, &startedAt),
                   [&](DialogPtr d) { field = ItemText(d, 45); }},
                  3);
        EXPECT_EQ(startedAt, "30");
        EXPECT_EQ(field, std::to_string(c.expected));
        EXPECT_EQ(Prompter().size, c.expected);
    }
}

// Items 1-10 of the size menu are outlined for the sizes the edited window's font has as real sizes,
// following a font chosen and the window chosen.
TEST_F(PreferencesDialog, TheSizeMenuOutlinesTheFontsRealSizes) {
    const SInt16 first = Prompter().font;
    SInt16 other = 0;
    for (SInt16 family : ListFontFamilies())
        if (family != first) other = family;
    ASSERT_NE(other, 0) << "two installed families";
    FixRealFontSizes(first, {10, 18, 24});
    FixRealFontSizes(other, {9, 74, 75});
    TextFormatBlock edit = GetPref(gThePreferences, kPrefEditFormat);
    edit.font = first;
    SetPref(gThePreferences, kPrefEditFormat, edit);
    std::vector<std::vector<MenuItemIndex>> seen;
    auto look = [&seen](DialogPtr) {
        MarkPrefsPopupMenu(39);
        std::vector<MenuItemIndex> outlined;
        for (MenuItemIndex i = 1; i <= CountMenuItems(PrefsPopupMenu(39)); ++i)
            if (GetItemStyle(PrefsPopupMenu(39), i) != 0) outlined.push_back(i);
        seen.push_back(outlined);
    };
    auto chooseOther = [other](DialogPtr d) {
        MenuRef fonts = PrefsPopupMenu(192);
        for (MenuItemIndex i = 1; i <= CountMenuItems(fonts); ++i)
            if (GetFontFamilyFromMenuSelection(fonts, i) == other) {
                AnswerNextPopUpMenu(i);
                PressDialogItem(d, 192);
                return;
            }
        ADD_FAILURE() << "the other family is not in the font menu";
    };
    RunDialog({Tab(1), look, chooseOther, look, Pick(219, 2), look}, 2);
    FixRealFontSizes(first, {});
    FixRealFontSizes(other, {});
    using Items = std::vector<MenuItemIndex>;
    EXPECT_EQ(seen, (std::vector<Items>{{2, 4, 5}, {1, 10}, {2, 4, 5}}));
    EXPECT_TRUE(RealFont(first, 13)) << "an installed outline font has every size";
    EXPECT_FALSE(RealFont(first, 0));
}

// The check box for plain text takes the text effects off the prompter: its drop shadow no longer shows in
// the shadow's colour, and comes back when the box is cleared.
TEST_F(PreferencesDialog, NoTextEffectsTakesTheShadowOffThePrompter) {
    TextFormatBlock f = Prompter();
    f.face = kFaceShadow;
    f.textColor = ProgramColor(1);
    f.backColor = ProgramColor(2);
    SetPref(gThePreferences, kPrefPrompterFormat, f);
    SetPref(gThePreferences, kPrefDropShadowColor, ProgramColor(5));
    SetPref(gThePreferences, kPrefDropShadowBlur, 0);
    SetPref(gThePreferences, kPrefClassicText, 0);
    RunDialog({}, 3);
    EXPECT_TRUE(PrompterShows(ProgramColor(5))) << "the shadow with effects";
    RunDialog({Tab(1), Press(193)}, 3);
    EXPECT_NE(GetPref(gThePreferences, kPrefClassicText), 0);
    EXPECT_FALSE(PrompterShows(ProgramColor(5))) << "no shadow without them";
    RunDialog({Tab(1), Press(193)}, 3);
    EXPECT_TRUE(PrompterShows(ProgramColor(5))) << "the shadow back";
}

// Live video capture that runs only because the dialog started it is stopped however the dialog closes;
// one that ran before goes on.
TEST_F(PreferencesDialog, ACaptureTheDialogStartedStopsWhenItCloses) {
    const struct {
        const char* what;
        bool runningBefore;
        SInt16 closing;
    } cases[] = {{"started, OK", false, 1},
                 {"started, Cancel", false, 2},
                 {"running before, Use", true, 3},
                 {"running before, Cancel", true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        gLiveCaptureRunning = c.runningBefore;
        SetPref(gThePreferences, kPrefBackgroundKind, kPictureKindLiveVideo);
        bool buttonShown = false;
        RunDialog({Tab(4),
                   [&](DialogPtr d) {
                       buttonShown = IsDialogItemVisible(d, kChooseBackgroundItem);
                       gLiveCaptureRunning = true; // as the preview's capture starts
                   },
                   Press(kChooseBackgroundItem)},
                  c.closing);
        EXPECT_TRUE(buttonShown) << "live video offers its capture settings";
        EXPECT_EQ(gLiveCaptureRunning, c.runningBefore);
    }
    gLiveCaptureRunning = false;
}

// What OK and Use put to work beyond the text: the prompter's full screen, the scroll monitor, the star
// field's settings, the timed macros' schedule.
TEST_F(PreferencesDialog, AcceptedSettingsResizeThePrompterCloseTheMonitorAndRescheduleMacros) {
    RunDialog({Tab(0), Press(22), Tab(2), Press(60)}, 3);
    EXPECT_NE(myEditWindow, nullptr);
    EXPECT_TRUE(gIsFullScreen) << "full screen beside a separate edit window";
    RunDialog({Tab(2), Press(60)}, 3);
    EXPECT_FALSE(gIsFullScreen);

    SetPref(gThePreferences, kPrefUseScrollMonitor, 1);
    OpenScrollMonitorWindow();
    ASSERT_NE(myScrollMonitorWindow, nullptr);
    RunDialog({Tab(0), Press(166)}, 3);
    EXPECT_EQ(myScrollMonitorWindow, nullptr);

    // The star field's copies follow the record (here as Defaults left it).
    gSaveStarSpeed = 1;
    RunDialog({Press(182)}, 3);
    EXPECT_EQ(gSaveStarSpeed, GetPref(gDefaultPreferences, kPrefStarSpeed));

    gNextTimedMacroTime = 12345;
    RunDialog({Tab(3), Press(189)}, 3);
    EXPECT_EQ(gNextTimedMacroTime, 0u) << "timed macros off";
    RunDialog({Tab(3), Press(189)}, 3);
    EXPECT_EQ(gNextTimedMacroTime, kNoTimedMacro) << "found again: none is due";
}

TEST(ScreenSampleDrag, TheRectangleFollowsTheMouseWithinTheScreen) {
    struct Case {
        const char* drag;
        Rect from;
        SInt16 dh, dv;
        bool resize;
        Rect to;
    };
    const Rect screen{0, 0, 600, 800};
    const Case cases[] = {
        {"moved inside", {100, 100, 300, 400}, 30, -20, false, {80, 130, 280, 430}},
        {"moved against the right and bottom edges",
         {100, 100, 300, 400},
         900,
         900,
         false,
         {400, 500, 600, 800}},
        {"moved against the left and top edges", {100, 100, 300, 400}, -900, -900, false, {0, 0, 200, 300}},
        {"larger than the screen, moved back in only", {-50, 0, 700, 400}, 0, -30, false, {-50, 0, 700, 400}},
        {"resized larger", {100, 100, 300, 400}, 50, 40, true, {100, 100, 340, 450}},
        {"resized down to the least size", {100, 100, 300, 400}, -500, -500, true, {100, 100, 108, 108}},
        {"resized to the screen's edge", {100, 100, 300, 400}, 999, 999, true, {100, 100, 600, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.drag);
        EXPECT_EQ(DraggedSampleRect(c.from, screen, c.dh, c.dv, c.resize), c.to);
    }
}

} // namespace

namespace {

// Settings are not the script: accepting changed preferences leaves a script that was never edited
// saved, so quitting or opening another one asks nothing. A bookmark is set, for the bookmarks the
// prompter keeps across being rebuilt in its new look.
TEST_F(PreferencesDialog, AcceptedSettingsLeaveAnUneditedScriptSaved) {
    const struct {
        const char* change;
        std::vector<Step> steps;
    } cases[] = {
        {"background colour", {Tab(1), Pick(44, 5)}},
        {"size typed", {Tab(1), Type(45, "40")}},
        {"mirror", {Tab(2), Press(87)}},
        {"speed", {Tab(2), Type(90, "123")}},
        {"information fields", {Tab(0), Press(210)}},
    };
    SetBookmark(1, 40, 0);
    for (const auto& c : cases)
        for (SInt16 closing : {SInt16(kPrefsOKItem), SInt16(kPrefsUseItem)}) {
            gDontQuitWithoutSaving = false;
            RunDialog(c.steps, closing);
            // The flag quitting, closing and opening another script ask about.
            EXPECT_FALSE(gDontQuitWithoutSaving)
                << c.change << (closing == kPrefsOKItem ? " (OK)" : " (Use)");
        }
}

} // namespace
