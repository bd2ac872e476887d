#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/line_commands.h"
#include "protocol/page_commands.h"
#include "protocol/title_encode.h"
#include "sim/sim_device.h"

namespace vrq::sim {
namespace {

std::string body(const CommandLine& c) { return std::string(c.body()); }

class SimDisplay : public ::testing::Test {
protected:
    SimDevice dev{SimOptions{}};
    std::unique_ptr<Console> console = makeConsole(Product::Multi);
    SettingsModel& m = console->settings;
};

TEST_F(SimDisplay, PerLineCommandsApplyAndReadBackInThePageShape) {
    m.lineBlink[2][9] = 1;
    m.lineCharSize[0][0] = 2;
    m.lineSpacing[511][9] = 63;
    m.lineCharColour[1][4] = 3;
    m.lineEdgeColour[1][4] = 8;
    m.lineFill[0][9] = 1;
    for (const CommandLine& c : {blinkLineCommand(m, 2, 9), charSizeLineCommand(m, 0, 0), spacingLineCommand(m, 511, 9),
                                 colourLineCommand(m, 1, 4), fillPageCommand(m, 0)})
        EXPECT_EQ(dev.handleLine(body(c)), "GO\r\n") << body(c);
    EXPECT_EQ(dev.handleLine("RCBS003"), "CBS003FFFFFFFFFN\r\n");
    EXPECT_EQ(dev.handleLine("RCFS001"), "CFS001SMMMMMMMMM\r\n");
    EXPECT_EQ(dev.handleLine("RIDLS512"), "IDLS512" + std::string(18, '0') + "63\r\n");
    EXPECT_EQ(dev.handleLine("RCABC002"), "CABC00270707070387070707070\r\n");
    EXPECT_EQ(dev.handleLine("RFB001"), "FB001FFFFFFFFFN\r\n");
}

TEST_F(SimDisplay, MalformedFieldsAreRefusedAndChangeNothing) {
    EXPECT_EQ(dev.handleLine("CBS000L01ON"), "E3\r\n");
    EXPECT_EQ(dev.handleLine("CBS001L11ON"), "E3\r\n");
    EXPECT_EQ(dev.handleLine("IDLS001L0164"), "E3\r\n");
    EXPECT_EQ(dev.handleLine("CABC001L0190"), "E3\r\n");
    EXPECT_EQ(dev.handleLine("CFS001LLLLLLLLLX"), "E3\r\n");
    EXPECT_EQ(dev.handleLine("RCFS001"), "CFS001MMMMMMMMMM\r\n");
    EXPECT_EQ(dev.handleLine("SD32" + std::string(168, '0')), "E3\r\n");
    EXPECT_EQ(dev.handleLine("CA001L01" + std::string(112, 'G')), "E3\r\n");
}

TEST_F(SimDisplay, TitlesRoundTripAsJisCodes) {
    setCell(m.titleText[0][0], "\x82\xA0");
    setCell(m.titleText[0][9], "\xFA\x40");  // carried to its NEC-selected twin
    EXPECT_EQ(dev.handleLine(body(*titleLineCommand(m, 0, 0))), "GO\r\n");
    EXPECT_EQ(cellText(dev.settings().titleText[0][0]), "\x82\xA0");
    EXPECT_EQ(dev.handleLine(body(*titlePageCommand(m, 0, Product::Multi))), "GO\r\n");
    const std::string answer = dev.handleLine("RCA001");
    ASSERT_EQ(answer.size(), 5u + 1120u + 2u);
    EXPECT_EQ(answer.substr(0, 9), "CA0012422");
    EXPECT_EQ(answer.substr(5 + 9 * 112, 4), "7C71");
}

TEST_F(SimDisplay, PerPageSettingsAndTheSchedule) {
    m.pageAutoSwitch[11] = 5;
    EXPECT_EQ(dev.handleLine(body(autoSwitchPageCommand(m, 11))), "GO\r\n");
    EXPECT_EQ(dev.handleLine(body(autoSwitchAllCommand(m))), "GO\r\n");
    EXPECT_EQ(dev.handleLine("RPAST").substr(0, 26), "PAST0303030303030303030303");
    EXPECT_EQ(dev.handleLine("RPAST").substr(4 + 22, 2), "05");
    m.pageCharWhiteLevel[0] = 4;
    m.pageCharBlackLevel[0] = 0;
    EXPECT_EQ(dev.handleLine(body(charLevelPageCommand(m, 0))), "GO\r\n");
    EXPECT_EQ(dev.handleLine("RCL").substr(0, 6), "CL4022");
    EXPECT_EQ(dev.handleLine(body(charLevelAllCommand(m))), "GO\r\n");
    for (const char* line : {"IDON", "IDOF", "P001", "P512", "PAS"}) EXPECT_EQ(dev.handleLine(line), "GO\r\n") << line;
    EXPECT_EQ(dev.handleLine("P513"), "E3\r\n");

    m.schedulePage[4][0] = 11;
    m.schedulePage[4][1] = kSchedulePas;
    const std::string sd = body(scheduleDayCommand(m, 4));
    EXPECT_EQ(dev.handleLine(sd), "GO\r\n");
    EXPECT_EQ(dev.handleLine("RSD05"), sd + "\r\n");
    EXPECT_EQ(dev.settings().schedulePage[4][1], kSchedulePas);
    EXPECT_EQ(dev.settings().schedulePage[4][2], kScheduleNone);
}

TEST(SimDisplaySingle, SingleLineTitlePage) {
    SimDevice dev{SimOptions{Product::Single}};
    auto console = makeConsole(Product::Single);
    setCell(console->settings.singleTitleText[1], "\x82\xA0\x82\xA2");
    EXPECT_EQ(dev.handleLine(std::string(titlePageCommand(console->settings, 1, Product::Single)->body())), "GO\r\n");
    EXPECT_EQ(cellText(dev.settings().singleTitleText[1]), "\x82\xA0\x82\xA2");
    EXPECT_EQ(dev.handleLine("RCA002").substr(0, 13), "CA00224222424");
}

}  // namespace
}  // namespace vrq::sim
