// The simulated device's device-wide commands: set commands apply, read
// requests answer in the shape the console's reply handler stores.

#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/reply_parser.h"
#include "sim/sim_device.h"

namespace vrq::sim {
namespace {

std::string ask(SimDevice& d, const std::string& line) { return d.handleLine(line + "\r\n"); }

TEST(SimDeviceCommandsTest, SetCommandsApplyAndReadsAnswerInTheirShape) {
    SimDevice d({});
    const std::pair<const char*, const char*> roundTrips[] = {
        {"ACA005006007008009010011512", "RACA"}, {"RCA001002003004005006007512", "RRCA"},
        {"ADOF", "RAD"},  {"ADON", "RADO"},   {"AROF", "RAR"},   {"ADT045", "RADT"},
        {"AME", "RAM"},   {"APB", "RAP"},     {"CFZON", "RCFZ"}, {"CIR", "RCI"},
        {"POSP007", "RPOSP"}, {"POSPAS", "RPOSP"}, {"RMBIT", "RRM"}, {"RMOPE", "RRM"},
        {"TSDON", "RTSD"}, {"TSDR8", "RTSDR"}, {"VLBCB", "RVLBC"}, {"TSDSN", "RTSDS"},
        {"EIA010.000.000.005", "REIA"}, {"EGA192.168.001.254", "REGA"}, {"EAA172.016.000.001", "REAA"},
        {"ESMB", "RESM"}, {"EPN10001", "REPN"}, {"ECTON", "RECT"}, {"EKAON", "REKA"}, {"ETR3", "RETR"},
    };
    for (const auto& [setLine, request] : roundTrips) {
        ASSERT_EQ(ask(d, setLine), "GO\r\n") << setLine;
        EXPECT_EQ(ask(d, request), std::string(setLine) + "\r\n") << request;
    }
    EXPECT_EQ(ask(d, "RVN"), "VN1.05\r\n");
    EXPECT_EQ(ask(d, "REMA"), "EMA00-80-45-1A-2B-3C\r\n");
}

TEST(SimDeviceCommandsTest, ClockCommandsAreCheckedAndBadFieldsRefused) {
    SimDevice d({});
    for (const char* ok : {"DSY11", "DSM03", "DSD31", "TSH23", "TSM59", "TSS00", "TSA"}) EXPECT_EQ(ask(d, ok), "GO\r\n") << ok;
    for (const char* bad : {"DSM13", "DSD00", "TSH24", "TSDR9", "TSDR0", "ACA000002003004005006007008", "POSP513",
                            "EIA256.000.000.001", "EIA010-000.000.001", "ESMD", "ETR7", "RMXYZ", "ADTx12", "CFZXX",
                            "EPN7000"}) {
        EXPECT_EQ(ask(d, bad), "E3\r\n") << bad;
    }
}

TEST(SimDeviceCommandsTest, EveryReadAnswerLandsInTheConsole) {
    SimDevice d({});
    for (const char* setLine : {"ACA512006007008009010011002", "ADOF", "AROF", "ADT045", "AME", "APB", "CFZON", "CIR",
                                "POSP007", "RMOPE", "TSDON", "TSDR8", "VLBCB", "EIA010.000.000.005",
                                "EGA192.168.001.254", "EAA172.016.000.001", "ESMA", "EPN10001", "ECTON", "EKAON", "ETR3"}) {
        ASSERT_EQ(ask(d, setLine), "GO\r\n") << setLine;
    }
    auto c = makeConsole(Product::Multi);
    for (const char* request : {"RACA", "RAD", "RADT", "RAM", "RAP", "RAR", "RCFZ", "RCI", "RPOSP", "RRM", "RTSD",
                                "RTSDR", "RVLBC", "REAA", "REGA", "REIA", "RECT", "REKA", "REPN", "RESM", "RETR",
                                "REMA", "RVN"}) {
        handleSerialReply(*c, ask(d, request));
        EXPECT_FALSE(c->reply.replyError) << request;
    }
    const SettingsModel& dev = d.settings();
    const SettingsModel& con = c->settings;
    EXPECT_EQ(con.connectorAssign, dev.connectorAssign);
    EXPECT_EQ(con.alarmDisplay, 0);
    EXPECT_EQ(con.alarmReturn, 0);
    EXPECT_EQ(cellText(con.alarmHoldTime), "045");
    EXPECT_EQ(con.alarmMode, 1);
    EXPECT_EQ(con.alarmPolarity, 1);
    EXPECT_EQ(con.zoomFont, 1);
    EXPECT_EQ(con.connectorInput, 1);
    EXPECT_EQ(con.powerOnPage, 6);
    EXPECT_EQ(con.remoteMode, 2);
    EXPECT_EQ(con.clockDisplayOn, 1);
    EXPECT_EQ(con.clockDisplayRange, 7);
    EXPECT_EQ(con.videoLossBackColour, 1);
    EXPECT_EQ(con.netIpAddress, dev.netIpAddress);
    EXPECT_EQ(con.netGatewayAddress, dev.netGatewayAddress);
    EXPECT_EQ(con.netActiveAddress, dev.netActiveAddress);
    EXPECT_EQ(con.netSubnetClass, 0);
    EXPECT_EQ(cellText(con.netPortNumber), "10001");
    EXPECT_EQ(con.netConnectionTry, 1);
    EXPECT_EQ(con.netKeepAlive, 1);
    EXPECT_EQ(con.netTimeRegister, 2);
    EXPECT_EQ(cellText(con.netMacAddress), "00-80-45-1A-2B-3C");
    EXPECT_EQ(cellText(con.deviceVersion), "1.05");
}

TEST(SimDeviceCommandsTest, SingleLineDeviceAnswersItsDisplayModeRead) {
    SimDevice d({.product = Product::Single});
    EXPECT_EQ(ask(d, "RDM"), "DM0\r\n");
    EXPECT_EQ(ask(d, "RVN"), "VN1.05\r\n");
}

}  // namespace
}  // namespace vrq::sim
