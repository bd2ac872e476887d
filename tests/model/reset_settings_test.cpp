#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "model/text_cell.h"

namespace vrq {
namespace {

void scribbleForReset(Console& c) {
    auto& s = c.settings;
    setCell(s.titleText[5][3], "\x82\xa0");
    setCell(s.singleTitleText[9], "abc");
    s.lineCharSize[511][9] = 0;
    s.lineSpacing[0][0] = 63;
    s.pagePositionOffset[3] = 15;
    s.lineBlink[100][5] = 1;
    s.lineCharColour[3][3] = 1;
    s.lineEdgeColour[3][3] = 4;
    s.lineFill[7][7] = 1;
    s.pageAutoSwitch[4] = 99;
    s.pageScrollSpeed[4] = 0;
    s.scheduleHour[30][23] = 1;
    s.schedulePage[0][0] = 5;
    s.clockDisplayOn = 1;
    s.connectorAssign[7] = 300;
    setCell(s.alarmHoldTime, "999");
    setCell(s.netPortNumber, "10001");
    s.netIpAddress = {192, 168, 0, 1};
    setCell(s.deviceVersion, "1.23");
    c.reply.replyExpected = true;
    c.reply.noReplyTicks = 9;
    c.reply.runActive = true;
    c.reply.runStep = 16;
    c.reply.replyError = true;
    c.reply.tcpLineState = TcpLineState::Partial;
    c.reply.tcpLine = "X";
    c.dialog.allPagesCharColour = 2;
    c.dialog.allPagesBlink = 1;  // not reset: the dialog keeps it
    c.dialog.selectedGlyph = 40;
    c.glyph.pattern.put(0, 'F');
    c.app.currentPage = 200;
    c.app.currentLine = 4;
    c.app.documentModified = true;
    // Left alone by New.
    c.app.linkInterface = kLinkTcp;
    c.app.serialMode = kRs485;
    c.app.comPortIndex = 3;
    c.app.tcpRole = kTcpServer;
    c.app.slaveAddressIndex = 12;
    c.app.peerIndex = 2;
    c.app.selectedSlot = 5;
    c.app.peerListCount = 3;
    c.app.peerAddress[2] = {10, 0, 0, 9};
    c.app.currentFileName = "/tmp/x.dat";
    c.app.serialPortOpen = true;
    c.app.tcpConnected = true;
}

class ResetSettingsTest : public ::testing::TestWithParam<Product> {};

TEST_P(ResetSettingsTest, EveryDefaultIsRestored) {
    auto c = makeConsole(GetParam());
    scribbleForReset(*c);
    resetSettings(*c);
    const auto& s = c->settings;
    for (int p = 0; p < kPages; ++p) {
        EXPECT_EQ(s.singleTitleText[p][0], '\0');
        EXPECT_EQ(s.pagePositionOffset[p], 0);
        for (int l = 0; l < kLines; ++l) {
            ASSERT_EQ(s.titleText[p][l][0], '\0');
            ASSERT_EQ(s.lineCharSize[p][l], 1);
            ASSERT_EQ(s.lineSpacing[p][l], 0);
            ASSERT_EQ(s.lineBlink[p][l], 0);
            ASSERT_EQ(s.lineCharColour[p][l], 7);
            ASSERT_EQ(s.lineEdgeColour[p][l], 0);
            ASSERT_EQ(s.lineFill[p][l], 0);
        }
        ASSERT_EQ(s.pageAutoSwitch[p], GetParam() == Product::Single ? 1 : 3);
        ASSERT_EQ(s.pageCharWhiteLevel[p], 2);
        ASSERT_EQ(s.pageCharBlackLevel[p], 2);
        ASSERT_EQ(s.pageDisplayPosition[p], 1);
        ASSERT_EQ(s.pageScrollSpeed[p], 2);
    }
    for (int d = 0; d < kDays; ++d) {
        for (int e = 0; e < kScheduleEntries; ++e) {
            ASSERT_EQ(s.scheduleHour[d][e], e);
            ASSERT_EQ(s.scheduleMinute[d][e], 0);
            ASSERT_EQ(s.schedulePage[d][e], kScheduleNone);
        }
    }
    EXPECT_EQ(s.clockDisplayOn, 0);
    EXPECT_EQ(s.alarmReturn, 1);
    EXPECT_EQ(s.alarmDisplay, 1);
    EXPECT_EQ(cellText(s.alarmHoldTime), "010");
    for (int n = 0; n < kConnectors; ++n) EXPECT_EQ(s.connectorAssign[n], n);
    EXPECT_EQ(s.displayOffsetH, 7);
    EXPECT_EQ(s.displayOffsetV, 7);
    EXPECT_EQ(s.netSubnetClass, 2);
    EXPECT_EQ(cellText(s.netPortNumber), "09004");  // even when the ini file held another port
    EXPECT_EQ(s.netIpAddress, (Octets{0, 0, 0, 0}));
    EXPECT_EQ(cellText(s.netMacAddress), "00-00-00-00-00-00");
    EXPECT_EQ(cellText(s.deviceVersion), "0.00");
    EXPECT_EQ(s.netTimeRegister, 5);

    EXPECT_FALSE(c->reply.replyExpected);
    EXPECT_EQ(c->reply.noReplyTicks, 0);
    EXPECT_FALSE(c->reply.runActive);
    EXPECT_FALSE(c->reply.replyError);
    EXPECT_EQ(c->reply.tcpLineState, TcpLineState::Idle);
    EXPECT_TRUE(c->reply.tcpLine.empty());
    EXPECT_EQ(c->dialog.allPagesCharColour, 7);
    EXPECT_EQ(c->dialog.allPagesAutoSwitch, GetParam() == Product::Single ? 1 : 3);
    EXPECT_EQ(c->dialog.allPagesBlink, 1);
    EXPECT_EQ(c->dialog.selectedGlyph, 0);
    EXPECT_EQ(c->glyph.pattern.at(0), '0');
    EXPECT_EQ(c->glyph.pattern.at(GlyphDigits::kCapacity - 1), '0');
    EXPECT_EQ(c->app.currentPage, 0);
    EXPECT_EQ(c->app.currentLine, 0);
    EXPECT_FALSE(c->app.documentModified);
}

TEST_P(ResetSettingsTest, LinkChoiceAndOpenLinksAreLeftAlone) {
    auto c = makeConsole(GetParam());
    scribbleForReset(*c);
    resetSettings(*c);
    EXPECT_EQ(c->app.linkInterface, kLinkTcp);
    EXPECT_EQ(c->app.serialMode, kRs485);
    EXPECT_EQ(c->app.comPortIndex, 3);
    EXPECT_EQ(c->app.tcpRole, kTcpServer);
    EXPECT_EQ(c->app.slaveAddressIndex, 12);
    EXPECT_EQ(c->app.peerIndex, 2);
    EXPECT_EQ(c->app.selectedSlot, 5);
    EXPECT_EQ(c->app.peerListCount, 3);
    EXPECT_EQ(c->app.peerAddress[2], (Octets{10, 0, 0, 9}));
    EXPECT_EQ(c->app.currentFileName, "/tmp/x.dat");
    EXPECT_TRUE(c->app.serialPortOpen);
    EXPECT_TRUE(c->app.tcpConnected);
}

INSTANTIATE_TEST_SUITE_P(BothModels, ResetSettingsTest, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return info.param == Product::Multi ? "Multi" : "Single"; });

TEST(TextCellTest, CopiesAreCutAtTheCellAndKeepTheirTerminator) {
    std::array<char, 4> cell{};
    setCell(cell, "123456");
    EXPECT_EQ(cellText(cell), "123");
    EXPECT_EQ(cell[3], '\0');
}

}  // namespace
}  // namespace vrq
