#include "platform/serial_line.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vrq::platform {

namespace {

constexpr char kXon = 0x11, kXoff = 0x13;

bool isPseudoTerminal(int fd) {
    const char* name = ::ttyname(fd);
    return name && std::strncmp(name, "/dev/pts/", 9) == 0;
}

}  // namespace

bool applyLineSettings(SerialHandle fd, int) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return false;
    ::cfsetispeed(&t, B38400);
    ::cfsetospeed(&t, B38400);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARODD | CSTOPB);
    t.c_cflag |= CS8 | PARENB | CREAD | CLOCAL | CRTSCTS;
    // Parity is generated but received parity is not checked.
    t.c_iflag &= ~static_cast<tcflag_t>(INPCK | PARMRK | ISTRIP | IXANY);
    t.c_iflag |= IXON | IXOFF;
    t.c_cc[VSTART] = kXon;
    t.c_cc[VSTOP] = kXoff;
    // Everything in one call: a pty may refuse a change it cannot keep.
    if (::tcsetattr(fd, TCSANOW, &t) == 0) return true;
    if (errno == EINVAL && isPseudoTerminal(fd)) {
        // A pseudo-terminal has no parity; everything else still applies.
        t.c_cflag &= ~static_cast<tcflag_t>(PARENB);
        return ::tcsetattr(fd, TCSANOW, &t) == 0;
    }
    return false;
}

bool readErrorMayMeanHangUp() { return true; }

bool lineHungUp(SerialHandle fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

long long outputQueued(SerialHandle fd) {
    int queued = 0;
    return ::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0 ? queued : 0;
}

}  // namespace vrq::platform
