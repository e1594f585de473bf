// Clicks in the list and text tool windows (functions, macro monitor, macro editor, help, hypertext drawer,
// text merge, media queue): each button calls its window's operation only when let go inside it, the size
// corner of a list window is reported, list rows are removed and moved; and which tool window takes a
// typed key.
#include "program_fixture.h"

#include "controls/control_records.h"
#include "foundation/error_dialog.h"
#include "foundation/list_items.h"
#include "foundation/pending_calls.h"
#include "macros/macro_windows.h"
#include "macros/macros_globals_reset.h"
#include "media/media_globals_reset.h"
#include "media/media_windows.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "shell/event_handlers.h"
#include "shell/input_dispatch.h"
#include "shell/tool_window_clicks.h"
#include "texttools/text_tool_windows.h"
#include "texttools/text_tools.h"
#include "texttools/texttools_globals_reset.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gCalls;

void RecordCall(const char* name) {
    gCalls.emplace_back(name);
}

bool Called(const std::string& name) {
    return std::find(gCalls.begin(), gCalls.end(), name) != gCalls.end();
}

constexpr char kCornerMessage[] = "I don't expect to get here in DoMouseDown";

// A button in the window's strip, and a point well away from every button.
constexpr Rect kButton{200, 40, 220, 100};
constexpr Point kInside{210, 70};
constexpr Point kOutside{120, 150};

// The tool windows' state as the program starts, between the cases of one test.
void ResetToolWindowState() {
    ResetMacroGlobals();
    ResetTextToolsGlobals();
    ResetMediaGlobals();
    gInstructionsShowing = false;
    gCalls.clear();
}

class ToolWindowClicks : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        SetPendingCallObserver(RecordCall);
        gCalls.clear();
        const Rect bounds{100, 100, 400, 500};
        window = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
        ASSERT_NE(window, nullptr);
        SelectWindow(window);
    }
    void TearDown() override {
        ResetToolWindowState();
        SetPendingCallObserver(nullptr);
        for (WindowPtr* global :
             {&myFunctionsWindow, &myMacroMonitorWindow, &myMacroEditorWindow, &myHelpWindow,
              &hypertextDrawerWindow, &myTextMergeWindow, &myMediaQueueWindow})
            if (*global == window) *global = nullptr;
        if (list) LDispose(list);
        DisposeWindow(window);
        ProgramTest::TearDown();
    }

    // A press at `at` whose release waits at `release`; the press's tracking loop takes the release.
    void ClickAndRelease(Point at, Point release, SInt16 clickCount = 1) {
        PostMouseEvent(window, EventKind::MouseUp, release, 0);
        PlatformEvent event{};
        event.kind = EventKind::MouseDown;
        event.window = window;
        event.localPoint = at;
        event.clickCount = clickCount;
        DoMouseDown(event);
        ProcessPendingEvents();
    }

    ListHandle MakeList(SInt16 rows, const Rect& where) {
        list = NewV1List(0, &where, GetWindowPort(window), nullptr);
        for (SInt16 row = 0; row < rows; ++row) {
            const std::string text = "row " + std::to_string(row);
            Str255 line{UInt8(text.size())};
            std::copy(text.begin(), text.end(), line + 1);
            AddToList(line, list);
        }
        return list;
    }

    WindowPtr window = nullptr;
    ListHandle list = nullptr;
};

struct ButtonCase {
    const char* name;
    WindowPtr* window;
    Rect* button;
    const char* operation;
    void (*prepare)();
};

void NothingToPrepare() {}

