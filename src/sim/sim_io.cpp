#include "sim/sim_io.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <map>

namespace vrq::sim {

namespace {

volatile std::sig_atomic_t gStop = 0;
void onSignal(int) { gStop = 1; }

using Clock = std::chrono::steady_clock;

struct Outgoing {
    Clock::time_point due;
    int fd;
    std::string bytes;
};

// A line of `baud` bits a second carries a byte in 11 bits (start, 8 data,
// parity, stop). Each direction of each stream is busy until its last byte is through.
class LineRate {
public:
    explicit LineRate(int baud) : baud_(baud) {}
    // When bytes that came in at `now` have all arrived.
    Clock::time_point received(int fd, std::size_t bytes, Clock::time_point now) {
        return pass(rx_[fd], bytes, now);
    }
    // When an answer ready at `ready` has all left.
    Clock::time_point sent(int fd, std::size_t bytes, Clock::time_point ready) { return pass(tx_[fd], bytes, ready); }
    void forget(int fd) {
        rx_.erase(fd);
        tx_.erase(fd);
    }

private:
    Clock::time_point pass(Clock::time_point& free, std::size_t bytes, Clock::time_point from) {
        if (baud_ <= 0) return from;
        const auto start = std::max(free, from);
        free = start + std::chrono::microseconds(static_cast<long long>(bytes) * 11 * 1000000 / baud_);
        return free;
    }
    int baud_;
    std::map<int, Clock::time_point> rx_, tx_;
};

void schedule(std::deque<Outgoing>& queue, Outgoing o) {
    // Several streams may interleave: keep the queue in due order.
    auto at = std::upper_bound(queue.begin(), queue.end(), o.due,
                               [](Clock::time_point t, const Outgoing& q) { return t < q.due; });
    queue.insert(at, std::move(o));
}

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else {
            return;
        }
    }
}

