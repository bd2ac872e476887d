#pragma once
// The message box of one operator notice, built and styled in one place so the
// notifier and the tests show the same box.

#include <memory>

#include <QMessageBox>
#include <QString>

namespace vrq {

// A box with the icon beside the whole text and one OK button. A short text's
// label alone is given a minimum width, so the box still leaves room for the
// window title ("Success", "Error") without pushing the icon away.
std::unique_ptr<QMessageBox> makeNoticeBox(const QString& title, const QString& text, QMessageBox::Icon icon,
                                           QWidget* parent = nullptr);

}  // namespace vrq
