// The traffic monitor over the record: bounded under a flood, batched,
// filtered, paused, and saved in the `vrqctl --log` format.

#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "dialogs/traffic_monitor.h"
#include "link/ui_language.h"
#include "protocol/notifier.h"

namespace vrq {
namespace {

constexpr const char* kLeft = "接続が切れました";

class TrafficMonitorTest : public ::testing::Test {
protected:
    void SetUp() override {
        c = makeConsole(Product::Multi);
        c->notifier = &notes;
    }
    void add(TrafficDirection d, std::string_view bytes, int address = 5) {
        log.add({d, bytes, "COM1 /dev/ttyUSB0", address});
    }
    static QString lastRow(const TrafficMonitor& m) { return m.rows() ? m.row(m.rows() - 1) : QString(); }
    static QString allRows(const TrafficMonitor& m) {
        QStringList rows;
        for (int i = 0; i < m.rows(); ++i) rows.push_back(m.row(i));
        return rows.join('\n');
    }

    std::unique_ptr<Console> c;
    RecordingNotifier notes;
    TrafficLog log;
};

TEST_F(TrafficMonitorTest, AFloodStaysBoundedAndArrivesInOneBatch) {
    TrafficMonitor m(*c, log);
    for (int i = 0; i < 100000; ++i) add(TrafficDirection::Received, "05VN" + std::to_string(i) + "\r\n");
    EXPECT_EQ(m.rows(), 0);  // nothing until the timer looks
    QElapsedTimer t;
    t.start();
    m.refresh();
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(log.size(), TrafficLog::kDefaultCapacity);
    EXPECT_EQ(m.rows(), static_cast<int>(TrafficLog::kDefaultCapacity));
    EXPECT_TRUE(m.row(0).endsWith("05VN90000\\r\\n"));
    EXPECT_TRUE(lastRow(m).endsWith("05VN99999\\r\\n"));

    // More keeps the view at its bound: old rows fall off the top.
    for (int i = 0; i < 500; ++i) add(TrafficDirection::Sent, "05RVN\r\n");
    m.refresh();
    EXPECT_EQ(m.rows(), static_cast<int>(TrafficLog::kDefaultCapacity));
    EXPECT_TRUE(m.row(0).endsWith("05VN90500\\r\\n"));
}

TEST_F(TrafficMonitorTest, RowsShowDirectionLinkAddressAndEscapedBytes) {
    TrafficMonitor m(*c, log);
    add(TrafficDirection::Sent, "05RVN\r\n");
    add(TrafficDirection::Dropped, std::string_view("06VN\x13\r\n", 7), 6);
    add(TrafficDirection::Sent, "FFCFZON\r\n", 255);
    log.add({TrafficDirection::Received, "GO\r\n", "ｽﾛｯﾄ3 192.168.0.7:5000", -1});
    m.refresh();
    const QStringList rows = allRows(m).split('\n');
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[0].contains(QStringLiteral(" 送信 > COM1 /dev/ttyUSB0")));
    EXPECT_TRUE(rows[0].endsWith(QStringLiteral(" 05 05RVN\\r\\n")));
    EXPECT_TRUE(rows[1].contains(QStringLiteral(" 破棄 x ")));
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral(" 06 06VN\\x13\\r\\n")));
    EXPECT_TRUE(rows[2].endsWith(QStringLiteral(" FF FFCFZON\\r\\n")));
    EXPECT_TRUE(rows[3].contains(QStringLiteral(" 受信 < ｽﾛｯﾄ3 192.168.0.7:5000")));
    EXPECT_TRUE(rows[3].endsWith(QStringLiteral(" -- GO\\r\\n")));
    add(TrafficDirection::Sent, "05" + std::string(300, 'A') + "\r\n");
    m.refresh();
    EXPECT_TRUE(lastRow(m).endsWith(QStringLiteral("… (304 バイト)")));  // the row shows the head only
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d\d:\d\d:\d\d\.\d{3} )")).match(rows[0]).hasMatch());
}

TEST_F(TrafficMonitorTest, FilterPauseAndClear) {
    TrafficMonitor m(*c, log);
    add(TrafficDirection::Sent, "05RVN\r\n");
    add(TrafficDirection::Received, "05VN1.05\r\n");
    m.refresh();
    m.filter()->setText("VN1");
    EXPECT_EQ(m.rows(), 1);
    EXPECT_TRUE(lastRow(m).endsWith("05VN1.05\\r\\n"));

    m.pause()->setChecked(true);
    add(TrafficDirection::Received, "05VN1.06\r\n");
    m.refresh();
    EXPECT_EQ(m.rows(), 1);
    m.pause()->setChecked(false);  // resuming catches up at once
    EXPECT_EQ(m.rows(), 2);
    EXPECT_TRUE(lastRow(m).endsWith("05VN1.06\\r\\n"));

    m.clearButton()->click();
    EXPECT_EQ(log.size(), 0u);
    EXPECT_TRUE(allRows(m).isEmpty());
    add(TrafficDirection::Received, "05VN1.07\r\n");
    m.refresh();
    EXPECT_TRUE(lastRow(m).endsWith("05VN1.07\\r\\n"));
}

