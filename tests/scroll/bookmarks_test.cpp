// Bookmark slots, names and the two stacks, bookmarks kept true to the text as it is edited, the search
// for the next one and the jumps to it in an open prompter, and pausing with the start delay.
#include "scroll/bookmarks.h"

#include "platform/memory.h"
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"
#include "scroll/cue_marker.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/script_documents.h"
#include "textengine/text_engine.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void SetSlots(const std::vector<SInt32>& slots) {
    CleanUpBookmarkList(1);
    for (size_t i = 0; i < slots.size(); ++i)
        AppendStoredBookmark(slots[i]);
}

std::vector<SInt32> Slots() {
    std::vector<SInt32> slots;
    for (SInt16 i = 0; i < gNumBookmarks; ++i)
        slots.push_back(GetBookmarkOffset(i));
    return slots;
}

std::string Name(SInt16 slot) {
    const StringPtr name = GetBookmarkName(slot);
    return name ? std::string(PStringView(name)) : "(none)";
}

void SetName(SInt16 slot, const std::string& text) {
    Str255 name;
    name[0] = UInt8(text.size());
    std::memcpy(name + 1, text.data(), text.size());
    SetBookmarkName(slot, name);
}

class BookmarkSlots : public ::testing::Test {
  protected:
    void TearDown() override {
        CleanUpBookmarkList(1);
        gDontQuitWithoutSaving = false;
    }
};

TEST_F(BookmarkSlots, SetUnsetCleanUpAndSort) {
    struct Case {
        const char* what;
        std::vector<SInt32> before;
        void (*act)();
        std::vector<SInt32> after;
    };
    const Case cases[] = {
        {"a new bookmark fills the first empty slot",
         {100, -1, 300},
         [] { SetBookmark(-1, 500, 1); },
         {100, 500, 300}},
        {"or goes after the last", {100, 200}, [] { SetBookmark(-1, 500, 1); }, {100, 200, 500}},
        {"a slot past the end grows the list", {100}, [] { SetBookmark(3, 50, 1); }, {100, -1, -1, 50}},
        {"unsetting the last slot drops the empty ones before it",
         {100, -1, 300},
         [] { UnsetBookmark(-1); },
         {100}},
        {"unsetting inside leaves an empty slot", {100, 200}, [] { UnsetBookmark(0); }, {-1, 200}},
        {"clean-up removes the empty slots", {-1, 100, -1, 300}, [] { CleanUpBookmarkList(0); }, {100, 300}},
        {"or every slot", {100, 300}, [] { CleanUpBookmarkList(1); }, {}},
        {"sorting puts empty slots first", {300, -1, 100}, [] { SortBookmarkList(); }, {-1, 100, 300}},
    };
    for (const Case& c : cases) {
        SetSlots(c.before);
        gDontQuitWithoutSaving = false;
        c.act();
        EXPECT_EQ(Slots(), c.after) << c.what;
    }
    SetSlots({});
    SetBookmark(-1, 5, 1);
    EXPECT_TRUE(gDontQuitWithoutSaving) << "a bookmark the user sets is an unsaved change";
}

TEST_F(BookmarkSlots, NamesFollowTheirBookmarks) {
    SetSlots({300, -1, 100, 200});
    SetName(0, "Close");
    SetName(2, "Open");
    EXPECT_EQ(Name(0), "Close");
    EXPECT_EQ(Name(1), "(none)");
    EXPECT_EQ(Name(3), "(none)") << "past the names' count";

    SortBookmarkList();
    EXPECT_EQ(Slots(), (std::vector<SInt32>{-1, 100, 200, 300}));
    EXPECT_EQ(Name(1), "Open");
    EXPECT_EQ(Name(3), "Close");

    CleanUpBookmarkList(0);
    EXPECT_EQ(Slots(), (std::vector<SInt32>{100, 200, 300}));
    EXPECT_EQ(Name(0), "Open");
    EXPECT_EQ(Name(2), "Close");

    SetBookmark(2, 250, 0);
    EXPECT_EQ(Name(2), "(none)") << "a slot set anew loses its old name";
    EXPECT_EQ(gBookmarkNames != nullptr, true);
    SetName(0, "");
    EXPECT_EQ(gBookmarkNames, nullptr) << "no names left, no names handle";
}

