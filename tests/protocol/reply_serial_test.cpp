// Serial reply handling: acknowledgements, refusals, RS-485 address removal,
// the no-reply timeout and the deferred success notice.

#include <gtest/gtest.h>

#include "protocol/send_path.h"
#include "protocol/transport.h"
#include "reply_test_support.h"

namespace vrq {
namespace {

using test::ReplyConsole;

class NullTransport : public Transport {
public:
    void writeLine(std::string_view) override { ++writes; }
    int writes = 0;
};

TEST(SerialReplyTest, GoOnRs485DropsTheAddressAndSucceedsOnTheNextTick) {
    ReplyConsole t;
    t.c->app.serialMode = kRs485;
    t.c->reply.replyExpected = true;
    t.c->reply.noReplyTicks = 7;
    handleSerialReply(*t.c, "05GO\r\n");
    EXPECT_FALSE(t.c->reply.replyExpected);
    EXPECT_EQ(t.c->reply.noReplyTicks, 0);
    EXPECT_TRUE(t.c->reply.successPending);
    EXPECT_TRUE(t.notes.notices.empty());

    mainTimerStep(*t.c);
    ASSERT_EQ(t.notes.notices.size(), 1u);
    EXPECT_EQ(t.notes.notices[0].title, "Success");
    EXPECT_EQ(t.notes.notices[0].text, "Success");
    mainTimerStep(*t.c);
    EXPECT_EQ(t.notes.notices.size(), 1u);  // shown once
}

TEST(SerialReplyTest, GoMustBeTheWholeLine) {
    ReplyConsole t;
    handleSerialReply(*t.c, "GO\n");
    handleSerialReply(*t.c, "GOX\r\n");
    handleSerialReply(*t.c, "05GO\r\n");  // RS-232C keeps the address characters
    EXPECT_FALSE(t.c->reply.successPending);
    handleSerialReply(*t.c, std::string("GO\r\n\0", 5));
    EXPECT_TRUE(t.c->reply.successPending);
}

TEST(SerialReplyTest, GoAndModeDifferenceStaySilentDuringARun) {
    ReplyConsole t;
    t.c->reply.runActive = true;
    t.c->reply.runStep = 11;
    t.serial("GO");
    t.serial("GN");
    EXPECT_FALSE(t.c->reply.successPending);
    EXPECT_TRUE(t.notes.notices.empty());

    t.c->reply.runActive = false;
    t.serial("GN");
    ASSERT_EQ(t.notes.notices.size(), 1u);
    EXPECT_EQ(t.notes.notices[0].title, "Error");
    EXPECT_EQ(t.notes.notices[0].text, "Mode Difference");
    EXPECT_FALSE(t.c->reply.replyError);  // reported, but a run goes on
}

TEST(SerialReplyTest, RefusalsSetReplyErrorWithTheirTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"MENU", "Menu Display"},   {"E0", "Framing Error"}, {"E1", "Parity Error"},
        {"E2", "Over Run Error"},   {"E3", "Command Error"},
    };
    for (const auto& [reply, text] : cases) {
        ReplyConsole t;
        t.serial(reply);
        EXPECT_TRUE(t.c->reply.replyError) << reply;
        ASSERT_EQ(t.notes.notices.size(), 1u) << reply;
        EXPECT_EQ(t.notes.notices[0].text, text);
        EXPECT_EQ(t.notes.notices[0].icon, NoticeIcon::Stop);
    }
}

TEST(SerialReplyTest, UnknownLinesClearReplyErrorAndShowNothing) {
    ReplyConsole t;
    t.serial("E3");
    ASSERT_TRUE(t.c->reply.replyError);
    t.serial("E4");
    EXPECT_FALSE(t.c->reply.replyError);
    t.serial("E3X");  // refusals are exact on serial
    t.serial("");
    handleSerialReply(*t.c, "");
    EXPECT_FALSE(t.c->reply.replyError);
    EXPECT_EQ(t.notes.notices.size(), 1u);
}

