// The prompter window with the application's resources: opening it on a screen, its text box in
// capitals and back, its offscreen worlds and full screen, and the cue marker and margins in every output.
#include "scroll/prompter_window.h"

#include "foundation/error_dialog.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "scroll/cue_marker.h"
#include "scroll/prompter_drawing.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/style_scrap.h"
#include "textengine/text_engine.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class PrompterWindow : public PrompterFixture {
  protected:
    void TearDown() override {
        StopScroll();
        PrompterFixture::TearDown();
    }
};

// Two runs: the first five characters in one size, the rest in another.
Handle TwoRunScrap() {
    Handle scrap = NewHandleClear(2 + 2 * kStyleScrapElementSize);
    const SInt16 count = 2;
    std::memcpy(*scrap, &count, 2);
    StyleScrapElement first, second;
    first.record.style.font = 20;
    first.record.style.size = 24;
    second.start = 5;
    second.record.style.font = 20;
    second.record.style.size = 36;
    second.record.style.face = 1;
    WriteStyleScrapElement(reinterpret_cast<UInt8*>(*scrap) + 2, first);
    WriteStyleScrapElement(reinterpret_cast<UInt8*>(*scrap) + 2 + kStyleScrapElementSize, second);
    return scrap;
}

TEST_F(PrompterWindow, APlaceOnNoScreenOpensInsetOnTheMainScreen) {
    OpenAt(Rect{-3000, -3000, -2500, -2400});
    const Rect screen = GetDeviceBounds(GetMainDevice());
    Rect bounds{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &bounds);
    EXPECT_EQ(bounds.left, screen.left + 5);
    EXPECT_EQ(bounds.right, screen.right - 5);
    EXPECT_EQ(bounds.bottom, screen.bottom - 4);
    EXPECT_TRUE(gPositionPrefsChanged);
    EXPECT_EQ(GetWRefCon(myScrollWindow), 1);
}

TEST_F(PrompterWindow, ScrollingInCapitalsGivesBackTheOwnTextAndStyles) {
    OpenAt(Rect{100, 100, 500, 700});
    const char kText[] = "Hello, world \x8E!"; // an accented letter stays as it is
    myTextResource = NewHandle(Size(sizeof kText - 1));
    std::memcpy(*myTextResource, kText, sizeof kText - 1);
    myStyle = TwoRunScrap();
    SetPref(gThePreferences, kPrefScrollInCapitals, 1);
    PutScrollTextInBox(false);
    ASSERT_EQ(BoxText(), kText);
    WERunInfo before;
    WEGetRunInfo(7, &before, ScrollWEHandle);

    StartScroll(1);
    EXPECT_TRUE(gScrollingInAllCAPS);
    EXPECT_EQ(BoxText(), "HELLO, WORLD \x8E!");
    EXPECT_EQ(std::string(*myTextResource, sizeof kText - 1), kText) << "the script itself never changes";

    StopScroll();
    EXPECT_FALSE(gScrollingInAllCAPS);
    EXPECT_EQ(BoxText(), kText);
    WERunInfo after;
    WEGetRunInfo(7, &after, ScrollWEHandle);
    EXPECT_EQ(after.start, before.start);
    EXPECT_EQ(after.style.style.size, 36);
    EXPECT_EQ(after.style.style.face, before.style.style.face);
}

TEST_F(PrompterWindow, FillingTheBoxStylesEveryLineAndLeavesTheEngineAsItFoundIt) {
    OpenAt(Rect{100, 100, 500, 700});
    std::string script;
    for (int i = 0; i < 200; i++)
        script += "Paragraph " + std::to_string(i) + " of the script.\r";
    myTextResource = NewHandle(Size(script.size()));
    std::memcpy(*myTextResource, script.data(), script.size());
    ASSERT_TRUE(PutScrollTextInBox(false));
    EXPECT_EQ(WEFeatureFlag(weFInhibitRecal, -1, ScrollWEHandle), 0) << "recalculation was left off";
    EXPECT_GE(WECountLines(ScrollWEHandle), 200);
    SInt32 start = -1, end = -1;
    WEGetSelection(&start, &end, 0, ScrollWEHandle);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    const TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
    for (SInt32 at : {SInt32(0), SInt32(script.size() / 2), SInt32(script.size() - 2)}) {
        WERunInfo run;
        WEGetRunInfo(at, &run, ScrollWEHandle);
        EXPECT_EQ(run.style.style.size, format.size) << at;
        EXPECT_EQ(run.style.style.font, format.font) << at;
    }
}

