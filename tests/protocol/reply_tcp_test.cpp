// The TCP/IP reply handler: line assembly across receives and its own notices.

#include <gtest/gtest.h>

#include "model/text_cell.h"
#include "reply_test_support.h"

namespace vrq {
namespace {

using test::ReplyConsole;

TEST(TcpReplyTest, SplitReplyIsHandledOnce) {
    ReplyConsole t;
    handleTcpReply(*t.c, "E");
    EXPECT_EQ(t.c->reply.tcpLineState, TcpLineState::Partial);
    EXPECT_TRUE(t.notes.notices.empty());
    handleTcpReply(*t.c, "3\r\n");
    ASSERT_EQ(t.notes.notices.size(), 1u);
    EXPECT_EQ(t.notes.notices[0].text, "Socket Command");
    EXPECT_TRUE(t.c->reply.replyError);
    EXPECT_EQ(t.c->reply.tcpLineState, TcpLineState::Idle);
}

TEST(TcpReplyTest, OwnNoticeTexts) {
    const std::pair<const char*, const char*> refusals[] = {
        {"E0\r\n", "Socket Framing"}, {"E1\r\n", "Parity Error"}, {"E2\r\n", "Socket Over run"},
        {"E3X\r\n", "Socket Command"}, {"MENU\r\n", "Menu Display"},
    };
    for (const auto& [reply, text] : refusals) {
        ReplyConsole t;
        handleTcpReply(*t.c, reply);
        ASSERT_EQ(t.notes.notices.size(), 1u) << reply;
        EXPECT_EQ(t.notes.notices[0].text, text);
        EXPECT_EQ(t.notes.notices[0].title, "Error");
        EXPECT_TRUE(t.c->reply.replyError);
    }

    ReplyConsole t;
    handleTcpReply(*t.c, "GO\r\n");
    handleTcpReply(*t.c, "GN\r\n");
    ASSERT_EQ(t.notes.notices.size(), 2u);
    EXPECT_EQ(t.notes.notices[0].title, "Success");
    EXPECT_EQ(t.notes.notices[0].text, "Socket ＯＫ");
    EXPECT_EQ(t.notes.notices[1].title, "Success");
    EXPECT_EQ(t.notes.notices[1].text, "Socket mode difference");
    EXPECT_FALSE(t.c->reply.successPending);

    t.c->reply.runActive = true;
    t.c->reply.runStep = 4;
    handleTcpReply(*t.c, "GO\r\n");
    handleTcpReply(*t.c, "GN\r\n");
    EXPECT_EQ(t.notes.notices.size(), 2u);
}

TEST(TcpReplyTest, VersionStoresOnlyAndSerialStateIsLeftAlone) {
    ReplyConsole t;
    t.c->reply.replyExpected = true;
    t.c->reply.noReplyTicks = 4;
    t.c->reply.glyphReplyPending = true;
    handleTcpReply(*t.c, "VN3.01\r\n");
    EXPECT_STREQ(t.c->settings.deviceVersion.data(), "3.01");
    EXPECT_FALSE(t.c->reply.successPending);
    EXPECT_TRUE(t.c->reply.replyExpected);
    EXPECT_EQ(t.c->reply.noReplyTicks, 4);
    EXPECT_FALSE(t.c->reply.glyphReplyPending);
}

TEST(TcpReplyTest, TwoRepliesInOneReceiveAreTwoLines) {
    ReplyConsole t;
    handleTcpReply(*t.c, "CBS001NNNNNNNNNN\r\nE3\r\nCB");
    EXPECT_EQ(t.c->settings.lineBlink[0][9], 1);
    EXPECT_EQ(t.lastText(), "Socket Command");
    EXPECT_EQ(t.c->reply.tcpLineState, TcpLineState::Partial);
    handleTcpReply(*t.c, "S002NNNNNNNNNN\r\n");
    EXPECT_EQ(t.c->settings.lineBlink[1][0], 1);
    EXPECT_FALSE(t.c->reply.replyError);  // cleared by the next line
}

TEST(TcpReplyTest, LongAnswerOverManyReceives) {
    ReplyConsole t;
    const std::string line = "CA002" + test::repeat("3021", 280) + "\r\n";
    for (std::size_t at = 0; at < line.size(); at += 100) handleTcpReply(*t.c, line.substr(at, 100));
    EXPECT_EQ(cellText(t.c->settings.titleText[1][9]).size(), 56u);
}

TEST(TcpReplyTest, OverlongLineIsDroppedUpToItsLineFeed) {
    ReplyConsole t;
    handleTcpReply(*t.c, std::string(1000, 'X'));
    handleTcpReply(*t.c, std::string(1000, 'Y') + "GO");
    handleTcpReply(*t.c, "\r\nE3\r\n");
    ASSERT_EQ(t.notes.notices.size(), 1u);  // the tail "GO" was part of the dropped line
    EXPECT_EQ(t.notes.notices[0].text, "Socket Command");
    EXPECT_EQ(t.c->reply.tcpLineState, TcpLineState::Idle);

    // The longest line that fits: 1197 characters, CR and LF.
    ReplyConsole u;
    handleTcpReply(*u.c, "E3" + std::string(1195, ' ') + "\r\n");
    EXPECT_EQ(u.lastText(), "Socket Command");
}

TEST(TcpReplyTest, NulBytesAreSkipped) {
    ReplyConsole t;
    handleTcpReply(*t.c, std::string("G\0O\r\n", 5));
    EXPECT_EQ(t.lastText(), "Socket ＯＫ");
}

}  // namespace
}  // namespace vrq