const ButtonCase kButtonCases[] = {
    {"functions copy", &myFunctionsWindow, &gFunctionsCopyRect, "CopySelectedFunctionsToMacroEditor",
     NothingToPrepare},
    {"functions copy on a description", &myFunctionsWindow, &gFunctionsCopyRect, "CopyFunctionToMacroEditor",
     [] { gFunctionsShowInfo = 1; }},
    {"functions copy on the help", &myFunctionsWindow, &gFunctionsCopyRect, "CopyMacroHelpToClipboard",
     [] { gFunctionsShowInfo = gFunctionsShowHelpInstead = 1; }},
    {"functions help", &myFunctionsWindow, &gFunctionsHelpRect, "PutFunctionHelpInList", NothingToPrepare},
    {"functions info on a description", &myFunctionsWindow, &gFunctionsInfoRect, "PutFunctionsInList",
     [] { gFunctionsShowInfo = 1; }},
    {"macro editor compile", &myMacroEditorWindow, &gMacroCompileRect, "CompileMacro", NothingToPrepare},
    {"macro editor test", &myMacroEditorWindow, &gMacroTestRect, "CompileMacro", NothingToPrepare},
    {"macro editor open", &myMacroEditorWindow, &gMacroOpenRect, "DoOpenMacroSource", NothingToPrepare},
    {"macro editor save", &myMacroEditorWindow, &gMacroSaveTextRect, "DoSaveMacroSource", NothingToPrepare},
    {"macro editor functions", &myMacroEditorWindow, &gMacroFunctionsRect, "OpenFunctionsWindow",
     NothingToPrepare},
    {"macro editor to command", &myMacroEditorWindow, &gMacroToCommandRect, "OpenCommandWindow",
     NothingToPrepare},
    {"help button over the dictionary's help", &myHelpWindow, &gHelpButtonRect[2],
     "ProcessSearchDictHelpButton", [] { gHelpShowingSearchDict = true; }},
    {"help button 1 over the instructions", &myHelpWindow, &gHelpButtonRect[0], "ReturnHyperToHelp",
     [] { gInstructionsShowing = true; }},
    // Adding and clearing change the merge list itself and then refill the window's list from it.
    {"text merge add", &myTextMergeWindow, &gTextMergeAddRect, "PutTextMergeInList", NothingToPrepare},
    {"text merge clear", &myTextMergeWindow, &gTextMergeClearRect, "PutTextMergeInList", NothingToPrepare},
    {"media queue pause", &myMediaQueueWindow, &gMediaQueuePauseRect, "pauseMovies", NothingToPrepare},
};

TEST_F(ToolWindowClicks, AButtonCallsItsOperationOnlyWhenLetGoInsideIt) {
    for (const ButtonCase& c : kButtonCases) {
        ResetToolWindowState();
        *c.window = window;
        *c.button = kButton;
        c.prepare();
        gCalls.clear();
        ClickAndRelease(kInside, kOutside);
        EXPECT_FALSE(Called(c.operation)) << c.name << ": let go outside";
        ClickAndRelease(kInside, kInside);
        EXPECT_TRUE(Called(c.operation)) << c.name;
        EXPECT_FALSE(geeMouseIsDown) << c.name;
        *c.window = nullptr;
    }
}

TEST_F(ToolWindowClicks, CompilingFromTheEditorReportsAMacroThatDidNotCompile) {
    myMacroEditorWindow = window;
    gMacroCompileRect = kButton;
    ClickAndRelease(kInside, kInside);
    const auto messages = RecordedErrorMessages();
    EXPECT_NE(std::find(messages.begin(), messages.end(), "Macro not compiled"), messages.end());
}

struct ToggleCase {
    const char* name;
    WindowPtr* window;
    Rect* button;
    SInt32 (*state)();
};