TEST_F(TrafficMonitorTest, SavedFileHasTheLogFormatOfTheFilteredLines) {
    QTemporaryDir dir;
    TrafficMonitor m(*c, log);
    add(TrafficDirection::Sent, "05RVN\r\n");
    add(TrafficDirection::Dropped, "06VN9.99\r\n", 6);
    add(TrafficDirection::Received, "05VN1.05\r\n");
    const std::string all = dir.filePath("all.txt").toStdString();
    ASSERT_TRUE(m.saveTo(all));
    std::ifstream in(all, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    // Two addresses of the bus: every line names its device.
    auto named = [&](std::size_t i) { return logLine(log.at(i), trafficDevice(log.at(i))) + "\n"; };
    EXPECT_EQ(text.str(), named(0) + named(1) + named(2));
    EXPECT_NE(text.str().find(" ttyUSB0_06 x 06VN9.99\\r\\n\n"), std::string::npos);

    m.filter()->setText("VN9.99");  // not a number the clock column could hold
    const std::string some = dir.filePath("some.txt").toStdString();
    ASSERT_TRUE(m.saveTo(some));
    std::ifstream in2(some, std::ios::binary);
    std::stringstream text2;
    text2 << in2.rdbuf();
    EXPECT_EQ(text2.str(), logLine(log.at(1)) + "\n");

    EXPECT_FALSE(m.saveTo(dir.filePath("no/such/folder/x.txt").toStdString()));
    EXPECT_EQ(notes.notices.size(), 1u);
}

// Rows and the saved file are plain ASCII that reads one way, the file names
// the device of every line once there are several, and the filter matches
// the row as shown.
TEST_F(TrafficMonitorTest, EveryFactKeptAndShownOneWay) {
    QTemporaryDir dir;
    TrafficMonitor m(*c, log);
    add(TrafficDirection::Received, "05T\xE9\\r\r\n");
    log.add({TrafficDirection::Event, kLeft, "ｽﾛｯﾄ2 127.0.0.1:4711", -1});
    log.add({TrafficDirection::Sent, "RVN\r\n", "ｽﾛｯﾄ3 127.0.0.1:4712", -1});
    m.refresh();
    ASSERT_EQ(m.rows(), 3);
    EXPECT_TRUE(m.row(0).endsWith(QStringLiteral("05T\\xE9\\\\r\\r\\n"))) << m.row(0).toStdString();
    EXPECT_TRUE(m.row(1).contains(QStringLiteral("127.0.0.1:4711")));

    const std::string path = dir.filePath("all.txt").toStdString();
    ASSERT_TRUE(m.saveTo(path));
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    for (const char ch : text.str()) EXPECT_TRUE(ch == '\n' || (ch >= 0x20 && ch < 0x7F)) << int(ch);
    EXPECT_NE(text.str().find(" ttyUSB0_05 < 05T\\xE9\\\\r\\r\\n\n"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find(" 127.0.0.1_4712 > RVN\\r\\n\n"), std::string::npos);
    EXPECT_NE(text.str().find(" 127.0.0.1_4711 ! connection closed\n"), std::string::npos) << text.str();

    // Shown in English, the slot is "Slot": the filter finds what is on screen,
    // not the Japanese underneath, and the count says "line" for one.
    installUiLanguage(UiLanguage::English);
    const auto counts = [&m] { return m.findChild<QLabel*>(QStringLiteral("counts"))->text(); };
    m.filter()->setText(QStringLiteral("Slot 3 127.0.0.1:4712"));
    EXPECT_EQ(m.rows(), 1);
    EXPECT_TRUE(counts().startsWith(QStringLiteral("Showing 1 line / "))) << counts().toStdString();
    m.filter()->setText(QStringLiteral("Slot"));
    EXPECT_EQ(m.rows(), 2);
    EXPECT_TRUE(counts().startsWith(QStringLiteral("Showing 2 lines / "))) << counts().toStdString();
    m.filter()->setText(QStringLiteral("ｽﾛｯﾄ"));
    EXPECT_EQ(m.rows(), 0);
    // A device path is the operator's: shown byte for byte in English too.
    const QString device = QStringLiteral("COM1 /home/op/新しい 設定/vrq");
    TrafficEntry sent{{}, TrafficDirection::Sent, "RVN\r\n", device.toStdString(), -1, DropReason::None};
    const QString shown = TrafficMonitor::rowText(sent);
    installUiLanguage(UiLanguage::Japanese);
    EXPECT_TRUE(shown.contains(device)) << shown.toStdString();
}

}  // namespace
}  // namespace vrq
