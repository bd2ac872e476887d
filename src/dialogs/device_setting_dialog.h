#pragma once
// The shape of the device-wide setting dialogs: each row is a list (or an
// edit field) bound to one model field, with a "設定" button beside it that
// builds one command from the model and sends it at once. Labels and items
// come translated by the dialog that shows them.

#include <functional>
#include <optional>

#include "dialogs/setting_dialog.h"
#include "protocol/command_line.h"

namespace vrq {

class DeviceSettingDialog : public SettingDialog {
    Q_OBJECT
public:
    using SettingDialog::SettingDialog;

protected:
    using Builder = std::function<std::optional<CommandLine>()>;

    // A list whose selection is `field`, stored the moment it changes.
    QComboBox* addBoundCombo(const QString& label, const QStringList& items, const QString& objectName, int& field);
    // Any control in a new row of the grid, returning the row.
    int addRow(const QString& label, QWidget* w);
    // A "設定" button in column 2 of `row`; sends what `build` returns, if anything.
    QPushButton* addSendButton(int row, const QString& objectName, Builder build);
    int lastRow() const;

    void send(const CommandLine& line);

    // The eight connector lists shared by the alarm and remote dialogs.
    QWidget* connectorLists();
};

}  // namespace vrq
