#pragma once
// Operator notices as modal message boxes with a beep before them. Notices
// queue and are shown one after another from the event loop, never inside
// the reply handling or the timer tick that raised them, so the main timer
// (clock, no-reply count) keeps running while a box is open.

#include <QObject>
#include <QString>
#include <deque>

#include "protocol/notifier.h"

namespace vrq {

class MessageBoxNotifier : public Notifier {
public:
    // A device that keeps refusing must not pile up boxes without end: past
    // kMaxQueued waiting notices, identical ones fold into one box with their
    // count. A different one still queues, as it may be the one that ends a
    // run; past kMaxDifferent only the newest of them keeps the last place.
    static constexpr std::size_t kMaxQueued = 32;
    static constexpr std::size_t kMaxDifferent = 64;

    void notify(const Message& title, const Message& text, NoticeIcon icon, bool beep) override;
    // Questions come from the operator's own actions and are answered at once.
    bool ask(const Message& title, const Message& text) override;
    Answer askYesNoCancel(const Message& title, const Message& text) override;

    std::size_t queued() const { return queue_.size(); }
    // The text the queued notice `i` will show, its count filled in.
    QString queuedText(std::size_t i) const;
    bool showing() const { return showing_; }

private:
    struct Notice {
        QString title, text;
        NoticeIcon icon;
        bool beep;
        int count = 1;
        bool sameAs(const Notice& o) const { return icon == o.icon && title == o.title && text == o.text; }
    };
    void enqueue(Notice n);
    static QString shownText(const Notice& n);
    void showNext();

    QObject context_;  // ties the queued calls to this notifier's life
    std::deque<Notice> queue_;
    bool showing_ = false;
};

}  // namespace vrq