TEST_F(BookmarkSlots, EditsMoveEachBookmarkByItsOwnOffset) {
    struct Case {
        const char* what;
        std::vector<SInt32> before;
        SInt32 offset, newLength, oldLength;
        std::vector<SInt32> after;
    };
    const Case cases[] = {
        {"an insertion at a bookmark leaves it; after it moves",
         {100, 101, 50, -1},
         100,
         5,
         0,
         {100, 106, 50, -1}},
        {"an insertion between bookmarks", {10, 50, 90}, 40, 5, 0, {10, 55, 95}},
        {"a deletion before, inside and after", {50, 100, 200}, 90, 0, 60, {50, 90, 140}},
        {"two inside become one at the run's start", {100, 120}, 90, 0, 60, {90, -1}},
        {"one already at the start takes precedence", {120, 90}, 90, 0, 60, {-1, 90}},
        {"a bookmark at the run's end moves to its start", {150}, 90, 0, 60, {90}},
        {"slots out of order: the one after the run is kept", {200, 100}, 90, 0, 60, {140, 90}},
        {"a replacement by less text", {95, 200}, 90, 2, 10, {90, 192}},
    };
    for (const Case& c : cases) {
        SetSlots(c.before);
        AdjustBookmarks(c.offset, c.newLength, c.oldLength);
        EXPECT_EQ(Slots(), c.after) << c.what;
    }
}

TEST_F(BookmarkSlots, TheNextBookmarkIsTheFirstInSlotOrderInTheDirection) {
    SetSlots({300, -1, 100});
    SInt16 slot = -2;
    EXPECT_EQ(GetNextBookMark(50, 1, &slot), 300);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(GetNextBookMark(250, -1, &slot), 100);
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(GetNextBookMark(301, 1, &slot), -1);
    EXPECT_EQ(slot, -1);
}

TEST(DelayedStart, CountsSecondsAsTicksAndNeverOverflows) {
    for (const auto& [seconds, ticks] :
         std::vector<std::pair<SInt32, SInt32>>{{5, 300},
                                                {0, 0},
                                                {-4, 0},
                                                {kMaxDelaySeconds, kMaxDelaySeconds * 60},
                                                {0x7FFFFFFF, kMaxDelaySeconds * 60}}) {
        PauseOff(0);
        DelayScrollStart(seconds);
        EXPECT_EQ(gDelayScroll, ticks) << seconds << " seconds";
        EXPECT_GE(gDelayScroll, 0);
        EXPECT_TRUE(gPaused);
    }
}

// A prompter with forty numbered lines.
class BookmarksInThePrompter : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UsePlainOutput();
        OpenAt(Rect{40, 40, 240, 440});
        std::string script;
        for (int line = 0; line < 40; ++line)
            script += "Line " + std::to_string(line) + "\r";
        SetScript(script);
        ScrollRecalText();
        GetCurrentScrollPos();
    }
    void TearDown() override {
        CleanUpBookmarkList(1);
        ClearAllTemporaryBookmarks();
        ClearAllReturnBookmarks();
        PauseOff(0);
        PrompterFixture::TearDown();
    }
    static SInt32 LineStart(SInt32 line) {
        SInt32 start = 0, end = 0;
        WEGetLineRange(line, &start, &end, ScrollWEHandle);
        return start;
    }
    static SInt32 CueLine() { return WEOffsetToLine(GetScrollAdjustedCharacter(), ScrollWEHandle); }
};

