// The nonverbal-cue window: where it opens, its place over the prompter (upright and flipped, with text
// and empty), and filling it again with a shorter text after a long one.
#include "scroll/nonverbal_window.h"

#include "platform/memory.h"
#include "platform/screens.h"
#include "platform/windows.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_windows.h"
#include "scroll/tool_windows.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Away from the origin, so that no window frame is pushed back onto the real screen.
const Rect kLeft{100, 100, 900, 1380};
const Rect kRight{100, 1380, 900, 2660};
const Rect kPrompter{300, 200, 700, 1000};

class Nonverbal : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        UseFakeScreens({kLeft, kRight}, {});
        UsePlainOutput();
        SetWindowPlace(gPositionPreferences, kPlaceNonverbalMoved, Rect{});
    }
    void TearDown() override {
        CloseNonverbalWindow();
        if (myNonverbalText) DisposeHandle(myNonverbalText), myNonverbalText = nullptr;
        PrompterFixture::TearDown();
        EndFakeScreens();
    }
    static Rect Content() {
        Rect r{};
        GetWindowBounds(myNonverbalWindow, kWindowContentRgn, &r);
        return r;
    }
    static void Fill(const std::string& text) {
        if (myNonverbalText) DisposeHandle(myNonverbalText);
        myNonverbalText = NewHandle(Size(text.size()));
        std::memcpy(*myNonverbalText, text.data(), text.size());
        ASSERT_TRUE(PutNonverbalTextInBox());
    }
    static std::string Shown() {
        return std::string(*WEGetText(NonverbalWEHandle), size_t(WEGetTextLength(NonverbalWEHandle)));
    }
};

TEST_F(Nonverbal, OpensAtItsSavedPlaceOrBelowTheMenuBarInTheMiddle) {
    // A fallback place (top 0 here) stands just below the menu bar, the window's own frame clear of it.
    struct Case {
        const char* what;
        Rect saved;
        Rect expected;
    };
    const Case cases[] = {
        {"saved on the second screen", {200, 1400, 280, 2000}, {200, 1400, 280, 2000}},
        {"saved off every screen", {1000, 0, 1100, 600}, {0, 500, 100, 980}},
        {"never saved", {}, {0, 500, 100, 980}},
    };
    for (const Case& c : cases) {
        SetWindowPlace(gPositionPreferences, kPlaceNonverbal, c.saved);
        OpenNonverbalWindow();
        ASSERT_NE(myNonverbalWindow, nullptr) << c.what;
        Rect expected = c.expected;
        if (expected.top == 0) OffsetRect(&expected, 0, DefaultToolWindowTop(myNonverbalWindow));
        const Rect content = Content();
        EXPECT_TRUE(EqualRect(&content, &expected)) << c.what << ": " << content.top << "," << content.left
                                                    << "," << content.bottom << "," << content.right;
        EXPECT_NE(NonverbalWEHandle, nullptr) << c.what;
        EXPECT_TRUE(gNonverbalHasntMoved) << c.what;
        CloseNonverbalWindow();
        EXPECT_EQ(NonverbalWEHandle, nullptr) << c.what;
    }
}

TEST_F(Nonverbal, OpenedWhileScrollingOverThePrompterItStaysHidden) {
    SetWindowPlace(gPositionPreferences, kPlacePrompter, kPrompter);
    SetWindowPlace(gPositionPreferences, kPlaceNonverbal, Rect{250, 200, 350, 1000});
    gScrollOn = 1;
    OpenNonverbalWindow();
    ASSERT_NE(myNonverbalWindow, nullptr);
    EXPECT_FALSE(IsWindowVisible(myNonverbalWindow));
    gScrollOn = 0;
    Fill("Smile.");
    MoveNonverbalToDisplayPosition(true);
    EXPECT_TRUE(IsWindowVisible(myNonverbalWindow));
    EXPECT_FALSE(gNonverbalHasntMoved);
}

TEST_F(Nonverbal, FillingAgainReplacesTheWholeOldText) {
    OpenNonverbalWindow();
    ASSERT_NE(NonverbalWEHandle, nullptr);
    Fill(std::string(40000, 'x'));
    EXPECT_EQ(WEGetTextLength(NonverbalWEHandle), 40000);
    Fill("Smile. Look up.");
    EXPECT_EQ(Shown(), "Smile. Look up.");
    Fill("");
    EXPECT_EQ(Shown(), "");
    EXPECT_TRUE(AddNonverbalText("\x05Pause", -1));
    EXPECT_EQ(Shown(), "Pause");
    ASSERT_NE(myNonverbalText, nullptr) << "the copy follows the window's text";
    EXPECT_EQ(std::string(*myNonverbalText, size_t(GetHandleSize(myNonverbalText))), "Pause");
}

TEST_F(Nonverbal, AtItsDisplayPlaceItSitsOnThePromptersEdge) {
    OpenAt(kPrompter);
    SetWindowPlace(gPositionPreferences, kPlacePrompter, kPrompter);
    OpenNonverbalWindow();
    ASSERT_NE(NonverbalWEHandle, nullptr);
    struct Case {
        const char* what;
        std::string text;
        bool flip;
    };
    const Case cases[] = {
        {"upright", "Breathe.\rSlow down.", false},
        {"flipped", "Breathe.\rSlow down.", true},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        SetPref(gThePreferences, kPrefFlip, c.flip ? 1 : 0);
        if (c.flip) CreateOffscreenWindows();
        Fill(c.text);
        MoveNonverbalToDisplayPosition(true);
        const Rect content = Content();
        EXPECT_EQ(content.left, kPrompter.left) << c.what;
        EXPECT_EQ(RectWidth(content), RectWidth(kPrompter)) << c.what;
        // No text leaves nothing to show: the window keeps out of sight rather than showing a stale one.
        EXPECT_EQ(IsWindowVisible(myNonverbalWindow), !c.text.empty()) << c.what;
        if (!c.text.empty()) {
            EXPECT_EQ(RectHeight(content), WEGetHeight(0, 2, NonverbalWEHandle)) << c.what;
        }
        if (c.flip) {
            EXPECT_EQ(content.bottom, kPrompter.bottom) << c.what;
        } else if (!c.text.empty()) {
            EXPECT_EQ(content.top, kPrompter.top) << c.what;
        }
        EXPECT_EQ(Shown(), c.text) << c.what << ": the text survives the move";
        if (c.flip) DestroyOffscreenWindows();
    }
}

} // namespace
