#include "platform/termination_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vrq::platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int signo) {
    // Only async-signal-safe work here: one byte into the socket pair.
    const int saved = errno;
    const auto b = static_cast<unsigned char>(signo);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &b, 1);
    errno = saved;
}

}  // namespace

int watchTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return -1;
    // A burst of signals must never block the handler.
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    ::fcntl(signalPipe[0], F_SETFL, ::fcntl(signalPipe[0], F_GETFL) | O_NONBLOCK);
    struct sigaction sa {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (const int s : kSignals) ::sigaction(s, &sa, nullptr);
    return signalPipe[0];
}

void unwatchTerminationSignals() {
    for (const int s : kSignals) ::signal(s, SIG_DFL);
    for (int& fd : signalPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

int nextTerminationSignal() {
    unsigned char b = 0;
    return signalPipe[0] >= 0 && ::read(signalPipe[0], &b, 1) == 1 ? b : -1;
}

}  // namespace vrq::platform
