#pragma once
// Starts vrqsim as a child process for end-to-end tests and reads where it listens.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace vrq::test {

class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args) {
        int out[2];
        if (::pipe(out) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            std::string prog = VRQSIM_PATH;
            argv.push_back(prog.data());
            // Its messages in one language whatever the machine's locale.
            std::vector<std::string> copy = {"--lang", "en"};
            copy.insert(copy.end(), args.begin(), args.end());
            for (auto& a : copy) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(prog.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        fd_ = out[0];
        firstLine_ = readLine(5000);
    }
    ~SimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
        if (fd_ >= 0) ::close(fd_);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& firstLine() const { return firstLine_; }
    // The pty path printed as "vrqsim: serial device on PATH ...".
    std::string ptyPath() const {
        const std::string key = "serial device on ";
        const auto at = firstLine_.find(key);
        if (at == std::string::npos) return {};
        const auto start = at + key.size();
        return firstLine_.substr(start, firstLine_.find(' ', start) - start);
    }

private:
    std::string readLine(int timeoutMs) {
        std::string line;
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < until) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char ch;
            if (::read(fd_, &ch, 1) != 1) break;
            if (ch == '\n') break;
            line.push_back(ch);
        }
        return line;
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    std::string firstLine_;
};

}  // namespace vrq::test
