#pragma once
// A raw pseudo-terminal client standing in for the serial link in tests that
// need the bytes themselves.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <string_view>

#include "protocol/transport.h"

namespace vrq::test {

class PtyPort : public Transport {
public:
    explicit PtyPort(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        if (fd_ >= 0) {
            termios t{};
            ::tcgetattr(fd_, &t);
            ::cfmakeraw(&t);
            ::tcsetattr(fd_, TCSANOW, &t);
        }
    }
    ~PtyPort() override {
        if (fd_ >= 0) ::close(fd_);
    }
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    bool ok() const { return fd_ >= 0; }
    void writeLine(std::string_view b) override {
        std::size_t done = 0;
        while (done < b.size()) {
            const ssize_t n = ::write(fd_, b.data() + done, b.size() - done);
            if (n <= 0) return;
            done += static_cast<std::size_t>(n);
        }
    }
    // The next line with its LF, or what arrived before `ms` of silence.
    std::string readLine(int ms) {
        std::string line;
        while (true) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, ms) <= 0) return line;
            char ch;
            if (::read(fd_, &ch, 1) != 1) return line;
            line.push_back(ch);
            if (ch == '\n') return line;
        }
    }

private:
    int fd_ = -1;
};

}  // namespace vrq::test
