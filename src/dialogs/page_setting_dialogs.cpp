#include "dialogs/page_setting_dialogs.h"

#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

#include "protocol/page_commands.h"
#include "protocol/send_path.h"

namespace vrq {
namespace {

QString pageText(int page) { return QStringLiteral("P%1").arg(page + 1, 3, 10, QLatin1Char('0')); }
QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }
int blockStart(int page) { return page / 32 * 32; }

}  // namespace

// Automatic switching ------------------------------------------------------

AutoSwitchDialog::AutoSwitchDialog(Console& c, QWidget* parent)
    : SettingDialog(c, parent, tr("自動切換えの設定"), tr("自動切換えの設定 %1")) {
    c.app.currentPage = std::clamp(c.app.currentPage, 0, kPages - 1);
    addPreview(QSize(540, 196))->setPainter([this](QPainter& p) {
        const QStringList texts = previewTexts();
        for (int i = 0; i < texts.size(); ++i) PreviewPanel::textAt(p, 20 + 130 * (i / 8), 10 + 23 * (i % 8), texts[i]);
    });
    pageCombo_ = addCombo(tr("ページ"), pageItems(), "pageCombo");
    secondsCombo_ = addCombo(tr("時間（秒）"), numberItems(0, 99, 2), "secondsCombo");
    QComboBox* all = addCombo(tr("同時間（秒）"), numberItems(0, 99, 2), "allSecondsCombo");
    addSlaveAddressRow();
    select(pageCombo_, c.app.currentPage);
    // Always opens on the remembered default; a choice here is not kept.
    select(all, c.dialog.allPagesAutoSwitch);
    reselect();

    connect(pageCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().app.currentPage = i;
        refreshPreview();
        reselect();
    });
    connect(secondsCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().settings.pageAutoSwitch[console().app.currentPage] = i;
        reselect();
        refreshPreview();
    });
    connect(all, &QComboBox::activated, this, [this](int i) {
        if (i < 0) return;
        console().settings.pageAutoSwitch.fill(i);
        refreshPreview();
        reselect();
    });
    connect(addButton(tr("設定", "button"), "sendButton"), &QPushButton::clicked, this, [this] {
        sendCommand(console(), autoSwitchPageCommand(console().settings, console().app.currentPage));
    });
    connect(addButton(tr("全設定"), "sendAllButton"), &QPushButton::clicked, this,
            [this] { sendCommand(console(), autoSwitchAllCommand(console().settings)); });
}

void AutoSwitchDialog::reselect() {
    select(secondsCombo_, console().settings.pageAutoSwitch[console().app.currentPage]);
}

QStringList AutoSwitchDialog::previewTexts() const {
    const Console& c = console();
    const int first = blockStart(c.app.currentPage);
    QStringList texts;
    for (int i = 0; i < 32; ++i) {
        const int v = std::clamp(c.settings.pageAutoSwitch[first + i], 0, 99);
        texts << tr("%1 = %2 秒").arg(pageText(first + i), two(v));
    }
    return texts;
}

// Display page ---------------------------------------------------------------

DisplayPageDialog::DisplayPageDialog(Console& c, QWidget* parent)
    : SettingDialog(c, parent, tr("表示ページ"), tr("表示ページの設定 %1")) {
    auto* pageBox = new QGroupBox(tr("ページ"), this);
    auto* pageRow = new QHBoxLayout(pageBox);
    auto* pageCombo = new QComboBox(pageBox);
    pageCombo->setObjectName("pageCombo");
    pageCombo->addItems(pageItems() << "PAS ");
    pageCombo->setMaxVisibleItems(16);
    auto* pageSend = new QPushButton(tr("設定", "button"), pageBox);
    pageSend->setObjectName("pageSendButton");
    pageSend->setAutoDefault(false);
    pageRow->addWidget(pageCombo, 1);
    pageRow->addWidget(pageSend);

    auto* onBox = new QGroupBox(tr("表示ON/OFF"), this);
    auto* onRow = new QHBoxLayout(onBox);
    auto* onCombo = new QComboBox(onBox);
    onCombo->setObjectName("onOffCombo");
    onCombo->addItems({"OFF", "ON "});
    auto* onSend = new QPushButton(tr("設定", "button"), onBox);
    onSend->setObjectName("onOffSendButton");
    onSend->setAutoDefault(false);
    onRow->addWidget(onCombo, 1);
    onRow->addWidget(onSend);

    addControl(QString(), pageBox);
    addControl(QString(), onBox);
    addSlaveAddressRow();
    select(pageCombo, std::clamp(c.dialog.displayPageChoice, 0, kPages));
    select(onCombo, c.dialog.displayPageOn ? 1 : 0);

    connect(pageCombo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) console().dialog.displayPageChoice = i;
    });
    connect(onCombo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) console().dialog.displayPageOn = i == 1;
    });
    connect(pageSend, &QPushButton::clicked, this,
            [this] { sendCommand(console(), displayPageCommand(console().dialog.displayPageChoice)); });
    connect(onSend, &QPushButton::clicked, this,
            [this] { sendCommand(console(), displayOnOffCommand(console().dialog.displayPageOn)); });
}

