// Pictures of the display dialogs for the documentation; runs only when
// VRQ_SCREENSHOT_DIR names a folder (under Xvfb with the CJK fonts).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "dialogs/bulk_run_dialogs.h"
#include "dialogs/line_setting_dialogs.h"
#include "dialogs/page_setting_dialogs.h"
#include "dialogs/serial_settings_dialog.h"
#include "dialogs/title_editor.h"
#include "dialogs/traffic_monitor.h"
#include "dialogs/tcp_server_dialog.h"
#include "link/tcp_link.h"
#include "link/ui_language.h"
#include <QTcpSocket>
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "dialogs/shift_jis.h"
#include "protocol/title_chars.h"
#include "protocol/title_encode.h"
#include "link/port_lister.h"
#include "link/serial_link.h"
#include "link/ui_language.h"
#include "support/sim_process.h"
#include "shell/notice_box.h"

namespace vrq {
namespace {

void shoot(QWidget& d, const char* file) {
    d.show();
    QTest::qWait(300);
    const QString dir = qEnvironmentVariable("VRQ_SCREENSHOT_DIR");
    EXPECT_TRUE(d.grab().save(QDir(dir).filePath(file)));
    d.hide();
}

TEST(Screenshots, DisplayDialogs) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    // VRQ_SCREENSHOT_LANG=en pictures the English interface.
    struct Language {
        bool english = qEnvironmentVariable("VRQ_SCREENSHOT_LANG") == QLatin1String("en");
        Language() { if (english) installUiLanguage(UiLanguage::English); }
        ~Language() { if (english) installUiLanguage(UiLanguage::Japanese); }
    } language;
    auto c = makeConsole(Product::Multi);
    c->app.currentPage = 2;
    c->app.currentLine = 1;
    for (int l : {1, 4, 5}) c->settings.lineBlink[2][l] = 1;
    {
        BlinkDialog d(*c, nullptr);
        shoot(d, "blink_dialog.png");
    }
    c->settings.lineCharColour[2][0] = 1;
    c->settings.lineEdgeColour[2][0] = 7;
    c->settings.lineCharColour[2][3] = 5;
    c->settings.lineEdgeColour[2][3] = 8;
    {
        ColourDialog d(*c, nullptr);
        shoot(d, "colour_dialog.png");
    }
    const char* lines[] = {"本日の天気", "東京　晴れ　最高気温２５度", "大阪　くもり時々雨", "ⅰ　ⅱ　ⅲ　①②③"};
    for (int l = 0; l < 4; ++l) setCell(c->settings.titleText[2][l], *toShiftJis(QString::fromUtf8(lines[l])));
    {
        TitleEditor d(*c, nullptr);
        shoot(d, "title_editor.png");
    }
    c->settings.scheduleMinute[0][7] = 30;
    c->settings.schedulePage[0][7] = 11;
    c->settings.schedulePage[0][9] = kSchedulePas;
    c->settings.schedulePage[0][12] = 0;
    {
        ScheduleDialog d(*c, nullptr);
        shoot(d, "schedule_dialog.png");
    }
}

TEST(Screenshots, JisWarningAndARowNinetyThreeTitle) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    {
        auto box = makeNoticeBox("Error", QString::fromUtf8(kJisRefusedText.source), QMessageBox::Warning);
        shoot(*box, "jis_warning.png");
    }
    auto c = makeConsole(Product::Multi);
    // Line 2 holds 0xEF40 (row 93, no Unicode character) between two kanji.
    setCell(c->settings.titleText[0][0], *toShiftJis(QString::fromUtf8("営業時間　９時～１７時")));
    setCell(c->settings.titleText[0][1], "\x93\x8C\xEF\x40\x8B\x9E\x81\x40\x89\x77");
    c->app.currentLine = 1;
    TitleEditor d(*c, nullptr);
    shoot(d, "title_row93.png");
    // Typing a cell of row 94 over the selected title is refused, named by its code.
    QInputMethodEvent typed;
    const char32_t row94 = kTitlePlaceholderBase + 0x7E7E;
    typed.setCommitString(QString::fromUcs4(&row94, 1));
    QApplication::sendEvent(d.findChild<QLineEdit*>("titleEdit"), &typed);
    shoot(d, "title_refused.png");
}

