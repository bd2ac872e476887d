#include "dialogs/traffic_monitor.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "model/safe_file.h"
#include "link/ui_language.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"

namespace vrq {

namespace {

QString directionText(TrafficDirection d) {
    switch (d) {
        case TrafficDirection::Sent: return vrq::TrafficMonitor::tr("送信", "direction");
        case TrafficDirection::Received: return vrq::TrafficMonitor::tr("受信", "direction");
        case TrafficDirection::Dropped: return vrq::TrafficMonitor::tr("破棄", "direction");
        case TrafficDirection::Event: return vrq::TrafficMonitor::tr("接続", "direction");
    }
    return {};
}

// As wide as the longest direction in the chosen language, so the columns line up.
QString directionColumn(TrafficDirection d) {
    qsizetype width = 0;
    for (TrafficDirection x : {TrafficDirection::Sent, TrafficDirection::Received, TrafficDirection::Dropped,
                               TrafficDirection::Event})
        width = std::max(width, directionText(x).size());
    return directionText(d).leftJustified(width);
}

// A row shows the head of a long line; laying out whole 600-byte title lines
// would cost a run its speed. The saved file has every byte the record kept.
constexpr std::size_t kShownBytes = 120;

// Behind a cut row: the size of the whole line.
QString wholeSize(int bytes) {
    return QCoreApplication::translate("vrq::TrafficMonitor", "… (%n バイト)", nullptr, bytes);
}

QString shownBytes(const std::string& bytes) {
    // Escaping at most quadruples a byte, so this head is enough to fill a row.
    const std::string text = printable(std::string_view(bytes).substr(0, kShownBytes + 1));
    if (text.size() <= kShownBytes && bytes.size() <= kShownBytes) return QString::fromLatin1(text);
    // Never cut inside an escape.
    std::size_t end = kShownBytes;
    const std::size_t slash = text.rfind('\\', end);
    if (slash != std::string::npos && slash + 4 > end) {
        std::size_t run = 0;  // backslashes before it: an odd count means it starts an escape
        while (slash >= run + 1 && text[slash - run - 1] == '\\') ++run;
        if (run % 2 == 0) end = slash;
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(end)) + wholeSize(static_cast<int>(bytes.size()));
}

// Why a dropped line was dropped, behind its bytes.
QString reasonSuffix(const TrafficEntry& e) {
    if (e.direction != TrafficDirection::Dropped || e.reason == DropReason::None) return {};
    return QStringLiteral("  (%1)").arg(render(dropReasonText(e.reason)));
}

// Room for the longest row: time, direction, link, address and the head of the bytes.
constexpr int kRowChars = 60 + static_cast<int>(kShownBytes) + 20;

}  // namespace

int TrafficRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant TrafficRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return row(index.row());
    if (role == Qt::SizeHintRole && rowSize_.isValid()) return rowSize_;
    return {};
}

void TrafficRows::append(QStringList rows) {
    if (rows.isEmpty()) return;
    if (static_cast<std::size_t>(rows.size()) > bound_) rows = rows.mid(rows.size() - static_cast<qsizetype>(bound_));
    const std::size_t total = rows_.size() + static_cast<std::size_t>(rows.size());
    if (total > bound_) {
        // The oldest rows fall off the top, as in the record.
        const int off = static_cast<int>(total - bound_);
        beginRemoveRows({}, 0, off - 1);
        rows_.erase(rows_.begin(), rows_.begin() + off);
        endRemoveRows();
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (QString& r : rows) rows_.push_back(std::move(r));
    endInsertRows();
}

void TrafficRows::clear() {
    beginResetModel();
    std::deque<QString>().swap(rows_);
    endResetModel();
}

TrafficMonitor::TrafficMonitor(Console& c, TrafficLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), c_(c), log_(log), rows_(log.capacity()) {
    setWindowTitle(tr("通信モニタ"));
    view_ = new QListView(this);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    view_->setFont(mono);
    const QFontMetrics metrics(mono);
    rows_.setRowSize(QSize(metrics.horizontalAdvance(QLatin1Char('0')) * kRowChars, metrics.height()));
    view_->setUniformItemSizes(true);  // every row the same height: only those on screen are laid out
    view_->setTextElideMode(Qt::ElideNone);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setModel(&rows_);
    // Selected rows copy as text, as they did from a text view.
    auto* copy = new QShortcut(QKeySequence::Copy, view_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, [this] {
        QModelIndexList picked = view_->selectionModel()->selectedIndexes();
        std::sort(picked.begin(), picked.end());
        QStringList text;
        for (const QModelIndex& i : picked) text.push_back(rows_.row(i.row()));
        if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text.join(QLatin1Char('\n')));
    });

    filter_ = new QLineEdit(this);
    filter_->setPlaceholderText(tr("絞り込み"));
    filter_->setClearButtonEnabled(true);
    pause_ = new QCheckBox(tr("一時停止"), this);
    clear_ = new QPushButton(tr("クリア"), this);
    auto* save = new QPushButton(tr("名前を付けて保存..."), this);
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("counts"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("絞り込み:"), this));
    bar->addWidget(filter_, 1);
    bar->addWidget(pause_);
    bar->addWidget(clear_);
    bar->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    close_ = new QPushButton(tr("閉じる"), this);
    close_->setObjectName(QStringLiteral("closeButton"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(counts_, 1);
    bottom->addWidget(close_);
    layout->addLayout(bottom);
    resize(900, 480);

    connect(filter_, &QLineEdit::textChanged, this, [this] { rebuild(); });
    connect(pause_, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) refresh();
    });
    connect(clear_, &QPushButton::clicked, this, [this] { clearAll(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(save, &QPushButton::clicked, this, [this] { chooseAndSave(); });
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(); });
    timer_.start(kRefreshMs);
    rebuild();
}

