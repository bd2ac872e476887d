// vrqctl waits without burning the processor, keeps what it receives bounded,
// gets its last broadcast line out before it exits, and stops a run when the
// device turns out to be of the other model.

#include <cstddef>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime (its header ships with clang only).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

#include "ctl/ctl_runner.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "support/sim_process.h"

namespace vrq::ctl {
namespace {

double threadCpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_THREAD, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Heap bytes in use now (freed blocks held back by the sanitizer do not count).
std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

std::vector<std::string> lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

Options serialSend(const std::string& path, const std::string& line) {
    Options o;
    o.link = LinkKind::Serial;
    o.serialPath = path;
    o.action = Action::Send;
    o.argument = line;
    return o;
}

TEST(CtlWaits, ASilentDeviceCostsNoProcessorTime) {
    test::SimProcess sim({"--silent"});
    Options o = serialSend(sim.ptyPath(), "RVN");
    std::ostringstream out, err;
    const double cpu = threadCpuSeconds();
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_LT(threadCpuSeconds() - cpu, 0.05);
    EXPECT_NE(err.str().find("No Connect"), std::string::npos) << err.str();
}

// No time between commands still waits on each answer; the run stops at the
// first command left unanswered, as an answer-paced one does.
TEST(CtlWaits, AZeroPeriodWaitsOnAnswersWithoutSpinning) {
    test::SimProcess sim({"--delay-ms", "250", "--silent-after", "2"});
    QTemporaryDir dir;
    Options o = serialSend(sim.ptyPath(), "");
    o.action = Action::ReadAll;
    o.argument = dir.filePath("out.dat").toStdString();
    o.periodMs = 0;
    o.timeoutMs = 600;
    std::ostringstream out, err;
    const double cpu = threadCpuSeconds();
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_LT(threadCpuSeconds() - cpu, 0.15) << "about 1.1 s of waiting";
    EXPECT_NE(err.str().find("1 command in a row went unanswered"), std::string::npos) << err.str();
}

TEST(CtlWaits, BroadcastLinesReachTheDeviceBeforeExit) {
    QTemporaryDir dir;
    const std::string record = dir.filePath("rec").toStdString();
    test::SimProcess sim({"--rs485", "05", "--record", record, "--single"});
    Options o = serialSend(sim.ptyPath(), "CBS003L10ON");
    o.rs485 = kBroadcastAddress;
    std::ostringstream out, err;
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines(record).size() == 1; }, 2000));
    EXPECT_EQ(lines(record)[0], "FFCBS003L10ON\r");

    // The last line of a broadcast send-all, too.
    auto doc = makeConsole(Product::Single);
    const std::string path = dir.filePath("doc.dat").toStdString();
    ASSERT_TRUE(static_cast<bool>(SettingsFile::save(*doc, path)));
    o.product = Product::Single;
    o.action = Action::SendAll;
    o.argument = path;
    o.paced = true;
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines(record).size() == 567; }, 2000)) << lines(record).size();
    EXPECT_EQ(lines(record).back().substr(0, 6), "FFVLBC");
}

TEST(CtlWaits, AFloodWithoutLineEndsLeavesMemoryBounded) {
    std::signal(SIGPIPE, SIG_IGN);
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    socklen_t len = sizeof a;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
    // 64 MiB of 'X' once the command is in, never a line end.
    std::thread peer([listener] {
        const int fd = ::accept(listener, nullptr, nullptr);
        char in[64];
        if (fd < 0 || ::read(fd, in, sizeof in) <= 0) return;
        const std::string chunk(64 * 1024, 'X');
        for (int i = 0; i < 1024; ++i)
            if (::write(fd, chunk.data(), chunk.size()) <= 0) break;
        ::close(fd);
    });
    // The heap is sampled while vrqctl's event loop runs.
    const std::size_t before = heapInUse();
    std::size_t peak = before;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { peak = std::max(peak, heapInUse()); });
    sampler.start(5);
    Options o;
    o.link = LinkKind::Tcp;
    o.host = "127.0.0.1";
    o.port = ntohs(a.sin_port);
    o.action = Action::Send;
    o.argument = "RVN";
    o.timeoutMs = 1500;
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    peer.join();
    ::close(listener);
    EXPECT_LT(peak - before, 16u << 20) << "bytes of heap at the peak";
    EXPECT_NE(err.str().find("without a line end was dropped"), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
}

TEST(CtlWaits, ReadAllStopsWhenTheDeviceIsOfTheOtherModel) {
    test::SimProcess sim({"--single"});
    QTemporaryDir dir;
    Options o = serialSend(sim.ptyPath(), "");
    o.action = Action::ReadAll;
    o.argument = dir.filePath("out.dat").toStdString();
    o.paced = true;
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_NE(err.str().find("answers GN"), std::string::npos) << err.str();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(o.argument)));
}

}  // namespace
}  // namespace vrq::ctl
