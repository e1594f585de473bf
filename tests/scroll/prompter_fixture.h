// A test with the application's resources open and the preferences kept aside, for tests that open the
// prompter window; tearing down closes the window and gives back the script and the preferences.
#pragma once

#include "foundation/error_dialog.h"
#include "foundation/word_line_arrays.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_drawing.h"
#include "scroll/prompter_window.h"
#include "scroll/script_measures.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

class PrompterFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        resources = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(resources, 0);
        savedPrefs = gThePreferences;
        savedPlaces = gPositionPreferences;
        gScrollOn = 0;
        gEditOn = 1;
    }
    void TearDown() override {
        RemoveLoopTimer();
        CloseScrollWindow();
        for (Handle* h : {&myTextResource, &myStyle})
            if (*h) DisposeHandle(*h), *h = nullptr;
        gThePreferences = savedPrefs;
        gPositionPreferences = savedPlaces;
        if (resources > 0) CloseResFile(resources);
        SetErrorMessageRecording(false);
    }
    // Plain upright output: no mirror, flip, turn, highlight, overlay, shape, background, monitor or
    // capitals.
    static void UsePlainOutput() {
        for (PrefShort field :
             {kPrefMirror, kPrefFlip, kPrefRotation, kPrefPositionsFromCue, kPrefHighlightKind,
              kPrefOverlaysOn, kPrefTextFlowsInShape, kPrefTextRectBackStyle, kPrefBackgroundKind,
              kPrefCuePositionKind, kPrefUseScrollMonitor, kPrefScrollInCapitals})
            SetPref(gThePreferences, field, 0);
    }
    // The prompter opened at a place of the screen.
    static void OpenAt(const Rect& place) {
        SetWindowPlace(gPositionPreferences, kPlacePrompter, place);
        OpenScrollWindow();
        ASSERT_NE(myScrollWindow, nullptr);
    }
    // The script, in the document and in the prompter.
    static void SetScript(const std::string& script) {
        if (myTextResource) DisposeHandle(myTextResource);
        myTextResource = NewHandle(Size(script.size()));
        std::memcpy(*myTextResource, script.data(), script.size());
        PutScrollTextInBox(false);
    }
    static std::string BoxText() {
        return std::string(*WEGetText(ScrollWEHandle), size_t(WEGetTextLength(ScrollWEHandle)));
    }
    ResFileRefNum resources = -1;
    PrefsRecord savedPrefs;
    PositionPrefsRecord savedPlaces;
};

// A prompter that scrolls, in a window, without looping, in the given colours and size; tearing down stops
// the scroll, forgets the script's measures and puts back the layout rectangles the scroll moved.
class ScrollingPrompterFixture : public PrompterFixture {
  protected:
    void SetUpScrolling(const RGBColor& text, const RGBColor& back, SInt16 size, const RGBColor& highlight) {
        PrompterFixture::SetUp();
        savedRects = {gCueRect,       gScrollTextRect, gScrollDestinationRect,
                      gAvailableRect, gInfoRect,       gPictureRect};
        UsePlainOutput();
        SetPref(gThePreferences, kPrefFullScreen, 0);
        SetPref(gThePreferences, kPrefLoopingText, 0);
        TextFormatBlock format = GetPref(gThePreferences, kPrefPrompterFormat);
        format.textColor = text;
        format.backColor = back;
        format.size = size;
        SetPref(gThePreferences, kPrefPrompterFormat, format);
        SetPref(gThePreferences, kPrefHighlightColor, highlight);
    }
    void TearDown() override {
        StopScroll();
        // Pacing reads the script's measures: the next test starts without them, as this one did.
        for (Handle* h : {&myWordLineArray, &mySyllableArray})
            if (*h) DisposeHandle(*h), *h = nullptr;
        gTotalWords = gTotalSyllables = 0;
        gTotalLines = -1;
        PrompterFixture::TearDown();
        // Scrolling leaves the prompter's layout behind; the cue of later tests stands where it stood.
        gCueRect = savedRects[0];
        gScrollTextRect = savedRects[1];
        gScrollDestinationRect = savedRects[2];
        gAvailableRect = savedRects[3];
        gInfoRect = savedRects[4];
        gPictureRect = savedRects[5];
    }
    // The scrolling text's pixels on the window, row after row.
    static std::vector<UInt32> WindowPixels() {
        CGrafPtr port = GetWindowPort(myScrollWindow);
        const UInt32* base = GetPixBaseAddr(port);
        const SInt32 stride = GetPixRowBytes(port) / 4;
        const Rect& r = gScrollTextRect;
        std::vector<UInt32> out;
        for (SInt16 v = r.top; v < r.bottom; ++v)
            out.insert(out.end(), base + v * stride + r.left, base + v * stride + r.right);
        return out;
    }
    std::array<Rect, 6> savedRects{};
};
