#pragma once
// "通信モニタ": the lines on the wire as they come, from the console's
// traffic record. A window of its own, not modal, so it stays open during a
// run; it reads the record on a timer, never once per line, and the list lays
// out only the rows on screen.

#include <QAbstractListModel>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <string>

#include "model/console.h"
#include "protocol/traffic_log.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace vrq {

// The rows a monitor shows, at most as many as the record holds.
class TrafficRows : public QAbstractListModel {
public:
    explicit TrafficRows(std::size_t bound) : bound_(bound) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void append(QStringList rows);
    void clear();
    const QString& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }
    void setRowSize(QSize size) { rowSize_ = size; }

private:
    std::size_t bound_;
    std::deque<QString> rows_;
    QSize rowSize_;
};

class TrafficMonitor : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 150;

    TrafficMonitor(Console& c, TrafficLog& log, QWidget* parent = nullptr);

    // The text one entry shows: time, direction, link, address, bytes.
    static QString rowText(const TrafficEntry& e);

    // Writes the lines the filter lets through, in the `vrqctl --log` format.
    bool saveTo(const std::string& path);
    // Takes in what came since the last look (the timer calls it).
    void refresh();

    QListView* view() const { return view_; }
    int rows() const { return rows_.rowCount(); }
    const QString& row(int i) const { return rows_.row(i); }
    QLineEdit* filter() const { return filter_; }
    QCheckBox* pause() const { return pause_; }
    QPushButton* clearButton() const { return clear_; }
    QPushButton* closeButton() const { return close_; }

signals:
    // Where it stood when it was closed, to open there next time.
    void closedAt(const QRect& geometry);

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void rebuild();
    void clearAll();
    void chooseAndSave();
    void showCounts();

    Console& c_;
    TrafficLog& log_;
    TrafficRows rows_;
    QListView* view_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QCheckBox* pause_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* counts_ = nullptr;
    QTimer timer_;
    std::uint64_t seen_ = 0;  // entries up to this number are in the view
};

}  // namespace vrq
