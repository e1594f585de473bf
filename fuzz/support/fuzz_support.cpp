// The shared start-up of the fuzz harnesses and their scratch files.
#include "fuzz_support.h"

#include "foundation/error_dialog.h"
#include "platform/application.h"
#include "platform/resources.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fuzz {
namespace {

std::string gScratch;
ResFileRefNum gAppFile = 0;

// The fuzzer ends a run with exit(): the application's resources and windows go before the objects
// holding them do.
void StopPlatform() {
    if (gAppFile > 0) CloseResFile(gAppFile);
    gAppFile = 0;
    ShutdownPlatform();
}

void RemoveScratchFolder() {
    std::error_code ec;
    if (!gScratch.empty()) std::filesystem::remove_all(gScratch, ec);
}

} // namespace

const std::string& ScratchFolder() {
    if (gScratch.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvalis-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        gScratch = pattern;
        std::atexit(RemoveScratchFolder);
    }
    return gScratch;
}

std::string ScratchPath(std::string_view name) {
    return ScratchFolder() + "/" + std::string(name);
}

void WriteScratch(const std::string& path, std::span<const uint8_t> bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
        f = std::fopen(path.c_str(), "wb");
    }
    if (!f) std::abort();
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void RemoveScratch(const std::string& path) {
    ::unlink(path.c_str());
}

void ClearMessages() {
    ClearRecordedErrorMessages();
}

void StartQuiet() {
    const std::string home = ScratchPath("home");
    std::filesystem::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_DATA_HOME");
    SetErrorMessageRecording(true);
}

void StartPlatform(int*, char***) {
    StartQuiet();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt sees only the program's name, never the fuzzer's own flags.
    static char name[] = "orvalis-fuzz";
    static char* arguments[] = {name, nullptr};
    InitPlatform(1, arguments);
    std::atexit(StopPlatform);
    gAppFile = OpenResFile(ORVALIS_RESOURCE_FILE, fsRdPerm);
    if (gAppFile <= 0) {
        std::fprintf(stderr, "fuzz: cannot open the resource file %s\n", ORVALIS_RESOURCE_FILE);
        std::abort();
    }
}

} // namespace fuzz
