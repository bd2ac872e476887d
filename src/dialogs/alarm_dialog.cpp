#include "dialogs/alarm_dialog.h"

#include <QLineEdit>

#include "model/field_text.h"
#include "model/text_cell.h"
#include "protocol/device_commands.h"
#include "protocol/notifier.h"

namespace vrq {

AlarmDialog::AlarmDialog(Console& c, QWidget* parent)
    : DeviceSettingDialog(c, parent, tr("アラームの設定"), tr("アラームの設定 %1")) {
    setObjectName("alarmDialog");
    SettingsModel& m = c.settings;

    addBoundCombo(tr("モード"), {"Internal", "External"}, "modeCombo", m.alarmMode);
    addSendButton(lastRow(), "modeButton", [&m] { return alarmModeCommand(m); });

    auto* hold = new QLineEdit(this);
    hold->setObjectName("holdTimeEdit");
    hold->setMaxLength(3);
    hold->setText(QString::fromLatin1(cellText(m.alarmHoldTime).data(),
                                      static_cast<qsizetype>(cellText(m.alarmHoldTime).size())));
    connect(hold, &QLineEdit::textChanged, this, [&m](const QString& text) {
        // The cell holds three bytes; a character that is not one byte would
        // not fit whole. Full-width digits count as the digits they are.
        const QByteArray bytes = QString::fromStdString(narrowDigits(text.toStdString())).toLatin1();
        setCell(m.alarmHoldTime, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
    addSendButton(addRow(tr("保持時間"), hold), "holdTimeButton", [this] { return holdTimeCommand(); });

    addBoundCombo(tr("入力極性"), {"Make ", "Break"}, "polarityCombo", m.alarmPolarity);
    addSendButton(lastRow(), "polarityButton", [&m] { return alarmPolarityCommand(m); });
    addBoundCombo(tr("表示"), {"OFF", " ON"}, "displayCombo", m.alarmDisplay);
    addSendButton(lastRow(), "displayButton", [&m] { return alarmDisplayCommand(m); });
    addBoundCombo(tr("リターン"), {"OFF", " ON"}, "returnCombo", m.alarmReturn);
    addSendButton(lastRow(), "returnButton", [&m] { return alarmReturnCommand(m); });

    addSendButton(addRow(tr("コネクター番号割り付け"), connectorLists()), "connectorButton",
                  [&m] { return alarmConnectorCommand(m); });
    addSlaveAddressRow();
}

std::optional<CommandLine> AlarmDialog::holdTimeCommand() {
    auto line = alarmHoldTimeCommand(console().settings);
    if (!line && console().notifier) showError(*console().notifier, kHoldTimeTooShortText);
    return line;
}

}  // namespace vrq
