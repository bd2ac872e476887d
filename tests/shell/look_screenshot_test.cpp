// Pictures of the toolbar at two sizes and of the dialogs whose layout was
// mended, in both languages; runs only when VRQ_SCREENSHOT_DIR names a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

#include "dialogs/clock_source.h"
#include "dialogs/protocol_dialog.h"
#include "dialogs/title_editor.h"
#include "dialogs/traffic_monitor.h"
#include "link/shift_jis.h"
#include "link/ui_language.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/traffic_log.h"
#include "shell/main_window.h"
#include "variants/variant.h"

namespace vrq {
namespace {

QString shotPath(const QString& file) { return QDir(qEnvironmentVariable("VRQ_SCREENSHOT_DIR")).filePath(file); }

void shoot(QWidget& w, const QString& file) {
    w.show();
    QTest::qWait(300);
    EXPECT_TRUE(w.grab().save(shotPath(file)));
    w.hide();
}

TEST(LookScreenshots, ToolbarAndMendedDialogsInBothLanguages) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    ClockSource clock;
    for (UiLanguage language : {UiLanguage::Japanese, UiLanguage::English}) {
        installUiLanguage(language);
        const QString lang = language == UiLanguage::English ? "_en" : "_ja";
        for (Product p : {Product::Multi, Product::Single}) {
            auto c = makeConsole(p);
            MainWindow w(*c, variantFor(p), clock);
            auto* bar = w.findChild<QToolBar*>(QStringLiteral("toolbar"));
            ASSERT_NE(bar, nullptr);
            const QString name = p == Product::Single ? "vrq700s" : "vrq700";
            w.show();
            for (int side : {20, 32}) {
                bar->setIconSize(QSize(side + side / 2, side));
                QTest::qWait(200);
                EXPECT_TRUE(bar->grab().save(shotPath(QString("toolbar_%1_%2%3.png").arg(name).arg(side).arg(lang))));
            }
            w.hide();
        }
        auto c = makeConsole(Product::Multi);
        setCell(c->settings.titleText[0][0], *toShiftJis(QString::fromUtf8("本日の番組　設定ファイルの説明会　第一会場　３階大ホール")));
        {
            TitleEditor d(*c, nullptr);
            shoot(d, "title_editor_long" + lang + ".png");
        }
        {
            ProtocolDialog d(*c, nullptr);
            d.findChild<QLineEdit*>(QStringLiteral("ipEdit"))->setText(QString::fromUtf8("１９２．１６８．１００．２００"));
            shoot(d, "protocol_dialog" + lang + ".png");
        }
        {
            TrafficLog log;
            log.add({TrafficDirection::Event, kConnectedEvent.source, "ｽﾛｯﾄ1 192.168.0.7:50123"});
            log.add({TrafficDirection::Sent, "05VN\r\n", "ｽﾛｯﾄ1 192.168.0.7:50123", 5});
            log.add({TrafficDirection::Received, "05VN1.00\r\n", "ｽﾛｯﾄ1 192.168.0.7:50123", 5});
            TrafficMonitor m(*c, log);
            m.refresh();
            shoot(m, "traffic_monitor" + lang + ".png");
        }
    }
    installUiLanguage(UiLanguage::Japanese);
}

}  // namespace
}  // namespace vrq
