#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "protocol/notifier.h"
#include "dialogs/clock_source.h"
#include "link/ui_language.h"
#include "shell/main_window.h"
#include "variants/commands.h"

namespace vrq {
namespace {

struct FixedClock : ClockSource {
    QDateTime at;
    QDateTime now() const override { return at; }
};

class MainWindowTest : public ::testing::TestWithParam<Product> {
protected:
    void SetUp() override {
        c = makeConsole(GetParam());
        c->notifier = &notes;
        clock.at = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
        w = std::make_unique<MainWindow>(*c, variantFor(GetParam()), clock);
    }
    std::unique_ptr<Console> c;
    RecordingNotifier notes;
    FixedClock clock;
    std::unique_ptr<MainWindow> w;
};

TEST_P(MainWindowTest, GreyingFollowsTheLink) {
    auto enabled = [&](int command) { return w->actionFor(command)->isEnabled(); };
    c->app.linkInterface = kLinkTcp;
    w->applyMenuRules();
    EXPECT_FALSE(enabled(cmd::kSerialSettings));
    EXPECT_TRUE(enabled(cmd::kClientServer));
    EXPECT_TRUE(enabled(cmd::kTcpSettings));
    EXPECT_FALSE(enabled(cmd::kSlaveAddress));

    c->app.linkInterface = kLinkSerial;
    c->app.serialMode = kRs485;
    w->applyMenuRules();
    EXPECT_TRUE(enabled(cmd::kSerialSettings));
    EXPECT_FALSE(enabled(cmd::kClientServer));
    EXPECT_FALSE(enabled(cmd::kTcpSettings));
    EXPECT_TRUE(enabled(cmd::kSlaveAddress));

    c->app.serialMode = kRs232c;
    w->applyMenuRules();
    EXPECT_FALSE(enabled(cmd::kSlaveAddress));
    EXPECT_TRUE(enabled(cmd::kProtocol));  // stays enabled; refuses when chosen on TCP/IP
}

TEST_P(MainWindowTest, ToolbarAndMenuReachTheSameCommand) {
    int blink = 0;
    w->setHandler(cmd::kBlink, [&] { ++blink; });
    w->actionFor(cmd::kBlink)->trigger();
    const int tool = GetParam() == Product::Multi ? 505 : 507;
    w->findChild<QAction*>(QString("tool%1").arg(tool))->trigger();
    EXPECT_EQ(blink, 2);
    w->dispatch(99999);  // unknown numbers are ignored
    EXPECT_EQ(blink, 2);
}

TEST_P(MainWindowTest, ProtocolIsRefusedOnTcp) {
    int opened = 0;
    w->setHandler(cmd::kProtocol, [&] { ++opened; });
    c->app.linkInterface = kLinkTcp;
    w->dispatch(cmd::kProtocol);
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "インターフェイスをRS-232Cにしてください。");
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Stop);
    c->app.linkInterface = kLinkSerial;
    w->dispatch(cmd::kProtocol);
    EXPECT_EQ(opened, 1);
}

TEST_P(MainWindowTest, TitleFollowsTheRoleAfterTheClientServerDialog) {
    const std::string name = GetParam() == Product::Multi ? "VRQ-700" : "VRQ-700S";
    EXPECT_EQ(w->windowTitle().toStdString(), name + " Client Program");
    c->app.linkInterface = kLinkTcp;
    w->setHandler(cmd::kClientServer, [&] { c->app.tcpRole = kTcpServer; });
    w->dispatch(cmd::kClientServer);
    EXPECT_EQ(w->windowTitle().toStdString(), name + " Server Program");
    // Back on the serial line the console is no server.
    w->setHandler(cmd::kInterface, [&] { c->app.linkInterface = kLinkSerial; });
    w->dispatch(cmd::kInterface);
    EXPECT_EQ(w->windowTitle().toStdString(), name + " Client Program");
}

TEST_P(MainWindowTest, ExitIsRefusedWhileConnectedAndAllowedAfter) {
    c->app.tcpConnected = true;
    w->show();
    EXPECT_FALSE(w->close());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "TCP/IPを切断してください。");
    EXPECT_TRUE(c->app.appRunning);

    bool asked = false;
    w->setConfirmExit([&] {
        asked = true;
        return false;  // the save failed: stay open
    });
    c->app.tcpConnected = false;
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(asked);

    w->setConfirmExit([] { return true; });
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(c->app.appRunning);
    EXPECT_FALSE(w->mainTimer().isActive());
}

TEST_P(MainWindowTest, TimerRunsTheReplyStepThenTheClock) {
    EXPECT_EQ(w->mainTimer().interval(), GetParam() == Product::Multi ? 150 : 200);
    std::vector<std::string> order;
    w->setTickHook([&] { order.push_back("step:" + w->timeText().toStdString()); });
    clock.at = QDateTime(QDate(2026, 1, 2), QTime(23, 59, 0));
    w->tick();
    ASSERT_EQ(order.size(), 1u);
    EXPECT_EQ(order[0], "step:09：05：07");  // the clock updates after the step
    EXPECT_EQ(w->timeText().toStdString(), "23：59：00");
    EXPECT_EQ(w->dateText().toStdString(), "2026年 1月 2日  金曜日");
}

TEST_P(MainWindowTest, TooltipsComeFromTheTable) {
    const Variant& v = variantFor(GetParam());
    EXPECT_STREQ(tooltipFor(v, 501).source, "日付，時刻の設定");
    EXPECT_EQ(tooltipFor(v, 500 + static_cast<int>(v.toolbar.size()) + 1).source, nullptr);
    auto* tool = w->findChild<QAction*>("tool502");
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->toolTip().toStdString(), "タイトルの設定");
}

// In English a tooltip names its setting as the menu does (an ampersand is
// doubled only in menus); the window titles read the same in both languages.
TEST_P(MainWindowTest, EnglishTooltipsAreTheMenuNamesAndTitlesStay) {
    installUiLanguage(UiLanguage::English);
    const std::string name = GetParam() == Product::Multi ? "VRQ-700" : "VRQ-700S";
    c->app.linkInterface = kLinkTcp;
    c->app.tcpRole = kTcpServer;
    MainWindow english(*c, variantFor(GetParam()), clock);
    installUiLanguage(UiLanguage::Japanese);
    EXPECT_EQ(english.windowTitle().toStdString(), name + " Server Program");
    w->updateTitle();
    EXPECT_EQ(w->windowTitle().toStdString(), name + " Server Program");
    for (const ToolButton& b : variantFor(GetParam()).toolbar) {
        auto* tool = english.findChild<QAction*>(QString("tool%1").arg(b.id));
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->toolTip(), english.actionFor(b.command)->text().replace("&&", "&")) << b.id;
    }
    EXPECT_EQ(english.actionFor(cmd::kColour)->text(), "Character && Edge Colour");
    EXPECT_EQ(english.findChild<QAction*>("tool501")->toolTip(), "Date and Time");
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, MainWindowTest, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return info.param == Product::Multi ? "Multi" : "Single"; });

}  // namespace
}  // namespace vrq
