#pragma once
// A scripted device on its own thread, reached over loopback TCP. It must not
// share the test's thread: the link blocks that thread while it waits for an answer.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vrq::test {

struct Chunk {
    int delayMs;
    std::string bytes;
};

class FakeDevice {
public:
    using Script = std::function<std::vector<Chunk>(const std::string& line)>;

    // Listening mode: the console connects to port().
    explicit FakeDevice(Script script) : script_(std::move(script)) {
        listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int yes = 1;
        ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listenFd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listenFd_, 5);
        socklen_t len = sizeof a;
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { run(); });
    }

    ~FakeDevice() {
        stop_ = true;
        thread_.join();
        if (listenFd_ >= 0) ::close(listenFd_);
    }
    FakeDevice(const FakeDevice&) = delete;
    FakeDevice& operator=(const FakeDevice&) = delete;

    int port() const { return port_; }
    void hangUp() { hangUp_ = true; }
    // The next hang-up resets the connection instead of closing it.
    void resetOnHangUp() { reset_ = true; }
    std::vector<std::string> lines() {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }

private:
    void run() {
        int fd = -1;
        std::string pending;
        char buf[2048];
        while (!stop_) {
            if (fd < 0) {
                pollfd p{listenFd_, POLLIN, 0};
                if (::poll(&p, 1, 20) > 0) fd = ::accept(listenFd_, nullptr, nullptr);
                continue;
            }
            if (hangUp_) {
                if (reset_) {
                    linger l{1, 0};
                    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
                }
                ::close(fd);
                fd = -1;
                hangUp_ = false;
                continue;
            }
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0) {
                ::close(fd);
                fd = -1;
                continue;
            }
            pending.append(buf, static_cast<std::size_t>(n));
            for (auto lf = pending.find('\n'); lf != std::string::npos; lf = pending.find('\n')) {
                const std::string line = pending.substr(0, lf + 1);
                pending.erase(0, lf + 1);
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    lines_.push_back(line);
                }
                for (const Chunk& c : script_(line)) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(c.delayMs));
                    (void)::write(fd, c.bytes.data(), c.bytes.size());
                }
            }
        }
        if (fd >= 0) ::close(fd);
    }

    Script script_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> hangUp_{false};
    std::atomic<bool> reset_{false};
    std::mutex mutex_;
    std::vector<std::string> lines_;
    std::thread thread_;
};

}  // namespace vrq::test
