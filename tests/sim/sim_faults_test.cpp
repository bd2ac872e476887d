// The fault switches the drills use: falling silent, hanging up, junk answers.

#include <gtest/gtest.h>

#include "sim/sim_device.h"

namespace vrq::sim {
namespace {

TEST(SimFaultsTest, SilentAfterAnswersOnlyTheFirstLines) {
    SimOptions o;
    o.silentAfter = 2;
    SimDevice d(o);
    EXPECT_EQ(d.handleLine("CBS001L01ON\r\n"), "GO\r\n");
    EXPECT_EQ(d.handleLine("RCBS001\r\n"), "CBS001NFFFFFFFFF\r\n");
    EXPECT_EQ(d.handleLine("CBS001L02ON\r\n"), "");
    EXPECT_EQ(d.handleLine("CBS001L03ON\r\n"), "");
}

TEST(SimFaultsTest, DropAfterHangsUpOnceAtTheNamedLine) {
    SimOptions o;
    o.dropAfter = 2;
    SimDevice d(o);
    EXPECT_EQ(d.feed("CBS001L01ON\r\n").size(), 1u);
    EXPECT_FALSE(d.takeHangUp());
    EXPECT_TRUE(d.feed("CBS001L02ON\r\n").empty());  // the line that ends the connection is not answered
    EXPECT_TRUE(d.takeHangUp());
    EXPECT_FALSE(d.takeHangUp());
    // After a reconnect the device answers again.
    EXPECT_EQ(d.handleLine("CBS001L03ON\r\n"), "GO\r\n");
    EXPECT_FALSE(d.takeHangUp());
}

TEST(SimFaultsTest, GarbageIsJunkForTheFirstAnswersThenNormal) {
    SimOptions o;
    o.garbage = 12;
    SimDevice d(o);
    bool sawLongWithoutLf = false, sawBadPage = false, sawBadDay = false;
    for (int i = 0; i < 12; ++i) {
        const std::string a = d.handleLine("RVN\r\n");
        ASSERT_FALSE(a.empty());
        sawLongWithoutLf |= a.size() > 1200 && a.find('\n') == std::string::npos;
        sawBadPage |= a.rfind("CA", 0) == 0 && a.substr(2, 3) > "512";
        sawBadDay |= a.rfind("SD", 0) == 0 && a.size() > 100 && a.substr(2, 2) > "31";
    }
    EXPECT_TRUE(sawLongWithoutLf);
    EXPECT_TRUE(sawBadPage);
    EXPECT_TRUE(sawBadDay);
    EXPECT_EQ(d.handleLine("CBS001L01ON\r\n"), "GO\r\n");
    // The same junk every time, so a failing drill can be repeated.
    SimDevice again(o);
    SimDevice first(o);
    EXPECT_EQ(again.handleLine("X\r\n"), first.handleLine("Y\r\n"));
}

}  // namespace
}  // namespace vrq::sim
