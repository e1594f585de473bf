// The key-down dispatcher: the key tables on their own, then keys sent to the running program while a long
// script scrolls or is edited, under the fake clock.
#include "program_fixture.h"

#include "effects/effects.h"
#include "foundation/syllable_arrays.h"
#include "macros/macro_services.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/menus.h"
#include "prefs/prefs_fields.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/edit_window.h"
#include "scroll/nonverbal_window.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/about_box.h"
#include "shell/commands.h"
#include "shell/desktop_events.h"
#include "shell/input_dispatch.h"
#include "shell/key_table.h"
#include "shell/mode_switching.h"
#include "shell/periodic_timer.h"
#include "shell/scroll_tick.h"
#include "shell/startup.h"
#include "support/dialog_player.h"
#include "support/prompter_text.h"
#include "textengine/text_engine.h"
#include "texttools/text_tools.h"

#include <cmath>
#include <functional>
#include <string>

namespace {

struct MacroKeyCase {
    UInt8 character;
    UInt8 keyCode;
    SInt16 macro;
};

TEST(KeyTable, CommandOptionKeysRunTheMacroOfTheUSLetterAtTheirPlace) {
    const MacroKeyCase cases[] = {
        {'a', kKeyA, 1},
        {'Z', kKeyZ, 26},
        {'m', kKeyM, 13},
        // Comma and period run macros 4 and 8 on any layout.
        {',', 0x2B, 4},
        {'.', 0x2F, 8},
        // A layout with other letters at a place: the character wins when it is a Latin letter.
        {'q', kKeyA, 17},
        // No Latin letter: the US letter at that place.
        {0x8A, kKeyQ, 17},
        {0xE0, kKeyK, 11},
        {0xA7, kKeyN, 14},
        // Digits, brackets and slash have other uses; keys off the letter places run nothing.
        {'1', kKey1, 0},
        {'[', 0x21, 0},
        {']', 0x1E, 0},
        {'/', 0x2C, 0},
        {0xA7, 0x2A, 0},
        {0xA7, kKeyUnknown, 0},
    };
    for (const MacroKeyCase& c : cases)
        EXPECT_EQ(CommandOptionMacro(c.character, c.keyCode), c.macro)
            << "character " << int(c.character) << " key " << int(c.keyCode);
}

TEST(KeyTable, OptionDigitsAndSpeedPresets) {
    const UInt8 optionCharacters[10] = {0xC1, 0xAA, 0xA3, 0xA2, 0xB0, 0xA4, 0xA6, 0xA5, 0xBB, 0xBC};
    const UInt8 digitKeys[10] = {kKey1, kKey2, kKey3, kKey4, kKey5, kKey6, kKey7, kKey8, kKey9, kKey0};
    for (SInt16 slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(OptionDigitBookmarkSlot(optionCharacters[slot], kKeyUnknown), slot);
        EXPECT_EQ(OptionDigitBookmarkSlot(UInt8('0' + (slot + 1) % 10), digitKeys[slot]), slot);
    }
    EXPECT_EQ(OptionDigitBookmarkSlot('a', kKeyA), -1);
    EXPECT_EQ(SpeedPresetForDigit('1'), 30);
    EXPECT_EQ(SpeedPresetForDigit('5'), 150);
    EXPECT_EQ(SpeedPresetForDigit('9'), 270);
    EXPECT_EQ(SpeedPresetForDigit('0'), 300);
    EXPECT_EQ(SpeedPresetForDigit('a'), 0);
}

std::string LongScript() {
    std::string script;
    for (int line = 0; script.size() < 40'000; ++line)
        script += "Line " + std::to_string(line) + " of a script long enough to keep scrolling.\n";
    return script;
}

PlatformEvent Key(UInt8 character, UInt8 keyCode = kKeyUnknown, UInt16 modifiers = 0,
                  EventKind kind = EventKind::KeyDown) {
    PlatformEvent event{};
    event.kind = kind;
    event.charCode = character;
    event.keyCode = keyCode;
    event.modifiers = modifiers;
    return event;
}

class KeyDown : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start();
        home.WriteFile("long.txt", LongScript());
        ASSERT_EQ(OpenDocumentsEvent({home.path() + "/long.txt"}), noErr);
        SetPref(gThePreferences, kPrefMomentum, 0);
        SetPref(gThePreferences, kPrefPauseAtBookmarks, 0);
        SetPref(gThePreferences, kPrefLoopingText, 0);
        SetPref(gThePreferences, kPrefScrollDirection, 1);
    }
    void TearDown() override {
        CleanUpBookmarkList(1);
        ProgramTest::TearDown();
    }
    void Scroll() {
        StartScroll(1);
        PauseOff(0);
        ASSERT_EQ(gScrollOn, 1);
    }
};

