#include "dialogs/line_setting_dialogs.h"

#include <algorithm>
#include <iterator>

#include <QComboBox>
#include <QPainter>
#include <QPushButton>

#include "dialogs/colour_names.h"
#include "protocol/line_commands.h"
#include "protocol/send_path.h"

namespace vrq {
namespace {

QString lineLabel(int line) { return QStringLiteral("Line%1 = ").arg(line + 1, 2, 10, QLatin1Char('0')); }

const QStringList& onOffItems() {
    static const QStringList items{"OFF", "ON "};
    return items;
}

// A stored code outside the nine colours still keeps the columns in line.
QString shownColour(int code) {
    const QString cell = colourCell(code);
    return cell.isEmpty() ? unknownColourCell() : cell;
}

}  // namespace

LineSettingDialog::LineSettingDialog(Console& c, QWidget* parent, Family family)
    : SettingDialog(c, parent, family.caption, family.peerHeading), family_(std::move(family)) {
    // A damaged ini or document must not lead the model writes out of range.
    c.app.currentPage = std::clamp(c.app.currentPage, 0, kPages - 1);
    c.app.currentLine = std::clamp(c.app.currentLine, 0, kLines - 1);

    addPreview(QSize(family_.previewWidth, 256))->setPainter([this](QPainter& p) { paintPreview(p); });
    pageCombo_ = addCombo(tr("ページ"), pageItems(), "pageCombo");
    lineCombo_ = addCombo(tr("ライン"), numberItems(1, kLines, 2), "lineCombo");
    select(pageCombo_, c.app.currentPage);
    select(lineCombo_, c.app.currentLine);

    for (std::size_t v = 0; v < family_.values.size(); ++v) {
        const Value& val = family_.values[v];
        QComboBox* value = addCombo(val.label, val.items, val.valueName);
        QComboBox* allPages = addCombo(val.allPagesLabel, val.items, val.allPagesName);
        QComboBox* allLines = addCombo(val.allLinesLabel, val.items, val.allLinesName);
        valueCombos_.push_back(value);
        // The "same for all" lists act on every choice, even of the item shown.
        select(allPages, c.dialog.*(val.allPages));
        select(allLines, c.dialog.*(val.allLines));

        connect(value, &QComboBox::currentIndexChanged, this, [this, v](int i) {
            if (i < 0) return;
            Console& cc = console();
            (cc.settings.*(family_.values[v].field))[cc.app.currentPage][cc.app.currentLine] = i;
            refreshPreview();
        });
        connect(allPages, &QComboBox::activated, this, [this, v](int i) {
            if (i < 0) return;
            Console& cc = console();
            const Value& val = family_.values[v];
            cc.dialog.*(val.allPages) = i;
            for (auto& page : cc.settings.*(val.field)) page.fill(i);
            refreshPreview();
            reselectValues();
        });
        connect(allLines, &QComboBox::activated, this, [this, v](int i) {
            if (i < 0) return;
            Console& cc = console();
            const Value& val = family_.values[v];
            cc.dialog.*(val.allLines) = i;
            (cc.settings.*(val.field))[cc.app.currentPage].fill(i);
            refreshPreview();
            reselectValues();
        });
    }
    reselectValues();
    addSlaveAddressRow();

    connect(pageCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().app.currentPage = i;
        refreshPreview();
        reselectValues();
    });
    connect(lineCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().app.currentLine = i;
        refreshPreview();
        reselectValues();
    });

    connect(addButton(tr("ライン設定"), "lineSendButton"), &QPushButton::clicked, this, &LineSettingDialog::sendLine);
    connect(addButton(tr("ページ設定"), "pageSendButton"), &QPushButton::clicked, this, &LineSettingDialog::sendPage);
    connect(addButton(tr("全設定"), "sendAllButton"), &QPushButton::clicked, this, &LineSettingDialog::sendAll);
    addProgress(kPages);
}

void LineSettingDialog::reselectValues() {
    const Console& cc = console();
    for (std::size_t v = 0; v < family_.values.size(); ++v) {
        const Value& val = family_.values[v];
        int code = (cc.settings.*(val.field))[cc.app.currentPage][cc.app.currentLine];
        if (val.onOff) code = code != 0 ? 1 : 0;
        select(valueCombos_[v], code);
    }
}

QStringList LineSettingDialog::previewTexts() const {
    const Console& cc = console();
    const int page = cc.app.currentPage;
    QStringList texts;
    texts << QStringLiteral("Page %1 ").arg(page + 1, 3, 10, QLatin1Char('0'));
    for (int l = 0; l < kLines; ++l) texts << family_.row(cc.settings, page, l);
    return texts;
}

void LineSettingDialog::paintPreview(QPainter& p) {
    const QStringList texts = previewTexts();
    PreviewPanel::textAt(p, 10, 1, texts[0]);
    if (!family_.secondHeader.isEmpty()) PreviewPanel::textAt(p, 80, 1, family_.secondHeader);
    for (int l = 0; l < kLines; ++l) PreviewPanel::textAt(p, 20, 20 + 23 * l, texts[l + 1]);
}

void LineSettingDialog::sendLine() {
    Console& cc = console();
    sendCommand(cc, family_.lineCommand(cc.settings, cc.app.currentPage, cc.app.currentLine));
}

void LineSettingDialog::sendPage() {
    Console& cc = console();
    sendCommand(cc, family_.pageCommand(cc.settings, cc.app.currentPage));
}

