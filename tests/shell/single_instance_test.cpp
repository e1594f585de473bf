// A later start of the program hands its files to the copy that serves the same settings folder: they
// arrive as the desktop's request to open them, and the last one shows in the prompter. A termination
// signal reaches the program as a call on its event loop.
#include "program_fixture.h"

#include "platform/single_instance.h"
#include "textengine/text_engine.h"

#include <csignal>
#include <filesystem>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<std::string> gReceived;
HandOverRefusals gRefused;
int gDeliveries = 0;

void Receive(const std::vector<std::string>& files, const HandOverRefusals& refused, void*) {
    gReceived = files;
    gRefused = refused;
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

std::string Paths(std::initializer_list<std::string> paths) {
    std::string bytes;
    for (const std::string& path : paths)
        bytes += path + '\0';
    return bytes;
}

TEST(SingleInstance, ARequestCarriesSoManyPathsOfSoManyBytesAndNoMore) {
    std::string many;
    for (size_t i = 0; i <= kMaxHandedFiles; ++i)
        many += "/f" + std::to_string(i) + '\0';
    const std::string tooLong = "/" + std::string(kMaxHandedPathBytes, 'x');
    struct Case {
        const char* what;
        std::string bytes;
        bool cutOff;
        size_t files;
        size_t leftOut;
    };
    const Case cases[] = {
        {"two paths", Paths({"/a", "/b c"}), false, 2, 0},
        {"an unended last path of a whole request", std::string("/a\0\0/b", 6), false, 2, 0},
        {"the fragment a cut ends in", std::string("/a\0/bc", 6), true, 1, 0},
        {"one path too many", many, false, kMaxHandedFiles, 1},
        {"a path longer than any", Paths({tooLong, "/ok"}), false, 1, 1},
        {"nothing", "", false, 0, 0},
    };
    for (const Case& c : cases) {
        HandOverRefusals refused;
        const std::vector<std::string> files = SplitHandedPaths(
            {reinterpret_cast<const UInt8*>(c.bytes.data()), c.bytes.size()}, c.cutOff, refused);
        EXPECT_EQ(files.size(), c.files) << c.what;
        EXPECT_EQ(refused.filesLeftOut, c.leftOut) << c.what;
        EXPECT_EQ(refused.cutOff, c.cutOff) << c.what;
        for (const std::string& file : files)
            EXPECT_EQ(file[0], '/') << c.what;
    }
}

// A client that goes on writing is cut off once its request passes the bound: the copy reads no more and
// hands on the whole paths that came before.
TEST(SingleInstance, AClientThatWritesWithoutEndIsCutOffAtTheBound) {
    const std::string key = "bound-" + std::to_string(::getpid());
    gDeliveries = 0;
    ASSERT_EQ(ClaimSingleInstance(key, {}, Receive, nullptr), kFirstInstance);
    std::string payload;
    while (payload.size() < 2 * kMaxHandedBytes)
        payload += "/" + std::string(3999, 'x') + '\0';
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath =
        (std::filesystem::temp_directory_path() / ("orvalis-" + std::to_string(::getuid()) + "-" + key))
            .string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    // The client is a process of its own, so that its writes block while this one reads.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGPIPE, SIG_IGN);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(1);
        for (size_t at = 0; at < payload.size();) {
            const ssize_t n = ::write(fd, payload.data() + at, payload.size() - at);
            if (n <= 0) ::_exit(0);
            at += size_t(n);
        }
        ::_exit(2);
    }
    for (int round = 0; round < 5000 && gDeliveries < 1; ++round) {
        ProcessPendingEvents(5);
        ::usleep(1000);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ReleaseSingleInstance();
    ASSERT_EQ(gDeliveries, 1);
    EXPECT_TRUE(gRefused.cutOff);
    EXPECT_EQ(gReceived.size(), kMaxHandedFiles);
    EXPECT_EQ(gRefused.filesLeftOut, kMaxHandedBytes / 4001 - kMaxHandedFiles);
    for (const std::string& file : gReceived)
        EXPECT_EQ(file.size(), 4000u);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the client's writes were refused";
}

TEST_F(ProgramTest, FilesPastTheBoundOfASecondStartAreLeftOutWithOneMessage) {
    Start();
    ASSERT_EQ(ClaimProgramInstance({}), kFirstInstance);
    std::vector<std::string> files;
    for (size_t i = 0; i < kMaxHandedFiles + 3; ++i)
        files.push_back(home.path() + "/missing " + std::to_string(i) + ".txt");
    const std::string key = SingleInstanceKey();
    ClearRecordedErrorMessages();
    EXPECT_EQ(HandFilesToRunningCopy(key, files), noErr);
    for (int round = 0; round < 2000 && RecordedErrorMessages().empty(); ++round) {
        ProcessPendingEvents(5);
        ::usleep(1000);
    }
    ReleaseSingleInstance();
    ASSERT_EQ(RecordedErrorMessages().size(), 1u);
    EXPECT_NE(RecordedErrorMessages()[0].find("did not open 3 of the files"), std::string::npos)
        << RecordedErrorMessages()[0];
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
