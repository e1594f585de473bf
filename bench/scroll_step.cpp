// The scroll step at full-screen size with a long script: the text engine's scroll, the background and
// text layer composed, mirrored, flipped or turned, and the copy onto the window. Each figure is one step
// of two pixels, as a tick at a brisk pace makes.
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/text_drawing.h"
#include "platform/windows.h"
#include "prefs/prefs_fields.h"
#include "scroll/prompter_window.h"
#include "scroll/rect_rotation.h"
#include "scroll/scroll_position.h"
#include "shell/offscreen_worlds.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr SInt16 kWidth = 1920;
constexpr SInt16 kHeight = 1080;

enum Output { kUpright, kMirrored, kFlipped, kTurned, kTextOnly };

// A full-screen prompter scrolling a 100,000-character script in the chosen output.
class ScrollingPrompter {
  public:
    explicit ScrollingPrompter(Output output) {
        saved_ = gThePreferences;
        SetPref(gThePreferences, kPrefMirror, output == kMirrored);
        SetPref(gThePreferences, kPrefFlip, output == kFlipped);
        SetPref(gThePreferences, kPrefRotation, output == kTurned ? 1 : 0);
        SetPref(gThePreferences, kPrefShowInformation, 0);
        const Rect bounds{0, 0, kHeight, SInt16(kWidth + kScrollBarStrip)};
        myScrollWindow = NewCWindow(nullptr, &bounds, nullptr, false, 0, kFirstWindowOfClass, false, 1);
        myScrollWindowAlias = GetWindowPort(myScrollWindow);
        SetPort(myScrollWindowAlias);
        gScrollOn = 1;
        gMyBitWidth = 32;
        gScrollTextRect = Rect{0, 0, kHeight, kWidth};
        Rect frame = GetScrollWindowContent();
        frame.right -= kScrollBarStrip;
        gScrollDestinationRect =
            RotateRect(&frame, gScrollTextRect, SInt16(-GetPref(gThePreferences, kPrefRotation)), 1);
        CreateOffscreenWindows();
        if (output == kTextOnly && gAnotherOffscreen)
            DisposeGWorld(gAnotherOffscreen), gAnotherOffscreen = nullptr;
        SetPort(myScrollWindowAlias);
        TextFont(20);
        TextSize(36);
        std::string script;
        while (script.size() < 100000)
            script += "The quick brown fox reads the news to the nation tonight. ";
        script.resize(100000);
        Handle text = nullptr;
        PtrToHand(script.data(), &text, Size(script.size()));
        LongRect dest;
        WERectToLongRect(&gScrollDestinationRect, &dest);
        WENew(&dest, &dest, 0, &ScrollWEHandle);
        WEUseText(text, ScrollWEHandle, false);
        WECalText(ScrollWEHandle);
        WEUpdate(nullptr, ScrollWEHandle);
        ScrollRecalText();
        SetScrollWindowScrolls();
        GetCurrentScrollPos();
    }
    ~ScrollingPrompter() {
        WEDispose(ScrollWEHandle);
        ScrollWEHandle = nullptr;
        DestroyOffscreenWindows();
        DisposeWindow(myScrollWindow);
        myScrollWindow = nullptr;
        myScrollWindowAlias = nullptr;
        gScrollOn = 0;
        gScrollCurrentPos = 0;
        gThePreferences = saved_;
    }

  private:
    PrefsRecord saved_;
};

void BM_ScrollStep(benchmark::State& state) {
    ScrollingPrompter prompter(Output(state.range(0)));
    for (auto _ : state)
        if (ScrollScrollThisMuch(-2, 0) == 0) ScrollScrollToBeginning(0);
    state.counters["scrollable_px"] = gScrollExtraHeight;
}
BENCHMARK(BM_ScrollStep)
    ->ArgName("upright0_mirrored1_flipped2_turned3_textonly4")
    ->DenseRange(kUpright, kTextOnly)
    ->Unit(benchmark::kMillisecond);

} // namespace
