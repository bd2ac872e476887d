#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "protocol/reply_test_support.h"
#include "protocol/single_page_commands.h"

namespace vrq {
namespace {

using test::repeat;

TEST(SinglePageCommandsTest, AllPagesAfterNewAreOneLineEach) {
    auto c = makeConsole(Product::Single);
    const auto& m = c->settings;
    struct Case {
        SingleSetting s;
        std::string expected;
        std::size_t bytes;
    } cases[] = {
        {SingleSetting::AutoSwitch, "PAS" + repeat("L", 512), 517},
        {SingleSetting::Blink, "CBS" + repeat("F", 512), 517},
        {SingleSetting::Offset, "IDO" + repeat("00", 512), 1029},
        {SingleSetting::Position, "IDP" + repeat("B", 512), 517},
        {SingleSetting::Fill, "FB" + repeat("F", 512), 516},
        {SingleSetting::Colour, "CABC" + repeat("70", 512), 1030},
        {SingleSetting::CharSize, "CFS" + repeat("M", 512), 517},
        {SingleSetting::ScrollSpeed, "ISS" + repeat("3", 512), 517},
    };
    for (const Case& k : cases) {
        const CommandLine line = singleAllPagesCommand(m, k.s);
        EXPECT_EQ(line.text(), k.expected + "\r\n");
        EXPECT_EQ(line.text().size(), k.bytes);
    }
}

TEST(SinglePageCommandsTest, OnePageExamples) {
    auto c = makeConsole(Product::Single);
    auto& m = c->settings;
    m.pageAutoSwitch[11] = 1;
    m.lineBlink[0][0] = 1;
    m.pagePositionOffset[511] = 15;
    m.pageDisplayPosition[2] = 1;
    m.lineFill[99][0] = 0;
    m.lineCharColour[1][0] = 7;
    m.lineEdgeColour[1][0] = 0;
    m.lineCharSize[0][0] = 2;
    m.pageScrollSpeed[0] = 3;
    EXPECT_EQ(singlePageCommand(m, SingleSetting::AutoSwitch, 11).text(), "PAS012L\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Blink, 0).text(), "CBS001ON\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Offset, 511).text(), "IDO51215\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Position, 2).text(), "IDP003B\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Fill, 99).text(), "FB100OF\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Colour, 1).text(), "CABC00270\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::CharSize, 0).text(), "CFS001S\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::ScrollSpeed, 0).text(), "ISS0014\r\n");
    m.pagePositionOffset[511] = 7;
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Offset, 511).text(), "IDO51207\r\n");
    m.pageScrollSpeed[0] = 0;
    EXPECT_EQ(singlePageCommand(m, SingleSetting::ScrollSpeed, 0).text(), "ISS0011\r\n");
}

TEST(SinglePageCommandsTest, ValuesOnlyAMultiLineDocumentCanHold) {
    auto c = makeConsole(Product::Single);
    auto& m = c->settings;
    m.pageAutoSwitch[0] = 30;  // seconds in the multi-line program: anything but 0 is LIVE
    m.lineBlink[0][0] = 5;
    m.lineFill[0][0] = 2;
    m.pageDisplayPosition[0] = 2;  // only 1 is bottom
    EXPECT_EQ(singlePageCommand(m, SingleSetting::AutoSwitch, 0).text(), "PAS001L\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Blink, 0).text(), "CBS001ON\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Fill, 0).text(), "FB001ON\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Position, 0).text(), "IDP001T\r\n");
    EXPECT_EQ(singleAllPagesCommand(m, SingleSetting::Blink).text().substr(0, 5), "CBSNF");
    EXPECT_EQ(singleAllPagesCommand(m, SingleSetting::Position).text().substr(0, 5), "IDPTB");
}

}  // namespace
}  // namespace vrq