const ToggleCase kToggleCases[] = {
    {"functions opacity", &myFunctionsWindow, &gFunctionsOpacityRect,
     [] { return SInt32(gFunctionsOpacity); }},
    {"macro monitor opacity", &myMacroMonitorWindow, &gMacroMonitorOpacityRect,
     [] { return SInt32(gMacroMonitorOpacity); }},
    {"macro editor opacity", &myMacroEditorWindow, &gMacroOpacityRect,
     [] { return SInt32(gMacroEditOpacity); }},
    {"help opacity", &myHelpWindow, &gHelpOpacityRect, [] { return SInt32(gHelpOpacity); }},
    {"text merge opacity", &myTextMergeWindow, &gTextMergeOpacityRect,
     [] { return SInt32(gTextMergeWinOpacity); }},
    {"media queue opacity", &myMediaQueueWindow, &gMediaQueueOpacityRect,
     [] { return SInt32(gMediaQueueWinOpacity); }},
    {"macro monitor auto-pause", &myMacroMonitorWindow, &gMacroMonitorAutoPauseRect,
     [] { return SInt32(gMacroMonitorAutoPauseOn); }},
    {"macro monitor inspect", &myMacroMonitorWindow, &gMacroMonitorInspectRect,
     [] { return SInt32(gInspectOn); }},
    {"text merge switch", &myTextMergeWindow, &gTextMergeEnableRect,
     [] { return SInt32(GetPref(gThePreferences, kPrefAllowTextMerge)); }},
    {"media queue repeat", &myMediaQueueWindow, &gMediaQueueRepeatRect,
     [] { return SInt32(gLoopPlayingMovies); }},
    {"media queue pause", &myMediaQueueWindow, &gMediaQueuePauseRect,
     [] { return SInt32(gPausePlayingMovies); }},
};

// Opacity buttons switch between 100 and 50 per cent; the other switches flip and flip back.
TEST_F(ToolWindowClicks, SwitchButtonsFlipTheirStateWhenLetGoInsideAndOnlyThen) {
    for (const ToggleCase& c : kToggleCases) {
        ResetToolWindowState();
        *c.window = window;
        *c.button = kButton;
        const SInt32 start = c.state();
        ClickAndRelease(kInside, kOutside);
        EXPECT_EQ(c.state(), start) << c.name << ": let go outside";
        ClickAndRelease(kInside, kInside);
        const SInt32 flipped = c.state();
        EXPECT_NE(flipped, start) << c.name;
        if (std::string(c.name).find("opacity") != std::string::npos) {
            EXPECT_EQ(start, 100) << c.name;
            EXPECT_EQ(flipped, 50) << c.name;
            EXPECT_FLOAT_EQ(GetWindowAlpha(window), 0.5f) << c.name;
        }
        ClickAndRelease(kInside, kInside);
        EXPECT_EQ(c.state(), start) << c.name << ": twice";
        *c.window = nullptr;
    }
}

// The size box of a list window is the window handler's: a click there is reported and does nothing, even
// on a button or the list that reach into the corner.
TEST_F(ToolWindowClicks, TheSizeCornerOfAListWindowIsReportedAndDoesNothing) {
    const Point corner{292, 392}; // the window is 300 high and 400 wide
    const Rect reaching{250, 300, 300, 400};
    struct {
        const char* name;
        WindowPtr* window;
        Rect* button;
    } cases[] = {
        {"functions", &myFunctionsWindow, &gFunctionsHelpRect},
        {"macro monitor", &myMacroMonitorWindow, &gMacroMonitorKillRect},
        {"hypertext drawer", &hypertextDrawerWindow, nullptr},
        {"text merge", &myTextMergeWindow, &gTextMergeClearRect},
        {"media queue", &myMediaQueueWindow, &gMediaQueuePauseRect},
    };
    for (const auto& c : cases) {
        ResetToolWindowState();
        gCalls.clear();
        ClearRecordedErrorMessages();
        *c.window = window;
        if (c.button) *c.button = reaching;
        ClickAndRelease(corner, corner);
        const auto messages = RecordedErrorMessages();
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_EQ(messages[0], kCornerMessage) << c.name;
        EXPECT_TRUE(gCalls.empty()) << c.name << " called " << (gCalls.empty() ? "" : gCalls[0]);
        *c.window = nullptr;
    }
}

