// The script characters found in an open prompter: under a point of the window in every output
// transform, and at the reading position, moved on by the part of the line already read.
#include "scroll/cue_marker.h"

#include "platform/memory.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_position.h"
#include "shell/mode_switching.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class ScrollCharacters : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        gMyBitWidth = 32;
        UsePlainOutput();
        SetPref(gThePreferences, kPrefCueMarkerShown, 1);
        OpenAt(Rect{100, 100, 500, 700});
        std::string script;
        for (int i = 0; i < 60; ++i)
            script += "Line " + std::to_string(100 + i) + "\r";
        SetScript(script);
    }
    void TearDown() override {
        gScrollOn = 0;
        DestroyOffscreenWindows();
        SetCueHotFromBytes(nullptr, 0);
        PrompterFixture::TearDown();
        gScrollCurrentPos = 0;
    }
    static SInt16 LineHeight() {
        LongPoint point;
        SInt16 height = 0;
        WEGetPoint(0, 0, &point, &height, ScrollWEHandle);
        return height;
    }
};

struct Transform {
    const char* what;
    SInt16 mirror, flip, rotation;
};

TEST_F(ScrollCharacters, APointOnACharacterFindsItInEveryOutput) {
    const Transform transforms[] = {
        {"upright", 0, 0, 0},
        {"mirrored", 1, 0, 0},
        {"flipped", 0, 1, 0},
        {"turned", 0, 0, 1},
        {"turned back", 0, 0, -1},
        {"turned, mirrored", 1, 0, 1},
        {"turned back, flipped", 0, 1, -1},
    };
    const std::string text = BoxText();
    const SInt32 target = SInt32(text.find("102")) + 1; // the "0" of line 102
    for (const Transform& t : transforms) {
        SetPref(gThePreferences, kPrefMirror, t.mirror);
        SetPref(gThePreferences, kPrefFlip, t.flip);
        SetPref(gThePreferences, kPrefRotation, t.rotation);
        gScrollOn = 1;
        DestroyOffscreenWindows();
        MoveScrollTextBox();
        CreateOffscreenWindows();
        ScrollScrollToBeginning(0);
        // The character's middle in the text's drawing frame ...
        LongPoint at, next;
        SInt16 height = 0;
        WEGetPoint(target, 0, &at, &height, ScrollWEHandle);
        WEGetPoint(target + 1, 0, &next, &height, ScrollWEHandle);
        const SInt32 dv = at.v + height / 2, dh = (at.h + next.h) / 2;
        // ... is where the output shows it: turned about the frame left of the scroll bar, then mirrored
        // and flipped within the text rectangle.
        const Rect& T = gScrollTextRect;
        Rect frame = GetScrollWindowContent();
        frame.right -= kScrollBarStrip;
        SInt32 v = dv, h = dh;
        if (t.rotation == 1) {
            v = dh;
            h = frame.right - dv;
        } else if (t.rotation == -1) {
            h = dv;
            v = frame.bottom - dh;
        }
        if (t.rotation == 0 ? t.mirror : t.flip) h = T.left + T.right - h;
        if (t.rotation == 0 ? t.flip : t.mirror) v = T.top + T.bottom - v;
        const Point p{SInt16(v), SInt16(h)};
        ASSERT_TRUE(PtInRect(p, &T)) << t.what;
        EXPECT_EQ(GetScreenPositionCharacter(p), target) << t.what;
    }
    // At rest the window shows the text upright, whatever the output settings.
    gScrollOn = 0;
    MoveScrollTextBox();
    LongPoint at;
    SInt16 height = 0;
    WEGetPoint(target, 0, &at, &height, ScrollWEHandle);
    EXPECT_EQ(GetScreenPositionCharacter(Point{SInt16(at.v + height / 2), SInt16(at.h + 1)}), target);
}

