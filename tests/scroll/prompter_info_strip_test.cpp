// The information strip's live values: the times in whole seconds rounded up, the finish time and the
// position bar when the pace or the text gives no end, and the strip drawn in every output.
#include "scroll/info_strip.h"

#include "platform/clock.h"
#include "platform/pstring.h"
#include "prefs/prefs_fields.h"
#include "scroll/pacing.h"
#include "scroll/pause.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_position.h"
#include "shell/mode_switching.h"
#include "shell/script_documents.h"

#include "prompter_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace {

std::string FieldText(SInt16 field) {
    Str255 text;
    GetInfoFieldText(field, text);
    return std::string(PStringView(text));
}

class InfoStrip : public PrompterFixture {
  protected:
    void SetUp() override {
        PrompterFixture::SetUp();
        saved = {gScrollCurrentPos, double(gScrollExtraHeight), gAverageScrollDistance, double(gDelayScroll)};
    }
    void TearDown() override {
        gScrollCurrentPos = saved[0];
        gScrollExtraHeight = SInt32(saved[1]);
        gAverageScrollDistance = saved[2];
        gDelayScroll = SInt32(saved[3]);
        PrompterFixture::TearDown();
    }
    std::array<double, 4> saved{};
};

TEST_F(InfoStrip, TimesAreWholeSecondsRoundedUpAndTheFinishIsDashesWithoutAnEnd) {
    SetPref(gThePreferences, kPrefScrollDirection, 1);
    struct Case {
        const char* name;
        SInt32 delay;
        double position;
        SInt32 extra;
        double pace;
        const char* start;
        const char* finish;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"61 ticks of delay", 61, 0, 0, 2, "Start in 2 seconds", "Finish in 2 seconds"},
        {"60 ticks of delay", 60, 0, 0, 2, "Start in 1 second", "Finish in 1 second"},
        {"half way at 2 px a tick", 0, -600, 1200, 2, "Start in 0 second", "Finish in 5 seconds"},
        {"speed 0", 0, 0, 1200, 0, "Start in 0 second", "Finish in --"},
        {"speed not a number", 0, 0, 1200, nan, "Start in 0 second", "Finish in --"},
        {"a text shorter than the window", 0, 0, -40, 2, "Start in 0 second", "Finish in 0 second"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gDelayScroll = c.delay;
        gScrollCurrentPos = c.position;
        gScrollExtraHeight = c.extra;
        gAverageScrollDistance = c.pace;
        EXPECT_EQ(FieldText(kInfoStart), c.start);
        EXPECT_EQ(FieldText(kInfoFinish), c.finish);
    }
    gScrollOn = 0;
    EXPECT_EQ(GetScrollTicksPassed(), 0);
    EXPECT_EQ(FieldText(kInfoTimer), "Scrolled 0 second");
    EXPECT_EQ(FieldText(kInfoMode), "Editing");
    PauseOn();
    EXPECT_EQ(FieldText(kInfoPause), "Paused");
    PauseOff(0);
    EXPECT_EQ(FieldText(kInfoPause), "Running");
    gFileName = "News at six";
    EXPECT_EQ(FieldText(kInfoEnd), "News at six");
}

TEST_F(InfoStrip, ThePositionBarsThumbIsAtLeastTenLongAndNoneWithoutRoomToMove) {
    struct Case {
        const char* name;
        SInt32 bar, extra;
        double position;
        bool shown;
        SInt32 offset, length;
    };
    const Case cases[] = {
        {"a long text at its start", 100, 2500, 0, true, 0, 10},
        {"a long text half way", 100, 2500, -1250, true, 45, 10},
        {"a long text past its end", 100, 2500, -9000, true, 90, 10},
        {"a thumb as long as the bar", 100, 100, 0, false, 0, 0},
        {"a text shorter than the window", 100, 0, 0, false, 0, 0},
        {"a text that scrolls less than a pixel a bar pixel", 100, 150, -75, true, 17, 66},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gScrollExtraHeight = c.extra;
        gScrollCurrentPos = c.position;
        SInt32 offset = 0, length = 0;
        ASSERT_EQ(GetInfoThumb(c.bar, &offset, &length), c.shown);
        if (!c.shown) continue;
        EXPECT_EQ(offset, c.offset);
        EXPECT_EQ(length, c.length);
    }
}

TEST_F(InfoStrip, TheStripIsDrawnInEveryOutputWithoutTouchingTheText) {
    SetPref(gThePreferences, kPrefShowInformation, 1);
    SetPref(gThePreferences, kPrefFullScreen, 0);
    for (SInt16 mirror : {0, 1}) {
        SCOPED_TRACE(mirror);
        SetPref(gThePreferences, kPrefMirror, mirror);
        OpenAt(Rect{100, 100, 400, 700});
        ASSERT_FALSE(EmptyRect(&gInfoRect));
        CGrafPtr port = GetWindowPort(myScrollWindow);
        const UInt32* base = GetPixBaseAddr(port);
        const SInt32 stride = GetPixRowBytes(port) / 4;
        const UInt32 textPixel = base[(gScrollTextRect.top + 3) * stride + gScrollTextRect.left + 3];
        DrawInfoRect(1, 1, 1);
        const UInt32 back = base[(gInfoRect.top + 1) * stride + gInfoRect.left + 1];
        SInt32 drawn = 0;
        for (SInt16 v = SInt16(gInfoRect.top + 1); v < gInfoRect.bottom - 1; ++v)
            for (SInt16 h = SInt16(gInfoRect.left + 1); h < gInfoRect.right - 1; ++h)
                drawn += base[v * stride + h] != back;
        EXPECT_GT(drawn, 50) << "the fields' texts";
        EXPECT_EQ(base[gInfoRect.top * stride + gInfoRect.left + 20] & 0xFFFFFF, 0u) << "the black frame";
        EXPECT_EQ(base[(gScrollTextRect.top + 3) * stride + gScrollTextRect.left + 3], textPixel);
        CloseScrollWindow();
    }
}

} // namespace
