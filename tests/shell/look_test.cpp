// What the operator sees around the settings: a pictogram for every toolbar
// button and its menu entry, the traffic monitor beside the window and back
// where it was left, long titles reachable in the title editor.

#include <QFont>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include "dialogs/clock_source.h"
#include "dialogs/title_editor.h"
#include "dialogs/traffic_monitor.h"
#include "link/shift_jis.h"
#include "model/app_config.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "shell/command_wiring.h"
#include "shell/main_window.h"
#include "shell/monitor_placement.h"
#include "variants/variant.h"

namespace vrq {
namespace {

TEST(Look, EveryToolButtonAndItsMenuEntryShowTheSamePictogram) {
    ClockSource clock;
    for (Product p : {Product::Multi, Product::Single}) {
        auto c = makeConsole(p);
        const Variant& v = variantFor(p);
        MainWindow w(*c, v, clock);
        for (const ToolButton& b : v.toolbar) {
            QAction* tool = w.findChild<QAction*>(QStringLiteral("tool%1").arg(b.id));
            ASSERT_NE(tool, nullptr);
            EXPECT_FALSE(tool->icon().pixmap(16).isNull()) << b.id;
            EXPECT_FALSE(tool->icon().pixmap(32).isNull()) << b.id;
            ASSERT_NE(w.actionFor(b.command), nullptr) << b.command;
            EXPECT_EQ(w.actionFor(b.command)->icon().pixmap(16).toImage(), tool->icon().pixmap(16).toImage());
        }
        EXPECT_FALSE(w.windowIcon().pixmap(32).isNull());
    }
}

TEST(Look, MonitorOpensBesideTheWindowInsideTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(900, 480);
    EXPECT_EQ(monitorBeside(QRect(0, 0, 607, 200), size, screen).topLeft(), QPoint(615, 0));
    // No room on the right: on the left; no room either side: below.
    EXPECT_EQ(monitorBeside(QRect(1200, 100, 607, 200), size, screen).topLeft(), QPoint(292, 100));
    EXPECT_EQ(monitorBeside(QRect(600, 100, 800, 200), size, screen).topLeft(), QPoint(600, 308));
    EXPECT_TRUE(screen.contains(monitorBeside(QRect(1300, 900, 607, 200), size, screen)));
    EXPECT_EQ(savedMonitorGeometry("100,50,800,400", screen), QRect(100, 50, 800, 400));
    for (const char* bad : {"", "1,2,3", "a,b,c,d", "100,50,10,10", "5000,50,800,400", "-900,50,800,400"})
        EXPECT_FALSE(savedMonitorGeometry(bad, screen)) << bad;
}

TEST(Look, MonitorComesBackWhereItWasClosedAndClosesByItsButton) {
    QTemporaryDir dir;
    const std::string ini = dir.filePath("vrq.ini").toStdString();
    ClockSource clock;
    auto c = makeConsole(Product::Multi);
    c->app.configPath = ini;
    MainWindow w(*c, variantFor(Product::Multi), clock);
    w.show();
    {
        ConsoleServices services(*c, w, clock);
        services.showTrafficMonitor();
        TrafficMonitor* m = services.trafficMonitor();
        EXPECT_FALSE(m->geometry().intersects(w.frameGeometry()));
        m->setGeometry(40, 300, 700, 350);
        m->closeButton()->click();
        EXPECT_FALSE(m->isVisible());
    }
    EXPECT_EQ(readAppConfigValue(ini, Product::Multi, kMonitorGeometryKey, "", 64), "40,300,700,350");
    ConsoleServices services(*c, w, clock);
    services.showTrafficMonitor();
    EXPECT_EQ(services.trafficMonitor()->geometry(), QRect(40, 300, 700, 350));
}

TEST(Look, LongTitlesScrollInTheTitleEditorPreview) {
    auto c = makeConsole(Product::Multi);
    setCell(c->settings.titleText[0][3], *toShiftJis(QString(28, QChar(0x8A2D))));  // 設 x 28, a full line
    TitleEditor d(*c, nullptr);
    d.show();
    auto* area = d.findChild<QScrollArea*>(QStringLiteral("previewArea"));
    ASSERT_NE(area, nullptr);
    // A full line in a larger desktop font is wider than the preview.
    QFont large = d.font();
    large.setPixelSize(18);
    d.preview()->setFont(large);
    d.preview()->grab();
    QTest::qWait(20);
    EXPECT_GT(area->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace vrq