TEST_F(ToolWindowClicks, ADoubleClickInTheMacroMonitorListIsReported) {
    myMacroMonitorWindow = window;
    gMacroMonitorListRect = Rect{0, 0, 160, 385};
    MacroMonitorListHandle = MakeList(kMacroSlots, gMacroMonitorListRect);
    const Point row{20, 40};
    ClickAndRelease(row, row);
    EXPECT_TRUE(RecordedErrorMessages().empty());
    ClickAndRelease(row, row, 2);
    const auto messages = RecordedErrorMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Not sure what to do when double click macro monitor list");
}

TEST_F(ToolWindowClicks, ABehindWindowIsOnlyBroughtForwardUnlessItTakesClicksAnywhere) {
    const Rect bounds{150, 150, 300, 300};
    WindowPtr other = NewCWindow(nullptr, &bounds, nullptr, true, 0, kFirstWindowOfClass, false, 0);
    SelectWindow(other);
    ASSERT_NE(FrontNonFloatingWindow(), window);
    myTextMergeWindow = window;
    gTextMergeClearRect = kButton;
    ClickAndRelease(kInside, kInside);
    EXPECT_FALSE(Called("PutTextMergeInList"));
    EXPECT_EQ(FrontNonFloatingWindow(), window);
    ClickAndRelease(kInside, kInside);
    EXPECT_TRUE(Called("PutTextMergeInList"));
    myTextMergeWindow = nullptr;
    // The functions window takes its clicks from behind.
    SelectWindow(other);
    myFunctionsWindow = window;
    gFunctionsHelpRect = kButton;
    ClickAndRelease(kInside, kInside);
    EXPECT_TRUE(Called("PutFunctionHelpInList"));
    DisposeWindow(other);
}

// Rows are held in a vector; the list is refilled from it as a window refills its list from its data.
class ListRows : public ToolWindowClicks {
  protected:
    void Fill(SInt16 rows) {
        data.clear();
        for (SInt16 row = 0; row < rows; ++row)
            data.push_back("row " + std::to_string(row));
        if (list) LDispose(list);
        list = MakeList(rows, Rect{0, 0, 60, 200}); // a few rows show
    }
    void Refill() {
        LDelRow(0, 0, list);
        for (const std::string& text : data) {
            Str255 line{UInt8(text.size())};
            std::copy(text.begin(), text.end(), line + 1);
            AddToList(line, list);
        }
    }
    ListRowOperations Operations() {
        return ListRowOperations{[this](SInt32 row) { data.erase(data.begin() + row); },
                                 [this](SInt32 a, SInt32 b) {
                                     std::swap(data[size_t(a)], data[size_t(b)]);
                                     return true;
                                 },
                                 [this] { Refill(); }, nullptr};
    }
    std::vector<SInt16> Selected() {
        std::vector<SInt16> rows;
        Cell cell{0, 0};
        while (LGetSelect(true, &cell, list)) {
            rows.push_back(cell.v);
            cell = Cell{SInt16(cell.v + 1), 0};
        }
        return rows;
    }
    std::vector<std::string> data;
};

TEST_F(ListRows, RemovingSelectsTheRowAtTheFirstRemovedPlaceOrTheNewLastRow) {
    struct {
        SInt16 rows;
        std::vector<SInt16> selected;
        std::vector<std::string> left;
        std::vector<SInt16> selectedAfter;
    } cases[] = {
        {5, {1, 2}, {"row 0", "row 3", "row 4"}, {1}},
        {5, {0, 4}, {"row 1", "row 2", "row 3"}, {0}},
        {5, {3, 4}, {"row 0", "row 1", "row 2"}, {2}},
        {5, {4}, {"row 0", "row 1", "row 2", "row 3"}, {3}},
        {2, {0, 1}, {}, {}},
        {3, {}, {"row 0", "row 1", "row 2"}, {}},
    };
    for (const auto& c : cases) {
        Fill(c.rows);
        for (const SInt16 row : c.selected)
            LSetSelect(true, Cell{row, 0}, list);
        RemoveSelectedRows(list, Operations());
        EXPECT_EQ(data, c.left) << c.rows << " rows, first selected "
                                << (c.selected.empty() ? -1 : c.selected[0]);
        EXPECT_EQ(Selected(), c.selectedAfter);
        EXPECT_EQ(LCountRows(list), SInt16(c.left.size()));
    }
}