// Character level --------------------------------------------------------------

CharLevelDialog::CharLevelDialog(Console& c, QWidget* parent)
    : SettingDialog(c, parent, tr("文字レベルの設定"), tr("文字レベルの設定 %1")) {
    c.app.currentPage = std::clamp(c.app.currentPage, 0, kPages - 1);
    addPreview(QSize(540, 206))->setPainter([this](QPainter& p) {
        for (int k = 0; k < 4; ++k) PreviewPanel::textAt(p, 72 + 130 * k, 2, "W  B");
        const QStringList texts = previewTexts();
        for (int i = 0; i < texts.size(); ++i) PreviewPanel::textAt(p, 20 + 130 * (i / 8), 20 + 23 * (i % 8), texts[i]);
    });
    const QStringList levels = numberItems(0, 4, 1);
    pageCombo_ = addCombo(tr("ページ"), pageItems(), "pageCombo");
    whiteCombo_ = addCombo(tr("文字白レベル"), levels, "whiteCombo");
    QComboBox* allWhite = addCombo(tr("同文字白レベル"), levels, "allWhiteCombo");
    blackCombo_ = addCombo(tr("文字黒レベル"), levels, "blackCombo");
    QComboBox* allBlack = addCombo(tr("同文字黒レベル"), levels, "allBlackCombo");
    addSlaveAddressRow();
    select(pageCombo_, c.app.currentPage);
    select(allWhite, c.dialog.allCharWhiteLevel);
    select(allBlack, c.dialog.allCharBlackLevel);
    reselect();

    connect(pageCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().app.currentPage = i;
        refreshPreview();
        reselect();
    });
    connect(whiteCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().settings.pageCharWhiteLevel[console().app.currentPage] = i;
        refreshPreview();
    });
    connect(blackCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().settings.pageCharBlackLevel[console().app.currentPage] = i;
        refreshPreview();
    });
    connect(allWhite, &QComboBox::activated, this, [this](int i) {
        if (i < 0) return;
        console().dialog.allCharWhiteLevel = i;
        console().settings.pageCharWhiteLevel.fill(i);
        refreshPreview();
        reselect();
    });
    connect(allBlack, &QComboBox::activated, this, [this](int i) {
        if (i < 0) return;
        console().dialog.allCharBlackLevel = i;
        console().settings.pageCharBlackLevel.fill(i);
        refreshPreview();
        reselect();
    });
    connect(addButton(tr("設定", "button"), "sendButton"), &QPushButton::clicked, this, [this] {
        sendCommand(console(), charLevelPageCommand(console().settings, console().app.currentPage));
    });
    connect(addButton(tr("全設定"), "sendAllButton"), &QPushButton::clicked, this,
            [this] { sendCommand(console(), charLevelAllCommand(console().settings)); });
}

void CharLevelDialog::reselect() {
    const Console& c = console();
    select(whiteCombo_, c.settings.pageCharWhiteLevel[c.app.currentPage]);
    select(blackCombo_, c.settings.pageCharBlackLevel[c.app.currentPage]);
}

QStringList CharLevelDialog::previewTexts() const {
    const Console& c = console();
    const int first = blockStart(c.app.currentPage);
    QStringList texts;
    for (int i = 0; i < 32; ++i) {
        const int w = std::clamp(c.settings.pageCharWhiteLevel[first + i], 0, 9);
        const int b = std::clamp(c.settings.pageCharBlackLevel[first + i], 0, 9);
        texts << pageText(first + i) + QStringLiteral(" = %1  %2").arg(w).arg(b);
    }
    return texts;
}

// Schedule ---------------------------------------------------------------------

