// A fixture that runs the program's start-up in a home folder of the test's own, under the fake clock, with
// messages recorded rather than shown, and quits it after the test. The test program's main puts every
// global back to its start value before and after each test.
#pragma once

#include "foundation/error_dialog.h"
#include "macros/macro_services.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "prefs/companion_records.h"
#include "prefs/prefs_fields.h"
#include "prefs/prefs_file.h"
#include "scroll/prompter_window.h"
#include "scroll/scroll_engine.h"
#include "scroll/scroll_windows.h"
#include "scroll/undo.h"
#include "shell/periodic_timer.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

class ProgramTest : public ::testing::Test {
  protected:
    // A date in 2026, in seconds since 1904.
    static constexpr UInt32 kTestDateTime = 3'848'000'000u;

    void SetUp() override {
        UseFakeClock(1000, kTestDateTime);
        SetErrorMessageRecording(true);
        ClearRecordedErrorMessages();
        gMainResFileNum = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
        ASSERT_GT(gMainResFileNum, 0) << "the built resource file " << ORVALIS_RESOURCE_FILE;
        gLastResFile = gMainResFileNum;
    }

    void TearDown() override {
        if (started) QuitProgram();
        // A quit asked for with no loop running is kept for the next loop; this one takes it.
        if (IsApplicationEventLoopQuitPending()) RunApplicationEventLoop();
        if (gMainResFileNum > 0) CloseResFile(gMainResFileNum);
        SetErrorMessageRecording(false);
        UseRealClock();
    }

    void Start() {
        started = StartUp();
        ASSERT_TRUE(started) << "the prompter window did not open";
    }

    // Stores a main preference record as the one the next start-up reads.
    void StorePreferences(const PrefsRecord& record) {
        PrefsRecord copy = record;
        ASSERT_EQ(DoPutPreferences(&copy, kPrefsKindMain, nullptr), noErr);
    }

    // The stored main record, read over the defaults.
    PrefsRecord StoredPreferences() {
        PrefsRecord record = gDefaultPreferences;
        DoGetPreferences(&record, kPrefsKindMain, nullptr);
        return record;
    }

    // Moves the fake clock on tick by tick, letting the timer fire as it falls due.
    void PassTicks(UInt32 ticks) {
        for (UInt32 i = 0; i < ticks; ++i) {
            AdvanceFakeClock(1);
            ProcessPendingEvents();
        }
    }

    // The script, plain, in the document and in the prompter: unchanged and with nothing to undo.
    static void UseScript(const std::string& script) {
        gTextHasChanged = false;
        if (myTextResource) DisposeHandle(myTextResource);
        if (myStyle) DisposeHandle(myStyle);
        myStyle = nullptr;
        myTextResource = NewHandle(Size(script.size()));
        std::memcpy(*myTextResource, script.data(), script.size());
        PutScrollTextInBox(false);
        gUndoAvailable = 0;
    }

    TempHome home;
    bool started = false;
};