TEST_F(ListRows, RemovingKeepsTheScrollUnlessThatHidesTheSelection) {
    Fill(20);
    LScroll(10, list);
    ASSERT_EQ(LTopRow(list), 10);
    LSetSelect(true, Cell{11, 0}, list);
    RemoveSelectedRows(list, Operations());
    EXPECT_EQ(LTopRow(list), 10);
    EXPECT_EQ(Selected(), std::vector<SInt16>{11});
    // The last row removed while the top of the list shows: the new last row is scrolled into view.
    LScroll(SInt16(-LTopRow(list)), list);
    LSetSelect(false, Cell{11, 0}, list);
    LSetSelect(true, Cell{18, 0}, list);
    RemoveSelectedRows(list, Operations());
    EXPECT_EQ(Selected(), std::vector<SInt16>{17});
    EXPECT_LE(LTopRow(list), 17);
    const SInt16 shown = SInt16(RectHeight(LGetView(list)) / LGetCellSize(list).v);
    EXPECT_GT(LTopRow(list) + shown, 17);
}

TEST_F(ListRows, MovingSwapsWithTheNeighbourButNotPastEitherEnd) {
    struct {
        SInt16 selected;
        SInt16 direction;
        std::vector<std::string> after;
        SInt16 selectedAfter;
    } cases[] = {
        {1, -1, {"row 1", "row 0", "row 2"}, 0},
        {1, 1, {"row 0", "row 2", "row 1"}, 2},
        {0, -1, {"row 0", "row 1", "row 2"}, 0},
        {2, 1, {"row 0", "row 1", "row 2"}, 2},
    };
    for (const auto& c : cases) {
        Fill(3);
        LSetSelect(true, Cell{c.selected, 0}, list);
        MoveSelectedRow(list, c.direction, Operations());
        EXPECT_EQ(data, c.after) << "row " << c.selected << " by " << c.direction;
        EXPECT_EQ(Selected(), std::vector<SInt16>{c.selectedAfter});
    }
    // Nothing selected: nothing moves.
    Fill(3);
    MoveSelectedRow(list, 1, Operations());
    EXPECT_EQ(data, (std::vector<std::string>{"row 0", "row 1", "row 2"}));
}

TEST_F(ToolWindowClicks, TheGroupPopupChoosesTheGroupSortsAndStartsOrEndsTheSearch) {
    struct {
        const char* name;
        SInt16 showInfo;
        SInt16 group;
        SInt16 item;
        SInt16 groupAfter;
        std::vector<std::string> calls;
    } cases[] = {
        {"search from the list", 0, 0, 11, 10, {"CreateFunctionsSearchField", "PutFunctionsInList"}},
        {"search from a description", 1, 0, 11, 10, {}},
        {"the group already shown", 0, 3, 4, 3, {}},
        {"another group ends the search", 0, 10, 3, 2, {"RemoveFunctionsSearchField", "PutFunctionsInList"}},
        {"sorting on the list", 0, 2, 13, 2, {"PutFunctionsInList"}},
        {"sorting on a description", 1, 2, 13, 2, {}},
    };
    for (const auto& c : cases) {
        gFunctionsShowInfo = c.showInfo;
        gFunctionsListSelect = c.group;
        gSortFunctions = 0;
        gCalls.clear();
        FunctionsGroupChosen(c.item);
        EXPECT_EQ(gFunctionsListSelect, c.groupAfter) << c.name;
        EXPECT_EQ(gCalls, c.calls) << c.name;
        EXPECT_EQ(gSortFunctions, c.item == 13 ? 1 : 0) << c.name;
    }
}

