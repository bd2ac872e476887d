#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/device_commands.h"

namespace vrq {
namespace {

class DeviceCommands : public ::testing::Test {
protected:
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    SettingsModel& m = c->settings;
};

TEST_F(DeviceCommands, ClockFieldsAreTwoDigits) {
    EXPECT_EQ(yearCommand(11).text(), "DSY11\r\n");
    EXPECT_EQ(monthCommand(3).text(), "DSM03\r\n");
    EXPECT_EQ(dayCommand(31).text(), "DSD31\r\n");
    EXPECT_EQ(hourCommand(14).text(), "TSH14\r\n");
    EXPECT_EQ(minuteCommand(7).text(), "TSM07\r\n");
    EXPECT_EQ(secondCommand(9).text(), "TSS09\r\n");
    EXPECT_EQ(clockCorrectionCommand().text(), "TSA\r\n");
    EXPECT_EQ(yearCommand(-5).text(), "DSY00\r\n");  // never a broken field
    EXPECT_EQ(hourCommand(99).text(), "TSH23\r\n");
}

TEST_F(DeviceCommands, ClockDisplayFromModel) {
    EXPECT_EQ(clockRangeCommand(m).text(), "TSDR1\r\n");
    m.clockDisplayRange = 7;
    EXPECT_EQ(clockRangeCommand(m).text(), "TSDR8\r\n");
    m.clockDisplayRange = 40;  // damaged read-back
    EXPECT_EQ(clockRangeCommand(m).text(), "TSDR8\r\n");
    EXPECT_EQ(clockDisplayCommand(m).text(), "TSDOF\r\n");
    m.clockDisplayOn = 1;
    EXPECT_EQ(clockDisplayCommand(m).text(), "TSDON\r\n");
    EXPECT_EQ(clockSizeCommand(m).text(), "TSDSS\r\n");
    m.clockDisplaySize = 1;
    EXPECT_EQ(clockSizeCommand(m).text(), "TSDSN\r\n");
}

TEST_F(DeviceCommands, HoldTimeNeedsLeadingNumberOfThreeOrMore) {
    const std::pair<const char*, const char*> cases[] = {
        {"2", nullptr}, {"3", "ADT003\r\n"}, {"010", "ADT010\r\n"}, {"", nullptr},     {"x5", nullptr},
        {"5s", "ADT005\r\n"}, {"999", "ADT999\r\n"}, {"02", nullptr}, {"003", "ADT003\r\n"}, {" 5", nullptr}};
    for (auto [held, sent] : cases) {
        setCell(m.alarmHoldTime, held);
        const auto cmd = alarmHoldTimeCommand(m);
        if (sent) {
            ASSERT_TRUE(cmd) << held;
            EXPECT_EQ(cmd->text(), sent);
        } else {
            EXPECT_FALSE(cmd) << held;
        }
    }
}

TEST_F(DeviceCommands, AlarmAndOtherSwitches) {
    EXPECT_EQ(alarmModeCommand(m).text(), "AMI\r\n");
    EXPECT_EQ(alarmPolarityCommand(m).text(), "APM\r\n");
    EXPECT_EQ(alarmDisplayCommand(m).text(), "ADON\r\n");
    EXPECT_EQ(alarmReturnCommand(m).text(), "ARON\r\n");
    EXPECT_EQ(connectorInputCommand(m).text(), "CIA\r\n");
    EXPECT_EQ(videoLossCommand(m).text(), "VLBCN\r\n");
    EXPECT_EQ(zoomFontCommand(m).text(), "CFZOF\r\n");
    m.alarmMode = m.alarmPolarity = 1;
    m.alarmDisplay = m.alarmReturn = 0;
    m.connectorInput = m.videoLossBackColour = m.zoomFont = 1;
    EXPECT_EQ(alarmModeCommand(m).text(), "AME\r\n");
    EXPECT_EQ(alarmPolarityCommand(m).text(), "APB\r\n");
    EXPECT_EQ(alarmDisplayCommand(m).text(), "ADOF\r\n");
    EXPECT_EQ(alarmReturnCommand(m).text(), "AROF\r\n");
    EXPECT_EQ(connectorInputCommand(m).text(), "CIR\r\n");
    EXPECT_EQ(videoLossCommand(m).text(), "VLBCB\r\n");
    EXPECT_EQ(zoomFontCommand(m).text(), "CFZON\r\n");
}

TEST_F(DeviceCommands, ConnectorsPagesAndRemoteMode) {
    EXPECT_EQ(alarmConnectorCommand(m).text(), "ACA001002003004005006007008\r\n");
    m.connectorAssign[1] = 4;
    EXPECT_EQ(remoteConnectorCommand(m).text(), "RCA001005003004005006007008\r\n");
    m.connectorAssign[0] = -1;  // "000" read back from a device
    m.connectorAssign[7] = 9999;
    EXPECT_EQ(alarmConnectorCommand(m).text(), "ACA001005003004005006007512\r\n");

    EXPECT_EQ(powerOnPageCommand(m).text(), "POSP001\r\n");
    m.powerOnPage = 511;
    EXPECT_EQ(powerOnPageCommand(m).text(), "POSP512\r\n");
    m.powerOnPage = kPowerOnPas;
    EXPECT_EQ(powerOnPageCommand(m).text(), "POSPAS\r\n");

    EXPECT_EQ(remoteModeCommand(m).text(), "RMBIN\r\n");
    m.remoteMode = 1;
    EXPECT_EQ(remoteModeCommand(m).text(), "RMBIT\r\n");
    m.remoteMode = 2;
    EXPECT_EQ(remoteModeCommand(m).text(), "RMOPE\r\n");
}

TEST_F(DeviceCommands, NetworkSettings) {
    m.netIpAddress = parseDottedAddress("10.0.0.5");
    EXPECT_EQ(ipAddressCommand(m).text(), "EIA010.000.000.005\r\n");
    m.netGatewayAddress = {192, 168, 1, 254};
    EXPECT_EQ(gatewayAddressCommand(m).text(), "EGA192.168.001.254\r\n");
    EXPECT_EQ(activeAddressCommand(m).text(), "EAA000.000.000.000\r\n");
    EXPECT_EQ(subnetCommand(m).text(), "ESMC\r\n");
    m.netSubnetClass = 0;
    EXPECT_EQ(subnetCommand(m).text(), "ESMA\r\n");
    EXPECT_EQ(portCommand(m).text(), "EPN09004\r\n");
    setCell(m.netPortNumber, "9004");
    EXPECT_EQ(portCommand(m).text(), "EPN09004\r\n");
    setCell(m.netPortNumber, "");
    EXPECT_EQ(portCommand(m).text(), "EPN00000\r\n");
    setCell(m.netPortNumber, "1\r2");
    EXPECT_EQ(portCommand(m).text(), "EPN00102\r\n");
    EXPECT_EQ(connectionTryCommand(m).text(), "ECTOF\r\n");
    m.netConnectionTry = m.netKeepAlive = 1;
    EXPECT_EQ(connectionTryCommand(m).text(), "ECTON\r\n");
    EXPECT_EQ(keepAliveCommand(m).text(), "EKAON\r\n");
    m.netTimeRegister = 2;
    EXPECT_EQ(timeRegisterCommand(m).text(), "ETR3\r\n");

    std::string all;
    for (int i = 0; i < kNetworkReadRequests; ++i) all += networkReadRequest(i).body();
    EXPECT_EQ(all, "REAAREGAREIARECTREKAREPNRESMRETRREMARVN");
}

TEST(DottedAddress, MalformedTextGivesSomeOctetsWithoutFailing) {
    EXPECT_EQ(parseDottedAddress("192.168.0.1"), (Octets{192, 168, 0, 1}));
    EXPECT_EQ(parseDottedAddress("010.000.000.005"), (Octets{10, 0, 0, 5}));
    EXPECT_EQ(parseDottedAddress(""), (Octets{0, 0, 0, 0}));
    EXPECT_EQ(parseDottedAddress("1.2"), (Octets{1, 2, 0, 0}));
    EXPECT_EQ(parseDottedAddress("300.1.2.3.4.5"), (Octets{44, 1, 2, 3}));
    parseDottedAddress(std::string(10000, '9') + "...." + std::string(5000, '.'));
    EXPECT_EQ(dottedAddressText({10, 0, 255, 5}), "010.000.255.005");
}

}  // namespace
}  // namespace vrq
