// ファイル menu: titles to a spreadsheet and back in both programs; a taken
// import is one change the title editor shows, a refused one changes nothing.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <deque>
#include <fstream>
#include <gtest/gtest.h>

#include "dialogs/title_csv_dialog.h"
#include "dialogs/title_editor.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/title_csv_texts.h"
#include "shell/title_csv_commands.h"
#include "variants/commands.h"
#include "variants/variant.h"

namespace vrq {
namespace {

struct ScriptedCsvUi : TitleCsvUi {
    std::deque<std::string> files;
    std::vector<CsvProblem> problems;
    std::string next() {
        std::string f = files.empty() ? std::string() : files.front();
        if (!files.empty()) files.pop_front();
        return f;
    }
    std::string chooseCsvToRead() override { return next(); }
    std::string chooseCsvToWrite() override { return next(); }
    void showProblems(const std::vector<CsvProblem>& p, Product, const std::string&) override { problems = p; }
};

class TitleCsvCommandsTest : public ::testing::TestWithParam<Product> {
protected:
    void SetUp() override {
        c = makeConsole(GetParam());
        c->notifier = &notes;
        markDocumentClean(*c);
    }
    std::string file(const char* name, const std::string& bytes = {}) {
        const std::string p = dir.filePath(name).toStdString();
        if (!bytes.empty()) std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    bool single() const { return GetParam() == Product::Single; }
    std::unique_ptr<Console> c;
    RecordingNotifier notes;
    ScriptedCsvUi ui;
    QTemporaryDir dir;
};

TEST_P(TitleCsvCommandsTest, MenuEntriesInTheFileMenu) {
    const MenuEntry& fileMenu = variantFor(GetParam()).menuBar.front();
    std::vector<std::string> labels;
    for (const MenuEntry& e : fileMenu.children)
        if (e.command == cmd::kExportTitlesCsv || e.command == cmd::kImportTitlesCsv) labels.push_back(e.label.source);
    EXPECT_EQ(labels, (std::vector<std::string>{"タイトルの書き出し（CSV）…", "タイトルの読み込み（CSV）…"}));
}

TEST_P(TitleCsvCommandsTest, ImportIsOneChangeTheEditorShowsAndARefusalChangesNothing) {
    TitleCsvCommands commands(*c, ui);
    const std::string head = single() ? "page,title\r\n" : "page,line,title\r\n";
    const std::string row = single() ? "1," : "1,1,";
    ui.files = {file("in.csv", "\xEF\xBB\xBF" + head + row + "\"ABC,\xEF\xBD\xB6\xEF\xBE\x9E\"\r\n")};
    ASSERT_TRUE(commands.importTitles());
    EXPECT_TRUE(c->app.documentModified);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "CSVファイルからタイトルを読み込みました。\n変更したタイトル：1件\n"
                                     "全角にした文字：5字\n文字コード：UTF-8（BOM付き）\n" +
                                         dir.filePath("in.csv").toStdString());
    {
        TitleEditor editor(*c, nullptr);
        const QString shown = single() ? editor.findChild<QPlainTextEdit*>("titleEdit")->toPlainText()
                                       : editor.findChild<QLineEdit*>("titleEdit")->text();
        EXPECT_EQ(shown, QString::fromUtf8("ＡＢＣ，ガ"));
    }

    // A refused file: every problem goes to the operator, the document stays as it was.
    markDocumentClean(*c);
    const std::string before = SettingsFile::serialize(*c);
    ui.files = {file("bad.csv", head + (single() ? "0,x\r\n1,\xE2\x98\x83\r\n" : "0,1,x\r\n1,1,\xE2\x98\x83\r\n"))};
    EXPECT_FALSE(commands.importTitles());
    ASSERT_EQ(ui.problems.size(), 2u);
    EXPECT_EQ(csvProblemMessage(ui.problems[0], GetParam()).japanese(), "2行目・1列目：ページ0は1～512の範囲にありません");
    EXPECT_EQ(SettingsFile::serialize(*c), before);
    EXPECT_FALSE(noteDocumentChanges(*c));

    // Too large to be a title list: one clear message, nothing read.
    ui.files = {file("huge.csv", std::string(kTitleCsvSizeCap + 1, 'a'))};
    EXPECT_FALSE(commands.importTitles());
    EXPECT_NE(notes.notices.back().text.find("ファイルが大きすぎるため開けません。"), std::string::npos);

    // Export names the file written; ".csv" is added to a bare name.
    ui.files = {dir.filePath("out").toStdString()};
    ASSERT_TRUE(commands.exportTitles());
    std::string back;
    ASSERT_TRUE(readRegularFile(file("out.csv"), kTitleCsvSizeCap, back));
    EXPECT_NE(back.find(row + "ＡＢＣ，ガ\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, TitleCsvCommandsTest, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return info.param == Product::Multi ? "Multi" : "Single"; });

}  // namespace
}  // namespace vrq