TEST(MacroEditorText, TheCommandWindowGetsTheSelectionOrTheCaretsWholeLine) {
    const std::string text = "first line\rsecond [name] here\r\rlast";
    struct {
        SInt32 start, end;
        const char* expected;
    } cases[] = {
        {0, 5, "first"},
        {3, 3, "first line"},
        {11, 11, "second [name] here"},
        {10, 10, "first line"},
        {30, 30, ""},
        {31, 31, "last"},
        {35, 35, "last"},
        {-4, 999, "first line\rsecond [name] here\r\rlast"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandTextFromSelection(text, c.start, c.end), c.expected) << c.start << ".." << c.end;
}

TEST(MacroEditorText, ADoubleClickedNameTakesInItsBrackets) {
    const std::string text = "go [name] [half x] y]";
    struct {
        SInt32 start, end, startAfter, endAfter;
    } cases[] = {
        {4, 8, 3, 9},     // [name]
        {11, 15, 10, 15}, // [half: no bracket after
        {16, 17, 16, 18}, // x]: only the bracket after
        {0, 2, 0, 2},     // at the start of the text
        {19, 20, 19, 21}, // y]: the bracket at the end of the text
    };
    for (const auto& c : cases) {
        SInt32 start = c.start;
        SInt32 end = c.end;
        WidenSelectionToBrackets(text, &start, &end);
        EXPECT_EQ(start, c.startAfter) << c.start;
        EXPECT_EQ(end, c.endAfter) << c.start;
    }
}

// A typed key goes to the first open tool window (in a fixed order) whose edit field holds the focus.
TEST_F(ToolWindowClicks, ATypedKeyGoesToTheToolWindowWhoseFieldHoldsTheFocus) {
    MyDialogRec findDialog{}, commandDialog{}, dictionaryDialog{};
    struct {
        const char* name;
        WindowPtr* window;
        MyDialogRec** dialog;
        MyDialogRec* record;
        const char* handler;
    } windows[] = {
        {"find", &myFindReplaceWindow, &gFindReplaceDialog, &findDialog, "KeyInFindReplaceWindow"},
        {"command", &myCommandWindow, &gCommandDialog, &commandDialog, "KeyInCommandWindow"},
        {"dictionary", &mySearchDictWindow, &gSearchDictDialog, &dictionaryDialog, "KeyInSearchDictWindow"},
    };
    PlatformEvent key{};
    key.kind = EventKind::KeyDown;
    key.charCode = 'a';
    for (const auto& w : windows) {
        *w.window = window;
        *w.dialog = w.record;
    }
    for (const auto& w : windows) {
        gHasfocusDialog = w.record;
        gCalls.clear();
        DoKeyDown(key);
        EXPECT_EQ(gCalls, std::vector<std::string>{w.handler}) << w.name;
    }
    // The focus in a window that is closed, or in no window's dialog: no tool window takes the key.
    myCommandWindow = nullptr;
    gHasfocusDialog = &commandDialog;
    gCalls.clear();
    DoKeyDown(key);
    EXPECT_TRUE(gCalls.empty());
    gHasfocusDialog = nullptr;
    DoKeyDown(key);
    EXPECT_TRUE(gCalls.empty());
    for (const auto& w : windows) {
        *w.window = nullptr;
        *w.dialog = nullptr;
    }
}

// The functions window's search field is asked first, and keeps the focus only while the list shows the
// search.
TEST_F(ToolWindowClicks, TheSearchFieldTakesKeysOnlyWhileTheSearchShows) {
    int field = 0;
    FunctionsSearchWEHandle = reinterpret_cast<WEReference>(&field);
    PlatformEvent key{};
    key.kind = EventKind::KeyDown;
    key.charCode = 'a';
    struct {
        SInt16 group;
        bool asked;
    } cases[] = {{kFunctionsSearchGroup, true}, {3, false}};
    for (const auto& c : cases) {
        gFunctionsListSelect = c.group;
        gFunctionsSearchHasFocus = true;
        gCalls.clear();
        DoKeyDown(key);
        EXPECT_EQ(Called("KeyInFunctionsSearchField"), c.asked) << c.group;
        EXPECT_EQ(gFunctionsSearchHasFocus, c.asked) << c.group;
    }
    FunctionsSearchWEHandle = nullptr;
}

// A click in the functions window gives its search field the focus; a click elsewhere takes it away.
TEST_F(ToolWindowClicks, AClickInTheFunctionsWindowGivesItsSearchFieldTheFocus) {
    myFunctionsWindow = window;
    gFunctionsSearchBoxRect = kButton;
    ClickAndRelease(kInside, kInside);
    EXPECT_FALSE(gFunctionsSearchHasFocus) << "no search field";
    EXPECT_FALSE(Called("ClickInFunctionsSearchField"));
    myFunctionsWindow = nullptr;
    myTextMergeWindow = window;
    gFunctionsSearchHasFocus = true;
    ClickAndRelease(kOutside, kOutside);
    EXPECT_FALSE(gFunctionsSearchHasFocus);
}

} // namespace

