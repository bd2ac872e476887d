// The consoles' whole-device runs against a device whose answers go astray:
// a run ends as a success only with every setting read, and one that cannot
// read them all says which it did not read.

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include "dialogs/bulk_run_dialogs.h"
#include "drills/drill_support.h"
#include "model/settings_file.h"
#include "protocol/reply_parser.h"

namespace vrq::drill {
namespace {

// Runs the dialog to its end, the main timer ticking (faster than in the
// program) and the run's own ticks between.
bool runToEnd(ReadAllDialog& d, Rig& r) {
    d.startButton()->click();
    QEventLoop loop;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        mainTimerStep(*r.c);
        d.tickRun();
        if (!d.runActive()) loop.quit();
    });
    ticks.start(5);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return !d.runActive();
}

class TruthDrill : public ::testing::TestWithParam<Setup> {};

TEST_P(TruthDrill, AnAnswerOfAnotherRowIsAskedAgainAndTheReadIsExact) {
    Rig r(GetParam(), {"--wrong-row-at", "5"});
    ASSERT_TRUE(r.ok);
    r.c->app.fastRuns = true;
    ReadAllDialog first(*r.c);
    ASSERT_TRUE(runToEnd(first, r));
    ASSERT_TRUE(first.lastRun()->success());
    for (const auto& n : r.notes.notices) EXPECT_NE(n.title, "Error") << n.text;
    const std::string once = SettingsFile::serialize(*r.c);

    ReadAllDialog second(*r.c);  // the device answers every line right now
    ASSERT_TRUE(runToEnd(second, r));
    EXPECT_TRUE(second.lastRun()->success());
    EXPECT_TRUE(SettingsFile::serialize(*r.c) == once);
}

INSTANTIATE_TEST_SUITE_P(Drills, TruthDrill,
                         ::testing::Values(Setup{Product::Single, Channel::Pty}, Setup{Product::Single, Channel::TcpClient}),
                         setupName);

// Without the repeat, the timed run goes on past the foreign answer and ends
// with one notice naming the setting it could not read; the dialog stays.
TEST(TruthDrillTimed, AReadAllThatMissedASettingSaysWhich) {
    Rig r({Product::Single, Channel::Pty}, {"--wrong-row-at", "5"});
    ASSERT_TRUE(r.ok);
    r.c->app.retries = 0;
    ReadAllDialog d(*r.c);
    d.show();
    ASSERT_TRUE(runToEnd(d, r));
    EXPECT_FALSE(d.lastRun()->success());
    EXPECT_EQ(d.lastRun()->tally().missedCount(), 1);
    QTest::qWait(50);
    EXPECT_TRUE(d.isVisible());
    ASSERT_FALSE(r.notes.notices.empty());
    const std::string& last = r.notes.notices.back().text;
    EXPECT_EQ(last, "1件の設定を読み込めませんでした。\nページ 005 タイトル（壊れた応答）") << last;
    EXPECT_EQ(r.count("Success"), 0);
}

}  // namespace
}  // namespace vrq::drill
