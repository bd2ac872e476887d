#include "dialogs/single_page_dialogs.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <iterator>

#include "dialogs/colour_names.h"
#include "protocol/send_path.h"

namespace vrq {

namespace {

struct Texts {
    const char* caption;
    const char* peerHeading;
};

Texts textsOf(SingleSetting s) {
    switch (s) {
        case SingleSetting::AutoSwitch:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "自動切換えの設定"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "自動切換えの設定 %1")};
        case SingleSetting::Blink:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "点滅表示の設定"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "文字点滅の設定 %1")};
        case SingleSetting::Offset:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "表示位置オフセット"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "表示位置オフセットの設定 %1")};
        case SingleSetting::Position:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "表示位置の設定"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "表示位置の設定 %1")};
        case SingleSetting::Fill:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "背景色ベタ塗りの設定"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "背景色ベタ塗りの設定 %1")};
        case SingleSetting::Colour:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "文字色の設定"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "文字色の設定 %1")};
        case SingleSetting::CharSize:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "文字サイズの設定"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "文字サイズの設定 %1")};
        case SingleSetting::ScrollSpeed:
            return {QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "スクロール速度の設定"),
                    QT_TRANSLATE_NOOP("vrq::SinglePageDialog", "スクロール速度の設定 %1")};
    }
    return {"", ""};
}


QStringList itemsOf(SingleSetting s) {
    switch (s) {
        case SingleSetting::AutoSwitch: return {"SKIP", "LIVE"};
        case SingleSetting::Blink:
        case SingleSetting::Fill: return {"OFF", "ON "};
        case SingleSetting::Offset: return SettingDialog::numberItems(0, 15, 2);
        case SingleSetting::Position: return {"TOP   ", "BOTTOM"};
        case SingleSetting::Colour: {
            QStringList items;
            items << colourItems();
            return items;
        }
        case SingleSetting::CharSize: return {"LARGE ", "MEDIUM", "SMALL "};
        case SingleSetting::ScrollSpeed: return {"1", "2", "3", "4"};
    }
    return {};
}

int* autoSwitchCell(SettingsModel& m, int p) { return &m.pageAutoSwitch[p]; }
int* blinkCell(SettingsModel& m, int p) { return &m.lineBlink[p][0]; }
int* offsetCell(SettingsModel& m, int p) { return &m.pagePositionOffset[p]; }
int* positionCell(SettingsModel& m, int p) { return &m.pageDisplayPosition[p]; }
int* fillCell(SettingsModel& m, int p) { return &m.lineFill[p][0]; }
int* charColourCell(SettingsModel& m, int p) { return &m.lineCharColour[p][0]; }
int* edgeColourCell(SettingsModel& m, int p) { return &m.lineEdgeColour[p][0]; }
int* charSizeCell(SettingsModel& m, int p) { return &m.lineCharSize[p][0]; }
int* scrollCell(SettingsModel& m, int p) { return &m.pageScrollSpeed[p]; }

constexpr int kGroup = 32;
constexpr int kColourGroup = 8;

}  // namespace

SinglePageDialog::SinglePageDialog(Console& c, SingleSetting setting, QWidget* parent)
    : SettingDialog(c, parent, tr(textsOf(setting).caption), tr(textsOf(setting).peerHeading)), con_(c),
      setting_(setting) {
    setObjectName("singlePageDialog");
    c.app.currentPage = std::clamp(c.app.currentPage, 0, kPages - 1);
    const bool colour = setting == SingleSetting::Colour;
    addPreview(colour ? QSize(330, 210) : QSize(540, 200))->setPainter([this](QPainter& p) { paintPreview(p); });

    pageCombo_ = addCombo(tr("ページ"), pageItems(), "pageCombo");
    select(pageCombo_, c.app.currentPage);
    connect(pageCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().app.currentPage = i;
        reselect();
        refreshPreview();
    });

    // The page's value and the one for every page; the colour dialog has two of each.
    const QString label = tr("設定", "value label"), same = tr("同設定");
    switch (setting) {
        case SingleSetting::AutoSwitch: values_ = {{label, same, autoSwitchCell, &DialogValues::allPagesAutoSwitch, false}}; break;
        case SingleSetting::Blink: values_ = {{label, same, blinkCell, &DialogValues::allPagesBlink, true}}; break;
        case SingleSetting::Offset: values_ = {{label, same, offsetCell, &DialogValues::allPagesSpacing, false}}; break;
        case SingleSetting::Position:
            values_ = {{label, same, positionCell, &DialogValues::allPagesDisplayPosition, false}};
            break;
        case SingleSetting::Fill: values_ = {{label, same, fillCell, &DialogValues::allPagesFill, true}}; break;
        case SingleSetting::Colour:
            values_ = {{tr("文字色"), tr("文字色同設定"), charColourCell, &DialogValues::allPagesCharColour, true},
                       {tr("縁取り色"), tr("縁取り色同設定"), edgeColourCell, &DialogValues::allPagesEdgeColour, true}};
            break;
        case SingleSetting::CharSize: values_ = {{label, same, charSizeCell, &DialogValues::allPagesCharSize, false}}; break;
        case SingleSetting::ScrollSpeed:
            values_ = {{label, same, scrollCell, &DialogValues::allPagesScrollSpeed, false}};
            break;
    }
    for (std::size_t i = 0; i < values_.size(); ++i) addValue(values_[i], itemsOf(setting), static_cast<int>(i));
    addSlaveAddressRow();
    reselect();

    auto* one = addButton(tr("設定", "button"), "sendPageButton");
    auto* all = addButton(tr("全設定"), "sendAllButton");
    // Neither button checks the link: the send path reports a missing one.
    connect(one, &QPushButton::clicked, this,
            [this] { sendCommand(console(), singlePageCommand(console().settings, setting_, console().app.currentPage)); });
    connect(all, &QPushButton::clicked, this,
            [this] { sendCommand(console(), singleAllPagesCommand(console().settings, setting_)); });
}

