// Every test of the program's subsystems starts and ends with all of their globals at their start values
// and the real clock, so that tests run in one process cannot reach each other through what they leave.
#include "effects/effects_globals_reset.h"
#include "foundation/foundation_globals_reset.h"
#include "macros/macros_globals_reset.h"
#include "media/media_globals_reset.h"
#include "platform/clock.h"
#include "platform/screens.h"
#include "prefs/prefs_globals_reset.h"
#include "scroll/scroll_globals_reset.h"
#include "shell/shell_globals_reset.h"
#include "textengine/textengine_globals_reset.h"
#include "texttools/texttools_globals_reset.h"

#include <gtest/gtest.h>

namespace {

void ResetProgramGlobals() {
    ResetFoundationGlobals();
    ResetTextEngineGlobals();
    ResetPreferencesGlobals();
    ResetShellGlobals();
    ResetScrollGlobals();
    ResetMacroGlobals();
    ResetMediaGlobals();
    ResetEffectsGlobals();
    ResetTextToolsGlobals();
    UseRealClock();
    EndFakeScreens();
}

// Runs before each test's fixture is made and after it is gone, so a failing assertion cannot skip it.
class GlobalsReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ResetProgramGlobals(); }
    void OnTestEnd(const ::testing::TestInfo&) override { ResetProgramGlobals(); }
};

} // namespace

void InstallGlobalsReset() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new GlobalsReset);
}