TEST_F(KeyDown, DigitsWhileScrollingPresetTheSpeed) {
    Scroll();
    const struct {
        UInt8 digit;
        SInt32 amount;
    } cases[] = {{'1', 30}, {'4', 120}, {'9', 270}, {'0', 300}};
    for (const auto& c : cases) {
        gPrefsChanged = false;
        DoKeyDown(Key(c.digit));
        EXPECT_EQ(gWantScrollAmount, c.amount) << c.digit;
        EXPECT_TRUE(gPrefsChanged);
        EXPECT_TRUE(gTimerRunning);
    }
}

TEST_F(KeyDown, ArrowsStepTheSpeedAndShiftRemembersTheFirstSpeedOnly) {
    Scroll();
    DoKeyDown(Key('5'));
    const SInt32 start = gWantScrollAmount;
    DoKeyDown(Key(kRightArrowCharCode, kKeyRight));
    const SInt32 faster = gWantScrollAmount;
    EXPECT_GT(faster, start);
    DoKeyDown(Key(kLeftArrowCharCode, kKeyLeft));
    EXPECT_LT(gWantScrollAmount, faster);
    EXPECT_FALSE(gArrowandShiftKeyFlag);

    const SInt32 beforeShift = gWantScrollAmount;
    DoKeyDown(Key(kRightArrowCharCode, kKeyRight, shiftKey));
    DoKeyDown(Key(kRightArrowCharCode, kKeyRight, shiftKey));
    DoKeyDown(Key(kLeftArrowCharCode, kKeyLeft, shiftKey));
    EXPECT_TRUE(gArrowandShiftKeyFlag);
    EXPECT_EQ(gSpeedBeforeShiftKey, beforeShift);
    // Ending the scroll puts the remembered speed back.
    DoKeyDown(Key(kEscapeCharCode, kKeyEscape));
    EXPECT_EQ(gScrollOn, 0);
    EXPECT_EQ(gWantScrollAmount, beforeShift);
}

TEST_F(KeyDown, UpAndDownSetTheDirectionOnlyWhenItChanges) {
    Scroll();
    gPrefsChanged = false;
    DoKeyDown(Key(kDownArrowCharCode, kKeyDown));
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), 1);
    EXPECT_FALSE(gPrefsChanged) << "already forward";
    DoKeyDown(Key(kUpArrowCharCode, kKeyUp));
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), -1);
    EXPECT_TRUE(gPrefsChanged);
    DoKeyDown(Key(kDownArrowCharCode, kKeyDown));
    EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), 1);
}

TEST_F(KeyDown, PauseKeysToggleAndHomeGoesBackToTheTop) {
    Scroll();
    const struct {
        UInt8 character;
        UInt8 keyCode;
        bool paused;
    } cases[] = {{' ', kKeySpace, true}, {'p', kKeyP, false}, {'P', kKeyP, true}, {' ', kKeySpace, false}};
    for (const auto& c : cases) {
        DoKeyDown(Key(c.character, c.keyCode));
        EXPECT_EQ(IsPaused(), c.paused) << c.character;
    }
    ScrollScrollThisMuch(-2000, 0);
    ASSERT_LT(gScrollCurrentPos, 0);
    DoKeyDown(Key('h', kKeyH));
    EXPECT_EQ(gScrollCurrentPos, 0);
    // Option-down moves on to the next line start, option-up back to the line before.
    DoKeyDown(Key(kDownArrowCharCode, kKeyDown, optionKey));
    const double afterDown = gScrollCurrentPos;
    EXPECT_LT(afterDown, 0);
    DoKeyDown(Key(kUpArrowCharCode, kKeyUp, optionKey));
    EXPECT_GT(gScrollCurrentPos, afterDown);
}

TEST_F(KeyDown, OptionDigitsSetBookmarksAndOptionShiftArrowsJumpBetweenThem) {
    Scroll();
    ScrollScrollThisMuch(-3000, 0);
    DoKeyDown(Key('3', kKey3, optionKey));
    const SInt32 mark = GetBookmarkOffset(2);
    EXPECT_GT(mark, 0);
    ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
    DoKeyDown(Key(kDownArrowCharCode, kKeyDown, optionKey | shiftKey));
    EXPECT_LT(gScrollCurrentPos, -2000);
    // Command-option and the digit takes the bookmark away.
    DoKeyDown(Key('3', kKey3, cmdKey | optionKey));
    EXPECT_LT(GetBookmarkOffset(2), 0);
}

