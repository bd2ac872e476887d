// Every notice of both programs must be readable whole: the box lays the text
// out beside the icon without eliding or clipping it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "dialogs/tcp_client_dialog.h"
#include "link/tcp_link.h"
#include "model/field_text.h"
#include "model/value_ranges.h"
#include "protocol/device_commands.h"
#include "protocol/reply_dispatch.h"
#include "protocol/send_path.h"
#include "protocol/title_encode.h"
#include "shell/notice_box.h"

namespace vrq {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::vector<QString> noticeTexts() {
    std::vector<QString> texts;
    for (std::string_view s : std::initializer_list<std::string_view>{kJisRefusedText.source, kNotConnectedText.source, kHoldTimeTooShortText.source, kSendFailedText.source,
                               kNoAnswerText.source, kCannotConnectText.source, kCannotBindText.source, kSocketEventErrorText.source,
                               kAddressRefusedText.source, kPortRefusedText.source, kPeerListFullText.source, kGlyphAnswerDamagedText.source})
        texts.push_back(qs(s));
    std::vector<ValueKind> all;
    for (int k = 0; k <= static_cast<int>(ValueKind::Network); ++k) all.push_back(static_cast<ValueKind>(k));
    texts.push_back(qs(correctedValuesText(all).japanese()));
    for (const char* s :
         {"インターフェイスをRS-232Cにしてください。", "TCP/IPを切断してください。", "Success", "No Connect",
          "Socket 接続 OK", "Socket 切断 OK", "Socket ＯＫ", "Socket mode difference", "Mode Difference",
          "Menu Display", "Socket Framing", "Framing Error", "Parity Error", "Socket Over run", "Over Run Error",
          "Socket Command", "Command Error", "Can't file open", "Don't file open", "Miss! File Open",
          "Miss! File Open\n/dev/ttyUSB0: Permission denied", "Miss! Mask Set", "Miss! Buffer Set",
          "Miss! Time Out Set", "Miss! Set Comm State", "２重に起動はできません",
          "データを保存せずに新規作成しますか？", "データを保存せずに別のファイルを開きますか？",
          "データを保存せずに終了しますか？",
          "/home/operator/ドキュメント/設定/とても長い名前の設定ファイル_2026年12月版.dat は既に存在します。\n"
          "上書きしますか？"})
        texts.push_back(QString::fromUtf8(s));
    return texts;
}

TEST(NoticeBoxTest, EveryNoticeTextFitsBesideItsIcon) {
    for (const QMessageBox::Icon icon : {QMessageBox::Warning, QMessageBox::Critical, QMessageBox::Information}) {
        for (const QString& text : noticeTexts()) {
            auto box = makeNoticeBox("Error", text, icon);
            box->show();
            QTest::qWait(1);
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            auto* iconLabel = box->findChild<QLabel*>("qt_msgboxex_icon_label");
            ASSERT_TRUE(label && iconLabel);
            const QRect r = label->contentsRect();
            const int needHeight = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            EXPECT_LE(needHeight, label->height()) << text.toStdString();
            if (!label->wordWrap()) {
                EXPECT_LE(label->sizeHint().width(), label->width()) << text.toStdString();
            }
            // Nothing of the label lies outside the box.
            EXPECT_TRUE(box->rect().contains(QRect(label->mapTo(box.get(), r.topLeft()), r.size())))
                << text.toStdString();
            // The icon keeps its own size: no gap between it and the text.
            EXPECT_LE(iconLabel->width(), iconLabel->sizeHint().width() + 8) << text.toStdString();
            EXPECT_EQ(label->text(), text);
            box->hide();
        }
    }
}

}  // namespace
}  // namespace vrq
