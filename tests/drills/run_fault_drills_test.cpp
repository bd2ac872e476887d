// Whole-device runs against a device that falls silent, refuses, or talks junk.

#include <QPushButton>

#include "dialogs/bulk_run_dialogs.h"
#include "drills/drill_support.h"
#include "model/product_names.h"
#include "protocol/bulk_runs.h"
#include "protocol/send_path.h"
#include "protocol/send_sequencer.h"
#include <QProgressBar>

namespace vrq::drill {
namespace {

class RunDrill : public ::testing::TestWithParam<Setup> {};

const char* const kSjisA = "\x82\xa0\x82\xa2";  // "あい"

void setTitle(Console& c, int page) {
    if (c.single()) setCell(c.settings.singleTitleText[static_cast<std::size_t>(page)], kSjisA);
    else setCell(c.settings.titleText[static_cast<std::size_t>(page)][0], kSjisA);
}

std::string titleOf(const Console& c, int page) {
    return std::string(c.single() ? cellText(c.settings.singleTitleText[static_cast<std::size_t>(page)])
                      : cellText(c.settings.titleText[static_cast<std::size_t>(page)][0]));
}

// Silence over serial is the no-reply timeout: "No Connect" for each silent
// command, and after a few in a row the run stops where it was instead of
// sending the rest into nothing. Over TCP/IP the first silent command stops it.
TEST_P(RunDrill, DeviceFallsSilentDuringSendAll) {
    constexpr int kAnswered = 5;
    Rig r(GetParam(), {"--silent-after", std::to_string(kAnswered)});
    ASSERT_TRUE(r.ok);
    r.c->app.retries = 0;  // each silence counts once
    const Product p = r.c->product;
    const int mainPerTick = sendAllPeriodMs(p) / mainTimerPeriodMs(p);

    SendAllDialog d(*r.c);
    d.startButton()->click();
    ASSERT_TRUE(d.runActive());
    int ticks = 0;
    while (d.runActive() && ticks < sendAllStepCount(p) + 5) {
        runTick(d, r, mainPerTick, ticks < kAnswered);
        ++ticks;
    }
    EXPECT_FALSE(d.runActive());
    EXPECT_FALSE(r.c->reply.runActive);
    QTest::qWait(200);

    if (r.serialChannel()) {
        EXPECT_EQ(static_cast<int>(r.received().size()), kAnswered + kUnansweredStop);
        EXPECT_EQ(r.count("No Connect"), kUnansweredStop);
        // One notice says why the run stopped and what it did not send.
        EXPECT_EQ(r.notes.notices.size(), static_cast<std::size_t>(kUnansweredStop + 1));
        const std::string& last = r.notes.notices.back().text;
        EXPECT_EQ(last.rfind(unansweredStopText(kUnansweredStop).japanese() + "\n" + std::to_string(sendAllStepCount(p) - kAnswered) +
                                 "件の設定を送信できませんでした。", 0), 0u) << last;
        // The progress stays where the run stopped.
        EXPECT_EQ(d.progressBar()->value(), kAnswered + kUnansweredStop);
        EXPECT_TRUE(d.closeButton()->isEnabled());
    } else {
        EXPECT_EQ(r.received().size(), static_cast<std::size_t>(kAnswered + 1));  // the silent step, then the stop
        EXPECT_EQ(r.count(std::string(kNoAnswerText.source)), 1);
        EXPECT_EQ(r.notes.notices.size(), 1u);
    }
}

// "MENU" and the four error answers stop a run at its next tick; what went
// out stays on the device, and the next run starts from its first step.
TEST_P(RunDrill, RefusalStopsRunAndNextRunStartsAgain) {
    constexpr int kRefusedLine = 4;
    const std::vector<std::string> codes = {"MENU", "E0", "E1", "E2", "E3"};
    for (std::size_t i = 0; i < codes.size() * 2; ++i) {
        const bool readAll = i % 2 == 1;
        const std::string& code = codes[i / 2];
        SCOPED_TRACE(code + (readAll ? " read-all" : " send-all"));
        Rig r(GetParam(), {"--error-at", std::to_string(kRefusedLine), "--error-code", code});
        ASSERT_TRUE(r.ok);
        setTitle(*r.c, 1);

        std::unique_ptr<SettingDialog> d;
        QPushButton* start = nullptr;
        if (readAll) {
            auto* rd = new ReadAllDialog(*r.c);
            start = rd->startButton();
            d.reset(rd);
        } else {
            auto* sd = new SendAllDialog(*r.c);
            start = sd->startButton();
            d.reset(sd);
        }
        start->click();
        int ticks = 0;
        while (d->runActive() && ticks < 20) {
            runTick(*d, r, 0, true);
            ++ticks;
        }
        EXPECT_FALSE(d->runActive());
        EXPECT_FALSE(r.c->reply.runActive);
        EXPECT_FALSE(r.c->reply.replyError);
        EXPECT_TRUE(d->closeButton()->isEnabled());
        QCoreApplication::processEvents();
        EXPECT_EQ(d->result(), 0);  // the dialog stays open
        ASSERT_EQ(r.notes.notices.size(), 1u);
        EXPECT_EQ(r.notes.notices[0].title, "Error");
        const std::vector<std::string> sent = r.received();
        ASSERT_EQ(sent.size(), static_cast<std::size_t>(kRefusedLine));

        if (!readAll) {
            // Page 2 went out before the refusal and stays on the device.
            resetSettings(*r.c);
            sendCommand(*r.c, CommandLine("RCA002"));
            ASSERT_TRUE(r.settle());
            EXPECT_EQ(titleOf(*r.c, 1), kSjisA);
        }

        // A new run begins with the first step again.
        const std::size_t before = r.received().size();
        start->click();
        ASSERT_TRUE(d->runActive());
        runTick(*d, r, 0, true);
        d.reset();  // a dialog that goes ends its run
        QTest::qWait(50);
        const std::vector<std::string> after = r.received();
        ASSERT_EQ(after.size(), before + 1);
        EXPECT_EQ(after.back(), sent.front());
    }
}

// Junk answers: random bytes, lines far past the buffer without LF, rows
// whose page or day lies outside the tables. Nothing may be stored outside
// them (the sanitizers watch), and the console works on afterwards.
TEST_P(RunDrill, JunkAnswersAreSurvived) {
    constexpr int kJunk = 12;  // every kind of junk the simulator makes
    Rig r(GetParam(), {"--garbage", std::to_string(kJunk)});
    ASSERT_TRUE(r.ok);
    auto before = makeConsole(r.c->product);
    before->settings = r.c->settings;

    if (!r.serialChannel()) r.tcp->setAnswerTimeoutMs(200);
    // Junk is no answer: each request is asked twice, then given up.
    for (int i = 0; static_cast<int>(r.received().size()) < kJunk && i < kJunk; ++i) {
        sendCommand(*r.c, readAllRequest(r.c->product, i % 512 + 1));
        ASSERT_TRUE(QTest::qWaitFor([&] {
            mainTimerStep(*r.c);
            return !linkBusy(*r.c);
        }, 10000));
    }
    QTest::qWait(100);
    EXPECT_FALSE(r.c->reply.runActive);
    // Junk rows name no real page: the titles and schedule are untouched.
    for (int page = 0; page < kPages; ++page) {
        ASSERT_EQ(titleOf(*r.c, page), titleOf(*before, page)) << page;
    }
    EXPECT_EQ(r.c->settings.schedulePage, before->settings.schedulePage);

    // The device answers properly again, and the console still listens.
    r.notes.notices.clear();
    setCell(r.c->settings.deviceVersion, "");
    sendCommand(*r.c, CommandLine("RVN"));
    ASSERT_TRUE(r.settle());
    EXPECT_FALSE(cellText(r.c->settings.deviceVersion).empty());
    for (const auto& n : r.notes.notices) EXPECT_NE(n.title, "Error") << n.text;
}

INSTANTIATE_TEST_SUITE_P(Drills, RunDrill,
                         ::testing::Values(Setup{Product::Multi, Channel::Pty}, Setup{Product::Single, Channel::Pty},
                                           Setup{Product::Multi, Channel::TcpClient},
                                           Setup{Product::Single, Channel::TcpClient},
                                           Setup{Product::Multi, Channel::TcpServer},
                                           Setup{Product::Single, Channel::TcpServer}),
                         setupName);

}  // namespace
}  // namespace vrq::drill
