#include <gtest/gtest.h>

#include "sim/sim_device.h"

namespace vrq::sim {
namespace {

TEST(SimDeviceTest, AppliesBlinkCommandsAndAnswersReadBack) {
    SimDevice d({});
    EXPECT_EQ(d.handleLine("CBS003L10ON\r\n"), "GO\r\n");
    EXPECT_EQ(d.settings().lineBlink[2][9], 1);
    EXPECT_EQ(d.handleLine("RCBS003\r\n"), "CBS003FFFFFFFFFN\r\n");
    EXPECT_EQ(d.handleLine("CBS001FNFFFFFFFF\r\n"), "GO\r\n");
    EXPECT_EQ(d.handleLine("RCBS001\r\n"), "CBS001FNFFFFFFFF\r\n");
}

TEST(SimDeviceTest, RefusesWhatItCannotParse) {
    SimDevice d({});
    EXPECT_EQ(d.handleLine("CBS000L01ON\r\n"), "E3\r\n");   // page 0
    EXPECT_EQ(d.handleLine("CBS513L01ON\r\n"), "E3\r\n");   // page 513
    EXPECT_EQ(d.handleLine("CBS001L11ON\r\n"), "E3\r\n");   // line 11
    EXPECT_EQ(d.handleLine("CBS001L01XX\r\n"), "E3\r\n");
    EXPECT_EQ(d.handleLine("CBS001FFFFFFFFFX\r\n"), "E3\r\n");
    EXPECT_EQ(d.handleLine("ZZZ\r\n"), "E3\r\n");
    EXPECT_EQ(d.handleLine("\r\n"), "E3\r\n");
    EXPECT_EQ(d.settings().lineBlink[0][0], 0);
}

TEST(SimDeviceTest, AssemblesLinesAcrossReadsAndSeveralInOneRead) {
    SimDevice d({});
    EXPECT_TRUE(d.feed("CBS00").empty());
    auto a = d.feed("1L01ON\r\nRCBS001\r\nCBS0");
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0], "GO\r\n");
    EXPECT_EQ(a[1], "CBS001NFFFFFFFFF\r\n");
    a = d.feed("02L02ON\r\n");
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(d.settings().lineBlink[1][1], 1);

    // Two connections sending at once: neither half-line spills into the other.
    EXPECT_TRUE(d.feed("CBS003", 7).empty());
    EXPECT_TRUE(d.feed("RCB", 8).empty());
    EXPECT_EQ(d.feed("L03ON\r\n", 7), std::vector<std::string>{"GO\r\n"});
    EXPECT_EQ(d.feed("S003\r\n", 8).size(), 1u);
    d.feed("CBS0", 9);
    d.forget(9);  // closed: a new connection on that number starts clean
    EXPECT_EQ(d.feed("RCBS003\r\n", 9).at(0).substr(0, 6), "CBS003");
}

TEST(SimDeviceTest, Rs485AnswersOnlyItsOwnAddressAndAppliesBroadcasts) {
    SimOptions o;
    o.rs485Address = 5;
    SimDevice d(o);
    EXPECT_EQ(d.handleLine("05CBS003L10ON\r\n"), "05GO\r\n");
    EXPECT_EQ(d.handleLine("06CBS004L10ON\r\n"), "");
    EXPECT_EQ(d.settings().lineBlink[3][9], 0);
    EXPECT_EQ(d.handleLine("FFCBS004L01ON\r\n"), "");
    EXPECT_EQ(d.settings().lineBlink[3][0], 1);
    EXPECT_EQ(d.handleLine("05RCBS004\r\n"), "05CBS004NFFFFFFFFF\r\n");
}

TEST(SimDeviceTest, FaultSwitches) {
    SimOptions menu;
    menu.menu = true;
    EXPECT_EQ(SimDevice(menu).handleLine("CBS001L01ON\r\n"), "MENU\r\n");

    SimOptions err;
    err.errorAt = 2;
    err.errorCode = "E1";
    SimDevice d(err);
    EXPECT_EQ(d.handleLine("CBS001L01ON\r\n"), "GO\r\n");
    EXPECT_EQ(d.handleLine("CBS001L01ON\r\n"), "E1\r\n");
    EXPECT_EQ(d.handleLine("CBS001L01ON\r\n"), "GO\r\n");

    SimOptions silent;
    silent.silent = true;
    SimDevice s(silent);
    EXPECT_EQ(s.handleLine("CBS001L01ON\r\n"), "");
    EXPECT_EQ(s.settings().lineBlink[0][0], 1);  // silent, not deaf
}

TEST(SimDeviceTest, SingleLineBlinkCarriesAllPages) {
    SimOptions o;
    o.product = Product::Single;
    SimDevice d(o);
    std::string cmd = "CBS" + std::string(512, 'F');
    cmd[3 + 511] = 'N';
    EXPECT_EQ(d.handleLine(cmd + "\r\n"), "GO\r\n");
    EXPECT_EQ(d.settings().lineBlink[511][0], 1);
    EXPECT_EQ(d.handleLine("RCBS\r\n"), cmd + "\r\n");
    EXPECT_EQ(d.handleLine("CBS" + std::string(511, 'F') + "\r\n"), "E3\r\n");
}

}  // namespace
}  // namespace vrq::sim