TEST_F(PrompterWindow, WithoutMemoryForCapitalsThePlainTextScrolls) {
    OpenAt(Rect{100, 100, 500, 700});
    myTextResource = NewHandle(5);
    std::memcpy(*myTextResource, "quiet", 5);
    SetPref(gThePreferences, kPrefScrollInCapitals, 1);
    gScrollOn = 1;
    FailNextAllocations(1);
    EXPECT_TRUE(PutScrollTextInBox(false));
    FailNextAllocations(0);
    EXPECT_FALSE(gScrollingInAllCAPS);
    EXPECT_EQ(BoxText(), "quiet");
}

TEST_F(PrompterWindow, WorldsAreRemadeOnlyWhenTheSizeChanges) {
    OpenAt(Rect{100, 100, 500, 700});
    gMyBitWidth = 32;
    CreateOffscreenWindows();
    ASSERT_NE(gOffscreenScrollWindow, nullptr);
    ASSERT_NE(gOffscreenExtraWindow, nullptr);
    EXPECT_EQ(GetPixDepth(gOffscreenScrollWindow), 32);
    Rect bounds{};
    GetPortBounds(gOffscreenExtraWindow, &bounds);
    EXPECT_EQ(bounds, gScrollTextRect);
    GWorldPtr scrollWorld = gOffscreenScrollWindow;
    CheckOffscreenSizes(&gScrollTextRect, &gPictureRect);
    EXPECT_EQ(gOffscreenScrollWindow, scrollWorld) << "same size, same world";
    EXPECT_EQ(myScrollWindowAlias, gOffscreenScrollWindow);

    const Rect smaller{0, 0, 200, 300};
    CheckOffscreenSizes(&smaller, &gPictureRect);
    GetPortBounds(gOffscreenExtraWindow, &bounds);
    EXPECT_EQ(bounds, smaller);
    DestroyOffscreenWindows();
    EXPECT_EQ(gOffscreenScrollWindow, nullptr);
    EXPECT_EQ(myScrollWindowAlias, GetWindowPort(myScrollWindow));
}

TEST_F(PrompterWindow, FullScreenCoversTheScreensAndGoesBackToTheStoredPlace) {
    const Rect place{100, 100, 500, 700};
    OpenAt(place);
    SetPref(gThePreferences, kPrefKeepScrollBar, 0);
    SetScrollWindowToFullScreen(true);
    const Rect screen = GetDeviceBounds(GetMainDevice());
    Rect bounds{};
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &bounds);
    EXPECT_TRUE(gIsFullScreen);
    EXPECT_TRUE(IsWindowFrameless(myScrollWindow));
    EXPECT_EQ(bounds.left, screen.left);
    EXPECT_EQ(bounds.top, screen.top);
    EXPECT_EQ(RectWidth(bounds), RectWidth(screen) + 16) << "the scroll bar lies past the screen's edge";
    EXPECT_EQ(RectHeight(bounds), RectHeight(screen));

    SetScrollWindowToNormal();
    GetWindowBounds(myScrollWindow, kWindowContentRgn, &bounds);
    EXPECT_FALSE(gIsFullScreen);
    EXPECT_FALSE(IsWindowFrameless(myScrollWindow));
    EXPECT_EQ(bounds, GetWindowPlace(gPositionPreferences, kPlacePrompter));
}

TEST_F(PrompterWindow, MirroredRectanglesNeverReachTheStoredSettings) {
    OpenAt(Rect{100, 100, 500, 700});
    const Rect box{20, 10, 120, 110};
    SetPref(gThePreferences, kPrefTextBoxRect, box);
    SetPref(gThePreferences, kPrefMirror, 1);
    SetPref(gThePreferences, kPrefFullScreen, 0);
    StartScroll(1);
    ASSERT_NE(gOffscreenScrollWindow, nullptr) << "mirrored output is drawn through the worlds";
    EXPECT_NE(GetPref(gThePreferences, kPrefTextBoxRect), box);
    RegisterPrefChanges();
    RegisterPrefChanges();
    StopScroll();
    EXPECT_EQ(GetPref(gThePreferences, kPrefTextBoxRect), box);
    EXPECT_FALSE(isflipped);
    EXPECT_EQ(gOffscreenScrollWindow, nullptr);
    EXPECT_EQ(myScrollWindowAlias, GetWindowPort(myScrollWindow));
}

} // namespace