namespace {

// The slot word is ours; a device path or an address is the operator's and
// is shown as it is, whatever the language.
QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString shownLink(const std::string& link) {
    static const std::string_view kSlot = "ｽﾛｯﾄ";
    if (std::string_view(link).substr(0, kSlot.size()) == kSlot) {
        // "ｽﾛｯﾄ3 192.168.0.7": the number and the address are data.
        const std::string_view rest = std::string_view(link).substr(kSlot.size());
        const std::size_t space = rest.find(' ');
        if (space != std::string_view::npos && space > 0)
            return QCoreApplication::translate("vrq::TrafficMonitor", "ｽﾛｯﾄ%1 %2")
                .arg(utf8(rest.substr(0, space)), utf8(rest.substr(space + 1)));
    }
    return utf8(link);
}

// The link's own events are ours; anything else is shown as it came.
QString eventText(const std::string& bytes) { return vrq::render(trafficEventText(bytes)); }

}  // namespace

QString TrafficMonitor::rowText(const TrafficEntry& e) {
    QString address = QStringLiteral("--");
    if (e.address == 255)
        address = QStringLiteral("FF");
    else if (e.address >= 0)
        address = QStringLiteral("%1").arg(e.address, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(QString::fromStdString(isoMillis(e.at).substr(11)), directionColumn(e.direction),
             QString::fromLatin1(directionMark(e.direction)), shownLink(e.link).leftJustified(24),
             address,
             // An event's bytes are a description in UTF-8, not wire bytes.
             e.direction == TrafficDirection::Event ? eventText(e.bytes) : shownBytes(e.bytes) + reasonSuffix(e));
}

void TrafficMonitor::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) emit closedAt(geometry());
}

void TrafficMonitor::refresh() {
    if (pause_->isChecked()) return;
    const std::uint64_t first = log_.firstNumber();
    if (seen_ < first) seen_ = first;  // those fell off before we looked
    if (seen_ == log_.added()) {
        showCounts();
        return;
    }
    const QString filter = filter_->text();
    QStringList batch;
    for (std::uint64_t n = seen_; n < log_.added(); ++n) {
        QString row = rowText(log_.at(static_cast<std::size_t>(n - first)));
        if (row.contains(filter)) batch.push_back(std::move(row));
    }
    seen_ = log_.added();
    if (!batch.isEmpty()) {
        // Follow the newest lines only when the operator is not reading older ones.
        QScrollBar* bar = view_->verticalScrollBar();
        const bool atEnd = bar->value() == bar->maximum();
        rows_.append(std::move(batch));
        if (atEnd) view_->scrollToBottom();
    }
    showCounts();
}

void TrafficMonitor::rebuild() {
    rows_.clear();
    seen_ = log_.firstNumber();
    const bool paused = pause_->isChecked();
    pause_->setChecked(false);
    refresh();
    pause_->setChecked(paused);
}

void TrafficMonitor::clearAll() {
    log_.clear();
    rebuild();
}

void TrafficMonitor::showCounts() {
    // One count a template, each with its own plural form.
    counts_->setText(tr("%1 / %2 %3")
                         .arg(tr("表示 %n 行", nullptr, rows_.rowCount()),
                              tr("記録 %n 行", nullptr, static_cast<int>(log_.size())),
                              tr("(最大 %n 行)", nullptr, static_cast<int>(log_.capacity()))));
}

bool TrafficMonitor::saveTo(const std::string& path) {
    // The rows the filter shows, matched as shown (in the chosen language).
    const QString filter = filter_->text();
    std::vector<std::size_t> kept;
    std::string firstDevice;
    bool severalDevices = false;
    for (std::size_t i = 0; i < log_.size(); ++i) {
        if (!filter.isEmpty() && !rowText(log_.at(i)).contains(filter)) continue;
        kept.push_back(i);
        const std::string device = trafficDevice(log_.at(i));
        if (kept.size() == 1) firstDevice = device;
        else severalDevices = severalDevices || device != firstDevice;
    }
    std::string text;
    for (const std::size_t i : kept) {
        // As `vrqctl --log` writes a file shared by several devices.
        text += severalDevices ? logLine(log_.at(i), trafficDevice(log_.at(i))) : logLine(log_.at(i));
        text += '\n';
    }
    const FileResult r = writeFileAtomically(path, text);
    if (!r && c_.notifier) showError(*c_.notifier, fileProblemText(r, path, true));
    return static_cast<bool>(r);
}

void TrafficMonitor::chooseAndSave() {
    const QString name = QFileDialog::getSaveFileName(this, tr("名前を付けて保存"), QString(),
                                                      tr("テキスト (*.txt *.log);;すべてのファイル (*)"));
    if (!name.isEmpty()) saveTo(name.toStdString());
}

}  // namespace vrq
