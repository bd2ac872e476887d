#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "protocol/single_page_commands.h"
#include "sim/sim_device.h"

namespace vrq::sim {
namespace {

SimOptions single() {
    SimOptions o;
    o.product = Product::Single;
    return o;
}

TEST(SimSingleLineTest, EveryAllPagesCommandIsAppliedAndReadBackInTheSameShape) {
    SimDevice d(single());
    auto console = makeConsole(Product::Single);
    auto& m = console->settings;
    for (int p = 0; p < kPages; ++p) {
        m.pageAutoSwitch[p] = p % 2;
        m.lineBlink[p][0] = (p / 2) % 2;
        m.pagePositionOffset[p] = p % 16;
        m.pageDisplayPosition[p] = (p / 3) % 2;
        m.lineFill[p][0] = (p / 5) % 2;
        m.lineCharColour[p][0] = p % 9;
        m.lineEdgeColour[p][0] = (p + 4) % 9;
        m.lineCharSize[p][0] = p % 3;
        m.pageScrollSpeed[p] = p % 4;
    }
    const char* reads[] = {"RPAS", "RCBS", "RIDO", "RIDP", "RFB", "RCABC", "RCFS", "RISS"};
    int i = 0;
    for (SingleSetting s : kSingleSettings) {
        const CommandLine line = singleAllPagesCommand(m, s);
        EXPECT_EQ(d.handleLine(line.text()), "GO\r\n") << reads[i];
        EXPECT_EQ(d.handleLine(std::string(reads[i]) + "\r\n"), line.text()) << reads[i];
        ++i;
    }
}

TEST(SimSingleLineTest, OnePageCommandsAndRefusals) {
    SimDevice d(single());
    EXPECT_EQ(d.handleLine("IDO51215\r\n"), "GO\r\n");
    EXPECT_EQ(d.settings().pagePositionOffset[511], 15);
    EXPECT_EQ(d.handleLine("IDO51216\r\n"), "E3\r\n");  // offsets end at 15
    EXPECT_EQ(d.handleLine("CBS001ON\r\n"), "GO\r\n");
    EXPECT_EQ(d.settings().lineBlink[0][0], 1);
    EXPECT_EQ(d.handleLine("CABC00289\r\n"), "E3\r\n");  // colour 9 does not exist
    EXPECT_EQ(d.handleLine("ISS0015\r\n"), "E3\r\n");
    EXPECT_EQ(d.handleLine("PAS" + std::string(511, 'L') + "X\r\n"), "E3\r\n");
    EXPECT_EQ(d.settings().pageAutoSwitch[0], 1);  // a refused line changes nothing
}

}  // namespace
}  // namespace vrq::sim