namespace {

TEST_F(PrompterWindow, AReopenedPrompterTakesTheCueIconItsPreferencesName) {
    SetPref(gThePreferences, kPrefCueMarkerShown, 1);
    SetPref(gThePreferences, kPrefCueMarkerIconID, 128);
    OpenAt(Rect{100, 100, 500, 700});
    EXPECT_EQ(gCueWidth, 24);
    CloseScrollWindow();
    SetPref(gThePreferences, kPrefCueMarkerIconID, 129);
    OpenAt(Rect{100, 100, 500, 700});
    EXPECT_EQ(gCueWidth, 16);
}

// Scrolling in every output, the marker stands inside its column at the icon's size (turned with the
// output), and nothing is drawn outside the marker and the text rectangle, which keeps its margins from the
// window's edges and the column.
TEST_F(PrompterWindow, InEveryOutputTheMarkerStandsInItsColumnAndTheTextKeepsItsMargins) {
    struct Case {
        const char* name;
        SInt16 mirror, flip, rotation;
    } cases[] = {
        {"upright", 0, 0, 0},
        {"mirrored", 1, 0, 0},
        {"flipped", 0, 1, 0},
        {"turned", 0, 0, 1},
        {"turned back", 0, 0, -1},
        {"mirrored and turned", 1, 0, 1},
        {"mirrored and flipped", 1, 1, 0},
        {"flipped and turned back", 0, 1, -1},
    };
    const Rect margins{6, 30, 8, 50}; // top, left, bottom, right
    std::string script;
    for (int line = 0; line < 30; ++line)
        script += "Wide MMM words wrap far along every line of the prompter text here " +
                  std::to_string(line) + "\r";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UsePlainOutput();
        PrefsRecord& p = gThePreferences;
        SetPref(p, kPrefMirror, c.mirror);
        SetPref(p, kPrefFlip, c.flip);
        SetPref(p, kPrefRotation, c.rotation);
        SetPref(p, kPrefCueMarkerShown, 1);
        SetPref(p, kPrefFullScreen, 0);
        SetPref(p, kPrefShowInformation, 0);
        SetPref(p, kPrefTextMargins, margins);
        TextFormatBlock format = GetPref(p, kPrefPrompterFormat);
        format.textColor = RGBColor{0, 0, 0};
        format.backColor = RGBColor{0xFFFF, 0xFFFF, 0xFFFF};
        format.size = 18;
        SetPref(p, kPrefPrompterFormat, format);
        OpenAt(Rect{100, 100, 500, 700});
        SetScript(script);
        StartScroll(1);
        UpdateScrollWindow();

        Rect frame = GetScrollWindowContent();
        frame.right -= kScrollBarStrip;
        const Rect text = gScrollTextRect, spot = gCueSpot, column = gCueRect;
        SInt16 w = kCueArrowWidth, h = kCueArrowHeight;
        if (gTheCue) {
            Rect icon{};
            GetCIconBounds(gTheCue, &icon);
            w = RectWidth(icon);
            h = RectHeight(icon);
        }
        const bool turned = c.rotation != 0;
        EXPECT_EQ(RectWidth(spot), turned ? h : w);
        EXPECT_EQ(RectHeight(spot), turned ? w : h);
        Rect inColumn{}, onScreen{};
        EXPECT_TRUE(SectRect(&spot, &column, &inColumn) && inColumn == spot) << "the marker is in its column";
        EXPECT_TRUE(SectRect(&spot, &frame, &onScreen) && onScreen == spot) << "the marker is on the screen";
        EXPECT_GE(text.top, frame.top + margins.top);
        EXPECT_GE(text.left, frame.left + margins.left);
        EXPECT_LE(text.bottom, frame.bottom - margins.bottom);
        EXPECT_LE(text.right, frame.right - margins.right);

        CGrafPtr port = GetWindowPort(myScrollWindow);
        int inSpot = 0, inText = 0, elsewhere = 0;
        for (SInt16 v = frame.top; v < frame.bottom; ++v)
            for (SInt16 hh = frame.left; hh < frame.right; ++hh) {
                if (GetPortPixel(port, hh, v) == 0xFFFFFFFFu) continue;
                const Point pt{v, hh};
                if (PtInRect(pt, &spot))
                    ++inSpot;
                else if (PtInRect(pt, &text))
                    ++inText;
                else
                    ++elsewhere;
            }
        EXPECT_GT(inSpot, 0) << "the marker is drawn";
        EXPECT_GT(inText, 0) << "the text is drawn";
        EXPECT_EQ(elsewhere, 0) << "ink in the margins or the column outside the marker";
        StopScroll();
        CloseScrollWindow();
    }
}

} // namespace
