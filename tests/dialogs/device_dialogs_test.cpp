#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "dialogs/alarm_dialog.h"
#include "dialogs/date_time_dialog.h"
#include "dialogs/other_dialog.h"
#include "dialogs/protocol_dialog.h"
#include "dialogs/remote_dialog.h"
#include "dialogs/slave_address_dialog.h"
#include "model/reset_settings.h"
#include "model/field_text.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"
#include "protocol/run_target.h"
#include "protocol/transport.h"

namespace vrq {
namespace {

struct WireRecorder : Transport {
    void writeLine(std::string_view bytes) override { lines.emplace_back(bytes); }
    std::vector<std::string> lines;
};

struct FixedClock : ClockSource {
    QDateTime at;
    QDateTime now() const override { return at; }
};

class DeviceDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        c->serialTransport = &wire;
        c->notifier = &notes;
        c->app.peerIndex = -1;
    }
    template <class T>
    T* child(QWidget* w, const char* name) {
        T* found = w->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* combo(QWidget* w, const char* name) { return child<QComboBox>(w, name); }
    void choose(QWidget* w, const char* name, int index) { combo(w, name)->setCurrentIndex(index); }
    void click(QWidget* w, const char* name) { child<QPushButton>(w, name)->click(); }
    std::vector<std::string> sent() {
        auto out = wire.lines;
        wire.lines.clear();
        return out;
    }
    using Lines = std::vector<std::string>;

    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    WireRecorder wire;
    RecordingNotifier notes;
};

TEST_F(DeviceDialogs, DateAndTimeFromTheClockAtOpening) {
    FixedClock clock;
    clock.at = QDateTime(QDate(2011, 3, 5), QTime(14, 7, 9));
    DateTimeDialog d(*c, nullptr, &clock);
    EXPECT_EQ(d.windowTitle(), "日付＆時刻の設定");
    EXPECT_EQ(combo(&d, "yearCombo")->currentText(), "2011");
    EXPECT_EQ(combo(&d, "monthCombo")->currentText(), "3");
    EXPECT_EQ(combo(&d, "dayCombo")->currentText(), "5");
    EXPECT_EQ(combo(&d, "hourCombo")->currentText(), "14");
    EXPECT_EQ(combo(&d, "minuteCombo")->currentText(), "7");
    EXPECT_EQ(combo(&d, "secondCombo")->currentText(), "9");
    for (const char* b : {"yearButton", "monthButton", "dayButton", "hourButton", "minuteButton", "secondButton"})
        click(&d, b);
    EXPECT_EQ(sent(), (Lines{"DSY11\r\n", "DSM03\r\n", "DSD05\r\n", "TSH14\r\n", "TSM07\r\n", "TSS09\r\n"}));

    // No check that the day exists in the month.
    choose(&d, "monthCombo", 1);
    choose(&d, "dayCombo", 30);
    click(&d, "monthButton");
    click(&d, "dayButton");
    click(&d, "correctionButton");
    EXPECT_EQ(sent(), (Lines{"DSM02\r\n", "DSD31\r\n", "TSA\r\n"}));
}

TEST_F(DeviceDialogs, YearOutsideTheListOpensWithoutSelectionAndSendsNothing) {
    FixedClock clock;
    clock.at = QDateTime(QDate(2100, 1, 1), QTime(0, 0, 0));
    DateTimeDialog d(*c, nullptr, &clock);
    EXPECT_EQ(combo(&d, "yearCombo")->currentIndex(), -1);
    click(&d, "yearButton");
    EXPECT_TRUE(sent().empty());
}

TEST_F(DeviceDialogs, ClockDisplayChoicesLiveInTheModel) {
    DateTimeDialog d(*c, nullptr);
    EXPECT_EQ(combo(&d, "rangeCombo")->itemText(7), "　　　時分　");
    choose(&d, "rangeCombo", 7);
    click(&d, "rangeButton");
    EXPECT_EQ(c->settings.clockDisplayRange, 7);
    choose(&d, "displayCombo", 1);  // "ON ", never sent
    EXPECT_EQ(c->settings.clockDisplayOn, 1);
    EXPECT_EQ(SettingsFile::serialize(*c).substr(0, 3), "1\r\n");
    choose(&d, "sizeCombo", 1);
    click(&d, "sizeButton");
    EXPECT_EQ(sent(), (Lines{"TSDR8\r\n", "TSDSN\r\n"}));
    EXPECT_TRUE(combo(&d, "sizeCombo")->isHidden());
}

TEST_F(DeviceDialogs, CaptionAndSlaveAddressFollowTheLink) {
    c->app.peerIndex = 0;
    {
        AlarmDialog serial(*c, nullptr);  // on the serial line the saved peer means nothing
        EXPECT_EQ(serial.windowTitle(), "アラームの設定");
    }
    c->app.linkInterface = kLinkTcp;
    c->app.tcpRole = kTcpClient;
    c->app.peerAddress[0] = {10, 0, 0, 9};
    c->app.peerListCount = 1;
    AlarmDialog a(*c, nullptr);
    EXPECT_EQ(a.windowTitle(), "アラームの設定 10.0.0.9");
    EXPECT_FALSE(combo(&a, "slaveAddressCombo")->isEnabled());
    EXPECT_EQ(combo(&a, "slaveAddressCombo")->currentIndex(), -1);

    c->app.peerIndex = -1;
    c->app.linkInterface = kLinkSerial;
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;
    OtherDialog o(*c, nullptr);
    EXPECT_EQ(o.windowTitle(), "その他");
    EXPECT_TRUE(combo(&o, "slaveAddressCombo")->isEnabled());
    EXPECT_EQ(combo(&o, "slaveAddressCombo")->currentText(), "05");
    click(&o, "inputButton");
    EXPECT_EQ(sent(), Lines{"05CIA\r\n"});
    choose(&o, "slaveAddressCombo", 32);
    EXPECT_EQ(c->app.slaveAddressIndex, kBroadcastAddress);
    click(&o, "inputButton");
    EXPECT_EQ(sent(), Lines{"FFCIA\r\n"});
}

TEST_F(DeviceDialogs, HoldTimeNeedsThreeSecondsOrMore) {
    AlarmDialog d(*c, nullptr);
    auto* edit = child<QLineEdit>(&d, "holdTimeEdit");
    EXPECT_EQ(edit->text(), "010");
    EXPECT_EQ(edit->maxLength(), 3);
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"2", "2", nullptr}, {"5s", "5s", "ADT005\r\n"}, {"", "", nullptr}, {"１０", "10", "ADT010\r\n"}};
    for (auto [typed, stored, line] : cases) {
        notes.notices.clear();
        edit->clear();
        edit->setText(QString::fromUtf8(typed));
        EXPECT_EQ(cellText(c->settings.alarmHoldTime), stored);
        click(&d, "holdTimeButton");
        if (line) {
            EXPECT_EQ(sent(), Lines{line}) << typed;
            EXPECT_TRUE(notes.notices.empty());
        } else {
            EXPECT_TRUE(sent().empty()) << typed;
            ASSERT_EQ(notes.notices.size(), 1u) << typed;
            EXPECT_EQ(notes.notices[0].text, "3秒以上を設定してください。");
            EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Stop);
        }
    }
}