TEST_F(KeyDown, CommandDigitsGoToBookmarksAndCommandOptionBracketsKeepATemporaryPlace) {
    Scroll();
    ScrollScrollThisMuch(-2500, 0);
    DoKeyDown(Key('1', kKey1, optionKey));
    ASSERT_GT(GetBookmarkOffset(0), 0);
    ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
    DoKeyDown(Key('1', kKey1, cmdKey));
    EXPECT_LT(gScrollCurrentPos, -2000) << "command-1 goes to the first bookmark";

    const double marked = gScrollCurrentPos;
    DoKeyDown(Key('[', 0x21, cmdKey | optionKey));
    EXPECT_EQ(gNumTempBookmarks, 1);
    ScrollScrollThisMuch(SInt32(-gScrollCurrentPos), 0);
    DoKeyDown(Key(']', 0x1E, cmdKey | optionKey));
    EXPECT_NEAR(gScrollCurrentPos, marked, 40.0);
    DoKeyDown(Key('{', 0x21, cmdKey | optionKey | shiftKey));
    EXPECT_EQ(gNumTempBookmarks, 0);
}

TEST_F(KeyDown, TypingInEditModeMovesLaterBookmarksAndDropsForwardDelete) {
    ASSERT_EQ(gScrollOn, 0);
    SetBookmark(0, 10, 1);
    const std::string before = PrompterText();
    WESetSelection(5, 5, 0, ScrollWEHandle);
    DoKeyDown(Key(kDeleteCharCode, kKeyForwardDelete));
    EXPECT_EQ(PrompterText(), before);
    DoKeyDown(Key(kEnterCharCode, kKeyEnter));
    EXPECT_EQ(PrompterText(), before.substr(0, 5) + "\r" + before.substr(5));
    EXPECT_EQ(GetBookmarkOffset(0), 11);
    EXPECT_TRUE(gTextHasChanged);
    EXPECT_EQ(gWaitToUpdateWordCount, 300);
    DoKeyDown(Key(kBackspaceCharCode, kKeyDelete));
    EXPECT_EQ(PrompterText(), before);
    EXPECT_EQ(GetBookmarkOffset(0), 10);
}

TEST_F(KeyDown, TypedLettersWhileScrollingAreDropped) {
    Scroll();
    const std::string before = PrompterText();
    DoKeyDown(Key('x', kKeyX));
    EXPECT_EQ(PrompterText(), before);
    EXPECT_EQ(gLastKeyPressed, 'x');
    EXPECT_EQ(stopEvent.message & charCodeMask, UInt32('x'));
}

// A held key repeating thirty times a second while the text scrolls: every tick still moves the text.
TEST_F(KeyDown, AHeldFasterKeyNeverCostsAScrollStep) {
    Scroll();
    // A speed of at least a pixel a tick, so that a tick without motion is a lost step.
    DoKeyDown(Key('0'));
    StartScrollTickClock(TickCount());
    SInt32 stalled = 0;
    for (int tick = 0; tick < 120; ++tick) {
        if (tick % 2 == 0)
            DoKeyDown(
                Key(kRightArrowCharCode, kKeyRight, 0, tick ? EventKind::KeyRepeat : EventKind::KeyDown));
        AdvanceFakeClock(1);
        const double before = gScrollCurrentPos;
        DoScrollTick(TickCount());
        if (gScrollCurrentPos == before) ++stalled;
    }
    EXPECT_EQ(stalled, 0);
    EXPECT_GT(gWantScrollAmount, 300);
}

