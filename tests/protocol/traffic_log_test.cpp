// The traffic record: bounded under a flood, each line in the `vrqctl --log`
// format, control bytes escaped, dropped lines marked.

#include <gtest/gtest.h>

#include <regex>

#include "protocol/traffic_log.h"

namespace vrq {
namespace {

TrafficEvent event(TrafficDirection d, std::string_view bytes, int address = -1) {
    return {d, bytes, "COM1 /dev/ttyUSB0", address};
}

TEST(TrafficLogTest, AFloodKeepsOnlyTheNewestLinesAndEachLineIsCapped) {
    TrafficLog log;
    const std::string huge(100000, 'A');
    for (int i = 0; i < 100000; ++i) {
        const std::string line = std::to_string(i) + "\r\n";
        log.add(event(TrafficDirection::Received, i % 1000 == 0 ? std::string_view(huge) : std::string_view(line)));
    }
    ASSERT_EQ(log.size(), TrafficLog::kDefaultCapacity);
    EXPECT_EQ(log.added(), 100000u);
    EXPECT_EQ(log.firstNumber(), 90000u);
    EXPECT_EQ(log.at(0).bytes, huge.substr(0, TrafficLog::kMaxBytes));
    EXPECT_EQ(log.at(1).bytes, "90001\r\n");
    EXPECT_EQ(log.at(log.size() - 1).bytes, "99999\r\n");
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < log.size(); ++i) bytes += log.at(i).bytes.size() + log.at(i).link.size();
    EXPECT_LE(bytes, log.capacity() * (TrafficLog::kMaxBytes + 64));

    log.clear();
    EXPECT_EQ(log.size(), 0u);
    log.add(event(TrafficDirection::Sent, "01RVN\r\n"));
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(log.firstNumber(), 100000u);
}

TEST(TrafficLogTest, LinesHaveTheLogFormatWithControlBytesEscaped) {
    EXPECT_EQ(printable("05GO\r\n"), "05GO\\r\\n");
    EXPECT_EQ(printable(std::string_view("\x11\x13\t\x7F\0A", 6)), "\\x11\\x13\\x09\\x7F\\x00A");
    // Plain ASCII that reads one way: high bytes and the backslash escaped too,
    // so 0xE9 never joins the escape after it and a literal "\r" is no CR.
    EXPECT_EQ(printable("\x83\x65\xE9\r\n"), "\\x83e\\xE9\\r\\n");
    EXPECT_EQ(printable("a\\rb\\"), "a\\\\rb\\\\");
    EXPECT_EQ(printableAscii("\x9B" "2J\x1B]0;\xFF\r\n"), "\\x9B2J\\x1B]0;\\xFF\\r\\n");

    const auto at = TrafficClock::now();
    const std::string line = logLine(at, TrafficDirection::Sent, "05RVN\r\n");
    EXPECT_TRUE(std::regex_match(line, std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3} > 05RVN\\r\\n)"))) << line;
    EXPECT_EQ(logLine(at, TrafficDirection::Received, "x").substr(24), "< x");
    EXPECT_EQ(logLine(at, TrafficDirection::Dropped, "06VN\r\n").substr(24), "x 06VN\\r\\n");

    // Milliseconds are the ones of the time point, zero-padded.
    const auto second = std::chrono::time_point_cast<std::chrono::seconds>(at);
    EXPECT_EQ(isoMillis(second + std::chrono::milliseconds(7)).substr(19), ".007");
    EXPECT_EQ(isoMillis(second + std::chrono::milliseconds(999)).substr(19), ".999");
    EXPECT_EQ(isoMillis(second).substr(0, 19), isoMillis(second + std::chrono::milliseconds(999)).substr(0, 19));

    TrafficLog log;
    log.add(event(TrafficDirection::Dropped, "06VN9.99\r\n", 6), at);
    EXPECT_EQ(logLine(log.at(0)), logLine(at, TrafficDirection::Dropped, "06VN9.99\r\n"));
    // With several devices in a file every line names its device, without spaces.
    EXPECT_EQ(trafficDevice(log.at(0)), "ttyUSB0_06");
    EXPECT_EQ(logLine(log.at(0), trafficDevice(log.at(0))).substr(24), "ttyUSB0_06 x 06VN9.99\\r\\n");
    log.add({TrafficDirection::Event, "x", "ｽﾛｯﾄ2 127.0.0.1:4711", -1});
    EXPECT_EQ(trafficDevice(log.at(1)), "127.0.0.1_4711");
}

TEST(TrafficLogTest, AddressesAndFilter) {
    EXPECT_EQ(rs485Address("05RVN\r\n"), 5);
    EXPECT_EQ(rs485Address("FFCFZON\r\n"), 255);
    EXPECT_EQ(rs485Address("GO\r\n"), -1);
    EXPECT_EQ(rs485Address("5"), -1);

    TrafficLog log;
    log.add(event(TrafficDirection::Sent, "05RVN\r\n", 5));
    log.add(event(TrafficDirection::Sent, "FFCFZON\r\n", 255));
    log.add({TrafficDirection::Received, "GO\r\n", "ｽﾛｯﾄ3 192.168.0.7:5000", -1});
    const auto& rvn = log.at(0);
    EXPECT_TRUE(trafficMatches(rvn, ""));
    EXPECT_TRUE(trafficMatches(rvn, "RVN"));
    EXPECT_TRUE(trafficMatches(rvn, "\\r\\n"));  // as shown, escaped
    EXPECT_TRUE(trafficMatches(rvn, "ttyUSB0"));
    EXPECT_FALSE(trafficMatches(rvn, "rvn"));
    EXPECT_TRUE(trafficMatches(log.at(1), "FF"));
    EXPECT_TRUE(trafficMatches(log.at(2), "192.168.0.7"));
    EXPECT_FALSE(trafficMatches(log.at(2), "COM1"));
}

}  // namespace
}  // namespace vrq