TEST_F(DeviceDialogs, AlarmSwitchesSendFromTheModel) {
    AlarmDialog d(*c, nullptr);
    EXPECT_EQ(combo(&d, "displayCombo")->currentText(), " ON");
    choose(&d, "modeCombo", 1);
    choose(&d, "polarityCombo", 1);
    choose(&d, "displayCombo", 0);
    choose(&d, "returnCombo", 0);
    for (const char* b : {"modeButton", "polarityButton", "displayButton", "returnButton"}) click(&d, b);
    EXPECT_EQ(sent(), (Lines{"AME\r\n", "APB\r\n", "ADOF\r\n", "AROF\r\n"}));
}

TEST_F(DeviceDialogs, ConnectorTableIsSharedByAlarmAndRemote) {
    {
        RemoteDialog r(*c, nullptr);
        EXPECT_EQ(r.windowTitle(), "リモートの設定");
        choose(&r, "connector2Combo", 4);
        click(&r, "connectorButton");
        EXPECT_EQ(sent(), Lines{"RCA001005003004005006007008\r\n"});
    }
    AlarmDialog a(*c, nullptr);
    EXPECT_EQ(combo(&a, "connector2Combo")->currentText(), "005");
    click(&a, "connectorButton");
    EXPECT_EQ(sent(), Lines{"ACA001005003004005006007008\r\n"});
}

TEST_F(DeviceDialogs, RemoteModeIsItsOwnField) {
    c->settings.alarmMode = 1;
    c->settings.remoteMode = 2;
    RemoteDialog r(*c, nullptr);
    EXPECT_EQ(combo(&r, "modeCombo")->currentText(), "OPERATION");
    choose(&r, "modeCombo", 1);
    EXPECT_EQ(combo(&r, "modeCombo")->currentText(), "BIT      ");
    click(&r, "modeButton");
    EXPECT_EQ(sent(), Lines{"RMBIT\r\n"});
    EXPECT_EQ(c->settings.alarmMode, 1);
}

