// Replies reach the model on the UI thread only: the links deliver them there,
// and a debug build stops a reply that arrives from any other thread.

#include <thread>

#include "drills/drill_support.h"
#include "protocol/send_path.h"

namespace vrq::drill {
namespace {

class UiThreadDrill : public ::testing::TestWithParam<Channel> {};

TEST_P(UiThreadDrill, LinksDeliverRepliesOnTheUiThread) {
    Rig r({Product::Multi, GetParam()}, {});
    ASSERT_TRUE(r.ok);
    int replies = 0, elsewhere = 0;
    r.c->received = [&](std::string_view) {
        ++replies;
        elsewhere += std::this_thread::get_id() != r.c->uiThread ? 1 : 0;
    };
    for (const char* line : {"CBS003L10ON", "RCBS003", "RVN"}) {
        sendCommand(*r.c, CommandLine(line));
        ASSERT_TRUE(r.settle());
    }
    EXPECT_EQ(replies, 3);
    EXPECT_EQ(elsewhere, 0);
}

INSTANTIATE_TEST_SUITE_P(Drills, UiThreadDrill, ::testing::Values(Channel::Pty, Channel::TcpClient),
                         [](const auto& info) { return std::string(channelName(info.param)); });

#ifndef NDEBUG
TEST(UiThreadDeathTest, ReplyFromAnotherThreadIsStopped) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto c = makeConsole(Product::Multi);
    EXPECT_DEATH(std::thread([&] { handleSerialReply(*c, "GO\r\n"); }).join(), "UI thread");
    EXPECT_DEATH(std::thread([&] { handleTcpReply(*c, "GO\r\n"); }).join(), "UI thread");
    // On the thread that made the console, the same reply is simply handled.
    handleSerialReply(*c, "GO\r\n");
    EXPECT_TRUE(c->reply.successPending);
}
#endif

}  // namespace
}  // namespace vrq::drill