namespace {

// What a macro reads about a click: the macro editor's values change, the help window's stay.
TEST_F(ToolWindowClicks, AClickOutsideTheMacroEditorsTextLeavesTheHelpValuesAlone) {
    myMacroEditorWindow = window;
    gMacroEditTextRect = Rect{0, 0, 150, 385};
    gMacroExtraRect = Rect{284, 0, 300, 385};
    gHelpMouseClickedVariable = 0;
    gHelpMouseTextPosAtClickVariable = 7;
    gMEMouseTextPosAtClickVariable = 3;
    ClickAndRelease(Point{290, 100}, Point{290, 100});
    EXPECT_EQ(gMEMouseClickedVariable, 1);
    EXPECT_EQ(gMEMouseTextPosAtClickVariable, -1);
    EXPECT_EQ(gHelpMouseClickedVariable, 0);
    EXPECT_EQ(gHelpMouseTextPosAtClickVariable, 7);
}

} // namespace

namespace {

// The progress bar and the inspect button leave the mouse counted as down: the bar follows the mouse and
// the strip is read while the button is held. Every other click ends with the mouse counted as up.
TEST_F(ToolWindowClicks, OnlyTheProgressBarAndInspectKeepTheMouseCountedAsDown) {
    struct {
        const char* name;
        WindowPtr* window;
        Rect* part;
        const char* operation;
        bool staysDown;
    } cases[] = {
        {"media progress bar", &myMediaQueueWindow, &gMediaQueueProgressRect, "SetPlayingMovieTimePercentage",
         true},
        {"macro monitor inspect", &myMacroMonitorWindow, &gMacroMonitorInspectRect, nullptr, true},
        {"media loop", &myMediaQueueWindow, &gMediaQueueLoopRect, nullptr, false},
        {"macro monitor kill", &myMacroMonitorWindow, &gMacroMonitorKillRect, nullptr, false},
    };
    for (const auto& c : cases) {
        ResetToolWindowState();
        *c.window = window;
        *c.part = kButton;
        ClickAndRelease(kInside, kInside);
        EXPECT_EQ(geeMouseIsDown, c.staysDown) << c.name;
        if (c.operation) {
            EXPECT_TRUE(Called(c.operation)) << c.name;
        }
        *c.window = nullptr;
    }
}

// A click in the hypertext drawer's list makes the clicked link the selected one; with only that row
// selected, the current link is left as it is.
TEST_F(ToolWindowClicks, AClickInTheHypertextDrawerSelectsTheLink) {
    hypertextDrawerWindow = window;
    HypertextListHandle = MakeList(5, Rect{0, 0, 160, 385});
    gHypertextCurrentLinkSelected = 4;
    ClickAndRelease(Point{5, 40}, Point{5, 40});
    EXPECT_TRUE(Called("SelectHypertext"));
    EXPECT_FALSE(Called("SetHypertextNumAndCurrent"));
    EXPECT_EQ(gHypertextCurrentLinkSelected, 4);
}

} // namespace