// The edit window breaking its lines like a narrow prompter: keys typed there, also beside the returns it
// adds, change the prompter's text the same way, and the bookmarks after them move along.
TEST_F(KeyDown, TypingInTheEditWindowReachesThePrompterText) {
    ASSERT_EQ(gScrollOn, 0);
    SetPref(gThePreferences, kPrefEditFollowsPrompterLines, 1);
    SizeWindow(myScrollWindow, 320, 500, false);
    NewScrollWindowSize(320, 500);
    ToggleEditWindowShortcut();
    ASSERT_NE(EditWEHandle, nullptr);
    ASSERT_FALSE(gEditView.fakes.empty()) << "the prompter wraps the script's lines";
    SelectWindow(myEditWindow);
    ProcessPendingEvents();
    ASSERT_EQ(FrontNonFloatingWindow(), myEditWindow);
    SetBookmark(0, 5'000, 1);

    const auto editWithoutAddedReturns = [] {
        std::string text(*WEGetText(EditWEHandle), size_t(WEGetTextLength(EditWEHandle)));
        const SInt32 length =
            RemoveFakeReturns(gEditView.fakes, reinterpret_cast<UInt8*>(text.data()), SInt32(text.size()));
        return text.substr(0, size_t(length));
    };
    const SInt32 firstAdded = gEditView.fakes.front();
    const struct {
        const char* where;
        SInt32 caret; // in the edit window's text
        UInt8 character;
        UInt8 keyCode;
        SInt32 bookmarkMoves;
    } cases[] = {
        {"a letter near the start", 5, 'x', kKeyX, 1},
        {"a letter just before an added return", firstAdded + 1, 'y', kKeyUnknown, 1},
        {"delete just after an added return", firstAdded + 3, kBackspaceCharCode, kKeyDelete, -1},
        {"return", 3, kReturnCharCode, kKeyUnknown, 1},
    };
    SInt32 bookmark = 5'000;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const std::string before = PrompterText();
        WESetSelection(c.caret, c.caret, 0, EditWEHandle);
        DoKeyDown(Key(c.character, c.keyCode));
        EXPECT_NE(PrompterText(), before);
        EXPECT_EQ(PrompterText(), editWithoutAddedReturns());
        EXPECT_EQ(PrompterText().size(), before.size() + size_t(c.bookmarkMoves));
        bookmark += c.bookmarkMoves;
        EXPECT_EQ(GetBookmarkOffset(0), bookmark);
        for (SInt32 added : gEditView.fakes)
            EXPECT_EQ(WEGetChar(added, EditWEHandle), '\r');
    }
    EXPECT_TRUE(gTextHasChanged);
    EXPECT_EQ(gReformatEditTextCount, 300);
}

// With the edit window open, typing in either view changes the other's text the same way, and deleting a
// selection made in either one clears it from both.
TEST_F(KeyDown, TypingInEitherViewOfTheScriptKeepsBothTextsTheSame) {
    ASSERT_EQ(gScrollOn, 0);
    ToggleEditWindowShortcut();
    ASSERT_NE(EditWEHandle, nullptr);
    const auto editText = [] {
        std::string text(*WEGetText(EditWEHandle), size_t(WEGetTextLength(EditWEHandle)));
        const SInt32 length =
            RemoveFakeReturns(gEditView.fakes, reinterpret_cast<UInt8*>(text.data()), SInt32(text.size()));
        return text.substr(0, size_t(length));
    };
    const struct {
        const char* where;
        WindowPtr* front;
        WEReference* typedInto;
    } views[] = {{"the prompter", &myScrollWindow, &ScrollWEHandle},
                 {"the edit window", &myEditWindow, &EditWEHandle}};
    for (const auto& view : views) {
        SCOPED_TRACE(view.where);
        SelectWindow(*view.front);
        ProcessPendingEvents();
        ASSERT_EQ(FrontNonFloatingWindow(), *view.front);
        const std::string before = PrompterText();
        ASSERT_EQ(editText(), before);
        WESetSelection(4, 4, 0, *view.typedInto);
        DoKeyDown(Key('q', kKeyUnknown));
        EXPECT_EQ(PrompterText(), before.substr(0, 4) + "q" + before.substr(4));
        EXPECT_EQ(editText(), PrompterText());
        WESetSelection(2, 6, 0, *view.typedInto);
        DoKeyDown(Key(kBackspaceCharCode, kKeyDelete));
        EXPECT_EQ(PrompterText(), before.substr(0, 2) + before.substr(5));
        EXPECT_EQ(editText(), PrompterText());
    }
}

std::string NonverbalText() {
    if (!NonverbalWEHandle) return {};
    return std::string(*WEGetText(NonverbalWEHandle), size_t(WEGetTextLength(NonverbalWEHandle)));
}

