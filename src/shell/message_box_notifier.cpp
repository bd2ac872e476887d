#include "shell/message_box_notifier.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "link/ui_language.h"
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

void MessageBoxNotifier::notify(const Message& title, const Message& text, NoticeIcon icon, bool beep) {
    const bool wasEmpty = queue_.empty();
    enqueue({render(title), render(text), icon, beep});
    if (!showing_ && wasEmpty) QTimer::singleShot(0, &context_, [this] { showNext(); });
}

void MessageBoxNotifier::enqueue(Notice n) {
    auto same = [&n](const Notice& q) { return q.sameAs(n); };
    // Once folded, a notice keeps gathering its repeats.
    if (auto it = std::find_if(queue_.begin(), queue_.end(), [&](const Notice& q) { return q.count > 1 && same(q); });
        it != queue_.end()) {
        it->count += n.count;
        return;
    }
    if (queue_.size() < kMaxQueued) {
        queue_.push_back(std::move(n));
        return;
    }
    // Full: the waiting repeats of this notice fold into the first of them.
    if (auto first = std::find_if(queue_.begin(), queue_.end(), same); first != queue_.end()) {
        for (auto it = std::next(first); it != queue_.end(); ++it)
            if (same(*it)) first->count += it->count;
        first->count += n.count;
        // The erase moves the deque's elements: `first` is stale after it.
        queue_.erase(std::remove_if(std::next(first), queue_.end(), same), queue_.end());
        return;
    }
    if (queue_.size() >= kMaxDifferent) queue_.pop_back();
    queue_.push_back(std::move(n));
}

QString MessageBoxNotifier::shownText(const Notice& n) {
    return n.count > 1 ? n.text + render(Message(VRQ_TEXT("Notices", "（%1回）")).arg(n.count)) : n.text;
}

QString MessageBoxNotifier::queuedText(std::size_t i) const {
    return i < queue_.size() ? shownText(queue_[i]) : QString();
}

void MessageBoxNotifier::showNext() {
    if (showing_ || queue_.empty()) return;
    showing_ = true;
    const Notice n = queue_.front();
    queue_.pop_front();
    if (n.beep) QApplication::beep();
    makeNoticeBox(n.title, shownText(n), boxIcon(n.icon))->exec();
    showing_ = false;
    if (!queue_.empty()) QTimer::singleShot(0, &context_, [this] { showNext(); });
}

// A box the program ends during (QApplication::exit on a termination signal
// leaves its loop) has no button clicked: that is no answer, so nothing that
// only an answer may start, such as a save, happens.
bool MessageBoxNotifier::ask(const Message& title, const Message& text) {
    QMessageBox box(QMessageBox::Question, render(title), render(text), QMessageBox::Yes | QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

Answer MessageBoxNotifier::askYesNoCancel(const Message& title, const Message& text) {
    QMessageBox box(QMessageBox::Question, render(title), render(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked != nullptr && clicked == box.button(QMessageBox::Yes)) return Answer::Yes;
    if (clicked != nullptr && clicked == box.button(QMessageBox::No)) return Answer::No;
    return Answer::Cancel;
}

}  // namespace vrq
