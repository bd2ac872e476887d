// Pictures of both programs and their menus in English, beside the Japanese
// ones, to look at and for the documentation; runs only when
// VRQ_SCREENSHOT_DIR names a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "dialogs/clock_source.h"
#include "dialogs/page_setting_dialogs.h"
#include "link/ui_language.h"
#include "model/reset_settings.h"
#include "shell/main_window.h"
#include "variants/variant.h"

namespace vrq {
namespace {

QString shotPath(const QString& file) { return QDir(qEnvironmentVariable("VRQ_SCREENSHOT_DIR")).filePath(file); }

void shoot(QWidget& w, const char* file) {
    w.show();
    QTest::qWait(300);
    EXPECT_TRUE(w.grab().save(shotPath(file)));
    w.hide();
}

// The window with each of its menus opened under its title, one picture a menu.
void shootMenus(MainWindow& w, const QString& prefix) {
    w.show();
    QTest::qWait(300);
    int i = 0;
    for (QAction* top : w.menuBar()->actions()) {
        QMenu* menu = top->menu();
        menu->popup(w.mapToGlobal(w.menuBar()->actionGeometry(top).bottomLeft() + w.menuBar()->pos()));
        QTest::qWait(300);
        EXPECT_TRUE(menu->grab().save(shotPath(QString("%1_menu%2.png").arg(prefix).arg(++i))));
        menu->hide();
    }
    w.hide();
}

TEST(Screenshots, BothProgramsInEnglish) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    ClockSource clock;
    for (UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
        installUiLanguage(language);
        const QString suffix = language == UiLanguage::English ? "_en" : "_ja";
        for (Product p : {Product::Multi, Product::Single}) {
            auto c = makeConsole(p);
            MainWindow w(*c, variantFor(p), clock);
            w.setDocumentName("/home/operator/titles.dat");
            const QString name = p == Product::Single ? "vrq700s" : "vrq700";
            shoot(w, qPrintable("main_window_" + name + suffix + ".png"));
            shootMenus(w, name + suffix);
        }
    }
    installUiLanguage(UiLanguage::English);
    auto c = makeConsole(Product::Multi);
    c->settings.scheduleMinute[0][7] = 30;
    c->settings.schedulePage[0][7] = 11;
    {
        ScheduleDialog d(*c, nullptr);
        shoot(d, "schedule_dialog_en.png");
    }
    installUiLanguage(UiLanguage::Japanese);
}

}  // namespace
}  // namespace vrq