TEST(Screenshots, SerialDialogWithThePortChooser) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    struct Ports : PortLister {
        std::vector<PortEntry> ports() const override {
            return {{"/dev/ttyACM0", "USB CDC シリアル", "Example Devices", "EX0042"},
                    {"/dev/ttyS0", "", "", ""},
                    {"/dev/ttyUSB0", "USB シリアル変換", "Sample Works", "A10K3QZ"}};
        }
    } ports;
    auto c = makeConsole(Product::Multi);
    c->app.comDevicePath[0] = "/dev/ttyUSB0";
    c->app.comDevicePath[1] = "/dev/ttyACM0";
    c->app.comPortIndex = 0;
    SerialSettingsDialog d(*c, nullptr, &ports);
    d.portList()->setCurrentItem(d.portList()->topLevelItem(2));
    d.resize(d.sizeHint().expandedTo(QSize(620, 0)));
    shoot(d, "serial_dialog.png");
}

// A device at a real line's speed and a console whose titles fill a run.
struct SlowDevice {
    test::SimProcess sim{{"--baud", "38400"}};
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    SlowDevice() {
        c->app.comDevicePath[0] = sim.ptyPath();
        c->app.fastRuns = true;
        for (int p = 0; p < kPages; ++p) setCell(c->settings.titleText[static_cast<std::size_t>(p)][0], "\x88\x9f\x88\x9f");
    }
};

TEST(Screenshots, SendAllRunMidway) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    // A real run, pictured a few seconds in.
    SlowDevice dev;
    SerialLink link(*dev.c);
    ASSERT_TRUE(link.open());
    SendAllDialog d(*dev.c, nullptr);
    d.show();
    d.startButton()->click();
    QTest::qWait(8000);
    const QString dir = qEnvironmentVariable("VRQ_SCREENSHOT_DIR");
    EXPECT_TRUE(d.grab().save(QDir(dir).filePath("send_all_running.png")));
    EXPECT_TRUE(d.runActive());
}

TEST(Screenshots, TrafficMonitorDuringSendAll) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    SlowDevice dev;
    TrafficLog log;
    dev.c->traffic = [&](const TrafficEvent& e) { log.add(e); };
    SerialLink link(*dev.c);
    ASSERT_TRUE(link.open());
    TrafficMonitor m(*dev.c, log);
    m.show();
    SendAllDialog d(*dev.c, nullptr);
    d.show();
    d.startButton()->click();
    QTest::qWait(4000);
    const QString dir = qEnvironmentVariable("VRQ_SCREENSHOT_DIR");
    EXPECT_TRUE(m.grab().save(QDir(dir).filePath("traffic_monitor.png")));
    EXPECT_TRUE(d.runActive());
    EXPECT_GT(m.rows(), 10);
}

TEST(Screenshots, PermissionNoticeAndServerDeviceList) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    {
        const QString text =
            render(SerialLink::fileOpenFailureText({"/dev/ttyUSB0", "Permission denied", true, "dialout"}));
        auto box = makeNoticeBox("Error", text, QMessageBox::Critical);
        shoot(*box, "serial_permission_notice.png");
    }
    auto c = makeConsole(Product::Multi);
    c->app.tcpRole = kTcpServer;
    c->app.linkInterface = kLinkTcp;
    setCell(c->settings.netPortNumber, "0");
    TcpLink link(*c);
    ASSERT_TRUE(link.listen(QHostAddress::LocalHost));
    setCell(c->settings.netPortNumber, std::to_string(link.listenPort()));
    std::vector<std::unique_ptr<QTcpSocket>> devices;
    for (int i = 0; i < 4; ++i) {
        devices.push_back(std::make_unique<QTcpSocket>());
        devices.back()->connectToHost(QHostAddress::LocalHost, link.listenPort());
        ASSERT_TRUE(QTest::qWaitFor([&] { return link.connectedClientCount() == i + 1; }, 3000));
    }
    TcpServerDialog d(*c, link);
    d.resize(520, d.sizeHint().height());
    d.chooseRow(2);
    shoot(d, "server_device_list.png");
}

}  // namespace
}  // namespace vrq