// F5 opens the nonverbal window; until return moves its text to the display place, keys type into it
// (the moving keys and the ignored codes aside), and afterwards they are the prompter's again.
TEST_F(KeyDown, TheNonverbalWindowTakesTypedKeysUntilReturnMovesIt) {
    ASSERT_EQ(gScrollOn, 0);
    DoKeyDown(Key(kFunctionKeyCharCode, kKeyF5));
    ASSERT_NE(myNonverbalWindow, nullptr);
    ASSERT_TRUE(gNonverbalHasntMoved);
    const std::string script = PrompterText();
    const struct {
        UInt8 character;
        UInt8 keyCode;
        const char* text; // the nonverbal text afterwards
    } cases[] = {
        {'S', kKeyS, "S"},
        {'m', kKeyM, "Sm"},
        {kTabCharCode, kKeyTab, "Sm"},
        {kDeleteCharCode, kKeyForwardDelete, "Sm"},
        {'x', kKeyX, "Smx"},
        {kBackspaceCharCode, kKeyDelete, "Sm"},
        {'i', kKeyI, "Smi"},
        // The moving keys are the front text view's, not the nonverbal text's.
        {kLeftArrowCharCode, kKeyLeft, "Smi"},
        {kHomeCharCode, kKeyHome, "Smi"},
        {'l', kKeyL, "Smil"},
    };
    for (const auto& c : cases) {
        DoKeyDown(Key(c.character, c.keyCode));
        EXPECT_EQ(NonverbalText(), c.text) << "after key " << int(c.character);
    }
    EXPECT_EQ(PrompterText(), script) << "the script takes none of the nonverbal keys";

    DoKeyDown(Key(kReturnCharCode, kKeyReturn));
    EXPECT_FALSE(gNonverbalHasntMoved);
    EXPECT_EQ(NonverbalText(), "Smil") << "return moves the text rather than typing";
    Rect window{};
    GetWindowBounds(myNonverbalWindow, kWindowContentRgn, &window);
    Rect prompter{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &prompter);
    EXPECT_EQ(window.top, prompter.top);
    EXPECT_EQ(window.left, prompter.left);

    WESetSelection(0, 0, 0, ScrollWEHandle);
    DoKeyDown(Key('z', kKeyZ));
    EXPECT_EQ(NonverbalText(), "Smil");
    EXPECT_EQ(PrompterText(), "z" + script);
    DoKeyDown(Key(kFunctionKeyCharCode, kKeyF6));
    EXPECT_EQ(myNonverbalWindow, nullptr);
}