void LineSettingDialog::sendAll() {
    RunPlan plan;
    plan.steps = kPages;
    plan.periodMs = family_.periodMs;
    plan.step = [this](int page) {
        Console& cc = console();
        sendCommand(cc, family_.pageCommand(cc.settings, page));
        return true;
    };
    plan.percent = [](int done) { return runPercentText(done, kPages); };
    plan.blank = "  ";
    startRun(std::move(plan));
}

BlinkDialog::BlinkDialog(Console& c, QWidget* parent)
    : LineSettingDialog(c, parent,
                        Family{tr("点滅"),
                               tr("表示点滅の設定 %1"),
                               {Value{tr("点滅ON/OFF"), tr("全ページ同設定"), tr("全ライン同設定"), onOffItems(),
                                      &SettingsModel::lineBlink, &DialogValues::allPagesBlink,
                                      &DialogValues::allLinesBlink, "valueCombo", "allPagesCombo",
                                      "allLinesCombo", true}},
                               &blinkLineCommand,
                               &blinkPageCommand,
                               100,
                               [](const SettingsModel& m, int p, int l) {
                                   return lineLabel(l) + (m.lineBlink[p][l] ? "ON " : "OFF");
                               },
                               {},
                               200}) {}

CharSizeDialog::CharSizeDialog(Console& c, QWidget* parent)
    : LineSettingDialog(c, parent,
                        Family{tr("文字サイズ"),
                               tr("文字サイズの設定 %1"),
                               {Value{tr("サイズ"), tr("全ページ同サイズ"), tr("全ライン同サイズ"),
                                      QStringList{"LARGE ", "MEDIUM", "SMALL "}, &SettingsModel::lineCharSize,
                                      &DialogValues::allPagesCharSize, &DialogValues::allLinesCharSize,
                                      "valueCombo", "allPagesCombo", "allLinesCombo"}},
                               &charSizeLineCommand,
                               &charSizePageCommand,
                               200,
                               [](const SettingsModel& m, int p, int l) {
                                   static const QStringList names{"LARGE   ", "MEDIUM", "SMALL   "};
                                   const int v = m.lineCharSize[p][l];
                                   return lineLabel(l) + (v >= 0 && v < 3 ? names[v] : QStringLiteral("?"));
                               },
                               {},
                               220}) {}

LineSpacingDialog::LineSpacingDialog(Console& c, QWidget* parent)
    : LineSettingDialog(c, parent,
                        Family{tr("行間"),
                               tr("表示行間の設定 %1"),
                               {Value{tr("行間"), tr("全ページ同行間"), tr("全ライン同行間"), numberItems(0, 63, 2),
                                      &SettingsModel::lineSpacing, &DialogValues::allPagesSpacing,
                                      &DialogValues::allLinesSpacing, "valueCombo", "allPagesCombo",
                                      "allLinesCombo"}},
                               &spacingLineCommand,
                               &spacingPageCommand,
                               100,
                               [](const SettingsModel& m, int p, int l) {
                                   const int v = std::clamp(m.lineSpacing[p][l], 0, 99);
                                   return lineLabel(l) + QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
                               },
                               {},
                               200}) {}

ColourDialog::ColourDialog(Console& c, QWidget* parent)
    : LineSettingDialog(
          c, parent,
          Family{tr("文字色の設定"),
                 tr("文字＆縁取り色の設定 %1"),
                 {Value{tr("文字色"), tr("全ページ同文字色"), tr("全ライン同文字色"), colourItems(),
                        &SettingsModel::lineCharColour, &DialogValues::allPagesCharColour,
                        &DialogValues::allLinesCharColour, "charColourCombo", "allPagesCharColourCombo",
                        "allLinesCharColourCombo"},
                  Value{tr("縁取り色"), tr("全ページ同縁取り色"), tr("全ライン同縁取り色"), colourItems(),
                        &SettingsModel::lineEdgeColour, &DialogValues::allPagesEdgeColour,
                        &DialogValues::allLinesEdgeColour, "edgeColourCombo", "allPagesEdgeColourCombo",
                        "allLinesEdgeColourCombo"}},
                 &colourLineCommand,
                 &colourPageCommand,
                 100,
                 [](const SettingsModel& m, int p, int l) {
                     return lineLabel(l) + shownColour(m.lineCharColour[p][l]) + shownColour(m.lineEdgeColour[p][l]);
                 },
                 tr("文字色　　縁取り色"),
                 300}) {}

FillDialog::FillDialog(Console& c, QWidget* parent)
    : LineSettingDialog(c, parent,
                        Family{tr("背景色ベタ塗りの設定"),
                               tr("背景色ベタ塗りの設定 %1"),
                               {Value{tr("背景色ベタ塗り"), tr("全ページ同設定"), tr("全ライン同設定"), onOffItems(),
                                      &SettingsModel::lineFill, &DialogValues::allPagesFill,
                                      &DialogValues::allLinesFill, "valueCombo", "allPagesCombo",
                                      "allLinesCombo", true}},
                               &fillLineCommand,
                               &fillPageCommand,
                               100,
                               [](const SettingsModel& m, int p, int l) {
                                   return QStringLiteral("Line%1 ").arg(l + 1, 2, 10, QLatin1Char('0')) +
                                          (m.lineFill[p][l] ? " = ON " : " = OFF");
                               },
                               {},
                               200}) {}

}  // namespace vrq
