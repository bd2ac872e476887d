// What the dialog tests do not reach: damaged model values, the hold-time
// rule in full, port padding and address parsing.

#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/device_commands.h"

namespace vrq {
namespace {

TEST(DeviceCommands, DamagedValuesNeverBreakAField) {
    auto c = makeConsole(Product::Multi);
    SettingsModel& m = c->settings;
    m.clockDisplayRange = 40;
    m.connectorAssign[0] = -1;  // "000" read back from a device
    m.connectorAssign[7] = 9999;
    m.powerOnPage = -3;
    m.netSubnetClass = -1;
    m.netTimeRegister = 9;
    EXPECT_EQ(yearCommand(-5).text(), "DSY00\r\n");
    EXPECT_EQ(hourCommand(99).text(), "TSH23\r\n");
    EXPECT_EQ(clockRangeCommand(m).text(), "TSDR8\r\n");
    EXPECT_EQ(alarmConnectorCommand(m).text(), "ACA001002003004005006007512\r\n");
    EXPECT_EQ(powerOnPageCommand(m).text(), "POSP001\r\n");
    EXPECT_EQ(subnetCommand(m).text(), "ESMA\r\n");
    EXPECT_EQ(timeRegisterCommand(m).text(), "ETR6\r\n");
}

TEST(DeviceCommands, HoldTimeNeedsLeadingNumberOfThreeOrMore) {
    auto c = makeConsole(Product::Multi);
    const std::pair<const char*, const char*> cases[] = {
        {"2", nullptr},       {"3", "ADT003\r\n"},   {"010", "ADT010\r\n"}, {"", nullptr},  {"x5", nullptr},
        {"5s", "ADT005\r\n"}, {"999", "ADT999\r\n"}, {"02", nullptr},       {" 5", nullptr}};
    for (auto [held, sent] : cases) {
        setCell(c->settings.alarmHoldTime, held);
        const auto cmd = alarmHoldTimeCommand(c->settings);
        ASSERT_EQ(cmd.has_value(), sent != nullptr) << held;
        if (sent) {
            EXPECT_EQ(cmd->text(), sent);
        }
    }
}

TEST(DeviceCommands, PortIsAlwaysFiveDigits) {
    auto c = makeConsole(Product::Multi);
    EXPECT_EQ(portCommand(c->settings).text(), "EPN09004\r\n");
    setCell(c->settings.netPortNumber, "9004");
    EXPECT_EQ(portCommand(c->settings).text(), "EPN09004\r\n");
    setCell(c->settings.netPortNumber, "");
    EXPECT_EQ(portCommand(c->settings).text(), "EPN00000\r\n");
    setCell(c->settings.netPortNumber, "1\r2");
    EXPECT_EQ(portCommand(c->settings).text(), "EPN00102\r\n");
}

TEST(DeviceCommands, DottedAddressesAndReadRequests) {
    EXPECT_EQ(parseDottedAddress("192.168.0.1"), (Octets{192, 168, 0, 1}));
    EXPECT_EQ(parseDottedAddress("010.000.000.005"), (Octets{10, 0, 0, 5}));
    EXPECT_EQ(parseDottedAddress(""), (Octets{0, 0, 0, 0}));
    EXPECT_EQ(parseDottedAddress("300.1.2.3.4.5"), (Octets{44, 1, 2, 3}));
    parseDottedAddress(std::string(10000, '9') + std::string(5000, '.'));
    EXPECT_EQ(dottedAddressText({10, 0, 255, 5}), "010.000.255.005");

    std::string all;
    for (int i = 0; i < kNetworkReadRequests; ++i) all += networkReadRequest(i).body();
    EXPECT_EQ(all, "REAAREGAREIARECTREKAREPNRESMRETRREMARVN");
}

}  // namespace
}  // namespace vrq