// Command-W closes the window in front by its own kind; with the prompter in front the front tool
// window goes, and the prompter itself never closes.
TEST_F(KeyDown, CommandWClosesTheFrontWindowByItsKind) {
    const struct {
        const char* name;
        void (*open)();
        WindowPtr* window;
    } cases[] = {
        {"edit window", [] { ToggleEditWindowShortcut(); }, &myEditWindow},
        {"bookmark list", OpenBookmarkWindow, &myBookmarkWindow},
        {"nonverbal window", OpenNonverbalWindow, &myNonverbalWindow},
        {"toolbar over the prompter", OpenToolbarWindow, &myToolbarWindow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.open();
        ASSERT_NE(*c.window, nullptr);
        SelectWindow(*c.window);
        ProcessPendingEvents();
        DoKeyDown(Key('w', kKeyW, cmdKey));
        EXPECT_EQ(*c.window, nullptr);
        EXPECT_NE(myScrollWindow, nullptr);
    }
    SelectWindow(myScrollWindow);
    DoKeyDown(Key('w', kKeyW, cmdKey));
    EXPECT_NE(myScrollWindow, nullptr);
    EXPECT_TRUE(IsWindowVisible(myScrollWindow));
}

// The space bar while syllable times are tapped stamps the awaited syllable with the tick of the tap and
// is no pause key; once every syllable has its time, space pauses again.
TEST_F(KeyDown, TappingSyllableTimesTakesTheSpaceBar) {
    ASSERT_GT(gTotalSyllables, 2);
    Scroll();
    gRecordingTaps = true;
    gSylWaitingForThisTap = gTotalSyllables - 2;
    for (SInt32 syllable = gTotalSyllables - 2; syllable < gTotalSyllables; ++syllable) {
        AdvanceFakeClock(7);
        PlatformEvent space = Key(' ', kKeySpace);
        space.when = TickCount() - 2;
        DoKeyDown(space);
        EXPECT_EQ(SyllableArrayAccessor(mySyllableArray, syllable, kSyllableTime, myWordLineArray),
                  SInt32(TickCount()));
        EXPECT_EQ(gSylWaitingForThisTap, syllable + 1);
        EXPECT_FALSE(IsPaused());
    }
    SInt32 start = -1, end = -1;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    DoKeyDown(Key(' ', kKeySpace));
    EXPECT_TRUE(IsPaused()) << "no syllable waits, so space is the pause key";
}

// Command-shift-arrows move the star field only while it is the background.
TEST_F(KeyDown, CommandShiftArrowsMoveTheStarField) {
    Scroll();
    const struct {
        SInt16 background;
        UInt8 arrow;
        double x, y;
    } cases[] = {
        {4, kLeftArrowCharCode, 5, 0},  {4, kRightArrowCharCode, -5, 0}, {4, kUpArrowCharCode, 0, 5},
        {4, kDownArrowCharCode, 0, -5}, {0, kLeftArrowCharCode, 0, 0},   {0, kUpArrowCharCode, 0, 0},
    };
    for (const auto& c : cases) {
        SetPref(gThePreferences, kPrefBackgroundKind, c.background);
        gStarOffsetX = gStarOffsetY = 0;
        const SInt32 speed = gWantScrollAmount;
        const SInt16 direction = GetPref(gThePreferences, kPrefScrollDirection);
        DoKeyDown(Key(c.arrow, kKeyUnknown, cmdKey | shiftKey));
        EXPECT_EQ(gStarOffsetX, c.x) << int(c.arrow);
        EXPECT_EQ(gStarOffsetY, c.y) << int(c.arrow);
        EXPECT_EQ(gWantScrollAmount, speed) << "no speed step";
        EXPECT_EQ(GetPref(gThePreferences, kPrefScrollDirection), direction);
    }
}

// Typing into a script with custom syllable times asks first: keeping the times drops the key; letting
// the edit go clears the mark, and later keys do not ask again.
TEST_F(KeyDown, TypingOverCustomSyllableTimesAsksFirst) {
    ASSERT_EQ(gScrollOn, 0);
    const std::string script = PrompterText();
    WESetSelection(0, 0, 0, ScrollWEHandle);
    gSyllableArrayCustom = true;
    gAutoDialogAnswer = 1; // keep the times
    DoKeyDown(Key('a', kKeyA));
    EXPECT_EQ(PrompterText(), script);
    EXPECT_TRUE(gSyllableArrayCustom);
    gAutoDialogAnswer = 2; // edit anyway
    DoKeyDown(Key('a', kKeyA));
    EXPECT_EQ(PrompterText(), "a" + script);
    EXPECT_FALSE(gSyllableArrayCustom);
    gAutoDialogAnswer = 1;
    DoKeyDown(Key('b', kKeyB));
    EXPECT_EQ(PrompterText(), "ab" + script);
}

// Home, End and the page keys move the front window's view: the edit window's as well as the prompter's.
// The page keys take the caret along a page; command-Home takes caret and view back to the top.
TEST_F(KeyDown, PageKeysScrollTheFrontTextView) {
    ASSERT_EQ(gScrollOn, 0);
    ToggleEditWindowShortcut();
    ASSERT_NE(EditWEHandle, nullptr);
    SelectWindow(myEditWindow);
    ProcessPendingEvents();
    ASSERT_EQ(FrontNonFloatingWindow(), myEditWindow);
    const double prompter = gScrollCurrentPos;
    DoKeyDown(Key(kPageDownCharCode, kKeyPageDown));
    const SInt32 page = gEditView.currentPos;
    EXPECT_LT(page, 0);
    DoKeyDown(Key(kPageDownCharCode, kKeyPageDown));
    EXPECT_LT(gEditView.currentPos, page);
    DoKeyDown(Key(kPageUpCharCode, kKeyPageUp));
    EXPECT_EQ(gEditView.currentPos, page);
    DoKeyDown(Key(kEndCharCode, kKeyEnd, optionKey));
    EXPECT_LT(gEditView.currentPos, 2 * page);
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, EditWEHandle);
    EXPECT_EQ(start, WEGetTextLength(EditWEHandle)) << "option takes the caret to the end";
    DoKeyDown(Key(kHomeCharCode, kKeyHome, cmdKey));
    EXPECT_EQ(gEditView.currentPos, 0);
    EXPECT_EQ(gScrollCurrentPos, prompter) << "the prompter behind stays where it was";
}

std::pair<SInt32, SInt32> SelectionOf(WEReference text) {
    SInt32 start = 0, end = 0;
    WEGetSelection(&start, &end, 0, text);
    return {start, end};
}

// Select All, a format change, command-End, return: the caret went to the script's end, so the return adds
// a line instead of replacing the script. A return typed over the whole script is one undo away.
TEST_F(KeyDown, CommandEndAfterSelectAllKeepsTheScriptAndUndoBringsReplacedTextBack) {
    ASSERT_EQ(gScrollOn, kScrollOff);
    const std::string script = PrompterText();
    const SInt32 length = SInt32(script.size());
    ASSERT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, 10)), 0);
    ASSERT_EQ(SelectionOf(ScrollWEHandle), std::make_pair(SInt32(0), length));
    ASSERT_EQ(DoCommand(MakeMenuCommand(kStyleMenuID, 2)), 0);
    DoKeyDown(Key(kEndCharCode, kKeyEnd, cmdKey));
    EXPECT_EQ(SelectionOf(ScrollWEHandle), std::make_pair(length, length));
    DoKeyDown(Key(kReturnCharCode, kKeyReturn));
    EXPECT_EQ(PrompterText(), script + "\r");

    ASSERT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, 10)), 0);
    DoKeyDown(Key(kReturnCharCode, kKeyReturn));
    EXPECT_EQ(PrompterText(), "\r");
    ASSERT_EQ(DoCommand(MakeMenuCommand(kEditMenuID, kUndoItem)), 0);
    EXPECT_EQ(PrompterText(), script + "\r");
}

