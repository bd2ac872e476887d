#include "shell/message_box_notifier.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/notice_box.h"

namespace vrq {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QMessageBox::Icon boxIcon(NoticeIcon icon) {
    switch (icon) {
        case NoticeIcon::Stop: return QMessageBox::Critical;
        case NoticeIcon::Exclamation: return QMessageBox::Warning;
        case NoticeIcon::Question: return QMessageBox::Question;
        case NoticeIcon::Information: return QMessageBox::Information;
        case NoticeIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxNotifier::notify(std::string_view title, std::string_view text, NoticeIcon icon, bool beep) {
    if (beep) QApplication::beep();
    makeNoticeBox(qs(title), qs(text), boxIcon(icon))->exec();
}

bool MessageBoxNotifier::ask(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::Question, qs(title), qs(text), QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vrq