TEST(SerialReplyTest, EveryLineEndsAPendingGlyphRead) {
    ReplyConsole t;
    t.c->reply.glyphReplyPending = true;
    t.serial("E4");
    EXPECT_FALSE(t.c->reply.glyphReplyPending);
}

TEST(SerialReplyTest, ShortRs485LineIsHarmless) {
    ReplyConsole t;
    t.c->app.serialMode = kRs485;
    handleSerialReply(*t.c, "0");
    handleSerialReply(*t.c, "\n");
    EXPECT_TRUE(t.notes.notices.empty());
}

TEST(SerialReplyTest, VersionAlwaysRaisesSuccessEvenDuringARun) {
    ReplyConsole t;
    t.c->reply.runActive = true;
    t.c->reply.runStep = 3119;
    t.serial("VN2.10");
    EXPECT_STREQ(t.c->settings.deviceVersion.data(), "2.10");
    mainTimerStep(*t.c);
    ASSERT_EQ(t.notes.notices.size(), 1u);
    EXPECT_EQ(t.notes.notices[0].text, "Success");
}

TEST(SerialReplyTest, WorksWithoutANotifier) {
    ReplyConsole t;
    t.c->notifier = nullptr;
    t.serial("MENU");
    t.serial("GO");
    t.c->reply.replyExpected = true;
    for (int i = 0; i < 30; ++i) mainTimerStep(*t.c);
    EXPECT_FALSE(t.c->reply.replyExpected);
    EXPECT_FALSE(t.c->reply.successPending);
}

// Ticks until "No Connect" appears, counting from a command just sent.
int ticksToTimeout(Product p) {
    ReplyConsole t(p);
    NullTransport port;
    t.c->serialTransport = &port;
    writeSerialCommand(*t.c, CommandLine("RVN"));
    for (int tick = 1; tick <= 100; ++tick) {
        mainTimerStep(*t.c);
        if (!t.notes.notices.empty()) {
            EXPECT_EQ(t.lastText(), "No Connect");
            EXPECT_EQ(t.notes.notices.back().title, "Error");
            EXPECT_FALSE(t.c->reply.replyExpected);
            EXPECT_EQ(t.c->reply.noReplyTicks, 0);
            return tick;
        }
    }
    return -1;
}

TEST(NoReplyTimeoutTest, FiresOnTheTwentySecondOrTwentySeventhTick) {
    EXPECT_EQ(ticksToTimeout(Product::Multi), 22);
    EXPECT_EQ(ticksToTimeout(Product::Single), 27);
}

TEST(NoReplyTimeoutTest, CountsFromTheFirstUnansweredCommand) {
    ReplyConsole t;
    NullTransport port;
    t.c->serialTransport = &port;
    writeSerialCommand(*t.c, CommandLine("RVN"));
    for (int i = 0; i < 15; ++i) mainTimerStep(*t.c);
    writeSerialCommand(*t.c, CommandLine("RVN"));  // a second command does not restart the count
    int tick = 15;
    while (t.notes.notices.empty() && tick < 100) {
        mainTimerStep(*t.c);
        ++tick;
    }
    EXPECT_EQ(tick, 22);
}

TEST(NoReplyTimeoutTest, AnyReplyStopsTheCountAndBroadcastsStartNone) {
    ReplyConsole t;
    NullTransport port;
    t.c->serialTransport = &port;
    writeSerialCommand(*t.c, CommandLine("RVN"));
    for (int i = 0; i < 21; ++i) mainTimerStep(*t.c);
    t.serial("E4");
    for (int i = 0; i < 30; ++i) mainTimerStep(*t.c);
    EXPECT_TRUE(t.notes.notices.empty());

    t.c->app.serialMode = kRs485;
    t.c->app.slaveAddressIndex = kBroadcastAddress;
    writeSerialCommand(*t.c, CommandLine("CBS001L01ON"));
    for (int i = 0; i < 30; ++i) mainTimerStep(*t.c);
    EXPECT_TRUE(t.notes.notices.empty());
    EXPECT_EQ(port.writes, 2);
}

}  // namespace
}  // namespace vrq