TEST_F(DeviceDialogs, OtherSettings) {
    OtherDialog d(*c, nullptr);
    QComboBox* page = combo(&d, "powerOnCombo");
    ASSERT_EQ(page->count(), 513);
    choose(&d, "powerOnCombo", 512);
    EXPECT_EQ(page->currentText(), "PAS");
    EXPECT_EQ(c->settings.powerOnPage, 512);
    click(&d, "powerOnButton");
    choose(&d, "videoLossCombo", 1);
    click(&d, "videoLossButton");
    EXPECT_EQ(sent(), (Lines{"POSPAS\r\n", "VLBCB\r\n"}));

    choose(&d, "zoomCombo", 1);  // changed, not sent, not in the document
    EXPECT_EQ(c->settings.zoomFont, 1);
    EXPECT_TRUE(sent().empty());
}

TEST_F(DeviceDialogs, ValuesNoListOffersOpenWithoutSelection) {
    c->settings.connectorAssign[0] = -1;
    c->settings.remoteMode = 7;
    c->settings.powerOnPage = 900;
    RemoteDialog r(*c, nullptr);
    OtherDialog o(*c, nullptr);
    EXPECT_EQ(combo(&r, "connector1Combo")->currentIndex(), -1);
    EXPECT_EQ(combo(&r, "modeCombo")->currentIndex(), -1);
    EXPECT_EQ(combo(&o, "powerOnCombo")->currentIndex(), -1);
    click(&r, "connectorButton");
    click(&o, "powerOnButton");
    EXPECT_EQ(sent(), (Lines{"RCA001002003004005006007008\r\n", "POSPAS\r\n"}));
}

class ProtocolDialogTest : public DeviceDialogs {
protected:
    void tick(ProtocolDialog& d, int n = 1) {
        for (int i = 0; i < n; ++i) d.tickRun();
    }
};

TEST_F(ProtocolDialogTest, FieldsSendTheirCommands) {
    c->settings.netIpAddress = {192, 168, 0, 1};
    ProtocolDialog d(*c, nullptr);
    EXPECT_EQ(d.windowTitle(), "プロトコル");
    auto* ip = child<QLineEdit>(&d, "ipEdit");
    EXPECT_EQ(ip->text(), "192.168.000.001");
    ip->setText("10.0.0.5");
    click(&d, "ipButton");
    EXPECT_EQ(c->settings.netIpAddress, (Octets{10, 0, 0, 5}));
    child<QLineEdit>(&d, "gatewayEdit")->setText("１．２．３．４");
    click(&d, "gatewayButton");
    click(&d, "subnetButton");
    click(&d, "portButton");
    choose(&d, "timeRegisterCombo", 2);
    EXPECT_EQ(combo(&d, "timeRegisterCombo")->currentText(), "30");
    click(&d, "timeRegisterButton");
    choose(&d, "connectionTryCombo", 1);
    click(&d, "connectionTryButton");
    click(&d, "keepAliveButton");
    EXPECT_EQ(sent(), (Lines{"EIA010.000.000.005\r\n", "EGA001.002.003.004\r\n", "ESMC\r\n", "EPN09004\r\n",
                             "ETR3\r\n", "ECTON\r\n", "EKAOF\r\n"}));

    auto* port = child<QLineEdit>(&d, "portEdit");
    port->clear();
    QTest::keyClicks(port, "1x00017");
    EXPECT_EQ(port->text(), "10001");
    EXPECT_EQ(cellText(c->settings.netPortNumber), "10001");
}

TEST_F(ProtocolDialogTest, MalformedAddressesAndPortsAreRefusedAndNothingIsSent) {
    c->settings.netActiveAddress = {9, 9, 9, 9};
    ProtocolDialog d(*c, nullptr);
    for (const char* text : {"1234.5.6.7", "1.2.3", "", "300.1.2.3", "1..2.3"}) {
        notes.notices.clear();
        child<QLineEdit>(&d, "activeEdit")->setText(text);
        click(&d, "activeButton");
        EXPECT_TRUE(sent().empty()) << text;
        ASSERT_EQ(notes.notices.size(), 1u) << text;
        EXPECT_EQ(notes.notices[0].text, kAddressRefusedText.source);
    }
    EXPECT_EQ(c->settings.netActiveAddress, (Octets{9, 9, 9, 9}));
    for (const char* text : {"", "99999", "0", "00000"}) {
        notes.notices.clear();
        child<QLineEdit>(&d, "portEdit")->setText(text);
        click(&d, "portButton");
        EXPECT_TRUE(sent().empty()) << text;
        ASSERT_EQ(notes.notices.size(), 1u) << text;
        EXPECT_EQ(notes.notices[0].text, kPortRefusedText.source);
    }
    child<QLineEdit>(&d, "portEdit")->setText("９００４");
    click(&d, "portButton");
    EXPECT_EQ(sent(), Lines{"EPN09004\r\n"});
}

