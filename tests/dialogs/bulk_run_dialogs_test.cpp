#include <QComboBox>
#include <QLabel>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include "dialogs/bulk_run_dialogs.h"
#include "dialogs/slave_address_dialog.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/bulk_runs.h"
#include "protocol/notifier.h"
#include "protocol/run_target.h"
#include "protocol/send_sequencer.h"
#include "protocol/transport.h"
#include "support/recording_transport.h"

namespace vrq {
namespace {

class BulkRunDialogTest : public ::testing::TestWithParam<Product> {
protected:
    void SetUp() override {
        c = makeConsole(GetParam());
        c->serialTransport = &wire;
        wire.answerTo = c.get();
        c->notifier = &notes;
    }
    std::unique_ptr<Console> c;
    RecordingTransport wire;
    RecordingNotifier notes;
};

TEST_P(BulkRunDialogTest, ReadAllSendsTheRequestsWithTheAddressPrefix) {
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;
    ReadAllDialog d(*c);
    EXPECT_EQ(d.slaveAddressCombo()->count(), 32);  // no broadcast here
    EXPECT_EQ(d.slaveAddressCombo()->currentText(), "05");
    d.startButton()->click();
    EXPECT_TRUE(c->reply.runActive);
    EXPECT_EQ(c->reply.runStep, 0);
    for (int i = 0; i < 3; ++i) d.tickRun();
    ASSERT_EQ(wire.lines.size(), 3u);
    EXPECT_EQ(wire.lines[0], "05RCA001\r\n");
    EXPECT_EQ(wire.lines[2], "05RCA003\r\n");
    EXPECT_EQ(d.closeButton()->isEnabled(), !c->single());
}

TEST_P(BulkRunDialogTest, ReadAllRefusesABroadcastOrNoAddressBeforeSendingAnything) {
    c->app.serialMode = kRs485;
    for (const int address : {kBroadcastAddress, -1}) {
        c->app.slaveAddressIndex = address;
        ReadAllDialog d(*c);
        EXPECT_EQ(d.slaveAddressCombo()->currentIndex(), -1);  // shown as no address, refused as none
        d.startButton()->click();
        d.tickRun();
        EXPECT_FALSE(c->reply.runActive);
        EXPECT_TRUE(wire.lines.empty());
        ASSERT_EQ(notes.notices.size(), 1u);
        EXPECT_EQ(notes.notices[0].text, kBroadcastReadText.source);
        notes.notices.clear();
    }
}

TEST_P(BulkRunDialogTest, AddressStaysFixedWhileTheRunGoes) {
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;
    ReadAllDialog d(*c);
    ASSERT_TRUE(d.slaveAddressCombo()->isEnabled());
    d.startButton()->click();
    ASSERT_TRUE(c->reply.runActive);
    EXPECT_FALSE(d.slaveAddressCombo()->isEnabled());
    {
        SlaveAddressDialog other(*c);
        EXPECT_FALSE(other.addressCombo()->isEnabled());
        other.addressCombo()->setCurrentIndex(7);  // as if it got through anyway
        EXPECT_EQ(other.addressCombo()->currentIndex(), 5);
    }
    EXPECT_EQ(c->app.slaveAddressIndex, 5);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kTargetFixedText.source);
    d.tickRun();
    EXPECT_EQ(wire.lines.at(0), "05RCA001\r\n");

    c->reply.replyError = true;
    d.tickRun();  // the run stops
    EXPECT_FALSE(c->reply.runActive);
    EXPECT_TRUE(d.slaveAddressCombo()->isEnabled());
    EXPECT_EQ(d.slaveAddressCombo()->currentText(), "05");
}

TEST_P(BulkRunDialogTest, TimeLeftOfATimerPacedRunCountsItsPeriods) {
    SendAllDialog d(*c);
    d.startButton()->click();
    for (int i = 0; i < 3; ++i) d.tickRun();
    // The ticks go by the period, not by how fast the first three went.
    const long long left = static_cast<long long>(sendAllStepCount(c->product) - 3) * sendAllPeriodMs(c->product);
    EXPECT_TRUE(d.runClockLabel()->text().endsWith(QString::fromStdString(durationText((left + 999) / 1000))))
        << d.runClockLabel()->text().toStdString();
}

TEST_P(BulkRunDialogTest, ErrorReplyStopsAndLeavesTheDialogOpenForAFreshStart) {
    SendAllDialog d(*c);
    d.show();
    d.startButton()->click();
    d.tickRun();
    d.tickRun();
    c->reply.replyError = true;
    d.tickRun();  // stops before sending
    EXPECT_EQ(wire.lines.size(), 2u);
    EXPECT_FALSE(c->reply.runActive);
    EXPECT_FALSE(c->reply.replyError);
    EXPECT_TRUE(d.closeButton()->isEnabled());
    EXPECT_TRUE(d.isVisible());
    d.startButton()->click();
    d.tickRun();
    EXPECT_EQ(wire.lines.back().substr(0, 5), "CA001");  // from the first step again
}

TEST_P(BulkRunDialogTest, RefusedTitleStopsTheRunAfterTheEarlierPages) {
    if (c->single())
        setCell(c->settings.singleTitleText[2], "a");
    else
        setCell(c->settings.titleText[2][4], "a");
    SendAllDialog d(*c);
    d.startButton()->click();
    for (int i = 0; i < 5; ++i) d.tickRun();
    ASSERT_EQ(wire.lines.size(), 2u);  // pages 1 and 2
    EXPECT_EQ(wire.lines[1].substr(0, 5), "CA002");
    EXPECT_FALSE(c->reply.runActive);
    ASSERT_FALSE(notes.notices.empty());
    EXPECT_EQ(notes.notices.back().text, "ＪＩＳ第１水準,第２水準以外の字が選択されてます");
    // The dialog shows where the run stopped.
    EXPECT_EQ(d.progressBar()->value(), 2);
    EXPECT_EQ(d.percentBox()->text().toStdString(), sendAllPercentText(c->product, 2));
}

TEST_P(BulkRunDialogTest, OneRunAtATimeAndNoneWithoutALink) {
    SendAllDialog send(*c);
    ReadAllDialog read(*c);
    send.startButton()->click();
    read.startButton()->click();  // another run is active: nothing starts
    read.tickRun();
    EXPECT_TRUE(wire.lines.empty());
    send.tickRun();
    EXPECT_EQ(wire.lines.size(), 1u);
    c->reply.runActive = false;

    auto tcp = makeConsole(GetParam());
    tcp->notifier = &notes;
    tcp->app.linkInterface = kLinkTcp;
    SendAllDialog d(*tcp);
    d.startButton()->click();
    EXPECT_FALSE(tcp->reply.runActive);
    EXPECT_EQ(notes.notices.back().text, "Socket が接続されていません");
}

TEST_P(BulkRunDialogTest, LastStepEndsTheRunAndClosesTheDialog) {
    ReadAllDialog d(*c);
    d.show();
    d.startButton()->click();
    const int steps = c->single() ? 568 : 3120;
    for (int i = 0; i < steps; ++i) d.tickRun();
    EXPECT_EQ(wire.lines.back(), "RVN\r\n");
    EXPECT_FALSE(c->reply.runActive);
    EXPECT_EQ(d.percentBox()->text().toStdString(), c->single() ? "   " : "      ");
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.isVisible());
    ASSERT_FALSE(notes.notices.empty());
    EXPECT_NE(notes.notices.back().text.find(readAllUnaskedSettings(c->product).japanese()), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, BulkRunDialogTest, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return info.param == Product::Multi ? "Multi" : "Single"; });

}  // namespace
}  // namespace vrq