TEST_F(BookmarksInThePrompter, JumpsWalkFromBookmarkToBookmarkAndBack) {
    for (SInt32 line : {5, 12, 20})
        SetBookmark(-1, LineStart(line) + 2, 0);
    std::vector<SInt32> visited;
    for (int jump = 0; jump < 4; ++jump) {
        ScrollJumpToBookmark(1);
        visited.push_back(CueLine());
    }
    EXPECT_EQ(visited, (std::vector<SInt32>{5, 12, 20, 20})) << "past the last one the text stays";
    ScrollJumpToBookmark(-1);
    EXPECT_EQ(CueLine(), 12);
    EXPECT_TRUE(GoToBookmark(0));
    EXPECT_EQ(CueLine(), 5);
    EXPECT_FALSE(GoToBookmark(3));
}

TEST_F(BookmarksInThePrompter, TemporaryAndReturnBookmarksAreStacks) {
    gEditOn = 1;
    WESetSelection(LineStart(7), LineStart(7) + 3, 0, ScrollWEHandle);
    SetTemporaryBookmark();
    WESetSelection(LineStart(15), LineStart(15) + 3, 0, ScrollWEHandle);
    SetTemporaryBookmark();
    EXPECT_EQ(gNumTempBookmarks, 2);
    // Selecting scrolled the selection into view; start again from the top.
    GetCurrentScrollPos();
    ScrollScrollToBeginning(0);
    GoToTemporaryBookmark(0);
    EXPECT_EQ(gNumTempBookmarks, 1);
    EXPECT_EQ(CueLine(), 0) << "popped without going there";
    GoToTemporaryBookmark(1);
    EXPECT_EQ(gNumTempBookmarks, 0);
    EXPECT_EQ(CueLine(), 7);
    GoToTemporaryBookmark(1);
    EXPECT_EQ(CueLine(), 7) << "an empty stack does nothing";

    gOutName = "Talk.txt";
    gOutPath = "/scripts/";
    ASSERT_EQ(SetReturnBookmark(1, LineStart(3)), noErr);
    ASSERT_EQ(SetReturnBookmark(0, LineStart(25)), noErr);
    SInt32 offset = 0;
    std::string name, folder;
    ASSERT_TRUE(PeekReturnBookmark(&offset, &name, &folder));
    EXPECT_EQ(offset, LineStart(25));
    EXPECT_EQ(name, "");
    GoToReturnBookmark(1);
    EXPECT_EQ(CueLine(), 25);
    ASSERT_TRUE(PeekReturnBookmark(&offset, &name, &folder));
    EXPECT_EQ(name, "Talk.txt");
    EXPECT_EQ(folder, "/scripts/");
    GoToReturnBookmark(0);
    EXPECT_EQ(CueLine(), 3) << "without opening, the return goes to the place in this document";
    EXPECT_EQ(gNumInReturnStack, 0);
    gOutName.clear();
    gOutPath.clear();
}

TEST_F(BookmarksInThePrompter, PauseWithRampingWaitsForTheSpeedToReachZero) {
    gSaveScrollAmount = 40;
    for (const bool ramping : {false, true}) {
        SetPref(gThePreferences, kPrefMomentum, ramping);
        SetPref(gThePreferences, kPrefScrollSpeed, 40);
        PauseOn();
        EXPECT_EQ(IsPaused(), !ramping);
        EXPECT_EQ(gWantScrollAmount, 0);
        SetPref(gThePreferences, kPrefScrollSpeed, 0);
        EXPECT_TRUE(IsPaused());
        SetBookmark(-1, GetScrollAdjustedCharacter(), 0);
        PauseOff(0);
        EXPECT_FALSE(IsPaused());
        EXPECT_EQ(gWantScrollAmount, 40);
        EXPECT_EQ(GetPref(gThePreferences, kPrefScrollSpeed), ramping ? 0 : 40)
            << "with ramping the timer brings the speed back";
        SInt32 next = 0;
        EXPECT_EQ(GetDistanceToNextBookmark(&next), kNoBookmarkAhead)
            << "the bookmark at the cue is not the next one after a resume";
        CleanUpBookmarkList(1);
    }
}

} // namespace