TEST_F(ScrollCharacters, TheReadingPositionMovesOnWithThePartOfTheLineAlreadyRead) {
    const SInt16 lineHeight = LineHeight();
    ASSERT_GT(lineHeight, 4);
    const SInt32 count = SInt32(std::string("Line 100\r").size());
    // The top of the text in the middle of line 3: half of that line is read.
    ScrollScrollThisMuch(-(3 * lineHeight + lineHeight / 2), 0);
    const double half = double(lineHeight / 2) / lineHeight;
    EXPECT_EQ(GetScrollReadPositionCharacter(), 3 * count + SInt32(0.5 / count + half * count));
    EXPECT_EQ(GetScrollAdjustedCharacter(), 3 * count);

    // Measured from the cue: the cue's hot spot a line and a quarter below the text's top.
    SetPref(gThePreferences, kPrefPositionsFromCue, 1);
    SetPref(gThePreferences, kPrefCuePositionKind, 1);
    gCueSpotChanged = true;
    Rect spot{};
    GetCueSpotRect(&spot);
    const SInt16 hot = SInt16(gScrollTextRect.top - spot.top + lineHeight + lineHeight / 4);
    const UInt8 record[2] = {UInt8(hot >> 8), UInt8(hot)};
    SetCueHotFromBytes(record, 2);
    SInt16 where = 0;
    EXPECT_EQ(GetScrollCuePositionCharacter(&where), 4 * count);
    EXPECT_EQ(where, gScrollDestinationRect.top + lineHeight + lineHeight / 4);
    // Line 4 starts half a line below the top; the cue lies a quarter of a line further.
    const double intoLine4 = double(lineHeight + lineHeight / 4 - (lineHeight - lineHeight / 2)) / lineHeight;
    EXPECT_EQ(GetScrollReadPositionCharacter(), 4 * count + SInt32(0.5 / count + intoLine4 * count));
    EXPECT_EQ(GetScrollAdjustedCharacter(), 4 * count);
}

TEST_F(ScrollCharacters, AnEmptyScriptGivesTheFirstCharacter) {
    SetScript("");
    EXPECT_EQ(GetScrollReadPositionCharacter(), 0);
    SetPref(gThePreferences, kPrefPositionsFromCue, 1);
    EXPECT_EQ(GetScrollReadPositionCharacter(), 0);
    EXPECT_EQ(GetScrollCuePositionCharacter(nullptr), 0);
}

TEST_F(ScrollCharacters, CharactersPastTheTextStayWithinIt) {
    // A short script without a final return: its last line has characters, so a reading position
    // measured below it must not run on past the end.
    SetScript("Short line one\rShort line two, the last");
    const SInt32 length = WEGetTextLength(ScrollWEHandle);
    const SInt16 lineHeight = LineHeight();
    ASSERT_GT(lineHeight, 4);
    SetPref(gThePreferences, kPrefCuePositionKind, 1);
    Rect spot{};
    struct Case {
        const char* what;
        bool fromCue;
        SInt16 cueLines;    // the cue's hot spot, in lines below the text rectangle's top
        SInt32 scrollLines; // the text moved up by this many lines (negative: down)
    } cases[] = {
        {"cue far below the last line", true, 12, 0},
        {"cue just below the last line", true, 3, 0},
        {"cue on the last line", true, 1, 0},
        {"text scrolled above the top", false, 0, 5},
        {"text scrolled above, cue below", true, 6, 1},
        {"text scrolled below the top, cue at the top", true, 0, -3},
    };
    for (const Case& c : cases) {
        SetPref(gThePreferences, kPrefPositionsFromCue, c.fromCue);
        ScrollScrollThisMuch(-gScrollCurrentPos, 1);
        gScrollCurrentPos = 0;
        ScrollScrollThisMuch(-c.scrollLines * lineHeight, 0);
        gCueSpotChanged = true;
        GetCueSpotRect(&spot);
        const SInt16 hot = SInt16(gScrollTextRect.top - spot.top + c.cueLines * lineHeight + lineHeight / 4);
        const UInt8 record[2] = {UInt8(hot >> 8), UInt8(hot)};
        SetCueHotFromBytes(record, 2);
        const Rect& t = gScrollTextRect;
        const SInt32 found[] = {
            GetScrollReadPositionCharacter(),
            GetScrollCuePositionCharacter(nullptr),
            GetScrollAdjustedCharacter(),
            GetScreenPositionCharacter(Point{SInt16(t.bottom - 1), SInt16(t.right - 1)}),
            GetScreenPositionCharacter(Point{SInt16(t.top), SInt16(t.left)}),
        };
        for (SInt32 character : found) {
            EXPECT_GE(character, 0) << c.what;
            EXPECT_LE(character, length) << c.what;
        }
    }
}

} // namespace
