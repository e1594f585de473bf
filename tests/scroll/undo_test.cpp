// Undo and the save point: what each keeps and gives back, byte for byte, and the masks that choose it.
#include "prompter_fixture.h"

#include "effects/shapes.h"
#include "scroll/background_picture.h"
#include "scroll/bookmark_list_window.h"
#include "scroll/bookmarks.h"
#include "scroll/pause.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "scroll/undo.h"
#include "shell/script_documents.h"
#include "texttools/text_tools.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Bytes(Handle handle) {
    return handle ? std::string(*handle, size_t(GetHandleSize(handle))) : std::string("(null)");
}

Handle HandleOf(const std::string& bytes) {
    Handle handle = NewHandle(Size(bytes.size()));
    std::memcpy(*handle, bytes.data(), bytes.size());
    return handle;
}

class UndoAndSnapshot : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UsePlainOutput();
        OpenAt(Rect{60, 60, 400, 600});
    }
    void TearDown() override {
        ClearScrollState();
        gUndoAvailable = 0;
        CleanUpBookmarkList(1);
        if (gHypertextList) DisposeHandle(gHypertextList);
        gHypertextList = nullptr;
        gNumHypertext = 0;
        DisposeScrollPicture();
        PrompterFixture::TearDown();
    }
    static void Name(SInt16 slot, const char* name) {
        Str255 text;
        text[0] = UInt8(std::strlen(name));
        std::memcpy(text + 1, name, text[0]);
        SetBookmarkName(slot, text);
    }
    static void Type(SInt32 at, const std::string& text) {
        WESetSelection(at, at, 0, ScrollWEHandle);
        WEInsert(text.data(), SInt32(text.size()), nullptr, nullptr, ScrollWEHandle, 0);
        gTextHasChanged = true;
    }
    // Everything the save point must give back exactly, as bytes.
    struct State {
        std::string text, styles, slots, names, links;
        SInt32 slotCount, linkCount;
        std::string fileName, box;
        SInt16 speed;
        bool operator==(const State&) const = default;
    };
    static State Now() {
        return {Bytes(myTextResource),
                Bytes(myStyle),
                Bytes(gBookmarkList),
                Bytes(gBookmarkNames),
                Bytes(gHypertextList),
                gNumBookmarks,
                gNumHypertext,
                gFileName,
                BoxText(),
                GetPref(gThePreferences, kPrefScrollSpeed)};
    }
};

TEST_F(UndoAndSnapshot, ASavePointGivesBackTextStylesAndBookmarksWithNamesAndEmptySlotsByteForByte) {
    SetScript("Alpha beta gamma delta epsilon");
    WESetSelection(6, 10, 0, ScrollWEHandle);
    WETextStyle italic{};
    italic.face = 2;
    ASSERT_EQ(WESetStyle(weDoFace, &italic, ScrollWEHandle), noErr);
    gTextHasChanged = true;
    // Slots 1 and 2 stay empty; slot 3 is named, slot 2 has no name.
    SetBookmark(0, 6, 0);
    SetBookmark(3, 17, 0);
    Name(0, "Beta");
    Name(3, "Delta");
    gHypertextList = HandleOf(std::string(32, '\x07'));
    gNumHypertext = 1;
    gFileName = "script.txt";
    SaveScrollState(0);
    const State saved = Now();
    ASSERT_EQ(saved.slotCount, 4);
    ASSERT_NE(saved.styles, "(null)");

    Type(0, "Changed ");
    GetNewText(0);
    CleanUpBookmarkList(1);
    SetBookmark(-1, 2, 0);
    Name(0, "Other");
    DisposeHandle(gHypertextList);
    gHypertextList = nullptr;
    gNumHypertext = 0;
    gFileName = "other.txt";
    SetPref(gThePreferences, kPrefScrollSpeed, SInt16(saved.speed + 7));

    RestoreScrollState(0);
    EXPECT_EQ(Now(), saved);
    for (SInt16 slot : {1, 2})
        EXPECT_EQ(GetBookmarkOffset(slot), -1) << "slot " << slot << " stays empty";
    ASSERT_NE(GetBookmarkName(3), nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(GetBookmarkName(3)) + 1, 5), "Delta");
    WERunInfo run;
    WEGetRunInfo(7, &run, ScrollWEHandle);
    EXPECT_EQ(run.style.style.face & 2, 2) << "the prompter shows the kept styles";
    EXPECT_FALSE(gScrollStateSaved);

    // The save point is used up: a second restore, and one after clearing a new save, change nothing.
    Type(0, "Again ");
    RestoreScrollState(0);
    EXPECT_EQ(BoxText(), "Again " + saved.box);
    SaveScrollState(0);
    ClearScrollState();
    Type(0, "More ");
    RestoreScrollState(0);
    EXPECT_EQ(BoxText(), "More Again " + saved.box);
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