void SinglePageDialog::addValue(const Value& v, const QStringList& items, int index) {
    const QString suffix = index == 0 ? QString() : QString::number(index);
    QComboBox* value = addCombo(v.label, items, "valueCombo" + suffix);
    QComboBox* all = addCombo(v.allLabel, items, "allPagesCombo" + suffix);
    valueCombos_.push_back(value);
    allCombos_.push_back(all);
    // The five dialogs that do not remember their choice open on the fixed value every time.
    select(all, console().dialog.*(v.allPages));

    connect(value, &QComboBox::currentIndexChanged, this, [this, index](int sel) {
        if (sel < 0) return;
        *values_[static_cast<std::size_t>(index)].cell(console().settings, console().app.currentPage) = sel;
        reselect();
        refreshPreview();
    });
    // On activation: choosing the item already shown still applies it to every page.
    connect(all, &QComboBox::activated, this, [this, index](int sel) {
        if (sel < 0) return;
        const Value& val = values_[static_cast<std::size_t>(index)];
        if (val.remembers) console().dialog.*(val.allPages) = sel;
        for (int p = 0; p < kPages; ++p) *val.cell(console().settings, p) = sel;
        reselect();
        refreshPreview();
    });
}

int SinglePageDialog::shownCode(int valueIndex, int page) const {
    const int v = *values_[static_cast<std::size_t>(valueIndex)].cell(con_.settings, page);
    switch (setting_) {
        case SingleSetting::AutoSwitch: return v & 1;  // seconds from a multi-line document: odd is LIVE
        case SingleSetting::Blink:
        case SingleSetting::Fill: return v != 0 ? 1 : 0;
        case SingleSetting::Position: return v == 1 ? 1 : 0;
        default: return v;
    }
}

void SinglePageDialog::reselect() {
    const int page = console().app.currentPage;
    for (std::size_t i = 0; i < valueCombos_.size(); ++i) select(valueCombos_[i], shownCode(static_cast<int>(i), page));
}

QString SinglePageDialog::entryText(int page) const {
    const int v = shownCode(0, page);
    switch (setting_) {
        case SingleSetting::AutoSwitch: return v ? "LIVE " : "SKIP ";
        case SingleSetting::Blink:
        case SingleSetting::Fill: return v ? "ON " : "OFF";
        case SingleSetting::Offset: return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')).right(2);
        case SingleSetting::Position: return v ? "BOTTOM" : "TOP      ";
        case SingleSetting::CharSize: return v == 0 ? "LARGE   " : v == 1 ? "MEDIUM" : "SMALL   ";
        case SingleSetting::ScrollSpeed: return QString(QChar('0' + ((v + 1) & 0x3F))) + " ";
        case SingleSetting::Colour: {
            const int e = shownCode(1, page);
            auto name = [](int code) { return colourCell(code); };
            return name(v) + name(e);
        }
    }
    return {};
}

QStringList SinglePageDialog::previewTexts() const {
    QStringList out;
    const int current = con_.app.currentPage;
    if (setting_ == SingleSetting::Colour) {
        out << tr("文字色　　縁取り色");
        const int first = current / kColourGroup * kColourGroup;
        for (int i = 0; i < kColourGroup; ++i)
            out << QStringLiteral("Page %1 ").arg(first + i + 1, 3, 10, QLatin1Char('0')) + entryText(first + i);
    } else {
        const int first = current / kGroup * kGroup;
        for (int i = 0; i < kGroup; ++i)
            out << QStringLiteral("P%1 ").arg(first + i + 1, 3, 10, QLatin1Char('0')) + entryText(first + i);
    }
    return out;
}

void SinglePageDialog::paintPreview(QPainter& p) {
    const QStringList texts = previewTexts();
    if (setting_ == SingleSetting::Colour) {
        PreviewPanel::textAt(p, 80, 1, texts[0]);
        for (int i = 1; i < texts.size(); ++i) PreviewPanel::textAt(p, 10, 20 + 23 * (i - 1), texts[i]);
        return;
    }
    for (int i = 0; i < texts.size(); ++i) PreviewPanel::textAt(p, 20 + 130 * (i / 8), 10 + 23 * (i % 8), texts[i]);
}

}  // namespace vrq