int listenTcp(int port, std::string& error) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) < 0 || ::listen(fd, 5) < 0) {
        error = std::strerror(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

int connectTcp(const std::string& hostPort, Message& error) {
    const auto colon = hostPort.rfind(':');
    if (colon == std::string::npos) {
        error = VRQ_TEXT("Sim", "HOST:PORT の形で指定してください。");
        return -1;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* res = nullptr;
    if (::getaddrinfo(hostPort.substr(0, colon).c_str(), hostPort.substr(colon + 1).c_str(), &hints, &res) != 0 ||
        !res) {
        error = Message(VRQ_TEXT("Sim", "%1 のアドレスがわかりませんでした。")).arg(hostPort);
        return -1;
    }
    const int fd = ::socket(res->ai_family, res->ai_socktype, 0);
    const int rc = fd < 0 ? -1 : ::connect(fd, res->ai_addr, res->ai_addrlen);
    ::freeaddrinfo(res);
    if (rc < 0) {
        error = Message::plain(std::strerror(errno));
        if (fd >= 0) ::close(fd);
        return -1;
    }
    return fd;
}

std::string said(const IoOptions& io, const Message& m) { return io.say ? io.say(m) : m.japanese(); }

}  // namespace

int openPty(std::string& slavePath, std::string& error) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) < 0 || ::unlockpt(master) < 0) {
        error = std::strerror(errno);
        if (master >= 0) ::close(master);
        return -1;
    }
    char name[128] = {};
    if (::ptsname_r(master, name, sizeof name) != 0) {
        error = std::strerror(errno);
        ::close(master);
        return -1;
    }
    slavePath = name;
    termios t{};
    if (::tcgetattr(master, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(master, TCSANOW, &t);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    return master;
}

int runSimulator(SimDevice& device, const IoOptions& io) { return runSimulator(std::vector<SimDevice*>{&device}, io); }

int runSimulator(const std::vector<SimDevice*>& devices, const IoOptions& io) {
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);

    std::ofstream record;
    if (!io.recordPath.empty()) {
        record.open(io.recordPath, std::ios::binary | std::ios::app);
        // The line is on the wire once, however many slaves hear it.
        devices.front()->onLine = [&record](std::string_view line) {
            record.write(line.data(), static_cast<std::streamsize>(line.size()));
            record.flush();
        };
    }

    std::string error;
    int listenFd = -1;
    std::vector<int> streams;  // pty master or TCP connections
    bool isPty = false;

    if (io.tcpListenPort >= 0) {
        listenFd = listenTcp(io.tcpListenPort, error);
        if (listenFd < 0) {
            std::cerr << "vrqsim: "
                      << said(io, Message(VRQ_TEXT("Sim", "ポート %1 で接続を待てませんでした（%2）。"))
                                      .arg(io.tcpListenPort)
                                      .arg(error))
                      << "\n";
            return 1;
        }
        // Port 0 takes any free port; say which, so several simulators can run side by side.
        sockaddr_in bound{};
        socklen_t len = sizeof bound;
        const bool known = ::getsockname(listenFd, reinterpret_cast<sockaddr*>(&bound), &len) == 0;
        std::cout << "vrqsim: listening on TCP 127.0.0.1:" << (known ? ntohs(bound.sin_port) : io.tcpListenPort)
                  << std::endl;
    } else if (!io.tcpConnect.empty()) {
        for (int i = 0; i < std::max(1, io.connections); ++i) {
            Message why;
            const int fd = connectTcp(io.tcpConnect, why);
            if (fd < 0) {
                std::cerr << "vrqsim: "
                          << said(io, Message(VRQ_TEXT("Sim", "%1 に接続できませんでした（%2）。")).arg(io.tcpConnect).arg(why))
                          << "\n";
                return 1;
            }
            streams.push_back(fd);
            // Devices do not all call at the same instant; a burst would
            // overflow a listen backlog of a few entries.
            if (i + 1 < io.connections) ::poll(nullptr, 0, 5);
        }
        std::cout << "vrqsim: connected to " << io.tcpConnect << std::endl;
    } else {
        std::string path;
        const int master = openPty(path, error);
        if (master < 0) {
            std::cerr << "vrqsim: " << said(io, Message(VRQ_TEXT("Sim", "擬似端末を開けませんでした（%1）。")).arg(error))
                      << "\n";
            return 1;
        }
        isPty = true;
        streams.push_back(master);
        if (!io.linkPath.empty()) {
            ::unlink(io.linkPath.c_str());
            if (::symlink(path.c_str(), io.linkPath.c_str()) != 0) {
                std::cerr << "vrqsim: "
                          << said(io, Message(VRQ_TEXT("Sim", "リンク %1 を作れませんでした（%2）。"))
                                          .arg(io.linkPath)
                                          .arg(std::strerror(errno)))
                          << "\n";
                return 1;
            }
        }
        std::cout << "vrqsim: serial device on " << path;
        if (!io.linkPath.empty()) std::cout << " (link " << io.linkPath << ")";
        std::cout << std::endl;
    }

    std::deque<Outgoing> queue;
    LineRate line(io.baud);
    char buf[4096];
    while (!gStop) {
        std::vector<pollfd> fds;
        if (listenFd >= 0) fds.push_back({listenFd, POLLIN, 0});
        for (int fd : streams) fds.push_back({fd, POLLIN, 0});

        int timeout = 200;
        if (!queue.empty()) {
            // Rounded up: a wait cut to 0 ms would spin until the answer is due.
            const auto wait =
                std::chrono::ceil<std::chrono::milliseconds>(queue.front().due - Clock::now()).count();
            timeout = static_cast<int>(std::max<long long>(0, std::min<long long>(wait, 200)));
        }
        const int n = ::poll(fds.data(), fds.size(), timeout);
        if (n < 0 && errno != EINTR) break;

        for (const pollfd& p : fds) {
            if (!p.revents) continue;
            if (p.fd == listenFd) {
                const int c = ::accept(listenFd, nullptr, nullptr);
                if (c >= 0) streams.push_back(c);
                continue;
            }
            const ssize_t got = ::read(p.fd, buf, sizeof buf);
            if (got > 0) {
                const auto arrived = line.received(p.fd, static_cast<std::size_t>(got), Clock::now());
                bool hangUp = false;
                for (SimDevice* device : devices) {
                    for (std::string& a : device->feed(std::string_view(buf, static_cast<std::size_t>(got)), p.fd)) {
                        const int late = device->takeExtraDelayMs();
                        const auto left =
                            line.sent(p.fd, a.size(), arrived + std::chrono::milliseconds(io.delayMs + late));
                        schedule(queue, {left, p.fd, std::move(a)});
                    }
                    hangUp = device->takeHangUp() || hangUp;
                }
                if (hangUp) {
                    // The drop drill: a pty vanishes with the simulator, a TCP
                    // connection is cut while the listener stays for a reconnect.
                    std::erase_if(queue, [&](const Outgoing& o) { return o.fd == p.fd; });
                    if (isPty) {
                        gStop = 1;
                        break;
                    }
                    ::shutdown(p.fd, SHUT_RDWR);
                    ::close(p.fd);
                    for (SimDevice* device : devices) device->forget(p.fd);
                    std::erase(streams, p.fd);
                    if (listenFd < 0 && streams.empty()) gStop = 1;
                }
            } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
                if (isPty) {
                    // No side holds the pty open just now; wait for the console to come back.
                    ::poll(nullptr, 0, 50);
                    continue;
                }
                ::close(p.fd);
                for (SimDevice* device : devices) device->forget(p.fd);
                line.forget(p.fd);
                std::erase(streams, p.fd);
                std::erase_if(queue, [&](const Outgoing& o) { return o.fd == p.fd; });
                if (listenFd < 0 && streams.empty()) gStop = 1;  // our outgoing connections are gone
            }
        }
        while (!queue.empty() && queue.front().due <= Clock::now()) {
            writeAll(queue.front().fd, queue.front().bytes);
            queue.pop_front();
        }
    }
    for (int fd : streams) ::close(fd);
    if (listenFd >= 0) ::close(listenFd);
    if (!io.linkPath.empty()) ::unlink(io.linkPath.c_str());
    return 0;
}

}  // namespace vrq::sim
