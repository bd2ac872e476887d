#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QValidator>
#include <memory>

#include "dialogs/serial_settings_dialog.h"
#include "link/port_lister.h"
#include "model/app_config.h"

namespace vrq {
namespace {

class FakePorts : public PortLister {
public:
    std::vector<PortEntry> ports() const override { return list; }
    std::vector<PortEntry> list{{"/dev/ttyS0", "", "", ""},
                                {"/dev/ttyUSB0", "USB シリアル変換", "Example Devices", "A10K3QZ"}};
};

class SerialChooser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        c->app.configPath = (dir.path() + "/vrq700.ini").toStdString();
    }
    std::string ini(const char* key) { return readAppConfigValue(c->app.configPath, c->product, key, "<none>", 100); }

    QTemporaryDir dir;
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    FakePorts fake;
};

#ifndef Q_OS_WIN
TEST_F(SerialChooser, ListsTheSystemPortsAndRefreshShowsNewOnes) {
    SerialSettingsDialog d(*c, nullptr, &fake);
    QTreeWidget* list = d.portList();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    const QTreeWidgetItem* usb = list->topLevelItem(1);
    EXPECT_EQ(usb->text(0), "/dev/ttyUSB0");
    EXPECT_EQ(usb->text(1), "USB シリアル変換");
    EXPECT_EQ(usb->text(2), "Example Devices");
    EXPECT_EQ(usb->text(3), "A10K3QZ");

    fake.list.push_back({"/dev/ttyACM0", "", "", ""});
    EXPECT_EQ(list->topLevelItemCount(), 2);  // only on request
    d.refreshButton()->click();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(2)->text(0), "/dev/ttyACM0");

    fake.list.clear();  // adapter pulled: nothing stale stays
    d.refreshButton()->click();
    EXPECT_EQ(list->topLevelItemCount(), 0);
}

TEST_F(SerialChooser, TheChosenPortIsStoredForTheChosenComEntryAndReadBack) {
    SerialSettingsDialog d(*c, nullptr, &fake);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d.comPathLabel(i)->text(), QString("/dev/ttyS%1").arg(i));
    d.portCombo()->setCurrentIndex(2);
    EXPECT_EQ(d.assignButton()->text(), "COM 3 に割り当て");
    d.portList()->setCurrentItem(d.portList()->topLevelItem(1));
    EXPECT_EQ(d.pathEdit()->text(), "/dev/ttyUSB0");
    d.assignButton()->click();

    EXPECT_EQ(c->app.comDevicePath[2], "/dev/ttyUSB0");
    EXPECT_EQ(ini("com3_device"), "/dev/ttyUSB0");
    EXPECT_EQ(ini("com1_device"), "<none>");  // the others keep their defaults
    EXPECT_EQ(d.devicePathLabel()->text(), "/dev/ttyUSB0");
    EXPECT_EQ(d.comPathLabel(2)->text(), "/dev/ttyUSB0");
    EXPECT_EQ(d.portCombo()->itemData(2, Qt::ToolTipRole).toString(), "/dev/ttyUSB0");

    // A typed path, blanks around it dropped; the ini loads as before.
    d.portCombo()->setCurrentIndex(5);
    d.pathEdit()->setText("  /dev/serial/by-id/usb-x-if00 ");
    QTest::keyClick(d.pathEdit(), Qt::Key_Return);
    EXPECT_EQ(ini("com6_device"), "/dev/serial/by-id/usb-x-if00");
    auto fresh = makeConsole(Product::Multi);
    ASSERT_TRUE(loadAppConfig(*fresh, c->app.configPath));
    EXPECT_EQ(fresh->app.comPortIndex, 5);
    EXPECT_EQ(fresh->app.comDevicePath[2], "/dev/ttyUSB0");
    EXPECT_EQ(fresh->app.comDevicePath[5], "/dev/serial/by-id/usb-x-if00");
    EXPECT_EQ(fresh->app.comDevicePath[0], "/dev/ttyS0");
}

TEST_F(SerialChooser, NoPathOrNoComEntryStoresNothing) {
    c->app.comPortIndex = 9;  // from a hand-edited ini: no entry chosen
    SerialSettingsDialog d(*c, nullptr, &fake);
    d.pathEdit()->setText("/dev/ttyUSB0");
    EXPECT_FALSE(d.assignButton()->isEnabled());
    QTest::keyClick(d.pathEdit(), Qt::Key_Return);
    EXPECT_EQ(ini("com1_device"), "<none>");

    d.portCombo()->setCurrentIndex(0);
    d.pathEdit()->setText("   ");
    EXPECT_FALSE(d.assignButton()->isEnabled());
    QTest::keyClick(d.pathEdit(), Qt::Key_Return);
    EXPECT_EQ(ini("com1_device"), "<none>");
    EXPECT_EQ(c->app.comDevicePath[0], "/dev/ttyS0");

    // A line break would split the ini line: typing one is refused.
    int pos = 0;
    QString withBreak = "/dev/tty\nUSB0";
    EXPECT_EQ(d.pathEdit()->validator()->validate(withBreak, pos), QValidator::Invalid);
}
#endif

}  // namespace
}  // namespace vrq
