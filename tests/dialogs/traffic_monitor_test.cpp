// The traffic monitor over the record: bounded under a flood, batched,
// filtered, paused, and saved in the `vrqctl --log` format.

#include <QCheckBox>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "dialogs/traffic_monitor.h"
#include "protocol/notifier.h"

namespace vrq {
namespace {

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
    EXPECT_EQ(text.str(), logLine(log.at(0)) + "\n" + logLine(log.at(1)) + "\n" + logLine(log.at(2)) + "\n");
    EXPECT_NE(text.str().find(" x 06VN9.99\\r\\n\n"), std::string::npos);

    m.filter()->setText("06");
    const std::string some = dir.filePath("some.txt").toStdString();
    ASSERT_TRUE(m.saveTo(some));
    std::ifstream in2(some, std::ios::binary);
    std::stringstream text2;
    text2 << in2.rdbuf();
    EXPECT_EQ(text2.str(), logLine(log.at(1)) + "\n");

    EXPECT_FALSE(m.saveTo(dir.filePath("no/such/folder/x.txt").toStdString()));
    EXPECT_EQ(notes.notices.size(), 1u);
}

}  // namespace
}  // namespace vrq