TEST_F(UndoAndSnapshot, TheMaskChoosesWhatUndoGivesBackAndUndoWorksOnce) {
    const struct {
        const char* name;
        std::vector<UInt16> stores; // each store follows an edit of the text and the bookmarks
        bool inhibitLast;
        std::string textAfterUndo;
        SInt32 bookmarkAfterUndo;
    } cases[] = {
        // Edits: "a" typed at 0 and the bookmark moved to 1, then "b" and 2, then "c" and 3.
        {"text and bookmarks", {11}, false, "base", 0},
        {"text only leaves the bookmarks", {9}, false, "base", 1},
        {"a text-only store drops bookmarks kept before", {11, 9}, false, "abase", 2},
        {"two stores keep the second", {11, 11}, false, "abase", 1},
        {"an inhibited store keeps the one before", {11, 11}, true, "base", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        gTextHasChanged = false;
        SetScript("base");
        CleanUpBookmarkList(1);
        SetBookmark(0, 0, 0);
        const char letters[] = {'a', 'b', 'c'};
        for (size_t i = 0; i < c.stores.size(); ++i) {
            gInhibitUndo = c.inhibitLast && i + 1 == c.stores.size();
            StoreUndoInfo(SInt16(c.stores[i]));
            gInhibitUndo = false;
            Type(0, std::string(1, letters[i]));
            SetBookmark(0, SInt32(i + 1), 0);
        }
        RestoreUndoInfo();
        EXPECT_EQ(BoxText(), c.textAfterUndo);
        EXPECT_EQ(GetBookmarkOffset(0), c.bookmarkAfterUndo);
        EXPECT_EQ(gUndoAvailable, 0);
        Type(0, "x");
        RestoreUndoInfo();
        EXPECT_EQ(BoxText(), "x" + c.textAfterUndo) << "a second undo does nothing";
    }
}

TEST_F(UndoAndSnapshot, ASavePointTakenWhileScrollingScrollsAgainUnpaused) {
    SetScript(std::string(2000, 'w'));
    StartScroll(1);
    PauseOff(0);
    ASSERT_EQ(gScrollOn, 1);
    SaveScrollState(0);
    StopScroll();
    ASSERT_EQ(gScrollOn, 0);
    RestoreScrollState(0);
    EXPECT_EQ(gScrollOn, 1);
    EXPECT_FALSE(gPaused);
    StopScroll();
}

TEST_F(UndoAndSnapshot, TheBookmarkListAndTheToolbarOpenOrCloseAsTheRestoredPreferencesSay) {
    const struct {
        const char* name;
        PrefShort pref;
        WindowPtr* window;
        void (*open)();
        void (*close)(SInt16);
    } windows[] = {
        {"bookmark list", kPrefBookmarkWindowOpen, &myBookmarkWindow, OpenBookmarkWindow,
         CloseBookmarkWindow},
        {"toolbar", kPrefToolbarOpen, &myToolbarWindow, OpenToolbarWindow, CloseToolbarWindow},
    };
    SetScript("text");
    for (const auto& w : windows) {
        for (const bool open : {false, true}) {
            SCOPED_TRACE(std::string(w.name) + (open ? " open" : " closed"));
            SetPref(gThePreferences, w.pref, open ? 1 : 0);
            SaveScrollState(0);
            SetPref(gThePreferences, w.pref, open ? 0 : 1);
            if (open) w.close(0);
            if (!open) w.open();
            RestoreScrollState(0);
            EXPECT_EQ(*w.window != nullptr, open);
        }
        w.close(0);
    }
}

TEST_F(UndoAndSnapshot, ASavePointGivesBackItsOwnCopiesOfTheBackgroundPictureAndTheShape) {
    SetScript("text");
    DisposeScrollPicture();
    gThePicture = HandleOf("picture bytes");
    gPictureRect = Rect{10, 20, 110, 220};
    gShapeChanged = true;
    std::memset(gRecentShape, 0x5a, sizeof gRecentShape);
    Handle liveShapeInfo = specialshapeinfo;
    specialshapeinfo = HandleOf("shape scan lines");
    SaveScrollState(0);

    // Changing the live ones in place must not reach the kept copies.
    (*gThePicture)[0] = 'X';
    (*specialshapeinfo)[0] = 'X';
    gPictureRect = Rect{0, 0, 5, 5};
    gShapeChanged = false;
    std::memset(gRecentShape, 0, sizeof gRecentShape);
    RestoreScrollState(0);
    EXPECT_EQ(Bytes(gThePicture), "picture bytes");
    EXPECT_EQ(gPictureRect, (Rect{10, 20, 110, 220}));
    EXPECT_EQ(Bytes(specialshapeinfo), "shape scan lines");
    EXPECT_TRUE(gShapeChanged);
    EXPECT_EQ(gRecentShape[0], 0x5a);
    EXPECT_EQ(gRecentShape[sizeof gRecentShape - 1], 0x5a);

    // A save point taken without a picture takes away one added since.
    DisposeScrollPicture();
    SaveScrollState(0);
    gThePicture = HandleOf("added later");
    RestoreScrollState(0);
    EXPECT_EQ(gThePicture, nullptr);

    DisposeHandle(specialshapeinfo);
    specialshapeinfo = liveShapeInfo;
    EXPECT_TRUE(RecordedErrorMessages().empty());
}

} // namespace
