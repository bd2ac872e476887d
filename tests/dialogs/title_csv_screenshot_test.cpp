// Pictures of a spreadsheet import for the documentation: the summary and a
// refused file's list. Runs only when VRQ_SCREENSHOT_DIR names a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include <QMenu>
#include <QMenuBar>

#include "dialogs/clock_source.h"
#include "dialogs/title_csv_dialog.h"
#include "link/title_char_codec.h"
#include "protocol/notifier.h"
#include "shell/main_window.h"
#include "shell/notice_box.h"
#include "shell/title_csv_commands.h"

namespace vrq {
namespace {

void shootCsv(QWidget& w, const char* file) {
    w.show();
    QTest::qWait(300);
    EXPECT_TRUE(w.grab().save(QDir(qEnvironmentVariable("VRQ_SCREENSHOT_DIR")).filePath(file)));
    w.hide();
}

struct OneFile : TitleCsvUi {
    std::string path;
    std::string chooseCsvToRead() override { return path; }
    std::string chooseCsvToWrite() override { return path; }
    void showProblems(const std::vector<CsvProblem>&, Product, const std::string&) override {}
};

TEST(Screenshots, TitleCsvSummaryAndRefusedRows) {
    if (qEnvironmentVariableIsEmpty("VRQ_SCREENSHOT_DIR")) GTEST_SKIP() << "VRQ_SCREENSHOT_DIR not set";
    QTemporaryDir dir;
    OneFile ui;
    ui.path = dir.filePath("programme.csv").toStdString();
    std::ofstream(ui.path, std::ios::binary) << "page,line,title\r\n1,1,本日の番組\r\n1,2,\"9:00 ﾆｭｰｽ, 天気\"\r\n"
                                                "1,3,10:30 ドラマ「海」\r\n2,1,\r\n";
    auto c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    c->notifier = &notes;
    TitleCsvCommands commands(*c, ui);
    ASSERT_TRUE(commands.importTitles());
    auto box = makeNoticeBox("Success", QString::fromStdString(notes.notices.back().text), QMessageBox::NoIcon);
    shootCsv(*box, "title_csv_summary.png");

    const std::string bad = "page,line,title\r\n0,1,本日の番組\r\n1,11,ニュース\r\n1,3,ドラマ☃\r\n"
                            "1,4,１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０\r\n1,5,a,b\r\n";
    const TitleCsvImport refused = readTitlesCsv(bad, Product::Multi, titleCharCodec());
    TitleCsvProblemsDialog d(refused.problems, Product::Multi, "/home/op/番組表.csv");
    shootCsv(d, "title_csv_refused.png");

    struct Clock : ClockSource {
        QDateTime now() const override { return QDateTime(QDate(2026, 12, 9), QTime(9, 0)); }
    } clock;
    MainWindow w(*c, variantFor(Product::Multi), clock);
    w.show();
    QMenu* fileMenu = w.menuBar()->actions().front()->menu();
    fileMenu->popup(w.mapToGlobal(QPoint(0, 0)));
    shootCsv(*fileMenu, "title_csv_menu.png");
}

}  // namespace
}  // namespace vrq
