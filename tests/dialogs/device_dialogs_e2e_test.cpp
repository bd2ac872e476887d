// The device-wide dialogs against the simulated device over a pseudo-terminal.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/alarm_dialog.h"
#include "dialogs/date_time_dialog.h"
#include "dialogs/other_dialog.h"
#include "dialogs/protocol_dialog.h"
#include "dialogs/remote_dialog.h"
#include "link/serial_link.h"
#include "model/reset_settings.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

class DeviceDialogsOnSim : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(sim.ptyPath().empty()) << sim.firstLine();
        c->notifier = &notes;
        c->app.comDevicePath[0] = sim.ptyPath();
        link = std::make_unique<SerialLink>(*c);
        ASSERT_TRUE(link->open());
    }

    // Presses every "設定" of `d` in turn, each after the previous answer came.
    int pressEverySendButton(QWidget& d) {
        int pressed = 0;
        for (QPushButton* b : d.findChildren<QPushButton*>()) {
            const QString name = b->objectName();
            if (!name.endsWith("Button") || name == "closeButton" || name == "readButton") continue;
            const std::size_t before = notes.notices.size();
            b->click();
            if (notes.notices.size() > before) continue;  // refused before sending (hold time)
            ++pressed;
            EXPECT_TRUE(QTest::qWaitFor([&] { return !c->reply.replyExpected; }, 3000)) << name.toStdString();
            for (const auto& n : notes.notices) EXPECT_NE(n.title, "Error") << name.toStdString() << ": " << n.text;
        }
        return pressed;
    }

    void request(const char* line) {
        sendCommand(*c, CommandLine(line));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !c->reply.replyExpected; }, 3000)) << line;
    }

    test::SimProcess sim{std::vector<std::string>{}};
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    std::unique_ptr<SerialLink> link;
};

TEST_F(DeviceDialogsOnSim, EveryCommandIsUnderstood) {
    DateTimeDialog dt(*c, nullptr);
    EXPECT_EQ(pressEverySendButton(dt), 10);
    AlarmDialog alarm(*c, nullptr);
    alarm.findChild<QComboBox*>("connector2Combo")->setCurrentIndex(4);
    EXPECT_EQ(pressEverySendButton(alarm), 6);
    RemoteDialog remote(*c, nullptr);
    remote.findChild<QComboBox*>("modeCombo")->setCurrentIndex(1);
    EXPECT_EQ(pressEverySendButton(remote), 2);
    OtherDialog other(*c, nullptr);
    other.findChild<QComboBox*>("powerOnCombo")->setCurrentIndex(512);
    EXPECT_EQ(pressEverySendButton(other), 4);

    // What the device now holds comes back into a fresh model.
    resetSettings(*c);
    request("RACA");
    request("RRM");
    request("RPOSP");
    EXPECT_EQ(c->settings.connectorAssign[1], 4);
    EXPECT_EQ(c->settings.remoteMode, 1);
    EXPECT_EQ(c->settings.powerOnPage, kPowerOnPas);
}

TEST_F(DeviceDialogsOnSim, NetworkSettingsReadBack) {
    ProtocolDialog d(*c, nullptr);
    d.findChild<QLineEdit*>("ipEdit")->setText("10.0.0.5");
    d.findChild<QLineEdit*>("portEdit")->setText("10001");
    d.findChild<QComboBox*>("timeRegisterCombo")->setCurrentIndex(2);
    EXPECT_EQ(pressEverySendButton(d), 8);

    resetSettings(*c);
    d.refill();
    d.findChild<QPushButton*>("readButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !c->reply.runActive; }, 5000));
    EXPECT_EQ(d.findChild<QLineEdit*>("ipEdit")->text(), "010.000.000.005");
    EXPECT_EQ(d.findChild<QLineEdit*>("portEdit")->text(), "10001");
    EXPECT_EQ(d.findChild<QComboBox*>("timeRegisterCombo")->currentText(), "30");
    EXPECT_EQ(d.findChild<QLineEdit*>("macText")->text().size(), 17);
    EXPECT_FALSE(d.findChild<QLineEdit*>("versionText")->text().isEmpty());
    EXPECT_TRUE(d.findChild<QPushButton*>("closeButton")->isEnabled());
}

}  // namespace
}  // namespace vrq
