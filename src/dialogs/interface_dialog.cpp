#include "dialogs/interface_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>

#include "model/app_config.h"
#include "model/safe_file.h"
#include "protocol/notifier.h"
#include "protocol/run_target.h"

namespace vrq {

void writeConnectionValue(Console& c, std::string_view key, std::string_view value) {
    if (c.app.configPath.empty()) return;  // no ini file in this run (tests, vrqctl)
    if (writeAppConfigValue(c.app.configPath, c.product, key, value) || c.app.configWriteFailed) return;
    // The choice holds for this run; the old file stays as it was.
    c.app.configWriteFailed = true;
    if (c.notifier) showError(*c.notifier, fileProblemText({FileProblem::WriteFailed, {}}, c.app.configPath, true));
}

void writeConnectionValue(Console& c, std::string_view key, int value) {
    writeConnectionValue(c, key, std::to_string(value));
}

InterfaceDialog::InterfaceDialog(Console& c, std::function<void()> openSerial, QWidget* parent)
    : QDialog(parent), c_(c), openSerial_(std::move(openSerial)) {
    setWindowTitle(tr("インターフェイスの設定"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Interface"), this);
    auto* groupLayout = new QVBoxLayout(group);
    combo_ = new QComboBox(group);
    combo_->setObjectName("interfaceCombo");
    combo_->addItems({"RS-232C/485", "TCP/IP"});
    groupLayout->addWidget(combo_);
    layout->addWidget(group);
    auto* setButton = new QPushButton(tr("設定", "button"), this);
    setButton->setObjectName("setButton");
    setButton->setDefault(true);
    layout->addWidget(setButton);

    // No switching away while a TCP/IP connection is up.
    if (c_.app.tcpConnected) {
        combo_->setEnabled(false);
        combo_->setCurrentIndex(-1);
    } else {
        showChoice();
        combo_->setEnabled(!c_.reply.runActive);
    }
    connect(combo_, &QComboBox::currentIndexChanged, this, &InterfaceDialog::choose);
    // Serial picked again while it is the choice: a port that failed or
    // vanished is opened anew (an open port stays as it is).
    connect(combo_, &QComboBox::activated, this, [this](int index) {
        if (!justOpened_ && index == kLinkSerial && c_.app.linkInterface == kLinkSerial && !c_.app.serialPortOpen &&
            openSerial_)
            openSerial_();
        justOpened_ = false;
    });
    connect(setButton, &QPushButton::clicked, this, &QDialog::accept);
}

void InterfaceDialog::showChoice() {
    const int index = c_.app.linkInterface;
    combo_->setCurrentIndex(index == kLinkSerial || index == kLinkTcp ? index : -1);
}

void InterfaceDialog::choose(int index) {
    if (index < 0) return;
    if (!targetChangeAllowed(c_)) {
        const QSignalBlocker block(combo_);
        showChoice();
        return;
    }
    c_.app.linkInterface = index;
    writeConnectionValue(c_, "Interface", index);
    if (c_.app.linkInterface == kLinkSerial && !c_.app.serialPortOpen && openSerial_) {
        openSerial_();
        justOpened_ = true;  // the activation that follows is this same choice
    }
}

}  // namespace vrq
