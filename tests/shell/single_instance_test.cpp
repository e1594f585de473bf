// A later start of the program hands its files to the copy that serves the same settings folder: they
// arrive as the desktop's request to open them, and the last one shows in the prompter. A termination
// signal reaches the program as a call on its event loop.
#include "program_fixture.h"

#include "platform/single_instance.h"
#include "textengine/text_engine.h"

#include <csignal>
#include <filesystem>

#include <unistd.h>

namespace {

std::vector<std::string> gReceived;
int gDeliveries = 0;

void Receive(const std::vector<std::string>& files, void*) {
    gReceived = files;
    ++gDeliveries;
}

// Lets the event loop run until the handed files have arrived (or it is plainly not going to happen).
void WaitForDelivery(int deliveries) {
    for (int round = 0; round < 200 && gDeliveries < deliveries; ++round) {
        ProcessPendingEvents(5);
        ::usleep(1000);
    }
}

TEST(SingleInstance, ALaterClaimHandsItsFilesToTheFirstAndEmptyListsArriveToo) {
    const std::string key = "test-" + std::to_string(::getpid());
    gReceived.clear();
    gDeliveries = 0;
    ASSERT_EQ(ClaimSingleInstance(key, {}, Receive, nullptr), kFirstInstance);
    const std::vector<std::string> files = {"/tmp/a script.txt", "/tmp/\xC3\xA9t\xC3\xA9.rtf"};
    EXPECT_EQ(HandFilesToRunningCopy(key, files), noErr);
    WaitForDelivery(1);
    EXPECT_EQ(gReceived, files);
    EXPECT_EQ(HandFilesToRunningCopy(key, {}), noErr);
    WaitForDelivery(2);
    EXPECT_EQ(gDeliveries, 2);
    EXPECT_TRUE(gReceived.empty());
    ReleaseSingleInstance();
    EXPECT_EQ(HandFilesToRunningCopy(key, files), fnfErr) << "nobody serves the key any more";
}

TEST_F(ProgramTest, FilesOfASecondStartReachTheRunningProgramsPrompter) {
    Start();
    ASSERT_EQ(ClaimProgramInstance({}), kFirstInstance);
    home.WriteFile("second.txt", "From the second start\nTwo lines\n");
    EXPECT_EQ(ClaimProgramInstance({home.path() + "/second.txt"}), kHandedToRunningCopy);
    for (int round = 0; round < 200; ++round) {
        ProcessPendingEvents(5);
        if (WEGetTextLength(ScrollWEHandle) > 0 && WEGetChar(0, ScrollWEHandle) == 'F') break;
        ::usleep(1000);
    }
    ReleaseSingleInstance();
    Handle text = WEGetText(ScrollWEHandle);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(*text), size_t(WEGetTextLength(ScrollWEHandle))),
              "From the second start\rTwo lines\r");
}

void NoteQuitRequest(void* userData) {
    ++*static_cast<int*>(userData);
}

TEST(QuitRequests, ATerminationSignalBecomesACallOnTheEventLoop) {
    int requests = 0;
    InstallQuitRequestHandler(NoteQuitRequest, &requests);
    ::raise(SIGTERM);
    EXPECT_EQ(requests, 0) << "nothing runs inside the signal handler";
    for (int round = 0; round < 200 && requests == 0; ++round) {
        ProcessPendingEvents(5);
        ::usleep(1000);
    }
    InstallQuitRequestHandler(nullptr, nullptr);
    EXPECT_EQ(requests, 1);
}

TEST(CommandLine, FilesAreMadeAbsoluteAndOptionsLeftOut) {
    char program[] = "orvalis";
    char relative[] = "scripts/talk.txt";
    char option[] = "-platform";
    char absolute[] = "/srv/notes.txt";
    char* argv[] = {program, relative, option, absolute};
    const std::vector<std::string> files = CommandLineFiles(4, argv);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], (std::filesystem::current_path() / "scripts/talk.txt").string());
    EXPECT_EQ(files[1], "/srv/notes.txt");
}

} // namespace
