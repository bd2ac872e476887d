// "変更分の送信": the base kept per device, in memory and in the data folder,
// dropped after a send that failed, and the read-back against vrqsim.

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/bulk_run_dialogs.h"
#include "dialogs/send_changes_dialog.h"
#include "link/serial_link.h"
#include "link/ui_language.h"
#include "model/send_bases.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "protocol/bulk_runs.h"
#include "protocol/notifier.h"
#include "support/recording_transport.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

void runToTheEnd(SettingDialog& d, Console& c) {
    while (c.reply.runActive) d.tickRun();
}

class SendChangesDialogTest : public ::testing::TestWithParam<Product> {
protected:
    void SetUp() override {
        c = makeConsole(GetParam());
        c->serialTransport = &wire;
        wire.answerTo = c.get();
        c->notifier = &notes;
        c->app.serialMode = kRs485;
        c->app.slaveAddressIndex = 5;
    }
    void editTitle(int page) {
        if (c->single())
            setCell(c->settings.singleTitleText[page], "\x82\xa0");
        else
            setCell(c->settings.titleText[page][3], "\x82\xa0");
    }
    QTemporaryDir dir;
    std::unique_ptr<Console> c;
    RecordingTransport wire;
    RecordingNotifier notes;
};

TEST_P(SendChangesDialogTest, TheBaseIsKeptPerDeviceDroppedAfterAFailedSendAndOutlivesTheProgram) {
    const std::string folder = dir.path().toStdString();
    const std::string target = "serial:/dev/ttyS0:05";
    SendBases bases(folder, c->product);
    {
        SendChangesDialog d(*c, bases);
        EXPECT_FALSE(d.hasBase());
        EXPECT_FALSE(d.startButton()->isEnabled());
        EXPECT_TRUE(d.changesLabel()->text().contains("基準にする設定ファイルを選ぶか")) << d.changesLabel()->text().toStdString();
        d.sendAllButton()->click();
        runToTheEnd(d, *c);
    }
    ASSERT_EQ(wire.lines.size(), static_cast<std::size_t>(sendAllStepCount(c->product)));
    ASSERT_TRUE(bases.find(target));
    const QString file = QString::fromStdString(bases.pathOf(target));
    EXPECT_EQ(std::filesystem::status(file.toStdString()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_TRUE(SendBases(folder, c->product).find(target));  // a new program run finds it

    editTitle(2);
    wire.lines.clear();
    {
        SendChangesDialog d(*c, bases);
        ASSERT_TRUE(d.hasBase());
        EXPECT_TRUE(d.changesLabel()->text().startsWith("変更 1 件")) << d.changesLabel()->text().toStdString();
        d.slaveAddressCombo()->setCurrentIndex(6);  // another device: nothing known of it
        EXPECT_FALSE(d.hasBase());
        d.slaveAddressCombo()->setCurrentIndex(5);
        d.startButton()->click();
        runToTheEnd(d, *c);
    }
    ASSERT_EQ(wire.lines.size(), c->single() ? 8u : 6u);  // the page's display settings go with its titles
    EXPECT_EQ(wire.lines[0].substr(0, 7), "05CA003");
    {
        SendChangesDialog d(*c, bases);
        EXPECT_TRUE(d.steps().empty());  // the base is what was just sent
        EXPECT_FALSE(d.startButton()->isEnabled());
    }

    // A send that fails midway leaves the device unknown, now and after a restart.
    editTitle(7);
    editTitle(9);
    {
        SendChangesDialog d(*c, bases);
        d.startButton()->click();
        d.tickRun();
        c->reply.replyError = true;
        d.tickRun();
        EXPECT_FALSE(c->reply.runActive);
    }
    EXPECT_FALSE(bases.find(target));
    EXPECT_FALSE(SendBases(folder, c->product).find(target));
    EXPECT_FALSE(QFileInfo::exists(file));
}

// Without a base of its own, a settings document the operator chooses is the base.
TEST_P(SendChangesDialogTest, AChosenDocumentIsTheBase) {
    SendBases bases("", c->product);
    const std::string path = dir.filePath("base.dat").toStdString();
    ASSERT_TRUE(SettingsFile::save(*c, path));
    editTitle(0);
    SendChangesDialog d(*c, bases);
    d.chooseBase = [&] { return path; };
    d.chooseBaseButton()->click();
    ASSERT_TRUE(d.hasBase());
    EXPECT_EQ(d.steps().size(), c->single() ? 8u : 6u);
    d.chooseBase = [] { return std::string("/nonexistent/base.dat"); };
    d.chooseBaseButton()->click();
    EXPECT_EQ(notes.notices.size(), 1u);  // told; the base chosen before stays
    EXPECT_TRUE(d.hasBase());

    // In English, one template per line, its count in the singular.
    installUiLanguage(UiLanguage::English);
    SendChangesDialog e(*c, bases);
    e.chooseBase = [&] { return path; };
    e.chooseBaseButton()->click();
    installUiLanguage(UiLanguage::Japanese);
    EXPECT_TRUE(e.changesLabel()->text().startsWith("The base is the settings file you chose.\n"
                                                    "1 setting changed (steps to send: "))
        << e.changesLabel()->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothModels, SendChangesDialogTest, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return info.param == Product::Multi ? "Multi" : "Single"; });

// The read-back asks only for what was sent and leaves the document as it was.
TEST(SendChangesReadBackTest, ReadsBackWhatWasSentFromTheDevice) {
    test::SimProcess sim({"--single"});
    ASSERT_FALSE(sim.ptyPath().empty()) << sim.firstLine();
    auto c = makeConsole(Product::Single);
    RecordingNotifier notes;
    c->notifier = &notes;
    c->app.comDevicePath[0] = sim.ptyPath();
    c->app.fastRuns = true;
    SerialLink link(*c);
    ASSERT_TRUE(link.open());
    SendBases bases("", Product::Single);
    {
        SendChangesDialog d(*c, bases);
        d.sendAllButton()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !d.runActive(); }, 60000));
    }
    ASSERT_TRUE(bases.find("serial:" + sim.ptyPath()));
    setCell(c->settings.singleTitleText[40], "\x88\x9f\x8a\xbf");
    const std::string document = SettingsFile::serialize(*c);
    notes.notices.clear();
    SendChangesDialog d(*c, bases);
    d.verifyBox()->setChecked(true);
    d.startButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.result() == QDialog::Accepted; }, 30000));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "送信した 8 件を読み戻し、すべて一致しました。");
    EXPECT_TRUE(SettingsFile::serialize(*c) == document);
}

}  // namespace
}  // namespace vrq

namespace vrq {
namespace {

// A picture of the dialog for the documentation; only with VRQ_SCREENSHOT_DIR (under Xvfb).
TEST(SendChangesScreenshot, ChangesListedBeforeTheStart) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    const bool english = qEnvironmentVariable("VRQ_SCREENSHOT_LANG") == QLatin1String("en");
    if (english) installUiLanguage(UiLanguage::English);
    auto c = makeConsole(Product::Multi);
    SendBases bases("", Product::Multi);
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;
    bases.keep(sendTarget(c->app, c->settings), c->settings);
    for (const int page : {2, 99, 400}) setCell(c->settings.titleText[page][1], "\x82\xa9\x82\xab");
    c->settings.alarmMode = 1;
    for (const bool none : {false, true}) {
        if (none) bases.drop(sendTarget(c->app, c->settings));
        SendChangesDialog d(*c, bases);
        d.show();
        QTest::qWait(300);
        const QString dir = qEnvironmentVariable("VRQ_SCREENSHOT_DIR");
        EXPECT_TRUE(d.grab().save(QDir(dir).filePath(none ? "send_changes_none.png" : "send_changes.png")));
    }
    if (english) installUiLanguage(UiLanguage::Japanese);
}

}  // namespace
}  // namespace vrq
