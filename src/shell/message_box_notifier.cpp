#include "shell/message_box_notifier.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "dialogs/ui_text.h"
#include "shell/notice_box.h"

namespace vrq {

namespace {

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
    if (queue_.size() >= kMaxQueued) return;
    queue_.push_back({uiText(title), uiText(text), icon, beep});
    if (!showing_ && queue_.size() == 1) QTimer::singleShot(0, &context_, [this] { showNext(); });
}

void MessageBoxNotifier::showNext() {
    if (showing_ || queue_.empty()) return;
    showing_ = true;
    const Notice n = queue_.front();
    queue_.pop_front();
    if (n.beep) QApplication::beep();
    makeNoticeBox(n.title, n.text, boxIcon(n.icon))->exec();
    showing_ = false;
    if (!queue_.empty()) QTimer::singleShot(0, &context_, [this] { showNext(); });
}

bool MessageBoxNotifier::ask(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::Question, uiText(title), uiText(text), QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vrq
