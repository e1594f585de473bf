// Starting the whole program for a benchmark, as a new user would: a fresh home folder, the program's
// resource file and default preferences, then the start-up. The home folder's path, or empty (and the
// benchmark marked skipped) when the program did not start.
#pragma once

#include "foundation/error_dialog.h"
#include "platform/resources.h"
#include "prefs/prefs_record.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

inline std::string StartProgramInFreshHome(benchmark::State& state, const char* prefix) {
    std::string pattern = std::string("/tmp/") + prefix + "-XXXXXX";
    const char* made = mkdtemp(pattern.data());
    if (!made) {
        state.SkipWithError("no temporary home folder");
        return {};
    }
    const std::string home = made;
    ::setenv("HOME", home.c_str(), 1);
    SetErrorMessageRecording(true);
    gMainResFileNum = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    gLastResFile = gMainResFileNum;
    CopyPreferences(&gDefaultPreferences, &gThePreferences);
    if (!StartUp()) {
        state.SkipWithError("the program did not start");
        return {};
    }
    return home;
}