TEST_F(ProtocolDialogTest, ReadBackRunsTenRequestsThenRefills) {
    ProtocolDialog d(*c, nullptr);
    auto* close = child<QPushButton>(&d, "closeButton");
    click(&d, "readButton");
    EXPECT_FALSE(close->isEnabled());
    EXPECT_TRUE(c->reply.runActive);
    EXPECT_EQ(c->reply.runStep, 0);
    click(&d, "readButton");  // a second press is ignored
    EXPECT_TRUE(c->reply.runActive);
    EXPECT_EQ(c->reply.runStep, 0);

    tick(d, 9);
    EXPECT_FALSE(close->isEnabled());
    d.reject();  // neither Close nor the close box ends it now
    tick(d);
    EXPECT_TRUE(close->isEnabled());
    EXPECT_EQ(d.readProgress()->value(), 10);
    EXPECT_EQ(sent(), (Lines{"REAA\r\n", "REGA\r\n", "REIA\r\n", "RECT\r\n", "REKA\r\n", "REPN\r\n", "RESM\r\n",
                             "RETR\r\n", "REMA\r\n", "RVN\r\n"}));

    for (const char* answer : {"EIA010.000.000.005\r\n", "EPN10001\r\n", "EMA00-11-22-33-44-55\r\n", "VN1.23\r\n",
                               "ESMA\r\n", "ETR3\r\n"})
        handleSerialReply(*c, answer);
    EXPECT_EQ(child<QLineEdit>(&d, "portEdit")->text(), "09004");  // shown at the end of the run
    tick(d);
    EXPECT_FALSE(c->reply.runActive);
    EXPECT_EQ(d.readProgress()->value(), 0);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(child<QLineEdit>(&d, "ipEdit")->text(), "010.000.000.005");
    EXPECT_EQ(child<QLineEdit>(&d, "portEdit")->text(), "10001");
    EXPECT_EQ(cellText(c->settings.netPortNumber), "10001");  // the console's own port too
    EXPECT_EQ(child<QLineEdit>(&d, "macText")->text(), "00-11-22-33-44-55");
    EXPECT_EQ(child<QLineEdit>(&d, "versionText")->text(), "1.23");
    EXPECT_EQ(combo(&d, "subnetCombo")->currentText(), "Class A");
    EXPECT_EQ(combo(&d, "timeRegisterCombo")->currentText(), "30");
}

TEST_F(ProtocolDialogTest, ErrorAnswerStopsTheRunAtTheNextTick) {
    ProtocolDialog d(*c, nullptr);
    click(&d, "readButton");
    tick(d, 3);
    c->reply.replyError = true;
    tick(d);
    EXPECT_EQ(sent().size(), 3u);
    EXPECT_FALSE(c->reply.runActive);
    EXPECT_FALSE(c->reply.replyError);
    EXPECT_TRUE(child<QPushButton>(&d, "closeButton")->isEnabled());
    EXPECT_EQ(d.readProgress()->value(), 3);
}

TEST_F(ProtocolDialogTest, ReadBackIgnoredWhileAnotherRunIsActive) {
    c->reply.runActive = true;
    c->reply.runStep = 39;
    ProtocolDialog d(*c, nullptr);
    click(&d, "readButton");
    tick(d);
    EXPECT_TRUE(c->reply.runActive);
    EXPECT_EQ(c->reply.runStep, 39);
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(child<QPushButton>(&d, "closeButton")->isEnabled());
}

TEST_F(ProtocolDialogTest, ReadBackRefusesABroadcast) {
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = kBroadcastAddress;
    ProtocolDialog d(*c, nullptr);
    click(&d, "readButton");
    tick(d);
    EXPECT_FALSE(c->reply.runActive);
    EXPECT_TRUE(sent().empty());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kBroadcastReadText.source);
}

TEST_F(DeviceDialogs, SlaveAddressDialogStoresTheChoice) {
    c->app.slaveAddressIndex = 3;
    SlaveAddressDialog d(*c, nullptr);
    EXPECT_EQ(d.windowTitle(), "機器のスレーブアドレス");
    ASSERT_EQ(d.addressCombo()->count(), 33);
    EXPECT_EQ(d.addressCombo()->currentText(), "03");
    EXPECT_EQ(d.addressCombo()->itemText(32), "Bloadcast");
    d.addressCombo()->setCurrentIndex(32);
    EXPECT_EQ(c->app.slaveAddressIndex, kBroadcastAddress);

    c->app.selectedSlot = 0;
    c->app.linkInterface = kLinkTcp;
    c->app.tcpRole = kTcpServer;
    c->app.clientSlots[0].addressText = "10.1.1.1";
    SlaveAddressDialog peer(*c, nullptr);
    EXPECT_EQ(peer.windowTitle(), "スレーブアドレスの設定 10.1.1.1");
}

}  // namespace
}  // namespace vrq
