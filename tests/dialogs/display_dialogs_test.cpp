#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "dialogs/line_setting_dialogs.h"
#include "dialogs/page_setting_dialogs.h"
#include "dialogs/title_editor.h"
#include "link/ui_language.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/title_encode.h"
#include "protocol/transport.h"
#include "support/recording_transport.h"

namespace vrq {
namespace {

std::string rep(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

class DisplayDialogs : public ::testing::Test {
protected:
    void SetUp() override { wire(*c); }
    void wire(Console& con) {
        con.serialTransport = &serial;
        con.tcpTransport = &tcp;
        serial.answerTo = tcp.answerTo = &con;
        con.notifier = &notes;
    }
    template <class T>
    T* child(QWidget* w, const char* name) {
        T* found = w->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // As the operator picks an item: selection change, then activation.
    void choose(QWidget* w, const char* name, int index) {
        QComboBox* combo = child<QComboBox>(w, name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Text as an input method commits it.
    static void commit(QWidget* w, const QString& text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(w, &e);
    }
    void click(QWidget* w, const char* name) { child<QPushButton>(w, name)->click(); }

    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    RecordingTransport serial, tcp;
    RecordingNotifier notes;
};

TEST_F(DisplayDialogs, BlinkListsEditTheModelAndThePreview) {
    BlinkDialog d(*c, nullptr);
    EXPECT_EQ(d.windowTitle(), "点滅");
    choose(&d, "pageCombo", 2);
    choose(&d, "lineCombo", 9);
    choose(&d, "valueCombo", 1);
    EXPECT_EQ(c->settings.lineBlink[2][9], 1);
    EXPECT_EQ(d.previewTexts()[0], "Page 003 ");
    EXPECT_EQ(d.previewTexts()[10], "Line10 = ON ");
    EXPECT_EQ(d.previewTexts()[1], "Line01 = OFF");
    click(&d, "lineSendButton");
    ASSERT_EQ(serial.lines.size(), 1u);
    EXPECT_EQ(serial.lines[0], "CBS003L10ON\r\n");

    // "全ページ同設定" sets every line of every page; the value list follows.
    choose(&d, "allPagesCombo", 1);
    EXPECT_EQ(c->dialog.allPagesBlink, 1);
    choose(&d, "pageCombo", 6);
    EXPECT_EQ(child<QComboBox>(&d, "valueCombo")->currentIndex(), 1);
    click(&d, "pageSendButton");
    EXPECT_EQ(serial.lines.back(), "CBS007NNNNNNNNNN\r\n");

    choose(&d, "allLinesCombo", 0);
    EXPECT_EQ(c->settings.lineBlink[6][0], 0);
    EXPECT_EQ(c->settings.lineBlink[5][0], 1);
    EXPECT_EQ(child<QComboBox>(&d, "valueCombo")->currentIndex(), 0);
}

TEST_F(DisplayDialogs, SlaveAddressListFollowsTheLink) {
    c->app.slaveAddressIndex = 5;
    {
        BlinkDialog d(*c, nullptr);
        QComboBox* slave = child<QComboBox>(&d, "slaveAddressCombo");
        EXPECT_FALSE(slave->isEnabled());
        EXPECT_EQ(slave->currentIndex(), -1);
        EXPECT_EQ(slave->count(), 33);
        EXPECT_EQ(slave->itemText(32), "Bloadcast");
    }
    c->app.serialMode = kRs485;
    BlinkDialog d(*c, nullptr);
    QComboBox* slave = child<QComboBox>(&d, "slaveAddressCombo");
    EXPECT_TRUE(slave->isEnabled());
    EXPECT_EQ(slave->currentIndex(), 5);
    click(&d, "lineSendButton");
    EXPECT_EQ(serial.lines.back(), "05CBS001L01OF\r\n");
    slave->setCurrentIndex(32);
    EXPECT_EQ(c->app.slaveAddressIndex, kBroadcastAddress);
    click(&d, "lineSendButton");
    EXPECT_EQ(serial.lines.back(), "FFCBS001L01OF\r\n");
}

TEST_F(DisplayDialogs, CaptionNamesTheSelectedPeer) {
    c->app.linkInterface = kLinkTcp;
    c->app.tcpRole = kTcpServer;
    c->app.selectedSlot = 3;
    c->app.clientSlots[3].addressText = "192.168.0.7";
    EXPECT_EQ(ColourDialog(*c, nullptr).windowTitle(), "文字＆縁取り色の設定 192.168.0.7");
    c->app.tcpRole = kTcpClient;
    c->app.peerIndex = 0;
    c->app.peerAddress[0] = {10, 0, 0, 2};
    c->app.peerListCount = 1;
    EXPECT_EQ(FillDialog(*c, nullptr).windowTitle(), "背景色ベタ塗りの設定 10.0.0.2");
    c->app.peerIndex = 500;  // out of any table: no text, no crash
    EXPECT_EQ(TitleEditor(*c, nullptr).windowTitle(), "タイトルの設定");
}

// In English the texts are the translation's, the peer's name and a title
// stay as they are, and Japanese comes back byte for byte.
TEST_F(DisplayDialogs, EnglishTextsAroundDataKeptAsItIs) {
    struct Japanese {
        ~Japanese() { installUiLanguage(UiLanguage::Japanese); }
    } restore;
    auto labels = [](QWidget& w) {
        QStringList texts;
        for (QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
        return texts;
    };
    c->app.linkInterface = kLinkTcp;
    c->app.tcpRole = kTcpServer;
    c->app.selectedSlot = 1;
    c->app.clientSlots[1].addressText = "設定";  // a name is data, whatever it looks like
    c->settings.lineEdgeColour[0][0] = 8;
    setCell(c->settings.titleText[0][0], "\x90\xDD\x92\xE8\x82\xCC\x95\x5C\x8E\xA6");  // 設定の表示
    installUiLanguage(UiLanguage::English);
    {
        ColourDialog d(*c, nullptr);
        EXPECT_EQ(d.windowTitle(), "Character & Edge Colour Settings 設定");
        EXPECT_TRUE(labels(d).contains("Same edge colour on all pages"));
        EXPECT_TRUE(labels(d).contains("Slave address"));
        EXPECT_EQ(child<QComboBox>(&d, "charColourCombo")->itemText(5), "Magenta");
        EXPECT_EQ(child<QComboBox>(&d, "slaveAddressCombo")->itemText(32), "Broadcast");
        EXPECT_EQ(d.previewTexts()[1], "Line01 = White      Blank       ");
        EXPECT_EQ(child<QPushButton>(&d, "sendAllButton")->text(), "Set All");
        AutoSwitchDialog a(*c, nullptr);
        EXPECT_EQ(a.previewTexts()[0], "P001 = 03 s");
        EXPECT_EQ(TitleEditor(*c, nullptr).previewTexts()[1].left(14), QString::fromUtf8("Line01 = 設定の表示"));
    }
    c->app.linkInterface = kLinkSerial;
    installUiLanguage(UiLanguage::Japanese);
    ColourDialog d(*c, nullptr);
    EXPECT_EQ(d.windowTitle(), "文字色の設定");
    EXPECT_TRUE(labels(d).contains("全ページ同縁取り色"));
    EXPECT_EQ(d.previewTexts()[1], "Line01 = 白　　　　ブランク　");
    EXPECT_EQ(child<QComboBox>(&d, "slaveAddressCombo")->itemText(32), "Bloadcast");
}

TEST_F(DisplayDialogs, ColourListsTouchOnlyTheirOwnField) {
    ColourDialog d(*c, nullptr);
    choose(&d, "pageCombo", 1);
    choose(&d, "lineCombo", 4);
    choose(&d, "edgeColourCombo", 1);
    EXPECT_EQ(c->settings.lineEdgeColour[1][4], 1);
    EXPECT_EQ(c->settings.lineCharColour[1][4], 7);
    EXPECT_EQ(d.previewTexts()[5], "Line05 = 白　　　　赤　　　　");
    choose(&d, "allLinesCharColourCombo", 5);
    EXPECT_EQ(c->settings.lineCharColour[1][0], 5);
    EXPECT_EQ(child<QComboBox>(&d, "charColourCombo")->currentIndex(), 5);
    EXPECT_EQ(c->settings.lineEdgeColour[1][0], 0);
    click(&d, "lineSendButton");
    EXPECT_EQ(serial.lines.back(), "CABC002L0551\r\n");
}

TEST_F(DisplayDialogs, SendAllRunsOverEveryPageWithCloseDisabled) {
    BlinkDialog d(*c, nullptr);
    click(&d, "sendAllButton");
    ASSERT_TRUE(d.runActive());
    EXPECT_FALSE(d.closeButton()->isEnabled());
    d.tickRun();
    EXPECT_EQ(d.percentBox()->text(), "0");
    EXPECT_EQ(d.progressBar()->value(), 1);

    // No second run starts, in this dialog or any other.
    click(&d, "sendAllButton");
    CharSizeDialog other(*c, nullptr);
    click(&other, "sendAllButton");
    EXPECT_FALSE(other.runActive());
    EXPECT_TRUE(c->reply.runActive);
    EXPECT_EQ(c->reply.runStep, 1);

    for (int i = 1; i < 511; ++i) d.tickRun();
    d.tickRun();
    EXPECT_FALSE(d.runActive());
    ASSERT_EQ(serial.lines.size(), 512u);
    EXPECT_EQ(serial.lines.front(), "CBS001FFFFFFFFFF\r\n");
    EXPECT_EQ(serial.lines.back(), "CBS512FFFFFFFFFF\r\n");
    EXPECT_EQ(d.percentBox()->text(), "  ");
    EXPECT_EQ(d.progressBar()->value(), 0);
    EXPECT_TRUE(d.closeButton()->isEnabled());
    EXPECT_FALSE(c->reply.runActive);
}

TEST_F(DisplayDialogs, ErrorReplyEndsTheRunAfterThatTicksPage) {
    LineSpacingDialog d(*c, nullptr);
    click(&d, "sendAllButton");
    d.tickRun();
    c->reply.replyError = true;
    d.tickRun();
    EXPECT_FALSE(d.runActive());
    EXPECT_EQ(serial.lines.size(), 2u);
    EXPECT_FALSE(c->reply.replyError);
    EXPECT_EQ(d.progressBar()->value(), 0);
}

TEST_F(DisplayDialogs, SendAllNeedsAConnectedTcpLink) {
    c->app.linkInterface = kLinkTcp;
    FillDialog d(*c, nullptr);
    click(&d, "sendAllButton");
    EXPECT_FALSE(d.runActive());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Socket が接続されていません");
    EXPECT_FALSE(c->reply.runActive);
}

TEST_F(DisplayDialogs, DialogGoneMidRunReleasesTheCounter) {
    {
        BlinkDialog d(*c, nullptr);
        click(&d, "sendAllButton");
        d.tickRun();
    }
    EXPECT_FALSE(c->reply.runActive);
}

TEST_F(DisplayDialogs, TitleEditorStoresShiftJisAndRefusesWhatItCannotKeep) {
    TitleEditor d(*c, nullptr);
    QLineEdit* edit = child<QLineEdit>(&d, "titleEdit");
    commit(edit, QString::fromUtf8("あい"));
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "\x82\xA0\x82\xA2");
    EXPECT_TRUE(c->app.documentModified);
    EXPECT_EQ(d.previewTexts()[1], QString::fromUtf8("Line01 = あい") + QString(26, QChar(0x3000)));

    // A character without a code page 932 code is not taken; the rest stays,
    // and a keystroke that changed nothing leaves the document unmodified.
    c->app.documentModified = false;
    commit(edit, QString::fromUtf8("😀"));
    EXPECT_EQ(edit->text(), QString::fromUtf8("あい"));
    EXPECT_FALSE(child<QLabel>(&d, "reasonLabel")->text().isEmpty());
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "\x82\xA0\x82\xA2");
    EXPECT_FALSE(c->app.documentModified);

    // Never more than 56 bytes.
    commit(edit, QString(40, QChar(0x3042)));
    EXPECT_EQ(cellText(c->settings.titleText[0][0]).size(), 56u);

    choose(&d, "lineCombo", 1);
    EXPECT_TRUE(edit->text().isEmpty());
    commit(edit, QString::fromUtf8("あ"));
    click(&d, "lineSendButton");
    EXPECT_EQ(serial.lines.back(), "CA001L02" "2422" + rep("2121", 27) + "\r\n");

    // An ASCII letter is refused at entry, named; one a document brought
    // makes the line odd: refused at send with the JIS message.
    commit(edit, QStringLiteral("A"));
    EXPECT_EQ(cellText(c->settings.titleText[0][1]), "\x82\xA0");
    EXPECT_TRUE(child<QLabel>(&d, "reasonLabel")->text().contains(QStringLiteral("「A」")));
    setCell(c->settings.titleText[0][1], "\x82\xA0" "A");
    click(&d, "lineSendButton");
    click(&d, "pageSendButton");
    EXPECT_EQ(serial.lines.size(), 1u);
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[0].text, std::string(kJisRefusedText.source));
    choose(&d, "lineCombo", 0);
    edit->clear();
    commit(edit, QString::fromUtf8("い"));
    click(&d, "lineSendButton");
    EXPECT_EQ(serial.lines.size(), 2u);
}

TEST_F(DisplayDialogs, OverlongTitleFromADamagedDocumentShrinksStepByStep) {
    std::string bytes;
    for (int i = 0; i < 29; ++i) bytes += "\x82\xA0";
    bytes += "a";  // 59 bytes, as much as a document line may bring
    setCell(c->settings.titleText[0][0], bytes);
    TitleEditor d(*c, nullptr);
    QLineEdit* edit = child<QLineEdit>(&d, "titleEdit");
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(cellText(c->settings.titleText[0][0]).size(), 58u);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(cellText(c->settings.titleText[0][0]).size(), 56u);
    commit(edit, QString::fromUtf8("あ"));  // back at the limit: no growth
    EXPECT_EQ(cellText(c->settings.titleText[0][0]).size(), 56u);
}

TEST_F(DisplayDialogs, TitleRunShowsTenthsAndStopsOnClose) {
    TitleEditor d(*c, nullptr);
    click(&d, "sendAllButton");
    EXPECT_TRUE(d.closeButton()->isEnabled());
    d.tickRun();
    EXPECT_EQ(d.percentBox()->text(), " 00.1");
    EXPECT_EQ(serial.lines[0], "CA001" + rep("2121", 280) + "\r\n");
    c->reply.replyError = true;
    d.tickRun();
    EXPECT_FALSE(d.runActive());
    EXPECT_EQ(d.percentBox()->text(), " 00.1");  // an error stop keeps the position
    EXPECT_EQ(d.progressBar()->value(), 1);
    EXPECT_EQ(serial.lines.size(), 1u);

    click(&d, "sendAllButton");
    for (int i = 0; i < 256; ++i) d.tickRun();
    EXPECT_EQ(d.percentBox()->text(), " 50.0");
    d.closeButton()->click();
    EXPECT_FALSE(c->reply.runActive);
    click(&d, "sendAllButton");
    serial.lines.clear();
    d.tickRun();
    EXPECT_EQ(serial.lines[0].substr(0, 5), "CA001");
}

TEST_F(DisplayDialogs, TitleRunEndsAtARefusedPage) {
    setCell(c->settings.titleText[2][4], "AB");
    TitleEditor d(*c, nullptr);
    click(&d, "sendAllButton");
    for (int i = 0; i < 3; ++i) d.tickRun();
    EXPECT_FALSE(d.runActive());
    EXPECT_EQ(serial.lines.size(), 2u);
    EXPECT_EQ(d.percentBox()->text(), "      ");
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, std::string(kJisRefusedText.source));
}

TEST_F(DisplayDialogs, SingleLineTitleNeverKeepsALineBreak) {
    auto s = makeConsole(Product::Single);
    wire(*s);
    TitleEditor d(*s, nullptr);
    EXPECT_EQ(d.findChild<QComboBox*>("lineCombo"), nullptr);
    auto* box = child<QPlainTextEdit>(&d, "titleEdit");
    commit(box, QString::fromUtf8("あ"));
    QTest::keyClick(box, Qt::Key_Return);
    box->insertPlainText(QString::fromUtf8("\nい"));
    EXPECT_EQ(cellText(s->settings.singleTitleText[0]), "\x82\xA0\x82\xA2");
    EXPECT_EQ(box->toPlainText(), QString::fromUtf8("あい"));
    click(&d, "sendAllButton");
    EXPECT_FALSE(d.closeButton()->isEnabled());
    d.tickRun();
    EXPECT_EQ(serial.lines[0], "CA001" "24222424" + rep("2121", 278) + "\r\n");
}

TEST_F(DisplayDialogs, AutoSwitchAllListOpensOnItsDefault) {
    {
        AutoSwitchDialog d(*c, nullptr);
        EXPECT_EQ(child<QComboBox>(&d, "allSecondsCombo")->currentIndex(), 3);
        choose(&d, "allSecondsCombo", 7);
        EXPECT_EQ(c->settings.pageAutoSwitch[300], 7);
        choose(&d, "pageCombo", 32);
        EXPECT_EQ(d.previewTexts()[0], "P033 = 07 秒");
        choose(&d, "secondsCombo", 3);
        EXPECT_EQ(d.previewTexts()[0], "P033 = 03 秒");
    }
    AutoSwitchDialog d(*c, nullptr);
    EXPECT_EQ(child<QComboBox>(&d, "allSecondsCombo")->currentIndex(), 3);
    click(&d, "sendAllButton");
    EXPECT_EQ(serial.lines.back().size(), 1030u);
}

TEST_F(DisplayDialogs, DisplayPageAndCharLevelSendTheirCommands) {
    DisplayPageDialog p(*c, nullptr);
    choose(&p, "pageCombo", 512);
    click(&p, "pageSendButton");
    EXPECT_EQ(serial.lines.back(), "PAS\r\n");
    choose(&p, "onOffCombo", 0);
    click(&p, "onOffSendButton");
    EXPECT_EQ(serial.lines.back(), "IDOF\r\n");

    CharLevelDialog l(*c, nullptr);
    EXPECT_EQ(l.previewTexts()[0], "P001 = 2  2");
    choose(&l, "whiteCombo", 4);
    choose(&l, "blackCombo", 0);
    click(&l, "sendButton");
    EXPECT_EQ(serial.lines.back(), "CL00140\r\n");
    choose(&l, "allBlackCombo", 3);
    EXPECT_EQ(l.previewTexts()[31], "P032 = 2  3");
    EXPECT_EQ(child<QComboBox>(&l, "blackCombo")->currentIndex(), 3);
}

TEST_F(DisplayDialogs, ScheduleDayOffAndItsRun) {
    ScheduleDialog d(*c, nullptr);
    choose(&d, "dayCombo", 0);
    choose(&d, "entryCombo", 2);
    choose(&d, "hourCombo", 7);
    choose(&d, "minuteCombo", 30);
    choose(&d, "pageCombo", 11);
    EXPECT_EQ(d.previewTexts()[2], "03 = 07:30 P012  ");
    choose(&d, "pageCombo", 512);
    EXPECT_EQ(d.previewTexts()[2], "03 = 07:30 PAS  ");

    choose(&d, "dayCombo", 4);
    choose(&d, "pageCombo", 3);
    click(&d, "dayOffButton");
    EXPECT_EQ(child<QComboBox>(&d, "pageCombo")->currentIndex(), 513);
    click(&d, "sendButton");
    EXPECT_EQ(serial.lines.back().substr(0, 11), "SD050000000");

    serial.lines.clear();
    click(&d, "sendAllButton");
    d.tickRun();
    EXPECT_EQ(d.percentBox()->text(), "3");
    for (int i = 0; i < 29; ++i) d.tickRun();
    EXPECT_EQ(d.percentBox()->text(), "93");
    d.tickRun();
    EXPECT_FALSE(d.runActive());
    ASSERT_EQ(serial.lines.size(), 31u);
    EXPECT_EQ(serial.lines.back().substr(0, 4), "SD31");
    EXPECT_EQ(d.percentBox()->text(), "   ");
}

}  // namespace
}  // namespace vrq
