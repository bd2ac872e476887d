#include "dialogs/date_time_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "protocol/device_commands.h"

namespace vrq {

namespace {

// Six characters each; a left-out part is a full-width blank.
const char* const kRanges[] = {
    QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "年月日時分秒"), QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "年月日時分　"),
    QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "年月日　　　"), QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "　月日時分秒"),
    QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "　月日時分　"), QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "　月日　　　"),
    QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "　　　時分秒"), QT_TRANSLATE_NOOP("vrq::DateTimeDialog", "　　　時分　")};

}  // namespace

DateTimeDialog::DateTimeDialog(Console& c, QWidget* parent, const ClockSource* clock)
    : DeviceSettingDialog(c, parent, tr("日付＆時刻の設定"), tr("日付，時刻の設定 %1")) {
    setObjectName("dateTimeDialog");
    const QDateTime now = (clock ? clock : &systemClock_)->now();
    const QDate d = now.date();
    const QTime t = now.time();

    // A year the list does not hold opens with no selection.
    const int year = d.year() >= 2000 && d.year() <= 2099 ? d.year() - 2000 : -1;
    addClockRow(tr("年"), numberItems(2000, 2099, 4), year, "year", yearCommand, 0);
    addClockRow(tr("月"), numberItems(1, 12, 1), d.month() - 1, "month", monthCommand, 1);
    addClockRow(tr("日"), numberItems(1, 31, 1), d.day() - 1, "day", dayCommand, 1);
    addClockRow(tr("時"), numberItems(0, 23, 1), t.hour(), "hour", hourCommand, 0);
    addClockRow(tr("分"), numberItems(0, 59, 1), t.minute(), "minute", minuteCommand, 0);
    addClockRow(tr("秒"), numberItems(0, 59, 1), t.second(), "second", secondCommand, 0);

    SettingsModel& m = c.settings;
    QStringList ranges;
    for (const char* r : kRanges) ranges << tr(r);
    addBoundCombo(tr("表示範囲"), ranges, "rangeCombo", m.clockDisplayRange);
    addSendButton(lastRow(), "rangeButton", [&m] { return clockRangeCommand(m); });
    addBoundCombo(tr("表示"), {"OFF", "ON "}, "displayCombo", m.clockDisplayOn);
    addSendButton(lastRow(), "displayButton", [&m] { return clockDisplayCommand(m); });

    // The display-size group stays hidden, as on the device's own console; the
    // value still travels in the settings document.
    QComboBox* size = addBoundCombo(tr("表示サイズ"), {"SMALL ", "NORMAL"}, "sizeCombo", m.clockDisplaySize);
    QPushButton* sizeButton = addSendButton(lastRow(), "sizeButton", [&m] { return clockSizeCommand(m); });
    const int sizeRow = lastRow();
    if (QLayoutItem* label = controlGrid()->itemAtPosition(sizeRow, 0)) label->widget()->hide();
    size->hide();
    sizeButton->hide();

    const int adjust = addRow(tr("30秒補正"), new QWidget(this));
    addSendButton(adjust, "correctionButton", [] { return clockCorrectionCommand(); });

    addSlaveAddressRow();
}

void DateTimeDialog::addClockRow(const QString& label, const QStringList& items, int selected, const QString& name,
                                 CommandLine (*build)(int), int base) {
    QComboBox* combo = addCombo(label, items, name + "Combo");
    select(combo, selected);
    addSendButton(lastRow(), name + "Button", [combo, build, base]() -> std::optional<CommandLine> {
        const int i = combo->currentIndex();
        if (i < 0) return std::nullopt;
        return build(i + base);
    });
}

}  // namespace vrq