// Home, End and the page keys in the script's views: the caret moves (shift extends, command goes to the
// text's ends) in edit mode; while the prompter scrolls editable the plain keys go on scrolling it, and
// while it only scrolls every form does.
TEST_F(KeyDown, HomeEndAndPageKeysMoveTheCaretWhereTheTextIsEdited) {
    const SInt32 length = WEGetTextLength(ScrollWEHandle);
    // Places in the text of the view: its end, and on its second line the start, the end (before the
    // line's return or last blank) and a place inside.
    enum : SInt32 { kEnd = -1, kLineStart = -2, kLineEnd = -3, kInLine = -4, kAnyCaret = -5 };
    enum class View { Prompter, EditableScroll, Scroll, EditWindow };
    struct Case {
        const char* name;
        View view;
        UInt8 character;
        UInt16 modifiers;
        SInt32 fromStart, fromEnd;
        SInt32 start, end;
        int scrolls; // -1: either way
    } cases[] = {
        {"command-end", View::Prompter, kEndCharCode, cmdKey, 0, kEnd, kEnd, kEnd, -1},
        {"command-home", View::Prompter, kHomeCharCode, cmdKey, 0, kEnd, 0, 0, -1},
        {"home", View::Prompter, kHomeCharCode, 0, kInLine, kInLine, kLineStart, kLineStart, -1},
        {"end", View::Prompter, kEndCharCode, 0, kInLine, kInLine, kLineEnd, kLineEnd, -1},
        {"shift-end", View::Prompter, kEndCharCode, shiftKey, kInLine, kInLine, kInLine, kLineEnd, -1},
        {"shift-command-home", View::Prompter, kHomeCharCode, shiftKey | cmdKey, kInLine, kInLine, 0, kInLine,
         -1},
        {"page down", View::Prompter, kPageDownCharCode, 0, 0, 0, kAnyCaret, kAnyCaret, 1},
        {"command-end, editable scroll", View::EditableScroll, kEndCharCode, cmdKey, 0, 5, kEnd, kEnd, -1},
        {"shift-home, editable scroll", View::EditableScroll, kHomeCharCode, shiftKey, kInLine, kInLine,
         kLineStart, kInLine, -1},
        {"end, editable scroll", View::EditableScroll, kEndCharCode, 0, 0, 5, 0, 5, 1},
        {"command-end, scroll", View::Scroll, kEndCharCode, cmdKey, 0, 5, 0, 5, 1},
        {"command-end, edit window", View::EditWindow, kEndCharCode, cmdKey, 0, 5, kEnd, kEnd, -1},
        {"shift-home, edit window", View::EditWindow, kHomeCharCode, shiftKey, kInLine, kInLine, kLineStart,
         kInLine, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.view == View::EditWindow) {
            if (!EditWEHandle) ToggleEditWindowShortcut();
            ASSERT_NE(EditWEHandle, nullptr);
            SelectWindow(myEditWindow);
        } else {
            SelectWindow(myScrollWindow);
        }
        ProcessPendingEvents();
        if (c.view == View::EditableScroll) StartScroll(kScrollOnEditable);
        if (c.view == View::Scroll) Scroll();
        WEReference text = c.view == View::EditWindow ? EditWEHandle : ScrollWEHandle;
        SInt32 lineStart = 0, lineEnd = 0;
        WEGetLineRange(1, &lineStart, &lineEnd, text);
        const auto at = [&](SInt32 place) {
            switch (place) {
            case kEnd:
                return WEGetTextLength(text);
            case kLineStart:
                return lineStart;
            case kLineEnd:
                return lineEnd - 1;
            case kInLine:
                return lineStart + 3;
            default:
                return place;
            }
        };
        // A scrolling prompter starts away from both its ends; an edited one at its top.
        const bool scrolling = c.view == View::EditableScroll || c.view == View::Scroll;
        ScrollScrollThisMuch(SInt32(-gScrollCurrentPos) - (scrolling ? 500 : 0), 0);
        const double before = gScrollCurrentPos;
        WESetSelection(at(c.fromStart), at(c.fromEnd), 0, text);
        DoKeyDown(Key(c.character, kKeyUnknown, c.modifiers));
        const auto [start, end] = SelectionOf(text);
        if (c.start == kAnyCaret) {
            EXPECT_EQ(start, end) << "a caret";
            EXPECT_GT(start, 0);
        } else {
            EXPECT_EQ(start, at(c.start));
            EXPECT_EQ(end, at(c.end));
        }
        if (c.scrolls >= 0) {
            EXPECT_EQ(gScrollCurrentPos != before, c.scrolls == 1) << gScrollCurrentPos;
        }
        EXPECT_EQ(WEGetTextLength(ScrollWEHandle), length) << "no key is typed into the script";
        if (gScrollOn) StopScroll();
        ASSERT_EQ(gScrollOn, kScrollOff);
    }
}

