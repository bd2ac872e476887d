// Notices raised inside the main timer's tick are shown from the event loop,
// so the clock and the no-reply count go on while the box is open.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "dialogs/clock_source.h"
#include "shell/main_window.h"
#include "shell/message_box_notifier.h"
#include "protocol/reply_parser.h"

namespace vrq {
namespace {

// A clock that moves one second every time it is read.
struct MovingClock : ClockSource {
    mutable QDateTime at = QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0));
    QDateTime now() const override { return at = at.addSecs(1); }
};

TEST(NoticeQueue, ClockAndNoReplyCountGoOnWhileANoticeIsOpen) {
    auto c = makeConsole(Product::Multi);
    MessageBoxNotifier notifier;
    c->notifier = &notifier;
    MovingClock clock;
    MainWindow w(*c, variantFor(Product::Multi), clock);
    w.setTickHook([&] { mainTimerStep(*c); });

    // The next tick raises "Success" and starts counting an unanswered command.
    c->reply.successPending = true;
    c->reply.replyExpected = true;
    QString timeWhenOpen, timeLater;
    int ticksWhenOpen = -1, ticksLater = -1;
    bool sawBox = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (!sawBox) {
            sawBox = true;
            timeWhenOpen = w.timeText();
            ticksWhenOpen = c->reply.noReplyTicks;
            return;
        }
        if (ticksLater < 0 && c->reply.noReplyTicks >= ticksWhenOpen + 4) {
            timeLater = w.timeText();
            ticksLater = c->reply.noReplyTicks;
            box->accept();
        }
    });
    probe.start(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticksLater >= 0; }, 5000)) << "the main timer stood still";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_NE(timeLater, timeWhenOpen);
    EXPECT_GE(ticksLater, ticksWhenOpen + 4);
    EXPECT_EQ(notifier.queued(), 0u);
}

TEST(NoticeQueue, NoticesShowOneAfterAnotherInOrder) {
    MessageBoxNotifier notifier;
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    closer.start(10);
    showError(notifier, Message::plain("first"));
    showWarning(notifier, Message::plain("second"));
    showSuccess(notifier, Message::plain("third"));
    EXPECT_EQ(notifier.queued(), 3u);  // nothing is shown from inside the caller
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == 3; }, 5000));
    EXPECT_EQ(shown, (QStringList{"first", "second", "third"}));
}

TEST(NoticeQueue, AFloodFoldsIntoOneBoxAndTheFinalNoticeStillShows) {
    MessageBoxNotifier notifier;
    for (int i = 0; i < 40; ++i) showWarning(notifier, Message::plain("No Connect"));
    ASSERT_EQ(notifier.queued(), 1u);
    EXPECT_EQ(notifier.queuedText(0), "No Connect（40回）");
    showError(notifier, Message::plain("run ended"));
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    closer.start(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == 2; }, 5000));
    EXPECT_EQ(shown, (QStringList{"No Connect（40回）", "run ended"}));
}

TEST(NoticeQueue, PastTheBoundOnlyRepeatsFoldAndTheNewestKeepsItsPlace) {
    MessageBoxNotifier notifier;
    for (std::size_t i = 0; i < MessageBoxNotifier::kMaxQueued; ++i) showError(notifier, Message::plain(std::to_string(i % 2)));
    showError(notifier, Message::plain("0"));  // past the bound: the waiting "0"s fold into the first
    ASSERT_EQ(notifier.queued(), MessageBoxNotifier::kMaxQueued / 2 + 1);
    EXPECT_EQ(notifier.queuedText(0), QStringLiteral("0（%1回）").arg(MessageBoxNotifier::kMaxQueued / 2 + 1));
    EXPECT_EQ(notifier.queuedText(1), "1");

    for (int i = 0; i < 200; ++i) showError(notifier, Message::plain("other " + std::to_string(i)));
    showError(notifier, Message::plain("run ended"));
    EXPECT_EQ(notifier.queued(), MessageBoxNotifier::kMaxDifferent);
    EXPECT_EQ(notifier.queuedText(notifier.queued() - 1), "run ended");
    EXPECT_EQ(notifier.queuedText(0), QStringLiteral("0（%1回）").arg(MessageBoxNotifier::kMaxQueued / 2 + 1));
}

}  // namespace
}  // namespace vrq
