// A document with values no dialog could set: once opened, the screens show
// what the send buttons send, and the operator is told which kinds changed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "dialogs/line_setting_dialogs.h"
#include "dialogs/page_setting_dialogs.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "model/value_ranges.h"
#include "protocol/notifier.h"
#include "protocol/transport.h"
#include "shell/document_commands.h"

namespace vrq {
namespace {

struct OneFile : FileChooser {
    std::string path;
    std::string chooseOpenFile() override { return path; }
    std::string chooseSaveFile() override { return {}; }
};

struct Wire : Transport {
    void writeLine(std::string_view bytes) override { lines.emplace_back(bytes); }
    std::vector<std::string> lines;
};

TEST(DamagedDocumentTest, PreviewsAndListsShowWhatGoesOnTheWire) {
    QTemporaryDir dir;
    OneFile chooser;
    chooser.path = dir.filePath("damaged.dat").toStdString();
    {
        auto damaged = makeConsole(Product::Multi);
        damaged->settings.lineSpacing[0][0] = 99;
        damaged->settings.pageCharWhiteLevel[0] = 7;
        damaged->settings.lineCharColour[0][0] = 12;
        damaged->settings.scheduleHour[0][0] = 30;
        damaged->settings.scheduleMinute[0][0] = 75;
        damaged->settings.schedulePage[0][0] = 4;
        ASSERT_TRUE(SettingsFile::save(*damaged, chooser.path));
    }
    auto c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    Wire wire;
    c->notifier = &notes;
    c->serialTransport = &wire;
    DocumentCommands docs(*c, chooser, {});
    docs.openDocument();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, correctedValuesText({ValueKind::Spacing, ValueKind::Colour, ValueKind::CharLevel,
                                                          ValueKind::Schedule}).japanese());

    auto sendLine = [&](QWidget& d) {
        wire.lines.clear();
        d.findChild<QPushButton*>("lineSendButton")->click();
        return wire.lines.size() == 1 ? wire.lines[0] : std::string("<nothing>");
    };
    {
        LineSpacingDialog d(*c, nullptr);
        EXPECT_EQ(d.previewTexts()[1], "Line01 = 63");
        EXPECT_EQ(d.findChild<QComboBox*>("valueCombo")->currentText(), "63");
        EXPECT_EQ(sendLine(d), "IDLS001L0163\r\n");
    }
    {
        ColourDialog d(*c, nullptr);
        EXPECT_TRUE(d.previewTexts()[1].startsWith(QString::fromUtf8("Line01 = ブランク")));
        EXPECT_EQ(d.findChild<QComboBox*>("charColourCombo")->currentText(), QString::fromUtf8("ブランク"));
        EXPECT_EQ(sendLine(d), "CABC001L0180\r\n");
    }
    {
        CharLevelDialog d(*c, nullptr);
        EXPECT_TRUE(d.previewTexts()[0].endsWith(" = 4  2"));
        EXPECT_EQ(d.findChild<QComboBox*>("whiteCombo")->currentText(), "4");
    }
    {
        ScheduleDialog d(*c, nullptr);
        EXPECT_TRUE(d.previewTexts()[0].startsWith("01 = 23:59 "));
        EXPECT_EQ(d.findChild<QComboBox*>("hourCombo")->currentText(), "23");
        EXPECT_EQ(d.findChild<QComboBox*>("minuteCombo")->currentText(), "59");
    }
}

// Titles typed before the editor refused what the device does not take: the
// document opens, with one notice naming the first few by page and line.
TEST(DamagedDocumentTest, TitlesTheDeviceDoesNotTakeAreNamedOnOpening) {
    QTemporaryDir dir;
    OneFile chooser;
    chooser.path = dir.filePath("titles.dat").toStdString();
    auto open = [&chooser](const Console& written, Product p) {
        EXPECT_TRUE(SettingsFile::save(written, chooser.path));
        auto c = makeConsole(p);
        RecordingNotifier notes;
        c->notifier = &notes;
        DocumentCommands docs(*c, chooser, {});
        docs.openDocument();
        EXPECT_EQ(c->app.currentFileName, chooser.path);
        std::vector<std::string> texts;
        for (const auto& n : notes.notices) texts.push_back(n.text);
        return texts;
    };

    auto multi = makeConsole(Product::Multi);
    setCell(multi->settings.titleText[3][5], "\x82\xA0\xEF\xFC");  // あ, then row 94's last cell
    setCell(multi->settings.titleText[7][1], "\x82\xA0" "A");
    for (int page = 10; page < 15; ++page) setCell(multi->settings.titleText[page][0], "\xEF\x9E");
    setCell(multi->settings.titleText[20][0], "\x82\xA0\xEE\xFC");  // row 92 is taken
    EXPECT_EQ(open(*multi, Product::Multi),
              std::vector<std::string>{"7か所のタイトルに、機器が受け付けない文字があります。タイトルの設定で直してください。\n"
                                       "ページ 004 ライン 06：JIS 7E7E\n"
                                       "ページ 008 ライン 02：JISコードのない文字（41）\n"
                                       "ページ 011 ライン 01：JIS 7D7E\n"
                                       "ページ 012 ライン 01：JIS 7D7E\n"
                                       "ページ 013 ライン 01：JIS 7D7E\n"
                                       "ほか2か所"});

    auto single = makeConsole(Product::Single);
    setCell(single->settings.singleTitleText[10], "\xEF\x9F");
    single->settings.pageDisplayPosition[10] = 2;
    EXPECT_EQ(open(*single, Product::Single),
              (std::vector<std::string>{correctedValuesText({ValueKind::DisplayPosition}).japanese(),
                                        "1か所のタイトルに、機器が受け付けない文字があります。タイトルの設定で直してください。\n"
                                        "ページ 011：JIS 7E21"}));
}

}  // namespace
}  // namespace vrq