// The window shortcuts, command-shift and a letter: E and M open and close the edit window and the scroll
// monitor (the monitor only while scrolling), L brings the prompter forward.
TEST_F(KeyDown, CommandShiftLettersToggleTheWindowsTheyName) {
    const auto commandShift = [](UInt8 letter, UInt8 keyCode) {
        DoKeyDown(Key(letter, keyCode, cmdKey | shiftKey));
        ProcessPendingEvents();
    };
    ASSERT_EQ(gScrollOn, 0);
    commandShift('M', kKeyM);
    EXPECT_EQ(myScrollMonitorWindow, nullptr) << "no monitor in edit mode";
    commandShift('E', kKeyE);
    ASSERT_NE(myEditWindow, nullptr);
    EXPECT_EQ(GetPref(gThePreferences, kPrefSeparateEditWindow), 1);
    SelectWindow(myEditWindow);
    ProcessPendingEvents();
    commandShift('L', kKeyL);
    EXPECT_EQ(FrontNonFloatingWindow(), myScrollWindow);
    commandShift('e', kKeyE);
    EXPECT_EQ(myEditWindow, nullptr);
    EXPECT_EQ(GetPref(gThePreferences, kPrefSeparateEditWindow), 0);

    Scroll();
    commandShift('M', kKeyM);
    ASSERT_NE(myScrollMonitorWindow, nullptr);
    EXPECT_EQ(GetPref(gThePreferences, kPrefUseScrollMonitor), 1);
    commandShift('m', kKeyM);
    EXPECT_EQ(myScrollMonitorWindow, nullptr);
    EXPECT_EQ(GetPref(gThePreferences, kPrefUseScrollMonitor), 0);
}

} // namespace

namespace {

// While the text scrolls, a menu closed with Escape or a message closed with Escape gives the keys back to
// the prompter: one space then pauses the scroll, with nothing left open.
TEST_F(KeyDown, AfterAMenuOrAMessageClosesOneSpacePausesTheScroll) {
    SetPref(gThePreferences, kPrefFullScreen, 0);
    Scroll();
    ShowMenuBar();
    ProcessPendingEvents();
    const struct {
        const char* what;
        std::function<void()> openAndClose;
    } cases[] = {
        {"menu",
         [] {
             ASSERT_TRUE(OpenMenuBarMenu(kScrollMenuID));
             ProcessPendingEvents();
             for (int press = 0; press < 3 && IsMenuBarMenuOpen(); ++press) {
                 ASSERT_TRUE(PostKeyboardEvent(EventKind::KeyDown, kEscapeCharCode, kKeyEscape, 0));
                 ProcessPendingEvents();
             }
         }},
        {"message",
         [] {
             DialogPlayer player({[](DialogPtr dialog) {
                 PostKeyEvent(GetDialogWindow(dialog), EventKind::KeyDown, kEscapeCharCode, kKeyEscape, 0);
                 return true;
             }});
             DoAbout(129);
             ProcessPendingEvents();
         }},
    };
    for (const auto& c : cases) {
        PauseOff(0);
        c.openAndClose();
        ASSERT_FALSE(IsMenuBarMenuOpen()) << c.what;
        ASSERT_EQ(gScrollOn, 1) << c.what;
        ASSERT_FALSE(IsPaused()) << c.what;
        ASSERT_TRUE(PostKeyboardEvent(EventKind::KeyDown, ' ', kKeySpace, 0)) << c.what;
        ProcessPendingEvents();
        EXPECT_TRUE(IsPaused()) << c.what << ": the space did not reach the prompter";
        EXPECT_FALSE(IsMenuBarMenuOpen()) << c.what << ": the space opened the menu again";
    }
}

} // namespace
