// A test with the application's resources open and the preferences kept aside, for tests that open the
// prompter window; tearing down closes the window and gives back the script and the preferences.
#pragma once

#include "foundation/error_dialog.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_record.h"
#include "scroll/prompter_window.h"
#include "shell/loop_timer.h"
#include "shell/mode_switching.h"
#include "shell/shell_globals.h"
#include "textengine/text_engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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