ScheduleDialog::ScheduleDialog(Console& c, QWidget* parent)
    : SettingDialog(c, parent, tr("スケジュール"), tr("スケジュールの設定 %1")) {
    c.dialog.scheduleDay = std::clamp(c.dialog.scheduleDay, 0, kDays - 1);
    c.dialog.scheduleEntry = std::clamp(c.dialog.scheduleEntry, 0, kScheduleEntries - 1);
    addPreview(QSize(500, 206))->setPainter([this](QPainter& p) {
        PreviewPanel::textAt(p, 60, 1, tr("時 分 ページ　　 　　時 分 ページ　　　　時 分 ページ"));
        const QStringList texts = previewTexts();
        for (int i = 0; i < texts.size(); ++i) PreviewPanel::textAt(p, 20 + 160 * (i / 8), 20 + 23 * (i % 8), texts[i]);
    });
    QComboBox* day = addCombo(tr("日"), numberItems(1, kDays, 2), "dayCombo");
    QComboBox* entry = addCombo(tr("パターン番号"), numberItems(1, kScheduleEntries, 2), "entryCombo");
    hourCombo_ = addCombo(tr("時"), numberItems(0, 23, 2), "hourCombo");
    minuteCombo_ = addCombo(tr("分"), numberItems(0, 59, 2), "minuteCombo");
    pageCombo_ = addCombo(tr("ページ"), pageItems() << "PAS" << "---", "pageCombo");
    addSlaveAddressRow();
    select(day, c.dialog.scheduleDay);
    select(entry, c.dialog.scheduleEntry);
    reselect();

    connect(day, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().dialog.scheduleDay = i;
        refreshPreview();
        reselect();
    });
    connect(entry, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().dialog.scheduleEntry = i;
        refreshPreview();
        reselect();
    });
    auto bind = [this](QComboBox* combo, DayEntryInt SettingsModel::*field) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, field](int i) {
            if (i < 0) return;
            Console& cc = console();
            (cc.settings.*field)[cc.dialog.scheduleDay][cc.dialog.scheduleEntry] = i;
            refreshPreview();
        });
    };
    bind(hourCombo_, &SettingsModel::scheduleHour);
    bind(minuteCombo_, &SettingsModel::scheduleMinute);
    bind(pageCombo_, &SettingsModel::schedulePage);

    connect(addButton(tr("設定", "button"), "sendButton"), &QPushButton::clicked, this,
            [this] { sendCommand(console(), scheduleDayCommand(console().settings, console().dialog.scheduleDay)); });
    connect(addButton(tr("全設定"), "sendAllButton"), &QPushButton::clicked, this, &ScheduleDialog::sendAll);
    connect(addButton(tr("日OFF"), "dayOffButton"), &QPushButton::clicked, this, [this] {
        Console& cc = console();
        cc.settings.schedulePage[cc.dialog.scheduleDay].fill(kScheduleNone);
        refreshPreview();
        reselect();
    });
    addProgress(32);
}

void ScheduleDialog::reselect() {
    const Console& c = console();
    const int d = c.dialog.scheduleDay, e = c.dialog.scheduleEntry;
    select(hourCombo_, c.settings.scheduleHour[d][e]);
    select(minuteCombo_, c.settings.scheduleMinute[d][e]);
    select(pageCombo_, c.settings.schedulePage[d][e]);
}

void ScheduleDialog::sendAll() {
    RunPlan plan;
    plan.steps = kDays;
    plan.periodMs = 300;
    plan.check = SendSequencer::ErrorCheck::BeforeStep;
    plan.step = [this](int day) {
        sendCommand(console(), scheduleDayCommand(console().settings, day));
        return true;
    };
    plan.percent = [](int done) { return runPercentText(done, 32); };
    plan.blank = "   ";
    startRun(std::move(plan));
}

QStringList ScheduleDialog::previewTexts() const {
    const Console& c = console();
    const int d = c.dialog.scheduleDay;
    QStringList texts;
    for (int i = 0; i < kScheduleEntries; ++i) {
        const int page = c.settings.schedulePage[d][i];
        QString where;
        if (page >= 0 && page < kPages) {
            where = pageText(page) + "  ";
        } else if (page == kSchedulePas) {
            where = "PAS  ";
        } else {
            where = "--- ";
        }
        texts << two(i + 1) + " = " + two(std::clamp(c.settings.scheduleHour[d][i], 0, 99)) + ":" +
                     two(std::clamp(c.settings.scheduleMinute[d][i], 0, 99)) + " " + where;
    }
    return texts;
}

}  // namespace vrq
