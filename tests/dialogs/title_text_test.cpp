// Titles through the editor: cells the code page cannot show, the forms input
// methods type, and bytes that must reach the device as they were loaded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/title_editor.h"
#include "link/ui_language.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/title_chars.h"
#include "protocol/transport.h"

namespace vrq {
namespace {

struct Wire : Transport {
    void writeLine(std::string_view bytes) override { lines.emplace_back(bytes); }
    std::vector<std::string> lines;
};

class TitleText : public ::testing::Test {
protected:
    void SetUp() override {
        c->serialTransport = &wire;
        c->notifier = &notes;
    }
    static void commit(QWidget* w, const QString& text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(w, &e);
    }
    std::string line0() const { return std::string(cellText(c->settings.titleText[0][0])); }
    // The hex digits of line 1 as "ライン設定" sends them, filler left out.
    std::string sentLine(TitleEditor& d) {
        wire.lines.clear();
        d.findChild<QPushButton*>("lineSendButton")->click();
        if (wire.lines.size() != 1) return "<nothing sent>";
        std::string hex = wire.lines[0].substr(8, 112);
        while (hex.size() >= 4 && hex.substr(hex.size() - 4) == "2121") hex.resize(hex.size() - 4);
        return hex;
    }

    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    Wire wire;
    RecordingNotifier notes;
};

TEST_F(TitleText, RowNinetyThreeSurvivesEditingAndUntouchedCellsGoOutAsLoaded) {
    // あ, row 93 (0xEF40), い, and ≒ in its NEC row-13 form (0x8790, JIS 2D70;
    // the same character in row 2 would be JIS 2262).
    const std::string loaded = "\x82\xA0\xEF\x40\x82\xA2\x87\x90";
    setCell(c->settings.titleText[0][0], loaded);
    TitleEditor d(*c, nullptr);
    auto* edit = d.findChild<QLineEdit*>("titleEdit");
    const char32_t placeholder = 0xF7D21;
    EXPECT_EQ(edit->text(), QString::fromUtf8("あ") + QString::fromUcs4(&placeholder, 1) + QString::fromUtf8("い≒"));
    EXPECT_TRUE(d.previewTexts()[1].startsWith(QString::fromUtf8("Line01 = あ〓い≒")));
    EXPECT_EQ(sentLine(d), "24227D2124242D70");

    edit->end(false);
    commit(edit, QString::fromUtf8("う"));
    EXPECT_EQ(line0(), loaded + "\x82\xA4");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(line0(), loaded);
    edit->home(false);
    QTest::keyClick(edit, Qt::Key_Delete);  // あ goes, the rest stays byte for byte
    EXPECT_EQ(line0(), "\xEF\x40\x82\xA2\x87\x90");
    EXPECT_EQ(sentLine(d), "7D2124242D70");
    QTest::keyClick(edit, Qt::Key_Delete);  // the placeholder goes whole
    EXPECT_EQ(line0(), "\x82\xA2\x87\x90");
    EXPECT_TRUE(notes.notices.empty());
}

TEST_F(TitleText, RowsNinetyThreeAndFourAreRefusedAtEntryByTheirCode) {
    TitleEditor d(*c, nullptr);
    auto* edit = d.findChild<QLineEdit*>("titleEdit");
    auto* reason = d.findChild<QLabel*>("reasonLabel");
    commit(edit, QString::fromUtf8("あ"));
    for (const char32_t jis : {0x7D21, 0x7D7E, 0x7E21, 0x7E7E}) {
        const char32_t placeholder = kTitlePlaceholderBase + jis;
        commit(edit, QString::fromUcs4(&placeholder, 1) + QString::fromUtf8("い"));
        EXPECT_TRUE(reason->text().contains(QStringLiteral("JIS %1").arg(static_cast<int>(jis), 0, 16).toUpper()))
            << reason->text().toStdString();
        EXPECT_EQ(edit->text(), QString::fromUtf8("あい"));  // the rest of the insertion is taken
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    // The last cell the device keeps, and a gap of row 2, are taken.
    for (const char32_t jis : {0x7C7E, 0x222F}) {
        const char32_t placeholder = kTitlePlaceholderBase + jis;
        commit(edit, QString::fromUcs4(&placeholder, 1));
        EXPECT_TRUE(reason->text().isEmpty());
    }
    EXPECT_EQ(line0(), "\x82\xA0\xEE\xFC\x81\xAD");
    EXPECT_EQ(sentLine(d), "24227C7E222F");
    // Typed over a selection, a refused character leaves the selected text.
    edit->selectAll();
    const char32_t row94 = kTitlePlaceholderBase + 0x7E7E;
    commit(edit, QString::fromUcs4(&row94, 1));
    EXPECT_EQ(line0(), "\x82\xA0\xEE\xFC\x81\xAD");
    EXPECT_FALSE(reason->text().isEmpty());
}

TEST_F(TitleText, TheDeletedOneOfTwoLookalikesIsTheOneThatGoes) {
    setCell(c->settings.titleText[0][0], "\x87\x90\x81\xE0");  // ≒ twice: NEC row 13, then row 2
    TitleEditor d(*c, nullptr);
    auto* edit = d.findChild<QLineEdit*>("titleEdit");
    edit->home(false);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(line0(), "\x81\xE0");
    commit(edit, QString::fromUtf8("≒"));  // typed before it
    EXPECT_EQ(line0(), "\x81\xE0\x81\xE0");
}

TEST_F(TitleText, InputMethodFormsAreStoredAsTheCodePageHasThemAndTheReasonClears) {
    TitleEditor d(*c, nullptr);
    auto* edit = d.findChild<QLineEdit*>("titleEdit");
    auto* reason = d.findChild<QLabel*>("reasonLabel");
    commit(edit, QString::fromUtf8("😀"));
    EXPECT_FALSE(reason->text().isEmpty());
    commit(edit, QString::fromUtf8("９時〜１７時−‖¢£¬—"));
    EXPECT_TRUE(reason->text().isEmpty());  // the accepted edit clears the old reason
    EXPECT_EQ(edit->text(), QString::fromUtf8("９時～１７時－∥￠￡￢―"));
    EXPECT_EQ(line0(), "\x82\x58\x8E\x9E\x81\x60\x82\x50\x82\x56\x8E\x9E\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA"
                       "\x81\x5C");
    commit(edit, QString::fromUtf8("😀"));
    EXPECT_FALSE(reason->text().isEmpty());
    d.findChild<QPushButton*>("pageSendButton")->click();
    EXPECT_TRUE(reason->text().isEmpty());  // nor does it outlive the next send
    EXPECT_EQ(wire.lines.size(), 1u);
}

// In English the editor speaks English, and a title that reads like one of
// its own texts ("設定") is still shown byte for byte.
TEST_F(TitleText, EnglishScreenKeepsTheTitleAsItIs) {
    installUiLanguage(UiLanguage::English);
    struct Restore {
        ~Restore() { installUiLanguage(UiLanguage::Japanese); }
    } restore;
    setCell(c->settings.titleText[0][0], "\x90\xDD\x92\xE8");  // 設定
    TitleEditor d(*c, nullptr);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Title Settings"));
    EXPECT_TRUE(d.previewTexts()[1].startsWith(QString::fromUtf8("Line01 = 設定"))) << d.previewTexts()[1].toStdString();
    EXPECT_EQ(d.findChild<QLineEdit*>("titleEdit")->text(), QString::fromUtf8("設定"));
    commit(d.findChild<QLineEdit*>("titleEdit"), QStringLiteral("a"));
    EXPECT_EQ(d.findChild<QLabel*>("reasonLabel")->text(),
              QStringLiteral("\"a\" cannot be used in a title: it is a half-width character. Type it full-width"));
}

}  // namespace
}  // namespace vrq
