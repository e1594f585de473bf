// Termination signals turned into a call on the event loop: the signal handler only writes a byte to a
// pipe, and a notifier on the pipe's other end makes the call where the program's code may run.
#include "platform/single_instance.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <memory>

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

int gSignalPipe[2] = {-1, -1};
std::unique_ptr<QSocketNotifier> gNotifier;
QuitRequestProc gQuitProc = nullptr;
void* gQuitUserData = nullptr;

void NoteQuitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(gSignalPipe[1], &byte, 1);
    errno = saved;
}

void DrainPipeAndCall() {
    char bytes[16];
    while (::read(gSignalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (gQuitProc) gQuitProc(gQuitUserData);
}

bool MakeSignalPipe() {
    if (gSignalPipe[0] >= 0) return true;
    if (::pipe2(gSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    gNotifier = std::make_unique<QSocketNotifier>(gSignalPipe[0], QSocketNotifier::Read);
    QObject::connect(gNotifier.get(), &QSocketNotifier::activated, gNotifier.get(), DrainPipeAndCall);
    return true;
}

} // namespace

void InstallQuitRequestHandler(QuitRequestProc proc, void* userData) {
    gQuitProc = proc;
    gQuitUserData = userData;
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    action.sa_handler = proc && MakeSignalPipe() ? NoteQuitSignal : SIG_DFL;
    for (int signal : kQuitSignals)
        ::sigaction(signal, &action, nullptr);
}
