#include "shell/notice_box.h"

#include <QLabel>

namespace vrq {

namespace {
constexpr int kTextMinWidth = 180;
}  // namespace

std::unique_ptr<QMessageBox> makeNoticeBox(const QString& title, const QString& text, QMessageBox::Icon icon,
                                           QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(icon, title, text, QMessageBox::Ok, parent);
    // Plain text: a notice is never markup, whatever characters it holds.
    box->setTextFormat(Qt::PlainText);
    // Only a short text gets a minimum width: the box sizes itself from its
    // widgets' minimum widths, so a minimum below a longer text's own width
    // would cut that text off.
    if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
        if (label->fontMetrics().size(0, text).width() < kTextMinWidth) label->setMinimumWidth(kTextMinWidth);
    }
    return box;
}

}  // namespace vrq
