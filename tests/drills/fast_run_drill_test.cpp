// The answer-paced mode of both whole-device runs: no run timer, each command
// goes when the previous answer is in, and silence stops the run where it was.

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "dialogs/bulk_run_dialogs.h"
#include "drills/drill_support.h"
#include "model/product_names.h"
#include "protocol/bulk_runs.h"

namespace vrq::drill {
namespace {

class FastRunDrill : public ::testing::TestWithParam<Setup> {};

void setTitles(Console& c) {
    for (int page = 0; page < kPages; page += 7) {
        const std::string text = "\x82\xa0" + std::string(page % 3 ? "\x82\xa2" : "");
        if (c.single()) setCell(c.settings.singleTitleText[static_cast<std::size_t>(page)], text);
        else setCell(c.settings.titleText[static_cast<std::size_t>(page)][page % kLines], text);
        c.settings.lineBlink[static_cast<std::size_t>(page)][0] = 1;
    }
}

TEST_P(FastRunDrill, SendAllThenReadAllPacedByAnswers) {
    Rig r(GetParam(), {});
    ASSERT_TRUE(r.ok);
    const Product p = r.c->product;
    r.c->app.fastRuns = true;
    setTitles(*r.c);
    const SettingsModel sent = r.c->settings;
    {
        SendAllDialog d(*r.c);
        EXPECT_TRUE(d.fastBox()->isChecked());
        d.startButton()->click();
        ASSERT_TRUE(runLoopUntil([&] { return !d.runActive(); }, 120000));
        EXPECT_FALSE(d.runClockLabel()->text().isEmpty());
    }
    ASSERT_TRUE(r.settle());
    EXPECT_EQ(static_cast<int>(r.received().size()), sendAllStepCount(p));

    resetSettings(*r.c);
    r.c->app.fastRuns = true;
    {
        ReadAllDialog d(*r.c);
        d.startButton()->click();
        ASSERT_TRUE(runLoopUntil([&] { return !d.runActive(); }, 120000));
    }
    ASSERT_TRUE(r.settle());
    EXPECT_EQ(static_cast<int>(r.received().size()), sendAllStepCount(p) + readAllStepCount(p));
    EXPECT_TRUE(r.c->settings.lineBlink == sent.lineBlink);
    // A title comes back as its first characters; the rest of the line is padding.
    for (int page = 0; page < kPages; page += 7) {
        const std::size_t i = static_cast<std::size_t>(page);
        const std::string_view back = r.c->single() ? cellText(r.c->settings.singleTitleText[i])
                                                    : cellText(r.c->settings.titleText[i][i % kLines]);
        EXPECT_EQ(back.substr(0, 2), "\x82\xa0") << page;
    }
    for (const auto& n : r.notes.notices) EXPECT_NE(n.title, "Error") << n.text;
}

TEST_P(FastRunDrill, SilenceStopsTheRunWhereItWas) {
    constexpr int kAnswered = 5;
    Rig r(GetParam(), {"--silent-after", std::to_string(kAnswered)});
    ASSERT_TRUE(r.ok);
    r.c->app.fastRuns = true;
    SendAllDialog d(*r.c);
    d.startButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<int>(r.received().size()) == kAnswered + 1; }, 5000));
    // Over the serial line the main timer counts the silence; the silent
    // command is asked once more before the run gives up.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        mainTimerStep(*r.c);
        return !d.runActive();
    }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(static_cast<int>(r.received().size()), kAnswered + 2);
    EXPECT_EQ(d.progressBar()->value(), kAnswered + 1);
    EXPECT_TRUE(d.closeButton()->isEnabled());
    ASSERT_EQ(r.notes.notices.size(), 2u);
    EXPECT_EQ(r.notes.notices[0].text, r.serialChannel() ? "No Connect" : std::string(kNoAnswerText.source));
    // The run names what it did not send, the silent step first.
    const std::string& last = r.notes.notices[1].text;
    EXPECT_EQ(last.rfind(std::to_string(sendAllStepCount(r.c->product) - kAnswered) + "件の設定を送信できませんでした。\nページ 006 タイトル（応答なし）", 0), 0u) << last;
}

INSTANTIATE_TEST_SUITE_P(Drills, FastRunDrill,
                         ::testing::Values(Setup{Product::Single, Channel::Pty}, Setup{Product::Multi, Channel::Pty},
                                           Setup{Product::Single, Channel::TcpClient},
                                           Setup{Product::Multi, Channel::TcpServer}),
                         setupName);

}  // namespace
}  // namespace vrq::drill
